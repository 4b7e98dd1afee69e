// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace lanternreel {

// Two kinds of line the program writes: the platform log (standard error here) and plain lines
// on standard output. Neither has levels.
class Log
{
public:
    virtual ~Log() = default;
    // One line in the platform log.
    virtual void log(const QString &line) = 0;
    // One line on standard output; the newline is added.
    virtual void out(const QString &line) = 0;
};

} // namespace lanternreel
