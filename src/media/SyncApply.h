#pragma once
#include <vector>

#include "media/SyncAlign.h"

class EditorModel;

// The table's rows as spans in seconds (a frame-based table at its frame
// rate); a row without a readable start keeps a zero span.
std::vector<SyncSpan> tableSpans(const EditorModel &model);

// Every row's start and end moved to ratio × time + its piece's offset, in
// the table's own time base, through the shift routines' clamping.
void applySync(EditorModel &model, const SyncResult &result);
