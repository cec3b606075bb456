#include <gtest/gtest.h>

#include "document/DocumentGlobals.h"
#include "editor/EditorModel.h"
#include "editor/RowText.h"
#include "support/GlobalsFixture.h"
#include "support/MessageRecorder.h"
#include "tools/text/BatchPass.h"
#include "tools/text/ShowLog.h"

namespace {

struct RecordingHost : EditorHost {
    int focusGrid_ = 0;
    int reportShown = 0;
    void focusGrid() override { ++focusGrid_; }
    void showReportWindow() override { ++reportShown; }
};

// Replaces the first occurrence of `from` by `to`: one fix per firing, so a
// text with several occurrences needs re-examination.
BatchRule replaceOnce(const QString &from, const QString &to,
                      EntryForm form = EntryForm::standard())
{
    return makeRule(
        [from, to](QString &text, RowContext &) {
            const qsizetype at = text.indexOf(from);
            if (at < 0)
                return false;
            text.replace(at, from.size(), to);
            return true;
        },
        form);
}

BatchRule deleteStartingWith(const QString &prefix)
{
    return makeRule([prefix](QString &text, RowContext &ctx) {
        if (!text.startsWith(prefix))
            return false;
        ctx.deleteRow = true;
        return true;
    });
}

const QString doneWithChanges =
    QStringLiteral("Eredmény|info|Ennyit találtam: %1|További információt a \"Lista\" gomb "
                   "alatt találsz!");

class BatchPassTest : public GlobalsFixture {
protected:
    void SetUp() override
    {
        GlobalsFixture::SetUp();
        model.cds.create();
        model.setHost(&host);
        model.setTimeBase(QStringLiteral("Time"));
    }
    void addRows(const QStringList &texts)
    {
        for (const QString &t : texts) {
            model.cds.append();
            model.cds.setField(Field::Kezdes, QStringLiteral("00:00:01,000"));
            model.cds.setField(Field::Befejezes, QStringLiteral("00:00:02,000"));
            writeRowText(model, t, false, false, false);
        }
    }
    QStringList texts() const
    {
        QStringList out;
        for (int i = 0; i < model.cds.recordCount(); ++i)
            out.append(model.cds.rowAt(i).szoveg);
        return out;
    }
    int run(std::vector<BatchRule> rules, bool reexamine = false)
    {
        BatchTool tool;
        tool.rules = std::move(rules);
        tool.reexamine = reexamine;
        return runBatchPass(model, tool);
    }
    EditorModel model;
    RecordingHost host;
    MessageRecorder messages;
};

TEST_F(BatchPassTest, EachFiringRuleWritesItsOwnEntryAndStores)
{
    addRows({QStringLiteral("egy macska"), QStringLiteral("semmi")});
    model.cds.setRecNo(2);
    bool heldDuringPass = false;
    std::vector<BatchRule> rules{
        replaceOnce(QStringLiteral("macska"), QStringLiteral("kutya")),
        makeRule([&](QString &text, RowContext &ctx) {
            heldDuringPass = displayLock && ctx.model.cds.refreshSuspended();
            if (!text.startsWith(QStringLiteral("egy")))
                return false;
            text += QStringLiteral("|") + QString(40, u'x');  // long second line
            return true;
        }),
    };
    EXPECT_EQ(run(std::move(rules)), 2);

    EXPECT_EQ(model.log.lines(),
              (QStringList{QString(), QStringLiteral("Melyik sorban volt: 1"),
                           QStringLiteral("Miből: egy macska"), QStringLiteral("Mire:   egy kutya"),
                           QString(), QStringLiteral("Melyik sorban volt: 1"),
                           QStringLiteral("Miből: egy kutya"),
                           QStringLiteral("Mire:   egy kutya|") + QString(40, u'x')}));
    EXPECT_EQ(texts()[0], QStringLiteral("egy kutya|") + QString(40, u'x'));
    EXPECT_TRUE(model.cds.rowAt(0).betu38);  // stored with the flag recount
    EXPECT_EQ(model.overThresholdCount, 1);
    EXPECT_TRUE(heldDuringPass);
    EXPECT_FALSE(displayLock);
    EXPECT_FALSE(model.cds.refreshSuspended());
    EXPECT_EQ(model.cds.recNo(), 2);
    EXPECT_TRUE(model.modified());
    EXPECT_TRUE(model.isEnabled(Ctl::Mentes1));
    EXPECT_EQ(messages.lines(), QStringList{doneWithChanges.arg(2)});
    EXPECT_EQ(host.focusGrid_, 1);
}

TEST_F(BatchPassTest, NothingToChangeEmptiesTheLogAndSaysSo)
{
    addRows({QStringLiteral("alma"), QStringLiteral("körte")});
    model.log.add(QStringLiteral("a reader's report"));
    model.cds.setRecNo(2);
    EXPECT_EQ(run({replaceOnce(QStringLiteral("szilva"), QStringLiteral("x"))}), 0);
    EXPECT_TRUE(model.log.isEmpty());
    EXPECT_FALSE(model.modified());
    EXPECT_EQ(model.cds.recNo(), 2);
    EXPECT_EQ(messages.lines(),
              QStringList{QStringLiteral("Eredmény|info|Nem találtam módosítandó sort!|")});
    EXPECT_EQ(host.focusGrid_, 1);

    model.cds.empty();  // an empty table is no special case
    messages.clear();
    EXPECT_EQ(run({replaceOnce(QStringLiteral("a"), QStringLiteral("b"))}), 0);
    EXPECT_EQ(messages.lines().size(), 1);
}

TEST_F(BatchPassTest, ASecondToolReplacesTheFirstOnesEntries)
{
    addRows({QStringLiteral("alma"), QStringLiteral("körte")});
    run({replaceOnce(QStringLiteral("alma"), QStringLiteral("ALMA"))});
    run({replaceOnce(QStringLiteral("körte"), QStringLiteral("KÖRTE"))});
    EXPECT_EQ(model.log.lines(),
              (QStringList{QString(), QStringLiteral("Melyik sorban volt: 2"),
                           QStringLiteral("Miből: körte"), QStringLiteral("Mire:   KÖRTE")}));

    model.log.caption = QStringLiteral("Hibák észelelése");
    showCorrectionLog(model);
    EXPECT_EQ(model.log.caption, QStringLiteral("A módosítás végeredménye"));
    EXPECT_FALSE(model.log.headingsVisible);
    EXPECT_EQ(host.reportShown, 1);
    EXPECT_EQ(model.log.size(), 4);  // shown as it stands
    EXPECT_EQ(host.focusGrid_, 3);
}

TEST_F(BatchPassTest, ReexaminationTreatsEveryOccurrence)
{
    const struct {
        bool reexamine;
        QStringList after;
        int changes;
    } cases[] = {
        {false, {QStringLiteral("b-a-a"), QStringLiteral("x"), QStringLiteral("b")}, 2},
        {true, {QStringLiteral("b-b-b"), QStringLiteral("x"), QStringLiteral("b")}, 4},
    };
    for (const auto &c : cases) {
        model.cds.empty();
        addRows({QStringLiteral("a-a-a"), QStringLiteral("x"), QStringLiteral("a")});
        EXPECT_EQ(run({replaceOnce(QStringLiteral("a"), QStringLiteral("b"))}, c.reexamine),
                  c.changes);
        EXPECT_EQ(texts(), c.after) << c.reexamine;
    }
    // the third entry of row 1 starts from what the second one left
    EXPECT_EQ(model.log.lines()[10], QStringLiteral("Miből: b-b-a"));
    EXPECT_EQ(model.log.lines()[13], QStringLiteral("Melyik sorban volt: 3"));
}

TEST_F(BatchPassTest, ARuleThatAlwaysFiresCannotHoldThePassForever)
{
    addRows({QStringLiteral("a"), QStringLiteral("b")});
    const int changes = run({makeRule([](QString &text, RowContext &) {
                                text = text.left(1);
                                return true;
                            })},
                            true);
    EXPECT_GT(changes, 2);
    EXPECT_FALSE(displayLock);
    EXPECT_EQ(texts(), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
}

TEST_F(BatchPassTest, DeletedRowsShiftPositionsAndLowerTheCounts)
{
    addRows({QStringLiteral("marad 1"), QStringLiteral("törlendő|a|b"),
             QStringLiteral("törlendő ") + QString(40, u'x'), QStringLiteral("marad 2"),
             QStringLiteral("törlendő"), QStringLiteral("törlendő utolsó")});
    model.cds.setSecondRowCount(6);
    EXPECT_EQ(model.overThresholdCount, 1);
    EXPECT_EQ(model.threeLineCount, 1);
    model.cds.setRecNo(6);

    EXPECT_EQ(run({deleteStartingWith(QStringLiteral("törlendő")),
                   replaceOnce(QStringLiteral("marad"), QStringLiteral("maradt"))}),
              6);
    EXPECT_EQ(texts(), (QStringList{QStringLiteral("maradt 1"), QStringLiteral("maradt 2")}));
    EXPECT_EQ(model.cds.recNo(), 2);  // the remembered row is gone: the new last row
    EXPECT_EQ(model.overThresholdCount, 0);
    EXPECT_EQ(model.threeLineCount, 0);
    EXPECT_EQ(model.cds.secondRowCount(), 2);
    const QStringList &log = model.log.lines();
    // the second deleted row took the first one's place: the same position
    EXPECT_EQ(log.mid(4, 6),
              (QStringList{QString(), QStringLiteral("Melyik sorban volt: 2"),
                           QStringLiteral("Törölve: törlendő|a|b"), QString(),
                           QStringLiteral("Melyik sorban volt: 2"),
                           QStringLiteral("Törölve: törlendő ") + QString(40, u'x')}));
    EXPECT_EQ(log.last(), QStringLiteral("Törölve: törlendő utolsó"));
    EXPECT_EQ(log[log.size() - 2], QStringLiteral("Melyik sorban volt: 3"));
    EXPECT_TRUE(model.modified());
}

TEST_F(BatchPassTest, DeletingEveryRowLeavesAnEmptyTable)
{
    addRows({QStringLiteral("törlendő 1"), QStringLiteral("törlendő 2")});
    model.cds.setRecNo(2);
    EXPECT_EQ(run({deleteStartingWith(QStringLiteral("törlendő"))}), 2);
    EXPECT_EQ(model.cds.recordCount(), 0);
    EXPECT_EQ(model.cds.recNo(), 0);
    EXPECT_FALSE(displayLock);
}

TEST_F(BatchPassTest, ToolsChooseTheirEntryForm)
{
    EntryForm scriptBlock;
    scriptBlock.separator = QStringLiteral(" ");
    scriptBlock.fromPrefix = QStringLiteral("Miből:   ");
    scriptBlock.toPrefix = QStringLiteral("Mire:    ");
    addRows({QStringLiteral("abc")});
    run({replaceOnce(QStringLiteral("a"), QStringLiteral("A"), EntryForm::spacedColon()),
         replaceOnce(QStringLiteral("b"), QStringLiteral("B"), scriptBlock),
         makeRule(
             [](QString &text, RowContext &ctx) {
                 if (!text.endsWith(u'c'))
                     return false;
                 ctx.log.add(QString());
                 ctx.log.add(QStringLiteral("Javítás jellege: próba"));
                 ctx.log.add(QStringLiteral("Melyik sorban volt: ") + QString::number(ctx.row));
                 text.chop(1);
                 return true;
             },
             EntryForm::selfWritten())});
    EXPECT_EQ(model.log.lines(),
              (QStringList{QString(), QStringLiteral("Melyik sorban volt: 1"),
                           QStringLiteral("Miből: abc"), QStringLiteral("Mire  : Abc"),
                           QStringLiteral(" "), QStringLiteral("Melyik sorban volt: 1"),
                           QStringLiteral("Miből:   Abc"), QStringLiteral("Mire:    ABc"),
                           QString(), QStringLiteral("Javítás jellege: próba"),
                           QStringLiteral("Melyik sorban volt: 1")}));
    EXPECT_EQ(texts(), QStringList{QStringLiteral("AB")});
    EXPECT_EQ(messages.lines(), QStringList{doneWithChanges.arg(3)});
}

TEST_F(BatchPassTest, RulesSeeEarlierFiringsAndMayCountSeveralChanges)
{
    addRows({QStringLiteral("a,b,c"), QStringLiteral("x")});
    // one firing that inserts two spaces counts two changes and does not
    // make the row be examined again; the second rule stands back when the
    // first one fired in the same examination
    BatchRule spaces = makeRule([](QString &text, RowContext &ctx) {
        const int n = int(text.count(u','));
        if (n == 0 || text.contains(QStringLiteral(", ")))
            return false;
        text.replace(u',', QStringLiteral(", "));
        ctx.count = n;
        return true;
    });
    spaces.reexamines = false;
    BatchRule mark = makeRule([](QString &text, RowContext &ctx) {
        if (ctx.fired(0) || text.endsWith(u'!'))
            return false;
        text += u'!';
        return true;
    });
    BatchTool tool;
    tool.rules = {spaces, mark};
    tool.reexamine = true;
    EXPECT_EQ(runBatchPass(model, tool), 3);
    EXPECT_EQ(texts(), (QStringList{QStringLiteral("a, b, c"), QStringLiteral("x!")}));
    EXPECT_EQ(model.log.lines()[3], QStringLiteral("Mire:   a, b, c"));
    EXPECT_EQ(model.log.lines()[4], QString());
    EXPECT_EQ(model.log.lines()[5], QStringLiteral("Melyik sorban volt: 2"));
}

TEST_F(BatchPassTest, StoringAppliesTheLeadingBreakOption)
{
    model.options.max2 = true;
    addRows({QStringLiteral("szöveg")});
    run({makeRule([](QString &text, RowContext &) {
        if (text.startsWith(u'|'))
            return false;
        text = QStringLiteral("||") + text;
        return true;
    })});
    EXPECT_EQ(texts(), QStringList{QStringLiteral("szöveg")});
}

}  // namespace
