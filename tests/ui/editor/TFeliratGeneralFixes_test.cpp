#include "EditorFixture.h"

namespace {

class TFeliratGeneralFixes : public EditorFixture {
protected:
    void setText(int row, const QString &text)
    {
        SubtitleTable &cds = model().cds;
        cds.setRecNo(row);
        cds.edit();
        cds.setField(Field::Szoveg, text);
        cds.post();
    }
    void pressO()
    {
        QTest::mouseClick(w<QPushButton>("BOsszes"), Qt::LeftButton);
        QApplication::processEvents();
    }
};

TEST_F(TFeliratGeneralFixes, TheButtonFixesTheTableAndComesBackToTheGrid)
{
    fillRows(3, false);
    setText(1, QStringLiteral("<I>Mi ez ?</I>"));
    setText(3, QStringLiteral("<font color=red>Zene</font>"));
    model().cds.setRecNo(2);
    showEditor();
    ASSERT_TRUE(w<QPushButton>("BOsszes")->isEnabled());
    EXPECT_EQ(w<QPushButton>("BOsszes")->toolTip(),
              QStringLiteral("A feliratokban előforduló általános hibákat javítja"));

    pressO();
    EXPECT_EQ(model().cds.recordCount(), 2);
    EXPECT_EQ(model().cds.rowAt(0).szoveg, QStringLiteral("<i>Mi ez?</i>"));
    EXPECT_EQ(recorder.lines(),
              QStringList{"Eredmény|info|Ennyit találtam: 4|További információt a \"Lista\" "
                          "gomb alatt találsz!"});
    EXPECT_EQ(model().cds.recNo(), 2);
    EXPECT_EQ(w<QTextEdit>("szoveg")->toPlainText(), QStringLiteral("Sor 2\nmásodik sor"));
    EXPECT_TRUE(w<QPushButton>("Bmentes")->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), editor->grid());
    EXPECT_FALSE(displayLock);
}

TEST_F(TFeliratGeneralFixes, TheVnEditionKeepsUpperCaseItalicTags)
{
    edition = Edition::VN;
    fillRows(1, false);
    setText(1, QStringLiteral("<I>Igen</I>"));
    showEditor();
    pressO();
    EXPECT_EQ(model().cds.rowAt(0).szoveg, QStringLiteral("<I>Igen</i>"));
}

}  // namespace
