// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/StopFlag.h"

namespace tembusa {

std::atomic<bool> g_StopFlag{false};

} // namespace tembusa
