// Inserting, appending, deleting rows and moving the boundary, headless.
#include <gtest/gtest.h>

#include "app/MessageBox.h"
#include "support/ControlIdByName.h"
#include "document/DocumentGlobals.h"
#include "editor/EditorModel.h"
#include "editor/RowOperations.h"
#include "editor/RowStats.h"
#include "support/GlobalsFixture.h"
#include "support/MessageRecorder.h"
#include "support/PrintQString.h"

namespace {

struct Times {
    const char *start;
    const char *end;
};

class RowOperations : public GlobalsFixture {
protected:
    void fill(const QString &base, std::initializer_list<Times> rows)
    {
        model.setTimeBase(base);
        model.cds.create();
        int n = 0;
        for (const Times &t : rows) {
            model.cds.append();
            model.cds.setField(Field::Kezdes, QString::fromUtf8(t.start));
            model.cds.setField(Field::Befejezes, QString::fromUtf8(t.end));
            model.cds.setField(Field::Szoveg, QStringLiteral("sor %1").arg(++n));
            model.cds.post();
        }
        model.cds.first();
    }
    void fillTexts(int rows)
    {
        model.setTimeBase(QStringLiteral("Time"));
        model.cds.create();
        for (int i = 1; i <= rows; ++i) {
            model.cds.append();
            model.cds.setField(Field::Szoveg, QStringLiteral("sor %1").arg(i));
            model.cds.post();
        }
        model.cds.first();
    }
    // "start>end" of every row, in order.
    QStringList times() const
    {
        QStringList out;
        for (int i = 0; i < model.cds.recordCount(); ++i)
            out << model.cds.rowAt(i).kezdes + u'>' + model.cds.rowAt(i).befejezes;
        return out;
    }
    QStringList texts() const
    {
        QStringList out;
        for (int i = 0; i < model.cds.recordCount(); ++i)
            out << model.cds.rowAt(i).szoveg;
        return out;
    }
    EditorModel model;
    MessageRecorder recorder;
};

TEST_F(RowOperations, NewRowsTakeTheirTimesFromTheNeighbour)
{
    struct Case {
        const char *base;
        Times current;
        bool hasNext;
        void (*op)(EditorModel &);
        Times expected;
    } cases[] = {
        {"Time", {"00:00:10,000", "00:00:12,000"}, true, insertAfter, {"00:00:12,000", "00:00:12,000"}},
        {"Time", {"00:00:10,000", "00:00:12,000"}, true, insertBefore, {"00:00:10,000", "00:00:10,000"}},
        {"Time", {"00:00:10,000", "00:00:12,000"}, false, insertAfter, {"00:00:12,000", "00:00:13,000"}},
        {"Frame", {"8", "50"}, true, insertBefore, {"0", "8"}},
        {"Frame", {"10", "50"}, true, insertBefore, {"0", "10"}},
        {"Frame", {"120", "200"}, true, insertBefore, {"110", "120"}},
        {"Frame", {"120", "200"}, true, insertAfter, {"200", "200"}},
        {"Frame", {"120", "200"}, false, insertAfter, {"200", "210"}},
        {"Frame", {"120", ""}, false, insertAfter, {"", ""}},
        // a start that is not a number counts as 0 for the arithmetic
        {"Frame", {"", "50"}, true, insertBefore, {"0", ""}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.base) + " " + c.current.start + ">" + c.current.end);
        if (c.hasNext)
            fill(QString::fromUtf8(c.base), {c.current, {"99999", "99999"}});
        else
            fill(QString::fromUtf8(c.base), {c.current});
        c.op(model);
        const int newRow = c.op == insertBefore ? 1 : 2;
        EXPECT_EQ(model.cds.recNo(), newRow);
        const SubtitleRow &row = model.cds.rowAt(newRow - 1);
        EXPECT_EQ(row.kezdes, QString::fromUtf8(c.expected.start));
        EXPECT_EQ(row.befejezes, QString::fromUtf8(c.expected.end));
        EXPECT_TRUE(row.szoveg.isEmpty());
        EXPECT_EQ(model.cds.recordCount(), c.hasNext ? 3 : 2);
        EXPECT_TRUE(model.modified());
        EXPECT_FALSE(displayLock);
    }
}

