#include "document/TimeText.h"

#include <array>

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
