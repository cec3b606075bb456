#include "tools/text/AggressiveBreak.h"

#include <QStringList>
#include <QStringView>

#include "app/MessageBox.h"
#include "editor/BulkPass.h"
#include "editor/EditorModel.h"
#include "editor/RowStats.h"
#include "editor/RowText.h"
#include "document/TimeCode.h"
#include "tools/text/BatchPass.h"
#include "tools/text/CorrectionLog.h"

namespace {

// Positions below are 1-based, as the routines are stated; at() reads one.
QChar at(QStringView s, qsizetype p)
{
    return p >= 1 && p <= s.size() ? s[p - 1] : QChar();
}

bool isStop(QChar c)
{
    return c == u',' || c == u'.' || c == u'!' || c == u'?';
}

// 1-based position of the first occurrence, 0 when there is none.
qsizetype firstAt(QStringView s, QStringView what)
{
    return s.indexOf(what) + 1;
}

}  // namespace

bool punctuationWrap(QString &s, int t)
{
    const qsizetype len = s.size();
    if (!(t < len && len < 2 * t - 1))
        return false;
    const qsizetype lo = len - t;
    qsizetype i = len / 2;
    qsizetype j = i + 1;
    bool broken = false;
    while ((i >= lo || j <= t) && !broken) {
        qsizetype b = 0;
        if (i >= lo && isStop(at(s, i)))
            b = i;
        else if (j <= t && isStop(at(s, j)))
            b = j;
        if (b > 0) {
            const bool refused = firstAt(s, u"</i>") == b + 1 || b == s.size()
                                 || (firstAt(s, u"...") == b && firstAt(s, u"..") == b)
                                 || at(s, b + 1) == u'.';
            if (!refused) {
                s.insert(b, u'|');
                if (at(s, b + 2) == u' ')
                    s.remove(b + 1, 1);
                broken = true;
            }
        }
        if (!broken) {
            if (at(s, i) == u' ') {
                s[i - 1] = u'|';
                broken = true;
            } else if (at(s, j) == u' ') {
                s[j - 1] = u'|';
                broken = true;
            }
        }
        --i;
        ++j;
    }
    return broken;
}

bool spaceWrap(QString &s, int t)
{
    const qsizetype len = s.size();
    if (s.contains(u'|') || !(t < len && len < 2 * t - 1))
        return false;
    const qsizetype lo = len - t;
    const qsizetype m = len / 2;
    if (at(s, m) == u' ') {
        s[m - 1] = u'|';
        return true;
    }
    qsizetype i = m;
    qsizetype j = m;
    while (i >= lo || j <= t) {
        if (i >= lo)
            --i;
        if (j <= t)
            ++j;
        qsizetype take = 0;
        if (at(s, i) == u' ' && at(s, j) == u' ') {
            if (i - 1 <= t && len - i <= t)
                take = i;
            else if (j - 1 <= t && len - j + 1 <= t)
                take = j;
        } else if (at(s, i) == u' ') {
            take = i;
        } else if (at(s, j) == u' ') {
            take = j;
        }
        if (take > 0) {
            s[take - 1] = u'|';
            return true;
        }
    }
    return false;
}

bool twoPartSplit(const QString &s, int t, QString &part1, QString &part2)
{
    part1 = s;
    part2.clear();
    const qsizetype len = s.size();
    const qsizetype half = len / 2;
    const qsizetype w = 54 - t;
    qsizetype b = 0;
    bool punctuation = false;
    // The middle pair is always looked at, however narrow the window.
    for (qsizetype i = half, j = half + 1; b == 0; --i, ++j) {
        for (const qsizetype p : {i, j})
            // a stop followed by "</i>" cannot end the first row's text
            if (b == 0 && isStop(at(s, p)) && at(s, p + 1) != u'.' && firstAt(s, u"</i>") != p + 1)
                b = p;
        if (!(i - 1 >= half - w || j + 1 <= half + w))
            break;
    }
    punctuation = b > 0;
    if (!punctuation)
        for (qsizetype i = half, j = half + 1; b == 0; --i, ++j) {
            if (at(s, i) == u' ')
                b = i;
            else if (at(s, j) == u' ')
                b = j;
            if (!(i - 1 >= half - w || j + 1 <= half + w))
                break;
        }
    if (b == 0)
        return false;
    if (punctuation) {
        part1 = s.left(b);
        part2 = s.mid(b);
    } else {
        part1 = s.left(b - 1);
        part2 = s.mid(b);
    }
    if (part2.startsWith(u' '))
        part2.remove(0, 1);
    if (part1.size() > t)
        punctuationWrap(part1, t);
    if (part2.size() > t)
        punctuationWrap(part2, t);
    return true;
}

