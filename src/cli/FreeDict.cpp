// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/FreeDict.h"

#include "platform/AsciiCase.h"
#include "platform/TextCodec.h"

#include <QHash>
#include <QRegularExpression>

#include <zlib.h>

namespace tembusa::cli {
namespace {

// A decompressed dictionary larger than this is not a dictionary but a
// broken or hostile file; FreeDict's largest are a few tens of megabytes.
constexpr qint64 kMaxDataSize = qint64(1) << 30;

struct IndexLine
{
    QString word;
    qint64 offset = 0;
    qint64 length = 0;
    int line = 0;
};

QString LineError(const QString& path, int line, const QString& message)
{
    return QStringLiteral("%1:%2: %3").arg(path).arg(line).arg(message);
}

bool ParseIndexLine(const QString& text, IndexLine& entry)
{
    // An optional fourth field holds the headword as written (dictfmt's
    // --index-keep-orig); the first is its folded search key.
    const QStringList fields = text.split(QLatin1Char('\t'));
    if (fields.size() < 3 || fields.size() > 4 || fields.at(0).trimmed().isEmpty())
        return false;
    entry.word =
        fields.size() == 4 && !fields.at(3).trimmed().isEmpty() ? fields.at(3) : fields.at(0);
    entry.offset = DecodeDictdNumber(fields.at(1));
    entry.length = DecodeDictdNumber(fields.at(2));
    return entry.offset >= 0 && entry.length >= 0;
}

bool ReadIndex(const QString& path, std::vector<IndexLine>& lines, QString& error)
{
    QByteArray bytes;
    if (!ReadFileBytes(path, bytes, error))
        return false;
    const QList<QByteArray> rows = bytes.split('\n');
    for (int i = 0; i < rows.size(); ++i) {
        QByteArray row = rows.at(i);
        if (row.endsWith('\r'))
            row.chop(1);
        if (row.isEmpty() && i == rows.size() - 1)
            break; // the line end of the last line
        IndexLine entry;
        entry.line = i + 1;
        if (!ParseIndexLine(QString::fromUtf8(row), entry)) {
            error = LineError(path, entry.line,
                              QStringLiteral("cannot read the line \"%1\": expected a headword, an "
                                             "offset and a length, separated by tabs")
                                  .arg(QString::fromUtf8(row.left(80))));
            return false;
        }
        lines.push_back(entry);
    }
    if (lines.empty()) {
        error = QStringLiteral("%1: the index holds no headwords").arg(path);
        return false;
    }
    return true;
}

// Inflates a whole gzip stream; a dictzip file is one, with its chunk table
// in the header's extra field, which zlib passes over.
bool Inflate(const QString& path, QByteArray& data, QString& error)
{
    QByteArray packed;
    if (!ReadFileBytes(path, packed, error))
        return false;
    if (packed.size() > kMaxDataSize) {
        error = QStringLiteral("%1: the file is too large to be a dictionary").arg(path);
        return false;
    }
    z_stream stream{};
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK) {
        error = QStringLiteral("%1: zlib cannot be started").arg(path);
        return false;
    }
    stream.next_in = reinterpret_cast<Bytef*>(packed.data());
    stream.avail_in = uInt(packed.size());
    char buffer[65536];
    int rc = Z_OK;
    while (rc == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(buffer);
        stream.avail_out = sizeof buffer;
        rc = inflate(&stream, Z_NO_FLUSH);
        data.append(buffer, qsizetype(sizeof buffer - stream.avail_out));
        if (data.size() > kMaxDataSize)
            rc = Z_MEM_ERROR;
    }
    const QString zlibMessage = QString::fromUtf8(stream.msg ? stream.msg : "");
    inflateEnd(&stream);
    if (rc == Z_STREAM_END)
        return true;
    data.clear();
    if (rc == Z_BUF_ERROR)
        error = QStringLiteral("%1: the compressed data ends early (the file is empty or "
                               "truncated)")
                    .arg(path);
    else if (rc == Z_MEM_ERROR)
        error = QStringLiteral("%1: the data is too large to be a dictionary").arg(path);
    else
        error =
            QStringLiteral("%1: not a readable dictzip (gzip) file: %2")
                .arg(path, zlibMessage.isEmpty() ? QStringLiteral("damaged data") : zlibMessage);
    return false;
}

// Index entries that describe the dictionary itself rather than a word.
bool IsHeaderEntry(const QString& word)
{
    return word.startsWith(QLatin1String("00database")) ||
           word.startsWith(QLatin1String("00-database"));
}

// Prefix and suffix entries ("less" for -less) are not words; their
// translations ("ir-") would shadow the words of the same spelling.
bool IsAffixEntry(const QString& entry)
{
    static const QRegularExpression tag(QStringLiteral("<(prefix|suffix)>\\s*$"));
    return tag.match(entry.section(QLatin1Char('\n'), 0, 0)).hasMatch();
}

// Letters, digits and blanks in lower case: how the index folds a headword.
QString FoldHeadword(const QString& word)
{
    QString folded;
    for (const QChar c : word.toLower()) {
        if (c.isLetterOrNumber() || c == QLatin1Char(' '))
            folded += c;
    }
    return folded.simplified();
}

QString CleanTranslation(QString text)
{
    // Wiki links of the source data: [[target|shown]] and [[shown]].
    static const QRegularExpression link(QStringLiteral("\\[\\[(?:[^\\]|]*\\|)?([^\\]]*)\\]\\]"));
    text.replace(link, QStringLiteral("\\1"));
    // Question and exclamation marks of phrase translations ("apa kabar?"):
    // the sentence keeps its own mark.
    text = text.trimmed();
    while (text.endsWith(QLatin1Char('?')) || text.endsWith(QLatin1Char('!')))
        text.chop(1);
    return text.trimmed();
}

struct Merged
{
    KamusRow headword;
    bool affixOnly = true;
};

void AddEntry(Merged& merged, const QString& entry)
{
    if (IsAffixEntry(entry))
        return;
    merged.affixOnly = false;
    for (const QString& meaning : EntryTranslations(entry)) {
        if (merged.headword.meanings.size() >= kMaxMeanings)
            return;
        bool known = false;
        for (const QString& kept : std::as_const(merged.headword.meanings))
            known = known || AsciiLower(kept) == AsciiLower(meaning);
        if (!known)
            merged.headword.meanings << meaning;
    }
}

} // namespace

