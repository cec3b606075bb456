#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Voice activity over a film's mono sound at filmAudioRate, in frames of
// 10 ms. Each frame's energy is taken in the speech band (a high-pass at
// about 250 Hz keeps music's bass and hum out) and in the band of
// fricatives; a frame is speech when its band energy stands far enough
// above the local floor of the sound around it (the lowest level of the
// seconds near it), so steady noise and the long notes of music stay out.
// Fed block by block while the film decodes; memory is a few bytes a frame.

inline constexpr int speechFramesPerSecond = 100;

class SpeechDetector {
public:
    SpeechDetector();
    void feed(const float *samples, std::size_t count);
    // The speech mask, one byte a frame (1 speech), short gaps closed and
    // short bursts dropped.
    std::vector<std::uint8_t> finish();
    std::size_t frameCount() const { return energy_.size(); }

private:
    struct Biquad {
        double b0, b1, b2, a1, a2;
        double z1 = 0, z2 = 0;
        double step(double x)
        {
            const double y = b0 * x + z1;
            z1 = b1 * x - a1 * y + z2;
            z2 = b2 * x - a2 * y;
            return y;
        }
    };
    Biquad highPass_;
    double sum_ = 0;
    int inFrame_ = 0;
    std::vector<float> energy_;  // log energy in dB, one a frame
};

// The frames where speech begins (a 0 -> 1 step of the mask).
std::vector<int> speechOnsets(const std::vector<std::uint8_t> &mask);
