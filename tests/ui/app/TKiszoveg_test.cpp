#include <gtest/gtest.h>

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "app/TKiszoveg.h"
#include "support/GlobalsFixture.h"
#include "ui/Modal.h"

namespace {

// The box installed as the program installs it; each modal show runs the
// test's step on the visible box.
class MessageBoxWindow : public GlobalsFixture {
protected:
    void SetUp() override
    {
        GlobalsFixture::SetUp();
        previousPresenter_ = installMessagePresenter(&box);
        previousDriver_ = installModalDriver([this](QDialog *d) {
            ++shows;
            d->show();
            if (step)
                step(d);
            const int r = d->result();
            d->hide();
            return r;
        });
    }
    void TearDown() override
    {
        installModalDriver(previousDriver_);
        installMessagePresenter(previousPresenter_);
        exitSaveHandler = nullptr;
        GlobalsFixture::TearDown();
    }
    QPushButton *button(const char *name) { return box.findChild<QPushButton *>(QLatin1String(name)); }
    QLabel *label(const char *name) { return box.findChild<QLabel *>(QLatin1String(name)); }
    void ask(const QString &first, const QString &second = {})
    {
        showMessageBox(QStringLiteral("Kérdés"), QStringLiteral("kerdes"), first, true, true,
                       false, second);
    }
    void tell(const QString &kind, const QString &first, const QString &second = {})
    {
        showMessageBox(QStringLiteral("Üzenet"), kind, first, false, false, true, second);
    }

    TKiszoveg box;
    std::function<void(QDialog *)> step;
    int shows = 0;

private:
    MessagePresenter *previousPresenter_ = nullptr;
    ModalDriver previousDriver_;
};

TEST_F(MessageBoxWindow, ShortMessageIsNarrowWithCentredOk)
{
    QRect ok;
    bool iconsRight = false;
    step = [&](QDialog *) {
        ok = button("Bok")->geometry();
        iconsRight = label("InfoI")->isVisible() && !label("KerdesI")->isVisible()
                     && !label("HibaI")->isVisible();
        EXPECT_FALSE(button("Bigen")->isVisible() || button("Bnem")->isVisible()
                     || button("Bmegsem")->isVisible());
        EXPECT_EQ(label("szoveg")->pos(), QPoint(68, 20));
    };
    tell(QStringLiteral("info"), QStringLiteral("Kész."));
    EXPECT_EQ(shows, 1);
    EXPECT_EQ(box.size(), QSize(380, 135));
    EXPECT_EQ(ok.topLeft(), QPoint(152, 74));
    EXPECT_EQ(ok.width(), 75);
    EXPECT_TRUE(iconsRight);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Üzenet"));
    EXPECT_EQ(label("szoveg")->text(), QStringLiteral("Kész."));
}

TEST_F(MessageBoxWindow, LongLinesWidenTheBoxAndFitIt)
{
    const QString longFirst = QStringLiteral("A sor túl hosszú, ezért a doboz szélesebb lesz, hogy elférjen!");
    const QString longSecond = QStringLiteral("Ez a második sor még annál is hosszabb, mint az első volt, jóval.");
    const QFontMetrics fm(label("szoveg")->font());
    struct Case {
        QString first, second;
        int width;
    } cases[] = {
        {longFirst, QStringLiteral("rövid"), fm.horizontalAdvance(longFirst) + 100},
        {QStringLiteral("rövid"), longSecond, fm.horizontalAdvance(longSecond) + 100},
    };
    for (const Case &c : cases) {
        QRect first, second;
        step = [&](QDialog *) {
            first = label("szoveg")->geometry();
            second = label("szoveg2")->geometry();
        };
        tell(QStringLiteral("hiba"), c.first, c.second);
        EXPECT_EQ(box.width(), c.width);
        EXPECT_EQ(first.topLeft(), QPoint(68, 18));
        EXPECT_EQ(second.topLeft(), QPoint(68, 36));
        EXPECT_LE(std::max(first.right(), second.right()), box.width());
        EXPECT_EQ(button("Bok")->x(), (c.width - 75) / 2);
        EXPECT_TRUE(label("HibaI")->isVisibleTo(&box));
    }
}

TEST_F(MessageBoxWindow, QuestionIsAlways430WithThreeButtons)
{
    for (const QString &text : {QStringLiteral("Biztos?"), QString(80, u'W')}) {
        QList<QPoint> places;
        step = [&](QDialog *) {
            for (const char *name : {"Bigen", "Bnem", "Bmegsem"}) {
                EXPECT_TRUE(button(name)->isVisible()) << name;
                places.append(button(name)->pos());
            }
            EXPECT_FALSE(button("Bok")->isVisible());
            EXPECT_TRUE(label("KerdesI")->isVisible());
            QTest::mouseClick(button("Bnem"), Qt::LeftButton);
        };
        ask(text);
        EXPECT_EQ(box.size(), QSize(430, 135));
        EXPECT_EQ(places, QList<QPoint>({{68, 66}, {160, 66}, {250, 66}}));
    }
}

TEST_F(MessageBoxWindow, ButtonsAndKeysGiveTheAnswer)
{
    struct Case {
        const char *context;
        std::function<void(TKiszoveg &)> act;
        const char *answer;
    } cases[] = {
        {"torol", [](TKiszoveg &b) { QTest::mouseClick(b.findChild<QPushButton *>("Bigen"), Qt::LeftButton); }, "igen"},
        {"torol", [](TKiszoveg &b) { QTest::mouseClick(b.findChild<QPushButton *>("Bnem"), Qt::LeftButton); }, "nem"},
        {"semmit", [](TKiszoveg &b) { QTest::mouseClick(b.findChild<QPushButton *>("Bmegsem"), Qt::LeftButton); }, "semmit"},
        {"torol", [](TKiszoveg &b) { QTest::keyClick(&b, Qt::Key_Return); }, "igen"},
        {"mentes2", [](TKiszoveg &b) { QTest::keyClick(&b, Qt::Key_Escape); }, "nemlepki"},
        {"felbontas", [](TKiszoveg &b) { b.close(); }, "felbontas"},  // closed by the system: cancelled
    };
    for (const Case &c : cases) {
        boxAnswer = QString::fromUtf8(c.context);
        step = [&](QDialog *) { c.act(box); };
        ask(QStringLiteral("Biztos?"));
        EXPECT_EQ(boxAnswer, QString::fromUtf8(c.answer)) << c.context;
        EXPECT_FALSE(box.isVisible());
    }
    // a message closes on Enter and on Esc alike, without touching the answer
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        boxAnswer = QStringLiteral("felulir");
        bool closed = false;
        step = [&](QDialog *) {
            QTest::keyClick(&box, key);
            closed = !box.isVisible();
        };
        tell(QStringLiteral("info"), QStringLiteral("Kész."));
        EXPECT_TRUE(closed);
        EXPECT_EQ(boxAnswer, QStringLiteral("felulir"));
    }
}

