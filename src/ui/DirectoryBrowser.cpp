#include "ui/DirectoryBrowser.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QListWidget>
#include <QStyle>

QString joinPath(const QString &dir, const QString &name)
{
    return dir.endsWith(u'/') ? dir + name : dir + u'/' + name;
}

namespace {

QString normalised(const QString &dir)
{
    QString d = QDir::cleanPath(QDir::fromNativeSeparators(dir));
    if (d.isEmpty())
        return d;
    return QFileInfo(d).absoluteFilePath();
}

QStringList itemTexts(const QListWidget *list)
{
    QStringList out;
    out.reserve(list->count());
    for (int i = 0; i < list->count(); ++i)
        out.append(list->item(i)->text());
    return out;
}

}  // namespace

DirectoryBrowser::DirectoryBrowser(QWidget *window)
    : QObject(window),
      drives_(new QComboBox(window)),
      directories_(new QListWidget(window)),
      files_(new QListWidget(window)),
      filters_(new QComboBox(window))
{
    directories_->setUniformItemSizes(true);
    directories_->setIconSize(QSize(16, 16));
    files_->setUniformItemSizes(true);
    directories_->installEventFilter(this);

    connect(drives_, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < driveList_.size()) {
            setDirectory(driveList_[index].rootPath);
            emit directoryChanged(directory_);
        }
    });
    connect(directories_, &QListWidget::itemClicked, this, [this] { emit directoryClicked(); });
    // Selection follows the keys; a view only taking the focus sets its
    // current entry without selecting it, and that picks nothing.
    connect(directories_, &QListWidget::itemSelectionChanged, this, [this] {
        if (!filling_ && !directories_->selectedItems().isEmpty())
            emit directoryClicked();
    });
    connect(directories_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { enterDirectory(item); });
    connect(files_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { emit fileClicked(pathOf(item->text())); });
    connect(files_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem *> selected = files_->selectedItems();
        if (!filling_ && !selected.isEmpty())
            emit fileClicked(pathOf(selected.first()->text()));
    });
    connect(files_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { emit fileActivated(pathOf(item->text())); });
    connect(filters_, &QComboBox::currentIndexChanged, this, [this](int) {
        if (!filling_)
            fillFiles();
    });

    setDrives(availableDrives());
}

void DirectoryBrowser::setDrives(const QList<MountedVolume> &drives)
{
    driveList_ = drives;
    fillDrives();
}

void DirectoryBrowser::fillDrives()
{
    filling_ = true;
    drives_->clear();
    for (const MountedVolume &d : driveList_) {
        const bool named = !d.name.isEmpty() && d.name != d.rootPath;
        drives_->addItem(named ? d.rootPath + QStringLiteral(" [") + d.name + u']' : d.rootPath);
    }
    filling_ = false;
    selectDrive();
}

void DirectoryBrowser::selectDrive()
{
    filling_ = true;
    drives_->setCurrentIndex(driveIndexFor(driveList_, directory_));
    filling_ = false;
}

void DirectoryBrowser::setDirectory(const QString &dir)
{
    QString d = normalised(dir);
    while (!d.isEmpty() && !QFileInfo(d).isDir()) {
        const QString up = QFileInfo(d).path();
        d = up == d ? QString() : up;
    }
    if (d.isEmpty())
        d = QDir::homePath();
    directory_ = d;
    selectDrive();
    fillDirectories();
    fillFiles();
}

void DirectoryBrowser::refresh()
{
    if (directory_.isEmpty() || !QFileInfo(directory_).isDir()) {
        setDirectory(directory_);
        return;
    }
    fillDirectories();
    fillFiles();
}

void DirectoryBrowser::enterDirectory(QListWidgetItem *item)
{
    if (!item)
        return;
    setDirectory(item->data(Qt::UserRole).toString());
    emit directoryChanged(directory_);
}

bool DirectoryBrowser::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == directories_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            enterDirectory(directories_->currentItem());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

// The path from the root down to the directory, each level indented, then
// the directory's subdirectories one level deeper.
void DirectoryBrowser::fillDirectories()
{
    QStringList levels;
    for (QString d = directory_;;) {
        levels.prepend(d);
        const QString up = QFileInfo(d).path();
        if (up == d || d == QLatin1String("/"))
            break;
        d = up;
    }
    const QStringList children =
        QDir(directory_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);

    QStringList texts;
    QStringList paths;
    for (int i = 0; i < levels.size(); ++i) {
        const QString name = i == 0 ? levels[i] : QFileInfo(levels[i]).fileName();
        texts.append(QString(i * 2, u' ') + name);
        paths.append(levels[i]);
    }
    for (const QString &c : children) {
        texts.append(QString(levels.size() * 2, u' ') + c);
        paths.append(joinPath(directory_, c));
    }
    if (texts == itemTexts(directories_)
        && directories_->item(levels.size() - 1)->data(Qt::UserRole).toString() == directory_)
        return;

    filling_ = true;
    directories_->clear();
    const QIcon open = QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = QApplication::style()->standardIcon(QStyle::SP_DirIcon);
    for (int i = 0; i < texts.size(); ++i) {
        auto *item = new QListWidgetItem(i < levels.size() ? open : closed, texts[i], directories_);
        item->setData(Qt::UserRole, paths[i]);
    }
    directories_->setCurrentRow(int(levels.size()) - 1);
    filling_ = false;
}

void DirectoryBrowser::setFilter(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    filling_ = true;
    filters_->clear();
    masks_.clear();
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        filters_->addItem(parts[i]);
        masks_.append(parts[i + 1]);
    }
    filters_->setCurrentIndex(masks_.isEmpty() ? -1 : 0);
    filling_ = false;
    if (!directory_.isEmpty())
        fillFiles();
}

QString DirectoryBrowser::mask() const
{
    const int i = filters_->currentIndex();
    return i >= 0 && i < masks_.size() ? masks_[i] : QStringLiteral("*");
}

void DirectoryBrowser::fillFiles()
{
    QStringList patterns;
    for (const QString &p : mask().split(u';', Qt::SkipEmptyParts))
        patterns.append(p.trimmed());
    // Patterns match without regard to letter case, as on the disks the
    // program was made for.
    const QStringList names =
        QDir(directory_).entryList(patterns, QDir::Files, QDir::Name | QDir::IgnoreCase);
    if (names == itemTexts(files_))
        return;
    // A file still listed stays selected.
    const QString current = files_->currentItem() ? files_->currentItem()->text() : QString();
    filling_ = true;
    files_->clear();
    files_->addItems(names);
    if (const qsizetype row = names.indexOf(current); !current.isEmpty() && row >= 0)
        files_->setCurrentRow(int(row));
    filling_ = false;
}

QStringList DirectoryBrowser::fileNames() const
{
    return itemTexts(files_);
}

QString DirectoryBrowser::pathOf(const QString &fileName) const
{
    return joinPath(directory_, fileName);
}

bool DirectoryBrowser::clickFile(const QString &fileName)
{
    const QList<QListWidgetItem *> found = files_->findItems(fileName, Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    filling_ = true;
    files_->setCurrentItem(found.first());
    filling_ = false;
    emit fileClicked(pathOf(fileName));
    return true;
}
