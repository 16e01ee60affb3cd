// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/ui/MDIForm1.h"

#include "workbench/FilePaths.h"
#include "workbench/TileLayout.h"
#include "workbench/ui/Desktop.h"
#include "workbench/ui/FindBar.h"
#include "workbench/ui/HelpCommands.h"
#include "workbench/ui/ModMDI.h"
#include "workbench/ui/PrintCommand.h"
#include "workbench/ui/TabDock.h"
#include "workbench/ui/TextPane.h"
#include "workbench/ui/ToolIcons.h"
#include "workbench/ui/TranslationRun.h"
#include "workbench/ui/frmDoc.h"
#include "workbench/ui/frmNav.h"
#include "workbench/ui/frmOutput.h"
#include "workbench/ui/frmParser.h"

#include <tembusa/ui.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTextDocument>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace rumbela {

namespace {

struct ToolButton
{
    const char* key;
    const char* toolTip;
    bool separatorAfter;
};

// tBar's buttons, in order.
constexpr ToolButton kButtons[] = {
    {"start", "Start translate...", false},
    {"stop", "stop translate", false},
    {"view", "View on browser", true},
    {"new", "New Document", false},
    {"open", "Open Document", false},
    {"close", "Close Open Document", true},
    {"save", "Save Document", false},
    {"saveall", "Save All Open Documents", false},
    {"saveas", "Save Document As", false},
    {"reload", "Reload Open Document", true},
    {"print", "Print Document", true},
    {"undo", "Undo", false},
    {"redo", "Redo", true},
    {"cut", "Cut Selected Text", false},
    {"copy", "Copy Selected Text", false},
    {"paste", "Paste Clipboard Contents", false},
    {"delete", "Delete Selected Text", true},
    {"prop", "Settings", true},
    {"find", "Find", false},
    {"findnext", "Find Next", false},
    {"findprev", "Find Previous", true},
    {"tabl", "Tab Right", false},
    {"tabr", "Tab Left", true},
    {"cblock", "Comment Block", false},
    {"ublock", "Uncomment Block", true},
    {"tbmark", "Toggle Bookmark", false},
    {"nbmark", "Next Bookmark", false},
    {"pbmark", "Previous Bookmark", false},
    {"cbmark", "Clear Bookmarks", true},
    {"pline", "Previous Line", false},
    {"nline", "Next Line", true},
    {"ctag", "Custom Tag", true},
    {"tilehor", "Tile Horizontaly", false},
    {"tilever", "Tile Verticly", false},
    {"cascade", "Cascade", true},
    {"help", "Help", false},
};

// The buttons that work on the open documents; disabled while there is none.
constexpr const char* kDocButtons[] = {"view",    "close",   "save",   "saveas",   "saveall",
                                       "reload",  "print",   "find",   "findnext", "findprev",
                                       "tilehor", "tilever", "cascade"};

// Keys with no command behind them: shown, but always disabled.
constexpr const char* kInertButtons[] = {"prop",   "tabl",   "tabr",   "cblock", "ublock", "tbmark",
                                         "nbmark", "pbmark", "cbmark", "pline",  "nline",  "ctag"};

// Layout values of the status strip, in pixels (twips / 15).
constexpr int kStatusStripHeight = 35;              // 525
constexpr int kTabTop = 8;                          // 120
constexpr int kTabHeight = 25;                      // 375
constexpr QRect kProgressBarRect(302, 16, 112, 14); // 4530,240 1680 x 210
constexpr QRect kStatusLabelRect(425, 14, 214, 19); // 6375,210 3210 x 285

// Docked sizes of the navigator (width) and the output window (height).
constexpr int kNavigatorWidth = 220;
constexpr int kOutputHeight = 217; // 3255 twips

// Design size of the frame: 9885 x 6030 twips.
constexpr QSize kFrameSize(659, 402);

QAction* AddItem(QMenu* menu, const QString& name, const QString& text,
                 const QKeySequence& shortcut = QKeySequence())
{
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

} // namespace

MDIForm1::MDIForm1(Desktop& desktop, QWidget* parent)
    : QMainWindow(parent), m_Desktop(desktop), m_MdiArea(new QMdiArea(this)),
      m_fDock(new TabDock(this))
{
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("Zidirarad Uvizidurez - Rumbela Ver.3.0"));
    m_MdiArea->setObjectName(QStringLiteral("mdiArea"));
    // The find bar sits under the documents, shown when asked for.
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_MdiArea, 1);
    m_FindBar = new FindBar(central);
    m_FindBar->SetTarget([this] { return EditPane(); });
    column->addWidget(m_FindBar);
    setCentralWidget(central);
    // Size for when the window is restored from maximised.
    resize(kFrameSize);
    m_Docs = std::make_unique<ModMDI>(*this, desktop);

    CreateActions();
    CreateMenus();
    CreateToolBars();
    CreateStatusStrip();
    CreateStatusBar();
    CreateDockWindows();
    m_Run = new TranslationRun(*this, desktop);
    connect(m_Run, &TranslationRun::Ended, this, &MDIForm1::RunEnded);
    UpdateActions();
    StartUp();
}

