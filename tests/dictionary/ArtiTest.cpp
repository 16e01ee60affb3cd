// SPDX-License-Identifier: GPL-3.0-or-later
// Meaning lookup, the meaning choice with its counters, and learning.
#include <tembusa/KamusData.h>

#include "platform/ScriptedUi.h"
#include "platform/StopFlag.h"
#include "support/FixtureKamus.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tembusa {
namespace {

class ArtiTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_StopFlag = false;
        db = test::CreateKamus(folder.path());
        test::ExecSql(
            db, QStringLiteral(
                    "INSERT INTO [indo-data](English, Indo1, Indo2, Indo3, Indo4, Indo5) VALUES"
                    " ('book','buku',NULL,NULL,NULL,NULL),"
                    " ('empty',NULL,NULL,NULL,NULL,NULL),"
                    " ('read','membaca','baca',NULL,NULL,NULL),"
                    " ('fair','adil',' pameran ',NULL,NULL,'cantik'),"
                    " ('full','penuh','kenyang','sarat','padat','genap'),"
                    " ('don`t','jangan',NULL,NULL,NULL,NULL),"
                    " ('friday','Jum`at','hari Jum`at',NULL,NULL,NULL);"));
        kamus.OpenAll();
        ASSERT_TRUE(kamus.Connected());
    }

    QVariant Value(const QString& sql) const { return test::QueryValue(db, sql); }

    test::TempFolder folder;
    QString db;
    ScriptedUi ui;
    ScriptedUi::Scope scope{ui};
    KamusData kamus;
};

TEST_F(ArtiTest, FindsMeaningsWithOneTrailingBlank)
{
    kamus.LearnOff(true);
    struct Case
    {
        QString word;
        QString result;
        qint16 flag;
    } const cases[] = {
        {QStringLiteral(" Book "), QStringLiteral("Buku "), 4},
        {QStringLiteral("BOOK"), QStringLiteral("BOOK"), 9},
        {QStringLiteral("book"), QStringLiteral("buku "), 0},
        {QStringLiteral("empty"), QString(), 0},
        {QStringLiteral("Book;"), QStringLiteral("buku "), 10},
        {QStringLiteral("don't"), QStringLiteral("jangan "), 0},
        {QStringLiteral("nothing"), QString(), 100},
        {QString(), QString(), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word.toStdString());
        EXPECT_EQ(kamus.Arti(c.word), c.result);
        EXPECT_EQ(kamus.Flag(), c.flag);
    }
    EXPECT_TRUE(ui.meaningWords.isEmpty());
    EXPECT_TRUE(ui.unknownWords.isEmpty());
}

TEST_F(ArtiTest, StatisticsTakeTheMostChosenMeaning)
{
    kamus.m_UseStatistic(true);
    EXPECT_EQ(kamus.Arti(QStringLiteral("full")), QStringLiteral("penuh "));
    test::ExecSql(db, QStringLiteral("UPDATE [indo-data] SET Stat1=2, Stat2=5, Stat3=5 "
                                     "WHERE English='full'"));
    EXPECT_EQ(kamus.Arti(QStringLiteral("Full")), QStringLiteral("Kenyang "));
    // Null counters are never greater.
    test::ExecSql(db, QStringLiteral("UPDATE [indo-data] SET Stat1=NULL, Stat2=NULL, Stat3=NULL,"
                                     " Stat4=NULL, Stat5=0 WHERE English='full'"));
    EXPECT_EQ(kamus.Arti(QStringLiteral("full")), QStringLiteral("genap "));
    EXPECT_TRUE(ui.meaningWords.isEmpty());
}

TEST_F(ArtiTest, ChoiceCountsTheMeaningColumnItWasListedFrom)
{
    ui.meaningAnswers << QStringLiteral("cantik\t2") << QStringLiteral("cantik\t2");
    EXPECT_EQ(kamus.Arti(QStringLiteral("fair")), QStringLiteral("cantik "));
    // Indo3 and Indo4 are null: the list holds Indo1, Indo2 and Indo5, trimmed.
    EXPECT_EQ(ui.meaningLists.at(0), (QStringList{QStringLiteral("adil"), QStringLiteral("pameran"),
                                                  QStringLiteral("cantik")}));
    EXPECT_EQ(ui.meaningWords.at(0), QStringLiteral("fair"));
    // Another user counts in between: no count is lost.
    test::ExecSql(db,
                  QStringLiteral("UPDATE [indo-data] SET Stat5 = Stat5 + 10 WHERE English='fair'"));
    kamus.Arti(QStringLiteral("fair"));
    EXPECT_EQ(Value(QStringLiteral("SELECT Stat5 FROM [indo-data] WHERE English='fair'")),
              QVariant(qint64(12)));
    EXPECT_EQ(Value(QStringLiteral("SELECT Stat1 + Stat2 + Stat3 + Stat4 FROM [indo-data] "
                                   "WHERE English='fair'")),
              QVariant(qint64(0)));
}

