#include "film/FilmTracker.h"

#include <limits>

#include "document/Decimal.h"
#include "document/SubtitleTable.h"
#include "document/TimeCode.h"

namespace {

// A row past the table starts and ends "never", so the tracker waits in the
// gap after the last row until the position passes the last end.
constexpr qint64 never = std::numeric_limits<qint64>::max();

}  // namespace

void FilmTracker::setTimeBasis(bool timeBase, const QString &fps)
{
    timeBase_ = timeBase;
    fps_ = fpsValue(fps);
}

qint64 FilmTracker::valueMs(const QString &value) const
{
    if (timeBase_)
        return hasTimeCodeShape(value) ? timeCodeToMs(value) : 0;
    bool ok = false;
    const qint64 frame = value.trimmed().toLongLong(&ok);
    if (!ok || frame <= 0 || !(fps_ > 0))
        return 0;
    return truncMillis(frame / fps_);
}

void FilmTracker::computeEntry(const SubtitleTable &table, int index)
{
    const SubtitleRow &row = table.rowAt(index);
    start_[index] = valueMs(row.kezdes);
    end_[index] = valueMs(row.befejezes);
}

qint64 FilmTracker::startOf(int row) const
{
    return isRow(row) ? start_[row - 1] : never;
}

qint64 FilmTracker::endOf(int row) const
{
    return isRow(row) ? end_[row - 1] : never;
}

void FilmTracker::loadValues()
{
    sk_ = startOf(k_);
    ek_ = endOf(k_);
    sNext_ = startOf(k_ + 1);
    eNext_ = endOf(k_ + 1);
    lastEnd_ = rowCount() > 0 ? end_.back() : 0;
}

void FilmTracker::build(const SubtitleTable &table)
{
    const int n = table.isActive() ? table.recordCount() : 0;
    start_.assign(n, 0);
    end_.assign(n, 0);
    for (int i = 0; i < n; ++i)
        computeEntry(table, i);
    k_ = 1;
    shown_ = false;
    inGap_ = false;
    stale_ = false;
    loadValues();
}

void FilmTracker::refreshFrom(const SubtitleTable &table, int index)
{
    const int n = table.isActive() ? table.recordCount() : 0;
    start_.resize(n, 0);
    end_.resize(n, 0);
    for (int i = qMax(0, index); i < n; ++i)
        computeEntry(table, i);
    if (k_ >= index + 1)
        forget();
    if (k_ > n + 1)
        k_ = qMax(1, n);
    loadValues();
}

// The tracked row moved or changed: what is on screen may no longer be it,
// so the next tick takes it down and decides afresh.
void FilmTracker::forget()
{
    if (shown_ || inGap_)
        stale_ = true;
    shown_ = false;
    inGap_ = false;
}

void FilmTracker::refreshRow(const SubtitleTable &table, int index)
{
    if (index < 0 || index >= rowCount() || index >= table.recordCount()) {
        refreshFrom(table, index);
        return;
    }
    computeEntry(table, index);
    if (index + 1 == k_)
        forget();
    loadValues();
}

void FilmTracker::show(FilmTrackerView &view)
{
    view.showRow(k_);
    // what is drawn now is current: nothing left to take down
    stale_ = false;
}

void FilmTracker::advance()
{
    ++k_;
    loadValues();
}

void FilmTracker::relocate(qint64 t, bool hide, FilmTrackerView &view)
{
    if (hide) {
        shown_ = false;
        view.hideLines();
    }
    if (rowCount() == 0)
        return;
    if (t <= start_.front()) {
        k_ = 1;
    } else {
        for (int i = 0; i < rowCount(); ++i)
            if (start_[i] > t || (start_[i] <= t && t <= end_[i])) {
                k_ = i + 1;
                break;
            }
    }
    loadValues();
    if (isRow(k_) && sk_ <= t) {
        show(view);
        shown_ = true;
    }
}

void FilmTracker::tick(double position, FilmTrackerView &view)
{
    const qint64 t = truncMillis(position);
    if (stale_) {
        stale_ = false;
        view.hideLines();
    }
    if (!isRow(k_) || t > lastEnd_) {
        inGap_ = false;
        shown_ = false;
        view.hideLines();
        return;
    }
    if (inGap_) {
        if (t < sNext_) {
            if (t < sk_) {
                relocate(t, true, view);
            } else if (t <= ek_) {
                inGap_ = false;
                show(view);
                shown_ = true;
            }
        } else {
            inGap_ = false;
            advance();
        }
        return;
    }
    if (!shown_) {
        if (t < sk_ || t >= ek_) {
            relocate(t, false, view);
        } else {
            show(view);
            shown_ = true;
        }
        return;
    }
    if (t <= ek_) {
        if (t < sk_)
            relocate(t, true, view);
        return;
    }
    if (t < sNext_) {
        inGap_ = true;
        view.hideLines();
        shown_ = false;
    } else if (t > eNext_) {
        relocate(t, true, view);
    } else {
        advance();
        if (isRow(k_))
            show(view);
        else
            view.hideLines();
        inGap_ = false;
    }
}

void FilmTracker::startPlayback(double position, FilmTrackerView &view)
{
    const qint64 t = truncMillis(position);
    if (isRow(k_) && sk_ <= t && t < ek_) {
        show(view);
        shown_ = true;
    } else {
        relocate(t, false, view);
    }
}

void FilmTracker::trackRow(int row, bool draw, FilmTrackerView &view)
{
    k_ = qMax(1, row);
    inGap_ = false;
    loadValues();
    if (draw && isRow(k_)) {
        show(view);
        shown_ = true;
    }
}
