#include "tools/text/SoundNames.h"

#include <QStringView>
#include <exception>

#include "app/MessageBox.h"
#include "document/DocumentGlobals.h"
#include "editor/BulkPass.h"
#include "editor/EditorModel.h"
#include "editor/RowText.h"
#include "tools/text/CorrectionLog.h"

namespace {

// A row that changes on every examination would hold the pass for ever.
constexpr int maxExaminations = 1000;

QChar charAt(QStringView t, qsizetype i)
{
    return i >= 0 && i < t.size() ? t[i] : QChar();
}

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isCapital(QChar c) { return c >= u'A' && c <= u'Z'; }

// Upper case of a to z only: accented letters stay as they are.
QString asciiUpper(QStringView t)
{
    QString out = t.toString();
    for (QChar &c : out)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
    return out;
}

// An "l" between two capitals is an "I" misread; the scan stops at the
// first "l" that is not.
QString recognitionCopy(QString copy)
{
    qsizetype p = copy.indexOf(u'l');
    while (p >= 0) {
        if (!(p > 0 && isCapital(charAt(copy, p - 1)) && isCapital(charAt(copy, p + 1))))
            break;
        copy[p] = u'I';
        p = copy.indexOf(u'l', p + 1);
    }
    return copy;
}

bool isSpeakerName(const QString &candidate)
{
    const QString copy = recognitionCopy(candidate);
    if (copy == asciiUpper(copy))
        return true;
    return copy.startsWith(QLatin1String("<i>"))
           && QLatin1String("<i>") + asciiUpper(QStringView(copy).mid(3)) == copy;
}

class Pass {
public:
    Pass(EditorModel &model, bool extra) : model_(model), log_(model.log), extra_(extra) {}

    SoundNamesResult result;

    // One examination of the current row. Returns whether the row was
    // deleted; `changed` tells whether a step marked it changed.
    bool examine(int row, bool &changed);

private:
    EditorModel &model_;
    CorrectionLog &log_;
    bool extra_;
    QString t_;
    int row_ = 0;
    bool changed_ = false;
    bool deleted_ = false;

    void store() { writeRowText(model_, t_, true, false, true); }
    void mire() { log_.add(QStringLiteral("Mire:   ") + t_); }
    void critical()
    {
        log_.entryHeader(QStringLiteral("kri"), row_, t_);
        ++result.critical;
    }
    void change()
    {
        ++result.changes;
        changed_ = true;
    }
    void removeRow();
    // The row deletion primitive: logged, deleted, counted.
    void deleteRowLogged()
    {
        log_.entryHeader(QStringLiteral("tor"), row_, t_);
        t_.clear();
        store();
        removeRow();
        change();
    }

