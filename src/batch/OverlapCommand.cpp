#include <QFileInfo>
#include <QTextStream>

#include "batch/Batch.h"
#include "editor/EditorModel.h"
#include "files/FileGlobals.h"
#include "files/SubtitleWriter.h"
#include "tools/timing/OverlapCheck.h"

namespace {

// The overlap window's "Indítás" (F1 = no switch, F2 = --repair --stretch,
// F3 = --repair), then the table is written to OUT without the save-time
// check, so the printed log is the run's own.
int runOverlap(BatchContext &context)
{
    const QString &in = context.args.positional[0];
    const QString &out = context.args.positional[1];
    if (const int status = readInputToWrite(context, in); status != ExitDone)
        return status;
    EditorModel &model = context.model;
    if (!model.isTimeBase()) {
        QTextStream(stderr) << "kelvo-batch: the overlap check works on time-based subtitles only\n";
        return ExitRefused;
    }
    const BatchArgs &args = context.args;
    OverlapOptions options;
    options.repair = args.has(QStringLiteral("--repair"));
    options.stretch = args.has(QStringLiteral("--stretch"));
    options.errorsOnly = args.has(QStringLiteral("--errors-only"));
    options.statistics = !args.has(QStringLiteral("--no-stats"));
    const OverlapResult result = runOverlapCheck(model, options);
    if (args.has(QStringLiteral("--show-stats")) && result.statisticsEnabled)
        showDurationStatistics(result);

    subtitlePath = out;
    subtitleFileName = QFileInfo(out).fileName();
    const bool written = writeTimeFile(model, QStringLiteral("1"), nullptr);

    if (args.has(QStringLiteral("--rows")))
        context.out.addRows(model);
    context.out.addLog(model);
    return written ? ExitDone : ExitUnwritable;
}

const BatchCommand overlapCommand(
    "overlap",
    "overlap [--repair] [--stretch] [--errors-only] [--no-stats] [--show-stats] IN OUT\n"
    "                             the overlap check of a time-based subtitle: --repair moves\n"
    "                             overlapping starts, --stretch makes lines under 0,5 s last\n"
    "                             0,5 s, --errors-only leaves touching lines out of the log,\n"
    "                             --show-stats prints the duration bands; OUT is written",
    2, 2, runOverlap,
    {"--repair", "--stretch", "--errors-only", "--no-stats", "--show-stats"});

}  // namespace
