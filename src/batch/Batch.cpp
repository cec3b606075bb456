#include "batch/Batch.h"

#include <QSet>
#include <QTextStream>
#include <cstdio>
#include <map>

#include "app/MessageBox.h"
#include "app/ModeGlobals.h"
#include "editor/EditorModel.h"

namespace {

struct CommandEntry {
    QString usage;
    int minArgs;
    int maxArgs;
    BatchHandler handler;
    QStringList switches;
};

std::map<QString, CommandEntry> &commands()
{
    static std::map<QString, CommandEntry> table;
    return table;
}

QSet<QString> &valueOptions()
{
    static QSet<QString> set{QStringLiteral("--threshold"), QStringLiteral("--fps"),
                             QStringLiteral("--edition"), QStringLiteral("--answer")};
    return set;
}

const QSet<QString> &globalSwitches()
{
    static const QSet<QString> set{"--max2",    "--skip-empty", "--no-overlap-check",
                                   "--hide-read-report", "--rows", "--partial", "--help"};
    return set;
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

void writeLine(const QStringList &fields)
{
    QStringList escaped;
    for (const QString &f : fields)
        escaped.append(BatchOutput::escape(f));
    const QByteArray bytes = escaped.join(u'\t').toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

// Options may stand before or after the command word; "--" ends them, so
// what follows is taken as it stands (a file named "--help.srt").
bool parseArguments(const QStringList &arguments, QString *command, BatchArgs *args,
                    QString *error)
{
    bool options = true;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (options && a == QLatin1String("--")) {
            options = false;
        } else if (options && a.startsWith(QLatin1String("--")) && a.size() > 2) {
            if (valueOptions().contains(a)) {
                if (i + 1 >= arguments.size()) {
                    *error = a + QStringLiteral(" needs a value");
                    return false;
                }
                args->options.insert(a, arguments[++i]);
            } else {
                args->options.insert(a, QString());
            }
        } else if (command->isEmpty()) {
            *command = a;
        } else {
            args->positional.append(a);
        }
    }
    return true;
}

// The first option neither global nor the command's own, or empty.
QString unknownOption(const BatchArgs &args, const CommandEntry &entry)
{
    for (auto it = args.options.cbegin(); it != args.options.cend(); ++it) {
        if (!valueOptions().contains(it.key()) && !globalSwitches().contains(it.key())
            && !entry.switches.contains(it.key()))
            return it.key();
    }
    return QString();
}

bool configureModel(const BatchArgs &args, EditorModel &model, QString *error)
{
    if (args.has(QStringLiteral("--threshold"))) {
        bool ok = false;
        const int t = args.value(QStringLiteral("--threshold")).toInt(&ok);
        if (!ok || t < 10 || t > 99) {
            *error = QStringLiteral("--threshold takes a whole number from 10 to 99");
            return false;
        }
        model.setThreshold(t);
    }
    if (args.has(QStringLiteral("--fps"))) {
        static const QStringList rates{"15", "20", "23,976", "24", "25", "29,976", "30"};
        const QString fps = args.value(QStringLiteral("--fps"));
        if (!rates.contains(fps)) {
            *error = QStringLiteral("--fps takes one of: ") + rates.join(QStringLiteral(" "));
            return false;
        }
        model.setFps(fps);
    }
    if (args.has(QStringLiteral("--edition"))) {
        const QString e = args.value(QStringLiteral("--edition"));
        if (e != QLatin1String("vn") && e != QLatin1String("full")) {
            *error = QStringLiteral("--edition takes vn");
            return false;
        }
        edition = e == QLatin1String("vn") ? Edition::VN : Edition::Full;
    }
    if (args.has(QStringLiteral("--answer"))) {
        const QString a = args.value(QStringLiteral("--answer"));
        if (a != QLatin1String("nem") && a != QLatin1String("igen")) {
            *error = QStringLiteral("--answer takes nem");
            return false;
        }
    }
    model.options.max2 = args.has(QStringLiteral("--max2"));
    model.options.uresNe = args.has(QStringLiteral("--skip-empty"));
    model.options.beolvas = args.has(QStringLiteral("--hide-read-report"));
    return true;
}

}  // namespace

BatchCommand::BatchCommand(const char *name, const char *usage, int minArgs, int maxArgs,
                           BatchHandler handler, QStringList switches)
{
    commands()[QString::fromUtf8(name)] = CommandEntry{QString::fromUtf8(usage), minArgs, maxArgs,
                                                       std::move(handler), std::move(switches)};
}

void registerValueOption(const QString &option)
{
    valueOptions().insert(option);
}

QString BatchOutput::escape(const QString &field)
{
    QString out;
    out.reserve(field.size());
    for (QChar c : field) {
        if (c == u'\\')
            out += QStringLiteral("\\\\");
        else if (c == u'\t')
            out += QStringLiteral("\\t");
        else
            out += c;
    }
    return out;
}

void BatchOutput::addRows(const EditorModel &model)
{
    const SubtitleTable &cds = model.cds;
    for (int i = 0; i < cds.recordCount(); ++i) {
        const SubtitleRow &r = cds.rowAt(i);
        rows_.append({QStringLiteral("row"), QString::number(i + 1), r.kezdes, r.befejezes,
                      r.szoveg, r.szoveg2});
    }
}

void BatchOutput::addLog(const EditorModel &model)
{
    log_ = model.log.lines();
}

void BatchOutput::print() const
{
    if (hasType_)
        writeLine({QStringLiteral("type"), type_});
    for (const QStringList &r : rows_)
        writeLine(r);
    for (const QString &l : log_)
        writeLine({QStringLiteral("log"), l});
    for (const QStringList &m : messages_)
        writeLine(m);
    std::fflush(stdout);
}

QString batchUsage()
{
    QString text = QStringLiteral(
        "Usage: kelvo-batch [OPTIONS] COMMAND ARGS...\n"
        "\n"
        "Commands:\n");
    for (const auto &[name, entry] : commands())
        text += QStringLiteral("  ") + entry.usage + u'\n';
    text += QStringLiteral(
        "\n"
        "Options (before or after the command word):\n"
        "  --threshold N        characters per line, 10..99 (default 37)\n"
        "  --fps TEXT           frame rate: 15 20 23,976 24 25 29,976 30 (default 23,976)\n"
        "  --max2               remove up to two leading line breaks when storing a text\n"
        "  --skip-empty         do not write rows whose text is empty\n"
        "  --no-overlap-check   do not check overlaps while saving\n"
        "  --hide-read-report   do not show the read report (the log is printed all the same)\n"
        "  --edition vn         behave as the VN edition\n"
        "  --answer nem         answer questions \"Nem\" (default \"Igen\")\n"
        "  --rows               print the table's rows after a tool\n"
        "  --partial            write OUT also when the read stopped early or gave no rows\n"
        "                       (otherwise nothing is written and the exit status is 1)\n"
        "  --help               this text\n"
        "  --                   ends the options: what follows is a command word or a file\n"
        "\n"
        "An unknown option is wrong usage (exit status 2).\n"
        "\n"
        "Output: one record per line, fields separated by TAB (type, row, log, box, plain).\n"
        "Exit status: 0 done, 1 input unreadable, 2 wrong usage, 3 output unwritable,\n"
        "4 refused by the tool (nothing written).\n");
    return text;
}

int runBatch(const QStringList &arguments)
{
    QString command;
    BatchArgs args;
    QString error;
    QTextStream err(stderr);
    if (!parseArguments(arguments, &command, &args, &error)) {
        err << "kelvo-batch: " << error << "\n\n" << batchUsage();
        return ExitUsage;
    }
    if (args.has(QStringLiteral("--help")) || command == QLatin1String("-h")) {
        QTextStream(stdout) << batchUsage();
        return ExitDone;
    }
    auto it = commands().find(command);
    if (command.isEmpty() || it == commands().end()) {
        if (!command.isEmpty())
            err << "kelvo-batch: unknown command " << command << "\n\n";
        err << batchUsage();
        return ExitUsage;
    }
    const CommandEntry &entry = it->second;
    if (const QString unknown = unknownOption(args, entry); !unknown.isEmpty()) {
        err << "kelvo-batch: unknown option " << unknown << "\n\n" << batchUsage();
        return ExitUsage;
    }
    const int n = int(args.positional.size());
    if (n < entry.minArgs || (entry.maxArgs >= 0 && n > entry.maxArgs)) {
        err << "kelvo-batch: usage: kelvo-batch [OPTIONS] " << entry.usage << "\n";
        return ExitUsage;
    }
    EditorModel model;
    if (!configureModel(args, model, &error)) {
        err << "kelvo-batch: " << error << "\n";
        return ExitUsage;
    }
    BatchOutput out;
    BatchPresenter presenter(out, args.value(QStringLiteral("--answer")) == QLatin1String("nem"));
    MessagePresenter *previous = installMessagePresenter(&presenter);
    BatchContext context{args, model, out};
    const int status = entry.handler(context);
    installMessagePresenter(previous);
    out.print();
    return status;
}
