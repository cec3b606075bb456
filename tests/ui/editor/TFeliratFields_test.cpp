#include "EditorFixture.h"
#include "editor/EditorControls.h"

// The line fields: typing rules of the time fields, their Enter and Esc,
// applying typed times and the text field.
class EditorFields : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        fillRows(3);
        kezdes = w<QLineEdit>("kezdes");
        befejezes = w<QLineEdit>("befejezes");
        bertek = w<QPushButton>("Bertek");
    }
    QLineEdit *kezdes = nullptr;
    QLineEdit *befejezes = nullptr;
    QPushButton *bertek = nullptr;
};

TEST_F(EditorFields, SeparatorsCannotBeErasedFromEitherSide)
{
    for (QLineEdit *field : {kezdes, befejezes}) {
        SCOPED_TRACE(field->objectName().toStdString());
        focus(field);
        field->setText("00:01:02,345");
        for (int caret : {3, 6, 9}) {
            field->setCursorPosition(caret);
            QTest::keyClick(field, Qt::Key_Backspace);
            EXPECT_EQ(field->text(), "00:01:02,345") << "Backspace at " << caret;
        }
        for (int caret : {2, 5, 8}) {
            field->setCursorPosition(caret);
            QTest::keyClick(field, Qt::Key_Delete);
            EXPECT_EQ(field->text(), "00:01:02,345") << "Delete at " << caret;
        }
        model().setEnabled(Ctl::Bertek, false);
        field->setCursorPosition(4);
        QTest::keyClick(field, Qt::Key_Backspace);
        EXPECT_EQ(field->text(), "00:1:02,345");
        EXPECT_TRUE(bertek->isEnabled());
        model().setEnabled(Ctl::Bertek, false);
        field->setCursorPosition(0);
        QTest::keyClick(field, Qt::Key_Delete);
        EXPECT_EQ(field->text(), "0:1:02,345");
        EXPECT_TRUE(bertek->isEnabled());
        // no selection can be made
        field->setCursorPosition(5);
        QTest::keyClick(field, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(field, Qt::Key_End, Qt::ShiftModifier);
        EXPECT_FALSE(field->hasSelectedText());
    }
}

TEST_F(EditorFields, FrameBaseTakesDigitsAndDeletesAnywhere)
{
    model().setTimeBase("Frame");
    model().cds.edit();
    model().cds.setField(Field::Kezdes, "24");
    model().cds.post();
    focus(kezdes);
    kezdes->setText("1234");
    EXPECT_EQ(kezdes->maxLength(), 6);
    kezdes->setCursorPosition(2);
    QTest::keyClick(kezdes, Qt::Key_Delete);
    EXPECT_EQ(kezdes->text(), "124");
    QTest::keyClicks(kezdes, "5");
    EXPECT_EQ(kezdes->text(), "1254");
    // ":" is no frame character: the start goes back to the stored value
    QTest::keyClicks(kezdes, ":");
    EXPECT_EQ(kezdes->text(), "24");
}

TEST_F(EditorFields, RejectedKeyRestoresTheStartButIsIgnoredInTheEnd)
{
    const QString storedStart = model().cds.field(Field::Kezdes);
    focus(kezdes);
    kezdes->setText("00:00:0");
    kezdes->setCursorPosition(7);
    QTest::keyClicks(kezdes, "9");
    EXPECT_EQ(kezdes->text(), "00:00:09");
    QTest::keyClicks(kezdes, "a");
    EXPECT_EQ(kezdes->text(), storedStart);

    focus(befejezes);
    befejezes->setText("00:00:0");
    befejezes->setCursorPosition(7);
    QTest::keyClicks(befejezes, "x.");
    EXPECT_EQ(befejezes->text(), "00:00:0");
    QTest::keyClicks(befejezes, "7");
    EXPECT_EQ(befejezes->text(), "00:00:07");
}

TEST_F(EditorFields, EscRestoresTheFieldAndKeepsTheWindow)
{
    model().setModified(true);
    for (QLineEdit *field : {kezdes, befejezes}) {
        focus(field);
        field->setText("11:11:11,111");
        QTest::keyClick(field, Qt::Key_Escape);
        EXPECT_EQ(field->text(), field == kezdes ? model().cds.field(Field::Kezdes)
                                                 : model().cds.field(Field::Befejezes));
    }
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(recorder.messages().isEmpty());
}

TEST_F(EditorFields, EnterCompletesTheStartAndPullsUpTheEnd)
{
    SubtitleTable &cds = model().cds;
    cds.edit();
    cds.setField(Field::Befejezes, "00:00:04,000");
    cds.post();
    model().setEnabled(Ctl::Bertek, false);
    focus(kezdes);
    kezdes->setText("00:00:05,00");
    QTest::keyClick(kezdes, Qt::Key_Return);
    EXPECT_EQ(kezdes->text(), "00:00:05,000");
    EXPECT_EQ(befejezes->text(), "00:00:05,000");
    EXPECT_TRUE(bertek->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), befejezes);
    // nothing is stored yet
    EXPECT_EQ(cds.field(Field::Kezdes), "00:00:01,000");
    EXPECT_EQ(cds.field(Field::Befejezes), "00:00:04,000");

    // Enter in the end goes to the button, a second Enter applies
    QTest::keyClick(befejezes, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), bertek);
    QTest::keyClick(bertek, Qt::Key_Return);
    EXPECT_EQ(cds.field(Field::Kezdes), "00:00:05,000");
    EXPECT_EQ(cds.field(Field::Befejezes), "00:00:05,000");
    EXPECT_FALSE(bertek->isEnabled());
    EXPECT_TRUE(model().modified());
    EXPECT_EQ(QApplication::focusWidget(), editor->grid());
}

