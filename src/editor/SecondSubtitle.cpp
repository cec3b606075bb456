#include "editor/SecondSubtitle.h"

#include <utility>

#include "app/MessageBox.h"
#include "app/ModeGlobals.h"
#include "app/ModeValues.h"
#include "document/DocumentGlobals.h"
#include "editor/BulkPass.h"
#include "editor/EditorModel.h"
#include "editor/EnableSets.h"
#include "editor/RowOperations.h"
#include "editor/RowText.h"

namespace {

const QString italicOpen = QStringLiteral("<i>");
const QString italicClose = QStringLiteral("</i>");

bool hasRows(const EditorModel &model)
{
    return model.cds.isActive() && model.cds.recordCount() > 0 && model.cds.recNo() >= 1;
}

void refuseFirstRow()
{
    showMessageBox(QStringLiteral("Figyelmeztetés"), BoxKind::info,
                   QStringLiteral("Csak a 2. sortól lehet ilyen műveletet végrehajtani!"), false,
                   false, true);
}

void setSecondText(SubtitleTable &cds, int index, const QString &text)
{
    if (cds.rowAt(index).szoveg2 == text)
        return;
    SubtitleRow row = cds.rowAt(index);
    row.szoveg2 = text;
    cds.replaceRow(index, std::move(row));
}

// "- " in front of a text, after its leading "<i>" when it has one.
QString dashed(const QString &text)
{
    if (text.startsWith(italicOpen))
        return italicOpen + QStringLiteral("- ") + text.mid(italicOpen.size());
    return QStringLiteral("- ") + text;
}

}  // namespace

bool secondSubtitleShown(const EditorModel &model)
{
    return model.isVisible(Ctl::Szoveg2);
}

void startEmptySecondSubtitle(EditorModel &model)
{
    model.setVisible(Ctl::Szoveg2, true);
    model.setVisible(Ctl::Mov, true);
    model.setVisible(Ctl::movm, true);
    model.setChecked(Ctl::racsRowSelect, false);
    // with no rows there is nothing a second subtitle could be saved from
    model.setEnabled(Ctl::MentesMF, hasRows(model));
    if (hasRows(model)) {
        model.setEnabled(Ctl::szoveg2, true);
        displayLock = false;
        model.cds.first();
        model.host()->showCurrentRow();
    }
}

void noteSecondText(EditorModel &model)
{
    const int recNo = model.cds.recNo();
    if (hasRows(model) && recNo > model.cds.secondRowCount()
        && !model.cds.field(Field::Szoveg2).isEmpty())
        model.cds.setSecondRowCount(recNo);
}

void insertSecondCell(EditorModel &model, bool announce)
{
    SubtitleTable &cds = model.cds;
    if (!hasRows(model))
        return;
    cds.post();
    const int start = cds.recNo();
    const int rows = cds.recordCount();
    const int carrying = qMin(cds.secondRowCount(), rows);
    QString carry;
    {
        BulkPass pass(model, {.gauge = true});
        for (int i = start - 1; i < rows; ++i) {
            QString text = cds.rowAt(i).szoveg2;
            setSecondText(cds, i, carry);
            carry = std::move(text);
            pass.progress(i - start + 1);
        }
        // the text pushed past the last row keeps a row of its own
        if (!carry.isEmpty()) {
            cds.last();
            cds.append();
            cds.setField(Field::Szoveg2, carry);
            cds.post();
        }
        cds.setSecondRowCount(start <= carrying ? qMin(carrying + 1, cds.recordCount()) : carrying);
        pass.finish(start, true);
    }
    model.markChanged(EditorModel::Subtitle::second);
    model.host()->showCurrentRow();
    if (announce)
        showMessageBox(QStringLiteral("Információ"), BoxKind::info,
                       QStringLiteral("Beszúrtam a sort!"), false, false, true);
}

void deleteSecondCell(EditorModel &model)
{
    SubtitleTable &cds = model.cds;
    if (!hasRows(model))
        return;
    cds.post();
    const int start = cds.recNo();
    const int rows = cds.recordCount();
    cds.setSecondRowCount(qMin(cds.secondRowCount(), rows));
    const int carrying = cds.secondRowCount();
    if (start >= carrying) {
        // the last carrying row, or a row beyond them: only its own text goes
        const DisplayHold hold;
        setSecondText(cds, start - 1, QString());
        if (start == carrying)
            cds.setSecondRowCount(carrying - 1);
    } else {
        BulkPass pass(model, {.gauge = true});
        for (int i = start - 1; i < carrying - 1; ++i) {
            setSecondText(cds, i, cds.rowAt(i + 1).szoveg2);
            pass.progress(i - start + 1);
        }
        setSecondText(cds, carrying - 1, QString());
        cds.setSecondRowCount(carrying - 1);
        pass.finish(start, true);
    }
    model.markChanged(EditorModel::Subtitle::second);
    model.host()->showCurrentRow();
}

