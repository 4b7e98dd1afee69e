// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <cstdint>
#include <memory>

namespace lanternreel {

// The sounds of a soundtrack decoded one after another, without gaps, as one stream of 48 kHz
// stereo samples, whatever rates and layouts the files have. A sound that cannot be read is left
// out and named in skipped(). Not thread-safe; FFmpeg stays inside the implementation.
class SoundtrackReader
{
public:
    static constexpr int SampleRate = 48000; // samples a second, each channel

    // Checks every sound now, so that the skipped ones are known before any is decoded.
    explicit SoundtrackReader(const QStringList &paths);
    ~SoundtrackReader();
    SoundtrackReader(const SoundtrackReader &) = delete;
    SoundtrackReader &operator=(const SoundtrackReader &) = delete;

    // The paths, as given, of the sounds left out because they are missing or not readable as
    // sound; each path once, in soundtrack order.
    QStringList skipped() const;
    // The length the readable files claim, in samples: for estimates only, since what decodes
    // may be a little longer or shorter.
    int64_t claimedSamples() const;
    // Decodes up to `count` samples a channel into `left` and `right`. Fewer than `count` means
    // that the soundtrack has ended; every later call gives 0.
    int read(float *left, float *right, int count);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace lanternreel
