#include <QSignalSpy>
#include <gtest/gtest.h>

#include "document/DocumentGlobals.h"
#include "document/SubtitleTable.h"
#include "support/GlobalsFixture.h"

namespace {

class SubtitleTableTest : public GlobalsFixture {
protected:
    void SetUp() override
    {
        GlobalsFixture::SetUp();
        cds.create();
    }
    void addRow(const QString &start, const QString &end, const QString &text)
    {
        cds.append();
        cds.setField(Field::Kezdes, start);
        cds.setField(Field::Befejezes, end);
        cds.setField(Field::Szoveg, text);
        cds.post();
    }
    void addRows(int n)
    {
        for (int i = 1; i <= n; ++i)
            addRow(QString::number(i), QString::number(i + 1), QStringLiteral("t%1").arg(i));
    }
    SubtitleTable cds;
};

TEST_F(SubtitleTableTest, EmptyTableHasNoLineNumbers)
{
    EXPECT_EQ(cds.recordCount(), 0);
    EXPECT_EQ(cds.displayText(Field::Sorszam), QString());
    EXPECT_EQ(cds.recNo(), 0);
    cds.first();
    EXPECT_TRUE(cds.eof());
}

// Times and flags are cut to their size; texts are never cut.
TEST_F(SubtitleTableTest, ValuesAreCutToTheirFieldSizeButTextsAreKeptWhole)
{
    cds.append();
    cds.setField(QStringLiteral("SZOVEG"), QString(230, u'a'));
    cds.setField(QStringLiteral("szoveg2"), QString(300, u'b'));
    cds.setField(QStringLiteral("kezdes"), QStringLiteral("00:00:01,0001234"));
    cds.setField(QStringLiteral("BETU38"), QStringLiteral("tt"));
    cds.post();
    EXPECT_EQ(cds.field(Field::Szoveg), QString(230, u'a'));
    EXPECT_EQ(cds.field(Field::Szoveg2), QString(300, u'b'));
    EXPECT_EQ(cds.field(QStringLiteral("KEZDES")), QStringLiteral("00:00:01,000"));
    EXPECT_EQ(cds.field(QStringLiteral("betu38")), QStringLiteral("t"));
}

TEST_F(SubtitleTableTest, InsertStateRowIsCountedOnlyWhenPosted)
{
    cds.append();
    cds.setField(Field::Kezdes, QStringLiteral("1"));
    EXPECT_EQ(cds.recordCount(), 0);
    // appending again posts the touched row
    cds.append();
    EXPECT_EQ(cds.recordCount(), 1);
    // the untouched row disappears when the next one starts
    cds.append();
    EXPECT_EQ(cds.recordCount(), 1);
    cds.first();
    EXPECT_EQ(cds.recordCount(), 1);
    EXPECT_EQ(cds.field(Field::Kezdes), QStringLiteral("1"));
}

TEST_F(SubtitleTableTest, SettingFieldsNeedsEditOrInsert)
{
    addRow("1", "2", "a");
    EXPECT_FALSE(cds.setField(Field::Szoveg, QStringLiteral("b")));
    cds.edit();
    EXPECT_TRUE(cds.setField(Field::Szoveg, QStringLiteral("b")));
    cds.post();
    EXPECT_EQ(cds.field(Field::Szoveg), QStringLiteral("b"));
}

TEST_F(SubtitleTableTest, MovingTheCursorPostsAnEditedRow)
{
    addRows(3);
    cds.first();
    cds.edit();
    cds.setField(Field::Szoveg, QStringLiteral("changed"));
    cds.next();
    EXPECT_EQ(cds.rowAt(0).szoveg, QStringLiteral("changed"));
    EXPECT_EQ(cds.recNo(), 2);
}

TEST_F(SubtitleTableTest, NavigationAndAtEndMark)
{
    addRows(3);
    cds.first();
    EXPECT_EQ(cds.displayText(Field::Sorszam), QStringLiteral("1"));
    EXPECT_EQ(cds.field(Field::Sorszam), QString());
    cds.next();
    cds.next();
    EXPECT_FALSE(cds.eof());
    cds.next();
    EXPECT_TRUE(cds.eof());
    EXPECT_EQ(cds.recNo(), 3);
    cds.setRecNo(99);
    EXPECT_EQ(cds.recNo(), 3);
    cds.setRecNo(0);
    EXPECT_EQ(cds.recNo(), 1);
    cds.prior();
    EXPECT_TRUE(cds.bof());
}

TEST_F(SubtitleTableTest, InsertGoesBeforeTheCurrentRow)
{
    addRows(3);
    cds.setRecNo(2);
    cds.insert();
    cds.setField(Field::Szoveg, QStringLiteral("new"));
    cds.post();
    EXPECT_EQ(cds.recNo(), 2);
    EXPECT_EQ(cds.rowAt(1).szoveg, QStringLiteral("new"));
    EXPECT_EQ(cds.rowAt(2).szoveg, QStringLiteral("t2"));
}

// A row inserted in front of any row that carries a second text, the last
// one included, keeps that text counted; one inserted after them does not
// count, and a cancelled insert gives its count back.
TEST_F(SubtitleTableTest, BeforeInsertRuleMovesTheSecondSubtitleCount)
{
    addRows(6);
    struct Case {
        int current;
        bool append;
        int expected;
    } cases[] = {{3, false, 6}, {5, false, 6}, {6, false, 5}, {5, true, 5}, {6, true, 5}};
    for (const Case &c : cases) {
        cds.setSecondRowCount(5);
        cds.setRecNo(c.current);
        c.append ? cds.append() : cds.insert();
        EXPECT_EQ(cds.secondRowCount(), c.expected) << c.current << c.append;
        cds.cancel();
        EXPECT_EQ(cds.secondRowCount(), 5) << c.current << c.append;
    }
}

TEST_F(SubtitleTableTest, DeleteMakesTheNextOrNewLastRowCurrent)
{
    addRows(3);
    cds.setRecNo(2);
    cds.remove();
    EXPECT_EQ(cds.recordCount(), 2);
    EXPECT_EQ(cds.field(Field::Szoveg), QStringLiteral("t3"));
    cds.remove();
    EXPECT_EQ(cds.recNo(), 1);
    EXPECT_EQ(cds.field(Field::Szoveg), QStringLiteral("t1"));
    cds.remove();
    EXPECT_EQ(cds.recordCount(), 0);
    EXPECT_TRUE(cds.eof());
    EXPECT_EQ(cds.displayText(Field::Sorszam), QString());
}

TEST_F(SubtitleTableTest, ChangeLogCountsPostsAndDeletions)
{
    addRows(2);
    EXPECT_EQ(cds.changeCount(), 2);
    cds.mergeChangeLog();
    cds.first();
    cds.edit();
    cds.post();  // nothing set: no change
    EXPECT_EQ(cds.changeCount(), 0);
    cds.edit();
    cds.setField(Field::Szoveg, QStringLiteral("x"));
    cds.post();
    cds.remove();
    EXPECT_EQ(cds.changeCount(), 2);
}

TEST_F(SubtitleTableTest, SuspendedRefreshBecomesOneReset)
{
    QSignalSpy inserted(&cds, &SubtitleTable::rowsInserted);
    QSignalSpy reset(&cds, &SubtitleTable::reset);
    cds.suspendRefresh();
    addRows(100);
    cds.first();
    while (!cds.eof()) {
        cds.remove();
    }
    cds.resumeRefresh();
    EXPECT_EQ(inserted.count(), 0);
    EXPECT_EQ(reset.count(), 1);
    addRow("1", "2", "x");
    EXPECT_EQ(inserted.count(), 1);
}

TEST_F(SubtitleTableTest, DeletingEveryOtherRowOfALargeTableInOnePass)
{
    cds.suspendRefresh();
    for (int i = 0; i < 200000; ++i)
        addRow(QString(), QString(), QString::number(i));
    cds.first();
    int i = 0;
    while (!cds.eof()) {
        if (i++ % 2 == 0)
            cds.remove();
        else
            cds.next();
    }
    cds.resumeRefresh();
    ASSERT_EQ(cds.recordCount(), 100000);
    EXPECT_EQ(cds.rowAt(0).szoveg, QStringLiteral("1"));
    EXPECT_EQ(cds.rowAt(99999).szoveg, QStringLiteral("199999"));
}

// Room made or rows added in bulk behind rows already there (the join of a
// second part) keeps the rows as they were: no empty rows appear.
TEST_F(SubtitleTableTest, BulkAppendBehindExistingRows)
{
    addRow("00:00:01,000", "00:00:02,000", "a");
    addRow("00:00:03,000", "00:00:04,000", "b");
    cds.reserve(200);
    EXPECT_EQ(cds.recordCount(), 2) << "room is not rows";

    std::vector<SubtitleRow> more(150);
    for (size_t i = 0; i < more.size(); ++i)
        more[i].szoveg = QString::number(i);
    cds.appendRows(std::move(more));
    ASSERT_EQ(cds.recordCount(), 152);
    EXPECT_EQ(cds.rowAt(1).szoveg, QStringLiteral("b"));
    EXPECT_EQ(cds.rowAt(2).szoveg, QStringLiteral("0"));
    EXPECT_EQ(cds.rowAt(151).szoveg, QStringLiteral("149"));
}

}  // namespace
