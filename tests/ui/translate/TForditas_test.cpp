#include <gtest/gtest.h>

#include <QCheckBox>
#include <QHash>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include "app/ModeGlobals.h"
#include "app/TFoForm.h"
#include "app/Windows.h"
#include "document/SubtitleTable.h"
#include "editor/EditorModel.h"
#include "files/FileGlobals.h"
#include "files/TFileneve.h"
#include "files/TKereses.h"
#include "support/PrintQString.h"
#include "support/TestFiles.h"
#include "translate/TFordElott.h"
#include "translate/TForditas.h"
#include "translate/TranslationGlobals.h"
#include "ui/files/DialogTestSupport.h"

namespace {

const QByteArray source12 = [] {
    QByteArray out;
    for (int i = 1; i <= 12; ++i)
        out += QByteArray::number(i) + "\r\n00:00:" + QByteArray::number(10 + i)
               + ",000 --> 00:00:" + QByteArray::number(10 + i) + ",500\r\nSor "
               + QByteArray::number(i) + "\r\n\r\n";
    return out;
}();

QByteArray frames(int rows)
{
    QByteArray out;
    for (int i = 1; i <= rows; ++i)
        out += "{" + QByteArray::number(i * 10) + "}{" + QByteArray::number(i * 10 + 5) + "}Sor "
               + QByteArray::number(i) + "\r\n";
    return out;
}

// The workspace with the windows it talks to, registered as at start-up,
// and a modal driver that runs the scripted part for a window (by its
// object name) after showing it; unscripted windows close at once.
class Workspace : public DialogTest {
protected:
    using Action = std::function<void(QDialog *)>;

    void SetUp() override
    {
        DialogTest::SetUp();
        resetTranslationGlobals();
        lastDirectory = dir.path();
        previous_ = installModalDriver([this](QDialog *w) {
            shown.append(w->objectName());
            w->show();
            if (const Action action = actions.value(w->objectName()))
                action(w);
            const int result = w->result();
            w->hide();
            return result;
        });
        forditas = std::make_unique<TForditas>(&editor, QSize(1280, 1024));
        setup = std::make_unique<TFordElott>(forditas.get());
        windows().kereses = &kereses;
        windows().fileneve = &fileneve;
        windows().forditas = forditas.get();
        windows().fordElott = setup.get();
        forditas->FormActivate();
    }
    void TearDown() override
    {
        installModalDriver(previous_);
        windows() = Windows{};
        setup.reset();
        forditas.reset();
        resetTranslationGlobals();
        DialogTest::TearDown();
    }

