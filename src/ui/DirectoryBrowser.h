#pragma once
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include "files/Drives.h"

class QComboBox;
class QListWidget;
class QListWidgetItem;
class QWidget;

// The drive, directory, file and filter lists the file dialogs share. The
// four controls are children of the given window, which names and places
// them; this object keeps them in step. Paths are "/" separated.
class DirectoryBrowser : public QObject {
    Q_OBJECT
public:
    explicit DirectoryBrowser(QWidget *window);

    QComboBox *driveBox() const { return drives_; }
    QListWidget *directoryList() const { return directories_; }
    QListWidget *fileList() const { return files_; }
    QComboBox *filterBox() const { return filters_; }

    // The drives offered; availableDrives() unless a test sets others.
    void setDrives(const QList<MountedVolume> &drives);

    QString directory() const { return directory_; }
    // Opens the lists at dir, or at its nearest existing parent, or at the
    // home directory.
    void setDirectory(const QString &dir);
    // Rereads the directory; lists whose entries did not change are kept as
    // they are, selection included.
    void refresh();

    // Filter entries as pairs "description|mask", several joined by "|";
    // the first pair becomes current. A mask may hold several patterns
    // separated by ";".
    void setFilter(const QString &filter);
    QString mask() const;

    QStringList fileNames() const;
    QString pathOf(const QString &fileName) const;
    // Selects a listed file as a click would; false when it is not listed.
    bool clickFile(const QString &fileName);

signals:
    void fileClicked(const QString &path);    // picked with the mouse or the keys
    void fileActivated(const QString &path);  // double click
    void directoryClicked();                   // an entry of the directory list selected
    void directoryChanged(const QString &dir); // the lists now show dir

private:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void enterDirectory(QListWidgetItem *item);
    void fillDrives();
    void selectDrive();
    void fillDirectories();
    void fillFiles();

    QComboBox *drives_;
    QListWidget *directories_;
    QListWidget *files_;
    QComboBox *filters_;
    QList<MountedVolume> driveList_;
    QString directory_;
    QStringList masks_;
    bool filling_ = false;
};

// dir joined with name by one "/".
QString joinPath(const QString &dir, const QString &name);
