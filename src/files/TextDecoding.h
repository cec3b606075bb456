#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringView>
#include <memory>
#include <vector>

#include "files/ByteLines.h"
#include "files/FileEncoding.h"

// What tells one state of a file from another: which file a name led to,
// its size and the time of its last change.
struct FileStamp {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = -1;
    qint64 changedSeconds = 0;
    qint64 changedNanoseconds = 0;
    bool operator==(const FileStamp &) const = default;
    // The stamp of an open file; a size of -1 when it cannot be had.
    static FileStamp of(int fd);
};

// Subtitle files are decoded once at the file boundary: a UTF-8 or UTF-16
// byte-order mark decides, then valid UTF-8 with at least one multi-byte
// sequence, and code page 1250 for everything else.
struct DecodedText {
    QString text;
    FileEncoding encoding = FileEncoding::Cp1250;
    // A single-byte or UTF-8 text prepared for reading is decoded line by
    // line as it is read (text stays empty): from its bytes, or, when path
    // is set, from the file read again in chunks.
    bool lazy = false;
    QByteArray bytes;
    qsizetype bytesFrom = 0;  // after the byte-order mark
    QString path;
    qint64 fileSize = 0;      // the bytes of a file when it was surveyed
    FileStamp stamp;          // the file as it was surveyed
    // Counted while the encoding was chosen (prepared texts): the lines,
    // and the lines an entry may open with, a guess of the rows to come.
    size_t lineCount = 0;
    size_t timeShapedLines = 0;  // "00:00:00,000 --> 00:00:00,000" at their start
    size_t braceLines = 0;       // beginning with "{"
    bool isUtf16() const
    {
        return encoding == FileEncoding::Utf16Le || encoding == FileEncoding::Utf16Be;
    }
    bool streamed() const { return lazy && !path.isEmpty(); }
};

// The whole text decoded.
DecodedText decodeSubtitleBytes(const QByteArray &bytes);
// The encoding chosen and the lines surveyed; UTF-16 decoded at once, the
// rest left for the line cursor to decode as it walks.
DecodedText prepareSubtitleText(QByteArray bytes);
// The same for an open file, read from its beginning in chunks and never
// held whole (UTF-16 excepted); at most limit bytes are read. False when a
// read fails.
bool prepareSubtitleFile(QFile &file, qint64 limit, DecodedText *out);

// Code page 1250 for all 256 bytes, as the codec maps them.
QString decodeCp1250(const char *data, qsizetype size);

// Walks the lines of a text, split at CR LF, LF and a lone CR as a text
// reader does: a final line break does not begin another line. Over a
// decoded text the views point into it; over a prepared text each line is
// decoded into one of a few reused buffers, so a view stays valid until
// three more lines have been taken.
class LineCursor {
public:
    explicit LineCursor(const QString &text);
    explicit LineCursor(const DecodedText &text);
    size_t count() const { return count_; }
    bool atEnd() const { return chars_ ? pos_ >= end_ : bytes_.atEnd(); }
    QStringView next();
    // The file could not be read again as it was surveyed (a streamed
    // text): the lines ended early.
    // A file that changed in any way since the survey (another file under
    // its name, another size, a later change) counts as failed too.
    bool failed() const;

private:
    QStringView decodeLine(QByteArrayView bytes);

    const QChar *chars_ = nullptr;
    qsizetype pos_ = 0;
    qsizetype end_ = 0;
    std::unique_ptr<QFile> file_;
    FileStamp stamp_;
    ByteLines bytes_;
    FileEncoding encoding_ = FileEncoding::Cp1250;
    size_t count_ = 0;
    bool failed_ = false;
    QString ring_[4];
    int ringNext_ = 0;
};

// All lines at once (tests and the floor of the reading benchmark).
std::vector<QStringView> splitLines(const QString &text);
