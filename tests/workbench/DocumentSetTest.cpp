// SPDX-License-Identifier: GPL-3.0-or-later
// The document set through the frame: slots, tabs, opening, saving, closing
// and the recent-file list.
#include "FakeDesktop.h"
#include "RecordingUi.h"

#include "workbench/DocSlots.h"
#include "workbench/Engine.h"
#include "workbench/FilePaths.h"
#include "workbench/ui/MDIForm1.h"
#include "workbench/ui/ModMDI.h"
#include "workbench/ui/TextPane.h"
#include "workbench/ui/frmDoc.h"

#include <QAction>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <utility>

using namespace rumbela;
using rumbela::test::FakeDesktop;

namespace {

QByteArray Entry(const QString& path)
{
    const QByteArray utf8 = path.toUtf8();
    return QByteArray(1, char(utf8.size() & 0xFF)) + QByteArray(1, char(utf8.size() >> 8)) + utf8;
}

} // namespace

class DocumentSetTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_Dir;
    std::unique_ptr<FakeDesktop> m_Desktop;
    std::unique_ptr<MDIForm1> m_Frame;

    ModMDI& Docs() { return m_Frame->Docs(); }
    DocSlots& Slots() { return m_Frame->Docs().Slots(); }

    QString Path(const QString& name) const { return m_Dir->filePath(name); }

    QString WriteFile(const QString& name, const QByteArray& bytes) const
    {
        QFile file(Path(name));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write a fixture file");
        file.write(bytes);
        return file.fileName();
    }

    QByteArray ReadFile(const QString& path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void MakeFrame()
    {
        m_Frame = std::make_unique<MDIForm1>(*m_Desktop);
        m_Frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_Frame.get()));
    }

    QStringList TabKeys() const
    {
        QStringList keys;
        for (int i = 0; i < m_Frame->tb()->count(); ++i)
            keys.append(m_Frame->tb()->tabData(i).toString());
        return keys;
    }

    QStringList TabTexts() const
    {
        QStringList texts;
        for (int i = 0; i < m_Frame->tb()->count(); ++i)
            texts.append(m_Frame->tb()->tabText(i));
        return texts;
    }

    frmDoc* ActiveDoc() const
    {
        QMdiSubWindow* window = m_Frame->mdiArea()->activeSubWindow();
        return window ? qobject_cast<frmDoc*>(window->widget()) : nullptr;
    }

