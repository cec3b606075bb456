#include "batch/Batch.h"

#include <QTextStream>
#include <cstdio>
#include <memory>
#include <new>

#include "app/MessageBox.h"
#include "app/ModeGlobals.h"
#include "batch/BatchRecords.h"
#include "editor/EditorModel.h"
#include "tools/timing/FpsConversion.h"

namespace {

// A global option: what --help says, and how its value is checked and put
// into the run. apply gets whether the option was given and its value, and
// returns the usage error or an empty text; options without apply are read
// where they are used (--answer by the presenter, --rows and --partial by
// the commands).
struct GlobalOption {
    const char *name;
    const char *value;  // the value's name in the help ("N"); a switch has none
    const char *help;
    QString (*apply)(bool given, const QString &value, EditorModel &model);
};

const GlobalOption globalOptions[] = {
    {"--threshold", "N", "characters per line, 10..99 (default 37)",
     [](bool given, const QString &value, EditorModel &model) -> QString {
         if (!given)
             return QString();
         bool ok = false;
         const int t = value.toInt(&ok);
         if (!ok || t < 10 || t > 99)
             return QStringLiteral("--threshold takes a whole number from 10 to 99");
         model.setThreshold(t);
         return QString();
     }},
    {"--fps", "TEXT", "frame rate: 15 20 23,976 24 25 29,976 30 (default 23,976)",
     [](bool given, const QString &value, EditorModel &model) -> QString {
         const QStringList &rates = standardFpsList();
         if (!given)
             return QString();
         if (!rates.contains(value))
             return QStringLiteral("--fps takes one of: ") + rates.join(QStringLiteral(" "));
         model.setFps(value);
         return QString();
     }},
    {"--max2", nullptr, "remove up to two leading line breaks when storing a text",
     [](bool given, const QString &, EditorModel &model) -> QString {
         model.options.max2 = given;
         return QString();
     }},
    {"--skip-empty", nullptr, "do not write rows whose text is empty",
     [](bool given, const QString &, EditorModel &model) -> QString {
         model.options.uresNe = given;
         return QString();
     }},
    // The save command reads it: only saving runs the save-time check.
    {"--no-overlap-check", nullptr, "do not check overlaps while saving",
     [](bool, const QString &, EditorModel &) -> QString { return QString(); }},
    {"--hide-read-report", nullptr, "show no read report (the log is printed all the same)",
     [](bool given, const QString &, EditorModel &model) -> QString {
         model.options.beolvas = given;
         return QString();
     }},
    {"--edition", "vn", "behave as the VN edition",
     [](bool given, const QString &value, EditorModel &) -> QString {
         if (!given)
             return QString();
         if (value != QLatin1String("vn") && value != QLatin1String("full"))
             return QStringLiteral("--edition takes vn");
         edition = value == QLatin1String("vn") ? Edition::VN : Edition::Full;
         return QString();
     }},
    {"--answer", "nem", "answer questions \"Nem\" (default \"Igen\")",
     [](bool given, const QString &value, EditorModel &) -> QString {
         if (given && value != QLatin1String("nem") && value != QLatin1String("igen"))
             return QStringLiteral("--answer takes nem");
         return QString();
     }},
    {"--rows", nullptr, "print the table's rows after a tool", nullptr},
    {"--partial", nullptr,
     "write OUT also when the read stopped early or gave no rows (without it nothing is "
     "written, exit status 1)",
     nullptr},
    {"--help", nullptr, "this text", nullptr},
};

const GlobalOption *findGlobal(const QString &name)
{
    for (const GlobalOption &o : globalOptions)
        if (name == QLatin1String(o.name))
            return &o;
    return nullptr;
}

bool takesValue(const QString &name, BatchCommandList commands)
{
    if (const GlobalOption *o = findGlobal(name))
        return o->value != nullptr;
    for (const BatchCommand *c : commands)
        if (const BatchSwitch *s = c->findSwitch(name))
            return s->value != nullptr;
    return false;
}

// Shows boxes as records and answers every question "Igen", or "Nem" when
// --answer nem was given.
class BatchPresenter : public MessagePresenter {
public:
    BatchPresenter(BatchOutput &out, bool answerNo) : out_(out), answerNo_(answerNo) {}
    BoxButton present(const MessageRequest &r) override
    {
        out_.addMessage({QStringLiteral("box"), r.title, r.kind, r.first, r.second});
        if (!r.yesVisible && !r.noVisible)
            return BoxButton::Ok;
        return answerNo_ ? BoxButton::No : BoxButton::Yes;
    }
    void presentPlain(const QString &text) override
    {
        QStringList fields{QStringLiteral("plain")};
        fields.append(text.split(u'\n'));
        out_.addMessage(fields);
    }

private:
    BatchOutput &out_;
    bool answerNo_;
};

// --help: a term ("save IN OUT", "--fps TEXT") and its help, the help
// starting in one column (two spaces after the longest term that fits) and
// wrapped to the width; a longer term stands on a line of its own. Plain
// text goes between the entries as it stands.
class HelpText {
public:
    static constexpr int widestColumn = 28;
    static constexpr int width = 79;

