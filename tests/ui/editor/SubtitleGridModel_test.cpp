#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include "document/SubtitleTable.h"
#include "ui/SubtitleGridModel.h"

namespace {

void addRow(SubtitleTable &t, const QString &text)
{
    t.append();
    t.setField(Field::Kezdes, "00:00:01,000");
    t.setField(Field::Befejezes, "00:00:02,000");
    t.setField(Field::Szoveg, text);
    t.post();
}

}  // namespace

TEST(SubtitleGridModel, ShowsTheTableWithoutACopy)
{
    SubtitleTable table;
    table.create();
    SubtitleGridModel model(table);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(model.columnCount(), 5);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "Sorszám");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Kezdés");
    EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), "Befejezés");
    EXPECT_EQ(model.headerData(3, Qt::Horizontal).toString(), "Szöveg");

    addRow(table, "egy");
    addRow(table, "kettő");
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.index(1, 0).data().toString(), "2");
    EXPECT_EQ(model.index(1, 3).data().toString(), "kettő");
    EXPECT_EQ(model.index(0, 1).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    EXPECT_FALSE(model.flags(model.index(0, 3)) & Qt::ItemIsEditable);

    // edits show at once, read from the table itself
    table.first();
    table.edit();
    table.setField(Field::Szoveg, "EGY");
    table.post();
    EXPECT_EQ(model.index(0, 3).data().toString(), "EGY");
}

TEST(SubtitleGridModel, FollowsInsertsRemovalsAndResets)
{
    SubtitleTable table;
    table.create();
    SubtitleGridModel model(table);
    // (the item model tester would object to the row numbers moving on an
    // insert: they are computed from the position on purpose)
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);

    for (const char *t : {"a", "b", "c"})
        addRow(table, t);
    EXPECT_EQ(inserted.count(), 3);
    table.setRecNo(2);
    table.insert();
    table.setField(Field::Szoveg, "x");
    table.post();
    EXPECT_EQ(inserted.count(), 4);
    EXPECT_EQ(inserted.last().at(1).toInt(), 1);
    EXPECT_EQ(model.index(1, 3).data().toString(), "x");
    EXPECT_EQ(model.index(2, 0).data().toString(), "3");

    table.remove();
    EXPECT_EQ(removed.count(), 1);
    EXPECT_EQ(model.rowCount(), 3);

    // a suspended pass arrives as one reset and no row signals
    changed.clear();
    table.suspendRefresh();
    for (table.first(); !table.eof(); table.next()) {
        table.edit();
        table.setField(Field::Szoveg, table.field(Field::Szoveg) + "!");
        table.post();
    }
    addRow(table, "d");
    table.resumeRefresh();
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(inserted.count(), 4);
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_EQ(model.index(0, 3).data().toString(), "a!");

    table.close();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(resets.count(), 2);
}
