#include <benchmark/benchmark.h>

#include "app/ModeValues.h"
#include "document/TimeCode.h"
#include "editor/EditorModel.h"
#include "tools/timing/FpsConversion.h"
#include "tools/timing/TimeBase.h"

namespace {

void fill(EditorModel &model, int rows)
{
    model.cds.create();
    model.cds.suspendRefresh();
    for (int i = 0; i < rows; ++i) {
        model.cds.append();
        model.cds.setField(Field::Kezdes, secondsToTimeCode(i * 3 + 1));
        model.cds.setField(Field::Befejezes, secondsToTimeCode(i * 3 + 2.5L));
        model.cds.setField(Field::Szoveg, QStringLiteral("Egy sor|és még egy"));
        model.cds.post();
    }
    model.cds.resumeRefresh();
    model.setTimeBase(TimeBase::time);
}

// One iteration switches to frames and back: two passes over the table.
void BM_TimeBaseSwitch(benchmark::State &state)
{
    EditorModel model;
    fill(model, int(state.range(0)));
    for (auto _ : state) {
        switchTimeBase(model, TimeBase::frame);
        switchTimeBase(model, TimeBase::time);
        benchmark::DoNotOptimize(model.cds.rowAt(0).kezdes);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_TimeBaseSwitch)->RangeMultiplier(10)->Range(10000, 100000)->Complexity(benchmark::oN);

// There and back between 25 and 24 keeps the times in range.
void BM_FpsConversion(benchmark::State &state)
{
    EditorModel model;
    fill(model, int(state.range(0)));
    for (auto _ : state) {
        convertFps(model, QStringLiteral("25"), QStringLiteral("24"));
        convertFps(model, QStringLiteral("24"), QStringLiteral("25"));
        benchmark::DoNotOptimize(model.cds.rowAt(0).kezdes);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_FpsConversion)->RangeMultiplier(10)->Range(10000, 100000)->Complexity(benchmark::oN);

}  // namespace
