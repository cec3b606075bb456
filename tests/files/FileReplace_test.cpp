#include <gtest/gtest.h>
#include <algorithm>
#include <cerrno>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <fcntl.h>
#include <ctime>
#include <unistd.h>

#include "files/FileReplace.h"
#include "files/EditorSave.h"
#include "files/SubtitleWriter.h"
#include "files/SubtitleWriterFixture.h"

// Saving onto an existing file: whatever fails, the old file keeps its
// bytes; whatever succeeds, it keeps what the user set on it.
namespace {

const QString protectedMessage = QStringLiteral(
    "Írásvédett file!|hiba|Írásvédett a következő file: a.srt|A kért mentés nem sikerült!");

// A disk that holds `capacity` bytes of a file: a write past them stops
// there and the next one fails, as on a full disk.
off_t capacity = 0;
ssize_t fullDisk(int fd, const void *data, size_t size, off_t offset)
{
    if (offset >= capacity) {
        errno = ENOSPC;
        return -1;
    }
    return ::pwrite(fd, data, std::min<size_t>(size, size_t(capacity - offset)), offset);
}

struct FullDisk {
    explicit FullDisk(off_t bytes) : previous(installFileWriteCall(fullDisk)) { capacity = bytes; }
    ~FullDisk() { installFileWriteCall(previous); }
    FileWriteCall previous;
};

mode_t modeOf(const QString &path)
{
    struct stat st {};
    lstat(QFile::encodeName(path).constData(), &st);
    return st.st_mode;
}

class FileReplaceTest : public WriterFixture {
protected:
    const QByteArray old = "1\r\n" T1 "a subtitle of two hundred bytes or so, whose text the "
                           "user wrote and saved a long time ago|and never wants to lose";
    const QByteArray next = "1\r\n" T1 "x";

    void SetUp() override
    {
        WriterFixture::SetUp();
        putFile(path("a.srt"), old);
        fillTable(model, {{R1, "x"}});
        target(QStringLiteral("a.srt"));
        model.options.mentAt = false;
    }
    // Runs the save as an ordinary user also when the tests run as root
    // (who may write everywhere), in a folder that takes no new files.
    bool saveInLockedFolder()
    {
        const mode_t folder = modeOf(dir.path()) & 07777;
        chmod(QFile::encodeName(path("a.srt")).constData(), 0666);
        chmod(QFile::encodeName(dir.path()).constData(), 0555);
        const bool root = geteuid() == 0;
        if (root && seteuid(65534) != 0)
            ADD_FAILURE() << "cannot become an ordinary user";
        const bool written = writeTimeFile(model, QStringLiteral("1"));
        if (root)
            (void)seteuid(0);
        chmod(QFile::encodeName(dir.path()).constData(), folder);
        return written;
    }
    QStringList folderEntries() const
    {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }
};

TEST_F(FileReplaceTest, FullDiskKeepsTheOldFile)
{
    {
        const FullDisk disk(10);
        EXPECT_FALSE(writeTimeFile(model, QStringLiteral("1")));
    }
    EXPECT_EQ(fileBytes(path("a.srt")), old);
    EXPECT_EQ(folderEntries(), QStringList{"a.srt"});
    EXPECT_EQ(messages.lines(), QStringList{protectedMessage + " Megtelt a lemez."});
    EXPECT_TRUE(model.modified());
}

// Overwriting a file in place could leave it torn by a kill or a crash, so
// a folder that takes no new files refuses the save and says why.
TEST_F(FileReplaceTest, LockedFolderRefusesTheSaveAndSaysWhy)
{
    std::vector<RowData> rows(20, RowData{R1, "a fairly long line of subtitle text"});
    fillTable(model, rows);
    EXPECT_FALSE(saveInLockedFolder());
    EXPECT_EQ(fileBytes(path("a.srt")), old);
    EXPECT_EQ(folderEntries(), QStringList{"a.srt"});
    EXPECT_EQ(messages.lines(),
              QStringList{protectedMessage
                          + " A mappájában nem hozhatok létre új file-t, így a régit nem "
                            "cserélhetem le biztonságosan."});
    EXPECT_TRUE(model.modified());
}

TEST_F(FileReplaceTest, FileWithoutWriteBitsIsRefusedAlsoForRoot)
{
    ASSERT_EQ(chmod(QFile::encodeName(path("a.srt")).constData(), 0444), 0);
    EXPECT_FALSE(writeTimeFile(model, QStringLiteral("1")));
    EXPECT_EQ(fileBytes(path("a.srt")), old);
    EXPECT_EQ(modeOf(path("a.srt")) & 07777, mode_t(0444));
    EXPECT_EQ(messages.lines(), QStringList{protectedMessage});
    EXPECT_EQ(folderEntries(), QStringList{"a.srt"});
}

TEST_F(FileReplaceTest, ReplacedFileKeepsItsMode)
{
    for (mode_t mode : {mode_t(0640), mode_t(0604), mode_t(04755), mode_t(02775)}) {
        ASSERT_EQ(chmod(QFile::encodeName(path("a.srt")).constData(), mode), 0);
        // set-group is kept only where the owner is in the file's group
        const mode_t asSet = modeOf(path("a.srt")) & 07777;
        EXPECT_TRUE(writeTimeFile(model, QStringLiteral("1")));
        EXPECT_EQ(fileBytes(path("a.srt")), next);
        EXPECT_EQ(modeOf(path("a.srt")) & 07777, asSet) << std::oct << mode;
    }
    EXPECT_TRUE(messages.lines().isEmpty());
}

TEST_F(FileReplaceTest, ReplacedFileKeepsItsOwnerWhereThatMayBeSet)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root may give a file to another user";
    ASSERT_EQ(chown(QFile::encodeName(path("a.srt")).constData(), 65534, 65534), 0);
    EXPECT_TRUE(writeTimeFile(model, QStringLiteral("1")));
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(path("a.srt")).constData(), &st), 0);
    EXPECT_EQ(st.st_uid, uid_t(65534));
    EXPECT_EQ(st.st_gid, gid_t(65534));
}

