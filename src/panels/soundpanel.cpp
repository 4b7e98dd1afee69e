// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundpanel.h"

#include "display/soundtableview.h"
#include "ui_soundPanel.h"

#include <QItemSelectionModel>
#include <algorithm>

namespace lanternreel {

SoundPanel::SoundPanel(QAbstractItemModel *soundtrack, QWidget *parent)
    : Panel(parent)
    , m_layout(std::make_unique<Ui::soundPanel>())
{
    m_layout->setupUi(this);
    m_layout->soundTableView->setModel(soundtrack);
    connect(m_layout->addSoundButton, &QPushButton::clicked, this, &SoundPanel::addSoundClicked);
    connect(m_layout->removeSoundButton, &QPushButton::clicked, this,
            &SoundPanel::removeSoundClicked);
    connect(m_layout->soundTableView, &SoundTableView::dropTaken, this, &SoundPanel::dropTaken);
}

SoundPanel::~SoundPanel() = default;

QTableView *SoundPanel::tableView() const
{
    return m_layout->soundTableView;
}

QList<int> SoundPanel::selectedRows() const
{
    QList<int> rows;
    const QItemSelectionModel *selection = m_layout->soundTableView->selectionModel();
    if (!selection)
        return rows;
    for (const QModelIndex &index : selection->selectedIndexes()) {
        if (!rows.contains(index.row()))
            rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

} // namespace lanternreel
