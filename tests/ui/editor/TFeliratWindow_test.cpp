#include <QSignalSpy>

#include "EditorFixture.h"
#include "ui/support/LayoutChecks.h"
#include "editor/EditorControls.h"
#include "files/TKereses.h"
#include "ui/SubtitleGridModel.h"

// The window as a whole: its two layouts and the switch between them, the
// menus and their shortcuts, the mirrored control states, the new
// subtitle, transparency and the statistics controls.
class EditorWindow : public EditorFixture {
protected:
    QAction *action(const char *name) { return w<QAction>(name); }

    // A time code and every column title fit their cells without eliding.
    void expectGridCellsWhole()
    {
        QTableView *grid = editor->grid();
        const int margin = 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
        const QFontMetrics cells(grid->font());
        for (int column : {SubtitleGridModel::KezdesCol, SubtitleGridModel::BefejezesCol})
            EXPECT_LE(cells.horizontalAdvance(QStringLiteral("00:00:00,000")) + margin,
                      grid->columnWidth(column))
                << column;
        QHeaderView *header = grid->horizontalHeader();
        const QFontMetrics titles(header->font());
        for (int column = 0; column < grid->model()->columnCount(); ++column) {
            if (grid->isColumnHidden(column))
                continue;
            const QString title = grid->model()->headerData(column, Qt::Horizontal).toString();
            EXPECT_LE(titles.horizontalAdvance(title) + margin, header->sectionSize(column))
                << title.toStdString();
        }
    }

    // The threshold spin sits on its check box's gap on purpose.
    void expectOrderly()
    {
        expectCaptionsWhole(editor.get(), {{"SEbetu", "Cbtobb"}});
        expectGridCellsWhole();
    }
};

TEST_F(EditorWindow, BothLayoutsHaveTheirSizesAndLookOrderly)
{
    fillRows(20);
    editor->setScreenSize({1920, 1080});
    editor->applyLayout();
    EXPECT_EQ(editor->size(), QSize(1020, 776));
    EXPECT_EQ(editor->grid()->columnWidth(SubtitleGridModel::SorszamCol), 44);
    EXPECT_EQ(editor->grid()->columnWidth(SubtitleGridModel::SzovegCol), 510);
    EXPECT_TRUE(editor->grid()->isColumnHidden(SubtitleGridModel::Szoveg2Col));
    const int tallGrid = editor->grid()->height();
    editor->setScreenSize({1280, 800});
    editor->applyLayout();
    EXPECT_EQ(editor->size(), QSize(1020, 745));
    // the spare height goes to the grid
    EXPECT_EQ(tallGrid - editor->grid()->height(), 31);
    expectOrderly();

    layoutSetting = "800x600";
    editor->applyLayout();
    EXPECT_EQ(editor->size(), QSize(800, 574));
    EXPECT_EQ(editor->grid()->width(), 601);
    expectOrderly();
}

TEST_F(EditorWindow, ReadMovesTheWindowUpOnlyOnA1280WideScreen)
{
    const struct {
        QSize screen;
        bool moved;
    } cases[] = {{{1280, 800}, true}, {{1280, 768}, true}, {{1280, 767}, false},
                 {{1920, 1080}, false}, {{1024, 768}, false}};
    for (const auto &c : cases) {
        editor->setScreenSize(c.screen);
        editor->move(editor->x(), 40);
        editor->placeForRead();
        EXPECT_EQ(editor->y(), c.moved ? 10 : 40) << c.screen.width() << "x" << c.screen.height();
    }
}

TEST_F(EditorWindow, TwoSubtitleLayoutMovesTheTextFields)
{
    fillRows(3);
    editor->showTwoSubtitleLayout();
    EXPECT_TRUE(w<QTextEdit>("szoveg2")->isVisible());
    EXPECT_FALSE(w<QLineEdit>("kezdes")->isVisible());
    EXPECT_EQ(w<QTextEdit>("szoveg")->x(), 8);
    expectOrderly();
    editor->showSingleSubtitleLayout();
    EXPECT_FALSE(w<QTextEdit>("szoveg2")->isVisible());
    EXPECT_TRUE(w<QPushButton>("Bertek")->isVisible());
    EXPECT_EQ(w<QTextEdit>("szoveg")->x(), 376);
}

