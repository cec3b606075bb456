#include "translate/TForditas.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTimer>

#include "app/MessageBox.h"
#include "app/ModeGlobals.h"
#include "app/ModeValues.h"
#include "app/TFoForm.h"
#include "app/Windows.h"
#include "document/DocumentGlobals.h"
#include "document/SubtitleDocument.h"
#include "document/SubtitleTable.h"
#include "editor/EditorModel.h"
#include "editor/Leaving.h"
#include "editor/TimeFieldRules.h"
#include "editor/TypedValues.h"
#include "files/FileEncoding.h"
#include "files/FileGlobals.h"
#include "files/TFileneve.h"
#include "files/TKereses.h"
#include "translate/TFordElott.h"
#include "translate/TranslationGlobals.h"
#include "translate/TranslationReader.h"
#include "translate/TranslationRows.h"
#include "translate/TranslationSpell.h"
#include "translate/TranslationWriter.h"
#include "ui/Modal.h"
#include "ui/SubtitleGridModel.h"

namespace {

enum LineField { StartField = 0, EndField = 1, TextField = 2 };

int gridColumnFor(int field)
{
    return field == StartField  ? SubtitleGridModel::KezdesCol
           : field == EndField ? SubtitleGridModel::BefejezesCol
                               : SubtitleGridModel::SzovegCol;
}

int fieldForColumn(int column)
{
    return column == SubtitleGridModel::KezdesCol      ? StartField
           : column == SubtitleGridModel::BefejezesCol ? EndField
                                                       : TextField;
}

// The names of one side's controls.
struct SideNames {
    const char *caption, *file, *format, *gauge, *fields[3], *search, *searchButton, *check,
        *save, *insert, *remove, *first, *last, *bar, *popup, *grid, *open;
};
const SideNames sideNames[2] = {
    {"Eredeti felirat:", "Efe", "EEfm", "EEszazalek", {"Edit0", "Edit1", "Edit2"}, "EkerE",
     "BkerE", "BEell", "Esave", "Esorbe", "EsorDel", "EElso", "EUtolso", "Button8", "Pef",
     "DBGridE", "EMegnyit"},
    {"Fordított felirat:", "Eff", "EFfm", "EFszazalek", {"Edit4", "Edit5", "Edit6"}, "EkerF",
     "BkerF", "BFell", "Fsave", "Fsorbe", "FsorDel", "FElso", "FUtolso", "Button9", "Pff",
     "DBGridF", "FMegnyit"},
};

QString clockText()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy.MM.dd. hh:mm:ss"));
}

}  // namespace

struct TForditas::Side {
    // each table is a document of its own, with its own journal
    SubtitleDocument document;
    SubtitleTable &table = document.table;
    SubtitleGridModel *model = nullptr;
    QTableView *grid = nullptr;
    QLabel *caption = nullptr;
    QLineEdit *file = nullptr;
    QLineEdit *format = nullptr;
    QProgressBar *gauge = nullptr;
    QLineEdit *fields[3] = {};
    QLineEdit *search = nullptr;
    QPushButton *searchButton = nullptr, *check = nullptr, *save = nullptr, *insert = nullptr,
                *remove = nullptr, *first = nullptr, *last = nullptr, *bar = nullptr,
                *open = nullptr;
    QMenu *popup = nullptr;
    QAction *italic = nullptr, *bold = nullptr, *underline = nullptr, *clearStyles = nullptr,
            *insertBefore = nullptr, *insertAfter = nullptr, *cut = nullptr, *copy = nullptr,
            *paste = nullptr, *deleteRow = nullptr;
    QMenu *insertMenu = nullptr;
    QAction *openItem = nullptr, *saveItem = nullptr, *searchItem = nullptr;
    FileEncoding &encoding = document.encoding;
    int clickedField = TextField;
    bool loaded = false;
};

