// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace lanternreel {

// Three-way comparison of two strings as a person sorts file names: letters without regard to
// case, and each run of decimal digits by its value, so that "img2" comes before "img10". Both
// are compared in Unicode's composed form (NFC), so an accent written apart counts as the
// accented letter.
// -1 when `a` sorts first, 1 when `b` does, 0 when they count as the same.
int numericCompare(const QString &a, const QString &b);

} // namespace lanternreel
