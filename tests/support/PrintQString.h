#pragma once
#include <QString>
#include <ostream>

#include "document/TimeText.h"

// Readable failure output for texts.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

inline void PrintTo(const TimeText &t, std::ostream *os)
{
    PrintTo(t.toString(), os);
}
