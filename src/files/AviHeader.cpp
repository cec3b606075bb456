#include "files/AviHeader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cstring>

namespace {

// The header list of a real file is a few kilobytes; anything claiming more
// than this is not read.
constexpr qint64 maxHeaderList = 1 << 20;
// Chunks skipped before the header list (JUNK and the like).
constexpr int maxChunksBefore = 64;

quint32 le32(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return quint32(u[0]) | quint32(u[1]) << 8 | quint32(u[2]) << 16 | quint32(u[3]) << 24;
}

bool isTag(const char *p, const char *tag)
{
    return std::memcmp(p, tag, 4) == 0;
}

// Walks the chunks of the header list [begin, end): the main header and the
// stream lists. Every size is checked against the bytes left.
bool parseHeaderList(const char *begin, const char *end, AviRate *out)
{
    quint32 microSecPerFrame = 0;
    bool haveMain = false;
    const char *p = begin;
    while (end - p >= 8) {
        const quint32 size = le32(p + 4);
        const char *body = p + 8;
        if (size > quint64(end - body))
            return false;
        if (isTag(p, "avih") && size >= 4) {
            microSecPerFrame = le32(body);
            haveMain = true;
        } else if (isTag(p, "LIST") && size >= 4 && isTag(body, "strl")) {
            // strh comes first in a stream list: type at 0, scale at 20, rate at 24
            const char *q = body + 4;
            const char *listEnd = body + size;
            if (listEnd - q >= 8 && isTag(q, "strh")) {
                const quint32 hsize = le32(q + 4);
                if (hsize > quint64(listEnd - q - 8))
                    return false;
                if (hsize >= 28 && isTag(q + 8, "vids")) {
                    out->scale = le32(q + 8 + 20);
                    out->rate = le32(q + 8 + 24);
                    if (out->scale != 0 && out->rate != 0)
                        return true;
                }
            }
        }
        if (quint64(size) + (size & 1) >= quint64(end - body))
            break;
        p = body + size + (size & 1);
    }
    if (!haveMain)
        return false;
    out->scale = microSecPerFrame;
    out->rate = microSecPerFrame ? 1000000 : 0;
    return true;
}

RiffAviLibrary &ownLibrary()
{
    static RiffAviLibrary library;
    return library;
}

AviFileLibrary *installed = nullptr;

}  // namespace

bool parseAviHeaders(const QByteArray &bytes, AviRate *rate)
{
    *rate = AviRate{};
    const char *p = bytes.constData();
    const char *end = p + bytes.size();
    if (end - p < 12 || !isTag(p, "RIFF") || !isTag(p + 8, "AVI "))
        return false;
    p += 12;
    for (int i = 0; i < maxChunksBefore && end - p >= 12; ++i) {
        const quint32 size = le32(p + 4);
        if (isTag(p, "LIST") && isTag(p + 8, "hdrl")) {
            if (size < 4 || size > quint64(end - p - 8))
                return false;
            AviRate found;
            if (!parseHeaderList(p + 12, p + 8 + size, &found))
                return false;
            *rate = found;
            return true;
        }
        if (quint64(size) + (size & 1) >= quint64(end - p - 8))
            return false;
        p += 8 + size + (size & 1);
    }
    return false;
}

bool RiffAviLibrary::open(const QString &path)
{
    rate_ = AviRate{};
    // Without waiting: a pipe or a device opened for reading could block
    // for ever. Only an ordinary file is an AVI file.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    // Chunks before the header list are skipped by seeking, the header list
    // itself is the only part read in full.
    char head[12];
    if (file.read(head, 12) != 12 || !isTag(head, "RIFF") || !isTag(head + 8, "AVI "))
        return false;
    for (int i = 0; i < maxChunksBefore; ++i) {
        char chunk[12];
        const qint64 at = file.pos();
        const qint64 got = file.read(chunk, 12);
        if (got < 8)
            return false;
        const quint32 size = le32(chunk + 4);
        if (got == 12 && isTag(chunk, "LIST") && isTag(chunk + 8, "hdrl")) {
            if (size < 4 || size > maxHeaderList)
                return false;
            QByteArray bytes(head, 12);
            bytes.append(chunk, 12);
            bytes.append(file.read(size - 4));
            return parseAviHeaders(bytes, &rate_);
        }
        const qint64 next = at + 8 + qint64(size) + (size & 1);
        if (next > file.size() || !file.seek(next))
            return false;
    }
    return false;
}

AviFileLibrary &aviFileLibrary()
{
    return installed ? *installed : ownLibrary();
}

AviFileLibrary *installAviFileLibrary(AviFileLibrary *library)
{
    AviFileLibrary *previous = installed;
    installed = library;
    return previous;
}
