// SPDX-License-Identifier: GPL-3.0-or-later
#include "avmedialength.h"

#include <QFile>
#include <QFileInfo>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/log.h>
}

#include <memory>

namespace lanternreel {

namespace {

struct InputCloser
{
    void operator()(AVFormatContext *context) const { avformat_close_input(&context); }
};

struct DictionaryFreer
{
    void operator()(AVDictionary *dictionary) const { av_dict_free(&dictionary); }
};

} // namespace

// Files that are not sounds are an expected answer here (0), not something to print about.
AvMediaLength::AvMediaLength()
{
    av_log_set_level(AV_LOG_FATAL);
}

MediaDuration AvMediaLength::lengthOf(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return {};
    // Named as a file explicitly and limited to the file protocol, so that neither a name
    // that looks like a URL nor a playlist inside the file reaches the network.
    const QByteArray url = "file:" + QFile::encodeName(info.absoluteFilePath());
    AVDictionary *rawOptions = nullptr;
    av_dict_set(&rawOptions, "protocol_whitelist", "file", 0);

    AVFormatContext *raw = nullptr;
    const int opened = avformat_open_input(&raw, url.constData(), nullptr, &rawOptions);
    std::unique_ptr<AVDictionary, DictionaryFreer> options(rawOptions);
    if (opened < 0)
        return {};
    std::unique_ptr<AVFormatContext, InputCloser> context(raw);
    if (avformat_find_stream_info(context.get(), nullptr) < 0)
        return {};

    bool hasSound = false;
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        if (context->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_AUDIO)
            hasSound = true;
    }
    if (!hasSound || context->duration == AV_NOPTS_VALUE || context->duration <= 0)
        return {};
    return { context->duration, AV_TIME_BASE };
}

} // namespace lanternreel
