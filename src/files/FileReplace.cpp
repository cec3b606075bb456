#include "files/FileReplace.h"

#include <QFile>
#include <cerrno>
#include <climits>
#include <cstring>
#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace {

FileWriteCall writeCall = ::pwrite;
BeforeReplaceHook beforeReplace = nullptr;

// The longest name a folder entry may have on the systems we run on.
constexpr qsizetype nameMax = NAME_MAX;
constexpr char tempLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr int tempSuffix = 6;

WriteFault faultOf(int error)
{
    switch (error) {
    case 0:
        return WriteFault::None;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return WriteFault::Protected;
    case ENOSPC:
    case EDQUOT:
        return WriteFault::NoSpace;
    case ENOENT:
    case ENOTDIR:
        return WriteFault::NoFolder;
    case ENAMETOOLONG:
        return WriteFault::NameTooLong;
    case EISDIR:
        return WriteFault::NotAFile;
    case ENOMEM:
        return WriteFault::NoMemory;
    default:
        return WriteFault::Other;
    }
}

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype at = 0;
    while (at < size) {
        const ssize_t n = writeCall(fd, data + at, size_t(size - at), off_t(at));
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0)
            errno = ENOSPC;
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

// ".NAME." with NAME cut (never inside a UTF-8 character) so that the
// random letters after it still fit the limit of a name.
QByteArray temporaryPrefix(const QByteArray &name)
{
    qsizetype keep = qMin(name.size(), nameMax - 2 - tempSuffix);
    while (keep > 0 && keep < name.size() && (uchar(name[keep]) & 0xC0) == 0x80)
        --keep;
    return '.' + name.left(keep) + '.';
}

QByteArray randomSuffix()
{
    unsigned char noise[tempSuffix];
    if (getrandom(noise, sizeof noise, 0) != ssize_t(sizeof noise)) {
        static unsigned counter = 0;
        const unsigned seed = unsigned(getpid()) * 2654435761u ^ unsigned(time(nullptr)) ^ ++counter;
        for (int i = 0; i < tempSuffix; ++i)
            noise[i] = (unsigned char)(seed >> (i * 5));
    }
    QByteArray out(tempSuffix, Qt::Uninitialized);
    for (int i = 0; i < tempSuffix; ++i)
        out[i] = tempLetters[noise[i] % (sizeof tempLetters - 1)];
    return out;
}

bool isOurTemporary(const char *entry, const QByteArray &prefix)
{
    const qsizetype length = qsizetype(strlen(entry));
    if (length != prefix.size() + tempSuffix || strncmp(entry, prefix.constData(), size_t(prefix.size())) != 0)
        return false;
    for (qsizetype i = prefix.size(); i < length; ++i)
        if (!strchr(tempLetters, entry[i]))
            return false;
    return true;
}

// Temporary files of a save of the same file that was killed: ours by
// their name and owner, and untouched for long enough that no save is
// still writing them.
void removeStaleTemporaries(const QByteArray &folder, const QByteArray &prefix)
{
    DIR *dir = opendir(folder.constData());
    if (!dir)
        return;
    const time_t now = time(nullptr);
    while (const dirent *e = readdir(dir)) {
        if (!isOurTemporary(e->d_name, prefix))
            continue;
        struct stat st;
        if (fstatat(dirfd(dir), e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode)
            || (geteuid() != 0 && st.st_uid != geteuid()) || now - st.st_mtime < staleTemporarySeconds)
            continue;
        (void)unlinkat(dirfd(dir), e->d_name, 0);
    }
    closedir(dir);
}

// Extended attributes (access lists among them) of the old file on the new
// one, as far as the process may set them.
void copyAttributes(const QByteArray &from, int to)
{
    const ssize_t size = listxattr(from.constData(), nullptr, 0);
    if (size <= 0)
        return;
    QByteArray names(size, Qt::Uninitialized);
    const ssize_t got = listxattr(from.constData(), names.data(), size_t(size));
    if (got <= 0)
        return;
    for (qsizetype at = 0; at < got;) {
        const char *name = names.constData() + at;
        at += qsizetype(strlen(name)) + 1;
        const ssize_t valueSize = getxattr(from.constData(), name, nullptr, 0);
        if (valueSize < 0)
            continue;
        QByteArray value(qMax<ssize_t>(valueSize, 1), Qt::Uninitialized);
        const ssize_t n = getxattr(from.constData(), name, value.data(), size_t(value.size()));
        if (n >= 0)
            (void)fsetxattr(to, name, value.constData(), size_t(n), 0);
    }
}