TForditas::TForditas(EditorModel *editor, QSize screen, QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      editor_(editor), screen_(screen)
{
    setObjectName(QStringLiteral("Forditas"));
    setWindowTitle(QStringLiteral("Fordítás"));
    for (SideId id : {Source, Translation}) {
        sides_[id] = std::make_unique<Side>();
        // a change no action wrapped is one step once its event is handled
        ChangeJournal *journal = &side(id).document.journal;
        journal->onLooseChange([this, journal] {
            QTimer::singleShot(0, this, [journal] { journal->commitLoose(looseChangeStep()); });
        });
    }
    buildMenus();
    for (SideId id : {Source, Translation})
        buildSide(id);
    // Every change of a table may change what the title marks as unsaved.
    for (SideId id : {Source, Translation}) {
        SubtitleTable *t = &side(id).table;
        for (auto signal : {&SubtitleTable::rowChanged, &SubtitleTable::rowsInserted,
                            &SubtitleTable::rowsRemoved})
            connect(t, signal, this, &TForditas::showTitle);
        connect(t, &SubtitleTable::reset, this, &TForditas::showTitle);
    }

    cb1_ = new QCheckBox(QStringLiteral("Egyidejűség"), this);
    cb1_->setObjectName(QStringLiteral("cb1"));
    atlatszo2_ = new QCheckBox(QStringLiteral("Átlátszódás"), this);
    atlatszo2_->setObjectName(QStringLiteral("atlatszo2"));
    connect(atlatszo2_, &QCheckBox::toggled, this,
            [this](bool on) { setWindowOpacity(on ? 210 / 255.0 : 1.0); });
    clock_ = new QLabel(clockText(), this);
    clock_->setObjectName(QStringLiteral("Lido"));
    clock_->setAlignment(Qt::AlignCenter);
    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this] { clock_->setText(clockText()); });
    timer->start(1000);
    project_ = new QPushButton(QStringLiteral("Project megnyitása"), this);
    project_->setObjectName(QStringLiteral("ProjectMegnyit"));
    connect(project_, &QPushButton::clicked, this, [this] { openProject(true); });
    back_ = new QPushButton(QStringLiteral("<<< Vissza"), this);
    back_->setObjectName(QStringLiteral("BVissza"));
    connect(back_, &QPushButton::clicked, this, &TForditas::backClick);
    quit_ = new QPushButton(QStringLiteral("Kilépés"), this);
    quit_->setObjectName(QStringLiteral("BKilepes"));
    connect(quit_, &QPushButton::clicked, this, &TForditas::quitClick);

    const bool large = layoutSetting == Layout::large;
    applyLayout(!large);
    setLayoutItems(!large);
    reset();
}

TForditas::~TForditas() = default;

void TForditas::buildMenus()
{
    menu_ = new QMenuBar(this);
    menu_->setObjectName(QStringLiteral("MainMenu1"));
    QMenu *open = menu_->addMenu(QStringLiteral("Megnyitás"));
    side(Source).openItem = open->addAction(QStringLiteral("Eredeti felirat megnyitása"));
    side(Translation).openItem = open->addAction(QStringLiteral("Fordított felirat megnyitása"));
    QAction *project = open->addAction(QStringLiteral("Új project megnyitás"));
    connect(side(Source).openItem, &QAction::triggered, this, [this] { openSide(Source); });
    connect(side(Translation).openItem, &QAction::triggered, this,
            [this] { openSide(Translation); });
    connect(project, &QAction::triggered, this, [this] { openProject(false); });

    QMenu *save = menu_->addMenu(QStringLiteral("Mentés"));
    side(Source).saveItem = save->addAction(QStringLiteral("Eredeti felirat mentése"));
    side(Translation).saveItem = save->addAction(QStringLiteral("Fordított felirat mentése"));
    saveBothItem_ = save->addAction(QStringLiteral("Mindkettő mentése"));
    connect(side(Source).saveItem, &QAction::triggered, this, [this] { saveSide(Source); });
    connect(side(Translation).saveItem, &QAction::triggered, this,
            [this] { saveSide(Translation); });
    connect(saveBothItem_, &QAction::triggered, this, &TForditas::saveBoth);

    QMenu *search = menu_->addMenu(QStringLiteral("Keresés"));
    side(Source).searchItem = search->addAction(QStringLiteral("Eredeti feliratban"));
    side(Translation).searchItem = search->addAction(QStringLiteral("Fordított feliratban"));
    for (SideId id : {Source, Translation})
        connect(side(id).searchItem, &QAction::triggered, this,
                [this, id] { side(id).search->setFocus(); });

    QMenu *action = menu_->addMenu(QStringLiteral("Akció"));
    connect(action->addAction(QStringLiteral("Kilépés")), &QAction::triggered, this,
            &TForditas::quitClick);
    connect(action->addAction(QStringLiteral("Vissza a főmenübe")), &QAction::triggered, this,
            &TForditas::backClick);

    QMenu *layout = menu_->addMenu(QStringLiteral("Felbontás"));
    layoutSmall_ = layout->addAction(QStringLiteral("800x600"));
    layoutSmall_->setObjectName(QStringLiteral("Felbonts1"));
    layoutLarge_ = layout->addAction(QStringLiteral("1024x768"));
    layoutLarge_->setObjectName(QStringLiteral("Felbonts2"));
    connect(layoutSmall_, &QAction::triggered, this, [this] { layoutItemClick(true); });
    connect(layoutLarge_, &QAction::triggered, this, [this] { layoutItemClick(false); });

    QMenu *spell = menu_->addMenu(QStringLiteral("Helyesírás"));
    QAction *check = spell->addAction(QStringLiteral("Fordított felirat ellenőrzése"));
    check->setObjectName(QStringLiteral("HelyesirasForditas"));
    check->setShortcut(QKeySequence(Qt::Key_F7));
    connect(check, &QAction::triggered, this,
            [this] { checkTranslationSpelling(side(Translation).table, this); });
}

