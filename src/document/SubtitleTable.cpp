#include "document/SubtitleTable.h"

#include <QtGlobal>
#include <iterator>
#include <utility>

#include "document/DocumentGlobals.h"

namespace {

struct FieldName {
    const char *name;
    Field field;
};

const FieldName fieldNames[] = {
    {"Sorszam", Field::Sorszam}, {"Kezdes", Field::Kezdes},   {"Befejezes", Field::Befejezes},
    {"Szoveg", Field::Szoveg},   {"Szoveg2", Field::Szoveg2}, {"sor3", Field::Sor3},
    {"betu38", Field::Betu38},
};

QString flagText(bool on)
{
    return on ? QStringLiteral("t") : QString();
}

QString rowField(const SubtitleRow &row, Field field)
{
    switch (field) {
    case Field::Sorszam: return QString();
    case Field::Kezdes: return row.kezdes;
    case Field::Befejezes: return row.befejezes;
    case Field::Szoveg: return row.szoveg;
    case Field::Szoveg2: return row.szoveg2;
    case Field::Sor3: return flagText(row.sor3);
    case Field::Betu38: return flagText(row.betu38);
    }
    return QString();
}

}  // namespace

bool fieldByName(QStringView name, Field *field)
{
    for (const FieldName &f : fieldNames) {
        if (name.compare(QLatin1String(f.name), Qt::CaseInsensitive) == 0) {
            *field = f.field;
            return true;
        }
    }
    return false;
}

int fieldSize(Field field)
{
    switch (field) {
    case Field::Kezdes:
    case Field::Befejezes: return 12;
    case Field::Szoveg:
    case Field::Szoveg2: return 220;
    case Field::Sor3:
    case Field::Betu38: return 1;
    case Field::Sorszam: return 0;
    }
    return 0;
}

SubtitleTable::SubtitleTable(QObject *parent) : QObject(parent) {}

void SubtitleTable::clearRows()
{
    if (recording() && !rows_.empty()) {
        TableChange change{TableChange::Kind::Clear};
        change.rows = rows_.take(0, rows_.size());
        journal_->record(std::move(change));
    }
    rows_.clear();
}

void SubtitleTable::create()
{
    if (announcing())
        emit aboutToReset();
    clearRows();
    state_ = State::Browse;
    cur_ = -1;
    eof_ = bof_ = true;
    changeCount_ = 0;
    if (announcing()) {
        emit reset();
        emit dataChange();
    } else {
        changedWhileSuspended_ = true;
    }
}

void SubtitleTable::close()
{
    if (announcing())
        emit aboutToReset();
    clearRows();
    state_ = State::Inactive;
    cur_ = -1;
    eof_ = bof_ = true;
    changeCount_ = 0;
    if (announcing())
        emit reset();
    else
        changedWhileSuspended_ = true;
}

void SubtitleTable::empty()
{
    if (!isActive())
        create();
    if (announcing())
        emit aboutToReset();
    clearRows();
    state_ = State::Browse;
    cur_ = -1;
    eof_ = bof_ = true;
    if (announcing()) {
        emit reset();
        emit dataChange();
    } else {
        changedWhileSuspended_ = true;
    }
}

// A row being edited or inserted is posted when something was set in it and
// dropped otherwise, before the cursor moves or another row is started.
void SubtitleTable::finishPending()
{
    if (state_ == State::Edit || state_ == State::Insert) {
        if (pendingTouched_)
            post();
        else
            cancel();
    }
}

void SubtitleTable::beginInsertAt(int index)
{
    // A row put in front of a row that carries a second text pushes that
    // text down one row, where it still counts; the mirror of deleting.
    insertCountsSecond_ = index < secondRowCount_;
    if (insertCountsSecond_)
        setSecondRowCount(secondRowCount_ + 1);
    pending_ = SubtitleRow();
    pendingIndex_ = index;
    pendingTouched_ = false;
    state_ = State::Insert;
    eof_ = bof_ = false;
    notifyData();
}

void SubtitleTable::append()
{
    if (!isActive())
        return;
    finishPending();
    beginInsertAt(rows_.size());
}

void SubtitleTable::insert()
{
    if (!isActive())
        return;
    finishPending();
    beginInsertAt(cur_ < 0 ? 0 : cur_);
}

void SubtitleTable::edit()
{
    if (state_ == State::Edit || state_ == State::Insert)
        return;
    if (state_ != State::Browse || cur_ < 0) {
        // editing an empty table starts a new row, as a dataset does
        if (state_ == State::Browse)
            append();
        return;
    }
    pending_ = rows_[cur_];
    pendingTouched_ = false;
    state_ = State::Edit;
}

