#include "EditorFixture.h"

#include <functional>
#include <vector>

// Leaving the editor: "Kilépés" and Esc with the save question, "Vissza a
// főmenübe" and the close box.
class EditorLeaving : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        fillRows(3);
        model().setModified(true);
        focus(editor->grid());
    }
    void pressEsc() { QTest::keyClick(editor->grid(), Qt::Key_Escape); }
    const QString question = "A felirat mentése!|kerdes|A felirat módosítva lett!|Elmenti?";
};

TEST_F(EditorLeaving, EscAsksAndCancelKeepsTheWindow)
{
    recorder.answer("Mégsem");
    pressEsc();
    EXPECT_EQ(recorder.lines(), QStringList{question});
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(boxAnswer, "nemlepki");
    EXPECT_TRUE(model().cds.isActive());
    EXPECT_EQ(model().cds.recordCount(), 3);
}

TEST_F(EditorLeaving, NoClosesWithoutSaving)
{
    int saves = 0;
    exitSaveHandler = [&] { ++saves; };
    recorder.answer("Nem");
    QTest::mouseClick(w<QPushButton>("Bki"), Qt::LeftButton);
    EXPECT_EQ(recorder.lines(), QStringList{question});
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(saves, 0);
    EXPECT_EQ(appMode, "ki");
    EXPECT_FALSE(model().cds.isActive());
}

TEST_F(EditorLeaving, YesSavesThenCloses)
{
    int saves = 0;
    exitSaveHandler = [&] {
        ++saves;
        model().setModified(false);
    };
    recorder.answer("Igen");
    pressEsc();
    EXPECT_EQ(saves, 1);
    EXPECT_FALSE(editor->isVisible());
}

TEST_F(EditorLeaving, YesWhoseSaveDidNotHappenKeepsTheSubtitle)
{
    exitSaveHandler = [] {};  // name dialog left or file not written
    recorder.answer("Igen");
    pressEsc();
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(model().cds.recordCount(), 3);
    EXPECT_FALSE(quietBoxes);
}

TEST_F(EditorLeaving, NoQuestionWhenTickedOrUnmodified)
{
    w<QCheckBox>("Cbki")->setChecked(true);
    pressEsc();
    EXPECT_TRUE(recorder.messages().isEmpty());
    EXPECT_FALSE(editor->isVisible());

    showEditor();
    fillRows(2);
    w<QCheckBox>("Cbki")->setChecked(false);
    model().setModified(false);
    focus(editor->grid());
    pressEsc();
    EXPECT_TRUE(recorder.messages().isEmpty());
    EXPECT_FALSE(editor->isVisible());
}

TEST_F(EditorLeaving, EscInAnyOtherControlLeavesToo)
{
    recorder.answer("Mégsem");
    focus(w<QLineEdit>("Ekereses"));
    QTest::keyClick(w<QLineEdit>("Ekereses"), Qt::Key_Escape);
    focus(w<QTextEdit>("szoveg"));
    QTest::keyClick(w<QTextEdit>("szoveg"), Qt::Key_Escape);
    EXPECT_EQ(recorder.lines(), QStringList({question, question}));
}

// Going back to the start window and the close box close the subtitle too:
// they ask like "Kilépés", and "Mégsem" leaves everything as it was.
TEST_F(EditorLeaving, EveryWayOutAsksAndCancelKeepsTheSubtitle)
{
    const std::vector<std::pair<const char *, std::function<void()>>> ways = {
        {"Vissza a főmenübe", [&] { QTest::mouseClick(w<QPushButton>("Bvissza"), Qt::LeftButton); }},
        {"close box", [&] { editor->close(); }},
        {"Kilépés", [&] { QTest::mouseClick(w<QPushButton>("Bki"), Qt::LeftButton); }},
    };
    for (const auto &[way, leave] : ways) {
        recorder.clear();
        recorder.answer("Mégsem");
        appMode = QStringLiteral("be");
        leave();
        EXPECT_EQ(recorder.lines(), QStringList{question}) << way;
        EXPECT_TRUE(editor->isVisible()) << way;
        EXPECT_TRUE(model().modified()) << way;
        EXPECT_EQ(model().cds.recordCount(), 3) << way;
        EXPECT_EQ(appMode, "be") << way;
    }
}

TEST_F(EditorLeaving, BackToTheStartWindowWithNoDropsTheEdits)
{
    recorder.answer("Nem");
    QTest::mouseClick(w<QPushButton>("Bvissza"), Qt::LeftButton);
    EXPECT_EQ(recorder.lines(), QStringList{question});
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(appMode, "be2");
    EXPECT_TRUE(displayLock);
    EXPECT_FALSE(model().cds.isActive());
}

TEST_F(EditorLeaving, BackToTheStartWindowAsksNothingWhenSaved)
{
    model().setModified(false);
    QTest::mouseClick(w<QPushButton>("Bvissza"), Qt::LeftButton);
    EXPECT_TRUE(recorder.messages().isEmpty());
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(appMode, "be2");
}

TEST_F(EditorLeaving, CloseBoxWithNoClosesAndStopsTheClock)
{
    auto *clock = editor->findChild<QTimer *>("Timer1");
    ASSERT_TRUE(clock);
    EXPECT_TRUE(clock->isActive());
    EXPECT_FALSE(w<QLabel>("ido")->text().isEmpty());
    recorder.answer("Nem");
    editor->close();
    EXPECT_EQ(recorder.lines(), QStringList{question});
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(appMode, "ki");
    EXPECT_FALSE(clock->isActive());
    EXPECT_FALSE(model().cds.isActive());
}

TEST_F(EditorLeaving, BrowsingForAnotherFileAsksFirst)
{
    recorder.answer("Mégsem");
    QTest::mouseClick(w<QPushButton>("Btallozas"), Qt::LeftButton);
    EXPECT_EQ(recorder.lines(), QStringList{question});
    EXPECT_TRUE(model().modified());
    EXPECT_EQ(model().cds.recordCount(), 3);
}

TEST_F(EditorLeaving, TheTitleMarksUnsavedEdits)
{
    model().fileNameField = QStringLiteral("film.srt");
    editor->showFileName();
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Felirat megnyitása – *film.srt"));
    model().setModified(false);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Felirat megnyitása"));
    model().markChanged(EditorModel::Subtitle::main);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Felirat megnyitása – *film.srt"));
}

TEST_F(EditorLeaving, TheExitSaveIsInstalledByTheWindow)
{
    EXPECT_TRUE(static_cast<bool>(exitSaveHandler));
}
