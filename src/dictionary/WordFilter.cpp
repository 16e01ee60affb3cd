// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/WordFilter.h"

#include "platform/AsciiCase.h"

namespace tembusa {

bool IsSignCharacter(QChar c)
{
    static const QString kSigns = QStringLiteral("!@#$%^&*()(_+-=[]{}\\|:;<>,.?/~`\"");
    return kSigns.contains(c);
}

namespace {

bool IsDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

bool IsToBeOrArticle(const QString& word)
{
    // Compared exactly: "Is" at the start of a sentence is looked up.
    return word == QLatin1String("is") || word == QLatin1String("was") ||
           word == QLatin1String("were") || word == QLatin1String("a");
}

bool Stop(qint16& flag, qint16 code, QString& reason, const QString& text)
{
    flag = code;
    reason = text;
    return false;
}

} // namespace

bool FilterWord(const QString& word, QString& reason, qint16& flag, WordLists& lists)
{
    if (word.isEmpty())
        return Stop(flag, 0, reason, reason::kBlank);
    const QChar first = word.front();
    const QChar last = word.back();
    if (first.unicode() < 32)
        return Stop(flag, 1, reason, reason::kControl);
    if (IsSignCharacter(first))
        return Stop(flag, 2, reason, reason::kSign);
    if (IsDigit(first))
        return Stop(flag, 3, reason, reason::kDigit);
    // A capital only marks the word; a later rule may still stop it.
    const bool capital = IsAsciiCapital(first);
    if (capital) {
        flag = 4;
        reason = reason::kCapital;
    }
    if (AsciiUpper(word.left(7)) == QLatin1String("HTTP://"))
        return Stop(flag, 6, reason, reason::kUrl);
    if (capital && IsAsciiCapital(last))
        return Stop(flag, 9, reason, reason::kCapitalBothEnds);
    if (lists.IsWordRejected(word))
        return Stop(flag, 5, reason, reason::kRejected);
    if (lists.IsWordIgnored(word))
        return Stop(flag, 7, reason, reason::kIgnored);
    if (IsToBeOrArticle(word))
        return Stop(flag, 8, reason, reason::kToBe);
    if (IsSignCharacter(last))
        return Stop(flag, 10, reason, reason::kRightSign);
    if (!capital)
        reason.clear();
    return true;
}

} // namespace tembusa
