#include "document/Decimal.h"

#include <cmath>
#include <cstdio>
#include <charconv>
#include <cstdlib>
#include <limits>

QString formatDecimal(long double v, int significant)
{
    if (std::isnan(v) || std::isinf(v))
        return QStringLiteral("0");
    if (v == 0)
        return QStringLiteral("0");
    char buf[64];
    // d.ddd…e±x: the rounded digits and the decimal exponent
    std::snprintf(buf, sizeof buf, "%.*Le", significant - 1, v);
    const bool negative = buf[0] == '-';
    const char *p = buf + (negative ? 1 : 0);
    QByteArray digits;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            digits.append(*p);
    const int exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    while (digits.size() > 1 && digits.endsWith('0'))
        digits.chop(1);

    QByteArray out;
    if (exponent < 0) {
        out = "0," + QByteArray(-exponent - 1, '0') + digits;
    } else if (exponent + 1 >= digits.size()) {
        out = digits + QByteArray(exponent + 1 - digits.size(), '0');
    } else {
        out = digits.left(exponent + 1) + ',' + digits.mid(exponent + 1);
    }
    if (negative)
        out.prepend('-');
    return QString::fromLatin1(out);
}

bool parseDecimal(QStringView text, long double *value)
{
    QByteArray ascii;
    ascii.reserve(text.size());
    bool seenSeparator = false;
    bool seenDigit = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isDigit() && c.unicode() < 128) {
            ascii.append(char(c.unicode()));
            seenDigit = true;
        } else if ((c == u',' || c == u'.') && !seenSeparator) {
            ascii.append('.');
            seenSeparator = true;
        } else if ((c == u'-' || c == u'+') && i == 0) {
            ascii.append(char(c.unicode()));
        } else {
            return false;
        }
    }
    if (!seenDigit)
        return false;
    // from_chars never looks at the C locale, which Qt sets from the
    // environment (a Hungarian LC_NUMERIC expects a comma).
    const char *begin = ascii.constData();
    if (*begin == '+')
        ++begin;
    long double v = 0;
    const auto [end, error] = std::from_chars(begin, ascii.constData() + ascii.size(), v);
    if (error != std::errc() || end != ascii.constData() + ascii.size())
        return false;
    *value = v;
    return true;
}

long double fpsValue(QStringView fpsText)
{
    long double v = 0;
    return parseDecimal(fpsText, &v) ? v : 0;
}

qint64 truncMillis(long double seconds)
{
    const QString text = formatDecimal(seconds, 15);
    const bool negative = text.startsWith(u'-');
    const QStringView body = QStringView(text).mid(negative ? 1 : 0);
    const qsizetype comma = body.indexOf(u',');
    const QStringView whole = comma < 0 ? body : body.left(comma);
    QString fraction = comma < 0 ? QString() : body.mid(comma + 1).toString();
    fraction = (fraction + QStringLiteral("000")).left(3);
    const qint64 ms = whole.toLongLong() * 1000 + fraction.toLongLong();
    return negative ? -ms : ms;
}
