// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/WordOrder.h"

#include "platform/AsciiCase.h"

namespace tembusa {
namespace {

bool EndsWithFullStop(const QString& word)
{
    return TrimBlanks(word).endsWith(QLatin1Char('.'));
}

} // namespace

WordOrderRules::WordOrderRules(std::vector<RuleWord> rules) : m_Rules(std::move(rules))
{
    for (size_t i = 0; i < m_Rules.size(); ++i)
        m_ByWord[AsciiUpper(m_Rules[i].English)].push_back(qsizetype(i));
}

const std::vector<qsizetype>* WordOrderRules::RulesOf(const QString& upperWord) const
{
    const auto it = m_ByWord.constFind(upperWord);
    return it == m_ByWord.cend() ? nullptr : &*it;
}

QStringList OrderWords(const QString& s, const WordOrderRules& rules)
{
    QStringList words = s.split(QLatin1Char(' '));
    if (rules.IsEmpty())
        return words;
    const qsizetype last = words.size() - 1;
    for (qsizetype i = 0; i <= last; ++i) {
        // The rules that match the word as it stood when its turn came, in
        // table order; a rule may move other words into its place meanwhile.
        const std::vector<qsizetype>* matching = rules.RulesOf(AsciiUpper(words.at(i)));
        if (!matching)
            continue;
        for (const qsizetype index : *matching) {
            const RuleWord& rule = rules.Rule(index);
            if (rule.TypeBA == QLatin1String("B")) {
                if (i == 0)
                    continue;
                // The word in front keeps its full stop, and the moved word
                // takes one too when that word ended the sentence part.
                const QString p = words.at(i - 1);
                words[i - 1] =
                    words.at(i) + (EndsWithFullStop(p) ? QStringLiteral(".") : QString());
                words[i] = p;
            } else {
                if (i >= words.size() - 1)
                    continue;
                const QString c = words.at(i);
                QString q = words.at(i + 1);
                QString mark;
                if (EndsWithFullStop(q)) {
                    q.chop(1);
                    mark = QStringLiteral(".");
                }
                words[i] = q;
                words[i + 1] = c + mark;
                // The moved word is not examined again.
                ++i;
            }
        }
    }
    return words;
}

QString ApplyWordOrder(const QString& s, const std::vector<RuleWord>& rules)
{
    QString result;
    for (const QString& word : OrderWords(s, WordOrderRules(rules)))
        result += word + QLatin1Char(' ');
    return result;
}

} // namespace tembusa