// The document set goes first: its connections end with it, so windows
// destroyed after it report to nobody.
MDIForm1::~MDIForm1()
{
    // Closing the child windows moves the focus; the frame must not hear of
    // it once its own members are going.
    disconnect(qApp, &QApplication::focusChanged, this, &MDIForm1::FocusChanged);
}

QLabel* MDIForm1::StatusPanel(int number) const
{
    return m_StatusPanels.value(number - 1);
}

QAction* MDIForm1::mnuRec(int index) const
{
    return m_mnuRec.value(index);
}

QAction* MDIForm1::Button(const QString& key) const
{
    return m_Buttons.value(key);
}

void MDIForm1::ButtonClick(const QString& key)
{
    const auto action = m_ButtonActions.constFind(key);
    if (action != m_ButtonActions.constEnd() && *action)
        (*action)();
}

void MDIForm1::SetButtonAction(const QString& key, std::function<void()> action)
{
    m_ButtonActions.insert(key, std::move(action));
}

void MDIForm1::EnableStart()
{
    UpdateActions();
}

void MDIForm1::EnableDocButtons()
{
    UpdateActions();
}

void MDIForm1::UpdateActions()
{
    const bool anyOpen = m_Docs && m_Docs->AnyOpen();
    const bool running = m_Run && m_Run->Stoppable();
    for (const char* key : kDocButtons)
        m_Buttons.value(QString::fromLatin1(key))->setEnabled(anyOpen);
    for (const char* key : kInertButtons)
        m_Buttons.value(QString::fromLatin1(key))->setEnabled(false);
    m_Buttons.value(QStringLiteral("start"))->setEnabled(anyOpen && !running);
    m_Buttons.value(QStringLiteral("stop"))->setEnabled(running);
    if (m_mnReplace)
        m_mnReplace->setEnabled(anyOpen);

    const TextPane* pane = EditPane();
    const bool selected = pane && pane->textCursor().hasSelection();
    const bool writable = pane && !pane->isReadOnly();
    const auto enable = [this](const char* key, bool on) {
        m_Buttons.value(QString::fromLatin1(key))->setEnabled(on);
    };
    enable("undo", writable && pane->document()->isUndoAvailable());
    enable("redo", writable && pane->document()->isRedoAvailable());
    enable("cut", writable && selected);
    enable("delete", writable && selected);
    enable("copy", selected);
    enable("paste", writable && pane->canPaste());
}

TextPane* MDIForm1::EditPane() const
{
    frmDoc* doc = m_Docs ? m_Docs->Current() : nullptr;
    if (!doc)
        return nullptr;
    if (m_EditPane && (m_EditPane == doc->Src() || m_EditPane == doc->tgt()))
        return m_EditPane;
    return doc->Src();
}

void MDIForm1::FocusChanged(QWidget*, QWidget* now)
{
    auto* pane = qobject_cast<TextPane*>(now);
    if (!pane || pane == m_EditPane || !m_MdiArea->isAncestorOf(pane))
        return;
    for (const QMetaObject::Connection& connection : std::as_const(m_EditPaneConnections))
        disconnect(connection);
    m_EditPane = pane;
    m_EditPaneConnections = {
        connect(pane, &QPlainTextEdit::undoAvailable, this, &MDIForm1::UpdateActions),
        connect(pane, &QPlainTextEdit::redoAvailable, this, &MDIForm1::UpdateActions),
        connect(pane, &QPlainTextEdit::selectionChanged, this, &MDIForm1::UpdateActions)};
    UpdateActions();
}

