#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "batch/Batch.h"
#include "batch/BatchRecords.h"
#include "support/BatchRun.h"
#include "support/PrintQString.h"
#include "support/TestFiles.h"

namespace {

TEST(BatchTool, UsageErrorsExitWithTwo)
{
    for (const QStringList &args :
         {QStringList{}, QStringList{QStringLiteral("no-such-command")},
          QStringList{QStringLiteral("--fps")}}) {
        const BatchRun r = runBatchTool(args);
        EXPECT_EQ(r.exitCode, 2) << qPrintable(args.join(u' '));
        EXPECT_TRUE(r.err.contains("Usage: kelvo-batch")) << r.err.constData();
        EXPECT_TRUE(r.out.isEmpty());
    }
}

// kelvo-batch is one program: a copy of it alone in a folder works.
TEST(BatchTool, RunsAloneWithoutAnotherProgramBesideIt)
{
    const BatchRun r = runBatchTool({"formats"});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_FALSE(r.records("format").isEmpty());

    QTemporaryDir dir;
    const QString alone = dir.filePath(QStringLiteral("kelvo-batch"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KELVO_BATCH_EXE), alone));
    QProcess p;
    p.start(alone, {QStringLiteral("formats")});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().constData();
    EXPECT_EQ(p.readAllStandardOutput(), QByteArray(r.out));
}

TEST(BatchTool, HelpListsTheOptions)
{
    const BatchRun r = runBatchTool({QStringLiteral("--help")});
    EXPECT_EQ(r.exitCode, 0);
    for (const char *option : {"--threshold", "--fps", "--max2", "--skip-empty",
                               "--no-overlap-check", "--hide-read-report", "--edition"})
        EXPECT_TRUE(r.out.contains(option)) << option;
}

// Commands and options come in the documented order, each help text in one
// column, and the help says what --partial and -- do and what an unknown
// option costs.
TEST(BatchTool, HelpFollowsTheDocumentedOrderInOneColumn)
{
    const BatchRun r = runBatchTool({QStringLiteral("--help")});
    ASSERT_EQ(r.exitCode, 0);
    const QString help = QString::fromUtf8(r.out);
    const QStringList order{"\n  read IN ", "\n  save IN OUT ", "\n  overlap [--repair]",
                            "\n  halfsec IN ", "\n  --threshold N ", "\n  --fps TEXT ",
                            "\n  --max2 ", "\n  --skip-empty ", "\n  --no-overlap-check ",
                            "\n  --hide-read-report ", "\n  --edition vn ", "\n  --answer nem ",
                            "\n  --rows ", "\n  --partial ", "\n  --help ", "\n  -- "};
    qsizetype at = 0;
    for (const QString &entry : order) {
        const qsizetype next = help.indexOf(entry, at);
        EXPECT_GT(next, at - 1) << qPrintable(entry);
        if (next >= 0)
            at = next;
    }
    EXPECT_TRUE(help.simplified().contains("write OUT also when the read stopped early or gave no rows"));
    EXPECT_TRUE(help.contains("ends the options"));
    EXPECT_TRUE(help.contains("An unknown option is wrong usage (exit status 2)."));

    int column = -1;
    for (const QString &line : help.split(u'\n')) {
        if (!line.startsWith(QLatin1String("  ")))
            continue;
        // a term, at least two spaces, then the help; or the help going on
        qsizetype term = 0;
        while (line[term] == u' ')
            ++term;
        qsizetype text = term;
        if (term <= 6) {
            const qsizetype gap = line.indexOf(QLatin1String("  "), term);
            if (gap < 0)
                continue;  // a term on a line of its own, as long as it is
            for (text = gap; text < line.size() && line[text] == u' ';)
                ++text;
        }
        EXPECT_LT(line.size(), 80) << qPrintable(line);
        if (column < 0)
            column = int(text);
        EXPECT_EQ(text, column) << qPrintable(line);
    }
    EXPECT_GT(column, 0);
}

// A stand-in table: what the generated parser hands the handler.
BatchArgs seenArgs;
QString seenFirst, seenSecond;

int remember(BatchContext &context)
{
    seenArgs = context.args;
    seenFirst = context.operand("FIRST");
    seenSecond = context.operand("SECOND");
    return ExitDone;
}

constexpr BatchSwitch testSwitches[] = {
    {"--to", "N", "up to row N"},
    {"--start-only", nullptr, "a switch whose help is long enough to be wrapped onto a second "
                              "line of its own in the generated help"},
};
const BatchCommand testCommand{"try", "FIRST SECOND", testSwitches, "a command of the test",
                               remember};
const BatchCommand *const testTable[] = {&testCommand};

TEST(BatchTool, TableGivesTheCommandItsOperandsAndSwitches)
{
    const BatchCall call = parseBatchCall(
        {"--to", "7", "try", "--max2", "a", "--start-only", "--", "--to"}, testTable);
    ASSERT_EQ(call.command, &testCommand);
    EXPECT_TRUE(call.error.isEmpty());
    EXPECT_EQ(call.args.value("--to"), QStringLiteral("7"));
    EXPECT_TRUE(call.args.has("--start-only"));
    EXPECT_TRUE(call.args.has("--max2"));
    EXPECT_EQ(call.args.operands, (QStringList{"a", "--to"}));

    // operands by their name, last value of an option wins
    EXPECT_EQ(runBatch({"try", "--to", "1", "x", "--to", "2", "y"}, testTable), ExitDone);
    EXPECT_EQ(seenFirst, QStringLiteral("x"));
    EXPECT_EQ(seenSecond, QStringLiteral("y"));
    EXPECT_EQ(seenArgs.value("--to"), QStringLiteral("2"));
}

