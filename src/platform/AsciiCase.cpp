// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AsciiCase.h"

namespace tembusa {

QChar AsciiUpper(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') ? QChar(char16_t(u - 32)) : c;
}

QChar AsciiLower(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') ? QChar(char16_t(u + 32)) : c;
}

bool IsAsciiCapital(QChar c)
{
    return c.unicode() >= u'A' && c.unicode() <= u'Z';
}

QString AsciiUpper(const QString& text)
{
    QString result = text;
    for (QChar& c : result)
        c = AsciiUpper(c);
    return result;
}

QString AsciiLower(const QString& text)
{
    QString result = text;
    for (QChar& c : result)
        c = AsciiLower(c);
    return result;
}

QString AsciiCapitalizeFirst(const QString& text)
{
    if (text.isEmpty())
        return text;
    QString result = text;
    result[0] = AsciiUpper(result.at(0));
    return result;
}

} // namespace tembusa

namespace tembusa {

QString TrimBlanks(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

} // namespace tembusa
