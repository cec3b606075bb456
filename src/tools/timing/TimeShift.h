#pragma once
#include <QString>
#include <functional>

class EditorModel;

// Shifting start and end values by a fixed amount in the table's time base.

// One stored value shifted by amount (add or subtract), clamped: frames to
// 0..999999, times to 00:00:00,000..24:00:00,000. A frame value that is not
// a whole number is left as it is; an empty time counts as zero.
QString shiftFrameValue(const QString &value, qint64 amount, bool add);
QString shiftTimeValue(const QString &value, long double amountSeconds, bool add);

// The quick shift of every row, both start and end. A zero or malformed
// amount is refused with its message and nothing changes; true when the
// table was shifted.
bool quickShift(EditorModel &model, bool add, const QString &amount);

// The detailed window's shift of a range that begins at the current row.
struct RangeShift {
    bool add = true;
    QString amount;
    bool up = false;         // Felfele: towards row 1; otherwise towards the last row
    bool toRow = false;      // "Eddig a sorig:" with rowText; otherwise "Az összeset"
    QString rowText;         // Edit2
    bool starts = true;      // "Kezdő érték"
    bool ends = true;        // "Befejező érték"
    // The window's gauge (szazalek), shown while the rows are walked.
    std::function<void(bool visible)> showGauge;
    std::function<void(int value)> setGauge;
};
// Runs the checks in their order (each failure shows its message, later
// checks still run); true when the range was shifted.
bool rangeShift(EditorModel &model, const RangeShift &shift);
