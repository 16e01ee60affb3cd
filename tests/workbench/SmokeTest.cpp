// SPDX-License-Identifier: GPL-3.0-or-later
// The frame as it starts: caption, toolbars, status strip, menus and docks.
#include "FakeDesktop.h"

#include "workbench/FilePaths.h"
#include "workbench/ui/MDIForm1.h"
#include "workbench/ui/ModMDI.h"
#include "workbench/ui/TabDock.h"

#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include <memory>

using namespace rumbela;
using rumbela::test::FakeDesktop;

namespace {

QStringList ItemTexts(const QWidget* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

} // namespace

class WorkbenchSmokeTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_Dir;
    std::unique_ptr<FakeDesktop> m_Desktop;
    std::unique_ptr<MDIForm1> m_Frame;

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void init()
    {
        OverrideWorkbenchFolder(m_Dir.path());
        m_Desktop = std::make_unique<FakeDesktop>();
        m_Frame = std::make_unique<MDIForm1>(*m_Desktop);
        m_Frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_Frame.get()));
    }

    void cleanup()
    {
        m_Frame.reset();
        OverrideWorkbenchFolder(QString());
    }

    void frameShowsItsCaptionAndNoDocument()
    {
        QCOMPARE(m_Frame->windowTitle(), QStringLiteral("Zidirarad Uvizidurez - Rumbela Ver.3.0"));
        QVERIFY(m_Frame->findChild<QMdiArea*>(QStringLiteral("mdiArea")));
        QVERIFY(m_Frame->mdiArea()->subWindowList().isEmpty());
        QCOMPARE(m_Frame->Docs().Slots().Count(), qint16(0));
        QCOMPARE(m_Desktop->Asked(), 0);
    }

    void mainToolbarHasEveryButtonInOrderWithAnIcon()
    {
        auto* tBar = m_Frame->findChild<QToolBar*>(QStringLiteral("tBar"));
        QVERIFY(tBar);
        QStringList keys;
        for (QAction* action : tBar->actions()) {
            if (action->isSeparator()) {
                keys.append(QStringLiteral("|"));
                continue;
            }
            keys.append(action->data().toString());
            QVERIFY2(!action->icon().isNull(), qPrintable(keys.last()));
            QVERIFY(!action->icon().pixmap(16, 16).toImage().isNull());
        }
        QCOMPARE(keys.join(QLatin1Char(' ')),
                 QStringLiteral(
                     "start stop view | new open close | save saveall saveas reload | print | "
                     "undo redo | cut copy paste delete | prop | find findnext findprev | tabl "
                     "tabr | cblock ublock | tbmark nbmark pbmark cbmark | pline nline | ctag | "
                     "tilehor tilever cascade | help"));
        QCOMPARE(m_Frame->Button(QStringLiteral("tabl"))->toolTip(), QStringLiteral("Tab Right"));
        QCOMPARE(m_Frame->Button(QStringLiteral("tilever"))->toolTip(),
                 QStringLiteral("Tile Verticly"));
    }

    void documentGroupStartsDisabled()
    {
        QStringList enabled;
        for (QAction* action : m_Frame->findChild<QToolBar*>(QStringLiteral("tBar"))->actions()) {
            if (!action->isSeparator() && action->isEnabled())
                enabled.append(action->data().toString());
        }
        QCOMPARE(enabled, (QStringList{"new", "open", "help"}));
    }

    void macroToolbarHasElevenButtons()
    {
        auto* tbMacro = m_Frame->findChild<QToolBar*>(QStringLiteral("tbMacro"));
        QVERIFY(tbMacro);
        QStringList texts;
        for (QAction* action : tbMacro->actions())
            texts.append(action->isSeparator() ? QStringLiteral("|") : action->text());
        QCOMPARE(texts.size(), 12);
        QCOMPARE(texts.first(), QStringLiteral("Macro 1"));
        QCOMPARE(texts[9], QStringLiteral("Macro 10"));
        QCOMPARE(texts.mid(10), (QStringList{"|", "New Mac"}));
        QCOMPARE(tbMacro->actions()[1]->toolTip(), QStringLiteral("Play Macro 2"));
        QCOMPARE(tbMacro->actions()[11]->toolTip(), QStringLiteral("Create Macro"));
    }

    void statusAreaAsItStarts()
    {
        QVERIFY(m_Frame->picStatus()->isVisible());
        QVERIFY(!m_Frame->ProgressBar1()->isVisible());
        QVERIFY(!m_Frame->lblStatus()->isVisible());
        QStringList panels;
        for (int i = 1; i <= 4; ++i)
            panels.append(m_Frame->StatusPanel(i)->text());
        QCOMPARE(panels,
                 (QStringList{"Double Click Filename, then click start button. Hapy translated...",
                              "Filename", "P:10-K:5-W:100", "INS"}));
    }

    void statusTextGoesWhereItShows()
    {
        m_Frame->Docs().ShowStatus(QStringLiteral("Finish."));
        QCOMPARE(m_Frame->lblStatus()->text(), QStringLiteral("Finish."));
        m_Frame->picStatus()->parentWidget()->hide();
        m_Frame->Docs().ShowStatus(QStringLiteral("Again."));
        QCOMPARE(m_Frame->StatusPanel(1)->text(), QStringLiteral("Again."));
    }

    void tabStripIsAsWideAsTheStatusStrip()
    {
        for (const int width : {500, 900}) {
            m_Frame->resize(width, 500);
            QTRY_COMPARE(m_Frame->tb()->width(), m_Frame->picStatus()->width());
            QCOMPARE(m_Frame->tb()->x(), 0);
        }
    }

    void menusInOrder()
    {
        QStringList menus;
        for (QAction* action : m_Frame->menuBar()->actions())
            menus.append(action->text());
        QCOMPARE(menus, (QStringList{"&File", "&Edit", "&View", "F&ormat", "&Debug", "&Run",
                                     "&Tools", "&Add-Ins", "&Window", "&Help"}));
        auto menu = [this](const char* name) {
            return m_Frame->findChild<QMenu*>(QString::fromLatin1(name));
        };
        QCOMPARE(
            ItemTexts(menu("mnFile")),
            (QStringList{"&New Document", "&Open Document", "Sa&ve Document", "&Save As Document",
                         "&Print Document", "-", "&Recent Files", "E&xit"}));
        QCOMPARE(ItemTexts(menu("mnWindow")),
                 (QStringList{"&Tile Horizontal", "Tile &Vertical", "Arrange Icons", "&Casade", "-",
                              "Close All Windows", "-", "&Show File in Browser", "Window List"}));
        QCOMPARE(ItemTexts(menu("mnHelp")),
                 (QStringList{"&General Help", "Help Online", "-", "&Readme", "Rumbela Website",
                              "-", "&Check Update Application", "&About"}));
        QCOMPARE(ItemTexts(menu("mnDebug")),
                 (QStringList{"Display &Log window", "Display &Parser", "Use &Statistic"}));
        QCOMPARE(ItemTexts(menu("mnEdit")),
                 (QStringList{"&Copy", "&Paste", "&Find", "&Replace", "-", "&Undo", "R&edo", "Cu&t",
                              "&Delete", "-", "Find &Next", "Find Pre&vious"}));
        QCOMPARE(ItemTexts(menu("mnView")), (QStringList{"&Quick Nav", "Display &Log window", "-",
                                                         "&Toolbar", "&Macro Toolbar"}));
        QCOMPARE(ItemTexts(menu("mnRun")),
                 (QStringList{"&Start Translation", "S&top Translation"}));
        QCOMPARE(ItemTexts(menu("mnTools")),
                 (QStringList{"&Dictionary Editor", "Display &Parser"}));
        QCOMPARE(ItemTexts(menu("mnFormat")), QStringList{"&Font..."});
        QCOMPARE(menu("mnRecent")->actions().size(), 6);
        auto shortcut = [this](const char* name) {
            return m_Frame->findChild<QAction*>(QString::fromLatin1(name))->shortcut();
        };
        QCOMPARE(shortcut("mnNew"), QKeySequence(QStringLiteral("Ctrl+N")));
        QCOMPARE(shortcut("mnOpen"), QKeySequence(QStringLiteral("Ctrl+O")));
        QCOMPARE(shortcut("mnSaveAs"), QKeySequence(QStringLiteral("F12")));
        QCOMPARE(shortcut("print"), QKeySequence(QStringLiteral("Ctrl+P")));
        QCOMPARE(shortcut("save"), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(shortcut("start"), QKeySequence(QStringLiteral("F5")));
        QCOMPARE(m_Frame->Button(QStringLiteral("stop"))->shortcuts(),
                 (QList<QKeySequence>{QKeySequence(QStringLiteral("Shift+F5")),
                                      QKeySequence(QStringLiteral("Esc"))}));
        QCOMPARE(shortcut("help"), QKeySequence(QStringLiteral("F1")));
        QCOMPARE(shortcut("find"), QKeySequence(QStringLiteral("Ctrl+F")));
        QCOMPARE(shortcut("findnext"), QKeySequence(QStringLiteral("F3")));
        QCOMPARE(shortcut("mnReplace"), QKeySequence(QStringLiteral("Ctrl+H")));
        QVERIFY(!m_Frame->mnStat()->isChecked());
    }

    void noMenuUsesAnAccessKeyTwice()
    {
        for (QMenu* menu : m_Frame->findChildren<QMenu*>()) {
            QSet<QChar> keys;
            for (const QAction* action : menu->actions()) {
                const QString text = action->text();
                const qsizetype at = text.indexOf(QRegularExpression(QStringLiteral("&[^&]")));
                if (at < 0)
                    continue;
                const QChar key = text.at(at + 1).toLower();
                QVERIFY2(!keys.contains(key),
                         qPrintable(menu->objectName() + QLatin1Char(' ') + text));
                keys.insert(key);
            }
        }
    }

    void macroButtonsAreDisabledAndOutOfTheTabOrder()
    {
        auto* tbMacro = m_Frame->findChild<QToolBar*>(QStringLiteral("tbMacro"));
        for (QAction* action : tbMacro->actions()) {
            if (action->isSeparator())
                continue;
            QVERIFY2(!action->isEnabled(), qPrintable(action->text()));
            QWidget* button = tbMacro->widgetForAction(action);
            QVERIFY(button);
            QCOMPARE(button->focusPolicy(), Qt::NoFocus);
        }
    }

    void navigatorLeftAndOutputHiddenAtTheBottom()
    {
        QWidget* nav = m_Frame->findChild<QWidget*>(QStringLiteral("frmNav"));
        QWidget* output = m_Frame->findChild<QWidget*>(QStringLiteral("frmOutput"));
        QVERIFY(nav && output);
        QDockWidget* navDock = m_Frame->fDock().DockOf(nav);
        QDockWidget* outputDock = m_Frame->fDock().DockOf(output);
        QCOMPARE(m_Frame->dockWidgetArea(navDock), Qt::LeftDockWidgetArea);
        QCOMPARE(m_Frame->dockWidgetArea(outputDock), Qt::BottomDockWidgetArea);
        QCOMPARE(navDock->windowTitle(), QStringLiteral("Quick Nav"));
        QCOMPARE(m_Frame->fDock().StateOf(output), 1);
        QVERIFY(navDock->isVisible());
        QVERIFY(!outputDock->isVisible());

        QAction* log = m_Frame->findChild<QAction*>(QStringLiteral("DisplayLogWindow"));
        QVERIFY(!log->isChecked());
        log->trigger();
        QVERIFY(log->isChecked());
        QTRY_VERIFY(outputDock->isVisible());
        log->trigger();
        QVERIFY(!log->isChecked());
        QTRY_VERIFY(!outputDock->isVisible());
        // Closing the window itself clears the check mark.
        log->trigger();
        QTRY_VERIFY(outputDock->isVisible());
        outputDock->close();
        QVERIFY(!log->isChecked());
    }

    void dockOperationsIgnoreWindowsTheyDoNotHold()
    {
        TabDock dock;
        QWidget stray;
        QVERIFY(!dock.AddDockWindow(&stray, 1, TabDock::kLeft, QStringLiteral("x"))); // no frame
        QMainWindow owner;
        dock.Attach(&owner);
        QVERIFY(!dock.AddDockWindow(&stray, 1, 9, QStringLiteral("x"))); // no such side
        dock.ShowDockWindow(&stray);
        dock.HideDockWindow(&stray);
        QVERIFY(!dock.DockOf(&stray));
    }

    void exitEndsTheProgramAtOnce()
    {
        m_Frame->Docs().FileNew();
        m_Frame->findChild<QAction*>(QStringLiteral("mnExit"))->trigger();
        QCOMPARE(m_Desktop->endProgramCalls, 1);
    }

    void closingTheFrameClosesEveryDocument()
    {
        m_Frame->Docs().FileNew();
        m_Frame->Docs().FileNew();
        QVERIFY(m_Frame->close());
        QCOMPARE(m_Frame->tb()->count(), 0);
        QVERIFY(m_Frame->Docs().Slots().Free(1));
        QVERIFY(m_Frame->Docs().Slots().Free(2));
        QCOMPARE(m_Desktop->Asked(), 0);
    }

    void windowsTile()
    {
        m_Frame->resize(800, 600);
        m_Frame->Docs().FileNew();
        m_Frame->Docs().FileNew();
        const QRect area = m_Frame->mdiArea()->viewport()->rect();
        m_Frame->ButtonClick(QStringLiteral("tilehor"));
        const QList<QMdiSubWindow*> windows =
            m_Frame->mdiArea()->subWindowList(QMdiArea::CreationOrder);
        QCOMPARE(windows[0]->geometry().width(), area.width());
        QCOMPARE(windows[1]->geometry().top(), windows[0]->geometry().bottom() + 1);
        m_Frame->findChild<QAction*>(QStringLiteral("mnTileVer"))->trigger();
        QCOMPARE(windows[0]->geometry().height(), area.height());
        QCOMPARE(windows[1]->geometry().left(), windows[0]->geometry().right() + 1);

        // Cascaded windows keep a usable size, each a title bar further on.
        m_Frame->Docs().FileNew();
        for (const char* how : {"button", "menu"}) {
            if (QByteArray(how) == "button")
                m_Frame->ButtonClick(QStringLiteral("cascade"));
            else
                m_Frame->findChild<QAction*>(QStringLiteral("mnCascade"))->trigger();
            const QList<QMdiSubWindow*> all =
                m_Frame->mdiArea()->subWindowList(QMdiArea::CreationOrder);
            for (qsizetype i = 0; i < all.size(); ++i) {
                const QRect geometry = all[i]->geometry();
                QVERIFY2(geometry.height() >= area.height() * 2 / 3, how);
                QVERIFY2(geometry.width() >= area.width() * 2 / 3, how);
                QVERIFY(area.contains(geometry));
                if (i > 0)
                    QVERIFY(geometry.topLeft().y() > all[i - 1]->geometry().topLeft().y());
            }
        }
    }
};

QTEST_MAIN(WorkbenchSmokeTest)
#include "SmokeTest.moc"
