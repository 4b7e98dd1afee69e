// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace lanternreel::testing {

// Writes a mono 16-bit 44.1 kHz WAV file of a sine tone, `seconds` long at `hertz`.
bool writeToneWav(const QString &path, double seconds, double hertz);

} // namespace lanternreel::testing
