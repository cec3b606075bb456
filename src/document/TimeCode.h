#pragma once
#include <QString>
#include <QStringView>

#include "document/TimeText.h"

// Time codes HH:MM:SS,mmm and frame numbers, and the checks of typed values.
// Computations with seconds use extended precision (long double).

inline const QString zeroTimeCode = QStringLiteral("00:00:00,000");

// 12 characters, ":" at 3 and 6, "," at 9, digits elsewhere.
bool hasTimeCodeShape(QStringView text);

qint64 timeCodeToMs(QStringView code);
qint64 timeCodeToMs(const TimeText &code);
inline qint64 timeCodeToMs(const QString &code) { return timeCodeToMs(QStringView(code)); }
long double timeCodeToSeconds(QStringView code);
long double timeCodeToSeconds(const TimeText &code);
inline long double timeCodeToSeconds(const QString &code)
{
    return timeCodeToSeconds(QStringView(code));
}
QString secondsToTimeCode(long double seconds);
QString timeCodeToFrame(QStringView code, QStringView fpsText);
QString frameToTimeCode(long double frame, QStringView fpsText);
// A millisecond count as a time code, clamped to 00:00:00,000 and
// 24:00:00,000 (used when times are moved by an amount).
QString clampedMsToTimeCode(qint64 ms);
// The same for a time moved from fromMs: a time the table held beyond 24
// hours (the reader keeps up to 99:59:59,999) keeps that range and is never
// cut back to 24:00:00,000.
QString movedMsToTimeCode(qint64 ms, qint64 fromMs);
inline constexpr qint64 dayMs = 86400000;
inline constexpr qint64 largestTimeMs = 359999999;  // 99:59:59,999

// Checks of typed values. Each gives its verdict: passed, or the two lines
// of the message that explains the failure (editor/TypedValues shows it).
struct ValueCheck {
    bool passed = true;
    QString first;
    QString second;
};
ValueCheck typedTimeCheck(QStringView text);
ValueCheck timePairCheck(QStringView first, QStringView second);
ValueCheck framePairCheck(QStringView start, QStringView end);
ValueCheck frameValueCheck(QStringView text);

// What a time base puts into the editor's time fields: the neutral amount
// of the shift field and the longest value the time fields take.
struct TimeBaseFields {
    QString neutralAmount;
    int maxLength;
};
TimeBaseFields timeBaseFields(QStringView timeBase);
