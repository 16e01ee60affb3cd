// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <tembusa/ui.h>

namespace tembusa {

// The Ui of the library's own windows: Qt message boxes, the override cursor
// and the application's event loop.
class QtUi : public Ui
{
public:
    void ErrorBox(const QString& text) override;
    void MessageBox(const QString& text, const QString& title) override;
    void BusyPointer(bool busy) override;
    void ProcessEvents() override;
};

} // namespace tembusa
