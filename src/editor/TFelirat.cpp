#include "editor/TFelirat.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QDateTime>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTextEdit>
#include <QTimer>
#include <cstring>

#include "app/MessageBox.h"
#include "app/ModeGlobals.h"
#include "app/ModeValues.h"
#include "app/TInfo.h"
#include "app/TLeiras.h"
#include "app/Windows.h"
#include "document/DocumentGlobals.h"
#include "document/TimeCode.h"
#include "editor/Activation.h"
#include "editor/EditorControls.h"
#include "editor/EditorLayout.h"
#include "editor/EditorTools.h"
#include "editor/EnableSets.h"
#include "editor/FlagRecount.h"
#include "editor/LayoutSwitch.h"
#include "editor/Leaving.h"
#include "editor/LineFields.h"
#include "editor/RowNavigation.h"
#include "editor/RowStats.h"
#include "editor/TimeFieldRules.h"
#include "editor/UndoRedo.h"
#include "editor/UserAction.h"
#include "files/FileGlobals.h"
#include "files/TFileneve.h"
#include "files/THibaki.h"
#include "tools/timing/FpsConversion.h"
#include "ui/Resources.h"
#include "ui/SubtitleGridDelegate.h"
#include "ui/SubtitleGridModel.h"

namespace {

// A separator of the menus: a disabled item captioned with hyphens.
void addHyphenRow(QMenu *menu)
{
    menu->addAction(QString(24, u'-'))->setEnabled(false);
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

void setBackground(QLineEdit *field, const QColor &colour)
{
    QPalette p = field->palette();
    p.setColor(QPalette::Base, colour);
    field->setPalette(p);
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

// The options of the options menu and the fields of the model they set.
struct OptionItem {
    Ctl id;
    bool EditorOptions::*field;
};
const OptionItem optionItems[] = {
    {Ctl::MentAt, &EditorOptions::mentAt},
    {Ctl::Beolvas, &EditorOptions::beolvas},
    {Ctl::Max2, &EditorOptions::max2},
    {Ctl::UresNe, &EditorOptions::uresNe},
};

}  // namespace

TFelirat::TFelirat(EditorModel *model, QWidget *parent)
    : QDialog(parent),
      ownModel_(model ? nullptr : std::make_unique<EditorModel>()),
      model_(model ? model : ownModel_.get())
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
    configureControls();
    buildMenus();
    connectControls();
    connectKeys();

    EditorModel &m = *model_;
    m.setHost(this);
    connect(&m, &EditorModel::controlChanged, this, &TFelirat::mirrorControl);
    connect(&m, &EditorModel::unsavedChanged, this, &TFelirat::showTitle);
    connect(&m, &EditorModel::historyChanged, this, [this] {
        controlAs<QAction>(Ctl::Visszavonas1)->setText(undoCaption(*model_));
        controlAs<QAction>(Ctl::Ujra1)->setText(redoCaption(*model_));
        showHistoryState(*model_);
    });
    connect(&m, &EditorModel::countsChanged, this, &TFelirat::refreshCountLabels);
    connect(&m, &EditorModel::timeBaseChanged, this, &TFelirat::applyTimeBaseFields);
    connect(&m, &EditorModel::fpsChanged, this, [this](const QString &fps) {
        const QSignalBlocker block(controlAs<QComboBox>(Ctl::cbFps));
        controlAs<QComboBox>(Ctl::cbFps)->setCurrentText(fps);
    });
    connect(&m.cds, &SubtitleTable::dataChange, this, &TFelirat::dsDataChange);
    wireEditorTools(*this);

    applyCreationSet(m);
    for (int i = 0; i < controlIdCount; ++i)
        if (controls_[i])
            mirrorControl(static_cast<Ctl>(i));
    applyResetSet(m);
    applyTimeBaseFields(m.timeBase());

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
    exitSaveHandler = nullptr;
    model_->setHost(nullptr);
    // An owned model is a member and dies before the base class deletes the
    // widgets: the grid lets go of the table while it still lives.
    if (racs_)
        racs_->setModel(nullptr);
    delete gridModel_;
    gridModel_ = nullptr;
}

// ---- construction from the control table ----------------------------------

void TFelirat::registerControl(QObject *object, Ctl id)
{
    object->setObjectName(nameOf(id));
    controls_[ctlIndex(id)] = object;
    // The window-wide rules (the menu's shortcuts first, the mouse wheel)
    // see every widget of the window, its inner parts included.
    if (auto *w = qobject_cast<QWidget *>(object)) {
        w->installEventFilter(this);
        for (QWidget *inner : w->findChildren<QWidget *>())
            inner->installEventFilter(this);
    }
}

QWidget *TFelirat::makeControl(const ControlSpec &entry, QWidget *parent)
{
    const QString caption = QString::fromUtf8(entry.caption);
    QWidget *w = nullptr;
    switch (entry.kind) {
    case ControlKind::Label: w = new QLabel(caption, parent); break;
    case ControlKind::Button: {
        auto *b = new QPushButton(caption, parent);
        b->setAutoDefault(false);
        w = b;
        break;
    }
    case ControlKind::Check: w = new QCheckBox(caption, parent); break;
    case ControlKind::Radio: w = new QRadioButton(caption, parent); break;
    case ControlKind::Edit: {
        auto *e = new QLineEdit(caption, parent);
        if (entry.maxLength > 0)
            e->setMaxLength(entry.maxLength);
        w = e;
        break;
    }
    case ControlKind::Memo: {
        auto *t = new QTextEdit(parent);
        t->setAcceptRichText(false);
        t->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
        t->setContextMenuPolicy(Qt::CustomContextMenu);
        w = t;
        break;
    }
    case ControlKind::Combo: w = new QComboBox(parent); break;
    case ControlKind::Spin: w = new QSpinBox(parent); break;
    case ControlKind::Group: w = new QGroupBox(caption, parent); break;
    case ControlKind::Progress: {
        auto *p = new QProgressBar(parent);
        p->setRange(0, 100);
        w = p;
        break;
    }
    case ControlKind::Grid: w = new QTableView(parent); break;
    default: return nullptr;
    }
    if (*entry.hint)
        w->setToolTip(QString::fromUtf8(entry.hint));
    return w;
}

void TFelirat::buildControls()
{
    for (const ControlSpec &entry : editorControls()) {
        if (std::strcmp(entry.window, "Felirat") != 0)
            continue;
        QWidget *parent = entry.parent != Ctl::None ? controlAs<QWidget>(entry.parent) : this;
        if (QWidget *w = parent ? makeControl(entry, parent) : nullptr)
            registerControl(w, entry.id);
    }
    kezdes_ = controlAs<QLineEdit>(Ctl::kezdes);
    befejezes_ = controlAs<QLineEdit>(Ctl::befejezes);
    kulonbseg_ = controlAs<QLineEdit>(Ctl::kulonbseg);
    Esorszam_ = controlAs<QLineEdit>(Ctl::Esorszam);
    Emodositas_ = controlAs<QLineEdit>(Ctl::Emodositas);
    Eugras_ = controlAs<QLineEdit>(Ctl::Eugras);
    Ekereses_ = controlAs<QLineEdit>(Ctl::Ekereses);
    Efilenev_ = controlAs<QLineEdit>(Ctl::Efilenev);
    szoveg_ = controlAs<QTextEdit>(Ctl::szoveg);
    szoveg2_ = controlAs<QTextEdit>(Ctl::szoveg2);
    sordarab_ = controlAs<QLabel>(Ctl::sordarab);
    sordarab2_ = controlAs<QLabel>(Ctl::sordarab2);
    racs_ = controlAs<QTableView>(Ctl::racs);
}

// What the table does not say: items, ranges, read-only fields and the grid.
void TFelirat::configureControls()
{
    controlAs<QLabel>(Ctl::ido)->setAlignment(Qt::AlignCenter);
    Efilenev_->setReadOnly(true);
    auto *beosztas = controlAs<QComboBox>(Ctl::beosztas);
    beosztas->addItems({TimeBase::frame, TimeBase::time});
    auto *cbFps = controlAs<QComboBox>(Ctl::cbFps);
    cbFps->addItems(standardFpsList());
    cbFps->setCurrentText(QStringLiteral("23,976"));
    controlAs<QComboBox>(Ctl::CbPM)->addItems({QStringLiteral("+"), QStringLiteral("-")});
    controlAs<QPushButton>(Ctl::Bmodok)->setFlat(true);
    controlAs<QPushButton>(Ctl::Bertek)->setAutoDefault(true);
    auto *valto = controlAs<QSpinBox>(Ctl::Valto);
    valto->setRange(70, 255);
    valto->setValue(70);
    auto *sebetu = controlAs<QSpinBox>(Ctl::SEbetu);
    sebetu->setRange(10, 99);
    sebetu->setValue(37);
    controlAs<QRadioButton>(Ctl::RB1)->setChecked(true);
    Esorszam_->setReadOnly(true);
    Esorszam_->setFocusPolicy(Qt::NoFocus);
    kulonbseg_->setReadOnly(true);
    kulonbseg_->setFocusPolicy(Qt::ClickFocus);
    kulonbseg_->setAutoFillBackground(true);
    for (QLineEdit *e : {kezdes_, befejezes_, Emodositas_})
        e->setContextMenuPolicy(Qt::NoContextMenu);

    gridModel_ = new SubtitleGridModel(model_->cds, this);
    racs_->setModel(gridModel_);
    gridDelegate_ = new SubtitleGridDelegate(*model_, racs_);
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
    // the grid's inner parts came after it was registered
    for (QWidget *inner : racs_->findChildren<QWidget *>())
        inner->installEventFilter(this);
}

void TFelirat::buildMenus()
{
    menuBar_ = new QMenuBar(this);
    menuBar_->setNativeMenuBar(false);
    QHash<Ctl, QMenu *> menus;
    for (const MenuSpec &entry : editorMenus()) {
        const QString name = nameOf(entry.id);
        const QString caption = QString::fromUtf8(entry.caption);
        QMenu *parent = entry.parent == Ctl::None ? nullptr : menus.value(entry.parent);
        switch (entry.kind) {
        case ControlKind::Menu: {
            QMenu *m = parent ? parent->addMenu(caption) : menuBar_->addMenu(caption);
            m->setObjectName(name);
            registerControl(m->menuAction(), entry.id);
            menus.insert(entry.id, m);
            break;
        }
        case ControlKind::Popup: {
            auto *m = new QMenu(this);
            m->setObjectName(name);
            m->setToolTipsVisible(true);
            menus.insert(entry.id, m);
            break;
        }
        case ControlKind::Item: {
            if (!parent)
                break;
            if (caption == QLatin1String("-")) {
                addHyphenRow(parent);
                break;
            }
            QAction *a = parent->addAction(caption);
            if (*entry.shortcut)
                a->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
            if (*entry.hint)
                a->setToolTip(QString::fromUtf8(entry.hint));
            a->setCheckable(entry.checkable);
            registerControl(a, entry.id);
            break;
        }
        default: break;
        }
    }
    for (const OptionItem &o : optionItems) {
        auto *a = controlAs<QAction>(o.id);
        a->setChecked(model_->options.*o.field);
        auto field = o.field;
        connect(a, &QAction::toggled, this, [this, field](bool on) { model_->options.*field = on; });
    }
}

void TFelirat::onClick(Ctl name, std::function<void()> handler)
{
    // every click is one user action: one step of the journal
    auto action = [this, handler, step = actionStepName(name)] {
        const UserAction act(*model_, step);
        handler();
    };
    if (auto *b = controlAs<QAbstractButton>(name))
        connect(b, &QAbstractButton::clicked, this, action);
    else if (auto *a = controlAs<QAction>(name))
        connect(a, &QAction::triggered, this, action);
    else
        return;
    if (!wired_.contains(name))
        wired_.append(name);
}

QMenu *TFelirat::popup(Ctl menu) const
{
    return findChild<QMenu *>(nameOf(menu), Qt::FindDirectChildrenOnly);
}

void TFelirat::popupAtMouse(Ctl menu)
{
    if (QMenu *m = popup(menu))
        m->popup(QCursor::pos());
}

void TFelirat::connectControls()
{
    // Checkable controls report their tick to the model so that core
    // routines and the window agree on it.
    for (int i = 0; i < controlIdCount; ++i) {
        const Ctl name = static_cast<Ctl>(i);
        if (auto *b = qobject_cast<QAbstractButton *>(controls_[i]); b && b->isCheckable())
            connect(b, &QAbstractButton::toggled, this,
                    [this, name](bool on) { model_->setChecked(name, on); });
    }

    // undo and redo of the journal; Ctrl+Z undoes too, as in other editors
    onClick(Ctl::Visszavonas1, [this] { undoLastStep(*model_); });
    onClick(Ctl::Ujra1, [this] { redoNextStep(*model_); });
    if (auto *undo = controlAs<QAction>(Ctl::Visszavonas1))
        undo->setShortcuts({undo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z"))});

    onClick(Ctl::Bki, [this] { BkiClick(); });
    onClick(Ctl::Bvissza, [this] { BvisszaClick(); });
    onClick(Ctl::Bertek, [this] { applyTimes(); });
    onClick(Ctl::Bugras, [this] { BugrasClick(); });
    onClick(Ctl::Belso, [this] { goFirstRow(*model_); });
    onClick(Ctl::Butolso, [this] { goLastRow(*model_); });
    onClick(Ctl::Bvegelso, [this] { continueFromEnd(*model_); });
    onClick(Ctl::Kereses1, [this] { Ekereses_->setFocus(); });
    onClick(Ctl::Leiras1, [] {
        if (TLeiras *w = windows().leiras)
            w->display();
    });
    onClick(Ctl::Info1, [] {
        if (TInfo *w = windows().info)
            w->display();
    });
    // menu items that do what a button does
    for (const auto &[item, button] :
         {std::pair{Ctl::Kilepes1, Ctl::Bki}, {Ctl::Visszaafomenube1, Ctl::Bvissza},
          {Ctl::Feliratmegnyitasa1, Ctl::Btallozas}, {Ctl::Mentes1, Ctl::Bmentes},
          {Ctl::MentM1, Ctl::BMMN}})
        onClick(item, [this, button] { controlAs<QAbstractButton>(button)->click(); });
    onClick(Ctl::Felbonts1, [this] { Felbonts1Click(); });
    onClick(Ctl::Felbonts2, [this] { Felbonts2Click(); });
    for (const auto &[item, box] :
         {std::pair{Ctl::Szinezes38, Ctl::Cbtobb}, {Ctl::Szinezes3, Ctl::CB3sor}})
        onClick(item, [this, box] {
            if (model_->isEnabled(box))
                controlAs<QCheckBox>(box)->toggle();
        });

    // "X CD -> X CD" puts the CD group in the place of the row editing group
    connect(controlAs<QRadioButton>(Ctl::RB12), &QRadioButton::toggled, this,
            [this](bool cdMode) {
                model_->setVisible(Ctl::GB1, !cdMode);
                model_->setVisible(Ctl::GB12, cdMode);
            });
    connect(controlAs<QCheckBox>(Ctl::Cbtobb), &QCheckBox::toggled, this, [this] {
        colouringChanged();
        focusGrid();
    });
    connect(controlAs<QCheckBox>(Ctl::CB3sor), &QCheckBox::toggled, this,
            [this](bool on) {
                colouringChanged();
                if (on)
                    focusGrid();
            });
    connect(controlAs<QSpinBox>(Ctl::SEbetu), &QSpinBox::valueChanged, this,
            &TFelirat::SEbetuChange);
    connect(controlAs<QCheckBox>(Ctl::atlatszo), &QCheckBox::toggled, this,
            [this] { atlatszoClick(); });
    connect(controlAs<QSpinBox>(Ctl::Valto), &QSpinBox::valueChanged, this,
            &TFelirat::ValtoChange);
    connect(controlAs<QComboBox>(Ctl::cbFps), &QComboBox::currentTextChanged, this,
            [this](const QString &fps) { model_->setFps(fps); });
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
                if (current.row() + 1 != model_->cds.recNo())
                    model_->cds.setRecNo(current.row() + 1);
            });
    for (const auto &[field, menu] : {std::pair{szoveg_, Ctl::SzovegPop}, {szoveg2_, Ctl::PMSz2}}) {
        QTextEdit *f = field;
        const Ctl popupMenu = menu;
        connect(f, &QWidget::customContextMenuRequested, this, [this, f, popupMenu](const QPoint &p) {
            popup(popupMenu)->popup(f->mapToGlobal(p));
        });
    }

    // Buttons that open a pop-up menu open it at the mouse on mouse-down.
    for (const auto &[button, menu] :
         {std::pair{Ctl::Belemoge, Ctl::PopupMenuEM}, {Ctl::BTorlesTobb, Ctl::PMTorlesTobb},
          {Ctl::BTobbGomb, Ctl::PMtobbgomb}, {Ctl::BTobbCheck, Ctl::PMTobbCheck}}) {
        auto *b = controlAs<QPushButton>(button);
        const Ctl popup = menu;
        connect(b, &QPushButton::pressed, this, [this, b, popup] {
            popupAtMouse(popup);
            b->setDown(false);
        });
    }
}

void TFelirat::mirrorControl(Ctl name)
{
    const EditorModel &m = *model_;
    const bool on = m.isEnabled(name);
    const bool shown = m.isVisible(name);
    if (name == Ctl::Szoveg2) {
        racs_->setColumnHidden(SubtitleGridModel::Szoveg2Col, !shown);
        if (shown != twoSubtitles_) {
            if (shown)
                showTwoSubtitleLayout();
            else
                showSingleSubtitleLayout();
        }
        return;
    }
    if (name == Ctl::racsVScroll) {
        // hidden means "only when needed", so rows added later stay reachable
        racs_->setVerticalScrollBarPolicy(shown ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
        return;
    }
    if (name == Ctl::racsRowSelect) {
        racs_->setSelectionBehavior(m.isChecked(name) ? QAbstractItemView::SelectRows
                                                      : QAbstractItemView::SelectItems);
        return;
    }
    QObject *o = control(name);
    if (!o)
        return;
    if (auto *a = qobject_cast<QAction *>(o)) {
        a->setEnabled(on);
        a->setVisible(shown);
        if (m.hasCheckedState(name) && a->isCheckable())
            a->setChecked(m.isChecked(name));
        return;
    }
    if (auto *w = qobject_cast<QWidget *>(o)) {
        w->setEnabled(on);
        if (w->isHidden() == shown)
            w->setVisible(shown);
        if (auto *b = qobject_cast<QAbstractButton *>(w);
            b && b->isCheckable() && m.hasCheckedState(name))
            b->setChecked(m.isChecked(name));
    }
    if (name == Ctl::Cbtobb || name == Ctl::CB3sor)
        colouringChanged();
}

// ---- layouts --------------------------------------------------------------

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
    const bool largeOn = layoutSetting == Layout::large;
    model_->setEnabled(Ctl::Felbonts1, largeOn);
    model_->setEnabled(Ctl::Felbonts2, !largeOn);
    placeControls();
    applyColumnWidths();
}

void TFelirat::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    placeControls();
}