TEST_F(ArtiTest, EscapeGivesTheStoredEnglishWord)
{
    ui.meaningAnswers << QString();
    EXPECT_EQ(kamus.Arti(QStringLiteral("Read")), QStringLiteral("Read "));
    EXPECT_EQ(kamus.Flag(), 4);
    EXPECT_EQ(Value(QStringLiteral("SELECT Stat1 + Stat2 FROM [indo-data] WHERE English='read'")),
              QVariant(qint64(0)));
}

TEST_F(ArtiTest, MeaningsAreShownWithTheApostropheTheBacktickStandsFor)
{
    ui.meaningAnswers << QStringLiteral("hari Jum'at\t1");
    EXPECT_EQ(kamus.Arti(QStringLiteral("Friday")), QStringLiteral("Hari Jum'at "));
    EXPECT_EQ(ui.meaningLists.value(0),
              (QStringList{QStringLiteral("Jum'at"), QStringLiteral("hari Jum'at")}));
    kamus.m_UseStatistic(true);
    EXPECT_EQ(kamus.Arti(QStringLiteral("friday")), QStringLiteral("hari Jum'at "));
    // What is stored stays as it is.
    EXPECT_EQ(Value(QStringLiteral("SELECT Indo2 || Stat2 FROM [indo-data] WHERE "
                                   "English='friday'")),
              QVariant(QStringLiteral("hari Jum`at1")));
}

TEST_F(ArtiTest, StopGivesTheEmptyText)
{
    ui.meaningAnswers << ScriptedUi::kStop;
    EXPECT_EQ(kamus.Arti(QStringLiteral("read")), QString());
    EXPECT_TRUE(g_StopFlag);
}

