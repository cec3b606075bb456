#include <QTextStream>

#include "batch/BatchCommands.h"
#include "editor/EditorModel.h"
#include "tools/timing/TimeShift.h"

namespace {

// "+" or "-"; anything else is a usage error.
bool readSign(const QString &text, bool *add)
{
    if (text != QLatin1String("+") && text != QLatin1String("-"))
        return false;
    *add = text == QLatin1String("+");
    return true;
}

int usage(const QString &what)
{
    QTextStream(stderr) << "kelvo-batch: " << what << "\n";
    return ExitUsage;
}

// The editor's quick shift ("Ok" beside the amount field): every row's start
// and end; OUT is written in the table's own kind.
int runShift(BatchContext &context)
{
    bool add = true;
    if (!readSign(context.operand("SIGN"), &add))
        return usage(QStringLiteral("SIGN must be + or -"));
    if (const int status = readInputToWrite(context, context.operand("IN")); status != ExitDone)
        return status;
    if (!quickShift(context.model, add, context.operand("AMOUNT"))) {
        reportTable(context);
        return ExitRefused;
    }
    const int status = writeTableInItsKind(context, context.operand("OUT"));
    reportTable(context);
    return status;
}

// The detailed window "Részletes módosítás": from row ROW up or down, to the
// table's end or to --to N, the starts, the ends or both.
int runShiftRange(BatchContext &context)
{
    RangeShift shift;
    if (!readSign(context.operand("SIGN"), &shift.add))
        return usage(QStringLiteral("SIGN must be + or -"));
    const QString direction = context.operand("up|down");
    if (direction != QLatin1String("up") && direction != QLatin1String("down"))
        return usage(QStringLiteral("the direction must be up or down"));
    shift.up = direction == QLatin1String("up");
    if (context.has("--start-only") && context.has("--end-only"))
        return usage(QStringLiteral("--start-only and --end-only exclude each other"));
    shift.starts = !context.has("--end-only");
    shift.ends = !context.has("--start-only");
    shift.toRow = context.has("--to");
    shift.rowText = context.args.value(QStringLiteral("--to"));
    shift.amount = context.operand("AMOUNT");
    bool ok = false;
    const int row = context.operand("ROW").toInt(&ok);
    if (!ok)
        return usage(QStringLiteral("ROW must be a row number"));

    if (const int status = readInputToWrite(context, context.operand("IN")); status != ExitDone)
        return status;
    EditorModel &model = context.model;
    if (row < 1 || row > model.cds.recordCount()) {
        QTextStream(stderr) << "kelvo-batch: the table has no row " << row << "\n";
        return ExitRefused;
    }
    model.cds.setRecNo(row);
    if (!rangeShift(model, shift)) {
        reportTable(context);
        return ExitRefused;
    }
    const int status = writeTableInItsKind(context, context.operand("OUT"));
    reportTable(context);
    return status;
}

constexpr BatchSwitch shiftRangeSwitches[] = {
    {"--to", "N", "end the range at row N (\"Eddig a sorig:\"); otherwise at the table's end"},
    {"--start-only", nullptr, "shift the start values only"},
    {"--end-only", nullptr, "shift the end values only"},
};

}  // namespace

const BatchCommand shiftCommand{
    "shift", "SIGN AMOUNT IN OUT", {},
    "the quick shift of every row's start and end; SIGN + or -, AMOUNT a time code "
    "(Time base) or a frame count (Frame base); OUT is written in the table's own kind",
    runShift};

const BatchCommand shiftRangeCommand{
    "shift-range", "SIGN AMOUNT ROW up|down [..] IN OUT", shiftRangeSwitches,
    "the detailed shift from row ROW towards row 1 (up) or the last row (down); "
    "OUT is written in the table's own kind",
    runShiftRange};
