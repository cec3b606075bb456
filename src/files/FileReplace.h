#pragma once
#include <QByteArray>
#include <QString>
#include <span>
#include <sys/types.h>

// Puts bytes in the place of the file at path, or leaves that file exactly
// as it was: its bytes, its mode (set-user and set-group bits included),
// where the process may set them its owner, group and extended attributes
// (access lists among them). Through a symbolic link the file the link
// points to is replaced and the link stays. A hard link to the old file
// keeps the old bytes: the new file is a file of its own.
//
// The new bytes go to a temporary file in the same folder (unnamed where
// the system offers it, else a name that always fits), which takes the old
// one's place once they are safely on the disk. A folder that takes no new
// files is refused: overwriting the file itself could leave it torn.
//
// A file without any write permission bit is refused, also for root: the
// user marked it as not to be changed.

// Why a write failed, for the message that names the cause.
enum class WriteFault {
    None,
    Protected,     // the file or its folder may not be written
    FolderLocked,  // the file may be written, its folder takes no new file
    NoSpace,       // the disk (or the user's share of it) is full
    NoFolder,      // the folder does not exist
    NameTooLong,
    NotAFile,      // a folder, a pipe, a device...
    NoMemory,
    TooLarge,      // more than the program reads back
    Other,
};

bool replaceFile(const QString &path, const QByteArray &bytes, WriteFault *fault = nullptr);

struct FileBytes {
    QString path;
    QByteArray bytes;
};

// Several files that belong together: every one is written before any is
// replaced, and when one cannot take its place, the ones replaced before
// it get their old files back. Returns the index of the file that failed
// (-1: all replaced).
int replaceFiles(std::span<const FileBytes> files, WriteFault *fault = nullptr);

// The cause in the program's words, to stand after the message's own
// second line; empty where "Írásvédett" already says it.
QString writeFaultCause(WriteFault fault);
// second, with the cause after it when there is one.
QString withWriteFault(const QString &second, WriteFault fault);

// The call that writes bytes at an offset of an open file (pwrite by
// default). Tests put in one that fails part way, as a full disk does.
using FileWriteCall = ssize_t (*)(int fd, const void *data, size_t size, off_t offset);
FileWriteCall installFileWriteCall(FileWriteCall call);

// Called between writing the files of a save and putting them in place
// (tests use it to change the world at that moment); nullptr: nothing.
using BeforeReplaceHook = void (*)();
BeforeReplaceHook installBeforeReplaceHook(BeforeReplaceHook hook);

// How old a temporary file of ours must be (its last change) before a
// later save of the same file takes it for the rest of a killed save.
inline constexpr int staleTemporarySeconds = 10 * 60;
