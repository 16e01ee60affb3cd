// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Segmentation.h"

#include <cstdio>

namespace tembusa {
namespace {

// One table being filled: the next free index and the start of the unit
// being collected.
struct Cutter
{
    UnitTable& table;
    qint32 index = 0;
    qint32 start = 1;
    qint32 appended = 0;

    explicit Cutter(UnitTable& t) : table(t)
    {
        // The entry at index 0 keeps what it held, so an empty text leaves the
        // previous first unit in place.
        table.resize(1);
    }

    void Write(qint32 end)
    {
        const UnitSpan span{start, end, end - start};
        if (size_t(index) < table.size())
            table[size_t(index)] = span;
        else
            table.push_back(span);
        ++index;
        ++appended;
    }

    // Paragraphs and words: the unit ends before end; the next starts after it.
    void AddUnit(qint32 end)
    {
        Write(end);
        start = end + 1;
    }

    // Sentences: a sentence that would be empty becomes the one character at
    // its start.
    void AddSentence(qint32 end)
    {
        Write(end == start ? end + 1 : end);
        start = end + 1;
    }
};

} // namespace

void ParseUnits(const QString& text, UnitTables& tables)
{
    if (!tables.paragraphs)
        tables.paragraphs.emplace();
    if (!tables.sentences)
        tables.sentences.emplace();
    if (!tables.words)
        tables.words.emplace();
    Cutter paragraphs(*tables.paragraphs);
    Cutter sentences(*tables.sentences);
    Cutter words(*tables.words);

    const qint32 length = qint32(text.size());
    const QChar* chars = text.constData();
    for (qint32 i = 1; i <= length; ++i) {
        const char16_t c = chars[i - 1].unicode();
        if (c == u'\n' || c == u'\r') {
            paragraphs.AddUnit(i);
            sentences.AddSentence(i);
            words.AddUnit(i);
            // Sets the word start back to the line break: it becomes a word.
            words.AddUnit(i - 1);
        } else if (c == u'.' || c == u',') {
            sentences.AddSentence(i + 1);
            // Only a blank right after the mark is skipped; anything else
            // ("3.14", "a,b", a line break) begins the next sentence.
            if (i < length && chars[i].unicode() != u' ')
                sentences.start = i + 1;
            words.AddUnit(i);
            words.AddUnit(i - 1);
        } else if (c == u' ') {
            words.AddUnit(i);
        }
    }
    if (length == 0)
        return;

    const qint32 end = length + 1;
    if (paragraphs.appended == 0)
        paragraphs.AddUnit(end);
    if (sentences.appended == 0)
        sentences.AddSentence(end);
    if (words.appended == 1)
        words.AddUnit(end);
    if (words.appended == 0)
        words.AddUnit(end);

    // Text after the last separator is one more unit of each table.
    if (paragraphs.start <= length)
        paragraphs.AddUnit(end);
    if (sentences.start <= length)
        sentences.AddSentence(end);
    if (words.start <= length)
        words.AddUnit(end);
}

QString SpanText(const QString& text, const UnitSpan& span)
{
    if (span.Length <= 0 || span.StartPos < 1 || span.StartPos > text.size())
        return QString();
    return text.mid(span.StartPos - 1, span.Length);
}

void WriteUnits(const UnitTable& table, const QString& text,
                const std::function<void(const QString&)>& write)
{
    constexpr qsizetype kPiece = 1 << 20;
    QString piece;
    // A short text's listing is short: it gets no piece-sized buffer.
    piece.reserve(qMin<qsizetype>(kPiece, 32 * qsizetype(table.size()) + text.size()) + 64);
    char digits[32];
    auto appendNumber = [&](qint32 value) {
        const int n = std::snprintf(digits, sizeof digits, "%d", value);
        piece += QLatin1String(digits, n);
    };
    for (const UnitSpan& span : table) {
        if (span.Length <= 0)
            continue;
        piece += QLatin1String("\r\n");
        appendNumber(span.StartPos);
        piece += QLatin1Char(',');
        appendNumber(span.EndPos);
        piece += QLatin1Char('-');
        if (span.StartPos >= 1 && span.StartPos <= text.size())
            piece += QStringView(text).mid(span.StartPos - 1, span.Length);
        if (piece.size() >= kPiece) {
            write(piece);
            piece.clear();
        }
    }
    if (!piece.isEmpty())
        write(piece);
}

QString ListUnits(const UnitTable& table, const QString& text)
{
    // Sized in advance: a listing of a large text is built in one buffer.
    qsizetype size = 0;
    for (const UnitSpan& span : table) {
        if (span.Length > 0)
            size += 2 + 24 + qMin<qsizetype>(span.Length, text.size());
    }
    QString result;
    result.reserve(size);
    WriteUnits(table, text, [&result](const QString& piece) { result += piece; });
    return result;
}

std::optional<qint32> FindSpanEndingAfter(const UnitTable& table, qint32 position)
{
    for (size_t i = 0; i < table.size(); ++i) {
        if (table[i].EndPos > position)
            return qint32(i);
    }
    return std::nullopt;
}

} // namespace tembusa
