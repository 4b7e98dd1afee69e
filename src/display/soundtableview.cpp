// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundtableview.h"

#include <QDropEvent>

namespace lanternreel {

QModelIndex SoundTableView::ontoDraggedRow(const QDropEvent *event) const
{
    if (event->source() != this || !model() || !selectionModel())
        return {};
    const QModelIndex index = indexAt(event->position().toPoint());
    return index.isValid() && selectionModel()->isSelected(index) ? index : QModelIndex();
}

void SoundTableView::dragMoveEvent(QDragMoveEvent *event)
{
    QTableView::dragMoveEvent(event);
    // Refused here, the drag would end without a drop at all.
    const QModelIndex index = ontoDraggedRow(event);
    if (!event->isAccepted() && index.isValid()
        && model()->canDropMimeData(event->mimeData(), Qt::MoveAction, -1, -1, index)) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    }
}

void SoundTableView::dropEvent(QDropEvent *event)
{
    const QModelIndex index = ontoDraggedRow(event);
    if (!index.isValid()) {
        // The base class accepts the drop only when the model took it.
        event->ignore();
        QTableView::dropEvent(event);
        if (event->isAccepted())
            emit dropTaken();
        return;
    }
    if (model()->dropMimeData(event->mimeData(), Qt::MoveAction, -1, -1, index)) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
        emit dropTaken();
    }
    // As the base class ends a drop.
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
}

} // namespace lanternreel
