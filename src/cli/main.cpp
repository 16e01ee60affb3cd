// SPDX-License-Identifier: GPL-3.0-or-later
// tembusa: the command-line client of the translation engine.
#include "cli/CliOptions.h"
#include "cli/Commands.h"

#include <tembusa/Error.h>

#include "platform/AppFolder.h"

#include <cstdio>
#include <exception>

using namespace tembusa::cli;

namespace {

// Where this program keeps its files, as the help tells it.
QString FilesHelp()
{
    const QString dictionary = tembusa::AppFilePath(QStringLiteral("kamus.mdb"));
    if (tembusa::AppFolder() == tembusa::SharedFolder())
        return QStringLiteral("Files: the dictionary is %1; the program's other data files\n"
                              "sit beside it.")
            .arg(dictionary);
    return QStringLiteral(
               "Files: your dictionary is %1 ($XDG_DATA_HOME/rumbela,\n"
               "by default ~/.local/share/rumbela); on first use it is a copy of the shipped\n"
               "one, and no upgrade replaces it. The shipped data is read from %2.")
        .arg(dictionary, tembusa::SharedFolder());
}

CommandSpec MainSpec()
{
    return {
        QStringLiteral("tembusa COMMAND [ARGS...]"),
        QStringLiteral(
            "English to Indonesian translation from the command line.\n\n"
            "Commands:\n"
            "  translate [--db FILE] [--ask] [--unknown OUT] [--natural] [FILE]\n"
            "                                           translate English text into "
            "Indonesian\n"
            "  lookup [--db FILE] WORD...               look words up in the dictionary\n"
            "  list paragraphs|sentences|words [FILE]   show how a text is cut into units\n"
            "  dict create FILE                         create an empty dictionary database\n"
            "  dict import-freedict INDEX DICTDZ [--db FILE]\n"
            "                                           import a dictd dictionary\n"
            "  dict build [--db FILE] [--replace]       build the default dictionary\n\n"
            "Each command answers --help. Exit codes: 0 success, 1 failure, 2 wrong usage.\n\n") +
            FilesHelp(),
        {},
        {},
        0,
        -1};
}

int Dispatch(const QStringList& args)
{
    if (args.isEmpty())
        return UsageError(MainSpec(), QStringLiteral("missing command"));
    const QString command = args.at(0);
    if (command == QLatin1String("--version")) {
        std::printf("tembusa %s\n", TEMBUSA_VERSION_STRING);
        return kSuccess;
    }
    if (command == QLatin1String("translate"))
        return RunTranslate(args.mid(1));
    if (command == QLatin1String("lookup"))
        return RunLookup(args.mid(1));
    if (command == QLatin1String("list"))
        return RunList(args.mid(1));
    if (command == QLatin1String("dict"))
        return RunDict(args.mid(1));
    ParsedArgs parsed;
    if (const int code = ParseArgs(args, MainSpec(), parsed); code >= 0)
        return code;
    return UsageError(MainSpec(), QStringLiteral("unknown command \"%1\"").arg(command));
}

} // namespace

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    try {
        return Dispatch(args);
    } catch (const tembusa::Error& error) {
        PrintError(error.description());
    } catch (const std::exception& error) {
        PrintError(QString::fromUtf8(error.what()));
    }
    return kFailure;
}
