#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "files/Drives.h"

namespace {

// A stand-in for the kernel's block device directory: sda (fixed disk with
// one partition), sdb (USB stick with one partition), mmcblk0 (card, no
// partition table).
class FakeSysBlock {
public:
    FakeSysBlock()
    {
        disk("sda", "0");
        disk("sdb", "1");
        disk("mmcblk0", "1");
        partition("sda", "sda1");
        partition("sdb", "sdb1");
    }
    QString root() const { return dir_.path() + QStringLiteral("/class"); }

private:
    void disk(const QString &name, const QByteArray &removable)
    {
        const QString devices = dir_.path() + QStringLiteral("/devices/");
        QDir().mkpath(devices + name);
        QDir().mkpath(root());
        QFile f(devices + name + QStringLiteral("/removable"));
        f.open(QIODevice::WriteOnly);
        f.write(removable + '\n');
        QFile::link(devices + name, root() + u'/' + name);
    }
    void partition(const QString &disk, const QString &name)
    {
        const QString path = dir_.path() + QStringLiteral("/devices/") + disk + u'/' + name;
        QDir().mkpath(path);
        QFile::link(path, root() + u'/' + name);
    }
    QTemporaryDir dir_;
};

MountedVolume volume(const char *root, const char *device, const char *fs)
{
    return {QString::fromLatin1(root), QString::fromLatin1(device), QString::fromLatin1(fs), {}};
}

}  // namespace

TEST(Drives, LeavesOutOpticalRemovableAndPseudoVolumes)
{
    FakeSysBlock sys;
    struct Case {
        MountedVolume volume;
        bool listed;
    } cases[] = {
        {volume("/", "overlay", "overlay"), true},  // the root stays whatever it is
        {volume("/data", "/dev/sda1", "ext4"), true},
        {volume("/media/stick", "/dev/sdb1", "vfat"), false},
        {volume("/media/card", "/dev/mmcblk0", "exfat"), false},
        {volume("/media/cdrom", "/dev/sr0", "auto"), false},
        {volume("/media/dvd", "/dev/loop3", "iso9660"), false},
        {volume("/media/bd", "/dev/loop4", "UDF"), false},
        {volume("/proc", "proc", "proc"), false},
        {volume("/run", "tmpfs", "tmpfs"), false},
        {volume("/srv", "server:/export", "nfs"), true},
        {volume("/unknown", "/dev/nvme9n1p1", "xfs"), true},  // no sysfs entry: a fixed disk
    };
    for (const Case &c : cases)
        EXPECT_EQ(isListedDrive(c.volume, sys.root()), c.listed) << c.volume.rootPath.toStdString();
}

TEST(Drives, RootComesFirstOnceAndIsAddedWhenMissing)
{
    FakeSysBlock sys;
    const QList<MountedVolume> listed = listedDrives(
        {volume("/data", "/dev/sda1", "ext4"), volume("/", "/dev/sda2", "ext4"),
         volume("/data", "/dev/sda1", "ext4"), volume("/media/stick", "/dev/sdb1", "vfat")},
        sys.root());
    ASSERT_EQ(listed.size(), 2);
    EXPECT_EQ(listed[0].rootPath, QStringLiteral("/"));
    EXPECT_EQ(listed[0].device, QStringLiteral("/dev/sda2"));
    EXPECT_EQ(listed[1].rootPath, QStringLiteral("/data"));

    const QList<MountedVolume> none = listedDrives({}, sys.root());
    ASSERT_EQ(none.size(), 1);
    EXPECT_EQ(none[0].rootPath, QStringLiteral("/"));
}

TEST(Drives, PathBelongsToTheDeepestMountPoint)
{
    const QList<MountedVolume> drives = {volume("/", "", ""), volume("/home", "", ""),
                                         volume("/home/user/films", "", "")};
    EXPECT_EQ(driveIndexFor(drives, QStringLiteral("/home/user/films/a")), 2);
    EXPECT_EQ(driveIndexFor(drives, QStringLiteral("/home/user")), 1);
    EXPECT_EQ(driveIndexFor(drives, QStringLiteral("/home")), 1);
    EXPECT_EQ(driveIndexFor(drives, QStringLiteral("/home2/x")), 0);
    EXPECT_EQ(driveIndexFor(drives, QStringLiteral("/tmp")), 0);
}

TEST(Drives, ThisMachineOffersTheRoot)
{
    const QList<MountedVolume> drives = availableDrives();
    ASSERT_FALSE(drives.isEmpty());
    EXPECT_EQ(drives[0].rootPath, QStringLiteral("/"));
}
