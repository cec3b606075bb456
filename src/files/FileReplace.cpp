#include "files/FileReplace.h"

#include <QFile>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileWriteCall writeCall = ::pwrite;

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype at = 0;
    while (at < size) {
        const ssize_t n = writeCall(fd, data + at, size_t(size - at), off_t(at));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        at += n;
    }
    return true;
}

bool readAll(int fd, QByteArray *bytes)
{
    struct stat st;
    if (fstat(fd, &st) != 0)
        return false;
    bytes->resize(qsizetype(st.st_size));
    qsizetype at = 0;
    while (at < bytes->size()) {
        const ssize_t n = pread(fd, bytes->data() + at, size_t(bytes->size() - at), off_t(at));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        at += n;
    }
    return true;
}

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

// The file a path names once its symbolic links are followed, also when
// that file does not exist yet.
QByteArray followLinks(QByteArray path)
{
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st;
        if (lstat(path.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        char target[PATH_MAX];
        const ssize_t n = readlink(path.constData(), target, sizeof target);
        if (n <= 0 || n >= ssize_t(sizeof target))
            return path;
        QByteArray next(target, n);
        if (!next.startsWith('/') && path.contains('/'))
            next = folderOf(path) + '/' + next;
        path = next;
    }
    return path;  // a loop of links: opening it fails
}

mode_t newFileMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

void syncFolder(const QByteArray &folder)
{
    const int fd = open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)fsync(fd);
        close(fd);
    }
}

// The folder takes no new file: the file itself is overwritten, its old
// bytes kept until the new ones are down and put back when they are not.
bool overwriteInPlace(const QByteArray &target, const QByteArray &bytes)
{
    const int fd = open(target.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat before;
    QByteArray old;
    bool ok = fstat(fd, &before) == 0 && readAll(fd, &old);
    // Room for the longer file first, so a full disk refuses before a byte
    // of the old text is touched.
    if (ok && bytes.size() > old.size() && posix_fallocate(fd, 0, off_t(bytes.size())) != 0) {
        (void)ftruncate(fd, off_t(old.size()));
        ok = false;
    } else if (ok) {
        ok = writeAll(fd, bytes) && ftruncate(fd, off_t(bytes.size())) == 0 && fsync(fd) == 0;
        if (!ok) {
            (void)writeAll(fd, old);
            (void)ftruncate(fd, off_t(old.size()));
            (void)fsync(fd);
        }
        // writing cleared the set-user and set-group bits of an owner's file
        (void)fchmod(fd, before.st_mode & 07777);
    }
    return close(fd) == 0 && ok;
}

}  // namespace

FileWriteCall installFileWriteCall(FileWriteCall call)
{
    const FileWriteCall previous = writeCall;
    writeCall = call ? call : ::pwrite;
    return previous;
}

bool replaceFile(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty())
        return false;
    const QByteArray target = followLinks(QFile::encodeName(path));
    struct stat old;
    const bool exists = stat(target.constData(), &old) == 0;
    if (!exists && errno != ENOENT)
        return false;
    if (exists
        && (!S_ISREG(old.st_mode) || (old.st_mode & 0222) == 0
            || faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) != 0))
        return false;

    const QByteArray folder = folderOf(target);
    const QByteArray name = target.mid(target.lastIndexOf('/') + 1);
    QByteArray temporary = folder + "/." + name + ".XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return exists && overwriteInPlace(target, bytes);

    // Owner and mode after the bytes, since writing and changing the owner
    // both clear the set-user and set-group bits; the owner before the mode.
    bool ok = writeAll(fd, bytes);
    if (ok && exists)
        (void)fchown(fd, old.st_uid, old.st_gid);
    ok = ok && fchmod(fd, exists ? (old.st_mode & 07777) : newFileMode()) == 0;
    ok = ok && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temporary.constData(), target.constData()) == 0;
    if (!ok) {
        unlink(temporary.constData());
        return false;
    }
    syncFolder(folder);
    return true;
}