TEST_F(FileReplaceTest, SavingThroughALinkWritesTheFileItPointsTo)
{
    QDir(dir.path()).mkdir(QStringLiteral("real"));
    ASSERT_TRUE(QFile::rename(path("a.srt"), path("real/a.srt")));
    ASSERT_EQ(symlink("real/a.srt", QFile::encodeName(path("a.srt")).constData()), 0);
    EXPECT_TRUE(writeTimeFile(model, QStringLiteral("1")));
    EXPECT_TRUE(S_ISLNK(modeOf(path("a.srt"))));
    EXPECT_EQ(fileBytes(path("real/a.srt")), next);
    EXPECT_EQ(QDir(path("real")).entryList(QDir::Files | QDir::Hidden), QStringList{"a.srt"});
}

TEST_F(FileReplaceTest, VanishedFolderIsAFailure)
{
    subtitlePath = path("gone/a.srt");
    EXPECT_FALSE(writeTimeFile(model, QStringLiteral("1")));
    EXPECT_FALSE(QFileInfo::exists(path("gone")));
    EXPECT_EQ(fileBytes(path("a.srt")), old);
}

// "Írásvédett file!" stays for every failed write; where the cause is
// another, the second line names it.
TEST_F(FileReplaceTest, FailedWriteNamesItsCause)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(path("pipe.srt")).constData(), 0644), 0);
    QDir(dir.path()).mkdir(QStringLiteral("folder.srt"));
    const QString longName = QString(252, u'n') + QStringLiteral(".srt");  // 256 bytes
    struct Case {
        QString name;
        QString path;
        const char *cause;
    } cases[] = {
        {"a.srt", path("gone/a.srt"), " Nem létezik a mappa."},
        {"pipe.srt", path("pipe.srt"), " Ez nem közönséges file."},
        {"folder.srt", path("folder.srt"), " Ez nem közönséges file."},
        {longName, path(longName), " Túl hosszú a file neve."},
    };
    for (const Case &c : cases) {
        messages.clear();
        subtitlePath = c.path;
        subtitleFileName = c.name;
        EXPECT_FALSE(writeTimeFile(model, QStringLiteral("1"))) << qPrintable(c.path);
        EXPECT_EQ(messages.lines(),
                  QStringList{"Írásvédett file!|hiba|Írásvédett a következő file: " + c.name
                              + "|A kért mentés nem sikerült!" + QString::fromUtf8(c.cause)});
    }
    messages.clear();
    target(QStringLiteral("a.srt"));
    {
        const FullDisk disk(10);
        EXPECT_FALSE(writeTimeFile(model, QStringLiteral("1")));
    }
    EXPECT_EQ(messages.lines(), QStringList{protectedMessage + " Megtelt a lemez."});
    EXPECT_EQ(fileBytes(path("a.srt")), old);
}

