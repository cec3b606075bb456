#include "files/ReadSession.h"

#include "editor/RowStats.h"

namespace {

const TimeText noTime;

void setText(SubtitleRow &row, Field field, QString text)
{
    if (field == Field::Szoveg2)
        row.szoveg2 = std::move(text);
    else
        row.szoveg = std::move(text);
}

bool isTime(Field field)
{
    return field == Field::Kezdes || field == Field::Befejezes;
}

TimeText &timeOf(SubtitleRow &row, Field field)
{
    return field == Field::Kezdes ? row.kezdes : row.befejezes;
}

const TimeText &timeOf(const SubtitleRow &row, Field field)
{
    return field == Field::Kezdes ? row.kezdes : row.befejezes;
}

}  // namespace

void ReadRows::start(bool second, int rowsBefore, int currentIndex, const SubtitleRow &row)
{
    second_ = second;
    before_ = qMax(0, rowsBefore);
    cur_ = qBound(-1, currentIndex, before_ - 1);
    start_ = qMax(0, cur_);
    current = row;
    state_ = State::Browse;
    eof_ = rowsBefore == 0;
}

void ReadRows::finishPending()
{
    if (state_ == State::Edit || state_ == State::Insert) {
        if (pendingTouched_) {
            post();
        } else {
            if (state_ == State::Insert)
                eof_ = recordCount() == 0;
            state_ = State::Browse;
            pending_ = SubtitleRow();
        }
    }
}

void ReadRows::append()
{
    finishPending();
    pending_ = SubtitleRow();
    pendingTouched_ = false;
    state_ = State::Insert;
    eof_ = false;
}

void ReadRows::edit()
{
    if (state_ == State::Edit || state_ == State::Insert)
        return;
    if (cur_ < 0) {
        // editing an empty table starts a new row, as a dataset does
        append();
        return;
    }
    // A second read writes only Szoveg2, which is all it keeps of a row.
    if (second_)
        pending_ = SubtitleRow();
    else if (cur_ < before_)
        pending_ = current;
    else
        pending_ = rows[size_t(cur_ - before_)];
    pendingTouched_ = false;
    state_ = State::Edit;
}

void ReadRows::post()
{
    if (state_ == State::Insert) {
        rows.push_back(std::move(pending_));
        cur_ = recordCount() - 1;
    } else if (state_ == State::Edit && pendingTouched_) {
        if (second_) {
            const size_t slot = size_t(cur_ - start_);
            if (secondTexts.size() <= slot) {
                secondTexts.resize(slot + 1);
                secondWritten.resize(slot + 1);
            }
            secondTexts[slot] = std::move(pending_.szoveg2);
            secondWritten[slot] = true;
        } else if (cur_ < before_) {
            current = std::move(pending_);
            currentRewritten = true;
        } else {
            rows[size_t(cur_ - before_)] = std::move(pending_);
        }
    }
    state_ = State::Browse;
    pending_ = SubtitleRow();
    pendingTouched_ = false;
}

void ReadRows::next()
{
    finishPending();
    if (cur_ + 1 < recordCount()) {
        eof_ = false;
        ++cur_;
    } else {
        eof_ = true;
    }
}

bool ReadRows::setField(Field field, QStringView value)
{
    if (state_ != State::Edit && state_ != State::Insert) {
        qWarning("ReadRows: a field was set outside edit or insert state");
        return false;
    }
    const QStringView cut = isTextField(field) ? value : value.left(fieldSize(field));
    switch (field) {
    case Field::Sorszam: return false;
    case Field::Sor3: pending_.sor3 = !cut.isEmpty(); break;
    case Field::Betu38: pending_.betu38 = !cut.isEmpty(); break;
    case Field::Kezdes:
    case Field::Befejezes: timeOf(pending_, field) = TimeText(cut); break;
    default: setText(pending_, field, cut.toString()); break;
    }
    pendingTouched_ = true;
    return true;
}

bool ReadRows::setField(Field field, const QString &value)
{
    if (field == Field::Sor3 || field == Field::Betu38 || field == Field::Sorszam
        || isTime(field))
        return setField(field, QStringView(value));
    if (state_ != State::Edit && state_ != State::Insert) {
        qWarning("ReadRows: a field was set outside edit or insert state");
        return false;
    }
    setText(pending_, field, value);
    pendingTouched_ = true;
    return true;
}