void SubtitleTable::post()
{
    if (state_ == State::Insert) {
        const int index = pendingIndex_;
        if (announcing())
            emit rowsAboutToBeInserted(index);
        rows_.insert(index, std::move(pending_));
        cur_ = index;
        state_ = State::Browse;
        ++changeCount_;
        record(TableChange::Kind::Insert, index);
        if (announcing())
            emit rowsInserted(index);
        else
            changedWhileSuspended_ = true;
        notifyData();
    } else if (state_ == State::Edit) {
        state_ = State::Browse;
        if (pendingTouched_) {
            if (recording()) {
                TableChange change{TableChange::Kind::Replace, cur_};
                change.row = std::move(rows_[cur_]);
                journal_->record(std::move(change));
            }
            rows_[cur_] = std::move(pending_);
            ++changeCount_;
            if (announcing())
                emit rowChanged(cur_);
            else
                changedWhileSuspended_ = true;
            notifyData();
        }
    }
    pending_ = SubtitleRow();
    pendingTouched_ = false;
}

void SubtitleTable::cancel()
{
    const bool wasInsert = state_ == State::Insert;
    if (state_ == State::Edit || state_ == State::Insert)
        state_ = State::Browse;
    pending_ = SubtitleRow();
    pendingTouched_ = false;
    if (wasInsert) {
        // the row never came: the count it moved goes back
        if (insertCountsSecond_ && secondRowCount_ > 0)
            setSecondRowCount(secondRowCount_ - 1);
        insertCountsSecond_ = false;
        if (cur_ >= rows_.size())
            cur_ = rows_.size() - 1;
        eof_ = bof_ = rows_.empty();
        notifyData();
    }
}

void SubtitleTable::remove()
{
    if (state_ == State::Insert) {
        cancel();
        return;
    }
    if (state_ == State::Edit)
        cancel();
    if (state_ != State::Browse || cur_ < 0)
        return;
    const int index = cur_;
    // the rows carrying a second text close up over the deleted one
    if (index < secondRowCount_)
        setSecondRowCount(secondRowCount_ - 1);
    if (announcing())
        emit rowsAboutToBeRemoved(index);
    if (recording()) {
        TableChange change{TableChange::Kind::Remove, index};
        change.row = std::move(rows_[index]);
        journal_->record(std::move(change));
    }
    rows_.erase(index);
    ++changeCount_;
    if (cur_ >= rows_.size())
        cur_ = rows_.size() - 1;
    eof_ = bof_ = rows_.empty();
    if (announcing())
        emit rowsRemoved(index);
    else
        changedWhileSuspended_ = true;
    notifyData();
}

void SubtitleTable::appendRows(RowVector<SubtitleRow> &&rows)
{
    if (rows.empty())
        return;
    finishPending();
    if (announcing())
        emit aboutToReset();
    changeCount_ += int(rows.size());
    record(TableChange::Kind::Append, rows_.size(), int(rows.size()));
    rows_.append(std::move(rows));
    rows = {};
    if (announcing()) {
        emit reset();
        emit dataChange();
    } else {
        changedWhileSuspended_ = true;
    }
}

void SubtitleTable::appendRows(std::vector<SubtitleRow> &&rows)
{
    appendRows(RowVector<SubtitleRow>(std::make_move_iterator(rows.begin()),
                                      std::make_move_iterator(rows.end())));
}

void SubtitleTable::replaceRow(int index, SubtitleRow row)
{
    if (index < 0 || index >= rows_.size())
        return;
    finishPending();
    if (recording()) {
        TableChange change{TableChange::Kind::Replace, index};
        change.row = std::move(rows_[index]);
        journal_->record(std::move(change));
    }
    rows_[index] = std::move(row);
    ++changeCount_;
    if (announcing())
        emit rowChanged(index);
    else
        changedWhileSuspended_ = true;
    if (index == cur_)
        notifyData();
}

SubtitleRow *SubtitleTable::buffer()
{
    if (state_ == State::Edit || state_ == State::Insert)
        return &pending_;
    return nullptr;
}

const SubtitleRow *SubtitleTable::currentRow() const
{
    if (state_ == State::Edit || state_ == State::Insert)
        return &pending_;
    if (state_ == State::Browse && cur_ >= 0)
        return &rows_[cur_];
    return nullptr;
}

bool SubtitleTable::setField(Field field, const QString &value)
{
    SubtitleRow *row = buffer();
    if (!row) {
        qWarning("SubtitleTable: a field was set outside edit or insert state");
        return false;
    }
    // Texts are kept whole: the field size only says what the tools aim at.
    const QString cut = isTextField(field) ? value : value.left(fieldSize(field));
    switch (field) {
    case Field::Sorszam: return false;
    case Field::Kezdes: row->kezdes = cut; break;
    case Field::Befejezes: row->befejezes = cut; break;
    case Field::Szoveg: row->szoveg = cut; break;
    case Field::Szoveg2: row->szoveg2 = cut; break;
    case Field::Sor3: row->sor3 = !cut.isEmpty(); break;
    case Field::Betu38: row->betu38 = !cut.isEmpty(); break;
    }
    pendingTouched_ = true;
    notifyData();
    return true;
}

bool SubtitleTable::setField(QStringView name, const QString &value)
{
    Field f;
    return fieldByName(name, &f) && setField(f, value);
}

QString SubtitleTable::field(Field field) const
{
    const SubtitleRow *row = currentRow();
    return row ? rowField(*row, field) : QString();
}

QString SubtitleTable::field(QStringView name) const
{
    Field f;
    return fieldByName(name, &f) ? field(f) : QString();
}

