// SPDX-License-Identifier: GPL-3.0-or-later
// Cutting a 10 MB text into units and listing them: one pass each.
#include "engine/Segmentation.h"

#include <benchmark/benchmark.h>

namespace {

QString TenMegabytes()
{
    const QString paragraph = QStringLiteral(
        "The old man walked to the river every morning. He sat on a rock, and he watched the "
        "boats go by; sometimes he counted them: 3.5 an hour!\r\n");
    QString text;
    text.reserve(10 * 1024 * 1024 + paragraph.size());
    while (text.size() < 10 * 1024 * 1024)
        text += paragraph;
    return text;
}

void BM_ParseTenMegabytes(benchmark::State& state)
{
    const QString text = TenMegabytes();
    tembusa::UnitTables tables;
    for (auto _ : state) {
        tembusa::ParseUnits(text, tables);
        benchmark::DoNotOptimize(tables.words->size());
    }
    state.SetBytesProcessed(state.iterations() * text.size() * qsizetype(sizeof(QChar)));
}
BENCHMARK(BM_ParseTenMegabytes)->Unit(benchmark::kMillisecond);

void BM_ParseAndListTenMegabytes(benchmark::State& state)
{
    const QString text = TenMegabytes();
    tembusa::UnitTables tables;
    for (auto _ : state) {
        tembusa::ParseUnits(text, tables);
        const QString words = tembusa::ListUnits(*tables.words, text);
        const QString sentences = tembusa::ListUnits(*tables.sentences, text);
        benchmark::DoNotOptimize(words.size() + sentences.size());
    }
}
BENCHMARK(BM_ParseAndListTenMegabytes)->Unit(benchmark::kMillisecond);

// The sentences alone, one after another, as a streamed translation cuts them.
void BM_CutSentencesTenMegabytes(benchmark::State& state)
{
    const QString text = TenMegabytes();
    for (auto _ : state) {
        tembusa::SentenceCutter cutter(text);
        qint64 count = 0;
        for (tembusa::UnitSpan span; cutter.Next(span);)
            ++count;
        benchmark::DoNotOptimize(count);
    }
    state.SetBytesProcessed(state.iterations() * text.size() * qsizetype(sizeof(QChar)));
}
BENCHMARK(BM_CutSentencesTenMegabytes)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
