// SPDX-License-Identifier: GPL-3.0-or-later
// The word list "Kamus.txt" and the translation of a text file.
#include <tembusa/CWords.h>
#include <tembusa/Error.h>
#include <tembusa/TlrEngine.h>

#include "engine/FileTranslation.h"
#include "platform/ScriptedUi.h"
#include "support/FixtureKamus.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

namespace tembusa {
namespace {

TEST(CWords, LoadsEntriesAndFindsMeaningsByPrefix)
{
    test::TempFolder folder;
    CWords words;
    EXPECT_EQ(words.Arti(QStringLiteral("cat")), QStringLiteral("cat"));
    folder.Write(QStringLiteral("Kamus.txt"),
                 "category\tkategori\textra\r\n\r\ncat\tkucing\r\n\x01skipped\tno\r\nbare\n");
    words.Load();
    struct Case
    {
        QString text;
        QString meaning;
    } const cases[] = {
        {QStringLiteral("cat"), QStringLiteral("kategori")}, // the first line that begins with it
        {QStringLiteral("CAT\tk"), QStringLiteral("kucing")},
        {QStringLiteral("dog"), QStringLiteral("dog")},
        {QString(), QString()},
        {QStringLiteral("bare"), QString()}, // an entry without TAB has no meaning
        {QStringLiteral("\x01skip"), QStringLiteral("\x01skip")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(words.Arti(c.text), c.meaning);
    }

    // A second load replaces the list; a missing file keeps it.
    folder.Write(QStringLiteral("Kamus.txt"), "dog\tanjing\r\n");
    words.Load();
    EXPECT_EQ(words.Arti(QStringLiteral("cat")), QStringLiteral("cat"));
    QFile::remove(folder.file(QStringLiteral("Kamus.txt")));
    try {
        words.Load();
        ADD_FAILURE() << "a missing word list loads";
    } catch (const Error& error) {
        EXPECT_EQ(error.number(), Error::kFileNotFound);
    }
    EXPECT_EQ(words.Arti(QStringLiteral("dog")), QStringLiteral("anjing"));
}

TEST(FileTranslation, EveryLineEndsWithCrLfAndALoneLineFeedStaysInItsLine)
{
    test::TempFolder folder;
    struct Case
    {
        const char* name;
        QByteArray bytes;
        QString text;
    } const cases[] = {
        {"two lines without a final line break", "one\r\ntwo", QStringLiteral("one\r\ntwo\r\n")},
        {"lone CR ends a line", "one\rtwo\r", QStringLiteral("one\r\ntwo\r\n")},
        {"lone LF belongs to its line", "one\ntwo\r\n", QStringLiteral("one\ntwo\r\n")},
        {"empty file", "", QString()},
        {"empty lines", "\r\n\r\n", QStringLiteral("\r\n\r\n")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        folder.Write(QStringLiteral("in.txt"), c.bytes);
        EXPECT_EQ(ReadTextFileLines(folder.file(QStringLiteral("in.txt"))), c.text);
    }
}

TEST(FileTranslation, FileOpenHTMLTranslatesTheFileForRumbela)
{
    test::TempFolder folder;
    ScriptedUi ui;
    ScriptedUi::Scope scope(ui);
    const QString db = test::CreateKamus(folder.path());
    test::ExecSql(db, QStringLiteral("INSERT INTO [indo-data](English, Indo1) VALUES "
                                     "('hello','halo'), ('world','dunia')"));
    folder.Write(QStringLiteral("Kamus.txt"), "hello\thalo\r\n");
    QFile::copy(QStringLiteral(TEMBUSA_SOURCE_DIR "/data/WordFile.txt"),
                folder.file(QStringLiteral("WordFile.txt")));
    folder.Write(QStringLiteral("in.txt"), "hello\r\nworld");

    TlrEngine engine;
    engine.m_UseStatistic(true);
    EXPECT_EQ(engine.FileOpenHTML(folder.file(QStringLiteral("in.txt")), QStringLiteral("out.txt")),
              0);
    // Both lines keep their CR LF; the CR of each pair ends the sentence.
    EXPECT_EQ(engine.Rumbela(), QStringLiteral("halo \ndunia \n"));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("out.txt"))));

    try {
        engine.FileOpenHTML(folder.file(QStringLiteral("missing.txt")), QString());
        ADD_FAILURE() << "a missing input file is translated";
    } catch (const Error& error) {
        EXPECT_EQ(error.number(), Error::kFileNotFound);
    }
    EXPECT_EQ(engine.Rumbela(), QStringLiteral("halo \ndunia \n"));
}

} // namespace
} // namespace tembusa
