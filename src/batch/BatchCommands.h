#pragma once
#include "batch/Batch.h"

// One entry per command, each defined in the command's own file. A new
// command adds its line here and its place in the list of BatchCommands.cpp.
extern const BatchCommand readCommand;
extern const BatchCommand saveCommand;
extern const BatchCommand fixCommand;
extern const BatchCommand convertCommand;
extern const BatchCommand formatsCommand;
extern const BatchCommand overlapCommand;
extern const BatchCommand halfsecCommand;
extern const BatchCommand shiftCommand;
extern const BatchCommand shiftRangeCommand;
extern const BatchCommand timebaseCommand;
extern const BatchCommand fpsCommand;
extern const BatchCommand aviFpsCommand;
extern const BatchCommand replaceCommand;
extern const BatchCommand cdSplitCommand;
extern const BatchCommand cdJoinCommand;
extern const BatchCommand spellCommand;
extern const BatchCommand syncCommand;
