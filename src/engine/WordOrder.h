// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

namespace tembusa {

// A rule word of the dictionary's word-order table. TypeBA "B" moves the
// word before the word in front of it; any other type moves it after the
// word behind it.
struct RuleWord
{
    QString English;
    QString TypeBA; // upper case
};

// The rule words ready for use: found by the upper case of a word, each
// word's rules in table order.
class WordOrderRules
{
public:
    WordOrderRules() = default;
    explicit WordOrderRules(std::vector<RuleWord> rules);

    // The rules of a word given in upper case, in table order.
    const std::vector<qsizetype>* RulesOf(const QString& upperWord) const;
    const RuleWord& Rule(qsizetype index) const { return m_Rules[size_t(index)]; }
    bool IsEmpty() const { return m_Rules.empty(); }

private:
    std::vector<RuleWord> m_Rules;
    QHash<QString, std::vector<qsizetype>> m_ByWord;
};

// The words of s (split at every blank) reordered by the rules. Words
// compare without regard to ASCII case.
QStringList OrderWords(const QString& s, const WordOrderRules& rules);

// s with its words reordered by the rules, each word followed by one blank.
QString ApplyWordOrder(const QString& s, const std::vector<RuleWord>& rules);

} // namespace tembusa
