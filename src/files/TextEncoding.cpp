#include "files/TextEncoding.h"

#include <QStringDecoder>
#include <array>
#include <cstdint>
#include <cstring>
#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {

// Byte for each UTF-16 unit of code page 1250; 0 marks "no place" (NUL
// itself is handled apart).
struct Cp1250Table {
    std::array<unsigned char, 0x10000> byteFor{};
    Cp1250Table()
    {
        QByteArray all(256, Qt::Uninitialized);
        for (int i = 0; i < 256; ++i)
            all[i] = char(i);
        QStringDecoder decoder("windows-1250");
        const QString chars = decoder.decode(all);
        if (chars.size() == 256) {
            for (int i = 1; i < 256; ++i)
                if (chars[i] != QChar::ReplacementCharacter)
                    byteFor[chars[i].unicode()] = static_cast<unsigned char>(i);
        } else {
            // Without the codec at least ASCII stays exact.
            for (int i = 1; i < 128; ++i)
                byteFor[i] = static_cast<unsigned char>(i);
        }
    }
};

const Cp1250Table &cp1250()
{
    static const Cp1250Table table;
    return table;
}

// Encodes into out (room for text.size() bytes); nullptr when a character
// has no place in the code page.
char *encodeCp1250Into(const unsigned char *byteFor, QStringView text, char *out)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const unsigned char b = byteFor[u];
        if (b == 0 && u != 0)
            return nullptr;
        *out++ = char(b);
    }
    return out;
}

const char utf8Bom[] = "\xEF\xBB\xBF";

// A big file's buffer is fresh memory; taking it in huge pages spares a
// page fault for every 4 KiB written.
void preferHugePages(QByteArray &buffer)
{
#ifdef __linux__
    constexpr std::uintptr_t huge = std::uintptr_t(2) << 20;
    if (buffer.size() < qsizetype(4 * huge))
        return;
    const auto start = reinterpret_cast<std::uintptr_t>(buffer.data());
    const std::uintptr_t from = (start + huge - 1) & ~(huge - 1);
    const std::uintptr_t to = (start + std::uintptr_t(buffer.size())) & ~(huge - 1);
    if (to > from)
        (void)madvise(reinterpret_cast<void *>(from), to - from, MADV_HUGEPAGE);
#else
    Q_UNUSED(buffer);
#endif
}

}  // namespace

EncodedFile::EncodedFile(FileEncoding encoding, qsizetype expectedChars)
    : cp1250_(encoding != FileEncoding::Utf8 && encoding != FileEncoding::Utf8Bom),
      byteFor_(cp1250().byteFor.data())
{
    out_.resize(cp1250_ ? expectedChars : expectedChars + expectedChars / 2 + 3);
    preferHugePages(out_);
    data_ = out_.data();
    if (encoding == FileEncoding::Utf8Bom)
        append(QLatin1StringView(utf8Bom));
}

void EncodedFile::grow(qsizetype bytes)
{
    out_.resize(qMax(out_.size() * 2, bytes));
    preferHugePages(out_);
    data_ = out_.data();
}

void EncodedFile::append(QStringView text)
{
    if (!fits_)
        return;
    if (cp1250_) {
        char *at = room(text.size());
        char *end = encodeCp1250Into(byteFor_, text, at);
        if (!end && replaceMissing_) {
            end = at;
            for (const QChar c : text) {
                const unsigned char b = byteFor_[c.unicode()];
                if (b == 0 && c.unicode() != 0)
                    ++replaced_;
                *end++ = b == 0 && c.unicode() != 0 ? '?' : char(b);
            }
        }
        if (!end) {
            fits_ = false;
            return;
        }
        length_ = end - data_;
    } else {
        char *end = utf8_.appendToBuffer(room(utf8_.requiredSpace(text.size())), text);
        length_ = end - data_;
    }
}

void EncodedFile::appendNumber(int number)
{
    if (!fits_)
        return;
    char digits[12];
    char *d = digits + sizeof digits;
    unsigned v = number < 0 ? 0u - unsigned(number) : unsigned(number);
    do {
        *--d = char('0' + v % 10);
        v /= 10;
    } while (v != 0);
    if (number < 0)
        *--d = '-';
    const qsizetype n = digits + sizeof digits - d;
    std::memcpy(room(n), d, size_t(n));
    length_ += n;
}

void EncodedFile::appendBraced(QStringView start, QStringView end, QStringView text)
{
    append(QLatin1StringView("{"));
    append(start);
    append(QLatin1StringView("}{"));
    append(end);
    append(QLatin1StringView("}"));
    append(text);
}

void EncodedFile::appendLines(QStringView text, QLatin1StringView lineEnd)
{
    if (!fits_)
        return;
    if (!cp1250_) {
        qsizetype from = 0;
        for (qsizetype bar; (bar = text.indexOf(u'|', from)) >= 0; from = bar + 1) {
            append(text.mid(from, bar - from));
            append(lineEnd);
        }
        append(text.mid(from));
        return;
    }
    // one pass: each character through the table, a bar as the line end
    const unsigned char *byteFor = byteFor_;
    char *out = room(text.size() * qMax<qsizetype>(1, lineEnd.size()));
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'|') {
            std::memcpy(out, lineEnd.data(), size_t(lineEnd.size()));
            out += lineEnd.size();
            continue;
        }
        const unsigned char b = byteFor[u];
        if (b == 0 && u != 0) {
            fits_ = false;
            return;
        }
        *out++ = char(b);
    }
    length_ = out - data_;
}

void EncodedFile::append(QLatin1StringView ascii)
{
    if (!fits_)
        return;
    // short pieces: a plain loop beats a call to memcpy
    char *out = room(ascii.size());
    for (const char c : ascii)
        *out++ = c;
    length_ += ascii.size();
}

QByteArray EncodedFile::take()
{
    out_.truncate(length_);
    length_ = 0;
    data_ = nullptr;
    return std::move(out_);
}
