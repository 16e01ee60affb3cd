// SPDX-License-Identifier: GPL-3.0-or-later
// The navigator's Files page: the folder and file lists, opening a file,
// folders that cannot be read, and the splitter with its limits.
#include "FakeDesktop.h"

#include "workbench/FilePaths.h"
#include "workbench/NavigatorLayout.h"
#include "workbench/ui/MDIForm1.h"
#include "workbench/ui/ModMDI.h"
#include "workbench/ui/TextPane.h"
#include "workbench/ui/frmDoc.h"
#include "workbench/ui/frmNav.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

#include <sys/stat.h>

using namespace rumbela;
using rumbela::test::FakeDesktop;

namespace {

QStringList Column(const QTreeWidget* list, int column)
{
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts.append(list->topLevelItem(i)->text(column));
    return texts;
}

QTreeWidgetItem* FindFolder(const QTreeWidget* list, const QString& name)
{
    const QList<QTreeWidgetItem*> found =
        list->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

} // namespace

class NavigatorTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_Dir;
    std::unique_ptr<FakeDesktop> m_Desktop;
    std::unique_ptr<MDIForm1> m_Frame;

    frmNav* Nav() { return qobject_cast<frmNav*>(m_Frame->frmNav()); }
    QString Folder() const { return QFileInfo(m_Dir->path()).canonicalFilePath(); }

