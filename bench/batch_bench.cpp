// The batch tool printing a big table's rows as records, the output of
// "kelvo-batch read", into the null device.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "GeneratedSubtitle.h"
#include "OpenedSubtitle.h"
#include "batch/BatchRecords.h"

namespace {

void BM_PrintRows(benchmark::State &state)
{
    const QString path = bench::subtitleFile(int(state.range(0)));
    EditorModel model;
    if (path.isEmpty() || !bench::readInto(model, path)) {
        state.SkipWithError("no generated subtitle (python3 and gen_srt.py needed)");
        return;
    }
    std::FILE *null = std::fopen("/dev/null", "wb");
    if (!null) {
        state.SkipWithError("no null device");
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
