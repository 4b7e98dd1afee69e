// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/colorwell.h"
#include "document/preferencekeys.h"
#include "document/show.h"
#include "mydocument.h"
#include "panels/preferencespanel.h"
#include "platform/alerts.h"
#include "platform/display.h"
#include "platform/textnumber.h"

#include <QLineEdit>

namespace lanternreel {

void MyDocument::showPreferencesPanel()
{
    // A new panel at every opening; an earlier one stays open until it is closed itself.
    auto *panel = new PreferencesPanel(fullscreenColor, m_show->interval(), window());
    // The screen is the desktop's business, not the show's: the store's choice, whichever
    // window saved it.
    panel->setScreens(m_services.display->screens(), readPresentationScreen(*defaults));
    preferencesPanel = panel;
    // Each panel's buttons act on that panel: Save stores what the user sees there.
    const QPointer<PreferencesPanel> own = panel;
    connect(panel, &PreferencesPanel::saveClicked, this, [this, own] {
        preferencesPanel = own;
        savePreferences(*own);
    });
    connect(panel, &PreferencesPanel::cancelClicked, this, [this, own] {
        preferencesPanel = own;
        cancelPreferences();
    });
    present(panel);
}

void MyDocument::savePreferences()
{
    // Once the panel has closed there is nothing to read.
    if (preferencesPanel)
        savePreferences(*preferencesPanel);
}

void MyDocument::savePreferences(PreferencesPanel &panel)
{
    // The colour is taken and stored whatever becomes of the interval.
    fullscreenColor = panel.bgColor()->color();
    storeFullscreenColor(*defaults, fullscreenColor);
    storePresentationScreen(*defaults, panel.chosenScreen());

    const int32_t seconds = intValue(panel.timerInterval()->text());
    if (seconds > 0) {
        m_show->setInterval(seconds);
        storeTimerLength(*defaults, seconds);
        panel.close();
        return;
    }
    m_services.alerts->beep();
    m_services.alerts->alert(tr("Invalid Timer Interval"),
                             tr("The time between slides must be an integer greater than 0."));
}

void MyDocument::cancelPreferences()
{
    if (preferencesPanel)
        preferencesPanel->close();
}

PreferencesPanel *MyDocument::getPreferencesPanel() const
{
    return preferencesPanel;
}

} // namespace lanternreel
