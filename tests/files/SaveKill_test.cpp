#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

#include "files/FileReplace.h"
#include "support/PrintQString.h"
#include "support/TestFiles.h"

// A save killed at any moment leaves the old file or the whole new one, and
// the two parts of a split are the old pair or the new pair: never a torn
// file, never a new part beside an old one. Each trial kills a child doing
// the save after a seeded random delay within the time a whole save takes.
namespace {

QByteArray subtitleOf(int entries, char letter)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(entries) * 44);
    for (int i = 1; i <= entries; ++i) {
        bytes += QByteArray::number(i);
        bytes += "\r\n00:00:01,000 --> 00:00:02,000\r\n";
        bytes += letter;
        bytes += "\r\n\r\n";
    }
    return bytes;
}

// Runs work in a child process; kills it after delay microseconds, or lets
// it end when delay is negative. Returns the child's wall time.
qint64 runChild(const std::function<void()> &work, qint64 delay)
{
    QElapsedTimer timer;
    timer.start();
    const pid_t pid = fork();
    if (pid == 0) {
        work();
        _exit(0);
    }
    if (delay >= 0) {
        usleep(useconds_t(delay));
        kill(pid, SIGKILL);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return timer.nsecsElapsed() / 1000;
}

class SaveKill : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        oldBytes = new QByteArray(subtitleOf(1000000, 'o'));
        newBytes = new QByteArray(subtitleOf(1000000, 'n'));
    }
    static void TearDownTestSuite()
    {
        delete oldBytes;
        delete newBytes;
    }
    QString path(const QString &name) const { return dir.filePath(name); }
    // Everything in the folder but the named files and the temporaries a
    // kill may leave (hidden, cleared by a later save).
    QStringList strays(const QStringList &names) const
    {
        QStringList out;
        for (const QString &e : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::Dirs
                                                            | QDir::NoDotAndDotDot))
            if (!names.contains(e) && !e.startsWith(u'.'))
                out.append(e);
        return out;
    }
    // Which of the two a file holds: 'o' old, 'n' new, '?' anything else.
    static char stateOf(const QString &file)
    {
        const QByteArray bytes = fileBytes(file);
        return bytes == *oldBytes ? 'o' : bytes == *newBytes ? 'n' : '?';
    }
    // Kills the save at moments spread over the time a whole one takes.
    void killTrials(const std::function<void()> &save, const std::function<void()> &reset,
                    const std::function<void(int)> &check, int trials, unsigned seed)
    {
        reset();
        const qint64 whole = runChild(save, -1);
        std::mt19937 random(seed);
        std::uniform_int_distribution<qint64> moment(0, whole + whole / 5);
        for (int trial = 0; trial < trials; ++trial) {
            reset();
            runChild(save, moment(random));
            check(trial);
        }
    }

    static QByteArray *oldBytes;
    static QByteArray *newBytes;
    QTemporaryDir dir;
};

QByteArray *SaveKill::oldBytes = nullptr;
QByteArray *SaveKill::newBytes = nullptr;

TEST_F(SaveKill, KilledSaveLeavesTheOldOrTheWholeNewFile)
{
    // the ordinary name and the longest one, whose temporary name is cut
    // (it used to be written over in place)
    const QString names[] = {QStringLiteral("film.srt"), QString(251, u'f') + QStringLiteral(".srt")};
    const int trials[] = {4, 4};
    unsigned seed = 34;
    int which = 0;
    for (const QString &name : names) {
        const QString file = path(name);
        killTrials([&] { replaceFile(file, *newBytes); },
                   [&] { putFile(file, *oldBytes); },
                   [&](int trial) {
                       const char state = stateOf(file);
                       EXPECT_NE(state, '?') << "trial " << trial << " of " << name.size();
                       EXPECT_EQ(strays({names[0], names[1]}), QStringList()) << trial;
                   },
                   trials[which++], seed++);
    }
}

TEST_F(SaveKill, KilledSplitLeavesTheOldOrTheNewPair)
{
    const QString cd1 = path(QStringLiteral("film cd1.srt"));
    const QString cd2 = path(QStringLiteral("film cd2.srt"));
    const FileBytes parts[] = {{cd1, *newBytes}, {cd2, *newBytes}};
    killTrials([&] { replaceFiles(parts); },
               [&] {
                   putFile(cd1, *oldBytes);
                   putFile(cd2, *oldBytes);
               },
               [&](int trial) {
                   const char first = stateOf(cd1);
                   const char second = stateOf(cd2);
                   EXPECT_NE(first, '?') << trial;
                   EXPECT_EQ(first, second) << trial;
               },
               5, 3434);
}

}  // namespace
