// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "panels/panel.h"

#include <QList>
#include <QTableView>
#include <memory>

class QAbstractItemModel;

namespace Ui {
class soundPanel;
}

namespace lanternreel {

// A show's soundtrack as a table, live: every panel of the show shows the same model, so each
// stays as the soundtrack is whatever changes it. What its buttons do is the document's
// business: they only say which was pressed, in this panel.
class SoundPanel : public Panel
{
    Q_OBJECT

public:
    SoundPanel(QAbstractItemModel *soundtrack, QWidget *parent);
    ~SoundPanel() override;

    QTableView *tableView() const;
    // The rows selected in the table, lowest first.
    QList<int> selectedRows() const;

signals:
    void addSoundClicked();
    void removeSoundClicked();
    // A row dropped onto the table was taken.
    void dropTaken();

private:
    std::unique_ptr<Ui::soundPanel> m_layout;
};

} // namespace lanternreel
