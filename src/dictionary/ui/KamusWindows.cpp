// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/ui/KamusWindows.h"

namespace tembusa {

// The dictionary window and the progress window come with the text
// dictionaries.
void ShowKamusWindow(bool) {}
void ShowProgressWindow() {}
void SetProgressWindowMax(qint32) {}
void SetProgressWindowValue(qint32) {}
void SetProgressWindowStatus(const QString&) {}
void CloseProgressWindow() {}

} // namespace tembusa
