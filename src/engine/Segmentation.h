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

// The sentence rules of ParseUnits, one character at a time. A line break
// ends a sentence before it (a sentence that would be empty becomes the line
// break itself); "." and "," end a sentence after the mark, and only a blank
// right after the mark belongs to no sentence.
struct SentenceSteps
{
    qint32 start = 1; // where the sentence being collected begins

    // Character i (1-based) of the length characters at chars: true when it
    // ends a sentence, whose span is put in span.
    bool Step(const QChar* chars, qint32 length, qint32 i, UnitSpan& span)
    {
        const char16_t c = chars[i - 1].unicode();
        if (c == u'\n' || c == u'\r') {
            span = Sentence(i);
            return true;
        }
        if (c == u'.' || c == u',') {
            span = Sentence(i + 1);
            // Anything but a blank right after the mark ("3.14", "a,b", a
            // line break) begins the next sentence.
            if (i < length && chars[i].unicode() != u' ')
                start = i + 1;
            return true;
        }
        return false;
    }

    // After the last character: the text after the last separator is one
    // more sentence.
    bool Finish(qint32 length, UnitSpan& span)
    {
        if (length == 0 || start > length)
            return false;
        span = Sentence(length + 1);
        return true;
    }

private:
    UnitSpan Sentence(qint32 end)
    {
        const qint32 e = end == start ? end + 1 : end;
        const UnitSpan span{start, e, e - start};
        start = end + 1;
        return span;
    }
};

// The sentences of a text one after another, the same spans as the sentence
// table of ParseUnits, without building any table.
class SentenceCutter
{
public:
    explicit SentenceCutter(const QString& text) : m_Text(text) {}

    // The next sentence; false after the last.
    bool Next(UnitSpan& span)
    {
        const qint32 length = qint32(m_Text.size());
        const QChar* chars = m_Text.constData();
        while (m_Position < length) {
            if (m_Steps.Step(chars, length, ++m_Position, span))
                return true;
        }
        if (m_Finished)
            return false;
        m_Finished = true;
        return m_Steps.Finish(length, span);
    }

private:
    const QString& m_Text;
    qint32 m_Position = 0;
    SentenceSteps m_Steps;
    bool m_Finished = false;
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