// One file of a save, from its check to its place.
struct Replacement {
    QByteArray target;
    QByteArray folder;
    QByteArray temporary;  // the name of the new bytes, once they have one
    struct stat old {};
    bool exists = false;
    bool swapped = false;   // the old file now has the temporary name
    bool placed = false;

    void discard()
    {
        if (!temporary.isEmpty())
            unlink(temporary.constData());
        temporary.clear();
    }
};

WriteFault check(const QString &path, Replacement &r)
{
    if (path.isEmpty())
        return WriteFault::NoFolder;
    r.target = followLinks(QFile::encodeName(path));
    r.exists = stat(r.target.constData(), &r.old) == 0;
    if (!r.exists && errno != ENOENT)
        return faultOf(errno);
    if (r.exists && !S_ISREG(r.old.st_mode))
        return WriteFault::NotAFile;
    if (r.exists && ((r.old.st_mode & 0222) == 0
                     || faccessat(AT_FDCWD, r.target.constData(), W_OK, AT_EACCESS) != 0))
        return WriteFault::Protected;
    r.folder = folderOf(r.target);
    const QByteArray name = r.target.mid(r.target.lastIndexOf('/') + 1);
    if (name.size() > nameMax)
        return WriteFault::NameTooLong;
    return WriteFault::None;
}