    void credits();
    void leadingColonBreak();
    bool speakerName();  // true: the digit test made the row critical
    void shortLabel();
    void remarks(QChar open, QChar close, bool brackets);
    void leadingRemark(QChar open, QChar close, bool brackets);
    void trailingRemark(QChar open, QChar close, bool brackets);
    void italicRemark();
    void dialogueRemark(QChar open, QChar close);
    void innerRemark(QChar open, QChar close);
    void emptyItalics();
};

void Pass::removeRow()
{
    SubtitleTable &cds = model_.cds;
    if (cds.field(Field::Betu38) == QLatin1String("t"))
        --model_.overThresholdCount;
    if (cds.field(Field::Sor3) == QLatin1String("t"))
        --model_.threeLineCount;
    cds.remove();
    model_.announceCounts();
    deleted_ = true;
}

bool Pass::examine(int row, bool &changed)
{
    row_ = row;
    t_ = model_.cds.field(Field::Szoveg);
    changed_ = false;
    deleted_ = false;
    credits();
    if (!deleted_)
        leadingColonBreak();
    // a digit beside the colon sends the row straight to the remarks
    const bool digitCritical = !deleted_ && speakerName();
    if (!deleted_ && extra_ && !digitCritical)
        shortLabel();
    if (!deleted_)
        remarks(u'(', u')', false);
    if (!deleted_)
        remarks(u'[', u']', true);
    if (!deleted_)
        emptyItalics();
    changed = changed_;
    return deleted_;
}

void Pass::credits()
{
    for (const QString &line : creditLines())
        if (t_.contains(line)) {
            deleteRowLogged();
            return;
        }
}

void Pass::leadingColonBreak()
{
    if (!t_.startsWith(QLatin1String(":|")))
        return;
    log_.entryHeader(QStringLiteral("mib"), row_, t_);
    t_.remove(0, 2);
    mire();
    store();
    ++result.changes;  // counted, but no reason to look at the row again
}

bool Pass::speakerName()
{
    qsizetype c = t_.indexOf(u':');
    if (c < 0)
        return false;
    const qsizetype s = t_.indexOf(u'|');
    const bool laterLine = s >= 0 && s < c;
    QString candidate;
    if (laterLine) {
        candidate = t_.mid(s + 1, c - s - 1);
    } else {
        candidate = t_.left(c);
        if (candidate.startsWith(u' ')) {
            candidate.remove(0, 1);
            t_.remove(0, 1);
            --c;
        }
    }
    if (candidate.isEmpty())
        return false;
    if ((isDigit(candidate.front()) || isDigit(candidate.back()))
        && !candidate.contains(QLatin1String("MAN 1")) && !candidate.contains(QLatin1String("MAN 2"))) {
        critical();  // a time such as 12:30 stays
        return true;
    }
    if (!isSpeakerName(candidate)) {
        if (!t_.startsWith(u'('))
            critical();
        return false;
    }
    log_.entryHeader(QStringLiteral("mib"), row_, t_);
    change();
    const bool italic = !laterLine && candidate.startsWith(QLatin1String("<i>"));
    const QChar n = charAt(t_, c + 1);
    if (n == u' ' || n == u'|') {
        if (laterLine) {
            t_.remove(s + 1, c - s + 1);
            t_.insert(s + 1, QLatin1String("- "));
        } else if (italic) {
            t_.remove(3, c - 2);
            if (charAt(t_, 3) == u'|' || charAt(t_, 3) == u' ')
                t_.remove(3, 1);
            t_.insert(3, QLatin1String("- "));
        } else {
            t_.remove(0, c + 2);
            t_.insert(0, QLatin1String("- "));
            if (charAt(t_, 2) == u'|')
                t_.remove(2, 1);
        }
    } else if (laterLine) {
        t_.remove(s + 1, c - s);
        t_.insert(s + 1, QLatin1String("- "));
    } else if (italic) {
        t_.remove(3, c - 2);
    } else {
        t_.remove(0, c + 1);
    }
    mire();
    store();
    return false;
}

void Pass::shortLabel()
{
    const qsizetype c = t_.indexOf(u':');
    if (c < 1 || c > 7 || t_.contains(u'(') || t_.contains(u'['))
        return;
    if (isDigit(t_.front()) || isDigit(t_[c - 1]))
        return;
    log_.entryHeader(QStringLiteral("mib"), row_, t_);
    t_.remove(0, c + 1);
    if (charAt(t_, 0) == u' ' || charAt(t_, 0) == u'|')
        t_.remove(0, 1);
    change();
    mire();
    store();
}

void Pass::remarks(QChar open, QChar close, bool brackets)
{
    leadingRemark(open, close, brackets);
    if (!deleted_)
        trailingRemark(open, close, brackets);
    if (!deleted_ && !brackets)
        italicRemark();
    if (!deleted_)
        dialogueRemark(open, close);
    if (!deleted_)
        innerRemark(open, close);
}

void Pass::leadingRemark(QChar open, QChar close, bool brackets)
{
    const qsizetype o = t_.indexOf(open);
    const qsizetype e = t_.indexOf(close);
    if (!(o == 0 || (!brackets && o == 1 && t_.startsWith(u' '))))
        return;
    if (e >= 0 && e == t_.size() - 1) {
        // the whole text is a remark
        deleteRowLogged();
        return;
    }
    const QChar after = charAt(t_, e + 1);
    if (e < 0 || !(after == u' ' || after == u':' || after == u'|'))
        return;
    const QString before = t_;
    t_.remove(0, e + 2);
    change();
    if (t_.isEmpty()) {
        log_.entryHeader(QStringLiteral("tor"), row_, before);
        store();  // the row stays, empty
        return;
    }
    log_.entryHeader(QStringLiteral("mib"), row_, before);
    if (t_.startsWith(u'|'))
        t_.remove(0, 1);
    mire();
    store();
}

void Pass::trailingRemark(QChar open, QChar close, bool brackets)
{
    const qsizetype o = t_.indexOf(open);
    const qsizetype e = t_.indexOf(close);
    if (e < 0 || e != t_.size() - 1)
        return;
    if (brackets ? !(o > 3 && o < e) : !(o > 2))
        return;
    const QChar b = t_[o - 1];
    if (b != u'|' && b != u' ')
        return;
    log_.entryHeader(QStringLiteral("mib"), row_, t_);
    t_.truncate(o - 1);
    if (t_.endsWith(QLatin1String("|-"))) {
        t_.chop(2);
        result.dashHint = true;
    }
    change();
    mire();
    store();
}

void Pass::italicRemark()
{
    if (!t_.startsWith(QLatin1String("<i>(")) || !t_.contains(u')'))
        return;
    const QString before = t_;
    log_.add(QString());
    log_.add(QStringLiteral("Melyik sorban volt: ") + QString::number(row_));
    const qsizetype e = t_.indexOf(u')');
    t_.remove(3, e - 2);
    if (charAt(t_, 3) == u' ')
        t_.remove(3, 1);
    change();
    if (QStringView(t_).mid(3).startsWith(QLatin1String("</i>"))) {
        t_.remove(0, 7);
        if (t_.isEmpty()) {
            log_.add(QStringLiteral("Törölve: ") + before);
            store();
            removeRow();
            return;
        }
    } else if (charAt(t_, 3) == u'|') {
        t_.remove(3, 1);
    }
    log_.add(QStringLiteral("Miből: ") + before);
    mire();
    store();
}

void Pass::dialogueRemark(QChar open, QChar close)
{
    const QString dashOpen = QStringLiteral("- ") + open;
    const qsizetype f = t_.indexOf(dashOpen);
    const qsizetype e = t_.indexOf(close);
    if (f < 0 || !(f < e))
        return;
    log_.entryHeader(QStringLiteral("mib"), row_, t_);
    change();
    if (e == t_.size() - 1) {
        t_.truncate(f);
        if (t_.isEmpty()) {
            mire();
            store();
            removeRow();
            return;
        }
        if (t_.startsWith(u'|'))
            t_.remove(0, 1);
    } else {
        t_.remove(f + 2, e - f - 1);
        if (charAt(t_, f + 2) == u' ')
            t_.remove(f + 2, 1);
        else if (charAt(t_, f + 2) == u'|')
            t_.remove(f, 3);
    }
    mire();
    store();
}

void Pass::innerRemark(QChar open, QChar close)
{
    if (changed_)
        return;
    const qsizetype o = t_.indexOf(open);
    const qsizetype e = t_.indexOf(close);
    if (!(o > 0 && e >= 0 && o < e))
        return;
    log_.entryHeader(QStringLiteral("mib"), row_, t_);
    t_.remove(o, e - o + 1);
    if (charAt(t_, o - 1) == u' ')
        t_.remove(o - 1, 1);
    if (charAt(t_, o) == u' ')
        t_.remove(o, 1);
    change();
    mire();
    store();
}

void Pass::emptyItalics()
{
    if (t_ == QLatin1String("<i></i>"))
        deleteRowLogged();
}

void showEndMessage(const SoundNamesResult &r)
{
    const QString more = QStringLiteral("További információt a \"Lista\" gomb alatt találsz!");
    const QString changed = QStringLiteral("Ennyit módosítottam: ") + QString::number(r.changes);
    if (r.changes > 0) {
        QString middle;
        if (r.dashHint)
            middle = QStringLiteral("Érdemes a \"1*-\" gombot is használni!");
        else if (r.critical > 0)
            middle = QStringLiteral("Ennyi kritikus sort találtam: ") + QString::number(r.critical);
        else
            middle = QStringLiteral("Nem volt kritikus sor!");
        showPlainMessage(changed + u'\n' + middle + u'\n' + more);
    } else if (r.critical > 0) {
        showMessageBox(QStringLiteral("Eredmény"), QStringLiteral("info"),
                       QStringLiteral("Nem találtam módosítandó sort!"), false, false, true,
                       QStringLiteral("Ennyi kritikus sort találtam: ") + QString::number(r.critical));
    } else {
        showMessageBox(QStringLiteral("Eredmény"), QStringLiteral("info"),
                       QStringLiteral("Nem találtam módosítandó sort!"), false, false, true);
    }
}

}  // namespace

