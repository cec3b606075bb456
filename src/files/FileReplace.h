#pragma once
#include <QByteArray>
#include <QString>
#include <sys/types.h>

// Puts bytes in the place of the file at path, or leaves that file exactly
// as it was: its bytes, its mode (set-user and set-group bits included) and,
// where the process may set them, its owner and group. Through a symbolic
// link the file the link points to is replaced and the link stays.
//
// The new bytes go to a temporary file beside the old one, which takes the
// old one's place once they are safely on the disk. Where the folder takes
// no new files, a file that may be written is overwritten in place, and the
// old bytes are put back when the new ones cannot all be written.
//
// A file without any write permission bit is refused, also for root: the
// user marked it as not to be changed.
bool replaceFile(const QString &path, const QByteArray &bytes);

// The call that writes bytes at an offset of an open file (pwrite by
// default). Tests put in one that fails part way, as a full disk does.
using FileWriteCall = ssize_t (*)(int fd, const void *data, size_t size, off_t offset);
FileWriteCall installFileWriteCall(FileWriteCall call);
