// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Lets GoogleTest print Qt text in failure messages.

#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* os)
{
    *os << '{';
    for (const QString& text : list)
        *os << '"' << text.toStdString() << "\" ";
    *os << '}';
}
