#include <benchmark/benchmark.h>

#include "app/MessageBox.h"
#include "document/DocumentGlobals.h"
#include "editor/CellShade.h"
#include "editor/EditorModel.h"
#include "editor/FlagRecount.h"
#include "editor/RowText.h"
#include "tools/text/BatchPass.h"

namespace {

// Rows of one to three lines, about a third of them 38 to 40 characters long.
void fill(EditorModel &model, int rows)
{
    model.cds.create();
    model.cds.suspendRefresh();
    for (int i = 0; i < rows; ++i) {
        model.cds.append();
        model.cds.setField(Field::Kezdes, QStringLiteral("00:00:01,000"));
        model.cds.setField(Field::Befejezes, QStringLiteral("00:00:03,000"));
        QString text(30 + i % 11, u'x');
        if (i % 3 == 1)
            text += QStringLiteral("|második sor");
        if (i % 7 == 2)
            text += QStringLiteral("|harmadik|negyedik");
        writeRowText(model, text, false, false, false);
    }
    model.cds.resumeRefresh();
}

// The threshold change handler: every iteration moves T, so flags flip.
void BM_RecountAllFlags(benchmark::State &state)
{
    EditorModel model;
    fill(model, int(state.range(0)));
    model.cds.setRecNo(int(state.range(0)) / 2);
    int t = 37;
    for (auto _ : state) {
        t = t == 37 ? 39 : 37;
        model.setThreshold(t);
        recountAllFlags(model);
        benchmark::DoNotOptimize(model.overThresholdCount);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_RecountAllFlags)->RangeMultiplier(10)->Range(10000, 100000)->Complexity(benchmark::oN);

// Drawing decides the colour of every visible cell of every row.
void BM_CellShade(benchmark::State &state)
{
    EditorModel model;
    fill(model, int(state.range(0)));
    for (auto _ : state) {
        int coloured = 0;
        for (int i = 0; i < model.cds.recordCount(); ++i)
            coloured += cellShade(model.cds.rowAt(i), true, 37, true, true) != CellShade::Normal;
        benchmark::DoNotOptimize(coloured);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_CellShade)->RangeMultiplier(10)->Range(10000, 100000)->Complexity(benchmark::oN);

}  // namespace

namespace {

// A text tool that rewrites a third of the rows and deletes another third:
// deletions inside the pass must keep it linear.
void BM_BatchPassRewriteAndDelete(benchmark::State &state)
{
    quietBoxes = true;
    BatchTool tool;
    tool.rules.push_back(makeRule([](QString &text, RowContext &ctx) {
        if (ctx.row % 3 != 0)
            return false;
        ctx.deleteRow = true;
        return true;
    }));
    tool.rules.push_back(makeRule([](QString &text, RowContext &ctx) {
        if (ctx.row % 3 != 1 || text.endsWith(u'!'))
            return false;
        text += u'!';
        return true;
    }));
    for (auto _ : state) {
        state.PauseTiming();
        EditorModel model;
        fill(model, int(state.range(0)));
        state.ResumeTiming();
        benchmark::DoNotOptimize(runBatchPass(model, tool));
    }
    state.SetComplexityN(state.range(0));
    quietBoxes = false;
}
BENCHMARK(BM_BatchPassRewriteAndDelete)
    ->RangeMultiplier(10)
    ->Range(10000, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
