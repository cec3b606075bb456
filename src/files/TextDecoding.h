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
    // A single-byte or UTF-8 file prepared for reading keeps its bytes and
    // is decoded line by line as it is read (text stays empty).
    bool lazy = false;
    QByteArray bytes;
    qsizetype bytesFrom = 0;  // after the byte-order mark
    // A line cursor may give the pages of bytes it has passed back to the
    // system (a read that owns its bytes and walks them once).
    bool releaseRead = false;
    bool isUtf16() const
    {
        return encoding == FileEncoding::Utf16Le || encoding == FileEncoding::Utf16Be;
    }
};

// The whole text decoded.
DecodedText decodeSubtitleBytes(const QByteArray &bytes);
// The encoding chosen; UTF-16 decoded at once, the rest left for the
// line cursor to decode as it walks.
DecodedText prepareSubtitleText(QByteArray bytes);

// Code page 1250 for all 256 bytes, as the codec maps them.
QString decodeCp1250(const char *data, qsizetype size);

// Walks the lines of a text, split at CR LF, LF and a lone CR as a text
// reader does: a final line break does not begin another line. Over a
// decoded text the views point into it; over a prepared file each line is
// decoded into one of a few reused buffers, so a view stays valid until
// three more lines have been taken.
class LineCursor {
public:
    explicit LineCursor(const QString &text);
    explicit LineCursor(const DecodedText &text);
    size_t count() const { return count_; }
    bool atEnd() const { return pos_ >= end_; }
    QStringView next();

private:
    QStringView decodeLine(const char *data, qsizetype size);
    qsizetype byteLineEnd(qsizetype *nextStart);
    void releaseRead();
    static constexpr qsizetype releaseStep = qsizetype(1) << 20;

    const QChar *chars_ = nullptr;
    const char *bytes_ = nullptr;
    FileEncoding encoding_ = FileEncoding::Cp1250;
    qsizetype pos_ = 0;
    qsizetype end_ = 0;
    size_t count_ = 0;
    QString ring_[4];
    int ringNext_ = 0;
    bool releasing_ = false;
    qsizetype releasedTo_ = 0;
};

// All lines at once (tests and the floor of the reading benchmark).
std::vector<QStringView> splitLines(const QString &text);
