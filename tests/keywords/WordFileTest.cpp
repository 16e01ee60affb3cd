// SPDX-License-Identifier: GPL-3.0-or-later
#include <tembusa/WordFile.h>

#include <tembusa/Error.h>

#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

namespace tembusa {
namespace {

const QString kWordFile = QStringLiteral("WordFile.txt");

// A well-formed language line; each of its first five values ends with the
// blank before the next key.
const QByteArray kLanguageLine =
    "/L3\"HTML\" Markup Nocase Tags Block Comment On = <!-- Block Comment Off = --> "
    "Block Comment On Alt = <? Block Comment Off Alt = ?> String Chars = \"' "
    "File Extensions = HTM HTML";

struct Loaded
{
    QString tags;
    QString attributes;
    QString delimiters;
    QString functionString;
    QString fileExtensions;
};

Loaded Values(const WordFile& file)
{
    return {file.Tags(), file.Attributes(), file.Delimiters(), file.FunctionString(),
            file.FileExtensions()};
}

void ExpectValues(const WordFile& file, const Loaded& expected)
{
    const Loaded got = Values(file);
    EXPECT_EQ(got.tags, expected.tags);
    EXPECT_EQ(got.attributes, expected.attributes);
    EXPECT_EQ(got.delimiters, expected.delimiters);
    EXPECT_EQ(got.functionString, expected.functionString);
    EXPECT_EQ(got.fileExtensions, expected.fileExtensions);
}

class WordFileTest : public ::testing::Test
{
protected:
    test::TempFolder folder;
};

TEST_F(WordFileTest, ReadsTheLanguageSectionByItsMarkers)
{
    const QString ext = QStringLiteral("HTM HTML");
    const struct
    {
        const char* name;
        QByteArray file;
        Loaded expected;
    } cases[] = {
        {"empty file", "", {}},
        {"lines before the first /L3 are skipped",
         "/Delimiters = early\r\n/Function String = early\r\n" + kLanguageLine +
             "\r\n/C1\r\n<a>\r\n/C2\r\nhref\r\n/L4\r\n",
         {"<a>", "href", "", "", ext}},
        {"markers and prefixes are read",
         kLanguageLine + "\r\n/Delimiters = <>=\r\n/Function String = <h1>\r\n/C1 tags\r\n"
                         "<a>\r\n<b>\r\n/C2 attributes\r\nhref \r\nsrc\r\n/L4\r\nafter\r\n",
         {"<a><b>", "href src", "<>=", "<h1>", ext}},
        {"prefix without its blank or in other case is skipped",
         kLanguageLine + "\r\n/Delimiters =x\r\n/delimiters = y\r\n/function string = z\r\n"
                         "/C1\r\n/C2\r\n/L4\r\n",
         {"", "", "", "", ext}},
        {"prefix alone gives empty text",
         kLanguageLine + "\r\n/Delimiters = \r\n/Function String = \r\n/C1\r\n",
         {"", "", "", "", ext}},
        {"second delimiters line overwrites the first",
         kLanguageLine + "\r\n/Delimiters = one\r\n/Delimiters = two\r\n",
         {"", "", "two", "", ext}},
        {"without /C2 the tags run to the end",
         kLanguageLine + "\r\n/C1\r\n<a>\r\n/L4\r\n<b>",
         {"<a>/L4<b>", "", "", "", ext}},
        {"without /L4 the attributes run to the end",
         kLanguageLine + "\r\n/C1\r\n<a>\r\n/C2\r\nhref\r\nsrc",
         {"<a>", "hrefsrc", "", "", ext}},
        {"a third group marker is attribute text",
         kLanguageLine + "\r\n/C1\r\n<a>\r\n/C2\r\nhref\r\n/C3\r\n/L3 x\r\nkw\r\n/L4\r\n",
         {"<a>", "href/C3/L3 xkw", "", "", ext}},
        {"line feeds alone end lines too",
         kLanguageLine + "\n/Delimiters = d\n/C1\n<a>\n<b>\n/C2\nhref\n/L4\n",
         {"<a><b>", "href", "d", "", ext}},
        {"no /L3 line reads nothing", "/Delimiters = d\r\n/C1\r\n<a>\r\n/C2\r\nhref\r\n", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        folder.Write(kWordFile, c.file);
        WordFile file;
        EXPECT_NO_THROW(file.Load());
        ExpectValues(file, c.expected);
    }
}

TEST_F(WordFileTest, LanguageLineValuesRunToTheNextKey)
{
    folder.Write(kWordFile, kLanguageLine + " \r\n");
    WordFile file;
    file.Load();
    // Only FileExtensions is handed out; it keeps a blank the line ends with.
    EXPECT_EQ(file.FileExtensions(), QStringLiteral("HTM HTML "));
}

TEST_F(WordFileTest, LoadFailuresCarryTheirNumbers)
{
    const struct
    {
        const char* name;
        QByteArray file; // empty: no file at all
        qint32 number;
    } cases[] = {
        {"missing file", QByteArray(), 53},
        {"language line of three words", "/L3HTML Markup Nocase\r\n/C1\r\n", 9},
        {"missing String Chars key",
         "/L3 a b c Block Comment On = x Block Comment Off = y Block Comment On Alt = z "
         "Block Comment Off Alt = w File Extensions = HTM\r\n",
         5},
        {"keys out of order",
         "/L3 a b c Block Comment Off = y Block Comment On = x Block Comment On Alt = z "
         "Block Comment Off Alt = w String Chars = s File Extensions = HTM\r\n",
         5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder caseFolder;
        if (!c.file.isEmpty())
            caseFolder.Write(kWordFile, c.file);
        WordFile file;
        try {
            file.Load();
            ADD_FAILURE() << "no error";
        } catch (const Error& error) {
            EXPECT_EQ(error.number(), c.number);
            EXPECT_FALSE(error.description().isEmpty());
        }
    }
}

TEST_F(WordFileTest, MissingFirstKeyCountsAsPositionZero)
{
    // Without "Block Comment On = " its value starts at the 19th character,
    // which fails only when the next key begins before it.
    folder.Write(kWordFile,
                 "/L3 a b c 12345678901234 Block Comment Off = y Block Comment On Alt = z "
                 "Block Comment Off Alt = w String Chars = s File Extensions = HTM\r\n");
    WordFile file;
    EXPECT_NO_THROW(file.Load());
    EXPECT_EQ(file.FileExtensions(), QStringLiteral("HTM"));

    folder.Write(kWordFile, "/L3 Block Comment Off = y Block Comment On Alt = z "
                            "Block Comment Off Alt = w String Chars = s File Extensions = HTM\r\n");
    EXPECT_THROW(file.Load(), Error);
}

TEST_F(WordFileTest, FailedOrPartialLoadKeepsEarlierValues)
{
    folder.Write(kWordFile, kLanguageLine + "\r\n/Delimiters = d\r\n/C1\r\n<a>\r\n/C2\r\nhref\r\n");
    WordFile file;
    file.Load();

    // A missing file changes nothing.
    QFile::remove(folder.file(kWordFile));
    EXPECT_THROW(file.Load(), Error);
    ExpectValues(file, {"<a>", "href", "d", "", "HTM HTML"});

    // A reload overwrites only what it meets.
    folder.Write(kWordFile, "/L3HTML a b c Block Comment On = Block Comment Off = "
                            "Block Comment On Alt = Block Comment Off Alt = String Chars = "
                            "File Extensions = XHTML\r\n/Function String = f\r\n");
    file.Load();
    ExpectValues(file, {"<a>", "href", "d", "f", "XHTML"});
}

} // namespace
} // namespace tembusa
