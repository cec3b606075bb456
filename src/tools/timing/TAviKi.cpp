#include "tools/timing/TAviKi.h"

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

#include "tools/timing/FpsConversion.h"
#include "ui/DirectoryBrowser.h"

TAviKi::TAviKi(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("AviKi"));
    setWindowTitle(QStringLiteral("Fps érték kinyerése Avi file-ból"));
    setFixedSize(613, 322);

    browser_ = new DirectoryBrowser(this);
    FileListBox1 = browser_->fileList();
    DirectoryListBox1 = browser_->directoryList();
    DriveComboBox1 = browser_->driveBox();
    FilterComboBox1 = browser_->filterBox();
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    FilterComboBox1->setObjectName(QStringLiteral("FilterComboBox1"));
    FileListBox1->setGeometry(8, 8, 294, 200);
    FilterComboBox1->setGeometry(8, 214, 294, 24);
    DirectoryListBox1->setGeometry(311, 8, 294, 200);
    DriveComboBox1->setGeometry(311, 214, 294, 24);

    Efile = new QLineEdit(this);
    Efile->setObjectName(QStringLiteral("Efile"));
    Efile->setReadOnly(true);
    Efile->setGeometry(8, 246, 597, 24);

    Bvissza = new QPushButton(QStringLiteral("<<< Vissza"), this);
    Bvissza->setObjectName(QStringLiteral("Bvissza"));
    Bvissza->setGeometry(8, 280, 130, 32);
    Bmegnyitas = new QPushButton(QStringLiteral("FPS kinyerése"), this);
    Bmegnyitas->setObjectName(QStringLiteral("Bmegnyitas"));
    Bmegnyitas->setGeometry(475, 280, 130, 32);
    BopenFilm = new QPushButton(QStringLiteral("Film megnyitása"), this);
    BopenFilm->setObjectName(QStringLiteral("BopenFilm"));
    BopenFilm->setGeometry(475, 280, 130, 32);

    browser_->setFilter(QStringLiteral("Feliratok (*.avi,*.dat)|*.avi;*.dat"));
    for (QWidget *w : findChildren<QWidget *>())
        w->installEventFilter(this);

    connect(browser_, &DirectoryBrowser::fileClicked, this, &TAviKi::pick);
    connect(browser_, &DirectoryBrowser::fileActivated, this, [this](const QString &path) {
        pick(path);
        if (mode_ == fpsMode)
            BmegnyitasClick();
        else
            BopenFilmClick();
    });
    connect(BopenFilm, &QPushButton::clicked, this, &TAviKi::BopenFilmClick);
    connect(Bmegnyitas, &QPushButton::clicked, this, &TAviKi::BmegnyitasClick);
    connect(Bvissza, &QPushButton::clicked, this, &QDialog::reject);
}

void TAviKi::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
    formActivate();
}

void TAviKi::formActivate()
{
    browser_->refresh();
    Efile->clear();
    picked_.clear();
    Bmegnyitas->setEnabled(false);
    BopenFilm->setEnabled(false);
    const bool fps = mode_ == fpsMode;
    setWindowTitle(fps ? QStringLiteral("Fps érték kinyerése Avi file-ból")
                       : QStringLiteral("Film megnyitása"));
    Bmegnyitas->setVisible(fps);
    BopenFilm->setVisible(!fps);
    FileListBox1->setFocus();
}

void TAviKi::pick(const QString &path)
{
    picked_ = path;
    Efile->setText(path.mid(path.lastIndexOf(u'/') + 1));
    Bmegnyitas->setEnabled(true);
    BopenFilm->setEnabled(!path.isEmpty());
}

void TAviKi::clearChoice()
{
    picked_.clear();
    Efile->clear();
    Bmegnyitas->setEnabled(false);
    BopenFilm->setEnabled(false);
}

void TAviKi::BopenFilmClick()
{
    if (picked_.isEmpty() || !filmOpener)
        return;
    if (filmOpener(picked_))
        accept();
}

bool TAviKi::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TAviKi::BmegnyitasClick()
{
    if (picked_.isEmpty() || !fpsBox_)
        return;
    Bmegnyitas->setEnabled(false);
    QCoreApplication::processEvents();
    QStringList items;
    for (int i = 0; i < fpsBox_->count(); ++i)
        items.append(fpsBox_->itemText(i));
    QString current = fpsBox_->currentText();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool taken = extractAviFps(picked_, items, current);
    QApplication::restoreOverrideCursor();
    Bmegnyitas->setEnabled(true);
    if (!taken)
        return;
    for (int i = fpsBox_->count(); i < items.size(); ++i)
        fpsBox_->addItem(items[i]);
    fpsBox_->setCurrentText(current);
    accept();
}
