// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Segmentation.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tembusa {

void PrintTo(const UnitSpan& span, std::ostream* os)
{
    *os << '(' << span.StartPos << ',' << span.EndPos << ',' << span.Length << ')';
}

namespace {

struct Case
{
    const char* name;
    QString text;
    UnitTable paragraphs;
    UnitTable sentences;
    UnitTable words;
};

TEST(Segmentation, CutsTextIntoParagraphsSentencesAndWords)
{
    const Case cases[] = {
        {"no separator is one unit of each",
         QStringLiteral("abc"),
         {{1, 4, 3}},
         {{1, 4, 3}},
         {{1, 4, 3}}},
        {"two words",
         QStringLiteral("Hello world"),
         {{1, 12, 11}},
         {{1, 12, 11}},
         {{1, 6, 5}, {7, 12, 5}}},
        {"last sentence without a mark is kept",
         QStringLiteral("Hi. Bye"),
         {{1, 8, 7}},
         {{1, 4, 3}, {5, 8, 3}},
         {{1, 3, 2}, {4, 2, -2}, {3, 4, 1}, {5, 8, 3}}},
        {"letter right after a comma starts the next sentence",
         QStringLiteral("a,b"),
         {{1, 4, 3}},
         {{1, 3, 2}, {3, 4, 1}},
         {{1, 2, 1}, {3, 1, -2}, {2, 4, 2}}},
        {"decimal point",
         QStringLiteral("3.14"),
         {{1, 5, 4}},
         {{1, 3, 2}, {3, 5, 2}},
         {{1, 2, 1}, {3, 1, -2}, {2, 5, 3}}},
        {"line feed after a full stop keeps its line break",
         QStringLiteral("Hello.\nWorld."),
         {{1, 7, 6}, {8, 14, 6}},
         {{1, 7, 6}, {7, 8, 1}, {8, 14, 6}},
         {{1, 6, 5}, {7, 5, -2}, {6, 7, 1}, {8, 6, -2}, {7, 13, 6}, {14, 12, -2}, {13, 14, 1}}},
        {"CR LF after a full stop",
         QStringLiteral("Hello.\r\nWorld"),
         {{1, 7, 6}, {8, 8, 0}, {9, 14, 5}},
         {{1, 7, 6}, {7, 8, 1}, {8, 9, 1}, {9, 14, 5}},
         {{1, 6, 5}, {7, 5, -2}, {6, 7, 1}, {8, 6, -2}, {7, 8, 1}, {9, 7, -2}, {8, 14, 6}}},
        {"only a blank after the mark is skipped",
         QStringLiteral("One. Two, three."),
         {{1, 17, 16}},
         {{1, 5, 4}, {6, 10, 4}, {11, 17, 6}},
         {{1, 4, 3},
          {5, 3, -2},
          {4, 5, 1},
          {6, 9, 3},
          {10, 8, -2},
          {9, 10, 1},
          {11, 16, 5},
          {17, 15, -2},
          {16, 17, 1}}},
        {"trailing blank ends the last word",
         QStringLiteral("Hi "),
         {{1, 4, 3}},
         {{1, 4, 3}},
         {{1, 3, 2}, {4, 4, 0}}},
        {"question mark does not end a sentence",
         QStringLiteral("Why? Yes"),
         {{1, 9, 8}},
         {{1, 9, 8}},
         {{1, 5, 4}, {6, 9, 3}}},
        {"two marks in a row",
         QStringLiteral("a.."),
         {{1, 4, 3}},
         {{1, 3, 2}, {3, 4, 1}},
         {{1, 2, 1}, {3, 1, -2}, {2, 3, 1}, {4, 2, -2}, {3, 4, 1}}},
        {"accented letters count one unit each",
         QStringLiteral("Caf\u00e9. Ol\u00e9"),
         {{1, 10, 9}},
         {{1, 6, 5}, {7, 10, 3}},
         {{1, 5, 4}, {6, 4, -2}, {5, 6, 1}, {7, 10, 3}}},
        {"a surrogate pair counts two units",
         QStringLiteral("\U0001F600 ok"),
         {{1, 6, 5}},
         {{1, 6, 5}},
         {{1, 3, 2}, {4, 6, 2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UnitTables tables;
        ParseUnits(c.text, tables);
        EXPECT_EQ(*tables.paragraphs, c.paragraphs);
        EXPECT_EQ(*tables.sentences, c.sentences);
        EXPECT_EQ(*tables.words, c.words);
        // A streamed translation cuts the same sentences without a table.
        UnitTable cut;
        SentenceCutter cutter(c.text);
        for (UnitSpan span; cutter.Next(span);)
            cut.push_back(span);
        EXPECT_EQ(cut, c.text.isEmpty() ? UnitTable{} : c.sentences);
    }
}

TEST(Segmentation, EmptyTextKeepsTheFirstEntryOfThePreviousParse)
{
    UnitTables tables;
    ParseUnits(QString(), tables);
    EXPECT_EQ(*tables.sentences, (UnitTable{{0, 0, 0}}));
    EXPECT_EQ(ListUnits(*tables.sentences, QString()), QString());

    ParseUnits(QStringLiteral("Hi. Bye"), tables);
    ParseUnits(QString(), tables);
    EXPECT_EQ(*tables.sentences, (UnitTable{{1, 4, 3}}));
    // The listing shows the old numbers and no text.
    EXPECT_EQ(ListUnits(*tables.sentences, QString()), QStringLiteral("\r\n1,4-"));
}

TEST(Segmentation, ReparseReplacesLongerTables)
{
    UnitTables tables;
    ParseUnits(QStringLiteral("One. Two. Three. Four."), tables);
    ParseUnits(QStringLiteral("Five."), tables);
    EXPECT_EQ(*tables.sentences, (UnitTable{{1, 6, 5}}));
}

TEST(Segmentation, ListingFormat)
{
    UnitTables tables;
    const QString text = QStringLiteral("Hi. Bye");
    ParseUnits(text, tables);
    // Entries of length 0 or less are left out; no line break at the end.
    EXPECT_EQ(ListUnits(*tables.words, text), QStringLiteral("\r\n1,3-Hi\r\n3,4-.\r\n5,8-Bye"));
    EXPECT_EQ(ListUnits(*tables.sentences, text), QStringLiteral("\r\n1,4-Hi.\r\n5,8-Bye"));
    EXPECT_EQ(ListUnits(*tables.paragraphs, text), QStringLiteral("\r\n1,8-Hi. Bye"));
}

TEST(Segmentation, ListingInPiecesIsTheWholeListing)
{
    // Long enough for several pieces, with accented letters at their edges.
    QString text;
    while (text.size() < 3000000)
        text += QStringLiteral("Caf\u00e9 ol\u00e9, one two.\r\n");
    UnitTables tables;
    ParseUnits(text, tables);
    QString joined;
    int pieces = 0;
    WriteUnits(*tables.words, text, [&](const QString& piece) {
        joined += piece;
        ++pieces;
    });
    EXPECT_GT(pieces, 2);
    EXPECT_TRUE(joined == ListUnits(*tables.words, text));
}

TEST(Segmentation, SpanTextNeverFails)
{
    const QString text = QStringLiteral("abc");
    EXPECT_EQ(SpanText(text, {2, 4, 2}), QStringLiteral("bc"));
    EXPECT_EQ(SpanText(text, {3, 13, 10}), QStringLiteral("c"));
    EXPECT_EQ(SpanText(text, {9, 10, 1}), QString());
    EXPECT_EQ(SpanText(text, {0, 2, 2}), QString());
    EXPECT_EQ(SpanText(text, {2, 1, -1}), QString());
}

TEST(Segmentation, FindsTheSpanHoldingAPosition)
{
    // "Satu. Dua." translated as two sentences with a blank between them.
    const UnitTable target = {{1, 6, 5}, {7, 11, 4}};
    const std::optional<qint32> expected[] = {0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, std::nullopt};
    for (qint32 caret = 0; caret < qint32(std::size(expected)); ++caret) {
        SCOPED_TRACE(caret);
        EXPECT_EQ(FindSpanEndingAfter(target, caret), expected[caret]);
    }
    EXPECT_EQ(FindSpanEndingAfter({}, 0), std::nullopt);
}

} // namespace
} // namespace tembusa
