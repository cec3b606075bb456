#include "files/TextDecoding.h"

#include <sys/stat.h>

#include <QStringDecoder>
#include <array>
#include <cstring>

#include "document/VectorPaths.h"

namespace {

// Fallback when the platform's codec library lacks the code page: the
// printable table of windows-1250, undefined bytes mapped to C1 controls.
constexpr char16_t cp1250High[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160,
    0x2039, 0x015A, 0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0,
    0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6,
    0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1,
    0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A,
    0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2,
    0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED,
    0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, 0x0159,
    0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// One table for all 256 bytes, taken from the codec the writer encodes with
// so that a read-write round trip gives the same bytes back.
const std::array<char16_t, 256> &cp1250Table()
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        for (int i = 0; i < 128; ++i)
            t[i] = char16_t(i);
        for (int i = 0; i < 128; ++i)
            t[128 + i] = cp1250High[i];
        QStringDecoder codec("windows-1250");
        if (codec.isValid()) {
            for (int i = 128; i < 256; ++i) {
                const char byte = char(i);
                const QString one = codec.decode(QByteArrayView(&byte, 1));
                if (one.size() == 1 && !codec.hasError())
                    t[i] = one[0].unicode();
                codec.resetState();
            }
        }
        return t;
    }();
    return table;
}

bool isContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// Whether all bytes are ASCII, the same in every encoding read here.
bool allAscii(const char *data, qsizetype size)
{
    qsizetype i = 0;
#ifdef __SSE2__
    if (vectorPaths()) {
        for (; i + 16 <= size; i += 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i));
            if (_mm_movemask_epi8(bytes) != 0)
                return false;
        }
    }
#endif
    for (; i < size; ++i)
        if (static_cast<unsigned char>(data[i]) >= 0x80)
            return false;
    return true;
}

// Code page 1250 through its table, sixteen bytes widened at a time where
// the processor can.
void decodeCp1250Into(const char *data, qsizetype size, QChar *out,
                      const std::array<char16_t, 256> &table)
{
    qsizetype i = 0;
#ifdef __SSE2__
    if (vectorPaths()) {
        const __m128i zero = _mm_setzero_si128();
        for (; i + 16 <= size; i += 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i));
            _mm_storeu_si128(reinterpret_cast<__m128i *>(out + i), _mm_unpacklo_epi8(bytes, zero));
            _mm_storeu_si128(reinterpret_cast<__m128i *>(out + i + 8), _mm_unpackhi_epi8(bytes, zero));
            // an accented letter or two in most blocks of a text: only those
            // bytes go through the table
            for (unsigned high = unsigned(_mm_movemask_epi8(bytes)); high != 0; high &= high - 1) {
                const int k = __builtin_ctz(high);
                out[i + k] = QChar(table[static_cast<unsigned char>(data[i + k])]);
            }
        }
    }
#endif
    for (; i < size; ++i)
        out[i] = QChar(table[static_cast<unsigned char>(data[i])]);
}

// Strict UTF-8 (no overlong forms, no surrogates); stops at the first fault
// so that a code-page file is rejected after a few bytes. A line break is
// ASCII, so checking a file line by line checks it whole.
bool isStrictUtf8(const char *data, qsizetype size, bool *multiByte)
{
    const auto *p = reinterpret_cast<const unsigned char *>(data);
    qsizetype i = 0;
    while (i < size) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int extra;
        unsigned char lo = 0x80, hi = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            if (c == 0xE0)
                lo = 0xA0;
            else if (c == 0xED)
                hi = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            if (c == 0xF0)
                lo = 0x90;
            else if (c == 0xF4)
                hi = 0x8F;
        } else {
            return false;
        }
        if (i + extra >= size)
            return false;
        if (p[i + 1] < lo || p[i + 1] > hi)
            return false;
        for (int k = 2; k <= extra; ++k)
            if (!isContinuation(p[i + k]))
                return false;
        *multiByte = true;
        i += extra + 1;
    }
    return true;
}

// The marks of a time line are ASCII: looked at in the bytes as they stand.
bool isTimeShaped(QByteArrayView line)
{
    auto is = [&](qsizetype at, char c) { return at < line.size() && line[at] == c; };
    auto msSep = [&](qsizetype at) { return is(at, ',') || is(at, '.') || is(at, ':'); };
    return is(2, ':') && is(5, ':') && msSep(8) && is(13, '-') && is(14, '-') && is(15, '>')
           && is(19, ':') && is(22, ':') && msSep(25);
}

