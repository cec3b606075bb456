#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/TFoForm.h"
#include "app/TInfo.h"
#include "app/TLeiras.h"
#include "support/GlobalsFixture.h"
#include "ui/Modal.h"
#include "app/Windows.h"

namespace {

// Shows the window for real and lets the test act on it.
class SmallWindows : public GlobalsFixture {
protected:
    void SetUp() override
    {
        GlobalsFixture::SetUp();
        previous_ = installModalDriver([this](QDialog *d) {
            d->show();
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
        windows() = Windows{};
        edition = Edition::Full;
        GlobalsFixture::TearDown();
    }
    std::function<void(QDialog *)> step;

private:
    ModalDriver previous_;
};

TEST_F(SmallWindows, AboutBoxShowsTheVersionOfTheStartWindow)
{
    for (Edition e : {Edition::Full, Edition::VN}) {
        edition = e;
        TFoForm start(QSize(1280, 1024));
        windows().foForm = &start;
        TInfo info;
        QString version;
        step = [&](QDialog *d) { version = d->findChild<QLabel *>("Lverzio")->text(); };
        info.display();
        EXPECT_EQ(version, e == Edition::VN ? QStringLiteral("Verziószám: 6.835VN")
                                            : QStringLiteral("Verziószám: 6.835"));
        EXPECT_EQ(info.windowTitle(), QStringLiteral("Info"));
    }
}

TEST_F(SmallWindows, AboutBoxClosesByPictureOkOrEsc)
{
    TInfo info;
    const std::function<void(QDialog *)> ways[] = {
        [](QDialog *d) { QTest::mouseClick(d->findChild<QLabel *>("Image1"), Qt::LeftButton); },
        [](QDialog *d) { QTest::mouseClick(d->findChild<QPushButton *>("Bok"), Qt::LeftButton); },
        [](QDialog *d) { QTest::keyClick(d, Qt::Key_Escape); },
    };
    for (const auto &way : ways) {
        step = way;
        EXPECT_NE(info.display(), -1);
    }
    EXPECT_FALSE(info.findChild<QLabel *>("Image1")->pixmap().isNull());
}

TEST_F(SmallWindows, DescriptionIgnoresKeysAndClosesOnEscOrBezaras)
{
    TLeiras leiras;
    EXPECT_EQ(leiras.windowTitle(), QStringLiteral("Leírás"));
    auto *memo = leiras.findChild<QPlainTextEdit *>("Memo1");
    ASSERT_NE(memo, nullptr);
    const QString text = memo->toPlainText();
    EXPECT_FALSE(text.isEmpty());

    step = [&](QDialog *) {
        memo->setFocus();
        QTest::keyClicks(memo, QStringLiteral("xyz"));
        QTest::keyClick(memo, Qt::Key_Delete);
        QTest::keyClick(memo, Qt::Key_Backspace);
        QTest::keyClick(memo, Qt::Key_Return);
        EXPECT_TRUE(leiras.isVisible());
        QTest::keyClick(memo, Qt::Key_Escape);
    };
    EXPECT_NE(leiras.display(), -1);
    EXPECT_EQ(memo->toPlainText(), text);

    step = [](QDialog *d) {
        QTest::mouseClick(d->findChild<QPushButton *>("Bbezar"), Qt::LeftButton);
    };
    EXPECT_NE(leiras.display(), -1);
}

}  // namespace