bool deleteSecondCellAsked(EditorModel &model)
{
    boxAnswer = Answer::deleteRows;
    showMessageBox(QStringLiteral("Törlés!"), BoxKind::question,
                   QStringLiteral("Tényleg törölni akarja a sort?"), true, true, false);
    if (boxAnswer != Answer::yes)
        return false;
    deleteSecondCell(model);
    return true;
}

void toggleSecondItalic(EditorModel &model)
{
    if (!hasRows(model))
        return;
    QString text = model.cds.field(Field::Szoveg2);
    const bool italic = text.contains(italicOpen) && text.contains(italicClose);
    if (italic) {
        if (const qsizetype at = text.indexOf(italicOpen); at >= 0)
            text.remove(at, italicOpen.size());
        if (const qsizetype at = text.indexOf(italicClose); at >= 0)
            text.remove(at, italicClose.size());
    } else {
        text = italicOpen + text + italicClose;
    }
    writeRowText2(model, text, true, true, true);
    noteSecondText(model);
    model.setChecked(Ctl::doltSz2, !italic);
    model.setEnabled(Ctl::MentM1, true);
    model.markChanged(EditorModel::Subtitle::second);
    model.host()->showCurrentRow();
}

bool mergeIntoPrevious(EditorModel &model, bool dash)
{
    SubtitleTable &cds = model.cds;
    if (!hasRows(model))
        return false;
    cds.post();
    const int r = cds.recNo();
    if (r <= 1) {
        refuseFirstRow();
        return false;
    }
    const SubtitleRow current = cds.rowAt(r - 1);
    const QString t = dash ? dashed(current.szoveg) : current.szoveg;
    deleteRange(model, r, r);
    {
        const DisplayHold hold;
        cds.setRecNo(r - 1);
        const QString p = cds.field(Field::Szoveg);
        const QString p2 = cds.field(Field::Szoveg2);
        cds.edit();
        cds.setField(Field::Befejezes, current.befejezes);
        // the deleted row's second text stays with the merged row
        if (!current.szoveg2.isEmpty())
            cds.setField(Field::Szoveg2,
                         p2.isEmpty() ? current.szoveg2.text() : p2 + u'|' + current.szoveg2.text());
        writeRowText(model, (dash ? dashed(p) : p) + u'|' + t, false, false, true);
    }
    model.setModified(true);
    model.host()->showCurrentRow();
    model.host()->focusGrid();
    return true;
}

bool mergeSecondIntoPrevious(EditorModel &model, bool dash)
{
    SubtitleTable &cds = model.cds;
    if (!secondSubtitleShown(model) || !hasRows(model))
        return false;
    cds.post();
    const int r = cds.recNo();
    if (r <= 1) {
        refuseFirstRow();
        return false;
    }
    const QString t = cds.field(Field::Szoveg2);
    deleteSecondCell(model);
    {
        const DisplayHold hold;
        cds.setRecNo(r - 1);
        const QString p = cds.field(Field::Szoveg2);
        writeRowText2(model,
                      dash ? QStringLiteral("- ") + p + QStringLiteral("|- ") + t
                           : p + u'|' + t,
                      true, false, true);
        noteSecondText(model);
    }
    model.setEnabled(Ctl::MentesMF, true);
    model.markChanged(EditorModel::Subtitle::second);
    model.host()->showCurrentRow();
    model.host()->focusGrid();
    return true;
}

void dropSecondText(EditorModel &model, int dropRow, const QString &text, bool after)
{
    SubtitleTable &cds = model.cds;
    const int rows = cds.recordCount();
    if (!cds.isActive() || dropRow < 1 || dropRow > rows)
        return;
    cds.post();
    const int carrying = cds.secondRowCount();
    int newRow = 0;
    {
        const DisplayHold hold;
        cds.setRecNo(dropRow);
        const QString start = cds.field(Field::Kezdes);
        if (!after) {
            cds.insert();
            newRow = dropRow;
        } else if (dropRow == rows) {
            cds.append();
            newRow = rows + 1;
        } else {
            cds.next();
            cds.insert();
            newRow = dropRow + 1;
        }
        cds.setField(Field::Kezdes, start);
        cds.setField(Field::Befejezes, start);
        writeRowText(model, text, false, false, true);
    }
    // a row inside the carrying rows is one more of them, with no text
    cds.setSecondRowCount(newRow <= carrying ? carrying + 1 : carrying);
    cds.setRecNo(newRow);
    model.markChanged(EditorModel::Subtitle::second);
    model.host()->showCurrentRow();
}

bool SecondTextDrag::mouseMove(int row, Column column, bool leftOnly,
                               const QString &currentSecondText)
{
    dropRow_ = row;
    column_ = column;
    if (leftOnly && ready_) {
        ready_ = false;
        dragged_ = currentSecondText;
        marker_ = column == Column::Second;
    }
    return marker_ && leftOnly;
}

bool SecondTextDrag::mouseUp(Column column)
{
    ready_ = true;
    // a drag ends with its release wherever it is dropped, so a later
    // click on the text column opens no menu
    const bool drop = marker_ && column == Column::Text;
    marker_ = false;
    return drop;
}
