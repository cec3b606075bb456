#include "media/SyncAlign.h"

#include <algorithm>
#include <cmath>

#include "media/Correlation.h"
#include "media/SpeechDetector.h"

namespace {

constexpr double fps = speechFramesPerSecond;
constexpr int candidateCount = 40;
constexpr int coarse = 4;                // 10 ms frames to one of the correlation's
constexpr int peakSpacing = 50;           // frames between two candidate offsets
constexpr double splitPenalty = 1000;     // frames of agreement a new piece must win
constexpr double onsetWeight = 60;       // frames of agreement a start on an onset is worth
constexpr int onsetReach[] = {50, 20};    // frames: the two rounds of onset matching

std::vector<double> candidateRatios(bool withRatios)
{
    std::vector<double> out{1.0};
    if (!withRatios)
        return out;
    const double film = 24000.0 / 1001, tv = 30000.0 / 1001;
    const double pairs[][2] = {{24, film}, {25, film}, {25, 24}, {30, tv}};
    for (const auto &p : pairs) {
        out.push_back(p[0] / p[1]);
        out.push_back(p[1] / p[0]);
    }
    return out;
}

long frameOf(double seconds) { return std::lround(seconds * fps); }

// The rows' spans at the ratio, as a 0/1 pattern of frames from 0.
std::vector<float> rowPattern(const std::vector<SyncSpan> &rows, double ratio)
{
    long last = 1;
    for (const SyncSpan &r : rows)
        last = std::max(last, frameOf(r.end * ratio) + 1);
    std::vector<float> out(std::size_t(last), 0.0f);
    for (const SyncSpan &r : rows)
        for (long f = std::max(0L, frameOf(r.start * ratio)); f < frameOf(r.end * ratio); ++f)
            out[std::size_t(f)] = 1.0f;
    return out;
}

// Means of `coarse` frames: the correlation runs at 25 frames a second and
// the onsets then place the offsets to the 10 ms frame.
std::vector<float> decimated(const std::vector<float> &v)
{
    std::vector<float> out((v.size() + coarse - 1) / coarse, 0.0f);
    for (std::size_t i = 0; i < v.size(); ++i)
        out[i / coarse] += v[i] / coarse;
    return out;
}

// Sum of +1 speech / -1 silence over film frames [a, b); frames beyond the
// film count as silence.
class Agreement {
public:
    explicit Agreement(const std::vector<std::uint8_t> &speech) : prefix_(speech.size() + 1, 0)
    {
        for (std::size_t i = 0; i < speech.size(); ++i)
            prefix_[i + 1] = prefix_[i] + (speech[i] ? 1 : -1);
    }
    double over(long a, long b) const
    {
        if (b <= a)
            return 0;
        const long n = long(prefix_.size()) - 1;
        const long ca = std::clamp(a, 0L, n), cb = std::clamp(b, 0L, n);
        return double(prefix_[cb] - prefix_[ca]) - double((b - a) - (cb - ca));
    }

private:
    std::vector<long> prefix_;
};

struct Lag {
    long lag;
    float score;
};

bool nearestOnset(const std::vector<int> &onsets, double at, int reach, double *found);
long sharpenedLag(const std::vector<SyncSpan> &rows, int first, int last, double ratio, long lag,
                  const std::vector<int> &onsets);

// The strongest lags that are each the highest within peakSpacing frames,
// best first.
std::vector<Lag> strongestLags(const std::vector<float> &c, long firstLag, int count)
{
    const long n = long(c.size());
    std::vector<Lag> peaks;
    for (long i = 0; i < n; ++i) {
        if ((i > 0 && c[i] < c[i - 1]) || (i + 1 < n && c[i] <= c[i + 1]))
            continue;
        bool highest = true;
        const long spacing = peakSpacing / coarse;
        for (long j = std::max(0L, i - spacing); highest && j <= std::min(n - 1, i + spacing); ++j)
            highest = c[j] < c[i] || (c[j] == c[i] && j >= i);
        if (highest)
            peaks.push_back({i + firstLag, c[i]});
    }
    std::sort(peaks.begin(), peaks.end(), [](const Lag &a, const Lag &b) { return a.score > b.score; });
    if (int(peaks.size()) > count)
        peaks.resize(std::size_t(count));
    return peaks;
}

// The best lag of each run of chunkRows rows within chunkReach frames of
// the global best: where the film was cut, a chunk's own offset stands out
// even when the whole subtitle's correlation only shows a shoulder there.
void addChunkLags(const std::vector<SyncSpan> &rows, double ratio, const Agreement &agree,
                  const std::vector<int> &onsets, std::vector<Lag> &lags)
{
    constexpr int chunkRows = 12;
    constexpr long chunkReach = 6000;
    const long centre = lags.front().lag;
    const int n = int(rows.size());
    for (int first = 0; first < n; first += chunkRows / 2) {
        const int last = std::min(n, first + chunkRows);
        double best = -1e300;
        long bestLag = centre;
        for (long lag = centre - chunkReach; lag <= centre + chunkReach; ++lag) {
            double sum = 0;
            for (int i = first; i < last; ++i)
                sum += agree.over(frameOf(rows[i].start * ratio) + lag, frameOf(rows[i].end * ratio) + lag);
            if (sum > best) {
                best = sum;
                bestLag = lag;
            }
        }
        bestLag = sharpenedLag(rows, first, last, ratio, bestLag, onsets);
        if (std::none_of(lags.begin(), lags.end(), [&](const Lag &l) { return std::labs(l.lag - bestLag) < 3; }))
            lags.push_back({bestLag, float(best)});
    }
}

double onsetFit(const std::vector<SyncSpan> &rows, int i, double ratio, double offset,
                const std::vector<int> &onsets);
bool nearestOnset(const std::vector<int> &onsets, double at, int reach, double *found);

bool nearestOnset(const std::vector<int> &onsets, double at, int reach, double *found);

// The lag moved to where most of the rows' starts [first, last) meet an
// onset (the mode of their distances, in frames): a span correlation has a
// flat top as wide as the speech detector's slack, an onset does not.
long sharpenedLag(const std::vector<SyncSpan> &rows, int first, int last, double ratio, long lag,
                  const std::vector<int> &onsets)
{
    constexpr int reach = 50, smooth = 3;
    std::vector<int> counts(2 * reach + 1, 0);
    for (int i = first; i < last; ++i) {
        const double at = rows[i].start * ratio * fps + double(lag);
        double onset = 0;
        if (nearestOnset(onsets, at, reach, &onset))
            ++counts[std::size_t(std::lround(onset - at) + reach)];
    }
    int best = 0, bestAt = reach;
    for (int d = 0; d <= 2 * reach; ++d) {
        int sum = 0;
        for (int e = std::max(0, d - smooth); e <= std::min(2 * reach, d + smooth); ++e)
            sum += counts[std::size_t(e)];
        if (sum > best || (sum == best && std::abs(d - reach) < std::abs(bestAt - reach))) {
            best = sum;
            bestAt = d;
        }
    }
    return lag + (bestAt - reach);
}

// One candidate offset for each row: the most agreement (spans on speech,
// starts on onsets) less a penalty for every change of offset (a Viterbi
// pass, rows × candidates).
std::vector<int> choosePieces(const std::vector<SyncSpan> &rows, double ratio,
                              const std::vector<Lag> &lags, const Agreement &agree,
                              const std::vector<int> &onsets)
{
    const int n = int(rows.size()), k = int(lags.size());
    std::vector<double> best(k, 0), next(k);
    std::vector<std::uint16_t> from(std::size_t(n) * k);
    for (int i = 0; i < n; ++i) {
        const int leader = int(std::max_element(best.begin(), best.end()) - best.begin());
        for (int j = 0; j < k; ++j) {
            const long a = frameOf(rows[i].start * ratio) + lags[j].lag;
            const long b = frameOf(rows[i].end * ratio) + lags[j].lag;
            const bool change = i > 0 && best[leader] - splitPenalty > best[j];
            from[std::size_t(i) * k + j] = std::uint16_t(change ? leader : j);
            next[j] = (change ? best[leader] - splitPenalty : best[j]) + agree.over(a, b)
                      + onsetWeight * onsetFit(rows, i, ratio, double(lags[j].lag) / fps, onsets);
        }
        best.swap(next);
    }
    std::vector<int> choice(n);
    int j = int(std::max_element(best.begin(), best.end()) - best.begin());
    for (int i = n - 1; i >= 0; --i) {
        choice[i] = j;
        j = from[std::size_t(i) * k + j];
    }
    return choice;
}

double median(std::vector<double> v)
{
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
}

// The onset nearest to frame `at` within reach frames, or false.
bool nearestOnset(const std::vector<int> &onsets, double at, int reach, double *found)
{
    auto it = std::lower_bound(onsets.begin(), onsets.end(), at);
    double bestDistance = reach + 1;
    for (auto c : {it, it == onsets.begin() ? it : it - 1})
        if (c != onsets.end() && std::abs(*c - at) < bestDistance) {
            bestDistance = std::abs(*c - at);
            *found = *c;
        }
    return bestDistance <= reach;
}

// Moves the piece's offset (frames) by the median distance from its rows'
// starts to the onsets beside them.
double refinedOffset(const std::vector<SyncSpan> &rows, const SyncPiece &piece, double ratio,
                     double offset, const std::vector<int> &onsets)
{
    for (int reach : onsetReach) {
        std::vector<double> distances;
        for (int i = piece.firstRow; i <= piece.lastRow; ++i) {
            const double at = rows[i].start * ratio * fps + offset;
            double onset = 0;
            if (nearestOnset(onsets, at, reach, &onset))
                distances.push_back(onset - at);
        }
        const int rowsInPiece = piece.lastRow - piece.firstRow + 1;
        if (distances.size() < 3 || int(distances.size()) * 5 < rowsInPiece)
            break;
        offset += median(distances);
    }
    return offset;
}

// How well row i's start meets an onset under the offset (seconds): 1 on
// it, falling to 0 at 0.15 s.
double onsetFit(const std::vector<SyncSpan> &rows, int i, double ratio, double offset,
                const std::vector<int> &onsets)
{
    constexpr int reach = 15;
    const double at = (rows[i].start * ratio + offset) * fps;
    double onset = 0;
    return nearestOnset(onsets, at, reach, &onset) ? 1 - std::abs(onset - at) / reach : 0;
}

// Where speech runs on across a cut, a row or two beside it meet speech under
// either offset; the onsets decide on which side of the cut they belong.
void placeCuts(const std::vector<SyncSpan> &rows, double ratio, std::vector<SyncPiece> &pieces,
               const std::vector<int> &onsets)
{
    constexpr int reachRows = 8;
    for (std::size_t p = 1; p < pieces.size(); ++p) {
        SyncPiece &a = pieces[p - 1], &b = pieces[p];
        const int lo = std::max(a.firstRow + 1, b.firstRow - reachRows);
        const int hi = std::min(b.lastRow, b.firstRow + reachRows);
        auto score = [&](int cut) {
            double sum = 0;
            for (int i = lo - 1; i <= hi; ++i)
                sum += onsetFit(rows, i, ratio, i < cut ? a.offset : b.offset, onsets);
            return sum;
        };
        // the rows keep their order across the cut
        auto ordered = [&](int cut) {
            return rows[cut - 1].start * ratio + a.offset <= rows[cut].start * ratio + b.offset;
        };
        int bestCut = b.firstRow;
        double best = ordered(bestCut) ? score(bestCut) : -1e300;
        for (int cut = lo; cut <= hi; ++cut)
            if (const double s = score(cut); ordered(cut) && s > best + 1e-9) {
                best = s;
                bestCut = cut;
            }
        a.lastRow = bestCut - 1;
        b.firstRow = bestCut;
    }
}

// With one piece: the line through the rows' starts and their onsets, when
// it is clearly another ratio than the one found (a free ratio).
void fitFreeRatio(const std::vector<SyncSpan> &rows, const std::vector<int> &onsets, SyncResult &r)
{
    for (int reach : {onsetReach[0], onsetReach[1], onsetReach[1]}) {
        double sx = 0, sy = 0, sxx = 0, sxy = 0;
        int n = 0;
        for (const SyncSpan &row : rows) {
            const double at = (row.start * r.ratio + r.pieces[0].offset) * fps;
            double onset = 0;
            if (!nearestOnset(onsets, at, reach, &onset))
                continue;
            const double x = row.start, y = onset / fps;
            sx += x, sy += y, sxx += x * x, sxy += x * y, ++n;
        }
        const double spread = n * sxx - sx * sx;
        if (n < 10 || spread <= 0 || spread / (double(n) * n) < 30.0 * 30.0)
            return;
        const double a = (n * sxy - sx * sy) / spread;
        if (std::abs(a / r.ratio - 1) > 0.02)
            return;
        // a ratio a hair from the one found is that ratio
        if (std::abs(a / r.ratio - 1) < 2e-4 && r.standardRatio)
            return;
        r.ratio = a;
        r.pieces[0].offset = (sy - a * sx) / n;
        r.standardRatio = false;
    }
}

double confidenceOf(const SyncResult &r, const std::vector<SyncSpan> &rows, const Agreement &agree,
                    const std::vector<int> &onsets, std::size_t speechLength)
{
    double sum = 0, frames = 0;
    for (std::size_t p = 0; p < r.pieces.size(); ++p)
        for (int i = r.pieces[p].firstRow; i <= r.pieces[p].lastRow; ++i) {
            const long a = frameOf(r.mapped(i, rows[i].start)), b = frameOf(r.mapped(i, rows[i].end));
            sum += agree.over(a, b);
            frames += std::max(0L, b - a);
        }
    if (frames <= 0)
        return 0;
    const double chance = 2 * r.speechShare - 1;
    if (chance >= 1)
        return 0;
    const double spans = std::clamp((sum / frames - chance) / (1 - chance), 0.0, 1.0);
    // and how many more starts meet an onset than onsets strewn at random would
    double hits = 0;
    for (int i = 0; i < int(rows.size()); ++i)
        hits += onsetFit(rows, i, r.ratio, r.mapped(i, 0), onsets) > 0;
    const double onsetChance = std::min(0.99, double(onsets.size()) * 31 / double(speechLength));
    const double starts = std::clamp((hits / double(rows.size()) - onsetChance) / (1 - onsetChance), 0.0, 1.0);
    return std::min(spans, starts);
}

}  // namespace

