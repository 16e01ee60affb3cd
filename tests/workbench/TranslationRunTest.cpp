// SPDX-License-Identifier: GPL-3.0-or-later
// The translation run through the frame, over a small fixture dictionary:
// start, stop, the statistics switch, the unknown words and their save, and
// windows closed while a run is inside the engine.
#include "FakeDesktop.h"

#include "dictionary/Connect.h"
#include "workbench/Engine.h"
#include "workbench/FilePaths.h"
#include "workbench/ui/MDIForm1.h"
#include "workbench/ui/ModMDI.h"
#include "workbench/ui/TextPane.h"
#include "workbench/ui/TranslationRun.h"
#include "workbench/ui/frmDoc.h"
#include "workbench/ui/frmNav.h"
#include "workbench/ui/frmParser.h"

#include "platform/ScriptedUi.h"
#include "support/FixtureKamus.h"
#include "support/TempFolder.h"

#include <tembusa/TlrEngine.h>

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QUrl>
#include <QtTest>

#include <functional>
#include <memory>

using namespace rumbela;
using rumbela::test::FakeDesktop;

namespace {

const QString kRows =
    QStringLiteral("INSERT INTO [indo-data](English, Indo1, Indo2) VALUES"
                   " ('hello','halo',NULL), ('world','dunia',NULL), ('book','buku',NULL),"
                   " ('good','bagus',NULL), ('read','membaca','baca');");

QStringList ListTexts(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

} // namespace

class TranslationRunTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<tembusa::test::TempFolder> m_Folder;
    QString m_Db;
    std::unique_ptr<tembusa::ScriptedUi> m_Ui;
    std::unique_ptr<tembusa::ScriptedUi::Scope> m_UiScope;
    std::unique_ptr<FakeDesktop> m_Desktop;
    std::unique_ptr<MDIForm1> m_Frame;
    // Runs at every event processing of the engine, after the events.
    std::function<void(int)> m_During;
    int m_Processed = 0;

    ModMDI& Docs() { return m_Frame->Docs(); }
    QAction* Button(const char* key) { return m_Frame->Button(QString::fromLatin1(key)); }
    frmNav* Nav() { return qobject_cast<frmNav*>(m_Frame->frmNav()); }

    void CreateKamus()
    {
        m_Db = tembusa::test::CreateKamus(m_Folder->path());
        QVERIFY(QFile::exists(m_Db));
        tembusa::test::ExecSql(m_Db, kRows);
    }

    // Opens a file with text and returns its window.
    frmDoc* OpenText(const QString& name, const QString& text)
    {
        m_Folder->Write(name, text.toUtf8());
        Docs().OpenFile(m_Folder->file(name));
        return Docs().Current();
    }

    // Presses a toolbar button as a click does: nothing when it is disabled.
    void Press(const char* key) { Button(key)->trigger(); }

