// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AsciiCase.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace tembusa {
namespace {

TEST(AsciiCase, ChangesAsciiLettersOnly)
{
    EXPECT_EQ(AsciiUpper(QStringLiteral("caf\u00e9 ok-1")), QStringLiteral("CAF\u00e9 OK-1"));
    EXPECT_EQ(AsciiLower(QStringLiteral("\u00c9COLE Zz")), QStringLiteral("\u00c9cole zz"));
    EXPECT_EQ(AsciiCapitalizeFirst(QStringLiteral("buku ")), QStringLiteral("Buku "));
    EXPECT_EQ(AsciiCapitalizeFirst(QStringLiteral("\u00e9t\u00e9")),
              QStringLiteral("\u00e9t\u00e9"));
    EXPECT_EQ(AsciiCapitalizeFirst(QString()), QString());
    EXPECT_FALSE(IsAsciiCapital(QChar(0x00C9)));
}

TEST(AsciiCase, TrimBlanksKeepsTabsAndLineBreaks)
{
    EXPECT_EQ(TrimBlanks(QStringLiteral("  Book ")), QStringLiteral("Book"));
    EXPECT_EQ(TrimBlanks(QStringLiteral("\tword\n")), QStringLiteral("\tword\n"));
    EXPECT_EQ(TrimBlanks(QStringLiteral("   ")), QString());
}

} // namespace
} // namespace tembusa