void joinAll(QString &s)
{
    for (int k = 0; k < 2; ++k) {
        const qsizetype bar = s.indexOf(u'|');
        if (bar < 0)
            return;
        s[bar] = u' ';
    }
}

bool joinFirstPair(QString &s, int t)
{
    const qsizetype bar = s.indexOf(u'|');
    if (bar < 0)
        return false;
    const qsizetype next = s.indexOf(u'|', bar + 1);
    const qsizetype lineEnd = next < 0 ? s.size() : next;
    if (lineEnd > t)
        return false;
    s[bar] = u' ';
    return true;
}

bool joinSecondPair(QString &s, int t)
{
    const qsizetype bar = s.indexOf(u'|');
    if (bar < 0)
        return false;
    const qsizetype second = s.indexOf(u'|', bar + 1);
    if (second < 0)
        return false;
    if (s.size() - bar - 1 > t)
        return false;
    s[second] = u' ';
    return true;
}

long double textShare(const QString &part, const QString &whole)
{
    if (whole.isEmpty())
        return 0;
    return static_cast<long double>((100 * part.size()) / whole.size()) / 100;
}

namespace {

QString timesLine(const QString &start, const QString &end)
{
    return start + QStringLiteral("-->") + end;
}

class AggressivePass {
public:
    explicit AggressivePass(EditorModel &model)
        : model_(model), cds_(model.cds), log_(model.log), t_(model.threshold())
    {
    }
    AggressiveCounts counts;
    void treatRow();

private:
    EditorModel &model_;
    SubtitleTable &cds_;
    CorrectionLog &log_;
    int t_;

    void store(const QString &text) { writeRowText(model_, text, true, false, true); }
    void insertPart(const QString &part);
    void logRewrap(const QString &kind, const QString &old, const QString &now);
    bool tooShortToSplit(const QString &old);
    void twoRowTiming(const QString &old, const QString &kind, long double f);
    void threeRowTiming(const QString &old, long double f1, long double f2);
    void splitInTwo(const QString &old, QString p1, QString p2, const QString &kind, bool italicFix);
    void splitInThree(const QString &old, QString p1, QString p2, QString p3);

