// Enter clicks no button unless a window made it its default on purpose:
// a field, a radio button or a check box that takes Enter runs nothing.
#include <functional>

#include "editor/TTorlesTobb.h"
#include "tools/timing/TFpsValtas.h"
#include "tools/timing/TReszletes.h"
#include "ui/Modal.h"
#include "ui/editor/EditorFixture.h"

namespace {

class EnterRule : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        fillRows(5, false);
        model().cds.setRecNo(2);
    }
    QStringList rows()
    {
        QStringList out;
        for (int i = 0; i < model().cds.recordCount(); ++i)
            out << model().cds.rowAt(i).kezdes + u' ' + model().cds.rowAt(i).szoveg;
        return out;
    }
    // Shows the window as showModal does and runs step on it; true when
    // the window was still open afterwards.
    bool drive(QDialog &window, const std::function<void(QDialog &)> &step)
    {
        bool open = false;
        const ModalDriver previous = installModalDriver([&](QDialog *d) {
            d->show();
            QApplication::setActiveWindow(d);
            QApplication::processEvents();
            step(*d);
            open = d->isVisible();
            d->hide();
            return d->result();
        });
        showModal(&window);
        installModalDriver(previous);
        return open;
    }
    static void enterOn(QDialog &d, const char *name)
    {
        auto *target = d.findChild<QWidget *>(QLatin1String(name));
        ASSERT_NE(target, nullptr) << name;
        target->setEnabled(true);
        target->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
        QWidget *focused = QApplication::focusWidget() ? QApplication::focusWidget() : target;
        QTest::keyClick(focused, Qt::Key_Return);
        QTest::keyClick(focused, Qt::Key_Enter);
    }
};

TEST_F(EnterRule, EnterInAFieldOrOnAChoiceRunsNoButton)
{
    struct Case {
        const char *window;
        std::function<std::unique_ptr<QDialog>(EditorModel &)> make;
        std::vector<const char *> places;
    } cases[] = {
        {"range delete",
         [](EditorModel &m) { return std::make_unique<TTorlesTobb>(m); },
         {"SPelso", "SPutso"}},
        {"detailed time modification",
         [](EditorModel &m) { return std::make_unique<TReszletes>(m); },
         {"Edit2", "RB3", "RB4", "Lefele", "Felfele", "cbBefejezo"}},
        {"frame-rate conversion",
         [](EditorModel &m) { return std::make_unique<TFpsValtas>(&m); },
         {"cb1", "cb2"}},
    };
    const QStringList before = rows();
    for (const Case &c : cases) {
        for (const char *place : c.places) {
            std::unique_ptr<QDialog> window = c.make(model());
            bool noDefault = true;
            const bool open = drive(*window, [&](QDialog &d) {
                for (QPushButton *b : d.findChildren<QPushButton *>())
                    noDefault = noDefault && !b->isDefault();
                enterOn(d, place);
            });
            EXPECT_TRUE(noDefault) << c.window;
            EXPECT_TRUE(open) << c.window << " " << place;
            EXPECT_EQ(rows(), before) << c.window << " " << place;
        }
    }
    EXPECT_EQ(recorder.lines(), QStringList{});
}

// A button that has the focus still takes Enter, as Space.
TEST_F(EnterRule, TheFocusedButtonTakesEnter)
{
    TTorlesTobb window(model());
    const bool open = drive(window, [](QDialog &d) { enterOn(d, "Bvissza"); });
    EXPECT_FALSE(open);
    EXPECT_EQ(model().cds.recordCount(), 5);
}

}  // namespace
