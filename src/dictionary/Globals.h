// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tembusa {

// The dictionary's error box: four lines joined by CR LF,
// "Error Number:", "Error Message:", "Module:", "Function:", each followed
// by its value with no blank. Shown modally through the process's Ui.
void ShowError(qint32 number, const QString& message, const QString& module,
               const QString& function);

// A database failure: the error box of ShowError where the Ui shows boxes;
// line, which names the file, where it prints lines (a console).
void ShowDatabaseError(qint32 number, const QString& message, const QString& module,
                       const QString& function, const QString& line);

// The text ShowError shows.
QString ErrorBoxText(qint32 number, const QString& message, const QString& module,
                     const QString& function);

} // namespace tembusa
