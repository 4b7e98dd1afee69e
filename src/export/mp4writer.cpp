// SPDX-License-Identifier: GPL-3.0-or-later
#include "mp4writer.h"

#include <QCoreApplication>
#include <QFile>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace lanternreel {

namespace {

struct EncoderFreer
{
    void operator()(AVCodecContext *context) const { avcodec_free_context(&context); }
};
struct FrameFreer
{
    void operator()(AVFrame *frame) const { av_frame_free(&frame); }
};
struct PacketFreer
{
    void operator()(AVPacket *packet) const { av_packet_free(&packet); }
};
struct FifoFreer
{
    void operator()(AVAudioFifo *fifo) const { av_audio_fifo_free(fifo); }
};
struct ScalerFreer
{
    void operator()(SwsContext *context) const { sws_freeContext(context); }
};
struct DictionaryFreer
{
    void operator()(AVDictionary *dictionary) const { av_dict_free(&dictionary); }
};

QString ffmpegError(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromLocal8Bit(text);
}

} // namespace

struct Mp4Writer::Private
{
    AVFormatContext *output = nullptr;
    bool headerWritten = false;
    std::unique_ptr<AVCodecContext, EncoderFreer> video;
    std::unique_ptr<AVCodecContext, EncoderFreer> sound;
    AVStream *videoStream = nullptr;
    AVStream *soundStream = nullptr;
    std::unique_ptr<AVFrame, FrameFreer> picture { av_frame_alloc() };
    std::unique_ptr<AVFrame, FrameFreer> soundFrame { av_frame_alloc() };
    std::unique_ptr<AVPacket, PacketFreer> packet { av_packet_alloc() };
    // The newest video packet, held back so that the last one's duration can still be cut.
    std::unique_ptr<AVPacket, PacketFreer> heldVideo { av_packet_alloc() };
    bool holding = false;
    std::unique_ptr<AVAudioFifo, FifoFreer> samples;
    std::unique_ptr<SwsContext, ScalerFreer> scaler;
    int64_t samplesSent = 0;
    QString error;

    bool fail(const QString &what, int code = 0)
    {
        if (error.isEmpty())
            error = code ? what + QStringLiteral(": ") + ffmpegError(code) : what;
        return false;
    }
    bool openVideo(QSize size, int framesPerSecond);
    bool openSound();
    bool send(AVCodecContext *encoder, AVStream *stream, const AVFrame *frame);
    bool writeVideoPacket(AVPacket *packet);
    bool encodeSamples(int count);
};

Mp4Writer::Mp4Writer()
    : d(std::make_unique<Private>())
{ }

Mp4Writer::~Mp4Writer()
{
    if (d->output) {
        if (d->output->pb)
            avio_closep(&d->output->pb);
        avformat_free_context(d->output);
    }
}

QString Mp4Writer::error() const
{
    return d->error;
}

bool Mp4Writer::open(const QString &path, QSize frameSize, int framesPerSecond)
{
    if (!d->picture || !d->soundFrame || !d->packet || !d->heldVideo)
        return d->fail(QCoreApplication::translate("Mp4Writer", "Out of memory"));
    // The encoders' statistics and the muxer's notes are not for the user, and its failures
    // come back in error().
    if (av_log_get_level() > AV_LOG_FATAL)
        av_log_set_level(AV_LOG_FATAL);
    // Named as a file, so that no name is taken for another protocol; the fast start pass
    // reopens the file by this name to move the index to the front.
    const QByteArray url = "file:" + QFile::encodeName(path);
    int result = avformat_alloc_output_context2(&d->output, nullptr, "mp4", url.constData());
    if (result < 0)
        return d->fail(QCoreApplication::translate("Mp4Writer", "No MP4 writer"), result);
    d->output->protocol_whitelist = av_strdup("file");
    // Wait for every stream before writing: the encoder's look-ahead holds video back for
    // several seconds of a low frame rate, and the sound should still lie beside its pictures.
    d->output->max_interleave_delta = 0;
    if (!d->openVideo(frameSize, framesPerSecond) || !d->openSound())
        return false;

    AVDictionary *raw = nullptr;
    av_dict_set(&raw, "protocol_whitelist", "file", 0);
    result = avio_open2(&d->output->pb, url.constData(), AVIO_FLAG_WRITE, nullptr, &raw);
    std::unique_ptr<AVDictionary, DictionaryFreer> ioOptions(raw);
    if (result < 0)
        return d->fail(QCoreApplication::translate("Mp4Writer", "Cannot create the file"), result);
    raw = nullptr;
    // The index first, so that a player (or a web page) can start before the whole file is in.
    av_dict_set(&raw, "movflags", "+faststart", 0);
    result = avformat_write_header(d->output, &raw);
    std::unique_ptr<AVDictionary, DictionaryFreer> muxOptions(raw);
    if (result < 0)
        return d->fail(QCoreApplication::translate("Mp4Writer", "Cannot write the file"), result);
    d->headerWritten = true;
    return true;
}