// Every control of the table goes to its place in the layout; a group's
// controls are placed in the group, which comes first in the table.
void TFelirat::placeControls()
{
    if (!racs_)
        return;
    menuBar_->setGeometry(0, 0, width(), menuBarHeight);
    for (const ControlSpec &entry : editorControls()) {
        auto *w = controlAs<QWidget>(entry.id);
        if (!w || !entry.large.isSet())
            continue;
        const QSize parent = w->parentWidget() ? w->parentWidget()->size() : size();
        w->setGeometry(placeOf(entry, large_, twoSubtitles_, parent));
    }
    placeThresholdSpin();
    if (controlsPlaced)
        controlsPlaced();
}

// Column widths are set when the layout changes only, so that a column the
// user widened stays so while the window is resized.
void TFelirat::applyColumnWidths()
{
    const GridTextWidths w =
        gridTextWidths(large_, twoSubtitles_, racs_->width(), racs_->verticalHeader()->width());
    racs_->setColumnWidth(SubtitleGridModel::SzovegCol, w.text);
    racs_->setColumnWidth(SubtitleGridModel::Szoveg2Col, w.second);
}

// The spin box sits over the gap of "Színezés             betű felett".
void TFelirat::placeThresholdSpin()
{
    auto *box = controlAs<QCheckBox>(Ctl::Cbtobb);
    auto *spin = controlAs<QSpinBox>(Ctl::SEbetu);
    QStyleOptionButton opt;
    opt.initFrom(box);
    const int indicator = box->style()->pixelMetric(QStyle::PM_IndicatorWidth, &opt, box)
                          + box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &opt, box);
    const QFontMetrics fm(box->font());
    const QString text = box->text();
    const int firstSpace = int(text.indexOf(u' '));
    const int secondWord = int(text.indexOf(QStringLiteral("betű")));
    const int gapStart = indicator + fm.horizontalAdvance(text.left(firstSpace + 1));
    const int gapWidth = indicator + fm.horizontalAdvance(text.left(secondWord - 1)) - gapStart;
    const QRect r = box->geometry();
    // arrows only where the gap leaves room for them; keys and wheel still step
    const int width = gapWidth - 2;
    spin->setButtonSymbols(width >= 40 ? QAbstractSpinBox::UpDownArrows
                                       : QAbstractSpinBox::NoButtons);
    spin->setAlignment(Qt::AlignCenter);
    spin->setGeometry(r.x() + gapStart + 1, r.y(), width, r.height());
    spin->raise();
}

