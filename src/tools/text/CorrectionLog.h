#pragma once
#include <QString>
#include <QStringList>

// The correction log: the lines the report window lists. The reader, the
// text tools, search and replace and the overlap check each clear it and
// write their entries. It also keeps how the report window presents it.
class CorrectionLog {
public:
    void clear() { lines_.clear(); }
    void add(const QString &line) { lines_.append(line); }
    // The standard entry header: an empty line, "Melyik sorban volt: " and
    // the row, then by kind "Miből: ", "Kritikus sor: " or "Törölve: " with
    // the text. Other kinds write only the first two lines.
    void entryHeader(const QString &kind, int row, const QString &text);

    const QStringList &lines() const { return lines_; }
    bool isEmpty() const { return lines_.isEmpty(); }
    int size() const { return int(lines_.size()); }

    // Caption of the report window and whether its two headings show.
    QString caption;
    bool headingsVisible = true;

private:
    QStringList lines_;
};
