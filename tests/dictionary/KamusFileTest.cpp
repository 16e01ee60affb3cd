// SPDX-License-Identifier: GPL-3.0-or-later
#include <tembusa/KamusFile.h>

#include <tembusa/Collection.h>
#include <tembusa/Error.h>

#include "dictionary/FileKamus.h"
#include "platform/ScriptedUi.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace tembusa {
namespace {

const QString kIndo = QStringLiteral("Kamus-indo.txt");
const QString kTolak = QStringLiteral("Kamus-indo-tolak.txt");
const QString kIdiom = QStringLiteral("Kamus-indo-idiom.txt");

QStringList Pairs(Collection& collection)
{
    QStringList pairs;
    for (qint32 i = 1; i <= collection.XCount(); ++i)
        pairs.append(collection.XKey(i) + QLatin1Char('=') + collection.XItem(i));
    return pairs;
}

class KamusFileTest : public ::testing::Test
{
protected:
    test::TempFolder folder;
    ScriptedUi ui;
    ScriptedUi::Scope scope{ui};
    KamusFile kamus;

    void SetUp() override { ResetKamusCollections(); }
    void TearDown() override { ResetKamusCollections(); }

    void WriteAll(const QByteArray& indo, const QByteArray& tolak, const QByteArray& idiom)
    {
        folder.Write(kIndo, indo);
        folder.Write(kTolak, tolak);
        folder.Write(kIdiom, idiom);
    }
};

TEST_F(KamusFileTest, MissingFilesAreCreatedEmptyAndLoadNothing)
{
    KamusIndo().XAdd(QStringLiteral("lama"), QStringLiteral("old"));
    kamus.BukaFileKamus();
    for (const QString& name : {kIndo, kTolak, kIdiom}) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(QFileInfo(folder.file(name)).isFile());
        EXPECT_EQ(folder.Read(name), QByteArray());
    }
    EXPECT_EQ(KamusIndo().XCount(), 0);
    EXPECT_TRUE(ui.errorBoxes.isEmpty());
    EXPECT_EQ(ui.busyShown, 1);
    EXPECT_FALSE(ui.busy);
}

TEST_F(KamusFileTest, LinesBecomePairsAndAreWrittenBackNormalised)
{
    WriteAll("Book\tbuku\r\nSmith\r\n\r\nHouse\trumah\textra\r\n", "word\tKATA\r\nsolo\r\n",
             // Line feeds alone, Windows-1252, no final line break.
             "kick the bucket\tmeninggal\ncaf\xe9\tkafe");
    kamus.BukaFileKamus();
    EXPECT_EQ(Pairs(KamusIndo()), QStringList({"book=buku", "smith=SMITH", "house=rumah"}));
    EXPECT_EQ(Pairs(KamusTolak()), QStringList({"word=KATA", "solo=SOLO"}));
    EXPECT_EQ(Pairs(KamusIdiom()), QStringList({QStringLiteral("kick the bucket=meninggal"),
                                                QStringLiteral(u"caf\u00e9=kafe")}));
    EXPECT_TRUE(ui.errorBoxes.isEmpty());

    kamus.SaveAll();
    const QByteArray indo = "book\tbuku\r\nsmith\tSMITH\r\nhouse\trumah\r\n";
    const QByteArray tolak = "KATA\r\nSOLO\r\n";
    const QByteArray idiom = "kick the bucket\tmeninggal\r\ncaf\xc3\xa9\tkafe\r\n";
    EXPECT_EQ(folder.Read(kIndo), indo);
    EXPECT_EQ(folder.Read(kTolak), tolak);
    EXPECT_EQ(folder.Read(kIdiom), idiom);
    // The temporary files stay beside them with the same content.
    EXPECT_EQ(folder.Read(QStringLiteral("Kamus-indo.$$$")), indo);
    EXPECT_EQ(folder.Read(QStringLiteral("Kamus-indo-tolak.$$$")), tolak);
    EXPECT_EQ(folder.Read(QStringLiteral("Kamus-indo-idiom.$$$")), idiom);
}

TEST_F(KamusFileTest, SecondLoadReplacesInsteadOfDoubling)
{
    WriteAll("a\t1\r\nb\t2\r\n", "x\r\n", QByteArray());
    kamus.BukaFileKamus();
    KamusFile().BukaFileKamus();
    EXPECT_EQ(Pairs(KamusIndo()), QStringList({"a=1", "b=2"}));
    EXPECT_EQ(Pairs(KamusTolak()), QStringList({"x=X"}));
}

