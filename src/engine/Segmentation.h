// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

#include <optional>
#include <vector>

namespace tembusa {

// One unit of text: a paragraph, sentence, word or translated sentence.
// StartPos counts UTF-16 units from 1; EndPos = StartPos + Length. A Length
// of 0 or less stands for no text.
struct UnitSpan
{
    qint32 StartPos = 0;
    qint32 EndPos = 0;
    qint32 Length = 0;

    friend bool operator==(const UnitSpan&, const UnitSpan&) = default;
};

using UnitTable = std::vector<UnitSpan>;

// The three tables of one parse. A table that was never filled is absent.
struct UnitTables
{
    std::optional<UnitTable> paragraphs;
    std::optional<UnitTable> sentences;
    std::optional<UnitTable> words;
};

// Cuts text into paragraphs, sentences and words in one pass, replacing the
// tables. A line break ends a paragraph, a sentence and a word; "." and ","
// end a sentence (the mark stays inside it) and a word (the mark becomes a
// word of its own); a blank ends a word. Text after the last separator is
// recorded as one more unit of each table.
void ParseUnits(const QString& text, UnitTables& tables);

// The Length characters of text from StartPos; never fails: a start past the
// end gives empty text, a length past the end the rest.
QString SpanText(const QString& text, const UnitSpan& span);

// CR LF, start, ",", end, "-" and the span's text, for every entry of
// positive length, in table order.
QString ListUnits(const UnitTable& table, const QString& text);

// The same listing handed to write in consecutive pieces of about a million
// characters, so a listing of a large text need not be held whole.
void WriteUnits(const UnitTable& table, const QString& text,
                const std::function<void(const QString&)>& write);

// The index of the first entry whose EndPos is greater than position, or
// nullopt when there is none.
std::optional<qint32> FindSpanEndingAfter(const UnitTable& table, qint32 position);

} // namespace tembusa
