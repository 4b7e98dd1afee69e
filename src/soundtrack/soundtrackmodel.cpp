// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundtrackmodel.h"

#include "soundtrack/soundhandler.h"

#include <QMimeData>
#include <QUuid>

namespace lanternreel {

const QString SoundtrackModel::RowMimeType = QStringLiteral("application/x-lanternreel-sound-row");
const QStringList SoundtrackModel::ColumnIdentifiers
    = { QStringLiteral("songs"), QStringLiteral("duration") };

namespace {

// Tells this process's drags from those of another running copy of the program.
const QByteArray &processToken()
{
    static const QByteArray token = QUuid::createUuid().toByteArray(QUuid::WithoutBraces);
    return token;
}

} // namespace

SoundtrackModel::SoundtrackModel(SoundHandler &handler)
    : m_handler(handler)
{ }

int SoundtrackModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_handler.numberOfRowsInTableView();
}

int SoundtrackModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(ColumnIdentifiers.size());
}

QVariant SoundtrackModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.column() >= columnCount())
        return {};
    return m_handler.objectValueForTableColumn(ColumnIdentifiers.at(index.column()), index.row());
}

QVariant SoundtrackModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case 0:
        return tr("Sound");
    case 1:
        return tr("Duration");
    default:
        return QAbstractTableModel::headerData(section, orientation, role);
    }
}

Qt::ItemFlags SoundtrackModel::flags(const QModelIndex &index) const
{
    // The space below the last row takes drops too: they go to the last row.
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return QAbstractTableModel::flags(index) | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

QStringList SoundtrackModel::mimeTypes() const
{
    return { RowMimeType };
}

QByteArray SoundtrackModel::dragMarker(int row) const
{
    return processToken() + ' ' + QByteArray::number(reinterpret_cast<quintptr>(&m_handler), 16)
        + ' ' + QByteArray::number(row);
}

QMimeData *SoundtrackModel::mimeData(const QModelIndexList &indexes) const
{
    QList<int> rows;
    for (const QModelIndex &index : indexes) {
        if (index.isValid() && !rows.contains(index.row()))
            rows.append(index.row());
    }
    const std::optional<QString> name = m_handler.writeRows(rows);
    if (!name)
        return nullptr; // no drag starts
    auto *data = new QMimeData;
    data->setData(RowMimeType, dragMarker(m_handler.returnDraggedRow()));
    // Other programs may take the sound's name as text.
    data->setText(*name);
    return data;
}

// Only the drag under way from this soundtrack carries the marker of its row; text from other
// programs, a drag of another show's soundtrack or a marker left from an earlier drag do not.
bool SoundtrackModel::isDragFromThisSoundtrack(const QMimeData *data) const
{
    return data && data->hasFormat(RowMimeType)
        && data->data(RowMimeType) == dragMarker(m_handler.returnDraggedRow());
}

bool SoundtrackModel::canDropMimeData(const QMimeData *data, Qt::DropAction action, int, int,
                                      const QModelIndex &) const
{
    return (action & supportedDropActions()) && isDragFromThisSoundtrack(data);
}

bool SoundtrackModel::dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int,
                                   const QModelIndex &parent)
{
    if (action == Qt::IgnoreAction)
        return true;
    // Onto a row, into the gap above a row, or below them all (which the handler takes as the
    // last row).
    const int target = parent.isValid() ? parent.row() : row >= 0 ? row : rowCount();
    const bool fromThisSoundtrack = isDragFromThisSoundtrack(data);
    if (fromThisSoundtrack && m_mayChange && !m_mayChange())
        return false;
    return m_handler.acceptDrop(target, fromThisSoundtrack);
}

// The rows moved as they were swapped; a row dropped onto itself is shown again all the same.
void SoundtrackModel::swapped(int first, int second)
{
    if (first != second) {
        emit soundsSwapped(first, second);
        return;
    }
    emit dataChanged(index(first, 0), index(first, columnCount() - 1));
}

} // namespace lanternreel
