#include <gtest/gtest.h>

#include <QFileInfo>

#include "app/ModeGlobals.h"
#include "files/FileGlobals.h"
#include "files/OpenSubtitle.h"
#include "read_support.h"
#include "support/GlobalsFixture.h"

namespace {

struct FixtureCase {
    const char *file;      // under tests/data
    const char *expected;  // under tests/data
    bool max2;
};

std::ostream &operator<<(std::ostream &os, const FixtureCase &c)
{
    return os << c.expected;
}

class ReadFixture : public ::testing::TestWithParam<FixtureCase> {
protected:
    void SetUp() override { resetAllGlobals(); }
    void TearDown() override { resetAllGlobals(); }
};

// Each fixture is opened as the editor opens a picked file; the rows, the
// correction log and every message must match its expected file line by line.
TEST_P(ReadFixture, GivesExpectedRowsLogAndMessages)
{
    const FixtureCase &c = GetParam();
    EditorModel model;
    model.options.max2 = c.max2;
    MessageRecorder recorder;
    subtitlePath = dataPath(QString::fromUtf8(c.file));
    textTarget = QStringLiteral("1");
    model.cds.create();
    prepareEditor(model, true, QFileInfo(subtitlePath).fileName());
    const QString type = readIntoEditor(model);

    const QStringList actual = renderRead(type, model, recorder);
    const QStringList expected = expectedLines(QString::fromUtf8(c.expected));
    for (qsizetype i = 0; i < qMax(actual.size(), expected.size()); ++i) {
        const QString a = i < actual.size() ? actual[i] : QStringLiteral("<none>");
        const QString e = i < expected.size() ? expected[i] : QStringLiteral("<none>");
        EXPECT_EQ(a.toStdString(), e.toStdString()) << "line " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, ReadFixture,
    ::testing::Values(
        FixtureCase{"srt/well_formed.srt", "srt/well_formed.expected", false},
        FixtureCase{"srt/number_format.srt", "srt/number_format.expected", false},
        FixtureCase{"srt/leading_space.srt", "srt/leading_space.expected", false},
        FixtureCase{"srt/missing_number.srt", "srt/missing_number.expected", false},
        FixtureCase{"srt/time_discrepancy.srt", "srt/time_discrepancy.expected", false},
        FixtureCase{"srt/start_after_end.srt", "srt/start_after_end.expected", false},
        FixtureCase{"srt/start_before_previous_end.srt", "srt/start_before_previous_end.expected",
                    false},
        FixtureCase{"srt/separator_leading_bars.srt", "srt/separator_leading_bars.expected", false},
        FixtureCase{"srt/separator_leading_bars.srt", "srt/separator_leading_bars.max2.expected",
                    true},
        FixtureCase{"srt/blank_after_time.srt", "srt/blank_after_time.expected", false},
        FixtureCase{"srt/blank_after_time.srt", "srt/blank_after_time.max2.expected", true},
        FixtureCase{"srt/dotted_layout.srt", "srt/dotted_layout.expected", false},
        FixtureCase{"srt/dotted_time_line_only.srt", "srt/dotted_time_line_only.expected", false},
        FixtureCase{"srt/utf16_le.srt", "srt/utf16_le.expected", false},
        FixtureCase{"srt/utf16_be.srt", "srt/utf16_be.expected", false},
        FixtureCase{"srt/utf8_bom.srt", "srt/utf8_bom.expected", false},
        FixtureCase{"srt/utf8_no_bom.srt", "srt/utf8_no_bom.expected", false},
        FixtureCase{"srt/missing_blank_line.srt", "srt/missing_blank_line.expected", false},
        FixtureCase{"srt/blank_lines_after_number.srt", "srt/blank_lines_after_number.expected",
                    false},
        FixtureCase{"srt/first_entry_without_number.srt",
                    "srt/first_entry_without_number.expected", false},
        FixtureCase{"srt/dot_milliseconds.srt", "srt/dot_milliseconds.expected", false},
        FixtureCase{"srt/long_line_and_nul.srt", "srt/long_line_and_nul.expected", false},
        FixtureCase{"srt/not_a_subtitle.srt", "srt/not_a_subtitle.expected", false},
        FixtureCase{"sub/frame_basic.sub", "sub/frame_basic.expected", false},
        FixtureCase{"sub/frame_stop_space.sub", "sub/frame_stop_space.expected", false}));

}  // namespace
