#include <QRegularExpression>
#include <gtest/gtest.h>

#include "batch/Batch.h"
#include "batch/BatchManual.h"
#include "support/PrintQString.h"

namespace {

QStringList termLines(const QString &page)
{
    QStringList terms;
    const QStringList lines = page.split(u'\n');
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        if (lines[i] == QLatin1String(".TP"))
            terms.append(lines[i + 1]);
    return terms;
}

// The page is made from the tables: every command and every option has its entry.
TEST(BatchManual, ListsEveryCommandAndOption)
{
    const QString page = batchManPage(QStringLiteral("6.835"));
    EXPECT_TRUE(page.startsWith(QStringLiteral(".TH KELVO\\-BATCH 1 \"\" \"Kelvo 6.835\"")));
    const QString terms = termLines(page).join(u'\n');
    for (const BatchCommand *c : batchCommands()) {
        const QString name = QString::fromUtf8(c->name).replace(u'-', QStringLiteral("\\-"));
        EXPECT_TRUE(terms.contains(QStringLiteral("\\fB") + name + QStringLiteral("\\fR")))
            << c->name;
    }
    for (const auto &[term, help] : batchOptionHelp()) {
        const QString option = term.section(u' ', 0, 0).replace(u'-', QStringLiteral("\\-"));
        EXPECT_TRUE(terms.contains(QStringLiteral("\\fB") + option + QStringLiteral("\\fR")))
            << term.toStdString();
    }
}

// Help texts are printed as they stand: troff takes nothing in them as its own.
TEST(BatchManual, EscapesWhatTroffWouldRead)
{
    static const BatchSwitch switches[] = {{"--to", "N", "up to row N"}};
    static const BatchCommand odd{"odd-one", "IN [..] OUT", switches,
                                  ".dot first\n'quote first, a\\b and -x", nullptr};
    static const BatchCommand *const list[] = {&odd};
    const QString page = batchManPage(QStringLiteral("1.0"), list);

    EXPECT_TRUE(page.contains(QStringLiteral(
        ".TP\n\\fBodd\\-one\\fR \\fIIN\\fR [\\fB\\-\\-to\\fR \\fIN\\fR] \\fIOUT\\fR\n"
        "\\&.dot first\n\\&'quote first, a\\eb and \\-x\n")))
        << page.toStdString();
    // every hyphen is a printed one, and every line that starts with a dot is a macro
    EXPECT_FALSE(page.contains(QRegularExpression(QStringLiteral("[^\\\\]-"))));
    for (const QString &line : page.split(u'\n'))
        if (line.startsWith(u'.'))
            EXPECT_TRUE(line.contains(QRegularExpression(QStringLiteral("^\\.(TH|SH|TP|RS|RE|B|EX|EE)( |$)"))))
                << line.toStdString();
}

}  // namespace
