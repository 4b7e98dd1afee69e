#pragma once

#include "slides/slide.h"

#include <QAbstractListModel>
#include <memory>
#include <vector>

namespace lanternreel {

class ThumbnailCache;

// A show's slides in display order, one row each, for the slide strip. Told the whole list after
// each change, it works out which rows came, went or moved and says so row by row, so that the
// strip keeps its selection and its place. Each row shows the slide's name and, once made, its
// thumbnail; the current slide's row is marked.
class SlideStripModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role {
        CurrentRole = Qt::UserRole + 1, // bool: the show's current slide
    };
    // A drag of rows. Its data names this process and this model, so that only a drag from the
    // same strip is taken.
    static const QString RowsMimeType;

    explicit SlideStripModel(QObject *parent = nullptr);
    ~SlideStripModel() override;

    void setSlides(const std::vector<SlidePtr> &slides);
    void setCurrent(const SlidePtr &slide);
    // The current slide's row; -1 when it is none of them.
    int currentRow() const { return m_currentRow; }
    SlidePtr slideAt(int row) const;
    ThumbnailCache &thumbnails() const { return *m_thumbnails; }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    bool canDropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                         const QModelIndex &parent) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::MoveAction; }
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    // The rows a drag from this model carries, in order; none for any other drag.
    std::vector<int32_t> draggedRows(const QMimeData *data) const;

signals:
    void currentRowChanged(int row);

private:
    void insertAll(const std::vector<SlidePtr> &slides);
    void removeAll(const std::vector<SlidePtr> &slides);
    void rearrange(const std::vector<SlidePtr> &slides);
    void thumbnailReady(const SlidePtr &slide);
    void findCurrentRow();
    QByteArray marker() const;

    std::vector<SlidePtr> m_rows;
    SlidePtr m_current;
    int m_currentRow = -1;
    quint64 m_version = 0; // of the list
    std::unique_ptr<ThumbnailCache> m_thumbnails;
};

} // namespace lanternreel
