#pragma once

class EditorModel;

// The grid's vertical scroll bar by layout and row count: after a read it
// shows only when the table has more than 15 rows (1024x768 layout) or more
// than 10 (800x600); after "Mentés" it hides when the table has fewer than
// 15 or fewer than 10. In between it stays as it was.
void showScrollBarAfterRead(EditorModel &model);
void hideScrollBarAfterSave(EditorModel &model);
