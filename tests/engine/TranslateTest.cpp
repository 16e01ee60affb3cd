// SPDX-License-Identifier: GPL-3.0-or-later
// The document loop and sentence translation over a small fixture dictionary.
#include <tembusa/TlrEngine.h>

#include "platform/ScriptedUi.h"
#include "platform/StopFlag.h"
#include "support/FakeHost.h"
#include "support/FixtureKamus.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <sys/file.h>

namespace tembusa {
namespace {

class TranslateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_StopFlag = false;
        db = test::CreateKamus(folder.path());
        test::ExecSql(
            db, QStringLiteral(
                    "INSERT INTO [indo-data](English, Indo1, Indo2) VALUES"
                    " ('hello','halo',NULL), ('world','dunia',NULL), ('book','buku',NULL),"
                    " ('read','membaca','baca'), ('good','bagus',NULL), ('this','ini',NULL),"
                    " ('run','lari',NULL), ('i','saya',NULL), ('house','rumah',NULL),"
                    " ('thank you','terima kasih',NULL), ('caf\u00e9','kafe',NULL),"
                    " ('one','satu',NULL), ('two','dua',NULL), ('three','tiga',NULL),"
                    " ('four','empat',NULL), ('five','lima',NULL);"
                    "INSERT INTO [Indo-Rule1](English, TypeBA) VALUES ('this','a'), ('good','A');"
                    "INSERT INTO [indo-tolak](kata) VALUES ('km');"));
    }

    // An engine with every host control set.
    std::unique_ptr<TlrEngine> Engine()
    {
        auto engine = std::make_unique<TlrEngine>();
        engine->m_Control(&source);
        engine->m_ControlTarget(&target);
        engine->m_ProgressBar(&progress);
        engine->m_ControlLabel(&status);
        engine->m_UnknownList(&unknown);
        engine->m_UseStatistic(true);
        return engine;
    }

    test::TempFolder folder;
    QString db;
    ScriptedUi ui;
    ScriptedUi::Scope scope{ui};
    test::FakeSourcePane source;
    test::FakeTargetPane target;
    test::FakeProgressBar progress;
    test::FakeStatusText status;
    test::FakeUnknownList unknown;
};

TEST_F(TranslateTest, TranslatesToTheCharacter)
{
    struct Case
    {
        const char* name;
        QString text;
        QString result;
    } const cases[] = {
        {"empty text", QString(), QString()},
        {"one word", QStringLiteral("hello"), QStringLiteral("halo ")},
        {"closing mark is put back", QStringLiteral("Hello world."),
         QStringLiteral("Halo dunia. ")},
        {"CR LF after the mark is kept", QStringLiteral("Hello world.\r\n"),
         QStringLiteral("Halo dunia. \r\n")},
        {"line feeds pass through; carriage returns before them do not",
         QStringLiteral("Hello\r\nWorld\r\n"), QStringLiteral("Halo \nDunia \n")},
        {"last sentence without a mark is translated", QStringLiteral("One. Two"),
         QStringLiteral("Satu. Dua ")},
        {"skipped word in the middle leaves two blanks", QStringLiteral("hello THE world"),
         QStringLiteral("halo  dunia ")},
        {"skipped words at the ends leave nothing", QStringLiteral("the book is"),
         QStringLiteral("buku ")},
        {"the followed by a comma is looked up", QStringLiteral("read the, book"),
         QStringLiteral("membaca the, buku ")},
        {"two-word phrase, then the next word", QStringLiteral("thank you world"),
         QStringLiteral("terima kasih dunia ")},
        {"rule word moves behind the next word", QStringLiteral("I read this book."),
         QStringLiteral("I membaca buku ini. ")},
        {"unknown word stays without its mark", QStringLiteral("hello xyzzy, world"),
         QStringLiteral("halo xyzzy, dunia ")},
        {"affix prefix text", QStringLiteral("running"), QStringLiteral("melari ")},
        {"number and rejected word pass through", QStringLiteral("5 km"), QStringLiteral("5 km ")},
        {"accented word", QStringLiteral("caf\u00e9"), QStringLiteral("kafe ")},
        {"only line breaks", QStringLiteral("\n\n"), QStringLiteral("\n\n")},
        {"a TAB before a sentence is kept and the sentence translated",
         QStringLiteral("\tHello world.\n"), QStringLiteral("\tHalo dunia. \n")},
        {"a TAB after a mark begins a translated sentence",
         QStringLiteral("Hello world.\tGood book. Read this."),
         QStringLiteral("Halo dunia. \tbuku Bagus. Membaca ini. ")},
    };
    auto engine = Engine();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(engine->Translate(c.text), c.result);
        EXPECT_FALSE(progress.visible);
        EXPECT_FALSE(status.visible);
    }
    EXPECT_TRUE(ui.errorBoxes.isEmpty());
}

