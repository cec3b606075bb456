#include "files/TKereses.h"

#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

#include "app/MessageBox.h"
#include "app/ModeValues.h"
#include "document/DocumentGlobals.h"
#include "editor/EditorModel.h"
#include "files/FileGlobals.h"
#include "files/OpenSubtitle.h"
#include "ui/DirectoryBrowser.h"
#include "ui/Modal.h"

namespace {

void centre(QWidget *w)
{
    if (QScreen *s = w->screen() ? w->screen() : QGuiApplication::primaryScreen())
        w->move(s->availableGeometry().center() - w->rect().center());
}

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

TKereses::TKereses(EditorModel *model, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowStaysOnTopHint),
      model_(model)
{
    setObjectName(QStringLiteral("Kereses"));
    setWindowTitle(QStringLiteral("Felirat megnyitása"));
    setFixedSize(580, 539);

    browser_ = new DirectoryBrowser(this);
    filelistbox = browser_->fileList();
    DirectoryListBox1 = browser_->directoryList();
    DriveComboBox1 = browser_->driveBox();
    FilterComboBox1 = browser_->filterBox();
    filelistbox->setObjectName(QStringLiteral("filelistbox"));
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    FilterComboBox1->setObjectName(QStringLiteral("FilterComboBox1"));
    filelistbox->setGeometry(8, 8, 276, 408);
    FilterComboBox1->setGeometry(8, 424, 276, 26);
    DirectoryListBox1->setGeometry(296, 8, 276, 408);
    DriveComboBox1->setGeometry(296, 424, 276, 26);

    e1 = new QLineEdit(this);
    e1->setObjectName(QStringLiteral("e1"));
    e1->setReadOnly(true);
    e1->setGeometry(8, 460, 564, 26);

    Button1 = new QPushButton(QStringLiteral("<<< Vissza"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(8, 498, 130, 32);
    megnyitas = new QPushButton(QStringLiteral("Megnyitás"), this);
    megnyitas->setObjectName(QStringLiteral("megnyitas"));
    megnyitas->setGeometry(442, 498, 130, 32);
    megnyitas->setEnabled(false);
    // Enter is routed by the event filter, never to a default button.
    for (QPushButton *b : {Button1, megnyitas})
        b->setAutoDefault(false);

    setTabOrder(filelistbox, FilterComboBox1);
    setTabOrder(FilterComboBox1, DirectoryListBox1);
    setTabOrder(DirectoryListBox1, DriveComboBox1);
    setTabOrder(DriveComboBox1, megnyitas);
    setTabOrder(megnyitas, Button1);

    for (QWidget *w : std::initializer_list<QWidget *>{DriveComboBox1, DirectoryListBox1,
                                                       filelistbox, FilterComboBox1, megnyitas,
                                                       Button1, e1})
        w->installEventFilter(this);

    connect(browser_, &DirectoryBrowser::fileClicked, this, &TKereses::pick);
    connect(browser_, &DirectoryBrowser::fileActivated, this, [this](const QString &path) {
        pick(path);
        openPicked();
    });
    connect(browser_, &DirectoryBrowser::directoryClicked, this, &TKereses::clearPick);
    connect(browser_, &DirectoryBrowser::directoryChanged, this, &TKereses::clearPick);
    connect(megnyitas, &QPushButton::clicked, this, &TKereses::megnyitasClick);
    connect(Button1, &QPushButton::clicked, this, &TKereses::Button1Click);
    setEditorModel(model);
}

// "Megnyitás" is off while the editor reads a file, and otherwise on while
// a file is picked.
void TKereses::setEditorModel(EditorModel *model)
{
    if (model_)
        disconnect(model_, &EditorModel::controlChanged, this, nullptr);
    model_ = model;
    if (!model_)
        return;
    connect(model_, &EditorModel::controlChanged, this, [this](Ctl name) {
        if (name == Ctl::megnyitas)
            megnyitas->setEnabled(model_->isEnabled(name) && !e1->text().isEmpty());
    });
}

EditorModel *TKereses::editorModel() const
{
    return model_;
}

void TKereses::openForEditor(bool second, bool modal)
{
    textTarget = second ? Target::second : Target::main;
    openPurpose = OpenPurpose::subtitle;
    secondOpen = second;
    if (modal) {
        showModal(this);
        return;
    }
    editorReady = false;
    showWithoutBlocking(this);
}

void TKereses::openForTranslation(const QString &purpose)
{
    openPurpose = purpose;
    secondOpen = false;
    showModal(this);
}

void TKereses::setTranslationPaths(const QString &source, const QString &translated)
{
    source_ = source;
    translated_ = translated;
}

void TKereses::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        activate();
}

void TKereses::activate()
{
    centre(this);
    clearPick();
    openResult = OpenResult::open;
    replacedFileGlobals_ = false;
    QString filter = QStringLiteral("Feliratok (*.srt,*.sub)|*.srt;*.sub");
    if (secondOpen) {
        const EditorModel *m = editorModel();
        const bool frame = m && m->timeBase() == TimeBase::frame;
        filter = frame ? QStringLiteral("Feliratok (*.sub)|*.sub")
                       : QStringLiteral("Feliratok (*.srt)|*.srt");
    }
    browser_->setFilter(filter);
    browser_->setDirectory(lastDirectory);
    filelistbox->setFocus();
}

// Coming back into view (another window covered it or had the focus) drops
// the pick: it is valid only while the dialog stays in front. Repaints for
// any other reason keep it, so the dialog stays usable.
bool TKereses::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && isVisible())
        reexposed();
    return QDialog::event(event);
}

