// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "workbench/DocSlots.h"
#include "workbench/RecentList.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QMdiSubWindow;

namespace rumbela {

class Desktop;
class MDIForm1;
class frmDoc;

// The open documents of the frame, each in a numbered slot (DocSlots), and
// the commands that create, open, reload, close and save them; the recent
// file list with its file recent.rct in the workbench's folder.
//
// Failures never leave these commands as exceptions: a file that cannot be
// read or written is reported in a box naming the file.
class ModMDI : public QObject
{
    Q_OBJECT

public:
    ModMDI(MDIForm1& frame, Desktop& desktop);
    ~ModMDI() override;

    DocSlots& Slots() { return m_Slots; }
    const DocSlots& Slots() const { return m_Slots; }

    // The window of a slot; nullptr for a free slot or one out of range.
    frmDoc* Document(qint16 slot) const;
    // The active document's window; nullptr when none.
    frmDoc* Current() const { return Document(m_Slots.CurrentDoc()); }

    const RecentList& Recent() const { return m_Recent; }
    QString FileFilter() const { return m_FileFilter; }

    // The two steps the frame's start-up adds: the dialogs' filter and the
    // recent list read from recent.rct into the Recent Files menu.
    void SetFileFilter();
    void LoadRecentList();

    // A new untitled document ("Untitled " and its slot) in the lowest free
    // slot, shown and made current.
    void FileNew();

    // Opens path as a document: asks "Create File" when there is no such
    // file (No: nothing happens); an open document of exactly this path is
    // activated instead. Does not touch the recent list.
    void OpenFile(const QString& path);

    // The open dialog, then OpenFile and UpdateRecentList with the chosen path.
    void OpenCommand();

    // Reloads the current document's source pane from its file; nothing for
    // an untitled document or when none is current. A source edited since it
    // was loaded is reloaded only after the user agrees.
    void ReloadDoc();
    // Closes the current document window; a changed one asks first.
    void CloseDoc();

    // Asks "Save changes to ...?" for a changed document: true when it may
    // close (saved, or the user chose Discard), false on Cancel or when the
    // save did not happen. An unchanged document closes without a question.
    bool ConfirmClose(frmDoc& doc);
    // ConfirmClose for every open document in slot order; false at the
    // first that may not close.
    bool ConfirmCloseAll();

    // Some document window is open.
    bool AnyOpen() const;

    // Saves the current document's target pane to the path in its Caption;
    // an untitled document goes through SaveFileAs. The window's first save
    // to a path keeps the file's earlier content under a backup name no file
    // has yet (path.bak, path.bak.1, ...); an empty translation replaces a
    // non-empty file only when the user agrees. The status bar says what
    // was written where.
    void SaveFile();
    // Asks for a path (and "Overwrite" for an existing file), saves the
    // current document's target pane there and makes it the Caption.
    void SaveFileAs();
    // Saves every open document in slot order, then reactivates the one
    // that was current.
    void SaveAllDocs();
    // Closes every document window with painting of the frame locked, after
    // ConfirmCloseAll. False, and nothing closed, when the user cancelled.
    bool CloseAllDocs();

    // Puts path first in the recent list, writes recent.rct and refreshes
    // the Recent Files menu.
    void UpdateRecentList(const QString& path);
    // A Recent Files item, 0 to 5: opens the path it shows.
    void OpenRecent(int index);

    // Status text: into lblStatus while the status strip shows, else into
    // the first panel of the status bar.
    void ShowStatus(const QString& text);

    // Activates the document of a tab of the frame's tab strip.
    void ActivateTab(int index);

    // Makes a slot's window the active one and current.
    void ActivateDoc(qint16 slot);

private:
    frmDoc* CreateDocument(qint16 slot);
    frmDoc* FindOpenFile(const QString& path) const;
    void SubWindowActivated(QMdiSubWindow* window);
    void RefreshRecentMenu();
    QString DialogFolder() const;
    QString ProposedName(const frmDoc& doc) const;
    bool ConfirmEmptySave(const QPointer<frmDoc>& doc, const QString& path);
    bool KeepBackup(frmDoc& doc, const QString& path, QString& backup);
    void ReportSaved(const QString& path, const QString& backup);
    bool WriteTarget(frmDoc& doc, const QString& path);
    void ReportError(qint32 number, const QString& description);

    MDIForm1& m_Frame;
    Desktop& m_Desktop;
    DocSlots m_Slots;
    QList<QPointer<frmDoc>> m_Documents; // index 0 is slot 1
    RecentList m_Recent;
    QString m_FileFilter;
};

} // namespace rumbela
