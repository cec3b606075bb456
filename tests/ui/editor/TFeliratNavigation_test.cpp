#include "EditorFixture.h"
#include "editor/EditorControls.h"
#include "ui/SubtitleGridModel.h"

// Moving between rows: the grid and the table's cursor, the jump field,
// "G", the first/last buttons, the grid's keys and the mouse wheel.
class EditorNavigation : public EditorFixture {
protected:
    int gridRow() const { return editor->grid()->currentIndex().row(); }
    void wheel(int delta)
    {
        QWidget *viewport = editor->grid()->viewport();
        const QPointF pos(20, 20);
        QWheelEvent e(pos, viewport->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &e);
    }
};

TEST_F(EditorNavigation, GridAndCursorFollowEachOther)
{
    fillRows(10);
    model().cds.setRecNo(7);
    EXPECT_EQ(gridRow(), 6);
    EXPECT_EQ(w<QLineEdit>("kezdes")->text(), model().cds.field(Field::Kezdes));
    EXPECT_EQ(w<QLineEdit>("Esorszam")->text(), "7");

    QTableView *grid = editor->grid();
    const QRect cell = grid->visualRect(grid->model()->index(2, 3));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    EXPECT_EQ(model().cds.recNo(), 3);
    EXPECT_EQ(w<QLineEdit>("Esorszam")->text(), "3");
    EXPECT_EQ(w<QTextEdit>("szoveg")->toPlainText(), "Sor 3\nmásodik sor");
    EXPECT_TRUE(grid->selectionModel()->isRowSelected(2, QModelIndex()));
}

TEST_F(EditorNavigation, LockedCursorMovesLeaveTheFieldsAlone)
{
    fillRows(5);
    displayLock = true;
    model().cds.setRecNo(4);
    EXPECT_EQ(w<QLineEdit>("Esorszam")->text(), "1");
    // the grid follows once the event loop turns
    QApplication::processEvents();
    EXPECT_EQ(gridRow(), 3);
    EXPECT_EQ(w<QLineEdit>("Esorszam")->text(), "1");
    displayLock = false;
}

TEST_F(EditorNavigation, JumpFieldTakesWholeNumbersOnly)
{
    fillRows(10);
    auto *field = w<QLineEdit>("Eugras");
    auto *ok = w<QPushButton>("Bugras");
    model().cds.setRecNo(5);
    struct Case {
        const char *typed;
        int row;
    };
    for (const Case c : {Case{"0", 1}, Case{"99999", 10}, Case{"4", 4}}) {
        field->setText(c.typed);
        QTest::mouseClick(ok, Qt::LeftButton);
        EXPECT_EQ(model().cds.recNo(), c.row) << c.typed;
        EXPECT_EQ(gridRow(), c.row - 1);
        EXPECT_EQ(QApplication::focusWidget(), editor->grid());
    }
    field->setText("abc");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(model().cds.recNo(), 4);

    // typing keeps digits only; Enter is "Ok"
    focus(field);
    field->clear();
    QTest::keyClicks(field, "1a2-");
    EXPECT_EQ(field->text(), "12");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(model().cds.recNo(), 10);
}

TEST_F(EditorNavigation, JumpOnAnEmptyTableDoesNothing)
{
    fillRows(0);
    w<QLineEdit>("Eugras")->setText("3");
    QTest::mouseClick(w<QPushButton>("Bugras"), Qt::LeftButton);
    EXPECT_EQ(model().cds.recordCount(), 0);
    EXPECT_EQ(model().cds.recNo(), 0);
}

TEST_F(EditorNavigation, GOnTheLastRowAppendsARowStartingAtItsEnd)
{
    fillRows(10);
    model().cds.last();
    const QString end = model().cds.field(Field::Befejezes);
    QTest::mouseClick(w<QPushButton>("Bvegelso"), Qt::LeftButton);
    EXPECT_EQ(model().cds.recordCount(), 11);
    EXPECT_EQ(editor->grid()->model()->rowCount(), 11);
    EXPECT_EQ(model().cds.recNo(), 11);
    EXPECT_EQ(gridRow(), 10);
    EXPECT_EQ(model().cds.field(Field::Kezdes), end);
    EXPECT_EQ(w<QLineEdit>("kezdes")->text(), end);
    EXPECT_TRUE(model().modified());
    EXPECT_EQ(QApplication::focusWidget(), editor->grid());
}

