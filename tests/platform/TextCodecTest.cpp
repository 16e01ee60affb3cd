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
    } const cases[] = {
        {"plain ASCII", QByteArray("Hello"), QStringLiteral("Hello")},
        {"UTF-8 accents", QByteArray("caf\xc3\xa9"), QStringLiteral("caf\u00e9")},
        {"UTF-8 byte order mark dropped", QByteArray("\xef\xbb\xbfok"), QStringLiteral("ok")},
        {"Latin-1 accent", QByteArray("caf\xe9"), QStringLiteral("caf\u00e9")},
        {"Windows-1252 quotes and euro", QByteArray("\x93hi\x94 \x80"),
         QStringLiteral("\u201chi\u201d \u20ac")},
        {"NUL bytes kept", QByteArray("a\0b", 3),
         QString(QStringLiteral("a")) + QChar(0) + QStringLiteral("b")},
        {"truncated UTF-8 sequence", QByteArray("ab\xc3"), QStringLiteral("ab\u00c3")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DecodeText(c.bytes), c.text);
    }
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
