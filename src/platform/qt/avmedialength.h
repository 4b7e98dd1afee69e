// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/medialength.h"

namespace lanternreel {

// Reads a file's duration with libavformat: the duration is in AV_TIME_BASE units, so the time
// scale is AV_TIME_BASE. Only local files are read, and only files with a sound in them count.
class AvMediaLength : public MediaLength
{
public:
    AvMediaLength();
    MediaDuration lengthOf(const QString &path) override;
};

} // namespace lanternreel