TEST_F(TranslateTest, ReportsProgressAndStatusPerSentence)
{
    auto engine = Engine();
    engine->Translate(QStringLiteral("One. Two."));
    EXPECT_EQ(progress.max, 2);
    EXPECT_EQ(progress.values, (QList<qint32>{0, 1}));
    EXPECT_TRUE(status.texts.contains(QStringLiteral("Processing : One.")));
    EXPECT_TRUE(status.texts.contains(QStringLiteral("Searching...Two.")));
    // The last sentence selected in the source pane is "Two." at 0-based 5.
    EXPECT_EQ(source.selStart, 5);
    EXPECT_EQ(source.selLength, 4);
}

TEST_F(TranslateTest, UnknownWordsAreListedOnceAndOnlyRealWords)
{
    auto engine = Engine();
    engine->Translate(QStringLiteral("Zork saw zork and 42 apples, km."));
    // Zork (capital, not found) first, its second meeting in lower case not
    // again; "42" (a digit) and "km" (rejected) are never listed.
    EXPECT_EQ(unknown.items, (QStringList{QStringLiteral("Zork"), QStringLiteral("saw"),
                                          QStringLiteral("and"), QStringLiteral("apples")}));
}

TEST_F(TranslateTest, MissingHostControlsOnlyLoseTheirDisplay)
{
    TlrEngine engine;
    engine.m_UseStatistic(true);
    EXPECT_EQ(engine.Translate(QStringLiteral("Hello world. One xyzzy.")),
              QStringLiteral("Halo dunia. Satu xyzzy. "));
}

TEST_F(TranslateTest, MeaningChoiceAsksWithoutStatistics)
{
    auto engine = Engine();
    engine->m_UseStatistic(false);
    ui.meaningAnswers << QStringLiteral("baca\t1");
    EXPECT_EQ(engine->Translate(QStringLiteral("read")), QStringLiteral("baca "));
    EXPECT_EQ(ui.meaningWords, QStringList{QStringLiteral("read")});
}

TEST_F(TranslateTest, StopDuringTheThirdOfFiveSentences)
{
    auto engine = Engine();
    engine->m_UseStatistic(false);
    ui.meaningAnswers << ScriptedUi::kStop;
    const QString text = QStringLiteral("One.\nTwo.\nThree read four.\nFour.\nFive.");
    const QString result = engine->Translate(text);
    // Sentence three keeps the words before the stop; the word being chosen
    // stays as written, is not offered as unknown, and nothing more is asked.
    EXPECT_EQ(result, QStringLiteral("Satu. \nDua. \nTiga read. "));
    EXPECT_EQ(ui.meaningWords, QStringList{QStringLiteral("read")});
    EXPECT_TRUE(unknown.items.isEmpty());
    ASSERT_EQ(target.loaded, QStringList{folder.file(QStringLiteral("$$0001.LOG"))});
    // The log holds the result up to the latest line break.
    EXPECT_EQ(folder.Read(QStringLiteral("$$0001.LOG")), QByteArray("Satu. \nDua. \n"));
    EXPECT_FALSE(progress.visible);

    // The next run clears the stop request and empties the log.
    engine->m_UseStatistic(true);
    EXPECT_EQ(engine->Translate(QStringLiteral("One.\nTwo.")), QStringLiteral("Satu. \nDua. "));
    EXPECT_EQ(folder.Read(QStringLiteral("$$0001.LOG")), QByteArray("Satu. \n"));
    EXPECT_EQ(target.loaded.size(), 1);
}

TEST_F(TranslateTest, StopOnAnotherEngineStopsThisRun)
{
    auto engine = Engine();
    TlrEngine other;
    int events = 0;
    ui.onProcessEvents = [&] {
        if (++events == 3)
            other.StopTranslate();
    };
    const QString result = engine->Translate(QStringLiteral("One. Two. Three. Four."));
    EXPECT_TRUE(g_StopFlag);
    EXPECT_EQ(result, QStringLiteral("Satu. "));
}

TEST_F(TranslateTest, SelKalimatSelectsTheSourceOfEveryCaretPosition)
{
    auto engine = Engine();
    // Accented letters and a line break: positions count UTF-16 units.
    const QString text = QStringLiteral("Caf\u00e9 one. Two, xyzzy \u00e9t\u00e9.\nFive.");
    const QString result = engine->Translate(text);
    ASSERT_EQ(result, QStringLiteral("Kafe satu. Dua, xyzzy \u00e9t\u00e9. \nLima. "));
    struct Source
    {
        qint32 selStart;
        qint32 selLength;
    };
    // Source sentences: "Café one." "Two," "xyzzy été." LF "Five."
    const Source sources[] = {{0, 9}, {10, 4}, {15, 10}, {25, 1}, {26, 5}};
    // Result: "Kafe satu." 0-9, blank 10, "Dua," 11-14, blank 15,
    // "xyzzy été." 16-25, blank 26, LF 27, "Lima." 28-32, blank 33. A caret
    // stands before the character of its number: right after a sentence's
    // last character, it still belongs to that sentence.
    const int expected[] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 2,
                            2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 3, 3, 4, 4, 4, 4, 4};
    ASSERT_EQ(qsizetype(std::size(expected)), result.size());
    for (qint32 caret = 0; caret < qint32(result.size()); ++caret) {
        SCOPED_TRACE(caret);
        source = {};
        engine->SelKalimat(caret);
        const int sentence = expected[caret];
        EXPECT_EQ(engine->IdxCurKalimat(), sentence);
        EXPECT_EQ(source.selStart, sources[sentence].selStart);
        EXPECT_EQ(source.selLength, sources[sentence].selLength);
        EXPECT_EQ(source.focused, 1);
    }
    // Past the last translated sentence nothing is selected.
    source = {};
    engine->SelKalimat(qint32(result.size()));
    EXPECT_EQ(source.selStart, -1);
}

