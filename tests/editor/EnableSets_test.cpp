#include <gtest/gtest.h>

#include "app/ModeGlobals.h"
#include "document/DocumentGlobals.h"
#include "editor/EditorModel.h"
#include "editor/EnableSets.h"
#include "editor/RowNavigation.h"
#include "files/FileGlobals.h"
#include "support/ControlIdByName.h"
#include "support/GlobalsFixture.h"

namespace {

class RecordingHost : public EditorHost {
public:
    void clearLineFields() override { ++cleared; }
    void showCurrentRow() override { ++shown; }
    void focusGrid() override { ++focused; }
    int cleared = 0, shown = 0, focused = 0;
};

class EnableSetsTest : public GlobalsFixture {
protected:
    void SetUp() override
    {
        GlobalsFixture::SetUp();
        model.setHost(&host);
    }
    void fill(int rows, const QString &base)
    {
        model.setTimeBase(base);
        model.cds.create();
        for (int i = 0; i < rows; ++i) {
            model.cds.append();
            model.cds.setField(Field::Kezdes, QString::number(i * 10));
            model.cds.setField(Field::Befejezes, QString::number(i * 10 + 5));
            model.cds.post();
        }
        model.cds.first();
    }
    // Every name in the list has the expected state.
    void expectEnabled(const QStringList &names, bool on)
    {
        for (const QString &n : names)
            EXPECT_EQ(model.isEnabled(ctl(n)), on) << n.toStdString();
    }

    EditorModel model;
    RecordingHost host;
};

const QStringList alwaysAfterRead = {
    "kezdes",      "befejezes",  "kulonbseg",  "szoveg",   "beosztas",  "Batvaltas", "BFPS",
    "Emodositas",  "Bmodok",     "Breszletes", "BKreszletes", "Ekereses", "Bkeresok",
    "Kereses1",    "Reszleteskereses1", "Keresesescsere1", "RB1", "Bbeszuras", "cburessor",
    "BOsszes",     "Bvonal",     "Boh",        "Blista",   "L05",       "BTobbGomb", "Bov",
    "Bovm",        "BMMN"};
const QStringList needRows = {"Btorles", "Belemoge", "BTorlesTobb"};
const QStringList timeOnly = {"BAtfedes", "agressziv", "Szinezes38", "Szinezes3", "Cbtobb",
                              "CB3sor",   "SEbetu",    "BTobbCheck", "B12",       "B22", "B21"};

}  // namespace

TEST_F(EnableSetsTest, ResetSwitchesTheWorkOffAndClearsTheClipboard)
{
    fill(3, "Time");
    applyAfterReadSet(model);
    model.textClipboard = "valami";
    model.setModified(true);
    applyResetSet(model);
    expectEnabled(alwaysAfterRead.mid(0, 3), false);
    expectEnabled(needRows, false);
    expectEnabled(timeOnly, false);
    expectEnabled({"Bertek", "Esorszam", "Bvegelso", "Masikfelirat", "Beillesztes", "Kivagas",
                   "dolt", "Bmentes", "Mentes1", "BMMN", "RB1"},
                  false);
    EXPECT_FALSE(model.isVisible(Ctl::Belso));
    EXPECT_FALSE(model.isVisible(Ctl::Butolso));
    EXPECT_TRUE(model.textClipboard.isEmpty());
    EXPECT_FALSE(model.modified());
    EXPECT_EQ(host.cleared, 1);
}

TEST_F(EnableSetsTest, AfterReadWithRowsFollowsTheTimeBase)
{
    for (const QString base : {"Time", "Frame"}) {
        SCOPED_TRACE(base.toStdString());
        applyResetSet(model);
        fill(3, base);
        applyAfterReadSet(model);
        expectEnabled(alwaysAfterRead, true);
        expectEnabled(needRows, true);
        expectEnabled({"Esorszam", "Bvegelso", "Masikfelirat", "dolt", "Kivagas", "Masolas"}, true);
        expectEnabled(timeOnly, base == "Time");
        EXPECT_TRUE(model.isChecked(Ctl::RB1));
        EXPECT_TRUE(model.isVisible(Ctl::Belso));
        // "Beillesztés" waits for something to paste
        EXPECT_FALSE(model.isEnabled(Ctl::Beillesztes));
        EXPECT_FALSE(model.modified());
        EXPECT_FALSE(model.isVisible(Ctl::Szoveg2));
    }
}

TEST_F(EnableSetsTest, AfterReadMarksARepairedFileAsModified)
{
    fill(2, "Time");
    model.readErrorsFound = true;
    applyAfterReadSet(model);
    EXPECT_TRUE(model.modified());
    EXPECT_TRUE(model.isEnabled(Ctl::Mentes1));
}

