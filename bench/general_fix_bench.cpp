// One pass of the general fixes over a 100,000-row table, and over its
// first quarter and half to show the cost grows with the rows alone.
// The rows come from KELVO_BENCH_SRT (a file the shared generator made:
// gen_srt.py 100000 F) when it is set, else from a generator of our own;
// a second run salts every row with faults so most rows are re-examined.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <random>

#include "app/ModeGlobals.h"
#include "editor/EditorModel.h"
#include "files/FileGlobals.h"
#include "files/OpenSubtitle.h"
#include "tools/text/GeneralFixes.h"

namespace {

QString timeCode(qint64 ms)
{
    return QString::asprintf("%02lld:%02lld:%02lld,%03lld", ms / 3600000, ms / 60000 % 60,
                             ms / 1000 % 60, ms % 1000);
}

QByteArray makeSubtitle(int entries)
{
    static const char *const words[] = {"és", "hogy", "nem", "már", "csak", "ember", "város",
                                        "kutya", "éjszaka", "reggel", "holnap", "őrült",
                                        "összes", "üzenet", "tűz", "<i>zene</i>", "Igen,"};
    static const char *const ends[] = {".", "!", "?", "...", "?!"};
    std::mt19937 rng(1250);
    auto line = [&] {
        QString s;
        for (int i = 0, n = 2 + int(rng() % 6); i < n; ++i)
            s += (i ? QStringLiteral(" ") : QString()) + QString::fromUtf8(words[rng() % 17]);
        return s + QString::fromUtf8(ends[rng() % 5]);
    };
    QString text;
    qint64 t = 1000;
    for (int i = 1; i <= entries; ++i) {
        text += QString::number(i) + QStringLiteral("\r\n") + timeCode(t) + QStringLiteral(" --> ")
                + timeCode(t + 2000) + QStringLiteral("\r\n") + line();
        if (rng() % 2)
            text += QStringLiteral("\r\n") + line();
        text += QStringLiteral("\r\n\r\n");
        t += 2500;
    }
    QStringEncoder encoder("windows-1250");
    return encoder.encode(text);
}

// The texts of the rows as the editor reads them.
const QStringList &sourceTexts()
{
    static const QStringList texts = [] {
        QTemporaryDir dir;
        QString path = qEnvironmentVariable("KELVO_BENCH_SRT");
        if (path.isEmpty()) {
            path = dir.filePath(QStringLiteral("big.srt"));
            QFile f(path);
            f.open(QIODevice::WriteOnly);
            f.write(makeSubtitle(100000));
        }
        EditorModel model;
        subtitlePath = path;
        subtitleFileName = QStringLiteral("big.srt");
        textTarget = QStringLiteral("1");
        model.cds.create();
        prepareEditor(model, true, subtitleFileName);
        readIntoEditor(model);
        QStringList out;
        for (int i = 0; i < model.cds.recordCount(); ++i)
            out.append(model.cds.rowAt(i).szoveg);
        return out;
    }();
    return texts;
}

void fill(EditorModel &model, const QStringList &texts, int rows, bool salted)
{
    SubtitleTable &cds = model.cds;
    cds.create();
    for (int i = 0; i < rows; ++i) {
        cds.append();
        cds.setField(Field::Kezdes, QStringLiteral("00:00:01,000"));
        cds.setField(Field::Befejezes, QStringLiteral("00:00:02,000"));
        const QString &t = texts[i % texts.size()];
        cds.setField(Field::Szoveg, salted ? QStringLiteral("“") + t + QStringLiteral(" ?--") : t);
        cds.post();
    }
    cds.first();
}

void runPass(benchmark::State &state, bool salted)
{
    const QStringList &texts = sourceTexts();
    const int rows = int(state.range(0));
    int changes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        EditorModel model;
        model.setTimeBase(QStringLiteral("Time"));
        fill(model, texts, rows, salted);
        state.ResumeTiming();
        changes = runGeneralFixes(model, Edition::Full);
        benchmark::DoNotOptimize(changes);
        state.PauseTiming();
        model.cds.close();  // freeing the table and the log is not the pass's cost
        model.log.clear();
        state.ResumeTiming();
    }
    state.counters["changes"] = changes;
    state.SetComplexityN(rows);
}

void BM_GeneralFixes(benchmark::State &state) { runPass(state, false); }
void BM_GeneralFixesSalted(benchmark::State &state) { runPass(state, true); }

BENCHMARK(BM_GeneralFixes)
    ->Arg(25000)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_GeneralFixesSalted)
    ->Arg(25000)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace
