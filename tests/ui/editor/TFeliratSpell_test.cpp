#include "EditorFixture.h"
#include "editor/EditorControls.h"
#include "spell/SpellService.h"
#include "support/FakeDictionary.h"
#include "support/TestFiles.h"
#include "tools/spell/THelyesiras.h"
#include "translate/TForditas.h"
#include "ui/Modal.h"

namespace {

const QStringList known{"Sor", "második", "sor", "a", "kutya", "ugat", "és", "macska"};

// The editor with a fake dictionary and a data folder of its own; the check
// window runs a script when it is shown.
class TFeliratSpell : public EditorFixture {
protected:
    void SetUp() override
    {
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
        installSpellOpener([] {
            return fakeDictionary(known, {{QStringLiteral("kuttya"),
                                           {QStringLiteral("kutya"), QStringLiteral("kutyák")}}});
        });
        EditorFixture::SetUp();
        previous_ = installModalDriver([this](QDialog *d) {
            shown.append(d->objectName());
            d->show();
            QApplication::processEvents();
            if (auto *window = qobject_cast<THelyesiras *>(d); window && script)
                script(window);
            d->hide();
            return d->result();
        });
    }
    void TearDown() override
    {
        installModalDriver(previous_);
        EditorFixture::TearDown();
        installSpellOpener({});
        qunsetenv("XDG_DATA_HOME");
    }
    void setText(int row, const QString &text)
    {
        SubtitleTable &cds = model().cds;
        cds.setRecNo(row);
        cds.edit();
        cds.setField(Field::Szoveg, text);
        cds.post();
    }
    static void click(QWidget *window, const char *name)
    {
        auto *b = window->findChild<QPushButton *>(QLatin1String(name));
        ASSERT_TRUE(b && b->isEnabled()) << name;
        QTest::mouseClick(b, Qt::LeftButton);
        QApplication::processEvents();
    }
    static QString text(QWidget *window, const char *name)
    {
        if (auto *label = window->findChild<QLabel *>(QLatin1String(name)))
            return label->text();
        if (auto *edit = window->findChild<QLineEdit *>(QLatin1String(name)))
            return edit->text();
        if (auto *memo = window->findChild<QTextEdit *>(QLatin1String(name)))
            return memo->toPlainText();
        return QStringLiteral("?");
    }
    // The ranges of the text field's first lines that are underlined as
    // unknown, as "block:start+length".
    QStringList underlined()
    {
        QStringList out;
        int n = 0;
        for (QTextBlock b = w<QTextEdit>("szoveg")->document()->begin(); b.isValid();
             b = b.next(), ++n)
            for (const QTextLayout::FormatRange &r : b.layout()->formats())
                if (r.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
                    out.append(QStringLiteral("%1:%2+%3").arg(n).arg(r.start).arg(r.length));
        return out;
    }

    QTemporaryDir home;
    QStringList shown;
    std::function<void(THelyesiras *)> script;

private:
    ModalDriver previous_;
};

TEST_F(TFeliratSpell, MenuItemHasAKeyOfItsOwn)
{
    const MenuSpec *item = editorMenuEntry(Ctl::Helyesiras1);
    ASSERT_TRUE(item);
    EXPECT_EQ(item->parent, Ctl::Felirat1);
    EXPECT_EQ(QString::fromUtf8(item->caption), QStringLiteral("Helyesírás-ellenőrzés"));
    QStringList keys;
    for (const MenuSpec &m : editorMenus())
        keys.append(QLatin1String(m.shortcut));
    EXPECT_EQ(keys.count(QStringLiteral("F7")), 1);
    EXPECT_EQ(w<QAction>("Helyesiras1")->shortcut(), QKeySequence(Qt::Key_F7));
}

// From the current row: the word in its line with the suggestions; "Csere"
// stores the first suggestion, "Kihagy" passes, "Szótárba" keeps the word in
// the personal list; the walk goes round to the rows above the start.
TEST_F(TFeliratSpell, CheckWindowWalksFromTheCurrentRowAndReplaces)
{
    fillRows(4, false);
    setText(1, QStringLiteral("Józsi"));
    setText(3, QStringLiteral("a kuttya|ugat és <i>mäcska</i>"));
    model().cds.setRecNo(3);
    showEditor();
    QStringList seen;
    script = [&](THelyesiras *window) {
        seen << text(window, "Lsor") + u' ' + text(window, "Msor").replace(u'\n', u'|') + u' ' +
                    text(window, "Emire");
        auto *list = window->findChild<QListWidget *>(QStringLiteral("LBjavaslat"));
        EXPECT_EQ(list->count(), 2);
        click(window, "Bcsere");
        seen << text(window, "Lsor") + u' ' + text(window, "Emire");
        EXPECT_EQ(model().cds.recNo(), 3) << "the row of the word is current";
        click(window, "Bkihagy");
        seen << text(window, "Lsor");
        click(window, "Bszotar");
    };
    w<QAction>("Helyesiras1")->trigger();
    EXPECT_EQ(shown, QStringList{"Helyesiras"});
    EXPECT_EQ(seen, (QStringList{"Ismeretlen szó a(z) 3. sorban: a kuttya|ugat és <i>mäcska</i> kutya",
                                 "Ismeretlen szó a(z) 3. sorban: mäcska",
                                 "Ismeretlen szó a(z) 1. sorban:"}));
    EXPECT_EQ(model().cds.rowAt(2).szoveg, QStringLiteral("a kutya|ugat és <i>mäcska</i>"));
    EXPECT_EQ(w<QTextEdit>("szoveg")->toPlainText(), QStringLiteral("Józsi"));
    EXPECT_EQ(model().log.lines(),
              (QStringList{"", "Melyik sorban volt: 3", "Miből: a kuttya|ugat és <i>mäcska</i>",
                           "Mire  : a kutya|ugat és <i>mäcska</i>"}));
    EXPECT_TRUE(model().modified());
    EXPECT_EQ(recorder.lines(),
              QStringList{"Helyesírás-ellenőrzés|info|Nem találtam (több) ismeretlen szót!|"
                          "Ennyi szót cseréltem le: 1"});
    EXPECT_EQ(fileBytes(home.filePath(QStringLiteral("kelvo/szotar.txt"))), "Józsi\n");
}

TEST_F(TFeliratSpell, ClosingHalfWayKeepsWhatWasDoneAndSaysNothing)
{
    fillRows(2, false);
    setText(1, QStringLiteral("kuttya és kuttya"));
    setText(2, QStringLiteral("kuttya Józsi"));
    model().cds.first();
    showEditor();
    script = [&](THelyesiras *window) {
        auto *field = window->findChild<QLineEdit *>(QStringLiteral("Emire"));
        field->clear();
        EXPECT_FALSE(window->findChild<QPushButton *>(QStringLiteral("Bcsere"))->isEnabled());
        QTest::keyClicks(field, QStringLiteral("kutya"));
        click(window, "Bmindet");
        EXPECT_EQ(text(window, "Emire"), QStringLiteral("Józsi"));
        QTest::keyClick(field, Qt::Key_Escape);
    };
    w<QAction>("Helyesiras1")->trigger();
    EXPECT_EQ(model().cds.rowAt(0).szoveg, QStringLiteral("kutya és kutya"));
    EXPECT_EQ(model().cds.rowAt(1).szoveg, QStringLiteral("kutya Józsi"));
    EXPECT_EQ(model().log.lines().size(), 12);
    EXPECT_TRUE(recorder.lines().isEmpty());

    // "Mindet kihagyja" keeps the word known for the run: the next check
    // finds nothing, does not show the window and says so
    script = [&](THelyesiras *window) { click(window, "Bkihagyall"); };
    w<QAction>("Helyesiras1")->trigger();
    shown.clear();
    w<QAction>("Helyesiras1")->trigger();
    EXPECT_TRUE(shown.isEmpty());
    EXPECT_EQ(recorder.lines(),
              (QStringList{"Helyesírás-ellenőrzés|info|Nem találtam (több) ismeretlen szót!|",
                           "Helyesírás-ellenőrzés|info|Nem találtam (több) ismeretlen szót!|"}));
}

// Unknown words are underlined once their verdict comes from the worker;
// the stored text and the modified marker are not touched by it.
TEST_F(TFeliratSpell, UnknownWordsAreUnderlinedInTheTextField)
{
    fillRows(2, false);
    setText(1, QStringLiteral("a kuttya|ugat <i>mäcska</i>"));
    model().cds.first();
    model().setModified(false);
    showEditor();
    QTRY_COMPARE(underlined(), (QStringList{"0:2+6", "1:8+6"}));
    EXPECT_FALSE(model().modified());

    auto *field = w<QTextEdit>("szoveg");
    focus(field);
    field->moveCursor(QTextCursor::End);
    QTest::keyClicks(field, QStringLiteral(" es kutya"));
    QTRY_COMPARE(underlined(), (QStringList{"0:2+6", "1:8+6", "1:19+2"}));
}

TEST_F(TFeliratSpell, MissingDictionaryIsTold)
{
    installSpellOpener([] { return std::unique_ptr<SpellDictionary>(); });
    fillRows(1);
    w<QAction>("Helyesiras1")->trigger();
    EXPECT_TRUE(shown.isEmpty());
    ASSERT_EQ(recorder.lines().size(), 1);
    EXPECT_TRUE(recorder.lines().first().startsWith(
        QStringLiteral("Hiba!|hiba|Nincs telepítve a magyar helyesírási szótár!|")));
}

// The translation workspace checks its translation table with the same
// window; the replaced table counts as unsaved.
TEST_F(TFeliratSpell, TranslationWorkspaceChecksItsTranslation)
{
    TForditas forditas(&model(), QSize(1280, 1024));
    putFile(home.filePath(QStringLiteral("hu.srt")),
            "1\r\n00:00:01,000 --> 00:00:02,000\r\na kutya\r\n\r\n"
            "2\r\n00:00:03,000 --> 00:00:04,000\r\na kuttya ugat\r\n\r\n");
    forditas.readSide(TForditas::Translation, home.filePath(QStringLiteral("hu.srt")));
    const SubtitleTable &table = forditas.table(TForditas::Translation);
    auto texts = [&] {
        QStringList out;
        for (int i = 0; i < table.recordCount(); ++i)
            out.append(table.rowAt(i).szoveg);
        return out;
    };
    ASSERT_TRUE(texts().contains(QStringLiteral("a kuttya ugat")));
    const int row = int(texts().indexOf(QStringLiteral("a kuttya ugat"))) + 1;
    EXPECT_FALSE(forditas.unsaved(TForditas::Translation));
    script = [&](THelyesiras *window) {
        EXPECT_EQ(text(window, "Lsor"), QStringLiteral("Ismeretlen szó a(z) %1. sorban:").arg(row));
        click(window, "Bcsere");
    };
    forditas.findChild<QAction *>(QStringLiteral("HelyesirasForditas"))->trigger();
    EXPECT_EQ(texts()[row - 1], QStringLiteral("a kutya ugat"));
    EXPECT_TRUE(forditas.unsaved(TForditas::Translation));
    EXPECT_EQ(forditas.findChild<QAction *>(QStringLiteral("HelyesirasForditas"))->shortcut(),
              QKeySequence(Qt::Key_F7));
}

}  // namespace
