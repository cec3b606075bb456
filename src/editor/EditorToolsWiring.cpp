#include "editor/EditorTools.h"

void wireEditorTools(TFelirat &editor)
{
    wireFileCommands(editor);
    wireCorrectionLog(editor);
    wireGeneralFixes(editor);
    wireSoundNames(editor);
    wireAggressiveBreak(editor);
    wireOverlapTools(editor);
    wireLineJoin(editor);
    wireDashTool(editor);
    wireCharacterTools(editor);
    wireSearchTools(editor);
    wireFrameRateTools(editor);
    wireCdTools(editor);
    wireRowOperations(editor);
    wireTimeShifts(editor);
    wireConversion(editor);
    wireTextStyles(editor);
    wireSecondSubtitle(editor);
    wireFilm(editor);
    wireSpellCheck(editor);
}
