#pragma once
#include <QString>
#include <QStringView>

// Numbers with a fraction are written and read with "," as the decimal
// separator, never through the locale.

// Plain decimal text of v rounded to `significant` digits: no exponent, no
// trailing zeros, "," before the fraction ("4,170837504", "3", "0,05").
QString formatDecimal(long double v, int significant = 15);

// Reads a decimal number written with "," (a "." is taken too). Leading and
// trailing spaces are not allowed. Returns false for anything else.
bool parseDecimal(QStringView text, long double *value);

// The frame rate of an FPS text such as "23,976"; 0 when it is not a number.
long double fpsValue(QStringView fpsText);

// Trunc(seconds × 1000) taken from the decimal text of the value, so that a
// binary hair below a whole millisecond does not lose it.
qint64 truncMillis(long double seconds);
