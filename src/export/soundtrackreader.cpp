// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundtrackreader.h"

#include <QFile>
#include <QFileInfo>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <vector>

namespace lanternreel {

namespace {

struct InputCloser
{
    void operator()(AVFormatContext *context) const { avformat_close_input(&context); }
};
struct DecoderFreer
{
    void operator()(AVCodecContext *context) const { avcodec_free_context(&context); }
};
struct ResamplerFreer
{
    void operator()(SwrContext *context) const { swr_free(&context); }
};
struct FifoFreer
{
    void operator()(AVAudioFifo *fifo) const { av_audio_fifo_free(fifo); }
};
struct FrameFreer
{
    void operator()(AVFrame *frame) const { av_frame_free(&frame); }
};
struct PacketFreer
{
    void operator()(AVPacket *packet) const { av_packet_free(&packet); }
};

// One sound file being decoded.
struct OpenSound
{
    std::unique_ptr<AVFormatContext, InputCloser> input;
    std::unique_ptr<AVCodecContext, DecoderFreer> decoder;
    int stream = -1;
};

// Opens the file's best sound stream and its decoder; an empty result when the file is missing,
// not a regular file (a FIFO would block the open), or holds no sound FFmpeg can decode.
OpenSound openSound(const QString &path)
{
    OpenSound sound;
    const QFileInfo info(path);
    if (!info.isFile())
        return {};
    // Named as a file and limited to the file protocol, so that neither a name that looks like
    // a URL nor a playlist inside the file reaches the network.
    const QByteArray url = "file:" + QFile::encodeName(info.absoluteFilePath());
    AVDictionary *options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    AVFormatContext *raw = nullptr;
    const int opened = avformat_open_input(&raw, url.constData(), nullptr, &options);
    av_dict_free(&options);
    if (opened < 0)
        return {};
    sound.input.reset(raw);
    if (avformat_find_stream_info(raw, nullptr) < 0)
        return {};
    const AVCodec *codec = nullptr;
    sound.stream = av_find_best_stream(raw, AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
    if (sound.stream < 0 || !codec)
        return {};
    sound.decoder.reset(avcodec_alloc_context3(codec));
    if (!sound.decoder
        || avcodec_parameters_to_context(sound.decoder.get(), raw->streams[sound.stream]->codecpar)
            < 0
        || avcodec_open2(sound.decoder.get(), codec, nullptr) < 0)
        return {};
    return sound;
}

int64_t claimedLength(const OpenSound &sound)
{
    const AVFormatContext *input = sound.input.get();
    const AVStream *stream = input->streams[sound.stream];
    if (stream->duration > 0)
        return av_rescale_q(stream->duration, stream->time_base,
                            { 1, SoundtrackReader::SampleRate });
    if (input->duration > 0)
        return av_rescale(input->duration, SoundtrackReader::SampleRate, AV_TIME_BASE);
    return 0;
}

} // namespace

struct SoundtrackReader::Private
{
    QStringList paths;
    QStringList skipped;
    int64_t claimed = 0;

    int next = 0; // the next sound to open
    OpenSound current;
    bool draining = false; // the decoder was told that the file ended
    int64_t currentSamples = 0; // decoded from the current sound so far
    std::unique_ptr<SwrContext, ResamplerFreer> resampler;
    AVChannelLayout resamplerLayout {};
    int resamplerFormat = -1;
    int resamplerRate = 0;
    std::unique_ptr<AVAudioFifo, FifoFreer> fifo;
    std::unique_ptr<AVFrame, FrameFreer> frame { av_frame_alloc() };
    std::unique_ptr<AVPacket, PacketFreer> packet { av_packet_alloc() };
    std::vector<float> left, right;
    bool ended = false;

