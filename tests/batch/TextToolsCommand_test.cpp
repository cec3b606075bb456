#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/BatchRun.h"
#include "support/PrintQString.h"
#include "support/TestFiles.h"

namespace {

// One file with a row for each of the line, dash and character tools.
const QString input = QStringLiteral(KELVO_TEST_DATA "/fix/text_tools.srt");
const QStringList readTexts = {"Nem tudom|mit mondjak", "-Csak én", "l'm here", "Árvíztűrő", "",
                               "Mi ez ?", "Igen.Nem"};
const QString found1 = QStringLiteral(
    "Eredmény\tinfo\tEnnyit találtam: 1\tTovábbi információt a \"Lista\" gomb alatt találsz!");

QStringList rowTexts(const BatchRun &r)
{
    QStringList out;
    for (const QString &row : r.records("row"))
        out.append(row.section(u'\t', 4, 4));
    return out;
}

TEST(TextToolsCommand, EachToolChangesItsRowsAndPrintsItsMessage)
{
    const auto with = [](int row, const QString &text) {
        QStringList texts = readTexts;
        texts[row - 1] = text;
        return texts;
    };
    QStringList withoutEmpty = readTexts;
    withoutEmpty.removeAt(4);
    const struct {
        const char *tool;
        QStringList texts;
        QString box;
        int logLines;
    } cases[] = {
        {"join", with(1, "Nem tudom mit mondjak"), found1, 4},
        {"dash", with(2, "Csak én"),
         "Eredmény\tinfo\tEnnyit találtam: 2\tTovábbi információt a \"Lista\" gomb alatt találsz!",
         8},
        {"l-to-i", with(3, "I'm here"), found1, 4},
        {"accents",
         {"Nem tudom|mit mondjak", "-Csak en", "l'm here", "Arvizturo", "", "Mi ez ?", "Igen.Nem"},
         "Eredmény\tinfo\tKész!\t", 0},
        {"lower",
         {"nem tudom|mit mondjak", "-csak én", "l'm here", "árvíztűrő", "", "mi ez ?", "igen.nem"},
         "Eredmény\tinfo\tKész!\t", 0},
        {"empty-rows", withoutEmpty, "Eredmény\tinfo\tEnnyi üres sort töröltem: 1\t", 3},
        {"space-before", with(6, "Mi ez?"), found1, 4},
        {"space-after", with(7, "Igen. Nem"), found1, 4},
    };
    for (const auto &c : cases) {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("out.srt"));
        const BatchRun r = runBatchTool({"fix", c.tool, input, out, "--rows"});
        EXPECT_EQ(r.exitCode, 0) << c.tool << r.err.constData();
        EXPECT_EQ(rowTexts(r).join(u'/').toStdString(), c.texts.join(u'/').toStdString()) << c.tool;
        EXPECT_EQ(r.records("box"), QStringList{"box\t" + c.box}) << c.tool;
        EXPECT_EQ(r.records("log").size(), c.logLines) << c.tool;
        EXPECT_TRUE(QFile::exists(out)) << c.tool;
    }
}

// The deleted row's successors are renumbered in the written file.
TEST(TextToolsCommand, EmptyRowsWritesTheRenumberedFile)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.srt"));
    const BatchRun r = runBatchTool({"fix", "empty-rows", input, out});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.records("log").value(1),
              "log\tSor száma: 5      Érték: 00:00:05,000-->00:00:05,500");
    const QByteArray bytes = fileBytes(out);
    EXPECT_TRUE(bytes.contains("\r\n5\r\n00:00:06,000 --> 00:00:06,500\r\nMi ez ?\r\n"))
        << bytes.constData();
    EXPECT_FALSE(bytes.contains("00:00:05,000"));
}

}  // namespace
