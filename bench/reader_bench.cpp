// Reading 100,000- and 1,000,000-entry time-based files into the table, and
// the reader alone on bytes in memory, beside the floor of reading the bytes
// and walking their decoded lines.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <random>

#include "app/ModeGlobals.h"
#include "editor/EditorModel.h"
#include "files/FileGlobals.h"
#include "files/OpenSubtitle.h"
#include "files/SubtitleReader.h"
#include "files/TextDecoding.h"

namespace {

QString timeCode(qint64 ms)
{
    return QString::asprintf("%02lld:%02lld:%02lld,%03lld", ms / 3600000, ms / 60000 % 60,
                             ms / 1000 % 60, ms % 1000);
}

// Code page 1250, CR LF, one or two lines of Hungarian words per entry.
QByteArray makeSubtitle(int entries)
{
    static const char *const words[] = {
        "és", "hogy", "nem", "már", "csak", "még", "ember", "város", "kutya", "víz", "kenyér",
        "éjszaka", "reggel", "holnap", "gyerünk", "figyelj", "szép", "öreg", "első", "utolsó",
        "köszönöm", "őrült", "őszinte", "összes", "ördög", "üzenet", "fűszer", "tűz", "úr",
        "újra", "hűtőszekrény", "tükörfúrógép", "árvíztűrő", "főnök", "kávé", "<i>zene</i>"};
    std::mt19937 rng(1250);
    auto line = [&] {
        QString s;
        const int n = 2 + int(rng() % 6);
        for (int i = 0; i < n; ++i) {
            if (i)
                s += u' ';
            s += QString::fromUtf8(words[rng() % std::size(words)]);
        }
        return s + u'.';
    };
    QString text;
    text.reserve(qsizetype(entries) * 90);
    // a million entries get shorter times, so that hours stay two digits
    const bool dense = entries > 100000;
    qint64 t = 1000;
    for (int i = 1; i <= entries; ++i) {
        const qint64 duration = dense ? 100 + rng() % 150 : 800 + rng() % 3200;
        text += QString::number(i) + QStringLiteral("\r\n") + timeCode(t) + QStringLiteral(" --> ")
                + timeCode(t + duration) + QStringLiteral("\r\n") + line();
        if (rng() % 2)
            text += QStringLiteral("\r\n") + line();
        text += QStringLiteral("\r\n\r\n");
        t += duration + (dense ? 10 + rng() % 90 : 40 + rng() % 460);
    }
    QStringEncoder encoder("windows-1250");
    return encoder.isValid() ? QByteArray(encoder.encode(text)) : text.toLatin1();
}

struct BigFile {
    QTemporaryDir dir;
    QString path;
    QByteArray bytes;
    explicit BigFile(int entries)
    {
        path = dir.filePath(QStringLiteral("big.srt"));
        bytes = makeSubtitle(entries);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
};

const BigFile &bigFile(int entries)
{
    static const BigFile hundredThousand(100000);
    if (entries == 100000)
        return hundredThousand;
    static const BigFile million(1000000);
    return million;
}

// The whole open as the editor does it: the file read, the rows in the table.
void BM_ReadIntoTable(benchmark::State &state)
{
    const QString path = bigFile(int(state.range(0))).path;
    for (auto _ : state) {
        resetAllGlobals();
        EditorModel model;
        subtitlePath = path;
        textTarget = QStringLiteral("1");
        model.cds.create();
        prepareEditor(model, true, QStringLiteral("big.srt"));
        readIntoEditor(model);
        benchmark::DoNotOptimize(model.cds.recordCount());
    }
}
BENCHMARK(BM_ReadIntoTable)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The reader alone: bytes already in memory to rows and report.
void BM_ReadBytes(benchmark::State &state)
{
    const QByteArray &bytes = bigFile(int(state.range(0))).bytes;
    for (auto _ : state) {
        const ReadResult result = readSubtitle(bytes, ReadOptions{});
        benchmark::DoNotOptimize(result.rows.rows.size());
    }
}
BENCHMARK(BM_ReadBytes)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Every entry starts before the one above it ends, so each gives a report:
// what the correction log costs when it is as long as the file.
QByteArray makeOverlapping(int entries)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(entries) * 80);
    const QByteArray entry = QStringEncoder("windows-1250")
                                 .encode(QStringLiteral("\r\n00:00:01,000 --> 00:00:05,000\r\n"
                                                        "Egy kis szöveg, ami átfed.\r\n"
                                                        "Második sor.\r\n\r\n"));
    for (int i = 1; i <= entries; ++i) {
        bytes += QByteArray::number(i);
        bytes += entry;
    }
    return bytes;
}

void BM_ReadOverlappingEverywhere(benchmark::State &state)
{
    const QByteArray bytes = makeOverlapping(int(state.range(0)));
    for (auto _ : state) {
        const ReadResult result = readSubtitle(bytes, ReadOptions{});
        benchmark::DoNotOptimize(result.report.size());
    }
}
BENCHMARK(BM_ReadOverlappingEverywhere)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The floor: the file's bytes read and every decoded line walked.
void BM_FloorReadAndWalkLines(benchmark::State &state)
{
    const QString path = bigFile(int(state.range(0))).path;
    for (auto _ : state) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        const DecodedText text = prepareSubtitleText(f.readAll());
        LineCursor lines(text);
        qsizetype characters = 0;
        while (!lines.atEnd())
            characters += lines.next().size();
        benchmark::DoNotOptimize(characters);
    }
}
BENCHMARK(BM_FloorReadAndWalkLines)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
