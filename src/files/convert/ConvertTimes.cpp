#include "files/convert/ConvertLayout.h"

#include <QDate>

#include "files/TextEncoding.h"

namespace {

int digit(QStringView c, int i)
{
    return c[i].unicode() - u'0';
}

int two(QStringView c, int i)
{
    return digit(c, i) * 10 + digit(c, i + 1);
}

char16_t *put2(char16_t *o, int v)
{
    *o++ = char16_t(u'0' + v / 10 % 10);
    *o++ = char16_t(u'0' + v % 10);
    return o;
}

// v in decimal with at least minDigits digits.
char16_t *putNumber(char16_t *o, qint64 v, int minDigits = 1)
{
    char16_t buf[24];
    int n = 0;
    do {
        buf[n++] = char16_t(u'0' + v % 10);
        v /= 10;
    } while (v > 0);
    while (n < minDigits)
        buf[n++] = u'0';
    while (n > 0)
        *o++ = buf[--n];
    return o;
}

// HH:MM:SS or H:MM:SS with the separator sep.
char16_t *putClock(char16_t *o, QStringView c, bool shortHour, char16_t sep = u':')
{
    if (!shortHour)
        *o++ = c[0].unicode();
    *o++ = c[1].unicode();
    *o++ = sep;
    *o++ = c[3].unicode();
    *o++ = c[4].unicode();
    *o++ = sep;
    *o++ = c[6].unicode();
    *o++ = c[7].unicode();
    return o;
}

char16_t *putFraction(char16_t *o, QStringView c, char16_t sep, int digits)
{
    *o++ = sep;
    for (int i = 0; i < digits; ++i)
        *o++ = c[9 + i].unicode();
    return o;
}

qint64 totalSeconds(QStringView c)
{
    return qint64(two(c, 0)) * 3600 + two(c, 3) * 60 + two(c, 6);
}

}  // namespace

int renderTime(TimeRendering r, QStringView c, char16_t *out)
{
    char16_t *o = out;
    switch (r) {
    case TimeRendering::Clock:
        o = putClock(o, c, false);
        break;
    case TimeRendering::ShortClock:
        o = putClock(o, c, true);
        break;
    case TimeRendering::ColonHundredths:
        o = putFraction(putClock(o, c, false), c, u':', 2);
        break;
    case TimeRendering::DotHundredths:
        o = putFraction(putClock(o, c, false), c, u'.', 2);
        break;
    case TimeRendering::ShortDotHundredths:
        o = putFraction(putClock(o, c, true), c, u'.', 2);
        break;
    case TimeRendering::DotTenths:
        o = putFraction(putClock(o, c, false), c, u'.', 1);
        break;
    case TimeRendering::ShortDotTenths:
        o = putFraction(putClock(o, c, true), c, u'.', 1);
        break;
    case TimeRendering::PalFrames:
    case TimeRendering::PalFramesSemicolon: {
        const char16_t sep = r == TimeRendering::PalFrames ? u':' : u';';
        o = putClock(o, c, false, sep);
        *o++ = sep;
        const int ms = digit(c, 9) * 100 + two(c, 10);
        o = put2(o, ms / 40);
        break;
    }
    case TimeRendering::Packed:
        for (int i : {1, 3, 4, 6, 7, 9, 10, 11})
            *o++ = c[i].unicode();
        break;
    case TimeRendering::Full:
        for (int i = 0; i < 12; ++i)
            *o++ = c[i].unicode();
        break;
    case TimeRendering::Milliseconds:
        o = putNumber(o, totalSeconds(c) * 1000 + digit(c, 9) * 100 + two(c, 10));
        break;
    case TimeRendering::Centiseconds:
        o = putNumber(o, totalSeconds(c) * 100 + two(c, 9));
        break;
    case TimeRendering::Deciseconds:
        o = putNumber(o, totalSeconds(c) * 10 + digit(c, 9));
        break;
    case TimeRendering::MinutesSeconds:
        o = putNumber(o, qint64(two(c, 0)) * 60 + two(c, 3), 2);
        *o++ = u':';
        *o++ = c[6].unicode();
        *o++ = c[7].unicode();
        o = putFraction(o, c, u'.', 2);
        break;
    case TimeRendering::SecondsHundredths:
        o = putNumber(o, totalSeconds(c), 2);
        o = putFraction(o, c, u' ', 2);
        break;
    }
    return int(o - out);
}

