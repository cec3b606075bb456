#pragma once

class TFelirat;

// Connects every tool's buttons and menu items in the editor window. Each
// tool keeps its glue in a small file beside the tool and is listed here.
void wireEditorTools(TFelirat &editor);

// The tools' glue.
void wireFileCommands(TFelirat &editor);   // files
void wireCorrectionLog(TFelirat &editor);  // tools/text
void wireGeneralFixes(TFelirat &editor);   // tools/text
void wireOverlapTools(TFelirat &editor);   // tools/timing
void wireConversion(TFelirat &editor);     // files/convert
