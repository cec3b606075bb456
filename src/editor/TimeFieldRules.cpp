#include "editor/TimeFieldRules.h"

#include "document/TimeCode.h"

QChar filterTimeChar(QChar key)
{
    if ((key >= u'0' && key <= u'9') || key == u':' || key == u',' || key == backspaceKey)
        return key;
    return rejectedKey;
}

QChar filterTimeCharAt(QChar key, int caret)
{
    if (key == backspaceKey && (caret == 3 || caret == 6 || caret == 9))
        return rejectedKey;
    return filterTimeChar(key);
}

QChar filterFrameChar(QChar key)
{
    if ((key >= u'0' && key <= u'9') || key == backspaceKey)
        return key;
    return rejectedKey;
}

QChar filterTypedChar(QChar key, int caret, bool timeBase)
{
    return timeBase ? filterTimeCharAt(key, caret) : filterFrameChar(key);
}

QChar filterStartValueChar(QChar key, bool timeBase)
{
    return timeBase ? filterTimeChar(key) : filterFrameChar(key);
}

bool forwardDeleteBlocked(int caret)
{
    return caret == 2 || caret == 5 || caret == 8;
}

QString completeTimeText(const QString &text)
{
    return text.size() == 11 ? text + u'0' : text;
}

StartEnter startFieldEnter(const QString &start, const QString &end, bool timeBase)
{
    StartEnter r{timeBase ? completeTimeText(start) : start, end, false};
    if (!timeBase || r.start.size() != 12)
        return r;
    // Compared as seconds: an empty end counts as 0, so a start of zero
    // leaves it empty.
    if (timeCodeToSeconds(r.start) > timeCodeToSeconds(end)) {
        r.end = r.start;
        r.endPulled = true;
    }
    return r;
}

namespace {

bool wholeNumber(const QString &text, qint64 *value)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    bool ok = false;
    *value = text.toLongLong(&ok);
    return ok;
}

}  // namespace

Difference computeDifference(const QString &start, const QString &end, bool timeBase)
{
    Difference d;
    if (timeBase) {
        if (!hasTimeCodeShape(start) || !hasTimeCodeShape(end))
            return d;
        const qint64 diff = timeCodeToMs(end) - timeCodeToMs(start);
        d.negative = diff < 0;
        const QString code = clampedMsToTimeCode(qAbs(diff));
        d.text = d.negative ? u'-' + code : code;
        return d;
    }
    qint64 s = 0, e = 0;
    if (!wholeNumber(start, &s) || !wholeNumber(end, &e))
        return d;
    d.negative = e < s;
    d.text = QString::number(e - s);
    return d;
}

int jumpTargetRow(const QString &text, int rowCount)
{
    if (rowCount <= 0)
        return 0;
    const QString t = text.trimmed();
    if (t.isEmpty())
        return 0;
    int i = 0;
    if (t[0] == u'-' || t[0] == u'+')
        i = 1;
    if (i == t.size())
        return 0;
    for (int k = i; k < t.size(); ++k)
        if (t[k] < u'0' || t[k] > u'9')
            return 0;
    if (t[0] == u'-')
        return 1;
    // very long digit strings are simply beyond the table
    bool ok = false;
    const qint64 n = t.mid(i).toLongLong(&ok);
    if (!ok || n > rowCount)
        return rowCount;
    return n < 1 ? 1 : int(n);
}