void TForditas::buildSide(SideId id)
{
    Side &s = side(id);
    const SideNames &n = sideNames[id];
    auto button = [this](const char *name, const QString &caption, const QString &hint) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        if (!hint.isEmpty())
            b->setToolTip(hint);
        return b;
    };
    auto line = [this](const char *name) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        return e;
    };

    s.caption = new QLabel(QString::fromUtf8(n.caption), this);
    s.file = line(n.file);
    s.file->setReadOnly(true);
    s.file->installEventFilter(this);
    s.format = line(n.format);
    s.format->hide();
    s.gauge = new QProgressBar(this);
    s.gauge->setObjectName(QLatin1String(n.gauge));
    s.gauge->setTextVisible(false);
    s.open = button(n.open, QStringLiteral("Felirat megnyitása"), QString());
    connect(s.open, &QPushButton::clicked, this, [this, id] { openSide(id); });

    s.table.create();
    s.model = new SubtitleGridModel(s.table, this);
    s.grid = new QTableView(this);
    s.grid->setObjectName(QLatin1String(n.grid));
    s.grid->setModel(s.model);
    s.grid->setColumnHidden(SubtitleGridModel::Szoveg2Col, true);
    s.grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    s.grid->setSelectionMode(QAbstractItemView::SingleSelection);
    s.grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    s.grid->verticalHeader()->hide();
    s.grid->verticalHeader()->setDefaultSectionSize(20);
    s.grid->horizontalHeader()->setStretchLastSection(true);
    s.grid->setColumnWidth(SubtitleGridModel::SorszamCol, 64);
    s.grid->setColumnWidth(SubtitleGridModel::KezdesCol, 92);
    s.grid->setColumnWidth(SubtitleGridModel::BefejezesCol, 92);
    s.grid->installEventFilter(this);
    s.grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(s.grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this, id](const QModelIndex &current) {
                if (syncing_ || !current.isValid())
                    return;
                side(id).table.setRecNo(current.row() + 1);
                rowChanged(id);
            });
    connect(s.grid, &QTableView::clicked, this, [this, id](const QModelIndex &index) {
        side(id).clickedField = fieldForColumn(index.column());
        if (!syncing_) {
            side(id).table.setRecNo(index.row() + 1);
            rowChanged(id);
        }
    });

    for (int f = 0; f < 3; ++f) {
        s.fields[f] = line(n.fields[f]);
        s.fields[f]->setMaxLength(f == TextField ? translationTextWidth : 12);
        s.fields[f]->installEventFilter(this);
    }
    s.search = line(n.search);
    s.search->installEventFilter(this);
    s.searchButton = button(n.searchButton, QStringLiteral("Keresés"), QString());
    connect(s.searchButton, &QPushButton::clicked, this, [this, id] { searchSide(id); });
    s.check = button(n.check, QStringLiteral("E"), QStringLiteral("Felirat ellenőrzése"));
    connect(s.check, &QPushButton::clicked, this, [this, id] { checkSide(id, true); });
    s.save = button(n.save, QString(), QStringLiteral("Mentés"));
    s.save->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    connect(s.save, &QPushButton::clicked, this, [this, id] { saveSide(id); });
    s.insert = button(n.insert, QStringLiteral("+"), QStringLiteral("Sor beszúrása"));
    s.remove = button(n.remove, QStringLiteral("−"), QStringLiteral("Sor törlése"));
    s.first = button(n.first, QStringLiteral("Első sor"), QString());
    s.last = button(n.last, QStringLiteral("Utolsó sor"), QString());
    s.bar = button(n.bar, QStringLiteral("|"), QString());
    connect(s.first, &QPushButton::clicked, this, [this] { moveBoth(false); });
    connect(s.last, &QPushButton::clicked, this, [this] { moveBoth(true); });
    connect(s.bar, &QPushButton::clicked, this, [this, id] {
        Side &s = side(id);
        if (s.table.recordCount() == 0)
            return;
        setRowText(s.table, s.table.field(Field::Szoveg) + u'|');
        fillLineFields(id);
    });
    connect(s.remove, &QPushButton::clicked, this, [this, id] {
        if (deleteCurrentRow(side(id).table)) {
            syncGrid(id);
            rowChanged(id);
        }
    });

    // "Sor beszúrása" offers both places.
    s.insertMenu = new QMenu(this);
    QAction *after = s.insertMenu->addAction(QStringLiteral("Sor beillesztése az aktuális sor után"));
    QAction *before = s.insertMenu->addAction(QStringLiteral("Sor beillesztése az aktuális sor elé"));
    auto insertRow = [this, id](bool behind) {
        if (insertEmptyRow(side(id).table, behind)) {
            side(id).save->setEnabled(true);
            syncGrid(id);
            rowChanged(id);
        }
    };
    connect(after, &QAction::triggered, this, [insertRow] { insertRow(true); });
    connect(before, &QAction::triggered, this, [insertRow] { insertRow(false); });
    connect(s.insert, &QPushButton::clicked, this, [this, id] {
        QPushButton *b = side(id).insert;
        side(id).insertMenu->popup(b->mapToGlobal(QPoint(0, b->height())));
    });

    s.popup = new QMenu(this);
    s.popup->setObjectName(QLatin1String(n.popup));
    s.italic = s.popup->addAction(QStringLiteral("Dőlt"));
    s.bold = s.popup->addAction(QStringLiteral("Vastagított"));
    s.underline = s.popup->addAction(QStringLiteral("Aláhúzott"));
    s.clearStyles = s.popup->addAction(QStringLiteral("Minden formázás eltávolítása"));
    s.popup->addSeparator();
    s.insertBefore = s.popup->addAction(QStringLiteral("Egy sor beszúrása az aktuális sor elé"));
    s.insertAfter = s.popup->addAction(QStringLiteral("Egy sor beszúrása az aktuális sor mögé"));
    s.popup->addSeparator();
    s.cut = s.popup->addAction(QStringLiteral("Kivágás"));
    s.copy = s.popup->addAction(QStringLiteral("Másolás"));
    s.paste = s.popup->addAction(QStringLiteral("Beillesztés"));
    if (id == Translation) {
        s.popup->addSeparator();
        s.deleteRow = s.popup->addAction(QStringLiteral("Sor törlése"));
        connect(s.deleteRow, &QAction::triggered, s.remove, &QPushButton::click);
    }
    const std::pair<QAction *, QChar> styles[] = {
        {s.italic, u'i'}, {s.bold, u'b'}, {s.underline, u'u'}};
    for (const auto &[item, tag] : styles) {
        item->setCheckable(true);
        connect(item, &QAction::triggered, this,
                [this, id, item, tag](bool ticked) { styleItem(id, item, tag, ticked); });
    }
    connect(s.clearStyles, &QAction::triggered, this, [this, id] {
        Side &s = side(id);
        if (s.table.recordCount() > 0)
            setRowText(s.table, removeAllStyles(s.table.field(Field::Szoveg)));
        for (QAction *item : {s.italic, s.bold, s.underline})
            item->setChecked(false);
        fillLineFields(id);
    });
    connect(s.insertBefore, &QAction::triggered, this, [insertRow] { insertRow(false); });
    connect(s.insertAfter, &QAction::triggered, this, [insertRow] { insertRow(true); });
    connect(s.cut, &QAction::triggered, this, [this, id] {
        Side &s = side(id);
        if (s.table.recordCount() == 0)
            return;
        clipboard() = s.table.field(Field::Szoveg);
        setRowText(s.table, QString());
        s.paste->setEnabled(true);
        fillLineFields(id);
    });
    connect(s.copy, &QAction::triggered, this, [this, id] {
        Side &s = side(id);
        if (s.table.recordCount() == 0)
            return;
        clipboard() = s.table.field(Field::Szoveg);
        s.paste->setEnabled(true);
    });
    connect(s.paste, &QAction::triggered, this, [this, id] {
        Side &s = side(id);
        if (s.table.recordCount() == 0)
            return;
        setRowText(s.table, clipboard());
        fillLineFields(id);
    });
    connect(s.grid, &QWidget::customContextMenuRequested, this, [this, id](const QPoint &at) {
        side(id).popup->popup(side(id).grid->viewport()->mapToGlobal(at));
    });
}

