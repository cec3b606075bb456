#include "tools/timing/OverlapCheck.h"

#include "app/MessageBox.h"
#include "document/TimeCode.h"
#include "editor/BulkPass.h"
#include "editor/EditorModel.h"

namespace {

const QString moreInfo = QStringLiteral("További információt a \"Lista\" gomb alatt találsz!");

QString span(QStringView start, QStringView end)
{
    QString text;
    text.reserve(start.size() + 3 + end.size());
    text.append(start).append(QLatin1StringView("-->")).append(end);
    return text;
}

QString rowLine(int recNo, const QString &spanText)
{
    return QStringLiteral("Sor száma: ") + QString::number(recNo) + QStringLiteral("      Érték: ")
           + spanText;
}

void logPair(CorrectionLog &log, int p, const QString &previousSpan, int n, const QString &spanText)
{
    log.add(QString());
    log.add(rowLine(p, previousSpan));
    log.add(rowLine(n, spanText));
}

void logSmallerStart(CorrectionLog &log, int p, const QString &previousSpan, int n,
                     const QString &spanText)
{
    logPair(log, p, previousSpan, n, spanText);
    log.add(QStringLiteral("A ") + QString::number(n)
            + QStringLiteral(". sor kezdő értéke kisebb, mint az ") + QString::number(p)
            + QStringLiteral(". sor befejező értéke!"));
}

void showResult(const QString &first, const QString &second = QString())
{
    showMessageBox(QStringLiteral("Eredmény"), QStringLiteral("info"), first, false, false, true,
                   second);
}

void setCurrent(SubtitleTable &cds, Field field, const QString &value)
{
    cds.edit();
    cds.setField(field, value);
    cds.post();
}

// Counts the current line's duration into its band; with the stretch on, a
// line shorter than half a second (not the last) is first made half a
// second long, pushing the next start past its new end when needed.
void durationStatistics(EditorModel &model, const OverlapOptions &options, OverlapResult &r)
{
    SubtitleTable &cds = model.cds;
    const QString start = cds.field(Field::Kezdes);
    const QString end = cds.field(Field::Befejezes);
    const qint64 s = timeCodeToMs(start);
    qint64 d = timeCodeToMs(end) - s;
    const int n = cds.recNo();
    if (options.stretch && d > 0 && d < 500 && n < cds.recordCount()) {
        const qint64 newEnd = s + 500;
        const QString newEndText = movedMsToTimeCode(newEnd, timeCodeToMs(end));
        cds.next();
        // an empty next start counts as 0 and is pushed as well
        const qint64 nextStart = timeCodeToMs(cds.field(Field::Kezdes));
        if (newEnd >= nextStart)
            setCurrent(cds, Field::Kezdes, movedMsToTimeCode(newEnd + 1, nextStart));
        cds.setRecNo(n);
        setCurrent(cds, Field::Befejezes, newEndText);
        CorrectionLog &log = model.log;
        log.add(QString());
        log.add(QStringLiteral("Sor száma: ") + QString::number(n));
        log.add(QStringLiteral("Miről:  Érték: ") + span(start, end));
        log.add(QStringLiteral("Mire:   Érték: ") + span(start, newEndText));
        log.add(QStringLiteral("0,5 mp-re állítás"));
        ++r.halfSecondRepairs;
        d = 500;
    }
    if (d <= 0)
        ++r.bands[0];
    else if (d < 250)
        ++r.bands[1];
    else if (d < 500)
        ++r.bands[2];
}

}  // namespace

