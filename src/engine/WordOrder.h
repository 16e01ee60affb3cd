// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

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

// s with its words (split at every blank) reordered by the rules, each word
// followed by one blank. Words compare without regard to ASCII case.
QString ApplyWordOrder(const QString& s, const std::vector<RuleWord>& rules);

} // namespace tembusa
