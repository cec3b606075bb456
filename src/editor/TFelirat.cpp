#include "editor/TFelirat.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QDateTime>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTextEdit>
#include <QTimer>
#include <QWheelEvent>

#include "app/MessageBox.h"
#include "app/ModeGlobals.h"
#include "document/DocumentGlobals.h"
#include "document/TimeCode.h"
#include "editor/EditorLayout.h"
#include "editor/EnableSets.h"
#include "editor/FlagRecount.h"
#include "editor/RowNavigation.h"
#include "editor/RowStats.h"
#include "editor/RowText.h"
#include "editor/TimeFieldRules.h"
#include "files/FileGlobals.h"
#include "files/SubtitleWriter.h"
#include "app/TFoForm.h"
#include "app/TInfo.h"
#include "app/TLeiras.h"
#include "files/OpenSubtitle.h"
#include "files/TFileneve.h"
#include "files/THibaki.h"
#include "files/TKereses.h"
#include "tools/text/ShowLog.h"
#include "tools/timing/OverlapCheck.h"
#include "tools/timing/TAtfedes.h"
#include "ui/Resources.h"
#include "ui/SubtitleGridDelegate.h"
#include "ui/Windows.h"
#include "ui/SubtitleGridModel.h"

namespace {

const QStringList fpsItems = {"15", "20", "23,976", "24", "25", "29,976", "30"};

// A separator of the menus: a disabled item captioned with hyphens.
void addHyphenRow(QMenu *menu)
{
    menu->addAction(QString(24, u'-'))->setEnabled(false);
}

bool isEnter(const QKeyEvent *e)
{
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

bool isArrow(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up
           || key == Qt::Key_Down;
}

// Text field (one subtitle line per line) to the stored form.
QString storedForm(const QString &fieldText)
{
    QString s = fieldText;
    s.remove(u'\r');
    s.replace(u'\n', u'|');
    s.replace(QChar::ParagraphSeparator, u'|');
    s.replace(QChar::LineSeparator, u'|');
    return s;
}

void fillTextField(QTextEdit *field, QLabel *counter, const QString &stored)
{
    if (stored.isEmpty()) {
        field->clear();
        counter->setText(QStringLiteral("0=0 betű"));
    } else {
        QString shown = stored;
        shown.replace(u'|', u'\n');
        field->setPlainText(shown);
        counter->setText(lineCountLabel(stored));
    }
    QTextCursor c = field->textCursor();
    c.movePosition(QTextCursor::Start);
    field->setTextCursor(c);
    field->ensureCursorVisible();
}

// The grid's row indicator: a narrow blank header. Its width is fixed, so
// it never measures its sections, which would cost a hundred measurements
// for every row a routine appends.
class RowIndicator : public QHeaderView {
public:
    explicit RowIndicator(QWidget *parent) : QHeaderView(Qt::Vertical, parent) {}
    QSize sizeHint() const override { return {12, defaultSectionSize()}; }

protected:
    QSize sectionSizeFromContents(int) const override { return {12, defaultSectionSize()}; }
};

}  // namespace

TFelirat::TFelirat(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Felirat"));
    setWindowTitle(QStringLiteral("Felirat megnyitása"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMinMaxButtonsHint, true);
    // numbers with a fraction read and print with a comma in every control
    QLocale hu(QLocale::Hungarian, QLocale::Hungary);
    hu.setNumberOptions(QLocale::OmitGroupSeparator);
    setLocale(hu);
    if (QScreen *s = QGuiApplication::primaryScreen())
        screen_ = s->size();
    else
        screen_ = QSize(1280, 1024);

    buildControls();
    buildMenus();
    buildPopupMenus();
    connectControls();

    model_.setHost(this);
    connect(&model_, &EditorModel::controlChanged, this, &TFelirat::mirrorControl);
    connect(&model_, &EditorModel::countsChanged, this, &TFelirat::refreshCountLabels);
    connect(&model_, &EditorModel::timeBaseChanged, this, [this](const QString &base) {
        const QSignalBlocker block(beosztas_);
        beosztas_->setCurrentText(base);
        const TimeBaseFields f = timeBaseFields(base);
        kezdes_->setMaxLength(f.maxLength);
        befejezes_->setMaxLength(f.maxLength);
        Emodositas_->setMaxLength(f.maxLength);
        Emodositas_->setText(f.neutralAmount);
    });
    connect(&model_, &EditorModel::fpsChanged, this, [this](const QString &fps) {
        const QSignalBlocker block(cbFps_);
        cbFps_->setCurrentText(fps);
    });
    connect(&model_.cds, &SubtitleTable::dataChange, this, &TFelirat::dsDataChange);

    // Initial states of the items the menus start with switched off.
    for (const char *n : {"Masikfelirat", "MentM1", "MentesMF", "Kereses1",
                          "Reszleteskereses1", "Keresesescsere1", "FilmBezaras",
                          "FilmInformacio", "FilmEredetiben", "FilmNagyban", "FeliratMutatasa",
                          "Lejatszas1", "FilmFelirat", "BeallitasKezdo1", "BeallitasBefejezo1",
                          "Visszavonas1", "Valto"})
        model_.setEnabled(QLatin1String(n), false);
    for (const char *n : {"Fszazalek", "Szoveg2", "szoveg2", "sordarab2", "LKarakterszam2",
                          "Mov", "movm", "GB12", "Lbetu", "Lsor", "Visszavonas1"})
        model_.setVisible(QLatin1String(n), false);
    if (edition == Edition::VN) {
        model_.setVisible(QStringLiteral("Bfilm"), false);
        model_.setVisible(QStringLiteral("Film"), false);
    }
    for (auto it = controls_.cbegin(); it != controls_.cend(); ++it)
        mirrorControl(it.key());
    applyResetSet(model_);
    model_.setTimeBase(model_.timeBase());

    exitSaveHandler = [this] {
        saveSubtitle(model_, model_.fileNameField.isEmpty(), true);
        syncFileName();
    };
    // One application-wide filter sees every key, wheel and shortcut event
    // of this window's controls before they do.
    qApp->installEventFilter(this);

    Timer1_ = new QTimer(this);
    Timer1_->setObjectName(QStringLiteral("Timer1"));
    Timer1_->setInterval(100);
    connect(Timer1_, &QTimer::timeout, this, &TFelirat::Timer1Timer);
    Timer1_->start();
    Timer1Timer();

    applyLayout();
    displayLock = true;
    loadedTimeBase.clear();
}

TFelirat::~TFelirat()
{
    qApp->removeEventFilter(this);
    exitSaveHandler = nullptr;
    model_.setHost(nullptr);
}

// ---- construction ---------------------------------------------------------

void TFelirat::registerControl(QObject *object, const QString &name)
{
    object->setObjectName(name);
    controls_.insert(name, object);
}

void TFelirat::buildControls()
{
    auto label = [this](QWidget *parent, const QString &name, const QString &text) {
        auto *l = new QLabel(text, parent);
        registerControl(l, name);
        return l;
    };
    auto button = [this](QWidget *parent, const QString &name, const QString &text,
                         const QString &hint = QString()) {
        auto *b = new QPushButton(text, parent);
        b->setAutoDefault(false);
        if (!hint.isEmpty())
            b->setToolTip(hint);
        registerControl(b, name);
        return b;
    };
    auto check = [this](QWidget *parent, const QString &name, const QString &text) {
        auto *c = new QCheckBox(text, parent);
        registerControl(c, name);
        return c;
    };
    auto edit = [this](QWidget *parent, const QString &name, int maxLength) {
        auto *e = new QLineEdit(parent);
        if (maxLength > 0)
            e->setMaxLength(maxLength);
        registerControl(e, name);
        return e;
    };

    // top row
    ido_ = label(this, QStringLiteral("ido"), QString());
    ido_->setAlignment(Qt::AlignCenter);
    Fszazalek_ = new QProgressBar(this);
    Fszazalek_->setRange(0, 100);
    registerControl(Fszazalek_, QStringLiteral("Fszazalek"));
    label(this, QStringLiteral("LFeliratNeve"), QStringLiteral("Felirat neve:"));
    Efilenev_ = edit(this, QStringLiteral("Efilenev"), 0);
    Efilenev_->setReadOnly(true);
    button(this, QStringLiteral("Btallozas"), QStringLiteral("Tallózás"));
    button(this, QStringLiteral("Bfilm"), QStringLiteral("Film betöltése"));

    // settings
    auto *gb = new QGroupBox(QStringLiteral("Beállítások"), this);
    registerControl(gb, QStringLiteral("GbBeallitas"));
    label(gb, QStringLiteral("LBeosztas"), QStringLiteral("Beosztás:"));
    beosztas_ = new QComboBox(gb);
    beosztas_->addItems({QStringLiteral("Frame"), QStringLiteral("Time")});
    registerControl(beosztas_, QStringLiteral("beosztas"));
    label(gb, QStringLiteral("LFps"), QStringLiteral("FPS:"));
    cbFps_ = new QComboBox(gb);
    cbFps_->addItems(fpsItems);
    cbFps_->setCurrentText(QStringLiteral("23,976"));
    registerControl(cbFps_, QStringLiteral("cbFps"));
    button(gb, QStringLiteral("Batvaltas"), QStringLiteral("Átváltás"));
    button(gb, QStringLiteral("BFPS"), QStringLiteral("FPS érték AVI-ból"),
           QStringLiteral("AVI file FPS értékének kinyerése"));

    // activities
    auto *gt = new QGroupBox(QStringLiteral("Tevékenységek"), this);
    registerControl(gt, QStringLiteral("GbTevekenyseg"));
    label(gt, QStringLiteral("LModositas"), QStringLiteral("Módosítás:"));
    CbPM_ = new QComboBox(gt);
    CbPM_->addItems({QStringLiteral("+"), QStringLiteral("-")});
    registerControl(CbPM_, QStringLiteral("CbPM"));
    Emodositas_ = edit(gt, QStringLiteral("Emodositas"), 12);
    Emodositas_->setText(QStringLiteral("0"));
    button(gt, QStringLiteral("Bmodok"), QStringLiteral("Ok"), QStringLiteral("Módosítás végrehajtása"))
        ->setFlat(true);
    button(gt, QStringLiteral("Breszletes"), QStringLiteral("Részletes>>>"));
    label(gt, QStringLiteral("LKereses"), QStringLiteral("Keresés:"));
    Ekereses_ = edit(gt, QStringLiteral("Ekereses"), 0);
    button(gt, QStringLiteral("Bkeresok"), QStringLiteral("Ok"), QStringLiteral("Keresés indítása"));
    check(gt, QStringLiteral("CBugras"), QStringLiteral("Ugrás a szóra"));
    check(gt, QStringLiteral("CBsortores"), QStringLiteral("Sortörés figyelmen kívül hagyása"));
    button(gt, QStringLiteral("BKreszletes"), QStringLiteral("Részletes>>>"));

    // below the groups
    atlatszo_ = check(this, QStringLiteral("atlatszo"), QStringLiteral("Átlátszódás"));
    Valto_ = new QSpinBox(this);
    Valto_->setRange(70, 255);
    Valto_->setValue(70);
    registerControl(Valto_, QStringLiteral("Valto"));
    label(this, QStringLiteral("LUgras"), QStringLiteral("Ugrás erre a sorra:"));
    Eugras_ = edit(this, QStringLiteral("Eugras"), 8);
    button(this, QStringLiteral("Bugras"), QStringLiteral("Ok"));
    Cbki_ = check(this, QStringLiteral("Cbki"), QStringLiteral("Kilépésnél: nincs kérdés"));
    button(this, QStringLiteral("Bvissza"), QStringLiteral("Vissza a főmenübe"));
    button(this, QStringLiteral("Bki"), QStringLiteral("Kilépés"));

    // narrow column
    button(this, QStringLiteral("B12"), QStringLiteral("1-2"));
    button(this, QStringLiteral("B22"), QStringLiteral("2-2"));
    button(this, QStringLiteral("B21"), QStringLiteral("2-1"));
    button(this, QStringLiteral("Bvegelso"), QStringLiteral("G"));
    button(this, QStringLiteral("Bov"), QStringLiteral("ÖV"));
    button(this, QStringLiteral("Bovm"), QStringLiteral("ÖV-"));

    // centre
    button(this, QStringLiteral("Belso"), QStringLiteral("Első sor"));
    button(this, QStringLiteral("Butolso"), QStringLiteral("Utolsó sor"));
    button(this, QStringLiteral("Mov"), QStringLiteral("MÖV"));
    button(this, QStringLiteral("movm"), QStringLiteral("MÖV-"));
    racs_ = new QTableView(this);
    registerControl(racs_, QStringLiteral("racs"));
    gridModel_ = new SubtitleGridModel(model_.cds, this);
    racs_->setModel(gridModel_);
    gridDelegate_ = new SubtitleGridDelegate(model_, racs_);
    racs_->setItemDelegate(gridDelegate_);
    racs_->setSelectionBehavior(QAbstractItemView::SelectRows);
    racs_->setSelectionMode(QAbstractItemView::SingleSelection);
    racs_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    racs_->setTabKeyNavigation(true);
    racs_->setWordWrap(false);
    racs_->setContextMenuPolicy(Qt::CustomContextMenu);
    racs_->setVerticalHeader(new RowIndicator(racs_));
    racs_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    racs_->verticalHeader()->setDefaultSectionSize(20);
    racs_->verticalHeader()->setFixedWidth(12);
    racs_->horizontalHeader()->setHighlightSections(false);
    racs_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    racs_->setColumnWidth(SubtitleGridModel::SorszamCol, 44);
    racs_->setColumnWidth(SubtitleGridModel::KezdesCol, 84);
    racs_->setColumnWidth(SubtitleGridModel::BefejezesCol, 84);
    racs_->setColumnWidth(SubtitleGridModel::SzovegCol, 510);
    racs_->setColumnWidth(SubtitleGridModel::Szoveg2Col, 254);
    racs_->setColumnHidden(SubtitleGridModel::Szoveg2Col, true);
    racs_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    // under the grid
    auto *rb1 = new QRadioButton(QStringLiteral("Sor módosítása és felvitele"), this);
    rb1->setChecked(true);
    registerControl(rb1, QStringLiteral("RB1"));
    auto *rb12 = new QRadioButton(QStringLiteral("X CD -> X CD"), this);
    registerControl(rb12, QStringLiteral("RB12"));
    CBracs_ = check(this, QStringLiteral("CBracs"),
                    QStringLiteral("Rácsba kattintáskor ugrás a szövegbe"));

    // row editing group
    GB1_ = new QGroupBox(this);
    registerControl(GB1_, QStringLiteral("GB1"));
    label(GB1_, QStringLiteral("LSor"), QStringLiteral("Sor:"));
    Esorszam_ = edit(GB1_, QStringLiteral("Esorszam"), 0);
    Esorszam_->setReadOnly(true);
    Esorszam_->setFocusPolicy(Qt::NoFocus);
    label(GB1_, QStringLiteral("LKezdes"), QStringLiteral("Kezdés:"));
    kezdes_ = edit(GB1_, QStringLiteral("kezdes"), 12);
    label(GB1_, QStringLiteral("LKulonbseg"), QStringLiteral("Különbség:"));
    kulonbseg_ = edit(GB1_, QStringLiteral("kulonbseg"), 13);
    kulonbseg_->setReadOnly(true);
    kulonbseg_->setFocusPolicy(Qt::ClickFocus);
    kulonbseg_->setAutoFillBackground(true);
    label(GB1_, QStringLiteral("LBefejezes"), QStringLiteral("Befejezés:"));
    befejezes_ = edit(GB1_, QStringLiteral("befejezes"), 12);
    for (QLineEdit *e : {kezdes_, befejezes_, Emodositas_})
        e->setContextMenuPolicy(Qt::NoContextMenu);
    button(GB1_, QStringLiteral("Bertek"), QStringLiteral("Értékek beállítása"))->setAutoDefault(true);
    szoveg_ = new QTextEdit(GB1_);
    szoveg_->setAcceptRichText(false);
    szoveg_->setContextMenuPolicy(Qt::CustomContextMenu);
    szoveg_->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
    registerControl(szoveg_, QStringLiteral("szoveg"));
    label(GB1_, QStringLiteral("LKarakterszam"), QStringLiteral("Karakterszám:"));
    sordarab_ = label(GB1_, QStringLiteral("sordarab"), QStringLiteral("0=0 betű"));
    szoveg2_ = new QTextEdit(GB1_);
    szoveg2_->setAcceptRichText(false);
    szoveg2_->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
    registerControl(szoveg2_, QStringLiteral("szoveg2"));
    label(GB1_, QStringLiteral("LKarakterszam2"), QStringLiteral("Karakterszám:"));
    sordarab2_ = label(GB1_, QStringLiteral("sordarab2"), QStringLiteral("0=0 betű"));
    button(GB1_, QStringLiteral("Bbeszuras"), QStringLiteral("Új sor"),
           QStringLiteral("Egy sor beszúrása a file végéhez"));
    button(GB1_, QStringLiteral("Belemoge"), QStringLiteral("Beszúrás"),
           QStringLiteral("Egy sor beszúrása az aktuális sor elé/mögé"));
    button(GB1_, QStringLiteral("Btorles"), QStringLiteral("Törlés"),
           QStringLiteral("Egy sor törlése"));
    button(GB1_, QStringLiteral("BTorlesTobb"), QStringLiteral("Több törlés"),
           QStringLiteral("Több egybefüggő sor törlése"));
    check(GB1_, QStringLiteral("cburessor"), QStringLiteral("Beszúráskor: üres sor"));
    check(GB1_, QStringLiteral("CBdelete"), QStringLiteral("Ne legyen kérdés a törlésnél"));
    button(GB1_, QStringLiteral("BMMN"), QStringLiteral("Mentés Más Néven"));
    button(GB1_, QStringLiteral("Bmentes"), QStringLiteral("Mentés"));
    button(GB1_, QStringLiteral("BOsszes"), QStringLiteral("Ö"),
           QStringLiteral("A feliratokban előforduló általános hibákat javítja"));
    button(GB1_, QStringLiteral("Bvonal"), QStringLiteral("1*-"),
           QStringLiteral("Ha az egész sorban egy db \"-\" jel van, akkor azt kitörli a program"));
    button(GB1_, QStringLiteral("Boh"), QStringLiteral("öh"),
           QStringLiteral("36 karakternél kisebb és két sorból álló sorokat egy sorrá huzza "
                          "össze/akkor ha nincs bennük párbeszéd/"));
    button(GB1_, QStringLiteral("Blista"), QStringLiteral("Lista"), QStringLiteral("Hibák listázása"));
    button(GB1_, QStringLiteral("L05"), QStringLiteral("0.5 mp"),
           QStringLiteral("0.5 mp-es sorok listája"));
    button(GB1_, QStringLiteral("BTobbGomb"), QStringLiteral("Eszközök"));
    Cbtobb_ = check(GB1_, QStringLiteral("Cbtobb"), QStringLiteral("Színezés             betű felett"));
    SEbetu_ = new QSpinBox(GB1_);
    SEbetu_->setRange(10, 99);
    SEbetu_->setValue(37);
    registerControl(SEbetu_, QStringLiteral("SEbetu"));
    Lbetu_ = label(GB1_, QStringLiteral("Lbetu"), QStringLiteral("(0)"));
    CB3sor_ = check(GB1_, QStringLiteral("CB3sor"), QStringLiteral("Színezés 2 sor felett"));
    Lsor_ = label(GB1_, QStringLiteral("Lsor"), QStringLiteral("(0)"));
    button(GB1_, QStringLiteral("BTobbCheck"), QStringLiteral("Beállítások"));

    // CD group, shown instead of the row editing group in CD mode
    GB12_ = new QGroupBox(this);
    registerControl(GB12_, QStringLiteral("GB12"));
    auto *cd1 = new QRadioButton(QStringLiteral("1 CD -> 2 CD"), GB12_);
    registerControl(cd1, QStringLiteral("RB12cd1"));
    label(GB12_, QStringLiteral("Label9"),
          QStringLiteral("1. Válassza ki azt a sort ahol kezdodjön a 2. cd"));
    label(GB12_, QStringLiteral("Label13"),
          QStringLiteral("2. Adja meg a 2. cd elso sorának kezdoértékét:"));
    edit(GB12_, QStringLiteral("E4kezdo"), 12)->setEnabled(false);
    label(GB12_, QStringLiteral("LNyil"), QStringLiteral("---->"));
    edit(GB12_, QStringLiteral("E4kezdouj"), 12);
    button(GB12_, QStringLiteral("Bvegrehajt"), QStringLiteral("Végrehajtás"));
    auto *sz12 = new QProgressBar(GB12_);
    registerControl(sz12, QStringLiteral("szazalek12"));
    sz12->hide();
    auto *cd2 = new QRadioButton(QStringLiteral("2 CD -> 1 CD"), GB12_);
    registerControl(cd2, QStringLiteral("RB12cd2"));
    button(GB12_, QStringLiteral("Bfileki"), QStringLiteral("File-ok kiválasztása"));
    button(GB12_, QStringLiteral("Bvegre21"), QStringLiteral("Végrehajtás"));

}

void TFelirat::buildMenus()
{
    menuBar_ = new QMenuBar(this);
    menuBar_->setNativeMenuBar(false);
    auto menu = [this](QMenu *parent, const QString &name, const QString &title) {
        QMenu *m = parent ? parent->addMenu(title) : menuBar_->addMenu(title);
        m->setObjectName(name);
        registerControl(m->menuAction(), name);
        return m;
    };
    auto item = [this](QMenu *m, const QString &name, const QString &text,
                       const QKeySequence &keys = QKeySequence()) {
        QAction *a = m->addAction(text);
        if (!keys.isEmpty()) {
            a->setShortcut(keys);
            a->setShortcutContext(Qt::WindowShortcut);
        }
        registerControl(a, name);
        return a;
    };

    QMenu *file = menu(nullptr, QStringLiteral("File1"), QStringLiteral("File"));
    item(file, QStringLiteral("Feliratmegnyitasa1"), QStringLiteral("Felirat megnyitása"),
         QKeySequence(Qt::CTRL | Qt::Key_O));
    item(file, QStringLiteral("Masikfelirat"), QStringLiteral("Másik felirat beolvasása"),
         QKeySequence(Qt::CTRL | Qt::Key_M));
    addHyphenRow(file);
    item(file, QStringLiteral("Mentes1"), QStringLiteral("Felirat mentése"),
         QKeySequence(Qt::CTRL | Qt::Key_S));
    item(file, QStringLiteral("Feliratmentsemsknt1"), QStringLiteral("Felirat konvertálása"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    item(file, QStringLiteral("MentM1"), QStringLiteral("Felirat mentése más néven"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
    item(file, QStringLiteral("MentesMF"), QStringLiteral("Másik felirat mentése"),
         QKeySequence(Qt::CTRL | Qt::Key_F));
    addHyphenRow(file);
    item(file, QStringLiteral("Visszaafomenube1"), QStringLiteral("Vissza a Főmenübe"));
    item(file, QStringLiteral("Kilepes1"), QStringLiteral("Kilépés"), QKeySequence(Qt::Key_Escape));

    QMenu *search = menu(nullptr, QStringLiteral("Kereses"), QStringLiteral("Keresés"));
    item(search, QStringLiteral("Kereses1"), QStringLiteral("Keresés"),
         QKeySequence(Qt::CTRL | Qt::Key_K));
    item(search, QStringLiteral("Reszleteskereses1"), QStringLiteral("Részletes keresés"),
         QKeySequence(Qt::CTRL | Qt::Key_R));
    item(search, QStringLiteral("Keresesescsere1"), QStringLiteral("Keresés és csere"),
         QKeySequence(Qt::CTRL | Qt::Key_Y));

    QMenu *layout = menu(nullptr, QStringLiteral("Felbontas"), QStringLiteral("Felbontás"));
    item(layout, QStringLiteral("Felbonts1"), QStringLiteral("800X600"), QKeySequence(Qt::Key_F1));
    item(layout, QStringLiteral("Felbonts2"), QStringLiteral("1024X768"), QKeySequence(Qt::Key_F2));

    QMenu *film = menu(nullptr, QStringLiteral("Film"), QStringLiteral("Film"));
    item(film, QStringLiteral("FilmMegnyitas"), QStringLiteral("Megnyitás"));
    item(film, QStringLiteral("FilmBezaras"), QStringLiteral("Bezárás"));
    item(film, QStringLiteral("FilmInformacio"), QStringLiteral("Információ"));
    item(film, QStringLiteral("FilmEredetiben"), QStringLiteral("Film mutatása eredetiben"));
    item(film, QStringLiteral("FilmNagyban"), QStringLiteral("Film mutatása nagyban"));
    item(film, QStringLiteral("FilmMutatasa"), QStringLiteral("Film mutatása"));
    item(film, QStringLiteral("FeliratMutatasa"), QStringLiteral("Felirat mutatása"));
    QMenu *play = menu(film, QStringLiteral("Lejatszas1"), QStringLiteral("Lejátszás"));
    item(play, QStringLiteral("Lejatszas2"), QStringLiteral("Lejátszás"));
    item(play, QStringLiteral("Szunet1"), QStringLiteral("Szünet"));
    item(play, QStringLiteral("Leallitas1"), QStringLiteral("Leállítás"));
    QMenu *filmSub = menu(film, QStringLiteral("FilmFelirat"), QStringLiteral("Felirat"));
    item(filmSub, QStringLiteral("BeallitasKezdo1"), QStringLiteral("Beállítás Kezdő Értékként"));
    item(filmSub, QStringLiteral("BeallitasBefejezo1"),
         QStringLiteral("Beállítás Befejező Értékként"));

    QMenu *sub = menu(nullptr, QStringLiteral("Felirat1"), QStringLiteral("Felirat"));
    item(sub, QStringLiteral("BAtfedes"), QStringLiteral("Átfedés vizsgálata"),
         QKeySequence(Qt::CTRL | Qt::Key_B));
    item(sub, QStringLiteral("agressziv"), QStringLiteral("Agresszív sortörés"),
         QKeySequence(Qt::CTRL | Qt::Key_A));
    addHyphenRow(sub);
    item(sub, QStringLiteral("Szinezes38"), QStringLiteral("Színezés 37 betű felett"),
         QKeySequence(Qt::Key_F3));
    item(sub, QStringLiteral("Szinezes3"), QStringLiteral("Színezés 2 sor felett"),
         QKeySequence(Qt::Key_F4));
    addHyphenRow(sub);
    item(sub, QStringLiteral("Uresmasikfelirat1"), QStringLiteral("Üres másik felirat"));
    item(sub, QStringLiteral("Lista1"), QStringLiteral("Lista"), QKeySequence(Qt::Key_F5));
    item(sub, QStringLiteral("Visszavonas1"), QStringLiteral("Utolsó módosítás visszavonása"),
         QKeySequence(Qt::CTRL | Qt::Key_U));

    QMenu *info = menu(nullptr, QStringLiteral("Info"), QStringLiteral("Info"));
    item(info, QStringLiteral("Leiras1"), QStringLiteral("Leírás"), QKeySequence(Qt::CTRL | Qt::Key_L));
    item(info, QStringLiteral("Info1"), QStringLiteral("Info"), QKeySequence(Qt::CTRL | Qt::Key_I));
}

void TFelirat::buildPopupMenus()
{
    auto popup = [this](const QString &name) {
        auto *m = new QMenu(this);
        m->setObjectName(name);
        return m;
    };
    auto item = [this](QMenu *m, const QString &name, const QString &text,
                       const QString &hint = QString()) {
        QAction *a = m->addAction(text);
        if (!hint.isEmpty())
            a->setToolTip(hint);
        registerControl(a, name);
        return a;
    };

    RacsPM_ = popup(QStringLiteral("RacsPM"));
    for (const auto &[n, t] : std::initializer_list<std::pair<const char *, const char *>>{
             {"dolt", "Dőlt"}, {"dolt2", "Dőlt /2.fajta/"}, {"Vastagitott", "Vastagított"},
             {"Alahuzott", "Aláhúzott"}})
        item(RacsPM_, QLatin1String(n), QString::fromUtf8(t))->setCheckable(true);
    item(RacsPM_, QStringLiteral("osszesel"), QStringLiteral("Minden formázás eltávolítása"));
    addHyphenRow(RacsPM_);
    item(RacsPM_, QStringLiteral("soreleRacs"), QStringLiteral("Egy sor beszúrása az aktuális sor elé"));
    item(RacsPM_, QStringLiteral("sormogeRacs"), QStringLiteral("Egy sor beszúrása az aktuális sor mögé"));
    item(RacsPM_, QStringLiteral("sor5mogeRacs"), QStringLiteral("5 sor beszúrása az aktuális sor mögé"));
    item(RacsPM_, QStringLiteral("SortorlesRacs"), QStringLiteral("Sor törlése"));
    item(RacsPM_, QStringLiteral("TobbsortorlesRacs"), QStringLiteral("Több sor törlése"));
    addHyphenRow(RacsPM_);
    item(RacsPM_, QStringLiteral("Kivagas"), QStringLiteral("Kivágás"));
    item(RacsPM_, QStringLiteral("Masolas"), QStringLiteral("Másolás"));
    item(RacsPM_, QStringLiteral("Beillesztes"), QStringLiteral("Beillesztés"));

    BeTorlesPM_ = popup(QStringLiteral("BeTorlesPM"));
    item(BeTorlesPM_, QStringLiteral("doltSz2"), QStringLiteral("Dőlt"))->setCheckable(true);
    item(BeTorlesPM_, QStringLiteral("BeszurPMB"), QStringLiteral("Sor beszúrása"));
    item(BeTorlesPM_, QStringLiteral("TorlesPMB"), QStringLiteral("Sor törlése"));

    QMenu *pmsz2 = popup(QStringLiteral("PMSz2"));
    item(pmsz2, QStringLiteral("Kivgs1"), QStringLiteral("Kivágás + 1 sor beszúrása + beillesztés"));
    szoveg2_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(szoveg2_, &QWidget::customContextMenuRequested, this,
            [this, pmsz2](const QPoint &p) { pmsz2->popup(szoveg2_->mapToGlobal(p)); });

    QMenu *athuzas = popup(QStringLiteral("Athuzas"));
    item(athuzas, QStringLiteral("Beszrsasorel1"), QStringLiteral("Beszúrás a sor elé"));
    item(athuzas, QStringLiteral("Beszrsasorutn1"), QStringLiteral("Beszúrás a sor után"));
    item(athuzas, QStringLiteral("Mgsem1"), QStringLiteral("Mégsem"));

    SzovegPop_ = popup(QStringLiteral("SzovegPop"));
    item(SzovegPop_, QStringLiteral("SzPK1B"), QStringLiteral("Kivágás + 1 sor beszúrása + beillesztés"));
    item(SzovegPop_, QStringLiteral("KivagKovBeEleje"),
         QStringLiteral("Kivágás + beszúrás a következő sor elejére"));
    item(SzovegPop_, QStringLiteral("SzPK"), QStringLiteral("Kivágás"));
    item(SzovegPop_, QStringLiteral("SzPM"), QStringLiteral("Másolás"));
    item(SzovegPop_, QStringLiteral("SzPB"), QStringLiteral("Beillesztés"));
    item(SzovegPop_, QStringLiteral("kszd"), QStringLiteral("A kijelölt szöveg DŐLT legyen"));
    item(SzovegPop_, QStringLiteral("kszv"), QStringLiteral("A kijelölt szöveg VASTAG legyen"));
    item(SzovegPop_, QStringLiteral("ksza"), QStringLiteral("A kijelölt szöveg ALÁHÚZOTT legyen"));
    connect(szoveg_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &p) { SzovegPop_->popup(szoveg_->mapToGlobal(p)); });

    PopupMenuEM_ = popup(QStringLiteral("PopupMenuEM"));
    item(PopupMenuEM_, QStringLiteral("pmsorele"), QStringLiteral("Egy sor beszúrása az aktuális sor elé"));
    item(PopupMenuEM_, QStringLiteral("pmsormoge"), QStringLiteral("Egy sor beszúrása az aktuális sor mögé"));

    PMTorlesTobb_ = popup(QStringLiteral("PMTorlesTobb"));
    item(PMTorlesTobb_, QStringLiteral("Tobbsortorlese1"), QStringLiteral("Több sor törlése..."));

    PMtobbgomb_ = popup(QStringLiteral("PMtobbgomb"));
    item(PMtobbgomb_, QStringLiteral("HangutnzszavaksNevektrlse1"),
         QStringLiteral("Hangutánzó szavak és nevek törlése"),
         QStringLiteral("Hangutánzó szavak és nagybetűs nevek törlése ami után \":\" jel van"));
    item(PMtobbgomb_, QStringLiteral("Hangutnzszavaksnevektrlse2"),
         QStringLiteral("Hangutánzó szavak és nevek törlése - extra"));
    item(PMtobbgomb_, QStringLiteral("Sorfelezs3872bet1"), QStringLiteral("Sorfelezés /38-72 betű/"),
         QStringLiteral("38 és 72 betű között elfelezi a sort(ha 1 soros volt a sor)"));
    addHyphenRow(PMtobbgomb_);
    item(PMtobbgomb_, QStringLiteral("lgomb1"), QStringLiteral("l betű kicserélése I-re"),
         QStringLiteral("Néha az angol feliratokban l (kis L) betű van az I (nagy i) helyett, "
                        "ezeket cseréli ki a program"));
    item(PMtobbgomb_, QStringLiteral("kezgomb1"), QStringLiteral("Ékezetek eltűntetése"),
         QStringLiteral("Ékezetes betűk átírása ékezet nélkülire"));
    item(PMtobbgomb_, QStringLiteral("sszesbetkisbetlegyen1"),
         QStringLiteral("Összes betű kis betű legyen"), QStringLiteral("Nagybetűk átírása kisbetűsre"));
    item(PMtobbgomb_, QStringLiteral("ressoroktrlse1"), QStringLiteral("Üres sorok törlése"));
    item(PMtobbgomb_, QStringLiteral("karakterekelttispaceeltntetse1"),
         QStringLiteral(".?! karakterek előtti space eltűntetése"),
         QStringLiteral("Ha a . vagy ? vagy ! előtt space van, akkor kiveszi a space-t"));
    item(PMtobbgomb_, QStringLiteral("karakterekutntegyenspacet1"),
         QStringLiteral(".,?! karakterek után tegyen space-t "),
         QStringLiteral("Ha a . vagy ? vagy ! vagy , után nincs space, akkor betesz egyet"));
    PMtobbgomb_->setToolTipsVisible(true);

    PMTobbCheck_ = popup(QStringLiteral("PMTobbCheck"));
    struct Option {
        const char *name;
        const char *text;
        bool EditorOptions::*field;
    };
    const Option options[] = {
        {"MentAt", "Mentéskor átfedés ellenőrzése", &EditorOptions::mentAt},
        {"Beolvas", "Beolvasáskor a hibák ne jelenjenek meg", &EditorOptions::beolvas},
        {"Max2", "Ha (max.2) sortöréssel kezdődik a sor->sortörés törlése", &EditorOptions::max2},
        {"UresNe", "Üres sort ne mentsen ki", &EditorOptions::uresNe},
    };
    for (const Option &o : options) {
        QAction *a = item(PMTobbCheck_, QLatin1String(o.name), QString::fromUtf8(o.text));
        a->setCheckable(true);
        a->setChecked(model_.options.*o.field);
        auto field = o.field;
        connect(a, &QAction::toggled, this, [this, field](bool on) { model_.options.*field = on; });
    }

    QMenu *counter = popup(QStringLiteral("Szamlalo"));
    item(counter, QStringLiteral("SzamlaloKezdo"), QStringLiteral("Beállítás Kezdő Értékként"));
    item(counter, QStringLiteral("SzamlaloBefejezo"), QStringLiteral("Beállítás Befejező Értékként"));
}

void TFelirat::connectControls()
{
    auto clicked = [this](const QString &name, auto slot) {
        if (auto *b = controlAs<QAbstractButton>(name))
            connect(b, &QAbstractButton::clicked, this, slot);
        else if (auto *a = controlAs<QAction>(name))
            connect(a, &QAction::triggered, this, slot);
    };
    // Checkable controls report their tick to the model so that core
    // routines and the window agree on it.
    for (auto it = controls_.cbegin(); it != controls_.cend(); ++it) {
        const QString name = it.key();
        if (auto *b = qobject_cast<QAbstractButton *>(it.value()); b && b->isCheckable())
            connect(b, &QAbstractButton::toggled, this,
                    [this, name](bool on) { model_.setChecked(name, on); });
    }

    connectOtherWindows();
    clicked(QStringLiteral("Bki"), [this] { BkiClick(); });
    clicked(QStringLiteral("Kilepes1"), [this] { BkiClick(); });
    clicked(QStringLiteral("Bvissza"), [this] { BvisszaClick(); });
    clicked(QStringLiteral("Visszaafomenube1"), [this] { BvisszaClick(); });
    clicked(QStringLiteral("Felbonts1"), [this] { Felbonts1Click(); });
    clicked(QStringLiteral("Felbonts2"), [this] { Felbonts2Click(); });
    clicked(QStringLiteral("Bertek"), [this] { applyTimes(); });
    clicked(QStringLiteral("Bugras"), [this] { BugrasClick(); });
    clicked(QStringLiteral("Belso"), [this] { BelsoClick(); });
    clicked(QStringLiteral("Butolso"), [this] { ButolsoClick(); });
    clicked(QStringLiteral("Bvegelso"), [this] { BvegelsoClick(); });
    clicked(QStringLiteral("Bmentes"), [this] { BmentesClick(); });
    clicked(QStringLiteral("Mentes1"), [this] { BmentesClick(); });
    clicked(QStringLiteral("BMMN"), [this] { BMMNClick(); });
    clicked(QStringLiteral("MentM1"), [this] { BMMNClick(); });
    clicked(QStringLiteral("MentesMF"), [this] { saveSecondSubtitle(model_); });
    clicked(QStringLiteral("Kereses1"), [this] { Ekereses_->setFocus(); });
    clicked(QStringLiteral("Szinezes38"), [this] {
        if (model_.isEnabled(QStringLiteral("Cbtobb")))
            Cbtobb_->toggle();
    });
    clicked(QStringLiteral("Szinezes3"), [this] {
        if (model_.isEnabled(QStringLiteral("CB3sor")))
            CB3sor_->toggle();
    });

    // "X CD -> X CD" puts the CD group in the place of the row editing group
    connect(controlAs<QRadioButton>(QStringLiteral("RB12")), &QRadioButton::toggled, this,
            [this](bool cdMode) {
                model_.setVisible(QStringLiteral("GB1"), !cdMode);
                model_.setVisible(QStringLiteral("GB12"), cdMode);
            });
    connect(Cbtobb_, &QCheckBox::toggled, this, [this](bool on) {
        colouringChanged();
        focusGrid();
    });
    connect(CB3sor_, &QCheckBox::toggled, this, [this](bool on) {
        colouringChanged();
        if (on)
            focusGrid();
    });
    connect(SEbetu_, &QSpinBox::valueChanged, this, &TFelirat::SEbetuChange);
    connect(atlatszo_, &QCheckBox::toggled, this, [this] { atlatszoClick(); });
    connect(Valto_, &QSpinBox::valueChanged, this, &TFelirat::ValtoChange);
    connect(cbFps_, &QComboBox::currentTextChanged, this,
            [this](const QString &fps) { model_.setFps(fps); });
    connect(kulonbseg_, &QLineEdit::selectionChanged, this, [this] {
        if (kulonbseg_->hasSelectedText())
            kulonbseg_->deselect();
    });
    // Selections are impossible in the time fields.
    for (QLineEdit *e : {kezdes_, befejezes_, Emodositas_})
        connect(e, &QLineEdit::selectionChanged, e, [e] {
            if (e->hasSelectedText()) {
                const int caret = e->cursorPosition();
                e->deselect();
                e->setCursorPosition(caret);
            }
        });

    connect(racs_, &QWidget::customContextMenuRequested, this, &TFelirat::racsContextMenu);
    connect(racs_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (syncingGrid_ || !current.isValid())
                    return;
                if (current.row() + 1 != model_.cds.recNo())
                    model_.cds.setRecNo(current.row() + 1);
            });

    // Buttons that open a pop-up menu open it at the mouse on mouse-down.
    for (const auto &[name, menu] : std::initializer_list<std::pair<const char *, QMenu *>>{
             {"Belemoge", PopupMenuEM_}, {"BTorlesTobb", PMTorlesTobb_},
             {"BTobbGomb", PMtobbgomb_}, {"BTobbCheck", PMTobbCheck_}}) {
        auto *b = controlAs<QPushButton>(QLatin1String(name));
        connect(b, &QPushButton::pressed, this, [this, b, menu] {
            popupAtMouse(menu);
            b->setDown(false);
        });
    }
}

void TFelirat::popupAtMouse(QMenu *menu)
{
    menu->popup(QCursor::pos());
}

void TFelirat::mirrorControl(const QString &name)
{
    const bool on = model_.isEnabled(name);
    const bool shown = model_.isVisible(name);
    if (name == QLatin1String("Szoveg2")) {
        racs_->setColumnHidden(SubtitleGridModel::Szoveg2Col, !shown);
        return;
    }
    if (name == QLatin1String("racsVScroll")) {
        // hidden means "only when needed", so rows added later stay reachable
        racs_->setVerticalScrollBarPolicy(shown ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
        return;
    }
    if (name == QLatin1String("racsRowSelect")) {
        racs_->setSelectionBehavior(model_.isChecked(name) ? QAbstractItemView::SelectRows
                                                           : QAbstractItemView::SelectItems);
        return;
    }
    QObject *o = controls_.value(name);
    if (!o)
        return;
    if (auto *a = qobject_cast<QAction *>(o)) {
        a->setEnabled(on);
        a->setVisible(shown);
        if (model_.hasCheckedState(name) && a->isCheckable())
            a->setChecked(model_.isChecked(name));
        return;
    }
    if (auto *w = qobject_cast<QWidget *>(o)) {
        w->setEnabled(on);
        if (w->isHidden() == shown)
            w->setVisible(shown);
        if (auto *b = qobject_cast<QAbstractButton *>(w);
            b && b->isCheckable() && model_.hasCheckedState(name))
            b->setChecked(model_.isChecked(name));
    }
    if (name == QLatin1String("Cbtobb") || name == QLatin1String("CB3sor"))
        colouringChanged();
}

// ---- layouts --------------------------------------------------------------

void TFelirat::place(const QString &name, int x, int y, int w, int h)
{
    if (auto *wd = qobject_cast<QWidget *>(controls_.value(name)))
        wd->setGeometry(x, y, w, h);
}

void TFelirat::applyLayout()
{
    const EditorPlacement p = editorPlacement(layoutSetting, screen_);
    large_ = p.large;
    // the small layout keeps every caption whole with the narrow face
    QFont f(large_ ? uiFontFamily : narrowFontFamily);
    f.setPixelSize(12);
    setFont(f);
    QFont big = f;
    big.setFamily(uiFontFamily);
    big.setPixelSize(large_ ? 18 : 15);
    big.setBold(true);
    szoveg_->setFont(big);
    szoveg2_->setFont(big);
    // the 44-pixel number column keeps its whole title
    QFont head = f;
    for (int px = 12; px >= 9; --px) {
        head.setPixelSize(px);
        if (QFontMetrics(head).horizontalAdvance(QStringLiteral("Sorszám")) <= 38)
            break;
    }
    racs_->horizontalHeader()->setFont(head);
    setMinimumSize(p.size);
    if (p.maximised) {
        resize(p.size);
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        setWindowState(windowState() & ~Qt::WindowMaximized);
        setGeometry(QRect(p.pos, p.size));
        resize(p.size);
    }
    const bool largeOn = layoutSetting == QLatin1String("1024x768");
    model_.setEnabled(QStringLiteral("Felbonts1"), largeOn);
    model_.setEnabled(QStringLiteral("Felbonts2"), !largeOn);
    placeControls();
    applyColumnWidths();
}

void TFelirat::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    placeControls();
}

void TFelirat::placeControls()
{
    if (!racs_)
        return;
    if (large_)
        placeLarge();
    else
        placeSmall();
    placeThresholdSpin();
}

// Column widths are set when the layout changes only, so that a column the
// user widened stays so while the window is resized.
void TFelirat::applyColumnWidths()
{
    if (large_) {
        racs_->setColumnWidth(SubtitleGridModel::SzovegCol, twoSubtitles_ ? 254 : 510);
        racs_->setColumnWidth(SubtitleGridModel::Szoveg2Col, 254);
        return;
    }
    // the text column takes what the narrower grid leaves
    const int fixed = 44 + 84 + 84 + racs_->verticalHeader()->width() + 20;
    const int textW = qMax(200, racs_->width() - fixed);
    racs_->setColumnWidth(SubtitleGridModel::SzovegCol, twoSubtitles_ ? textW / 2 : textW);
    racs_->setColumnWidth(SubtitleGridModel::Szoveg2Col, twoSubtitles_ ? textW / 2 : 254);
}

void TFelirat::placeLarge()
{
    const int W = width(), H = height();
    const int m = menuBar_->sizeHint().height();
    menuBar_->setGeometry(0, 0, W, m);
    const int top = m + 4;
    place("ido", 6, top, 150, 22);
    place("Fszazalek", 162, top + 2, 150, 18);
    place("LFeliratNeve", 326, top, 80, 22);
    place("Efilenev", 406, top, 412, 22);
    place("Btallozas", 824, top - 1, 88, 24);
    place("Bfilm", 916, top - 1, 98, 24);

    const int colTop = top + 30;
    place("GbBeallitas", 6, colTop, 216, 104);
    place("LBeosztas", 10, 22, 64, 20);
    place("beosztas", 76, 20, 130, 22);
    place("LFps", 10, 48, 64, 20);
    place("cbFps", 76, 46, 130, 22);
    place("Batvaltas", 8, 74, 82, 24);
    place("BFPS", 94, 74, 114, 24);

    const int actTop = colTop + 110;
    place("GbTevekenyseg", 6, actTop, 216, 206);
    place("LModositas", 10, 20, 120, 18);
    place("CbPM", 8, 38, 40, 22);
    place("Emodositas", 52, 38, 116, 22);
    place("Bmodok", 172, 37, 36, 24);
    place("Breszletes", 8, 64, 200, 24);
    place("LKereses", 10, 94, 120, 18);
    place("Ekereses", 8, 112, 160, 22);
    place("Bkeresok", 172, 111, 36, 24);
    place("CBugras", 10, 138, 200, 20);
    place("CBsortores", 8, 158, 206, 20);
    place("BKreszletes", 8, 178, 200, 24);

    const int lowTop = actTop + 212;
    place("atlatszo", 8, lowTop, 110, 22);
    place("Valto", 136, lowTop, 64, 22);
    place("LUgras", 8, lowTop + 26, 140, 16);
    place("Eugras", 8, lowTop + 44, 124, 22);
    place("Bugras", 136, lowTop + 43, 76, 24);
    place("Cbki", 8, lowTop + 72, 200, 20);
    place("Bvissza", 6, lowTop + 96, 216, 26);
    place("Bki", 6, lowTop + 126, 216, 26);

    int y = colTop + 30;
    for (const char *n : {"B12", "B22", "B21", "Bvegelso", "Bov", "Bovm"}) {
        place(QLatin1String(n), 227, y, 32, 26);
        y += 30;
    }

    const int gbH = 196;
    const int gbTop = H - gbH - 6;
    const int gridLeft = 264;
    const bool secondShown = model_.isVisible(QStringLiteral("Mov"));
    const int gridRight = secondShown ? W - 52 : W - 6;
    place("Belso", gridRight - 96, colTop, 96, 24);
    const int gridTop = colTop + 26;
    const int underTop = gbTop - 24;
    const int gridBottom = underTop - 30;
    place("racs", gridLeft, gridTop, gridRight - gridLeft, gridBottom - gridTop);
    place("Butolso", gridRight - 96, gridBottom + 3, 96, 24);
    place("Mov", W - 48, gridTop + 40, 42, 26);
    place("movm", W - 48, gridTop + 70, 42, 26);
    place("RB1", gridLeft, underTop, 200, 20);
    place("RB12", gridLeft + 206, underTop, 110, 20);
    place("CBracs", gridLeft + 330, underTop, 260, 20);


    for (const char *g : {"GB1", "GB12"})
        place(QLatin1String(g), 6, gbTop, W - 12, gbH);
    // row editing group
    place("LSor", 8, 18, 62, 22);
    place("Esorszam", 72, 18, 96, 22);
    place("LKezdes", 8, 44, 62, 22);
    place("kezdes", 72, 44, 96, 22);
    place("LBefejezes", 176, 44, 66, 22);
    place("befejezes", 244, 44, 96, 22);
    place("LKulonbseg", 8, 70, 62, 22);
    place("kulonbseg", 72, 70, 96, 22);
    place("Bertek", 176, 69, 164, 24);
    int bx = 8;
    for (const char *n : {"Bbeszuras", "Belemoge", "Btorles", "BTorlesTobb"}) {
        place(QLatin1String(n), bx, 100, 80, 24);
        bx += 84;
    }
    place("cburessor", 8, 130, 166, 20);
    place("CBdelete", 176, 130, 190, 20);
    place("BMMN", 8, 156, 164, 30);
    place("Bmentes", 176, 156, 164, 30);
    if (twoSubtitles_) {
        place("szoveg", 8, 16, 360, 62);
        place("LKarakterszam", 8, 78, 80, 18);
        place("sordarab", 88, 78, 280, 18);
        place("szoveg2", 376, 16, 400, 62);
        place("LKarakterszam2", 376, 78, 80, 18);
        place("sordarab2", 456, 78, 320, 18);
    } else {
        place("szoveg", 376, 16, 400, 146);
        place("LKarakterszam", 376, 166, 80, 20);
        place("sordarab", 456, 166, 320, 20);
    }
    const int rx = 786;
    int tx = rx;
    for (const char *n : {"BOsszes", "Bvonal", "Boh", "Blista"}) {
        place(QLatin1String(n), tx, 16, 52, 26);
        tx += 55;
    }
    place("L05", rx, 46, 106, 26);
    place("BTobbGomb", rx + 110, 46, 106, 26);
    place("Cbtobb", rx, 80, 184, 22);
    place("Lbetu", rx + 186, 80, 36, 22);
    place("CB3sor", rx, 106, 184, 22);
    place("Lsor", rx + 186, 106, 36, 22);
    place("BTobbCheck", rx, 136, 216, 26);
    // CD group
    place("RB12cd1", 10, 16, 140, 20);
    place("Label9", 30, 38, 400, 18);
    place("Label13", 30, 60, 400, 18);
    place("E4kezdo", 30, 82, 100, 22);
    place("LNyil", 136, 82, 40, 22);
    place("E4kezdouj", 176, 82, 100, 22);
    place("Bvegrehajt", 290, 81, 110, 24);
    place("szazalek12", 30, 110, 370, 16);
    place("RB12cd2", 500, 16, 140, 20);
    place("Bfileki", 520, 40, 160, 24);
    place("Bvegre21", 520, 70, 160, 24);
}

void TFelirat::placeSmall()
{
    const int W = width(), H = height();
    const int m = menuBar_->sizeHint().height();
    menuBar_->setGeometry(0, 0, W, m);
    const int top = m + 3;
    place("ido", 4, top, 122, 20);
    place("Fszazalek", 130, top + 2, 100, 16);
    place("LFeliratNeve", 236, top, 66, 20);
    place("Efilenev", 304, top, 314, 20);
    place("Btallozas", 622, top - 1, 80, 22);
    place("Bfilm", 706, top - 1, 98, 22);

    const int colTop = top + 24;
    const int colW = 190;
    place("GbBeallitas", 4, colTop, colW, 94);
    place("LBeosztas", 8, 18, 56, 20);
    place("beosztas", 64, 17, 118, 20);
    place("LFps", 8, 42, 56, 20);
    place("cbFps", 64, 41, 118, 20);
    place("Batvaltas", 6, 66, 78, 22);
    place("BFPS", 86, 66, 98, 22);

    const int actTop = colTop + 98;
    place("GbTevekenyseg", 4, actTop, colW, 182);
    place("LModositas", 8, 16, 100, 16);
    place("CbPM", 6, 32, 36, 20);
    place("Emodositas", 44, 32, 106, 20);
    place("Bmodok", 152, 31, 32, 22);
    place("Breszletes", 6, 56, 178, 22);
    place("LKereses", 8, 82, 100, 16);
    place("Ekereses", 6, 98, 144, 20);
    place("Bkeresok", 152, 97, 32, 22);
    place("CBugras", 8, 120, 178, 18);
    place("CBsortores", 8, 138, 178, 18);
    place("BKreszletes", 6, 156, 178, 22);

    const int lowTop = actTop + 186;
    place("atlatszo", 6, lowTop, 96, 20);
    place("Valto", 120, lowTop, 64, 20);
    place("LUgras", 6, lowTop + 22, 140, 15);
    place("Eugras", 6, lowTop + 38, 112, 20);
    place("Bugras", 122, lowTop + 37, 64, 22);
    place("Cbki", 6, lowTop + 62, 184, 18);
    place("Bvissza", 4, lowTop + 84, colW, 24);
    place("Bki", 4, lowTop + 112, colW, 24);

    // the narrow buttons stand in a row above the grid here, so that the
    // left column keeps its captions whole beside the 609-pixel grid
    const int narrowX = 4 + colW + 3;
    int x = narrowX;
    for (const char *n : {"B12", "B22", "B21", "Bvegelso", "Bov", "Bovm"}) {
        place(QLatin1String(n), x, colTop, 34, 22);
        x += 36;
    }

    const int gridLeft = narrowX;
    const int gridW = smallLayoutGridWidth(false);
    const int gridRight = qMin(W - 2, gridLeft + gridW);
    const int gbH = 196;
    const int gbTop = H - gbH - 4;
    place("Belso", gridRight - 86, colTop, 86, 22);
    const int gridTop = colTop + 24;
    const int underTop = gbTop - 22;
    const int gridBottom = underTop - 26;
    place("racs", gridLeft, gridTop, gridRight - gridLeft, gridBottom - gridTop);
    place("Butolso", gridRight - 86, gridBottom + 2, 86, 22);
    place("Mov", gridRight - 40, gridTop + 30, 38, 24);
    place("movm", gridRight - 40, gridTop + 56, 38, 24);
    place("RB1", gridLeft, underTop, 186, 20);
    place("RB12", gridLeft + 188, underTop, 100, 20);
    place("CBracs", gridLeft + 290, underTop, 230, 20);


    const int gbLeft = gridLeft;
    const int gbW = W - 4 - gbLeft;
    for (const char *g : {"GB1", "GB12"})
        place(QLatin1String(g), gbLeft, gbTop, gbW, gbH);
    place("LSor", 6, 14, 60, 20);
    place("Esorszam", 66, 14, 104, 20);
    place("LKezdes", 6, 38, 60, 20);
    place("kezdes", 66, 38, 104, 20);
    place("LBefejezes", 6, 62, 60, 20);
    place("befejezes", 66, 62, 104, 20);
    place("LKulonbseg", 6, 86, 60, 20);
    place("kulonbseg", 66, 86, 104, 20);
    place("Bertek", 6, 110, 164, 22);
    place("Bbeszuras", 6, 138, 80, 22);
    place("Belemoge", 90, 138, 80, 22);
    place("Btorles", 6, 164, 80, 22);
    place("BTorlesTobb", 90, 164, 80, 22);
    const int mx = 178, mw = 236;
    if (twoSubtitles_) {
        place("szoveg", 6, 14, 200, 104);
        place("LKarakterszam", 6, 118, 74, 16);
        place("sordarab", 80, 118, 126, 16);
        place("szoveg2", 212, 14, mw - 2 + mx - 212, 104);
        place("LKarakterszam2", 212, 118, 74, 16);
        place("sordarab2", 286, 118, 128, 16);
    } else {
        place("szoveg", mx, 14, mw, 104);
        place("LKarakterszam", mx, 118, 74, 16);
        place("sordarab", mx + 74, 118, mw - 74, 16);
    }
    place("cburessor", mx, 134, mw, 16);
    place("CBdelete", mx, 150, mw, 16);
    place("BMMN", mx, 168, 130, 24);
    place("Bmentes", mx + 134, 168, mw - 134, 24);
    const int rx = mx + mw + 6;
    const int rw = gbW - rx - 6;
    const int bw = (rw - 6) / 4;
    int tx = rx;
    for (const char *n : {"BOsszes", "Bvonal", "Boh", "Blista"}) {
        place(QLatin1String(n), tx, 14, bw, 24);
        tx += bw + 2;
    }
    place("L05", rx, 42, rw / 2 - 1, 24);
    place("BTobbGomb", rx + rw / 2 + 1, 42, rw / 2 - 1, 24);
    place("Cbtobb", rx, 72, rw - 28, 20);
    place("Lbetu", rx + rw - 28, 72, 28, 20);
    place("CB3sor", rx, 96, rw - 28, 20);
    place("Lsor", rx + rw - 28, 96, 28, 20);
    place("BTobbCheck", rx, 124, rw, 24);
    place("RB12cd1", 8, 14, 140, 20);
    place("Label9", 24, 34, 380, 16);
    place("Label13", 24, 52, 380, 16);
    place("E4kezdo", 24, 72, 96, 20);
    place("LNyil", 124, 72, 36, 20);
    place("E4kezdouj", 160, 72, 96, 20);
    place("Bvegrehajt", 264, 71, 100, 22);
    place("szazalek12", 24, 98, 340, 14);
    place("RB12cd2", 8, 120, 140, 20);
    place("Bfileki", 24, 142, 150, 22);
    place("Bvegre21", 180, 142, 100, 22);
}

// The spin box sits over the gap of "Színezés             betű felett".
void TFelirat::placeThresholdSpin()
{
    QStyleOptionButton opt;
    opt.initFrom(Cbtobb_);
    const int indicator = Cbtobb_->style()->pixelMetric(QStyle::PM_IndicatorWidth, &opt, Cbtobb_)
                          + Cbtobb_->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &opt,
                                                          Cbtobb_);
    const QFontMetrics fm(Cbtobb_->font());
    const QString text = Cbtobb_->text();
    const int firstSpace = int(text.indexOf(u' '));
    const int secondWord = int(text.indexOf(QStringLiteral("betű")));
    const int gapStart = indicator + fm.horizontalAdvance(text.left(firstSpace + 1));
    const int gapWidth = indicator + fm.horizontalAdvance(text.left(secondWord - 1)) - gapStart;
    const QRect r = Cbtobb_->geometry();
    // arrows only where the gap leaves room for them; keys and wheel still step
    const int width = gapWidth - 2;
    SEbetu_->setButtonSymbols(width >= 40 ? QAbstractSpinBox::UpDownArrows
                                          : QAbstractSpinBox::NoButtons);
    SEbetu_->setAlignment(Qt::AlignCenter);
    SEbetu_->setGeometry(r.x() + gapStart + 1, r.y(), width, r.height());
    SEbetu_->raise();
}

void TFelirat::showSingleSubtitleLayout()
{
    twoSubtitles_ = false;
    for (const char *n : {"LSor", "Esorszam", "LKezdes", "kezdes", "LKulonbseg", "kulonbseg",
                          "LBefejezes", "befejezes", "Bertek"})
        model_.setVisible(QLatin1String(n), true);
    for (const char *n : {"szoveg2", "LKarakterszam2", "sordarab2"})
        model_.setVisible(QLatin1String(n), false);
    racs_->setSelectionBehavior(QAbstractItemView::SelectRows);
    placeControls();
    applyColumnWidths();
}

void TFelirat::showTwoSubtitleLayout()
{
    twoSubtitles_ = true;
    for (const char *n : {"LSor", "Esorszam", "LKezdes", "kezdes", "LKulonbseg", "kulonbseg",
                          "LBefejezes", "befejezes", "Bertek"})
        model_.setVisible(QLatin1String(n), false);
    for (const char *n : {"szoveg2", "LKarakterszam2", "sordarab2"})
        model_.setVisible(QLatin1String(n), true);
    racs_->setSelectionBehavior(QAbstractItemView::SelectItems);
    placeControls();
    applyColumnWidths();
}

// ---- states ---------------------------------------------------------------

void TFelirat::resetState()
{
    applyResetSet(model_);
    model_.fileNameField.clear();
    Efilenev_->clear();
    Ekereses_->clear();
    model_.setVisible(QStringLiteral("GB1"), true);
    model_.setVisible(QStringLiteral("GB12"), false);
}

void TFelirat::setTimeBase(const QString &base)
{
    model_.setTimeBase(base);
}

void TFelirat::clearLineFields()
{
    for (QLineEdit *e : {kezdes_, befejezes_, kulonbseg_, Esorszam_})
        e->clear();
    QPalette p = kulonbseg_->palette();
    p.setColor(QPalette::Base, Qt::white);
    kulonbseg_->setPalette(p);
    szoveg_->clear();
    szoveg2_->clear();
    sordarab_->setText(QStringLiteral("0=0 betű"));
    sordarab2_->setText(QStringLiteral("0=0 betű"));
}

void TFelirat::showProgress(bool visible)
{
    model_.setVisible(QStringLiteral("Fszazalek"), visible);
    if (visible)
        Fszazalek_->setValue(0);
}

void TFelirat::setProgress(int value)
{
    Fszazalek_->setValue(qBound(0, value, 100));
}

void TFelirat::setWaitCursor(bool on)
{
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else if (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

void TFelirat::placeForRead()
{
    if (screen_.width() == 1280 && screen_.height() >= 768)
        move(x(), 10);
}

void TFelirat::focusGrid()
{
    racs_->setFocus(Qt::OtherFocusReason);
}

void TFelirat::newSubtitle()
{
    model_.setVisible(QStringLiteral("GB1"), true);
    showSingleSubtitleLayout();
    Efilenev_->clear();
    Ekereses_->clear();
    clearLineFields();
    textTarget = QStringLiteral("1");
    prepareNewSubtitle(model_);
    Emodositas_->setText(timeBaseFields(model_.timeBase()).neutralAmount);
    model_.cds.first();
    showCurrentRow();
    syncGridToCursor();
    szoveg_->setFocus(Qt::OtherFocusReason);
}

void TFelirat::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        formActivate();
}

void TFelirat::formActivate()
{
    closing_ = false;
    if (!Timer1_->isActive())
        Timer1_->start();
    showProgress(false);
    if (openMode == QLatin1String("2cd1cd")) {
        model_.setVisible(QStringLiteral("GB1"), false);
        model_.setVisible(QStringLiteral("GB12"), true);
        model_.setChecked(QStringLiteral("RB12"), true);
        model_.setChecked(QStringLiteral("RB12cd2"), true);
    } else {
        model_.setVisible(QStringLiteral("GB1"), true);
        model_.setVisible(QStringLiteral("GB12"), false);
        model_.setChecked(QStringLiteral("RB1"), true);
    }
    if (openMode == QLatin1String("uj"))
        newSubtitle();
    if (model_.fileNameField.isEmpty() && openMode == QLatin1String("megnyitas"))
        model_.setEnabled(QStringLiteral("beosztas"), false);
    if (!commandLineFile.isEmpty() && commandLineReader)
        commandLineReader();
    if (appMode == QLatin1String("be") && openMode == QLatin1String("megnyitas")) {
        // no row to show: the line fields keep the reset state behind the dialog
        displayLock = true;
        model_.cds.empty();
        displayLock = false;
        openPurpose = QStringLiteral("Felirat");
        openMode = QStringLiteral("mas");
        textTarget = QStringLiteral("1");
        showSingleSubtitleLayout();
        if (openDialogRunner)
            QTimer::singleShot(0, this, [this] {
                if (isVisible())
                    openDialogRunner();
            });
    }
}

// ---- line fields ----------------------------------------------------------

void TFelirat::showCurrentRow()
{
    syncFileName();
    const SubtitleTable &cds = model_.cds;
    syncGridToCursor();
    displayLock = true;
    kezdes_->setText(cds.field(Field::Kezdes));
    befejezes_->setText(cds.field(Field::Befejezes));
    if (!kezdes_->text().isEmpty() && !befejezes_->text().isEmpty()) {
        showDifference();
    } else {
        kulonbseg_->clear();
        QPalette p = kulonbseg_->palette();
        p.setColor(QPalette::Base, Qt::white);
        kulonbseg_->setPalette(p);
    }
    for (const char *n : {"kezdes", "befejezes", "kulonbseg"})
        model_.setEnabled(QLatin1String(n), true);
    Esorszam_->setText(cds.displayText(Field::Sorszam));
    fillTextField(szoveg_, sordarab_, cds.field(Field::Szoveg));
    if (!racs_->isColumnHidden(SubtitleGridModel::Szoveg2Col))
        fillTextField(szoveg2_, sordarab2_, cds.field(Field::Szoveg2));
    displayLock = false;
}

void TFelirat::showDifference()
{
    const Difference d = computeDifference(kezdes_->text(), befejezes_->text(), model_.isTimeBase());
    kulonbseg_->setText(d.text);
    QPalette p = kulonbseg_->palette();
    p.setColor(QPalette::Base, d.negative ? QColor(255, 0, 0) : QColor(Qt::white));
    kulonbseg_->setPalette(p);
}

void TFelirat::applyTimes()
{
    SubtitleTable &cds = model_.cds;
    const QString start = kezdes_->text();
    const QString end = befejezes_->text();
    bool ok;
    if (model_.isTimeBase())
        ok = checkTypedTime(start, true) && checkTypedTime(end, true);
    else
        ok = checkFramePair(start, end);
    if (ok && cds.isActive() && cds.recordCount() > 0) {
        displayLock = true;
        cds.edit();
        cds.setField(Field::Kezdes, start);
        cds.setField(Field::Befejezes, end);
        cds.post();
        model_.setModified(true);
        model_.setEnabled(QStringLiteral("Bertek"), false);
        displayLock = false;
    }
    showDifference();
    focusGrid();
}

void TFelirat::szovegKeyUp()
{
    SubtitleTable &cds = model_.cds;
    if (!cds.isActive())
        return;
    const QString text = storedForm(szoveg_->toPlainText());
    const bool changed = cds.recordCount() == 0 || text != cds.field(Field::Szoveg);
    if (!changed)
        return;
    displayLock = true;
    writeRowText(model_, text, true, false, true);
    // The counter tells what was stored; the field keeps what is being
    // typed, so a line break the option drops can still be typed.
    const QString stored = cds.field(Field::Szoveg);
    sordarab_->setText(stored.isEmpty() ? QStringLiteral("0") : lineCountLabel(stored));
    model_.setModified(true);
    displayLock = false;
}

void TFelirat::szoveg2KeyUp()
{
    SubtitleTable &cds = model_.cds;
    if (!cds.isActive() || cds.recordCount() == 0)
        return;
    const QString text = storedForm(szoveg2_->toPlainText());
    if (text == cds.field(Field::Szoveg2))
        return;
    displayLock = true;
    writeRowText2(model_, text, true, false, true);
    const QString stored = cds.field(Field::Szoveg2);
    sordarab2_->setText(stored.isEmpty() ? QStringLiteral("0") : lineCountLabel(stored));
    model_.setModified(true);
    displayLock = false;
}

// ---- row changes ----------------------------------------------------------

void TFelirat::syncGridToCursor()
{
    const int row = model_.cds.recNo() - 1;
    if (row < 0 || row >= gridModel_->rowCount())
        return;
    QItemSelectionModel *sel = racs_->selectionModel();
    if (sel->currentIndex().row() == row && sel->isRowSelected(row, QModelIndex()))
        return;
    const int column = qMax(0, sel->currentIndex().column());
    syncingGrid_ = true;
    const QModelIndex idx = gridModel_->index(row, column);
    sel->setCurrentIndex(idx, racs_->selectionBehavior() == QAbstractItemView::SelectRows
                                  ? QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows
                                  : QItemSelectionModel::ClearAndSelect);
    racs_->scrollTo(idx);
    syncingGrid_ = false;
}

void TFelirat::dsDataChange()
{
    const SubtitleTable &cds = model_.cds;
    if (cds.refreshSuspended())
        return;
    if (displayLock) {
        // a routine is walking the table: the grid catches up once it is done
        if (!gridSyncQueued_) {
            gridSyncQueued_ = true;
            QTimer::singleShot(0, this, [this] {
                gridSyncQueued_ = false;
                syncGridToCursor();
            });
        }
        return;
    }
    syncGridToCursor();
    if (closing_)
        return;
    const int recNo = cds.recNo();
    const bool moved = recNo != lastRecNo_;
    lastRecNo_ = recNo;
    if (!cds.isActive())
        return;
    showCurrentRow();
    if (moved && model_.isChecked(QStringLiteral("RB1")) && CBracs_->isChecked()
        && szoveg_->isEnabled() && isVisible())
        szoveg_->setFocus(Qt::OtherFocusReason);
}

// ---- navigation -----------------------------------------------------------

void TFelirat::BelsoClick()
{
    goFirstRow(model_);
}

void TFelirat::ButolsoClick()
{
    goLastRow(model_);
}

void TFelirat::BugrasClick()
{
    jumpToRow(model_, Eugras_->text());
}

void TFelirat::BvegelsoClick()
{
    continueFromEnd(model_);
}

void TFelirat::BmentesClick()
{
    const int recNo = model_.cds.recNo();
    const bool noName = model_.fileNameField.isEmpty();
    saveSubtitle(model_, noName, noName);
    syncFileName();
    if (model_.cds.isActive() && recNo > 0)
        model_.cds.setRecNo(recNo);
    const int rows = model_.cds.recordCount();
    if ((large_ && rows < 15) || (!large_ && rows < 10))
        model_.setVisible(QStringLiteral("racsVScroll"), false);
    focusGrid();
}

void TFelirat::BMMNClick()
{
    kulonbseg_->clear();
    Esorszam_->clear();
    saveSubtitle(model_, true, true);
    syncFileName();
    focusGrid();
}

// ---- the windows the editor opens -----------------------------------------

void TFelirat::connectOtherWindows()
{
    auto clicked = [this](const QString &name, auto slot) {
        if (auto *b = controlAs<QAbstractButton>(name))
            connect(b, &QAbstractButton::clicked, this, slot);
        else if (auto *a = controlAs<QAction>(name))
            connect(a, &QAction::triggered, this, slot);
    };
    clicked(QStringLiteral("Btallozas"), [this] { BtallozasClick(); });
    clicked(QStringLiteral("Feliratmegnyitasa1"), [this] { BtallozasClick(); });
    clicked(QStringLiteral("Blista"), [this] { showCorrectionLog(model_); });
    clicked(QStringLiteral("Lista1"), [this] { showCorrectionLog(model_); });
    clicked(QStringLiteral("L05"), [this] {
        listHalfSecondLines(model_);
        focusGrid();
    });
    clicked(QStringLiteral("BAtfedes"), [this] {
        if (TAtfedes *w = windows().atfedes)
            w->openWindow();
    });
    clicked(QStringLiteral("Leiras1"), [] {
        if (TLeiras *w = windows().leiras)
            w->display();
    });
    clicked(QStringLiteral("Info1"), [] {
        if (TInfo *w = windows().info)
            w->display();
    });
    openDialogRunner = [] {
        if (TKereses *w = windows().kereses)
            w->openForEditor(false, true);
    };
    commandLineReader = [this] {
        if (openCommandLineFile(model_))
            syncFileName();
    };
}

void TFelirat::BtallozasClick()
{
    Ekereses_->clear();
    if (TKereses *w = windows().kereses)
        w->openForEditor(false, false);
}

void TFelirat::syncFileName()
{
    Efilenev_->setText(model_.fileNameField);
}

void TFelirat::showReportWindow()
{
    if (THibaki *w = windows().hibaki)
        w->showLog(model_.log);
}

void TFelirat::runFileNameDialog()
{
    if (TFileneve *w = windows().fileneve) {
        w->setTypeField(model_.timeBase());
        w->run();
    }
}

// ---- statistics -----------------------------------------------------------

void TFelirat::refreshCountLabels()
{
    Lbetu_->setText(u'(' + QString::number(model_.overThresholdCount) + u')');
    Lsor_->setText(u'(' + QString::number(model_.threeLineCount) + u')');
}

void TFelirat::colouringChanged()
{
    model_.setVisible(QStringLiteral("Lbetu"), Cbtobb_->isChecked());
    model_.setVisible(QStringLiteral("Lsor"), CB3sor_->isChecked());
    refreshCountLabels();
    gridDelegate_->setColouring(Cbtobb_->isChecked(), CB3sor_->isChecked());
    racs_->viewport()->update();
}

void TFelirat::SEbetuChange(int value)
{
    model_.setThreshold(value);
    recountAllFlags(model_);
    refreshCountLabels();
    racs_->viewport()->update();
}

// ---- window-wide ----------------------------------------------------------

void TFelirat::Timer1Timer()
{
    const QLocale sys = QLocale::system();
    QString timeFormat = sys.timeFormat(QLocale::LongFormat);
    // the long format may carry a time zone; the clock shows the time only
    timeFormat.remove(QLatin1Char('t')).remove(QLatin1Char('T'));
    const QDateTime now = QDateTime::currentDateTime();
    ido_->setText(sys.toString(now.date(), QLocale::ShortFormat) + u' '
                  + sys.toString(now.time(), timeFormat.trimmed()));
}

void TFelirat::atlatszoClick()
{
    const bool on = atlatszo_->isChecked();
    model_.setEnabled(QStringLiteral("Valto"), on);
    setWindowOpacity(on ? alphaValue_ / 255.0 : 1.0);
}

void TFelirat::ValtoChange(int value)
{
    if (!atlatszo_->isChecked() || value < 70 || value > 255)
        return;
    alphaValue_ = value;
    setWindowOpacity(value / 255.0);
}

void TFelirat::racsContextMenu(const QPoint &pos)
{
    const QModelIndex idx = racs_->indexAt(pos);
    QMenu *menu = RacsPM_;
    if (idx.isValid() && idx.column() == SubtitleGridModel::Szoveg2Col)
        menu = model_.cds.recNo() > secondRowCount ? nullptr : BeTorlesPM_;
    if (menu)
        menu->popup(racs_->viewport()->mapToGlobal(pos));
}

void TFelirat::Felbonts1Click()
{
    boxAnswer = QStringLiteral("felbontas");
    showMessageBox(QStringLiteral("Felbontás átállítása!"), QStringLiteral("kerdes"),
                   QStringLiteral("Biztos át akar térni a 800x600-as programbéli felbontásra?"),
                   true, true, false);
    if (boxAnswer != QLatin1String("igen"))
        return;
    layoutSetting = QStringLiteral("800x600");
    applyLayout();
}

void TFelirat::Felbonts2Click()
{
    if (!screenFitsLargeLayout(screen_)) {
        showMessageBox(QStringLiteral("Felbontás átállítása!"), QStringLiteral("info"),
                       QStringLiteral("Túl kicsi a képernyő felbontása ahhoz,"), false, false, true,
                       QStringLiteral("hogy átállítsam a program felbontását!"));
        return;
    }
    boxAnswer = QStringLiteral("felbontas");
    showMessageBox(QStringLiteral("Felbontás átállítása!"), QStringLiteral("kerdes"),
                   QStringLiteral("Biztos át akar térni a 1024x768-as programbéli felbontásra?"),
                   true, true, false);
    if (boxAnswer != QLatin1String("igen"))
        return;
    layoutSetting = QStringLiteral("1024x768");
    applyLayout();
}

// ---- leaving --------------------------------------------------------------

void TFelirat::BkiClick()
{
    boxAnswer = QStringLiteral("mentes2");
    quietBoxes = false;
    if (!Cbki_->isChecked() && model_.modified()) {
        showMessageBox(QStringLiteral("A felirat mentése!"), QStringLiteral("kerdes"),
                       QStringLiteral("A felirat módosítva lett!"), true, true, false,
                       QStringLiteral("Elmenti?"));
        if (boxAnswer == QLatin1String("nemlepki"))
            return;
        // "Nem" leaves the context as it was; any other answer was "Igen",
        // whose save may have set boxAnswer through its own dialogs.
        if (boxAnswer != QLatin1String("mentes2") && model_.modified()) {
            // The save did not happen (name dialog left, file not written):
            // the subtitle stays open rather than being lost.
            quietBoxes = false;
            return;
        }
    }
    reject();
}

void TFelirat::BvisszaClick()
{
    displayLock = true;
    appMode = QStringLiteral("be2");
    reject();
}

void TFelirat::done(int result)
{
    closing_ = true;
    Timer1_->stop();
    if (appMode != QLatin1String("be2"))
        appMode = QStringLiteral("ki");
    model_.cds.close();
    lastRecNo_ = -1;
    QDialog::done(result);
}

// ---- keys and mouse -------------------------------------------------------

void TFelirat::keyPressEvent(QKeyEvent *event)
{
    // Esc is the "Kilépés" shortcut; the dialog's own Esc (reject without a
    // question) and Enter (default button) are not wanted here.
    if (event->key() == Qt::Key_Escape || isEnter(event)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TFelirat::mainMenuShortcut(QKeyEvent *e) const
{
    const QKeySequence pressed(e->keyCombination());
    for (QAction *a : menuBar_->findChildren<QAction *>()) {
        if (!a->shortcut().isEmpty() && a->shortcut() == pressed)
            return true;
    }
    return false;
}

bool TFelirat::eventFilter(QObject *watched, QEvent *event)
{
    QWidget *w = qobject_cast<QWidget *>(watched);
    const bool ours = w && w->window() == this;
    if (!ours)
        return QDialog::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        auto *e = static_cast<QKeyEvent *>(event);
        // Esc in the time fields restores the field instead of leaving.
        if (e->key() == Qt::Key_Escape && (watched == kezdes_ || watched == befejezes_)) {
            e->accept();
            return true;
        }
        // The main menu's shortcuts come before any control.
        if (mainMenuShortcut(e)) {
            e->ignore();
            return true;
        }
        return false;
    }
    case QEvent::Wheel:
        return wheelToKeys(watched, static_cast<QWheelEvent *>(event));
    case QEvent::KeyPress: {
        auto *e = static_cast<QKeyEvent *>(event);
        if (watched == racs_)
            return racsKeyDown(e);
        if (watched == kezdes_)
            return kezdesKeyDown(e);
        if (watched == befejezes_)
            return befejezesKeyDown(e);
        if (watched == Emodositas_)
            return EmodositasKeyDown(e);
        if (watched == Eugras_)
            return EugrasKeyPress(e);
        if (watched == Efilenev_)
            return EfilenevKeyPress(e);
        if (watched == szoveg_)
            return szovegKeyDown(e);
        if (watched == Ekereses_ && isEnter(e))
            return true;  // the quick search comes with the search tools
        if (watched == CbPM_ || watched == beosztas_ || watched == cbFps_) {
            // these boxes change only by choosing from the list
            return !e->text().isEmpty() && e->text()[0].isPrint();
        }
        return false;
    }
    case QEvent::KeyRelease:
        if (watched == szoveg_)
            szovegKeyUp();
        else if (watched == szoveg2_)
            szoveg2KeyUp();
        return false;
    case QEvent::MouseButtonPress:
        if (watched == kulonbseg_) {
            befejezes_->setFocus(Qt::MouseFocusReason);
            befejezes_->deselect();
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool TFelirat::wheelToKeys(QObject *watched, QWheelEvent *e)
{
    const int delta = e->angleDelta().y();
    if (delta == 0)
        return true;
    // one arrow key per notch; small steps of fine wheels add up
    wheelRemainder_ += delta;
    int notches = wheelRemainder_ / 120;
    wheelRemainder_ -= notches * 120;
    QWidget *target = QApplication::focusWidget();
    if (!target || target->window() != this)
        return true;
    const int key = notches > 0 ? Qt::Key_Up : Qt::Key_Down;
    for (int i = 0; i < qAbs(notches); ++i) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(target, &release);
    }
    return true;
}

bool TFelirat::racsKeyDown(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Delete)
        return true;  // row deletion comes with the row operations
    if (!isEnter(e))
        return false;
    if ((e->modifiers() & Qt::ControlModifier) && kezdes_->isEnabled() && kezdes_->isVisible()) {
        kezdes_->setFocus(Qt::OtherFocusReason);
        return true;
    }
    const int column = racs_->currentIndex().column();
    if (column == SubtitleGridModel::Szoveg2Col) {
        if (szoveg2_->isEnabled() && szoveg2_->isVisible())
            szoveg2_->setFocus(Qt::OtherFocusReason);
    } else if (column == SubtitleGridModel::SzovegCol || column == SubtitleGridModel::SorszamCol
               || column < 0) {
        if (szoveg_->isEnabled())
            szoveg_->setFocus(Qt::OtherFocusReason);
    }
    return true;
}

namespace {

// Keys both time fields treat alike: true when the key was handled.
bool commonTimeFieldKey(QLineEdit *field, QKeyEvent *e, bool timeBase, bool *deleted)
{
    *deleted = false;
    if ((e->modifiers() & Qt::ShiftModifier) && isArrow(e->key()))
        return true;
    if (e->key() == Qt::Key_Delete) {
        if (timeBase && forwardDeleteBlocked(field->cursorPosition()))
            return true;
        *deleted = true;
        return false;
    }
    // no pasting, cutting or undoing past the typing rules
    if (e->modifiers() & Qt::ControlModifier)
        return e->key() != Qt::Key_C;
    if (e->matches(QKeySequence::Paste) || e->matches(QKeySequence::Cut))
        return true;
    return false;
}

// The character a key press types into a time field: Backspace as its own
// code, a printable character, or a null QChar for caret keys, Tab and the like.
QChar typedKey(const QKeyEvent *e)
{
    if (e->key() == Qt::Key_Backspace)
        return backspaceKey;
    if (!e->text().isEmpty() && e->text()[0].isPrint())
        return e->text()[0];
    return QChar();
}

}  // namespace

bool TFelirat::kezdesKeyDown(QKeyEvent *e)
{
    const bool time = model_.isTimeBase();
    bool deleted;
    if (commonTimeFieldKey(kezdes_, e, time, &deleted))
        return true;
    if (deleted) {
        model_.setEnabled(QStringLiteral("Bertek"), true);
        return false;
    }
    if (e->key() == Qt::Key_Escape) {
        kezdes_->setText(model_.cds.field(Field::Kezdes));
        return true;
    }
    if (isEnter(e)) {
        const StartEnter r = startFieldEnter(kezdes_->text(), befejezes_->text(), time);
        kezdes_->setText(r.start);
        if (r.endPulled) {
            befejezes_->setText(r.end);
            model_.setEnabled(QStringLiteral("Bertek"), true);
        }
        befejezes_->setFocus(Qt::OtherFocusReason);
        befejezes_->setCursorPosition(befejezes_->text().size());
        return true;
    }
    const QChar key = typedKey(e);
    if (key.isNull())
        return false;
    if (filterTypedChar(key, kezdes_->cursorPosition(), time) == rejectedKey) {
        // Backspace that would erase a separator simply does nothing
        if (key != backspaceKey)
            kezdes_->setText(model_.cds.field(Field::Kezdes));
        return true;
    }
    model_.setEnabled(QStringLiteral("Bertek"), true);
    return false;
}

bool TFelirat::befejezesKeyDown(QKeyEvent *e)
{
    const bool time = model_.isTimeBase();
    bool deleted;
    if (commonTimeFieldKey(befejezes_, e, time, &deleted))
        return true;
    if (deleted) {
        model_.setEnabled(QStringLiteral("Bertek"), true);
        return false;
    }
    if (e->key() == Qt::Key_Escape) {
        befejezes_->setText(model_.cds.field(Field::Befejezes));
        return true;
    }
    if (isEnter(e)) {
        if (model_.isEnabled(QStringLiteral("Bertek"))) {
            if (time)
                befejezes_->setText(completeTimeText(befejezes_->text()));
            controlAs<QPushButton>(QStringLiteral("Bertek"))->setFocus(Qt::OtherFocusReason);
        } else {
            szoveg_->setFocus(Qt::OtherFocusReason);
        }
        return true;
    }
    const QChar key = typedKey(e);
    if (key.isNull())
        return false;
    if (key == backspaceKey)
        model_.setEnabled(QStringLiteral("Bertek"), true);
    if (filterTypedChar(key, befejezes_->cursorPosition(), time) == rejectedKey)
        return true;
    // A typed end must be storable, so typing offers "Értékek beállítása" too.
    if (key != backspaceKey && befejezes_->text().size() < befejezes_->maxLength())
        model_.setEnabled(QStringLiteral("Bertek"), true);
    return false;
}

bool TFelirat::EmodositasKeyDown(QKeyEvent *e)
{
    const bool time = model_.isTimeBase();
    if ((e->modifiers() & Qt::ShiftModifier) && isArrow(e->key()))
        return true;
    if (e->key() == Qt::Key_Delete)
        return forwardDeleteBlocked(Emodositas_->cursorPosition());
    if (e->modifiers() & Qt::ControlModifier)
        return e->key() != Qt::Key_C;
    if (isEnter(e)) {
        // the whole-table shift comes with the timing tools
        focusGrid();
        return true;
    }
    const QChar key = typedKey(e);
    if (key.isNull())
        return false;
    return filterTypedChar(key, Emodositas_->cursorPosition(), time) == rejectedKey;
}

bool TFelirat::EugrasKeyPress(QKeyEvent *e)
{
    if (isEnter(e)) {
        BugrasClick();
        return true;
    }
    if (e->key() == Qt::Key_Backspace)
        return false;
    if (e->modifiers() & Qt::ControlModifier)
        return e->key() != Qt::Key_C;
    if (!e->text().isEmpty() && e->text()[0].isPrint())
        return !(e->text()[0] >= u'0' && e->text()[0] <= u'9');
    return false;
}

bool TFelirat::EfilenevKeyPress(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape)
        return false;
    if (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab)
        return false;
    if (auto *b = controlAs<QPushButton>(QStringLiteral("Btallozas")))
        b->setFocus(Qt::OtherFocusReason);
    return true;
}

bool TFelirat::szovegKeyDown(QKeyEvent *e)
{
    if ((e->modifiers() & Qt::ControlModifier)
        && (e->key() == Qt::Key_Up || e->key() == Qt::Key_Down)) {
        szovegKeyUp();  // what was typed is in the row before it moves
        if (e->key() == Qt::Key_Up)
            model_.cds.prior();
        else
            model_.cds.next();
        focusGrid();
        return true;
    }
    return false;
}