// One pass over the lines: how many, how many may open an entry, and, when
// no byte-order mark decided it, whether they are UTF-8.
void survey(ByteLines &lines, DecodedText &d)
{
    const bool chooseEncoding = d.bytesFrom == 0;
    bool utf8 = chooseEncoding;
    bool multiByte = false;
    while (!lines.atEnd()) {
        const QByteArrayView line = lines.next();
        ++d.lineCount;
        if (isTimeShaped(line))
            ++d.timeShapedLines;
        else if (line.startsWith('{'))
            ++d.braceLines;
        if (utf8 && !allAscii(line.data(), line.size()))
            utf8 = isStrictUtf8(line.data(), line.size(), &multiByte);
    }
    if (chooseEncoding)
        d.encoding = utf8 && multiByte ? FileEncoding::Utf8 : FileEncoding::Cp1250;
}

bool hasUtf16Mark(const char *p, qsizetype n)
{
    auto at = [&](qsizetype i) { return static_cast<unsigned char>(p[i]); };
    return n >= 2 && ((at(0) == 0xFF && at(1) == 0xFE) || (at(0) == 0xFE && at(1) == 0xFF));
}

// A text decoded as it is walked, from its first bytes: a UTF-8 mark
// decides the encoding, the survey otherwise.
DecodedText textToWalk(const char *p, qsizetype n)
{
    auto at = [&](qsizetype i) { return static_cast<unsigned char>(p[i]); };
    DecodedText d;
    d.lazy = true;
    if (n >= 3 && at(0) == 0xEF && at(1) == 0xBB && at(2) == 0xBF) {
        d.encoding = FileEncoding::Utf8Bom;
        d.bytesFrom = 3;
    }
    return d;
}

QString decodeWith(QStringConverter::Encoding encoding, QByteArrayView bytes, bool *error)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (error)
        *error = decoder.hasError();
    return text;
}

}  // namespace

QString decodeCp1250(const char *data, qsizetype size)
{
    QString text(size, Qt::Uninitialized);
    decodeCp1250Into(data, size, text.data(), cp1250Table());
    return text;
}

DecodedText prepareSubtitleText(QByteArray bytes)
{
    DecodedText d;
    const char *p = bytes.constData();
    const qsizetype n = bytes.size();
    if (hasUtf16Mark(p, n)) {
        const bool little = static_cast<unsigned char>(p[0]) == 0xFF;
        d.encoding = little ? FileEncoding::Utf16Le : FileEncoding::Utf16Be;
        d.text = decodeWith(little ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                            QByteArrayView(p + 2, n - 2), nullptr);
        return d;
    }
    d = textToWalk(p, n);
    ByteLines lines(p + d.bytesFrom, n - d.bytesFrom);
    survey(lines, d);
    d.bytes = std::move(bytes);
    return d;
}

FileStamp FileStamp::of(int fd)
{
    FileStamp stamp;
    struct stat st;
    if (fd < 0 || fstat(fd, &st) != 0)
        return stamp;
    stamp.device = quint64(st.st_dev);
    stamp.inode = quint64(st.st_ino);
    stamp.size = qint64(st.st_size);
    stamp.changedSeconds = qint64(st.st_mtim.tv_sec);
    stamp.changedNanoseconds = qint64(st.st_mtim.tv_nsec);
    return stamp;
}

bool prepareSubtitleFile(QFile &file, qint64 limit, DecodedText *out)
{
    // A file that changes while it is surveyed is not taken.
    const FileStamp before = FileStamp::of(file.handle());
    char head[3];
    const qint64 n = file.peek(head, sizeof head);
    if (n < 0)
        return false;
    if (hasUtf16Mark(head, n)) {
        // decoded at once, so read whole, in pieces up to the limit
        QByteArray bytes;
        bytes.reserve(qsizetype(qBound<qint64>(0, file.size(), limit)));
        char piece[65536];
        while (bytes.size() < limit) {
            const qint64 got = file.read(piece, qMin<qint64>(sizeof piece, limit - bytes.size()));
            if (got < 0)
                return false;
            if (got == 0)
                break;
            bytes.append(piece, qsizetype(got));
        }
        const qint64 size = bytes.size();
        if (FileStamp::of(file.handle()) != before)
            return false;
        *out = prepareSubtitleText(std::move(bytes));
        out->fileSize = size;
        out->stamp = before;
        return true;
    }
    DecodedText d = textToWalk(head, n);
    file.skip(d.bytesFrom);
    ByteLines lines(&file, limit - d.bytesFrom, false);
    survey(lines, d);
    if (lines.failed() || FileStamp::of(file.handle()) != before)
        return false;
    d.path = file.fileName();
    d.fileSize = d.bytesFrom + lines.bytesRead();
    d.stamp = before;
    *out = std::move(d);
    return true;
}