TEST_F(ArtiTest, NewMeaningTakesAFreeColumnOrTheOneTheUserGivesUp)
{
    test::ExecSql(db, QStringLiteral("UPDATE [indo-data] SET Stat1=1, Stat2=2, Stat3=3, Stat4=4, "
                                     "Stat5=5"));
    const QString meanings =
        QStringLiteral("SELECT ifnull(Indo1,'')||'|'||ifnull(Indo2,'')||'|'||ifnull(Indo3,'')||'|'"
                       "||ifnull(Indo4,'')||'|'||ifnull(Indo5,'')||' '||Stat1||Stat2||Stat3||"
                       "Stat4||Stat5 FROM [indo-data] WHERE English='%1'");
    struct Case
    {
        const char* name;
        const char* word;
        QStringList input; // the answer to "which one does it replace?"
        const char* stored;
    } const cases[] = {
        {"Indo3 to Indo5 empty: Indo5", "read", {}, "membaca|baca|||baru 12340"},
        {"all five full: the one the user names",
         "full",
         {QStringLiteral("2")},
         "penuh|baru|sarat|padat|genap 10345"},
        {"all five full, cancelled: nothing stored",
         "full",
         {QString()},
         "penuh|baru|sarat|padat|genap 10345"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString word = QString::fromLatin1(c.word);
        ui.meaningAnswers << QStringLiteral("+\t") + word + QStringLiteral("\tbaru");
        ui.inputAnswers = c.input;
        ui.inputPrompts.clear();
        // The new meaning serves this time in any case.
        EXPECT_EQ(kamus.Arti(word), QStringLiteral("baru "));
        EXPECT_EQ(Value(meanings.arg(word)), QVariant(QString::fromLatin1(c.stored)));
        EXPECT_EQ(ui.inputPrompts.size(), c.input.size());
    }
    EXPECT_EQ(ui.inputPrompts.value(0),
              QStringLiteral("The word \"full\" has five meanings already:\n1) penuh\n2) baru\n"
                             "3) sarat\n4) padat\n5) genap\nWhich one does \"baru\" replace? (1 "
                             "to 5; empty: none)"));

    // The meaning that replaced another does not win the counters at once.
    kamus.m_UseStatistic(true);
    EXPECT_EQ(kamus.Arti(QStringLiteral("full")), QStringLiteral("genap "));
}

TEST_F(ArtiTest, LearningAddsRejectsCancelsAndStops)
{
    ui.unknownAnswers << QStringLiteral("+\tisn't\tbukan 'kan") << QStringLiteral("?\tkm\t")
                      << QStringLiteral("^") << ScriptedUi::kStop;
    EXPECT_EQ(kamus.Arti(QStringLiteral("isn't")), QStringLiteral("bukan 'kan "));
    EXPECT_EQ(kamus.Flag(), 100);
    EXPECT_EQ(Value(QStringLiteral("SELECT Indo1 FROM [indo-data] WHERE English='isn`t'")),
              QVariant(QStringLiteral("bukan `kan")));
    EXPECT_EQ(Value(QStringLiteral("SELECT Stat1 FROM [indo-data] WHERE English='isn`t'")),
              QVariant(qint64(0)));
    // Found from now on, apostrophe and all.
    // Shown with the apostrophe that the stored backtick stands for.
    EXPECT_EQ(kamus.Arti(QStringLiteral("isn't")), QStringLiteral("bukan 'kan "));

    EXPECT_EQ(kamus.Arti(QStringLiteral("km")), QString());
    EXPECT_EQ(kamus.Arti(QStringLiteral("km")), QStringLiteral("km"));
    EXPECT_EQ(kamus.Flag(), 5);

    EXPECT_EQ(kamus.Arti(QStringLiteral("Zork")), QStringLiteral("Zork "));
    EXPECT_EQ(kamus.Flag(), 100);

    EXPECT_EQ(kamus.Arti(QStringLiteral("zap")), QString());
    EXPECT_TRUE(g_StopFlag);
    EXPECT_EQ(ui.unknownWords, (QStringList{QStringLiteral("isn't"), QStringLiteral("km"),
                                            QStringLiteral("Zork"), QStringLiteral("zap")}));
}

TEST_F(ArtiTest, LoadRule1HandsOverTheRuleRows)
{
    QVariant rst = QStringLiteral("untouched");
    kamus.LoadRule1(rst);
    EXPECT_EQ(rst.toList().size(), 0);
    test::ExecSql(db,
                  QStringLiteral("INSERT INTO [Indo-Rule1] VALUES ('this','A'), ('very',NULL)"));
    kamus.LoadRule1(rst);
    const QVariantList rows = rst.toList();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows.at(0).toMap().value(QStringLiteral("English")),
              QVariant(QStringLiteral("this")));
    EXPECT_EQ(rows.at(0).toMap().value(QStringLiteral("TypeBA")), QVariant(QStringLiteral("A")));
    EXPECT_FALSE(rows.at(1).toMap().value(QStringLiteral("TypeBA")).isValid());
}

TEST_F(ArtiTest, AFailedReadShowsTheErrorBoxOnceAndEndsTheRun)
{
    // Tables dropped by another program while the dictionary is open.
    test::ExecSql(db, QStringLiteral("DROP TABLE [Indo-Rule1]"));
    QVariant rst = QStringLiteral("untouched");
    kamus.LoadRule1(rst);
    EXPECT_EQ(rst, QVariant(QStringLiteral("untouched")));
    ASSERT_EQ(ui.errorBoxes.size(), 1);
    // The provider's text, a line feed and the connection string.
    EXPECT_TRUE(ui.errorBoxes.at(0).contains(QStringLiteral("\nProvider=SQLite3;User ID=Admin;"
                                                            "Data Source=") +
                                             db));
    EXPECT_TRUE(ui.errorBoxes.at(0).endsWith(
        QStringLiteral("\r\nModule:LoadRule1@KamusData\r\nFunction:LoadRule1")));

    EXPECT_EQ(
        kamus.Failure(),
        QStringLiteral("the dictionary \"%1\" cannot be read: no such table: Indo-Rule1").arg(db));
    EXPECT_TRUE(g_StopFlag);

    // The rest of the run gives nothing rather than a wrong translation.
    EXPECT_EQ(kamus.Arti(QStringLiteral("book")), QString());
    EXPECT_EQ(ui.errorBoxes.size(), 1);

    // A new run asks the database again.
    kamus.NewRun();
    g_StopFlag = false;
    EXPECT_EQ(kamus.Arti(QStringLiteral("book")), QStringLiteral("buku "));
}

} // namespace
} // namespace tembusa
