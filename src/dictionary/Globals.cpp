// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/Globals.h"

#include <tembusa/ui.h>

namespace tembusa {

QString ErrorBoxText(qint32 number, const QString& message, const QString& module,
                     const QString& function)
{
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("Error Number:") + QString::number(number) + crlf +
           QStringLiteral("Error Message:") + message + crlf + QStringLiteral("Module:") + module +
           crlf + QStringLiteral("Function:") + function;
}

void ShowError(qint32 number, const QString& message, const QString& module,
               const QString& function)
{
    CurrentUi().ErrorBox(ErrorBoxText(number, message, module, function));
}

void ShowDatabaseError(qint32 number, const QString& message, const QString& module,
                       const QString& function, const QString& line)
{
    CurrentUi().DatabaseError(ErrorBoxText(number, message, module, function), line);
}

} // namespace tembusa
