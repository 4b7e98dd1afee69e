#pragma once

namespace lanternreel {

class Alerts;
class Log;
class PreferenceStore;
class Timers;

// The platform services one show works with. The pointers are not owned: the application (or a
// test) keeps the services alive for longer than every document.
struct Services
{
    Alerts *alerts = nullptr;
    Log *log = nullptr;
    PreferenceStore *preferences = nullptr;
    Timers *timers = nullptr;
};

} // namespace lanternreel