bool Mp4Writer::Private::openVideo(QSize size, int framesPerSecond)
{
    const AVCodec *codec = avcodec_find_encoder_by_name("libx264");
    if (!codec)
        return fail(
            QCoreApplication::translate("Mp4Writer", "This FFmpeg has no H.264 encoder (libx264)"));
    video.reset(avcodec_alloc_context3(codec));
    if (!video)
        return fail(QCoreApplication::translate("Mp4Writer", "Out of memory"));
    AVCodecContext *c = video.get();
    c->width = size.width();
    c->height = size.height();
    c->pix_fmt = AV_PIX_FMT_YUV420P;
    c->time_base = { 1, framesPerSecond };
    c->framerate = { framesPerSecond, 1 };
    c->sample_aspect_ratio = { 1, 1 };
    // A key frame at least every ten seconds, so that seeking in a long-held slide stays quick.
    c->gop_size = 10 * framesPerSecond;
    // Without B-frames the frames leave the encoder in display order, which lets the last one
    // be shortened to the sound's end; still pictures gain nothing from them.
    c->max_b_frames = 0;
    // Photos are sRGB, which players take as BT.709 for HD; say so rather than let them guess.
    c->color_primaries = AVCOL_PRI_BT709;
    c->color_trc = AVCOL_TRC_BT709;
    c->colorspace = AVCOL_SPC_BT709;
    c->color_range = AVCOL_RANGE_MPEG;
    if (output->oformat->flags & AVFMT_GLOBALHEADER)
        c->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVDictionary *raw = nullptr;
    // Slides are still photos: "stillimage" tunes the psychovisual settings for detail that
    // does not move, and the repeated frames of one slide cost almost nothing to code. A CRF of
    // 20 keeps photos free of visible blocks at a few megabytes a minute.
    av_dict_set(&raw, "preset", "veryfast", 0);
    av_dict_set(&raw, "tune", "stillimage", 0);
    av_dict_set(&raw, "crf", "20", 0);
    av_dict_set(&raw, "profile", "high", 0);
    const int result = avcodec_open2(c, codec, &raw);
    std::unique_ptr<AVDictionary, DictionaryFreer> options(raw);
    if (result < 0)
        return fail(QCoreApplication::translate("Mp4Writer", "Cannot start the H.264 encoder"),
                    result);

    videoStream = avformat_new_stream(output, nullptr);
    if (!videoStream || avcodec_parameters_from_context(videoStream->codecpar, c) < 0)
        return fail(QCoreApplication::translate("Mp4Writer", "Out of memory"));
    // Fine enough to end the last frame on any sound sample's time, and a whole number of
    // ticks a frame at every usual frame rate.
    videoStream->time_base = { 1, 90000 };
    videoStream->avg_frame_rate = c->framerate;

    picture->format = c->pix_fmt;
    picture->width = c->width;
    picture->height = c->height;
    picture->color_primaries = c->color_primaries;
    picture->color_trc = c->color_trc;
    picture->colorspace = c->colorspace;
    picture->color_range = c->color_range;
    if (av_frame_get_buffer(picture.get(), 0) < 0)
        return fail(QCoreApplication::translate("Mp4Writer", "Out of memory"));
    scaler.reset(sws_getContext(c->width, c->height, AV_PIX_FMT_RGB32, c->width, c->height,
                                c->pix_fmt, SWS_BICUBIC | SWS_ACCURATE_RND, nullptr, nullptr,
                                nullptr));
    if (!scaler)
        return fail(QCoreApplication::translate("Mp4Writer",
                                                "Cannot convert pictures for the H.264 encoder"));
    // Full-range RGB in, limited-range BT.709 out, as tagged above.
    sws_setColorspaceDetails(scaler.get(), sws_getCoefficients(SWS_CS_DEFAULT), 1,
                             sws_getCoefficients(SWS_CS_ITU709), 0, 0, 1 << 16, 1 << 16);
    return true;
}

