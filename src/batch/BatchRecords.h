#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdio>

class EditorModel;

// Writes records (UTF-8, fields separated by TAB, a TAB or backslash inside
// a field as \t or \\, one record a line) into one buffer that goes to the
// file in large chunks: a big table's rows are neither copied into lists nor
// flushed one by one. Without a file the bytes stay in memory.
class RecordWriter {
public:
    explicit RecordWriter(std::FILE *file = nullptr);
    ~RecordWriter();
    RecordWriter(const RecordWriter &) = delete;
    RecordWriter &operator=(const RecordWriter &) = delete;

    void field(QStringView text);
    void number(int value);
    void endRecord();
    void record(const QStringList &fields);
    // Writes what is buffered to the file (and flushes the file).
    void flush();
    // A write to the file failed (a full disk, a closed pipe...).
    bool failed() const { return failed_; }
    // What was written, when there is no file.
    QByteArray bytes() const { return buffer_.left(used_); }

private:
    char *room(qsizetype bytes);

    std::FILE *file_;
    QByteArray buffer_;
    qsizetype used_ = 0;
    bool recordStart_ = true;
    bool failed_ = false;
};

// What a command prints, in this order however it was asked for: the type,
// the table's rows, the correction log, then the messages (box and plain) as
// they were shown. Rows and log are taken as they stand when the command ends.
class BatchOutput {
public:
    void setType(const QString &type) { type_ = type; hasType_ = true; }
    void addRows() { rows_ = true; }
    void addLog() { log_ = true; }
    void addMessage(const QStringList &fields) { messages_.append(fields); }
    void print(const EditorModel &model, RecordWriter &out) const;

private:
    bool hasType_ = false;
    QString type_;
    bool rows_ = false;
    bool log_ = false;
    QList<QStringList> messages_;  // first field is "box" or "plain"
};