TEST_F(EditorFields, EndEnterWithoutPendingTimesGoesToTheText)
{
    model().setEnabled(Ctl::Bertek, false);
    focus(befejezes);
    QTest::keyClick(befejezes, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w<QTextEdit>("szoveg"));
}

TEST_F(EditorFields, StartLaterThanEndIsStoredAndShownOnRed)
{
    kezdes->setText("00:00:05,000");
    befejezes->setText("00:00:04,000");
    model().setEnabled(Ctl::Bertek, true);
    QTest::mouseClick(bertek, Qt::LeftButton);
    EXPECT_EQ(model().cds.field(Field::Kezdes), "00:00:05,000");
    QLineEdit *diff = w<QLineEdit>("kulonbseg");
    EXPECT_EQ(diff->text(), "-00:00:01,000");
    EXPECT_EQ(diff->palette().color(QPalette::Base), QColor(255, 0, 0));

    befejezes->setText("00:00:06,500");
    model().setEnabled(Ctl::Bertek, true);
    QTest::mouseClick(bertek, Qt::LeftButton);
    EXPECT_EQ(diff->text(), "00:00:01,500");
    EXPECT_EQ(diff->palette().color(QPalette::Base), QColor(Qt::white));
}

TEST_F(EditorFields, BadTypedTimeIsReportedAndNotStored)
{
    kezdes->setText("00:00:60,000");
    model().setEnabled(Ctl::Bertek, true);
    QTest::mouseClick(bertek, Qt::LeftButton);
    EXPECT_EQ(recorder.lines(),
              QStringList{"Hiba!|hiba|Túl nagy időt ütött be!|A másodperc időintervalluma: 0-59!"});
    EXPECT_EQ(model().cds.field(Field::Kezdes), "00:00:01,000");
    EXPECT_TRUE(bertek->isEnabled());
    EXPECT_FALSE(model().modified());
}

TEST_F(EditorFields, TypedEndOffersTheButtonSoItCanBeStored)
{
    model().setEnabled(Ctl::Bertek, false);
    focus(befejezes);
    befejezes->clear();
    QTest::keyClicks(befejezes, "00:00:09,000");
    EXPECT_TRUE(bertek->isEnabled());
    QTest::keyClick(befejezes, Qt::Key_Return);
    QTest::keyClick(bertek, Qt::Key_Return);
    EXPECT_EQ(model().cds.field(Field::Befejezes), "00:00:09,000");
}

