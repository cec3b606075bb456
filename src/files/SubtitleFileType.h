#pragma once
#include <QString>
#include <QStringView>

// What a read tells a file to be.
enum class SubtitleFileType { none, frames, times, timesUnicode, dotted };

// The type as the editor's routines name it: "1" frame-based, "2"
// time-based, "3" time-based Unicode, "4" dotted layout, empty for none.
inline QString fileTypeCode(SubtitleFileType type)
{
    switch (type) {
    case SubtitleFileType::frames: return QStringLiteral("1");
    case SubtitleFileType::times: return QStringLiteral("2");
    case SubtitleFileType::timesUnicode: return QStringLiteral("3");
    case SubtitleFileType::dotted: return QStringLiteral("4");
    case SubtitleFileType::none: break;
    }
    return QString();
}
