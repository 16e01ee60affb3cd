// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QMdiArea;
class QMenu;
class QProgressBar;
class QTabBar;
class QToolBar;

namespace rumbela {

class Desktop;
class FindBar;
class ModMDI;
class TextPane;
class TabDock;
class TranslationRun;

// The frame window of the workbench: a multi-document frame whose documents
// are frmDoc windows, with the main toolbar tBar, the macro toolbar tbMacro,
// the status strip picStatus holding the document tab strip tb, the status
// bar StatusBar1 and the docking manager fDock with the navigator (left)
// and the debug output window (bottom, hidden at start).
//
// Toolbar buttons are found by key (Button); a key's action is attached with
// SetButtonAction, and a click on a key without one does nothing.
class MDIForm1 : public QMainWindow
{
    Q_OBJECT

public:
    // desktop answers the frame's boxes and dialogs; it must outlive the frame.
    explicit MDIForm1(Desktop& desktop, QWidget* parent = nullptr);
    ~MDIForm1() override;

    QMdiArea* mdiArea() const { return m_MdiArea; }
    QTabBar* tb() const { return m_tb; }
    QWidget* picStatus() const { return m_picStatus; }
    QProgressBar* ProgressBar1() const { return m_ProgressBar1; }
    QLineEdit* lblStatus() const { return m_lblStatus; }
    // A panel of StatusBar1, numbered from 1.
    QLabel* StatusPanel(int number) const;
    // An item of the Recent Files menu, 0 to 5.
    QAction* mnuRec(int index) const;
    QAction* mnStat() const { return m_mnStat; }
    TabDock& fDock() const { return *m_fDock; }
    ModMDI& Docs() const { return *m_Docs; }
    Desktop& desktop() const { return m_Desktop; }
    QWidget* frmNav() const { return m_frmNav; }
    QWidget* frmOutput() const { return m_frmOutput; }
    // The "start" and "stop" keys and Use Statistic.
    TranslationRun& Run() const { return *m_Run; }

    // A tBar button by its key; nullptr for unknown keys.
    QAction* Button(const QString& key) const;

    // Runs the action attached to key (exact, case-sensitive); a key without
    // one does nothing. This is what a click on a tBar button does.
    void ButtonClick(const QString& key);

    // Attaches the action of a tBar key, replacing the one it had.
    void SetButtonAction(const QString& key, std::function<void()> action);

    // Enables "start": a document window was loaded. Not while a
    // translation is in progress.
    void EnableStart();

    // Enables the document group of tBar: a document was activated.
    void EnableDocButtons();

    // Sets every command's enabled state from the documents and the run:
    // the document group while a document is open, "start" while one is
    // open and no run is on, "stop" while a run is on; keys that have no
    // command stay disabled.
    void UpdateActions();

    // The pane the Edit commands and the find bar work on: the pane of the
    // active document that last had the focus, else its source pane;
    // nullptr without a document.
    TextPane* EditPane() const;
    FindBar* findBar() const { return m_FindBar; }

    // The panes' font chosen through Format > Font, for every document and
    // those opened later; the document window's own font until one is chosen.
    bool HasPaneFont() const { return m_HasPaneFont; }
    QFont PaneFont() const { return m_PaneFont; }

    // The arrange operation: cascade 0, tile horizontally 1, tile
    // vertically 2, arrange the minimised windows' icons 3.
    void Arrange(int code);

protected:
    // Asks about every changed document (Cancel keeps the frame open), then
    // closes the document windows. During a run the run is stopped first
    // and the close follows when it has ended.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBars();
    void CreateStatusStrip();
    void CreateStatusBar();
    void CreateDockWindows();
    void StartUp();

    void CreateFileMenu();
    void CreateEditMenu();
    void CreateViewMenu();
    void CreateDebugMenu();
    void CreateRunMenu();
    void CreateToolsMenu();
    void CreateWindowMenu();
    void CreateHelpMenu();
    void FillWindowList();
    void DisplayLogWindow(bool checked);
    void Exit();
    void RunEnded();
    void SetCommand(const QString& key, const QString& text, const QKeySequence& shortcut,
                    const QString& statusTip);
    void FocusChanged(QWidget* old, QWidget* now);
    void ChooseFont();
    void DeleteSelection();
    void LayoutStatusStrip();

    Desktop& m_Desktop;
    QMdiArea* m_MdiArea;
    TabDock* m_fDock;
    std::unique_ptr<ModMDI> m_Docs;
    TranslationRun* m_Run = nullptr;

    QToolBar* m_tBar = nullptr;
    QToolBar* m_tbMacro = nullptr;
    QWidget* m_picStatus = nullptr;
    QTabBar* m_tb = nullptr;
    QProgressBar* m_ProgressBar1 = nullptr;
    QLineEdit* m_lblStatus = nullptr;
    QList<QLabel*> m_StatusPanels;
    QWidget* m_frmNav = nullptr;
    QWidget* m_frmOutput = nullptr;

    QHash<QString, QAction*> m_Buttons;
    QHash<QString, std::function<void()>> m_ButtonActions;
    QList<QAction*> m_mnuRec;
    QAction* m_mnStat = nullptr;
    QAction* m_DisplayLog = nullptr;
    QMenu* m_WindowList = nullptr;
    QAction* m_mnReplace = nullptr;
    FindBar* m_FindBar = nullptr;
    QPointer<TextPane> m_EditPane;
    QList<QMetaObject::Connection> m_EditPaneConnections;
    bool m_HasPaneFont = false;
    QFont m_PaneFont;

    // Exit or a close asked for during a run, done once the run has ended.
    enum class PendingEnd { None, Close, Exit };
    PendingEnd m_PendingEnd = PendingEnd::None;
};

} // namespace rumbela