TEST_F(EditorFields, TextFieldWritesTheRowOnEveryKey)
{
    auto *szoveg = w<QTextEdit>("szoveg");
    QLabel *counter = w<QLabel>("sordarab");
    EXPECT_EQ(counter->text(), "5+11=16 betű");
    focus(szoveg);
    szoveg->clear();
    QTest::keyClicks(szoveg, "Szia");
    EXPECT_EQ(model().cds.field(Field::Szoveg), "Szia");
    EXPECT_EQ(counter->text(), "4 betű");
    EXPECT_TRUE(model().modified());
    QTest::keyClick(szoveg, Qt::Key_Return);
    QTest::keyClicks(szoveg, "Te");
    EXPECT_EQ(model().cds.field(Field::Szoveg), "Szia|Te");
    EXPECT_EQ(counter->text(), "4+2=6 betű");
    for (int i = 0; i < 7; ++i)
        QTest::keyClick(szoveg, Qt::Key_Backspace);
    EXPECT_TRUE(model().cds.field(Field::Szoveg).isEmpty());
    EXPECT_EQ(counter->text(), "0");
    EXPECT_EQ(model().cds.recordCount(), 3);

    // Ctrl+Down moves on and gives the grid the focus; an empty row reads 0=0
    QTest::keyClick(szoveg, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(model().cds.recNo(), 2);
    EXPECT_EQ(QApplication::focusWidget(), editor->grid());
    QTest::keyClick(editor->grid(), Qt::Key_Up);
    EXPECT_EQ(model().cds.recNo(), 1);
    EXPECT_EQ(counter->text(), "0=0 betű");
}

// With leading breaks removed on storing, the field still keeps what is
// typed: the break stays under the caret, only the row goes without it.
TEST_F(EditorFields, TypingALeadingBreakKeepsItInTheField)
{
    w<QAction>("Max2")->trigger();
    ASSERT_TRUE(model().options.max2);
    auto *szoveg = w<QTextEdit>("szoveg");
    focus(szoveg);
    szoveg->clear();
    QTest::keyClick(szoveg, Qt::Key_Return);
    QTest::keyClicks(szoveg, "abc");
    EXPECT_EQ(szoveg->toPlainText(), "\nabc");
    EXPECT_EQ(szoveg->textCursor().position(), 4);
    EXPECT_EQ(model().cds.field(Field::Szoveg), "abc");
    EXPECT_EQ(w<QLabel>("sordarab")->text(), "3 betű");
}

TEST_F(EditorFields, OtherFieldsOfTheWindow)
{
    // the shift amount: separators guarded in every base, letters ignored
    for (const char *base : {"Time", "Frame"}) {
        model().setTimeBase(base);
        auto *amount = w<QLineEdit>("Emodositas");
        focus(amount);
        amount->setText("123456");
        amount->setCursorPosition(2);
        QTest::keyClick(amount, Qt::Key_Delete);
        EXPECT_EQ(amount->text(), "123456") << base;
        amount->setCursorPosition(6);
        QTest::keyClicks(amount, "x");
        EXPECT_EQ(amount->text(), "123456") << base;
        QTest::keyClick(amount, Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), editor->grid()) << base;
    }
    // the difference is never typed into: a click goes to the end field
    QTest::mouseClick(w<QLineEdit>("kulonbseg"), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), befejezes);
    EXPECT_FALSE(befejezes->hasSelectedText());
    // the file name is read only: a key moves on to "Tallózás"
    auto *name = w<QLineEdit>("Efilenev");
    name->setText("C:\\a.srt");
    focus(name);
    QTest::keyClicks(name, "b");
    EXPECT_EQ(name->text(), "C:\\a.srt");
    EXPECT_EQ(QApplication::focusWidget(), w<QPushButton>("Btallozas"));
    // the choice boxes change only from their lists
    auto *base = w<QComboBox>("beosztas");
    focus(base);
    const QString before = base->currentText();
    QTest::keyClicks(base, before == "Time" ? "F" : "T");
    EXPECT_EQ(base->currentText(), before);
}

TEST(EditorEdition, ReducedEditionHasNoFilm)
{
    resetAllGlobals();
    edition = Edition::VN;
    {
        TFelirat editor;
        EXPECT_TRUE(editor.controlAs<QWidget>(Ctl::Bfilm)->isHidden());
        EXPECT_FALSE(editor.controlAs<QAction>(Ctl::Film)->isVisible());
    }
    edition = Edition::Full;
    TFelirat editor;
    EXPECT_FALSE(editor.controlAs<QWidget>(Ctl::Bfilm)->isHidden());
    EXPECT_TRUE(editor.controlAs<QAction>(Ctl::Film)->isVisible());
}

TEST(EditorCreation, StartsLockedAndWithoutALoadedTimeBase)
{
    resetAllGlobals();
    loadedTimeBase = "Frame";
    displayLock = false;
    TFelirat editor;
    EXPECT_TRUE(loadedTimeBase.isEmpty());
    EXPECT_TRUE(displayLock);
    resetAllGlobals();
}