TEST_F(KamusFileTest, ReadingShowsProgressThatWrapsEveryThousandLines)
{
    QByteArray lines;
    for (int i = 1; i <= 2100; ++i)
        lines += "w" + QByteArray::number(i) + "\tm\r\n";
    WriteAll(lines, QByteArray(), QByteArray());
    kamus.BukaFileKamus();
    EXPECT_EQ(KamusIndo().XCount(), 2100);
    EXPECT_EQ(KamusIndo().XKey(2100), QStringLiteral("w2100"));

    // The first file's reading: show, max 1000, then one value per line.
    ASSERT_GE(ui.progressLog.size(), 2102);
    EXPECT_EQ(ui.progressLog.at(0), QStringLiteral("show"));
    EXPECT_EQ(ui.progressLog.at(1), QStringLiteral("max 1000"));
    EXPECT_EQ(ui.progressLog.at(1 + 999), QStringLiteral("value 999"));
    EXPECT_EQ(ui.progressLog.at(1 + 1000), QStringLiteral("value 0"));
    EXPECT_EQ(ui.progressLog.at(1 + 1001), QStringLiteral("value 1"));
    EXPECT_EQ(ui.progressLog.at(1 + 2000), QStringLiteral("value 0"));
    EXPECT_EQ(ui.progressLog.at(1 + 2100), QStringLiteral("value 100"));
    EXPECT_EQ(ui.progressLog.at(2 + 2100), QStringLiteral("close"));
    EXPECT_EQ(ui.progressLog.count(QStringLiteral("show")), 3);
    EXPECT_EQ(ui.progressLog.count(QStringLiteral("close")), 3);
    EXPECT_EQ(ui.eventsProcessed, 2100);

    kamus.SaveAll();
    EXPECT_EQ(folder.Read(kIndo), lines);
}

TEST_F(KamusFileTest, LineThatCannotBeReadIsReportedAndEarlierPairsStay)
{
    const char indo[] = "a\t1\r\nb\t2\r\nbad\0line\t3\r\nc\t4\r\n";
    WriteAll(QByteArray(indo, sizeof(indo) - 1), "x\r\n", "i\tj\r\n");
    kamus.BukaFileKamus();
    ASSERT_EQ(ui.errorBoxes.size(), 1);
    const QString box = ui.errorBoxes.at(0);
    EXPECT_TRUE(box.contains(folder.file(kIndo))) << box.toStdString();
    EXPECT_TRUE(box.contains(QStringLiteral("line 3"))) << box.toStdString();
    EXPECT_TRUE(box.endsWith(QStringLiteral(u"\nbad\u2400line\t3"))) << box.toStdString();
    EXPECT_EQ(Pairs(KamusIndo()), QStringList({"a=1", "b=2"}));
    // The files after it are still read, and no progress window stays open.
    EXPECT_EQ(Pairs(KamusTolak()), QStringList({"x=X"}));
    EXPECT_EQ(Pairs(KamusIdiom()), QStringList({"i=j"}));
    EXPECT_EQ(ui.progressLog.count(QStringLiteral("show")),
              ui.progressLog.count(QStringLiteral("close")));
}

TEST_F(KamusFileTest, FileThatCannotBeOpenedStopsTheLoading)
{
    folder.Write(kIndo, "a\t1\r\n");
    folder.Write(kIdiom, "i\tj\r\n");
    ASSERT_TRUE(QDir(folder.path()).mkdir(kTolak));
    KamusIdiom().XAdd(QStringLiteral("lama"), QStringLiteral("old"));
    kamus.BukaFileKamus();

    // One box for the file that could not be created, one for the reading.
    ASSERT_EQ(ui.errorBoxes.size(), 2);
    EXPECT_TRUE(ui.errorBoxes.at(0).contains(folder.file(kTolak)));
    EXPECT_TRUE(ui.errorBoxes.at(1).contains(folder.file(kTolak)));
    EXPECT_EQ(Pairs(KamusIndo()), QStringList({"a=1"}));
    EXPECT_EQ(Pairs(KamusIdiom()), QStringList({"old=lama"}));
    EXPECT_FALSE(ui.busy);
}

TEST_F(KamusFileTest, SavingEmptyCollectionsWritesEmptyFiles)
{
    WriteAll("a\t1\r\n", "x\r\n", "i\tj\r\n");
    kamus.SaveAll();
    for (const QString& name : {kIndo, kTolak, kIdiom}) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(QFileInfo(folder.file(name)).isFile());
        EXPECT_EQ(folder.Read(name), QByteArray());
    }
}

TEST_F(KamusFileTest, SaveShowsEachFileInTheProgressWindow)
{
    KamusIndo().XAdd(QStringLiteral("buku"), QStringLiteral("book"));
    KamusIndo().XAdd(QStringLiteral("rumah"), QStringLiteral("house"));
    KamusIdiom().XAdd(QStringLiteral("j"), QStringLiteral("i"));
    kamus.SaveAll();
    EXPECT_EQ(ui.progressLog,
              QStringList({"show", "status Simpan file kamus...Tunggu.", "value 0", "max 3",
                           "value 1", "value 2", "status Simpan file kamus tolak...Tunggu.",
                           "value 0", "max 1", "status Simpan file kamus idiom...Tunggu.",
                           "value 0", "max 2", "value 1", "close"}));
}

TEST_F(KamusFileTest, FieldsKeepTheLineFormatWhenWritten)
{
    KamusIndo().XAdd(QStringLiteral("two\tparts\nand a line"), QStringLiteral("odd\tkey"));
    kamus.SaveAll();
    EXPECT_EQ(folder.Read(kIndo), QByteArray("odd key\ttwo parts and a line\r\n"));
}

