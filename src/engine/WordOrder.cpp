// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/WordOrder.h"

#include "platform/AsciiCase.h"

#include <QStringList>

namespace tembusa {
namespace {

bool EndsWithFullStop(const QString& word)
{
    return TrimBlanks(word).endsWith(QLatin1Char('.'));
}

} // namespace

QString ApplyWordOrder(const QString& s, const std::vector<RuleWord>& rules)
{
    QStringList words = s.split(QLatin1Char(' '));
    const qsizetype last = words.size() - 1;
    for (qsizetype i = 0; i <= last; ++i) {
        const QString w = AsciiUpper(words.at(i));
        for (const RuleWord& rule : rules) {
            if (AsciiUpper(rule.English) != w)
                continue;
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
    QString result;
    for (const QString& word : std::as_const(words))
        result += word + QLatin1Char(' ');
    return result;
}

} // namespace tembusa