void TFelirat::showSingleSubtitleLayout()
{
    twoSubtitles_ = false;
    setTwoSubtitleFields(*model_, false);
    racs_->setSelectionBehavior(QAbstractItemView::SelectRows);
    placeControls();
    applyColumnWidths();
}

void TFelirat::showTwoSubtitleLayout()
{
    twoSubtitles_ = true;
    setTwoSubtitleFields(*model_, true);
    racs_->setSelectionBehavior(QAbstractItemView::SelectItems);
    placeControls();
    applyColumnWidths();
}

// ---- states ---------------------------------------------------------------

void TFelirat::resetState()
{
    applyResetSet(*model_);
    model_->fileNameField.clear();
    Efilenev_->clear();
    Ekereses_->clear();
    model_->setVisible(Ctl::GB1, true);
    model_->setVisible(Ctl::GB12, false);
}

void TFelirat::setTimeBase(const QString &base)
{
    model_->setTimeBase(base);
}

void TFelirat::applyTimeBaseFields(const QString &base)
{
    auto *beosztas = controlAs<QComboBox>(Ctl::beosztas);
    const QSignalBlocker block(beosztas);
    beosztas->setCurrentText(base);
    const TimeBaseFields f = timeBaseFields(base);
    for (QLineEdit *e : {kezdes_, befejezes_, Emodositas_})
        e->setMaxLength(f.maxLength);
    Emodositas_->setText(f.neutralAmount);
}

