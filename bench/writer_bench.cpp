#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "document/TimeCode.h"
#include "editor/EditorModel.h"
#include "files/FileGlobals.h"
#include "files/SubtitleWriter.h"

namespace {

// A long film's subtitle: 100,000 two-line rows with accented text.
void fillRows(EditorModel &model, int count, bool frames)
{
    model.setTimeBase(frames ? QStringLiteral("Frame") : QStringLiteral("Time"));
    SubtitleTable &cds = model.cds;
    cds.create();
    cds.suspendRefresh();
    for (int i = 0; i < count; ++i) {
        cds.append();
        const qint64 start = qint64(i) * 2000;
        cds.setField(Field::Kezdes, frames ? QString::number(i * 48)
                                           : secondsToTimeCode(start / 1000.0L));
        cds.setField(Field::Befejezes, frames ? QString::number(i * 48 + 40)
                                              : secondsToTimeCode((start + 1500) / 1000.0L));
        cds.setField(Field::Szoveg, QStringLiteral("Árvíztűrő tükörfúrógép, %1.|Ő és ű a második sorban.")
                                        .arg(i));
        cds.post();
    }
    cds.resumeRefresh();
}

void writeBench(benchmark::State &state, bool frames)
{
    QTemporaryDir dir;
    EditorModel model;
    fillRows(model, int(state.range(0)), frames);
    subtitlePath = dir.filePath(frames ? QStringLiteral("bench.sub") : QStringLiteral("bench.srt"));
    subtitleFileName = QStringLiteral("bench");
    model.options.mentAt = state.range(1) != 0;
    for (auto _ : state) {
        const bool ok = frames ? writeFrameFile(model, QStringLiteral("1"))
                               : writeTimeFile(model, QStringLiteral("1"));
        if (!ok)
            state.SkipWithError("write failed");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_WriteTimeFile(benchmark::State &state) { writeBench(state, false); }
void BM_WriteFrameFile(benchmark::State &state) { writeBench(state, true); }

}  // namespace

BENCHMARK(BM_WriteTimeFile)->Args({100000, 1})->Args({100000, 0})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteFrameFile)->Args({100000, 0})->Unit(benchmark::kMillisecond);
