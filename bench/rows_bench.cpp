#include <QApplication>
#include <benchmark/benchmark.h>

#include "app/ModeGlobals.h"
#include "document/DocumentGlobals.h"
#include "document/TimeCode.h"
#include "editor/EditorModel.h"
#include "editor/EnableSets.h"
#include "editor/RowOperations.h"
#include "editor/RowStats.h"
#include "editor/TFelirat.h"

namespace {

QApplication &rowsApplication()
{
    static int argc = 1;
    static char name[] = "rows_bench";
    static char *argv[] = {name, nullptr};
    static QApplication *app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

// Rows with flags set as a read leaves them, every third one over the
// threshold, and the first half carrying a second text.
void fillRows(EditorModel &model, int rows)
{
    SubtitleTable &cds = model.cds;
    // the rows stand as a read leaves them: no history
    model.journal().pause();
    cds.suspendRefresh();
    cds.create();
    model.overThresholdCount = model.threeLineCount = 0;
    for (int i = 0; i < rows; ++i) {
        cds.append();
        cds.setField(Field::Kezdes, secondsToTimeCode(i * 3 + 1));
        cds.setField(Field::Befejezes, secondsToTimeCode(i * 3 + 3));
        cds.setField(Field::Szoveg, i % 3 ? QStringLiteral("Sor %1|a második sora").arg(i + 1)
                                          : QString(45, u'x'));
        setRowFlagsQuiet(model);
        cds.post();
    }
    cds.setSecondRowCount(rows / 2);
    cds.first();
    cds.resumeRefresh();
    model.journal().resume();
}

// Deletes rows 2, 4, 6, ... one by one through the row operation, without
// the question.
void deleteEverySecondRow(EditorModel &model)
{
    const int half = model.cds.recordCount() / 2;
    for (int k = 1; k <= half; ++k) {
        model.cds.setRecNo(k + 1);
        deleteRow(model);
    }
}

void BM_DeleteEverySecondRowOfTheModel(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        EditorModel model;
        model.setTimeBase(QStringLiteral("Time"));
        fillRows(model, int(state.range(0)));
        model.setChecked(Ctl::CBdelete, true);
        state.ResumeTiming();
        deleteEverySecondRow(model);
        benchmark::DoNotOptimize(model.cds.recordCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) / 2);
}
BENCHMARK(BM_DeleteEverySecondRowOfTheModel)->Arg(100000)->Unit(benchmark::kMillisecond);

// The same in a shown editor, where every deletion also reaches the grid.
void BM_DeleteEverySecondRowInTheEditor(benchmark::State &state)
{
    rowsApplication();
    layoutSetting = QStringLiteral("1024x768");
    for (auto _ : state) {
        state.PauseTiming();
        TFelirat editor;
        editor.setScreenSize(QSize(1280, 1024));
        editor.applyLayout();
        editor.model().setTimeBase(QStringLiteral("Time"));
        fillRows(editor.model(), int(state.range(0)));
        applyAfterReadSet(editor.model());
        editor.model().setChecked(Ctl::CBdelete, true);
        displayLock = false;
        editor.show();
        QApplication::processEvents();
        state.ResumeTiming();
        deleteEverySecondRow(editor.model());
        QApplication::processEvents();
        benchmark::DoNotOptimize(editor.model().cds.recordCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) / 2);
}
BENCHMARK(BM_DeleteEverySecondRowInTheEditor)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

// A single row inserted and deleted again, far from the last change, in a
// shown editor of a million rows: what one step of the journal touches.
void BM_OneRowInAndOutOfAMillionRowEditor(benchmark::State &state)
{
    rowsApplication();
    layoutSetting = QStringLiteral("1024x768");
    TFelirat editor;
    editor.setScreenSize(QSize(1280, 1024));
    editor.applyLayout();
    EditorModel &model = editor.model();
    model.setTimeBase(QStringLiteral("Time"));
    fillRows(model, int(state.range(0)));
    applyAfterReadSet(model);
    model.setChecked(Ctl::CBdelete, true);
    model.journal().reset();
    displayLock = false;
    editor.show();
    QApplication::processEvents();
    const int rows = model.cds.recordCount();
    int k = 0;
    for (auto _ : state) {
        // alternate between a quarter and three quarters of the table
        model.cds.setRecNo(++k % 2 ? rows / 4 : rows * 3 / 4);
        insertBefore(model);
        deleteRow(model);
        QApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_OneRowInAndOutOfAMillionRowEditor)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(200);

}  // namespace
