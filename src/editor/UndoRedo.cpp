#include "editor/UndoRedo.h"

#include "editor/EditorModel.h"

namespace {

// The flags travel with the rows; only the counts are read again.
void recountFlagCounts(EditorModel &model)
{
    int over = 0;
    int three = 0;
    const SubtitleTable &cds = model.cds;
    for (int i = 0; i < cds.recordCount(); ++i) {
        const SubtitleRow &row = cds.rowAt(i);
        over += row.betu38;
        three += row.sor3;
    }
    model.overThresholdCount = over;
    model.threeLineCount = three;
    model.announceCounts();
}

void showReplayed(EditorModel &model)
{
    recountFlagCounts(model);
    model.setModified(!model.journal().atSavedPoint());
    model.host()->showCurrentRow();
    showHistoryState(model);
}

}  // namespace

bool undoLastStep(EditorModel &model)
{
    if (!model.journal().undo())
        return false;
    showReplayed(model);
    return true;
}

bool redoNextStep(EditorModel &model)
{
    if (!model.journal().redo())
        return false;
    showReplayed(model);
    return true;
}

QString undoCaption(const EditorModel &model)
{
    const ChangeJournal &journal = model.journal();
    return journal.undoCount() > 0 ? QStringLiteral("Visszavonás: ") + journal.undoName()
                                   : QStringLiteral("Utolsó módosítás visszavonása");
}

QString redoCaption(const EditorModel &model)
{
    const ChangeJournal &journal = model.journal();
    return journal.redoCount() > 0 ? QStringLiteral("Mégis: ") + journal.redoName()
                                   : QStringLiteral("Mégis");
}

void showHistoryState(EditorModel &model)
{
    model.setEnabled(Ctl::Visszavonas1, model.journal().undoCount() > 0);
    model.setEnabled(Ctl::Ujra1, model.journal().redoCount() > 0);
}