QString &TForditas::clipboard()
{
    return editor_ ? editor_->textClipboard : ownClipboard_;
}

void TForditas::styleItem(SideId id, QAction *item, QChar tag, bool nowTicked)
{
    Side &s = side(id);
    if (s.table.recordCount() == 0) {
        item->setChecked(!nowTicked);
        return;
    }
    const QString text = s.table.field(Field::Szoveg);
    setRowText(s.table, nowTicked ? wrapStyle(text, tag) : unwrapStyle(text, tag));
    fillLineFields(id);
}

// Places of the controls: the two sides one above the other, the source on
// top, with the grids taller in the large layout.
void TForditas::applyLayout(bool small)
{
    small_ = small;
    const int gridHeight = small ? 165 : 190;
    setFixedSize(small ? QSize(681, 565) : QSize(678, 616));
    menu_->setGeometry(0, 0, width(), 24);
    int top = 30;
    for (SideId id : {Source, Translation}) {
        Side &s = side(id);
        s.caption->setGeometry(8, top, 104, 22);
        s.file->setGeometry(114, top, 330, 22);
        s.open->setGeometry(450, top, 128, 22);
        const int gridTop = top + 26;
        s.grid->setGeometry(8, gridTop, 570, gridHeight);
        s.save->setGeometry(584, gridTop, 26, 24);
        s.insert->setGeometry(614, gridTop, 26, 24);
        s.remove->setGeometry(644, gridTop, 26, 24);
        s.check->setGeometry(584, gridTop + 28, 41, 24);
        s.bar->setGeometry(629, gridTop + 28, 41, 24);
        s.first->setGeometry(584, gridTop + 56, 86, 24);
        s.last->setGeometry(584, gridTop + 84, 86, 24);
        const int fieldsTop = gridTop + gridHeight + 4;
        s.fields[StartField]->setGeometry(8, fieldsTop, 92, 22);
        s.fields[EndField]->setGeometry(104, fieldsTop, 92, 22);
        s.fields[TextField]->setGeometry(200, fieldsTop, 378, 22);
        const int searchTop = fieldsTop + 26;
        s.search->setGeometry(8, searchTop, 250, 22);
        s.searchButton->setGeometry(262, searchTop, 80, 22);
        s.gauge->setGeometry(350, searchTop + 4, 228, 14);
        top = searchTop + 30;
    }
    const int bottom = top + 2;
    cb1_->setGeometry(8, bottom, 100, 24);
    atlatszo2_->setGeometry(110, bottom, 104, 24);
    project_->setGeometry(216, bottom, 130, 24);
    clock_->setGeometry(348, bottom, 148, 24);
    back_->setGeometry(500, bottom, 82, 24);
    quit_->setGeometry(588, bottom, 82, 24);
}

