// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

namespace lanternreel {

// A scheduled repeating timer. Destroying it invalidates it too.
class RepeatingTimer
{
public:
    virtual ~RepeatingTimer() = default;
    // The timer never fires again.
    virtual void invalidate() = 0;
};

class Timers
{
public:
    virtual ~Timers() = default;
    // Calls `action` every `seconds` seconds on the main thread, the first call one interval
    // after scheduling, until the timer is invalidated or destroyed.
    virtual std::unique_ptr<RepeatingTimer> scheduleRepeating(int seconds,
                                                              std::function<void()> action)
        = 0;
};

} // namespace lanternreel