void treatTags(TagTreatment t, QStringView text, QString &out)
{
    out = text.toString();
    if (t == TagTreatment::Kept || !text.contains(u'<'))
        return;
    switch (t) {
    case TagTreatment::Kept:
        return;
    case TagTreatment::ClosingRemoved:
        for (const char *tag : {"</i>", "</b>", "</u>"})
            out.remove(QLatin1StringView(tag));
        return;
    case TagTreatment::SsaCodes:
    case TagTreatment::SsaCodesNoUnderline: {
        const bool underline = t == TagTreatment::SsaCodes;
        using L = QLatin1StringView;
        out.replace(L("<i>"), L("{\\i1}")).replace(L("</i>"), L("{\\i0}"));
        out.replace(L("<b>"), L("{\\b1}")).replace(L("</b>"), L("{\\b0}"));
        out.replace(L("<u>"), L(underline ? "{\\u1}" : ""));
        out.replace(L("</u>"), L(underline ? "{\\u0}" : ""));
        return;
    }
    case TagTreatment::Removed:
        // a removal can join a tag out of what was around it: again until none
        for (;;) {
            const qsizetype before = out.size();
            for (const char *tag : {"<i>", "</i>", "<b>", "</b>", "<u>", "</u>"})
                out.remove(QLatin1StringView(tag));
            if (out.size() == before)
                return;
        }
    }
}

void ConvertOut::text(QStringView s)
{
    file_.append(s);
}

void ConvertOut::number(qint64 n)
{
    char16_t buf[24];
    const int len = int(putNumber(buf, n < 0 ? 0 : n) - buf);
    file_.append(QStringView(buf, len));
}

void ConvertOut::endLine()
{
    file_.append(layout_.lineFeedOnly ? QLatin1StringView("\n") : QLatin1StringView("\r\n"));
}

void ConvertOut::put(QStringView t, const ConvertLine *line)
{
    qsizetype literal = 0;  // start of the pending literal run
    auto flush = [&](qsizetype to) {
        if (to > literal)
            file_.append(t.mid(literal, to - literal));
    };
    for (qsizetype i = 0; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (c == u'\n') {
            flush(i);
            endLine();
            literal = i + 1;
            continue;
        }
        if (c != u'%' || i + 1 == t.size())
            continue;
        flush(i);
        const char16_t code = t[++i].unicode();
        literal = i + 1;
        switch (code) {
        case u'%':
            file_.append(QLatin1StringView("%"));
            break;
        case u'z':
            file_.append(QStringView(u"\0", 1));
            break;
        case u'D':
            file_.append(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
            break;
        default:
            if (!line)
                break;
            switch (code) {
            case u'S': file_.append(line->start); break;
            case u'E': file_.append(line->end); break;
            case u'1': if (line->count > 0) file_.append(line->lines[0]); break;
            case u'n': number(line->number); break;
            case u'W':
                for (qsizetype k = 0; k < line->whole.size(); ++k) {
                    const qsizetype bar = line->whole.indexOf(u'|', k);
                    const qsizetype to = bar < 0 ? line->whole.size() : bar;
                    file_.append(line->whole.mid(k, to - k));
                    if (bar < 0)
                        break;
                    file_.append(QLatin1StringView(" "));
                    k = bar;
                }
                break;
            case u'0': number(line->number - 1); break;
            case u'4': {
                char16_t buf[24];
                const int len = int(putNumber(buf, line->number, 4) - buf);
                file_.append(QStringView(buf, len));
                break;
            }
            case u'J':
            case u'R':
                for (int k = 0; k < line->count; ++k) {
                    if (k > 0 && code == u'J')
                        file_.append(layout_.join);
                    file_.append(line->lines[k]);
                }
                break;
            case u'L':
            case u'T':
                for (int k = code == u'T' ? 1 : 0; k < line->count; ++k) {
                    file_.append(line->lines[k]);
                    endLine();
                }
                break;
            }
        }
    }
    flush(t.size());
}
