#pragma once

#include "platform/timers.h"

namespace lanternreel {

class QtTimers : public Timers
{
public:
    std::unique_ptr<RepeatingTimer> scheduleRepeating(int seconds,
                                                      std::function<void()> action) override;
};

} // namespace lanternreel