TEST_F(EditorWindow, LayoutSwitchAsksFirst)
{
    fillRows(3);
    focus(w<QTextEdit>("szoveg"));
    recorder.answer("Nem");
    QTest::keyClick(w<QTextEdit>("szoveg"), Qt::Key_F1);
    EXPECT_EQ(recorder.lines(),
              QStringList{"Felbontás átállítása!|kerdes|Biztos át akar térni a 800x600-as "
                          "programbéli felbontásra?|"});
    EXPECT_EQ(layoutSetting, "1024x768");
    recorder.answer("Igen");
    QTest::keyClick(w<QTextEdit>("szoveg"), Qt::Key_F1);
    EXPECT_EQ(layoutSetting, "800x600");
    EXPECT_EQ(editor->size(), QSize(800, 574));
    EXPECT_FALSE(action("Felbonts1")->isEnabled());
    EXPECT_TRUE(action("Felbonts2")->isEnabled());

    // back to the large layout only on a screen that holds it
    recorder.clear();
    editor->setScreenSize({800, 600});
    QTest::keyClick(w<QTextEdit>("szoveg"), Qt::Key_F2);
    EXPECT_EQ(recorder.lines(),
              QStringList{"Felbontás átállítása!|info|Túl kicsi a képernyő felbontása ahhoz,|hogy "
                          "átállítsam a program felbontását!"});
    EXPECT_EQ(layoutSetting, "800x600");
    editor->setScreenSize({1280, 1024});
    recorder.answer("Igen");
    QTest::keyClick(w<QTextEdit>("szoveg"), Qt::Key_F2);
    EXPECT_EQ(layoutSetting, "1024x768");
    EXPECT_EQ(editor->size(), QSize(1020, 776));
    EXPECT_TRUE(action("Felbonts1")->isEnabled());
    EXPECT_FALSE(action("Felbonts2")->isEnabled());
}

TEST_F(EditorWindow, MenuItemsWithTheirShortcuts)
{
    struct Item {
        const char *name;
        const char *text;
        QKeySequence keys;
    };
    const Item items[] = {
        {"Feliratmegnyitasa1", "Felirat megnyitása", QKeySequence("Ctrl+O")},
        {"Masikfelirat", "Másik felirat beolvasása", QKeySequence("Ctrl+M")},
        {"Mentes1", "Felirat mentése", QKeySequence("Ctrl+S")},
        {"Feliratmentsemsknt1", "Felirat konvertálása", QKeySequence("Ctrl+Shift+S")},
        {"MentM1", "Felirat mentése más néven", QKeySequence("Ctrl+Shift+M")},
        {"MentesMF", "Másik felirat mentése", QKeySequence("Ctrl+F")},
        {"Visszaafomenube1", "Vissza a Főmenübe", QKeySequence()},
        {"Kilepes1", "Kilépés", QKeySequence("Esc")},
        {"Kereses1", "Keresés", QKeySequence("Ctrl+K")},
        {"Reszleteskereses1", "Részletes keresés", QKeySequence("Ctrl+R")},
        {"Keresesescsere1", "Keresés és csere", QKeySequence("Ctrl+Y")},
        {"Felbonts1", "800X600", QKeySequence("F1")},
        {"Felbonts2", "1024X768", QKeySequence("F2")},
        {"BAtfedes", "Átfedés vizsgálata", QKeySequence("Ctrl+B")},
        {"agressziv", "Agresszív sortörés", QKeySequence("Ctrl+A")},
        {"Szinezes38", "Színezés 37 betű felett", QKeySequence("F3")},
        {"Szinezes3", "Színezés 2 sor felett", QKeySequence("F4")},
        {"Uresmasikfelirat1", "Üres másik felirat", QKeySequence()},
        {"Lista1", "Lista", QKeySequence("F5")},
        {"Leiras1", "Leírás", QKeySequence("Ctrl+L")},
        {"Info1", "Info", QKeySequence("Ctrl+I")},
    };
    for (const Item &i : items) {
        QAction *a = action(i.name);
        ASSERT_TRUE(a) << i.name;
        EXPECT_EQ(a->text(), QString::fromUtf8(i.text)) << i.name;
        EXPECT_EQ(a->shortcut(), i.keys) << i.name;
    }
    // as a fresh window starts
    for (const char *off : {"Masikfelirat", "Mentes1", "MentM1", "MentesMF",
                            "Kereses1", "FilmBezaras", "Lejatszas1"})
        EXPECT_FALSE(action(off)->isEnabled()) << off;
    for (const char *on : {"Feliratmegnyitasa1", "Feliratmentsemsknt1", "Kilepes1",
                           "Visszaafomenube1", "FilmMegnyitas", "FilmMutatasa", "Lista1"})
        EXPECT_TRUE(action(on)->isEnabled()) << on;
    // undo and redo are shown, with nothing to undo or redo yet
    for (const char *item : {"Visszavonas1", "Ujra1"}) {
        EXPECT_TRUE(action(item)->isVisible()) << item;
        EXPECT_FALSE(action(item)->isEnabled()) << item;
    }

    // separators are disabled rows of hyphens, never native separator lines
    const QList<QAction *> file = editor->findChild<QMenu *>("File1")->actions();
    ASSERT_GT(file.size(), 2);
    QAction *between = file[2];
    EXPECT_FALSE(between->isSeparator());
    EXPECT_FALSE(between->isEnabled());
    EXPECT_FALSE(between->text().isEmpty());
    EXPECT_EQ(between->text(), QString(between->text().size(), u'-'));
    for (const QMenu *m : editor->findChildren<QMenu *>())
        for (const QAction *a : m->actions())
            EXPECT_FALSE(a->isSeparator()) << m->objectName().toStdString();
}

