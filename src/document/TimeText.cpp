#include "document/TimeText.h"

namespace {

constexpr qsizetype maxPacked = 12;

// The four-bit code of c, or -1 when it has none.
int codeOf(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    switch (c) {
    case u':': return 10;
    case u',': return 11;
    case u'.': return 12;
    case u'-': return 13;
    case u' ': return 14;
    case u';': return 15;
    default: return -1;
    }
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

TimeText &TimeText::operator=(const TimeText &other)
{
    if (this != &other)
        *this = TimeText(other);
    return *this;
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