    void oneLine(const QString &old);
    void twoLines(const QString &old, const QStringList &lines);
    void threeLinesFitting(const QString &old, const QStringList &lines);
    void threeLinesLong(const QString &old, const QStringList &lines);
};

void AggressivePass::insertPart(const QString &part)
{
    if (cds_.recNo() >= cds_.recordCount()) {
        cds_.append();
    } else {
        cds_.next();
        cds_.insert();
    }
    writeRowText(model_, part, false, false, true);
}

void AggressivePass::logRewrap(const QString &kind, const QString &old, const QString &now)
{
    log_.add(QString());
    log_.add(QStringLiteral("Javítás jellege: ") + kind + QStringLiteral(" soros"));
    log_.add(QStringLiteral("Melyik sorban volt: ") + QString::number(cds_.recNo()));
    log_.add(QStringLiteral("Miből:"));
    log_.add(old);
    log_.add(QStringLiteral("Mire:"));
    log_.add(now);
}

// A row of at most half a second is not divided; it is reported instead.
bool AggressivePass::tooShortToSplit(const QString &old)
{
    const QString start = cds_.field(Field::Kezdes);
    const QString end = cds_.field(Field::Befejezes);
    if (timeCodeToMs(end) - timeCodeToMs(start) > 500)
        return false;
    ++counts.unsplit;
    log_.add(QString());
    log_.add(QStringLiteral("Melyik sorban volt: ") + QString::number(cds_.recNo()));
    log_.add(QStringLiteral("A kezdési idő és a befejezési idő különbsége kisebb mint 0.5 mp!"));
    log_.add(QStringLiteral("Emiatt nem tudtam szétszedni a sort!"));
    log_.add(timesLine(start, end));
    log_.add(old);
    return true;
}

// The cursor stands on the second of the two rows; the first still has the
// old times.
void AggressivePass::twoRowTiming(const QString &old, const QString &kind, long double f)
{
    cds_.prior();
    const QString oldStart = cds_.field(Field::Kezdes);
    const QString oldEnd = cds_.field(Field::Befejezes);
    const long double s = timeCodeToSeconds(oldStart);
    const long double e = timeCodeToSeconds(oldEnd);
    log_.add(QString());
    log_.add(QStringLiteral("Javítás jellege: ") + kind + QStringLiteral(" soros"));
    log_.add(QStringLiteral("Melyik sorban volt: ") + QString::number(cds_.recNo()));
    log_.add(QStringLiteral("Miből:"));
    log_.add(timesLine(oldStart, oldEnd));
    log_.add(old);
    log_.add(QStringLiteral("Mire:"));
    long double m = s + (e - s) * f;
    // neither part shorter than half a second while the other keeps more
    if (m - s < 0.5L && e - (s + 0.5L) > 0.5L)
        m = s + 0.5L;
    else if (e - m < 0.5L && (e - 0.5L) - s > 0.5L)
        m = e - 0.5L;
    const QString mid = secondsToTimeCode(m);
    cds_.edit();
    cds_.setField(Field::Befejezes, mid);
    setRowFlags(model_);
    cds_.post();
    log_.add(timesLine(oldStart, mid));
    log_.add(cds_.field(Field::Szoveg));
    cds_.next();
    cds_.edit();
    cds_.setField(Field::Kezdes, mid);
    cds_.setField(Field::Befejezes, oldEnd);
    setRowFlags(model_);
    log_.add(timesLine(mid, oldEnd));
    log_.add(cds_.field(Field::Szoveg));
    cds_.post();
}

void AggressivePass::threeRowTiming(const QString &old, long double f1, long double f2)
{
    cds_.prior();
    cds_.prior();
    const QString oldStart = cds_.field(Field::Kezdes);
    const QString oldEnd = cds_.field(Field::Befejezes);
    const long double s = timeCodeToSeconds(oldStart);
    const long double e = timeCodeToSeconds(oldEnd);
    log_.add(QString());
    log_.add(QStringLiteral("Javítás jellege: 1 soros"));
    log_.add(QStringLiteral("Melyik sorban volt: ") + QString::number(cds_.recNo()));
    log_.add(QStringLiteral("Miből:"));
    log_.add(timesLine(oldStart, oldEnd));
    log_.add(old);
    log_.add(QStringLiteral("Mire:"));
    const long double d = e - s;
    const long double t1 = s + d * f1;
    const long double t2 = t1 + d * f2;
    const QString bounds[4] = {oldStart, secondsToTimeCode(t1), secondsToTimeCode(t2), oldEnd};
    for (int k = 0; k < 3; ++k) {
        if (k > 0)
            cds_.next();
        cds_.edit();
        cds_.setField(Field::Kezdes, bounds[k]);
        cds_.setField(Field::Befejezes, bounds[k + 1]);
        setRowFlags(model_);
        cds_.post();
        log_.add(timesLine(bounds[k], bounds[k + 1]));
        log_.add(cds_.field(Field::Szoveg));
    }
}

// Italics that open in the first part and close at the end of the last are
// closed and reopened at every cut.
void italicRepair(QString &p1, QString *p2, QString &last, int t)
{
    if (!p1.startsWith(QLatin1String("<i>")))
        return;
    const qsizetype close = last.indexOf(QLatin1String("</i>"));
    if (close < 0 || close != last.size() - 4)
        return;
    p1 += QLatin1String("</i>");
    if (p2)
        *p2 = QStringLiteral("<i>") + *p2 + QStringLiteral("</i>");
    last.prepend(QLatin1String("<i>"));
    for (QString *p : {&p1, p2, &last})
        if (p && p->size() > t)
            spaceWrap(*p, t);
}

void AggressivePass::splitInTwo(const QString &old, QString p1, QString p2, const QString &kind,
                                bool italicFix)
{
    if (italicFix)
        italicRepair(p1, nullptr, p2, t_);
    const long double f = textShare(p1, old);
    store(p1);
    insertPart(p2);
    twoRowTiming(old, kind, f);
}

void AggressivePass::splitInThree(const QString &old, QString p1, QString p2, QString p3)
{
    italicRepair(p1, &p2, p3, t_);
    const long double f1 = textShare(p1, old);
    const long double f2 = textShare(p2, old);
    store(p1);
    insertPart(p2);
    insertPart(p3);
    threeRowTiming(old, f1, f2);
}

void AggressivePass::oneLine(const QString &old)
{
    QString text = old;
    punctuationWrap(text, t_);
    const qsizetype bar = text.indexOf(u'|');
    if (bar >= 0 && bar <= t_ && text.size() - bar - 1 <= t_) {
        store(text);
        logRewrap(QStringLiteral("1"), old, text);
        ++counts.oneLine;
        return;
    }
    if (tooShortToSplit(old))
        return;
    QString p1, p2;
    if (!twoPartSplit(old, t_, p1, p2) || p2.isEmpty())
        return;  // no cut: left as it is
    splitInTwo(old, p1, p2, QStringLiteral("1"), false);
    ++counts.oneLine;
}

void AggressivePass::twoLines(const QString &old, const QStringList &lines)
{
    QString p1 = lines[0];
    QString p2 = lines[1];
    if (p1.contains(QLatin1String("<i>")) && !p1.contains(QLatin1String("</i>")))
        p1 += QLatin1String("</i>");
    if (p2.contains(QLatin1String("</i>")) && !p2.contains(QLatin1String("<i>")))
        p2.prepend(QLatin1String("<i>"));
    if (tooShortToSplit(old))
        return;
    if (p1.size() > t_)
        punctuationWrap(p1, t_);
    if (p2.size() > t_)
        punctuationWrap(p2, t_);
    splitInTwo(old, p1, p2, QStringLiteral("2"), false);
    ++counts.twoLine;
}

void AggressivePass::threeLinesFitting(const QString &old, const QStringList &lines)
{
    QString text = old;
    bool joined = false;
    if (old.size() <= t_) {
        joinAll(text);
        joined = true;
    } else if (old.size() < 65 && t_ < 65 && !old.startsWith(u'-')) {
        joined = joinFirstPair(text, t_) || joinSecondPair(text, t_);
    }
    if (joined) {
        store(text);
        logRewrap(QStringLiteral("3"), old, text);
        ++counts.threeLine;
        return;
    }
    const QString &l2 = lines[1];
    const bool sentenceEnds = l2.endsWith(u'.') || l2.endsWith(u'!') || l2.endsWith(u'?')
                              || l2.endsWith(u'"');
    if (sentenceEnds)
        splitInTwo(old, lines[0] + u'|' + lines[1], lines[2], QStringLiteral("3"), true);
    else
        splitInTwo(old, lines[0], lines[1] + u'|' + lines[2], QStringLiteral("3"), true);
    ++counts.threeLine;
}

void AggressivePass::threeLinesLong(const QString &old, const QStringList &lines)
{
    if (2 * t_ >= old.size() && !old.startsWith(u'-')) {
        QString text = old;
        joinAll(text);
        spaceWrap(text, t_);
        const qsizetype bar = text.indexOf(u'|');
        if (bar >= 0 && bar <= t_ && text.size() - bar - 1 <= t_) {
            store(text);
            logRewrap(QStringLiteral("3"), old, text);
            ++counts.threeLine;
            return;
        }
    }
    QString l[3] = {lines[0], lines[1], lines[2]};
    const bool long1 = l[0].size() > t_, long2 = l[1].size() > t_, long3 = l[2].size() > t_;
    for (QString &line : l)
        if (line.size() > t_)
            spaceWrap(line, t_);
    if (long1 && !long2 && !long3)
        splitInTwo(old, l[0], l[1] + u'|' + l[2], QStringLiteral("3"), true);
    else if (!long1 && !long2 && long3)
        splitInTwo(old, l[0] + u'|' + l[1], l[2], QStringLiteral("3"), true);
    else
        splitInThree(old, l[0], l[1], l[2]);
    ++counts.threeLine;
}

void AggressivePass::treatRow()
{
    const QString old = cds_.field(Field::Szoveg);
    const LineLengths len = measureLines(old);
    const auto &l = len.l;
    if (!(l[3] == 0 && l[4] == 0 && (l[0] > t_ || l[1] > t_ || l[2] > 0)))
        return;
    const QStringList lines = old.split(u'|');
    if (l[2] > 0) {
        if (l[0] <= t_ && l[1] <= t_ && l[2] <= t_)
            threeLinesFitting(old, lines);
        else
            threeLinesLong(old, lines);
    } else if (l[1] > 0) {
        twoLines(old, lines);
    } else {
        oneLine(old);
    }
}

void showAggressiveEnd(const AggressiveCounts &c)
{
    const QString unsplit = QStringLiteral("De volt ") + QString::number(c.unsplit)
                            + QStringLiteral(" db nem törhető sor!");
    if (c.changed() == 0) {
        showMessageBox(QStringLiteral("Eredmény"), QStringLiteral("info"),
                       QStringLiteral("Nem találtam módosítandó sort!"), false, false, true,
                       c.unsplit > 0 ? unsplit : QString());
        return;
    }
    QStringList lines{
        QStringLiteral("Ennyi sort módosítottam: "),
        QStringLiteral("Egysoros: ") + QString::number(c.oneLine),
        QStringLiteral("Kétsoros: ") + QString::number(c.twoLine),
        QStringLiteral("Háromsoros: ") + QString::number(c.threeLine),
    };
    if (c.unsplit > 0) {
        lines << QStringLiteral("További információ a \"Lista\" gomb alatt!") << unsplit;
    } else {
        lines << QStringLiteral("További információ a Lista gomb alatt!");
    }
    showPlainMessage(lines.join(u'\n'));
}

}  // namespace

