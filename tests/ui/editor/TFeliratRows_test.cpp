// The row buttons, the delete question and the range-delete window, driven
// offscreen.
#include "EditorFixture.h"
#include "editor/EditorControls.h"
#include "ui/Modal.h"

namespace {

class EditorRows : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        previous_ = installModalDriver([this](QDialog *d) {
            d->show();
            QApplication::processEvents();
            if (step)
                step(d);
            const bool stillOpen = d->isVisible();
            d->hide();
            return stillOpen ? -1 : d->result();
        });
    }
    void TearDown() override
    {
        installModalDriver(previous_);
        EditorFixture::TearDown();
    }
    QStringList texts()
    {
        QStringList out;
        for (int i = 0; i < model().cds.recordCount(); ++i)
            out << model().cds.rowAt(i).szoveg.section(u'|', 0, 0);
        return out;
    }
    std::function<void(QDialog *)> step;
    ModalDriver previous_;
};

// "Beszúrás" and "Több törlés" open their menu once per press.
TEST_F(EditorRows, MenuButtonsOpenTheirMenuOnce)
{
    fillRows(2);
    for (const auto &[button, name] :
         {std::pair{"Belemoge", "PopupMenuEM"}, {"BTorlesTobb", "PMTorlesTobb"}}) {
        auto *menu = editor->findChild<QMenu *>(QLatin1String(name));
        ASSERT_NE(menu, nullptr) << name;
        int opened = 0;
        const auto c = QObject::connect(menu, &QMenu::aboutToShow, [&opened] { ++opened; });
        QTest::mousePress(w<QPushButton>(button), Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_EQ(opened, 1) << button;
        menu->hide();
        QObject::disconnect(c);
        QTest::mouseRelease(w<QPushButton>(button), Qt::LeftButton);
    }
}

// On an empty table the grid menu offers no item that needs a row.
TEST_F(EditorRows, GridMenuOffersNoRowItemsOnAnEmptyTable)
{
    fillRows(1);
    w<QCheckBox>("CBdelete")->setChecked(true);
    QTest::mouseClick(w<QPushButton>("Btorles"), Qt::LeftButton);
    ASSERT_EQ(model().cds.recordCount(), 0);
    auto *menu = editor->findChild<QMenu *>(QStringLiteral("RacsPM"));
    ASSERT_NE(menu, nullptr);
    emit menu->aboutToShow();
    for (const char *n : {"soreleRacs", "sormogeRacs", "sor5mogeRacs", "SortorlesRacs"})
        EXPECT_FALSE(w<QAction>(n)->isEnabled()) << n;
    // a row again: they are offered again
    fillRows(1);
    emit menu->aboutToShow();
    EXPECT_TRUE(w<QAction>("sormogeRacs")->isEnabled());
}

TEST_F(EditorRows, DeleteButtonFollowsTheAnswer)
{
    fillRows(2);
    recorder.answer({QStringLiteral("Nem"), QStringLiteral("Igen")});
    QTest::mouseClick(w<QPushButton>("Btorles"), Qt::LeftButton);
    EXPECT_EQ(texts(), (QStringList{"Sor 1", "Sor 2"}));
    QTest::mouseClick(w<QPushButton>("Btorles"), Qt::LeftButton);
    EXPECT_EQ(texts(), QStringList{"Sor 2"});
    EXPECT_EQ(recorder.lines(), (QStringList{"Törlés!|kerdes|Tényleg törölni akarja a sort?|",
                                             "Törlés!|kerdes|Tényleg törölni akarja a sort?|"}));
    // the line fields show the row that took its place
    EXPECT_EQ(w<QLineEdit>("kezdes")->text(), "00:00:04,000");
    EXPECT_TRUE(w<QPushButton>("Bmentes")->isEnabled());

    // without the question the last row goes and the row buttons go off
    recorder.clear();
    w<QCheckBox>("CBdelete")->setChecked(true);
    QTest::mouseClick(w<QPushButton>("Btorles"), Qt::LeftButton);
    EXPECT_TRUE(recorder.lines().isEmpty());
    EXPECT_EQ(model().cds.recordCount(), 0);
    for (const char *n : {"Btorles", "Belemoge", "BTorlesTobb"})
        EXPECT_FALSE(w<QPushButton>(n)->isEnabled()) << n;

    // appending brings them back and opens the line fields
    QTest::mouseClick(w<QPushButton>("Bbeszuras"), Qt::LeftButton);
    EXPECT_EQ(model().cds.recordCount(), 1);
    EXPECT_TRUE(w<QPushButton>("Btorles")->isEnabled());
    EXPECT_TRUE(w<QLineEdit>("kezdes")->isEnabled());
    EXPECT_EQ(w<QLineEdit>("kezdes")->text(), "00:00:00,000");
    EXPECT_EQ(QApplication::focusWidget(), w<QTextEdit>("szoveg"));
}

TEST_F(EditorRows, GridMenuInsertsWithTheEmptyRowOption)
{
    fillRows(2);
    editor->controlAs<QAction>(Ctl::sormogeRacs)->trigger();
    EXPECT_EQ(model().cds.recNo(), 2);
    EXPECT_EQ(w<QLineEdit>("kezdes")->text(), "00:00:03,000");
    w<QCheckBox>("cburessor")->setChecked(true);
    editor->controlAs<QAction>(Ctl::sor5mogeRacs)->trigger();
    EXPECT_EQ(model().cds.recordCount(), 8);
    EXPECT_EQ(model().cds.recNo(), 7);
    EXPECT_TRUE(w<QLineEdit>("kezdes")->text().isEmpty());
}

TEST_F(EditorRows, RangeWindowKeepsItsSpinsInsideTheTable)
{
    fillRows(10);
    model().cds.setRecNo(3);
    QStringList seen;
    step = [&](QDialog *d) {
        auto *first = d->findChild<QSpinBox *>("SPelso");
        auto *last = d->findChild<QSpinBox *>("SPutso");
        const auto state = [&] {
            return QStringLiteral("%1..%2=%3 %4..%5=%6")
                .arg(first->minimum()).arg(first->maximum()).arg(first->value())
                .arg(last->minimum()).arg(last->maximum()).arg(last->value());
        };
        seen << state();
        EXPECT_EQ(d->focusWidget(), first);
        // a later first row raises the last one's minimum and value
        first->setValue(7);
        seen << state();
        first->setValue(2);
        seen << state();
        last->setValue(5);
        seen << state();
        QTest::mouseClick(d->findChild<QPushButton *>("Btorles"), Qt::LeftButton);
    };
    editor->controlAs<QAction>(Ctl::TobbsortorlesRacs)->trigger();
    EXPECT_EQ(seen, (QStringList{"1..9=3 4..10=4", "1..9=7 8..10=8", "1..9=2 3..10=4",
                                 "1..9=2 3..10=5"}));
    EXPECT_EQ(texts(), (QStringList{"Sor 1", "Sor 6", "Sor 7", "Sor 8", "Sor 9", "Sor 10"}));
    EXPECT_EQ(recorder.lines(), QStringList{"Sor törlése|info|Kész!|"});

    // on the last row; "<<< Vissza" deletes nothing
    model().cds.setRecNo(6);
    seen.clear();
    step = [&](QDialog *d) {
        auto *last = d->findChild<QSpinBox *>("SPutso");
        seen << QStringLiteral("%1..%2=%3").arg(last->minimum()).arg(last->maximum()).arg(last->value());
        QTest::mouseClick(d->findChild<QPushButton *>("Bvissza"), Qt::LeftButton);
    };
    editor->controlAs<QAction>(Ctl::Tobbsortorlese1)->trigger();
    EXPECT_EQ(seen, QStringList{"5..6=6"});
    EXPECT_EQ(model().cds.recordCount(), 6);
}

TEST_F(EditorRows, BoundaryButtonsSplitThePreviousRow)
{
    fillRows(2);  // 1..3 s and 4..6 s
    model().cds.setRecNo(2);
    QTest::mouseClick(w<QPushButton>("B22"), Qt::LeftButton);
    EXPECT_EQ(model().cds.rowAt(0).befejezes, "00:00:02,000");
    EXPECT_EQ(model().cds.rowAt(1).kezdes, "00:00:02,000");
    EXPECT_EQ(w<QLineEdit>("kezdes")->text(), "00:00:02,000");
    EXPECT_EQ(QApplication::focusWidget(), editor->grid());
}

TEST_F(EditorRows, QuickShiftRunsFromTheButtonAndFromEnter)
{
    fillRows(2);
    auto *amount = w<QLineEdit>("Emodositas");
    amount->setText("00:00:01,500");
    w<QComboBox>("CbPM")->setCurrentIndex(1);
    QTest::mouseClick(w<QPushButton>("Bmodok"), Qt::LeftButton);
    EXPECT_EQ(model().cds.rowAt(0).kezdes, "00:00:00,000");
    EXPECT_EQ(model().cds.rowAt(1).befejezes, "00:00:04,500");
    EXPECT_EQ(amount->text(), "00:00:00,000");
    EXPECT_EQ(QApplication::focusWidget(), editor->grid());

    // Enter with the neutral amount: the notice, and nothing changes
    focus(amount);
    QTest::keyClick(amount, Qt::Key_Return);
    EXPECT_EQ(recorder.lines(), QStringList{"Felhívás|info|0-val nem lenne értelme módosítani!|"});
    EXPECT_EQ(model().cds.rowAt(1).befejezes, "00:00:04,500");
}

}  // namespace
