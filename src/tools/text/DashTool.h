#pragma once
#include "tools/text/BatchPass.h"

class EditorModel;

// "1*-": dialogue dashes at the start of lines get a space after them, and
// the dash of an entry with a single speaker goes.

BatchTool dashTool();

// Runs the pass over model.cds (summary message included) and returns the
// change count.
int runDashTool(EditorModel &model);
