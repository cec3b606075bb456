#pragma once
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class EditorModel;

// The headless face of the core. Each command lives in its own file and
// registers itself with a BatchCommand object at static initialisation.

enum BatchExit { ExitDone = 0, ExitUnreadable = 1, ExitUsage = 2, ExitUnwritable = 3, ExitRefused = 4 };

struct BatchArgs {
    QStringList positional;             // after the command word
    QHash<QString, QString> options;    // "--fps" -> "25", "--max2" -> ""
    bool has(const QString &option) const { return options.contains(option); }
    QString value(const QString &option, const QString &fallback = QString()) const
    {
        return options.value(option, fallback);
    }
};

// Records written to standard output at the end of a command, in this order:
// type, rows, log, then the messages (box and plain) as they were shown.
class BatchOutput {
public:
    void setType(const QString &type) { type_ = type; hasType_ = true; }
    void addRows(const EditorModel &model);  // every row of the table
    void addLog(const EditorModel &model);   // the correction log as it stands
    void addMessage(const QStringList &fields) { messages_.append(fields); }
    void print() const;

    static QString escape(const QString &field);

private:
    bool hasType_ = false;
    QString type_;
    QList<QStringList> rows_;
    QStringList log_;
    QList<QStringList> messages_;  // first field is "box" or "plain"
};

struct BatchContext {
    BatchArgs args;
    EditorModel &model;
    BatchOutput &out;
};

using BatchHandler = std::function<int(BatchContext &)>;

struct BatchCommand {
    // usage: the line shown by --help, e.g. "read IN"; switches: the
    // command's own "--word" switches besides the global options.
    BatchCommand(const char *name, const char *usage, int minArgs, int maxArgs,
                 BatchHandler handler, QStringList switches = {});
};

// Options that take a value; every other "--word" is a switch.
void registerValueOption(const QString &option);

int runBatch(const QStringList &arguments);
QString batchUsage();

// Reads IN into the model as the editor would open it (textTarget "1").
// Returns ExitDone, or ExitUnreadable after printing the editor's failure
// message when the file could not be read as a subtitle. The detected type
// is left in *type.
int readInput(BatchContext &context, const QString &path, QString *type = nullptr);
// The same for a command that writes the table out: a read that stopped
// early or gave no rows is not written over OUT (ExitUnreadable) unless
// --partial asks for what was read.
int readInputToWrite(BatchContext &context, const QString &path);
