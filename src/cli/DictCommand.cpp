// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliOptions.h"
#include "cli/Commands.h"
#include "cli/DictBuild.h"

#include "dictionary/Schema.h"

#include <cstdio>

namespace tembusa::cli {
namespace {

int RunCreate(const QStringList& args)
{
    const CommandSpec syntax{
        QStringLiteral("tembusa dict create FILE"),
        QStringLiteral("Creates an empty dictionary database FILE with the five dictionary\n"
                       "tables. An existing file is never replaced."),
        {},
        {},
        1,
        1};
    ParsedArgs parsed;
    if (const int code = ParseArgs(args, syntax, parsed); code >= 0)
        return code;
    QString error;
    if (!CreateKamusFile(parsed.positional.at(0), error)) {
        PrintError(error);
        return kFailure;
    }
    return kSuccess;
}

} // namespace

int RunDict(const QStringList& args)
{
    const CommandSpec syntax{QStringLiteral("tembusa dict create|import-freedict|build ..."),
                             QStringLiteral("Dictionary commands:\n"
                                            "  create FILE   create an empty dictionary database\n"
                                            "  import-freedict INDEX DICTDZ [--db FILE]\n"
                                            "                import a dictd dictionary\n"
                                            "  build [--db FILE] [--replace]\n"
                                            "                build the default dictionary"),
                             {},
                             {},
                             1,
                             -1};
    if (args.isEmpty())
        return UsageError(syntax, QStringLiteral("missing dictionary command"));
    const QString command = args.at(0);
    if (command == QLatin1String("create"))
        return RunCreate(args.mid(1));
    if (command == QLatin1String("import-freedict"))
        return RunImportFreeDict(args.mid(1));
    if (command == QLatin1String("build"))
        return RunBuild(args.mid(1));
    ParsedArgs parsed;
    if (const int code = ParseArgs(args, syntax, parsed); code >= 0)
        return code;
    return UsageError(syntax, QStringLiteral("unknown dictionary command \"%1\"").arg(command));
}

} // namespace tembusa::cli
