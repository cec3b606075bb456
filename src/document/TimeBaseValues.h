#pragma once
#include <QString>

// The two time bases as the "beosztas" box names them, compared exactly.
namespace TimeBase {
inline const QString time = QStringLiteral("Time");
inline const QString frame = QStringLiteral("Frame");
}  // namespace TimeBase
