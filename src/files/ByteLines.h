#pragma once
#include <QByteArray>
#include <QByteArrayView>

class QIODevice;

// Splits bytes into lines as a text reader does: at LF, CR LF and a lone
// CR; a final break does not begin another line. The bytes are either all
// in memory or read from a device in chunks through one reused buffer, so
// a big file is never held whole. A line's view stays valid until the next
// line is taken.
class ByteLines {
public:
    static constexpr qsizetype defaultChunk = qsizetype(1) << 18;

    ByteLines() = default;
    ByteLines(const char *data, qsizetype size);
    // At most limit bytes of the device, from where it stands. whole: the
    // device must give them all; ending sooner counts as a failed read.
    ByteLines(QIODevice *device, qint64 limit, bool whole, qsizetype chunk = defaultChunk);

    bool atEnd() const { return pos_ >= end_ && exhausted_; }
    QByteArrayView next();
    // A read failed, or a whole read came short; the lines end there.
    bool failed() const { return failed_; }
    qint64 bytesRead() const { return read_; }

private:
    void refill(qsizetype keep);

    const char *data_ = nullptr;
    qsizetype pos_ = 0;
    qsizetype end_ = 0;
    QIODevice *device_ = nullptr;
    qint64 left_ = 0;
    qint64 read_ = 0;
    QByteArray buffer_;
    bool whole_ = false;
    bool exhausted_ = true;
    bool failed_ = false;
};

// The first carriage return or line feed at or after from, or n.
qsizetype findLineBreak(const char *p, qsizetype from, qsizetype n);
