// One pass of the sound-imitation removals, the aggressive line breaking and
// the line halving over a 100,000-row table read from the shared generator's
// file, every fifth row salted with what the passes look for (sound text in
// brackets, a name label, an overlong line), so each pass has work on many
// rows.
#include <benchmark/benchmark.h>

#include "GeneratedTexts.h"
#include "tools/text/AggressiveBreak.h"
#include "tools/text/SoundNames.h"

namespace {

constexpr int rows = 100000;

const QStringList &sourceTexts() { return bench::generatedTexts(rows); }

const QString salts[] = {
    QStringLiteral("(ZENE SZÓL)|Hol voltál egész éjjel?"),
    QStringLiteral("[nevet] Ezt nem gondolhatod komolyan, te bolond."),
    QStringLiteral("PÉTER: Gyere ide, de most azonnal!|- Megyek már."),
    QStringLiteral("Azt mondtam neki, hogy holnap reggel korán indulunk, de nem hallgatott rám."),
    QStringLiteral("<i>(suttogva) Maradj csendben, mert meghallják, és akkor végünk van.</i>"),
};

QString timeCode(qint64 ms)
{
    return QString::asprintf("%02lld:%02lld:%02lld,%03lld", ms / 3600000, ms / 60000 % 60,
                             ms / 1000 % 60, ms % 1000);
}

void fill(EditorModel &model)
{
    const QStringList &texts = sourceTexts();
    SubtitleTable &cds = model.cds;
    cds.create();
    for (int i = 0; i < rows; ++i) {
        cds.append();
        cds.setField(Field::Kezdes, timeCode(1000 + qint64(i) * 4000));
        cds.setField(Field::Befejezes, timeCode(4000 + qint64(i) * 4000));
        cds.setField(Field::Szoveg, i % 5 == 0 ? salts[(i / 5) % 5] : texts[i % texts.size()]);
        cds.post();
    }
    cds.first();
}

template <typename Pass>
void runPass(benchmark::State &state, Pass pass)
{
    sourceTexts();
    for (auto _ : state) {
        state.PauseTiming();
        EditorModel model;
        model.setTimeBase(QStringLiteral("Time"));
        fill(model);
        state.ResumeTiming();
        pass(model);
        state.PauseTiming();
        model.cds.close();  // freeing the table and the log is not the pass's cost
        model.log.clear();
        state.ResumeTiming();
    }
}

void BM_SoundNames(benchmark::State &s)
{
    runPass(s, [](EditorModel &m) { benchmark::DoNotOptimize(runSoundNames(m, false).changes); });
}
void BM_SoundNamesExtra(benchmark::State &s)
{
    runPass(s, [](EditorModel &m) { benchmark::DoNotOptimize(runSoundNames(m, true).changes); });
}
void BM_AggressiveBreak(benchmark::State &s)
{
    runPass(s, [](EditorModel &m) { benchmark::DoNotOptimize(runAggressiveBreak(m).changed()); });
}
void BM_LineHalving(benchmark::State &s)
{
    runPass(s, [](EditorModel &m) { benchmark::DoNotOptimize(runLineHalving(m)); });
}

BENCHMARK(BM_SoundNames)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SoundNamesExtra)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AggressiveBreak)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LineHalving)->Unit(benchmark::kMillisecond);

}  // namespace
