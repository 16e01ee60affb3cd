// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every question and box the library shows goes through one Ui, installed per
// process. The workbench installs its windows; the command-line client uses
// the console; tests answer from a script.

#include <tembusa/Export.h>

#include <QString>

namespace tembusa {

class TEMBUSA_EXPORT Ui
{
public:
    virtual ~Ui();

    // A modal box with the error icon and one OK button.
    virtual void ErrorBox(const QString& text) = 0;
    // A modal box with the information icon and one OK button.
    virtual void MessageBox(const QString& text, const QString& title) = 0;
    // Shows the busy pointer (true) or the normal one (false).
    virtual void BusyPointer(bool busy) = 0;
    // Lets the host handle pending input (a Stop button among it).
    virtual void ProcessEvents() = 0;
};

// The process's Ui. Without an installed one, the console Ui answers.
TEMBUSA_EXPORT Ui& CurrentUi();

// Installs ui for the whole process and returns the one it replaces (nullptr
// when the console Ui was in place). The Ui is borrowed: it must outlive its
// installation. Passing nullptr goes back to the console Ui.
TEMBUSA_EXPORT Ui* InstallUi(Ui* ui);

// The library's Ui over its Qt windows, for programs with a QApplication.
// The object lives as long as the library.
TEMBUSA_EXPORT Ui& WindowsUi();

} // namespace tembusa
