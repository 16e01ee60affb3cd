// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The project's own word lists, kept as tab-separated text under data/ and
// built into the program, so "dict build" needs no data folder at run time.

#include "cli/KamusRow.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace tembusa::cli {

struct RuleWord
{
    QString english;
    QString typeBA; // "B": moves before the word in front of it; "A": after the word behind it
};

struct CoreLists
{
    // Rows of [indo-data], taking precedence over FreeDict: the core words,
    // then the software words, the inflected forms and the phrases.
    std::vector<KamusRow> words;
    std::vector<RuleWord> rules; // rows of [Indo-Rule1]
    QStringList rejected;        // rows of [indo-tolak]: passed through untranslated
    QStringList ignored;         // rows of [indo-acuh]: left out of the translation
};

// Reads the lists built into the program. On failure returns false with a
// message naming the list and the line.
bool LoadCoreLists(CoreLists& lists, QString& error);

// The parsers behind LoadCoreLists; name is the file name used in messages.
// Lines starting with "#" and empty lines are skipped; a word listed twice
// (letter case aside) is an error.
bool ParseWordRows(const QString& text, const QString& name, std::vector<KamusRow>& rows,
                   QString& error);
bool ParseRuleWords(const QString& text, const QString& name, std::vector<RuleWord>& rules,
                    QString& error);
bool ParseWordList(const QString& text, const QString& name, QStringList& words, QString& error);

// False, with a message naming the word, when two rows share an English word
// (letter case aside).
bool CheckDistinctWords(const std::vector<KamusRow>& rows, QString& error);

} // namespace tembusa::cli
