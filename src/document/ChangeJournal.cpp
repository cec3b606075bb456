#include "document/ChangeJournal.h"

#include <algorithm>

#include "document/SubtitleTable.h"

namespace {

// The journals alive now, for the pause of a modal window.
std::vector<ChangeJournal *> &liveJournals()
{
    static std::vector<ChangeJournal *> journals;
    return journals;
}

}  // namespace

ChangeJournal::ChangeJournal(SubtitleTable &table) : table_(table)
{
    liveJournals().push_back(this);
}

ChangeJournal::~ChangeJournal()
{
    auto &live = liveJournals();
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
}

ChangeJournal::ModalPause::ModalPause()
{
    for (ChangeJournal *j : liveJournals()) {
        if (j->depth_ > 0) {
            held_.emplace_back(j, j->depth_);
            j->depth_ = 0;
            ++j->heldByModal_;
        }
    }
}

ChangeJournal::ModalPause::~ModalPause()
{
    const auto &live = liveJournals();
    for (auto [journal, depth] : held_) {
        if (std::find(live.begin(), live.end(), journal) != live.end()) {
            journal->depth_ += depth;
            --journal->heldByModal_;
        }
    }
}

void ChangeJournal::begin()
{
    if (depth_++ == 0 && open_.empty())
        openRow_ = table_.recNo();
}

void ChangeJournal::record(TableChange &&change)
{
    if (!recording())
        return;
    if (open_.empty() && depth_ == 0) {
        openRow_ = table_.recNo();
        if (heldByModal_ == 0 && loose_)
            loose_();
    }
    // a row replaced again in the same action keeps its first value only
    if (change.kind == TableChange::Kind::Replace && !open_.empty()) {
        const TableChange &last = open_.back();
        if (last.kind == TableChange::Kind::Replace && last.index == change.index)
            return;
    }
    open_.push_back(std::move(change));
}

void ChangeJournal::commitLoose(const QString &name)
{
    if (depth_ == 0 && heldByModal_ == 0)
        commit(name);
}

void ChangeJournal::end(const QString &name)
{
    if (depth_ > 0 && --depth_ == 0)
        commit(name);
}

void ChangeJournal::commit(const QString &name)
{
    if (open_.empty())
        return;
    JournalStep step;
    step.name = name;
    step.changes = std::move(open_);
    step.rowBefore = openRow_;
    step.rowAfter = table_.recNo();
    open_.clear();
    push(std::move(step));
}

bool ChangeJournal::amendsLast(int row, int field) const
{
    if (done_ == 0 || done_ != int(steps_.size()) || savedAt_ == done_)
        return false;
    const JournalStep &last = steps_.back();
    return last.typedRow == row && last.typedField == field;
}

void ChangeJournal::commitTyping(const QString &name, int row, int field)
{
    if (open_.empty() || depth_ > 0)
        return;
    if (!amendsLast(row, field)) {
        commit(name);
        steps_.back().typedRow = row;
        steps_.back().typedField = field;
        return;
    }
    // the row's value before the first key stays in the step; later values
    // of the same row add nothing to undo
    JournalStep &last = steps_.back();
    for (TableChange &change : open_) {
        const bool known = change.kind == TableChange::Kind::Replace
            && std::any_of(last.changes.begin(), last.changes.end(), [&](const TableChange &c) {
                   return c.kind == TableChange::Kind::Replace && c.index == change.index;
               });
        if (!known)
            last.changes.push_back(std::move(change));
    }
    last.rowAfter = table_.recNo();
    open_.clear();
    tellHistory();
}

void ChangeJournal::push(JournalStep &&step)
{
    // a new action drops what was undone: it can no longer be done again
    if (done_ < int(steps_.size())) {
        steps_.erase(steps_.begin() + done_, steps_.end());
        if (savedAt_ > done_)
            savedAt_ = -1;
    }
    steps_.push_back(std::move(step));
    ++done_;
    while (int(steps_.size()) > keptSteps) {
        steps_.pop_front();
        --done_;
        savedAt_ = savedAt_ > 0 ? savedAt_ - 1 : -1;
    }
    tellHistory();
}

void ChangeJournal::reset(bool saved)
{
    open_.clear();
    steps_.clear();
    done_ = 0;
    savedAt_ = saved ? 0 : -1;
    depth_ = 0;
    tellHistory();
}

QString ChangeJournal::undoName() const
{
    return done_ > 0 ? steps_[done_ - 1].name : QString();
}

QString ChangeJournal::redoName() const
{
    return done_ < int(steps_.size()) ? steps_[done_].name : QString();
}

void ChangeJournal::apply(TableChange &c)
{
    using K = TableChange::Kind;
    switch (c.kind) {
    case K::Insert:
        c.row = table_.takeRow(c.index);
        c.kind = K::Remove;
        break;
    case K::Remove:
        table_.putRow(c.index, std::move(c.row));
        c.row = SubtitleRow();
        c.kind = K::Insert;
        break;
    case K::Replace: c.row = table_.swapRow(c.index, std::move(c.row)); break;
    case K::Append:
        if (c.rows.empty()) {
            c.rows = table_.takeRows(c.index, c.count);
        } else {
            table_.putRows(c.index, std::move(c.rows));
            c.rows.clear();
        }
        break;
    case K::Clear:
        if (c.rows.empty() && table_.recordCount() > 0) {
            c.rows = table_.takeRows(0, table_.recordCount());
        } else {
            table_.putRows(0, std::move(c.rows));
            c.rows.clear();
        }
        break;
    case K::SecondRows: c.count = table_.swapSecondRowCount(c.count); break;
    case K::Value:
        if (valueSwap_)
            c.text = valueSwap_(c.key, c.text);
        break;
    }
}

void ChangeJournal::applyBackwards(JournalStep &step)
{
    for (auto it = step.changes.rbegin(); it != step.changes.rend(); ++it)
        apply(*it);
}

void ChangeJournal::applyForwards(JournalStep &step)
{
    for (TableChange &change : step.changes)
        apply(change);
}

namespace {

// A step of a few rows is announced row by row (a grid of a million rows
// stays put); a bigger one as one reset.
bool announcedAsReset(const JournalStep &step)
{
    if (step.changes.size() > 16)
        return true;
    return std::any_of(step.changes.begin(), step.changes.end(), [](const TableChange &c) {
        return c.kind == TableChange::Kind::Append || c.kind == TableChange::Kind::Clear;
    });
}

}  // namespace

void ChangeJournal::replay(JournalStep &step, bool backwards)
{
    applying_ = true;
    const bool reset = announcedAsReset(step);
    if (reset)
        table_.suspendRefresh();
    if (backwards)
        applyBackwards(step);
    else
        applyForwards(step);
    if (reset)
        table_.resumeRefresh();
    table_.setRecNo(backwards ? step.rowBefore : step.rowAfter);
    applying_ = false;
}

// Undo and redo run as actions of their own (a menu item's), but never in
// the middle of an action that has changed something.
bool ChangeJournal::undo()
{
    if (depth_ > 0 && !open_.empty())
        return false;
    commit(QString());  // stray changes would be lost from the history
    if (done_ == 0)
        return false;
    replay(steps_[--done_], true);
    tellHistory();
    return true;
}

bool ChangeJournal::redo()
{
    if (done_ >= int(steps_.size()) || !open_.empty())
        return false;
    replay(steps_[done_++], false);
    tellHistory();
    return true;
}
