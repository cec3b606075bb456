#pragma once
#include <QString>
#include <deque>
#include <functional>
#include <vector>

#include "document/RowStore.h"
#include "document/SubtitleRow.h"

class SubtitleTable;

// One change of a table, as the table's mutators record it: what it
// replaced, so that applying it backwards gives the table back. Undoing a
// change turns it into its own redo (the replaced and the current values
// swap places), so each change holds one copy of what it touched.
struct TableChange {
    enum class Kind : unsigned char {
        Insert,       // a row came at index (row: empty until undone)
        Remove,       // the row at index went (row: the row removed)
        Replace,      // the row at index was replaced (row: the other value)
        Append,       // count rows came after index (rows: empty until undone)
        Clear,        // every row went (rows: the rows before)
        SecondRows,   // the count of rows carrying a second text (count: the other)
        Value,        // a value of the document (key, text: the other value)
    };
    Kind kind;
    int index = 0;
    int count = 0;
    SubtitleRow row;
    RowVector<SubtitleRow> rows;
    int key = 0;
    QString text;
};

// A user action: everything it changed, under the name the user knows it by.
struct JournalStep {
    QString name;
    std::vector<TableChange> changes;
    // typing into one field of one row amends the step before it
    int typedRow = -1;
    int typedField = -1;
    // the current row (1-based) when the action began and when it ended
    int rowBefore = 0;
    int rowAfter = 0;
};

// Every change of a document passes through here. Changes gather until the
// action that made them ends (commit); nested actions commit once, when the
// outermost ends. Steps are kept so that the action can be undone and done
// again; the oldest steps are dropped beyond a bound.
class ChangeJournal {
public:
    // Undoing and redoing change values of the document besides its table:
    // the owner applies a value by key and gives back the one it replaced.
    using ValueSwap = std::function<QString(int key, const QString &value)>;

    explicit ChangeJournal(SubtitleTable &table);
    ~ChangeJournal();
    ChangeJournal(const ChangeJournal &) = delete;
    ChangeJournal &operator=(const ChangeJournal &) = delete;

    void setValueSwap(ValueSwap swap) { valueSwap_ = std::move(swap); }

    // Called by the table and the document while they change; nothing is
    // recorded while a step is being undone or redone, or while paused.
    bool recording() const { return !applying_ && paused_ == 0; }
    void record(TableChange &&change);

    // An action begins and ends; the outermost end commits what it changed
    // as one step named `name` (nothing changed: no step).
    void begin();
    void end(const QString &name);
    int depth() const { return depth_; }

    // While a modal window runs inside an action, the actions of that window
    // are steps of their own: every journal's nesting is set aside.
    class ModalPause {
    public:
        ModalPause();
        ~ModalPause();
        ModalPause(const ModalPause &) = delete;
        ModalPause &operator=(const ModalPause &) = delete;

    private:
        std::vector<std::pair<ChangeJournal *, int>> held_;
    };
    // Commits the open changes at once (an action outside any guard).
    void commit(const QString &name);
    // Typing into `field` of `row`: joins the step before when that was
    // typing into the same field of the same row and nothing came between.
    void commitTyping(const QString &name, int row, int field);
    bool hasOpenChanges() const { return !open_.empty(); }
    // A change made outside any action (a key, a drop, a timer): the owner
    // is told once, and commits it when the event that made it is done.
    void onLooseChange(std::function<void()> notify) { loose_ = std::move(notify); }
    void commitLoose(const QString &name);
    // Told whenever the steps that can be undone or redone change.
    void onHistoryChanged(std::function<void()> notify) { historyChanged_ = std::move(notify); }

    // Reading a file or creating a table starts the history afresh; a new
    // subtitle that was never saved has no saved point.
    void reset(bool saved = true);
    // A pass that reads or rebuilds a table records nothing.
    void pause() { ++paused_; }
    void resume() { --paused_; }

    int stepCount() const { return int(steps_.size()); }
    int undoCount() const { return done_; }
    int redoCount() const { return int(steps_.size()) - done_; }
    const JournalStep &step(int index) const { return steps_[index]; }
    QString undoName() const;
    QString redoName() const;
    bool undo();
    bool redo();

    // The saved point: the step count at the last read or save.
    void markSaved() { savedAt_ = done_; }
    bool atSavedPoint() const { return savedAt_ == done_; }

    static constexpr int keptSteps = 200;

private:
    void push(JournalStep &&step);
    void apply(TableChange &change);
    void applyBackwards(JournalStep &step);
    void applyForwards(JournalStep &step);
    void replay(JournalStep &step, bool backwards);
    bool amendsLast(int row, int field) const;

    SubtitleTable &table_;
    ValueSwap valueSwap_;
    std::vector<TableChange> open_;
    std::deque<JournalStep> steps_;
    int done_ = 0;       // steps_[0..done_) are done, the rest undone
    int savedAt_ = 0;    // -1: the saved state is no longer in the history
    int depth_ = 0;
    int paused_ = 0;
    int openRow_ = 0;  // the current row when the open changes began
    int heldByModal_ = 0;
    std::function<void()> loose_;
    std::function<void()> historyChanged_;
    void tellHistory() const
    {
        if (historyChanged_)
            historyChanged_();
    }
    bool applying_ = false;
};

// One user action on a journal: begun on construction, committed under its
// name when the last guard of a nest ends.
class JournalStepGuard {
public:
    JournalStepGuard(ChangeJournal *journal, QString name)
        : journal_(journal), name_(std::move(name))
    {
        if (journal_)
            journal_->begin();
    }
    ~JournalStepGuard()
    {
        if (journal_)
            journal_->end(name_);
    }
    JournalStepGuard(const JournalStepGuard &) = delete;
    JournalStepGuard &operator=(const JournalStepGuard &) = delete;

private:
    ChangeJournal *journal_;
    QString name_;
};