// A file larger than the readers take would not open again: not saved.
TEST_F(FileReplaceTest, FileTooLargeToOpenAgainIsNotSaved)
{
    largestSavedFile = next.size() - 1;
    EXPECT_FALSE(writeTimeFile(model, QStringLiteral("1")));
    EXPECT_TRUE(saveRefused);
    EXPECT_EQ(fileBytes(path("a.srt")), old);
    EXPECT_EQ(messages.lines(), QStringList{protectedMessage
                                            + " Túl nagy lenne a file, nem tudnám újra megnyitni."});
    largestSavedFile = next.size();
    messages.clear();
    EXPECT_TRUE(writeTimeFile(model, QStringLiteral("1")));
    EXPECT_EQ(fileBytes(path("a.srt")), next);
}

// The temporary name is ".NAME.XXXXXX" cut to fit, so a name of the longest
// length a folder takes is saved new and over an old file alike.
TEST_F(FileReplaceTest, LongestNamesAreSaved)
{
    for (const int bytes : {248, 255}) {
        // an accented letter where the longest name is cut for the
        // temporary one, so that the cut could fall inside it
        const int xs = qMin(246, bytes - 4 - 2);
        const QString name = QString(xs, u'x') + QStringLiteral("é")
                             + QString(bytes - 4 - 2 - xs, u'y') + QStringLiteral(".srt");
        ASSERT_EQ(QFile::encodeName(name).size(), bytes);
        subtitlePath = path(name);
        subtitleFileName = name;
        EXPECT_TRUE(writeTimeFile(model, QStringLiteral("1"))) << bytes;
        EXPECT_EQ(fileBytes(path(name)), next);
        putFile(path(name), old);
        EXPECT_TRUE(writeTimeFile(model, QStringLiteral("1"))) << bytes;
        EXPECT_EQ(fileBytes(path(name)), next);
        QFile::remove(path(name));
    }
    EXPECT_TRUE(messages.lines().isEmpty());
    EXPECT_EQ(folderEntries(), QStringList{"a.srt"});
}

// What a killed save left behind is cleared by the next save of that file
// once it is old enough; a fresh one may be another save's, and a name
// that only looks alike is the user's.
TEST_F(FileReplaceTest, StaleTemporariesOfAKilledSaveAreCleared)
{
    const QStringList ours{".a.srt.Ab3xYz", ".a.srt.QQQQQQ"};
    const QStringList kept{".a.srt.fresh1", ".a.srt.not-ours", ".b.srt.Ab3xYz", "a.srt.Ab3xYz"};
    for (const QString &name : ours + kept)
        putFile(path(name), "left over");
    const timespec hourAgo[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
    for (const QString &name : ours + QStringList{".b.srt.Ab3xYz", ".a.srt.not-ours", "a.srt.Ab3xYz"})
        ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(path(name)).constData(), hourAgo, 0), 0);
    EXPECT_TRUE(writeTimeFile(model, QStringLiteral("1")));
    QStringList expected = kept + QStringList{"a.srt"};
    expected.sort();
    QStringList entries = folderEntries();
    entries.sort();
    EXPECT_EQ(entries, expected);
}

