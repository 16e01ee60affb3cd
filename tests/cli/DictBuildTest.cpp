// SPDX-License-Identifier: GPL-3.0-or-later
// Importing a dictd dictionary and building the default dictionary, run
// through the real program on a small dictionary written here.
#include "Dictzip.h"
#include "support/FixtureKamus.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace tembusa {
namespace {

using test::DictdNumber;
using test::Dictzip;

struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

CliRun Tembusa(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(TEMBUSA_CLI_PATH), args);
    EXPECT_TRUE(process.waitForStarted());
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

struct Entry
{
    const char* key; // the index's folded headword
    const char* text;
};

// Entries as dictfmt writes FreeDict's: a header line with pronunciation and
// part of speech, translation lines ("1. " for each of several senses, gloss
// numbers glued to their end) and English gloss lines.
const Entry kEntries[] = {
    {"00databaseshort", "00-database-short\n  Test English-Indonesian\n"},
    {"a little", "a little /\xc9\x99 \xcb\x88l\xc9\xaatl/ <adv>\nsedikit\nto a small extent\n"},
    {"adams apple", "Adam's apple /\xcb\x88\xc3\xa6"
                    "d\xc9\x99mz/ <n>\njakun\n"},
    {"book", "book //b\xca\x8ak// <n>\nbuku, kitab 2.\ncollection of sheets of paper\n 3.\n"
             "major division of a work\n"},
    {"book", "book //b\xca\x8ak// <v>\npesan, buku\nto reserve\n"},
    {"drive", "drive /dra\xc9\xaav/ <v>\n[[kemudi|mengemudikan]], menyetir\n"},
    {"go", "go /\xc9\xa1o\xca\x8a/ <n>\nigo, go\nboard game\n"},
    {"good", "good //\xc9\xa1\xca\x8a"
             "d// <adj>\n1. baik, bagus\nacting in the interest of "
             "good\n2. bagus, manis 2.\nbeneficial\n 3.\nfavourable\n3. elok\nuseful\n"},
    {"less", "less //l\xc9\x99s// <suffix>\nir-\nlacking\n"},
    {"run", "run //\xc9\xb9\xca\x8cn// <v>\n1. menjalankan 2.\nto be in charge of\n 3.\nto "
            "execute\n2. berlari\nto move quickly\n3. mengalir, berlari\nto flow\n4. lari, "
            "jalan\non two feet\n5. berpacu\nto race\n"},
    {"zebra", "zebra /\xcb\x88zi\xcb\x90"
              "br\xc9\x99/ <n>\n\n"},
};

struct Fixture
{
    QByteArray index;
    QByteArray data;
};

Fixture MakeFixture()
{
    Fixture fixture;
    QByteArray text;
    for (const Entry& entry : kEntries) {
        const QByteArray body(entry.text);
        fixture.index += QByteArray(entry.key) + '\t' + DictdNumber(text.size()) + '\t' +
                         DictdNumber(body.size()) + '\n';
        text += body;
    }
    fixture.data = Dictzip(text);
    return fixture;
}

QVariant Meaning(const QString& db, const QString& english, int n)
{
    return test::QueryValue(
        db,
        QStringLiteral("SELECT Indo%1 FROM [indo-data] WHERE English = '%2'").arg(n).arg(english));
}

class DictImport : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const Fixture fixture = MakeFixture();
        folder.Write(QStringLiteral("t.index"), fixture.index);
        folder.Write(QStringLiteral("t.dict.dz"), fixture.data);
    }

    CliRun Import(const QString& index, const QString& data, const QString& db)
    {
        return Tembusa({QStringLiteral("dict"), QStringLiteral("import-freedict"),
                        folder.file(index), folder.file(data), QStringLiteral("--db"), db});
    }

    test::TempFolder folder;
};

