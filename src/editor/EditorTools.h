#pragma once

class TFelirat;

// Connects every tool's buttons and menu items in the editor window. Each
// tool keeps its glue in a small file beside the tool and is listed here.
void wireEditorTools(TFelirat &editor);

// The tools' glue.
void wireFileCommands(TFelirat &editor);   // files
void wireCorrectionLog(TFelirat &editor);  // tools/text
void wireGeneralFixes(TFelirat &editor);   // tools/text
void wireSoundNames(TFelirat &editor);     // tools/text
void wireAggressiveBreak(TFelirat &editor); // tools/text
void wireOverlapTools(TFelirat &editor);   // tools/timing
void wireLineJoin(TFelirat &editor);       // tools/text
void wireDashTool(TFelirat &editor);       // tools/text
void wireCharacterTools(TFelirat &editor); // tools/text
void wireSearchTools(TFelirat &editor);    // tools/search
void wireFrameRateTools(TFelirat &editor); // tools/timing
void wireCdTools(TFelirat &editor);        // tools/cd
void wireRowOperations(TFelirat &editor);  // editor
void wireTimeShifts(TFelirat &editor);     // tools/timing
void wireConversion(TFelirat &editor);     // files/convert
void wireTextStyles(TFelirat &editor);      // tools/style
void wireSecondSubtitle(TFelirat &editor); // editor
void wireFilm(TFelirat &editor);           // film
void wireSpellCheck(TFelirat &editor);     // tools/spell
