// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace lanternreel {

// The loop and random switches as the application's menu shows them. A show opened from a file
// takes both from here: the file does not keep them.
class ShowFlags
{
public:
    virtual ~ShowFlags() = default;
    virtual bool loop() const = 0;
    virtual bool random() const = 0;
};

} // namespace lanternreel
