// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/Connect.h"

#include <tembusa/KamusData.h>
#include <tembusa/TlrEngine.h>

#include "dictionary/Globals.h"
#include "platform/ScriptedUi.h"
#include "support/FixtureKamus.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace tembusa {
namespace {

class ConnectTest : public ::testing::Test
{
protected:
    test::TempFolder folder;
    ScriptedUi ui;
    ScriptedUi::Scope scope{ui};

    QString KamusPath() const { return folder.file(QStringLiteral("kamus.mdb")); }

    // Opening must leave a bad file exactly as it was.
    void ExpectRefused(const QByteArray& bytes, const QString& why)
    {
        KamusData kamus;
        kamus.OpenAll();
        EXPECT_FALSE(kamus.Connected());
        EXPECT_FALSE(g_IsConnected);
        ASSERT_EQ(ui.errorBoxes.size(), 1);
        EXPECT_TRUE(ui.errorBoxes.at(0).contains(why)) << ui.errorBoxes.at(0).toStdString();
        EXPECT_TRUE(ui.errorBoxes.at(0).endsWith(
            QStringLiteral("\r\nModule:DOConnect with \r\nFunction:Connect")));
        EXPECT_EQ(folder.Read(QStringLiteral("kamus.mdb")), bytes);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
                  QStringList{QStringLiteral("kamus.mdb")});
    }
};

TEST_F(ConnectTest, ErrorBoxHasFourLines)
{
    EXPECT_EQ(ErrorBoxText(-2147467259, QStringLiteral("boom"), QStringLiteral("KamusData"),
                           QStringLiteral("OpenAll")),
              QStringLiteral("Error Number:-2147467259\r\nError Message:boom\r\n"
                             "Module:KamusData\r\nFunction:OpenAll"));
}

TEST_F(ConnectTest, DefaultConnectionStringNamesTheApplicationFolder)
{
    const DOConnect connect;
    const QStringList pairs = connect.DefaultConnectionString().split(QLatin1Char(';'));
    ASSERT_EQ(pairs.size(), 18);
    EXPECT_EQ(pairs.at(1), QStringLiteral("User ID=Admin"));
    EXPECT_EQ(pairs.at(2), QStringLiteral("Data Source=") + KamusPath());
    EXPECT_EQ(pairs.at(3), QStringLiteral("Mode=Share Deny None"));
    EXPECT_EQ(pairs.at(4), QStringLiteral("Extended Properties=\"\""));
    EXPECT_EQ(pairs.at(17), QStringLiteral("Jet OLEDB:SFP=False"));
    EXPECT_EQ(
        ConnectionStringValue(connect.DefaultConnectionString(), QStringLiteral("data source")),
        KamusPath());
}

TEST_F(ConnectTest, MissingFileShowsOneErrorBoxAndCreatesNothing)
{
    TlrEngine engine;
    EXPECT_FALSE(engine.Connected());
    EXPECT_FALSE(engine.m_Connected());
    ASSERT_EQ(ui.errorBoxes.size(), 1);
    EXPECT_EQ(ui.errorBoxes.at(0),
              QStringLiteral("Error Number:14\r\nError Message:The dictionary file \"%1\" does not "
                             "exist.\r\nModule:DOConnect with \r\nFunction:Connect")
                  .arg(KamusPath()));
    EXPECT_FALSE(QFile::exists(KamusPath()));
    // The busy pointer was shown while opening and put back.
    EXPECT_EQ(ui.busyShown, 1);
    EXPECT_FALSE(ui.busy);
}

