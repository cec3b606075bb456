#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <span>
#include <utility>

class EditorModel;
class BatchOutput;

// The headless face of the core. Every command is one entry of a table
// (BatchCommands.cpp lists them in the documented order); parsing and
// --help are generated from that table and from the table of global options.

enum BatchExit { ExitDone = 0, ExitUnreadable = 1, ExitUsage = 2, ExitUnwritable = 3, ExitRefused = 4 };

// A "--word" of a command besides the global options. value names the
// value it takes in the help ("N"); a switch has none.
struct BatchSwitch {
    const char *name;
    const char *value;
    const char *help;
};

struct BatchContext;
using BatchHandler = int (*)(BatchContext &);

inline constexpr const char *switchesMark = "[..]";

struct BatchCommand {
    const char *name;
    const char *operands;                  // "IN OUT": the operand names, in order;
                                           // switchesMark places the switches in the usage
    std::span<const BatchSwitch> switches; // shown in the usage line, in order
    const char *help;
    BatchHandler handler;

    QString synopsis() const;              // "overlap [--repair] ... IN OUT"
    QStringList operandNames() const;
    const BatchSwitch *findSwitch(const QString &name) const;
};

struct BatchArgs {
    QString command;
    QStringList operands;                          // after the command word
    QList<std::pair<QString, QString>> options;    // as given; a switch has an empty value
    bool has(const QString &option) const;
    // The value given last, or fallback.
    QString value(const QString &option, const QString &fallback = QString()) const;
};

struct BatchContext {
    const BatchCommand &command;
    const BatchArgs &args;
    EditorModel &model;
    BatchOutput &out;

    // The operand of that name in the command's usage line.
    QString operand(const char *name) const;
    bool has(const char *option) const { return args.has(QLatin1String(option)); }
};

using BatchCommandList = std::span<const BatchCommand *const>;

// The commands this build has, in the order --help lists them.
BatchCommandList batchCommands();

// A command line checked against the table. error is what to say after
// "kelvo-batch: " (empty for none); withUsage asks for the whole usage text
// after it.
struct BatchCall {
    const BatchCommand *command = nullptr;
    BatchArgs args;
    bool help = false;
    QString error;
    bool withUsage = false;
};
BatchCall parseBatchCall(const QStringList &arguments, BatchCommandList commands);

QString batchUsage(BatchCommandList commands = batchCommands());
// The global options as --help lists them: the term ("--fps TEXT") and its help.
QList<std::pair<QString, QString>> batchOptionHelp();
// Set by the batch tool's own main: the table is left to the system when
// the process ends, which gives a big one back at once instead of row by row.
extern bool batchLeavesTableAtExit;
int runBatch(const QStringList &arguments, BatchCommandList commands = batchCommands());

// Shared steps of the commands (BatchFiles.cpp); each returns a BatchExit.

// Reads IN into the model as the editor would open it (textTarget "1").
// ExitUnreadable after the editor's failure message when the file could not
// be read as a subtitle. The detected type is left in *type.
int readInput(BatchContext &context, const QString &path, QString *type = nullptr);
// The same for a command that writes the table out: a read that stopped
// early or gave no rows is not written over OUT (ExitUnreadable) unless
// --partial asks for what was read.
int readInputToWrite(BatchContext &context, const QString &path);
// "Mentés" of the table under the name path, in the table's own kind, with
// the save-time overlap check as the options say. A name that does not fit
// the kind gets the editor's "Eltérés!" message and nothing is written
// (ExitRefused); a failed write is ExitUnwritable.
int saveTable(BatchContext &context, const QString &path);
// Writes the time-based table to path without the save-time overlap check,
// so the log stays the command's own.
int writeTimeTable(BatchContext &context, const QString &path);
// The same in the table's own kind: a frame-based table as a frame-based
// file, whatever the name says.
int writeTableInItsKind(BatchContext &context, const QString &path);
// Asks for the table's rows when --rows was given, and for the log.
void reportTable(BatchContext &context);
