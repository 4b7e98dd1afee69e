// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTableView>

namespace lanternreel {

// The soundtrack's table. Qt's item views throw away a drop onto the rows being dragged, since
// moving rows onto themselves would wipe them; this table swaps rows, and a row dropped onto
// itself is a drop like any other, which its model takes.
class SoundTableView : public QTableView
{
    Q_OBJECT

public:
    using QTableView::QTableView;

signals:
    // The model took a row dropped here.
    void dropTaken();

protected:
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // The cell under the drop when the drag started in this table and is over one of the rows it
    // drags; an invalid index otherwise.
    QModelIndex ontoDraggedRow(const QDropEvent *event) const;
};

} // namespace lanternreel
