#pragma once

// Set while a routine rewrites many rows: row changes then do not refresh
// the editor's line fields.
extern bool displayLock;

void resetDocumentGlobals();
