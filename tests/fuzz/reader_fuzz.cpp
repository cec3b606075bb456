// Feeds mutated fixtures and random bytes through the reader, for both
// targets and with and without the CD offset, under the sanitizers, and
// checks that every stored field stays within its size.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <random>
#include <vector>

#include "app/ModeGlobals.h"
#include "document/DocumentGlobals.h"
#include "editor/EditorModel.h"
#include "files/FileGlobals.h"
#include "files/SubtitleReader.h"

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

void check(const EditorModel &model, int rowsBefore, bool second, int iteration)
{
    const SubtitleTable &cds = model.cds;
    if (second && cds.recordCount() != rowsBefore) {
        std::fprintf(stderr, "iteration %d: a second read changed the row count\n", iteration);
        ++failures;
    }
    for (int i = 0; i < cds.recordCount(); ++i) {
        const SubtitleRow &r = cds.rowAt(i);
        if (r.kezdes.size() > 12 || r.befejezes.size() > 12 || r.szoveg.size() > 220
            || r.szoveg2.size() > 220) {
            std::fprintf(stderr, "iteration %d: row %d holds a field beyond its size\n", iteration,
                         i + 1);
            ++failures;
        }
    }
    if (!second && (model.overThresholdCount < 0 || model.overThresholdCount > cds.recordCount()
                    || model.threeLineCount < 0 || model.threeLineCount > cds.recordCount())) {
        std::fprintf(stderr, "iteration %d: flag counts out of range\n", iteration);
        ++failures;
    }
}

void fillMainTable(EditorModel &model, int rows)
{
    model.cds.create();
    for (int i = 0; i < rows; ++i) {
        model.cds.append();
        model.cds.setField(Field::Kezdes, QStringLiteral("00:00:01,000"));
        model.cds.setField(Field::Szoveg, QStringLiteral("x"));
        model.cds.setField(Field::Szoveg2, QStringLiteral("old"));
        model.cds.post();
    }
    model.cds.first();
}

}  // namespace

int main()
{
    const std::vector<QByteArray> seeds = loadSeeds();
    if (seeds.empty()) {
        std::fprintf(stderr, "no fixtures found under %s\n", KELVO_TEST_DATA);
        return 1;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fuzz.srt"));
    const QString starts[] = {QStringLiteral("00:00:00,000"), QStringLiteral("01:00:00,000"),
                              QStringLiteral("1000"), QString(), QStringLiteral("x")};
    const int iterations = 15000;
    for (int it = 0; it < iterations; ++it) {
        QByteArray data = it % 6 == 0 ? randomBytes(pick(2048))
                                      : mutate(seeds[size_t(pick(int(seeds.size())))], seeds);
        {
            QFile f(path);
            if (!f.open(QIODevice::WriteOnly))
                return 1;
            f.write(data);
        }
        for (const bool second : {false, true}) {
            for (const bool offset : {false, true}) {
                resetAllGlobals();
                EditorModel model;
                model.options.max2 = pick(2) == 0;
                model.cdJoinStart = starts[pick(int(std::size(starts)))];
                const int rows = second ? pick(6) : 0;
                if (second)
                    fillMainTable(model, rows);
                else
                    model.cds.create();
                textTarget = second ? QStringLiteral("2") : QStringLiteral("1");
                subtitlePath = path;
                readSubtitleFile(model, offset);
                model.cds.first();
                check(model, rows, second, it);
            }
        }
    }
    std::printf("%d files read four ways, %d faults\n", iterations, failures);
    return failures == 0 ? 0 : 1;
}
