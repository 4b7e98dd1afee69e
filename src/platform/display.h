// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>
#include <vector>

namespace lanternreel {

// One screen of the desktop: the name the window system gives it, which stays the same from one
// run to the next so that a choice of screen can be stored, and its frame in device-independent
// pixels of the virtual desktop.
struct DisplayScreen
{
    QString name;
    QRect frame;
};

// The screen a full-screen show takes over. "Above everything" is the full-screen window's own
// business (stays-on-top and full-screen state); this service only takes and gives back the
// main display and the mouse cursor.
class Display
{
public:
    virtual ~Display() = default;
    // Takes the main display for a show: the desktop must neither blank nor lock it while the
    // show is up. False when it could not be taken; the caller goes on all the same.
    virtual bool captureMainDisplay() = 0;
    // Gives the main display back. False when that failed.
    virtual bool releaseMainDisplay() = 0;
    // The main (primary) screen's frame in device-independent pixels of the virtual desktop.
    virtual QRect mainScreenFrame() const = 0;
    // Every screen, the main one first.
    virtual std::vector<DisplayScreen> screens() const = 0;
    // Hides the mouse cursor over every window of the program; showCursor() undoes one hide.
    virtual void hideCursor() = 0;
    virtual void showCursor() = 0;
};

} // namespace lanternreel
