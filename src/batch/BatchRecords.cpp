#include "batch/BatchRecords.h"

#include <cstring>

#include "document/VectorPaths.h"
#include "editor/EditorModel.h"

namespace {

constexpr qsizetype chunk = 1 << 20;

// Writes the character at p[i] as UTF-8, a TAB or backslash escaped, and
// moves i past it.
inline __attribute__((always_inline)) char *putUnit(const char16_t *p, qsizetype n, qsizetype &i,
                                                    char *out)
{
    char32_t c = p[i++];
    if (c < 0x80) {
        if (c == u'\t') {
            *out++ = '\\';
            *out++ = 't';
        } else if (c == u'\\') {
            *out++ = '\\';
            *out++ = '\\';
        } else {
            *out++ = char(c);
        }
        return out;
    }
    // a pair is one character of four bytes; a lone half cannot be
    // written as UTF-8 and becomes U+FFFD
    if (c >= 0xD800 && c < 0xDC00 && i < n && p[i] >= 0xDC00 && p[i] < 0xE000)
        c = 0x10000 + ((c - 0xD800) << 10) + (p[i++] - 0xDC00);
    else if (c >= 0xD800 && c < 0xE000)
        c = 0xFFFD;
    if (c < 0x800) {
        *out++ = char(0xC0 | (c >> 6));
    } else {
        if (c < 0x10000) {
            *out++ = char(0xE0 | (c >> 12));
        } else {
            *out++ = char(0xF0 | (c >> 18));
            *out++ = char(0x80 | ((c >> 12) & 0x3F));
        }
        *out++ = char(0x80 | ((c >> 6) & 0x3F));
    }
    *out++ = char(0x80 | (c & 0x3F));
    return out;
}

}  // namespace

RecordWriter::RecordWriter(std::FILE *file) : file_(file), buffer_(chunk + 4096, Qt::Uninitialized) {}

RecordWriter::~RecordWriter()
{
    flush();
}

char *RecordWriter::room(qsizetype bytes)
{
    if (used_ + bytes > buffer_.size()) {
        if (file_)
            flush();
        if (used_ + bytes > buffer_.size())
            buffer_.resize(qMax(used_ + bytes, buffer_.size() * 2));
    }
    return buffer_.data() + used_;
}

void RecordWriter::field(QStringView text)
{
    // room for the worst case: every unit three bytes or an escape
    char *out = room(text.size() * 3 + 1);
    if (!recordStart_)
        *out++ = '\t';
    recordStart_ = false;
    const char16_t *p = text.utf16();
    const qsizetype n = text.size();
    qsizetype i = 0;
#ifdef __SSE2__
    if (vectorPaths()) {
        // Eight units at a time while they are plain ASCII: no escape, one
        // byte each.
        const __m128i high = _mm_set1_epi16(short(0xFF80));
        const __m128i tab = _mm_set1_epi16(u'\t');
        const __m128i backslash = _mm_set1_epi16(u'\\');
        const __m128i zero = _mm_setzero_si128();
        const __m128i below0800 = _mm_set1_epi16(short(0xF800));
        while (i + 8 <= n) {
            const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + i));
            const __m128i special = _mm_or_si128(
                _mm_or_si128(_mm_cmpeq_epi16(units, tab), _mm_cmpeq_epi16(units, backslash)),
                _mm_xor_si128(_mm_cmpeq_epi16(_mm_and_si128(units, high), zero),
                              _mm_set1_epi16(-1)));
            const int mask = _mm_movemask_epi8(special);
            if (mask != 0 && _mm_movemask_epi8(_mm_andnot_si128(
                                 _mm_or_si128(_mm_cmpeq_epi16(units, tab),
                                              _mm_cmpeq_epi16(units, backslash)),
                                 _mm_cmpeq_epi16(_mm_and_si128(units, below0800), zero)))
                                 == 0xFFFF) {
                // Accented letters among plain ones, nothing to escape: one or
                // two bytes a unit, written without a branch (the second byte
                // of a plain unit is overwritten by the next one).
                for (int k = 0; k < 8; ++k) {
                    const unsigned c = p[i + k];
                    const bool wide = c >= 0x80;
                    out[0] = char(wide ? 0xC0 | (c >> 6) : c);
                    out[1] = char(0x80 | (c & 0x3F));
                    out += 1 + int(wide);
                }
                i += 8;
                continue;
            }
            // the plain units before the first special one go as they are (the
            // store may write past them, into room reserved for this text)
            _mm_storel_epi64(reinterpret_cast<__m128i *>(out), _mm_packus_epi16(units, units));
            if (mask != 0) {
                const int plain = __builtin_ctz(unsigned(mask)) / 2;
                out += plain;
                i += plain;
                out = putUnit(p, n, i, out);
                continue;
            }
            out += 8;
            i += 8;
        }
    }
#endif
    while (i < n)
        out = putUnit(p, n, i, out);
    used_ = out - buffer_.data();
}


// Written by hand: a formatted print per row costs more than the row.
void RecordWriter::number(int value)
{
    char digits[16];
    char *end = digits + sizeof digits;
    char *at = end;
    // unsigned, so that the smallest int has its digits too
    unsigned int v = value < 0 ? 0u - unsigned(value) : unsigned(value);
    do {
        *--at = char('0' + v % 10);
        v /= 10;
    } while (v != 0);
    if (value < 0)
        *--at = '-';
    if (!recordStart_)
        *--at = '\t';
    const qsizetype n = end - at;
    std::memcpy(room(n), at, size_t(n));
    used_ += n;
    recordStart_ = false;
}

void RecordWriter::endRecord()
{
    *room(1) = '\n';
    ++used_;
    recordStart_ = true;
    if (file_ && used_ >= chunk)
        flush();
}

void RecordWriter::record(const QStringList &fields)
{
    for (const QString &f : fields)
        field(f);
    endRecord();
}

void RecordWriter::flush()
{
    if (!file_)
        return;
    if (used_ > 0 && std::fwrite(buffer_.constData(), 1, size_t(used_), file_) != size_t(used_))
        failed_ = true;
    used_ = 0;
    if (std::fflush(file_) != 0)
        failed_ = true;
}

void BatchOutput::print(const EditorModel &model, RecordWriter &out) const
{
    if (hasType_)
        out.record({QStringLiteral("type"), type_});
    if (rows_) {
        const SubtitleTable &cds = model.cds;
        const QString rowKind = QStringLiteral("row");
        for (int i = 0; i < cds.recordCount(); ++i) {
            const SubtitleRow &r = cds.rowAt(i);
            out.field(rowKind);
            out.number(i + 1);
            out.field(r.kezdes.chars());
            out.field(r.befejezes.chars());
            out.field(r.szoveg);
            out.field(r.szoveg2.text());
            out.endRecord();
        }
    }
    if (log_) {
        const QString logKind = QStringLiteral("log");
        QString line;
        for (int i = 0; i < model.log.size(); ++i) {
            model.log.lineInto(i, line);
            out.field(logKind);
            out.field(line);
            out.endRecord();
        }
    }
    for (const QStringList &m : messages_)
        out.record(m);
    out.flush();
}