// The control table is the one list of names: each entry is a control of
// the window that shows it.
TEST_F(EditorWindow, EveryNameOfTheTableIsAControlOfItsWindow)
{
    TKereses open(&model());
    for (const ControlSpec &c : editorControls()) {
        if (c.kind == ControlKind::GridState)
            continue;
        QWidget *window = QLatin1String(c.window) == QLatin1String("Kereses")
                              ? static_cast<QWidget *>(&open)
                              : static_cast<QWidget *>(editor.get());
        const QString name = nameOf(c.id);
        EXPECT_TRUE(window->findChild<QWidget *>(name)) << name.toStdString();
    }
    for (const MenuSpec &m : editorMenus())
        if (m.id != Ctl::None && m.kind != ControlKind::Popup)
            EXPECT_TRUE(action(nameOf(m.id).toLatin1().constData())) << nameOf(m.id).toStdString();
}

TEST_F(EditorWindow, ButtonsCarryTheirHints)
{
    const std::pair<const char *, const char *> hints[] = {
        {"BFPS", "AVI file FPS értékének kinyerése"},
        {"Bmodok", "Módosítás végrehajtása"},
        {"Bkeresok", "Keresés indítása"},
        {"Bbeszuras", "Egy sor beszúrása a file végéhez"},
        {"Belemoge", "Egy sor beszúrása az aktuális sor elé/mögé"},
        {"Btorles", "Egy sor törlése"},
        {"BTorlesTobb", "Több egybefüggő sor törlése"},
        {"BOsszes", "A feliratokban előforduló általános hibákat javítja"},
        {"Bvonal", "Ha az egész sorban egy db \"-\" jel van, akkor azt kitörli a program"},
        {"Boh", "36 karakternél kisebb és két sorból álló sorokat egy sorrá huzza össze/akkor ha "
                "nincs bennük párbeszéd/"},
        {"Blista", "Hibák listázása"},
        {"L05", "0.5 mp-es sorok listája"},
    };
    for (const auto &[name, hint] : hints)
        EXPECT_EQ(w<QPushButton>(name)->toolTip(), QString::fromUtf8(hint)) << name;
}

TEST_F(EditorWindow, MenuShortcutsComeBeforeTheControls)
{
    fillRows(3);
    QSignalSpy aggressive(action("agressziv"), &QAction::triggered);
    auto *search = w<QLineEdit>("Ekereses");
    focus(search);
    search->setText("abc");
    search->setCursorPosition(0);
    QTest::keyClick(search, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(aggressive.count(), 1);
    EXPECT_FALSE(search->hasSelectedText());
    // Ctrl+K focuses the quick search from anywhere
    focus(editor->grid());
    QTest::keyClick(editor->grid(), Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), search);
}

TEST_F(EditorWindow, ControlsMirrorTheModel)
{
    model().setModified(true);
    EXPECT_TRUE(w<QPushButton>("Bmentes")->isEnabled());
    EXPECT_TRUE(action("Mentes1")->isEnabled());
    model().setModified(false);
    EXPECT_FALSE(w<QPushButton>("Bmentes")->isEnabled());
    EXPECT_FALSE(action("Mentes1")->isEnabled());
    model().setVisible(Ctl::Fszazalek, true);
    EXPECT_TRUE(w<QProgressBar>("Fszazalek")->isVisibleTo(editor.get()));
    model().setVisible(Ctl::Szoveg2, true);
    EXPECT_FALSE(editor->grid()->isColumnHidden(SubtitleGridModel::Szoveg2Col));
    model().setChecked(Ctl::CBracs, true);
    EXPECT_TRUE(w<QCheckBox>("CBracs")->isChecked());
    // and a tick the user sets is the model's too
    w<QCheckBox>("CBracs")->setChecked(false);
    EXPECT_FALSE(model().isChecked(Ctl::CBracs));
}

