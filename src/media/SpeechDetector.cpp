#include "media/SpeechDetector.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <numbers>

#include "media/FilmAudio.h"

namespace {

constexpr int samplesPerFrame = filmAudioRate / speechFramesPerSecond;
constexpr int floorWindow = 150;   // frames each side for the local floor (1.5 s)
constexpr float speechRise = 9.0f; // dB above the local floor
constexpr float silenceDb = -60.0f;
constexpr int syllableWindow = 15;   // frames each side
constexpr float syllableSwing = 10.0f; // dB between the loudest and softest frame near it
constexpr int closeGap = 15;       // frames: pauses inside a sentence
constexpr int shortestBurst = 8;   // frames: clicks are not speech

// Sliding minimum over [i - w, i + w] (the deque keeps rising values).
std::vector<float> slidingMinimum(const std::vector<float> &v, int w)
{
    std::vector<float> out(v.size());
    std::deque<int> q;
    const int n = int(v.size());
    int next = 0;
    for (int i = 0; i < n; ++i) {
        for (; next < n && next <= i + w; ++next) {
            while (!q.empty() && v[q.back()] >= v[next])
                q.pop_back();
            q.push_back(next);
        }
        while (q.front() < i - w)
            q.pop_front();
        out[i] = v[q.front()];
    }
    return out;
}

// Runs of `value` shorter than `shortest` frames become the other value.
void dropShortRuns(std::vector<std::uint8_t> &mask, std::uint8_t value, int shortest)
{
    const int n = int(mask.size());
    for (int i = 0; i < n;) {
        int j = i;
        while (j < n && mask[j] == mask[i])
            ++j;
        // runs at either end stay: what lies beyond the film is unknown
        if (mask[i] == value && j - i < shortest && i > 0 && j < n)
            std::fill(mask.begin() + i, mask.begin() + j, std::uint8_t(1 - value));
        i = j;
    }
}

}  // namespace

SpeechDetector::SpeechDetector()
{
    // second-order Butterworth high-pass at 250 Hz
    const double w = 2 * std::numbers::pi * 250.0 / filmAudioRate;
    const double q = std::numbers::sqrt2 / 2;
    const double alpha = std::sin(w) / (2 * q);
    const double c = std::cos(w);
    const double a0 = 1 + alpha;
    highPass_ = {(1 + c) / 2 / a0, -(1 + c) / a0, (1 + c) / 2 / a0, -2 * c / a0, (1 - alpha) / a0};
}

void SpeechDetector::feed(const float *samples, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        const double y = highPass_.step(samples[i]);
        sum_ += y * y;
        if (++inFrame_ == samplesPerFrame) {
            const double mean = sum_ / samplesPerFrame;
            energy_.push_back(float(std::max<double>(10 * std::log10(mean + 1e-12), silenceDb)));
            sum_ = 0;
            inFrame_ = 0;
        }
    }
}

std::vector<std::uint8_t> SpeechDetector::finish()
{
    const int n = int(energy_.size());
    // three frames smoothed, so the floor follows the level, not single dips
    std::vector<float> smooth(energy_);
    for (int i = 1; i + 1 < n; ++i)
        smooth[i] = (energy_[i - 1] + energy_[i] + energy_[i + 1]) / 3;
    const std::vector<float> floor = slidingMinimum(smooth, floorWindow);
    // speech rises and falls with its syllables several times a second;
    // music and noise hold their level far longer
    std::vector<float> negated(energy_.size());
    for (int i = 0; i < n; ++i)
        negated[i] = -energy_[i];
    const std::vector<float> low = slidingMinimum(energy_, syllableWindow);
    const std::vector<float> high = slidingMinimum(negated, syllableWindow);
    std::vector<std::uint8_t> mask(n);
    for (int i = 0; i < n; ++i)
        mask[i] = energy_[i] > silenceDb + 10 && energy_[i] > floor[i] + speechRise
                  && -high[i] - low[i] > syllableSwing;
    dropShortRuns(mask, 0, closeGap);
    dropShortRuns(mask, 1, shortestBurst);
    return mask;
}

std::vector<int> speechOnsets(const std::vector<std::uint8_t> &mask)
{
    std::vector<int> out;
    for (std::size_t i = 0; i < mask.size(); ++i)
        if (mask[i] && (i == 0 || !mask[i - 1]))
            out.push_back(int(i));
    return out;
}
