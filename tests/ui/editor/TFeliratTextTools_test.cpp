#include "EditorFixture.h"

namespace {

class TFeliratTextTools : public EditorFixture {
protected:
    void setTexts(const QStringList &texts)
    {
        fillRows(int(texts.size()), false);
        SubtitleTable &cds = model().cds;
        for (int i = 0; i < texts.size(); ++i) {
            cds.setRecNo(i + 1);
            cds.edit();
            cds.setField(Field::Szoveg, texts[i]);
            cds.post();
        }
        cds.first();
    }
    QStringList texts()
    {
        QStringList out;
        for (int i = 0; i < model().cds.recordCount(); ++i)
            out.append(model().cds.rowAt(i).szoveg);
        return out;
    }
    void press(const char *button)
    {
        QTest::mouseClick(w<QPushButton>(button), Qt::LeftButton);
        QApplication::processEvents();
    }
    // The item as the tool menu holds it.
    void choose(const char *item)
    {
        QAction *action = nullptr;
        for (QAction *a : editor->findChild<QMenu *>("PMtobbgomb")->actions())
            if (a->objectName() == QLatin1String(item))
                action = a;
        ASSERT_TRUE(action) << item;
        action->trigger();
        QApplication::processEvents();
    }
    const QString found1 = QStringLiteral(
        "Eredmény|info|Ennyit találtam: 1|További információt a \"Lista\" gomb alatt találsz!");
};

TEST_F(TFeliratTextTools, JoinAndDashButtonsFixTheTableAndComeBackToTheGrid)
{
    setTexts({"Nem tudom|mit mondjak", "-Jössz?|-Megyek", "Harmadik"});
    model().cds.setRecNo(2);
    showEditor();
    ASSERT_TRUE(w<QPushButton>("Boh")->isEnabled());

    press("Boh");
    EXPECT_EQ(texts().value(0), QStringLiteral("Nem tudom mit mondjak"));
    EXPECT_EQ(recorder.lines(), QStringList{found1});
    EXPECT_EQ(model().cds.recNo(), 2);
    EXPECT_TRUE(w<QPushButton>("Bmentes")->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), editor->grid());

    recorder.clear();
    press("Bvonal");
    EXPECT_EQ(texts().value(1), QStringLiteral("- Jössz?|- Megyek"));
    EXPECT_EQ(recorder.lines(), QStringList{found1});
    EXPECT_EQ(w<QTextEdit>("szoveg")->toPlainText(), QStringLiteral("- Jössz?\n- Megyek"));
    EXPECT_EQ(QApplication::focusWidget(), editor->grid());
    EXPECT_FALSE(displayLock);
}

TEST_F(TFeliratTextTools, TheToolMenuRunsTheCharacterTools)
{
    setTexts({"l'm ÖRÜLÖK", "", "Mi ez ?Igen"});
    model().cds.setRecNo(3);
    showEditor();

    choose("lgomb1");
    EXPECT_EQ(texts().value(0), QStringLiteral("I'm ÖRÜLÖK"));
    choose("karakterekelttispaceeltntetse1");
    EXPECT_EQ(texts().value(2), QStringLiteral("Mi ez?Igen"));
    choose("karakterekutntegyenspacet1");
    EXPECT_EQ(texts().value(2), QStringLiteral("Mi ez? Igen"));
    choose("sszesbetkisbetlegyen1");
    EXPECT_EQ(texts().value(0), QStringLiteral("i'm örülök"));
    choose("kezgomb1");
    EXPECT_EQ(texts(), (QStringList{"i'm orulok", "", "mi ez? igen"}));
    EXPECT_EQ(recorder.lines(), (QStringList{found1, found1, found1, "Eredmény|info|Kész!|",
                                             "Eredmény|info|Kész!|"}));

    recorder.clear();
    choose("ressoroktrlse1");
    EXPECT_EQ(texts(), (QStringList{"i'm orulok", "mi ez? igen"}));
    EXPECT_EQ(recorder.lines(), QStringList{"Eredmény|info|Ennyi üres sort töröltem: 1|"});
    EXPECT_EQ(model().cds.recNo(), 2);
    EXPECT_EQ(w<QTextEdit>("szoveg")->toPlainText(), QStringLiteral("mi ez? igen"));
    EXPECT_EQ(editor->grid()->model()->rowCount(), 2);
    EXPECT_EQ(QApplication::focusWidget(), editor->grid());
    EXPECT_FALSE(displayLock);
}

}  // namespace
