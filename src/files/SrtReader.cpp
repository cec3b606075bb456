#include "files/SrtReader.h"

#include "document/TimeCode.h"
#include "files/LineClasses.h"

namespace {

int rowOrOne(int n)
{
    return n == 0 ? 1 : n;
}

const LogPattern droppedAfterTimes{u"A/Az ", u". sor időkódja után álló részt mentéskor nem írom ki: ", u""};

const QString separator = QStringLiteral("|");
const QString twoSeparators = QStringLiteral("||");

// The reports, kept as their values until the log is shown.
const LogPattern timeFault{u"Hiba oka: időeltérés"};
const LogPattern timeRead{u"Beolvasott idő: ", u""};
const LogPattern timeFixed{u"Javított idő:      ", u""};
const LogPattern leadingSpace{u"Hiba oka: sor elején space van->törölve a space"};
const LogPattern faultyLineHeading{u"A hibás sor:"};
const LogPattern spacedLine{u" ", u""};
const LogPattern newLineHeading{u"Új sor:"};
const LogPattern wholeLine{u"", u""};
const LogPattern numberFormatFault{u"Hiba oka: számformátumhiba"};
const LogPattern numberFormatLine{
    u"Ezelőtt a sor előtt rossz volt a számformátum/Pl.:0:00:01,135/: ", u""};
const LogPattern numberFormatFixed{u"Javítás utáni sor így néz ki: ", u" --> ", u""};
const LogPattern missingNumberFault{u"Hiba oka: sorszámprobléma"};
const LogPattern missingNumberLine{u"Ezelőtt a sor előtt nem volt sorszám: ", u""};
const LogPattern orderFault{u"Hiba oka: a kezdő idő nagyobb mint a befejező idő"};
const LogPattern orderLine{u"A hibás sor: ", u" --> ", u""};
const LogPattern overlapFault{u"Hiba oka: a kezdő idő kevesebb mint az előző sor befejező ideje"};
const LogPattern overlapEnd{u"A/Az ", u". sor Befejező ideje: ", u""};
const LogPattern overlapStart{u"A/Az ", u". sor Kezdő ideje:     ", u""};
const LogPattern separatorFault{u"Hiba oka: sorelválasztó probléma"};
const LogPattern separatorLine{u"A sor: ", u""};

}  // namespace

TimeText checkTimeCode(ReadSession &session, const TimeText &stored)
{
    if (!stored.hasTimeCodeShape())
        return zeroTimeCode;
    const int minutes = stored.digitAt(3) * 10 + stored.digitAt(4);
    const int seconds = stored.digitAt(6) * 10 + stored.digitAt(7);
    // Below sixty the round trip through seconds gives the time back.
    if (minutes < 60 && seconds < 60)
        return stored;
    const TimeText::Chars chars = stored.chars();
    const QStringView time = chars;
    QString fixed = secondsToTimeCode(timeCodeToSeconds(time));
    // 99 minutes and seconds on 99 hours pass a hundred hours, which no
    // time code holds.
    if (fixed.size() > 12)
        fixed = QStringLiteral("99:59:59,999");
    if (fixed == time)
        return stored;
    CorrectionLog &log = session.report();
    log.add(timeFault);
    log.add(faultRow, {rowOrOne(session.cds.recordCount())});
    log.add(timeRead, {time});
    log.add(timeFixed, {fixed});
    return fixed;
}

void PendingText::set(QStringView line)
{
    text_.resize(0);
    text_ += line;
    settled_ = 0;
}

void PendingText::clear()
{
    text_.resize(0);
    settled_ = 0;
}

void PendingText::append(QStringView sep, QStringView line)
{
    text_ += sep;
    text_ += line;
}

// Whether a run of spaces goes depends only on its two neighbours, so the
// text up to its last cleaned character other than a space stays as it is;
// only what follows is looked at again. A long entry stays linear.
void PendingText::clean()
{
    const QStringView tail = QStringView(text_).mid(settled_);
    if (needsCleaning(tail))
        text_ = text_.left(settled_) + cleanText(tail.toString());
    qsizetype last = text_.size();
    while (last > settled_ && text_[last - 1].unicode() == u' ')
        --last;
    // the character before the spaces stays, as their neighbour
    settled_ = last > 0 ? last - 1 : 0;
}

SrtReader::SrtReader(ReadSession &session) : s_(session), lastTimeEnd_(zeroTimeCode)
{
    pending_.clear();
}

bool SrtReader::mustStop() const
{
    if (!s_.second)
        return false;
    if (pastLastRow_)
        return true;
    return state_ == '4' && s_.cds.recNo() == s_.cds.recordCount();
}

