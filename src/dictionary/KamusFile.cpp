// SPDX-License-Identifier: GPL-3.0-or-later
#include <tembusa/KamusFile.h>

#include <tembusa/Collection.h>
#include <tembusa/Error.h>
#include <tembusa/ui.h>

#include "dictionary/FileKamus.h"
#include "platform/AppFolder.h"
#include "platform/AsciiCase.h"
#include "platform/BusyScope.h"
#include "platform/TextCodec.h"
#include "platform/TextLines.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <unistd.h>

namespace tembusa {
namespace {

constexpr qint32 kFileAccessError = 75;
// The reader's progress bar runs to this value and starts again at 0.
constexpr qint32 kReadProgressWrap = 1000;

constexpr int kTenBlockSize = 200;
constexpr int kTenHeaderMax = 195;
constexpr char kTenTypeText = 8;
const QString kProjectWebAddress = QStringLiteral("https://rumbela.example.org");

// One text dictionary: its file, its temporary file, the status shown while
// it is saved, whether a line holds key and item or the item alone, and the
// collection it is loaded into.
struct KamusFileDef
{
    QString text;
    QString temp;
    QString saveStatus;
    bool keyAndItem;
    Collection& (*collection)();
};

const KamusFileDef& FileDef(int index)
{
    static const KamusFileDef defs[] = {
        {QStringLiteral("Kamus-indo.txt"), QStringLiteral("Kamus-indo.$$$"),
         QStringLiteral("Simpan file kamus...Tunggu."), true, &KamusIndo},
        {QStringLiteral("Kamus-indo-tolak.txt"), QStringLiteral("Kamus-indo-tolak.$$$"),
         QStringLiteral("Simpan file kamus tolak...Tunggu."), false, &KamusTolak},
        {QStringLiteral("Kamus-indo-idiom.txt"), QStringLiteral("Kamus-indo-idiom.$$$"),
         QStringLiteral("Simpan file kamus idiom...Tunggu."), true, &KamusIdiom},
    };
    return defs[index];
}

constexpr int kFileCount = 3;

// Shows the progress window and closes it again, also when a failure ends
// the operation, so the borderless window never stays behind.
class ProgressScope
{
public:
    ProgressScope() { CurrentUi().ShowProgress(); }
    ~ProgressScope() { CurrentUi().CloseProgress(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;
};

Error FileError(const QString& path, const QString& why)
{
    return Error(kFileAccessError, QStringLiteral("cannot write \"%1\": %2").arg(path, why));
}

bool KamusFileExists(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

// Creates an empty file; an existing file (one that could not be read) is
// never replaced.
bool CreateKamusFile(const QString& path, QString& error)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return true;
    error = QStringLiteral("cannot create \"%1\": %2").arg(path, file.errorString());
    return false;
}

// The user's text dictionaries: an installed program's user first gets
// copies of the shipped ones; a file still missing is created empty.
void EnsureKamusFiles()
{
    for (int i = 0; i < kFileCount; ++i) {
        QString error;
        const QString path = PrepareAppFile(FileDef(i).text, &error);
        if (!error.isEmpty())
            CurrentUi().ErrorBox(error);
        else if (!KamusFileExists(path) && !CreateKamusFile(path, error))
            CurrentUi().ErrorBox(error);
    }
}

// The pair of one line: the first field in upper case is the key; the
// second field, if any, the item, else the key again. Collection::XAdd
// puts the key in lower case.
void AddLine(Collection& target, const QString& line)
{
    const QStringList fields = line.split(QLatin1Char('\t'));
    const QString key = AsciiUpper(fields.at(0));
    target.XAdd(fields.size() > 1 ? fields.at(1) : key, key);
}

// Why a line cannot be a dictionary entry, or the empty text.
QString LineProblem(const QString& line)
{
    if (line.contains(QChar(u'\0')))
        return QStringLiteral("the line holds a NUL character; the file is not a text dictionary");
    return QString();
}

void ReportBadLine(const QString& path, qsizetype lineNo, const QString& line, const QString& why)
{
    QString shown = line;
    shown.replace(QChar(u'\0'), QChar(0x2400));
    CurrentUi().ErrorBox(
        QStringLiteral("\"%1\", line %2: %3\n%4").arg(path).arg(lineNo).arg(why, shown));
}

// Adds the pairs of lines to target, showing the progress. Returns the
// index of the first line that cannot be read, or -1.
qsizetype AddLines(Collection& target, const QStringList& lines)
{
    const ProgressScope progress;
    Ui& ui = CurrentUi();
    ui.SetProgressMax(kReadProgressWrap);
    qint32 value = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        if (line.isEmpty())
            continue;
        if (!LineProblem(line).isEmpty())
            return i;
        AddLine(target, line);
        value = (value + 1) % kReadProgressWrap;
        ui.SetProgressValue(value);
        ui.ProcessEvents();
    }
    return -1;
}

// Loads one file into its collection, replacing what it held; the pairs
// before a line that cannot be read stay. Returns false when the file cannot
// be read at all.
bool ReadKamusFile(const KamusFileDef& def)
{
    const QString path = AppFilePath(def.text);
    QByteArray bytes;
    QString error;
    if (!ReadFileBytes(path, bytes, error)) {
        CurrentUi().ErrorBox(error);
        return false;
    }
    const QStringList lines = SplitLines(DecodeText(bytes));
    Collection loaded;
    const qsizetype bad = AddLines(loaded, lines);
    def.collection() = loaded;
    if (bad >= 0)
        ReportBadLine(path, bad + 1, lines.at(bad), LineProblem(lines.at(bad)));
    return true;
}

// A field written into a line: a TAB or a line break inside it would split
// the entry when the file is read again.
QString FieldText(const QString& text)
{
    QString field = text;
    for (QChar& c : field) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    }
    return field;
}

// Writes the lines of all pairs to the temporary file and returns its bytes.
QByteArray WriteTempFile(const KamusFileDef& def, Collection& pairs)
{
    Ui& ui = CurrentUi();
    const QString path = PrepareAppFile(def.temp);
    QFile temp(path);
    if (!temp.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw FileError(path, temp.errorString());
    QByteArray content;
    for (qint32 i = 1; i <= pairs.XCount(); ++i) {
        const QString line = def.keyAndItem ? FieldText(pairs.XKey(i)) + QLatin1Char('\t') +
                                                  FieldText(pairs.XItem(i))
                                            : FieldText(pairs.XItem(i));
        const QByteArray bytes = (line + QStringLiteral("\r\n")).toUtf8();
        if (temp.write(bytes) != bytes.size())
            throw FileError(path, temp.errorString());
        content += bytes;
        ui.SetProgressValue(i);
        ui.ProcessEvents();
    }
    if (!temp.flush() || ::fsync(temp.handle()) != 0)
        throw FileError(path, temp.errorString());
    temp.close();
    return content;
}

// Saves one collection: the temporary file first, then a copy of it renamed
// over the text file in one step, so the text file is never half written.
void SaveKamusFile(const KamusFileDef& def)
{
    Ui& ui = CurrentUi();
    ui.SetProgressStatus(def.saveStatus);
    ui.SetProgressValue(0);
    // A copy: the dictionary window may change the collection while the
    // file is written.
    Collection pairs = def.collection();
    ui.SetProgressMax(pairs.XCount() + 1);
    const QByteArray content = WriteTempFile(def, pairs);

    const QString path = AppFilePath(def.text);
    QSaveFile target(path);
    if (!target.open(QIODevice::WriteOnly) || target.write(content) != content.size() ||
        !target.commit())
        throw FileError(path, target.errorString());
}

// Product, version and web address: the header line of a TEN01 block.
QByteArray TenHeaderLine()
{
    const QString line = QStringLiteral("Tembusa %1 text dictionary export - %2")
                             .arg(QLatin1String(TEMBUSA_VERSION_STRING), kProjectWebAddress);
    return line.toUtf8().left(kTenHeaderMax);
}

} // namespace

KamusFile::KamusFile() = default;

void KamusFile::BukaFileKamus()
{
    const BusyScope busy;
    EnsureKamusFiles();
    for (int i = 0; i < kFileCount; ++i) {
        m_FileNo = static_cast<qint16>(i + 1);
        const bool read = ReadKamusFile(FileDef(i));
        m_FileNo = 0;
        if (!read)
            break;
    }
}

void KamusFile::SaveAll()
{
    const ProgressScope progress;
    for (int i = 0; i < kFileCount; ++i)
        SaveKamusFile(FileDef(i));
}

void KamusFile::TampilKamus()
{
    CurrentUi().ShowKamus(false);
}

void KamusFile::SaveAsTEN(QVariant& sFile)
{
    const QString name = sFile.toString();
    const QString path = AppFilePath(name);
    QFile file(path);
    // ReadWrite creates a missing file and never shortens an existing one.
    if (name.isEmpty() || !file.open(QIODevice::ReadWrite))
        throw FileError(path, name.isEmpty() ? QStringLiteral("no file name") : file.errorString());

    const QByteArray header = TenHeaderLine();
    const auto n = static_cast<quint8>(header.size());
    const quint16 valueLength = n + 1;
    QByteArray block(kTenBlockSize, '\0');
    block[0] = kTenTypeText;
    block[1] = 0;
    block[2] = static_cast<char>(valueLength & 0xFF);
    block[3] = static_cast<char>(valueLength >> 8);
    block[4] = static_cast<char>(n);
    block.replace(5, header.size(), header);
    if (file.write(block) != kTenBlockSize || !file.flush())
        throw FileError(path, file.errorString());
}

} // namespace tembusa
