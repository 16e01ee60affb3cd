// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line contract, run through the real program.
#include "support/FixtureKamus.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace tembusa {
namespace {

struct CliRun
{
    int exitCode = -1;
    QByteArray out;
    QString err;
};

CliRun Tembusa(const QStringList& args, const QByteArray& input = QByteArray())
{
    QProcess process;
    process.start(QStringLiteral(TEMBUSA_CLI_PATH), args);
    EXPECT_TRUE(process.waitForStarted());
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
}

TEST(Cli, ListPrintsExactlyTheListing)
{
    test::TempFolder folder;
    folder.Write(QStringLiteral("in.txt"), QByteArray("Hi. Bye"));
    const QString file = folder.file(QStringLiteral("in.txt"));
    struct Case
    {
        const char* kind;
        QByteArray out;
    } const cases[] = {
        {"paragraphs", "\r\n1,8-Hi. Bye"},
        {"sentences", "\r\n1,4-Hi.\r\n5,8-Bye"},
        {"words", "\r\n1,3-Hi\r\n3,4-.\r\n5,8-Bye"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const CliRun run = Tembusa({QStringLiteral("list"), QString::fromLatin1(c.kind), file});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.out, c.out);
        EXPECT_TRUE(run.err.isEmpty());
    }
}

TEST(Cli, ListReadsStandardInputAndDecodesLegacyText)
{
    // Windows-1252 input comes out as UTF-8; a NUL byte is just a character.
    const CliRun run =
        Tembusa({QStringLiteral("list"), QStringLiteral("words")}, QByteArray("caf\xe9 a\0b", 8));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QByteArray("\r\n1,5-caf\xc3\xa9\r\n6,9-a\0b", 20));

    // UTF-8 with a stray byte stays UTF-8, and the client says so.
    const CliRun stray =
        Tembusa({QStringLiteral("list"), QStringLiteral("words")}, QByteArray("caf\xc3\xa9 \xff"));
    EXPECT_EQ(stray.out, QByteArray("\r\n1,5-caf\xc3\xa9\r\n6,7-\xef\xbf\xbd"));
    EXPECT_EQ(stray.err, QStringLiteral("tembusa: standard input is UTF-8 apart from a few bytes "
                                        "that are not; they were read as U+FFFD\n"));

    const CliRun empty = Tembusa({QStringLiteral("list"), QStringLiteral("sentences")});
    EXPECT_EQ(empty.exitCode, 0);
    EXPECT_TRUE(empty.out.isEmpty());
}

