#include "document/TimeText.h"

#include <algorithm>
#include <array>

#include "document/VectorPaths.h"

namespace {

constexpr qsizetype maxPacked = 12;

// The four-bit codes of the ASCII characters that have one, -1 elsewhere.
constexpr auto asciiCodes = [] {
    std::array<signed char, 128> codes{};
    codes.fill(-1);
    for (int i = 0; i < 16; ++i)
        codes[size_t(TimeText::symbol(i))] = static_cast<signed char>(i);
    return codes;
}();

int codeOf(char16_t c)
{
    return c < 128 ? asciiCodes[c] : -1;
}

}  // namespace

bool TimeText::pack(QStringView text, quint64 &bits)
{
    if (text.size() > maxPacked)
        return false;
    quint64 out = 1 | quint64(text.size()) << lengthShift;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int code = codeOf(text[i].unicode());
        if (code < 0)
            return false;
        out |= quint64(code) << (firstCharShift + 4 * i);
    }
    bits = out;
    return true;
}

TimeText::TimeText(QStringView text)
{
    if (text.isEmpty() || pack(text, bits_))
        return;
    bits_ = quintptr(new QString(text.toString()));
}

TimeText TimeText::timeCodeAt(const QChar *p)
{
#if defined(__SSE2__) && defined(__x86_64__)
    if (vectorPaths()) {
        // The usual case, nine digits, is packed eight characters at a time.
        const __m128i zero = _mm_set1_epi16(u'0');
        const __m128i first =
            _mm_sub_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i *>(p)), zero);
        const __m128i last =
            _mm_sub_epi16(_mm_loadl_epi64(reinterpret_cast<const __m128i *>(p + 8)), zero);
        // a digit is 9 or less once "0" is taken away, as an unsigned number
        const __m128i nine = _mm_set1_epi16(9);
        const int firstDigits = _mm_movemask_epi8(
            _mm_cmpeq_epi16(_mm_subs_epu16(first, nine), _mm_setzero_si128()));
        const int lastDigits = _mm_movemask_epi8(
            _mm_cmpeq_epi16(_mm_subs_epu16(last, nine), _mm_setzero_si128()));
        // two mask bits a character: places 0, 1, 3, 4, 6, 7 and 9, 10, 11
        constexpr int firstWanted = 0xF3CF;
        constexpr int lastWanted = 0xFC;
        if ((firstDigits & firstWanted) == firstWanted && (lastDigits & lastWanted) == lastWanted) {
            // the separators' codes in their places, nothing past the twelfth
            const __m128i firstCodes =
                _mm_or_si128(_mm_and_si128(first, _mm_set_epi16(-1, -1, 0, -1, -1, 0, -1, -1)),
                             _mm_set_epi16(0, 0, 10, 0, 0, 10, 0, 0));
            const __m128i lastCodes =
                _mm_or_si128(_mm_and_si128(last, _mm_set_epi16(0, 0, 0, 0, -1, -1, -1, 0)),
                             _mm_set_epi16(0, 0, 0, 0, 0, 0, 0, 11));
            // one code a byte, then two codes a byte: the first one low
            const __m128i bytes = _mm_packus_epi16(firstCodes, lastCodes);
            const __m128i pairs =
                _mm_and_si128(_mm_or_si128(bytes, _mm_srli_epi16(bytes, 4)), _mm_set1_epi16(0xFF));
            const quint64 codes = quint64(_mm_cvtsi128_si64(_mm_packus_epi16(pairs, pairs)))
                                  & 0xFFFF'FFFF'FFFF;
            TimeText t;
            t.bits_ = 1 | quint64(12) << lengthShift | codes << firstCharShift;
            return t;
        }
    }
#endif
    QChar t[12];
    std::copy_n(p, 12, t);
    t[2] = t[5] = u':';
    t[8] = u',';
    return TimeText(QStringView(t, 12));
}

TimeText::TimeText(const TimeText &other) : bits_(other.bits_)
{
    if (!packed())
        bits_ = quintptr(new QString(*other.string()));
}

quint64 TimeText::digits() const
{
    if (!packed()) {
        quint64 out = 0;
        const QString &s = *string();
        for (qsizetype i = 0; i < qMin<qsizetype>(s.size(), 12); ++i)
            if (s[i] >= u'0' && s[i] <= u'9')
                out |= quint64(s[i].unicode() - u'0') << (4 * i);
        return out;
    }
    const int length = int((bits_ >> lengthShift) & 15);
    const quint64 places = length >= 12 ? 0xFFFF'FFFF'FFFF : (quint64(1) << (4 * length)) - 1;
    const quint64 codes = (bits_ >> firstCharShift) & places;
    // a code of 10 and more has its top bit and one of the two below it
    const quint64 ones = 0x1111'1111'1111;
    const quint64 nonDigits = (codes >> 3) & ((codes >> 2) | (codes >> 1)) & ones;
    return codes & ~(nonDigits * 15);
}

bool TimeText::hasTimeCodeShape() const
{
    // a text of the shape has a packed form, so a string never has it
    if (!packed() || ((bits_ >> lengthShift) & 15) != 12)
        return false;
    quint64 codes = bits_ >> firstCharShift;
    for (int i = 0; i < 12; ++i, codes >>= 4) {
        const int code = int(codes & 15);
        const int wanted = i == 2 || i == 5 ? 10 : i == 8 ? 11 : -1;
        if (wanted < 0 ? code > 9 : code != wanted)
            return false;
    }
    return true;
}

void TimeText::release()
{
    if (!packed())
        delete string();
    bits_ = 0;
}

qsizetype TimeText::size() const
{
    return packed() ? qsizetype((bits_ >> lengthShift) & 15) : string()->size();
}

QString TimeText::toString() const
{
    if (!bits_)
        return QString();
    if (!packed())
        return *string();
    return chars().view().toString();
}

bool operator==(const TimeText &a, const TimeText &b)
{
    // one text has one packed form, and a text kept as a string has none
    if (a.packed() || b.packed())
        return a.bits_ == b.bits_;
    return *a.string() == *b.string();
}
