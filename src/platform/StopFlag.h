// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>

namespace tembusa {

// The library-wide stop request, shared by every engine object and by the
// dialogs' Stop buttons. Set by StopTranslate, cleared when Translate starts.
extern std::atomic<bool> g_StopFlag;

} // namespace tembusa
