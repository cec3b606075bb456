#include <QCheckBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>

#include "editor/EditorModel.h"
#include "files/THibaki.h"
#include "tools/timing/TAtfedes.h"
#include "app/Windows.h"
#include "ui/files/DialogTestSupport.h"

namespace {

class TAtfedesTest : public GlobalsFixture {
protected:
    void SetUp() override
    {
        GlobalsFixture::SetUp();
        model.setTimeBase(QStringLiteral("Time"));
        window.setEditorModel(&model);
        windows().atfedes = &window;
        windows().hibaki = &report;
    }
    void TearDown() override
    {
        window.hide();
        windows().atfedes = nullptr;
        windows().hibaki = nullptr;
        GlobalsFixture::TearDown();
    }
    template <class T>
    T *control(const char *name) { return window.findChild<T *>(QString::fromLatin1(name)); }
    QRadioButton *csak() { return control<QRadioButton>("RbCsak"); }
    QRadioButton *javitas() { return control<QRadioButton>("RBV"); }
    QCheckBox *cb5() { return control<QCheckBox>("CB5"); }
    QPushButton *lista() { return control<QPushButton>("Blista"); }
    QPushButton *stat() { return control<QPushButton>("Stat"); }
    static void activate(QWidget *w)
    {
        QApplication::processEvents();
        QApplication::setActiveWindow(w);
        QApplication::processEvents();
    }

    MessageRecorder messages;
    EditorModel model;
    THibaki report;
    TAtfedes window;
};

TEST_F(TAtfedesTest, OpensWithItsDefaultsAndNothingToList)
{
    window.openWindow();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isModal());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Felirat átfedésének vizsgálata"));
    EXPECT_FALSE(window.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(control<QLabel>("Label1")->text(),
              QStringLiteral("/átfedés esetén 0,001 mp hozzáadása /"));
    EXPECT_TRUE(csak()->isChecked());
    EXPECT_FALSE(control<QCheckBox>("CBhiba")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("CBstat")->isChecked());
    EXPECT_FALSE(cb5()->isChecked());
    EXPECT_FALSE(lista()->isEnabled());
    EXPECT_FALSE(stat()->isEnabled());
    EXPECT_EQ(window.focusWidget(), control<QPushButton>("Binditas"));
    EXPECT_TRUE(control<QWidget>("FszazalekAF")->isHidden());

    // Opening again after a run starts over without a list or statistics.
    window.BinditasClick();
    EXPECT_TRUE(stat()->isEnabled());
    window.hide();
    window.openWindow();
    EXPECT_FALSE(stat()->isEnabled());
    EXPECT_FALSE(lista()->isEnabled());
}

// Coming back from another window (the editor, say) starts over as well;
// only the window's own summary and list leave the run's results offered.
TEST_F(TAtfedesTest, EveryActivationStartsOverWithoutAList)
{
    model.cds.create();
    for (const char *start : {"00:00:01,000", "00:00:01,500"}) {
        model.cds.append();
        model.cds.setField(Field::Kezdes, QString::fromLatin1(start));
        model.cds.setField(Field::Befejezes, QStringLiteral("00:00:02,000"));
        model.cds.post();
    }
    QWidget other;
    window.openWindow();
    activate(&window);
    window.BinditasClick();
    ASSERT_TRUE(lista()->isEnabled());
    ASSERT_TRUE(stat()->isEnabled());

    other.show();
    activate(&other);
    activate(&window);
    EXPECT_FALSE(lista()->isEnabled());
    EXPECT_FALSE(stat()->isEnabled());
    EXPECT_EQ(window.focusWidget(), control<QPushButton>("Binditas"));

    // the list it opens itself leaves them on when it closes
    window.BinditasClick();
    QDialog list;
    list.setModal(true);
    list.show();
    activate(&list);
    list.hide();
    activate(&window);
    EXPECT_TRUE(lista()->isEnabled());
    EXPECT_TRUE(stat()->isEnabled());
}

TEST_F(TAtfedesTest, FunctionKeysChooseTheModeInEveryControl)
{
    window.openWindow();
    struct Case {
        Qt::Key key;
        bool repair;
        bool stretch;
    } cases[] = {{Qt::Key_F2, true, true}, {Qt::Key_F1, false, false}, {Qt::Key_F3, true, false}};
    for (const char *name : {"Binditas", "RbCsak", "CBhiba", "CB5", "Button2"}) {
        QWidget *target = control<QWidget>(name);
        for (const Case &c : cases) {
            cb5()->setChecked(!c.stretch);
            QTest::keyClick(target, c.key);
            EXPECT_EQ(javitas()->isChecked(), c.repair) << name;
            EXPECT_EQ(csak()->isChecked(), !c.repair) << name;
            EXPECT_EQ(cb5()->isChecked(), c.stretch) << name;
        }
    }
    QTest::keyClick(control<QWidget>("CBstat"), Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(TAtfedesTest, ControlsKeepTheirRules)
{
    window.openWindow();
    javitas()->click();
    cb5()->click();
    ASSERT_TRUE(cb5()->isChecked());
    csak()->click();
    EXPECT_FALSE(cb5()->isChecked());

    // Stretching belongs to the statistics.
    control<QCheckBox>("CBstat")->click();
    EXPECT_FALSE(cb5()->isEnabled());
    control<QCheckBox>("CBstat")->click();
    EXPECT_TRUE(cb5()->isEnabled());

    lista()->setEnabled(true);
    control<QCheckBox>("CBhiba")->click();
    EXPECT_FALSE(lista()->isEnabled());
    lista()->setEnabled(true);
    control<QCheckBox>("CBhiba")->click();
    EXPECT_FALSE(lista()->isEnabled());

    QTest::mouseClick(control<QPushButton>("Button2"), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(TAtfedesTest, RunOnAnEmptyTableEnablesOnlyTheStatistics)
{
    window.openWindow();
    window.BinditasClick();
    EXPECT_FALSE(lista()->isEnabled());
    EXPECT_TRUE(stat()->isEnabled());

    control<QCheckBox>("CBstat")->click();
    window.BinditasClick();
    EXPECT_FALSE(stat()->isEnabled());
}

TEST_F(TAtfedesTest, ListShowsTheLogWithTheOverlapCaptionWithoutHeadings)
{
    model.log.add(QString());
    model.log.add(QStringLiteral("Átfedés"));
    model.log.headingsVisible = true;
    QString title;
    bool headings = true;
    QStringList lines;
    ModalScript script([&](QDialog *shown) {
        EXPECT_EQ(shown, &report);
        title = report.windowTitle();
        headings = !report.findChild<QLabel *>(QStringLiteral("Label1"))->isHidden();
        lines = report.lines()->stringList();
    });
    window.openWindow();
    window.BlistaClick();
    EXPECT_EQ(script.shown, 1);
    EXPECT_EQ(title, QStringLiteral("Az átfedés vizsgálatának eredménye"));
    EXPECT_FALSE(headings);
    EXPECT_EQ(lines, model.log.lines());
}

}  // namespace
