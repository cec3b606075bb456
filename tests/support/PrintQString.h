#pragma once
#include <QString>
#include <ostream>

// Readable failure output for texts.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
