// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/timers.h"

#include <chrono>
#include <limits>

namespace lanternreel {

class QtTimers : public Timers
{
public:
    // The longest single wait a QTimer is given. A QTimer counts its interval in int
    // milliseconds, about 24.8 days, and an interval can be 2,147,483,647 seconds, so longer
    // intervals are waited out in several parts of at most this length.
    static constexpr std::chrono::milliseconds LongestWait { std::numeric_limits<int>::max() };

    explicit QtTimers(std::chrono::milliseconds longestWait = LongestWait);

    std::unique_ptr<RepeatingTimer> scheduleRepeating(int seconds,
                                                      std::function<void()> action) override;

private:
    std::chrono::milliseconds m_longestWait;
};

} // namespace lanternreel
