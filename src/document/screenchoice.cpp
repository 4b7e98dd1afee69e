#include "screenchoice.h"

#include <algorithm>

namespace lanternreel {

ScreenChoice chooseScreens(const std::vector<DisplayScreen> &screens, const QString &preferred,
                           QPoint windowCentre)
{
    if (screens.empty())
        return {};
    if (screens.size() == 1)
        return { screens.front().frame, std::nullopt };
    const auto holdsWindow = std::find_if(screens.begin(), screens.end(), [&](const auto &s) {
        return s.frame.contains(windowCentre);
    });
    // A window off every screen is taken to be on the main one.
    const size_t window = holdsWindow == screens.end() ? 0 : holdsWindow - screens.begin();

    size_t show = window == 0 ? 1 : 0;
    // A screen chosen once and since unplugged leaves the choice to the window's place.
    const auto named = std::find_if(screens.begin(), screens.end(), [&](const auto &s) {
        return !preferred.isEmpty() && s.name == preferred;
    });
    if (named != screens.end())
        show = named - screens.begin();
    const size_t presenter = window != show ? window : (show == 0 ? 1 : 0);
    return { screens[show].frame, screens[presenter].frame };
}

} // namespace lanternreel
