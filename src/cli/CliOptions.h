// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The option helper every command of the command-line client shares, so that
// all of them read options, answer --help and report usage errors alike.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

namespace tembusa::cli {

enum ExitCode : int { kSuccess = 0, kFailure = 1, kUsage = 2 };

struct CommandSpec
{
    QString usage;            // the synopsis line(s), after "usage: "
    QString description;      // what the command does, for --help
    QStringList valueOptions; // options that take a value, such as "--db"
    QStringList flagOptions;  // options without a value, such as "--ask"
    int minPositional = 0;
    int maxPositional = 0; // -1: any number
};

struct ParsedArgs
{
    QStringList positional;
    QHash<QString, QString> values;
    QStringList flags;
    bool Has(const QString& flag) const { return flags.contains(flag); }
};

// Parses args against syntax. Returns -1 when the command is to run, else the
// exit code to end with (--help printed: 0; a usage error reported: 2).
int ParseArgs(const QStringList& args, const CommandSpec& syntax, ParsedArgs& parsed);

// Messages: errors go to standard error as "tembusa: ..." lines.
void PrintError(const QString& message);
int UsageError(const CommandSpec& syntax, const QString& message);

// Writes bytes to standard output exactly as they are.
bool WriteStdout(const QByteArray& bytes);

// Reads a whole text file, or standard input for an empty name or "-".
bool ReadInputText(const QString& fileName, QString& text, QString& error);

} // namespace tembusa::cli