TEST(Cli, FailuresAndWrongUsage)
{
    test::TempFolder folder;
    struct Case
    {
        const char* name;
        QStringList args;
        int exitCode;
        QString message;
    } const cases[] = {
        {"missing file",
         {QStringLiteral("list"), QStringLiteral("words"), folder.file(QStringLiteral("nope.txt"))},
         1,
         QStringLiteral("nope.txt\": the file does not exist")},
        {"folder as file",
         {QStringLiteral("list"), QStringLiteral("words"), folder.path()},
         1,
         QStringLiteral("is a folder")},
        {"unknown listing",
         {QStringLiteral("list"), QStringLiteral("lines")},
         2,
         QStringLiteral("unknown listing")},
        {"no command", {}, 2, QStringLiteral("missing command")},
        {"unknown command", {QStringLiteral("fly")}, 2, QStringLiteral("unknown command")},
        {"unknown option",
         {QStringLiteral("list"), QStringLiteral("--fast"), QStringLiteral("words")},
         2,
         QStringLiteral("unknown option --fast")},
        {"dict without command",
         {QStringLiteral("dict")},
         2,
         QStringLiteral("missing dictionary command")},
        {"create in a missing folder",
         {QStringLiteral("dict"), QStringLiteral("create"),
          folder.file(QStringLiteral("no/k.mdb"))},
         1,
         QStringLiteral("the folder does not exist")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun run = Tembusa(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
    }
}

TEST(Cli, EveryCommandAnswersHelp)
{
    for (const QStringList& args : {QStringList{QStringLiteral("--help")},
                                    QStringList{QStringLiteral("list"), QStringLiteral("--help")},
                                    QStringList{QStringLiteral("dict"), QStringLiteral("create"),
                                                QStringLiteral("--help")}}) {
        SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
        const CliRun run = Tembusa(args);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_TRUE(run.out.startsWith("usage: tembusa"));
    }
    const CliRun version = Tembusa({QStringLiteral("--version")});
    EXPECT_EQ(version.out, QByteArray("tembusa " TEMBUSA_VERSION_STRING "\n"));
}

TEST(Cli, TranslateAndLookupThroughAGivenDictionary)
{
    test::TempFolder folder;
    const QString db = folder.file(QStringLiteral("small.mdb"));
    ASSERT_EQ(Tembusa({QStringLiteral("dict"), QStringLiteral("create"), db}).exitCode, 0);
    test::ExecSql(
        db, QStringLiteral("INSERT INTO [indo-data](English, Indo1, Indo2, Stat1, Stat2) VALUES"
                           " ('hello','halo',NULL,0,0), ('world','dunia',NULL,0,0),"
                           " ('read','membaca','baca',1,3), ('this','ini',NULL,0,0),"
                           " ('book','buku',NULL,0,0);"
                           "INSERT INTO [Indo-Rule1] VALUES ('this','A');"));
    folder.Write(QStringLiteral("in.txt"), "Hello world.\nI read this book, zork.\n");
    const QString unknown = folder.file(QStringLiteral("unknown.txt"));
    const CliRun run =
        Tembusa({QStringLiteral("translate"), QStringLiteral("--db"), db,
                 QStringLiteral("--unknown"), unknown, folder.file(QStringLiteral("in.txt"))});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    // Statistics choose "baca"; "this" moves behind "book"; "zork" stays.
    EXPECT_EQ(run.out, QByteArray("Halo dunia. \nI baca buku ini, zork. \n"));
    EXPECT_TRUE(run.err.isEmpty());
    EXPECT_EQ(folder.Read(QStringLiteral("unknown.txt")), QByteArray("zork\n"));

    // --natural: the command form at the start, a single blank for "the".
    const CliRun natural = Tembusa(
        {QStringLiteral("translate"), QStringLiteral("--db"), db, QStringLiteral("--natural")},
        "Read the book.\n");
    ASSERT_EQ(natural.exitCode, 0) << natural.err.toStdString();
    EXPECT_EQ(natural.out, QByteArray("Baca buku. \n"));

    const CliRun lookup =
        Tembusa({QStringLiteral("lookup"), QStringLiteral("--db"), db, QStringLiteral("Hello"),
                 QStringLiteral("zork"), QStringLiteral("42")});
    EXPECT_EQ(lookup.exitCode, 0);
    EXPECT_EQ(lookup.out, QByteArray("Halo \t4\n\t100\n\t3\n"));

    const CliRun missing = Tembusa({QStringLiteral("translate"), QStringLiteral("--db"),
                                    folder.file(QStringLiteral("none.mdb"))},
                                   "Hello");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_TRUE(missing.err.contains(QStringLiteral("none.mdb\" does not exist")));
}

TEST(Cli, ADamagedDictionaryEndsTheCommandWithOneLine)
{
    test::TempFolder folder;
    const QString db = test::CreateDamagedKamus(folder.path());
    const QString line =
        QStringLiteral("tembusa: the dictionary \"%1\" cannot be read: database disk image is "
                       "malformed\n")
            .arg(db);

    const CliRun translate = Tembusa({QStringLiteral("translate"), QStringLiteral("--db"), db},
                                     "The dog runs. The cat sleeps.\nThe man reads.\n");
    EXPECT_EQ(translate.exitCode, 1);
    EXPECT_TRUE(translate.out.isEmpty());
    EXPECT_EQ(translate.err, line);

    // A failed query is never "found".
    const CliRun lookup =
        Tembusa({QStringLiteral("lookup"), QStringLiteral("--db"), db, QStringLiteral("word1")});
    EXPECT_EQ(lookup.exitCode, 1);
    EXPECT_TRUE(lookup.out.isEmpty());
    EXPECT_EQ(lookup.err, line);
}

TEST(Cli, DictCreateMakesAnEmptyDictionaryAndNeverReplacesOne)
{
    test::TempFolder folder;
    const QString db = folder.file(QStringLiteral("new.mdb"));
    CliRun run = Tembusa({QStringLiteral("dict"), QStringLiteral("create"), db});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    test::ExecSql(db,
                  QStringLiteral("INSERT INTO [indo-data](English, Indo1) VALUES('book','buku')"));
    EXPECT_EQ(test::QueryValue(db, QStringLiteral("SELECT Stat3 FROM [indo-data]")),
              QVariant(qint64(0)));
    const QByteArray before = folder.Read(QStringLiteral("new.mdb"));

    run = Tembusa({QStringLiteral("dict"), QStringLiteral("create"), db});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("already exists")));
    EXPECT_EQ(folder.Read(QStringLiteral("new.mdb")), before);
}

} // namespace
} // namespace tembusa
