// SPDX-License-Identifier: GPL-3.0-or-later
// A dictionary that cannot be written, is locked by another program, or is
// damaged: the user's choices still serve, each problem is told once, and a
// read that fails stops instead of giving a wrong translation.
#include <tembusa/KamusData.h>

#include "dictionary/Connect.h"
#include "dictionary/Sqlite.h"
#include "platform/ScriptedUi.h"
#include "platform/StopFlag.h"
#include "support/FixtureKamus.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QUrl>

#include <gtest/gtest.h>

namespace tembusa {
namespace {

class KamusFailure : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_StopFlag = false;
        db = test::CreateKamus(folder.path());
        test::ExecSql(db, QStringLiteral("INSERT INTO [indo-data](English, Indo1, Indo2) VALUES"
                                         " ('book','buku',NULL), ('read','membaca','baca');"));
    }
    void TearDown() override
    {
        SetBusyTimeout(m_Timeout);
        g_StopFlag = false;
    }

    QVariant Value(const QString& sql) const { return test::QueryValue(db, sql); }
    QVariant Counters() const
    {
        return Value(QStringLiteral("SELECT Stat1 || ',' || Stat2 FROM [indo-data] "
                                    "WHERE English='read'"));
    }

    test::TempFolder folder;
    QString db;
    ScriptedUi ui;
    ScriptedUi::Scope scope{ui};
    const int m_Timeout = BusyTimeout();
};

TEST_F(KamusFailure, AWritableDictionaryIsKeptInWalMode)
{
    KamusData kamus;
    kamus.OpenAll();
    ASSERT_TRUE(kamus.Connected());
    EXPECT_EQ(Value(QStringLiteral("PRAGMA journal_mode")), QVariant(QStringLiteral("wal")));
}

TEST_F(KamusFailure, AReadOnlyDictionaryKeepsTheChoicesAndSaysSoOncePerRun)
{
    SetDictionaryPath(QUrl::fromLocalFile(db).toString() + QStringLiteral("?mode=ro"));
    KamusData kamus;
    kamus.OpenAll();
    ASSERT_TRUE(kamus.Connected());
    ui.meaningAnswers = {QStringLiteral("baca\t1"), QStringLiteral("+\tread\tmembacakan"),
                         QStringLiteral("membaca\t0")};
    ui.unknownAnswers = {QStringLiteral("+\tzork\tzorka")};
    EXPECT_EQ(kamus.Arti(QStringLiteral("read")), QStringLiteral("baca "));
    EXPECT_EQ(kamus.Arti(QStringLiteral("read")), QStringLiteral("membacakan "));
    EXPECT_EQ(kamus.Arti(QStringLiteral("zork")), QStringLiteral("zorka "));
    EXPECT_EQ(ui.messages, QStringList{QStringLiteral("the dictionary is read-only; your choices "
                                                      "are not remembered (") +
                                       db + QLatin1Char(')')});
    EXPECT_TRUE(ui.errorBoxes.isEmpty());
    EXPECT_TRUE(kamus.Failure().isEmpty());
    EXPECT_FALSE(g_StopFlag);

    kamus.NewRun();
    EXPECT_EQ(kamus.Arti(QStringLiteral("read")), QStringLiteral("membaca "));
    EXPECT_EQ(ui.messages.size(), 2);
    EXPECT_EQ(Counters(), QVariant(QStringLiteral("0,0")));
    EXPECT_EQ(Value(QStringLiteral("SELECT count(*) FROM [indo-data]")), QVariant(qint64(2)));
}

TEST_F(KamusFailure, ALockedDictionaryIsStillReadAndTheChoiceServes)
{
    SetBusyTimeout(20);
    KamusData kamus;
    kamus.OpenAll();
    ASSERT_TRUE(kamus.Connected());
    ui.meaningAnswers = {QStringLiteral("baca\t1"), QStringLiteral("baca\t1"),
                         QStringLiteral("baca\t1")};
    {
        test::WriteLock lock(db);
        EXPECT_EQ(kamus.Arti(QStringLiteral("book")), QStringLiteral("buku "));
        EXPECT_EQ(kamus.Arti(QStringLiteral("read")), QStringLiteral("baca "));
        EXPECT_EQ(kamus.Arti(QStringLiteral("read")), QStringLiteral("baca "));
    }
    EXPECT_EQ(ui.messages,
              QStringList{QStringLiteral("the dictionary is locked by another program; your "
                                         "choices are not remembered (") +
                          db + QLatin1Char(')')});
    EXPECT_TRUE(ui.errorBoxes.isEmpty());
    // Once the other program is done, the choice is counted again.
    EXPECT_EQ(kamus.Arti(QStringLiteral("read")), QStringLiteral("baca "));
    EXPECT_EQ(Counters(), QVariant(QStringLiteral("0,1")));
}

TEST_F(KamusFailure, ADamagedDictionaryStopsAtTheFirstFailedRead)
{
    QFile::remove(db);
    db = test::CreateDamagedKamus(folder.path());

    KamusData kamus;
    kamus.OpenAll();
    ASSERT_TRUE(kamus.Connected()); // the tables look right
    kamus.m_UseStatistic(true);
    EXPECT_EQ(kamus.Arti(QStringLiteral("book")), QString());
    EXPECT_TRUE(g_StopFlag);
    EXPECT_EQ(kamus.Failure(), QStringLiteral("the dictionary \"%1\" cannot be read: database disk "
                                              "image is malformed")
                                   .arg(db));
    ASSERT_EQ(ui.errorBoxes.size(), 1);
    EXPECT_TRUE(ui.errorBoxes.at(0).contains(QStringLiteral("\r\nModule:KamusData\r\n")));

    // Nothing more is asked of the file, and nothing more is shown.
    QVariant rst = QStringLiteral("untouched");
    kamus.LoadRule1(rst);
    EXPECT_EQ(kamus.Arti(QStringLiteral("read")), QString());
    EXPECT_EQ(rst, QVariant(QStringLiteral("untouched")));
    EXPECT_EQ(ui.errorBoxes.size(), 1);
    EXPECT_TRUE(ui.meaningWords.isEmpty());
}

} // namespace
} // namespace tembusa