TEST_F(DictImport, ExtractsTheTranslationsOfEachHeadword)
{
    const QString db = folder.file(QStringLiteral("new.mdb")); // created by the import
    const CliRun run = Import(QStringLiteral("t.index"), QStringLiteral("t.dict.dz"), db);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("9 headwords read, 7 rows written, 2 skipped (1 prefixes "
                                      "and suffixes, 1 without translation, 0 already in the "
                                      "dictionary)\n"));
    EXPECT_TRUE(run.err.isEmpty()) << "no progress bar without a terminal";

    struct Case
    {
        const char* name;
        QString english;
        QStringList meanings;
    } const cases[] = {
        {"one sense, gloss left out", QStringLiteral("a little"), {QStringLiteral("sedikit")}},
        {"headword as written, apostrophe stored as backtick",
         QStringLiteral("Adam`s apple"),
         {QStringLiteral("jakun")}},
        {"entries merged, gloss number removed, duplicate dropped",
         QStringLiteral("book"),
         {QStringLiteral("buku"), QStringLiteral("kitab"), QStringLiteral("pesan")}},
        {"wiki link reduced to its text",
         QStringLiteral("drive"),
         {QStringLiteral("mengemudikan"), QStringLiteral("menyetir")}},
        {"numbered senses in order",
         QStringLiteral("good"),
         {QStringLiteral("baik"), QStringLiteral("bagus"), QStringLiteral("manis"),
          QStringLiteral("elok")}},
        {"at most five",
         QStringLiteral("run"),
         {QStringLiteral("menjalankan"), QStringLiteral("berlari"), QStringLiteral("mengalir"),
          QStringLiteral("lari"), QStringLiteral("jalan")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int n = 1; n <= 5; ++n) {
            const QVariant expected =
                n <= c.meanings.size() ? QVariant(c.meanings.at(n - 1)) : QVariant();
            EXPECT_EQ(Meaning(db, c.english, n), expected) << "Indo" << n;
        }
    }
    EXPECT_EQ(test::QueryValue(db, QStringLiteral("SELECT Stat1 + Stat2 + Stat3 + Stat4 + Stat5 "
                                                  "FROM [indo-data] WHERE English = 'run'")),
              QVariant(qint64(0)));
    EXPECT_EQ(test::QueryValue(db, QStringLiteral("SELECT count(*) FROM [indo-data] WHERE "
                                                  "English IN ('zebra', 'less', "
                                                  "'00-database-short', '00databaseshort')")),
              QVariant(qint64(0)))
        << "no translation, an affix, the dictionary's own header";
}

TEST_F(DictImport, KeepsTheRowsTheDictionaryHolds)
{
    const QString db = test::CreateKamus(folder.path());
    test::ExecSql(db, QStringLiteral("INSERT INTO [indo-data](English, Indo1, Stat1) "
                                     "VALUES('Book', 'kitab suci', 7)"));
    const CliRun run = Import(QStringLiteral("t.index"), QStringLiteral("t.dict.dz"), db);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("6 rows written")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("1 already in the dictionary")));
    EXPECT_EQ(test::QueryValue(db, QStringLiteral("SELECT count(*) FROM [indo-data] WHERE "
                                                  "English = 'book' COLLATE NOCASE")),
              QVariant(qint64(1)));
    EXPECT_EQ(Meaning(db, QStringLiteral("Book"), 1), QVariant(QStringLiteral("kitab suci")));
}

TEST_F(DictImport, BadInputNamesTheFileAndLeavesTheDatabaseUnchanged)
{
    const QString db = test::CreateKamus(folder.path());
    test::ExecSql(db, QStringLiteral("INSERT INTO [indo-data](English, Indo1) VALUES('x', 'y')"));
    const QByteArray before = folder.Read(QStringLiteral("kamus.mdb"));
    const Fixture good = MakeFixture();
    const QByteArray farOffset = "book\t" + DictdNumber(good.data.size() * 50) + "\tB\n";

    struct Case
    {
        const char* name;
        QByteArray index; // empty: no file
        QByteArray data;  // empty: no file
        QString message;
    } const cases[] = {
        {"missing index", {}, good.data, QStringLiteral("bad.index\": the file does not exist")},
        {"missing data", good.index, {}, QStringLiteral("bad.dict.dz\": the file does not exist")},
        {"empty index", QByteArray("\n"), good.data,
         QStringLiteral("bad.index:1: cannot read the line")},
        {"index cut inside a line", good.index.left(good.index.size() - 5), good.data,
         QStringLiteral("bad.index:11: cannot read the line")},
        {"line that does not parse", "a little\tA\tB\nbook\tC!\tD\n", good.data,
         QStringLiteral("bad.index:2: cannot read the line \"book\tC!\tD\"")},
        {"offset past the end of the data", "a little\tA\tB\n" + farOffset, good.data,
         QStringLiteral("bad.index:2: the entry \"book\"")},
        {"truncated data", good.index, good.data.left(good.data.size() / 2),
         QStringLiteral("bad.dict.dz: the compressed data ends early")},
        {"data that is not dictzip", good.index, QByteArray("book\nbuku\n"),
         QStringLiteral("bad.dict.dz: not a readable dictzip (gzip) file")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(folder.file(QStringLiteral("bad.index")));
        QFile::remove(folder.file(QStringLiteral("bad.dict.dz")));
        if (!c.index.isEmpty())
            folder.Write(QStringLiteral("bad.index"), c.index);
        if (!c.data.isEmpty())
            folder.Write(QStringLiteral("bad.dict.dz"), c.data);
        const CliRun run = Import(QStringLiteral("bad.index"), QStringLiteral("bad.dict.dz"), db);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_EQ(folder.Read(QStringLiteral("kamus.mdb")), before);

        const QString fresh = folder.file(QStringLiteral("fresh.mdb"));
        EXPECT_EQ(
            Import(QStringLiteral("bad.index"), QStringLiteral("bad.dict.dz"), fresh).exitCode, 1);
        EXPECT_FALSE(QFile::exists(fresh)) << "a failed import leaves no new file";
    }
}

class DictBuild : public DictImport
{
protected:
    CliRun Build(QStringList options)
    {
        options.prepend(QStringLiteral("build"));
        options.prepend(QStringLiteral("dict"));
        return Tembusa(options << QStringLiteral("--db") << db);
    }

    QString db = folder.file(QStringLiteral("kamus.mdb"));
};

TEST_F(DictBuild, CoreListsTakePrecedenceOverFreeDict)
{
    const CliRun run = Build({QStringLiteral("--freedict"), folder.file(QStringLiteral("t"))});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("built \"%1\": ").arg(db)));
    EXPECT_TRUE(run.out.contains(QStringLiteral(" from FreeDict)")));

    EXPECT_EQ(Meaning(db, QStringLiteral("go"), 1), QVariant(QStringLiteral("pergi")))
        << "the core list's row, not FreeDict's igo";
    EXPECT_EQ(Meaning(db, QStringLiteral("Adam`s apple"), 1), QVariant(QStringLiteral("jakun")));
    EXPECT_EQ(Meaning(db, QStringLiteral("don`t"), 1), QVariant(QStringLiteral("tidak")));
    // One row from each of the other lists.
    EXPECT_EQ(Meaning(db, QStringLiteral("width"), 1), QVariant(QStringLiteral("lebar")));
    EXPECT_EQ(Meaning(db, QStringLiteral("failed"), 1), QVariant(QStringLiteral("gagal")))
        << "whole, not di + the meaning of fail";
    EXPECT_EQ(Meaning(db, QStringLiteral("file system"), 1),
              QVariant(QStringLiteral("sistem berkas")));
    EXPECT_EQ(test::QueryValue(db, QStringLiteral("SELECT count(*) FROM [indo-data] WHERE "
                                                  "English = 'go' COLLATE NOCASE")),
              QVariant(qint64(1)));
    EXPECT_EQ(test::QueryValue(db, QStringLiteral("SELECT TypeBA FROM [Indo-Rule1] WHERE "
                                                  "English = 'my'")),
              QVariant(QStringLiteral("A")));
    EXPECT_EQ(test::QueryValue(db, QStringLiteral("SELECT count(*) FROM [indo-tolak] WHERE "
                                                  "kata = 'km'")),
              QVariant(qint64(1)));
    EXPECT_FALSE(QFile::exists(db + QStringLiteral(".building")));
}

