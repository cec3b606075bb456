// The grid menu's styles and clipboard, the text field's menu and keys, and
// the second subtitle in the editor window, driven offscreen.
#include <QClipboard>
#include <QTemporaryDir>

#include "EditorFixture.h"
#include "editor/SecondSubtitle.h"
#include "files/OpenSubtitle.h"
#include "ui/SubtitleGridModel.h"

namespace {

class EditorStyles : public EditorFixture {
protected:
    QMenu *menu(const char *name) { return editor->findChild<QMenu *>(QLatin1String(name)); }
    QAction *item(const char *name) { return w<QAction>(name); }
    QString text() const { return editor->model().cds.field(Field::Szoveg); }
    QTextEdit *field() { return w<QTextEdit>("szoveg"); }
    // Selects characters from..to of the text field.
    void select(QTextEdit *f, int from, int to)
    {
        QTextCursor c = f->textCursor();
        c.setPosition(from);
        c.setPosition(to, QTextCursor::KeepAnchor);
        f->setTextCursor(c);
    }
    void openAndClose(const char *name)
    {
        menu(name)->popup(QPoint(10, 10));
        QApplication::processEvents();
        menu(name)->hide();
    }
    void setText(const QString &t)
    {
        SubtitleTable &cds = model().cds;
        cds.edit();
        cds.setField(Field::Szoveg, t);
        cds.post();
    }
};

TEST_F(EditorStyles, GridMenuStylesTheRowAndShowsItsMarks)
{
    fillRows(2);
    setText(QStringLiteral("<i>abc"));
    openAndClose("RacsPM");
    EXPECT_TRUE(item("dolt2")->isChecked());
    EXPECT_FALSE(item("dolt")->isChecked());

    item("dolt2")->trigger();
    EXPECT_EQ(text(), "abc");
    EXPECT_FALSE(item("dolt2")->isChecked());
    item("dolt")->trigger();
    EXPECT_EQ(text(), "<i>abc</i>");
    EXPECT_TRUE(item("dolt")->isChecked());
    EXPECT_EQ(field()->toPlainText(), "<i>abc</i>");
    item("Vastagitott")->trigger();
    item("osszesel")->trigger();
    EXPECT_EQ(text(), "abc");
    for (const char *n : {"dolt", "dolt2", "Vastagitott", "Alahuzott"})
        EXPECT_FALSE(item(n)->isChecked()) << n;
    EXPECT_TRUE(w<QPushButton>("Bmentes")->isEnabled());

    // moving to another row shows its marks
    setText(QStringLiteral("<u>x</u>"));
    model().cds.next();
    model().cds.prior();
    EXPECT_TRUE(item("Alahuzott")->isChecked());
}

// "Kivágás + beszúrás a következő sor elejére" keeps the cut text in the
// clipboard; the grid's "Beillesztés" of an empty clipboard wipes nothing.
TEST_F(EditorStyles, CutToTheNextRowFillsTheClipboard)
{
    fillRows(2);
    focus(field());
    select(field(), 0, 3);  // "Sor"
    openAndClose("SzovegPop");
    item("KivagKovBeEleje")->trigger();
    EXPECT_EQ(model().textClipboard, "Sor");
    EXPECT_EQ(model().cds.rowAt(1).szoveg, "SorSor 2|második sor");
    EXPECT_EQ(model().cds.recNo(), 2);

    // with nothing selected the clipboard is emptied and the grid's paste
    // then leaves the row as it is
    item("Masolas")->trigger();
    focus(field());
    select(field(), 0, 0);
    model().cds.first();
    item("KivagKovBeEleje")->trigger();
    item("Beillesztes")->trigger();
    EXPECT_EQ(model().cds.rowAt(1).szoveg, "SorSor 2|második sor");
}

TEST_F(EditorStyles, GridMenuCutAndPasteMoveTheWholeText)
{
    fillRows(2);
    EXPECT_FALSE(item("Beillesztes")->isEnabled());
    item("Kivagas")->trigger();
    EXPECT_EQ(text(), "");
    EXPECT_TRUE(item("Beillesztes")->isEnabled());
    model().cds.next();
    item("Beillesztes")->trigger();
    EXPECT_EQ(text(), "Sor 1|második sor");
    EXPECT_EQ(field()->toPlainText(), "Sor 1\nmásodik sor");
}

TEST_F(EditorStyles, TextFieldMenuFollowsTheSelection)
{
    fillRows(2);
    const char *selectionItems[] = {"SzPK1B", "SzPK", "SzPM", "kszd", "kszv", "ksza"};
    openAndClose("SzovegPop");
    for (const char *n : selectionItems)
        EXPECT_FALSE(item(n)->isEnabled()) << n;
    EXPECT_FALSE(item("SzPB")->isEnabled());
    EXPECT_TRUE(item("KivagKovBeEleje")->isEnabled());

    // "második" on the second line of the field
    select(field(), 6, 13);
    openAndClose("SzovegPop");
    for (const char *n : selectionItems)
        EXPECT_TRUE(item(n)->isEnabled()) << n;
    item("kszv")->trigger();
    EXPECT_EQ(text(), "Sor 1|<b>második</b> sor");
    EXPECT_EQ(model().textClipboard, "második");
    openAndClose("SzovegPop");
    EXPECT_TRUE(item("SzPB")->isEnabled());

    // paste at the start of the second line
    QTextCursor c = field()->textCursor();
    c.setPosition(6);
    field()->setTextCursor(c);
    item("SzPB")->trigger();
    EXPECT_EQ(text(), "Sor 1|második<b>második</b> sor");
}

TEST_F(EditorStyles, CutIntoANewRowFromTheField)
{
    fillRows(2);
    select(field(), 6, 17);  // the whole second line
    item("SzPK1B")->trigger();
    EXPECT_EQ(model().cds.recordCount(), 3);
    EXPECT_EQ(model().cds.rowAt(0).szoveg, "Sor 1");
    EXPECT_EQ(model().cds.rowAt(1).szoveg, "második sor");
    EXPECT_EQ(model().cds.recNo(), 2);
    EXPECT_EQ(field()->toPlainText(), "második sor");
}

TEST_F(EditorStyles, TextFieldKeysMarkTheSubtitleModified)
{
    fillRows(2);
    focus(field());
    model().setModified(false);
    QTest::keyClick(field(), Qt::Key_Home);
    QTest::keyClick(field(), Qt::Key_Right);
    EXPECT_FALSE(model().modified());
    QTest::keyClick(field(), Qt::Key_Delete);
    EXPECT_TRUE(model().modified());

    // copying also fills the editor's clipboard, and the system one
    model().setModified(false);
    select(field(), 0, 3);
    QTest::keyClick(field(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(model().textClipboard, "Sr ");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Sr ");
    EXPECT_FALSE(model().modified());
    QTest::keyClick(field(), Qt::Key_End);
    QTest::keyClick(field(), Qt::Key_X);
    EXPECT_TRUE(model().modified());
    EXPECT_EQ(text(), "Sr 1x|második sor");
}

// ---- the second subtitle --------------------------------------------------

class EditorSecond : public EditorStyles {
protected:
    // Reads a second subtitle of the given texts beside the rows.
    void readSecond(const QStringList &texts)
    {
        QByteArray srt;
        for (int i = 0; i < texts.size(); ++i)
            srt += QStringLiteral("%1\r\n00:00:0%1,000 --> 00:00:0%1,500\r\n%2\r\n\r\n")
                       .arg(i + 1)
                       .arg(texts[i])
                       .toUtf8();
        QFile f(dir.filePath(QStringLiteral("second.srt")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(srt);
        f.close();
        subtitlePath = f.fileName();
        textTarget = QStringLiteral("2");
        editorReady = true;
        readIntoEditor(model());
        QApplication::processEvents();
    }
    QStringList seconds()
    {
        QStringList out;
        for (int i = 0; i < model().cds.recordCount(); ++i)
            out << model().cds.rowAt(i).szoveg2;
        return out;
    }
    QPoint cellCentre(int row, int column)
    {
        return editor->grid()->visualRect(editor->grid()->model()->index(row, column)).center();
    }
    void mouse(QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QWidget *vp = editor->grid()->viewport();
        QMouseEvent e(type, pos, vp->mapToGlobal(pos), button, held, Qt::NoModifier);
        QApplication::sendEvent(vp, &e);
    }
    QTemporaryDir dir;
};

TEST_F(EditorSecond, ReadingShowsTheTwoSubtitleLayout)
{
    fillRows(3);
    readSecond({QStringLiteral("Egy"), QStringLiteral("Kettő")});
    EXPECT_EQ(seconds(), (QStringList{"Egy", "Kettő", ""}));
    EXPECT_EQ(model().cds.secondRowCount(), 2);
    QTableView *grid = editor->grid();
    EXPECT_FALSE(grid->isColumnHidden(SubtitleGridModel::Szoveg2Col));
    EXPECT_EQ(grid->selectionBehavior(), QAbstractItemView::SelectItems);
    EXPECT_TRUE(w<QTextEdit>("szoveg2")->isVisible());
    EXPECT_FALSE(w<QLineEdit>("kezdes")->isVisible());
    EXPECT_TRUE(w<QPushButton>("Mov")->isVisible());
    EXPECT_TRUE(item("MentesMF")->isEnabled());
    EXPECT_EQ(w<QTextEdit>("szoveg2")->toPlainText(), "Egy");

    // typing into the second field stores the second text
    focus(w<QTextEdit>("szoveg2"));
    QTest::keyClick(w<QTextEdit>("szoveg2"), Qt::Key_End);
    QTest::keyClicks(w<QTextEdit>("szoveg2"), QStringLiteral("!"));
    EXPECT_EQ(model().cds.rowAt(0).szoveg2, "Egy!");

    // "MÖV" on row 2
    model().cds.setRecNo(2);
    QTest::mouseClick(w<QPushButton>("Mov"), Qt::LeftButton);
    EXPECT_EQ(seconds(), (QStringList{"Egy!|Kettő", "", ""}));
    EXPECT_EQ(model().cds.recNo(), 1);

    // reading a main subtitle returns to the single layout
    textTarget = QStringLiteral("1");
    readIntoEditor(model());
    QApplication::processEvents();
    EXPECT_TRUE(grid->isColumnHidden(SubtitleGridModel::Szoveg2Col));
    EXPECT_EQ(grid->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_FALSE(w<QTextEdit>("szoveg2")->isVisible());
    EXPECT_TRUE(w<QLineEdit>("kezdes")->isVisible());
    EXPECT_FALSE(w<QPushButton>("Mov")->isVisible());
    EXPECT_FALSE(item("MentesMF")->isEnabled());
    EXPECT_EQ(grid->columnWidth(SubtitleGridModel::SzovegCol), 510);
}

TEST_F(EditorSecond, EmptySecondSubtitleFromTheMenu)
{
    fillRows(2);
    item("Uresmasikfelirat1")->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(editor->grid()->isColumnHidden(SubtitleGridModel::Szoveg2Col));
    EXPECT_TRUE(w<QTextEdit>("szoveg2")->isVisible());
    model().cds.next();
    focus(w<QTextEdit>("szoveg2"));
    QTest::keyClicks(w<QTextEdit>("szoveg2"), QStringLiteral("Ket"));
    EXPECT_EQ(model().cds.rowAt(1).szoveg2, "Ket");
    EXPECT_EQ(model().cds.secondRowCount(), 2);
}

TEST_F(EditorSecond, SecondColumnMenuInsertsAndDeletes)
{
    fillRows(3);
    readSecond({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    model().cds.setRecNo(2);
    item("BeszurPMB")->trigger();
    EXPECT_EQ(seconds(), (QStringList{"A", "", "B", "C"}));
    EXPECT_EQ(recorder.lines(), QStringList{"Információ|info|Beszúrtam a sort!|"});
    recorder.answer(QStringLiteral("Igen"));
    item("TorlesPMB")->trigger();
    EXPECT_EQ(seconds(), (QStringList{"A", "B", "C", ""}));
    EXPECT_EQ(w<QTextEdit>("szoveg2")->toPlainText(), "B");
}

TEST_F(EditorSecond, DragASecondTextAfterTheLastRow)
{
    fillRows(3);
    readSecond({QStringLiteral("Egy"), QStringLiteral("Kettő")});
    const QPoint from = cellCentre(1, SubtitleGridModel::Szoveg2Col);
    const QPoint to = cellCentre(2, SubtitleGridModel::SzovegCol);
    mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, from, Qt::LeftButton, Qt::NoButton);
    mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, from + QPoint(5, 0), Qt::NoButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    EXPECT_TRUE(menu("Athuzas")->isVisible());
    item("Beszrsasorutn1")->trigger();
    menu("Athuzas")->hide();
    ASSERT_EQ(model().cds.recordCount(), 4);
    EXPECT_EQ(model().cds.rowAt(3).szoveg, "Kettő");
    EXPECT_EQ(model().cds.rowAt(3).kezdes, model().cds.rowAt(2).kezdes);
    EXPECT_EQ(model().cds.rowAt(3).befejezes, model().cds.rowAt(2).kezdes);

    // a drag from the text column opens nothing
    mouse(QEvent::MouseButtonPress, to, Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, to + QPoint(5, 0), Qt::NoButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(menu("Athuzas")->isVisible());
}

TEST_F(EditorSecond, MergeButtonsJoinRows)
{
    fillRows(3);
    model().cds.setRecNo(3);
    QTest::mouseClick(w<QPushButton>("Bovm"), Qt::LeftButton);
    EXPECT_EQ(model().cds.recordCount(), 2);
    EXPECT_EQ(model().cds.recNo(), 2);
    EXPECT_EQ(text(), "- Sor 2|második sor|- Sor 3|második sor");
    EXPECT_EQ(w<QLineEdit>("befejezes")->text(), "00:00:09,000");
    model().cds.first();
    QTest::mouseClick(w<QPushButton>("Bov"), Qt::LeftButton);
    EXPECT_EQ(recorder.lines(),
              QStringList{"Figyelmeztetés|info|Csak a 2. sortól lehet ilyen műveletet végrehajtani!|"});
}

}  // namespace
