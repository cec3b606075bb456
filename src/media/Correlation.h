#pragma once
#include <vector>

// Cross-correlation by FFT:
// for every lag d in [-(pattern.size() - 1), signal.size() - 1],
// sum over k of signal[k + d] * pattern[k]. The signal's transform is made
// once and reused for every pattern.
class Correlator {
public:
    // The longest pattern that will be given.
    Correlator(const std::vector<float> &signal, int longestPattern);
    ~Correlator();
    Correlator(const Correlator &) = delete;
    Correlator &operator=(const Correlator &) = delete;

    // The value at lag d is at index d + pattern.size() - 1.
    std::vector<float> correlate(const std::vector<float> &pattern);

private:
    struct Impl;
    Impl *impl_;
};
