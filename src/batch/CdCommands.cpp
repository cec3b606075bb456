#include <QFileInfo>
#include <QTextStream>

#include "batch/BatchCommands.h"
#include "app/ModeValues.h"
#include "editor/EditorModel.h"
#include "editor/TypedValues.h"
#include "tools/cd/CdJoin.h"
#include "tools/cd/CdSplit.h"

namespace {

int exitOf(CdOutcome outcome)
{
    switch (outcome) {
    case CdOutcome::Done:
        return ExitDone;
    case CdOutcome::Refused:
        return ExitRefused;
    case CdOutcome::Unreadable:
        return ExitUnreadable;
    case CdOutcome::Unwritable:
        return ExitUnwritable;
    }
    return ExitRefused;
}

// "1 CD -> 2 CD" with ROW chosen in the grid and START typed as the second
// part's first start.
int runCdSplit(BatchContext &context)
{
    bool ok = false;
    const int row = context.operand("ROW").toInt(&ok);
    if (!ok || row < 1) {
        QTextStream(stderr) << "kelvo-batch: ROW must be a row number from 1\n";
        return ExitUsage;
    }
    if (const int status = readInputToWrite(context, context.operand("IN")); status != ExitDone)
        return status;
    EditorModel &model = context.model;
    int status = ExitRefused;
    if (checkCdSplitRow(model.cds, row))
        status = exitOf(splitCd(model, row, context.operand("START")));
    reportTable(context);
    return status;
}

// "2 CD -> 1 CD": the two files as chosen in the file window, START as the
// start value of the second part, OUT as the result name.
int runCdJoin(BatchContext &context)
{
    const QString first = QFileInfo(context.operand("FIRST")).absoluteFilePath();
    const QString second = QFileInfo(context.operand("SECOND")).absoluteFilePath();
    const QString start = context.operand("START");
    if (!acceptCdJoinFile(second, first, false) || !checkCdJoinPair(first, second))
        return ExitRefused;
    const bool frames = cdJoinTimeBase(first, second) == TimeBase::frame;
    if (!(frames ? checkFrameValue(start) : checkTypedTime(start, true)))
        return ExitRefused;
    const QString out = QFileInfo(context.operand("OUT")).absoluteFilePath();
    const int status =
        exitOf(joinCd(context.model, first, second, start, out, nullptr, context.has("--partial")));
    reportTable(context);
    return status;
}

}  // namespace

const BatchCommand cdSplitCommand{
    "cd-split", "ROW START IN", {},
    "split IN into \"NAME cd1\" and \"NAME cd2\" beside it; the second part begins at ROW and "
    "is moved to start at START",
    runCdSplit};

const BatchCommand cdJoinCommand{
    "cd-join", "FIRST SECOND START OUT", {},
    "join two parts of one kind into OUT, the second moved to start at START; OUT is written "
    "without the save-time check",
    runCdJoin};
