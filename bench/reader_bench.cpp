// Reading a 100,000-entry time-based file into the table, beside the floor
// of reading its bytes and walking its decoded lines.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <random>

#include "app/ModeGlobals.h"
#include "editor/EditorModel.h"
#include "files/FileGlobals.h"
#include "files/OpenSubtitle.h"
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
    text.reserve(entries * 90);
    qint64 t = 1000;
    for (int i = 1; i <= entries; ++i) {
        const qint64 duration = 800 + rng() % 3200;
        text += QString::number(i) + QStringLiteral("\r\n") + timeCode(t) + QStringLiteral(" --> ")
                + timeCode(t + duration) + QStringLiteral("\r\n") + line();
        if (rng() % 2)
            text += QStringLiteral("\r\n") + line();
        text += QStringLiteral("\r\n\r\n");
        t += duration + 40 + rng() % 460;
    }
    QStringEncoder encoder("windows-1250");
    return encoder.isValid() ? QByteArray(encoder.encode(text)) : text.toLatin1();
}

struct BigFile {
    QTemporaryDir dir;
    QString path;
    BigFile()
    {
        path = dir.filePath(QStringLiteral("big.srt"));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(makeSubtitle(100000));
    }
};

const BigFile &bigFile()
{
    static const BigFile file;
    return file;
}

void BM_ReadIntoTable100k(benchmark::State &state)
{
    const QString path = bigFile().path;
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
BENCHMARK(BM_ReadIntoTable100k)->Unit(benchmark::kMillisecond);

void BM_FloorReadAndSplitLines100k(benchmark::State &state)
{
    const QString path = bigFile().path;
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
BENCHMARK(BM_FloorReadAndSplitLines100k)->Unit(benchmark::kMillisecond);

}  // namespace