bool Mp4Writer::Private::openSound()
{
    const AVCodec *codec = avcodec_find_encoder(AV_CODEC_ID_AAC);
    if (!codec)
        return fail(QCoreApplication::translate("Mp4Writer", "This FFmpeg has no AAC encoder"));
    sound.reset(avcodec_alloc_context3(codec));
    if (!sound)
        return fail(QCoreApplication::translate("Mp4Writer", "Out of memory"));
    AVCodecContext *c = sound.get();
    c->sample_fmt = AV_SAMPLE_FMT_FLTP;
    c->sample_rate = SampleRate;
    av_channel_layout_default(&c->ch_layout, 2);
    c->bit_rate = 192000; // music, not speech
    c->time_base = { 1, SampleRate };
    if (output->oformat->flags & AVFMT_GLOBALHEADER)
        c->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    const int result = avcodec_open2(c, codec, nullptr);
    if (result < 0)
        return fail(QCoreApplication::translate("Mp4Writer", "Cannot start the AAC encoder"),
                    result);
    soundStream = avformat_new_stream(output, nullptr);
    if (!soundStream || avcodec_parameters_from_context(soundStream->codecpar, c) < 0)
        return fail(QCoreApplication::translate("Mp4Writer", "Out of memory"));
    soundStream->time_base = c->time_base;
    samples.reset(av_audio_fifo_alloc(c->sample_fmt, 2, c->frame_size * 2));
    if (!samples)
        return fail(QCoreApplication::translate("Mp4Writer", "Out of memory"));
    return true;
}

bool Mp4Writer::setPicture(const QImage &picture)
{
    if (!d->error.isEmpty())
        return false;
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    if (rgb.size() != QSize(d->video->width, d->video->height))
        return d->fail(QCoreApplication::translate("Mp4Writer", "A picture of the wrong size"));
    // The encoder may still hold the previous picture; never change it under it.
    if (av_frame_make_writable(d->picture.get()) < 0)
        return d->fail(QCoreApplication::translate("Mp4Writer", "Out of memory"));
    const uint8_t *source[1] = { rgb.constBits() };
    const int stride[1] = { int(rgb.bytesPerLine()) };
    sws_scale(d->scaler.get(), source, stride, 0, rgb.height(), d->picture->data,
              d->picture->linesize);
    return true;
}

bool Mp4Writer::writeFrame(int64_t index, bool key)
{
    if (!d->error.isEmpty())
        return false;
    d->picture->pts = index;
    d->picture->pict_type = key ? AV_PICTURE_TYPE_I : AV_PICTURE_TYPE_NONE;
    return d->send(d->video.get(), d->videoStream, d->picture.get());
}

bool Mp4Writer::writeSound(const float *left, const float *right, int count)
{
    if (!d->error.isEmpty())
        return false;
    void *planes[2] = { const_cast<float *>(left), const_cast<float *>(right) };
    if (av_audio_fifo_write(d->samples.get(), planes, count) != count)
        return d->fail(QCoreApplication::translate("Mp4Writer", "Out of memory"));
    const int frameSize = d->sound->frame_size;
    while (av_audio_fifo_size(d->samples.get()) >= frameSize) {
        if (!d->encodeSamples(frameSize))
            return false;
    }
    return true;
}

