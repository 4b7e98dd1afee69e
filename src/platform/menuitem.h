#pragma once

namespace lanternreel {

// A checkable menu item as the commands see it. 1 is on, 0 is off; any other value is the
// mixed state, which counts as "not off".
class MenuItem
{
public:
    virtual ~MenuItem() = default;
    virtual int state() const = 0;
    virtual void setState(int state) = 0;
};

} // namespace lanternreel