    template <class T = QWidget>
    T *control(QWidget *w, const char *name)
    {
        T *c = w->findChild<T *>(QLatin1String(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    QPushButton *button(const char *name) { return control<QPushButton>(forditas.get(), name); }
    QLineEdit *field(const char *name) { return control<QLineEdit>(forditas.get(), name); }
    QTableView *grid(const char *name) { return control<QTableView>(forditas.get(), name); }
    QAction *menuItem(const QString &text)
    {
        for (QAction *a : forditas->findChildren<QAction *>())
            if (a->text() == text)
                return a;
        ADD_FAILURE() << text.toStdString();
        return nullptr;
    }
    QString file(const char *name, const QByteArray &bytes)
    {
        putFile(path(QLatin1String(name)), bytes);
        return path(QLatin1String(name));
    }
    // Picks name in the open dialog.
    static Action pick(const char *name)
    {
        return [name](QDialog *d) {
            auto *list = d->findChild<QListWidget *>(QStringLiteral("filelistbox"));
            ASSERT_TRUE(clickEntry(list, QLatin1String(name)));
            static_cast<TKereses *>(d)->megnyitasClick();
        };
    }

    QHash<QString, Action> actions;
    QStringList shown;
    EditorModel editor;
    TKereses kereses{&editor};
    TFileneve fileneve{&editor};
    std::unique_ptr<TForditas> forditas;
    std::unique_ptr<TFordElott> setup;

private:
    ModalDriver previous_;
};

TEST_F(Workspace, StartWindowOpensItAndItLeadsBackOrOut)
{
    TFoForm start(QSize(1280, 1024));
    windows().foForm = &start;
    start.show();
    forditas->readSide(TForditas::Source, file("a.srt", source12));
    bool startHidden = false;
    actions[QStringLiteral("Forditas")] = [&](QDialog *) {
        EXPECT_EQ(appMode, QStringLiteral("For"));
        startHidden = !start.isVisible();
        // the reset emptied what the last visit left
        EXPECT_EQ(forditas->table(TForditas::Source).recordCount(), 0);
        EXPECT_TRUE(field("Efe")->text().isEmpty());
        EXPECT_FALSE(button("Esave")->isEnabled());
        EXPECT_FALSE(menuItem(QStringLiteral("Mindkettő mentése"))->isEnabled());
        EXPECT_FALSE(field("Edit6")->isVisibleTo(forditas.get()));
        QTest::mouseClick(button("BVissza"), Qt::LeftButton);
    };
    start.BitBtn4Click();
    EXPECT_TRUE(startHidden);
    EXPECT_EQ(shown, QStringList{QStringLiteral("Forditas")});
    EXPECT_EQ(appMode, QStringLiteral("vissza"));
    EXPECT_TRUE(start.isVisible());
    EXPECT_FALSE(start.ended());
    EXPECT_FALSE(forditas->table(TForditas::Source).isActive());

    actions[QStringLiteral("Forditas")] = [&](QDialog *) {
        QTest::mouseClick(button("BKilepes"), Qt::LeftButton);
    };
    start.BitBtn4Click();
    EXPECT_EQ(appMode, QStringLiteral("ki"));
    EXPECT_TRUE(start.ended());
}

TEST_F(Workspace, ClosingOtherwiseEndsTheProgramUnlessGoingBack)
{
    appMode = QStringLiteral("For");
    forditas->show();
    forditas->close();
    EXPECT_EQ(appMode, QStringLiteral("ki"));
    appMode = QStringLiteral("For");
    forditas->show();
    menuItem(QStringLiteral("Vissza a főmenübe"))->trigger();
    EXPECT_EQ(appMode, QStringLiteral("vissza"));

    // a stray Esc in the search field does not leave the workspace
    appMode = QStringLiteral("For");
    forditas->show();
    QTest::keyClick(field("EkerE"), Qt::Key_Escape);
    EXPECT_TRUE(forditas->isVisible());
    EXPECT_EQ(appMode, QStringLiteral("For"));
}

TEST_F(Workspace, SetupLoadsBothFilesAndTheMenuOpensOneSide)
{
    const QString src = file("a.srt", source12);
    const QString dst = file("b.sub", frames(3));
    file("c.srt", source12);
    actions[QStringLiteral("FordElott")] = [&](QDialog *d) {
        EXPECT_TRUE(control<QLineEdit>(d, "Eef")->text().isEmpty());
        EXPECT_TRUE(control<QRadioButton>(d, "Ferb1")->isChecked());
        control<QLineEdit>(d, "Eef")->setText(src);
        control<QLineEdit>(d, "Eff")->setText(dst);
        static_cast<TFordElott *>(d)->BFetovabbClick();
    };
    control<QRadioButton>(setup.get(), "Ferb2")->click();
    QTest::mouseClick(button("ProjectMegnyit"), Qt::LeftButton);
    EXPECT_FALSE(emptyTranslation);
    EXPECT_EQ(forditas->filePath(TForditas::Source), src);
    EXPECT_EQ(forditas->filePath(TForditas::Translation), dst);
    EXPECT_EQ(forditas->timeBase(TForditas::Source), QStringLiteral("Time"));
    EXPECT_EQ(forditas->timeBase(TForditas::Translation), QStringLiteral("Frame"));
    EXPECT_EQ(forditas->table(TForditas::Translation).recordCount(), 3);
    EXPECT_TRUE(field("Edit6")->isVisibleTo(forditas.get()));

    // the menu refuses the file the other side holds, and reads another
    actions[QStringLiteral("Kereses")] = pick("a.srt");
    menuItem(QStringLiteral("Fordított felirat megnyitása"))->trigger();
    EXPECT_EQ(messages.lines(),
              QStringList{"Duplikáció|info|Ezt a feliratot már betöltötte a \"Eredeti "
                          "felirat\"-hoz!|"});
    EXPECT_EQ(forditas->filePath(TForditas::Translation), dst);
    actions[QStringLiteral("Kereses")] = pick("c.srt");
    menuItem(QStringLiteral("Fordított felirat megnyitása"))->trigger();
    EXPECT_EQ(forditas->filePath(TForditas::Translation), path("c.srt"));
    EXPECT_EQ(forditas->timeBase(TForditas::Translation), QStringLiteral("Time"));
}

TEST_F(Workspace, TransparencyAndTheSetupFieldsFocus)
{
    control<QCheckBox>(forditas.get(), "atlatszo2")->setChecked(true);
    EXPECT_NEAR(forditas->windowOpacity(), 210 / 255.0, 0.01);
    control<QCheckBox>(forditas.get(), "atlatszo2")->setChecked(false);
    EXPECT_DOUBLE_EQ(forditas->windowOpacity(), 1.0);

    setup->show();
    QApplication::setActiveWindow(setup.get());
    auto *eef = control<QLineEdit>(setup.get(), "Eef");
    eef->setFocus();
    QTest::keyClick(eef, Qt::Key_A);
    EXPECT_TRUE(eef->text().isEmpty());
    EXPECT_TRUE(control<QPushButton>(setup.get(), "K1")->hasFocus());
    QTest::mouseClick(control<QLineEdit>(setup.get(), "Eff"), Qt::LeftButton);
    EXPECT_TRUE(control<QPushButton>(setup.get(), "K2")->hasFocus());
    setup->hide();
}

TEST_F(Workspace, SetupRefusesTheSameFileForBothSides)
{
    file("a.srt", source12);
    auto *eef = control<QLineEdit>(setup.get(), "Eef");
    auto *eff = control<QLineEdit>(setup.get(), "Eff");
    auto *load = control<QPushButton>(setup.get(), "BFetovabb");
    bool stayed = false;
    actions[QStringLiteral("Kereses")] = pick("a.srt");
    setup->K1Click();
    EXPECT_EQ(eef->text(), path("a.srt"));
    EXPECT_FALSE(load->isEnabled());

    actions[QStringLiteral("Kereses")] = [&](QDialog *d) {
        pick("a.srt")(d);
        stayed = d->isVisible();
    };
    setup->K2Click();
    EXPECT_TRUE(stayed);
    EXPECT_TRUE(eff->text().isEmpty());
    EXPECT_EQ(messages.lines(),
              QStringList{"Duplikáció|info|Ezt a feliratot már betöltötte az \"Eredeti "
                          "felirat\"-hoz!|"});
    EXPECT_FALSE(load->isEnabled());

    // "Üres felirat" needs no translated file
    control<QRadioButton>(setup.get(), "Ferb2")->click();
    EXPECT_FALSE(eff->isEnabled());
    EXPECT_FALSE(control<QPushButton>(setup.get(), "K2")->isEnabled());
    EXPECT_TRUE(load->isEnabled());
}

TEST_F(Workspace, EmptyTranslationIsBuiltAndItsFirstSaveAsksForAName)
{
    const QString src = file("a.srt", source12);
    control<QLineEdit>(setup.get(), "Eef")->setText(src);
    control<QRadioButton>(setup.get(), "Ferb2")->click();
    setup->BFetovabbClick();
    EXPECT_TRUE(emptyTranslation);
    SubtitleTable &f = forditas->table(TForditas::Translation);
    EXPECT_EQ(f.recordCount(), forditas->table(TForditas::Source).recordCount());
    EXPECT_EQ(f.rowAt(0).kezdes, QStringLiteral("00:00:11,000"));
    EXPECT_TRUE(f.rowAt(0).szoveg.isEmpty());
    EXPECT_TRUE(field("Eff")->text().isEmpty());
    EXPECT_TRUE(field("Edit6")->isVisibleTo(forditas.get()));
    EXPECT_TRUE(button("Fsave")->isEnabled());
    EXPECT_TRUE(menuItem(QStringLiteral("Mindkettő mentése"))->isEnabled());

    // cancelled file-name dialog: nothing written, nothing said
    const QStringList before = QDir(dir.path()).entryList(QDir::Files);
    EXPECT_FALSE(forditas->saveSide(TForditas::Translation));
    EXPECT_EQ(shown.last(), QStringLiteral("Fileneve"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), before);
    EXPECT_TRUE(messages.lines().isEmpty());

    actions[QStringLiteral("Fileneve")] = [](QDialog *d) {
        QTest::keyClicks(d->findChild<QLineEdit *>(QStringLiteral("e1")), QStringLiteral("hu"));
        static_cast<TFileneve *>(d)->BokClick();
    };
    EXPECT_TRUE(forditas->saveSide(TForditas::Translation));
    EXPECT_EQ(field("Eff")->text(), path("hu.srt"));
    EXPECT_TRUE(fileBytes(path("hu.srt")).startsWith("1\r\n00:00:11,000 --> 00:00:11,500\r\n\r\n"));
    EXPECT_EQ(messages.lines(), QStringList{"Mentés|info|A Feliratot elmentettem|"});
}

TEST_F(Workspace, GridsMoveTogetherOnlyToARowTheOtherHas)
{
    forditas->readSide(TForditas::Source, file("a.sub", frames(12)));
    forditas->readSide(TForditas::Translation, file("b.sub", frames(10)));
    control<QCheckBox>(forditas.get(), "cb1")->setChecked(true);
    QTableView *e = grid("DBGridE");
    auto clickRow = [&](int row) {
        e->scrollTo(e->model()->index(row - 1, 3));
        QTest::mouseClick(e->viewport(), Qt::LeftButton, {},
                          e->visualRect(e->model()->index(row - 1, 3)).center());
    };
    clickRow(10);
    EXPECT_EQ(forditas->table(TForditas::Source).recNo(), 10);
    EXPECT_EQ(forditas->table(TForditas::Translation).recNo(), 10);
    EXPECT_EQ(field("Edit2")->text(), QStringLiteral("Sor 10"));
    EXPECT_EQ(field("Edit6")->text(), QStringLiteral("Sor 10"));
    clickRow(11);
    EXPECT_EQ(forditas->table(TForditas::Source).recNo(), 11);
    EXPECT_EQ(forditas->table(TForditas::Translation).recNo(), 10);

    QTest::mouseClick(button("FElso"), Qt::LeftButton);
    EXPECT_EQ(forditas->table(TForditas::Source).recNo(), 1);
    EXPECT_EQ(forditas->table(TForditas::Translation).recNo(), 1);
    QTest::mouseClick(button("EUtolso"), Qt::LeftButton);
    EXPECT_EQ(forditas->table(TForditas::Source).recNo(), 12);
    EXPECT_EQ(forditas->table(TForditas::Translation).recNo(), 10);
    // a frame-based side has its "|" button, a time-based one not
    EXPECT_TRUE(button("Button9")->isVisibleTo(forditas.get()));
    forditas->readSide(TForditas::Source, file("a.srt", source12));
    EXPECT_FALSE(button("Button8")->isVisibleTo(forditas.get()));
}

TEST_F(Workspace, TypingInTheGridEditsThroughTheLineFields)
{
    forditas->readSide(TForditas::Translation, file("b.sub", frames(3)));
    QTableView *f = grid("DBGridF");
    const SubtitleTable &t = forditas->table(TForditas::Translation);
    QTest::mouseClick(f->viewport(), Qt::LeftButton, {},
                      f->visualRect(f->model()->index(1, 3)).center());
    QTest::keyClick(f, Qt::Key_X);
    QLineEdit *text = field("Edit6");
    EXPECT_EQ(text->text(), QStringLiteral("x"));
    EXPECT_TRUE(text->hasFocus() || QApplication::focusWidget() == nullptr);
    QTest::keyClicks(text, QStringLiteral("yz"));
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(t.rowAt(1).szoveg, QStringLiteral("xyz"));

    // the end column takes digits only, and Enter checks the value
    QTest::mouseClick(f->viewport(), Qt::LeftButton, {},
                      f->visualRect(f->model()->index(1, 2)).center());
    QLineEdit *end = field("Edit5");
    QTest::keyClick(f, Qt::Key_A);
    EXPECT_EQ(end->text(), QStringLiteral("25"));
    QTest::keyClick(f, Qt::Key_7);
    EXPECT_EQ(end->text(), QStringLiteral("7"));
    QTest::keyClicks(end, QStringLiteral("a:9"));
    EXPECT_EQ(end->text(), QStringLiteral("79"));
    QTest::keyClick(end, Qt::Key_Return);
    EXPECT_EQ(t.rowAt(1).befejezes, QStringLiteral("79"));

    // Esc gives the row's value back; Delete in the translation grid deletes
    end->setText(QStringLiteral("1"));
    QTest::keyClick(end, Qt::Key_Escape);
    EXPECT_EQ(end->text(), QStringLiteral("79"));
    QTest::keyClick(f, Qt::Key_Delete);
    EXPECT_EQ(t.recordCount(), 2);
}

TEST_F(Workspace, ALongTextReadFromAFileSurvivesItsLineField)
{
    const QString longText = QString(60, u'x') + u'|' + QString(40, u'y');
    forditas->readSide(TForditas::Translation,
                       file("b.sub", "{10}{20}" + longText.toLatin1() + "\r\n"));
    QLineEdit *text = field("Edit6");
    EXPECT_EQ(text->text(), longText);
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(forditas->table(TForditas::Translation).rowAt(0).szoveg, longText);
}

TEST_F(Workspace, CheckAndSearchAnswerThroughTheMessageBox)
{
    forditas->readSide(TForditas::Translation, file("b.sub", "{10}{20}Egy\r\n{30}{}Ketto\r\n"));
    QTest::mouseClick(button("BFell"), Qt::LeftButton);
    EXPECT_EQ(messages.lines(),
              QStringList{"Ellenőrzés|hiba|Üres mező!|Kérem töltse fel a sort rendesen!"});
    messages.clear();
    // a failing check writes nothing
    const QByteArray old = fileBytes(path("b.sub"));
    EXPECT_FALSE(forditas->saveSide(TForditas::Translation));
    EXPECT_EQ(fileBytes(path("b.sub")), old);

    messages.clear();
    field("EkerF")->setText(QStringLiteral("KETTO"));
    QTest::keyClick(field("EkerF"), Qt::Key_Return);
    EXPECT_EQ(forditas->table(TForditas::Translation).recNo(), 2);
    QTest::mouseClick(button("BkerF"), Qt::LeftButton);
    EXPECT_EQ(forditas->table(TForditas::Translation).recNo(), 2);
    EXPECT_EQ(messages.lines(), QStringList{"Információ|info|Nincs (több) ilyen: |KETTO"});
}

// The search moves its side's gauge as it goes.
TEST_F(Workspace, SearchMovesItsGauge)
{
    forditas->readSide(TForditas::Source, file("a.srt", source12));
    auto *gauge = forditas->findChild<QProgressBar *>(QStringLiteral("EEszazalek"));
    ASSERT_NE(gauge, nullptr);
    QList<int> values;
    QObject::connect(gauge, &QProgressBar::valueChanged, [&values](int v) { values << v; });
    field("EkerE")->setText(QStringLiteral("Sor 12"));
    QTest::mouseClick(button("BkerE"), Qt::LeftButton);
    EXPECT_EQ(forditas->table(TForditas::Source).field(Field::Szoveg), QStringLiteral("Sor 12"));
    EXPECT_GE(values.size(), 5);
    ASSERT_FALSE(values.isEmpty());
    EXPECT_EQ(values.last(), 100);
    EXPECT_TRUE(messages.lines().isEmpty());
}

TEST_F(Workspace, PopupStylesAndClipboardWorkOnTheRowText)
{
    forditas->readSide(TForditas::Source, file("a.srt", source12));
    editor.textClipboard = QStringLiteral("left over");
    forditas->FormActivate();
    EXPECT_TRUE(editor.textClipboard.isEmpty());
    forditas->readSide(TForditas::Source, file("a.srt", source12));
    const SubtitleTable &t = forditas->table(TForditas::Source);
    menuItem(QStringLiteral("Dőlt"))->trigger();
    EXPECT_EQ(t.rowAt(0).szoveg, QStringLiteral("<i>Sor 1</i>"));
    menuItem(QStringLiteral("Dőlt"))->trigger();
    EXPECT_EQ(t.rowAt(0).szoveg, QStringLiteral("Sor 1"));
    QMenu *popup = forditas->findChild<QMenu *>(QStringLiteral("Pef"));
    ASSERT_NE(popup, nullptr);
    QAction *cut = nullptr, *paste = nullptr, *after = nullptr;
    for (QAction *a : popup->actions()) {
        if (a->text() == QStringLiteral("Kivágás")) cut = a;
        if (a->text() == QStringLiteral("Beillesztés")) paste = a;
        if (a->text() == QStringLiteral("Egy sor beszúrása az aktuális sor mögé")) after = a;
    }
    ASSERT_TRUE(cut && paste && after);
    cut->trigger();
    EXPECT_EQ(editor.textClipboard, QStringLiteral("Sor 1"));
    EXPECT_TRUE(t.rowAt(0).szoveg.isEmpty());
    after->trigger();
    EXPECT_EQ(t.recNo(), 2);
    paste->trigger();
    EXPECT_EQ(t.rowAt(1).szoveg, QStringLiteral("Sor 1"));
    EXPECT_EQ(t.rowAt(1).kezdes, QString());
}

TEST_F(Workspace, LayoutsAskFirstAndTheLargeOneNeedsTheScreen)
{
    EXPECT_EQ(forditas->size(), QSize(681, 565));  // layoutSetting empty: the small layout
    messages.answer(QStringLiteral("Nem"));
    forditas->layoutItemClick(false);
    EXPECT_EQ(forditas->size(), QSize(681, 565));
    forditas->layoutItemClick(false);
    EXPECT_EQ(forditas->size(), QSize(678, 616));
    EXPECT_EQ(layoutSetting, QStringLiteral("1024x768"));
    EXPECT_EQ(messages.lines().last(),
              QStringLiteral("Felbontás átállítása!|kerdes|Biztos át akar térni a 1024x768-as "
                             "programbéli felbontásra?|"));
    EXPECT_FALSE(menuItem(QStringLiteral("1024x768"))->isEnabled());
    EXPECT_TRUE(menuItem(QStringLiteral("800x600"))->isEnabled());

    TForditas onSmall(&editor, QSize(800, 600));
    messages.clear();
    onSmall.layoutItemClick(false);
    EXPECT_EQ(messages.lines(), QStringList{"Felbontás átállítása!|info|Túl kicsi a képernyő "
                                            "felbontása ahhoz,|hogy átállítsam a program "
                                            "felbontását!"});
    EXPECT_EQ(onSmall.size(), QSize(678, 616));  // created while the setting was large
}

}  // namespace

namespace {

// Every way out of the workspace, and every load over its tables, asks about
// a table with unsaved changes; "Mégsem" leaves everything as it was.
class WorkspaceUnsaved : public Workspace {
protected:
    void SetUp() override
    {
        Workspace::SetUp();
        translation = file("b.sub", frames(3));
        forditas->readSide(TForditas::Translation, translation);
        forditas->show();
    }
    void edit()
    {
        SubtitleTable &t = forditas->table(TForditas::Translation);
        t.setRecNo(2);
        t.edit();
        t.setField(Field::Szoveg, QStringLiteral("Új szöveg"));
        t.post();
    }
    QString translation;
    const QString question = QStringLiteral(
        "A feliratok mentése!|kerdes|A fordított felirat módosítva lett!|Elmenti?");
};

TEST_F(WorkspaceUnsaved, NothingIsAskedWhileTheTablesAreAsRead)
{
    EXPECT_FALSE(forditas->unsaved(TForditas::Translation));
    EXPECT_EQ(forditas->windowTitle(), QStringLiteral("Fordítás"));
    appMode = QStringLiteral("For");
    QTest::mouseClick(button("BKilepes"), Qt::LeftButton);
    EXPECT_TRUE(messages.lines().isEmpty());
    EXPECT_FALSE(forditas->isVisible());
}

TEST_F(WorkspaceUnsaved, EveryWayOutAndEveryLoadAsksAndCancelKeepsAll)
{
    edit();
    EXPECT_TRUE(forditas->unsaved(TForditas::Translation));
    EXPECT_EQ(forditas->windowTitle(), QStringLiteral("Fordítás – *b.sub"));
    const std::vector<std::pair<const char *, std::function<void()>>> ways = {
        {"Kilépés", [&] { QTest::mouseClick(button("BKilepes"), Qt::LeftButton); }},
        {"<<< Vissza", [&] { QTest::mouseClick(button("BVissza"), Qt::LeftButton); }},
        {"Vissza a főmenübe", [&] { menuItem(QStringLiteral("Vissza a főmenübe"))->trigger(); }},
        {"close box", [&] { forditas->close(); }},
        {"Project megnyitása", [&] { QTest::mouseClick(button("ProjectMegnyit"), Qt::LeftButton); }},
        {"Fordított felirat megnyitása",
         [&] { menuItem(QStringLiteral("Fordított felirat megnyitása"))->trigger(); }},
    };
    for (const auto &[way, leave] : ways) {
        messages.clear();
        messages.answer(QStringLiteral("Mégsem"));
        appMode = QStringLiteral("For");
        shown.clear();
        leave();
        EXPECT_EQ(messages.lines(), QStringList{question}) << way;
        EXPECT_TRUE(forditas->isVisible()) << way;
        EXPECT_TRUE(shown.isEmpty()) << way << ": no dialog opened";
        EXPECT_EQ(appMode, QStringLiteral("For")) << way;
        EXPECT_EQ(forditas->table(TForditas::Translation).rowAt(1).szoveg,
                  QStringLiteral("Új szöveg"))
            << way;
    }
}

TEST_F(WorkspaceUnsaved, NoLeavesWithoutSavingAndYesSavesFirst)
{
    const QByteArray before = fileBytes(translation);
    edit();
    messages.answer(QStringLiteral("Nem"));
    appMode = QStringLiteral("For");
    QTest::mouseClick(button("BVissza"), Qt::LeftButton);
    EXPECT_FALSE(forditas->isVisible());
    EXPECT_EQ(appMode, QStringLiteral("vissza"));
    EXPECT_EQ(fileBytes(translation), before);

    forditas->show();
    forditas->readSide(TForditas::Translation, translation);
    edit();
    messages.clear();
    messages.answer(QStringLiteral("Igen"));
    QTest::mouseClick(button("BKilepes"), Qt::LeftButton);
    EXPECT_EQ(messages.lines(),
              QStringList({question, QStringLiteral("Mentés|info|A Feliratot elmentettem|")}));
    EXPECT_FALSE(forditas->isVisible());
    EXPECT_TRUE(fileBytes(translation).contains("Új szöveg") ||
                fileBytes(translation).contains("\xDAj sz\xF6veg"));
}

}  // namespace
