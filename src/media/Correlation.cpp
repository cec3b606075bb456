#include "media/Correlation.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

// A small iterative radix-2 FFT. FFmpeg's av_tx was tried first, but the
// version Debian ships falls back to a slow path for the sizes a long film
// needs (2^19 and more), so the correlation carries its own transform.

namespace {

using Complex = std::complex<double>;

class Fft {
public:
    explicit Fft(std::size_t n) : n_(n), twiddles_(n / 2)
    {
        for (std::size_t k = 0; k < n / 2; ++k)
            twiddles_[k] = std::polar(1.0, -2 * std::numbers::pi * double(k) / double(n));
    }

    void transform(std::vector<Complex> &a, bool inverse) const
    {
        for (std::size_t i = 1, j = 0; i < n_; ++i) {
            std::size_t bit = n_ >> 1;
            for (; j & bit; bit >>= 1)
                j ^= bit;
            j ^= bit;
            if (i < j)
                std::swap(a[i], a[j]);
        }
        for (std::size_t len = 2; len <= n_; len <<= 1) {
            const std::size_t half = len / 2, step = n_ / len;
            for (std::size_t i = 0; i < n_; i += len)
                for (std::size_t k = 0; k < half; ++k) {
                    const Complex w = inverse ? std::conj(twiddles_[k * step]) : twiddles_[k * step];
                    const Complex u = a[i + k], v = a[i + k + half] * w;
                    a[i + k] = u + v;
                    a[i + k + half] = u - v;
                }
        }
    }

private:
    std::size_t n_;
    std::vector<Complex> twiddles_;
};

}  // namespace

struct Correlator::Impl {
    std::size_t size = 0;
    int signalLength = 0;
    Fft *fft = nullptr;
    std::vector<Complex> signalSpectrum;
    ~Impl() { delete fft; }
};

Correlator::Correlator(const std::vector<float> &signal, int longestPattern) : impl_(new Impl)
{
    Impl &m = *impl_;
    m.signalLength = int(signal.size());
    m.size = 2;
    while (m.size < std::size_t(m.signalLength) + std::size_t(longestPattern))
        m.size *= 2;
    m.fft = new Fft(m.size);
    m.signalSpectrum.assign(m.size, Complex());
    std::copy(signal.begin(), signal.end(), m.signalSpectrum.begin());
    m.fft->transform(m.signalSpectrum, false);
}

Correlator::~Correlator()
{
    delete impl_;
}

std::vector<float> Correlator::correlate(const std::vector<float> &pattern)
{
    Impl &m = *impl_;
    const int p = int(pattern.size());
    std::vector<Complex> work(m.size);
    std::copy(pattern.begin(), pattern.begin() + std::min<std::size_t>(pattern.size(), m.size),
              work.begin());
    m.fft->transform(work, false);
    // S · conj(P): the correlation, lag d at index d (mod size)
    for (std::size_t i = 0; i < m.size; ++i)
        work[i] = m.signalSpectrum[i] * std::conj(work[i]);
    m.fft->transform(work, true);
    const double scale = 1.0 / double(m.size);
    std::vector<float> result(std::size_t(m.signalLength + p - 1));
    for (int d = -(p - 1); d < m.signalLength; ++d)
        result[std::size_t(d + p - 1)] =
            float(work[(std::size_t(d) + m.size) % m.size].real() * scale);
    return result;
}
