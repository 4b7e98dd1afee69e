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
        QTableView::dropEvent(event);
        return;
    }
    if (model()->dropMimeData(event->mimeData(), Qt::MoveAction, -1, -1, index)) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    }
    // As the base class ends a drop.
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
}

} // namespace lanternreel
