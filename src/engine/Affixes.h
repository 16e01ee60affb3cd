// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

namespace tembusa {

// Asks the dictionary for one word; empty text when it has no meaning.
using WordLookup = std::function<QString(const QString& word)>;

// The meaning of one English word: the word itself, else its stem without an
// English prefix, else its base form without an English ending. prefix
// receives the Indonesian prefix text of the rule that applied ("tidak ",
// "sebelum ", "dalam ", "ulang ", "me", "di", " " or empty); the caller
// writes it in front of the meaning. Empty text when no rule found one, or
// when a stop was requested during a lookup (nothing more is tried then).
QString TranslateWord(const QString& word, QString& prefix, const WordLookup& lookupWord);

} // namespace tembusa
