// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

class QMdiSubWindow;

namespace rumbela {

class MDIForm1;
class ModMDI;
class TextPane;

// The window of one document: the source pane Src above the target pane
// tgt, in one slot of the document set, with one tab in the frame's tab
// strip that the window adds (Load), keeps up to date (DoAct) and removes
// when it closes. A left click in the target pane asks the workbench's
// engine to select the source sentence of the caret's place.
class frmDoc : public QWidget
{
    Q_OBJECT

public:
    frmDoc(ModMDI& docs, MDIForm1& frame, QWidget* parent = nullptr);

    TextPane* Src() const { return m_Src; }
    TextPane* tgt() const { return m_tgt; }

    // Something not yet saved: set by the first edit of either pane and by
    // a translation, cleared by a save. Selects the tab image (2 when
    // changed, 1 when not) and the modified mark of the window's title.
    bool Changed() const { return m_Changed; }
    void Changed(bool value);

    // The source pane was edited since its text was loaded from the file.
    bool SourceEdited() const { return m_SourceEdited; }
    void SourceEdited(bool value) { m_SourceEdited = value; }

    // The path the document was opened from.
    QString filename() const { return m_filename; }
    void filename(const QString& value) { m_filename = value; }

    // The path whose earlier content this window has taken care of: its
    // first save there copied the file to a backup name no file had yet, or
    // the user agreed to replace it in Save As. Empty before that.
    QString BackupOf() const { return m_BackupOf; }
    void BackupOf(const QString& value) { m_BackupOf = value; }

    // The document is bound to a file.
    bool IsFile() const { return m_IsFile; }
    void IsFile(bool value) { m_IsFile = value; }

    // The slot number in decimal ("3").
    QString Tag() const { return m_Tag; }
    void Tag(const QString& value) { m_Tag = value; }
    qint16 Slot() const;

    // The document's title: "Untitled " and the slot, or the file's path.
    QString Caption() const { return m_Caption; }
    void Caption(const QString& value);

    // The MDI window holding this one; nullptr outside a frame.
    QMdiSubWindow* Window() const;

    // Adds the window's tab at the position of the slot just handed out
    // (NewDocIndex), with that slot's key, and enables "start". Runs once,
    // before Tag and Caption are set.
    void Load();

    // The window became the active one: it is current, its tab is refreshed
    // and selected, and the document group of tBar is enabled.
    void Activate();

    // Refreshes the tab: caption the file title of Caption, tooltip the full
    // Caption, image by Changed; and selects it.
    void DoAct();

    // Closes the window without the question about unsaved changes, for a
    // close the user has already confirmed. False when it stayed open.
    bool CloseWithoutAsking();

Q_SIGNALS:
    // The window closed: its slot is free and its tab gone. The window and
    // its panes still exist while this is delivered.
    void Unloaded(rumbela::frmDoc* doc);

protected:
    // A changed document asks whether to save it first (Cancel keeps the
    // window open); closing frees the slot and removes the tab.
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int TabIndex() const;
    void ShowChanged();
    void Unload();
    void LayoutPanes();
    void TargetClicked();

    ModMDI& m_Docs;
    MDIForm1& m_Frame;
    TextPane* m_Src;
    TextPane* m_tgt;
    bool m_Changed = false;
    bool m_SourceEdited = false;
    QString m_filename;
    bool m_IsFile = false;
    QString m_BackupOf;
    QString m_Tag;
    QString m_Caption;
    bool m_Unloaded = false;
    bool m_CloseConfirmed = false;
};

} // namespace rumbela
