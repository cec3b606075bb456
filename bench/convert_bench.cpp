// Converting a big subtitle into Advanced SubStation Alpha, the way the
// conversion window writes it: the rendering alone and with the file put
// on the disk.
#include <benchmark/benchmark.h>

#include <QFileInfo>

#include "GeneratedSubtitle.h"
#include "OpenedSubtitle.h"
#include "app/ModeGlobals.h"
#include "editor/EditorModel.h"
#include "files/ConvertSubtitle.h"
#include "files/FileGlobals.h"
#include "files/OpenSubtitle.h"
#include "files/SubtitleFormat.h"
#include "files/WriterEngine.h"

namespace {

using bench::readInto;
using bench::scratch;
using bench::subtitleFile;

void BM_ConvertRender(benchmark::State &state)
{
    const QString path = subtitleFile(int(state.range(0)));
    EditorModel model;
    if (path.isEmpty() || !readInto(model, path)) {
        state.SkipWithError("no generated subtitle (python3 and gen_srt.py needed)");
        return;
    }
    const SubtitleFormat &ass = *findSubtitleFormat(u"Advanced SubStation Alpha");
    for (auto _ : state) {
        ConvertedSubtitle out = convertSubtitle(ass, model.cds, ConvertOptions{});
        benchmark::DoNotOptimize(out.bytes.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ConvertRender)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ConvertToFile(benchmark::State &state)
{
    const QString path = subtitleFile(int(state.range(0)));
    EditorModel model;
    if (path.isEmpty() || !readInto(model, path)) {
        state.SkipWithError("no generated subtitle (python3 and gen_srt.py needed)");
        return;
    }
    const QString out = scratch().filePath(QStringLiteral("converted.ass"));
    for (auto _ : state) {
        subtitlePath = out;
        subtitleFileName = QStringLiteral("converted.ass");
        if (convertTable(model, QStringLiteral("Advanced SubStation Alpha"), false)
            != ConvertOutcome::Written)
            state.SkipWithError("conversion failed");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ConvertToFile)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
