// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/DictBuild.h"

#include "cli/CliOptions.h"
#include "cli/CoreLists.h"
#include "cli/FreeDict.h"
#include "cli/KamusWriter.h"

#include "dictionary/Connect.h"
#include "dictionary/Schema.h"
#include "platform/BackupName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace tembusa::cli {
namespace {

// Where the Debian package dict-freedict-eng-ind puts its dictionary.
const QString kDefaultFreeDict = QStringLiteral("/usr/share/dictd/freedict-eng-ind");

void PrintResult(const QString& line)
{
    WriteStdout((line + QLatin1Char('\n')).toUtf8());
}

QString TargetPath(const ParsedArgs& parsed)
{
    return parsed.values.value(QStringLiteral("--db"), DictionaryPath());
}

struct BuildSource
{
    CoreLists core;
    FreeDictContent freeDict;
    bool withFreeDict = false;
};

// Reads everything the build needs before any file is touched.
bool ReadBuildSource(const ParsedArgs& parsed, BuildSource& source, QString& error)
{
    if (!LoadCoreLists(source.core, error))
        return false;
    if (parsed.Has(QStringLiteral("--no-freedict")))
        return true;
    const QString base = parsed.values.value(QStringLiteral("--freedict"), kDefaultFreeDict);
    const QString index = base + QStringLiteral(".index");
    const QString data = base + QStringLiteral(".dict.dz");
    if (!parsed.values.contains(QStringLiteral("--freedict")) &&
        !(QFileInfo::exists(index) && QFileInfo::exists(data))) {
        PrintError(QStringLiteral("the FreeDict English-Indonesian dictionary is not installed "
                                  "(%1 is missing), so the dictionary holds the core lists only; "
                                  "install the Debian package dict-freedict-eng-ind and rebuild "
                                  "to add it")
                       .arg(index));
        return true;
    }
    source.withFreeDict = true;
    return ReadFreeDict(index, data, source.freeDict, error);
}

struct BuildCounts
{
    qint32 core = 0;
    qint32 freeDict = 0;
    qint32 coveredByCore = 0; // FreeDict headwords the core list has
};

bool WriteBuild(const QString& path, const BuildSource& source, BuildCounts& counts, QString& error)
{
    KamusWriter writer;
    qint32 present = 0;
    // The core list goes first, so that FreeDict's rows for its words are
    // the ones left out.
    return writer.Begin(path, error) &&
           writer.AddRows(source.core.words, QString(), counts.core, present, error) &&
           writer.AddLists(source.core, error) &&
           writer.AddRows(source.freeDict.headwords, QStringLiteral("Building the dictionary"),
                          counts.freeDict, counts.coveredByCore, error) &&
           writer.Commit(error);
}

// Puts the finished file in place. Without replace an existing file is never
// overwritten; with it the old file is first copied to a backup, then the new
// one renamed over it, so the name always holds one complete dictionary.
bool PutInPlace(const QString& built, const QString& path, bool replace, QString& backup,
                QString& error)
{
    if (!replace) {
        if (QFile::rename(built, path))
            return true;
        error = QStringLiteral("cannot put the new dictionary in place as \"%1\"").arg(path);
        return false;
    }
    backup = FreeBackupName(path);
    if (!QFile::copy(path, backup)) {
        error = QStringLiteral("cannot keep the old dictionary as \"%1\"").arg(backup);
        return false;
    }
    if (std::rename(QFile::encodeName(built).constData(), QFile::encodeName(path).constData()) !=
        0) {
        error = QStringLiteral("cannot replace \"%1\" (the old file is unchanged)").arg(path);
        return false;
    }
    return true;
}

} // namespace