TEST_F(EditorNavigation, FirstAndLastRowButtons)
{
    fillRows(20);
    model().cds.setRecNo(8);
    displayLock = true;
    QTest::mouseClick(w<QPushButton>("Butolso"), Qt::LeftButton);
    EXPECT_EQ(model().cds.recNo(), 20);
    EXPECT_FALSE(displayLock);
    EXPECT_EQ(w<QLineEdit>("Esorszam")->text(), "20");
    QTest::mouseClick(w<QPushButton>("Belso"), Qt::LeftButton);
    EXPECT_EQ(model().cds.recNo(), 1);
    EXPECT_EQ(QApplication::focusWidget(), editor->grid());
}

TEST_F(EditorNavigation, WheelMovesOneRowPerNotch)
{
    fillRows(10);
    model().cds.setRecNo(3);
    focus(editor->grid());
    wheel(-120);
    EXPECT_EQ(model().cds.recNo(), 4);
    wheel(120);
    EXPECT_EQ(model().cds.recNo(), 3);
    wheel(-360);
    EXPECT_EQ(model().cds.recNo(), 6);
    // a fine wheel moves once its steps make up a notch
    wheel(-60);
    EXPECT_EQ(model().cds.recNo(), 6);
    wheel(-60);
    EXPECT_EQ(model().cds.recNo(), 7);
}

TEST_F(EditorNavigation, GridEnterGoesToTheFieldOfTheColumn)
{
    fillRows(3);
    QTableView *grid = editor->grid();
    struct Case {
        int column;
        Qt::KeyboardModifiers mods;
        const char *focused;
    };
    const Case cases[] = {
        {SubtitleGridModel::SzovegCol, Qt::NoModifier, "szoveg"},
        {SubtitleGridModel::SorszamCol, Qt::NoModifier, "szoveg"},
        {SubtitleGridModel::KezdesCol, Qt::NoModifier, "racs"},
        {SubtitleGridModel::BefejezesCol, Qt::NoModifier, "racs"},
        {SubtitleGridModel::KezdesCol, Qt::ControlModifier, "kezdes"},
    };
    for (const Case &c : cases) {
        focus(grid);
        grid->setCurrentIndex(grid->model()->index(1, c.column));
        QTest::keyClick(grid, Qt::Key_Return, c.mods);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), c.focused) << c.column;
    }
    // Ctrl+Enter with a disabled start field is a plain Enter
    model().setEnabled(Ctl::kezdes, false);
    focus(grid);
    grid->setCurrentIndex(grid->model()->index(1, SubtitleGridModel::SzovegCol));
    QTest::keyClick(grid, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "szoveg");
    // Delete asks before it deletes the row; "Nem" leaves the table alone
    focus(grid);
    recorder.answer(QStringLiteral("Nem"));
    QTest::keyClick(grid, Qt::Key_Delete);
    EXPECT_EQ(recorder.lines().value(0), "Törlés!|kerdes|Tényleg törölni akarja a sort?|");
    EXPECT_EQ(model().cds.recordCount(), 3);
}

TEST_F(EditorNavigation, ClickJumpsIntoTheTextWhenAsked)
{
    fillRows(5);
    w<QCheckBox>("CBracs")->setChecked(true);
    focus(editor->grid());
    QTest::keyClick(editor->grid(), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "szoveg");
}

TEST_F(EditorNavigation, RightButtonChoosesTheMenuByColumn)
{
    fillRows(5);
    model().setVisible(Ctl::Szoveg2, true);
    QTableView *grid = editor->grid();
    auto *rowMenu = editor->findChild<QMenu *>("RacsPM");
    auto *secondMenu = editor->findChild<QMenu *>("BeTorlesPM");
    auto rightClick = [&](int column) {
        rowMenu->hide();
        secondMenu->hide();
        const QPoint pos = grid->visualRect(grid->model()->index(2, column)).center();
        QContextMenuEvent e(QContextMenuEvent::Mouse, pos, grid->viewport()->mapToGlobal(pos));
        QApplication::sendEvent(grid->viewport(), &e);
    };
    model().cds.setRecNo(3);
    rightClick(SubtitleGridModel::SzovegCol);
    EXPECT_TRUE(rowMenu->isVisible());
    // beyond the second subtitle's rows its column offers no menu
    model().cds.setSecondRowCount(2);
    rightClick(SubtitleGridModel::Szoveg2Col);
    EXPECT_FALSE(rowMenu->isVisible());
    EXPECT_FALSE(secondMenu->isVisible());
    model().cds.setSecondRowCount(5);
    rightClick(SubtitleGridModel::Szoveg2Col);
    EXPECT_TRUE(secondMenu->isVisible());
    secondMenu->hide();
}