TEST_F(EnableSetsTest, AfterReadOfAnEmptyTableLeavesRowToolsAlone)
{
    applyResetSet(model);
    fill(0, "Time");
    applyAfterReadSet(model);
    expectEnabled(alwaysAfterRead, true);
    expectEnabled(needRows, false);
    // unchanged from the reset
    expectEnabled({"Esorszam", "Bvegelso", "Masikfelirat", "dolt"}, false);
    expectEnabled(timeOnly, false);
}

TEST_F(EnableSetsTest, SecondSubtitleReadShowsItsColumn)
{
    fill(2, "Time");
    textTarget = "2";
    applyAfterReadSet(model);
    EXPECT_TRUE(model.isVisible(Ctl::Szoveg2));
    EXPECT_TRUE(model.isVisible(Ctl::Mov));
    EXPECT_TRUE(model.isEnabled(Ctl::MentesMF));
}

TEST_F(EnableSetsTest, ReadFailedKeepsShiftAndSearchButNotRows)
{
    fill(3, "Time");
    applyAfterReadSet(model);
    model.setChecked(Ctl::Cbtobb, true);
    model.textClipboard = "x";
    applyReadFailedSet(model);
    expectEnabled({"Batvaltas", "RB1", "Esorszam", "Bvegelso", "dolt", "Kivagas", "Beillesztes",
                   "MentesMF"},
                  false);
    expectEnabled(timeOnly, false);
    expectEnabled({"Emodositas", "Bmodok", "Ekereses", "Kereses1", "beosztas", "kezdes"}, true);
    EXPECT_FALSE(model.isChecked(Ctl::Cbtobb));
    EXPECT_TRUE(model.textClipboard.isEmpty());
    EXPECT_EQ(host.cleared, 1);
}

TEST_F(EnableSetsTest, NewSubtitleStartsWithOneRowAndAsModified)
{
    struct Case {
        const char *base;
        const char *start;
        const char *end;
    };
    for (const Case c : {Case{"Time", "00:00:00,000", "00:00:01,000"}, Case{"Frame", "0", "10"}}) {
        SCOPED_TRACE(c.base);
        applyResetSet(model);
        model.setTimeBase(c.base);
        openMode = "uj";
        prepareNewSubtitle(model);
        ASSERT_EQ(model.cds.recordCount(), 1);
        model.cds.first();
        EXPECT_EQ(model.cds.field(Field::Kezdes), c.start);
        EXPECT_EQ(model.cds.field(Field::Befejezes), c.end);
        EXPECT_EQ(model.cds.state(), SubtitleTable::State::Browse);
        EXPECT_EQ(openMode, "mas");
        EXPECT_TRUE(model.modified());
        expectEnabled({"Bertek", "Btorles", "BTorlesTobb", "Bbeszuras", "BMMN",
                       "MentM1", "Kereses1", "Keresesescsere1", "Ekereses",
                       "SortorlesRacs", "Kivagas", "dolt"},
                      true);
        EXPECT_FALSE(model.isEnabled(Ctl::Beillesztes));
        EXPECT_FALSE(model.isVisible(Ctl::GB12));
        expectEnabled(timeOnly, QLatin1String(c.base) == QLatin1String("Time"));
    }
}

TEST_F(EnableSetsTest, ContinueFromEndMovesOrAppends)
{
    fill(3, "Frame");
    model.cds.setRecNo(2);
    continueFromEnd(model);
    EXPECT_EQ(model.cds.recNo(), 3);
    EXPECT_EQ(model.cds.field(Field::Kezdes), "15");
    EXPECT_EQ(model.cds.recordCount(), 3);
    EXPECT_TRUE(model.modified());

    // on the last row a new row starts where the last one ends
    model.cds.edit();
    model.cds.setField(Field::Befejezes, "77");
    model.cds.post();
    continueFromEnd(model);
    EXPECT_EQ(model.cds.recordCount(), 4);
    EXPECT_EQ(model.cds.recNo(), 4);
    EXPECT_EQ(model.cds.field(Field::Kezdes), "77");
    EXPECT_TRUE(model.cds.field(Field::Befejezes).isEmpty());
    EXPECT_FALSE(displayLock);
    EXPECT_EQ(host.focused, 2);
}

TEST_F(EnableSetsTest, JumpToRowOnlyForWholeNumbersAndRows)
{
    fill(10, "Frame");
    model.cds.setRecNo(5);
    EXPECT_FALSE(jumpToRow(model, "abc"));
    EXPECT_EQ(model.cds.recNo(), 5);
    EXPECT_TRUE(jumpToRow(model, "99999"));
    EXPECT_EQ(model.cds.recNo(), 10);
    EXPECT_TRUE(jumpToRow(model, "0"));
    EXPECT_EQ(model.cds.recNo(), 1);

    model.cds.empty();
    EXPECT_FALSE(jumpToRow(model, "3"));
}