void SrtReader::readSrtLine(QStringView line)
{
    const char before = state_;
    if (isEmptyLine(line)) {
        if (state_ == '2')
            blankAfterTimes_ = true;
        if (state_ == '3')
            pending_.clean();
        ++blankCount_;
        state_ = '4';
    } else {
        readTextLine(line);
    }
    previousState_ = before;
    if (!reachedText_ && state_ == '2') {
        reachedText_ = true;
        if (s_.withOffset && !s_.second) {
            activateOffset();
            if (before == '1')
                lastTimeEnd_ = s_.cds.time(Field::Befejezes);
        }
    }
}

// The first text line of an entry; a leading space is removed and reported.
void SrtReader::takeFirstTextLine(QStringView line)
{
    if (line[0].unicode() == u' ') {
        const QStringView repaired = line.mid(1);
        CorrectionLog &log = s_.report();
        log.add(leadingSpace);
        log.add(faultRow, {s_.cds.recordCount() + 1});
        log.add(faultyLineHeading);
        log.add(spacedLine, {repaired});
        log.add(newLineHeading);
        log.add(wholeLine, {repaired});
        pending_.set(repaired);
    } else {
        pending_.set(line);
    }
    pendingMark_ = true;
    state_ = '3';
}

// One state machine for both subtitles; they part only in what an entry's
// end stores (a row of its own, or Szoveg2 of the current row) and in what
// the main subtitle repairs and reports.
void SrtReader::readTextLine(QStringView line)
{
    const bool main = !s_.second;
    switch (state_) {
    case '1':
        if (main)
            startMainEntry(line);
        else
            state_ = '2';
        break;
    case '2':
        takeFirstTextLine(line);
        break;
    case '3':
        if (isTimeLine(line, false)) {
            // The blank line and number are missing: the entry ends here.
            pending_.clean();
            if (main) {
                pendingMark_ = false;
                storePending(false);
            } else if (pendingMark_) {
                storeSecond(true);
            }
            beginEntry();
            if (main) {
                appendTimeRow(line);
                checkRow();
            }
            state_ = '2';
        } else {
            pending_.append(separator, line);
            pendingMark_ = true;
        }
        break;
    case '4':
        if (isTimeLine(line, false)) {
            if (main)
                timeLineWithoutNumber(line);
            else if (pendingMark_)
                storeSecond(true);
            if (!main)
                beginEntry();
            state_ = '2';
        } else if (isNumberLine(line)) {
            if (pendingMark_) {
                if (main) {
                    storePending(true);
                    checkRow();
                } else {
                    storeSecond(true);
                }
                // Stored: a later number must not store the empty text over it.
                pendingMark_ = false;
            }
            pending_.clear();
            state_ = '1';
        } else {
            if (main)
                reopenForStrayText();
            pending_.append(blankAfterTimes_ ? separator : twoSeparators, line);
            pendingMark_ = true;
            state_ = '3';
        }
        break;
    }
}

void SrtReader::beginEntry()
{
    pending_.clear();
    pendingMark_ = false;
    blankAfterTimes_ = false;
    blankCount_ = 0;
}

// The main subtitle's line after a number: its time line, or a faulty one
// that opens a row at the last end time.
void SrtReader::startMainEntry(QStringView line)
{
    ReadRows &cds = s_.cds;
    if (isTimeLine(line, true)) {
        appendTimeRow(line);
        lastTimeEnd_ = cds.time(Field::Befejezes);
        blankAfterTimes_ = false;
        blankCount_ = 0;
        state_ = '2';
        return;
    }
    CorrectionLog &log = s_.report();
    log.add(numberFormatFault);
    log.add(faultRow, {cds.recordCount()});
    log.add(numberFormatLine, {line});
    log.add(numberFormatFixed, {lastTimeEnd_.chars().view(), lastTimeEnd_.chars().view()});
    rememberPreviousEnd();
    cds.append();
    cds.setTime(Field::Kezdes, lastTimeEnd_);
    cds.setTime(Field::Befejezes, lastTimeEnd_);
    pending_.set(line);
    pendingMark_ = true;
    state_ = '3';
}

// A time line after a blank line, its number missing: the entry before
// ends and a new row starts, reported.
void SrtReader::timeLineWithoutNumber(QStringView line)
{
    ReadRows &cds = s_.cds;
    // A row stored at its number was checked then: not twice.
    bool toCheck = true;
    if (previousState_ != '1')
        toCheck = storePending(false);
    else
        cds.append();
    beginEntry();
    if (toCheck)
        checkRow();
    const int n = cds.recordCount();
    appendTimeRow(line);
    CorrectionLog &log = s_.report();
    log.add(missingNumberFault);
    log.add(faultRow, {n + 1});
    log.add(missingNumberLine, {line});
}