    void skip(const QString &path)
    {
        if (!skipped.contains(path))
            skipped.append(path);
    }
    bool fill(int wanted);
    bool decodeSome();
    void finishCurrent();
    bool resample(const AVFrame *input);
};

SoundtrackReader::SoundtrackReader(const QStringList &paths)
    : d(std::make_unique<Private>())
{
    // Files that are not sounds are an expected answer here, named in skipped(), not something
    // for FFmpeg to print about.
    if (av_log_get_level() > AV_LOG_FATAL)
        av_log_set_level(AV_LOG_FATAL);
    d->paths = paths;
    for (const QString &path : paths) {
        const OpenSound sound = openSound(path);
        if (sound.input)
            d->claimed += claimedLength(sound);
        else
            d->skip(path);
    }
    d->fifo.reset(av_audio_fifo_alloc(AV_SAMPLE_FMT_FLTP, 2, SampleRate));
}

SoundtrackReader::~SoundtrackReader()
{
    av_channel_layout_uninit(&d->resamplerLayout);
}

QStringList SoundtrackReader::skipped() const
{
    return d->skipped;
}

int64_t SoundtrackReader::claimedSamples() const
{
    return d->claimed;
}

int SoundtrackReader::read(float *left, float *right, int count)
{
    if (!d->fifo)
        throw std::bad_alloc();
    d->fill(count);
    void *planes[2] = { left, right };
    return std::max(0, av_audio_fifo_read(d->fifo.get(), planes, count));
}

// Decodes until `wanted` samples wait in the FIFO or the last sound has ended.
bool SoundtrackReader::Private::fill(int wanted)
{
    while (av_audio_fifo_size(fifo.get()) < wanted && !ended)
        ended = !decodeSome();
    return !ended;
}

// Adds what one more decoded frame gives, moving on to the next sound when one ends. False when
// no sound is left.
bool SoundtrackReader::Private::decodeSome()
{
    for (;;) {
        if (!current.input) {
            if (next >= paths.size())
                return false;
            const QString &path = paths.at(next++);
            if (skipped.contains(path))
                continue;
            current = openSound(path);
            draining = false;
            currentSamples = 0;
            if (!current.input)
                skip(path); // gone or changed since the check
            continue;
        }
        const int received = avcodec_receive_frame(current.decoder.get(), frame.get());
        if (received == 0) {
            const bool converted = resample(frame.get());
            av_frame_unref(frame.get());
            if (!converted)
                throw std::bad_alloc();
            return true;
        }
        if (received != AVERROR(EAGAIN)) {
            // The end of the file, or damage the decoder cannot pass: either way this sound
            // is over, as a player would stop it there.
            finishCurrent();
            continue;
        }
        if (av_read_frame(current.input.get(), packet.get()) < 0) {
            if (draining) {
                finishCurrent();
                continue;
            }
            draining = true;
            avcodec_send_packet(current.decoder.get(), nullptr);
            continue;
        }
        // A damaged packet is dropped; the ones after it may decode again.
        if (packet->stream_index == current.stream)
            avcodec_send_packet(current.decoder.get(), packet.get());
        av_packet_unref(packet.get());
    }
}

// Takes the resampler's tail, then lets the sound go.
void SoundtrackReader::Private::finishCurrent()
{
    if (resampler)
        resample(nullptr);
    resampler.reset();
    if (currentSamples == 0)
        skip(paths.at(next - 1)); // opened, but not one sample decoded
    current = {};
}

bool SoundtrackReader::Private::resample(const AVFrame *input)
{
    if (input) {
        AVChannelLayout layout {};
        if (input->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
            av_channel_layout_default(&layout, input->ch_layout.nb_channels);
        else if (av_channel_layout_copy(&layout, &input->ch_layout) < 0)
            return false;
        // A stream may change its format midway; the resampler follows it.
        if (!resampler || resamplerFormat != input->format || resamplerRate != input->sample_rate
            || av_channel_layout_compare(&layout, &resamplerLayout) != 0) {
            AVChannelLayout stereo {};
            av_channel_layout_default(&stereo, 2);
            SwrContext *raw = nullptr;
            if (swr_alloc_set_opts2(&raw, &stereo, AV_SAMPLE_FMT_FLTP, SampleRate, &layout,
                                    AVSampleFormat(input->format), input->sample_rate, 0, nullptr)
                    < 0
                || swr_init(raw) < 0) {
                swr_free(&raw);
                av_channel_layout_uninit(&layout);
                resampler.reset();
                return true; // a frame no resampler takes is left out, like a damaged packet
            }
            resampler.reset(raw);
            av_channel_layout_uninit(&resamplerLayout);
            resamplerLayout = layout;
            resamplerFormat = input->format;
            resamplerRate = input->sample_rate;
        } else {
            av_channel_layout_uninit(&layout);
        }
    }
    const int room = swr_get_out_samples(resampler.get(), input ? input->nb_samples : 0);
    if (room <= 0)
        return true;
    left.resize(size_t(room));
    right.resize(size_t(room));
    uint8_t *planes[2]
        = { reinterpret_cast<uint8_t *>(left.data()), reinterpret_cast<uint8_t *>(right.data()) };
    const int made
        = swr_convert(resampler.get(), planes, room,
                      input ? const_cast<const uint8_t **>(input->extended_data) : nullptr,
                      input ? input->nb_samples : 0);
    if (made <= 0)
        return true;
    currentSamples += made;
    void *fifoPlanes[2] = { left.data(), right.data() };
    return av_audio_fifo_write(fifo.get(), fifoPlanes, made) == made;
}

} // namespace lanternreel
