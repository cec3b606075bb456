#include <QTextStream>

#include "batch/BatchCommands.h"
#include "tools/timing/FpsConversion.h"

namespace {

// The conversion window's "Végrehajt": FROM and TO are rates of its lists
// (TO another than FROM); OUT is written in the table's own kind.
int runFps(BatchContext &context)
{
    const QString from = context.operand("FROM");
    const QString to = context.operand("TO");
    if (!standardFpsList().contains(from) || !fpsTargets(from).contains(to)) {
        QTextStream(stderr) << "kelvo-batch: fps takes two different rates of: "
                            << standardFpsList().join(QStringLiteral(" ")) << "\n";
        return ExitUsage;
    }
    if (const int status = readInputToWrite(context, context.operand("IN")); status != ExitDone)
        return status;
    convertFps(context.model, from, to);
    const int status = writeTableInItsKind(context, context.operand("OUT"));
    reportTable(context);
    return status;
}

}  // namespace

const BatchCommand fpsCommand{"fps", "FROM TO IN OUT", {},
                              "convert every time from frame rate FROM to TO, time base kept",
                              runFps};
