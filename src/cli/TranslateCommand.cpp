// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliOptions.h"
#include "cli/Commands.h"

#include <tembusa/KamusData.h>
#include <tembusa/TlrEngine.h>

#include "dictionary/Connect.h"

#include <QFile>
#include <QSaveFile>

#include <cstdio>
#include <unistd.h>

namespace tembusa::cli {
namespace {

// The run's progress as one updating line on a terminal's standard error.
class TerminalProgress : public ProgressBar
{
public:
    void Visible(bool value) override
    {
        if (!value && m_Shown) {
            std::fputs("\r\033[K", stderr);
            std::fflush(stderr);
            m_Shown = false;
        }
    }
    void Min(qint32) override {}
    void Max(qint32 value) override { m_Max = value; }
    void Value(qint32 value) override
    {
        if (m_Max <= 0)
            return;
        const int width = 30;
        const int filled = int(qint64(value) * width / m_Max);
        std::fprintf(stderr, "\rTranslating [%-*s] sentence %d of %d", width,
                     QByteArray(filled, '#').constData(), value + 1, m_Max);
        std::fflush(stderr);
        m_Shown = true;
    }

private:
    qint32 m_Max = 0;
    bool m_Shown = false;
};

class WordList : public UnknownList
{
public:
    qint32 ListCount() const override { return qint32(m_Words.size()); }
    QString List(qint32 index) const override { return m_Words.value(index); }
    void AddItem(const QString& item) override { m_Words << item; }
    const QStringList& Words() const { return m_Words; }

private:
    QStringList m_Words;
};

bool WriteWordList(const QString& fileName, const QStringList& words, QString& error)
{
    QSaveFile out(fileName);
    QByteArray bytes;
    for (const QString& word : words)
        bytes += word.toUtf8() + '\n';
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        error = QStringLiteral("cannot write \"%1\": %2").arg(fileName, out.errorString());
        return false;
    }
    return true;
}

// Points the dictionary at --db, or says why the file is unusable.
void UseDictionaryOption(const ParsedArgs& parsed)
{
    if (parsed.values.contains(QStringLiteral("--db")))
        SetDictionaryPath(parsed.values.value(QStringLiteral("--db")));
}

// The dictionary has said on standard error, in one line, what is wrong.
int DictionaryFailure()
{
    return kFailure;
}

} // namespace

int RunTranslate(const QStringList& args)
{
    const CommandSpec syntax{
        QStringLiteral("tembusa translate [--db FILE] [--ask] [--unknown OUT] [--natural] [FILE]"),
        QStringLiteral(
            "Translates the English text of FILE (standard input when absent) into Indonesian\n"
            "and prints exactly the translation.\n\n"
            "  --db FILE      use this dictionary database instead of the application\n"
            "                 folder's kamus.mdb\n"
            "  --ask          ask on the terminal which meaning to take when a word has\n"
            "                 several; without it the most chosen meaning is taken\n"
            "  --unknown OUT  write the words the dictionary did not know to OUT, one per line\n"
            "  --natural      natural Indonesian: verb prefixes joined by Indonesian sound\n"
            "                 rules, possessives as -nya, no prefix on an English word"),
        {QStringLiteral("--db"), QStringLiteral("--unknown")},
        {QStringLiteral("--ask"), QStringLiteral("--natural")},
        0,
        1};
    ParsedArgs parsed;
    if (const int code = ParseArgs(args, syntax, parsed); code >= 0)
        return code;
    QString text;
    QString error;
    if (!ReadInputText(parsed.positional.value(0), text, error)) {
        PrintError(error);
        return kFailure;
    }
    UseDictionaryOption(parsed);
    TlrEngine engine;
    if (!engine.Connected())
        return DictionaryFailure();

    TerminalProgress progress;
    WordList unknown;
    if (isatty(STDERR_FILENO))
        engine.m_ProgressBar(&progress);
    engine.m_UnknownList(&unknown);
    engine.m_UseStatistic(!parsed.Has(QStringLiteral("--ask")));
    engine.m_Natural(parsed.Has(QStringLiteral("--natural")));
    const QString result = engine.Translate(text);
    // A dictionary that could not be read gives no translation to print.
    if (!engine.DictionaryFailure().isEmpty())
        return kFailure;

    if (!WriteStdout(result.toUtf8())) {
        PrintError(QStringLiteral("cannot write to standard output"));
        return kFailure;
    }
    const QString unknownFile = parsed.values.value(QStringLiteral("--unknown"));
    if (!unknownFile.isEmpty() && !WriteWordList(unknownFile, unknown.Words(), error)) {
        PrintError(error);
        return kFailure;
    }
    return kSuccess;
}

int RunLookup(const QStringList& args)
{
    const CommandSpec syntax{
        QStringLiteral("tembusa lookup [--db FILE] WORD..."),
        QStringLiteral("Looks each WORD up in the dictionary and prints one line per word: the\n"
                       "lookup's result (a meaning ends with one blank), TAB, and the outcome\n"
                       "code in decimal (0 found, 4 found with a capital, 100 not found, ...).\n\n"
                       "  --db FILE      use this dictionary database instead of the application\n"
                       "                 folder's kamus.mdb"),
        {QStringLiteral("--db")},
        {},
        1,
        -1};
    ParsedArgs parsed;
    if (const int code = ParseArgs(args, syntax, parsed); code >= 0)
        return code;
    UseDictionaryOption(parsed);
    KamusData kamus;
    kamus.OpenAll();
    if (!kamus.Connected())
        return DictionaryFailure();
    // No questions: the most chosen meaning, and nothing learned.
    kamus.m_UseStatistic(true);
    kamus.LearnOff(true);
    QByteArray out;
    for (const QString& word : std::as_const(parsed.positional)) {
        const QString meaning = kamus.Arti(word);
        // A failed query found nothing, whatever its outcome code says.
        if (!kamus.Failure().isEmpty())
            return kFailure;
        out += (meaning + QLatin1Char('\t') + QString::number(kamus.Flag()) + QLatin1Char('\n'))
                   .toUtf8();
    }
    if (!WriteStdout(out)) {
        PrintError(QStringLiteral("cannot write to standard output"));
        return kFailure;
    }
    return kSuccess;
}

} // namespace tembusa::cli
