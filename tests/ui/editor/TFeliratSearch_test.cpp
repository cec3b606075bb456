#include "EditorFixture.h"
#include "editor/EditorControls.h"
#include "tools/search/TKeresesCsere.h"
#include "tools/search/TReszletesK.h"
#include "ui/Modal.h"

namespace {

class TFeliratSearch : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        previous_ = installModalDriver([this](QDialog *d) {
            if (auto *replace = qobject_cast<TKeresesCsere *>(d)) {
                replace->show();
                QApplication::processEvents();
                if (script)
                    script(replace);
                replace->hide();
                return int(QDialog::Rejected);
            }
            return int(QDialog::Accepted);
        });
        fillRows(4, false);
        setText(2, QStringLiteral("banana"));
        setText(4, QStringLiteral("Nem|Most JÖN a banán"));
        model().cds.first();
        showEditor();
    }
    void TearDown() override
    {
        installModalDriver(previous_);
        EditorFixture::TearDown();
    }
    void setText(int row, const QString &text)
    {
        SubtitleTable &cds = model().cds;
        cds.setRecNo(row);
        cds.edit();
        cds.setField(Field::Szoveg, text);
        cds.post();
    }
    static void press(QWidget *widget, Qt::Key key)
    {
        QTest::keyClick(widget, key);
        QApplication::processEvents();
    }
    static void click(QWidget *widget)
    {
        QTest::mouseClick(widget, Qt::LeftButton);
        QApplication::processEvents();
    }
    template <typename T>
    static T *in(QWidget *window, const char *name)
    {
        return window->findChild<T *>(QLatin1String(name));
    }

    std::function<void(TKeresesCsere *)> script;

private:
    ModalDriver previous_;
};

// Enter in the field searches; "Ugrás a szóra" selects the match in the text
// field, where the stored "|" is one line break.
TEST_F(TFeliratSearch, QuickSearchWithEnterSelectsTheWord)
{
    auto *field = w<QLineEdit>("Ekereses");
    field->setText(QStringLiteral("jön"));
    w<QCheckBox>("CBugras")->setChecked(true);
    focus(field);
    press(field, Qt::Key_Return);
    EXPECT_EQ(model().cds.recNo(), 4);
    EXPECT_TRUE(recorder.lines().isEmpty());
    auto *szoveg = w<QTextEdit>("szoveg");
    EXPECT_EQ(QApplication::focusWidget(), szoveg);
    EXPECT_EQ(szoveg->textCursor().selectedText(), QStringLiteral("JÖN"));

    click(w<QPushButton>("Bkeresok"));  // from the last row
    EXPECT_EQ(recorder.lines(), QStringList{"Információ|info|Nincs (több) ilyen: |jön"});
    EXPECT_EQ(model().cds.recNo(), 4);
    EXPECT_FALSE(displayLock);
}

TEST_F(TFeliratSearch, DetailedSearchTakesTheQuickTextAndClosesWithTheEditor)
{
    w<QLineEdit>("Ekereses")->setText(QStringLiteral("banan"));
    click(w<QPushButton>("BKreszletes"));
    auto *detailed = editor->findChild<TReszletesK *>();
    ASSERT_TRUE(detailed && detailed->isVisible());
    EXPECT_EQ(detailed->windowTitle(), QStringLiteral("Részletes keresés"));
    auto *text = in<QLineEdit>(detailed, "ERkereses");
    EXPECT_EQ(text->text(), QStringLiteral("banan"));

    press(text, Qt::Key_Return);
    EXPECT_EQ(model().cds.recNo(), 2);
    press(in<QCheckBox>(detailed, "cbteljes"), Qt::Key_Enter);  // Enter on any control
    EXPECT_EQ(model().cds.recNo(), 2);  // "banana" and "banán": no whole word
    EXPECT_EQ(recorder.lines(), QStringList{"Információ|info|Nincs (több) ilyen: |banan"});
    EXPECT_EQ(w<QTextEdit>("szoveg")->toPlainText(), QStringLiteral("banana"));

    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(editor.get(), &activate);
    EXPECT_FALSE(detailed->isVisible());
    editor->controlAs<QAction>(Ctl::Reszleteskereses1)->trigger();
    EXPECT_TRUE(detailed->isVisible());
    press(text, Qt::Key_Escape);
    EXPECT_FALSE(detailed->isVisible());
}

TEST_F(TFeliratSearch, ReplaceWindowSearchesReplacesAndListsItsLog)
{
    model().setModified(false);
    script = [this](TKeresesCsere *d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Keresés és csere"));
        auto *find = in<QLineEdit>(d, "Emit");
        auto *with = in<QLineEdit>(d, "Emire");
        auto *csere = in<QPushButton>(d, "Bcsere");
        auto *lista = in<QPushButton>(d, "Blistaa");
        EXPECT_TRUE(find->text().isEmpty());
        EXPECT_FALSE(csere->isEnabled());
        EXPECT_FALSE(lista->isEnabled());
        EXPECT_EQ(QApplication::focusWidget(), find);

        find->setText(QStringLiteral("BAN"));
        press(find, Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), with);
        with->setText(QStringLiteral("kan"));
        press(with, Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), in<QPushButton>(d, "Bkskereses"));
        press(in<QPushButton>(d, "Bkskereses"), Qt::Key_Return);
        EXPECT_EQ(model().cds.recNo(), 2);
        EXPECT_TRUE(csere->isEnabled());

        in<QCheckBox>(d, "CBknb")->setChecked(true);  // "Csere" ignores it
        click(csere);
        EXPECT_EQ(model().cds.rowAt(1).szoveg, QStringLiteral("kanana"));
        EXPECT_TRUE(model().modified());

        click(in<QPushButton>(d, "Bosszes"));  // with case: no "BAN" anywhere
        in<QCheckBox>(d, "CBknb")->setChecked(false);
        click(in<QPushButton>(d, "Bosszes"));
        EXPECT_EQ(model().cds.rowAt(3).szoveg, QStringLiteral("Nem|Most JÖN a kanán"));
        EXPECT_TRUE(lista->isEnabled());
        click(lista);
        EXPECT_EQ(model().log.caption, QStringLiteral("Keresés és csere végeredménye"));
        EXPECT_FALSE(model().log.headingsVisible);

        click(in<QPushButton>(d, "Bugras"));
        EXPECT_EQ(model().cds.recNo(), 1);
        press(find, Qt::Key_Escape);
    };
    editor->controlAs<QAction>(Ctl::Keresesescsere1)->trigger();
    EXPECT_EQ(recorder.lines(),
              (QStringList{"Eredmény|info|Nem találtam semmit a megadott szó alapján!|",
                           "Eredmény|info|Ennyit találtam és cseréltem le: 1|További "
                           "információt a \"Lista\" gomb alatt találsz!"}));
    EXPECT_EQ(model().log.lines().last(), QStringLiteral("Mire  : Nem|Most JÖN a kanán"));
    EXPECT_TRUE(w<QPushButton>("BOsszes")->isEnabled());
}

}  // namespace
