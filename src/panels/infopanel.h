// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "panels/panel.h"

#include <QLabel>
#include <cstdint>
#include <memory>

namespace Ui {
class slideshowInfoPanel;
}

namespace lanternreel {

// The size of a show as it was when the panel opened: how many slides, the time between them,
// how long one pass through them takes, and how long the soundtrack lasts. It is not updated
// afterwards.
class InfoPanel : public Panel
{
    Q_OBJECT

public:
    // `slides` slides `seconds` apart, and a soundtrack of `soundtrackSeconds`.
    InfoPanel(int32_t slides, int32_t seconds, int32_t soundtrackSeconds, QWidget *parent);
    ~InfoPanel() override;

    // "12 images", "3 seconds", "36 seconds" (or "2 minutes"), "0:00".
    const QLabel *numberOfSlides() const;
    const QLabel *durationOfSlides() const;
    const QLabel *projectedDuration() const;
    const QLabel *projectedSoundtrackDuration() const;
    // One pass and the soundtrack in the same minutes-and-seconds form, side by side, so that
    // the two can be compared to the second: "4:00 of slides, 4:02 of soundtrack".
    const QLabel *passAndSoundtrack() const;

private:
    std::unique_ptr<Ui::slideshowInfoPanel> m_layout;
};

} // namespace lanternreel
