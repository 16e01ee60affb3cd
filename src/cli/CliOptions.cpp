// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliOptions.h"

#include "platform/TextCodec.h"

#include <QFile>

#include <cstdio>

namespace tembusa::cli {
namespace {

void PrintHelp(const CommandSpec& syntax)
{
    const QString text = QStringLiteral("usage: ") + syntax.usage + QStringLiteral("\n\n") +
                         syntax.description + QLatin1Char('\n');
    std::fputs(text.toUtf8().constData(), stdout);
}

} // namespace

void PrintError(const QString& message)
{
    std::fprintf(stderr, "tembusa: %s\n", message.toUtf8().constData());
}

int UsageError(const CommandSpec& syntax, const QString& message)
{
    PrintError(message);
    std::fprintf(stderr, "usage: %s\nTry '--help' for more.\n", syntax.usage.toUtf8().constData());
    return kUsage;
}

int ParseArgs(const QStringList& args, const CommandSpec& syntax, ParsedArgs& parsed)
{
    bool optionsEnded = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (!optionsEnded && (arg == QLatin1String("--help") || arg == QLatin1String("-h"))) {
            PrintHelp(syntax);
            return kSuccess;
        }
        if (!optionsEnded && arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && arg.startsWith(QLatin1String("--"))) {
            const qsizetype eq = arg.indexOf(QLatin1Char('='));
            const QString name = eq < 0 ? arg : arg.left(eq);
            if (syntax.flagOptions.contains(name) && eq < 0) {
                parsed.flags << name;
            } else if (syntax.valueOptions.contains(name)) {
                if (eq >= 0) {
                    parsed.values.insert(name, arg.mid(eq + 1));
                } else if (i + 1 < args.size()) {
                    parsed.values.insert(name, args.at(++i));
                } else {
                    return UsageError(syntax, QStringLiteral("option %1 needs a value").arg(name));
                }
            } else {
                return UsageError(syntax, QStringLiteral("unknown option %1").arg(arg));
            }
        } else {
            parsed.positional << arg;
        }
    }
    if (parsed.positional.size() < syntax.minPositional)
        return UsageError(syntax, QStringLiteral("missing argument"));
    if (syntax.maxPositional >= 0 && parsed.positional.size() > syntax.maxPositional)
        return UsageError(syntax, QStringLiteral("too many arguments"));
    return -1;
}

bool WriteStdout(const QByteArray& bytes)
{
    if (!bytes.isEmpty() &&
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size()))
        return false;
    return std::fflush(stdout) == 0;
}

bool ReadInputText(const QString& fileName, QString& text, QString& error)
{
    TextDecoding how = TextDecoding::Utf8;
    const bool standardInput = fileName.isEmpty() || fileName == QLatin1String("-");
    const QString name = standardInput ? QStringLiteral("standard input")
                                       : QLatin1Char('"') + fileName + QLatin1Char('"');
    if (!standardInput) {
        if (!ReadTextFile(fileName, text, error, &how))
            return false;
    } else {
        QFile in;
        QByteArray bytes;
        if (!in.open(stdin, QIODevice::ReadOnly)) {
            error = QStringLiteral("cannot read standard input: %1").arg(in.errorString());
            return false;
        }
        if (!ReadAllBytes(in, name, bytes, error))
            return false;
        text = DecodeText(bytes, &how);
    }
    if (how == TextDecoding::Utf8Repaired)
        PrintError(QStringLiteral("%1 is UTF-8 apart from a few bytes that are not; they were "
                                  "read as U+FFFD")
                       .arg(name));
    return true;
}

} // namespace tembusa::cli
