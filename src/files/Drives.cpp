#include "files/Drives.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>

namespace {

bool isOptical(const MountedVolume &v)
{
    const QString fs = v.fileSystemType.toLower();
    return fs == QLatin1String("iso9660") || fs == QLatin1String("udf")
           || v.device.startsWith(QLatin1String("/dev/sr"));
}

// Mounts that are not disks a user keeps subtitles on.
bool isPseudo(const MountedVolume &v)
{
    static const QSet<QString> pseudo = {
        QStringLiteral("proc"),       QStringLiteral("sysfs"),    QStringLiteral("tmpfs"),
        QStringLiteral("devtmpfs"),   QStringLiteral("devpts"),   QStringLiteral("overlay"),
        QStringLiteral("cgroup"),     QStringLiteral("cgroup2"),  QStringLiteral("mqueue"),
        QStringLiteral("debugfs"),    QStringLiteral("tracefs"),  QStringLiteral("securityfs"),
        QStringLiteral("pstore"),     QStringLiteral("bpf"),      QStringLiteral("autofs"),
        QStringLiteral("hugetlbfs"),  QStringLiteral("fusectl"),  QStringLiteral("configfs"),
        QStringLiteral("binfmt_misc"), QStringLiteral("nsfs"),    QStringLiteral("ramfs"),
        QStringLiteral("efivarfs"),   QStringLiteral("squashfs"), QStringLiteral("rpc_pipefs"),
        QStringLiteral("nfsd"),       QStringLiteral("devfs"),    QStringLiteral("fuse.gvfsd-fuse"),
        QStringLiteral("fuse.portal"),
    };
    return pseudo.contains(v.fileSystemType.toLower());
}

// A partition has no "removable" file of its own; its disk (the parent
// directory in sysfs) has.
bool isRemovable(const QString &device, const QString &sysBlockRoot)
{
    if (!device.startsWith(QLatin1String("/dev/")))
        return false;
    const QString name = device.mid(5);
    if (name.isEmpty() || name.contains(u'/'))
        return false;
    const QString entry = sysBlockRoot + u'/' + name;
    QString flag = entry + QStringLiteral("/removable");
    if (!QFileInfo::exists(flag)) {
        const QString real = QFileInfo(entry).canonicalFilePath();
        if (real.isEmpty())
            return false;
        flag = QFileInfo(real).path() + QStringLiteral("/removable");
    }
    QFile f(flag);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    return f.readAll().trimmed() == "1";
}

}  // namespace

bool isListedDrive(const MountedVolume &volume, const QString &sysBlockRoot)
{
    if (volume.rootPath == QLatin1String("/"))
        return true;
    if (isOptical(volume) || isPseudo(volume))
        return false;
    return !isRemovable(volume.device, sysBlockRoot);
}

QList<MountedVolume> listedDrives(const QList<MountedVolume> &volumes,
                                  const QString &sysBlockRoot)
{
    QList<MountedVolume> out;
    QSet<QString> seen;
    MountedVolume root{QStringLiteral("/"), QString(), QString(), QString()};
    for (const MountedVolume &v : volumes) {
        if (v.rootPath.isEmpty() || seen.contains(v.rootPath) || !isListedDrive(v, sysBlockRoot))
            continue;
        seen.insert(v.rootPath);
        if (v.rootPath == QLatin1String("/"))
            root = v;
        else
            out.append(v);
    }
    out.prepend(root);
    return out;
}

QList<MountedVolume> availableDrives()
{
    QList<MountedVolume> volumes;
    for (const QStorageInfo &s : QStorageInfo::mountedVolumes()) {
        if (!s.isValid() || !s.isReady())
            continue;
        volumes.append({QDir::fromNativeSeparators(s.rootPath()), QString::fromLocal8Bit(s.device()),
                        QString::fromLatin1(s.fileSystemType()), s.name()});
    }
    return listedDrives(volumes, QStringLiteral("/sys/class/block"));
}

int driveIndexFor(const QList<MountedVolume> &drives, const QString &path)
{
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < drives.size(); ++i) {
        const QString &root = drives[i].rootPath;
        const bool inside = root == QLatin1String("/") || path == root
                            || path.startsWith(root.endsWith(u'/') ? root : root + u'/');
        if (inside && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    return best;
}
