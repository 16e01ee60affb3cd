// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TextCodec.h"

#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tembusa {
namespace {

TEST(TextCodec, DecodesUtf8ElseWindows1252)
{
    struct Case
    {
        const char* name;
        QByteArray bytes;
        QString text;
        TextDecoding how = TextDecoding::Utf8;
    } const cases[] = {
        {"plain ASCII", QByteArray("Hello"), QStringLiteral("Hello")},
        {"UTF-8 accents", QByteArray("caf\xc3\xa9"), QStringLiteral("caf\u00e9")},
        {"UTF-8 byte order mark dropped", QByteArray("\xef\xbb\xbfok"), QStringLiteral("ok")},
        {"Latin-1 accent", QByteArray("caf\xe9"), QStringLiteral("caf\u00e9"),
         TextDecoding::Windows1252},
        {"Windows-1252 quotes and euro", QByteArray("\x93hi\x94 \x80"),
         QStringLiteral("\u201chi\u201d \u20ac"), TextDecoding::Windows1252},
        {"UTF-8 with one stray byte stays UTF-8", QByteArray("caf\xc3\xa9 \xff ok"),
         QStringLiteral("caf\u00e9 \ufffd ok"), TextDecoding::Utf8Repaired},
        {"more stray bytes than UTF-8 letters is Windows-1252", QByteArray("\xe9t\xe9 caf\xc3\xa9"),
         QStringLiteral("\u00e9t\u00e9 caf\u00c3\u00a9"), TextDecoding::Windows1252},
        {"NUL bytes kept", QByteArray("a\0b", 3),
         QString(QStringLiteral("a")) + QChar(0) + QStringLiteral("b")},
        {"truncated UTF-8 sequence", QByteArray("ab\xc3"), QStringLiteral("ab\u00c3"),
         TextDecoding::Windows1252},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TextDecoding how = TextDecoding::Utf8;
        EXPECT_EQ(DecodeText(c.bytes, &how), c.text);
        EXPECT_EQ(how, c.how);
    }
}

TEST(TextCodec, EndlessInputIsRefusedAtTheLimit)
{
    QString text;
    QString error;
    EXPECT_FALSE(ReadTextFile(QStringLiteral("/dev/zero"), text, error));
    EXPECT_EQ(error, QStringLiteral("cannot read \"/dev/zero\": it is larger than 256 MiB, the "
                                    "most a text may hold"));
}

TEST(TextCodec, ReadFailuresNameTheFileAndTheProblem)
{
    test::TempFolder folder;
    QString text;
    QString error;
    EXPECT_FALSE(ReadTextFile(folder.file(QStringLiteral("missing.txt")), text, error));
    EXPECT_TRUE(error.contains(QStringLiteral("missing.txt")));
    EXPECT_TRUE(error.contains(QStringLiteral("does not exist")));

    EXPECT_FALSE(ReadTextFile(folder.path(), text, error));
    EXPECT_TRUE(error.contains(QStringLiteral("folder")));

    folder.Write(QStringLiteral("empty.txt"), QByteArray());
    EXPECT_TRUE(ReadTextFile(folder.file(QStringLiteral("empty.txt")), text, error));
    EXPECT_TRUE(text.isEmpty());
}

} // namespace
} // namespace tembusa
