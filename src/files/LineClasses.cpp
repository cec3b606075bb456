#include "files/LineClasses.h"

#include <algorithm>

#include "document/VectorPaths.h"

namespace {

bool charIs(QStringView s, qsizetype index, char16_t c)
{
    return index < s.size() && s[index].unicode() == c;
}

bool isDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

bool isMsSeparator(QStringView s, qsizetype index, bool acceptDot)
{
    if (index >= s.size())
        return false;
    const char16_t c = s[index].unicode();
    return c == u',' || c == u':' || (acceptDot && c == u'.');
}

// Characters [from, from + count) of s, as many as exist.
QStringView part(QStringView s, qsizetype from, qsizetype count)
{
    if (from >= s.size())
        return {};
    return s.mid(from, qMin(count, s.size() - from));
}

// The time at `at` with its separators made ":" and ",": in place on the
// stack when the line holds it whole, pieced together from what there is
// otherwise.
TimeText rebuildTime(QStringView line, qsizetype at)
{
    if (at + 12 <= line.size())
        return TimeText::timeCodeAt(line.data() + at);
    QString t;
    t += part(line, at, 2);
    t += u':';
    t += part(line, at + 3, 2);
    t += u':';
    t += part(line, at + 6, 2);
    t += u',';
    t += part(line, at + 9, 3);
    return t;
}

// Whether the space run [from, to) of text goes away entirely.
bool runDropped(QStringView text, qsizetype from, qsizetype to)
{
    const bool afterBar = from > 0 && text[from - 1].unicode() == u'|';
    const bool beforeMark =
        to < text.size() && (text[to].unicode() == u',' || text[to].unicode() == u'|');
    return afterBar || beforeMark;
}

}  // namespace

bool isNumberLine(QStringView line)
{
    if (line.isEmpty())
        return false;
    for (QChar c : line)
        if (!isDigit(c))
            return false;
    return true;
}

bool isTimeLine(QStringView line, bool acceptDot)
{
    return charIs(line, 2, u':') && charIs(line, 5, u':') && isMsSeparator(line, 8, acceptDot)
           && charIs(line, 13, u'-') && charIs(line, 14, u'-') && charIs(line, 15, u'>')
           && charIs(line, 19, u':') && charIs(line, 22, u':')
           && isMsSeparator(line, 25, acceptDot);
}

bool hasDottedShape(QStringView line)
{
    return charIs(line, 2, u':') && charIs(line, 5, u':') && charIs(line, 8, u'.')
           && charIs(line, 11, u',') && charIs(line, 14, u':') && charIs(line, 17, u':')
           && charIs(line, 20, u'.');
}

QString timeLineStart(QStringView line)
{
    return rebuildTime(line, 0).toString();
}

QString timeLineEnd(QStringView line)
{
    return rebuildTime(line, 17).toString();
}

void timeLineTimes(QStringView line, TimeText &start, TimeText &end)
{
    start = rebuildTime(line, 0);
    end = rebuildTime(line, 17);
}

// A run of spaces changes when it is longer than one, or stands after a
// "|" or before a "," or "|": a space's neighbours tell.
bool needsCleaning(QStringView text)
{
    // A change needs a space with a space, "," or "|" after it, or a "|"
    // with a space after it: each unit is looked at with its successor.
    const char16_t *p = text.utf16();
    const qsizetype n = text.size();
    qsizetype i = 0;
#ifdef __SSE2__
    if (vectorPaths()) {
        const __m128i space = _mm_set1_epi16(u' ');
        const __m128i comma = _mm_set1_epi16(u',');
        const __m128i bar = _mm_set1_epi16(u'|');
        for (; i + 9 <= n; i += 8) {
            const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + i));
            const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + i + 1));
            const __m128i nextSpace = _mm_cmpeq_epi16(next, space);
            const __m128i spaceBefore = _mm_and_si128(
                _mm_cmpeq_epi16(here, space),
                _mm_or_si128(nextSpace,
                             _mm_or_si128(_mm_cmpeq_epi16(next, comma), _mm_cmpeq_epi16(next, bar))));
            const __m128i barBefore = _mm_and_si128(_mm_cmpeq_epi16(here, bar), nextSpace);
            if (_mm_movemask_epi8(_mm_or_si128(spaceBefore, barBefore)) != 0)
                return true;
        }
    }
#endif
    for (; i < n; ++i) {
        if (p[i] != u' ')
            continue;
        if (i > 0 && p[i - 1] == u'|')
            return true;
        if (i + 1 < n && (p[i + 1] == u' ' || p[i + 1] == u',' || p[i + 1] == u'|'))
            return true;
    }
    return false;
}

qsizetype cleanedLength(QStringView text)
{
    qsizetype length = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n;) {
        if (text[i].unicode() != u' ') {
            ++length;
            ++i;
            continue;
        }
        qsizetype j = i;
        while (j < n && text[j].unicode() == u' ')
            ++j;
        if (!runDropped(text, i, j))
            ++length;
        i = j;
    }
    return length;
}

// The repeated one-space deletions only ever remove spaces, and whether a
// run of spaces survives depends only on its two neighbours, so one pass
// over the runs gives the same text.
QString cleanText(const QString &text)
{
    if (cleanedLength(text) == text.size())
        return text;
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n;) {
        if (text[i].unicode() != u' ') {
            out += text[i];
            ++i;
            continue;
        }
        qsizetype j = i;
        while (j < n && text[j].unicode() == u' ')
            ++j;
        if (!runDropped(text, i, j))
            out += u' ';
        i = j;
    }
    return out;
}
