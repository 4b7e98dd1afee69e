// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/display.h"

#include <QRect>

namespace lanternreel::testing {

// Records what a full-screen show asks of the display; capture and release fail on demand.
class FakeDisplay : public Display
{
public:
    bool captureMainDisplay() override
    {
        ++captures;
        if (failCapture)
            return false;
        ++held;
        return true;
    }
    bool releaseMainDisplay() override
    {
        ++releases;
        if (failRelease)
            return false;
        if (held > 0)
            --held;
        return true;
    }
    QRect mainScreenFrame() const override { return frame; }
    std::vector<DisplayScreen> screens() const override
    {
        if (screenList.empty())
            return { { QStringLiteral("OffscreenScreen"), frame } };
        return screenList;
    }
    void hideCursor() override { ++hiddenCursors; }
    void showCursor() override { --hiddenCursors; }

    bool cursorHidden() const { return hiddenCursors > 0; }

    bool failCapture = false;
    bool failRelease = false;
    int captures = 0;
    int releases = 0;
    int held = 0; // captures not yet given back
    int hiddenCursors = 0; // hides not yet undone; negative when shown more than hidden
    QRect frame { 0, 0, 1920, 1080 }; // the offscreen test screen
    std::vector<DisplayScreen> screenList; // empty: `frame` alone
};

} // namespace lanternreel::testing
