// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/display.h"

#include <QString>
#include <vector>

namespace lanternreel {

// The primary screen, kept awake through the desktop's screen saver service
// (org.freedesktop.ScreenSaver on the session bus), and a blank cursor.
class QtDisplay : public Display
{
public:
    // `applicationName` is what the desktop lists as holding the screen awake.
    explicit QtDisplay(QString applicationName = QStringLiteral("Lanternreel"));
    ~QtDisplay() override;
    QtDisplay(const QtDisplay &) = delete;
    QtDisplay &operator=(const QtDisplay &) = delete;

    bool captureMainDisplay() override;
    bool releaseMainDisplay() override;
    QRect mainScreenFrame() const override;
    std::vector<DisplayScreen> screens() const override;
    void hideCursor() override;
    void showCursor() override;

private:
    QString m_applicationName;
    // One cookie per capture still held: two shows may be full screen at once, and each
    // release gives back one.
    std::vector<uint> m_cookies;
    int m_hiddenCursors = 0;
};

} // namespace lanternreel
