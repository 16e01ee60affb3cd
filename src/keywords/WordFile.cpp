// SPDX-License-Identifier: GPL-3.0-or-later
#include <tembusa/WordFile.h>

#include <tembusa/Error.h>

#include "platform/AppFolder.h"
#include "platform/TextCodec.h"
#include "platform/TextLines.h"

#include <QStringList>

#include <array>

namespace tembusa {
namespace {

// The language record: fourteen texts, all empty at first.
struct LanguageRecord
{
    QString LangName;
    QString Word2;
    QString Word3;
    QString Word4;
    QString BlockCommentOn;
    QString BlockCommentOff;
    QString BlockCommentOnAlt;
    QString BlockCommentOffAlt;
    QString StringChars;
    QString FileExtensions;
    QString Delimiters;
    QString FunctionString;
    QString Tags;
    QString Attributes;
};

const QString kLanguageMarker = QStringLiteral("/L3");
const QString kDelimitersPrefix = QStringLiteral("/Delimiters = ");
const QString kFunctionStringPrefix = QStringLiteral("/Function String = ");
const QString kTagsMarker = QStringLiteral("/C1");
const QString kAttributesMarker = QStringLiteral("/C2");
const QString kEndMarker = QStringLiteral("/L4");

// The keys of the language line, in the order they must stand.
struct LanguageKey
{
    QString key;
    QString LanguageRecord::*field;
};

const std::array<LanguageKey, 6>& LanguageKeys()
{
    using Def = LanguageRecord;
    static const std::array<LanguageKey, 6> keys = {{
        {QStringLiteral("Block Comment On = "), &Def::BlockCommentOn},
        {QStringLiteral("Block Comment Off = "), &Def::BlockCommentOff},
        {QStringLiteral("Block Comment On Alt = "), &Def::BlockCommentOnAlt},
        {QStringLiteral("Block Comment Off Alt = "), &Def::BlockCommentOffAlt},
        {QStringLiteral("String Chars = "), &Def::StringChars},
        {QStringLiteral("File Extensions = "), &Def::FileExtensions},
    }};
    return keys;
}

// The lines of the keyword file, read once from the top.
class LineReader
{
public:
    explicit LineReader(QStringList lines) : m_Lines(std::move(lines)) {}
    bool AtEnd() const { return m_Next >= m_Lines.size(); }
    const QString& Next() { return m_Lines.at(m_Next++); }

private:
    QStringList m_Lines;
    qsizetype m_Next = 0;
};

// 1-based position of the first occurrence of key in line, 0 when absent.
qsizetype Position(const QString& line, const QString& key)
{
    return line.indexOf(key) + 1;
}

// length characters of line from the 1-based position start; a start beyond
// the end gives the empty text, a negative length is a failure.
QString Part(const QString& line, qsizetype start, qsizetype length, const QString& key)
{
    if (length < 0)
        throw Error(Error::kInvalidArgument,
                    QStringLiteral("Invalid argument: in the language line of the keyword file "
                                   "the key \"%1\" is missing or out of order.")
                        .arg(key));
    return start > line.size() ? QString() : line.mid(start - 1, length);
}

// Fills the first ten fields from a language line.
void ParseLanguageLine(LanguageRecord& def, const QString& text)
{
    const QStringList words = text.split(QLatin1Char(' '));
    def.LangName = words.at(0).mid(3);
    QString* const named[] = {&def.Word2, &def.Word3, &def.Word4};
    for (qsizetype i = 1; i <= 3; ++i) {
        if (i >= words.size())
            throw Error(Error::kSubscriptOutOfRange,
                        QStringLiteral("Subscript out of range: the language line of the keyword "
                                       "file has %1 words, not four.")
                            .arg(words.size()));
        *named[i - 1] = words.at(i);
    }
    const auto& keys = LanguageKeys();
    for (std::size_t k = 0; k < keys.size(); ++k) {
        const qsizetype start = Position(text, keys[k].key) + keys[k].key.size();
        // The last value runs to the end of the line.
        const qsizetype length = k + 1 < keys.size() ? Position(text, keys[k + 1].key) - start
                                                     : qMax<qsizetype>(0, text.size() - start + 1);
        def.*(keys[k].field) = Part(text, start, length, keys[k].key);
    }
}

// A keyword group: the lines up to the end marker, which is consumed,
// joined with nothing between them.
QString ReadGroup(LineReader& reader, const QString& endMarker)
{
    QString group;
    while (!reader.AtEnd()) {
        const QString& line = reader.Next();
        if (line.startsWith(endMarker))
            break;
        group += line;
    }
    return group;
}

void ReadTags(LanguageRecord& def, LineReader& reader)
{
    def.Tags = ReadGroup(reader, kAttributesMarker);
}

void ReadAttributes(LanguageRecord& def, LineReader& reader)
{
    def.Attributes = ReadGroup(reader, kEndMarker);
}

QStringList ReadKeywordFile()
{
    const QString path = SharedFilePath(QStringLiteral("WordFile.txt"));
    QString text;
    QString error;
    if (!ReadTextFile(path, text, error))
        throw Error(Error::kFileNotFound, QStringLiteral("File not found: ") + error);
    return SplitLines(text);
}

} // namespace

struct WordFile::LanguageDef : LanguageRecord
{};

WordFile::WordFile() : d(std::make_unique<LanguageDef>()) {}

WordFile::~WordFile() = default;

void WordFile::Load()
{
    LineReader reader(ReadKeywordFile());
    bool inSection = false;
    while (!reader.AtEnd()) {
        const QString& line = reader.Next();
        if (line.startsWith(kLanguageMarker))
            inSection = true;
        if (!inSection)
            continue;
        if (line.startsWith(kLanguageMarker)) {
            ParseLanguageLine(*d, line);
        } else if (line.startsWith(kDelimitersPrefix)) {
            d->Delimiters = line.mid(kDelimitersPrefix.size());
        } else if (line.startsWith(kFunctionStringPrefix)) {
            d->FunctionString = line.mid(kFunctionStringPrefix.size());
        } else if (line.startsWith(kTagsMarker)) {
            ReadTags(*d, reader);
            ReadAttributes(*d, reader);
            break;
        }
    }
}

QString WordFile::Tags() const
{
    return d->Tags;
}

QString WordFile::Attributes() const
{
    return d->Attributes;
}

QString WordFile::Delimiters() const
{
    return d->Delimiters;
}

QString WordFile::FunctionString() const
{
    return d->FunctionString;
}

QString WordFile::FileExtensions() const
{
    return d->FileExtensions;
}

} // namespace tembusa
