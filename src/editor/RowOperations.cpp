#include "editor/RowOperations.h"

#include "app/MessageBox.h"
#include "app/ModeGlobals.h"
#include "app/ModeValues.h"
#include "document/DocumentGlobals.h"
#include "document/TimeCode.h"
#include "editor/BulkPass.h"
#include "editor/EditorModel.h"
#include "editor/EnableSets.h"

namespace {

constexpr Ctl emptyRowOption = Ctl::cburessor;
constexpr Ctl noQuestionOption = Ctl::CBdelete;
const QList<Ctl> rowButtons = {Ctl::Btorles, Ctl::Belemoge, Ctl::BTorlesTobb};

// A frame number as stored; a value that is not a whole number counts as 0
// where a rule has to compute with it.
qint64 frameNumber(const QString &text)
{
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    return ok ? v : 0;
}

const SubtitleRow &currentRow(const EditorModel &model)
{
    return model.cds.rowAt(model.cds.recNo() - 1);
}

bool emptyRows(const EditorModel &model)
{
    return model.isChecked(emptyRowOption);
}

void storeTimes(SubtitleTable &cds, const NewRowTimes &times)
{
    cds.setField(Field::Kezdes, times.start);
    cds.setField(Field::Befejezes, times.end);
}

// Adds one row after the current one (appending after the last) with the
// times of the after-rule; leaves displayLock set.
void addAfter(EditorModel &model, bool last)
{
    SubtitleTable &cds = model.cds;
    displayLock = true;
    const NewRowTimes times = emptyRows(model) ? NewRowTimes{} : newRowTimesAfter(model, last);
    if (last) {
        cds.append();
    } else {
        cds.next();
        cds.insert();
    }
    storeTimes(cds, times);
}

// Removes the current posted row with its share of the counts: O(1) apart
// from the table's own gap move, so deleting row after row stays linear.
void removeCurrent(EditorModel &model)
{
    SubtitleTable &cds = model.cds;
    cds.post();
    const SubtitleRow &row = currentRow(model);
    if (row.betu38)
        --model.overThresholdCount;
    if (row.sor3)
        --model.threeLineCount;
    cds.remove();
}

void disableRowButtonsWhenEmpty(EditorModel &model)
{
    if (model.cds.recordCount() > 0)
        return;
    for (Ctl name : rowButtons)
        model.setEnabled(name, false);
}

void showAfterDelete(EditorModel &model)
{
    if (model.cds.recordCount() > 0)
        model.host()->showCurrentRow();
    else
        model.host()->clearLineFields();
}

}  // namespace

NewRowTimes newRowTimesBefore(const EditorModel &model)
{
    const SubtitleRow &row = currentRow(model);
    if (model.isTimeBase())
        return {row.kezdes, row.kezdes};
    const qint64 s = frameNumber(row.kezdes);
    return {s <= 10 ? QStringLiteral("0") : QString::number(s - 10), row.kezdes};
}

NewRowTimes newRowTimesAfter(const EditorModel &model, bool last)
{
    const QString e = model.cds.recordCount() > 0 ? currentRow(model).befejezes.toString() : QString();
    if (!last)
        return {e, e};
    if (model.isTimeBase())
        return {e, secondsToTimeCode(timeCodeToSeconds(e) + 1)};
    if (e.isEmpty())
        return {};
    return {e, QString::number(frameNumber(e) + 10)};
}

void appendRow(EditorModel &model)
{
    SubtitleTable &cds = model.cds;
    if (!cds.isActive())
        return;
    displayLock = true;
    cds.last();
    NewRowTimes times;
    if (!emptyRows(model)) {
        times = newRowTimesAfter(model, true);
        const QString zero = model.isTimeBase() ? zeroTimeCode : QStringLiteral("0");
        if (times.start.isEmpty())
            times.start = zero;
        if (times.end.isEmpty())
            times.end = zero;
    }
    cds.append();
    storeTimes(cds, times);
    displayLock = false;
    cds.post();

    model.setEnabled(Ctl::Masikfelirat, true);
    for (Ctl name : rowButtons)
        model.setEnabled(name, true);
    model.setModified(true);
    if (cds.recordCount() == 1) {
        // the first row of a table: the line fields and row tools as after a read
        for (Ctl name : {Ctl::kezdes, Ctl::befejezes, Ctl::kulonbseg, Ctl::szoveg, Ctl::Esorszam,
                         Ctl::Bvegelso})
            model.setEnabled(name, true);
        for (Ctl name : gridMenuRowItems())
            model.setEnabled(name, true);
        applyTimeBaseTools(model, model.isTimeBase());
    }
    const int visibleRows = layoutSetting == Layout::large   ? 15
                            : layoutSetting == Layout::small ? 10
                                                             : 0;
    if (cds.recordCount() < visibleRows)
        model.setVisible(Ctl::racsVScroll, false);
}

