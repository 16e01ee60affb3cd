// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <tembusa/ui.h>

namespace tembusa {

// Shows the busy pointer for as long as it lives, also when a failure ends
// the operation early.
class BusyScope
{
public:
    BusyScope() { CurrentUi().BusyPointer(true); }
    ~BusyScope() { CurrentUi().BusyPointer(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
};

} // namespace tembusa
