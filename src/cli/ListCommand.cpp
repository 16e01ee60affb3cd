// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliOptions.h"
#include "cli/Commands.h"

#include "engine/Segmentation.h"

namespace tembusa::cli {

int RunList(const QStringList& args)
{
    const CommandSpec syntax{
        QStringLiteral("tembusa list paragraphs|sentences|words [FILE]"),
        QStringLiteral(
            "Cuts the text of FILE (standard input when absent) into paragraphs, sentences\n"
            "and words, and prints the chosen table: for every unit, CR LF, its start and end\n"
            "position, \"-\" and its text. Positions count UTF-16 units from 1."),
        {},
        {},
        1,
        2};
    ParsedArgs parsed;
    if (const int code = ParseArgs(args, syntax, parsed); code >= 0)
        return code;

    const QString kind = parsed.positional.at(0);
    if (kind != QLatin1String("paragraphs") && kind != QLatin1String("sentences") &&
        kind != QLatin1String("words"))
        return UsageError(syntax, QStringLiteral("unknown listing \"%1\"").arg(kind));

    QString text;
    QString error;
    if (!ReadInputText(parsed.positional.value(1), text, error)) {
        PrintError(error);
        return kFailure;
    }
    UnitTables tables;
    ParseUnits(text, tables);
    const UnitTable& table = kind == QLatin1String("paragraphs")  ? *tables.paragraphs
                             : kind == QLatin1String("sentences") ? *tables.sentences
                                                                  : *tables.words;
    bool written = true;
    WriteUnits(table, text, [&written](const QString& piece) {
        written = written && WriteStdout(piece.toUtf8());
    });
    if (!written) {
        PrintError(QStringLiteral("cannot write to standard output"));
        return kFailure;
    }
    return kSuccess;
}

} // namespace tembusa::cli
