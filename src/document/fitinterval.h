#pragma once

#include <cstdint>

namespace lanternreel {

// The whole seconds between slides that make one pass of `slides` slides last as long as a
// soundtrack of `soundtrackSeconds`: the nearest, halves rounded up, and at least 1. Both
// counts are greater than 0.
int32_t fittedInterval(int32_t slides, int32_t soundtrackSeconds);

} // namespace lanternreel