OverlapResult runOverlapCheck(EditorModel &model, const OverlapOptions &options)
{
    SubtitleTable &cds = model.cds;
    CorrectionLog &log = model.log;
    OverlapResult r;
    const bool repair = options.repair;

    BulkPass pass(model, {.gauge = true});
    log.clear();
    log.caption = QStringLiteral("Az átfedés vizsgálatának eredménye");
    log.headingsVisible = false;

    const int count = cds.recordCount();
    // Every line takes part, also one without times (they count as 0), and
    // the previous line is always the one above.
    qint64 previousEnd = 0;
    QString previousSpan;
    for (int n = 1; n <= count; ++n) {
        cds.setRecNo(n);
        pass.progress(n);
        // s and e as read: the statistics may stretch this line afterwards
        const QString startText = cds.field(Field::Kezdes);
        const qint64 s = timeCodeToMs(startText);
        const qint64 e = timeCodeToMs(cds.field(Field::Befejezes));
        if (options.statistics)
            durationStatistics(model, options, r);
        if (n > 1) {
            const int p = n - 1;
            if (s == previousEnd) {
                if (repair) {
                    setCurrent(cds, Field::Kezdes, movedMsToTimeCode(s + 1, s));
                    ++r.overlaps;
                    ++r.repairedStarts;
                    logPair(log, p, previousSpan, n,
                            span(cds.field(Field::Kezdes), cds.field(Field::Befejezes)));
                    log.add(QStringLiteral("Javítás"));
                } else {
                    ++r.overlaps;
                    if (!options.errorsOnly) {
                        logPair(log, p, previousSpan, n,
                                span(startText, cds.field(Field::Befejezes)));
                        log.add(QStringLiteral("Átfedés"));
                    }
                }
            } else if (s > previousEnd && e < s) {
                ++r.overlaps;
                log.add(QString());
                log.add(rowLine(n, span(startText, cds.field(Field::Befejezes))));
                log.add(QStringLiteral("A ") + QString::number(n)
                        + QStringLiteral(". sor kezdő értéke nagyobb, mint a befejező értéke!"));
            } else if (s < previousEnd && s < e) {
                if (repair) {
                    setCurrent(cds, Field::Kezdes, movedMsToTimeCode(previousEnd + 1, previousEnd));
                    ++r.overlaps;
                    ++r.repairedStarts;
                    logPair(log, p, previousSpan, n,
                            span(cds.field(Field::Kezdes), cds.field(Field::Befejezes)));
                    log.add(QStringLiteral("Javítás"));
                } else {
                    ++r.smallerStart;
                    logSmallerStart(log, p, previousSpan, n,
                                    span(startText, cds.field(Field::Befejezes)));
                }
            }
        }
        previousSpan = span(cds.field(Field::Kezdes), cds.field(Field::Befejezes));
        previousEnd = timeCodeToMs(cds.field(Field::Befejezes));
    }

    cds.first();
    pass.finish(0, true);
    r.statisticsEnabled = options.statistics;

    if (r.overlaps > 0 || r.smallerStart > 0) {
        if (r.repairedStarts > 0 || r.halfSecondRepairs > 0)
            model.setModified(true);
        r.listEnabled = true;
        if (!repair && options.errorsOnly) {
            showResult(QStringLiteral("Ennyi hibát találtam összesen: ")
                           + QString::number(r.smallerStart) + u'/'
                           + QString::number(r.smallerStart),
                       moreInfo);
        } else if (!repair) {
            showResult(QStringLiteral("Ennyi átfedést/hibát találtam összesen: ")
                           + QString::number(r.overlaps) + u'/' + QString::number(r.smallerStart),
                       moreInfo);
        } else if (r.halfSecondRepairs == 0) {
            showResult(QStringLiteral("Ennyi átfedést javítottam ki: ") + QString::number(r.overlaps)
                           + u'/' + QString::number(r.smallerStart),
                       moreInfo);
        } else {
            showPlainMessage(QStringLiteral("Ennyi átfedést javítottam ki: ")
                             + QString::number(r.overlaps) + u'\n'
                             + QStringLiteral("Ebből ennyi 0,5mp-es változtatás: ")
                             + QString::number(r.halfSecondRepairs) + u'\n' + moreInfo);
        }
    } else if (r.halfSecondRepairs > 0 && options.stretch) {
        model.setModified(true);
        r.listEnabled = true;
        showResult(QStringLiteral("Ennyi 0,5 mp alatti időt javítottam: ")
                   + QString::number(r.halfSecondRepairs));
    } else {
        r.listEnabled = false;
        showResult(QStringLiteral("Nem találtam átfedést/hibát!"));
    }
    return r;
}

void showDurationStatistics(const OverlapResult &r)
{
    showPlainMessage(QStringLiteral("0 mp alatt: ") + QString::number(r.bands[0]) + u'\n'
                     + QStringLiteral("0 - 0.249 mp: ") + QString::number(r.bands[1]) + u'\n'
                     + QStringLiteral("0.250 - 0.499 mp: ") + QString::number(r.bands[2]));
}

namespace {

// Milliseconds of a start or end: a time code in the Time base, a frame
// number taken through the frame rate in the Frame base.
qint64 valueMs(const EditorModel &model, const QString &value)
{
    if (model.isTimeBase())
        return timeCodeToMs(value);
    return timeCodeToMs(frameToTimeCode(value.toLongLong(), model.fps()));
}

}  // namespace

void listHalfSecondLines(EditorModel &model)
{
    SubtitleTable &cds = model.cds;
    CorrectionLog &log = model.log;
    const int remembered = cds.recNo();
    BulkPass pass(model);
    log.clear();
    int found = 0;
    const int count = cds.recordCount();
    for (int n = 1; n <= count; ++n) {
        cds.setRecNo(n);
        const QString start = cds.field(Field::Kezdes);
        const QString end = cds.field(Field::Befejezes);
        if (valueMs(model, end) - valueMs(model, start) != 500)
            continue;
        ++found;
        log.add(QString());
        log.add(QStringLiteral("Sor száma: ") + QString::number(n));
        log.add(span(start, end));
        log.add(QStringLiteral("0,5 mp-es sor"));
    }
    pass.finish(remembered, true);
    if (found > 0)
        showResult(QStringLiteral("Ennyit találtam: ") + QString::number(found), moreInfo);
    else
        showResult(QStringLiteral("Nem találtam ilyen sort!"));
    model.host()->focusGrid();
}

SaveOverlapCheck::SaveOverlapCheck(EditorModel &model) : model_(model) {}

void SaveOverlapCheck::start()
{
    model_.log.clear();
    first_ = true;
    previousEnd_ = 0;
    previousRecNo_ = 0;
    errors_ = 0;
}

void SaveOverlapCheck::entry(int recNo, const TimeText &start, const TimeText &end)
{
    if (!first_ && timeCodeToMs(start) < previousEnd_) {
        ++errors_;
        logSmallerStart(model_.log, previousRecNo_,
                        span(previousStart_->chars(), previousEndText_->chars()), recNo,
                        span(start.chars(), end.chars()));
    }
    first_ = false;
    previousEnd_ = timeCodeToMs(end);
    previousRecNo_ = recNo;
    previousStart_ = &start;
    previousEndText_ = &end;
}

void SaveOverlapCheck::finish()
{
    if (errors_ > 0)
        showResult(QStringLiteral("Ennyi átfedési hibát találtam: ") + QString::number(errors_),
                   moreInfo);
}
