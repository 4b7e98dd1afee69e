// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace lanternreel {

class Alerts;
class Display;
class Log;
class MediaLength;
class OpenPanels;
class PreferenceStore;
class ShowFlags;
class SoundFactory;
class Timers;

// The platform services one show works with. The pointers are not owned: the application (or a
// test) keeps the services alive for longer than every document.
struct Services
{
    Alerts *alerts = nullptr;
    Log *log = nullptr;
    PreferenceStore *preferences = nullptr;
    Timers *timers = nullptr;
    OpenPanels *openPanels = nullptr;
    SoundFactory *sounds = nullptr; // playing sound files
    MediaLength *mediaLength = nullptr; // how long a sound file plays
    Display *display = nullptr; // the screen a full-screen show takes
    const ShowFlags *menuFlags = nullptr; // the menu's loop and random items; none reads as off
};

} // namespace lanternreel
