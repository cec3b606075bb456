#include <QApplication>
#include <QKeyEvent>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <memory>

#include "GeneratedSubtitle.h"
#include "app/ModeGlobals.h"
#include "document/DocumentGlobals.h"
#include "document/TimeCode.h"
#include "editor/EnableSets.h"
#include "editor/TFelirat.h"
#include "files/FileGlobals.h"
#include "files/OpenSubtitle.h"

namespace {

QApplication &application()
{
    static int argc = 1;
    static char name[] = "editor_bench";
    static char *argv[] = {name, nullptr};
    static QApplication *app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

void fill(EditorModel &model, int rows)
{
    SubtitleTable &cds = model.cds;
    cds.suspendRefresh();
    cds.create();
    for (int i = 0; i < rows; ++i) {
        cds.append();
        cds.setField(Field::Kezdes, secondsToTimeCode(i * 3 + 1));
        cds.setField(Field::Befejezes, secondsToTimeCode(i * 3 + 3));
        cds.setField(Field::Szoveg, QStringLiteral("Sor %1|a második sora").arg(i + 1));
        cds.post();
    }
    cds.first();
    cds.resumeRefresh();
}

// One shown editor with a 100,000-row table, shared by the move benchmarks.
TFelirat &bigEditor()
{
    static TFelirat *editor = [] {
        application();
        layoutSetting = QStringLiteral("1024x768");
        auto *e = new TFelirat;
        e->setScreenSize(QSize(1280, 1024));
        e->applyLayout();
        e->model().setTimeBase(QStringLiteral("Time"));
        fill(e->model(), 100000);
        applyAfterReadSet(e->model());
        displayLock = false;
        e->show();
        QApplication::processEvents();
        return e;
    }();
    return *editor;
}

void BM_FillTableThroughTheGrid(benchmark::State &state)
{
    application();
    TFelirat editor;
    editor.show();
    for (auto _ : state) {
        fill(editor.model(), int(state.range(0)));
        QApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FillTableThroughTheGrid)->Arg(100000)->Unit(benchmark::kMillisecond);

// Opening a generated subtitle in a shown editor as the open dialog does:
// the read, its report if any, the grid drawn and the statistics counted.
void BM_OpenInEditor(benchmark::State &state)
{
    application();
    const QString path = bench::subtitleFile(int(state.range(0)));
    if (path.isEmpty()) {
        state.SkipWithError("no generated subtitle (python3 and gen_srt.py needed)");
        return;
    }
    layoutSetting = QStringLiteral("1024x768");
    TFelirat editor;
    editor.setScreenSize(QSize(1280, 1024));
    editor.applyLayout();
    editor.show();
    QApplication::processEvents();
    for (auto _ : state) {
        resetAllGlobals();
        layoutSetting = QStringLiteral("1024x768");
        subtitlePath = path;
        textTarget = QStringLiteral("1");
        EditorModel &model = editor.model();
        model.cds.create();
        prepareEditor(model, true, QFileInfo(path).fileName());
        readIntoEditor(model);
        QApplication::processEvents();
        if (model.cds.recordCount() != state.range(0))
            state.SkipWithError("the file was not read whole");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_OpenInEditor)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_MoveFirstToLast(benchmark::State &state)
{
    TFelirat &editor = bigEditor();
    SubtitleTable &cds = editor.model().cds;
    for (auto _ : state) {
        cds.last();
        QApplication::processEvents();
        cds.first();
        QApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_MoveFirstToLast)->Unit(benchmark::kMicrosecond);

void BM_StepThroughRows(benchmark::State &state)
{
    TFelirat &editor = bigEditor();
    SubtitleTable &cds = editor.model().cds;
    cds.setRecNo(50000);
    for (auto _ : state) {
        cds.next();
        if (cds.eof())
            cds.first();
        QApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StepThroughRows)->Unit(benchmark::kMicrosecond);

void BM_StepThroughRowsWithGridKeys(benchmark::State &state)
{
    TFelirat &editor = bigEditor();
    QTableView *grid = editor.grid();
    grid->setFocus();
    editor.model().cds.setRecNo(50000);
    int n = 0;
    for (auto _ : state) {
        // down a while, then back up, like a user holding the arrow keys
        const int key = (n++ / 500) % 2 ? Qt::Key_Up : Qt::Key_Down;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(grid, &press);
        QApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StepThroughRowsWithGridKeys)->Unit(benchmark::kMicrosecond);

}  // namespace

namespace {

// Rows appended one by one without suspending the refresh, as a routine
// that does not bracket its work would.
void BM_AppendRowsUnsuspended(benchmark::State &state)
{
    application();
    TFelirat editor;
    editor.show();
    for (auto _ : state) {
        SubtitleTable &cds = editor.model().cds;
        cds.create();
        displayLock = true;
        for (int i = 0; i < state.range(0); ++i) {
            cds.append();
            cds.setField(Field::Kezdes, QStringLiteral("00:00:01,000"));
            cds.setField(Field::Szoveg, QStringLiteral("Sor"));
            cds.post();
        }
        displayLock = false;
        QApplication::processEvents();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_AppendRowsUnsuspended)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