void MDIForm1::DeleteSelection()
{
    if (TextPane* pane = EditPane())
        pane->textCursor().removeSelectedText();
}

void MDIForm1::ChooseFont()
{
    QFont font = m_HasPaneFont ? m_PaneFont : EditPane() ? EditPane()->font() : this->font();
    if (!m_Desktop.ChooseFont(this, font))
        return;
    m_PaneFont = font;
    m_HasPaneFont = true;
    for (int slot = 1; slot <= m_Docs->Slots().Count(); ++slot) {
        if (frmDoc* doc = m_Docs->Document(qint16(slot))) {
            doc->Src()->setFont(font);
            doc->tgt()->setFont(font);
        }
    }
}

void MDIForm1::SetCommand(const QString& key, const QString& text, const QKeySequence& shortcut,
                          const QString& statusTip)
{
    QAction* action = m_Buttons.value(key);
    action->setText(text);
    action->setShortcut(shortcut);
    action->setStatusTip(statusTip);
}

void MDIForm1::Arrange(int code)
{
    if (code < 0 || code > 3)
        return;
    const auto arrangement = Arrangement(code);
    const QRect area = m_MdiArea->viewport()->rect();
    QList<QMdiSubWindow*> windows;
    QList<QSize> iconSizes;
    for (QMdiSubWindow* window : m_MdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (window->isMinimized() == (arrangement == Arrangement::Icons)) {
            windows.append(window);
            iconSizes.append(window->size());
        }
    }
    // Each cascaded window shows the title bars of those behind it.
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, m_MdiArea) + 4;
    const QList<QRect> rects = arrangement == Arrangement::Icons ? IconRects(iconSizes, area)
                               : arrangement == Arrangement::Cascade
                                   ? CascadeRects(int(windows.size()), area, titleBar)
                                   : TileRects(int(windows.size()), area, arrangement);
    for (qsizetype i = 0; i < windows.size(); ++i) {
        if (windows[i]->isMaximized())
            windows[i]->showNormal();
        windows[i]->setGeometry(rects[i]);
        if (arrangement == Arrangement::Cascade)
            windows[i]->raise();
    }
}

void MDIForm1::closeEvent(QCloseEvent* event)
{
    if (m_Run && m_Run->Running()) {
        event->ignore();
        m_PendingEnd = PendingEnd::Close;
        m_Run->StopTranslation();
        return;
    }
    if (!m_Docs->CloseAllDocs()) {
        event->ignore();
        return;
    }
    event->accept();
}

bool MDIForm1::eventFilter(QObject* watched, QEvent* event)
{
    const bool stripResized = watched == m_picStatus && event->type() == QEvent::Resize;
    // The run shows and hides the progress bar and the status text; the tabs
    // make room for them, so nothing lies over a tab.
    const bool shownOrHidden = (watched == m_ProgressBar1 || watched == m_lblStatus) &&
                               (event->type() == QEvent::Show || event->type() == QEvent::Hide);
    if (stripResized || shownOrHidden)
        LayoutStatusStrip();
    return QMainWindow::eventFilter(watched, event);
}

