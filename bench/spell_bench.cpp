// Spell checking of a whole 100,000-row generated subtitle with the real
// Hungarian dictionary, from an empty cache each time: every row cut into
// words, every distinct word asked of Hunspell once. The dictionary's load
// (over a second) is left out; the editor does it on a worker thread.
#include <benchmark/benchmark.h>

#include "GeneratedSubtitle.h"
#include "OpenedSubtitle.h"
#include "spell/HunspellDictionary.h"
#include "tools/spell/SpellChecker.h"

namespace {

// One loaded dictionary lent to a fresh checker per run.
class LentDictionary : public SpellDictionary {
public:
    explicit LentDictionary(SpellDictionary &d) : d_(d) {}
    bool isCorrect(const QString &word) override { return d_.isCorrect(word); }
    QStringList suggestions(const QString &word) override { return d_.suggestions(word); }
    void addWord(const QString &word) override { d_.addWord(word); }

private:
    SpellDictionary &d_;
};

void BM_SpellCheckSubtitle(benchmark::State &state)
{
    static std::unique_ptr<SpellDictionary> hungarian = openDictionary(defaultDictionaryName);
    EditorModel model;
    const QString path = bench::subtitleFile(int(state.range(0)));
    if (!hungarian || path.isEmpty() || !bench::readInto(model, path)) {
        state.SkipWithError("no Hungarian dictionary or no generated subtitle");
        return;
    }
    const SubtitleTable &cds = model.cds;
    qsizetype unknown = 0;
    for (auto _ : state) {
        SpellChecker checker(std::make_unique<LentDictionary>(*hungarian));
        unknown = 0;
        for (int row = 0; row < cds.recordCount(); ++row)
            unknown += checker.unknownWords(cds.rowAt(row).szoveg).size();
        benchmark::DoNotOptimize(unknown);
    }
    state.counters["unknown"] = double(unknown);
}
BENCHMARK(BM_SpellCheckSubtitle)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
