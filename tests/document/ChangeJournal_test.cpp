#include <QSignalSpy>
#include <gtest/gtest.h>

#include "document/ChangeJournal.h"
#include "document/SubtitleTable.h"
#include "support/GlobalsFixture.h"

namespace {

std::vector<SubtitleRow> snapshot(const SubtitleTable &table)
{
    std::vector<SubtitleRow> rows;
    for (int i = 0; i < table.recordCount(); ++i)
        rows.push_back(table.rowAt(i));
    return rows;
}

class ChangeJournalTest : public GlobalsFixture {
protected:
    void SetUp() override
    {
        GlobalsFixture::SetUp();
        table.create();
        std::vector<SubtitleRow> rows;
        for (int i = 1; i <= 6; ++i) {
            SubtitleRow row;
            row.kezdes = QString::number(i * 10);
            row.befejezes = QString::number(i * 10 + 5);
            row.szoveg = QStringLiteral("sor %1").arg(i);
            if (i <= 3)
                row.szoveg2 = QStringLiteral("masik %1").arg(i);
            rows.push_back(std::move(row));
        }
        table.appendRows(std::move(rows));
        table.setSecondRowCount(3);
        table.attachJournal(&journal);
        journal.reset();
        asRead = snapshot(table);
    }
    void setText(int recNo, const QString &text)
    {
        table.setRecNo(recNo);
        table.edit();
        table.setField(Field::Szoveg, text);
        table.post();
    }
    void expectAsRead()
    {
        EXPECT_EQ(snapshot(table), asRead);
        EXPECT_EQ(table.secondRowCount(), 3);
    }
    SubtitleTable table;
    ChangeJournal journal{table};
    std::vector<SubtitleRow> asRead;
};

// Every kind of change, each as one step, undone back to the table as read
// and done again to the table as it was changed.
TEST_F(ChangeJournalTest, EveryKindOfChangeGoesBackAndComesAgain)
{
    struct Action {
        const char *name;
        std::function<void()> run;
    };
    const Action actions[] = {
        {"edit", [&] { setText(2, QStringLiteral("új szöveg")); }},
        {"insert inside the second rows",
         [&] {
             table.setRecNo(2);
             table.insert();
             table.setField(Field::Szoveg, QStringLiteral("beszúrt"));
             table.post();
         }},
        {"append",
         [&] {
             table.append();
             table.setField(Field::Szoveg, QStringLiteral("utolsó"));
             table.post();
         }},
        {"remove inside the second rows",
         [&] {
             table.setRecNo(1);
             table.remove();
         }},
        {"replace", [&] { table.replaceRow(4, SubtitleRow{}); }},
        {"bulk append",
         [&] { table.appendRows(std::vector<SubtitleRow>(3, SubtitleRow{{}, {}, "x"})); }},
        {"second count", [&] { table.setSecondRowCount(1); }},
        {"empty", [&] { table.empty(); }},
    };
    std::vector<std::vector<SubtitleRow>> after;
    for (const Action &a : actions) {
        JournalStepGuard step(&journal, QString::fromUtf8(a.name));
        a.run();
    }
    ASSERT_EQ(journal.stepCount(), int(std::size(actions)));
    EXPECT_EQ(journal.undoName(), QStringLiteral("empty"));
    EXPECT_EQ(table.recordCount(), 0);

    // remember each state while undoing, then compare them on the way back
    std::vector<std::vector<SubtitleRow>> states{snapshot(table)};
    while (journal.undo())
        states.push_back(snapshot(table));
    expectAsRead();
    EXPECT_TRUE(journal.atSavedPoint());
    for (int i = int(states.size()) - 2; i >= 0; --i) {
        ASSERT_TRUE(journal.redo());
        EXPECT_EQ(snapshot(table), states[i]) << "after redoing " << actions[states.size() - 2 - i].name;
    }
    EXPECT_FALSE(journal.redo());
}

TEST_F(ChangeJournalTest, NestedActionsCommitOnceAndNothingChangedMakesNoStep)
{
    {
        JournalStepGuard outer(&journal, QStringLiteral("Általános javítás"));
        JournalStepGuard inner(&journal, QStringLiteral("Sor törlése"));
        setText(1, QStringLiteral("a"));
        setText(2, QStringLiteral("b"));
    }
    {
        JournalStepGuard idle(&journal, QStringLiteral("Semmi"));
        table.setRecNo(4);
    }
    ASSERT_EQ(journal.stepCount(), 1);
    EXPECT_EQ(journal.step(0).name, QStringLiteral("Általános javítás"));
    EXPECT_EQ(journal.step(0).changes.size(), 2u);
    journal.undo();
    expectAsRead();
    EXPECT_EQ(table.recNo(), 1);  // the row the action began on
}

TEST_F(ChangeJournalTest, TypingInOneFieldOfOneRowIsOneStep)
{
    const QString typing = QStringLiteral("Gépelés");
    for (const QString &text : {QStringLiteral("s"), QStringLiteral("so"), QStringLiteral("sor")}) {
        setText(2, text);
        journal.commitTyping(typing, 2, int(Field::Szoveg));
    }
    setText(3, QStringLiteral("x"));
    journal.commitTyping(typing, 3, int(Field::Szoveg));
    setText(3, QStringLiteral("xy"));
    journal.commitTyping(typing, 3, int(Field::Szoveg));
    ASSERT_EQ(journal.stepCount(), 2);
    EXPECT_EQ(journal.step(0).changes.size(), 1u);  // the value before the first key only
    journal.undo();
    EXPECT_EQ(table.rowAt(2).szoveg, QStringLiteral("sor 3"));
    EXPECT_EQ(table.rowAt(1).szoveg, QStringLiteral("sor"));
    journal.undo();
    expectAsRead();
    // typing after an undo starts a step of its own
    setText(2, QStringLiteral("q"));
    journal.commitTyping(typing, 2, int(Field::Szoveg));
    EXPECT_EQ(journal.stepCount(), 1);
    EXPECT_EQ(journal.redoCount(), 0);
}

TEST_F(ChangeJournalTest, SavedPointFollowsUndoAndIsLostWhenItsBranchIsDropped)
{
    setText(1, QStringLiteral("a"));
    journal.commit(QStringLiteral("egy"));
    journal.markSaved();
    setText(1, QStringLiteral("b"));
    journal.commit(QStringLiteral("kettő"));
    EXPECT_FALSE(journal.atSavedPoint());
    journal.undo();
    EXPECT_TRUE(journal.atSavedPoint());
    journal.undo();
    EXPECT_FALSE(journal.atSavedPoint());
    setText(1, QStringLiteral("c"));  // a new branch: the saved state is gone
    journal.commit(QStringLiteral("három"));
    journal.undo();
    EXPECT_FALSE(journal.atSavedPoint());
}

TEST_F(ChangeJournalTest, OldestStepsGoBeyondTheBound)
{
    for (int i = 0; i < ChangeJournal::keptSteps + 5; ++i) {
        setText(1, QString::number(i));
        journal.commit(QStringLiteral("lépés %1").arg(i));
    }
    EXPECT_EQ(journal.stepCount(), ChangeJournal::keptSteps);
    EXPECT_EQ(journal.step(0).name, QStringLiteral("lépés 5"));
    while (journal.undo()) {
    }
    EXPECT_EQ(table.rowAt(0).szoveg, QStringLiteral("4"));
}

// A row or two comes back row by row, so a grid of any size stays where it
// is; only big steps reset the views.
TEST_F(ChangeJournalTest, SmallStepsAreAnnouncedRowByRow)
{
    table.setRecNo(2);
    table.remove();
    journal.commit(QStringLiteral("Sor törlése"));
    QSignalSpy resets(&table, &SubtitleTable::reset);
    QSignalSpy inserted(&table, &SubtitleTable::rowsInserted);
    journal.undo();
    EXPECT_EQ(resets.count(), 0);
    EXPECT_EQ(inserted.count(), 1);
    expectAsRead();
    EXPECT_EQ(table.recNo(), 2);
}

TEST_F(ChangeJournalTest, AChangeWhileUndoingIsNotRecorded)
{
    setText(1, QStringLiteral("a"));
    journal.commit(QStringLiteral("egy"));
    journal.pause();
    setText(2, QStringLiteral("b"));
    journal.resume();
    EXPECT_FALSE(journal.hasOpenChanges());
    EXPECT_EQ(journal.stepCount(), 1);
}

}  // namespace
