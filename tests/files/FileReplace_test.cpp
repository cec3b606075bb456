#include <gtest/gtest.h>
#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
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
    EXPECT_EQ(messages.lines(), QStringList{protectedMessage});
    EXPECT_TRUE(model.modified());
}

// In a folder that takes no new files the file is overwritten in place; a
// longer text that does not fit puts the old bytes back.
TEST_F(FileReplaceTest, FullDiskInALockedFolderPutsTheOldBytesBack)
{
    std::vector<RowData> rows(20, RowData{R1, "a fairly long line of subtitle text"});
    fillTable(model, rows);
    bool written;
    {
        const FullDisk disk(off_t(old.size()));
        written = saveInLockedFolder();
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(fileBytes(path("a.srt")), old);
    EXPECT_EQ(messages.lines(), QStringList{protectedMessage});

    // and with room on the disk the same save goes through
    messages.clear();
    EXPECT_TRUE(saveInLockedFolder());
    EXPECT_TRUE(fileBytes(path("a.srt")).endsWith("a fairly long line of subtitle text"));
    EXPECT_EQ(folderEntries(), QStringList{"a.srt"});
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

}  // namespace
