#pragma once
#include <QString>
#include <QStringList>
#include <QStringView>
#include <initializer_list>
#include <vector>

// A kind of log line with places for values: the texts around them, in
// order, so a line with two values has three texts. Patterns are made at
// namespace scope (before main) and live as long as the program; the log
// keeps only which pattern a line is and its values, and builds the text
// when it is asked for.
class LogPattern {
public:
    LogPattern(std::initializer_list<QStringView> texts);
    LogPattern(const LogPattern &) = delete;
    LogPattern &operator=(const LogPattern &) = delete;

    quint16 id() const { return id_; }
    int valueCount() const { return int(texts_.size()) - 1; }
    const QString &text(int i) const { return texts_[size_t(i)]; }

private:
    std::vector<QString> texts_;
    quint16 id_ = 0;
};

// A value of a log line: a text or a whole number.
class LogValue {
public:
    LogValue(QStringView text) : text_(text) {}
    LogValue(const QString &text) : text_(text) {}
    LogValue(const char16_t *text) : text_(text) {}
    LogValue(int number) : number_(number), isNumber_(true) {}

    QStringView text() const { return text_; }
    int number() const { return number_; }
    bool isNumber() const { return isNumber_; }

private:
    QStringView text_;
    int number_ = 0;
    bool isNumber_ = false;
};

// The correction log: the lines the report window lists. The reader, the
// text tools, search and replace and the overlap check each clear it and
// write their entries. It also keeps how the report window presents it.
// A big file can give millions of lines, so they are kept as a pattern and
// values in one shared buffer, not as a string each.
class CorrectionLog {
public:
    void clear();
    void add(const QString &line);
    void add(const LogPattern &pattern, std::initializer_list<LogValue> values = {});
    void addEmpty();
    // The standard entry header: an empty line, "Melyik sorban volt: " and
    // the row, then by kind "Miből: ", "Kritikus sor: " or "Törölve: " with
    // the text. Other kinds write only the first two lines.
    void entryHeader(const QString &kind, int row, const QString &text);
    // The lines of other after these; other is left empty.
    void append(CorrectionLog &&other);

    // Every line, built now.
    QStringList lines() const;
    QString line(int index) const;
    // The line into out, reusing its room.
    void lineInto(int index, QString &out) const;
    bool isEmpty() const { return refs_.empty(); }
    int size() const { return int(refs_.size()); }

    // Caption of the report window and whether its two headings show.
    QString caption;
    bool headingsVisible = true;

private:
    void addValue(const LogValue &value);

    // per line: the pattern's id in the top 16 bits, where its values
    // begin in values_ below
    std::vector<quint64> refs_;
    std::vector<char16_t> values_;
};
