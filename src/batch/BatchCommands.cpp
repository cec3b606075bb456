#include "batch/BatchCommands.h"

// An explicit list, not objects that register themselves: the order is the
// documented one (--help follows it) and no linker can drop a command whose
// file nothing else refers to. Commands of later tools go where the
// documentation puts them.
BatchCommandList batchCommands()
{
    static const BatchCommand *const list[] = {
        &readCommand,
        &saveCommand,
        &fixCommand,
        &convertCommand,
        &formatsCommand,
        &overlapCommand,
        &halfsecCommand,
        &shiftCommand,
        &shiftRangeCommand,
        &timebaseCommand,
        &fpsCommand,
        &aviFpsCommand,
        &replaceCommand,
        &cdSplitCommand,
        &cdJoinCommand,
        &spellCommand,
        &syncCommand,
    };
    return list;
}