void MDIForm1::CreateActions()
{
    for (const ToolButton& button : kButtons) {
        const QString key = QString::fromLatin1(button.key);
        auto* action = new QAction(ToolIcon(key), QString::fromLatin1(button.toolTip), this);
        action->setObjectName(key);
        action->setData(key);
        action->setToolTip(QString::fromLatin1(button.toolTip));
        m_Buttons.insert(key, action);
    }
    // A button, or a menu item sharing its action, runs the key's action.
    for (QAction* action : std::as_const(m_Buttons)) {
        const QString key = action->data().toString();
        connect(action, &QAction::triggered, this, [this, key] { ButtonClick(key); });
    }
    // The keys that serve as menu items too: menu text, shortcut, status tip.
    SetCommand(QStringLiteral("save"), QStringLiteral("Sa&ve Document"), QKeySequence::Save,
               QStringLiteral("Save the translation over the document's file"));
    SetCommand(QStringLiteral("print"), QStringLiteral("&Print Document"),
               QKeySequence(Qt::CTRL | Qt::Key_P), QStringLiteral("Print the document"));
    SetCommand(QStringLiteral("start"), QStringLiteral("&Start Translation"),
               QKeySequence(Qt::Key_F5), QStringLiteral("Translate the active document"));
    SetCommand(QStringLiteral("stop"), QStringLiteral("S&top Translation"),
               QKeySequence(Qt::SHIFT | Qt::Key_F5), QStringLiteral("Stop the translation"));
    // Escape stops a run too; while none is on the key goes to the windows.
    m_Buttons.value(QStringLiteral("stop"))
        ->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F5), QKeySequence(Qt::Key_Escape)});
    SetCommand(QStringLiteral("undo"), QStringLiteral("&Undo"), QKeySequence::Undo,
               QStringLiteral("Undo the last edit of the pane"));
    SetCommand(QStringLiteral("redo"), QStringLiteral("R&edo"), QKeySequence::Redo,
               QStringLiteral("Redo the edit undone last"));
    SetCommand(QStringLiteral("cut"), QStringLiteral("Cu&t"), QKeySequence::Cut,
               QStringLiteral("Cut the selected text"));
    SetCommand(QStringLiteral("copy"), QStringLiteral("&Copy"), QKeySequence::Copy,
               QStringLiteral("Copy the selected text"));
    SetCommand(QStringLiteral("paste"), QStringLiteral("&Paste"), QKeySequence::Paste,
               QStringLiteral("Paste the clipboard's text"));
    SetCommand(QStringLiteral("delete"), QStringLiteral("&Delete"), QKeySequence(),
               QStringLiteral("Delete the selected text"));
    SetCommand(QStringLiteral("find"), QStringLiteral("&Find"), QKeySequence::Find,
               QStringLiteral("Find text in the pane"));
    SetCommand(QStringLiteral("findnext"), QStringLiteral("Find &Next"), QKeySequence(Qt::Key_F3),
               QStringLiteral("Find the next place of the text"));
    SetCommand(QStringLiteral("findprev"), QStringLiteral("Find Pre&vious"),
               QKeySequence(Qt::SHIFT | Qt::Key_F3),
               QStringLiteral("Find the previous place of the text"));
    SetCommand(QStringLiteral("help"), QStringLiteral("&General Help"), QKeySequence::HelpContents,
               QStringLiteral("Open the manual"));
    const auto command = [this](const char* key, auto slot) {
        connect(m_Buttons.value(QString::fromLatin1(key)), &QAction::triggered, this, slot);
    };
    command("save", [this] { m_Docs->SaveFile(); });
    command("print", [this] { PrintDocument(*this); });
    command("undo", [this] {
        if (TextPane* pane = EditPane())
            pane->undo();
    });
    command("redo", [this] {
        if (TextPane* pane = EditPane())
            pane->redo();
    });
    command("cut", [this] {
        if (TextPane* pane = EditPane())
            pane->cut();
    });
    command("copy", [this] {
        if (TextPane* pane = EditPane())
            pane->copy();
    });
    command("paste", [this] {
        if (TextPane* pane = EditPane())
            pane->paste();
    });
    command("delete", [this] { DeleteSelection(); });
    command("find", [this] { m_FindBar->ShowBar(false); });
    command("findnext", [this] { m_FindBar->FindNext(false); });
    command("findprev", [this] { m_FindBar->FindNext(true); });
    m_mnReplace = new QAction(QStringLiteral("&Replace"), this);
    m_mnReplace->setObjectName(QStringLiteral("mnReplace"));
    m_mnReplace->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    m_mnReplace->setStatusTip(QStringLiteral("Replace text in the pane"));
    connect(m_mnReplace, &QAction::triggered, this, [this] { m_FindBar->ShowBar(true); });
    connect(qApp, &QApplication::focusChanged, this, &MDIForm1::FocusChanged);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &MDIForm1::UpdateActions);

    ModMDI* docs = m_Docs.get();
    SetButtonAction(QStringLiteral("new"), [docs] { docs->FileNew(); });
    SetButtonAction(QStringLiteral("open"), [docs] { docs->OpenCommand(); });
    SetButtonAction(QStringLiteral("close"), [docs] { docs->CloseDoc(); });
    SetButtonAction(QStringLiteral("saveall"), [docs] { docs->SaveAllDocs(); });
    SetButtonAction(QStringLiteral("saveas"), [docs] { docs->SaveFileAs(); });
    SetButtonAction(QStringLiteral("reload"), [docs] { docs->ReloadDoc(); });
    SetButtonAction(QStringLiteral("tilehor"), [this] { Arrange(1); });
    SetButtonAction(QStringLiteral("tilever"), [this] { Arrange(2); });
    SetButtonAction(QStringLiteral("cascade"), [this] { Arrange(0); });
    SetButtonAction(QStringLiteral("view"), [this] { ShowFileInBrowser(*this); });
    SetButtonAction(QStringLiteral("help"), [this] { GeneralHelp(*this); });
}

