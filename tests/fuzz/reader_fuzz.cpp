// Feeds mutated fixtures and random bytes through the reader, from memory,
// for both targets and with and without the CD offset, under the
// sanitizers, and checks that every stored field stays within its size.
// Every few files are also read from the disk in chunks, which must give
// the read from memory.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <random>
#include <vector>

#include "files/ByteLines.h"
#include "files/SubtitleReader.h"
#include "files/TextDecoding.h"

namespace {

std::mt19937 rng(20261210u);

int pick(int n)
{
    return int(rng() % unsigned(n));
}

std::vector<QByteArray> loadSeeds()
{
    std::vector<QByteArray> seeds;
    for (const char *folder : {"srt", "sub"}) {
        QDir dir(QStringLiteral(KELVO_TEST_DATA "/") + QLatin1String(folder));
        for (const QString &name : dir.entryList({"*.srt", "*.sub"}, QDir::Files)) {
            QFile f(dir.filePath(name));
            if (f.open(QIODevice::ReadOnly))
                seeds.push_back(f.readAll());
        }
    }
    return seeds;
}

QByteArray randomBytes(int size)
{
    QByteArray b(size, Qt::Uninitialized);
    for (char &c : b)
        c = char(rng());
    return b;
}

const char *const fragments[] = {
    "\r\n", "\n", "\r", " ", "  ", "|", "||", " -->", "-->", ":", ",", ".", "{", "}", "0", "9",
    "99", "00:00:75,000", "00:00:01.000 --> 00:00:02.000", "\r\n\r\n", "[br]", "\0", "\xFF\xFE",
    "\xEF\xBB\xBF", "\xC5\x91", "\xF5", "{y:i}", "00:00:01.00,00:00:02.50",
};

QByteArray mutate(QByteArray data, const std::vector<QByteArray> &seeds)
{
    const int rounds = 1 + pick(8);
    for (int r = 0; r < rounds; ++r) {
        const int size = int(data.size());
        const int at = size ? pick(size + 1) : 0;
        switch (pick(8)) {
        case 0:
            if (size)
                data[pick(size)] = char(rng());
            break;
        case 1: {
            const char *f = fragments[pick(int(std::size(fragments)))];
            data.insert(at, f[0] ? QByteArray(f) : QByteArray(1, '\0'));
            break;
        }
        case 2:
            if (size)
                data.remove(at, pick(qMax(1, size / 4)));
            break;
        case 3:  // repeat a slice, sometimes many times
            if (size) {
                const int len = 1 + pick(qMin(64, size - qMin(at, size - 1)));
                const QByteArray slice = data.mid(qMin(at, size - 1), len);
                data.insert(at, slice.repeated(1 + pick(pick(4) == 0 ? 400 : 4)));
            }
            break;
        case 4:
            data.truncate(at);
            break;
        case 5: {
            const QByteArray &other = seeds[size_t(pick(int(seeds.size())))];
            data = data.left(at) + other.mid(pick(int(other.size()) + 1));
            break;
        }
        case 6:
            data.insert(at, QByteArray(300 + pick(300), char('a' + pick(26))));
            break;
        default:
            data.insert(at, randomBytes(1 + pick(16)));
            break;
        }
    }
    return data;
}

int failures = 0;

void fault(int iteration, const char *what)
{
    std::fprintf(stderr, "iteration %d: %s\n", iteration, what);
    ++failures;
}

bool fits(const SubtitleRow &r)
{
    // texts are kept whole, however long
    return r.kezdes.size() <= 12 && r.befejezes.size() <= 12;
}

void check(const ReadResult &result, const ReadStart &start, bool second, int iteration)
{
    const ReadRows &rows = result.rows;
    if (second) {
        if (!rows.rows.empty() || rows.currentRewritten)
            fault(iteration, "a second read changed the rows");
        if (start.currentIndex + int(rows.secondTexts.size()) > start.rowCount)
            fault(iteration, "a second read wrote past the last row");
        return;
    }
    for (const SubtitleRow &r : rows.rows)
        if (!fits(r))
            fault(iteration, "a row holds a field beyond its size");
    if (rows.currentRewritten && !fits(rows.current))
        fault(iteration, "the rewritten row holds a field beyond its size");
    const int total = rows.recordCount();
    if (result.overThresholdCount < 0 || result.overThresholdCount > total
        || result.threeLineCount < 0 || result.threeLineCount > total)
        fault(iteration, "flag counts out of range");
    if (result.currentIndex >= total)
        fault(iteration, "the cursor is past the last row");
}

// Lines taken in chunks of any size are the lines of the bytes held whole.
void checkChunks(QByteArray data, int iteration)
{
    ByteLines whole(data.constData(), data.size());
    QBuffer device(&data);
    device.open(QIODevice::ReadOnly);
    ByteLines chunked(&device, data.size(), true, 1 + pick(40));
    while (!whole.atEnd()) {
        if (chunked.atEnd() || whole.next() != chunked.next()) {
            fault(iteration, "a chunked line differs from the line in memory");
            return;
        }
    }
    if (!chunked.atEnd() || chunked.failed())
        fault(iteration, "the chunked lines do not end with the bytes");
}

// The same bytes read from a file give the same read as from memory.
void checkFromFile(const QByteArray &data, const ReadOptions &options, const ReadStart &start,
                   const ReadResult &fromMemory, int iteration)
{
    static const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fuzz.srt"));
    {
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(data) != data.size())
            return;
    }
    QFile file(path);
    DecodedText text;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)
        || !prepareSubtitleFile(file, qint64(1) << 24, &text)) {
        fault(iteration, "a file could not be prepared");
        return;
    }
    const ReadResult fromFile = readSubtitle(text, options, start);
    bool same = !fromFile.unreadable && fromFile.type == fromMemory.type
                && fromFile.encoding == fromMemory.encoding
                && fromFile.stoppedEarly == fromMemory.stoppedEarly
                && fromFile.report.lines() == fromMemory.report.lines()
                && fromFile.rows.rows.size() == fromMemory.rows.rows.size();
    for (size_t i = 0; same && i < fromFile.rows.rows.size(); ++i) {
        const SubtitleRow &a = fromFile.rows.rows[i], &b = fromMemory.rows.rows[i];
        same = a.kezdes == b.kezdes && a.befejezes == b.befejezes && a.szoveg == b.szoveg;
    }
    if (!same)
        fault(iteration, "the read from a file differs from the read from memory");
}

