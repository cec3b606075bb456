#include "EditorFixture.h"

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

TEST_F(EditorLeaving, BackToTheStartWindowAsksNothing)
{
    QTest::mouseClick(w<QPushButton>("Bvissza"), Qt::LeftButton);
    EXPECT_TRUE(recorder.messages().isEmpty());
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(appMode, "be2");
    EXPECT_TRUE(displayLock);
    EXPECT_FALSE(model().cds.isActive());
}

TEST_F(EditorLeaving, CloseBoxAsksNothingAndStopsTheClock)
{
    auto *clock = editor->findChild<QTimer *>("Timer1");
    ASSERT_TRUE(clock);
    EXPECT_TRUE(clock->isActive());
    EXPECT_FALSE(w<QLabel>("ido")->text().isEmpty());
    editor->close();
    EXPECT_TRUE(recorder.messages().isEmpty());
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(appMode, "ki");
    EXPECT_FALSE(clock->isActive());
    EXPECT_FALSE(model().cds.isActive());
}

TEST_F(EditorLeaving, TheExitSaveIsInstalledByTheWindow)
{
    EXPECT_TRUE(static_cast<bool>(exitSaveHandler));
}
