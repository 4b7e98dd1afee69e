#pragma once

#include <QString>
#include <memory>

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

// The application's menu bar as a document sees it: an item found by the title of its menu and
// its own title ("Slideshow", "Loop Slideshow"), without the mnemonic marks.
class MenuLookup
{
public:
    virtual ~MenuLookup() = default;
    // nullptr when there is no such item.
    virtual std::unique_ptr<MenuItem> findItem(const QString &menuTitle,
                                               const QString &itemTitle) const = 0;
};

} // namespace lanternreel
