#pragma once
#include <QString>
#include <QtGlobal>
#include <vector>

class SubtitleTable;

// What the tracker draws under the film: a row's text, or nothing.
class FilmTrackerView {
public:
    virtual ~FilmTrackerView() = default;
    // Makes the row (1-based) current in the editor and draws its text.
    virtual void showRow(int row) = 0;
    virtual void hideLines() = 0;
};

// Follows the film position with the subtitle rows. The rows' starts and
// ends are cached in milliseconds, one entry per row of the table, so a tick
// compares the position with the tracked row and its successor only and
// scans the cache when the film jumps outside them.
class FilmTracker {
public:
    // How the rows' time values are read: time codes, or frame numbers at
    // that frame rate (frame / rate seconds).
    void setTimeBasis(bool timeBase, const QString &fps);

    // Fills the cache for every row and goes back to the first row with
    // nothing shown.
    void build(const SubtitleTable &table);
    // Recomputes the entries from index (0-based) to the end, after rows
    // were inserted or removed there; the tracked row stays where it was.
    void refreshFrom(const SubtitleTable &table, int index);
    // Recomputes one row's entry after its times changed.
    void refreshRow(const SubtitleTable &table, int index);

    // One tick with the film at that position (seconds), display on.
    void tick(double position, FilmTrackerView &view);
    // Playback starts at that position: the tracked row is shown when the
    // position is inside it, otherwise the tracker finds the row.
    void startPlayback(double position, FilmTrackerView &view);
    // The film was sought to a row's start: that row is tracked, and shown
    // when draw is set.
    void trackRow(int row, bool draw, FilmTrackerView &view);

    int trackedRow() const { return k_; }
    bool shown() const { return shown_; }
    bool inGap() const { return inGap_; }
    int rowCount() const { return int(start_.size()); }
    qint64 cachedStart(int row) const { return startOf(row); }
    qint64 cachedEnd(int row) const { return endOf(row); }
    qint64 lastEnd() const { return lastEnd_; }

private:
    qint64 valueMs(const QString &value) const;
    void computeEntry(const SubtitleTable &table, int index);
    void loadValues();
    qint64 startOf(int row) const;
    qint64 endOf(int row) const;
    bool isRow(int row) const { return row >= 1 && row <= rowCount(); }
    void advance();
    void relocate(qint64 t, bool hide, FilmTrackerView &view);
    void show(FilmTrackerView &view);
    void forget();

    bool timeBase_ = true;
    long double fps_ = 25;
    std::vector<qint64> start_;
    std::vector<qint64> end_;
    int k_ = 1;
    qint64 sk_ = 0, ek_ = 0, sNext_ = 0, eNext_ = 0;
    qint64 lastEnd_ = 0;
    bool shown_ = false;
    bool inGap_ = false;
    bool stale_ = false;
};