void TFelirat::clearLineFields()
{
    for (QLineEdit *e : {kezdes_, befejezes_, kulonbseg_, Esorszam_})
        e->clear();
    setBackground(kulonbseg_, Qt::white);
    szoveg_->clear();
    szoveg2_->clear();
    sordarab_->setText(QStringLiteral("0=0 betű"));
    sordarab2_->setText(QStringLiteral("0=0 betű"));
}

void TFelirat::showProgress(bool visible)
{
    model_->setVisible(Ctl::Fszazalek, visible);
    if (visible)
        controlAs<QProgressBar>(Ctl::Fszazalek)->setValue(0);
}

void TFelirat::setProgress(int value)
{
    controlAs<QProgressBar>(Ctl::Fszazalek)->setValue(qBound(0, value, 100));
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
    model_->setVisible(Ctl::GB1, true);
    showSingleSubtitleLayout();
    Efilenev_->clear();
    Ekereses_->clear();
    clearLineFields();
    textTarget = Target::main;
    prepareNewSubtitle(*model_);
    Emodositas_->setText(timeBaseFields(model_->timeBase()).neutralAmount);
    model_->cds.first();
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
    const ActivationSteps steps = routeActivation(*model_);
    if (steps.newSubtitle)
        newSubtitle();
    showFileName();
    if (steps.openDialog) {
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
    showFileName();
    const SubtitleTable &cds = model_->cds;
    syncGridToCursor();
    displayLock = true;
    kezdes_->setText(cds.field(Field::Kezdes));
    befejezes_->setText(cds.field(Field::Befejezes));
    if (!kezdes_->text().isEmpty() && !befejezes_->text().isEmpty()) {
        showDifference();
    } else {
        kulonbseg_->clear();
        setBackground(kulonbseg_, Qt::white);
    }
    for (Ctl n : {Ctl::kezdes, Ctl::befejezes, Ctl::kulonbseg})
        model_->setEnabled(n, true);
    Esorszam_->setText(cds.displayText(Field::Sorszam));
    fillTextField(szoveg_, sordarab_, cds.field(Field::Szoveg));
    if (!racs_->isColumnHidden(SubtitleGridModel::Szoveg2Col))
        fillTextField(szoveg2_, sordarab2_, cds.field(Field::Szoveg2));
    displayLock = false;
}

void TFelirat::showDifference()
{
    const Difference d =
        computeDifference(kezdes_->text(), befejezes_->text(), model_->isTimeBase());
    kulonbseg_->setText(d.text);
    setBackground(kulonbseg_, d.negative ? QColor(255, 0, 0) : QColor(Qt::white));
}

void TFelirat::applyTimes()
{
    storeTypedTimes(*model_, kezdes_->text(), befejezes_->text());
    showDifference();
    focusGrid();
}

void TFelirat::szovegKeyUp()
{
    // The counter tells what was stored; the field keeps what is being
    // typed, so a line break the option drops can still be typed.
    const QString counter = storeTypedText(*model_, szoveg_->toPlainText());
    if (!counter.isEmpty())
        sordarab_->setText(counter);
}

void TFelirat::szoveg2KeyUp()
{
    const QString counter = storeTypedText2(*model_, szoveg2_->toPlainText());
    if (!counter.isEmpty())
        sordarab2_->setText(counter);
}

// ---- row changes ----------------------------------------------------------

void TFelirat::syncGridToCursor()
{
    const int row = model_->cds.recNo() - 1;
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
    const SubtitleTable &cds = model_->cds;
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
    if (moved && model_->isChecked(Ctl::RB1)
        && controlAs<QCheckBox>(Ctl::CBracs)->isChecked() && szoveg_->isEnabled()
        && isVisible())
        szoveg_->setFocus(Qt::OtherFocusReason);
}

// ---- buttons --------------------------------------------------------------

void TFelirat::BugrasClick()
{
    jumpToRow(*model_, Eugras_->text());
}

void TFelirat::showFileName()
{
    Efilenev_->setText(model_->fileNameField);
    showTitle();
}

// The caption stays; unsaved changes add the file names with a mark.
void TFelirat::showTitle()
{
    using S = EditorModel::Subtitle;
    QList<TitledDocument> documents{{model_->fileNameField, model_->unsaved(S::main)}};
    if (model_->unsaved(S::second))
        documents.append({model_->secondFileName, true});
    setWindowTitle(titleWithUnsaved(QStringLiteral("Felirat megnyitása"), documents));
}

void TFelirat::showReportWindow()
{
    if (THibaki *w = windows().hibaki)
        w->showLog(model_->log);
}

void TFelirat::runFileNameDialog()
{
    if (TFileneve *w = windows().fileneve) {
        w->setTypeField(model_->timeBase());
        w->run();
    }
}

// ---- statistics -----------------------------------------------------------

void TFelirat::refreshCountLabels()
{
    controlAs<QLabel>(Ctl::Lbetu)
        ->setText(u'(' + QString::number(model_->overThresholdCount) + u')');
    controlAs<QLabel>(Ctl::Lsor)
        ->setText(u'(' + QString::number(model_->threeLineCount) + u')');
}

void TFelirat::colouringChanged()
{
    const bool colourLong = controlAs<QCheckBox>(Ctl::Cbtobb)->isChecked();
    const bool colourThree = controlAs<QCheckBox>(Ctl::CB3sor)->isChecked();
    model_->setVisible(Ctl::Lbetu, colourLong);
    model_->setVisible(Ctl::Lsor, colourThree);
    refreshCountLabels();
    gridDelegate_->setColouring(colourLong, colourThree);
    racs_->viewport()->update();
}

void TFelirat::SEbetuChange(int value)
{
    model_->setThreshold(value);
    recountAllFlags(*model_);
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
    controlAs<QLabel>(Ctl::ido)
        ->setText(sys.toString(now.date(), QLocale::ShortFormat) + u' '
                  + sys.toString(now.time(), timeFormat.trimmed()));
}

void TFelirat::atlatszoClick()
{
    const bool on = controlAs<QCheckBox>(Ctl::atlatszo)->isChecked();
    model_->setEnabled(Ctl::Valto, on);
    setWindowOpacity(on ? alphaValue_ / 255.0 : 1.0);
}

void TFelirat::ValtoChange(int value)
{
    if (!controlAs<QCheckBox>(Ctl::atlatszo)->isChecked() || value < 70
        || value > 255)
        return;
    alphaValue_ = value;
    setWindowOpacity(value / 255.0);
}

void TFelirat::racsContextMenu(const QPoint &pos)
{
    const QModelIndex idx = racs_->indexAt(pos);
    Ctl menu = Ctl::RacsPM;
    if (idx.isValid() && idx.column() == SubtitleGridModel::Szoveg2Col)
        menu = model_->cds.recNo() > model_->cds.secondRowCount() ? Ctl::None : Ctl::BeTorlesPM;
    if (QMenu *m = menu == Ctl::None ? nullptr : popup(menu))
        m->popup(racs_->viewport()->mapToGlobal(pos));
}

void TFelirat::Felbonts1Click()
{
    if (confirmLayoutSwitch(Layout::small, screen_)) {
        layoutSetting = Layout::small;
        applyLayout();
    }
}

void TFelirat::Felbonts2Click()
{
    if (confirmLayoutSwitch(Layout::large, screen_)) {
        layoutSetting = Layout::large;
        applyLayout();
    }
}

// ---- leaving --------------------------------------------------------------

bool TFelirat::mayLeave()
{
    return mayLeaveEditor(*model_, controlAs<QCheckBox>(Ctl::Cbki)->isChecked());
}

void TFelirat::BkiClick()
{
    if (mayLeave())
        reject();
}

// Going back to the start window closes the subtitle, so it asks first like
// "Kilépés": unsaved edits are never dropped without a word.
void TFelirat::BvisszaClick()
{
    if (!mayLeave())
        return;
    displayLock = true;
    appMode = AppMode::backFromEditor;
    reject();
}

// The close box leaves the program like "Kilépés", with its question.
void TFelirat::closeEvent(QCloseEvent *event)
{
    if (closing_ || !isVisible() || mayLeave()) {
        QDialog::closeEvent(event);
        return;
    }
    event->ignore();
}

void TFelirat::done(int result)
{
    closing_ = true;
    Timer1_->stop();
    if (closing)
        closing();
    if (appMode != AppMode::backFromEditor)
        appMode = AppMode::quit;
    model_->cds.close();
    lastRecNo_ = -1;
    QDialog::done(result);
}
