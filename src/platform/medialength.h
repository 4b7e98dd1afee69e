// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

namespace lanternreel {

// How long a media file plays: `duration` time units, `timeScale` units per second. 64 bits
// because a 35-minute file counted in microseconds no longer fits in 32.
struct MediaDuration
{
    int64_t duration = 0;
    int64_t timeScale = 0;
};

class MediaLength
{
public:
    virtual ~MediaLength() = default;
    // A duration of 0 when the file cannot be read as a sound.
    virtual MediaDuration lengthOf(const QString &path) = 0;
};

} // namespace lanternreel