const QStringList &creditLines()
{
    // What subtitles made for the hard of hearing really carry.
    static const QStringList lines{
        QStringLiteral("Transcript: Szotyi"),
        QStringLiteral("Transcript : Szotyi"),
        QStringLiteral("www.feliratkereso.hu"),
    };
    return lines;
}

SoundNamesResult runSoundNames(EditorModel &model, bool extra)
{
    SubtitleTable &cds = model.cds;
    Pass pass(model, extra);
    const int remembered = cds.recNo();
    try {
        BulkPass bulk(model, BulkPass::Options{true, true});
        model.log.clear();
        int row = 1;
        int examinations = 0;
        while (row <= cds.recordCount()) {
            if (cds.recNo() != row)
                cds.setRecNo(row);
            bool changed = false;
            if (pass.examine(row, changed)) {
                examinations = 0;  // the next row took this place
                continue;
            }
            if (changed && ++examinations < maxExaminations)
                continue;
            examinations = 0;
            bulk.progress(row);
            ++row;
        }
        if (pass.result.changes > 0)
            model.setModified(true);
        bulk.finish(remembered, true);
    } catch (const std::exception &) {
        // the guard has already given the editor back; changed rows stay
        showPlainMessage(QStringLiteral("Hiba történt a folyamat alatt!\n")
                         + QStringLiteral("Ha gondolod küld el ezt a feliratot erre a címre: ")
                         + faultContactAddress);
        return pass.result;
    }
    showEndMessage(pass.result);
    if (model.host())
        model.host()->focusGrid();
    return pass.result;
}