void TForditas::setLayoutItems(bool small)
{
    layoutSmall_->setEnabled(!small);
    layoutLarge_->setEnabled(small);
}

void TForditas::layoutItemClick(bool small)
{
    const QString title = QStringLiteral("Felbontás átállítása!");
    if (!small && (screen_.width() <= 800 || screen_.height() <= 600)) {
        showMessageBox(title, BoxKind::info, QStringLiteral("Túl kicsi a képernyő felbontása ahhoz,"),
                       false, false, true, QStringLiteral("hogy átállítsam a program felbontását!"));
        return;
    }
    boxAnswer = Answer::layoutSwitch;
    showMessageBox(title, BoxKind::question,
                   small ? QStringLiteral("Biztos át akar térni a 800x600-as programbéli felbontásra?")
                         : QStringLiteral("Biztos át akar térni a 1024x768-as programbéli felbontásra?"),
                   true, true, false);
    if (boxAnswer != Answer::yes)
        return;
    layoutSetting = small ? Layout::small : Layout::large;
    setLayoutItems(small);
    applyLayout(small);
}

SubtitleTable &TForditas::table(SideId id)
{
    return side(id).table;
}

QString TForditas::filePath(SideId id) const
{
    return side(id).file->text();
}

QString TForditas::timeBase(SideId id) const
{
    return side(id).format->text();
}

void TForditas::setRowControls(SideId id, bool on)
{
    Side &s = side(id);
    for (QWidget *w : std::initializer_list<QWidget *>{s.save, s.insert, s.remove, s.search,
                                                       s.searchButton, s.check, s.first, s.last})
        w->setEnabled(on);
    s.saveItem->setEnabled(on);
    s.searchItem->setEnabled(on);
}

void TForditas::reset()
{
    for (SideId id : {Source, Translation}) {
        Side &s = side(id);
        setRowControls(id, false);
        s.file->clear();
        s.format->clear();
        s.search->clear();
        if (!s.table.isActive())
            s.table.create();
        s.table.empty();
        s.loaded = false;
        s.encoding = FileEncoding::Cp1250;
        for (QLineEdit *f : s.fields)
            f->clear();
        s.first->show();
        s.last->show();
    }
    saveBothItem_->setEnabled(false);
    for (QLineEdit *f : side(Translation).fields)
        f->hide();
    showTitle();
}

