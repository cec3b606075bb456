#include "editor/RowNavigation.h"

#include "app/ModeGlobals.h"
#include "app/ModeValues.h"
#include "document/DocumentGlobals.h"
#include "editor/BulkPass.h"
#include "editor/EditorModel.h"
#include "editor/EnableSets.h"
#include "editor/TimeFieldRules.h"

namespace {

void finishMove(EditorModel &model)
{
    model.host()->showCurrentRow();
    model.host()->focusGrid();
}

}  // namespace

void goFirstRow(EditorModel &model)
{
    displayLock = false;
    model.cds.first();
    model.host()->focusGrid();
}

void goLastRow(EditorModel &model)
{
    displayLock = false;
    model.cds.last();
    model.host()->focusGrid();
}

bool jumpToRow(EditorModel &model, const QString &text)
{
    const int row = jumpTargetRow(text, model.cds.recordCount());
    if (row == 0)
        return false;
    model.cds.setRecNo(row);
    model.host()->showCurrentRow();
    model.host()->focusGrid();
    return true;
}

void continueFromEnd(EditorModel &model)
{
    SubtitleTable &cds = model.cds;
    if (!cds.isActive() || cds.recordCount() == 0)
        return;
    {
        const DisplayHold hold;
        const QString end = cds.field(Field::Befejezes);
        if (cds.recNo() >= cds.recordCount()) {
            cds.append();
        } else {
            cds.next();
            cds.edit();
        }
        cds.setField(Field::Kezdes, end);
        cds.post();
    }
    model.setModified(true);
    finishMove(model);
}

void prepareNewSubtitle(EditorModel &m)
{
    m.setEnabled(Ctl::Bbeszuras, true);
    m.setEnabled(Ctl::cburessor, true);
    m.fileNameField.clear();
    m.readErrorsFound = false;
    m.overThresholdCount = 0;
    m.threeLineCount = 0;

    SubtitleTable &cds = m.cds;
    cds.create();
    cds.empty();
    cds.append();
    if (m.isTimeBase()) {
        cds.setField(Field::Kezdes, QStringLiteral("00:00:00,000"));
        cds.setField(Field::Befejezes, QStringLiteral("00:00:01,000"));
    } else {
        cds.setField(Field::Kezdes, QStringLiteral("0"));
        cds.setField(Field::Befejezes, QStringLiteral("10"));
    }
    cds.post();
    // a new subtitle starts its history with this row
    m.journal().reset(false);

    applyAfterReadSet(m);
    for (Ctl n : {Ctl::Szoveg2, Ctl::Mov, Ctl::movm})
        m.setVisible(n, false);
    m.setEnabled(Ctl::MentesMF, false);
    for (Ctl n : {Ctl::Kereses1, Ctl::Reszleteskereses1, Ctl::Keresesescsere1, Ctl::Ekereses,
                  Ctl::Bkeresok, Ctl::Bertek, Ctl::Bbeszuras, Ctl::Belemoge, Ctl::Btorles,
                  Ctl::BTorlesTobb, Ctl::BMMN, Ctl::MentM1})
        m.setEnabled(n, true);
    m.setModified(true);
    for (Ctl n : gridMenuRowItems())
        m.setEnabled(n, true);
    m.setVisible(Ctl::GB12, false);
    m.setVisible(Ctl::GB1, true);
    openMode = OpenMode::handled;
}
