#include <gtest/gtest.h>

#include <random>

#include "media/Correlation.h"
#include "media/SpeechDetector.h"
#include "media/SyncAlign.h"

namespace {

TEST(Correlator, MatchesTheSumAtEveryLag)
{
    std::mt19937 random(3);
    std::uniform_real_distribution<float> value(-1, 1);
    std::vector<float> signal(37), pattern(11);
    for (float &v : signal)
        v = value(random);
    for (float &v : pattern)
        v = value(random);
    Correlator correlator(signal, int(pattern.size()));
    const std::vector<float> c = correlator.correlate(pattern);
    ASSERT_EQ(c.size(), signal.size() + pattern.size() - 1);
    for (int d = -int(pattern.size()) + 1; d < int(signal.size()); ++d) {
        double sum = 0;
        for (int k = 0; k < int(pattern.size()); ++k)
            if (k + d >= 0 && k + d < int(signal.size()))
                sum += signal[k + d] * pattern[k];
        EXPECT_NEAR(c[d + pattern.size() - 1], sum, 1e-4) << "lag " << d;
    }
}

// Rows of 1-3 s with gaps of 0.5-2 s, and their speech (the spans' mask).
std::vector<SyncSpan> someRows(int count)
{
    std::mt19937 random(5);
    std::uniform_real_distribution<double> length(1, 3), gap(0.5, 2);
    std::vector<SyncSpan> rows;
    double at = 10;
    for (int i = 0; i < count; ++i) {
        const double l = length(random);
        rows.push_back({at, at + l});
        at += l + gap(random);
    }
    return rows;
}

TEST(AlignToSpeech, FindsAnOffsetAndACutOnMasks)
{
    const std::vector<SyncSpan> truth = someRows(200);
    const std::vector<std::uint8_t> speech = spanMask(truth);
    std::vector<SyncSpan> moved = truth;
    for (std::size_t i = 0; i < moved.size(); ++i) {
        const double by = 4.2 + (i >= 120 ? 5.0 : 0);
        moved[i] = {moved[i].start + by, moved[i].end + by};
    }
    const SyncResult r = alignToSpeech(speech, moved, {});
    ASSERT_EQ(r.status, SyncResult::Found);
    ASSERT_EQ(r.pieces.size(), 2u);
    EXPECT_EQ(r.pieces[1].firstRow, 120);
    EXPECT_NEAR(r.pieces[0].offset, -4.2, 0.011);
    EXPECT_NEAR(r.pieces[1].offset, -9.2, 0.011);
    EXPECT_NEAR(r.ratio, 1.0, 1e-9);
    EXPECT_GT(r.confidence, 0.9);

    const SyncResult one = alignToSpeech(speech, moved, {.splits = false, .ratio = false});
    EXPECT_EQ(one.pieces.size(), 1u);
}

TEST(AlignToSpeech, FitsAFreeRatio)
{
    const std::vector<SyncSpan> truth = someRows(300);
    std::vector<SyncSpan> moved = truth;
    for (SyncSpan &s : moved)
        s = {s.start * 1.003, s.end * 1.003};
    const SyncResult r = alignToSpeech(spanMask(truth), moved, {.splits = false});
    EXPECT_FALSE(r.standardRatio);
    EXPECT_NEAR(r.ratio, 1 / 1.003, 2e-4);
    for (std::size_t i = 0; i < truth.size(); i += 37)
        EXPECT_NEAR(r.mapped(int(i), moved[i].start), truth[i].start, 0.05) << i;
}

TEST(AlignToSpeech, WithoutSpeechOrRowsFindsNothing)
{
    const std::vector<SyncSpan> rows = someRows(20);
    EXPECT_EQ(alignToSpeech(std::vector<std::uint8_t>(50000, 0), rows, {}).status, SyncResult::NoSpeech);
    EXPECT_EQ(alignToSpeech(std::vector<std::uint8_t>(50000, 1), rows, {}).status, SyncResult::NoSpeech);
    EXPECT_EQ(alignToSpeech(spanMask(rows), {}, {}).status, SyncResult::NoRows);
}

TEST(SpeechDetector, MarksLoudBurstsOverASteadyHum)
{
    SpeechDetector detector;
    std::vector<float> sound(8000 * 10);
    for (std::size_t i = 0; i < sound.size(); ++i) {
        const double t = double(i) / 8000;
        sound[i] = float(0.01 * std::sin(2 * 3.14159 * 1000 * t));
        if ((t > 2 && t < 3.5) || (t > 6 && t < 7))
            sound[i] += float(0.4 * std::sin(2 * 3.14159 * 700 * t) * std::sin(2 * 3.14159 * 4 * t));
    }
    detector.feed(sound.data(), sound.size());
    const std::vector<std::uint8_t> mask = detector.finish();
    ASSERT_EQ(mask.size(), 1000u);
    const std::vector<int> onsets = speechOnsets(mask);
    ASSERT_EQ(onsets.size(), 2u);
    EXPECT_NEAR(onsets[0], 200, 4);
    EXPECT_NEAR(onsets[1], 600, 4);
    EXPECT_EQ(mask[100], 0);
    EXPECT_EQ(mask[280], 1);
    EXPECT_EQ(mask[800], 0);
}

}  // namespace