void MDIForm1::CreateMenus()
{
    CreateFileMenu();
    CreateEditMenu();
    CreateViewMenu();
    QMenu* format = menuBar()->addMenu(QStringLiteral("F&ormat"));
    format->setObjectName(QStringLiteral("mnFormat"));
    connect(AddItem(format, QStringLiteral("mnFont"), QStringLiteral("&Font...")),
            &QAction::triggered, this, &MDIForm1::ChooseFont);
    CreateDebugMenu();
    CreateRunMenu();
    CreateToolsMenu();
    menuBar()->addMenu(QStringLiteral("&Add-Ins"))->setObjectName(QStringLiteral("mnAddIns"));
    CreateWindowMenu();
    CreateHelpMenu();
}

void MDIForm1::CreateFileMenu()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnFile"));
    ModMDI* docs = m_Docs.get();
    connect(AddItem(file, QStringLiteral("mnNew"), QStringLiteral("&New Document"),
                    QKeySequence(Qt::CTRL | Qt::Key_N)),
            &QAction::triggered, docs, &ModMDI::FileNew);
    connect(AddItem(file, QStringLiteral("mnOpen"), QStringLiteral("&Open Document"),
                    QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, docs, &ModMDI::OpenCommand);
    file->addAction(m_Buttons.value(QStringLiteral("save")));
    connect(AddItem(file, QStringLiteral("mnSaveAs"), QStringLiteral("&Save As Document"),
                    QKeySequence(Qt::Key_F12)),
            &QAction::triggered, docs, &ModMDI::SaveFileAs);
    file->addAction(m_Buttons.value(QStringLiteral("print")));
    file->addSeparator();
    QMenu* recent = file->addMenu(QStringLiteral("&Recent Files"));
    recent->setObjectName(QStringLiteral("mnRecent"));
    for (int k = 0; k < 6; ++k) {
        QAction* item = AddItem(recent, QStringLiteral("mnuRec") + QString::number(k), QString());
        // Items show once an entry fills them.
        item->setVisible(false);
        connect(item, &QAction::triggered, docs, [docs, k] { docs->OpenRecent(k); });
        m_mnuRec.append(item);
    }
    connect(AddItem(file, QStringLiteral("mnExit"), QStringLiteral("E&xit")), &QAction::triggered,
            this, &MDIForm1::Exit);
}

void MDIForm1::CreateEditMenu()
{
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("mnEdit"));
    const auto add = [this, edit](const char* key) {
        edit->addAction(m_Buttons.value(QString::fromLatin1(key)));
    };
    add("copy");
    add("paste");
    add("find");
    edit->addAction(m_mnReplace);
    edit->addSeparator();
    add("undo");
    add("redo");
    add("cut");
    add("delete");
    edit->addSeparator();
    add("findnext");
    add("findprev");
}

void MDIForm1::CreateViewMenu()
{
    // Filled once the docked windows exist (CreateDockWindows).
    menuBar()->addMenu(QStringLiteral("&View"))->setObjectName(QStringLiteral("mnView"));
}

void MDIForm1::CreateRunMenu()
{
    QMenu* run = menuBar()->addMenu(QStringLiteral("&Run"));
    run->setObjectName(QStringLiteral("mnRun"));
    run->addAction(m_Buttons.value(QStringLiteral("start")));
    run->addAction(m_Buttons.value(QStringLiteral("stop")));
}

void MDIForm1::CreateToolsMenu()
{
    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    tools->setObjectName(QStringLiteral("mnTools"));
    connect(AddItem(tools, QStringLiteral("mnKamus"), QStringLiteral("&Dictionary Editor")),
            &QAction::triggered, this, [] { tembusa::CurrentUi().ShowKamus(false); });
    tools->addAction(findChild<QAction*>(QStringLiteral("mnParser")));
}

