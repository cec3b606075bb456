// The batch tool printing a big table's rows as records, the output of
// "kelvo-batch read", into the null device.
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <cstdio>

#include "GeneratedSubtitle.h"
#include "app/ModeGlobals.h"
#include "batch/BatchRecords.h"
#include "editor/EditorModel.h"
#include "files/FileGlobals.h"
#include "files/OpenSubtitle.h"

namespace {

void BM_PrintRows(benchmark::State &state)
{
    const QString path = bench::subtitleFile(int(state.range(0)));
    EditorModel model;
    resetAllGlobals();
    subtitlePath = path;
    textTarget = QStringLiteral("1");
    model.cds.create();
    prepareEditor(model, true, QFileInfo(path).fileName());
    readIntoEditor(model);
    std::FILE *null = std::fopen("/dev/null", "wb");
    if (path.isEmpty() || model.cds.recordCount() == 0 || !null) {
        state.SkipWithError("no generated subtitle (python3 and gen_srt.py needed)");
        return;
    }
    BatchOutput output;
    output.addRows();
    for (auto _ : state) {
        RecordWriter out(null);
        output.print(model, out);
    }
    std::fclose(null);
    state.SetItemsProcessed(state.iterations() * model.cds.recordCount());
}
BENCHMARK(BM_PrintRows)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