private Q_SLOTS:
    void init()
    {
        m_Dir = std::make_unique<QTemporaryDir>();
        OverrideWorkbenchFolder(m_Dir->path());
        ReleaseEngine();
        m_Desktop = std::make_unique<FakeDesktop>();
        MakeFrame();
    }

    void cleanup()
    {
        m_Frame.reset();
        m_Desktop.reset();
        ReleaseEngine();
        OverrideWorkbenchFolder(QString());
        m_Dir.reset();
    }

    void firstNewDocumentTakesSlotOne()
    {
        Docs().FileNew();
        frmDoc* doc = Docs().Current();
        QVERIFY(doc);
        QCOMPARE(Slots().CurrentDoc(), qint16(1));
        QCOMPARE(doc->Tag(), QStringLiteral("1"));
        QCOMPARE(doc->Caption(), QStringLiteral("Untitled 1"));
        QCOMPARE(TabKeys(), QStringList{"key1"});
        QCOMPARE(TabTexts(), QStringList{"Untitled 1"});
        QVERIFY(m_Frame->Button(QStringLiteral("start"))->isEnabled());
        QVERIFY(m_Frame->Button(QStringLiteral("close"))->isEnabled());
        QVERIFY(!m_Frame->Button(QStringLiteral("stop"))->isEnabled());
    }

    void newDocumentReusesTheClosedSlot()
    {
        const QString a = WriteFile(QStringLiteral("a.txt"), "alpha");
        const QString b = WriteFile(QStringLiteral("b.txt"), "beta");
        Docs().OpenFile(a);
        Docs().OpenFile(b);
        Docs().ActivateDoc(1);
        Docs().CloseDoc();
        QCOMPARE(Slots().CurrentDoc(), qint16(2)); // the frame activated b
        Docs().FileNew();
        frmDoc* doc = Docs().Current();
        QCOMPARE(Slots().CurrentDoc(), qint16(1));
        QCOMPARE(doc->Caption(), QStringLiteral("Untitled 1"));
        QVERIFY(!doc->IsFile());
        QVERIFY(doc->filename().isEmpty());
        QVERIFY(doc->Src()->Text().isEmpty());
        QCOMPARE(TabKeys(), (QStringList{"key1", "key2"}));
        QCOMPARE(TabTexts(), (QStringList{"Untitled 1", "b.txt"}));
    }

    void tabsStayInSlotOrder()
    {
        for (int i = 0; i < 4; ++i)
            Docs().FileNew();
        Docs().Document(2)->Window()->close();
        Docs().Document(3)->Window()->close();
        QCOMPARE(TabKeys(), (QStringList{"key1", "key4"}));
        Docs().FileNew();
        QCOMPARE(TabKeys(), (QStringList{"key1", "key2", "key4"}));
        Docs().FileNew();
        QCOMPARE(TabKeys(), (QStringList{"key1", "key2", "key3", "key4"}));
        QCOMPARE(m_Frame->tb()->currentIndex(), 2);
        QCOMPARE(m_Frame->tb()->tabToolTip(2), QStringLiteral("Untitled 3"));
    }

    void openingAnOpenPathActivatesIt()
    {
        const QString a = WriteFile(QStringLiteral("story.txt"), "The old man.\r\nA river.");
        Docs().OpenFile(a);
        frmDoc* first = Docs().Current();
        QCOMPARE(first->Src()->Text(), QStringLiteral("The old man.\nA river."));
        QCOMPARE(m_Frame->tb()->tabText(0), QStringLiteral("story.txt"));
        QCOMPARE(m_Frame->tb()->tabToolTip(0), a);
        Docs().FileNew();
        QCOMPARE(Slots().CurrentDoc(), qint16(2));

        Docs().OpenFile(a);
        QCOMPARE(Slots().CurrentDoc(), qint16(1));
        QCOMPARE(ActiveDoc(), first);
        QCOMPARE(Slots().Count(), qint16(2));
        QCOMPARE(m_Frame->mdiArea()->subWindowList().size(), 2);

        // Another letter case is another file to the system.
        const QString upper = Path(QStringLiteral("STORY.txt"));
        m_Desktop->yesNoAnswers = {true};
        Docs().OpenFile(upper);
        QCOMPARE(Slots().CurrentDoc(), qint16(3));
        QCOMPARE(m_Frame->mdiArea()->subWindowList().size(), 3);
    }

    void missingFileAsksToCreateIt_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("No opens nothing") << false;
        QTest::newRow("Yes opens an empty document bound to the path") << true;
    }
    void missingFileAsksToCreateIt()
    {
        QFETCH(bool, yes);
        const QString path = Path(QStringLiteral("new.txt"));
        m_Desktop->yesNoAnswers = {yes};
        Docs().OpenFile(path);
        QCOMPARE(m_Desktop->questions,
                 QStringList{QStringLiteral("Create File|The file: ") + path +
                             QStringLiteral("\ndoes not exist. Do you wish to create it?")});
        QCOMPARE(m_Desktop->criticals, QStringList());
        QVERIFY(!QFile::exists(path));
        if (!yes) {
            QVERIFY(m_Frame->mdiArea()->subWindowList().isEmpty());
            QCOMPARE(Slots().Count(), qint16(0));
            return;
        }
        frmDoc* doc = Docs().Current();
        QVERIFY(doc);
        QCOMPARE(doc->Caption(), path);
        QVERIFY(doc->IsFile());
        QVERIFY(doc->Src()->Text().isEmpty());
    }

    void unreadableFileIsReportedAndOpensEmpty()
    {
        const QString folder = Path(QStringLiteral("sub"));
        QVERIFY(QDir().mkdir(folder));
        m_Desktop->yesNoAnswers = {true};
        Docs().OpenFile(folder);
        QVERIFY(Docs().Current());
        QCOMPARE(m_Desktop->criticals.size(), 1);
        QVERIFY(m_Desktop->criticals[0].startsWith(QStringLiteral("Error: 75|Error: 75\n")));
        QVERIFY(m_Desktop->criticals[0].contains(folder));
    }

    void openCommandFillsTheRecentList()
    {
        QCOMPARE(m_Desktop->openDialogs.size(), 0);
        // An empty list shows no item.
        for (int k = 0; k < 6; ++k)
            QVERIFY(!m_Frame->mnuRec(k)->isVisible());

        QStringList paths;
        for (int i = 1; i <= 7; ++i) {
            paths.append(WriteFile(QStringLiteral("%1&.txt").arg(i), "x"));
            m_Desktop->openAnswers.append(paths.last());
            m_Frame->ButtonClick(QStringLiteral("open"));
        }
        QCOMPARE(m_Desktop->openDialogs[0],
                 QStringLiteral("Open a document...|All Files (*);;All Supported Files (*.txt "
                                "*.htm *.html);;Text Files (*.txt);;Html Files (*.html *.htm)"));
        QByteArray expected;
        for (int i = 6; i >= 1; --i)
            expected += Entry(paths[i]);
        QCOMPARE(ReadFile(Path(QStringLiteral("recent.rct"))), expected);
        for (int k = 0; k < 6; ++k) {
            QVERIFY(m_Frame->mnuRec(k)->isVisible());
            QCOMPARE(m_Frame->mnuRec(k)->data().toString(), paths[6 - k]);
        }
        QCOMPARE(m_Frame->mnuRec(0)->text(), PathCaption(paths[6]));

        // A cancelled dialog leaves the list; a recent item opens its path.
        m_Frame->ButtonClick(QStringLiteral("open"));
        QCOMPARE(ReadFile(Path(QStringLiteral("recent.rct"))), expected);
        Docs().CloseAllDocs();
        m_Frame->mnuRec(2)->trigger();
        QCOMPARE(Docs().Current()->Caption(), paths[4]);
        QCOMPARE(ReadFile(Path(QStringLiteral("recent.rct"))), expected);

        // Opening a listed file again moves it to the top instead of listing it twice.
        m_Desktop->openAnswers.append(paths[3]);
        m_Frame->ButtonClick(QStringLiteral("open"));
        const int order[] = {3, 6, 5, 4, 2, 1};
        for (int k = 0; k < 6; ++k)
            QCOMPARE(m_Frame->mnuRec(k)->data().toString(), paths[order[k]]);
        QByteArray reordered;
        for (int i : order)
            reordered += Entry(paths[i]);
        QCOMPARE(ReadFile(Path(QStringLiteral("recent.rct"))), reordered);
    }

    void recentListIsReadAtStart_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("0 bytes") << QByteArray() << QStringList{};
        QTest::newRow("two entries")
            << Entry("/x/a.txt") + Entry("/x/b.txt") << QStringList{"/x/a.txt", "/x/b.txt"};
        QTest::newRow("damaged length")
            << Entry("/x/a.txt") + QByteArray("\xf0\xff/x", 4) << QStringList{"/x/a.txt"};
    }
    void recentListIsReadAtStart()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, captions);
        WriteFile(QStringLiteral("recent.rct"), bytes);
        MakeFrame();
        QStringList shown;
        for (int k = 0; k < 6; ++k) {
            if (m_Frame->mnuRec(k)->isVisible())
                shown.append(m_Frame->mnuRec(k)->text());
        }
        QCOMPARE(shown, captions);
        // An empty list disables the menu; its hidden first item opens nothing.
        const auto* recentMenu = m_Frame->findChild<QMenu*>(QStringLiteral("mnRecent"));
        QCOMPARE(recentMenu->menuAction()->isEnabled(), !captions.isEmpty());
        m_Frame->mnuRec(0)->trigger();
        if (captions.isEmpty()) {
            QCOMPARE(m_Desktop->Asked(), 0);
            QVERIFY(m_Frame->mdiArea()->subWindowList().isEmpty());
        }
    }

    void saveAllSavesOpenSlotsAndReactivates()
    {
        const QString paths[] = {WriteFile(QStringLiteral("1.txt"), "one"),
                                 WriteFile(QStringLiteral("2.txt"), "two"),
                                 WriteFile(QStringLiteral("3.txt"), "three")};
        for (const QString& path : paths)
            Docs().OpenFile(path);
        Docs().Document(1)->tgt()->Text(QStringLiteral("satu"));
        Docs().Document(3)->tgt()->Text(QStringLiteral("tiga\nempat"));
        Docs().Document(2)->Window()->close();
        Docs().ActivateDoc(1);

        m_Frame->ButtonClick(QStringLiteral("saveall"));
        QCOMPARE(ReadFile(paths[0]), QByteArray("satu"));
        QCOMPARE(ReadFile(paths[1]), QByteArray("two"));
        QCOMPARE(ReadFile(paths[2]), QByteArray("tiga\nempat"));
        QCOMPARE(Slots().CurrentDoc(), qint16(1));
        QCOMPARE(ActiveDoc(), Docs().Document(1));
        QCOMPARE(m_Desktop->Asked(), 0);
    }

    void savingNeverReplacesABackup()
    {
        const QString path = WriteFile(QStringLiteral("story.txt"), "The English source.");
        const QString bak = path + QStringLiteral(".bak");
        Docs().OpenFile(path);
        Docs().Current()->tgt()->Text(QStringLiteral("Sumber bahasa Inggris."));
        Docs().SaveAllDocs();
        QCOMPARE(ReadFile(path), QByteArray("Sumber bahasa Inggris."));
        QCOMPARE(ReadFile(bak), QByteArray("The English source."));
        QCOMPARE(m_Frame->statusBar()->currentMessage(),
                 QStringLiteral("Saved the translation to %1; the earlier file is kept as "
                                "story.txt.bak.")
                     .arg(path));

        // Closed and opened again, the document shows the translation as its
        // source and has no translation: Save All asks, and No keeps all.
        Docs().CloseDoc();
        Docs().OpenFile(path);
        Docs().SaveAllDocs();
        QCOMPARE(m_Desktop->questions,
                 QStringList{QStringLiteral("(No) Save Document|The translation is empty, and ") +
                             path +
                             QStringLiteral(" is not.\nDo you want to replace the file with an "
                                            "empty one?")});
        QCOMPARE(ReadFile(path), QByteArray("Sumber bahasa Inggris."));
        QVERIFY(!QFile::exists(bak + QStringLiteral(".1")));

        // A save of this window keeps the file's content under the next name;
        // its later saves add no more backups.
        Docs().Current()->tgt()->Text(QStringLiteral("Lagi."));
        Docs().SaveFile();
        Docs().Current()->tgt()->Text(QStringLiteral("Lagi dan lagi."));
        Docs().SaveFile();
        QCOMPARE(ReadFile(path), QByteArray("Lagi dan lagi."));
        QCOMPARE(ReadFile(bak), QByteArray("The English source."));
        QCOMPARE(ReadFile(bak + QStringLiteral(".1")), QByteArray("Sumber bahasa Inggris."));
        QVERIFY(!QFile::exists(bak + QStringLiteral(".2")));
        QCOMPARE(m_Desktop->criticals, QStringList());
    }

    void emptyTranslationReplacesAFileOnlyWhenTheUserAgrees_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("non-empty file, No")
            << QByteArray("text") << false << true << QByteArray("text");
        QTest::newRow("non-empty file, Yes") << QByteArray("text") << true << true << QByteArray();
        QTest::newRow("empty file: nothing to lose")
            << QByteArray() << false << false << QByteArray();
    }
    void emptyTranslationReplacesAFileOnlyWhenTheUserAgrees()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, answer);
        QFETCH(bool, asked);
        QFETCH(QByteArray, saved);
        const QString path = WriteFile(QStringLiteral("e.txt"), content);
        Docs().OpenFile(path);
        Docs().Current()->Src()->insertPlainText(QStringLiteral(" edited"));
        m_Desktop->yesNoAnswers = {answer};
        Docs().SaveFile();
        QCOMPARE(m_Desktop->questions.size(), asked ? 1 : 0);
        QCOMPARE(ReadFile(path), saved);
        // Only a save that happened unmarks the document and keeps a backup.
        const bool written = !asked || answer;
        QCOMPARE(Docs().Current()->Changed(), !written);
        QCOMPARE(QFile::exists(path + QStringLiteral(".bak")), written);
    }

    void editsAndTranslationsMarkTheDocumentUntilSaved()
    {
        const QString path = WriteFile(QStringLiteral("m.txt"), "Source.");
        Docs().OpenFile(path);
        frmDoc* doc = Docs().Current();
        const auto image = [this] {
            return m_Frame->tb()->tabIcon(0).pixmap(16, 16).toImage();
        };
        const QImage unchanged = image();
        QVERIFY(!doc->Changed());
        QVERIFY(!doc->Window()->isWindowModified());

        QTest::keyClicks(doc->tgt(), QStringLiteral("Sumber."));
        QVERIFY(doc->Changed());
        QVERIFY(doc->Window()->isWindowModified());
        QVERIFY(doc->windowTitle().endsWith(QStringLiteral("[*]")));
        QVERIFY(image() != unchanged);

        Docs().SaveFile();
        QVERIFY(!doc->Changed());
        QVERIFY(!doc->Window()->isWindowModified());
        QCOMPARE(image(), unchanged);

        // Undo back to the saved text still leaves a change since the save.
        QTest::keyClicks(doc->Src(), QStringLiteral("x"));
        QVERIFY(doc->Changed());
        doc->Src()->undo();
        QVERIFY(doc->Changed());
        // A reload of an edited source asks first; No keeps the edit.
        m_Frame->ButtonClick(QStringLiteral("reload"));
        QCOMPARE(m_Desktop->questions.size(), 1);
        QVERIFY(m_Desktop->questions[0].startsWith(QStringLiteral("(No) Reload|")));
    }

    void closingAChangedDocumentAsks_data()
    {
        using Choice = Desktop::SaveChoice;
        QTest::addColumn<QString>("how");
        QTest::addColumn<Choice>("choice");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QByteArray>("saved");
        QTest::addColumn<int>("tabsLeft");
        // How, and the tabs left when it closes what it closes.
        const std::pair<const char*, int> ways[] = {{"close button", 1}, {"window close", 1},
                                                    {"Ctrl+W", 1},       {"Close All", 0},
                                                    {"frame close", 0},  {"Exit", 2}};
        for (const auto& [how, left] : ways) {
            const QString name = QString::fromLatin1(how);
            QTest::newRow(qPrintable(name + QStringLiteral(", Save")))
                << name << Choice::Save << true << QByteArray("terjemahan") << left;
            QTest::newRow(qPrintable(name + QStringLiteral(", Discard")))
                << name << Choice::Discard << true << QByteArray("text") << left;
            QTest::newRow(qPrintable(name + QStringLiteral(", Cancel")))
                << name << Choice::Cancel << false << QByteArray("text") << 2;
        }
    }
    void closingAChangedDocumentAsks()
    {
        QFETCH(QString, how);
        QFETCH(Desktop::SaveChoice, choice);
        QFETCH(bool, closed);
        QFETCH(QByteArray, saved);
        QFETCH(int, tabsLeft);
        const QString path = WriteFile(QStringLiteral("c.txt"), "text");
        Docs().FileNew(); // unchanged: never asked about
        Docs().OpenFile(path);
        frmDoc* doc = Docs().Current();
        QTest::keyClicks(doc->tgt(), QStringLiteral("terjemahan"));
        m_Desktop->saveChoices = {choice};

        if (how == QStringLiteral("close button"))
            m_Frame->Button(QStringLiteral("close"))->trigger();
        else if (how == QStringLiteral("window close"))
            doc->Window()->close();
        else if (how == QStringLiteral("Ctrl+W"))
            QTest::keyClick(doc->tgt(), Qt::Key_W, Qt::ControlModifier);
        else if (how == QStringLiteral("Close All"))
            m_Frame->findChild<QAction*>(QStringLiteral("mnCloseAll"))->trigger();
        else if (how == QStringLiteral("frame close"))
            m_Frame->close();
        else
            m_Frame->findChild<QAction*>(QStringLiteral("mnExit"))->trigger();

        QCOMPARE(m_Desktop->saveQuestions,
                 QStringList{QStringLiteral("Rumbela|Save changes to c.txt?")});
        QCOMPARE(ReadFile(path), saved);
        // Exit ends the program without closing the windows first.
        if (how == QStringLiteral("Exit"))
            QCOMPARE(m_Desktop->endProgramCalls, closed ? 1 : 0);
        QTRY_COMPARE(m_Frame->tb()->count(), tabsLeft);
    }

    void saveCancelledInTheQuestionKeepsTheDocumentOpen()
    {
        Docs().FileNew();
        QTest::keyClicks(Docs().Current()->Src(), QStringLiteral("typed"));
        m_Desktop->saveChoices = {Desktop::SaveChoice::Save};
        // The save dialog is cancelled: nothing was saved, so nothing closes.
        QVERIFY(!Docs().CloseAllDocs());
        QCOMPARE(m_Desktop->saveDialogs.size(), 1);
        QCOMPARE(m_Frame->tb()->count(), 1);
        QVERIFY(Docs().Current()->Changed());
    }

    void saveAllAsksForUntitledDocuments()
    {
        Docs().FileNew();
        Docs().Current()->tgt()->Text(QStringLiteral("baru"));
        const QString target = Path(QStringLiteral("baru.txt"));
        m_Desktop->saveAnswers = {target};
        Docs().SaveAllDocs();
        QCOMPARE(m_Desktop->saveDialogs.size(), 1);
        QVERIFY(m_Desktop->saveDialogs[0].startsWith(
            QStringLiteral("Save document... Untitled 1|All Files (*);;")));
        QCOMPARE(ReadFile(target), QByteArray("baru"));
        QCOMPARE(Docs().Current()->Caption(), target);
        QCOMPARE(m_Frame->tb()->tabText(0), QStringLiteral("baru.txt"));
        QCOMPARE(ReadFile(Path(QStringLiteral("recent.rct"))).left(2 + target.toUtf8().size()),
                 Entry(target));
        // Bound to the file now: the next save writes there without asking.
        QVERIFY(Docs().Current()->IsFile());
        QCOMPARE(Docs().Current()->filename(), target);
        Docs().Current()->tgt()->Text(QStringLiteral("baru lagi"));
        Docs().SaveAllDocs();
        QCOMPARE(m_Desktop->saveDialogs.size(), 1);
        QCOMPARE(ReadFile(target), QByteArray("baru lagi"));
    }

    void saveAsBindsTheDocumentToTheChosenFile()
    {
        const QString old = WriteFile(QStringLiteral("old.txt"), "old");
        Docs().OpenFile(old);
        frmDoc* doc = Docs().Current();
        doc->tgt()->Text(QStringLiteral("lama"));
        const QString chosen = Path(QStringLiteral("chosen.txt"));
        m_Desktop->saveAnswers = {chosen};
        Docs().SaveFileAs();
        QCOMPARE(ReadFile(chosen), QByteArray("lama"));
        QCOMPARE(doc->Caption(), chosen);
        QCOMPARE(doc->filename(), chosen);
        QVERIFY(doc->IsFile());
        QCOMPARE(m_Frame->tb()->tabText(0), QStringLiteral("chosen.txt"));

        // Opening the chosen path finds this window; the old path is a new document.
        Docs().OpenFile(chosen);
        QCOMPARE(Docs().Current(), doc);
        QCOMPARE(m_Frame->tb()->count(), 1);
        Docs().OpenFile(old);
        QVERIFY(Docs().Current() != doc);
        QCOMPARE(m_Frame->tb()->count(), 2);
    }

    void saveAsOntoAnExistingFile()
    {
        const QString existing = WriteFile(QStringLiteral("old.txt"), "old");
        Docs().FileNew();
        Docs().Current()->tgt()->Text(QStringLiteral("new"));

        // No brings the dialog back; cancelling it ends quietly.
        m_Desktop->saveAnswers = {existing};
        m_Desktop->yesNoAnswers = {false};
        m_Frame->ButtonClick(QStringLiteral("saveas"));
        QCOMPARE(m_Desktop->saveDialogs.size(), 2);
        QCOMPARE(m_Desktop->questions,
                 QStringList{QStringLiteral("Overwrite|") + existing +
                             QStringLiteral(" Already exists.\nDo you want to replace it?")});
        QCOMPARE(ReadFile(existing), QByteArray("old"));
        QCOMPARE(Docs().Current()->Caption(), QStringLiteral("Untitled 1"));

        m_Desktop->saveAnswers = {existing};
        m_Desktop->yesNoAnswers = {true};
        m_Frame->ButtonClick(QStringLiteral("saveas"));
        QCOMPARE(ReadFile(existing), QByteArray("new"));
        QCOMPARE(Docs().Current()->Caption(), existing);
        QCOMPARE(m_Desktop->criticals, QStringList());
    }

    void failedSaveIsReportedAndLeavesTheFile()
    {
        const QString path = WriteFile(QStringLiteral("keep.txt"), "keep");
        Docs().OpenFile(path);
        frmDoc* doc = Docs().Current();
        doc->Changed(true);
        doc->tgt()->Text(QStringLiteral("lost?"));
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path)); // the path is now a folder: no file can go there
        Docs().SaveFile();
        QCOMPARE(m_Desktop->criticals.size(), 1);
        QVERIFY(m_Desktop->criticals[0].startsWith(QStringLiteral("Error: 75|Error: 75\n")));
        QVERIFY(doc->Changed());

        m_Desktop->saveAnswers = {Path(QStringLiteral("no/such/folder.txt"))};
        Docs().SaveFileAs();
        QCOMPARE(m_Desktop->criticals.size(), 2);
        QCOMPARE(doc->Caption(), path);
    }

    void reloadReplacesTheSourceOnly()
    {
        const QString path = WriteFile(QStringLiteral("r.txt"), "first");
        Docs().OpenFile(path);
        frmDoc* doc = Docs().Current();
        doc->tgt()->Text(QStringLiteral("terjemahan"));
        WriteFile(QStringLiteral("r.txt"), "second");
        m_Frame->ButtonClick(QStringLiteral("reload"));
        QCOMPARE(doc->Src()->Text(), QStringLiteral("second"));
        QCOMPARE(doc->tgt()->Text(), QStringLiteral("terjemahan"));

        Docs().FileNew();
        Docs().Current()->Src()->Text(QStringLiteral("typed"));
        m_Frame->ButtonClick(QStringLiteral("reload"));
        QCOMPARE(Docs().Current()->Src()->Text(), QStringLiteral("typed"));
    }

    void closeAndReloadWithoutDocumentDoNothing()
    {
        Docs().FileNew();
        Docs().CloseDoc();
        QCOMPARE(Slots().CurrentDoc(), qint16(0));
        m_Frame->ButtonClick(QStringLiteral("close"));
        m_Frame->ButtonClick(QStringLiteral("reload"));
        m_Frame->ButtonClick(QStringLiteral("saveas"));
        m_Frame->ButtonClick(QStringLiteral("saveall"));
        QCOMPARE(m_Desktop->Asked(), 0);
        QVERIFY(Slots().Free(1));
    }

    void closeAllWindowsLeavesNoDocument()
    {
        for (int i = 0; i < 3; ++i)
            Docs().FileNew();
        m_Frame->findChild<QAction*>(QStringLiteral("mnCloseAll"))->trigger();
        QTRY_VERIFY(m_Frame->mdiArea()->subWindowList().isEmpty());
        QCOMPARE(m_Frame->tb()->count(), 0);
        QCOMPARE(Slots().CurrentDoc(), qint16(0));
        QVERIFY(Slots().Free(1) && Slots().Free(2) && Slots().Free(3));
        QVERIFY(m_Frame->updatesEnabled());
        QCOMPARE(m_Desktop->Asked(), 0);
        Docs().CloseAllDocs(); // nothing left to close
        QCOMPARE(m_Frame->tb()->count(), 0);
    }

    void anyMouseButtonOnATabActivatesItsDocument_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
    }
    void anyMouseButtonOnATabActivatesItsDocument()
    {
        QFETCH(Qt::MouseButton, button);
        Docs().FileNew();
        Docs().FileNew();
        QTabBar* tb = m_Frame->tb();
        QTest::mouseClick(tb, button, {}, tb->tabRect(0).center());
        QCOMPARE(Slots().CurrentDoc(), qint16(1));
        QCOMPARE(ActiveDoc(), Docs().Document(1));
        QCOMPARE(tb->currentIndex(), 0);
    }

    void toolbarKeysWithoutActionDoNothing_data()
    {
        QTest::addColumn<QString>("key");
        for (const char* key : {"prop", "tabl", "tabr", "cblock", "ublock", "tbmark", "nbmark",
                                "pbmark", "cbmark", "pline", "nline", "ctag"})
            QTest::newRow(key) << QString::fromLatin1(key);
        QTest::newRow("key in another letter case") << QStringLiteral("New");
        QTest::newRow("unknown key") << QStringLiteral("nothing");
        QTest::newRow("macro button") << QStringLiteral("mac1");
    }
    void toolbarKeysWithoutActionDoNothing()
    {
        const QString path = WriteFile(QStringLiteral("d.txt"), "text");
        Docs().OpenFile(path);
        frmDoc* doc = Docs().Current();
        doc->tgt()->Text(QStringLiteral("target"));
        const QRect geometry = doc->Window()->geometry();

        QFETCH(QString, key);
        m_Frame->ButtonClick(key);
        if (QAction* button = m_Frame->findChild<QAction*>(key))
            button->trigger();

        QCOMPARE(m_Desktop->Asked(), 0);
        QCOMPARE(m_Frame->mdiArea()->subWindowList().size(), 1);
        QCOMPARE(Slots().CurrentDoc(), qint16(1));
        QCOMPARE(doc->Window()->geometry(), geometry);
        QCOMPARE(doc->Src()->Text(), QStringLiteral("text"));
        QCOMPARE(doc->tgt()->Text(), QStringLiteral("target"));
        QCOMPARE(ReadFile(path), QByteArray("text"));
        QVERIFY(!QFile::exists(Path(QStringLiteral("recent.rct"))));
    }

    void shortcutsWorkFromThePanes()
    {
        Docs().FileNew();
        TextPane* src = Docs().Current()->Src();
        src->setFocus();
        QTest::keyClick(src, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(m_Desktop->openDialogs.size(), 1);
        QTest::keyClick(src, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(Slots().Count(), qint16(2));
        QTest::keyClick(Docs().Current()->tgt(), Qt::Key_F12);
        QCOMPARE(m_Desktop->saveDialogs.size(), 1);
    }

    void clickInTheTargetPaneCreatesTheEngineOnce()
    {
        test::RecordingUi ui;
        Docs().FileNew();
        TextPane* tgt = Docs().Current()->tgt();
        tgt->Text(QStringLiteral("Satu. Dua."));
        QVERIFY(!HasEngine());
        QTest::mouseClick(tgt->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(HasEngine());
        tembusa::TlrEngine* engine = &Engine();
        QTest::mouseClick(tgt->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(&Engine(), engine);
        QVERIFY(ui.errorBoxes.size() <= 1);
    }

    void documentPanesFollowTheWindowSize()
    {
        Docs().FileNew();
        frmDoc* doc = Docs().Current();
        QMdiSubWindow* window = doc->Window();
        window->resize(500, 400); // 7500 x 6000 twips
        QTRY_COMPARE(doc->Src()->geometry(), QRect(-2, 0, 493, 193));
        QCOMPARE(doc->tgt()->geometry(), QRect(1, 197, 493, 167));
        window->showMinimized();
        QTRY_VERIFY(window->isMinimized());
        QCOMPARE(doc->Src()->geometry(), QRect(-2, 0, 493, 193));
    }
};

QTEST_MAIN(DocumentSetTest)
#include "DocumentSetTest.moc"
