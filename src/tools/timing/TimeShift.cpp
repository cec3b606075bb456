#include "tools/timing/TimeShift.h"

#include "app/MessageBox.h"
#include "app/ModeValues.h"
#include "document/DocumentGlobals.h"
#include "document/TimeCode.h"
#include "editor/BulkPass.h"
#include "editor/EditorModel.h"
#include "editor/TypedValues.h"

namespace {

bool isZeroAmount(const QString &amount)
{
    return amount == zeroTimeCode || amount == QLatin1String("0");
}

void notice(const QString &text)
{
    showMessageBox(QStringLiteral("Felhívás"), BoxKind::info, text, false, false, true);
}

bool amountPasses(const EditorModel &model, const QString &amount)
{
    return model.isTimeBase() ? checkTypedTime(amount, true) : checkFrameValue(amount);
}

// Shifts one field of the row in edit state by the checked amount.
class Shifter {
public:
    Shifter(const EditorModel &model, const QString &amount, bool add)
        : time_(model.isTimeBase()), add_(add)
    {
        if (time_)
            seconds_ = timeCodeToSeconds(amount);
        else
            frames_ = amount.toLongLong();
    }

    void shift(SubtitleTable &cds, Field field) const
    {
        const QString v = cds.field(field);
        cds.setField(field, time_ ? shiftTimeValue(v, seconds_, add_)
                                  : shiftFrameValue(v, frames_, add_));
    }

private:
    bool time_;
    bool add_;
    long double seconds_ = 0;
    qint64 frames_ = 0;
};

}  // namespace

QString shiftFrameValue(const QString &value, qint64 amount, bool add)
{
    bool ok = false;
    const qint64 v = value.trimmed().toLongLong(&ok);
    if (!ok)
        return value;
    const qint64 shifted = add ? v + amount : v - amount;
    if (shifted < 0)
        return QStringLiteral("0");
    const QString text = QString::number(shifted);
    return text.size() >= 7 ? QStringLiteral("999999") : text;
}

QString shiftTimeValue(const QString &value, long double amountSeconds, bool add)
{
    const long double t = value.isEmpty() ? 0 : timeCodeToSeconds(value);
    const long double shifted = add ? t + amountSeconds : t - amountSeconds;
    if (shifted < 0)
        return zeroTimeCode;
    // a time past 24 hours keeps its range; others stop at 24 hours
    if (shifted > 86400 && t > 86400)
        return secondsToTimeCode(qMin<long double>(shifted, largestTimeMs / 1000.0L));
    if (shifted > 86400)
        return QStringLiteral("24:00:00,000");
    return secondsToTimeCode(shifted);
}

bool quickShift(EditorModel &model, bool add, const QString &amount)
{
    if (isZeroAmount(amount)) {
        model.host()->showProgress(false);
        notice(QStringLiteral("0-val nem lenne értelme módosítani!"));
        return false;
    }
    if (!amountPasses(model, amount))
        return false;
    SubtitleTable &cds = model.cds;
    const Shifter shifter(model, amount, add);
    BulkPass pass(model, {.gauge = true});
    const int remembered = cds.recNo();
    cds.first();
    const int rows = cds.recordCount();
    int done = 0;
    while (!cds.eof() && done < rows) {
        cds.edit();
        shifter.shift(cds, Field::Kezdes);
        shifter.shift(cds, Field::Befejezes);
        cds.post();
        cds.next();
        pass.progress(++done);
    }
    model.setModified(true);
    pass.finish(remembered, false);
    model.host()->showCurrentRow();
    return true;
}

bool rangeShift(EditorModel &model, const RangeShift &shift)
{
    SubtitleTable &cds = model.cds;
    const int current = cds.recNo();
    bool passed = amountPasses(model, shift.amount);
    if (isZeroAmount(shift.amount)) {
        notice(QStringLiteral("0-val nem lenne értelme módosítani!"));
        passed = false;
    }
    int target = 0;
    if (shift.toRow) {
        const QString bigger = QStringLiteral("Kérem nagyobb számot üssön be a darabhoz!");
        bool ok = false;
        target = shift.rowText.toInt(&ok);
        if (shift.rowText.isEmpty() || shift.rowText == QLatin1String("0") || !ok) {
            notice(bigger);
            passed = false;
        } else if (shift.up && target > current) {
            notice(QStringLiteral("Kérem kisebb számot üssön be a darabhoz!"));
            passed = false;
        } else if (!shift.up && target <= current) {
            notice(bigger);
            passed = false;
        }
    }
    if (!passed || current < 1)
        return false;

    const Shifter shifter(model, shift.amount, shift.add);
    const int length = shift.toRow ? qAbs(current - target) + 1 : 0;
    const int divisor = (shift.toRow ? length : cds.recordCount() - current) / 100;
    BulkPass pass(model);
    if (shift.showGauge)
        shift.showGauge(true);
    int done = 0;
    cds.setRecNo(current);
    for (;;) {
        cds.edit();
        if (shift.starts)
            shifter.shift(cds, Field::Kezdes);
        if (shift.ends)
            shifter.shift(cds, Field::Befejezes);
        cds.post();
        ++done;
        if (divisor > 0 && shift.setGauge)
            shift.setGauge(done / divisor);
        if (shift.toRow && done >= length)
            break;
        if (shift.up) {
            cds.prior();
            if (cds.bof())
                break;
        } else {
            cds.next();
            if (cds.eof())
                break;
        }
    }
    if (shift.showGauge)
        shift.showGauge(false);
    model.setModified(true);
    pass.finish(current, false);
    model.host()->showCurrentRow();
    return true;
}