// Opens a new temporary file in the folder: unnamed where the system offers
// it (a save killed while writing then leaves nothing behind), else under
// a free name of ours. -1 with errno set when the folder takes none.
int openTemporary(Replacement &r, const QByteArray &prefix, bool unnamed)
{
    if (unnamed)
        return open(r.folder.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    for (int attempt = 0; attempt < 100; ++attempt) {
        r.temporary = r.folder + '/' + prefix + randomSuffix();
        const int fd = open(r.temporary.constData(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, 0600);
        if (fd >= 0)
            return fd;
        const int error = errno;
        r.temporary.clear();
        errno = error;
        if (error != EEXIST)
            break;
    }
    return -1;
}

// Gives an unnamed file a name of ours, so that it can take the old
// file's place.
bool nameTemporary(Replacement &r, const QByteArray &prefix, int fd)
{
    char self[64];
    std::snprintf(self, sizeof self, "/proc/self/fd/%d", fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        r.temporary = r.folder + '/' + prefix + randomSuffix();
        if (linkat(AT_FDCWD, self, AT_FDCWD, r.temporary.constData(), AT_SYMLINK_FOLLOW) == 0
            || (errno != EEXIST
                && linkat(fd, "", AT_FDCWD, r.temporary.constData(), AT_EMPTY_PATH) == 0))
            return true;
        const int error = errno;
        r.temporary.clear();
        errno = error;
        if (error != EEXIST)
            return false;
    }
    return false;
}

// The new bytes under a temporary name in the target's folder, with the
// old file's owner, mode and attributes, safely on the disk.
WriteFault writeTemporary(Replacement &r, const QByteArray &bytes)
{
    const QByteArray prefix = temporaryPrefix(r.target.mid(r.target.lastIndexOf('/') + 1));
    removeStaleTemporaries(r.folder, prefix);

    for (bool unnamed : {true, false}) {
        const int fd = openTemporary(r, prefix, unnamed);
        if (fd < 0) {
            const int error = errno;
            if (unnamed && (error == EOPNOTSUPP || error == EISDIR || error == EINVAL))
                continue;
            // The file may be written but the folder takes no new one.
            if ((error == EACCES || error == EPERM) && r.exists)
                return WriteFault::FolderLocked;
            return faultOf(error);
        }
        // Owner and mode after the bytes, since writing and changing the
        // owner both clear the set-user and set-group bits; the owner
        // before the mode, the access lists after it.
        int error = 0;
        if (!writeAll(fd, bytes))
            error = errno;
        if (!error && r.exists)
            (void)fchown(fd, r.old.st_uid, r.old.st_gid);
        if (!error && fchmod(fd, r.exists ? (r.old.st_mode & 07777) : newFileMode()) != 0)
            error = errno;
        if (!error && r.exists)
            copyAttributes(r.target, fd);
        if (!error && fsync(fd) != 0)
            error = errno;
        bool unlinkable = false;
        if (!error && unnamed && !nameTemporary(r, prefix, fd)) {
            error = errno ? errno : EIO;
            unlinkable = true;
        }
        if (close(fd) != 0 && !error)
            error = errno;
        if (!error)
            return WriteFault::None;
        r.discard();
        if (!unlinkable)
            return faultOf(error);
        // this system cannot name an unnamed file: once more with a name
    }
    return WriteFault::Other;
}

// The new file takes the old one's place; the old one keeps the temporary
// name until the whole save went through, so that it can come back.
WriteFault place(Replacement &r)
{
    if (r.exists && renameat2(AT_FDCWD, r.temporary.constData(), AT_FDCWD, r.target.constData(),
                              RENAME_EXCHANGE) == 0) {
        r.swapped = true;
        r.placed = true;
        return WriteFault::None;
    }
    if (rename(r.temporary.constData(), r.target.constData()) != 0)
        return faultOf(errno);
    r.temporary.clear();
    r.placed = true;
    return WriteFault::None;
}

void putBack(Replacement &r)
{
    if (!r.placed)
        return;
    if (r.swapped) {
        if (renameat2(AT_FDCWD, r.temporary.constData(), AT_FDCWD, r.target.constData(),
                      RENAME_EXCHANGE) == 0)
            r.swapped = false;
    } else if (!r.exists) {
        unlink(r.target.constData());
    }
    r.placed = false;
}

}  // namespace

FileWriteCall installFileWriteCall(FileWriteCall call)
{
    const FileWriteCall previous = writeCall;
    writeCall = call ? call : ::pwrite;
    return previous;
}

BeforeReplaceHook installBeforeReplaceHook(BeforeReplaceHook hook)
{
    const BeforeReplaceHook previous = beforeReplace;
    beforeReplace = hook;
    return previous;
}

int replaceFiles(std::span<const FileBytes> files, WriteFault *fault)
{
    WriteFault why = WriteFault::None;
    int failed = -1;
    std::vector<Replacement> parts(files.size());
    for (size_t i = 0; i < files.size() && failed < 0; ++i) {
        why = check(files[i].path, parts[i]);
        if (why == WriteFault::None)
            why = writeTemporary(parts[i], files[i].bytes);
        if (why != WriteFault::None)
            failed = int(i);
    }
    if (failed < 0 && beforeReplace)
        beforeReplace();
    for (size_t i = 0; i < files.size() && failed < 0; ++i) {
        why = place(parts[i]);
        if (why != WriteFault::None)
            failed = int(i);
    }
    if (failed >= 0) {
        for (Replacement &r : parts)
            putBack(r);
    }
    for (Replacement &r : parts) {
        // a swapped temporary holds the old file now, or the unused new one
        r.discard();
        if (failed < 0)
            syncFolder(r.folder);
    }
    if (fault)
        *fault = why;
    return failed;
}

bool replaceFile(const QString &path, const QByteArray &bytes, WriteFault *fault)
{
    const FileBytes one{path, bytes};
    return replaceFiles(std::span<const FileBytes>(&one, 1), fault) < 0;
}

QString writeFaultCause(WriteFault fault)
{
    switch (fault) {
    case WriteFault::None:
    case WriteFault::Protected:
        return QString();
    case WriteFault::FolderLocked:
        return QStringLiteral("A mappájában nem hozhatok létre új file-t, így a régit nem cserélhetem le biztonságosan.");
    case WriteFault::NoSpace:
        return QStringLiteral("Megtelt a lemez.");
    case WriteFault::NoFolder:
        return QStringLiteral("Nem létezik a mappa.");
    case WriteFault::NameTooLong:
        return QStringLiteral("Túl hosszú a file neve.");
    case WriteFault::NotAFile:
        return QStringLiteral("Ez nem közönséges file.");
    case WriteFault::NoMemory:
        return QStringLiteral("Nincs elég memória a mentéshez.");
    case WriteFault::TooLarge:
        return QStringLiteral("Túl nagy lenne a file, nem tudnám újra megnyitni.");
    case WriteFault::Other:
        return QStringLiteral("Hiba történt írás közben.");
    }
    return QString();
}

QString withWriteFault(const QString &second, WriteFault fault)
{
    const QString cause = writeFaultCause(fault);
    return cause.isEmpty() ? second : second + u' ' + cause;
}