// A stray text after an entry's number and blank line joins the posted
// row's text instead of replacing it.
void SrtReader::reopenForStrayText()
{
    ReadRows &cds = s_.cds;
    const bool reopensPosted = cds.state() == ReadRows::State::Browse && cds.recNo() > 0
                               && !pendingMark_ && pending_.text().isEmpty();
    cds.edit();
    if (reopensPosted)
        pending_.set(cds.field(Field::Szoveg));
}

void SrtReader::finish()
{
    if (!pendingMark_)
        return;
    if (s_.second) {
        if (!pastLastRow_)
            storeSecond(false);
    } else {
        storePending(true);
    }
    pendingMark_ = false;
}

void SrtReader::rememberPreviousEnd()
{
    if (s_.cds.recNo() > 0) {
        previousEndText_ = s_.cds.time(Field::Befejezes);
        previousEnd_ = timeCodeToMs(previousEndText_);
    }
}

void SrtReader::appendTimeRow(QStringView line)
{
    ReadRows &cds = s_.cds;
    rememberPreviousEnd();
    cds.append();
    TimeText start, end;
    timeLineTimes(line, start, end);
    start = checkTimeCode(s_, start);
    end = checkTimeCode(s_, end);
    if (offsetActive_) {
        start = moveByOffset(start);
        end = moveByOffset(end);
    }
    cds.setTime(Field::Kezdes, start);
    cds.setTime(Field::Befejezes, end);
    // What follows the end time (coordinates, say) is not kept for saving.
    const QStringView rest = line.mid(29).trimmed();
    if (!rest.isEmpty())
        s_.report().add(droppedAfterTimes, {cds.recNo(), rest});
}

TimeText SrtReader::moveByOffset(const TimeText &time) const
{
    const qint64 ms = timeCodeToMs(time);
    return movedMsToTimeCode(ms - offsetMs_, ms);
}

void SrtReader::activateOffset()
{
    ReadRows &cds = s_.cds;
    offsetMs_ = timeCodeToMs(cds.time(Field::Kezdes))
                - timeCodeToMs(s_.options.cdJoinStart);
    offsetActive_ = true;
    cds.setTime(Field::Kezdes, moveByOffset(cds.time(Field::Kezdes)));
    cds.setTime(Field::Befejezes, moveByOffset(cds.time(Field::Befejezes)));
}

bool SrtReader::storePending(bool startEdit)
{
    ReadRows &cds = s_.cds;
    // Nothing is open to store into: storing would overwrite a posted row.
    if (!startEdit && cds.state() == ReadRows::State::Browse)
        return false;
    s_.storeText(pending_.text(), startEdit);
    return true;
}

void SrtReader::storeSecond(bool moveOn)
{
    ReadRows &cds = s_.cds;
    if (cds.recordCount() == 0 || pastLastRow_)
        return;
    cds.edit();
    // a copy of its own size, not the working buffer
    cds.setField(Field::Szoveg2, QStringView(pending_.text()));
    s_.noteLongText(Field::Szoveg2, pending_.text().size());
    cds.post();
    ++s_.secondRowCount;
    if (moveOn) {
        cds.next();
        pastLastRow_ = cds.eof();
    }
}

void SrtReader::checkRow()
{
    ReadRows &cds = s_.cds;
    const int n = cds.recordCount();
    const TimeText &startText = cds.time(Field::Kezdes);
    const TimeText &endText = cds.time(Field::Befejezes);
    const qint64 start = timeCodeToMs(startText);
    const qint64 end = timeCodeToMs(endText);
    bool reportedOrder = false;
    if (start > end && n != lastReportedRow_) {
        CorrectionLog &log = s_.report();
        log.add(orderFault);
        log.add(faultRow, {rowOrOne(n)});
        log.add(orderLine, {startText.chars().view(), endText.chars().view()});
        lastReportedRow_ = rowOrOne(n);
        reportedOrder = true;
    }
    if (!reportedOrder && start < previousEnd_ && n != lastReportedRow_) {
        const int row = n > 1 ? n : 2;
        CorrectionLog &log = s_.report();
        log.add(overlapFault);
        log.add(overlapEnd, {row - 1, previousEndText_.chars().view()});
        log.add(overlapStart, {row, startText.chars().view()});
        lastReportedRow_ = n > 1 ? n : 1;
    }
    const QString &text = cds.text();
    if (!text.isEmpty() && text[0].unicode() == u'|') {
        CorrectionLog &log = s_.report();
        log.add(separatorFault);
        log.add(faultRow, {n == 0 ? 1 : cds.recNo()});
        log.add(separatorLine, {text});
    }
}