void TForditas::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormActivate();
}

void TForditas::FormActivate()
{
    for (SideId id : {Source, Translation}) {
        Side &s = side(id);
        s.bar->hide();
        for (QAction *a : {s.italic, s.bold, s.underline, s.clearStyles, s.insertBefore,
                           s.insertAfter})
            a->setEnabled(false);
        s.gauge->hide();
    }
    clipboard().clear();
    for (SideId id : {Source, Translation})
        side(id).paste->setEnabled(false);
}

void TForditas::readSide(SideId id, const QString &path, bool viaMenu)
{
    Side &s = side(id);
    const bool building = id == Source && emptyTranslation;
    Side *twin = building ? &side(Translation) : nullptr;
    displayLock = true;
    s.gauge->show();
    if (twin)
        twin->gauge->show();
    const TranslationRead r = readTranslationFile(path, s.table, twin ? &twin->table : nullptr);
    tellTranslationRead(r);
    s.gauge->hide();
    if (twin)
        twin->gauge->hide();
    displayLock = false;
    if (!r.loaded) {
        // The file could not be read at all; the table keeps what it held.
        s.grid->setFocus();
        return;
    }
    s.file->setText(path);
    s.format->setText(r.timeBase);
    s.encoding = r.encoding;
    s.loaded = true;
    if (twin) {
        twin->file->clear();
        twin->format->setText(r.timeBase);
        twin->encoding = r.encoding;
        twin->loaded = true;
    }
    finishRead(id);
    if (twin)
        finishRead(Translation);
    if (r.refused) {
        for (SideId each : {id, twin ? Translation : id}) {
            Side &t = side(each);
            t.first->hide();
            t.last->hide();
            for (QAction *a : {t.italic, t.bold, t.underline, t.clearStyles, t.insertBefore,
                               t.insertAfter})
                a->setEnabled(false);
        }
    }
    if (id == Translation || twin)
        for (QLineEdit *f : side(Translation).fields)
            f->show();
    if (id == Source && viaMenu)
        for (QLineEdit *f : s.fields)
            f->show();
    s.grid->setFocus();
}

void TForditas::finishRead(SideId id)
{
    Side &s = side(id);
    // What was just read is the saved state, with no history before it.
    s.table.mergeChangeLog();
    s.document.journal.reset();
    showTitle();
    s.bar->setVisible(s.format->text() == TimeBase::frame);
    s.table.first();
    s.first->show();
    s.last->show();
    setRowControls(id, true);
    const bool rows = s.table.recordCount() > 0;
    for (QAction *a : {s.italic, s.bold, s.underline, s.clearStyles, s.insertBefore,
                       s.insertAfter, s.cut, s.copy})
        a->setEnabled(rows);
    updateSaveBoth();
    syncGrid(id);
    fillLineFields(id);
}

void TForditas::updateSaveBoth()
{
    saveBothItem_->setEnabled(side(Source).loaded && side(Translation).loaded);
}

void TForditas::syncGrid(SideId id)
{
    Side &s = side(id);
    syncing_ = true;
    const int row = s.table.recNo() - 1;
    if (row >= 0) {
        const QModelIndex at = s.model->index(row, gridColumnFor(s.clickedField));
        s.grid->setCurrentIndex(at);
        s.grid->scrollTo(at);
    } else {
        s.grid->setCurrentIndex(QModelIndex());
    }
    syncing_ = false;
}

void TForditas::fillLineFields(SideId id)
{
    Side &s = side(id);
    const bool rows = s.table.recordCount() > 0;
    s.fields[StartField]->setText(rows ? s.table.field(Field::Kezdes) : QString());
    s.fields[EndField]->setText(rows ? s.table.field(Field::Befejezes) : QString());
    // A longer text read from a file is shown whole, so Enter stores it back
    // unchanged; typing is held to the field width.
    const QString text = rows ? s.table.field(Field::Szoveg) : QString();
    s.fields[TextField]->setMaxLength(qMax(int(translationTextWidth), int(text.size())));
    s.fields[TextField]->setText(text);
}

void TForditas::rowChanged(SideId id)
{
    if (displayLock)
        return;
    fillLineFields(id);
    const SideId other = id == Source ? Translation : Source;
    if (!cb1_->isChecked())
        return;
    const int to = partnerRow(side(id).table.recNo(), side(other).table.recordCount());
    if (to == 0)
        return;
    side(other).table.setRecNo(to);
    syncGrid(other);
    fillLineFields(other);
}