void MDIForm1::CreateDebugMenu()
{
    QMenu* debug = menuBar()->addMenu(QStringLiteral("&Debug"));
    debug->setObjectName(QStringLiteral("mnDebug"));
    m_DisplayLog =
        AddItem(debug, QStringLiteral("DisplayLogWindow"), QStringLiteral("Display &Log window"));
    m_DisplayLog->setCheckable(true);
    connect(m_DisplayLog, &QAction::triggered, this, &MDIForm1::DisplayLogWindow);
    connect(AddItem(debug, QStringLiteral("mnParser"), QStringLiteral("Display &Parser")),
            &QAction::triggered, this, [this] { ShowParser(*this); });
    m_mnStat = AddItem(debug, QStringLiteral("mnStat"), QStringLiteral("Use &Statistic"));
    m_mnStat->setCheckable(true);
}

void MDIForm1::CreateWindowMenu()
{
    QMenu* window = menuBar()->addMenu(QStringLiteral("&Window"));
    window->setObjectName(QStringLiteral("mnWindow"));
    connect(AddItem(window, QStringLiteral("mnTileHor"), QStringLiteral("&Tile Horizontal")),
            &QAction::triggered, this, [this] { Arrange(1); });
    connect(AddItem(window, QStringLiteral("mnTileVer"), QStringLiteral("Tile &Vertical")),
            &QAction::triggered, this, [this] { Arrange(2); });
    connect(AddItem(window, QStringLiteral("mnArrange"), QStringLiteral("Arrange Icons")),
            &QAction::triggered, this, [this] { Arrange(3); });
    connect(AddItem(window, QStringLiteral("mnCascade"), QStringLiteral("&Casade")),
            &QAction::triggered, this, [this] { Arrange(0); });
    window->addSeparator();
    connect(AddItem(window, QStringLiteral("mnCloseAll"), QStringLiteral("Close All Windows")),
            &QAction::triggered, m_Docs.get(), &ModMDI::CloseAllDocs);
    window->addSeparator();
    connect(AddItem(window, QStringLiteral("mnBrowser"), QStringLiteral("&Show File in Browser")),
            &QAction::triggered, this, [this] { ShowFileInBrowser(*this); });
    m_WindowList = window->addMenu(QStringLiteral("Window List"));
    m_WindowList->setObjectName(QStringLiteral("mnWindowList"));
    connect(m_WindowList, &QMenu::aboutToShow, this, &MDIForm1::FillWindowList);
}

void MDIForm1::CreateHelpMenu()
{
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnHelp"));
    help->addAction(m_Buttons.value(QStringLiteral("help")));
    connect(AddItem(help, QStringLiteral("mnHelpOnline"), QStringLiteral("Help Online")),
            &QAction::triggered, this, &HelpOnline);
    help->addSeparator();
    connect(AddItem(help, QStringLiteral("mnReadme"), QStringLiteral("&Readme")),
            &QAction::triggered, this, [this] { OpenReadme(*this); });
    connect(AddItem(help, QStringLiteral("mnWebsite"), QStringLiteral("Rumbela Website")),
            &QAction::triggered, this, &RumbelaWebsite);
    help->addSeparator();
    // Nothing to check against: shown, but disabled.
    AddItem(help, QStringLiteral("mnUpdate"), QStringLiteral("&Check Update Application"))
        ->setEnabled(false);
    connect(AddItem(help, QStringLiteral("mnAbout"), QStringLiteral("&About")), &QAction::triggered,
            this, [this] { ShowAbout(*this); });
}

