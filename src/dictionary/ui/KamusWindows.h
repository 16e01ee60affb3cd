// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tembusa {

// The dictionary's windows, as the Qt Ui shows them.

// frmKamus over the main text dictionary: modal (waits until it is closed)
// or modeless (returns at once; an open window comes to the front).
void ShowKamusWindow(bool modal);

// frmProgress, the one progress window of the process.
void ShowProgressWindow();
void SetProgressWindowMax(qint32 value);
void SetProgressWindowValue(qint32 value);
void SetProgressWindowStatus(const QString& text);
void CloseProgressWindow();

} // namespace tembusa