void TForditas::moveTo(SideId id, int recNo)
{
    side(id).table.setRecNo(recNo);
    syncGrid(id);
    rowChanged(id);
}

void TForditas::moveBoth(bool toLast)
{
    for (SideId id : {Source, Translation}) {
        Side &s = side(id);
        if (s.table.recordCount() == 0)
            continue;
        toLast ? s.table.last() : s.table.first();
        syncGrid(id);
        fillLineFields(id);
    }
}

bool TForditas::checkSide(SideId id, bool announce)
{
    Side &s = side(id);
    s.gauge->show();
    const bool passed = checkTranslationTable(s.table, s.format->text(), announce);
    s.gauge->hide();
    syncGrid(id);
    return passed;
}

void TForditas::searchSide(SideId id)
{
    Side &s = side(id);
    if (s.table.recordCount() == 0)
        return;
    // the side's gauge follows the search
    s.gauge->setValue(0);
    s.gauge->show();
    searchTranslation(s.table, s.search->text(), [&s](int value) { s.gauge->setValue(value); });
    s.gauge->hide();
    syncGrid(id);
    rowChanged(id);
}

bool TForditas::saveSide(SideId id)
{
    Side &s = side(id);
    const int back = s.table.recNo();
    s.gauge->show();
    bool written = false;
    if (checkTranslationTable(s.table, s.format->text(), false)) {
        QString path = s.file->text();
        if (path.isEmpty() && id == Translation) {
            TFileneve *dialog = windows().fileneve;
            saveCancelled = true;
            fileNameMode = FileNameMode::translation;
            if (dialog) {
                dialog->setTranslationFormat(s.format->text());
                dialog->setTypeField(s.format->text());
                dialog->run();
            }
            if (!saveCancelled) {
                path = subtitlePath;
                s.file->setText(path);
            }
        }
        if (!path.isEmpty())
            written = writeTranslationFile(s.table, s.format->text(), path, s.encoding);
    }
    s.gauge->hide();
    if (back > 0)
        s.table.setRecNo(back);
    syncGrid(id);
    if (written) {
        s.table.mergeChangeLog();
        showTitle();
    }
    if (written)
        showMessageBox(QStringLiteral("Mentés"), BoxKind::info,
                       QStringLiteral("A Feliratot elmentettem"), false, false, true);
    s.grid->setFocus();
    return written;
}

void TForditas::saveBoth()
{
    saveSide(Source);
    saveSide(Translation);
}

void TForditas::openSide(SideId id)
{
    TKereses *dialog = windows().kereses;
    if (!dialog || !mayDiscard({id}))
        return;
    dialog->setTranslationPaths(filePath(Source), filePath(Translation));
    dialog->setTranslationHandler([this](const QString &purpose, const QString &path) {
        emptyTranslation = false;
        if (purpose == OpenPurpose::workspaceSource)
            readSide(Source, path, true);
        else
            readSide(Translation, path);
    });
    dialog->openForTranslation(id == Source ? OpenPurpose::workspaceSource
                                            : OpenPurpose::workspaceTarget);
}

void TForditas::openProject(bool fresh)
{
    TFordElott *setup = windows().fordElott;
    if (!setup || !mayDiscard({Source, Translation}))
        return;
    if (fresh)
        setup->startFresh();
    showModal(setup);
}

void TForditas::backClick()
{
    if (!mayDiscard({Source, Translation}))
        return;
    appMode = AppMode::backFromTranslation;
    reject();
}

void TForditas::quitClick()
{
    if (!mayDiscard({Source, Translation}))
        return;
    appMode = AppMode::quit;
    reject();
}

void TForditas::closeEvent(QCloseEvent *event)
{
    if (!isVisible() || mayDiscard({Source, Translation})) {
        QDialog::closeEvent(event);
        return;
    }
    event->ignore();
}

bool TForditas::unsaved(SideId id) const
{
    const Side &s = *sides_[id];
    return s.table.isActive() && s.table.changeCount() != 0;
}

// Before the tables are left or replaced: a table with unsaved changes is
// saved ("Igen"), dropped ("Nem"), or everything stays as it was ("Mégsem").
bool TForditas::mayDiscard(std::initializer_list<SideId> ids)
{
    QList<SideId> changed;
    for (SideId id : ids)
        if (unsaved(id))
            changed.append(id);
    if (changed.isEmpty())
        return true;
    const QString first = changed.size() == 2 ? QStringLiteral("Mindkét felirat módosítva lett!")
                          : changed.first() == Source
                              ? QStringLiteral("Az eredeti felirat módosítva lett!")
                              : QStringLiteral("A fordított felirat módosítva lett!");
    quietBoxes = false;
    boxAnswer = Answer::plainQuestion;
    showMessageBox(QStringLiteral("A feliratok mentése!"), BoxKind::question, first, true, true,
                   false, QStringLiteral("Elmenti?"));
    if (boxAnswer == Answer::no)
        return true;
    if (boxAnswer != Answer::yes)
        return false;
    for (SideId id : changed)
        if (!saveSide(id))
            return false;
    return true;
}