void MDIForm1::CreateToolBars()
{
    m_tBar = addToolBar(QStringLiteral("Standard"));
    m_tBar->setObjectName(QStringLiteral("tBar"));
    m_tBar->setIconSize(QSize(16, 16));
    for (const ToolButton& button : kButtons) {
        m_tBar->addAction(m_Buttons.value(QString::fromLatin1(button.key)));
        if (button.separatorAfter)
            m_tBar->addSeparator();
    }

    addToolBarBreak();
    m_tbMacro = addToolBar(QStringLiteral("Macro"));
    m_tbMacro->setObjectName(QStringLiteral("tbMacro"));
    m_tbMacro->setIconSize(QSize(16, 16));
    m_tbMacro->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    for (int i = 1; i <= 10; ++i) {
        const QString key = QStringLiteral("mac") + QString::number(i);
        QAction* button = m_tbMacro->addAction(ToolIcon(key), QStringLiteral("Macro %1").arg(i));
        button->setObjectName(key);
        button->setData(key);
        button->setToolTip(i == 1 ? QStringLiteral("Macro 1")
                                  : QStringLiteral("Play Macro %1").arg(i));
    }
    m_tbMacro->addSeparator();
    QAction* create =
        m_tbMacro->addAction(ToolIcon(QStringLiteral("cmac")), QStringLiteral("New Mac"));
    create->setObjectName(QStringLiteral("cmac"));
    create->setData(QStringLiteral("cmac"));
    create->setToolTip(QStringLiteral("Create Macro"));
    // Nothing is attached to the macro keys: shown disabled, and out of the
    // keyboard's way.
    for (QAction* action : m_tbMacro->actions())
        action->setEnabled(false);
    m_tbMacro->setFocusPolicy(Qt::NoFocus);
}

void MDIForm1::CreateStatusStrip()
{
    // The status strip sits above the status bar, below the docked windows.
    auto* strip = new QToolBar(QStringLiteral("Status"), this);
    strip->setObjectName(QStringLiteral("picStatusBar"));
    strip->setMovable(false);
    strip->setFloatable(false);
    strip->toggleViewAction()->setVisible(false);
    strip->setContentsMargins(0, 0, 0, 0);
    addToolBar(Qt::BottomToolBarArea, strip);

    m_picStatus = new QWidget(strip);
    m_picStatus->setObjectName(QStringLiteral("picStatus"));
    m_picStatus->setFixedHeight(kStatusStripHeight);
    m_picStatus->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    strip->addWidget(m_picStatus);

    m_tb = new QTabBar(m_picStatus);
    m_tb->setObjectName(QStringLiteral("tb"));
    m_tb->setExpanding(false);
    m_tb->setUsesScrollButtons(true);
    m_tb->setElideMode(Qt::ElideNone);
    // A right click activates its tab like a left one and opens no menu.
    m_tb->setContextMenuPolicy(Qt::PreventContextMenu);
    connect(m_tb, &QTabBar::tabBarClicked, m_Docs.get(), &ModMDI::ActivateTab);

    m_ProgressBar1 = new QProgressBar(m_picStatus);
    m_ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    m_ProgressBar1->setGeometry(kProgressBarRect);
    m_ProgressBar1->setTextVisible(false);
    m_ProgressBar1->hide();

    m_lblStatus = new QLineEdit(m_picStatus);
    m_lblStatus->setObjectName(QStringLiteral("lblStatus"));
    m_lblStatus->setGeometry(kStatusLabelRect);
    m_lblStatus->setFrame(false);
    m_lblStatus->setReadOnly(true);
    m_lblStatus->setFocusPolicy(Qt::NoFocus);
    // Painted like the menus, not like an input field.
    QPalette palette = m_lblStatus->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    m_lblStatus->setPalette(palette);
    m_lblStatus->hide();
    m_picStatus->installEventFilter(this);
    m_ProgressBar1->installEventFilter(this);
    m_lblStatus->installEventFilter(this);
    LayoutStatusStrip();
}

void MDIForm1::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    const QString texts[] = {
        QStringLiteral("Double Click Filename, then click start button. Hapy translated..."),
        QStringLiteral("Filename"), QStringLiteral("P:10-K:5-W:100"), QStringLiteral("INS")};
    for (int i = 0; i < 4; ++i) {
        auto* panel = new QLabel(texts[i], bar);
        panel->setObjectName(QStringLiteral("Panel") + QString::number(i + 1));
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        if (i == 0)
            bar->addWidget(panel, 1);
        else
            bar->addPermanentWidget(panel);
        m_StatusPanels.append(panel);
    }
}

