// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tembusa {

// Case changes of ASCII letters only (a-z, A-Z), the same rule as SQLite's
// NOCASE; every other character stays as it is. The engine uses these for
// every comparison and capitalisation it makes.
QString AsciiUpper(const QString& text);
QString AsciiLower(const QString& text);
QChar AsciiUpper(QChar c);
QChar AsciiLower(QChar c);

// A-Z exactly: the capital letters of the word filter.
bool IsAsciiCapital(QChar c);

// Text with its first character put in upper case (ASCII letters only).
QString AsciiCapitalizeFirst(const QString& text);

} // namespace tembusa

namespace tembusa {

// Text with leading and trailing blanks (" " only) removed; tabs and line
// breaks stay, so the word filter can see them.
QString TrimBlanks(const QString& text);

} // namespace tembusa