// The caption stays; unsaved tables add their file names with a mark.
void TForditas::showTitle()
{
    QList<TitledDocument> documents;
    for (SideId id : {Source, Translation})
        documents.append({QFileInfo(filePath(id)).fileName(), unsaved(id)});
    setWindowTitle(titleWithUnsaved(QStringLiteral("Fordítás"), documents));
}

void TForditas::done(int result)
{
    if (appMode != AppMode::backFromTranslation)
        appMode = AppMode::quit;
    for (SideId id : {Source, Translation})
        side(id).table.close();
    QDialog::done(result);
    if (TFoForm *start = windows().foForm)
        start->show();
}

// Esc stays inside the window: leaving the workspace ends the program
// unless "<<< Vissza" is used, which a stray key must not do.
void TForditas::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TForditas::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    for (SideId id : {Source, Translation}) {
        Side &s = side(id);
        if (watched == s.file) {
            // The file field only shows the path.
            s.grid->setFocus();
            return true;
        }
        if (watched == s.grid)
            return gridKey(id, key);
        if (watched == s.search
            && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            searchSide(id);
            return true;
        }
        for (int f = 0; f < 3; ++f)
            if (watched == s.fields[f])
                return lineFieldKey(id, f, key);
    }
    return QDialog::eventFilter(watched, event);
}

bool TForditas::gridKey(SideId id, QKeyEvent *key)
{
    Side &s = side(id);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter) {
        s.fields[s.clickedField]->show();
        s.fields[s.clickedField]->setFocus();
        return true;
    }
    if (key->key() == Qt::Key_Escape)
        return true;
    if (id == Translation && key->key() == Qt::Key_Delete) {
        s.remove->click();
        return true;
    }
    const QString text = key->text();
    if (text.isEmpty() || !text[0].isPrint() || s.table.recordCount() == 0)
        return false;
    const QChar c = text[0];
    if (s.clickedField != TextField) {
        const bool frames = s.format->text() == TimeBase::frame;
        const QString allowed = frames ? QStringLiteral("0123456789")
                                       : QStringLiteral("0123456789:,");
        if (!allowed.contains(c))
            return true;
    }
    QLineEdit *field = s.fields[s.clickedField];
    field->show();
    field->setText(QString(c));
    field->setFocus();
    field->setCursorPosition(1);
    return true;
}

bool TForditas::lineFieldKey(SideId id, int f, QKeyEvent *key)
{
    Side &s = side(id);
    const auto backToGrid = [&] {
        s.clickedField = f;
        syncGrid(id);
        s.grid->setFocus();
    };
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        storeLineField(id, f);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (s.table.recordCount() > 0) {
            key->key() == Qt::Key_Up ? s.table.prior() : s.table.next();
            rowChanged(id);
        }
        backToGrid();
        return true;
    case Qt::Key_Escape:
        fillLineFields(id);
        backToGrid();
        return true;
    default: break;
    }
    if (f == TextField)
        return false;
    const QString text = key->text();
    if (text.isEmpty() || (!text[0].isPrint() && text[0] != backspaceKey))
        return false;
    const bool frames = s.format->text() == TimeBase::frame;
    const QChar passed = frames ? filterFrameChar(text[0]) : filterTimeChar(text[0]);
    return passed == rejectedKey;
}

void TForditas::storeLineField(SideId id, int f)
{
    Side &s = side(id);
    QLineEdit *field = s.fields[f];
    if (s.table.recordCount() == 0)
        return;
    if (f == TextField) {
        setRowText(s.table, field->text());
        s.clickedField = TextField;
        syncGrid(id);
        s.grid->setFocus();
        return;
    }
    const bool frames = s.format->text() == TimeBase::frame;
    const bool valid = frames ? checkFrameValue(field->text()) : checkTypedTime(field->text(), true);
    if (!valid)
        return;
    s.table.edit();
    s.table.setField(f == StartField ? Field::Kezdes : Field::Befejezes, field->text());
    s.table.post();
    QLineEdit *next = s.fields[f + 1];
    next->show();
    next->setFocus();
}
