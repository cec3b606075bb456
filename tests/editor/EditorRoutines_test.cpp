// The editor window's decisions, run without the window.
#include <gtest/gtest.h>
#include <stdexcept>

#include "app/MessageBox.h"
#include "app/ModeGlobals.h"
#include "document/DocumentGlobals.h"
#include "editor/Activation.h"
#include "editor/BulkPass.h"
#include "editor/EditorLayout.h"
#include "editor/EditorModel.h"
#include "editor/GridScrollBar.h"
#include "editor/LayoutSwitch.h"
#include "editor/Leaving.h"
#include "editor/LineFields.h"
#include "files/FileGlobals.h"
#include "support/GlobalsFixture.h"
#include "support/MessageRecorder.h"

namespace {

class EditorRoutines : public GlobalsFixture {
protected:
    void fill(int rows, const QString &base = QStringLiteral("Time"))
    {
        model.setTimeBase(base);
        model.cds.create();
        for (int i = 0; i < rows; ++i) {
            model.cds.append();
            model.cds.setField(Field::Kezdes, QStringLiteral("00:00:01,000"));
            model.cds.setField(Field::Befejezes, QStringLiteral("00:00:02,000"));
            model.cds.post();
        }
        model.cds.first();
    }
    EditorModel model;
    MessageRecorder recorder;
};

TEST_F(EditorRoutines, LeavingAsksOnlyAboutUnsavedChanges)
{
    const QString question =
        QStringLiteral("A felirat mentése!|kerdes|A felirat módosítva lett!|Elmenti?");
    struct Case {
        bool modified;
        bool noQuestion;
        const char *answer;  // nullptr: no question
        bool saves;          // the save behind "Igen" works
        bool leaves;
    } cases[] = {
        {false, false, nullptr, true, true},  {true, true, nullptr, true, true},
        {true, false, "Nem", true, true},     {true, false, "Mégsem", true, false},
        {true, false, "Igen", true, true},    {true, false, "Igen", false, false},
    };
    for (const Case &c : cases) {
        recorder.clear();
        model.setModified(c.modified);
        int saves = 0;
        exitSaveHandler = [&] {
            ++saves;
            if (c.saves)
                model.setModified(false);
        };
        if (c.answer)
            recorder.answer(QString::fromUtf8(c.answer));
        EXPECT_EQ(mayLeaveEditor(model, c.noQuestion), c.leaves) << c.answer;
        EXPECT_EQ(recorder.lines(), c.answer ? QStringList{question} : QStringList{}) << c.answer;
        EXPECT_EQ(saves, c.answer && QLatin1String(c.answer) == QLatin1String("Igen") ? 1 : 0);
        if (c.answer && QLatin1String(c.answer) == QLatin1String("Mégsem"))
            EXPECT_EQ(boxAnswer, QStringLiteral("nemlepki"));
        // the silence of the exit save lasts only while the editor closes
        const bool savedOnExit = c.answer && QLatin1String(c.answer) == QLatin1String("Igen") && c.saves;
        EXPECT_EQ(quietBoxes, savedOnExit) << c.answer;
    }
    exitSaveHandler = nullptr;
}

TEST_F(EditorRoutines, ActivationRoutesByTheModes)
{
    fill(2);
    openMode = QStringLiteral("2cd1cd");
    ActivationSteps s = routeActivation(model);
    EXPECT_TRUE(model.isVisible(Ctl::GB12));
    EXPECT_FALSE(model.isVisible(Ctl::GB1));
    EXPECT_TRUE(model.isChecked(Ctl::RB12cd2));
    EXPECT_FALSE(s.newSubtitle || s.openDialog);

    openMode = QStringLiteral("uj");
    s = routeActivation(model);
    EXPECT_TRUE(s.newSubtitle);
    EXPECT_TRUE(model.isVisible(Ctl::GB1));
    EXPECT_TRUE(model.isChecked(Ctl::RB1));

    // after "Megnyitás": the table is emptied behind the open dialog
    appMode = QStringLiteral("be");
    openMode = QStringLiteral("megnyitas");
    s = routeActivation(model);
    EXPECT_TRUE(s.openDialog);
    EXPECT_FALSE(model.isEnabled(Ctl::beosztas));
    EXPECT_EQ(model.cds.recordCount(), 0);
    EXPECT_EQ(openMode, QStringLiteral("mas"));
    EXPECT_EQ(openPurpose, QStringLiteral("Felirat"));
    EXPECT_EQ(textTarget, QStringLiteral("1"));
    EXPECT_FALSE(displayLock);

    // a subtitle already read is not opened again
    appMode = QStringLiteral("felvitt");
    openMode = QStringLiteral("megnyitas");
    model.fileNameField = QStringLiteral("a.srt");
    model.setEnabled(Ctl::beosztas, true);
    s = routeActivation(model);
    EXPECT_FALSE(s.openDialog);
    EXPECT_TRUE(model.isEnabled(Ctl::beosztas));
}

TEST_F(EditorRoutines, TypedTimesAreCheckedBeforeTheyAreStored)
{
    fill(1, QStringLiteral("Frame"));
    model.setModified(false);
    model.setEnabled(Ctl::Bertek, true);
    EXPECT_FALSE(storeTypedTimes(model, QStringLiteral("01"), QStringLiteral("5")));
    EXPECT_EQ(recorder.lines(),
              QStringList{"Hiba!|hiba|Hiba az első értékben!|0-val nem kezdődhet az érték!"});
    EXPECT_EQ(model.cds.field(Field::Kezdes), QStringLiteral("00:00:01,000"));
    EXPECT_FALSE(model.modified());

    EXPECT_TRUE(storeTypedTimes(model, QStringLiteral("10"), QStringLiteral("5")));
    EXPECT_EQ(model.cds.field(Field::Kezdes), QStringLiteral("10"));
    EXPECT_EQ(model.cds.field(Field::Befejezes), QStringLiteral("5"));
    EXPECT_TRUE(model.modified());
    EXPECT_FALSE(model.isEnabled(Ctl::Bertek));
    EXPECT_FALSE(displayLock);
}

TEST_F(EditorRoutines, TypedTextIsStoredAndCountedAsStored)
{
    fill(1);
    model.options.max2 = true;
    EXPECT_EQ(storeTypedText(model, QStringLiteral("\nabc\r\ndef")), QStringLiteral("3+3=6 betű"));
    EXPECT_EQ(model.cds.field(Field::Szoveg), QStringLiteral("abc|def"));
    EXPECT_TRUE(model.modified());
    // the same text again stores nothing
    EXPECT_TRUE(storeTypedText(model, QStringLiteral("abc\ndef")).isEmpty());
    EXPECT_EQ(storeTypedText(model, QString()), QStringLiteral("0"));
    EXPECT_EQ(storeTypedText2(model, QStringLiteral("x\ny")), QStringLiteral("1+1=2 betű"));
    EXPECT_EQ(model.cds.field(Field::Szoveg2), QStringLiteral("x|y"));
    EXPECT_FALSE(displayLock);
}

TEST_F(EditorRoutines, ScrollBarFollowsTheRowsTheLayoutShows)
{
    struct Case {
        const char *layout;
        int rows;
        bool afterRead;
        bool afterSave;  // from shown
    } cases[] = {{"1024x768", 16, true, true}, {"1024x768", 15, false, true},
                 {"1024x768", 14, false, false}, {"800x600", 11, true, true},
                 {"800x600", 10, false, true},   {"800x600", 9, false, false},
                 {"", 50, false, true}};
    for (const Case &c : cases) {
        layoutSetting = QLatin1String(c.layout);
        fill(c.rows);
        showScrollBarAfterRead(model);
        EXPECT_EQ(model.isVisible(Ctl::racsVScroll), c.afterRead) << c.layout << c.rows;
        model.setVisible(Ctl::racsVScroll, true);
        hideScrollBarAfterSave(model);
        EXPECT_EQ(model.isVisible(Ctl::racsVScroll), c.afterSave) << c.layout << c.rows;
    }
}

TEST_F(EditorRoutines, LayoutSwitchAsksAndRefusesTooSmallScreens)
{
    recorder.answer(QStringLiteral("Mégsem"));
    EXPECT_FALSE(confirmLayoutSwitch(QStringLiteral("800x600"), {1280, 1024}));
    EXPECT_EQ(boxAnswer, QStringLiteral("felbontas"));
    recorder.answer(QStringLiteral("Igen"));
    EXPECT_TRUE(confirmLayoutSwitch(QStringLiteral("1024x768"), {1280, 1024}));
    EXPECT_FALSE(confirmLayoutSwitch(QStringLiteral("1024x768"), {800, 600}));
    EXPECT_EQ(recorder.lines(),
              (QStringList{"Felbontás átállítása!|kerdes|Biztos át akar térni a 800x600-as "
                           "programbéli felbontásra?|",
                           "Felbontás átállítása!|kerdes|Biztos át akar térni a 1024x768-as "
                           "programbéli felbontásra?|",
                           "Felbontás átállítása!|info|Túl kicsi a képernyő felbontása ahhoz,|hogy "
                           "átállítsam a program felbontását!"}));
}

// A pass that throws or returns early leaves the editor free again.
TEST_F(EditorRoutines, BulkPassGivesEverythingBack)
{
    fill(3);
    try {
        BulkPass pass(model, {.gauge = true, .waitCursor = false});
        EXPECT_TRUE(displayLock);
        EXPECT_TRUE(model.cds.refreshSuspended());
        throw std::runtime_error("a rule failed");
    } catch (const std::runtime_error &) {
    }
    EXPECT_FALSE(displayLock);
    EXPECT_FALSE(model.cds.refreshSuspended());

    // showing the row: the lock is off before the grid catches up
    bool lockedOnReset = true;
    QObject::connect(&model.cds, &SubtitleTable::reset, [&] { lockedOnReset = displayLock; });
    {
        BulkPass pass(model);
        model.cds.last();
        pass.finish(2, true);
    }
    EXPECT_FALSE(lockedOnReset);
    EXPECT_EQ(model.cds.recNo(), 2);
    {
        BulkPass pass(model);
        pass.finish(0, false);
    }
    EXPECT_TRUE(lockedOnReset);
    EXPECT_FALSE(displayLock);
}

TEST_F(EditorRoutines, GridTextColumnsByLayout)
{
    EXPECT_EQ(gridTextWidths(true, false, 750, 12).text, 510);
    EXPECT_EQ(gridTextWidths(true, true, 704, 12).text, 254);
    EXPECT_EQ(gridTextWidths(true, true, 704, 12).second, 254);
    // the small grid's text takes what the number and times leave
    EXPECT_EQ(gridTextWidths(false, false, 609, 12).text, 609 - (44 + 84 + 84 + 12 + 20));
    EXPECT_EQ(gridTextWidths(false, true, 565, 12).text, (565 - 244) / 2);
    EXPECT_EQ(gridTextWidths(false, false, 100, 12).text, 200);
}

}  // namespace
