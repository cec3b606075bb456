#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/BatchRun.h"
#include "support/TestFiles.h"

namespace {

const QByteArray srt = "1\r\n00:00:03,000 --> 00:00:04,000\r\nEgy\r\n\r\n"
                       "2\r\n00:00:10,000 --> 00:00:12,000\r\nKettő\r\n\r\n"
                       "3\r\n23:30:00,000 --> 23:59:00,000\r\nHárom\r\n\r\n";
const QByteArray sub = "{40}{100}Egy\r\n{200}{300}Kettő\r\n{999990}{999999}Három\r\n";

class ShiftCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        putFile(in(".srt"), srt);
        putFile(in(".sub"), sub);
    }
    QString in(const char *ext) const { return dir.filePath(QStringLiteral("in") + ext); }
    QString out(const char *ext) const { return dir.filePath(QStringLiteral("out") + ext); }
    BatchRun run(const QStringList &args) { return runBatchTool(args); }
    // IN as the editor writes it back unchanged, with the given times replaced.
    QByteArray savedWith(const char *ext, const QList<std::pair<QByteArray, QByteArray>> &changes)
    {
        const QString saved = dir.filePath(QStringLiteral("saved") + ext);
        runBatchTool({"save", "--no-overlap-check", in(ext), saved});
        QByteArray bytes = fileBytes(saved);
        for (const auto &[from, to] : changes)
            bytes.replace(from, to);
        return bytes;
    }
    QTemporaryDir dir;
};

TEST_F(ShiftCommand, ShiftsEveryRowAndClamps)
{
    BatchRun r = run({"shift", "-", "00:00:05,000", in(".srt"), out(".srt")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(fileBytes(out(".srt")),
              savedWith(".srt", {{"00:00:03,000 --> 00:00:04,000", "00:00:00,000 --> 00:00:00,000"},
                                 {"00:00:10,000 --> 00:00:12,000", "00:00:05,000 --> 00:00:07,000"},
                                 {"23:30:00,000 --> 23:59:00,000", "23:29:55,000 --> 23:58:55,000"}}));

    r = run({"shift", "+", "01:00:00,000", "--rows", in(".srt"), out(".srt")});
    EXPECT_EQ(r.records("row").last(), "row\t3\t24:00:00,000\t24:00:00,000\tHárom\t");

    r = run({"shift", "-", "100", "--rows", in(".sub"), out(".sub")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(fileBytes(out(".sub")),
              savedWith(".sub", {{"{40}{100}", "{0}{0}"}, {"{200}{300}", "{100}{200}"},
                                 {"{999990}{999999}", "{999890}{999899}"}}));
    r = run({"shift", "+", "5", in(".sub"), out(".sub")});
    EXPECT_EQ(fileBytes(out(".sub")),
              savedWith(".sub", {{"{40}{100}", "{45}{105}"}, {"{200}{300}", "{205}{305}"},
                                 {"{999990}{999999}", "{999995}{999999}"}}));
}

TEST_F(ShiftCommand, RefusalsWriteNothing)
{
    struct Case {
        QStringList args;
        int exit;
        const char *box;  // the first box record, or nullptr
    } cases[] = {
        {{"shift", "+", "0", in(".sub"), out(".sub")}, 4,
         "box\tFelhívás\tinfo\t0-val nem lenne értelme módosítani!\t"},
        {{"shift", "*", "5", in(".sub"), out(".sub")}, 2, nullptr},
        {{"shift-range", "+", "5", "2", "down", "--to", "2", in(".sub"), out(".sub")}, 4,
         "box\tFelhívás\tinfo\tKérem nagyobb számot üssön be a darabhoz!\t"},
        {{"shift-range", "+", "5", "2", "up", "--to", "3", in(".sub"), out(".sub")}, 4,
         "box\tFelhívás\tinfo\tKérem kisebb számot üssön be a darabhoz!\t"},
        {{"shift-range", "+", "5", "4", "up", in(".sub"), out(".sub")}, 4, nullptr},
        {{"shift-range", "+", "5", "1", "sideways", in(".sub"), out(".sub")}, 2, nullptr},
        {{"shift-range", "+", "5", "1", "up", "--start-only", "--end-only", in(".sub"),
          out(".sub")}, 2, nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const BatchRun r = run(c.args);
        EXPECT_EQ(r.exitCode, c.exit) << r.err.constData();
        if (c.box)
            EXPECT_EQ(r.records("box").value(0), QString::fromUtf8(c.box));
        EXPECT_EQ(fileBytes(out(".sub")), "<missing>");
    }
}

TEST_F(ShiftCommand, RangeFromARowUpOrDown)
{
    BatchRun r = run({"shift-range", "+", "00:00:01,000", "2", "up", "--end-only", "--rows",
                      in(".srt"), out(".srt")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.records("row"),
              (QStringList{"row\t1\t00:00:03,000\t00:00:05,000\tEgy\t",
                           "row\t2\t00:00:10,000\t00:00:13,000\tKettő\t",
                           "row\t3\t23:30:00,000\t23:59:00,000\tHárom\t"}));

    r = run({"shift-range", "-", "50", "1", "down", "--to", "2", "--start-only", "--rows",
             in(".sub"), out(".sub")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(fileBytes(out(".sub")), savedWith(".sub", {{"{40}{100}", "{0}{100}"}, {"{200}{300}", "{150}{300}"}}));
}

}  // namespace