QString SubtitleTable::displayText(Field field) const
{
    if (field != Field::Sorszam)
        return this->field(field);
    if (rows_.empty() && state_ != State::Insert)
        return QString();
    return QString::number(recNo());
}

void SubtitleTable::moveTo(int index)
{
    const int before = cur_;
    cur_ = index;
    if (before != cur_)
        notifyData();
}

void SubtitleTable::first()
{
    finishPending();
    bof_ = true;
    eof_ = rows_.empty();
    moveTo(rows_.empty() ? -1 : 0);
}

void SubtitleTable::next()
{
    finishPending();
    bof_ = false;
    if (cur_ + 1 < rows_.size()) {
        eof_ = false;
        moveTo(cur_ + 1);
    } else {
        eof_ = true;
    }
}

void SubtitleTable::prior()
{
    finishPending();
    eof_ = false;
    if (cur_ > 0) {
        bof_ = false;
        moveTo(cur_ - 1);
    } else {
        bof_ = true;
    }
}

void SubtitleTable::last()
{
    finishPending();
    eof_ = rows_.empty();
    bof_ = rows_.empty();
    moveTo(rows_.size() - 1);
}

int SubtitleTable::recNo() const
{
    if (state_ == State::Insert)
        return pendingIndex_ + 1;
    return cur_ + 1;
}

void SubtitleTable::setRecNo(int recNo)
{
    finishPending();
    if (rows_.empty())
        return;
    eof_ = bof_ = false;
    moveTo(qBound(1, recNo, rows_.size()) - 1);
}

void SubtitleTable::suspendRefresh()
{
    if (suspendDepth_++ == 0) {
        changedWhileSuspended_ = false;
        emit aboutToReset();
    }
}

void SubtitleTable::resumeRefresh()
{
    if (suspendDepth_ == 0)
        return;
    if (--suspendDepth_ == 0) {
        emit reset();
        emit dataChange();
    }
}

void SubtitleTable::notifyData()
{
    if (announcing())
        emit dataChange();
}

void SubtitleTable::record(TableChange::Kind kind, int index, int count)
{
    if (recording())
        journal_->record(TableChange{kind, index, count});
}

void SubtitleTable::setSecondRowCount(int count)
{
    if (count == secondRowCount_)
        return;
    record(TableChange::Kind::SecondRows, 0, secondRowCount_);
    secondRowCount_ = count;
}

int SubtitleTable::swapSecondRowCount(int count)
{
    return std::exchange(secondRowCount_, count);
}

void SubtitleTable::announceInserted(int index)
{
    ++changeCount_;
    if (announcing())
        emit rowsInserted(index);
    else
        changedWhileSuspended_ = true;
}

void SubtitleTable::announceRemoved(int index)
{
    ++changeCount_;
    if (announcing())
        emit rowsRemoved(index);
    else
        changedWhileSuspended_ = true;
}

void SubtitleTable::announceChanged(int index)
{
    ++changeCount_;
    if (announcing())
        emit rowChanged(index);
    else
        changedWhileSuspended_ = true;
}

// Undo and redo run in Browse state: a row being edited is dropped first
// (the journal committed what was posted).
void SubtitleTable::putRow(int index, SubtitleRow &&row)
{
    finishPending();
    if (announcing())
        emit rowsAboutToBeInserted(index);
    rows_.insert(index, std::move(row));
    if (cur_ < 0)
        cur_ = index;
    eof_ = bof_ = false;
    announceInserted(index);
}

SubtitleRow SubtitleTable::takeRow(int index)
{
    finishPending();
    if (announcing())
        emit rowsAboutToBeRemoved(index);
    SubtitleRow row = std::move(rows_[index]);
    rows_.erase(index);
    if (cur_ >= rows_.size())
        cur_ = rows_.size() - 1;
    eof_ = bof_ = rows_.empty();
    announceRemoved(index);
    return row;
}

SubtitleRow SubtitleTable::swapRow(int index, SubtitleRow &&row)
{
    finishPending();
    SubtitleRow old = std::exchange(rows_[index], std::move(row));
    announceChanged(index);
    return old;
}

void SubtitleTable::putRows(int index, RowVector<SubtitleRow> &&rows)
{
    finishPending();
    if (announcing())
        emit aboutToReset();
    changeCount_ += int(rows.size());
    rows_.put(index, std::move(rows));
    if (cur_ < 0 && !rows_.empty())
        cur_ = 0;
    eof_ = bof_ = rows_.empty();
    if (announcing())
        emit reset();
    else
        changedWhileSuspended_ = true;
}

RowVector<SubtitleRow> SubtitleTable::takeRows(int index, int count)
{
    finishPending();
    if (announcing())
        emit aboutToReset();
    changeCount_ += count;
    RowVector<SubtitleRow> rows = rows_.take(index, count);
    if (cur_ >= rows_.size())
        cur_ = rows_.size() - 1;
    eof_ = bof_ = rows_.empty();
    if (announcing())
        emit reset();
    else
        changedWhileSuspended_ = true;
    return rows;
}
