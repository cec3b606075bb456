#include "files/ByteLines.h"

#include <QIODevice>
#include <cstring>

#include "document/VectorPaths.h"

qsizetype findLineBreak(const char *p, qsizetype from, qsizetype n)
{
    qsizetype i = from;
#ifdef __SSE2__
    if (vectorPaths()) {
        const __m128i lf = _mm_set1_epi8('\n');
        const __m128i cr = _mm_set1_epi8('\r');
        for (; i + 16 <= n; i += 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + i));
            const int hits = _mm_movemask_epi8(
                _mm_or_si128(_mm_cmpeq_epi8(bytes, lf), _mm_cmpeq_epi8(bytes, cr)));
            if (hits != 0)
                return i + __builtin_ctz(unsigned(hits));
        }
    }
#endif
    for (; i < n; ++i)
        if (p[i] == '\n' || p[i] == '\r')
            return i;
    return n;
}

ByteLines::ByteLines(const char *data, qsizetype size) : data_(data), end_(size) {}

ByteLines::ByteLines(QIODevice *device, qint64 limit, bool whole, qsizetype chunk)
    : device_(device), left_(limit), whole_(whole), exhausted_(false)
{
    buffer_.resize(qMax<qsizetype>(chunk, 2));
    data_ = buffer_.constData();
    refill(0);
}

QByteArrayView ByteLines::next()
{
    qsizetype end = findLineBreak(data_, pos_, end_);
    // A line running past the chunk, or a CR whose LF may open the next one.
    while (!exhausted_ && (end == end_ || (end + 1 == end_ && data_[end] == '\r'))) {
        const qsizetype looked = end - pos_;
        refill(pos_);
        end = findLineBreak(data_, pos_ + looked, end_);
    }
    qsizetype next = end;
    if (end < end_) {
        if (data_[end] == '\r' && end + 1 < end_ && data_[end + 1] == '\n')
            ++next;
        ++next;
    }
    qsizetype start = pos_;
    pos_ = next;
    // Reading on now keeps atEnd exact; the line moves to the front.
    if (pos_ >= end_ && !exhausted_) {
        refill(start);
        end -= start;
        start = 0;
    }
    return QByteArrayView(data_ + start, end - start);
}

// Moves the bytes from keep on to the front and reads behind them, growing
// the buffer only for a line longer than it.
void ByteLines::refill(qsizetype keep)
{
    const qsizetype kept = end_ - keep;
    char *buffer = buffer_.data();
    if (keep > 0 && kept > 0)
        std::memmove(buffer, buffer + keep, size_t(kept));
    pos_ -= keep;
    end_ = kept;
    if (end_ == buffer_.size()) {
        buffer_.resize(buffer_.size() * 2);
        buffer = buffer_.data();
    }
    data_ = buffer;
    const qint64 room = qMin<qint64>(buffer_.size() - end_, left_);
    const qint64 got = room > 0 ? device_->read(buffer + end_, room) : 0;
    if (got < 0) {
        failed_ = true;
        exhausted_ = true;
        return;
    }
    end_ += qsizetype(got);
    read_ += got;
    left_ -= got;
    if (got == 0 || left_ == 0) {
        exhausted_ = true;
        if (whole_ && left_ > 0)
            failed_ = true;
    }
}
