// SPDX-License-Identifier: GPL-3.0-or-later
#include <tembusa/HTML_Words.h>

#include <tembusa/Error.h>

#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

namespace tembusa {
namespace {

const QString kWordFile = QStringLiteral("WordFile.txt");

TEST(HTML_Words, ReservedWhereTheKeyStartsAtDifferentPlaces)
{
    const struct
    {
        const char* name;
        QString tags;
        QString attributes;
        QString key;
        bool reserved;
    } cases[] = {
        {"nothing loaded, empty key", {}, {}, {}, false},
        {"nothing loaded", {}, {}, "<p>", false},
        {"only in tags", " <p> </p> <a> </a>", " href src", "<a>", true},
        {"only in attributes", " <p> </p>", " href src", "src", true},
        {"in neither", " <p> </p>", " href src", "<b>", false},
        {"part of a tag entry", " <html> </html>", " href", "l>", true},
        {"other letter case", " <p> </p>", " href", "<P>", false},
        {"position 3 in both", "ab<x", "cd<x", "<x", false},
        {"positions 3 and 5", "ab<x", "cdef<x", "<x", true},
        {"straddling the join of two lines", "<a><b>", "", "a><b", true},
        {"empty key, both lists filled", "<a>", "href", "", false},
        {"empty key, only tags filled", "<a>", "", "", true},
        {"empty key, only attributes filled", "", "href", "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HTML_Words words;
        words.Tags(c.tags);
        words.Attributes(c.attributes);
        EXPECT_EQ(words.ReservedWord(c.key), c.reserved);
    }
}

TEST(HTML_Words, PropertiesKeepWhatIsWrittenAndC3KeepsNothing)
{
    HTML_Words words;
    words.Language(QStringLiteral(" x "));
    words.Delimiters(QStringLiteral("\t<>"));
    words.FunctionString(QStringLiteral("f"));
    EXPECT_EQ(words.Language(), QStringLiteral(" x "));
    EXPECT_EQ(words.Delimiters(), QStringLiteral("\t<>"));
    EXPECT_EQ(words.FunctionString(), QStringLiteral("f"));
    words.C3(QVariant(42));
    EXPECT_FALSE(words.C3().isValid());
}

class HTML_WordsLoadTest : public ::testing::Test
{
protected:
    test::TempFolder folder;
};

TEST_F(HTML_WordsLoadTest, LoadTakesTheListsOfTheKeywordFile)
{
    folder.Write(kWordFile,
                 "/L3XML a b c Block Comment On = Block Comment Off = Block Comment On Alt = "
                 "Block Comment Off Alt = String Chars = File Extensions = XML\r\n"
                 "/Delimiters = <>\r\n/Function String = f\r\n/C1\r\n <p>\r\n <a>\r\n/C2\r\n"
                 " href\r\n/L4\r\n");
    HTML_Words words;
    words.Load();
    EXPECT_EQ(words.Language(), QStringLiteral("HTML"));
    EXPECT_EQ(words.Delimiters(), QStringLiteral("<>"));
    EXPECT_EQ(words.FunctionString(), QStringLiteral("f"));
    EXPECT_EQ(words.Tags(), QStringLiteral(" <p> <a>"));
    EXPECT_EQ(words.Attributes(), QStringLiteral(" href"));
    EXPECT_TRUE(words.ReservedWord(QStringLiteral("<a>")));
}

TEST_F(HTML_WordsLoadTest, FailedLoadKeepsThePreviousLists)
{
    HTML_Words words;
    words.Tags(QStringLiteral("<a>"));
    words.Attributes(QStringLiteral("href"));
    const struct
    {
        const char* name;
        QByteArray file;
        qint32 number;
    } cases[] = {
        {"missing file", QByteArray(), 53},
        {"malformed language line", "/L3 a b\r\n/C1\r\n<b>\r\n", 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(folder.file(kWordFile));
        if (!c.file.isEmpty())
            folder.Write(kWordFile, c.file);
        try {
            words.Load();
            ADD_FAILURE() << "no error";
        } catch (const Error& error) {
            EXPECT_EQ(error.number(), c.number);
        }
        EXPECT_EQ(words.Language(), QString());
        EXPECT_EQ(words.Tags(), QStringLiteral("<a>"));
        EXPECT_EQ(words.Attributes(), QStringLiteral("href"));
    }
}

// The keyword file the application folder ships with.
TEST_F(HTML_WordsLoadTest, ShippedKeywordFileKnowsTagsAndAttributes)
{
    QFile shipped(QStringLiteral(TEMBUSA_SHIPPED_WORDFILE));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly)) << TEMBUSA_SHIPPED_WORDFILE;
    const QByteArray bytes = shipped.readAll();
    EXPECT_FALSE(bytes.contains("\n") && !bytes.contains("\r\n")) << "line ends must be CR LF";
    folder.Write(kWordFile, bytes);

    HTML_Words words;
    ASSERT_NO_THROW(words.Load());
    for (const char* key : {"<html>", "</html>", "<p>", "</p>", "<br>", "<img>", "<section>",
                            "</main>", "<template>", "href", "class", "onclick", "aria-label"}) {
        SCOPED_TRACE(key);
        EXPECT_TRUE(words.ReservedWord(QLatin1String(key)));
    }
    for (const char* key : {"</br>", "<P>", "<blink>", "<font>", "translation"}) {
        SCOPED_TRACE(key);
        EXPECT_FALSE(words.ReservedWord(QLatin1String(key)));
    }
    EXPECT_FALSE(words.Delimiters().isEmpty());
    EXPECT_FALSE(words.FunctionString().isEmpty());
}

} // namespace
} // namespace tembusa
