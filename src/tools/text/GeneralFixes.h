#pragma once
#include "app/ModeGlobals.h"
#include "tools/text/BatchPass.h"

class EditorModel;

// The "Ö" button: one re-examining batch pass that corrects the common
// typographic and orthographic faults of every row and logs each change.
// The VN edition runs the same list without the "<I>" and "{\a8}" rules.

// The rules of an edition, in the order they are applied.
BatchTool generalFixesTool(Edition edition);

// Runs the pass over model.cds (summary message included) and returns the
// change count.
int runGeneralFixes(EditorModel &model, Edition edition);
