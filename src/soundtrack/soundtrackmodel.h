// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <functional>

namespace lanternreel {

class SoundHandler;

// The soundtrack as a table of one row per sound: its name ("songs") and its length
// ("duration"). Every soundtrack panel of a show shows this one model. The handler tells it of
// each change as it makes it, row by row, so that every open table keeps its selection and its
// place. A row is dragged alone and dropped onto another, which swaps the two sounds.
class SoundtrackModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The drag of one row. Its data names this process, the soundtrack and the row, so that only
    // a drag from a table of the same soundtrack is taken.
    static const QString RowMimeType;
    // What each column shows, by the identifier the handler answers to.
    static const QStringList ColumnIdentifiers;

    explicit SoundtrackModel(SoundHandler &handler);

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

    // Asked before a drop changes the order; a drop it refuses changes nothing.
    void setMayChange(std::function<bool()> mayChange) { m_mayChange = std::move(mayChange); }

signals:
    // A drop swapped the two different sounds at rows `first` and `second`: the order, which
    // the show file keeps, changed.
    void soundsSwapped(int first, int second);
    // A sound started playing, or the soundtrack fell silent.
    void playbackChanged();

private:
    // The handler announces its changes here, before and after it makes them.
    friend class SoundHandler;
    void aboutToAppend(int row) { beginInsertRows({}, row, row); }
    void appended() { endInsertRows(); }
    void aboutToRemove(int row) { beginRemoveRows({}, row, row); }
    void removed() { endRemoveRows(); }
    void aboutToMove(int row, int before) { beginMoveRows({}, row, row, {}, before); }
    void moved() { endMoveRows(); }
    void playingChanged() { emit playbackChanged(); }
    void rowChanged(int row) { emit dataChanged(index(row, 0), index(row, columnCount() - 1)); }
    void aboutToReplace() { beginResetModel(); }
    void replaced() { endResetModel(); }
    // A drop swapped the sounds at `first` and `second`, the same row when dropped onto itself.
    void swapped(int first, int second);

    QByteArray dragMarker(int row) const;
    bool isDragFromThisSoundtrack(const QMimeData *data) const;

    SoundHandler &m_handler;
    std::function<bool()> m_mayChange;
};

} // namespace lanternreel