TEST_F(MessageBoxWindow, YesOnTheExitQuestionSavesThenStaysQuiet)
{
    int saves = 0;
    exitSaveHandler = [&] {
        ++saves;
        tell(QStringLiteral("info"), QStringLiteral("A felirat el lett mentve!"));
    };
    boxAnswer = QStringLiteral("mentes2");
    step = [&](QDialog *) { QTest::mouseClick(button("Bigen"), Qt::LeftButton); };
    showMessageBox(QStringLiteral("A felirat mentése!"), QStringLiteral("kerdes"),
                   QStringLiteral("A felirat módosítva lett!"), true, true, false,
                   QStringLiteral("Elmenti?"));
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(boxAnswer, QStringLiteral("mentes3"));
    EXPECT_TRUE(quietBoxes);
    EXPECT_EQ(shows, 1);  // the save's message stayed unseen
}

TEST_F(MessageBoxWindow, StaysOnTopWithoutCloseBox)
{
    const Qt::WindowFlags f = box.windowFlags();
    EXPECT_TRUE(f & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(f & Qt::WindowCloseButtonHint);
    EXPECT_EQ(box.minimumHeight(), 135);
    EXPECT_EQ(box.maximumHeight(), 135);
}

TEST_F(MessageBoxWindow, PlainMessageIsAnInformationBox)
{
    QString text;
    step = [&](QDialog *d) {
        auto *m = qobject_cast<QMessageBox *>(d);
        ASSERT_NE(m, nullptr);
        text = m->text();
        EXPECT_EQ(m->icon(), QMessageBox::Information);
        m->accept();
    };
    showPlainMessage(QStringLiteral("Kész!\n12 sor"));
    EXPECT_EQ(text, QStringLiteral("Kész!\n12 sor"));
    EXPECT_EQ(shows, 1);
}

}  // namespace
