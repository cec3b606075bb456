#include "editor/FlagRecount.h"

#include "editor/BulkPass.h"
#include "editor/EditorModel.h"
#include "editor/RowStats.h"

void recountAllFlags(EditorModel &model)
{
    SubtitleTable &cds = model.cds;
    model.overThresholdCount = 0;
    model.threeLineCount = 0;
    BulkPass pass(model, {.gauge = true});
    const int remembered = cds.recNo();
    cds.first();  // also posts a row left in edit state
    const int rows = cds.recordCount();
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
        pass.progress(++done);
        cds.next();
    }
    pass.finish(remembered, false);
    model.announceCounts();
}
