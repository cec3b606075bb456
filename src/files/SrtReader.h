#pragma once
#include <QString>
#include <QStringView>

#include "files/ReadSession.h"

// Normalises a rebuilt time: a malformed one becomes 00:00:00,000 without a
// report; minutes or seconds of 60 and more are carried over with the
// time-discrepancy report.
TimeText checkTimeCode(ReadSession &session, const TimeText &time);

// The text of one entry while it is read, however long; cleaning looks
// only at what was added since the last cleaning.
class PendingText {
public:
    void set(QStringView line);
    void clear();
    void append(QStringView separator, QStringView line);
    void clean();
    // Stored through a view, so the copy has the text's own size and the
    // working buffer keeps its capacity.
    const QString &text() const { return text_; }

private:
    QString text_;
    // text_ before this index is clean and no later line can change it
    qsizetype settled_ = 0;
};

// The time-based reader's state machine, one line at a time, for the main
// subtitle (rows appended) or the second one (Szoveg2 of the rows from the
// current one on).
class SrtReader {
public:
    explicit SrtReader(ReadSession &session);

    void readSrtLine(QStringView line);
    // Second subtitle: the table has no row left for what follows.
    bool mustStop() const;
    // At the end of the file (or the stop): the entry being read is stored.
    void finish();

private:
    void readTextLine(QStringView line);
    void beginEntry();
    void startMainEntry(QStringView line);
    void timeLineWithoutNumber(QStringView line);
    void reopenForStrayText();
    void appendTimeRow(QStringView line);
    void takeFirstTextLine(QStringView line);
    void rememberPreviousEnd();
    // False when the row had been stored already and nothing was open.
    bool storePending(bool startEdit);
    void storeSecond(bool moveOn);
    void checkRow();
    TimeText moveByOffset(const TimeText &time) const;
    void activateOffset();

    ReadSession &s_;
    char state_ = '1';
    char previousState_ = '1';
    PendingText pending_;
    bool pendingMark_ = false;
    bool blankAfterTimes_ = false;
    int blankCount_ = 0;
    TimeText lastTimeEnd_;
    // in milliseconds: ordered as the times' seconds are, and cheap
    qint64 previousEnd_ = 0;
    TimeText previousEndText_;
    int lastReportedRow_ = 0;
    bool reachedText_ = false;
    bool offsetActive_ = false;
    qint64 offsetMs_ = 0;
    bool pastLastRow_ = false;
};