int RunImportFreeDict(const QStringList& args)
{
    const CommandSpec syntax{
        QStringLiteral("tembusa dict import-freedict INDEX DICTDZ [--db FILE]"),
        QStringLiteral(
            "Adds the headwords of a dictd dictionary (INDEX is its .index file, DICTDZ its\n"
            ".dict.dz data) to the dictionary database: the application folder's kamus.mdb,\n"
            "or FILE with --db (created when missing). Each headword gets the first five of\n"
            "its translations. Words the database holds already keep their rows. The import\n"
            "is one transaction: after an error the database is unchanged."),
        {QStringLiteral("--db")},
        {},
        2,
        2};
    ParsedArgs parsed;
    if (const int code = ParseArgs(args, syntax, parsed); code >= 0)
        return code;
    FreeDictContent content;
    QString error;
    if (!ReadFreeDict(parsed.positional.at(0), parsed.positional.at(1), content, error)) {
        PrintError(error);
        return kFailure;
    }
    const QString path = TargetPath(parsed);
    const bool created = !QFileInfo::exists(path);
    if (created && !CreateKamusFile(path, error)) {
        PrintError(error);
        return kFailure;
    }
    qint32 written = 0;
    qint32 present = 0;
    bool stored = false;
    {
        KamusWriter writer;
        stored = writer.Begin(path, error) &&
                 writer.AddRows(content.headwords, QStringLiteral("Importing"), written, present,
                                error) &&
                 writer.Commit(error);
    }
    if (!stored) {
        if (created)
            QFile::remove(path);
        PrintError(error);
        return kFailure;
    }
    PrintResult(QStringLiteral("%1 headwords read, %2 rows written, %3 skipped (%4 prefixes and "
                               "suffixes, %5 without translation, %6 already in the dictionary)")
                    .arg(content.read)
                    .arg(written)
                    .arg(content.read - written)
                    .arg(content.affixes)
                    .arg(content.withoutTranslation)
                    .arg(present));
    return kSuccess;
}

int RunBuild(const QStringList& args)
{
    const CommandSpec syntax{
        QStringLiteral("tembusa dict build [--db FILE] [--replace] [--freedict BASE | "
                       "--no-freedict]"),
        QStringLiteral(
            "Builds the default dictionary: the project's core word list, rule words, reject\n"
            "and ignore lists, and the FreeDict English-Indonesian dictionary when it is\n"
            "installed (the core list wins for its words). The target is the application\n"
            "folder's kamus.mdb, or FILE with --db.\n\n"
            "An existing dictionary holds the user's learned words and counters and is never\n"
            "overwritten, unless --replace asks for it; the old file is then kept as\n"
            "FILE.bak (or FILE.bak.1, ... when that exists).\n\n"
            "  --freedict BASE   read BASE.index and BASE.dict.dz instead of the Debian\n"
            "                    package's /usr/share/dictd/freedict-eng-ind\n"
            "  --no-freedict     build from the core lists only"),
        {QStringLiteral("--db"), QStringLiteral("--freedict")},
        {QStringLiteral("--replace"), QStringLiteral("--no-freedict")},
        0,
        0};
    ParsedArgs parsed;
    if (const int code = ParseArgs(args, syntax, parsed); code >= 0)
        return code;
    if (parsed.Has(QStringLiteral("--no-freedict")) &&
        parsed.values.contains(QStringLiteral("--freedict")))
        return UsageError(syntax,
                          QStringLiteral("--freedict and --no-freedict exclude each other"));
    const QString path = TargetPath(parsed);
    const bool replace = parsed.Has(QStringLiteral("--replace"));
    if (QFileInfo::exists(path) && !replace) {
        PrintError(QStringLiteral("\"%1\" exists already and is left as it is (it may hold learned "
                                  "words); to rebuild it on purpose, run again with --replace, "
                                  "which keeps the old file as a backup")
                       .arg(path));
        return kFailure;
    }
    if (!QFileInfo(path).absoluteDir().exists()) {
        PrintError(QStringLiteral("cannot build \"%1\": the folder does not exist").arg(path));
        return kFailure;
    }

    BuildSource source;
    QString error;
    if (!ReadBuildSource(parsed, source, error)) {
        PrintError(error);
        return kFailure;
    }
    const QString building = path + QStringLiteral(".building");
    QFile::remove(building); // left over from a run that was killed
    BuildCounts counts;
    QString backup;
    if (!CreateKamusFile(building, error) || !WriteBuild(building, source, counts, error) ||
        !PutInPlace(building, path, replace, backup, error)) {
        QFile::remove(building);
        PrintError(error);
        return kFailure;
    }
    PrintResult(QStringLiteral("built \"%1\": %2 words (%3 from the core list, %4 from FreeDict), "
                               "%5 rule words, %6 reject words, %7 ignore words")
                    .arg(path)
                    .arg(counts.core + counts.freeDict)
                    .arg(counts.core)
                    .arg(counts.freeDict)
                    .arg(source.core.rules.size())
                    .arg(source.core.rejected.size())
                    .arg(source.core.ignored.size()));
    if (!backup.isEmpty())
        PrintResult(QStringLiteral("the old dictionary is kept as \"%1\"").arg(backup));
    return kSuccess;
}

} // namespace tembusa::cli
