#include "media/Correlation.h"

extern "C" {
#include <libavutil/mem.h>
#include <libavutil/tx.h>
}

#include <algorithm>
#include <stdexcept>

namespace {

template <typename T>
struct AvBuffer {
    explicit AvBuffer(std::size_t n) : data(static_cast<T *>(av_calloc(n, sizeof(T))))
    {
        if (!data)
            throw std::bad_alloc();
    }
    ~AvBuffer() { av_free(data); }
    AvBuffer(const AvBuffer &) = delete;
    AvBuffer &operator=(const AvBuffer &) = delete;
    T *data;
};

}  // namespace

struct Correlator::Impl {
    int size = 0;
    int signalLength = 0;
    AVTXContext *forward = nullptr;
    AVTXContext *inverse = nullptr;
    av_tx_fn forwardFn = nullptr;
    av_tx_fn inverseFn = nullptr;
    AvBuffer<AVComplexFloat> *signalSpectrum = nullptr;

    ~Impl()
    {
        av_tx_uninit(&forward);
        av_tx_uninit(&inverse);
        delete signalSpectrum;
    }
};

Correlator::Correlator(const std::vector<float> &signal, int longestPattern) : impl_(new Impl)
{
    Impl &m = *impl_;
    m.signalLength = int(signal.size());
    m.size = 2;
    while (m.size < m.signalLength + longestPattern)
        m.size *= 2;
    const float scale = 1.0f / float(m.size);
    const float one = 1.0f;
    if (av_tx_init(&m.forward, &m.forwardFn, AV_TX_FLOAT_RDFT, 0, m.size, &one, 0) < 0
        || av_tx_init(&m.inverse, &m.inverseFn, AV_TX_FLOAT_RDFT, 1, m.size, &scale, 0) < 0) {
        delete impl_;
        throw std::bad_alloc();
    }
    AvBuffer<float> in(m.size + 2);
    std::copy(signal.begin(), signal.end(), in.data);
    m.signalSpectrum = new AvBuffer<AVComplexFloat>(m.size / 2 + 1);
    m.forwardFn(m.forward, m.signalSpectrum->data, in.data, sizeof(float));
}

Correlator::~Correlator()
{
    delete impl_;
}

std::vector<float> Correlator::correlate(const std::vector<float> &pattern)
{
    Impl &m = *impl_;
    const int p = int(pattern.size());
    AvBuffer<float> in(m.size + 2);
    std::copy(pattern.begin(), pattern.begin() + std::min(p, m.size), in.data);
    const int bins = m.size / 2 + 1;
    AvBuffer<AVComplexFloat> spectrum(bins);
    m.forwardFn(m.forward, spectrum.data, in.data, sizeof(float));
    // S · conj(P): the correlation, lag d at index d (mod size)
    for (int i = 0; i < bins; ++i) {
        const AVComplexFloat s = m.signalSpectrum->data[i];
        const AVComplexFloat q = spectrum.data[i];
        spectrum.data[i] = {s.re * q.re + s.im * q.im, s.im * q.re - s.re * q.im};
    }
    AvBuffer<float> out(m.size + 2);
    m.inverseFn(m.inverse, out.data, spectrum.data, sizeof(AVComplexFloat));
    std::vector<float> result(std::size_t(m.signalLength + p - 1));
    for (int d = -(p - 1); d < m.signalLength; ++d)
        result[std::size_t(d + p - 1)] = out.data[(d + m.size) % m.size];
    return result;
}
