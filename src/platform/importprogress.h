#pragma once

namespace lanternreel {

// The window shown while images import. It is modal for the whole application: no other
// window takes input until it closes.
class ImportProgress
{
public:
    virtual ~ImportProgress() = default;
    // Opens the window. `total` is the number of files to load, 0 while that is not known yet
    // (the indicator then only shows that work goes on).
    virtual void show(int total) = 0;
    // `done` of `total` files are loaded.
    virtual void progress(int done, int total) = 0;
    // Called often while the import waits for pictures to decode, so that the window keeps
    // moving and repaints.
    virtual void keepMoving() = 0;
    virtual void close() = 0;
};

} // namespace lanternreel
