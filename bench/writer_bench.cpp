// Saving big subtitles: the writer on its own, a read followed by a save,
// and the floor both are measured against: encoding the same text into one
// buffer and putting it on the disk the same way.
//
// The subtitles come from the shared generator (gen_srt.py, found beside
// the checkout or through KELVO_GEN_SRT), made once per run.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <map>

#include "GeneratedSubtitle.h"
#include "OpenedSubtitle.h"
#include "app/ModeGlobals.h"
#include "editor/EditorModel.h"
#include "files/FileGlobals.h"
#include "files/FileReplace.h"
#include "files/OpenSubtitle.h"
#include "files/SubtitleFormat.h"
#include "files/EditorSave.h"
#include "files/SubtitleWriter.h"
#include "files/TextEncoding.h"
#include "files/WriterEngine.h"
#include "tools/timing/OverlapCheck.h"

namespace {

using bench::readInto;
using bench::scratch;
using bench::subtitleFile;

void pointSaveAt(const QString &name)
{
    subtitlePath = scratch().filePath(name);
    subtitleFileName = name;
}

// The time-based writer with the save-time overlap check, as the editor saves.
void BM_Write(benchmark::State &state)
{
    const QString path = subtitleFile(int(state.range(0)));
    EditorModel model;
    if (path.isEmpty() || !readInto(model, path)) {
        state.SkipWithError("no generated subtitle (python3 and gen_srt.py needed)");
        return;
    }
    pointSaveAt(QStringLiteral("write.srt"));
    for (auto _ : state) {
        if (!writeTimeFile(model, QStringLiteral("1")))
            state.SkipWithError("write failed");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
}
BENCHMARK(BM_Write)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Rows to bytes only: the engine with the check, nothing written.
void BM_Render(benchmark::State &state)
{
    const QString path = subtitleFile(int(state.range(0)));
    EditorModel model;
    if (path.isEmpty() || !readInto(model, path)) {
        state.SkipWithError("no generated subtitle (python3 and gen_srt.py needed)");
        return;
    }
    SaveOverlapCheck check(model);
    for (auto _ : state) {
        check.start();
        WriteSteps steps;
        steps.check = &check;
        const RenderedSubtitle file =
            renderSubtitle(savedFormat(false), model.cds, WriteOptions{}, steps);
        benchmark::DoNotOptimize(file.bytes.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Render)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Opening the file and saving it again, as "Mentés" does.
void BM_ReadSave(benchmark::State &state)
{
    const QString path = subtitleFile(int(state.range(0)));
    if (path.isEmpty()) {
        state.SkipWithError("no generated subtitle (python3 and gen_srt.py needed)");
        return;
    }
    for (auto _ : state) {
        EditorModel model;
        if (!readInto(model, path)) {
            state.SkipWithError("read failed");
            break;
        }
        pointSaveAt(QStringLiteral("readsave.srt"));
        if (!saveSubtitle(model, false, false))
            state.SkipWithError("save failed");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadSave)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The floor of the write: the text the writer produces, already in one
// string, encoded into one buffer and put on the disk.
void BM_FloorEncodeAndWrite(benchmark::State &state)
{
    const QString path = subtitleFile(int(state.range(0)));
    QFile f(path);
    if (path.isEmpty() || !f.open(QIODevice::ReadOnly)) {
        state.SkipWithError("no generated subtitle (python3 and gen_srt.py needed)");
        return;
    }
    const QString text = QStringDecoder("windows-1250").decode(f.readAll());
    const QString target = scratch().filePath(QStringLiteral("floor.srt"));
    for (auto _ : state) {
        EncodedFile out(FileEncoding::Cp1250, text.size());
        out.append(text);
        if (!replaceFile(target, out.take()))
            state.SkipWithError("write failed");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FloorEncodeAndWrite)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The floor of a read and a save: the bytes read, decoded, encoded again
// and put on the disk.
void BM_FloorReadAndWrite(benchmark::State &state)
{
    const QString path = subtitleFile(int(state.range(0)));
    if (path.isEmpty()) {
        state.SkipWithError("no generated subtitle (python3 and gen_srt.py needed)");
        return;
    }
    const QString target = scratch().filePath(QStringLiteral("floor2.srt"));
    for (auto _ : state) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        const QString text = QStringDecoder("windows-1250").decode(f.readAll());
        EncodedFile out(FileEncoding::Cp1250, text.size());
        out.append(text);
        if (!replaceFile(target, out.take()))
            state.SkipWithError("write failed");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FloorReadAndWrite)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The frame-based writer over a table made in memory.
void BM_WriteFrameFile(benchmark::State &state)
{
    EditorModel model;
    model.setTimeBase(QStringLiteral("Frame"));
    SubtitleTable &cds = model.cds;
    cds.create();
    cds.suspendRefresh();
    for (int i = 0; i < int(state.range(0)); ++i) {
        cds.append();
        cds.setField(Field::Kezdes, QString::number(i * 48));
        cds.setField(Field::Befejezes, QString::number(i * 48 + 40));
        cds.setField(Field::Szoveg,
                     QStringLiteral("Árvíztűrő tükörfúrógép, %1.|Ő és ű a második sorban.").arg(i));
        cds.post();
    }
    cds.resumeRefresh();
    pointSaveAt(QStringLiteral("frames.sub"));
    for (auto _ : state) {
        if (!writeFrameFile(model, QStringLiteral("1")))
            state.SkipWithError("write failed");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_WriteFrameFile)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
