// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/show.h"
#include "document/showcommands.h"
#include "mydocument.h"
#include "panels/infopanel.h"
#include "panels/soundpanel.h"
#include "slides/imagehandler.h"
#include "soundtrack/soundhandler.h"
#include "soundtrack/soundtrackmodel.h"

#include <QTableView>
#include <algorithm>

// The information and soundtrack panels. Each panel's buttons act on that panel; the menu's
// Remove Sound acts on the soundtrack panel opened or worked in last.

namespace lanternreel {

// A document without a window still takes its panels with it.
void MyDocument::present(Panel *panel)
{
    connect(this, &QObject::destroyed, panel, &QObject::deleteLater);
    panel->bringForward();
}

void MyDocument::slideshowInfo()
{
    auto *panel = new InfoPanel(m_show->slides().numImages(), m_show->interval(),
                                soundHandle->returnTotalLength(), window());
    infoPanel = panel;
    present(panel);
}

void MyDocument::showSoundPanel()
{
    auto *panel = new SoundPanel(soundHandle->model(), window());
    soundPanel = panel;
    const QPointer<SoundPanel> own = panel;
    connect(panel, &SoundPanel::addSoundClicked, this, [this, own] {
        soundPanel = own;
        addSong();
    });
    connect(panel, &SoundPanel::removeSoundClicked, this, [this, own] {
        soundPanel = own;
        removeSongSelectedIn(own);
    });
    connect(panel, &SoundPanel::dropTaken, this, [this, own] { soundPanel = own; });
    present(panel);
}

void MyDocument::removeSong()
{
    removeSongSelectedIn(soundPanel);
}

void MyDocument::removeSongSelectedIn(SoundPanel *panel)
{
    // A panel left from a soundtrack the document has since replaced says nothing of this one.
    if (!panel || panel->tableView()->model() != soundHandle->model())
        return;
    if (refuseWhileBusy())
        return;
    // The lowest row selected goes.
    const QList<int> rows = panel->selectedRows();
    if (rows.isEmpty())
        return;
    const int row = *std::min_element(rows.begin(), rows.end());
    if (row < 0 || row >= soundHandle->numSounds())
        return;
    undoStack()->push(new RemoveSoundCommand(soundHandle, row));
}

InfoPanel *MyDocument::getInfoPanel() const
{
    return infoPanel;
}

SoundPanel *MyDocument::getSoundPanel() const
{
    return soundPanel;
}

} // namespace lanternreel
