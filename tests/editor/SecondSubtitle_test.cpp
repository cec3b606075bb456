// The second subtitle's cells, the merge buttons and the drop of a second
// text, headless.
#include <gtest/gtest.h>

#include "document/DocumentGlobals.h"
#include "editor/EditorModel.h"
#include "editor/SecondSubtitle.h"
#include "tools/style/TextStyle.h"
#include "support/GlobalsFixture.h"
#include "support/MessageRecorder.h"
#include "support/PrintQString.h"

namespace {

struct Row {
    const char *start;
    const char *end;
    const char *text;
    const char *second;
};

class SecondCells : public GlobalsFixture {
protected:
    void fill(std::initializer_list<Row> rows, int carrying = -1)
    {
        model.setTimeBase(QStringLiteral("Time"));
        model.cds.create();
        for (const Row &r : rows) {
            model.cds.append();
            model.cds.setField(Field::Kezdes, QString::fromUtf8(r.start));
            model.cds.setField(Field::Befejezes, QString::fromUtf8(r.end));
            model.cds.setField(Field::Szoveg, QString::fromUtf8(r.text));
            model.cds.setField(Field::Szoveg2, QString::fromUtf8(r.second));
            model.cds.post();
        }
        model.cds.setSecondRowCount(carrying >= 0 ? carrying : int(rows.size()));
        model.setVisible(Ctl::Szoveg2, true);
        model.cds.first();
        displayLock = false;
        model.setModified(false);
    }
    // Rows 1..n with the given second texts and plain times.
    void fillSecond(std::initializer_list<const char *> seconds, int carrying = -1)
    {
        model.setTimeBase(QStringLiteral("Time"));
        model.cds.create();
        int i = 0;
        for (const char *s : seconds) {
            model.cds.append();
            model.cds.setField(Field::Kezdes, QStringLiteral("00:00:0%1,000").arg(i));
            model.cds.setField(Field::Befejezes, QStringLiteral("00:00:0%1,500").arg(i));
            model.cds.setField(Field::Szoveg, QStringLiteral("sor %1").arg(++i));
            model.cds.setField(Field::Szoveg2, QString::fromUtf8(s));
            model.cds.post();
        }
        model.cds.setSecondRowCount(carrying >= 0 ? carrying : i);
        model.setVisible(Ctl::Szoveg2, true);
        model.cds.first();
        displayLock = false;
        model.setModified(false);
    }
    QStringList column(Field field) const
    {
        QStringList out;
        for (int i = 0; i < model.cds.recordCount(); ++i) {
            const SubtitleRow &row = model.cds.rowAt(i);
            out << (field == Field::Szoveg2 ? row.szoveg2.text() : row.szoveg);
        }
        return out;
    }
    QStringList seconds() const { return column(Field::Szoveg2); }
    QStringList texts() const { return column(Field::Szoveg); }

