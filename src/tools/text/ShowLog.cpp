#include "tools/text/ShowLog.h"

#include "editor/EditorModel.h"

void showCorrectionLog(EditorModel &model)
{
    model.log.caption = QStringLiteral("A módosítás végeredménye");
    model.log.headingsVisible = false;
    model.host()->showReportWindow();
    model.host()->focusGrid();
}