void MDIForm1::CreateDockWindows()
{
    m_frmNav = new rumbela::frmNav(*this);
    m_frmOutput = new rumbela::frmOutput;

    setCorner(Qt::BottomLeftCorner, Qt::LeftDockWidgetArea);
    m_fDock->Attach(this);
    QDockWidget* nav =
        m_fDock->AddDockWindow(m_frmNav, 1, TabDock::kLeft, QStringLiteral("frmNav"));
    QDockWidget* output =
        m_fDock->AddDockWindow(m_frmOutput, 1, TabDock::kBottom, QStringLiteral("frmOutput"));
    m_fDock->ShowDockWindows();
    m_fDock->HideDockWindow(m_frmOutput);
    resizeDocks({nav}, {kNavigatorWidth}, Qt::Horizontal);
    resizeDocks({output}, {kOutputHeight}, Qt::Vertical);
    // Closing the output window by its own button clears the menu's check.
    connect(output->toggleViewAction(), &QAction::toggled, m_DisplayLog, &QAction::setChecked);

    auto* view = findChild<QMenu*>(QStringLiteral("mnView"));
    QAction* quickNav = nav->toggleViewAction();
    quickNav->setObjectName(QStringLiteral("mnQuickNav"));
    quickNav->setText(QStringLiteral("&Quick Nav"));
    view->addAction(quickNav);
    view->addAction(m_DisplayLog);
    view->addSeparator();
    QAction* toolbar = m_tBar->toggleViewAction();
    toolbar->setText(QStringLiteral("&Toolbar"));
    view->addAction(toolbar);
    QAction* macros = m_tbMacro->toggleViewAction();
    macros->setText(QStringLiteral("&Macro Toolbar"));
    view->addAction(macros);
}

void MDIForm1::StartUp()
{
    m_Docs->SetFileFilter();
    m_Docs->LoadRecentList();
}

void MDIForm1::FillWindowList()
{
    m_WindowList->clear();
    const QList<QMdiSubWindow*> windows = m_MdiArea->subWindowList(QMdiArea::CreationOrder);
    for (qsizetype i = 0; i < windows.size(); ++i) {
        const QPointer<QMdiSubWindow> window = windows[i];
        const auto* doc = qobject_cast<frmDoc*>(window->widget());
        const QString title = doc ? doc->Caption() : window->windowTitle();
        QAction* item = m_WindowList->addAction(
            (i < 9 ? QStringLiteral("&%1 ").arg(i + 1) : QString()) + PathCaption(title));
        item->setCheckable(true);
        item->setChecked(window == m_MdiArea->activeSubWindow());
        connect(item, &QAction::triggered, m_MdiArea, [this, window] {
            if (window)
                m_MdiArea->setActiveSubWindow(window);
        });
    }
}

void MDIForm1::DisplayLogWindow(bool checked)
{
    if (checked)
        m_fDock->ShowDockWindow(m_frmOutput);
    else
        m_fDock->HideDockWindow(m_frmOutput);
}

void MDIForm1::Exit()
{
    // Exit inside a run would end the program under the running engine:
    // stop it, and exit once it has ended.
    if (m_Run->Running()) {
        m_PendingEnd = PendingEnd::Exit;
        m_Run->StopTranslation();
        return;
    }
    if (!m_Docs->ConfirmCloseAll())
        return;
    m_Desktop.EndProgram();
}

void MDIForm1::RunEnded()
{
    const PendingEnd pending = std::exchange(m_PendingEnd, PendingEnd::None);
    // From the event loop, once the run's own calls have returned.
    if (pending == PendingEnd::Exit)
        QMetaObject::invokeMethod(this, &MDIForm1::Exit, Qt::QueuedConnection);
    else if (pending == PendingEnd::Close)
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void MDIForm1::LayoutStatusStrip()
{
    // The status text stands at the right end of the strip, the progress bar
    // before it, the tabs in the room that is left (scrolling when they need
    // more), so a shown status never hides a tab.
    constexpr int kGap = 8;
    const int width = m_picStatus->width();
    int right = width;
    if (m_lblStatus->isVisibleTo(m_picStatus)) {
        const int labelWidth = std::min(std::max(kStatusLabelRect.width(), width / 3), width / 2);
        right -= labelWidth;
        m_lblStatus->setGeometry(right, kStatusLabelRect.y(), labelWidth,
                                 kStatusLabelRect.height());
        right -= kGap;
    }
    if (m_ProgressBar1->isVisibleTo(m_picStatus)) {
        right -= kProgressBarRect.width();
        m_ProgressBar1->setGeometry(right, kProgressBarRect.y(), kProgressBarRect.width(),
                                    kProgressBarRect.height());
        right -= kGap;
    }
    m_tb->setGeometry(0, kTabTop, std::max(0, right), kTabHeight);
}

} // namespace rumbela
