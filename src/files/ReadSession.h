#pragma once
#include <QString>
#include <QStringView>
#include <functional>
#include <initializer_list>
#include <vector>

#include "document/SubtitleTable.h"
#include <QStringList>
#include "files/TextDecoding.h"
#include "tools/text/CorrectionLog.h"

// The rows a read works on, used the way the table is (append, edit, set
// fields, post, next) but owned by the read: it starts from the row count
// and the current row of the table read into, and only ever appends after
// them (the main subtitle) or fills Szoveg2 of rows already there (the
// second one). Nothing is announced, nothing global is touched.
class ReadRows {
public:
    using State = SubtitleTable::State;

    // rowsBefore rows stand in the table, the cursor on currentIndex (-1:
    // none); current is that row's content, which a main read may rewrite.
    void start(bool second, int rowsBefore, int currentIndex, const SubtitleRow &current);

    void append();
    void edit();
    void post();
    void next();
    bool setField(Field field, QStringView value);
    // A text that fits is shared, not copied.
    bool setField(Field field, const QString &value);
    bool setTime(Field field, const TimeText &value);
    QString field(Field field) const;
    // A time field as stored, for reading it without building a string.
    const TimeText &time(Field field) const;
    // Szoveg as stored.
    const QString &text() const;
    bool flag(Field field) const;

    State state() const { return state_; }
    int recNo() const { return state_ == State::Insert ? recordCount() + 1 : cur_ + 1; }
    int recordCount() const { return before_ + int(rows.size()); }
    bool eof() const { return eof_; }
    int currentIndex() const { return cur_; }
    // The end of the read: a row left open is posted when something was set
    // in it and dropped otherwise, as the table does when the cursor moves.
    void finishPending();

    // What the read produced. Main: the rows appended after the table's own,
    // and the table's current row when the read rewrote it. Second: the
    // Szoveg2 texts of the rows from the start row on (empty slots were not
    // written).
    RowVector<SubtitleRow> rows;
    bool currentRewritten = false;
    SubtitleRow current;
    std::vector<QString> secondTexts;
    std::vector<bool> secondWritten;

private:
    // The row field() reads: the open one, else the current posted one.
    const SubtitleRow *shown() const;

    bool second_ = false;
    int before_ = 0;
    int start_ = 0;
    int cur_ = -1;
    State state_ = State::Browse;
    SubtitleRow pending_;
    bool pendingTouched_ = false;
    bool eof_ = true;
};

// How a read goes: where the texts go and the options that shape them.
struct ReadOptions {
    bool second = false;      // texts go to Szoveg2 of the rows already there
    bool withOffset = false;  // the CD-join read of a second part
    bool max2 = false;        // up to two leading line breaks removed when stored
    int threshold = 37;       // the characters per line that flag a row
    QString cdJoinStart;      // the start typed for the CD join
    // Called with 1..100 as the lines are read (at most a hundred times).
    std::function<void(int)> progress;
};

// What one read shares between its parts: the lines of the decoded file with
// the read position, the rows, the report, the reported and fatal marks.
class ReadSession {
public:
    ReadSession(const DecodedText &text, const ReadOptions &options);

    const ReadOptions &options;
    ReadRows cds;
    CorrectionLog log;  // the report lines, in order
    const bool second;      // texts go to Szoveg2 of existing rows
    const bool withOffset;  // the CD-join read of a second part
    bool reported = false;
    bool fatal = false;
    int secondRowCount = 0;  // rows that received a second text
    int overThresholdCount = 0;
    int threeLineCount = 0;

    bool atEnd() const { return lines_.atEnd(); }
    size_t lineCount() const { return lines_.count(); }
    bool readFailed() const { return lines_.failed(); }
    // The next line; advances the gauge every hundredth of the file.
    QStringView nextLine();

    // Writes one report: an empty line and the given lines.
    void report(std::initializer_list<QString> lines);
    // Opens one report with its empty line; its lines follow through the
    // returned log.
    CorrectionLog &report();
    // The refusal of the frame-based reader and the dotted layout.
    void stopWithMessage() { fatal = true; }

    // Stores a text into Szoveg of the current row (edit first when asked),
    // the leading breaks removed under max2, the flags brought up to date,
    // and posts.
    void storeText(QStringView text, bool startEdit);
    // Names the open row in the report when the text just stored into field
    // is longer than the tools keep a text (it is stored whole).
    void noteLongText(Field field, qsizetype length);

private:
    int lastLongRow_ = 0;
    int lastLongSecondRow_ = 0;
    void syncFlag(Field field, bool want, int &count);

    LineCursor lines_;
    size_t pos_ = 0;
    size_t step_ = 0;
    size_t untilProgress_ = 0;
};

// "Ebben a sorban fordult elő a hiba: " and n.
QString faultRowLine(int n);
extern const LogPattern faultRow;
