// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QFont;
class QTextDocument;
class QUrl;
class QWidget;

namespace rumbela {

// The desktop's boxes, file dialogs and process control, as the workbench's
// windows use them. The program uses QtDesktop; tests answer from a script.
class Desktop
{
public:
    virtual ~Desktop();

    // A Yes/No box with the question icon; true for Yes.
    virtual bool AskYesNo(QWidget* owner, const QString& title, const QString& text) = 0;

    // The same box with No as its default button, for a question whose Yes
    // gives up something: Enter keeps it.
    virtual bool AskYesNoDefaultNo(QWidget* owner, const QString& title, const QString& text) = 0;

    // The answers of the box asked before something changed is closed.
    enum class SaveChoice { Save, Discard, Cancel };

    // A Save / Discard / Cancel box with the warning icon; Save is the
    // default and Escape cancels.
    virtual SaveChoice AskSaveChanges(QWidget* owner, const QString& title,
                                      const QString& text) = 0;

    // An OK box with the critical (stop) icon.
    virtual void ShowCritical(QWidget* owner, const QString& title, const QString& text) = 0;

    // An OK box without icon.
    virtual void ShowMessage(QWidget* owner, const QString& title, const QString& text) = 0;

    // The open and save dialogs: the chosen path, or empty text on cancel.
    // filter is a dialog filter ("Text Files (*.txt);;..."); start is the
    // folder the dialog shows first, or a path whose folder it shows with
    // its name proposed. The save dialog asks nothing about existing files;
    // the caller does.
    virtual QString OpenFileName(QWidget* owner, const QString& title, const QString& filter,
                                 const QString& start) = 0;
    virtual QString SaveFileName(QWidget* owner, const QString& title, const QString& filter,
                                 const QString& start) = 0;

    // Ends the process at once: no window is closed, nothing saved or asked.
    virtual void EndProgram() = 0;

    // What a document's print shows.
    enum class PrintContent { Translation, Source, SideBySide };

    // Asks what to print, and whether to see a print preview first: false
    // on Cancel.
    virtual bool AskPrint(QWidget* owner, PrintContent& content, bool& preview) = 0;

    // Prints document through the print dialog, or shows it in a print
    // preview from which it can be printed.
    virtual void PrintText(QWidget* owner, QTextDocument& document, bool preview) = 0;

    // The font dialog, starting at font; false on Cancel, else font is the
    // chosen one.
    virtual bool ChooseFont(QWidget* owner, QFont& font) = 0;
};

// The desktop of a running QApplication.
class QtDesktop : public Desktop
{
public:
    bool AskYesNo(QWidget* owner, const QString& title, const QString& text) override;
    bool AskYesNoDefaultNo(QWidget* owner, const QString& title, const QString& text) override;
    SaveChoice AskSaveChanges(QWidget* owner, const QString& title, const QString& text) override;
    void ShowCritical(QWidget* owner, const QString& title, const QString& text) override;
    void ShowMessage(QWidget* owner, const QString& title, const QString& text) override;
    QString OpenFileName(QWidget* owner, const QString& title, const QString& filter,
                         const QString& start) override;
    QString SaveFileName(QWidget* owner, const QString& title, const QString& filter,
                         const QString& start) override;
    void EndProgram() override;
    bool AskPrint(QWidget* owner, PrintContent& content, bool& preview) override;
    void PrintText(QWidget* owner, QTextDocument& document, bool preview) override;
    bool ChooseFont(QWidget* owner, QFont& font) override;
};

// Opens url (a web address, or a file as QUrl::fromLocalFile) with the
// desktop's default program, without waiting for it. False when the desktop
// could not open it.
bool OpenWithShell(const QUrl& url);

// Shows the help window on the table of contents of the manual shipped in
// the workbench's folder (help/index.html); a help window already open shows
// the contents again and comes to the front. The window stays above owner.
// False, and no window, when the manual is missing.
bool ShowHelpContents(QWidget* owner);

// The first of a short list of system information programs that is found on
// PATH, as a full path; empty text when none is.
QString FindSysInfoProgram();

// Starts program without arguments and without waiting for it. False when
// it could not be started.
bool StartProgram(const QString& program);

} // namespace rumbela