void TKereses::reexposed()
{
    clearPick();
    browser_->refresh();
    // No file may look picked while the name field is empty.
    filelistbox->setCurrentRow(-1);
}

void TKereses::clearPick()
{
    e1->clear();
    megnyitas->setEnabled(false);
}

void TKereses::pick(const QString &path)
{
    pickedDirectory = browser_->directory();
    pickedPath = path;
    const qsizetype cut = pickedDirectory.endsWith(u'/') ? pickedDirectory.size()
                                                         : pickedDirectory.size() + 1;
    pickedFileName = pickedPath.mid(cut);
    e1->setText(pickedFileName);
    megnyitas->setEnabled(!e1->text().isEmpty() && (!model_ || model_->isEnabled(Ctl::megnyitas)));
}

void TKereses::megnyitasClick()
{
    openPicked();
}

void TKereses::Button1Click()
{
    openResult = OpenResult::back;
    reject();
}

void TKereses::openPicked()
{
    // A pick dropped by a re-exposure leaves every file global alone: the
    // editor's current file must not change to a file that was not opened.
    if (e1->text().isEmpty())
        return;
    savedLastDirectory = lastDirectory;
    lastDirectory = pickedDirectory;
    savedSubtitleFileName = subtitleFileName;
    subtitleFileName = pickedFileName;
    savedSubtitlePath = subtitlePath;
    subtitlePath = pickedPath;
    replacedFileGlobals_ = true;

    if (openPurpose == OpenPurpose::subtitle) {
        if (EditorModel *m = editorModel())
            prepareEditor(*m, !secondOpen, e1->text());
        displayLock = false;
        openResult = OpenResult::chosen;
        accept();
    } else if (openPurpose == OpenPurpose::translationSource
               || openPurpose == OpenPurpose::workspaceSource) {
        acceptTranslation(translated_, source_,
                          QStringLiteral("Ezt a feliratot már betöltötte a \"Fordított felirat\"-hoz!"));
    } else if (openPurpose == OpenPurpose::translationTarget) {
        acceptTranslation(source_, translated_,
                          QStringLiteral("Ezt a feliratot már betöltötte az \"Eredeti felirat\"-hoz!"));
    } else if (openPurpose == OpenPurpose::workspaceTarget) {
        acceptTranslation(source_, translated_,
                          QStringLiteral("Ezt a feliratot már betöltötte a \"Eredeti felirat\"-hoz!"));
    }
}

void TKereses::acceptTranslation(const QString &otherSide, QString &ownSide,
                                 const QString &duplicateLine)
{
    if (otherSide == subtitlePath) {
        showMessageBox(QStringLiteral("Duplikáció"), QStringLiteral("info"), duplicateLine, false,
                       false, true);
        return;
    }
    ownSide = subtitlePath;
    const QString purpose = openPurpose;
    const QString path = subtitlePath;
    accept();
    if (translationHandler_)
        translationHandler_(purpose, path);
}

void TKereses::done(int result)
{
    QDialog::done(result);
    if (openResult == OpenResult::chosen) {
        if (EditorModel *m = editorModel())
            readIntoEditor(*m);
    }
    // A second subtitle never becomes the current file.
    if (secondOpen && replacedFileGlobals_) {
        lastDirectory = savedLastDirectory;
        subtitleFileName = savedSubtitleFileName;
        subtitlePath = savedSubtitlePath;
    }
    replacedFileGlobals_ = false;
    secondOpen = false;
}

bool TKereses::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key == Qt::Key_Escape) {
        reject();
        return true;
    }
    if (!isEnter(key))
        return QDialog::eventFilter(watched, event);
    if (watched == Button1) {
        Button1->click();
        return true;
    }
    if (megnyitas->isEnabled() && watched != e1) {
        openPicked();
        return true;
    }
    // Without a pick, Enter in the directory list opens the directory.
    return watched != DirectoryListBox1;
}