    MessageRecorder recorder;
    EditorModel model;
};

TEST_F(SecondCells, MergeOnRowThree)
{
    fill({{"00:00:00,000", "00:00:00,500", "First", ""},
          {"00:00:01,000", "00:00:02,000", "Hi", ""},
          {"00:00:02,500", "00:00:04,000", "there", ""},
          {"00:00:05,000", "00:00:06,000", "after", ""}},
         0);
    model.cds.setRecNo(3);
    EXPECT_TRUE(mergeIntoPrevious(model, false));
    EXPECT_EQ(model.cds.recNo(), 2);
    EXPECT_EQ(texts(), (QStringList{"First", "Hi|there", "after"}));
    EXPECT_EQ(model.cds.field(Field::Kezdes), "00:00:01,000");
    EXPECT_EQ(model.cds.field(Field::Befejezes), "00:00:04,000");
    EXPECT_TRUE(model.modified());
    EXPECT_FALSE(displayLock);

    // the last row merges into the one before it
    model.cds.last();
    EXPECT_TRUE(mergeIntoPrevious(model, false));
    EXPECT_EQ(texts(), (QStringList{"First", "Hi|there|after"}));
    EXPECT_EQ(model.cds.recNo(), 2);
    EXPECT_EQ(model.cds.field(Field::Befejezes), "00:00:06,000");
}

TEST_F(SecondCells, MergeWithDashesAndTheFirstRowRefused)
{
    fill({{"1", "2", "Hello", ""}, {"3", "4", "<i>Bye</i>", ""}}, 0);
    EXPECT_FALSE(mergeIntoPrevious(model, true));
    EXPECT_FALSE(mergeSecondIntoPrevious(model, true));
    EXPECT_EQ(recorder.lines(),
              (QStringList(2, "Figyelmeztetés|info|Csak a 2. sortól lehet ilyen műveletet "
                              "végrehajtani!|")));
    EXPECT_EQ(model.cds.recordCount(), 2);
    model.cds.last();
    mergeIntoPrevious(model, true);
    EXPECT_EQ(texts(), QStringList{"- Hello|<i>- Bye</i>"});
}

TEST_F(SecondCells, MergeKeepsTheSecondTextOfTheJoinedRow)
{
    fillSecond({"A", "B", "C"});
    model.cds.setRecNo(2);
    mergeIntoPrevious(model, false);
    EXPECT_EQ(seconds(), (QStringList{"A|B", "C"}));
    EXPECT_EQ(model.cds.secondRowCount(), 2);
}

TEST_F(SecondCells, MergeSecondTextsMovesTheRestUp)
{
    fillSecond({"A", "B", "C", "D"});
    model.cds.setRecNo(2);
    EXPECT_TRUE(mergeSecondIntoPrevious(model, true));
    EXPECT_EQ(seconds(), (QStringList{"- A|- B", "C", "D", ""}));
    EXPECT_EQ(model.cds.secondRowCount(), 3);
    EXPECT_EQ(model.cds.recNo(), 1);
    EXPECT_EQ(texts(), (QStringList{"sor 1", "sor 2", "sor 3", "sor 4"}));
    EXPECT_TRUE(model.isEnabled(Ctl::MentesMF));

    model.cds.setRecNo(3);
    mergeSecondIntoPrevious(model, false);
    EXPECT_EQ(seconds(), (QStringList{"- A|- B", "C|D", "", ""}));
    EXPECT_EQ(model.cds.secondRowCount(), 2);

    // only while the second column is shown
    model.setVisible(Ctl::Szoveg2, false);
    model.cds.setRecNo(2);
    EXPECT_FALSE(mergeSecondIntoPrevious(model, false));
}

TEST_F(SecondCells, InsertingACell)
{
    fillSecond({"A", "B", "C"});
    model.cds.setRecNo(2);
    insertSecondCell(model, true);
    // C, pushed past the last row, keeps a row with empty times
    EXPECT_EQ(seconds(), (QStringList{"A", "", "B", "C"}));
    EXPECT_EQ(model.cds.recordCount(), 4);
    EXPECT_EQ(model.cds.rowAt(3).kezdes, "");
    EXPECT_EQ(model.cds.rowAt(3).befejezes, "");
    EXPECT_EQ(model.cds.secondRowCount(), 4);
    EXPECT_EQ(model.cds.recNo(), 2);
    EXPECT_TRUE(model.modified());
    EXPECT_EQ(recorder.lines(), QStringList{"Információ|info|Beszúrtam a sort!|"});

    // with room below nothing is appended, and no announcement
    recorder.clear();
    fillSecond({"A", "B", "", ""}, 2);
    insertSecondCell(model, false);
    EXPECT_EQ(seconds(), (QStringList{"", "A", "B", ""}));
    EXPECT_EQ(model.cds.secondRowCount(), 3);
    EXPECT_TRUE(recorder.lines().isEmpty());
}

TEST_F(SecondCells, DeletingACellAsksAndMovesTheRestUp)
{
    fillSecond({"A", "B", "C"});
    model.cds.setRecNo(1);
    recorder.answer({QStringLiteral("Nem"), QStringLiteral("Igen")});
    EXPECT_FALSE(deleteSecondCellAsked(model));
    EXPECT_EQ(seconds(), (QStringList{"A", "B", "C"}));
    EXPECT_TRUE(deleteSecondCellAsked(model));
    EXPECT_EQ(seconds(), (QStringList{"B", "C", ""}));
    EXPECT_EQ(model.cds.secondRowCount(), 2);
    EXPECT_EQ(recorder.lines(),
              QStringList(2, "Törlés!|kerdes|Tényleg törölni akarja a sort?|"));

    // the last carrying row only loses its own text
    model.cds.setRecNo(2);
    deleteSecondCell(model);
    EXPECT_EQ(seconds(), (QStringList{"B", "", ""}));
    EXPECT_EQ(model.cds.secondRowCount(), 1);
    // beyond the carrying rows the count stays
    model.cds.setRecNo(3);
    deleteSecondCell(model);
    EXPECT_EQ(model.cds.secondRowCount(), 1);
}

TEST_F(SecondCells, SecondItalic)
{
    fillSecond({"a|b"});
    toggleSecondItalic(model);
    EXPECT_EQ(seconds(), QStringList{"<i>a|b</i>"});
    EXPECT_TRUE(model.isChecked(Ctl::doltSz2));
    EXPECT_TRUE(model.isEnabled(Ctl::MentM1));
    toggleSecondItalic(model);
    EXPECT_EQ(seconds(), QStringList{"a|b"});
    EXPECT_FALSE(model.isChecked(Ctl::doltSz2));
}

TEST_F(SecondCells, CutIntoTheNextCell)
{
    fillSecond({"one|two", "B", "C"});
    cutSecondIntoNextCell(model, QStringLiteral("two"));
    EXPECT_EQ(seconds(), (QStringList{"one", "two", "B", "C"}));
    EXPECT_EQ(model.cds.recordCount(), 4);
    EXPECT_EQ(model.cds.recNo(), 2);
    EXPECT_EQ(model.cds.secondRowCount(), 4);

    // from the last row
    fillSecond({"A", "<i>x y</i>"});
    model.cds.last();
    cutSecondIntoNextCell(model, QStringLiteral("<i>x"));
    EXPECT_EQ(seconds(), (QStringList{"A", " y", "<i>x"}));
    EXPECT_EQ(model.cds.secondRowCount(), 3);
}

TEST_F(SecondCells, DropBeforeAndAfter)
{
    fill({{"00:00:01,000", "00:00:02,000", "one", "A"},
          {"00:00:03,000", "00:00:04,000", "two", "B"}});
    dropSecondText(model, 2, QStringLiteral("B"), false);
    EXPECT_EQ(texts(), (QStringList{"one", "B", "two"}));
    EXPECT_EQ(model.cds.rowAt(1).kezdes, "00:00:03,000");
    EXPECT_EQ(model.cds.rowAt(1).befejezes, "00:00:03,000");
    EXPECT_EQ(model.cds.recNo(), 2);
    EXPECT_TRUE(model.modified());
    EXPECT_EQ(model.cds.secondRowCount(), 3);

    // after the last row: appended with the last row's start
    dropSecondText(model, 3, QStringLiteral("A"), true);
    EXPECT_EQ(texts(), (QStringList{"one", "B", "two", "A"}));
    EXPECT_EQ(model.cds.rowAt(3).kezdes, "00:00:03,000");
    EXPECT_EQ(model.cds.rowAt(3).befejezes, "00:00:03,000");
    EXPECT_EQ(model.cds.recNo(), 4);
    EXPECT_EQ(model.cds.secondRowCount(), 3);
}

TEST_F(SecondCells, DragOpensTheMenuOnlyFromTheSecondColumnToTheText)
{
    using C = SecondTextDrag::Column;
    SecondTextDrag drag;
    EXPECT_FALSE(drag.mouseMove(1, C::Second, false, QString()));
    EXPECT_TRUE(drag.mouseMove(1, C::Second, true, QStringLiteral("A")));
    EXPECT_TRUE(drag.mouseMove(3, C::Text, true, QStringLiteral("C")));
    EXPECT_EQ(drag.draggedText(), "A");
    EXPECT_EQ(drag.dropRow(), 3);
    EXPECT_TRUE(drag.mouseUp(C::Text));

    // a drag from the text column
    drag.mouseMove(2, C::Text, true, QStringLiteral("B"));
    EXPECT_FALSE(drag.mouseUp(C::Text));
    // dropped outside the text column, and a later click there
    drag.mouseMove(2, C::Second, true, QStringLiteral("B"));
    EXPECT_FALSE(drag.mouseUp(C::Other));
    drag.mouseMove(2, C::Text, false, QString());
    EXPECT_FALSE(drag.mouseUp(C::Text));
}

TEST_F(SecondCells, EmptySecondSubtitle)
{
    fillSecond({"", ""}, 0);
    model.setVisible(Ctl::Szoveg2, false);
    model.cds.last();
    startEmptySecondSubtitle(model);
    EXPECT_TRUE(secondSubtitleShown(model));
    EXPECT_TRUE(model.isVisible(Ctl::Mov));
    EXPECT_TRUE(model.isVisible(Ctl::movm));
    EXPECT_FALSE(model.isChecked(Ctl::racsRowSelect));
    EXPECT_TRUE(model.isEnabled(Ctl::MentesMF));
    EXPECT_EQ(model.cds.recNo(), 1);

    // with no subtitle open there is nothing to save it from
    model.cds.close();
    model.setEnabled(Ctl::MentesMF, false);
    startEmptySecondSubtitle(model);
    EXPECT_FALSE(model.isEnabled(Ctl::MentesMF));
}

}  // namespace
