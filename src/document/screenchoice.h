#pragma once

#include "platform/display.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

namespace lanternreel {

// Where a show goes full screen, and where its presenter window goes when there is a second
// screen for it.
struct ScreenChoice
{
    QRect show; // empty when there is no screen at all
    std::optional<QRect> presenter;
};

// With one screen, the show covers it and there is no presenter. With more, the show takes the
// screen named `preferred` (empty: none chosen), or else the first one that does not hold the
// point `windowCentre` (the centre of the show's own window, whose screen the person presenting
// is looking at); the presenter window takes the window's screen, or the first other one.
// `screens` lists the main screen first.
ScreenChoice chooseScreens(const std::vector<DisplayScreen> &screens, const QString &preferred,
                           QPoint windowCentre);

} // namespace lanternreel
