// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <cstdint>
#include <memory>

namespace lanternreel {

// An MP4 file being written: one H.264 stream of still pictures at a constant, low frame rate
// and one AAC stream of 48 kHz stereo. Every call returns false on failure and error() says why;
// nothing is written after a failure. FFmpeg stays inside the implementation.
class Mp4Writer
{
public:
    static constexpr int SampleRate = 48000; // sound samples a second, each channel

    Mp4Writer();
    ~Mp4Writer();
    Mp4Writer(const Mp4Writer &) = delete;
    Mp4Writer &operator=(const Mp4Writer &) = delete;

    // Creates or truncates the file at `path` (even width and height, in pixels).
    bool open(const QString &path, QSize frameSize, int framesPerSecond);
    // Makes `picture` (of the frame size) the picture of the frames that follow.
    bool setPicture(const QImage &picture);
    // Frame number `index` (counted from 0, at the frame rate) shows the current picture; a key
    // frame starts it when `key`, so that seeking lands on a whole picture.
    bool writeFrame(int64_t index, bool key);
    // The next `count` samples a channel, following those given before.
    bool writeSound(const float *left, const float *right, int count);
    // Ends both streams at `endSample` (in samples: the last frame is shortened to end there) and
    // completes the file.
    bool finish(int64_t endSample);

    QString error() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace lanternreel