    void Write(const QString& name, const QByteArray& bytes = "text")
    {
        QFile file(QDir(Folder()).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    void DoubleClick(QTreeWidget* list, QTreeWidgetItem* item)
    {
        list->scrollToItem(item);
        const QPoint place = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place);
    }

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void init()
    {
        m_Dir = std::make_unique<QTemporaryDir>();
        OverrideWorkbenchFolder(m_Dir->path());
        m_Desktop = std::make_unique<FakeDesktop>();
        m_Frame = std::make_unique<MDIForm1>(*m_Desktop);
        m_Frame->resize(800, 600);
        m_Frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_Frame.get()));
    }

    void cleanup()
    {
        m_Frame.reset();
        OverrideWorkbenchFolder(QString());
        m_Dir.reset();
    }

    void startsOnTheFilesPageAtTheCurrentFolder()
    {
        QCOMPARE(Nav()->windowTitle(), QStringLiteral("Quick Nav"));
        QCOMPARE(Nav()->Tbs()->count(), 2);
        QCOMPARE(Nav()->Tbs()->tabText(0), QStringLiteral("Files"));
        QCOMPARE(Nav()->Tbs()->tabText(1), QStringLiteral("Unknown"));
        QCOMPARE(Nav()->Tbs()->currentIndex(), 0);
        QCOMPARE(Nav()->Path(), QFileInfo(QDir::currentPath()).canonicalFilePath());
        QVERIFY(Nav()->Drive1()->count() > 0);
        QVERIFY(Nav()->Drive1()->currentIndex() >= 0);
        QCOMPARE(Nav()->Dir1()->currentItem()->data(0, Qt::UserRole).toString(), Nav()->Path());
        QCOMPARE(m_Desktop->Asked(), 0);
    }

    void filesPageListsOrdinaryFilesWithTheirIcons()
    {
        Write(QStringLiteral("b.html"));
        Write(QStringLiteral("A.txt"));
        Write(QStringLiteral(".hidden"));
        QVERIFY(QDir(Folder()).mkdir(QStringLiteral("sub")));
        QVERIFY(QDir(Folder()).mkdir(QStringLiteral(".secret")));
        QCOMPARE(::mkfifo(QFile::encodeName(Folder() + QStringLiteral("/pipe")).constData(), 0600),
                 0);
        QVERIFY(QFile::link(Folder() + QStringLiteral("/nowhere"),
                            Folder() + QStringLiteral("/dangling")));

        QVERIFY(Nav()->ChangeFolder(Folder()));
        QTreeWidget* files = Nav()->File1();
        QCOMPARE(Column(files, 0), (QStringList{"A.txt", "b.html"}));
        QCOMPARE(Column(files, 1), QStringList(2, Folder() + QLatin1Char('/')));
        QCOMPARE(files->topLevelItem(1)->data(0, Qt::UserRole).toString(),
                 Folder() + QStringLiteral("/b.html"));
        QCOMPARE(Nav()->iml16().size(), 2);
        QCOMPARE(Nav()->iml32().size(), 2);
        for (int i = 0; i < 2; ++i) {
            QVERIFY(!Nav()->iml16()[i].isNull());
            QVERIFY(Nav()->iml16()[i].width() <= 16);
            QVERIFY(Nav()->iml32()[i].width() > 16 && Nav()->iml32()[i].width() <= 32);
            QVERIFY(!files->topLevelItem(i)->icon(0).isNull());
        }

        // The folder list: the folder, current, with its visible subfolders.
        QTreeWidgetItem* current = Nav()->Dir1()->currentItem();
        QCOMPARE(current->text(0), QFileInfo(Folder()).fileName());
        QCOMPARE(current->childCount(), 1);
        QCOMPARE(current->child(0)->text(0), QStringLiteral("sub"));

        // Into the subfolder: an empty list and no images.
        DoubleClick(Nav()->Dir1(), current->child(0));
        QCOMPARE(Nav()->Path(), Folder() + QStringLiteral("/sub"));
        QCOMPARE(files->topLevelItemCount(), 0);
        QVERIFY(Nav()->iml16().isEmpty());
        QVERIFY(Nav()->iml32().isEmpty());
    }

    void doubleClickOpensTheFileAsADocument()
    {
        Write(QStringLiteral("story.txt"), "Hello world.");
        QVERIFY(Nav()->ChangeFolder(Folder()));
        DoubleClick(Nav()->File1(), Nav()->File1()->topLevelItem(0));
        frmDoc* doc = m_Frame->Docs().Current();
        QVERIFY(doc);
        QCOMPARE(doc->Caption(), Folder() + QStringLiteral("/story.txt"));
        QCOMPARE(doc->Src()->Text(), QStringLiteral("Hello world."));
    }

    void folderThatCannotBeReadKeepsTheLists()
    {
        Write(QStringLiteral("kept.txt"));
        QVERIFY(QDir(Folder()).mkdir(QStringLiteral("gone")));
        QVERIFY(Nav()->ChangeFolder(Folder()));
        QTreeWidgetItem* gone = FindFolder(Nav()->Dir1(), QStringLiteral("gone"));
        QVERIFY(gone);
        QVERIFY(QDir(Folder()).rmdir(QStringLiteral("gone")));

        DoubleClick(Nav()->Dir1(), gone);
        QCOMPARE(m_Desktop->criticals,
                 QStringList{QStringLiteral("Rumbela|The folder %1/gone cannot be read: it "
                                            "does not exist.")
                                 .arg(Folder())});
        QCOMPARE(Nav()->Path(), Folder());
        QCOMPARE(Column(Nav()->File1(), 0), QStringList{QStringLiteral("kept.txt")});
        QCOMPARE(Nav()->iml16().size(), 1);
    }

    void filesPageLayoutKeepsItsLimits()
    {
        struct Case
        {
            const char* name;
            int height;
            int splitterTop;
            QRect dir;
            QRect splitter;
            QRect file;
        } const cases[] = {
            {"folder list down to the splitter",
             400,
             128,
             {0, 24, 200, 104},
             {0, 128, 200, 3},
             {0, 131, 200, 269}},
            {"folder list no taller than the page less 100",
             150,
             128,
             {0, 24, 200, 50},
             {0, 74, 200, 3},
             {0, 77, 200, 73}},
            {"a page too small gives empty lists",
             20,
             128,
             {0, 24, 200, 0},
             {0, 24, 200, 3},
             {0, 27, 200, 0}},
        };
        for (const Case& c : cases) {
            const FilesPageGeometry page = ArrangeFilesPage(200, c.height, c.splitterTop, 20);
            QVERIFY2(page.Drive1 == QRect(0, 2, 200, 20), c.name);
            QVERIFY2(page.Dir1 == c.dir, c.name);
            QVERIFY2(page.imgSize == c.splitter, c.name);
            QVERIFY2(page.File1 == c.file, c.name);
        }

        QCOMPARE(DragSplitterTop(128, -100, 400), 53); // not above 800 twips
        QCOMPARE(DragSplitterTop(128, 300, 400), 347); // not below the page less 800
        QCOMPARE(DragSplitterTop(128, 12, 400), 140);
        QCOMPARE(DragSplitterTop(60, 0, 90), 37); // on a small page the bottom limit wins
    }

    void draggingTheSplitterMovesBothLists()
    {
        QWidget* splitter = Nav()->imgSize();
        const int height = Nav()->Tbs()->currentWidget()->height();
        QVERIFY(height > 300);
        const int top = splitter->y();

        QTest::mousePress(splitter, Qt::LeftButton, {}, QPoint(5, 1));
        QWidget* bar = Nav()->findChild<QWidget*>(QStringLiteral("picSize"));
        QVERIFY(bar->isVisible());
        QTest::mouseMove(splitter, QPoint(5, 41));
        QTest::mouseRelease(splitter, Qt::LeftButton, {}, QPoint(5, 1));
        QVERIFY(!bar->isVisible());
        QCOMPARE(splitter->y(), top + 41);
        QCOMPARE(Nav()->Dir1()->geometry().bottom() + 1, splitter->y());
        QCOMPARE(Nav()->File1()->y(), splitter->y() + splitter->height());
        QCOMPARE(Nav()->File1()->geometry().bottom() + 1, height);

        QTest::mousePress(splitter, Qt::LeftButton, {}, QPoint(5, 1));
        QTest::mouseMove(splitter, QPoint(5, -1000));
        QTest::mouseRelease(splitter, Qt::LeftButton);
        QCOMPARE(splitter->y(), kSplitterMinTop);
    }
};

QTEST_MAIN(NavigatorTest)
#include "NavigatorTest.moc"
