#include "document/TimeCode.h"

#include "document/TimeBaseValues.h"
#include "document/Decimal.h"

namespace {

int digitAt(QStringView s, int pos)
{
    if (pos >= s.size())
        return 0;
    const QChar c = s[pos];
    return (c >= u'0' && c <= u'9') ? c.unicode() - '0' : 0;
}

// A time's digits taken out in one go.
struct Digits {
    quint64 nibbles;
    bool isEmpty() const { return false; }  // an empty time's digits give 0 all the same
};

int digitAt(const Digits &d, int pos)
{
    return pos < 12 ? int((d.nibbles >> (4 * pos)) & 15) : 0;
}

template <typename Code>
int twoDigits(const Code &s, int pos)
{
    return digitAt(s, pos) * 10 + digitAt(s, pos + 1);
}

QString twoDigitText(qint64 v)
{
    return v < 10 ? QStringLiteral("0") + QString::number(v) : QString::number(v);
}

ValueCheck failed(const QString &first, const QString &second)
{
    return {false, first, second};
}

// A frame value that begins with "0" and is longer than one character.
bool badFrame(QStringView v)
{
    return v.size() > 1 && v[0] == u'0';
}

}  // namespace

bool hasTimeCodeShape(QStringView t)
{
    if (t.size() != 12 || t[2] != u':' || t[5] != u':' || t[8] != u',')
        return false;
    for (int i : {0, 1, 3, 4, 6, 7, 9, 10, 11})
        if (t[i] < u'0' || t[i] > u'9')
            return false;
    return true;
}

// The zero time code needs no test of its own: its digits give 0.
namespace {

// The arithmetic of a time code over any source of its digits (a digit's
// value, 0 for anything else or past the end).
template <typename Code>
qint64 msOf(const Code &code)
{
    return qint64(twoDigits(code, 0)) * 3600000 + twoDigits(code, 3) * 60000
           + twoDigits(code, 6) * 1000
           + digitAt(code, 9) * 100 + digitAt(code, 10) * 10 + digitAt(code, 11);
}

template <typename Code>
long double secondsOf(const Code &code)
{
    if (code.isEmpty())
        return 0;
    const long double whole = twoDigits(code, 0) * 3600.0L + twoDigits(code, 3) * 60.0L
                              + twoDigits(code, 6);
    const int ms = digitAt(code, 9) * 100 + digitAt(code, 10) * 10 + digitAt(code, 11);
    return whole + ms / 1000.0L;
}

}  // namespace

qint64 timeCodeToMs(QStringView code)
{
    return msOf(code);
}

qint64 timeCodeToMs(const TimeText &code)
{
    return msOf(Digits{code.digits()});
}

long double timeCodeToSeconds(QStringView code)
{
    return secondsOf(code);
}

long double timeCodeToSeconds(const TimeText &code)
{
    return secondsOf(Digits{code.digits()});
}

// Hours, minutes, seconds and milliseconds all come from one decimal text of
// the value (15 significant digits), so a value a hair below a whole second
// in binary gives that whole second; the milliseconds are truncated.
QString secondsToTimeCode(long double seconds)
{
    if (!(seconds > 0))
        return zeroTimeCode;
    const QString text = formatDecimal(seconds, 15);
    const qsizetype comma = text.indexOf(u',');
    const qint64 whole = (comma < 0 ? text : text.left(comma)).toLongLong();
    const QString fraction = comma < 0 ? QString() : text.mid(comma + 1);
    const QString ms = (fraction + QStringLiteral("000")).left(3);
    const qint64 h = whole / 3600;
    const qint64 m = whole % 3600 / 60;
    const qint64 s = whole % 60;
    return twoDigitText(h) + u':' + twoDigitText(m) + u':' + twoDigitText(s) + u',' + ms;
}