TEST_F(EditorWindow, ResetLeavesNothingToWorkOn)
{
    fillRows(3);
    editor->resetState();
    for (const char *off : {"kezdes", "befejezes", "Bertek", "Btorles", "Bvegelso", "Bmentes",
                            "BMMN", "Cbtobb", "SEbetu", "Ekereses", "beosztas"})
        EXPECT_FALSE(w<QWidget>(off)->isEnabled()) << off;
    EXPECT_FALSE(w<QPushButton>("Belso")->isVisibleTo(editor.get()));
    EXPECT_TRUE(w<QLineEdit>("kezdes")->text().isEmpty());
    EXPECT_TRUE(w<QTextEdit>("szoveg")->toPlainText().isEmpty());
}

TEST_F(EditorWindow, NewSubtitleInBothBases)
{
    struct Case {
        const char *base;
        const char *start;
        const char *end;
        const char *amount;
    };
    for (const Case c : {Case{"Time", "00:00:00,000", "00:00:01,000", "00:00:00,000"},
                         Case{"Frame", "0", "10", "0"}}) {
        SCOPED_TRACE(c.base);
        editor->hide();
        editor->resetState();
        editor->setTimeBase(c.base);
        openMode = "uj";
        appMode = "be";
        showEditor();
        EXPECT_EQ(openMode, "mas");
        ASSERT_EQ(model().cds.recordCount(), 1);
        EXPECT_EQ(w<QLineEdit>("kezdes")->text(), c.start);
        EXPECT_EQ(w<QLineEdit>("befejezes")->text(), c.end);
        EXPECT_EQ(w<QLineEdit>("Emodositas")->text(), c.amount);
        EXPECT_EQ(w<QLineEdit>("Esorszam")->text(), "1");
        EXPECT_EQ(editor->grid()->model()->rowCount(), 1);
        EXPECT_TRUE(w<QPushButton>("Bmentes")->isEnabled());
        EXPECT_TRUE(w<QPushButton>("Btorles")->isEnabled());
        EXPECT_EQ(w<QCheckBox>("Cbtobb")->isEnabled(), QLatin1String(c.base) == QLatin1String("Time"));
        EXPECT_FALSE(w<QGroupBox>("GB12")->isVisibleTo(editor.get()));
        EXPECT_EQ(QApplication::focusWidget(), w<QTextEdit>("szoveg"));
        // typing goes straight into the one row
        QTest::keyClicks(w<QTextEdit>("szoveg"), "Elso");
        EXPECT_EQ(model().cds.field(Field::Szoveg), "Elso");
    }
}

TEST_F(EditorWindow, OpeningFromTheStartWindowRunsTheOpenDialog)
{
    int opened = 0;
    editor->openDialogRunner = [&] {
        EXPECT_EQ(openPurpose, "Felirat");
        EXPECT_EQ(textTarget, "1");
        ++opened;
    };
    editor->resetState();
    model().cds.create();
    appMode = "be";
    openMode = "megnyitas";
    showEditor();
    QTest::qWait(10);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(openMode, "mas");
    EXPECT_FALSE(displayLock);
    // with the dialog left, nothing is there to type a time into
    for (const char *off : {"beosztas", "kezdes", "befejezes", "kulonbseg", "Bertek"})
        EXPECT_FALSE(w<QWidget>(off)->isEnabled()) << off;
}

TEST_F(EditorWindow, TransparencyAndItsStrength)
{
    showEditor();
    auto *box = w<QCheckBox>("atlatszo");
    auto *spin = w<QSpinBox>("Valto");
    EXPECT_FALSE(spin->isEnabled());
    EXPECT_EQ(spin->value(), 70);
    box->setChecked(true);
    EXPECT_TRUE(spin->isEnabled());
    EXPECT_NEAR(editor->windowOpacity(), 110 / 255.0, 0.01);
    spin->setValue(200);
    EXPECT_NEAR(editor->windowOpacity(), 200 / 255.0, 0.01);
    box->setChecked(false);
    EXPECT_FALSE(spin->isEnabled());
    EXPECT_NEAR(editor->windowOpacity(), 1.0, 0.01);
}

