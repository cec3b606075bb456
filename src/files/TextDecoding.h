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

// Walks the lines of a text, split at CR LF, LF and a lone CR as a text
// reader does: a final line break does not begin another line. The views
// point into the text, which must outlive them.
class LineCursor {
public:
    explicit LineCursor(const QString &text);
    size_t count() const { return count_; }
    bool atEnd() const { return pos_ >= end_; }
    QStringView next();

private:
    const QChar *begin_;
    qsizetype pos_ = 0;
    qsizetype end_;
    size_t count_ = 0;
};

// All lines at once (tests and the floor of the reading benchmark).
std::vector<QStringView> splitLines(const QString &text);
