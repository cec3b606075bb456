// One pass of each line, dash and character tool over a 100,000-row table
// read from the shared generator's file, every fifth row salted with what
// the tools look for (every tenth emptied), so each pass has work on many
// rows; and the empty-row deletion over a table of nothing but empty rows.
#include <benchmark/benchmark.h>

#include "GeneratedTexts.h"
#include "tools/text/CharacterTools.h"
#include "tools/text/DashTool.h"
#include "tools/text/LineJoin.h"

namespace {

constexpr int rows = 100000;

const QStringList &sourceTexts() { return bench::generatedTexts(rows); }

const QString salts[] = {
    QString(),
    QStringLiteral("Nem tudom|mit mondjak"),
    QStringLiteral("-Csak én beszélek"),
    QStringLiteral("l'm sure l think so ?"),
    QStringLiteral("Igen.Nem,talán!Jó?Menj .|ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP"),
};

void fill(EditorModel &model, bool allEmpty)
{
    const QStringList &texts = sourceTexts();
    SubtitleTable &cds = model.cds;
    cds.create();
    for (int i = 0; i < rows; ++i) {
        cds.append();
        cds.setField(Field::Kezdes, QStringLiteral("00:00:01,000"));
        cds.setField(Field::Befejezes, QStringLiteral("00:00:02,000"));
        QString text;
        if (!allEmpty)
            text = i % 5 == 0 ? salts[(i / 5) % 5] : texts[i % texts.size()];
        cds.setField(Field::Szoveg, text);
        cds.post();
    }
    cds.first();
}

void runTool(benchmark::State &state, int (*tool)(EditorModel &), bool allEmpty = false)
{
    sourceTexts();
    int changes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        EditorModel model;
        model.setTimeBase(QStringLiteral("Time"));
        fill(model, allEmpty);
        state.ResumeTiming();
        changes = tool(model);
        benchmark::DoNotOptimize(changes);
        state.PauseTiming();
        model.cds.close();  // freeing the table and the log is not the pass's cost
        model.log.clear();
        state.ResumeTiming();
    }
    state.counters["changes"] = changes;
}

void BM_LineJoin(benchmark::State &s) { runTool(s, runLineJoin); }
void BM_DashTool(benchmark::State &s) { runTool(s, runDashTool); }
void BM_LToI(benchmark::State &s) { runTool(s, runLToI); }
void BM_AccentRemoval(benchmark::State &s) { runTool(s, runAccentRemoval); }
void BM_LowerCase(benchmark::State &s) { runTool(s, runLowerCase); }
void BM_EmptyRowDeletion(benchmark::State &s) { runTool(s, runEmptyRowDeletion); }
void BM_EmptyRowDeletionAllEmpty(benchmark::State &s) { runTool(s, runEmptyRowDeletion, true); }
void BM_SpaceBefore(benchmark::State &s) { runTool(s, runSpaceBefore); }
void BM_SpaceAfter(benchmark::State &s) { runTool(s, runSpaceAfter); }

BENCHMARK(BM_LineJoin)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DashTool)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LToI)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AccentRemoval)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LowerCase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EmptyRowDeletion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EmptyRowDeletionAllEmpty)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SpaceBefore)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SpaceAfter)->Unit(benchmark::kMillisecond);

}  // namespace