TEST_F(FileReplaceTest, ExtendedAttributesAreKeptAndHardLinksKeepTheOldFile)
{
    const QByteArray file = QFile::encodeName(path("a.srt"));
    if (setxattr(file.constData(), "user.kelvo", "kept", 4, 0) != 0)
        GTEST_SKIP() << "this file system takes no user attributes";
    ASSERT_EQ(link(file.constData(), QFile::encodeName(path("b.srt")).constData()), 0);
    EXPECT_TRUE(writeTimeFile(model, QStringLiteral("1")));
    EXPECT_EQ(fileBytes(path("a.srt")), next);
    char value[16] = {};
    EXPECT_EQ(getxattr(file.constData(), "user.kelvo", value, sizeof value), 4);
    EXPECT_STREQ(value, "kept");
    // as the README says: the save makes a file of its own
    EXPECT_EQ(fileBytes(path("b.srt")), old);
}

// Files that belong together are all written before any is replaced; when
// one cannot take its place, the ones before it get their old files back.
TEST_F(FileReplaceTest, FilesThatBelongTogetherAreReplacedAllOrNone)
{
    putFile(path("b.srt"), "old b");
    const FileBytes both[] = {{path("a.srt"), "new a"}, {path("b.srt"), "new b"}};
    WriteFault fault = WriteFault::None;
    {
        // the disk fills while the second is written
        static int writes;
        writes = 0;
        const FileWriteCall previous = installFileWriteCall(
            [](int fd, const void *data, size_t size, off_t offset) -> ssize_t {
                if (++writes == 2) {
                    errno = ENOSPC;
                    return -1;
                }
                return ::pwrite(fd, data, size, offset);
            });
        EXPECT_EQ(replaceFiles(both, &fault), 1);
        installFileWriteCall(previous);
        EXPECT_EQ(fault, WriteFault::NoSpace);
    }
    EXPECT_EQ(fileBytes(path("a.srt")), old);
    EXPECT_EQ(fileBytes(path("b.srt")), "old b");

    // the second's new bytes vanish just before the files move, so it
    // cannot take its place: the first gets its old file back
    static QString folder;
    folder = dir.path();
    const BeforeReplaceHook previous = installBeforeReplaceHook([] {
        for (const QString &name : QDir(folder).entryList({".b.srt.*"}, QDir::Files | QDir::Hidden))
            QFile::remove(folder + u'/' + name);
    });
    EXPECT_EQ(replaceFiles(both, &fault), 1);
    installBeforeReplaceHook(previous);
    EXPECT_EQ(fileBytes(path("a.srt")), old);
    EXPECT_EQ(fileBytes(path("b.srt")), "old b");
    EXPECT_EQ(folderEntries(), (QStringList{"a.srt", "b.srt"}));

    EXPECT_EQ(replaceFiles(both, &fault), -1);
    EXPECT_EQ(fileBytes(path("a.srt")), "new a");
    EXPECT_EQ(fileBytes(path("b.srt")), "new b");
    EXPECT_EQ(folderEntries(), (QStringList{"a.srt", "b.srt"}));
}

// Out of memory while the file is rendered: the save is given up and said,
// the table and the old file stay. Runs in a child whose address space is
// capped a little above what it holds, so the render's buffer cannot be had.
TEST_F(FileReplaceTest, OutOfMemoryWhileRenderingIsSaid)
{
    // 40 million characters of file from texts that share one buffer
    SubtitleRow row = model.cds.rowAt(0);
    row.szoveg = QString(200, u'x');
    model.cds.appendRows(std::vector<SubtitleRow>(200000, row));
    const int rows = model.cds.recordCount();
    const pid_t pid = fork();
    if (pid == 0) {
        long pages = 0;
        if (FILE *statm = fopen("/proc/self/statm", "r")) {
            if (fscanf(statm, "%ld", &pages) != 1)
                pages = 0;
            fclose(statm);
        }
        const rlim_t cap = rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE)) + (rlim_t(16) << 20);
        const rlimit limit{cap, cap};
        if (pages == 0 || setrlimit(RLIMIT_AS, &limit) != 0)
            _exit(2);
        const bool written = writeTimeFile(model, QStringLiteral("1"));
        const bool said = messages.lines()
                          == QStringList{protectedMessage + " Nincs elég memória a mentéshez."};
        _exit(!written && said && model.cds.recordCount() == rows && model.modified() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status)) << "the save ended the program, signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(fileBytes(path("a.srt")), old);
}

}  // namespace
