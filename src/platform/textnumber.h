// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>
#include <cstdint>

namespace lanternreel {

// Reads a whole number from typed text the way every field of the program does: white space at
// the start is skipped, then an optional sign and decimal digits are read up to the first other
// character. Text that does not start that way reads as 0; a number beyond the 32-bit signed
// range reads as the nearest limit. "2.9" is 2, "12abc" is 12, " 7" is 7.
int32_t intValue(QStringView text);

} // namespace lanternreel