TEST_F(EditorWindow, ColouringSwitchesAndCounts)
{
    fillRows(3);
    auto *longBox = w<QCheckBox>("Cbtobb");
    auto *threeBox = w<QCheckBox>("CB3sor");
    auto *longLabel = w<QLabel>("Lbetu");
    auto *threeLabel = w<QLabel>("Lsor");
    EXPECT_EQ(longBox->text(), "Színezés             betű felett");
    auto *spin = w<QSpinBox>("SEbetu");
    EXPECT_EQ(spin->minimum(), 10);
    EXPECT_EQ(spin->maximum(), 99);
    EXPECT_EQ(spin->value(), 37);
    // the spin stands inside the gap of the caption
    EXPECT_GT(spin->x(), longBox->x());
    EXPECT_LT(spin->geometry().right(), longBox->geometry().right());

    EXPECT_FALSE(longLabel->isVisibleTo(editor.get()));
    model().overThresholdCount = 4;
    model().threeLineCount = 2;
    focus(w<QTextEdit>("szoveg"));
    QTest::keyClick(w<QTextEdit>("szoveg"), Qt::Key_F3);
    EXPECT_TRUE(longBox->isChecked());
    EXPECT_TRUE(longLabel->isVisibleTo(editor.get()));
    EXPECT_EQ(longLabel->text(), "(4)");
    EXPECT_EQ(QApplication::focusWidget(), editor->grid());
    QTest::keyClick(editor->grid(), Qt::Key_F4);
    EXPECT_TRUE(threeBox->isChecked());
    EXPECT_EQ(threeLabel->text(), "(2)");
    model().overThresholdCount = 6;
    model().announceCounts();
    EXPECT_EQ(longLabel->text(), "(6)");
    QTest::keyClick(editor->grid(), Qt::Key_F3);
    EXPECT_FALSE(longBox->isChecked());
    EXPECT_FALSE(longLabel->isVisibleTo(editor.get()));

    spin->setValue(40);
    EXPECT_EQ(model().threshold(), 40);

    // the Frame base offers no colouring: F3 does nothing there
    model().setTimeBase("Frame");
    applyAfterReadSet(model());
    EXPECT_FALSE(longBox->isEnabled());
    EXPECT_FALSE(threeBox->isChecked());
    QTest::keyClick(editor->grid(), Qt::Key_F3);
    EXPECT_FALSE(longBox->isChecked());
}

TEST_F(EditorWindow, OptionsMenuBindsTheOptions)
{
    auto *menu = editor->findChild<QMenu *>("PMTobbCheck");
    ASSERT_TRUE(menu);
    QStringList texts;
    for (QAction *a : menu->actions()) {
        texts << a->text();
        EXPECT_TRUE(a->isCheckable());
    }
    EXPECT_EQ(texts, QStringList({"Mentéskor átfedés ellenőrzése",
                                  "Beolvasáskor a hibák ne jelenjenek meg",
                                  "Ha (max.2) sortöréssel kezdődik a sor->sortörés törlése",
                                  "Üres sort ne mentsen ki"}));
    EXPECT_TRUE(action("MentAt")->isChecked());
    action("MentAt")->trigger();
    action("Max2")->trigger();
    action("UresNe")->trigger();
    action("Beolvas")->trigger();
    EXPECT_FALSE(model().options.mentAt);
    EXPECT_TRUE(model().options.max2);
    EXPECT_TRUE(model().options.uresNe);
    EXPECT_TRUE(model().options.beolvas);
}

TEST_F(EditorWindow, BulkPassRedrawsOnce)
{
    fillRows(2000);
    SubtitleTable &cds = model().cds;
    QSignalSpy resets(editor->grid()->model(), &QAbstractItemModel::modelReset);
    QSignalSpy changes(editor->grid()->model(), &QAbstractItemModel::dataChanged);
    displayLock = true;
    cds.suspendRefresh();
    for (cds.first(); !cds.eof(); cds.next()) {
        cds.edit();
        cds.setField(Field::Szoveg, cds.field(Field::Szoveg) + "!");
        cds.post();
    }
    cds.setRecNo(17);
    cds.resumeRefresh();
    displayLock = false;
    QApplication::processEvents();
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(editor->grid()->currentIndex().row(), 16);
    EXPECT_EQ(editor->grid()->model()->index(1999, 3).data().toString(), "Sor 2000|második sor!");
}

TEST_F(EditorWindow, CdModeTakesThePlaceOfRowEditing)
{
    fillRows(3);
    QTest::mouseClick(w<QRadioButton>("RB12"), Qt::LeftButton);
    EXPECT_TRUE(w<QGroupBox>("GB12")->isVisible());
    EXPECT_FALSE(w<QGroupBox>("GB1")->isVisible());
    expectOrderly();
    layoutSetting = "800x600";
    editor->applyLayout();
    expectOrderly();
    QTest::mouseClick(w<QRadioButton>("RB1"), Qt::LeftButton);
    EXPECT_FALSE(w<QGroupBox>("GB12")->isVisible());
    EXPECT_TRUE(w<QGroupBox>("GB1")->isVisible());
    expectOrderly();
}