TEST_F(KamusFileTest, FailedSaveLeavesTheOldFileInPlace)
{
    const struct
    {
        const char* name;
        QString blocked; // made a folder, so it cannot be written
        QString intact;  // text file that must keep its old content
    } cases[] = {
        {"temporary file", QStringLiteral("Kamus-indo-tolak.$$$"), kTolak},
        {"text file's place", QStringLiteral("Kamus-indo-idiom.txt"), QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder caseFolder;
        ScriptedUi caseUi;
        ScriptedUi::Scope caseScope(caseUi);
        caseFolder.Write(kIndo, "old\tlama\r\n");
        caseFolder.Write(kTolak, "OLD\r\n");
        ASSERT_TRUE(QDir(caseFolder.path()).mkpath(c.blocked + QStringLiteral("/inside")));
        ResetKamusCollections();
        KamusIndo().XAdd(QStringLiteral("baru"), QStringLiteral("new"));
        KamusTolak().XAdd(QStringLiteral("NEW"), QStringLiteral("new"));
        KamusIdiom().XAdd(QStringLiteral("j"), QStringLiteral("i"));
        try {
            KamusFile().SaveAll();
            ADD_FAILURE() << "no error";
        } catch (const Error& error) {
            EXPECT_EQ(error.number(), 75);
            EXPECT_TRUE(error.description().contains(caseFolder.file(c.blocked)))
                << error.description().toStdString();
        }
        // Files before the failure are replaced, the failing one is not.
        EXPECT_EQ(caseFolder.Read(kIndo), QByteArray("new\tbaru\r\n"));
        if (!c.intact.isEmpty()) {
            EXPECT_EQ(caseFolder.Read(c.intact), QByteArray("OLD\r\n"));
        }
        EXPECT_TRUE(QFileInfo(caseFolder.file(c.blocked)).isDir());
        EXPECT_EQ(caseUi.progressLog.last(), QStringLiteral("close"));
        // Nothing half written is left beside the files.
        const QStringList left = QDir(caseFolder.path()).entryList(QDir::Files);
        for (const QString& name : left)
            EXPECT_TRUE(name.endsWith(QStringLiteral(".txt")) ||
                        name.endsWith(QStringLiteral(".$$$")))
                << name.toStdString();
    }
}

TEST_F(KamusFileTest, TampilKamusShowsTheWindowWithoutWaiting)
{
    kamus.TampilKamus();
    EXPECT_EQ(ui.kamusShown, QList<bool>({false}));
}

// The TEN01 block of the header line.
QByteArray ExpectedTenBlock(const QByteArray& header)
{
    QByteArray block(200, '\0');
    block[0] = 8;
    block[2] = static_cast<char>(header.size() + 1);
    block[4] = static_cast<char>(header.size());
    block.replace(5, header.size(), header);
    return block;
}

TEST_F(KamusFileTest, TenBlockOnANewFileIsExactly200Bytes)
{
    QVariant name = QStringLiteral("export.ten");
    kamus.SaveAsTEN(name);
    const QByteArray bytes = folder.Read(QStringLiteral("export.ten"));
    ASSERT_EQ(bytes.size(), 200);
    const int n = static_cast<unsigned char>(bytes.at(4));
    ASSERT_LE(n, 195);
    const QByteArray header = bytes.mid(5, n);
    EXPECT_TRUE(header.startsWith("Tembusa " TEMBUSA_VERSION_STRING)) << header.toStdString();
    EXPECT_TRUE(header.contains("https://")) << header.toStdString();
    EXPECT_EQ(bytes, ExpectedTenBlock(header));
    EXPECT_EQ(name, QVariant(QStringLiteral("export.ten")));
}

TEST_F(KamusFileTest, TenBlockOnALongerFileChangesOnlyTheFirst200Bytes)
{
    const QByteArray old(300, '\xAA');
    folder.Write(QStringLiteral("export.ten"), old);
    QVariant name = QStringLiteral("export.ten");
    kamus.SaveAsTEN(name);
    const QByteArray bytes = folder.Read(QStringLiteral("export.ten"));
    ASSERT_EQ(bytes.size(), 300);
    const QByteArray header = bytes.mid(5, static_cast<unsigned char>(bytes.at(4)));
    EXPECT_EQ(bytes.left(200), ExpectedTenBlock(header));
    EXPECT_EQ(bytes.mid(200), old.mid(200));
}

TEST_F(KamusFileTest, TenBlockThatCannotBeWrittenFails)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("taken")));
    for (const QString& file : {QStringLiteral("taken"), QString()}) {
        QVariant name = file;
        try {
            kamus.SaveAsTEN(name);
            ADD_FAILURE() << "no error for \"" << file.toStdString() << '"';
        } catch (const Error& error) {
            EXPECT_EQ(error.number(), 75);
        }
    }
}

} // namespace
} // namespace tembusa
