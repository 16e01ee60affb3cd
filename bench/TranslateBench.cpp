// SPDX-License-Identifier: GPL-3.0-or-later
// Translating 1 MB of English through the library with a dictionary of more
// than 10,000 rows; reports words per second.
#include <tembusa/TlrEngine.h>

#include "dictionary/Connect.h"
#include "dictionary/Schema.h"
#include "platform/AppFolder.h"
#include "platform/ScriptedUi.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

QString SampleText()
{
    QString sample;
    for (const QString& name : QDir(QStringLiteral(TEMBUSA_EXAMPLES_DIR))
                                   .entryList({QStringLiteral("*.txt")}, QDir::Files)) {
        QFile file(QStringLiteral(TEMBUSA_EXAMPLES_DIR "/") + name);
        if (file.open(QIODevice::ReadOnly))
            sample += QString::fromUtf8(file.readAll()) + QLatin1Char('\n');
    }
    if (sample.isEmpty())
        sample = QStringLiteral("The old man walked to the river every morning.\n");
    QString text;
    while (text.size() < 1024 * 1024)
        text += sample;
    return text;
}

// The sample's own words with meanings, padded with made-up words to 12,000
// rows, so lookups run against a dictionary of realistic size.
void FillDictionary(const QString& path, const QString& text)
{
    QString error;
    if (!tembusa::CreateKamusFile(path, error))
        return;
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO [indo-data](English, Indo1) VALUES(?1, ?2)", -1, &insert,
                       nullptr);
    QStringList words = text.left(20000).toLower().split(
        QRegularExpression(QStringLiteral("[^a-z']+")), Qt::SkipEmptyParts);
    words.removeDuplicates();
    for (int i = 0; words.size() < 12000; ++i)
        words << QStringLiteral("word%1").arg(i);
    for (const QString& word : std::as_const(words)) {
        const QByteArray english = word.toUtf8();
        const QByteArray indo = (QStringLiteral("arti-") + word).toUtf8();
        sqlite3_bind_text(insert, 1, english.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 2, indo.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

void BM_TranslateOneMegabyte(benchmark::State& state)
{
    QTemporaryDir folder;
    tembusa::OverrideAppFolder(folder.path());
    const QString text = SampleText();
    FillDictionary(folder.filePath(QStringLiteral("kamus.mdb")), text);
    tembusa::ScriptedUi ui;
    tembusa::ScriptedUi::Scope scope(ui);
    tembusa::TlrEngine engine;
    engine.m_UseStatistic(true);
    const qsizetype words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts).size();
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.Translate(text).size());
    state.counters["words/s"] =
        benchmark::Counter(double(words) * double(state.iterations()), benchmark::Counter::kIsRate);
    tembusa::OverrideAppFolder(QString());
}
BENCHMARK(BM_TranslateOneMegabyte)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