TEST(BatchTool, WrongCallsAreToldApart)
{
    const struct {
        QStringList args;
        const char *error;
        bool withUsage;
    } cases[] = {
        {{"try", "a"}, "usage: kelvo-batch [OPTIONS] try [--to N] [--start-only] FIRST SECOND", false},
        {{"try", "a", "b", "c"}, "usage: kelvo-batch [OPTIONS] try [--to N] [--start-only] FIRST SECOND", false},
        {{"try", "a", "b", "--to"}, "--to needs a value", true},
        {{"try", "--bad", "a", "--worse", "b"}, "unknown option --bad", true},
        {{"nosuch"}, "unknown command nosuch", true},
        {{}, "", true},
    };
    for (const auto &c : cases) {
        const BatchCall call = parseBatchCall(c.args, testTable);
        EXPECT_EQ(call.command, nullptr) << qPrintable(c.args.join(u' '));
        EXPECT_EQ(call.error, QString::fromLatin1(c.error)) << qPrintable(c.args.join(u' '));
        EXPECT_EQ(call.withUsage, c.withUsage) << qPrintable(c.args.join(u' '));
    }
    EXPECT_TRUE(parseBatchCall({"nosuch", "--help"}, testTable).help);
    EXPECT_TRUE(parseBatchCall({"-h"}, testTable).help);
}

TEST(BatchTool, HelpOfATableWrapsAndAlignsItsEntries)
{
    const QString help = batchUsage(testTable);
    const QString pad(22, u' ');
    EXPECT_TRUE(help.contains("\n  try [--to N] [--start-only] FIRST SECOND\n" + pad
                              + "a command of the test\n"
                                "      --to N          up to row N\n"
                                "      --start-only    a switch whose help is long enough to be "
                                "wrapped onto a\n"
                              + pad + "second line of its own in the generated help\n"))
        << qPrintable(help);
}

TEST(BatchTool, RecordsEscapeTabsAndBackslashesAndAreUtf8)
{
    RecordWriter out;
    out.record({QStringLiteral("a\tb\\c"), QStringLiteral("árvíztűrő|tükör")});
    out.field(QStringLiteral("row"));
    out.number(12);
    out.field(QString::fromUtf16(u"\U0001F600"));
    out.field(QString(QChar(0xD800)) + u'x');
    out.endRecord();
    EXPECT_EQ(out.bytes(), QByteArray("a\\tb\\\\c\t") + QStringLiteral("árvíztűrő|tükör").toUtf8()
                               + "\nrow\t12\t\xF0\x9F\x98\x80\t\xEF\xBF\xBDx\n");
}

// A special character anywhere in a field, on either side of the blocks
// that are copied whole, is written as it is alone.
TEST(BatchTool, RecordsWriteEveryPlaceOfAFieldTheSame)
{
    const std::pair<QString, QByteArray> specials[] = {
        {QStringLiteral("\t"), "\\t"},
        {QStringLiteral("\\"), "\\\\"},
        {QStringLiteral("ő"), "\xC5\x91"},
        {QStringLiteral("ő\t"), "\xC5\x91\\t"},
        {QStringLiteral("é€"), "\xC3\xA9\xE2\x82\xAC"},
        {QString(8, QChar(0x07FF)), QByteArray("\xDF\xBF").repeated(8)},
        {QString(QChar(0x0800)), "\xE0\xA0\x80"},
        {QString::fromUtf16(u"\U0001F600"), "\xF0\x9F\x98\x80"},
        {QString(QChar(0xDC00)), "\xEF\xBF\xBD"},
    };
    for (const auto &[special, written] : specials) {
        for (int at = 0; at <= 18; ++at) {
            const QString before(at, u'a'), after(18 - at, u'b');
            RecordWriter out;
            out.field(before + special + after);
            out.endRecord();
            EXPECT_EQ(out.bytes(), before.toLatin1() + written + after.toLatin1() + '\n')
                << at << " " << written.toHex().constData();
        }
    }
}

// The rows after a tool are written as the rows after a read, down to a
// lone half of a surrogate pair from a UTF-16 file.
TEST(BatchTool, RowsAfterAToolAreTheRowsOfARead)
{
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("lone.srt"));
    const QString text = QStringLiteral("1\r\n00:00:01,000 --> 00:00:02,000\r\nab") + QChar(0xD800)
                         + QStringLiteral("c\r\n");
    QByteArray bytes("\xFF\xFE");
    for (QChar c : text)
        bytes.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    putFile(in, bytes);
    const BatchRun read = runBatchTool({QStringLiteral("read"), in});
    const BatchRun saved = runBatchTool({QStringLiteral("--rows"), QStringLiteral("save"), in,
                                         dir.filePath(QStringLiteral("out.srt"))});
    EXPECT_EQ(read.exitCode, 0);
    EXPECT_EQ(saved.exitCode, 0);
    EXPECT_EQ(read.records("row"),
              QStringList{QStringLiteral("row\t1\t00:00:01,000\t00:00:02,000\tab\uFFFDc\t")});
    EXPECT_EQ(saved.records("row"), read.records("row"));
}

}  // namespace