    void entry(int indent, const QString &term, const QString &help)
    {
        parts_.append({QString(indent, u' ') + term, help, true});
    }
    void text(const char *lines) { parts_.append({QString::fromUtf8(lines), QString(), false}); }

    QString result() const
    {
        int column = 0;
        for (const Part &p : parts_)
            if (p.entry && p.term.size() + 2 <= widestColumn)
                column = qMax(column, int(p.term.size()) + 2);
        QString out;
        for (const Part &p : parts_) {
            if (!p.entry) {
                out += p.term;
                continue;
            }
            QString line = p.term;
            if (!p.help.isEmpty() && line.size() + 2 > column) {
                out += line + u'\n';
                line.clear();
            }
            line = line.leftJustified(column, u' ');
            bool lineEmpty = true;
            for (const QString &word : p.help.split(u' ', Qt::SkipEmptyParts)) {
                if (!lineEmpty && line.size() + 1 + word.size() > width) {
                    out += line + u'\n';
                    line = QString(column, u' ');
                    lineEmpty = true;
                }
                if (!lineEmpty)
                    line += u' ';
                line += word;
                lineEmpty = false;
            }
            out += (p.help.isEmpty() ? p.term : line) + u'\n';
        }
        return out;
    }

private:
    struct Part {
        QString term;
        QString help;
        bool entry;
    };
    QList<Part> parts_;
};

void printUsageError(const BatchCall &call, BatchCommandList commands)
{
    QTextStream err(stderr);
    if (!call.error.isEmpty())
        err << "kelvo-batch: " << call.error << '\n';
    if (call.withUsage)
        err << (call.error.isEmpty() ? "" : "\n") << batchUsage(commands);
}

}  // namespace

// The switches stand where the operands name "[..]", else before the operands.
QString BatchCommand::synopsis() const
{
    QStringList shown;
    for (const BatchSwitch &s : switches)
        shown.append(QStringLiteral("[") + QString::fromUtf8(s.name)
                     + (s.value ? u' ' + QString::fromUtf8(s.value) : QString()) + u']');
    QStringList words = QString::fromUtf8(operands).split(u' ', Qt::SkipEmptyParts);
    const qsizetype at = words.indexOf(QLatin1String(switchesMark));
    if (at >= 0)
        words.removeAt(at);
    words.insert(at >= 0 ? at : 0, shown.join(u' '));
    words.removeAll(QString());
    return QString::fromUtf8(name) + (words.isEmpty() ? QString() : u' ' + words.join(u' '));
}

QStringList BatchCommand::operandNames() const
{
    QStringList names = QString::fromUtf8(operands).split(u' ', Qt::SkipEmptyParts);
    names.removeAll(QLatin1String(switchesMark));
    return names;
}

const BatchSwitch *BatchCommand::findSwitch(const QString &name) const
{
    for (const BatchSwitch &s : switches)
        if (name == QLatin1String(s.name))
            return &s;
    return nullptr;
}

bool BatchArgs::has(const QString &option) const
{
    for (const auto &o : options)
        if (o.first == option)
            return true;
    return false;
}

QString BatchArgs::value(const QString &option, const QString &fallback) const
{
    for (auto it = options.crbegin(); it != options.crend(); ++it)
        if (it->first == option)
            return it->second;
    return fallback;
}

QString BatchContext::operand(const char *name) const
{
    const qsizetype i = command.operandNames().indexOf(QString::fromUtf8(name));
    Q_ASSERT(i >= 0);
    return i >= 0 && i < args.operands.size() ? args.operands.at(i) : QString();
}

