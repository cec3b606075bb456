#pragma once

// Set while a routine rewrites many rows: row changes then do not refresh
// the editor's line fields.
extern bool displayLock;
// How many rows, counted from the first, carry second-subtitle text.
extern int secondRowCount;

void resetDocumentGlobals();