void insertBefore(EditorModel &model)
{
    SubtitleTable &cds = model.cds;
    if (!cds.isActive() || cds.recordCount() == 0)
        return;
    cds.post();
    displayLock = true;
    const NewRowTimes times = emptyRows(model) ? NewRowTimes{} : newRowTimesBefore(model);
    cds.insert();
    storeTimes(cds, times);
    displayLock = false;
    cds.post();
    model.setModified(true);
}

void insertAfter(EditorModel &model)
{
    SubtitleTable &cds = model.cds;
    if (!cds.isActive() || cds.recordCount() == 0)
        return;
    cds.post();
    addAfter(model, cds.recNo() == cds.recordCount());
    displayLock = false;
    cds.post();
    model.setModified(true);
}

void insertFiveAfter(EditorModel &model)
{
    SubtitleTable &cds = model.cds;
    if (!cds.isActive() || cds.recordCount() == 0)
        return;
    cds.post();
    bool last = false;
    for (int i = 0; i < 5; ++i) {
        last = last || cds.recNo() == cds.recordCount();
        addAfter(model, last);
        displayLock = false;
        cds.post();
    }
    model.setModified(true);
}

bool deleteRow(EditorModel &model)
{
    SubtitleTable &cds = model.cds;
    bool deleted = false;
    boxAnswer = Answer::deleteRows;
    if (model.isChecked(noQuestionOption))
        boxAnswer = Answer::yes;
    else
        showMessageBox(QStringLiteral("Törlés!"), BoxKind::question,
                       QStringLiteral("Tényleg törölni akarja a sort?"), true, true, false);
    if (boxAnswer == Answer::yes) {
        if (cds.recordCount() == 0) {
            model.setEnabled(Ctl::Masikfelirat, false);
            showMessageBox(QStringLiteral("Sor törlése"), BoxKind::info,
                           QStringLiteral("Nincs több sor a file-ban, ezért nem tud törölni!"),
                           false, false, true);
        } else {
            {
                DisplayHold hold;
                removeCurrent(model);
            }
            model.announceCounts();
            model.setModified(true);
            showAfterDelete(model);
            deleted = true;
        }
    }
    disableRowButtonsWhenEmpty(model);
    return deleted;
}

void deleteRange(EditorModel &model, int first, int last)
{
    SubtitleTable &cds = model.cds;
    const int rows = cds.recordCount();
    if (rows == 0)
        return;
    first = qBound(1, first, rows);
    const int count = qBound(1, last - first + 1, rows - first + 1);
    {
        BulkPass pass(model);
        cds.setRecNo(first);
        for (int i = 0; i < count; ++i)
            removeCurrent(model);
        pass.finish(0, false);
    }
    model.announceCounts();
    model.setModified(true);
    disableRowButtonsWhenEmpty(model);
    showAfterDelete(model);
}

void moveBoundary(EditorModel &model, int part, int parts)
{
    SubtitleTable &cds = model.cds;
    // With a single row there is no boundary: the rule would move the row's
    // own start onto its end.
    if (!model.isTimeBase() || parts <= 0 || cds.recordCount() < 2)
        return;
    cds.post();
    displayLock = true;
    cds.prior();
    const long double s = timeCodeToSeconds(cds.field(Field::Kezdes));
    const long double e = timeCodeToSeconds(cds.field(Field::Befejezes));
    const QString t = secondsToTimeCode(s + (e - s) * part / parts);
    cds.edit();
    cds.setField(Field::Befejezes, t);
    cds.post();
    cds.next();
    cds.edit();
    cds.setField(Field::Kezdes, t);
    displayLock = false;
    cds.post();
    model.setModified(true);
    model.host()->focusGrid();
}

SpinRange firstRowSpin(int rows, int recNo)
{
    return {1, rows - 1, recNo};
}

SpinRange lastRowSpin(int rows, int recNo, int first)
{
    SpinRange spin;
    spin.maximum = rows;
    const bool atLast = first == rows;
    spin.minimum = atLast ? rows - 1 : first + 1;
    spin.value = qMax(atLast ? recNo : recNo + 1, spin.minimum);
    return spin;
}