bool Mp4Writer::Private::encodeSamples(int count)
{
    AVFrame *frame = soundFrame.get();
    av_frame_unref(frame);
    frame->format = sound->sample_fmt;
    frame->sample_rate = sound->sample_rate;
    frame->nb_samples = count;
    if (av_channel_layout_copy(&frame->ch_layout, &sound->ch_layout) < 0
        || av_frame_get_buffer(frame, 0) < 0)
        return fail(QCoreApplication::translate("Mp4Writer", "Out of memory"));
    if (av_audio_fifo_read(samples.get(), reinterpret_cast<void **>(frame->data), count) != count)
        return fail(QCoreApplication::translate("Mp4Writer", "Lost sound samples"));
    frame->pts = samplesSent;
    samplesSent += count;
    return send(sound.get(), soundStream, frame);
}

// Gives the encoder one frame (or, for nullptr, the end) and writes every packet it has ready.
bool Mp4Writer::Private::send(AVCodecContext *encoder, AVStream *stream, const AVFrame *frame)
{
    int result = avcodec_send_frame(encoder, frame);
    if (result < 0)
        return fail(QCoreApplication::translate("Mp4Writer", "Cannot encode"), result);
    for (;;) {
        result = avcodec_receive_packet(encoder, packet.get());
        if (result == AVERROR(EAGAIN) || result == AVERROR_EOF)
            return true;
        if (result < 0)
            return fail(QCoreApplication::translate("Mp4Writer", "Cannot encode"), result);
        packet->stream_index = stream->index;
        if (encoder == video.get()) {
            // The encoder does not tell a frame's duration; every frame lasts one tick here.
            packet->duration = 1;
            av_packet_rescale_ts(packet.get(), encoder->time_base, stream->time_base);
            if (!writeVideoPacket(packet.get()))
                return false;
            continue;
        }
        av_packet_rescale_ts(packet.get(), encoder->time_base, stream->time_base);
        result = av_interleaved_write_frame(output, packet.get());
        if (result < 0)
            return fail(QCoreApplication::translate("Mp4Writer", "Cannot write the file"), result);
    }
}

bool Mp4Writer::Private::writeVideoPacket(AVPacket *newest)
{
    if (holding) {
        const int result = av_interleaved_write_frame(output, heldVideo.get());
        if (result < 0)
            return fail(QCoreApplication::translate("Mp4Writer", "Cannot write the file"), result);
    }
    av_packet_move_ref(heldVideo.get(), newest);
    holding = true;
    return true;
}

bool Mp4Writer::finish(int64_t endSample)
{
    if (!d->error.isEmpty())
        return false;
    const int left = av_audio_fifo_size(d->samples.get());
    if (left > 0 && !d->encodeSamples(left))
        return false;
    if (!d->send(d->sound.get(), d->soundStream, nullptr)
        || !d->send(d->video.get(), d->videoStream, nullptr))
        return false;
    if (d->holding) {
        AVPacket *last = d->heldVideo.get();
        const int64_t end = av_rescale_q(endSample, { 1, SampleRate }, d->videoStream->time_base);
        if (end > last->pts)
            last->duration = end - last->pts;
        const int result = av_interleaved_write_frame(d->output, last);
        d->holding = false;
        if (result < 0)
            return d->fail(QCoreApplication::translate("Mp4Writer", "Cannot write the file"),
                           result);
    }
    int result = av_write_trailer(d->output);
    if (result < 0)
        return d->fail(QCoreApplication::translate("Mp4Writer", "Cannot complete the file"),
                       result);
    result = avio_closep(&d->output->pb);
    if (result < 0)
        return d->fail(QCoreApplication::translate("Mp4Writer", "Cannot complete the file"),
                       result);
    return true;
}

} // namespace lanternreel
