// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every question and box the library shows goes through one Ui, installed per
// process. The workbench installs its windows; the command-line client uses
// the console; tests answer from a script.

#include <tembusa/Export.h>

#include <QString>
#include <QStringList>

namespace tembusa {

class TEMBUSA_EXPORT Ui
{
public:
    virtual ~Ui();

    // A modal box with the error icon and one OK button.
    virtual void ErrorBox(const QString& text) = 0;
    // A modal box with the information icon and one OK button.
    virtual void MessageBox(const QString& text, const QString& title) = 0;
    // Shows the busy pointer (true) or the normal one (false). Not nested:
    // false always gives the normal pointer.
    virtual void BusyPointer(bool busy) = 0;
    // Lets the host handle pending input (a Stop button among it).
    virtual void ProcessEvents() = 0;

    // A modal input box; the typed text, or the empty text when cancelled.
    virtual QString InputBox(const QString& prompt, const QString& title,
                             const QString& defaultText) = 0;

    // The meaning-choice dialog frmWordSelect for word, listing meanings with
    // the first selected. Returns the answer: the chosen entry, TAB, its
    // 0-based list position; "+", TAB, word, TAB, a new meaning; or the empty
    // text for Escape. Stop sets g_StopFlag and returns the empty text.
    virtual QString ChooseMeaning(const QString& word, const QStringList& meanings) = 0;

    // The unknown-word dialog frmUnknownWord for word. Returns the answer:
    // "+", TAB, word, TAB, the typed meaning; "?", TAB, word, TAB (not to be
    // translated); or "^" (cancel). Stop sets g_StopFlag and returns the
    // empty text.
    virtual QString AskUnknownWord(const QString& word) = 0;

    // The dictionary window frmKamus over the main text dictionary: modal
    // (waits until it is closed) or modeless (returns at once).
    virtual void ShowKamus(bool modal) = 0;

    // The progress window frmProgress: one per process; showing it again
    // only brings it forward. A Ui without such a window ignores these.
    virtual void ShowProgress() {}
    virtual void SetProgressMax(qint32 value) { static_cast<void>(value); }
    virtual void SetProgressValue(qint32 value) { static_cast<void>(value); }
    virtual void SetProgressStatus(const QString& text) { static_cast<void>(text); }
    virtual void CloseProgress() {}

    // A failure of the dictionary database: box is the text of the
    // dictionary's error box, line says the same in one line naming the file.
    // The default shows the error box; a console prints the line.
    virtual void DatabaseError(const QString& box, const QString& line);
    // A warning that lets the work go on, such as choices the dictionary
    // could not keep. The default shows it as a message box.
    virtual void Warning(const QString& text);
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