qint64 DecodeDictdNumber(const QString& digits)
{
    static const QString alphabet =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/");
    // Ten digits hold 60 bits, far beyond any real offset, and cannot overflow.
    if (digits.isEmpty() || digits.size() > 10)
        return -1;
    qint64 value = 0;
    for (const QChar c : digits) {
        const qsizetype digit = alphabet.indexOf(c);
        if (digit < 0)
            return -1;
        value = value * 64 + digit;
    }
    return value;
}

QString EntryHeadword(const QString& entry, const QString& indexWord)
{
    const QString header = entry.section(QLatin1Char('\n'), 0, 0);
    // The header is the headword, then pronunciations "/.../" and the part of
    // speech "<n>", each after a blank.
    qsizetype end = header.size();
    for (const char* mark : {" /", " <"}) {
        const qsizetype at = header.indexOf(QLatin1String(mark));
        if (at >= 0 && at < end)
            end = at;
    }
    const QString word = header.left(end).simplified();
    if (!word.isEmpty() && FoldHeadword(word) == FoldHeadword(indexWord))
        return word;
    return indexWord.simplified();
}

QStringList EntryTranslations(const QString& entry)
{
    static const QRegularExpression number(QStringLiteral("^\\d+\\. "));
    static const QRegularExpression trailingNumber(QStringLiteral("\\s+\\d+\\.$"));
    QStringList lines = entry.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    if (lines.size() < 2)
        return {};
    // One sense: the line after the header holds the translations and the
    // rest is English gloss. Several senses: each translation line starts
    // with its number "1. "; gloss lines and gloss numbers (" 2.") do not.
    QStringList senses;
    if (number.match(lines.at(1)).hasMatch()) {
        for (qsizetype i = 1; i < lines.size(); ++i) {
            if (number.match(lines.at(i)).hasMatch())
                senses << lines.at(i).mid(lines.at(i).indexOf(QLatin1Char(' ')) + 1);
        }
    } else {
        senses << lines.at(1);
    }
    QStringList translations;
    for (QString sense : std::as_const(senses)) {
        sense.remove(trailingNumber); // the gloss numbering glued to the line: "buku 2."
        for (const QString& part : sense.split(QStringLiteral(", "))) {
            const QString translation = CleanTranslation(part);
            if (!translation.isEmpty())
                translations << translation;
        }
    }
    return translations;
}

bool ReadFreeDict(const QString& indexPath, const QString& dataPath, FreeDictContent& content,
                  QString& error)
{
    content = FreeDictContent();
    std::vector<IndexLine> lines;
    QByteArray data;
    if (!ReadIndex(indexPath, lines, error) || !Inflate(dataPath, data, error))
        return false;

    std::vector<Merged> merged;
    QHash<QString, size_t> byKey; // ASCII-folded headword, as the dictionary compares
    for (const IndexLine& line : lines) {
        if (line.offset + line.length > data.size()) {
            error = LineError(indexPath, line.line,
                              QStringLiteral("the entry \"%1\" (offset %2, length %3) lies past "
                                             "the end of the data in %4 (%5 bytes)")
                                  .arg(line.word)
                                  .arg(line.offset)
                                  .arg(line.length)
                                  .arg(dataPath)
                                  .arg(data.size()));
            return false;
        }
        if (IsHeaderEntry(line.word))
            continue;
        const QString entry = QString::fromUtf8(data.mid(line.offset, line.length));
        const QString english = EntryHeadword(entry, line.word);
        const QString key = AsciiLower(english);
        auto found = byKey.constFind(key);
        if (found == byKey.constEnd()) {
            found = byKey.insert(key, merged.size());
            merged.push_back({{english, {}}, true});
        }
        AddEntry(merged[found.value()], entry);
    }

    content.read = qint32(merged.size());
    for (Merged& one : merged) {
        if (one.affixOnly)
            ++content.affixes;
        else if (one.headword.meanings.isEmpty())
            ++content.withoutTranslation;
        else
            content.headwords.push_back(std::move(one.headword));
    }
    return true;
}

} // namespace tembusa::cli
