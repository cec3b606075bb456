#include <gtest/gtest.h>

#include "document/DocumentGlobals.h"
#include "files/SubtitleFormat.h"
#include "files/EditorSave.h"
#include "files/SubtitleWriter.h"
#include "files/SubtitleWriterFixture.h"
#include "files/WriterEngine.h"

namespace {

class RecordingCheck : public WriteCheck {
public:
    QStringList entries;
    int starts = 0;
    int finishes = 0;
    void start() override { ++starts; }
    void entry(int recNo, const TimeText &start, const TimeText &end) override
    {
        entries.append(QString::number(recNo) + u' ' + start.toString() + u' ' + end.toString());
    }
    void finish() override { ++finishes; }
};

using WriterEngineTest = WriterFixture;

// Rows in, bytes out: the editor, its log and the disk are left alone, and
// the check sees exactly the entries written, with their table positions.
TEST_F(WriterEngineTest, RendersRowsWithoutTouchingTheEditor)
{
    fillTable(model, {{R1, "a|b"}, {"00:00:03,000", "", "no end"}, {R2, ""}, {R3, "c"}});
    model.cds.setRecNo(2);
    model.log.add(QStringLiteral("kept"));
    WriteOptions options;
    options.skipEmpty = true;
    RecordingCheck check;
    const RenderedSubtitle file =
        renderSubtitle(savedFormat(false), model.cds, options, {&check, nullptr});

    EXPECT_EQ(file.bytes, QByteArray("1\r\n" T1 "a\r\nb\r\n\r\n2\r\n" T3 "c"));
    EXPECT_FALSE(file.fellBackToUtf8);
    EXPECT_EQ(check.entries, (QStringList{"1 00:00:01,000 00:00:02,000",
                                          "4 00:00:05,000 00:00:06,000"}));
    EXPECT_EQ(check.starts + check.finishes, 0);  // the caller's part
    EXPECT_EQ(model.log.lines(), QStringList{"kept"});
    EXPECT_EQ(model.cds.recNo(), 2);
    EXPECT_FALSE(displayLock);
    EXPECT_FALSE(model.cds.refreshSuspended());
    EXPECT_TRUE(messages.lines().isEmpty());
    EXPECT_EQ(host.dialogs, 0);
}

TEST_F(WriterEngineTest, FrameNumbersAreNeverCheckedAsTimes)
{
    fillTable(model, {{"50", "40", "a"}, {"10", "20", "b"}}, QStringLiteral("Frame"));
    RecordingCheck check;
    WriteOptions options;
    const RenderedSubtitle file =
        renderSubtitle(savedFormat(true), model.cds, options, {&check, nullptr});
    EXPECT_EQ(file.bytes, QByteArray("{50}{40}a\r\n{10}{20}b"));
    EXPECT_TRUE(check.entries.isEmpty());

    target(QStringLiteral("f.sub"));
    ASSERT_TRUE(writeSubtitleFile(model, QStringLiteral("1"), savedFormat(true), &check));
    EXPECT_EQ(check.starts + check.finishes, 0);
    EXPECT_TRUE(check.entries.isEmpty());
}

// A text outside code page 1250 makes the whole file UTF-8; the check has
// still seen every entry once.
TEST_F(WriterEngineTest, FallbackRendersAgainButChecksOnce)
{
    fillTable(model, {{R1, "ő"}, {R2, "Ж"}, {R3, "ű"}});
    RecordingCheck check;
    WriteOptions options;
    const RenderedSubtitle file =
        renderSubtitle(savedFormat(false), model.cds, options, {&check, nullptr});
    EXPECT_TRUE(file.fellBackToUtf8);
    EXPECT_EQ(file.bytes, QByteArray("\xEF\xBB\xBF" "1\r\n" T1 "\xC5\x91\r\n\r\n2\r\n" T2
                                     "\xD0\x96\r\n\r\n3\r\n" T3 "\xC5\xB1"));
    EXPECT_EQ(check.entries.size(), 3);
}

TEST_F(WriterEngineTest, ProgressComesAtEveryHundredthOfTheTable)
{
    for (const int rows : {250, 99}) {
        fillTable(model, std::vector<RowData>(size_t(rows), RowData{R1, "x"}));
        QList<int> seen;
        WriteSteps steps;
        steps.progress = [&seen](int done) { seen.append(done); };
        renderSubtitle(savedFormat(false), model.cds, WriteOptions{}, steps);
        if (rows < 100) {
            EXPECT_TRUE(seen.isEmpty());
            continue;
        }
        ASSERT_EQ(seen.size(), 125);
        EXPECT_EQ(seen.first(), 2);
        EXPECT_EQ(seen.last(), 250);
    }
}

// The caller decides on the check: the option is what the editor's own
// save goes by, a check handed in runs whatever the option says, and its
// summary comes only after a file was written.
TEST_F(WriterEngineTest, TheCheckIsTheCallersChoice)
{
    const std::vector<RowData> overlapping{{"00:00:01,000", "00:00:03,000", "a"},
                                           {"00:00:02,000", "00:00:04,000", "b"}};
    fillTable(model, overlapping);
    target(QStringLiteral("a.srt"));
    model.options.mentAt = false;
    RecordingCheck check;
    ASSERT_TRUE(saveSubtitle(model, false, false, &check));
    EXPECT_EQ(check.starts, 1);
    EXPECT_EQ(check.entries.size(), 2);
    EXPECT_EQ(check.finishes, 1);

    model.options.mentAt = true;
    model.log.add(QStringLiteral("kept"));
    ASSERT_TRUE(saveSubtitle(model, false, false, nullptr));
    EXPECT_EQ(model.log.lines(), QStringList{"kept"});
    EXPECT_TRUE(messages.lines().isEmpty());

    ASSERT_TRUE(saveSubtitle(model, false, false));
    EXPECT_EQ(model.log.lines().size(), 4);
    EXPECT_EQ(messages.lines().size(), 1);

    RecordingCheck failed;
    QDir(dir.path()).mkdir(QStringLiteral("taken.srt"));
    target(QStringLiteral("taken.srt"));
    EXPECT_FALSE(writeTimeFile(model, QStringLiteral("1"), &failed));
    EXPECT_EQ(failed.starts, 1);
    EXPECT_EQ(failed.finishes, 0);
}

}  // namespace
