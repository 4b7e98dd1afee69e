#include "slidestrip.h"

#include "display/slidestripmodel.h"
#include "display/thumbnailcache.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QSettings>
#include <QStyledItemDelegate>
#include <cmath>
#include <memory>

namespace lanternreel {

namespace {

const QString WantedKey = QStringLiteral("View/SlideStrip");
constexpr int Padding = 6; // around the thumbnail, inside its cell
constexpr int MarkWidth = 3; // of the frame round the current slide
constexpr int CellSpacing = 4; // between cells

// One cell: the thumbnail (or a grey box while it is made), the slide's name under it, the
// selection behind it and, round the current slide, a frame.
class ThumbnailDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const override
    {
        return { SlideStrip::ThumbnailBox.width() + 2 * Padding,
                 SlideStrip::ThumbnailBox.height() + 2 * Padding + option.fontMetrics.height()
                     + Padding / 2 };
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const QRect cell = option.rect;
        const QPalette &palette = option.palette;
        if (option.state & QStyle::State_Selected) {
            QColor selection = palette.color(QPalette::Highlight);
            selection.setAlpha(90);
            painter->setPen(Qt::NoPen);
            painter->setBrush(selection);
            painter->drawRoundedRect(cell.adjusted(1, 1, -1, -1), 4, 4);
        }

        const QRect box(cell.left() + Padding, cell.top() + Padding,
                        SlideStrip::ThumbnailBox.width(), SlideStrip::ThumbnailBox.height());
        const QImage thumbnail = index.data(Qt::DecorationRole).value<QImage>();
        QRect picture = box;
        if (thumbnail.isNull()) {
            painter->fillRect(box.adjusted(8, 8, -8, -8), palette.color(QPalette::Mid));
        } else {
            const QSize size = (QSizeF(thumbnail.size()) / thumbnail.devicePixelRatio()).toSize();
            picture = QRect(QPoint(), size.scaled(box.size(), Qt::KeepAspectRatio));
            picture.moveCenter(box.center());
            painter->drawImage(picture, thumbnail);
        }
        if (index.data(SlideStripModel::CurrentRole).toBool()) {
            painter->setPen(QPen(palette.color(QPalette::Highlight), MarkWidth));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(picture.adjusted(-MarkWidth / 2 - 1, -MarkWidth / 2 - 1,
                                               MarkWidth / 2 + 1, MarkWidth / 2 + 1));
        }

        const QRect text(cell.left() + Padding / 2, box.bottom() + Padding, cell.width() - Padding,
                         option.fontMetrics.height());
        // The selection behind is a light tint of the highlight: the text keeps its own colour.
        painter->setPen(palette.color(QPalette::WindowText));
        painter->drawText(
            text, Qt::AlignHCenter | Qt::AlignVCenter,
            option.fontMetrics.elidedText(index.data().toString(), Qt::ElideMiddle, text.width()));
        painter->restore();
    }
};

} // namespace

SlideStrip::SlideStrip(QWidget *parent)
    : QListView(parent)
{
    setViewMode(QListView::ListMode);
    setFlow(QListView::LeftToRight);
    setWrapping(false);
    // Every cell the same size: a strip of thousands of slides lays out and scrolls at once.
    setUniformItemSizes(true);
    setSpacing(CellSpacing / 2);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setItemDelegate(new ThumbnailDelegate(this));
    // Moving is the strip's own: the list view would move rows itself, one by one.
    setMovement(QListView::Snap);
    setDragEnabled(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setDropIndicatorShown(false);

    const int cellHeight
        = ThumbnailBox.height() + 2 * Padding + fontMetrics().height() + Padding / 2;
    setFixedHeight(cellHeight + CellSpacing + horizontalScrollBar()->sizeHint().height()
                   + 2 * frameWidth());

    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        // A click that adds to the selection or extends it only selects.
        if (QApplication::keyboardModifiers() == Qt::NoModifier)
            emit slideChosen(index.row());
    });
}

SlideStrip::~SlideStrip() = default;

void SlideStrip::setStripModel(SlideStripModel *model)
{
    setModel(model);
    updateThumbnailBox();
    connect(model, &SlideStripModel::currentRowChanged, this, [this](int row) {
        // The current slide stays in sight as the show steps, unless a drag is under way.
        if (row >= 0 && state() != DraggingState)
            scrollTo(this->model()->index(row, 0));
    });
}

SlideStripModel *SlideStrip::stripModel() const
{
    return qobject_cast<SlideStripModel *>(model());
}

void SlideStrip::updateThumbnailBox()
{
    if (SlideStripModel *model = stripModel())
        model->thumbnails().setBox(ThumbnailBox * devicePixelRatioF());
}

