#pragma once
#include <QString>

class EditorModel;

// The time-base switch of the editor's beosztas: rewrites every start and
// end of the table as time codes ("Time") or frame numbers ("Frame") at the
// model's frame rate.

// beosztas changed to `chosen`: switches when it differs from the table's
// current time base (loadedTimeBase); returns whether it switched.
bool chooseTimeBase(EditorModel &model, const QString &chosen);

// The switch itself, to "Time" or "Frame".
void switchTimeBase(EditorModel &model, const QString &base);

// One value pair in the other form. Frame numbers to time codes at fps:
// an empty value takes the other one, both empty give zero.
struct TimePair {
    QString start;
    QString end;
};
TimePair framesToTimes(const QString &start, const QString &end, const QString &fps);
TimePair timesToFrames(const QString &start, const QString &end, const QString &fps);
