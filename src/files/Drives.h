#pragma once
#include <QList>
#include <QString>

// The disks the file dialogs offer: this machine's mounted volumes without
// optical and removable media (and without pseudo file systems). "/" is
// always offered.
struct MountedVolume {
    QString rootPath;        // mount point, "/" separated
    QString device;          // e.g. "/dev/sda1"
    QString fileSystemType;  // e.g. "ext4"
    QString name;            // volume label, may be empty
};

// Whether a volume belongs in the drive list. sysBlockRoot is where the
// kernel's block device directory is found ("/sys/class/block" on Linux);
// tests point it at a fixture.
bool isListedDrive(const MountedVolume &volume, const QString &sysBlockRoot);

// Keeps the listed volumes in the given order, drops repeated mount points
// and puts "/" first (adding it when missing).
QList<MountedVolume> listedDrives(const QList<MountedVolume> &volumes,
                                  const QString &sysBlockRoot);

// The drive list of this machine.
QList<MountedVolume> availableDrives();

// The listed drive whose mount point contains path (the longest match).
int driveIndexFor(const QList<MountedVolume> &drives, const QString &path);