TEST_F(RowOperations, AppendGoesAfterTheLastRowWhereverTheCursorIs)
{
    struct Case {
        const char *base;
        Times last;
        Times expected;
    } cases[] = {
        {"Time", {"00:59:58,000", "00:59:59,500"}, {"00:59:59,500", "01:00:00,500"}},
        {"Time", {"00:00:01,000", ""}, {"00:00:00,000", "00:00:01,000"}},
        {"Frame", {"90", "100"}, {"100", "110"}},
        {"Frame", {"90", ""}, {"0", "0"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.base);
        fill(QString::fromUtf8(c.base), {{"1", "2"}, c.last});
        model.cds.first();
        appendRow(model);
        EXPECT_EQ(model.cds.recNo(), 3);
        EXPECT_EQ(times().last(),
                  QString::fromUtf8(c.expected.start) + u'>' + QString::fromUtf8(c.expected.end));
        EXPECT_TRUE(model.modified());
    }
}

TEST_F(RowOperations, AppendToAnEmptyTableOpensTheLineFields)
{
    layoutSetting = QStringLiteral("1024x768");
    model.setTimeBase(QStringLiteral("Time"));
    model.cds.create();
    for (const char *n : {"Btorles", "Belemoge", "BTorlesTobb", "kezdes", "szoveg", "soreleRacs",
                          "Masikfelirat", "B22"})
        model.setEnabled(ctl(n), false);
    model.setVisible(Ctl::racsVScroll, true);
    appendRow(model);
    EXPECT_EQ(times(), QStringList{"00:00:00,000>00:00:01,000"});
    for (const char *n : {"Btorles", "Belemoge", "BTorlesTobb", "kezdes", "szoveg", "soreleRacs",
                          "Masikfelirat", "B22"})
        EXPECT_TRUE(model.isEnabled(ctl(n))) << n;
    EXPECT_FALSE(model.isVisible(Ctl::racsVScroll));
}

TEST_F(RowOperations, EmptyRowOptionLeavesEveryNewRowWithoutTimes)
{
    for (const char *base : {"Time", "Frame"}) {
        fill(QString::fromUtf8(base), {{"100", "200"}, {"300", "400"}});
        model.setChecked(Ctl::cburessor, true);
        insertBefore(model);
        insertAfter(model);
        appendRow(model);
        model.cds.setRecNo(2);
        insertFiveAfter(model);
        // before row 1, after it, at the end, then five after the second row
        EXPECT_EQ(times(), (QStringList{">", ">", ">", ">", ">", ">", ">", "100>200",
                                        "300>400", ">"}))
            << base;
    }
}

TEST_F(RowOperations, FiveAfterTheLastRowFollowEachOther)
{
    fill(QStringLiteral("Frame"), {{"50", "100"}});
    insertFiveAfter(model);
    EXPECT_EQ(times(), (QStringList{"50>100", "100>110", "110>120", "120>130", "130>140",
                                    "140>150"}));
    EXPECT_EQ(model.cds.recNo(), 6);

    fill(QStringLiteral("Time"), {{"00:00:01,000", "00:00:02,000"}});
    insertFiveAfter(model);
    EXPECT_EQ(times().mid(1), (QStringList{"00:00:02,000>00:00:03,000", "00:00:03,000>00:00:04,000",
                                           "00:00:04,000>00:00:05,000", "00:00:05,000>00:00:06,000",
                                           "00:00:06,000>00:00:07,000"}));

    // after an inner row all five sit at its end, before the next row
    fill(QStringLiteral("Frame"), {{"50", "100"}, {"300", "400"}});
    insertFiveAfter(model);
    EXPECT_EQ(times(), (QStringList{"50>100", "100>100", "100>100", "100>100", "100>100",
                                    "100>100", "300>400"}));
    EXPECT_EQ(model.cds.recNo(), 6);
}

TEST_F(RowOperations, DeleteAsksAndAnswerDecides)
{
    fillTexts(3);
    model.cds.setRecNo(2);
    recorder.answer(QStringLiteral("Nem"));
    EXPECT_FALSE(deleteRow(model));
    EXPECT_EQ(recorder.lines(),
              QStringList{"Törlés!|kerdes|Tényleg törölni akarja a sort?|"});
    EXPECT_EQ(texts(), (QStringList{"sor 1", "sor 2", "sor 3"}));
    EXPECT_FALSE(model.modified());

    recorder.clear();
    recorder.answer(QStringLiteral("Igen"));
    EXPECT_TRUE(deleteRow(model));
    EXPECT_EQ(texts(), (QStringList{"sor 1", "sor 3"}));
    EXPECT_EQ(model.cds.recNo(), 2);  // the following row
    EXPECT_TRUE(model.modified());
    EXPECT_FALSE(displayLock);

    // without the question; the last row deleted leaves the new last current
    recorder.clear();
    model.setChecked(Ctl::CBdelete, true);
    EXPECT_TRUE(deleteRow(model));
    EXPECT_TRUE(recorder.lines().isEmpty());
    EXPECT_EQ(texts(), QStringList{"sor 1"});
    EXPECT_EQ(model.cds.recNo(), 1);
}

TEST_F(RowOperations, DeletingTheOnlyRowAndThenNothing)
{
    fillTexts(1);
    model.setChecked(Ctl::CBdelete, true);
    EXPECT_TRUE(deleteRow(model));
    EXPECT_EQ(model.cds.recordCount(), 0);
    for (const char *n : {"Btorles", "Belemoge", "BTorlesTobb"})
        EXPECT_FALSE(model.isEnabled(ctl(n))) << n;

    model.setModified(false);
    EXPECT_FALSE(deleteRow(model));
    EXPECT_EQ(recorder.lines(),
              QStringList{"Sor törlése|info|Nincs több sor a file-ban, ezért nem tud törölni!|"});
    EXPECT_FALSE(model.isEnabled(Ctl::Masikfelirat));
    EXPECT_FALSE(model.modified());
}

TEST_F(RowOperations, DeletionKeepsTheCountsAndTheSecondSubtitleRows)
{
    model.setTimeBase(QStringLiteral("Time"));
    model.cds.create();
    const QString longLine(40, u'x');
    for (const QString &text : {longLine, QStringLiteral("a|b|c"), QStringLiteral("rövid"),
                                longLine + QStringLiteral("|b|c")}) {
        model.cds.append();
        model.cds.setField(Field::Szoveg, text);
        setRowFlagsQuiet(model);
        model.cds.post();
    }
    model.cds.setSecondRowCount(2);
    ASSERT_EQ(model.overThresholdCount, 2);
    ASSERT_EQ(model.threeLineCount, 2);
    model.setChecked(Ctl::CBdelete, true);

    model.cds.setRecNo(2);  // the last row with a second text
    deleteRow(model);
    EXPECT_EQ(model.threeLineCount, 1);
    EXPECT_EQ(model.overThresholdCount, 2);
    EXPECT_EQ(model.cds.secondRowCount(), 1);

    model.cds.setRecNo(3);  // beyond the second subtitle
    deleteRow(model);
    EXPECT_EQ(model.threeLineCount, 0);
    EXPECT_EQ(model.overThresholdCount, 1);
    EXPECT_EQ(model.cds.secondRowCount(), 1);

    // inserting inside the second subtitle's rows widens it
    model.cds.setSecondRowCount(3);
    model.cds.setRecNo(1);
    insertAfter(model);
    EXPECT_EQ(model.cds.secondRowCount(), 4);
}

TEST_F(RowOperations, RangeDeleteRemovesTheRowsAndRenumbers)
{
    fillTexts(10);
    model.cds.setRecNo(7);
    deleteRange(model, 3, 5);
    EXPECT_EQ(texts(), (QStringList{"sor 1", "sor 2", "sor 6", "sor 7", "sor 8", "sor 9",
                                    "sor 10"}));
    EXPECT_EQ(model.cds.recNo(), 3);
    EXPECT_TRUE(model.modified());
    EXPECT_TRUE(recorder.lines().isEmpty());  // the window says "Kész!"

    // at least one row; a range past the end stops at the last row
    deleteRange(model, 2, 1);
    EXPECT_EQ(texts().size(), 6);
    deleteRange(model, 5, 99);
    EXPECT_EQ(texts(), (QStringList{"sor 1", "sor 6", "sor 7", "sor 8"}));

    deleteRange(model, 1, 4);
    EXPECT_EQ(model.cds.recordCount(), 0);
    EXPECT_FALSE(model.isEnabled(Ctl::Btorles));
}

TEST_F(RowOperations, BoundaryMovesToAPartOfTheEarlierRow)
{
    struct Case {
        int part, parts;
        const char *point;
    } cases[] = {
        {1, 3, "00:00:11,000"},
        {1, 2, "00:00:11,500"},
        {2, 3, "00:00:12,000"},
    };
    for (const Case &c : cases) {
        fill(QStringLiteral("Time"), {{"00:00:10,000", "00:00:13,000"}, {"00:00:14,000", "00:00:20,000"}});
        model.cds.setRecNo(2);
        moveBoundary(model, c.part, c.parts);
        const QString p = QString::fromUtf8(c.point);
        EXPECT_EQ(times(), (QStringList{"00:00:10,000>" + p, p + ">00:00:20,000"}));
        EXPECT_EQ(model.cds.recNo(), 2);
        EXPECT_TRUE(model.modified());
    }

    fill(QStringLiteral("Time"), {{"00:00:10,000", "00:00:14,000"}, {"00:00:15,000", "00:00:16,000"}});
    model.cds.setRecNo(2);
    moveBoundary(model, 1, 2);
    EXPECT_EQ(times(), (QStringList{"00:00:10,000>00:00:12,000", "00:00:12,000>00:00:16,000"}));

    // the first row stands in for the previous one
    fill(QStringLiteral("Time"), {{"00:00:10,000", "00:00:14,000"}, {"00:00:15,000", "00:00:16,000"}});
    moveBoundary(model, 1, 2);
    EXPECT_EQ(times(), (QStringList{"00:00:10,000>00:00:12,000", "00:00:12,000>00:00:16,000"}));

    // a single row has no boundary: its own start is not moved onto its span
    fill(QStringLiteral("Time"), {{"00:00:10,000", "00:00:14,000"}});
    model.setModified(false);
    moveBoundary(model, 1, 2);
    EXPECT_EQ(times(), QStringList{"00:00:10,000>00:00:14,000"});
    EXPECT_FALSE(model.modified());
}

}  // namespace
