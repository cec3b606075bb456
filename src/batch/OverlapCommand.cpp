#include <QTextStream>

#include "batch/BatchCommands.h"
#include "editor/EditorModel.h"
#include "tools/timing/OverlapCheck.h"

namespace {

// The overlap window's "Indítás" (F1 = no switch, F2 = --repair --stretch,
// F3 = --repair), then the table is written to OUT without the save-time
// check, so the printed log is the run's own.
int runOverlap(BatchContext &context)
{
    if (const int status = readInputToWrite(context, context.operand("IN")); status != ExitDone)
        return status;
    EditorModel &model = context.model;
    if (!model.isTimeBase()) {
        QTextStream(stderr) << "kelvo-batch: the overlap check works on time-based subtitles only\n";
        return ExitRefused;
    }
    OverlapOptions options;
    options.repair = context.has("--repair");
    options.stretch = context.has("--stretch");
    options.errorsOnly = context.has("--errors-only");
    options.statistics = !context.has("--no-stats");
    const OverlapResult result = runOverlapCheck(model, options);
    if (context.has("--show-stats") && result.statisticsEnabled)
        showDurationStatistics(result);
    const int status = writeTimeTable(context, context.operand("OUT"));
    reportTable(context);
    return status;
}

constexpr BatchSwitch overlapSwitches[] = {
    {"--repair", nullptr, "move overlapping starts after the previous line's end"},
    {"--stretch", nullptr, "make lines under 0,5 s last 0,5 s"},
    {"--errors-only", nullptr, "leave touching lines out of the log"},
    {"--no-stats", nullptr, "make no statistics of the lines under 0,5 s"},
    {"--show-stats", nullptr, "print the duration bands of the statistics"},
};

}  // namespace

const BatchCommand overlapCommand{
    "overlap", "IN OUT", overlapSwitches,
    "the overlap check of a time-based subtitle; OUT is written without the save-time check",
    runOverlap};
