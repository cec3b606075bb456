#include "tools/text/CorrectionLog.h"

#include <QMutex>
#include <QtGlobal>

namespace {

constexpr int idShift = 48;
constexpr quint64 offsetMask = (quint64(1) << idShift) - 1;

// Every pattern by its id. Written only while patterns are made (before
// main), read afterwards.
std::vector<const LogPattern *> &patterns()
{
    static std::vector<const LogPattern *> all;
    return all;
}

QMutex &patternLock()
{
    static QMutex lock;
    return lock;
}

// A whole line as its only value, and the empty line.
const LogPattern plainLine{u"", u""};
const LogPattern emptyLine{u""};

const LogPattern rowLine{u"Melyik sorban volt: ", u""};
const LogPattern fromLine{u"Miből: ", u""};
const LogPattern criticalLine{u"Kritikus sor: ", u""};
const LogPattern deletedLine{u"Törölve: ", u""};

// A value's length is one unit below 0x8000, two units above.
constexpr char16_t longMark = 0x8000;

}  // namespace

LogPattern::LogPattern(std::initializer_list<QStringView> texts)
{
    for (QStringView t : texts)
        texts_.push_back(t.toString());
    Q_ASSERT(!texts_.empty());
    QMutexLocker locker(&patternLock());
    std::vector<const LogPattern *> &all = patterns();
    Q_ASSERT(all.size() < 0xFFFF);
    id_ = quint16(all.size());
    all.push_back(this);
}

void CorrectionLog::clear()
{
    refs_.clear();
    values_.clear();
}

void CorrectionLog::addValue(const LogValue &value)
{
    if (value.isNumber()) {
        char16_t digits[12];
        char16_t *end = digits + std::size(digits);
        char16_t *at = end;
        const int n = value.number();
        unsigned int v = n < 0 ? 0u - unsigned(n) : unsigned(n);
        do {
            *--at = char16_t(u'0' + v % 10);
            v /= 10;
        } while (v != 0);
        if (n < 0)
            *--at = u'-';
        values_.push_back(char16_t(end - at));
        values_.insert(values_.end(), at, end);
        return;
    }
    const QStringView text = value.text();
    const qsizetype length = text.size();
    if (length < longMark) {
        values_.push_back(char16_t(length));
    } else {
        values_.push_back(char16_t(longMark | (quint64(length) >> 16)));
        values_.push_back(char16_t(length & 0xFFFF));
    }
    const char16_t *p = text.utf16();
    values_.insert(values_.end(), p, p + length);
}

void CorrectionLog::add(const LogPattern &pattern, std::initializer_list<LogValue> values)
{
    Q_ASSERT(int(values.size()) == pattern.valueCount());
    refs_.push_back((quint64(pattern.id()) << idShift) | quint64(values_.size()));
    int given = 0;
    for (const LogValue &v : values) {
        if (given++ == pattern.valueCount())
            break;
        addValue(v);
    }
    // a missing value is an empty one
    for (; given < pattern.valueCount(); ++given)
        values_.push_back(0);
}

void CorrectionLog::add(const QString &line)
{
    if (line.isEmpty())
        addEmpty();
    else
        add(plainLine, {line});
}

void CorrectionLog::addEmpty()
{
    add(emptyLine);
}

void CorrectionLog::entryHeader(const QString &kind, int row, const QString &text)
{
    addEmpty();
    add(rowLine, {row});
    if (kind == QLatin1String("mib"))
        add(fromLine, {text});
    else if (kind == QLatin1String("kri"))
        add(criticalLine, {text});
    else if (kind == QLatin1String("tor"))
        add(deletedLine, {text});
}

void CorrectionLog::append(CorrectionLog &&other)
{
    if (refs_.empty()) {
        refs_ = std::move(other.refs_);
        values_ = std::move(other.values_);
    } else {
        const quint64 shift = values_.size();
        refs_.reserve(refs_.size() + other.refs_.size());
        for (quint64 ref : other.refs_)
            refs_.push_back(ref + shift);
        values_.insert(values_.end(), other.values_.begin(), other.values_.end());
    }
    other.clear();
}

void CorrectionLog::lineInto(int index, QString &out) const
{
    out.resize(0);
    const quint64 ref = refs_[size_t(index)];
    const LogPattern &pattern = *patterns()[size_t(ref >> idShift)];
    const char16_t *at = values_.data() + (ref & offsetMask);
    out += pattern.text(0);
    for (int k = 1; k <= pattern.valueCount(); ++k) {
        qsizetype length = *at++;
        if (length & longMark)
            length = ((length & ~qsizetype(longMark)) << 16) | *at++;
        out += QStringView(at, length);
        at += length;
        out += pattern.text(k);
    }
}

QString CorrectionLog::line(int index) const
{
    QString out;
    lineInto(index, out);
    return out;
}

QStringList CorrectionLog::lines() const
{
    QStringList all;
    all.reserve(size());
    QString work;
    for (int i = 0; i < size(); ++i) {
        lineInto(i, work);
        all.append(QStringView(work).toString());
    }
    return all;
}