// The table a read starts from: empty for the main subtitle, a few rows
// for the second one and for the CD join of a second part.
ReadStart startWith(int rows)
{
    ReadStart start;
    start.rowCount = rows;
    start.currentIndex = rows > 0 ? pick(rows) : -1;
    start.current.kezdes = QStringLiteral("00:00:01,000");
    start.current.befejezes = QStringLiteral("00:00:02,000");
    start.current.szoveg = QStringLiteral("x");
    start.current.szoveg2 = QStringLiteral("old");
    return start;
}

}  // namespace

int main()
{
    const std::vector<QByteArray> seeds = loadSeeds();
    if (seeds.empty()) {
        std::fprintf(stderr, "no fixtures found under %s\n", KELVO_TEST_DATA);
        return 1;
    }
    const QString starts[] = {QStringLiteral("00:00:00,000"), QStringLiteral("01:00:00,000"),
                              QStringLiteral("1000"), QString(), QStringLiteral("x")};
    const int iterations = 15000;
    for (int it = 0; it < iterations; ++it) {
        const QByteArray data = it % 6 == 0
                                    ? randomBytes(pick(2048))
                                    : mutate(seeds[size_t(pick(int(seeds.size())))], seeds);
        checkChunks(data, it);
        for (const bool second : {false, true}) {
            for (const bool offset : {false, true}) {
                ReadOptions options;
                options.second = second;
                options.withOffset = offset;
                options.max2 = pick(2) == 0;
                options.cdJoinStart = starts[pick(int(std::size(starts)))];
                const ReadStart start = startWith(second || offset ? pick(6) : 0);
                const ReadResult result = readSubtitle(data, options, start);
                check(result, start, second, it);
                if (!second && it % 16 == (offset ? 8 : 0))
                    checkFromFile(data, options, start, result, it);
            }
        }
    }
    std::printf("%d files read four ways, %d faults\n", iterations, failures);
    return failures == 0 ? 0 : 1;
}
