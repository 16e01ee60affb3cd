// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tembusa {

// Reason texts of the word filter, one per outcome.
namespace reason {
inline const QString kBlank = QStringLiteral("Kata blank.");
inline const QString kControl = QStringLiteral("termasuk hurup kontrol.");
inline const QString kSign = QStringLiteral("termasuk karakter tanda.");
inline const QString kDigit = QStringLiteral("termasuk angka tidak diartikan.");
inline const QString kCapital = QStringLiteral("termasuk hurup awal besar / capital");
inline const QString kUrl = QStringLiteral("termasuk URL");
inline const QString kCapitalBothEnds = QStringLiteral("capital letter");
inline const QString kRejected = QStringLiteral("termasuk kata yang ditolak untuk diartikan.");
inline const QString kIgnored = QStringLiteral("termasuk kata yang diacuhkan.");
inline const QString kToBe = QStringLiteral("termasuk tobe , kata tidak diartikan.");
inline const QString kRightSign = QStringLiteral("right sign.");
} // namespace reason

// The two word lists of the database the filter asks.
class WordLists
{
public:
    virtual ~WordLists() = default;
    virtual bool IsWordRejected(const QString& word) = 0;
    virtual bool IsWordIgnored(const QString& word) = 0;
};

// The 32 sign characters (with "(" twice), the backtick and double quote among them.
bool IsSignCharacter(QChar c);

// Decides whether a trimmed word is to be looked up at all. True: look it up;
// flag is then unchanged, or 4 when it begins with a capital A-Z. False: flag
// holds the code of the rule that stopped it. reason receives the outcome's
// text. The caller sets flag to 0 first.
bool FilterWord(const QString& word, QString& reason, qint16& flag, WordLists& lists);

} // namespace tembusa