DecodedText decodeSubtitleBytes(const QByteArray &bytes)
{
    DecodedText d = prepareSubtitleText(bytes);
    if (d.lazy) {
        const char *p = d.bytes.constData() + d.bytesFrom;
        const qsizetype n = d.bytes.size() - d.bytesFrom;
        d.text = d.encoding == FileEncoding::Cp1250
                     ? decodeCp1250(p, n)
                     : decodeWith(QStringConverter::Utf8, QByteArrayView(p, n), nullptr);
        d.lazy = false;
        d.bytes.clear();
        d.bytesFrom = 0;
    }
    return d;
}

namespace {

template <typename Unit>
size_t countLines(const Unit *p, qsizetype n)
{
    size_t count = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i] == Unit('\n'))
            ++count;
        else if (p[i] == Unit('\r') && (i + 1 >= n || p[i + 1] != Unit('\n')))
            ++count;
    }
    if (n > 0 && p[n - 1] != Unit('\n') && p[n - 1] != Unit('\r'))
        ++count;
    return count;
}

// Finds the end of the line beginning at pos and where the next one begins.
template <typename Unit>
qsizetype lineEnd(const Unit *p, qsizetype pos, qsizetype n, qsizetype *nextStart)
{
    qsizetype i = pos;
    while (i < n && p[i] != Unit('\n') && p[i] != Unit('\r'))
        ++i;
    qsizetype next = i;
    if (i < n) {
        if (p[i] == Unit('\r') && i + 1 < n && p[i + 1] == Unit('\n'))
            ++next;
        ++next;
    }
    *nextStart = next;
    return i;
}

}  // namespace

LineCursor::LineCursor(const QString &text) : chars_(text.constData()), end_(text.size())
{
    count_ = countLines(reinterpret_cast<const char16_t *>(chars_), end_);
}

LineCursor::LineCursor(const DecodedText &text) : encoding_(text.encoding)
{
    if (!text.lazy) {
        chars_ = text.text.constData();
        end_ = text.text.size();
        count_ = countLines(reinterpret_cast<const char16_t *>(chars_), end_);
        return;
    }
    count_ = text.lineCount;
    if (!text.streamed()) {
        bytes_ = ByteLines(text.bytes.constData() + text.bytesFrom,
                           text.bytes.size() - text.bytesFrom);
        return;
    }
    file_ = std::make_unique<QFile>(text.path);
    stamp_ = text.stamp;
    // the name may lead to another file now, or the file may have changed
    if (!file_->open(QIODevice::ReadOnly | QIODevice::Unbuffered)
        || FileStamp::of(file_->handle()) != stamp_ || !file_->seek(text.bytesFrom)) {
        failed_ = true;
        return;
    }
    // the bytes surveyed, all of them and no more
    bytes_ = ByteLines(file_.get(), text.fileSize - text.bytesFrom, true);
}

bool LineCursor::failed() const
{
    if (failed_ || bytes_.failed())
        return true;
    // changed while this pass read it
    return file_ && FileStamp::of(file_->handle()) != stamp_;
}

QStringView LineCursor::next()
{
    if (chars_) {
        qsizetype nextStart = pos_;
        const char16_t *p = reinterpret_cast<const char16_t *>(chars_);
        const qsizetype end = lineEnd(p, pos_, end_, &nextStart);
        const QStringView line(chars_ + pos_, end - pos_);
        pos_ = nextStart;
        return line;
    }
    return decodeLine(bytes_.next());
}

QStringView LineCursor::decodeLine(QByteArrayView bytes)
{
    const char *data = bytes.data();
    const qsizetype size = bytes.size();
    QString &buffer = ring_[ringNext_];
    ringNext_ = (ringNext_ + 1) % int(std::size(ring_));
    // never more UTF-16 units than bytes, in either encoding
    if (buffer.size() < size)
        buffer.resize(size);
    QChar *out = buffer.data();
    // the table maps ASCII to itself, as UTF-8 does
    if (encoding_ == FileEncoding::Cp1250 || allAscii(data, size)) {
        decodeCp1250Into(data, size, out, cp1250Table());
        return QStringView(out, size);
    }
    // The whole line, as the decoder takes a byte-order mark at its
    // beginning otherwise than inside.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QChar *written = decoder.appendToBuffer(out, QByteArrayView(data, size));
    return QStringView(out, written - out);
}

std::vector<QStringView> splitLines(const QString &text)
{
    LineCursor cursor(text);
    std::vector<QStringView> lines;
    lines.reserve(cursor.count());
    while (!cursor.atEnd())
        lines.push_back(cursor.next());
    return lines;
}