TEST_F(DictBuild, NeverOverwritesADictionaryUnlessAskedAndKeepsABackup)
{
    test::CreateKamus(folder.path());
    test::ExecSql(db, QStringLiteral("INSERT INTO [indo-data](English, Indo1, Stat1) "
                                     "VALUES('kata saya', 'learned', 3)"));
    const QByteArray learned = folder.Read(QStringLiteral("kamus.mdb"));

    CliRun run = Build({QStringLiteral("--no-freedict")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("exists already"))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("--replace")));
    EXPECT_EQ(folder.Read(QStringLiteral("kamus.mdb")), learned);

    run = Build({QStringLiteral("--no-freedict"), QStringLiteral("--replace")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("0 from FreeDict")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("kept as \"%1.bak\"").arg(db)));
    EXPECT_EQ(folder.Read(QStringLiteral("kamus.mdb.bak")), learned);
    EXPECT_EQ(Meaning(db, QStringLiteral("book"), 1), QVariant(QStringLiteral("buku")));
    EXPECT_EQ(Meaning(db, QStringLiteral("kata saya"), 1), QVariant());

    run = Build({QStringLiteral("--no-freedict"), QStringLiteral("--replace")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("kept as \"%1.bak.1\"").arg(db)));
    EXPECT_EQ(folder.Read(QStringLiteral("kamus.mdb.bak")), learned) << "an older backup stays";
}

TEST_F(DictBuild, RefusesMissingSourcesAndWrongUsage)
{
    struct Case
    {
        const char* name;
        QStringList options;
        int exitCode;
        QString message;
    } const cases[] = {
        {"FreeDict named but missing",
         {QStringLiteral("--freedict"), folder.file(QStringLiteral("none"))},
         1,
         QStringLiteral("none.index\": the file does not exist")},
        {"both FreeDict options",
         {QStringLiteral("--freedict"), folder.file(QStringLiteral("t")),
          QStringLiteral("--no-freedict")},
         2,
         QStringLiteral("exclude each other")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun run = Build(c.options);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(db));
        EXPECT_FALSE(QFile::exists(db + QStringLiteral(".building")));
    }
    for (const char* command : {"import-freedict", "build"}) {
        const CliRun help = Tembusa(
            {QStringLiteral("dict"), QString::fromLatin1(command), QStringLiteral("--help")});
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_TRUE(help.out.startsWith(QStringLiteral("usage: tembusa dict ") +
                                        QString::fromLatin1(command)));
    }
}

} // namespace
} // namespace tembusa
