// "Összes találat cseréje" over a 100,000-row table (and its first quarter
// and half, to show the cost grows with the rows alone): one replacement
// in every row, then several in every row, each with its log entry.
#include <benchmark/benchmark.h>

#include "editor/EditorModel.h"
#include "tools/search/Replace.h"

namespace {

void fill(EditorModel &model, int rows)
{
    SubtitleTable &cds = model.cds;
    cds.create();
    for (int i = 0; i < rows; ++i) {
        cds.append();
        cds.setField(Field::Kezdes, QStringLiteral("00:00:01,000"));
        cds.setField(Field::Befejezes, QStringLiteral("00:00:02,000"));
        cds.setField(Field::Szoveg,
                     QStringLiteral("%1. sor: Mondd, ki az?|Nem tudom, Ki lehet.").arg(i + 1));
        cds.post();
    }
    cds.first();
}

void runReplaceAll(benchmark::State &state, const QString &find, const QString &with)
{
    const int rows = int(state.range(0));
    int replaced = 0;
    for (auto _ : state) {
        state.PauseTiming();
        EditorModel model;
        model.setTimeBase(QStringLiteral("Time"));
        fill(model, rows);
        state.ResumeTiming();
        replaced = replaceAll(model, find, with, false);
        benchmark::DoNotOptimize(replaced);
        state.PauseTiming();
        model.cds.close();
        model.log.clear();
        state.ResumeTiming();
    }
    state.counters["replaced"] = replaced;
    state.SetComplexityN(rows);
}

void BM_ReplaceAllOncePerRow(benchmark::State &state)
{
    runReplaceAll(state, QStringLiteral("ki az"), QStringLiteral("ki volt az"));
}
void BM_ReplaceAllThreePerRow(benchmark::State &state)
{
    runReplaceAll(state, QStringLiteral("o"), QStringLiteral("ó"));
}

BENCHMARK(BM_ReplaceAllOncePerRow)
    ->Arg(25000)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_ReplaceAllThreePerRow)
    ->Arg(25000)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace
