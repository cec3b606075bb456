#pragma once
#include "tools/text/BatchPass.h"

class EditorModel;

// "öh": short entries of two or three lines that are not dialogue become
// one line. A text is short when it has at most 36 characters, line
// breaks included.

BatchTool lineJoinTool();

// Runs the pass over model.cds (summary message included) and returns the
// change count.
int runLineJoin(EditorModel &model);