TEST_F(TranslateTest, NaturalModeIsOffByDefaultAndChangesOnlyItsOwnOutput)
{
    test::ExecSql(
        db, QStringLiteral("INSERT INTO [indo-data](English, Indo1) VALUES"
                           " ('update','pembaruan'), ('reject','menolak'), ('dog','anjing'),"
                           " ('ran','berlari'), ('water','air'), ('into','ke'), ('tag','tag'),"
                           " ('exists','ada'), ('save','menyimpan'), ('file','berkas'),"
                           " ('her','dia');"));
    const struct
    {
        const char* name;
        QString text;
        QString plain;
        QString natural;
    } cases[] = {
        {"prefix joined to the root", QStringLiteral("Updates were rejected."),
         QStringLiteral("Pembaruan  dimenolak. "), QStringLiteral("Pembaruan ditolak. ")},
        {"possessive and capital", QStringLiteral("Her dog ran into the water."),
         QStringLiteral("Dia anjing berlari ke  air. "),
         QStringLiteral("Anjingnya berlari ke air. ")},
        {"moved capital goes back", QStringLiteral("This tag exists."),
         QStringLiteral("tag Ini ada. "), QStringLiteral("Tag ini ada. ")},
        {"no prefix on an English word", QStringLiteral("unfoo xyzzied"),
         QStringLiteral("tidak unfoo dixyzzied "), QStringLiteral("unfoo xyzzied ")},
        {"command at the start", QStringLiteral("Save the file."),
         QStringLiteral("Menyimpan  berkas. "), QStringLiteral("Simpan berkas. ")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto engine = Engine();
        EXPECT_FALSE(engine->m_Natural()) << "off at creation";
        EXPECT_EQ(engine->Translate(c.text), c.plain);
        engine->m_Natural(true);
        EXPECT_EQ(engine->Translate(c.text), c.natural);
    }
}

TEST_F(TranslateTest, NaturalModeSelectsTheSourceSentence)
{
    auto engine = Engine();
    engine->m_Natural(true);
    const QString result = engine->Translate(QStringLiteral("Hello the world. Good book."));
    ASSERT_EQ(result, QStringLiteral("Halo dunia. Buku bagus. "));
    const struct
    {
        qint32 caret;
        qint32 sentence;
        qint32 selStart;
    } cases[] = {{0, 0, 0}, {10, 0, 0}, {12, 1, 17}, {23, 1, 17}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caret);
        engine->SelKalimat(c.caret);
        EXPECT_EQ(engine->IdxCurKalimat(), c.sentence);
        EXPECT_EQ(source.selStart, c.selStart);
    }
}

TEST_F(TranslateTest, AConcurrentRunWritesTheNextLogAndLeavesTheFirstWhole)
{
    folder.Write(QStringLiteral("$$0001.LOG"), QByteArray("another run's partial result\n"));
    QFile held(folder.file(QStringLiteral("$$0001.LOG")));
    ASSERT_TRUE(held.open(QIODevice::ReadOnly));
    ASSERT_EQ(flock(held.handle(), LOCK_EX | LOCK_NB), 0);

    auto engine = Engine();
    ui.onProcessEvents = [&] {
        if (target.loaded.isEmpty() && folder.Read(QStringLiteral("$$0002.LOG")).size() > 0)
            engine->StopTranslate();
    };
    EXPECT_EQ(engine->Translate(QStringLiteral("One.\nTwo.\nThree.")), QStringLiteral("Satu. \n"));
    EXPECT_EQ(folder.Read(QStringLiteral("$$0001.LOG")),
              QByteArray("another run's partial result\n"));
    EXPECT_EQ(folder.Read(QStringLiteral("$$0002.LOG")), QByteArray("Satu. \n"));
    EXPECT_EQ(target.loaded, QStringList{folder.file(QStringLiteral("$$0002.LOG"))});

    // Once the other run is done, its log is the one written again.
    held.close();
    ui.onProcessEvents = nullptr;
    engine->Translate(QStringLiteral("One.\n"));
    EXPECT_EQ(folder.Read(QStringLiteral("$$0001.LOG")), QByteArray("Satu. \n"));
}

TEST_F(TranslateTest, NoLogFolderDoesNotStopTheRun)
{
    auto engine = Engine();
    folder.Write(QStringLiteral("placeholder"), QByteArray());
    // A folder where the log should be: it cannot be opened as a file.
    QDir(folder.path()).mkdir(QStringLiteral("$$0001.LOG"));
    EXPECT_EQ(engine->Translate(QStringLiteral("One.\nTwo.")), QStringLiteral("Satu. \nDua. "));
}

} // namespace
} // namespace tembusa