double SyncResult::mapped(int row, double t) const
{
    auto it = std::upper_bound(pieces.begin(), pieces.end(), row,
                               [](int r, const SyncPiece &p) { return r < p.firstRow; });
    const double offset = it == pieces.begin() ? 0 : (it - 1)->offset;
    return ratio * t + offset;
}

std::vector<std::uint8_t> spanMask(const std::vector<SyncSpan> &rows)
{
    const std::vector<float> pattern = rowPattern(rows, 1.0);
    return std::vector<std::uint8_t>(pattern.begin(), pattern.end());
}

SyncResult alignToSpeech(const std::vector<std::uint8_t> &speech, const std::vector<SyncSpan> &rows,
                         const SyncOptions &options)
{
    SyncResult result;
    if (rows.empty()) {
        result.status = SyncResult::NoRows;
        return result;
    }
    const long speechFrames = std::count(speech.begin(), speech.end(), std::uint8_t(1));
    result.speechShare = speech.empty() ? 0 : double(speechFrames) / double(speech.size());
    if (speechFrames < fps || result.speechShare > 0.98) {
        result.status = SyncResult::NoSpeech;
        return result;
    }
    std::vector<float> signal(speech.size());
    for (std::size_t i = 0; i < speech.size(); ++i)
        signal[i] = speech[i] ? 1.0f : -1.0f;
    signal = decimated(signal);

    const std::vector<double> ratios = candidateRatios(options.ratio);
    std::vector<std::vector<float>> patterns;
    std::size_t longest = 0;
    for (double r : ratios) {
        patterns.push_back(decimated(rowPattern(rows, r)));
        longest = std::max(longest, patterns.back().size());
    }
    Correlator correlator(signal, int(longest));
    std::vector<float> bestCorrelation;
    double bestScore = -1e300;
    long firstLag = 0;
    for (std::size_t i = 0; i < ratios.size(); ++i) {
        std::vector<float> c = correlator.correlate(patterns[i]);
        const long patternSize = long(patterns[i].size());
        patterns[i] = {};
        const double score = *std::max_element(c.begin(), c.end());
        // another ratio must be clearly better than none
        if (i == 0 || score > bestScore + std::max(20.0, std::abs(bestScore) * 0.01)) {
            bestScore = score;
            result.ratio = ratios[i];
            firstLag = 1 - patternSize;
            bestCorrelation = std::move(c);
        }
    }

    const Agreement agree(speech);
    std::vector<Lag> lags = strongestLags(bestCorrelation, firstLag, options.splits ? candidateCount : 1);
    bestCorrelation = {};
    for (Lag &l : lags)
        l.lag *= coarse;
    const std::vector<int> onsets = speechOnsets(speech);
    for (Lag &l : lags)
        l.lag = sharpenedLag(rows, 0, int(rows.size()), result.ratio, l.lag, onsets);
    if (options.splits)
        addChunkLags(rows, result.ratio, agree, onsets, lags);
    const std::vector<int> choice = options.splits
                                        ? choosePieces(rows, result.ratio, lags, agree, onsets)
                                        : std::vector<int>(rows.size(), 0);
    for (int i = 0; i < int(rows.size()); ++i) {
        if (i > 0 && choice[i] == choice[i - 1]) {
            result.pieces.back().lastRow = i;
            continue;
        }
        result.pieces.push_back({i, i, double(lags[choice[i]].lag)});
    }
    for (SyncPiece &p : result.pieces)
        p.offset = refinedOffset(rows, p, result.ratio, p.offset, onsets) / fps;
    placeCuts(rows, result.ratio, result.pieces, onsets);
    if (options.ratio && result.pieces.size() == 1)
        fitFreeRatio(rows, onsets, result);
    result.confidence = confidenceOf(result, rows, agree, onsets, speech.size());
    return result;
}
