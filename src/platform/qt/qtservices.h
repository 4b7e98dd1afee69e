// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "avmedialength.h"
#include "platform/services.h"
#include "qtalerts.h"
#include "qtdisplay.h"
#include "qtlog.h"
#include "qtopenpanels.h"
#include "qtpreferencestore.h"
#include "qtsound.h"
#include "qttimers.h"

namespace lanternreel {

// The real platform services of the running application.
class QtServices
{
public:
    QtServices()
    {
        m_services.alerts = &m_alerts;
        m_services.log = &m_log;
        m_services.preferences = &m_preferences;
        m_services.timers = &m_timers;
        m_services.openPanels = &m_openPanels;
        m_services.sounds = &m_sounds;
        m_services.mediaLength = &m_mediaLength;
        m_services.display = &m_display;
    }
    QtServices(const QtServices &) = delete;
    QtServices &operator=(const QtServices &) = delete;

    const Services &services() const { return m_services; }
    // The menu is made after the services; shows opened from then on take its loop and random.
    void setMenuFlags(const ShowFlags *flags) { m_services.menuFlags = flags; }

private:
    QtAlerts m_alerts;
    QtLog m_log;
    QtPreferenceStore m_preferences;
    QtTimers m_timers;
    QtOpenPanels m_openPanels;
    QtSoundFactory m_sounds;
    AvMediaLength m_mediaLength;
    QtDisplay m_display;
    Services m_services;
};

} // namespace lanternreel
