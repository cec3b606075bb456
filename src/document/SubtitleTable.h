#pragma once
#include <QObject>
#include <QString>
#include <vector>

#include "document/ChangeJournal.h"
#include "document/RowStore.h"
#include "document/SubtitleRow.h"

// Looks a field up by name without regard to letter case; false when unknown.
bool fieldByName(QStringView name, Field *field);
// Longest value a time or flag field keeps; longer values are cut when
// stored. For the two texts it is the length the tools keep a text within;
// a longer text is stored whole.
int fieldSize(Field field);
inline bool isTextField(Field field) { return field == Field::Szoveg || field == Field::Szoveg2; }

// The subtitle table: rows of subtitle entries and one cursor. Routines are
// written against it the way a dataset is used: edit, set fields, post, next.
// Changes are announced through signals a grid model listens to; while
// refresh is suspended they are gathered into one reset at resume.
class SubtitleTable : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };

    explicit SubtitleTable(QObject *parent = nullptr);

    void create();
    void close();
    bool isActive() const { return state_ != State::Inactive; }
    void empty();

    void append();
    void insert();
    void edit();
    void post();
    void cancel();
    void remove();

    bool setField(Field field, const QString &value);
    bool setField(QStringView name, const QString &value);
    QString field(Field field) const;
    QString field(QStringView name) const;
    // The text shown for a field of the current row: Sorszam is the
    // row's position, empty for an empty table.
    QString displayText(Field field) const;

    void first();
    void next();
    void prior();
    void last();
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }

    // 1-based position of the current row (0 when the table is empty).
    int recNo() const;
    void setRecNo(int recNo);
    int recordCount() const { return rows_.size(); }
    // Room for that many rows in all before a bulk append (a reader).
    void reserve(int rows) { rows_.reserve(rows); }
    State state() const { return state_; }

    // Bulk changes of a read, in Browse state: rows appended after the last
    // one, and one posted row replaced. Each is announced as one change.
    void appendRows(RowVector<SubtitleRow> &&rows);
    void appendRows(std::vector<SubtitleRow> &&rows);
    void replaceRow(int index, SubtitleRow row);

    // How many rows, counted from the first, carry second-subtitle text. A
    // row inserted or deleted inside them moves the count with it.
    int secondRowCount() const { return secondRowCount_; }
    void setSecondRowCount(int count);

    // The journal every change of the table is recorded in (none: nothing
    // is recorded).
    void attachJournal(ChangeJournal *journal) { journal_ = journal; }
    ChangeJournal *journal() const { return journal_; }

    // Undo and redo put rows back through these; they record nothing.
    void putRow(int index, SubtitleRow &&row);
    SubtitleRow takeRow(int index);
    SubtitleRow swapRow(int index, SubtitleRow &&row);
    void putRows(int index, RowVector<SubtitleRow> &&rows);
    RowVector<SubtitleRow> takeRows(int index, int count);
    int swapSecondRowCount(int count);

    int changeCount() const { return changeCount_; }
    void mergeChangeLog() { changeCount_ = 0; }

    void suspendRefresh();
    void resumeRefresh();
    bool refreshSuspended() const { return suspendDepth_ > 0; }

    // Posted rows by 0-based index, for views and writers.
    const SubtitleRow &rowAt(int index) const { return rows_[index]; }

signals:
    void rowsAboutToBeInserted(int index);
    void rowsInserted(int index);
    void rowsAboutToBeRemoved(int index);
    void rowsRemoved(int index);
    void rowChanged(int index);
    void aboutToReset();
    void reset();
    // The current row moved or one of its fields changed.
    void dataChange();

private:
    void clearRows();
    void finishPending();
    void beginInsertAt(int index);
    void moveTo(int index);
    SubtitleRow *buffer();
    const SubtitleRow *currentRow() const;
    void notifyData();
    bool announcing() const { return suspendDepth_ == 0; }
    bool recording() const { return journal_ && journal_->recording(); }
    void record(TableChange::Kind kind, int index, int count = 0);
    void announceInserted(int index);
    void announceRemoved(int index);
    void announceChanged(int index);

    RowStore<SubtitleRow> rows_;
    State state_ = State::Inactive;
    int cur_ = -1;           // index of the current posted row
    SubtitleRow pending_;    // the row being edited or inserted
    int pendingIndex_ = -1;  // where an inserted row will be placed
    bool pendingTouched_ = false;
    // the pending insert moved secondRowCount (undone when it is cancelled)
    bool insertCountsSecond_ = false;
    int secondRowCount_ = 0;
    ChangeJournal *journal_ = nullptr;
    bool eof_ = true;
    bool bof_ = true;
    int changeCount_ = 0;
    int suspendDepth_ = 0;
    bool changedWhileSuspended_ = false;
};
