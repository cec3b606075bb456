#include "media/FilmAudio.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

#include <memory>

namespace {

QString ffmpegError(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

struct FormatCloser {
    void operator()(AVFormatContext *c) const { avformat_close_input(&c); }
};
struct CodecFreer {
    void operator()(AVCodecContext *c) const { avcodec_free_context(&c); }
};
struct SwrFreer {
    void operator()(SwrContext *c) const { swr_free(&c); }
};
struct PacketFreer {
    void operator()(AVPacket *p) const { av_packet_free(&p); }
};
struct FrameFreer {
    void operator()(AVFrame *f) const { av_frame_free(&f); }
};

// Mixes down and resamples decoded frames, handing the samples on.
class MonoSink {
public:
    MonoSink(const FilmAudioCallbacks &callbacks) : callbacks_(callbacks) {}

    int open(const AVCodecContext *codec)
    {
        SwrContext *swr = nullptr;
        AVChannelLayout mono = AV_CHANNEL_LAYOUT_MONO;
        AVChannelLayout in;
        if (codec->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC || codec->ch_layout.nb_channels <= 0)
            av_channel_layout_default(&in, qMax(1, codec->ch_layout.nb_channels));
        else
            av_channel_layout_copy(&in, &codec->ch_layout);
        const int made = swr_alloc_set_opts2(&swr, &mono, AV_SAMPLE_FMT_FLT, filmAudioRate, &in,
                                             codec->sample_fmt, codec->sample_rate, 0, nullptr);
        av_channel_layout_uninit(&in);
        swr_.reset(swr);
        if (made < 0)
            return made;
        return swr_init(swr_.get());
    }

    int push(const AVFrame *frame)
    {
        const uint8_t **in = frame ? const_cast<const uint8_t **>(frame->extended_data) : nullptr;
        const int inCount = frame ? frame->nb_samples : 0;
        const int room = swr_get_out_samples(swr_.get(), inCount);
        if (room <= 0)
            return 0;
        if (buffer_.size() < std::size_t(room))
            buffer_.resize(room);
        uint8_t *out = reinterpret_cast<uint8_t *>(buffer_.data());
        const int got = swr_convert(swr_.get(), &out, room, in, inCount);
        if (got < 0)
            return got;
        if (got > 0 && callbacks_.samples)
            callbacks_.samples(buffer_.data(), std::size_t(got));
        delivered_ += got;
        return 0;
    }

    double seconds() const { return double(delivered_) / filmAudioRate; }

private:
    const FilmAudioCallbacks &callbacks_;
    std::unique_ptr<SwrContext, SwrFreer> swr_;
    std::vector<float> buffer_;
    qint64 delivered_ = 0;
};

FilmAudioResult failed(FilmAudioResult::Status status, int code = 0)
{
    FilmAudioResult r;
    r.status = status;
    if (code < 0)
        r.error = ffmpegError(code);
    return r;
}

int receiveAll(AVCodecContext *codec, AVFrame *frame, MonoSink &sink)
{
    for (;;) {
        const int r = avcodec_receive_frame(codec, frame);
        if (r == AVERROR(EAGAIN) || r == AVERROR_EOF)
            return 0;
        if (r < 0)
            return r;
        const int pushed = sink.push(frame);
        av_frame_unref(frame);
        if (pushed < 0)
            return pushed;
    }
}

}  // namespace

FilmAudioResult decodeFilmAudio(const QString &path, const FilmAudioCallbacks &callbacks)
{
    av_log_set_level(AV_LOG_QUIET);
    AVFormatContext *rawFormat = nullptr;
    const QByteArray name = path.toUtf8();
    if (const int r = avformat_open_input(&rawFormat, name.constData(), nullptr, nullptr); r < 0)
        return failed(FilmAudioResult::NoFile, r);
    std::unique_ptr<AVFormatContext, FormatCloser> format(rawFormat);
    if (const int r = avformat_find_stream_info(format.get(), nullptr); r < 0)
        return failed(FilmAudioResult::Broken, r);
    const AVCodec *decoder = nullptr;
    const int stream = av_find_best_stream(format.get(), AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
    if (stream < 0 || !decoder)
        return failed(FilmAudioResult::NoAudio);
    // the first audio stream, as the film lists them
    int first = stream;
    for (unsigned i = 0; i < format->nb_streams; ++i)
        if (format->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_AUDIO) {
            first = int(i);
            break;
        }
    const AVCodecParameters *par = format->streams[first]->codecpar;
    decoder = avcodec_find_decoder(par->codec_id);
    if (!decoder)
        return failed(FilmAudioResult::NoAudio);
    for (unsigned i = 0; i < format->nb_streams; ++i)
        format->streams[i]->discard = int(i) == first ? AVDISCARD_DEFAULT : AVDISCARD_ALL;

    std::unique_ptr<AVCodecContext, CodecFreer> codec(avcodec_alloc_context3(decoder));
    if (!codec)
        return failed(FilmAudioResult::Broken, AVERROR(ENOMEM));
    if (const int r = avcodec_parameters_to_context(codec.get(), par); r < 0)
        return failed(FilmAudioResult::Broken, r);
    codec->thread_count = 0;
    if (const int r = avcodec_open2(codec.get(), decoder, nullptr); r < 0)
        return failed(FilmAudioResult::Broken, r);

    MonoSink sink(callbacks);
    if (const int r = sink.open(codec.get()); r < 0)
        return failed(FilmAudioResult::Broken, r);

    const AVStream *st = format->streams[first];
    const double total = format->duration > 0 ? double(format->duration) / AV_TIME_BASE : 0;
    std::unique_ptr<AVPacket, PacketFreer> packet(av_packet_alloc());
    std::unique_ptr<AVFrame, FrameFreer> frame(av_frame_alloc());
    double lastReport = -1;
    for (;;) {
        const int r = av_read_frame(format.get(), packet.get());
        if (r == AVERROR_EOF)
            break;
        if (r < 0)
            return failed(FilmAudioResult::Broken, r);
        if (packet->stream_index == first) {
            if (total > 0 && callbacks.progress && packet->pts != AV_NOPTS_VALUE) {
                const double at = packet->pts * av_q2d(st->time_base) / total;
                if (at - lastReport >= 0.005) {
                    lastReport = at;
                    if (!callbacks.progress(qBound(0.0, at, 1.0)))
                        return failed(FilmAudioResult::Cancelled);
                }
            }
            // a damaged packet is skipped, as players do
            if (avcodec_send_packet(codec.get(), packet.get()) >= 0)
                if (const int got = receiveAll(codec.get(), frame.get(), sink); got < 0
                    && got != AVERROR_INVALIDDATA)
                    return failed(FilmAudioResult::Broken, got);
        }
        av_packet_unref(packet.get());
    }
    avcodec_send_packet(codec.get(), nullptr);
    receiveAll(codec.get(), frame.get(), sink);
    sink.push(nullptr);
    if (callbacks.progress && !callbacks.progress(1.0))
        return failed(FilmAudioResult::Cancelled);
    FilmAudioResult result;
    result.durationSeconds = sink.seconds();
    return result;
}

FilmAudioResult decodeFilmAudio(const QString &path, std::vector<float> &out,
                                const std::function<bool(double)> &progress)
{
    FilmAudioCallbacks callbacks;
    callbacks.samples = [&out](const float *s, std::size_t n) { out.insert(out.end(), s, s + n); };
    callbacks.progress = progress;
    return decodeFilmAudio(path, callbacks);
}