QList<int> SlideStrip::selectedRows() const
{
    QList<int> rows;
    if (!selectionModel())
        return rows;
    for (const QModelIndex &index : selectionModel()->selectedIndexes())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int SlideStrip::dropRowAt(QPoint point) const
{
    const int count = model() ? model()->rowCount() : 0;
    if (count == 0)
        return 0;
    const QRect first = visualRect(model()->index(0, 0));
    const int step = count > 1 ? visualRect(model()->index(1, 0)).left() - first.left()
                               : first.width() + CellSpacing;
    if (step <= 0)
        return count;
    // Left of a thumbnail's middle goes before it, right of it after it.
    const double past = (point.x() - first.left() - first.width() / 2.0) / step;
    return std::clamp(static_cast<int>(std::floor(past)) + 1, 0, count);
}

bool SlideStrip::event(QEvent *event)
{
    // Delete is also Remove Current Image: here it is the strip's, for what is selected in it.
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace)
            && key->modifiers() == Qt::NoModifier && !selectedRows().isEmpty()) {
            event->accept();
            return true;
        }
    }
    return QListView::event(event);
}

void SlideStrip::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            if (!selectedRows().isEmpty()) {
                emit removeRequested(selectedRows());
                return;
            }
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (currentIndex().isValid()) {
                emit slideChosen(currentIndex().row());
                return;
            }
            break;
        default:
            break;
        }
    }
    QListView::keyPressEvent(event);
}

// The drag carries the rows; the drop asks for the move. The list view's own drag would take
// the rows out of the model once dropped.
void SlideStrip::startDrag(Qt::DropActions)
{
    const QModelIndexList indexes = selectionModel()->selectedIndexes();
    if (indexes.isEmpty())
        return;
    std::unique_ptr<QMimeData> data(model()->mimeData(indexes));
    if (!data)
        return;
    auto *drag = new QDrag(this); // the drag manager lets it go once it is over
    drag->setMimeData(data.release());
    const QImage thumbnail
        = model()
              ->data(model()->index(selectedRows().front(), 0), Qt::DecorationRole)
              .value<QImage>();
    if (!thumbnail.isNull()) {
        QPixmap pixmap = QPixmap::fromImage(
            thumbnail.scaled(thumbnail.size() / 2, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        pixmap.setDevicePixelRatio(devicePixelRatioF());
        drag->setPixmap(pixmap);
        drag->setHotSpot(QPoint(-8, -8));
    }
    drag->exec(Qt::MoveAction, Qt::MoveAction);
    showDropRow(-1);
}

void SlideStrip::dragEnterEvent(QDragEnterEvent *event)
{
    if (!stripModel() || stripModel()->draggedRows(event->mimeData()).empty()) {
        event->ignore();
        return;
    }
    QAbstractItemView::dragEnterEvent(event);
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void SlideStrip::dragMoveEvent(QDragMoveEvent *event)
{
    // Scrolls the strip when the drag nears either end.
    // QListView's own would move items about inside the view; the model moves the slides.
    QAbstractItemView::dragMoveEvent(event); // NOLINT(bugprone-parent-virtual-call)
    if (!stripModel() || stripModel()->draggedRows(event->mimeData()).empty()) {
        event->ignore();
        showDropRow(-1);
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
    showDropRow(dropRowAt(event->position().toPoint()));
}

void SlideStrip::dragLeaveEvent(QDragLeaveEvent *event)
{
    QListView::dragLeaveEvent(event);
    showDropRow(-1);
}

void SlideStrip::dropEvent(QDropEvent *event)
{
    const std::vector<int32_t> dragged
        = stripModel() ? stripModel()->draggedRows(event->mimeData()) : std::vector<int32_t>();
    stopAutoScroll();
    setState(NoState);
    showDropRow(-1);
    if (dragged.empty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
    const QList<int> rows(dragged.begin(), dragged.end());
    const int before = dropRowAt(event->position().toPoint());
    // Once the drag is over: the move may have to tell the user why it cannot be made now.
    QMetaObject::invokeMethod(
        this, [this, rows, before] { emit moveRequested(rows, before); }, Qt::QueuedConnection);
}

void SlideStrip::showDropRow(int row)
{
    if (row == m_dropRow)
        return;
    m_dropRow = row;
    viewport()->update();
}

void SlideStrip::paintEvent(QPaintEvent *event)
{
    // The window may have moved to a screen of another pixel density.
    updateThumbnailBox();
    QListView::paintEvent(event);
    if (m_dropRow < 0 || !model() || model()->rowCount() == 0)
        return;
    // A bar in the gap the slides would go into.
    const int count = model()->rowCount();
    const QRect next = visualRect(model()->index(std::min(m_dropRow, count - 1), 0));
    const int x = m_dropRow < count ? next.left() - spacing() : next.right() + spacing();
    QPainter painter(viewport());
    painter.fillRect(QRect(x - 1, next.top(), 3, next.height()),
                     palette().color(QPalette::Highlight));
}

bool SlideStrip::isWanted()
{
    return QSettings().value(WantedKey, true).toBool();
}

void SlideStrip::setWanted(bool wanted)
{
    QSettings().setValue(WantedKey, wanted);
}

} // namespace lanternreel
