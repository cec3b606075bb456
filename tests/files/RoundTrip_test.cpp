#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/BatchRun.h"
#include "support/TestFiles.h"

namespace {

// A file already in Kelvo's own layout comes back byte for byte, in its
// own encoding.
TEST(RoundTrip, OwnLayoutFilesAreWrittenBackUnchanged)
{
    QTemporaryDir out;
    const QDir data(QStringLiteral(KELVO_TEST_DATA "/roundtrip"));
    const QStringList files = data.entryList({QStringLiteral("*.srt"), QStringLiteral("*.sub")});
    ASSERT_GE(files.size(), 5);
    for (const QString &name : files) {
        const QString target = out.filePath(name);
        const BatchRun r = runBatchTool({QStringLiteral("save"), data.filePath(name), target});
        EXPECT_EQ(r.exitCode, 0) << qPrintable(name) << r.out.constData();
        EXPECT_EQ(fileBytes(target), fileBytes(data.filePath(name))) << qPrintable(name);
    }
}

// Whatever the reader repaired, saving and reading again keeps the rows;
// only texts the file format cannot hold as they are (an empty first line, a
// leading space, which the reader repairs again) change.
TEST(RoundTrip, ASavedRepairReadsBackToTheSameRows)
{
    QTemporaryDir out;
    const QDir data(QStringLiteral(KELVO_TEST_DATA "/srt"));
    auto rows = [](const BatchRun &r) {
        return r.records("row").join(u'\n').toStdString();
    };
    const QStringList changedOnPurpose{QStringLiteral("leading_space.srt"),
                                       QStringLiteral("separator_leading_bars.srt")};
    for (const QString &name : data.entryList({QStringLiteral("*.srt")})) {
        if (changedOnPurpose.contains(name))
            continue;
        const BatchRun first = runBatchTool({QStringLiteral("read"), data.filePath(name)});
        if (first.exitCode != 0)
            continue;
        const QString target = out.filePath(name);
        ASSERT_EQ(runBatchTool({QStringLiteral("save"), QStringLiteral("--no-overlap-check"),
                                data.filePath(name), target})
                      .exitCode,
                  0)
            << qPrintable(name);
        const BatchRun second = runBatchTool({QStringLiteral("read"), target});
        EXPECT_EQ(rows(second), rows(first)) << qPrintable(name);
    }
}

}  // namespace