AggressiveCounts runAggressiveBreak(EditorModel &model)
{
    SubtitleTable &cds = model.cds;
    AggressivePass pass(model);
    const int remembered = cds.recNo();
    {
        BulkPass bulk(model, BulkPass::Options{true, false});
        model.log.clear();
        const int rows = cds.recordCount();
        cds.first();
        for (int done = 1; done <= rows; ++done) {
            pass.treatRow();
            bulk.progress(done);
            // rows the split inserted are passed over: the cursor stands
            // on the last of them
            cds.next();
        }
        if (pass.counts.changed() > 0)
            model.setModified(true);
        bulk.finish(remembered, true);
    }
    showAggressiveEnd(pass.counts);
    return pass.counts;
}

int runLineHalving(EditorModel &model)
{
    constexpr int shortest = 38;
    constexpr int longest = 72;
    BatchTool tool;
    tool.rules.push_back(makeRule(
        [](QString &s, RowContext &) {
            const qsizetype len = s.size();
            if (s.contains(u'|') || len < shortest || len > longest)
                return false;
            const qsizetype lo = len - shortest;
            qsizetype i = len / 2;
            qsizetype j = i;
            qsizetype take = at(s, i) == u' ' ? i : 0;
            while (take == 0) {
                if (i >= lo)
                    --i;
                if (j <= shortest)
                    ++j;
                if (at(s, i) == u' ')
                    take = i;
                else if (at(s, j) == u' ')
                    take = j;
                if (!(i >= lo || j <= shortest))
                    break;
            }
            if (take == 0)
                return false;
            s[take - 1] = u'|';
            return true;
        },
        EntryForm::spacedColon()));
    return runBatchPass(model, tool);
}
