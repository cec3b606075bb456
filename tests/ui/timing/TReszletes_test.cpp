// The detailed shift window driven as a user would.
#include "../editor/EditorFixture.h"
#include "ui/Modal.h"

namespace {

class DetailedShift : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        previous_ = installModalDriver([this](QDialog *d) {
            d->show();
            QApplication::processEvents();
            window = d;
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
    template <typename T>
    T *in(const char *name) { return window->findChild<T *>(QLatin1String(name)); }
    QStringList starts()
    {
        QStringList out;
        for (int i = 0; i < model().cds.recordCount(); ++i)
            out << model().cds.rowAt(i).kezdes;
        return out;
    }
    void open() { QTest::mouseClick(w<QPushButton>("Breszletes"), Qt::LeftButton); }

    QDialog *window = nullptr;
    std::function<void(QDialog *)> step;
    ModalDriver previous_;
};

TEST_F(DetailedShift, OpensOnTheCurrentRowAndShiftsUpToARow)
{
    fillRows(5);  // starts 1, 4, 7, 10, 13 s
    model().cds.setRecNo(4);
    w<QLineEdit>("Emodositas")->setText("00:00:01");  // not 12 characters: reset
    bool stillOpenAfterChecks = false;
    step = [&](QDialog *) {
        EXPECT_EQ(window->windowTitle(), "Részletes módosítás");
        EXPECT_EQ(in<QLineEdit>("Emodositas2")->text(), "00:00:00,000");
        EXPECT_EQ(in<QLineEdit>("Ekezdes")->text(), "00:00:10,000");
        EXPECT_EQ(in<QLineEdit>("Eszoveg")->text(), "Sor 4|második sor");
        EXPECT_TRUE(in<QRadioButton>("Lefele")->isChecked());
        EXPECT_TRUE(in<QRadioButton>("RB3")->isChecked());
        EXPECT_FALSE(in<QLineEdit>("Edit2")->isEnabled());
        EXPECT_EQ(window->focusWidget(), in<QComboBox>("CbPMR"));
        EXPECT_FALSE(in<QProgressBar>("szazalek")->isVisible());

        // zero amount and an empty row number: both notices, nothing changes
        QTest::mouseClick(in<QRadioButton>("RB4"), Qt::LeftButton);
        EXPECT_EQ(QApplication::focusWidget(), in<QLineEdit>("Edit2"));
        QTest::mouseClick(in<QPushButton>("Bmodok"), Qt::LeftButton);
        stillOpenAfterChecks = window->isVisible();
        EXPECT_EQ(QApplication::focusWidget(), in<QLineEdit>("Emodositas2"));

        // typed as a user would: letters are swallowed, Enter goes to the button
        auto *amount = in<QLineEdit>("Emodositas2");
        amount->clear();
        QTest::keyClicks(amount, "00:00:0x5,000");
        EXPECT_EQ(amount->text(), "00:00:05,000");
        QTest::keyClick(amount, Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), in<QPushButton>("Bmodok"));
        in<QComboBox>("CbPMR")->setCurrentText("-");
        QTest::mouseClick(in<QRadioButton>("Felfele"), Qt::LeftButton);
        EXPECT_TRUE(in<QRadioButton>("RB3")->isChecked());  // a direction resets the range end
        QTest::mouseClick(in<QRadioButton>("RB4"), Qt::LeftButton);
        QTest::keyClicks(in<QLineEdit>("Edit2"), "2a");
        EXPECT_EQ(in<QLineEdit>("Edit2")->text(), "2");
        in<QCheckBox>("cbBefejezo")->setChecked(false);
        QTest::mouseClick(in<QPushButton>("Bmodok"), Qt::LeftButton);
    };
    open();
    EXPECT_TRUE(stillOpenAfterChecks);
    EXPECT_EQ(recorder.lines(),
              (QStringList{"Felhívás|info|0-val nem lenne értelme módosítani!|",
                           "Felhívás|info|Kérem nagyobb számot üssön be a darabhoz!|"}));
    EXPECT_EQ(starts(), (QStringList{"00:00:01,000", "00:00:00,000", "00:00:02,000",
                                     "00:00:05,000", "00:00:13,000"}));
    EXPECT_EQ(model().cds.rowAt(3).befejezes, "00:00:12,000");  // ends untouched
    EXPECT_EQ(model().cds.recNo(), 4);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(editor->focusWidget(), editor->grid());
}

TEST_F(DetailedShift, ValueChoicesEnableTheButtonAndBackChangesNothing)
{
    fillRows(3);
    step = [&](QDialog *) {
        auto *run = in<QPushButton>("Bmodok");
        in<QCheckBox>("cbKezdo")->setChecked(false);
        EXPECT_TRUE(run->isEnabled());
        in<QCheckBox>("cbBefejezo")->setChecked(false);
        EXPECT_FALSE(run->isEnabled());
        in<QCheckBox>("cbKezdo")->setChecked(true);
        EXPECT_TRUE(run->isEnabled());
        in<QLineEdit>("Emodositas2")->setText("00:00:05,000");
        QTest::mouseClick(in<QPushButton>("Bvissza"), Qt::LeftButton);
    };
    open();
    EXPECT_EQ(starts(), (QStringList{"00:00:01,000", "00:00:04,000", "00:00:07,000"}));
    EXPECT_FALSE(model().modified());
}

}  // namespace
