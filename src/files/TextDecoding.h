#pragma once
#include <QByteArray>
#include <QString>
#include <QStringView>
#include <vector>

#include "files/FileEncoding.h"

// Subtitle files are decoded once at the file boundary: a UTF-8 or UTF-16
// byte-order mark decides, then valid UTF-8 with at least one multi-byte
// sequence, and code page 1250 for everything else.
struct DecodedText {
    QString text;
    FileEncoding encoding = FileEncoding::Cp1250;
    bool isUtf16() const
    {
        return encoding == FileEncoding::Utf16Le || encoding == FileEncoding::Utf16Be;
    }
};

DecodedText decodeSubtitleBytes(const QByteArray &bytes);

// Code page 1250 for all 256 bytes, as the codec maps them.
QString decodeCp1250(const char *data, qsizetype size);

// Splits at CR LF, LF and a lone CR, as a text reader does: a final line
// break does not begin another line. The views point into text.
std::vector<QStringView> splitLines(const QString &text);