TEST_F(ConnectTest, RefusesFilesThatAreNoDictionary)
{
    struct Case
    {
        const char* name;
        QByteArray bytes;
        QString why;
    } const cases[] = {
        {"text file", QByteArray("this is not a database\n"), QStringLiteral("not a dictionary")},
        {"empty file", QByteArray(), QStringLiteral("has no table [indo-data]")},
        {"binary junk", QByteArray(4096, '\xff'), QStringLiteral("not a dictionary")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui.errorBoxes.clear();
        folder.Write(QStringLiteral("kamus.mdb"), c.bytes);
        ExpectRefused(c.bytes, c.why);
    }
}

TEST_F(ConnectTest, RefusesDatabasesWithoutTheFiveTables)
{
    struct Case
    {
        const char* name;
        QString sql;
        QString why;
    } const cases[] = {
        {"another program's database", QStringLiteral("CREATE TABLE notes(x);"),
         QStringLiteral("has no table [indo-data]")},
        {"a table without a column",
         QStringLiteral("DROP TABLE [Indo-Rule1]; CREATE TABLE [Indo-Rule1](English TEXT);"),
         QStringLiteral("The table [Indo-Rule1] of the dictionary")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui.errorBoxes.clear();
        QFile::remove(KamusPath());
        if (c.sql.contains(QStringLiteral("DROP")))
            test::CreateKamus(folder.path());
        test::ExecSql(KamusPath(), c.sql);
        ExpectRefused(folder.Read(QStringLiteral("kamus.mdb")), c.why);
    }
}

// A dictionary made by another program: the same tables and columns in
// other letter case, no collation, no indexes.
TEST_F(ConnectTest, OpensADictionaryMadeByAnotherProgram)
{
    test::ExecSql(KamusPath(),
                  QStringLiteral("CREATE TABLE [INDO-DATA](english, indo1, indo2, indo3, indo4, "
                                 "indo5, stat1, stat2, stat3, stat4, stat5);"
                                 "CREATE TABLE [indo-tolak](KATA); CREATE TABLE [indo-acuh](kata);"
                                 "CREATE TABLE [indo-rule1](english, typeba);"
                                 "CREATE TABLE [indo-unknown](english);"
                                 "INSERT INTO [indo-tolak] VALUES('Kg');"));
    KamusData kamus;
    kamus.OpenAll();
    EXPECT_TRUE(kamus.Connected());
    EXPECT_TRUE(ui.errorBoxes.isEmpty());
    EXPECT_EQ(kamus.Arti(QStringLiteral("kg")), QStringLiteral("kg"));
    EXPECT_EQ(kamus.Flag(), 5);
}

TEST_F(ConnectTest, ADictionaryLockedByAnotherProgramIsReportedAsSuch)
{
    const QString db = test::CreateKamus(folder.path());
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(db).constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    KamusData kamus;
    kamus.OpenAll();
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_FALSE(kamus.Connected());
    ASSERT_EQ(ui.errorBoxes.size(), 1);
    EXPECT_TRUE(ui.errorBoxes.at(0).contains(QStringLiteral("is locked by another program")));
}

TEST_F(ConnectTest, OpensAPathHoldingASemicolon)
{
    QDir(folder.path()).mkdir(QStringLiteral("a;b"));
    const QString db = test::CreateKamus(folder.file(QStringLiteral("a;b")));
    SetDictionaryPath(db);
    KamusData kamus;
    kamus.OpenAll();
    EXPECT_TRUE(kamus.Connected());
    EXPECT_TRUE(ui.errorBoxes.isEmpty());
}

TEST_F(ConnectTest, ASuccessAfterAFailureSetsIsConnectedAgain)
{
    DOConnect connect;
    EXPECT_FALSE(connect.Connect(QString(), 3));
    EXPECT_FALSE(connect.IsConnected());
    EXPECT_EQ(connect.ErrNumber(), 14);
    test::CreateKamus(folder.path());
    EXPECT_TRUE(connect.Connect(QString(), 3));
    EXPECT_TRUE(connect.IsConnected());
    EXPECT_TRUE(connect.ConnnectionObject()->IsOpen());
    EXPECT_EQ(connect.ConnnectionObject()->CursorLocation(), 3);

    // An explicit connection string names its own file in the error box.
    const QString other = BuildConnectionString(folder.file(QStringLiteral("none.mdb")));
    EXPECT_FALSE(connect.Connect(other, 3));
    EXPECT_TRUE(ui.errorBoxes.last().contains(QStringLiteral("Module:DOConnect with ") + other));
}

TEST_F(ConnectTest, DisconnectLeavesAnUnopenedConnection)
{
    test::CreateKamus(folder.path());
    DOConnect connect;
    ASSERT_TRUE(connect.Connect(QString(), 3));
    EXPECT_FALSE(connect.Disconnect());
    ASSERT_NE(connect.ConnnectionObject(), nullptr);
    EXPECT_FALSE(connect.ConnnectionObject()->IsOpen());
    connect.ConnnectionObject(nullptr);
    EXPECT_NE(connect.ConnnectionObject(), nullptr);
}

TEST_F(ConnectTest, TwoEnginesHoldTheirOwnConnections)
{
    const QString db = test::CreateKamus(folder.path());
    {
        TlrEngine first;
        TlrEngine second;
        EXPECT_TRUE(first.Connected());
        EXPECT_TRUE(second.Connected());
        first.InsertUnknown(QStringLiteral("one"));
        second.InsertUnknown(QStringLiteral("two"));
    }
    EXPECT_EQ(
        test::QueryValue(db, QStringLiteral("SELECT group_concat(English) FROM [indo-unknown]")),
        QVariant(QStringLiteral("one,two")));
}

TEST_F(ConnectTest, InsertUnknownStoresBackticksAndIgnoresFailures)
{
    const QString db = test::CreateKamus(folder.path());
    {
        KamusData kamus;
        kamus.OpenAll();
        kamus.InsertUnknown(QStringLiteral("isn't"));
    }
    EXPECT_EQ(test::QueryValue(db, QStringLiteral("SELECT English FROM [indo-unknown]")),
              QVariant(QStringLiteral("isn`t")));

    // Without a connection the insert fails quietly.
    KamusData closed;
    closed.InsertUnknown(QStringLiteral("lost"));
    EXPECT_TRUE(ui.errorBoxes.isEmpty());
}

TEST_F(ConnectTest, RefusedInsertIsIgnoredQuietly)
{
    const QString db = test::CreateKamus(folder.path());
    test::ExecSql(db, QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON [indo-unknown] "
                                     "BEGIN SELECT RAISE(ABORT, 'refused'); END;"));
    KamusData kamus;
    kamus.OpenAll();
    ASSERT_TRUE(kamus.Connected());
    kamus.InsertUnknown(QStringLiteral("word"));
    EXPECT_TRUE(ui.errorBoxes.isEmpty());
    EXPECT_EQ(test::QueryValue(db, QStringLiteral("SELECT count(*) FROM [indo-unknown]")),
              QVariant(qint64(0)));
}

} // namespace
} // namespace tembusa
