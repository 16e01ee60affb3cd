// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/WordOrder.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace tembusa {
namespace {

TEST(WordOrder, MovesRuleWordsAroundTheirNeighbours)
{
    const std::vector<RuleWord> rules = {
        {QStringLiteral("this"), QStringLiteral("A")},
        {QStringLiteral("red"), QStringLiteral("A")},
        {QStringLiteral("big"), QStringLiteral("A")},
        {QStringLiteral("very"), QStringLiteral("B")},
    };
    struct Case
    {
        const char* name;
        QString sentence;
        QString ordered;
    } const cases[] = {
        {"no rule word", QStringLiteral("I read"), QStringLiteral("I read ")},
        {"after type moves behind the next word", QStringLiteral("this book is mine"),
         QStringLiteral("book this is mine ")},
        {"case is ignored", QStringLiteral("This Book"), QStringLiteral("Book This ")},
        {"full stop moves with the rule word", QStringLiteral("I like this book."),
         QStringLiteral("I like book this. ")},
        {"after type at the last position stays", QStringLiteral("I like this"),
         QStringLiteral("I like this ")},
        {"two adjacent rule words: the second is not examined again",
         QStringLiteral("a big red car"), QStringLiteral("a red big car ")},
        {"before type moves in front of the previous word", QStringLiteral("good very"),
         QStringLiteral("very good ")},
        {"before type at the first position stays", QStringLiteral("very good"),
         QStringLiteral("very good ")},
        {"before type after a full stop takes one too", QStringLiteral("good. very"),
         QStringLiteral("very. good. ")},
        {"consecutive blanks give empty words", QStringLiteral("this  book"),
         QStringLiteral(" this book ")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ApplyWordOrder(c.sentence, rules), c.ordered);
    }
    EXPECT_EQ(ApplyWordOrder(QStringLiteral("this book"), {}), QStringLiteral("this book "));
}

} // namespace
} // namespace tembusa
