#include "tools/timing/FpsConversion.h"

#include <QRegularExpression>

#include "app/MessageBox.h"
#include "app/ModeValues.h"
#include "document/Decimal.h"
#include "document/TimeCode.h"
#include "editor/BulkPass.h"
#include "editor/EditorModel.h"

QString filmFrameRate;

namespace {

// Trunc(n / from × to), taken from the decimal text so that a product a
// binary hair below a whole frame keeps that frame.
QString convertFrame(const QString &value, long double from, long double to)
{
    bool ok = false;
    const qint64 n = value.toLongLong(&ok);
    if (!ok || n <= 0)
        return value;
    const QString text = formatDecimal(static_cast<long double>(n) / from * to, 15);
    const qsizetype comma = text.indexOf(u',');
    return comma < 0 ? text : text.left(comma);
}

QString convertTime(const QString &value, long double from, long double to)
{
    if (value.isEmpty())
        return value;
    const long double t = timeCodeToSeconds(value);
    if (!(t > 0))
        return value;
    return secondsToTimeCode(t / from * to);
}

// Round(value × 100) / 100 with halves to even, worked on the digits of the
// text so that no binary error decides a half.
QString roundToHundredths(const QString &text)
{
    const qsizetype comma = text.indexOf(u',');
    const QString whole = comma < 0 ? text : text.left(comma);
    const QString fraction = comma < 0 ? QString() : text.mid(comma + 1);
    qint64 hundredths = whole.toLongLong() * 100 + (fraction + QStringLiteral("00")).left(2).toLongLong();
    const QString rest = fraction.mid(2);
    if (!rest.isEmpty()) {
        const int first = rest[0].digitValue();
        const bool beyond = rest.mid(1).contains(QRegularExpression(QStringLiteral("[1-9]")));
        if (first > 5 || (first == 5 && (beyond || hundredths % 2 == 1)))
            ++hundredths;
    }
    return formatDecimal(static_cast<long double>(hundredths) / 100.0L, 15);
}

}  // namespace

const QStringList &standardFpsList()
{
    static const QStringList list = {"15", "20", "23,976", "24", "25", "29,976", "30"};
    return list;
}

QStringList fpsTargets(const QString &from)
{
    QStringList out = standardFpsList();
    out.removeAll(from);
    return out;
}

void announceFpsConversion()
{
    showMessageBox(QStringLiteral("FPS módosítás"), BoxKind::info,
                   QStringLiteral("Az átváltás megtörtént!"), false, false, true);
}

bool convertFps(EditorModel &model, const QString &fromText, const QString &toText,
                const std::function<void(int)> &progress, bool announce)
{
    long double from = 0;
    long double to = 0;
    if (!parseDecimal(fromText, &from) || !parseDecimal(toText, &to) || !(from > 0) || !(to > 0))
        return false;
    SubtitleTable &cds = model.cds;
    const bool frames = !model.isTimeBase();
    {
        BulkPass pass(model, {.gauge = true});
        cds.first();
        const int rows = cds.recordCount();
        const int step = rows / 100;
        int done = 0;
        while (!cds.eof() && done < rows) {
            const SubtitleRow &row = cds.rowAt(cds.recNo() - 1);
            const QString start = frames ? convertFrame(row.kezdes, from, to)
                                         : convertTime(row.kezdes, from, to);
            const QString end = frames ? convertFrame(row.befejezes, from, to)
                                       : convertTime(row.befejezes, from, to);
            if (start != row.kezdes || end != row.befejezes) {
                cds.edit();
                cds.setField(Field::Kezdes, start);
                cds.setField(Field::Befejezes, end);
                cds.post();
            }
            pass.progress(++done);
            if (progress && step > 0 && done % step == 0)
                progress(qMin(100, done / step));
            cds.next();
        }
        pass.finish(rows > 0 ? 1 : 0, false);
    }
    model.setModified(true);
    if (announce)
        announceFpsConversion();
    return true;
}

AviFpsChoice matchAviRate(quint32 scale, quint32 rate, const QStringList &items)
{
    AviFpsChoice choice;
    QString text = formatDecimal(static_cast<long double>(rate) / scale, 15);
    if (text.size() >= 3) {
        text = text.left(6);
        if (text != QLatin1String("23,976") && text != QLatin1String("29,976"))
            text = roundToHundredths(text);
        // a rate that rounds to nothing would turn every time into zero
        if (fpsValue(text) <= 0)
            return choice;
        choice.kind = AviFpsChoice::Select;
        choice.text = text;
        choice.append = !items.contains(text);
    } else if (text.size() == 2) {
        static const QStringList whole = {"15", "20", "24", "25", "30"};
        if (whole.contains(text)) {
            choice.kind = AviFpsChoice::Select;
            choice.text = text;
            choice.append = !items.contains(text);
        } else {
            choice.kind = AviFpsChoice::Unchanged;
        }
    }
    return choice;
}

bool extractAviFps(const QString &path, QStringList &items, QString &current)
{
    AviFileLibrary &library = aviFileLibrary();
    library.initialise();
    AviRate rate;
    const bool opened = library.open(path);
    if (opened)
        rate = library.info();
    if (!opened || rate.scale == 0 || rate.rate == 0) {
        showMessageBox(QStringLiteral("Sikertlen kísérlet!"), BoxKind::error,
                       QStringLiteral("Hiba a file megnyitásakor!"), false, false, true,
                       QStringLiteral("Valami nincs rendben a file-lal!"));
        return false;
    }
    const AviFpsChoice choice = matchAviRate(rate.scale, rate.rate, items);
    if (choice.kind == AviFpsChoice::NoMatch) {
        showMessageBox(QStringLiteral("Sikertlen kísérlet!"), BoxKind::error,
                       QStringLiteral("Ehhez a file-hoz nem tudok FPS-t rendelni!"), false, false,
                       true);
        return false;
    }
    if (choice.kind == AviFpsChoice::Select) {
        if (choice.append)
            items.append(choice.text);
        current = choice.text;
    }
    filmFrameRate = current;
    return true;
}