QString timeCodeToFrame(QStringView code, QStringView fpsText)
{
    if (code.isEmpty() || code == zeroTimeCode)
        return QStringLiteral("0");
    // Truncated from the decimal text: 4,2 s at 15 fps is 62,999… in binary
    // but frame 63.
    const QString frames = formatDecimal(fpsValue(fpsText) * timeCodeToSeconds(code), 15);
    const qsizetype comma = frames.indexOf(u',');
    return comma < 0 ? frames : frames.left(comma);
}

QString frameToTimeCode(long double frame, QStringView fpsText)
{
    const long double rate = fpsValue(fpsText);
    if (rate <= 0)
        return zeroTimeCode;
    return secondsToTimeCode(frame / rate);
}

QString clampedMsToTimeCode(qint64 ms)
{
    if (ms < 0)
        return zeroTimeCode;
    if (ms > dayMs)
        return QStringLiteral("24:00:00,000");
    return secondsToTimeCode(ms / 1000.0L);
}

QString movedMsToTimeCode(qint64 ms, qint64 fromMs)
{
    if (ms > dayMs && fromMs > dayMs)
        return secondsToTimeCode(qMin(ms, largestTimeMs) / 1000.0L);
    return clampedMsToTimeCode(ms);
}

ValueCheck typedTimeCheck(QStringView t)
{
    const QString tooBig = QStringLiteral("Túl nagy időt ütött be!");
    if (!hasTimeCodeShape(t))
        return failed(QStringLiteral("Hiba az /egyik/ intervallumban!"),
                      QStringLiteral("Helyes megadás pl: 01:10:34,567"));
    if (twoDigits(t, 0) > 23)
        return failed(tooBig, QStringLiteral("Az óra kisebb legyen mint 24!"));
    if (twoDigits(t, 3) > 59)
        return failed(tooBig, QStringLiteral("A perc időintervalluma: 0-59!"));
    if (twoDigits(t, 6) > 59)
        return failed(tooBig, QStringLiteral("A másodperc időintervalluma: 0-59!"));
    return {};
}

ValueCheck timePairCheck(QStringView a, QStringView b)
{
    if (hasTimeCodeShape(a) && hasTimeCodeShape(b))
        return {};
    return failed(QStringLiteral("Hiba az egyik intervallumban!"),
                  QStringLiteral("Helyes megadás pl: 01:10:34,567"));
}

ValueCheck framePairCheck(QStringView start, QStringView end)
{
    const QString typeNumber = QStringLiteral("Üss be egy számot!");
    const QString noZero = QStringLiteral("0-val nem kezdődhet az érték!");
    if (start.isEmpty() && end.isEmpty())
        return failed(QStringLiteral("Hiba mindkét intervallumban! Nem ütött be semmit!"),
                      typeNumber);
    if (start.isEmpty())
        return failed(QStringLiteral("Hiba az első értékben! Nem ütött be semmit!"), typeNumber);
    if (end.isEmpty())
        return failed(QStringLiteral("Hiba a második értékben! Nem ütött be semmit!"), typeNumber);
    if (badFrame(start) && badFrame(end))
        return failed(QStringLiteral("Hiba mindkét értékben!"), noZero);
    if (badFrame(start))
        return failed(QStringLiteral("Hiba az első értékben!"), noZero);
    if (badFrame(end))
        return failed(QStringLiteral("Hiba a második értékben!"), noZero);
    return {};
}

ValueCheck frameValueCheck(QStringView text)
{
    if (text.isEmpty())
        return failed(QStringLiteral("Hiba az értékben! Nem ütött be semmit!"),
                      QStringLiteral("Üss be egy számot!"));
    if (badFrame(text))
        return failed(QStringLiteral("Hiba az értékben!"),
                      QStringLiteral("0-val nem kezdődhet az érték!"));
    return {};
}

TimeBaseFields timeBaseFields(QStringView timeBase)
{
    if (timeBase == TimeBase::time)
        return {zeroTimeCode, 12};
    return {QStringLiteral("0"), 6};
}
