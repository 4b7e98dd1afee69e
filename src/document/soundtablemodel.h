#pragma once

#include "platform/tableview.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>

class QTableView;

namespace lanternreel {

class SoundHandler;

// The soundtrack table's model: Qt's model/view questions and drag and drop, answered by the
// SoundHandler. It is also the table as the handler sees it (reload, selection), and takes
// itself out of the handler when it goes.
class SoundTableModel : public QAbstractTableModel, public TableView
{
    Q_OBJECT

public:
    // The drag of one row of a soundtrack table. Its data names this process, the soundtrack and
    // the row, so that only a drag from a table of the same soundtrack is taken.
    static const QString RowMimeType;

    // Becomes `view`'s model, and a child of it. The columns are those of the view's
    // "columnIdentifiers" property, titled by its "columnTitles" (else by the identifiers).
    SoundTableModel(std::shared_ptr<SoundHandler> handler, QTableView *view);
    ~SoundTableModel() override;

    SoundHandler *handler() const { return m_handler.get(); }
    // Asked before a drop changes the order; a drop it refuses changes nothing.
    void setMayChange(std::function<bool()> mayChange) { m_mayChange = std::move(mayChange); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    bool canDropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                         const QModelIndex &parent) const override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;
    Qt::DropActions supportedDragActions() const override { return Qt::MoveAction; }
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }

    void reloadData() override;
    int numberOfSelectedRows() const override;
    QList<int> selectedRowIndexes() const override;

signals:
    // A drop swapped two sounds: the soundtrack's order, which the show file keeps, changed.
    void soundtrackReordered();

private:
    QByteArray dragMarker(int row) const;
    bool isDragFromThisSoundtrack(const QMimeData *data) const;

    std::shared_ptr<SoundHandler> m_handler; // kept for as long as the table shows it
    QPointer<QTableView> m_view;
    QStringList m_identifiers;
    QStringList m_titles;
    std::function<bool()> m_mayChange;
};

} // namespace lanternreel
