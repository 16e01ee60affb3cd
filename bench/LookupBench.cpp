// SPDX-License-Identifier: GPL-3.0-or-later
// One lookup and one sentence over a dictionary of 12,000 rows: answered
// from what the dictionary kept, from the database inside a batch, and as a
// plain dictionary asks (every query in its own transaction).
#include <tembusa/KamusData.h>
#include <tembusa/TlrEngine.h>

#include "dictionary/Connect.h"
#include "dictionary/LookupCache.h"
#include "dictionary/Schema.h"
#include "platform/AppFolder.h"
#include "platform/ScriptedUi.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

constexpr int kRows = 12000;

QString Word(int i)
{
    return QStringLiteral("word%1").arg(i);
}

// A dictionary of kRows words "word0" ... with one meaning each, a few rule
// and reject words, in a folder that serves as the application folder.
class BenchKamus
{
public:
    BenchKamus()
    {
        tembusa::OverrideAppFolder(m_Folder.path());
        const QString path = m_Folder.filePath(QStringLiteral("kamus.mdb"));
        QString error;
        tembusa::CreateKamusFile(path, error);
        sqlite3* db = nullptr;
        sqlite3_open(QFile::encodeName(path).constData(), &db);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO [indo-data](English, Indo1) VALUES(?1, ?2)", -1,
                           &insert, nullptr);
        for (int i = 0; i < kRows; ++i) {
            const QByteArray english = Word(i).toUtf8();
            const QByteArray indo = (QStringLiteral("arti") + QString::number(i)).toUtf8();
            sqlite3_bind_text(insert, 1, english.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(insert, 2, indo.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        sqlite3_exec(db,
                     "INSERT INTO [Indo-Rule1](English, TypeBA) VALUES ('my','A'), ('this','A');"
                     "INSERT INTO [indo-tolak](kata) VALUES ('km'), ('kg');"
                     "COMMIT",
                     nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    ~BenchKamus() { tembusa::OverrideAppFolder(QString()); }

private:
    QTemporaryDir m_Folder;
    tembusa::ScriptedUi m_Ui;
    tembusa::ScriptedUi::Scope m_Scope{m_Ui};
};

// shortcuts: 1 keeps answers and batches reads, 0 asks plainly.
void BM_LookupSameWord(benchmark::State& state)
{
    BenchKamus kamus;
    tembusa::UseLookupShortcuts(state.range(0) != 0);
    tembusa::KamusData data;
    data.OpenAll();
    data.LearnOff(true);
    const QString word = Word(777);
    for (auto _ : state)
        benchmark::DoNotOptimize(data.Arti(word).size());
    tembusa::UseLookupShortcuts(true);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LookupSameWord)->Arg(1)->Arg(0);

// Every lookup a word not asked before, inside one batch per 1,000 lookups:
// what a word costs the first time a text uses it.
void BM_LookupNewWord(benchmark::State& state)
{
    BenchKamus kamus;
    tembusa::KamusData data;
    data.OpenAll();
    data.LearnOff(true);
    int i = 0;
    data.BeginBatch();
    for (auto _ : state) {
        benchmark::DoNotOptimize(data.Arti(Word(i++ % (4 * kRows))).size());
        if (i % 1000 == 0) {
            data.EndBatch();
            data.BeginBatch();
        }
    }
    data.EndBatch();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LookupNewWord);

// A sentence of twelve words, as the document loop translates it.
void BM_TranslateSentence(benchmark::State& state)
{
    BenchKamus kamus;
    tembusa::UseLookupShortcuts(state.range(0) != 0);
    tembusa::TlrEngine engine;
    engine.m_UseStatistic(true);
    const QString sentence = QStringLiteral(
        "The word1 of word2 is word3, my word4 and this word5 were word6 unknownish words.");
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.Translate(sentence).size());
    tembusa::UseLookupShortcuts(true);
    state.SetItemsProcessed(state.iterations() * 14);
}
BENCHMARK(BM_TranslateSentence)->Arg(1)->Arg(0);

} // namespace

BENCHMARK_MAIN();
