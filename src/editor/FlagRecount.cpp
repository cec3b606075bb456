#include "editor/FlagRecount.h"

#include "document/DocumentGlobals.h"
#include "editor/EditorModel.h"
#include "editor/RowStats.h"

void recountAllFlags(EditorModel &model)
{
    SubtitleTable &cds = model.cds;
    EditorHost *host = model.host();
    model.overThresholdCount = 0;
    model.threeLineCount = 0;
    displayLock = true;
    host->showProgress(true);
    host->setProgress(0);
    cds.suspendRefresh();
    const int remembered = cds.recNo();
    cds.first();  // also posts a row left in edit state
    const int rows = cds.recordCount();
    const int step = rows / 100;
    const int threshold = model.threshold();
    int done = 0;
    while (!cds.eof() && done < rows) {
        const SubtitleRow &row = cds.rowAt(cds.recNo() - 1);
        const LineLengths m = measureLines(row.szoveg);
        const bool betu38 = m.anyLongerThan(threshold);
        const bool sor3 = m.hasThirdLine();
        model.overThresholdCount += betu38;
        model.threeLineCount += sor3;
        if (betu38 != row.betu38 || sor3 != row.sor3) {
            cds.edit();
            cds.setField(Field::Betu38, betu38 ? QStringLiteral("t") : QString());
            cds.setField(Field::Sor3, sor3 ? QStringLiteral("t") : QString());
            cds.post();
        }
        ++done;
        if (step > 0)
            host->setProgress(done / step);
        cds.next();
    }
    if (remembered > 0)
        cds.setRecNo(remembered);
    cds.resumeRefresh();
    displayLock = false;
    host->setProgress(0);
    host->showProgress(false);
    model.announceCounts();
}