    bool StartEnabled() { return Button("start")->isEnabled(); }
    bool StopEnabled() { return Button("stop")->isEnabled(); }

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void init()
    {
        m_Folder = std::make_unique<tembusa::test::TempFolder>();
        OverrideWorkbenchFolder(m_Folder->path());
        ReleaseEngine();
        m_Ui = std::make_unique<tembusa::ScriptedUi>();
        m_UiScope = std::make_unique<tembusa::ScriptedUi::Scope>(*m_Ui);
        m_Processed = 0;
        m_During = nullptr;
        m_Ui->onProcessEvents = [this] {
            QCoreApplication::processEvents();
            if (m_During)
                m_During(++m_Processed);
        };
        m_Desktop = std::make_unique<FakeDesktop>();
        m_Frame = std::make_unique<MDIForm1>(*m_Desktop);
        m_Frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_Frame.get()));
    }

    void cleanup()
    {
        m_Frame.reset();
        ReleaseEngine();
        m_UiScope.reset();
        m_Ui.reset();
        m_Desktop.reset();
        OverrideWorkbenchFolder(QString());
        m_Folder.reset();
    }

    void wholeRoadFromStartToSavedUnknownWords()
    {
        CreateKamus();
        frmDoc* doc = OpenText(QStringLiteral("story.txt"),
                               QStringLiteral("Hello world. Good xyzzy book. Plugh world."));
        QVERIFY(StartEnabled());
        Press("start");

        const QString result = QStringLiteral("Halo dunia. Bagus xyzzy buku. Plugh dunia. ");
        QCOMPARE(doc->tgt()->Text(), result);
        QCOMPARE(m_Frame->lblStatus()->text(), QStringLiteral("Finish."));
        QVERIFY(!m_Frame->ProgressBar1()->isVisible());
        QVERIFY(doc->Changed());
        QVERIFY(m_Desktop->criticals.isEmpty());
        QVERIFY(m_Ui->errorBoxes.isEmpty());

        // A click on "buku" selects its source sentence.
        QTextCursor place(doc->tgt()->document());
        place.setPosition(int(result.indexOf(QStringLiteral("buku"))) + 1);
        QTest::mouseClick(doc->tgt()->viewport(), Qt::LeftButton, {},
                          doc->tgt()->cursorRect(place).center());
        QCOMPARE(doc->Src()->textCursor().selectedText(), QStringLiteral("Good xyzzy book."));

        QListWidget* unlst = Nav()->unlst();
        QCOMPARE(ListTexts(unlst), (QStringList{"xyzzy", "Plugh"}));
        QTest::mouseClick(Nav()->cmdSaveUnList(), Qt::LeftButton);
        QCOMPARE(unlst->count(), 0);
        QCOMPARE(tembusa::test::QueryValue(
                     m_Db, QStringLiteral("SELECT group_concat(English, ',') FROM [indo-unknown]")),
                 QVariant(QStringLiteral("xyzzy,Plugh")));
        QVERIFY(!m_Frame->ProgressBar1()->isVisible());
    }

    void runButtonsAfterEveryKindOfEnd_data()
    {
        QTest::addColumn<QString>("end");
        QTest::addColumn<bool>("dictionary");
        QTest::addColumn<QString>("answer");
        const QString choice = QStringLiteral("baca\t1");
        QTest::newRow("finished") << QStringLiteral("finished") << true << choice;
        QTest::newRow("stopped in the meaning choice")
            << QStringLiteral("stop") << true << tembusa::ScriptedUi::kStop;
        QTest::newRow("stop button") << QStringLiteral("button") << true << choice;
        QTest::newRow("no dictionary") << QStringLiteral("nodb") << false << QString();
        QTest::newRow("no document") << QStringLiteral("nodoc") << true << QString();
    }
    void runButtonsAfterEveryKindOfEnd()
    {
        QFETCH(QString, end);
        QFETCH(bool, dictionary);
        QFETCH(QString, answer);
        if (dictionary)
            CreateKamus();
        frmDoc* doc = OpenText(QStringLiteral("read.txt"), QStringLiteral("read. read. read."));
        m_Ui->meaningAnswers = QStringList{answer};
        if (end == QStringLiteral("button")) {
            m_During = [this](int processed) {
                if (processed == 2)
                    Press("stop");
            };
        }
        if (end == QStringLiteral("nodoc")) {
            Docs().CloseDoc();
            // Nothing to translate: "start" is off, and a start is refused.
            QVERIFY(!StartEnabled());
            m_Frame->Run().StartTranslation();
            QCOMPARE(m_Desktop->messages,
                     QStringList{QStringLiteral("Rumbela|There is no document to translate.")});
        } else {
            Press("start");
            if (end == QStringLiteral("finished"))
                QVERIFY(!doc->tgt()->Text().isEmpty());
        }
        QCOMPARE(StartEnabled(), end != QStringLiteral("nodoc"));
        QVERIFY(!StopEnabled());
        // A document opened afterwards does not bring "stop" back.
        OpenText(QStringLiteral("other.txt"), QStringLiteral("Hello."));
        QVERIFY(StartEnabled());
        QVERIFY(!StopEnabled());
    }

    void f5StartsAndEscapeStopsFromTheKeyboard()
    {
        CreateKamus();
        frmDoc* doc =
            OpenText(QStringLiteral("long.txt"), QStringLiteral("Hello world. ").repeated(100));
        m_Frame->activateWindow();
        doc->Src()->setFocus();
        QTRY_VERIFY(doc->Src()->hasFocus());
        m_During = [&](int processed) {
            if (processed == 10)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        };
        QTest::keyClick(doc->Src(), Qt::Key_F5);
        QVERIFY(m_Processed >= 10 && m_Processed < 40);
        const QString partial = doc->tgt()->Text();
        QVERIFY(!partial.isEmpty());
        QVERIFY(partial.size() < QStringLiteral("Halo dunia. ").repeated(100).size());
        QVERIFY(StartEnabled());
        // Escape without a run is the pane's own key again.
        m_During = nullptr;
        QTest::keyClick(doc->Src(), Qt::Key_Escape);
        QCOMPARE(doc->tgt()->Text(), partial);
    }

    void anotherRunCanBeUndoneInTheTargetPane()
    {
        CreateKamus();
        frmDoc* doc = OpenText(QStringLiteral("story.txt"), QStringLiteral("Hello world."));
        Press("start");
        QTest::keyClicks(doc->tgt(), QStringLiteral(" Diperiksa."));
        const QString edited = doc->tgt()->Text();
        Press("start");
        QCOMPARE(doc->tgt()->Text(), QStringLiteral("Halo dunia. "));
        doc->tgt()->undo();
        QCOMPARE(doc->tgt()->Text(), edited);
    }

    void parserViewLeavesTheTranslationsTablesAlone()
    {
        CreateKamus();
        frmDoc* doc = OpenText(QStringLiteral("story.txt"),
                               QStringLiteral("Hello world. Good xyzzy book. Plugh world."));
        Press("start");
        const QString result = doc->tgt()->Text();
        QCOMPARE(result, QStringLiteral("Halo dunia. Bagus xyzzy buku. Plugh dunia. "));

        // Listing another document cuts a different text into units.
        OpenText(QStringLiteral("other.txt"), QStringLiteral("A b. C d e f g h i j k l m n o."));
        frmParser* parser = ShowParser(*m_Frame);
        parser->ChooseOption(1);

        Docs().ActivateDoc(doc->Slot());
        QTextCursor place(doc->tgt()->document());
        place.setPosition(int(result.indexOf(QStringLiteral("buku"))) + 1);
        QTest::mouseClick(doc->tgt()->viewport(), Qt::LeftButton, {},
                          doc->tgt()->cursorRect(place).center());
        QCOMPARE(doc->Src()->textCursor().selectedText(), QStringLiteral("Good xyzzy book."));
        QCOMPARE(parser->windowTitle(), QStringLiteral("Parser - other.txt"));
    }

    void statusAndProgressLeaveEveryTabVisible()
    {
        CreateKamus();
        frmDoc* doc = nullptr;
        for (int i = 1; i <= 6; ++i)
            doc = OpenText(QStringLiteral("document %1.txt").arg(i),
                           QStringLiteral("Hello world. ").repeated(40));
        const QTabBar* tb = m_Frame->tb();
        const auto overlapsTabs = [tb](const QWidget* widget) {
            return widget->isVisible() && widget->geometry().intersects(tb->geometry());
        };
        bool progressShown = false;
        bool clearDuringRun = true;
        m_During = [&](int) {
            progressShown = progressShown || m_Frame->ProgressBar1()->isVisible();
            clearDuringRun = clearDuringRun && !overlapsTabs(m_Frame->ProgressBar1()) &&
                             !overlapsTabs(m_Frame->lblStatus());
        };
        Press("start");
        QCOMPARE(doc->tgt()->Text(), QStringLiteral("Halo dunia. ").repeated(40));
        QVERIFY(progressShown);
        QVERIFY(clearDuringRun);
        // "Finish." stays readable, beside the tabs rather than over them.
        QVERIFY(m_Frame->lblStatus()->isVisible());
        QCOMPARE(m_Frame->lblStatus()->text(), QStringLiteral("Finish."));
        QVERIFY(!overlapsTabs(m_Frame->lblStatus()));
        QVERIFY(m_Frame->lblStatus()->geometry().right() <= m_Frame->picStatus()->width());
        QCOMPARE(tb->count(), 6);
    }

    void stopDuringALongRunKeepsWhatWasTranslated()
    {
        CreateKamus();
        QString text;
        for (int i = 0; i < 200; ++i)
            text += QStringLiteral("Hello world. ");
        frmDoc* doc = OpenText(QStringLiteral("long.txt"), text);
        bool startAtOnce = false;
        m_During = [&](int processed) {
            if (processed != 30)
                return;
            Press("stop");
            startAtOnce = StartEnabled() && !StopEnabled();
        };
        Press("start");
        QVERIFY(startAtOnce);
        // Whole sentences up to the one in progress, far from all 200.
        const QString translated = doc->tgt()->Text();
        const qsizetype sentences = translated.size() / 12;
        QVERIFY(sentences >= 2 && sentences <= 20);
        QCOMPARE(translated, QStringLiteral("Halo dunia. ").repeated(sentences));
        QVERIFY(StartEnabled());
        QVERIFY(!StopEnabled());

        // The next start runs normally to the end.
        m_During = nullptr;
        Press("start");
        QCOMPARE(doc->tgt()->Text(), QStringLiteral("Halo dunia. ").repeated(200));
    }

    void readOnlyDictionaryShowsOneMessageAndTheSameTranslation()
    {
        CreateKamus();
        tembusa::test::ExecSql(m_Db, QStringLiteral("INSERT INTO [indo-data](English, Indo1, "
                                                    "Indo2) VALUES ('when','ketika','kapan'),"
                                                    " ('watch','menonton','melihat'),"
                                                    " ('he','dia',NULL);"));
        const QString text = QStringLiteral("When he watched the book.\nWhen he watched.\n");
        const QStringList answers = {QStringLiteral("ketika\t0"), QStringLiteral("menonton\t0"),
                                     QStringLiteral("kapan\t1"), QStringLiteral("melihat\t1")};
        // The chosen meanings stand, also where a failed write used to drop
        // them and let the affix rules glue "di" to the English word.
        const QString expected =
            QStringLiteral("Ketika dia dimenonton  buku. \nKapan dia dimelihat. \n");

        tembusa::SetDictionaryPath(QUrl::fromLocalFile(m_Db).toString() +
                                   QStringLiteral("?mode=ro"));
        frmDoc* doc = OpenText(QStringLiteral("story.txt"), text);
        m_Ui->meaningAnswers = answers;
        Press("start");
        QCOMPARE(doc->tgt()->Text(), expected);
        QCOMPARE(m_Ui->messages,
                 QStringList{QStringLiteral("the dictionary is read-only; your choices are not "
                                            "remembered (") +
                             m_Db + QLatin1Char(')')});
        QVERIFY(m_Ui->errorBoxes.isEmpty());
        QVERIFY(m_Desktop->criticals.isEmpty());
        QCOMPARE(tembusa::test::QueryValue(m_Db, QStringLiteral("SELECT sum(Stat1 + Stat2) FROM "
                                                                "[indo-data]")),
                 QVariant(qint64(0)));

        // The same run with a dictionary that can be written.
        tembusa::SetDictionaryPath(QString());
        m_Ui->messages.clear();
        m_Ui->meaningAnswers = answers;
        Press("stop");
        Press("start");
        QCOMPARE(doc->tgt()->Text(), expected);
        QVERIFY(m_Ui->messages.isEmpty());
        QCOMPARE(tembusa::test::QueryValue(m_Db, QStringLiteral("SELECT sum(Stat1 + Stat2) FROM "
                                                                "[indo-data]")),
                 QVariant(qint64(4)));
    }

    void startWithoutTheDatabaseRestoresTheButtons()
    {
        frmDoc* doc = OpenText(QStringLiteral("story.txt"), QStringLiteral("Hello world."));
        doc->tgt()->Text(QStringLiteral("earlier"));
        Press("start");
        QCOMPARE(m_Desktop->criticals,
                 QStringList{QStringLiteral("Rumbela|Fatal error opening database. (KAMUS.MDB)")});
        // The dictionary's own box comes first, once.
        QCOMPARE(m_Ui->errorBoxes.size(), 1);
        QVERIFY(StartEnabled());
        QVERIFY(!StopEnabled());
        QCOMPARE(doc->tgt()->Text(), QStringLiteral("earlier"));
    }

    void unknownWordsThatCannotBeStoredStayListed()
    {
        // The engine of the first start finds no dictionary.
        OpenText(QStringLiteral("story.txt"), QStringLiteral("Hello."));
        Press("start");
        Nav()->unlst()->addItems({QStringLiteral("xyzzy"), QStringLiteral("plugh")});
        m_Desktop->criticals.clear();
        QTest::mouseClick(Nav()->cmdSaveUnList(), Qt::LeftButton);
        QCOMPARE(ListTexts(Nav()->unlst()), (QStringList{"xyzzy", "plugh"}));
        QCOMPARE(m_Desktop->criticals.size(), 1);
        QVERIFY(m_Desktop->criticals.first().endsWith(QStringLiteral("list:\nxyzzy, plugh")));
        QVERIFY(!m_Frame->ProgressBar1()->isVisible());
        QVERIFY(Nav()->cmdSaveUnList()->isEnabled());

        // With the dictionary back, the next start's engine stores them.
        CreateKamus();
        Press("start");
        QTest::mouseClick(Nav()->cmdSaveUnList(), Qt::LeftButton);
        QCOMPARE(Nav()->unlst()->count(), 0);
        QCOMPARE(
            tembusa::test::QueryValue(m_Db, QStringLiteral("SELECT count(*) FROM [indo-unknown]")),
            QVariant(qint64(2)));
    }

    void aWordTheOpenDictionaryRefusesStaysListed()
    {
        CreateKamus();
        tembusa::test::ExecSql(
            m_Db,
            QStringLiteral(
                "CREATE TRIGGER refuse BEFORE INSERT ON [indo-unknown] WHEN NEW.English = 'plugh' "
                "BEGIN SELECT RAISE(ABORT, 'refused'); END;"));
        OpenText(QStringLiteral("story.txt"), QStringLiteral("Hello."));
        Press("start");
        Nav()->unlst()->addItems({QStringLiteral("xyzzy"), QStringLiteral("plugh")});
        m_Desktop->criticals.clear();
        QTest::mouseClick(Nav()->cmdSaveUnList(), Qt::LeftButton);
        QCOMPARE(ListTexts(Nav()->unlst()), QStringList{"plugh"});
        QCOMPARE(m_Desktop->criticals.size(), 1);
        QCOMPARE(tembusa::test::QueryValue(
                     m_Db, QStringLiteral("SELECT group_concat(English, ',') FROM [indo-unknown]")),
                 QVariant(QStringLiteral("xyzzy")));
    }

    void useStatisticDecidesWhetherTheUserChooses_data()
    {
        QTest::addColumn<int>("toggles");
        QTest::addColumn<bool>("statistic");
        QTest::newRow("never toggled: the user chooses") << 0 << false;
        QTest::newRow("toggled once: counters choose") << 1 << true;
        QTest::newRow("toggled twice: the user chooses again") << 2 << false;
    }

    void useStatisticDecidesWhetherTheUserChooses()
    {
        QFETCH(int, toggles);
        QFETCH(bool, statistic);
        CreateKamus();
        frmDoc* doc = OpenText(QStringLiteral("read.txt"), QStringLiteral("read"));
        for (int i = 0; i < toggles; ++i)
            m_Frame->mnStat()->trigger();
        QCOMPARE(m_Frame->mnStat()->isChecked(), statistic);
        QCOMPARE(Engine().m_UseStatistic(), statistic);
        m_Ui->meaningAnswers = QStringList{QStringLiteral("baca\t1")};
        Press("start");
        QCOMPARE(Engine().m_UseStatistic(), statistic);
        QCOMPARE(m_Ui->meaningWords.size(), statistic ? 0 : 1);
        QCOMPARE(doc->tgt()->Text(),
                 statistic ? QStringLiteral("membaca ") : QStringLiteral("baca "));
    }

    void secondStartDuringARunIsRefused()
    {
        CreateKamus();
        frmDoc* first = OpenText(QStringLiteral("one.txt"), QStringLiteral("Hello. World. Book."));
        tembusa::TlrEngine* running = nullptr;
        bool startOffAfterNewDocument = false;
        m_During = [&](int processed) {
            if (processed != 3)
                return;
            running = &Engine();
            // A new window's load enables "start", except during a run.
            Docs().FileNew();
            startOffAfterNewDocument = !StartEnabled();
            m_Frame->Run().StartTranslation();
            QCOMPARE(&Engine(), running);
        };
        Press("start");
        QVERIFY(startOffAfterNewDocument);
        QVERIFY(running);
        QCOMPARE(first->tgt()->Text(), QStringLiteral("Halo. Dunia. Buku. "));
        QVERIFY(Docs().Current()->tgt()->Text().isEmpty());
    }

    void documentClosedDuringItsRunGetsNothing()
    {
        CreateKamus();
        frmDoc* other = OpenText(QStringLiteral("other.txt"), QStringLiteral("Book."));
        QString text;
        for (int i = 0; i < 50; ++i)
            text += QStringLiteral("Hello world. ");
        const QPointer<frmDoc> doc = OpenText(QStringLiteral("long.txt"), text);
        const qint16 slot = doc->Slot();
        frmDoc* successor = nullptr;
        m_During = [&](int processed) {
            if (processed != 5)
                return;
            doc->Window()->close();
            // A new document takes the freed slot at once.
            Docs().FileNew();
            successor = Docs().Current();
        };
        Press("start");
        // The run stopped with its window, and nothing reached another one.
        QVERIFY(m_Processed < 20);
        QTRY_VERIFY(!doc);
        QCOMPARE(successor->Slot(), slot);
        QVERIFY(successor->tgt()->Text().isEmpty());
        QVERIFY(other->tgt()->Text().isEmpty());
        QVERIFY(StartEnabled());
        QVERIFY(!StopEnabled());
        QVERIFY(!Engine().m_Control());
        QVERIFY(!Engine().m_ControlTarget());
        QVERIFY(m_Frame->lblStatus()->text() != QStringLiteral("Finish."));
        // The engine keeps no pane of the closed window for a later click.
        m_During = nullptr;
        other->tgt()->Text(QStringLiteral("Buku."));
        QTest::mouseClick(other->tgt()->viewport(), Qt::LeftButton, {}, QPoint(3, 3));
    }

    void closingTheFrameDuringARunStopsIt()
    {
        CreateKamus();
        QString text;
        for (int i = 0; i < 50; ++i)
            text += QStringLiteral("Hello world. ");
        OpenText(QStringLiteral("long.txt"), text);
        m_During = [&](int processed) {
            if (processed == 5)
                m_Frame->close();
        };
        m_Desktop->saveChoices = {Desktop::SaveChoice::Discard};
        Press("start");
        QVERIFY(m_Processed < 20);
        // The close follows once the run has ended, and asks about the
        // partial translation.
        QTRY_COMPARE(m_Frame->tb()->count(), 0);
        QCOMPARE(m_Desktop->saveQuestions,
                 QStringList{QStringLiteral("Rumbela|Save changes to long.txt?")});
        QVERIFY(!m_Frame->isVisible());
    }

    void exitDuringARunStopsItThenAsks()
    {
        CreateKamus();
        QString text;
        for (int i = 0; i < 50; ++i)
            text += QStringLiteral("Hello world. ");
        frmDoc* doc = OpenText(QStringLiteral("long.txt"), text);
        int askedDuringRun = -1;
        m_During = [&](int processed) {
            if (processed != 5)
                return;
            m_Frame->findChild<QAction*>(QStringLiteral("mnExit"))->trigger();
            askedDuringRun = m_Desktop->Asked();
        };
        m_Desktop->saveChoices = {Desktop::SaveChoice::Cancel};
        Press("start");
        QCOMPARE(askedDuringRun, 0);
        QVERIFY(m_Processed < 20);
        // The partial translation is in the pane and the question is about it.
        QTRY_COMPARE(m_Desktop->saveQuestions,
                     QStringList{QStringLiteral("Rumbela|Save changes to long.txt?")});
        QVERIFY(!doc->tgt()->Text().isEmpty());
        QCOMPARE(m_Desktop->endProgramCalls, 0);
        QVERIFY(StartEnabled());
    }
};

QTEST_MAIN(TranslationRunTest)
#include "TranslationRunTest.moc"