bool ReadRows::setTime(Field field, const TimeText &value)
{
    if (state_ != State::Edit && state_ != State::Insert) {
        qWarning("ReadRows: a field was set outside edit or insert state");
        return false;
    }
    timeOf(pending_, field) = value;
    pendingTouched_ = true;
    return true;
}

const SubtitleRow *ReadRows::shown() const
{
    if (state_ == State::Edit || state_ == State::Insert)
        return &pending_;
    if (cur_ >= 0 && !second_)
        return cur_ < before_ ? &current : &rows[size_t(cur_ - before_)];
    return nullptr;
}

QString ReadRows::field(Field field) const
{
    const SubtitleRow *r = shown();
    if (!r)
        return QString();
    return isTime(field) ? timeOf(*r, field).toString()
                         : field == Field::Szoveg2 ? r->szoveg2.text() : r->szoveg;
}

const QString &ReadRows::text() const
{
    static const QString none;
    const SubtitleRow *r = shown();
    return r ? r->szoveg : none;
}

const TimeText &ReadRows::time(Field field) const
{
    const SubtitleRow *r = shown();
    return r ? timeOf(*r, field) : noTime;
}

bool ReadRows::flag(Field field) const
{
    const SubtitleRow *r = shown();
    if (!r)
        return false;
    return field == Field::Sor3 ? r->sor3 : r->betu38;
}

ReadSession::ReadSession(const DecodedText &text, const ReadOptions &o)
    : options(o), second(o.second), withOffset(o.withOffset), lines_(text)
{
    step_ = lines_.count() / 100;
    untilProgress_ = step_;
}

QStringView ReadSession::nextLine()
{
    const QStringView line = lines_.next();
    ++pos_;
    // Only a change of the gauge's value is passed on, so showing progress
    // costs a hundred calls whatever the file's size.
    if (step_ >= 1 && --untilProgress_ == 0) {
        untilProgress_ = step_;
        if (options.progress)
            options.progress(int(pos_ / step_));
    }
    return line;
}

void ReadSession::report(std::initializer_list<QString> lines)
{
    report();
    for (const QString &l : lines)
        log.add(l);
}

CorrectionLog &ReadSession::report()
{
    log.addEmpty();
    reported = true;
    return log;
}

void ReadSession::syncFlag(Field field, bool want, int &count)
{
    if (want == cds.flag(field))
        return;
    if (cds.setField(field, want ? QStringView(u"t") : QStringView()))
        count += want ? 1 : -1;
}

namespace {

const LogPattern longText{u"A/Az ", u". sor szövege hosszabb 220 karakternél: egészben megtartottam."};
const LogPattern longSecondText{
    u"A/Az ", u". sor második szövege hosszabb 220 karakternél: egészben megtartottam."};

}  // namespace

void ReadSession::noteLongText(Field field, qsizetype length)
{
    if (length <= fieldSize(field))
        return;
    const int row = cds.recNo();
    int &last = field == Field::Szoveg2 ? lastLongSecondRow_ : lastLongRow_;
    // a row whose text is stored again is named once
    if (row == last)
        return;
    last = row;
    report().add(field == Field::Szoveg2 ? longSecondText : longText, {row});
}

void ReadSession::storeText(QStringView text, bool startEdit)
{
    if (options.max2 && text.startsWith(u'|')) {
        text = text.mid(1);
        if (text.startsWith(u'|'))
            text = text.mid(1);
    }
    if (startEdit)
        cds.edit();
    cds.setField(Field::Szoveg, text);
    noteLongText(Field::Szoveg, text.size());
    const LineLengths m = measureLines(cds.text());
    syncFlag(Field::Betu38, m.anyLongerThan(options.threshold), overThresholdCount);
    syncFlag(Field::Sor3, m.hasThirdLine(), threeLineCount);
    cds.post();
}

const LogPattern faultRow{u"Ebben a sorban fordult elő a hiba: ", u""};

QString faultRowLine(int n)
{
    return QStringLiteral("Ebben a sorban fordult elő a hiba: ") + QString::number(n);
}