// Options may stand before or after the command word; "--" ends them, so
// what follows is taken as it stands (a file named "--help.srt").
BatchCall parseBatchCall(const QStringList &arguments, BatchCommandList commands)
{
    BatchCall call;
    BatchArgs &args = call.args;
    bool options = true;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (options && a == QLatin1String("--")) {
            options = false;
        } else if (options && a.startsWith(QLatin1String("--")) && a.size() > 2) {
            if (takesValue(a, commands)) {
                if (i + 1 >= arguments.size()) {
                    call.error = a + QStringLiteral(" needs a value");
                    call.withUsage = true;
                    return call;
                }
                args.options.append({a, arguments[++i]});
            } else {
                args.options.append({a, QString()});
            }
        } else if (args.command.isEmpty()) {
            args.command = a;
        } else {
            args.operands.append(a);
        }
    }
    if (args.has(QStringLiteral("--help")) || args.command == QLatin1String("-h")) {
        call.help = true;
        return call;
    }
    for (const BatchCommand *c : commands)
        if (args.command == QLatin1String(c->name))
            call.command = c;
    if (!call.command) {
        if (!args.command.isEmpty())
            call.error = QStringLiteral("unknown command ") + args.command;
        call.withUsage = true;
        return call;
    }
    for (const auto &o : args.options) {
        if (!findGlobal(o.first) && !call.command->findSwitch(o.first)) {
            call.error = QStringLiteral("unknown option ") + o.first;
            call.withUsage = true;
            call.command = nullptr;
            return call;
        }
    }
    if (args.operands.size() != call.command->operandNames().size()) {
        call.error = QStringLiteral("usage: kelvo-batch [OPTIONS] ") + call.command->synopsis();
        call.command = nullptr;
    }
    return call;
}

QList<std::pair<QString, QString>> batchOptionHelp()
{
    QList<std::pair<QString, QString>> entries;
    for (const GlobalOption &o : globalOptions) {
        QString term = QString::fromUtf8(o.name);
        if (o.value)
            term += u' ' + QString::fromUtf8(o.value);
        entries.append({term, QString::fromUtf8(o.help)});
    }
    entries.append({QStringLiteral("--"),
                    QStringLiteral("ends the options: what follows is a command word or file")});
    return entries;
}

QString batchUsage(BatchCommandList commands)
{
    HelpText help;
    help.text("Usage: kelvo-batch [OPTIONS] COMMAND ARGS...\n"
              "\n"
              "Commands:\n");
    for (const BatchCommand *c : commands) {
        help.entry(2, c->synopsis(), QString::fromUtf8(c->help));
        for (const BatchSwitch &s : c->switches) {
            QString term = QString::fromUtf8(s.name);
            if (s.value)
                term += u' ' + QString::fromUtf8(s.value);
            help.entry(6, term, QString::fromUtf8(s.help));
        }
    }
    help.text("\n"
              "Options (before or after the command word):\n");
    for (const auto &[term, text] : batchOptionHelp())
        help.entry(2, term, text);
    help.text("\n"
              "An unknown option is wrong usage (exit status 2).\n"
              "\n"
              "Output: one record per line, fields separated by TAB (type, row, log, box, plain).\n"
              "Exit status: 0 done, 1 input unreadable, 2 wrong usage, 3 output unwritable,\n"
              "4 refused by the tool (nothing written).\n");
    return help.result();
}

bool batchLeavesTableAtExit = false;

namespace {

bool stdoutWritten()
{
    return std::fflush(stdout) == 0 && !std::ferror(stdout);
}

}  // namespace

int runBatch(const QStringList &arguments, BatchCommandList commands)
{
    const BatchCall call = parseBatchCall(arguments, commands);
    if (call.help) {
        QTextStream(stdout) << batchUsage(commands);
        if (stdoutWritten())
            return ExitDone;
        QTextStream(stderr) << "kelvo-batch: cannot write the standard output\n";
        return ExitUnwritable;
    }
    if (!call.command) {
        printUsageError(call, commands);
        return ExitUsage;
    }
    const BatchArgs &args = call.args;
    auto owned = std::make_unique<EditorModel>();
    EditorModel &model = *owned;
    // nothing the tool does is undone: its passes record no history
    model.journal().pause();
    for (const GlobalOption &o : globalOptions) {
        if (!o.apply)
            continue;
        const QString name = QString::fromUtf8(o.name);
        if (const QString error = o.apply(args.has(name), args.value(name), model); !error.isEmpty()) {
            QTextStream(stderr) << "kelvo-batch: " << error << '\n';
            return ExitUsage;
        }
    }
    BatchOutput out;
    BatchPresenter presenter(out, args.value(QStringLiteral("--answer")) == QLatin1String("nem"));
    MessagePresenter *previous = installMessagePresenter(&presenter);
    BatchContext context{*call.command, args, model, out};
    int status = ExitUnwritable;
    try {
        status = call.command->handler(context);
    } catch (const std::bad_alloc &) {
        // what was printed so far still goes out; the process does not abort
        QTextStream(stderr) << "kelvo-batch: not enough memory\n";
    }
    installMessagePresenter(previous);
    bool printed = true;
    {
        RecordWriter records(stdout);
        out.print(model, records);
        printed = !records.failed();
    }
    // Records that did not reach their reader are a failure, not a success.
    if ((!printed || !stdoutWritten()) && status == ExitDone) {
        QTextStream(stderr) << "kelvo-batch: cannot write the standard output\n";
        status = ExitUnwritable;
    }
    if (batchLeavesTableAtExit)
        (void)owned.release();
    return status;
}
