#include "tools/timing/OverlapCheck.h"

#include "editor/EditorModel.h"

OverlapResult runOverlapCheck(EditorModel &model, const OverlapOptions &options)
{
    return OverlapResult();
}
void showDurationStatistics(const OverlapResult &result) {}
void listHalfSecondLines(EditorModel &model) {}

SaveOverlapCheck::SaveOverlapCheck(EditorModel &model) : model_(model) {}
void SaveOverlapCheck::line(int recNo, const QString &start, const QString &end) {}
void SaveOverlapCheck::finish() {}
