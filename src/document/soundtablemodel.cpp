#include "soundtablemodel.h"

#include "soundtrack/soundhandler.h"

#include <QItemSelectionModel>
#include <QMimeData>
#include <QTableView>
#include <QUuid>
#include <algorithm>

namespace lanternreel {

const QString SoundTableModel::RowMimeType = QStringLiteral("application/x-lanternreel-sound-row");

namespace {

// Tells this process's drags from those of another running copy of the program.
const QByteArray &processToken()
{
    static const QByteArray token = QUuid::createUuid().toByteArray(QUuid::WithoutBraces);
    return token;
}

} // namespace

SoundTableModel::SoundTableModel(std::shared_ptr<SoundHandler> handler, QTableView *view)
    : QAbstractTableModel(view)
    , m_handler(std::move(handler))
    , m_view(view)
{
    m_identifiers = view->property("columnIdentifiers").toStringList();
    m_titles = view->property("columnTitles").toStringList();
    view->setModel(this);
}

// The handler keeps only a plain pointer to its table.
SoundTableModel::~SoundTableModel()
{
    m_handler->releaseTableView(this);
}

int SoundTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_handler->numberOfRowsInTableView();
}

int SoundTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_identifiers.size());
}

QVariant SoundTableModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.column() >= m_identifiers.size())
        return {};
    return m_handler->objectValueForTableColumn(m_identifiers.at(index.column()), index.row());
}

QVariant SoundTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0
        || section >= m_identifiers.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return section < m_titles.size() ? m_titles.at(section) : m_identifiers.at(section);
}

Qt::ItemFlags SoundTableModel::flags(const QModelIndex &index) const
{
    // The space below the last row takes drops too: they go to the last row.
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return QAbstractTableModel::flags(index) | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

QStringList SoundTableModel::mimeTypes() const
{
    return { RowMimeType };
}

QByteArray SoundTableModel::dragMarker(int row) const
{
    return processToken() + ' '
        + QByteArray::number(reinterpret_cast<quintptr>(m_handler.get()), 16) + ' '
        + QByteArray::number(row);
}

QMimeData *SoundTableModel::mimeData(const QModelIndexList &indexes) const
{
    QList<int> rows;
    for (const QModelIndex &index : indexes) {
        if (index.isValid() && !rows.contains(index.row()))
            rows.append(index.row());
    }
    const std::optional<QString> name = m_handler->writeRows(rows);
    if (!name)
        return nullptr; // no drag starts
    auto *data = new QMimeData;
    data->setData(RowMimeType, dragMarker(m_handler->returnDraggedRow()));
    // Other programs may take the sound's name as text.
    data->setText(*name);
    return data;
}

// Only the drag under way from this soundtrack carries the marker of its row; text from other
// programs, a drag of another show's soundtrack or a marker left from an earlier drag do not.
bool SoundTableModel::isDragFromThisSoundtrack(const QMimeData *data) const
{
    return data && data->hasFormat(RowMimeType)
        && data->data(RowMimeType) == dragMarker(m_handler->returnDraggedRow());
}

bool SoundTableModel::canDropMimeData(const QMimeData *data, Qt::DropAction action, int, int,
                                      const QModelIndex &) const
{
    return (action & supportedDropActions()) && isDragFromThisSoundtrack(data);
}

bool SoundTableModel::dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int,
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
    // Every table shows the new order; the one that took the drop is the one the user works
    // in, and Remove Sound takes its selection.
    if (fromThisSoundtrack)
        m_handler->setTableView(this);
    const int32_t dragged = m_handler->returnDraggedRow();
    if (!m_handler->acceptDrop(target, fromThisSoundtrack))
        return false;
    // A row dropped onto itself, or below the last when it is the last, stays where it was.
    if (dragged != std::min(target, rowCount() - 1))
        emit soundtrackReordered();
    return true;
}

void SoundTableModel::reloadData()
{
    beginResetModel();
    endResetModel();
}

int SoundTableModel::numberOfSelectedRows() const
{
    return static_cast<int>(selectedRowIndexes().size());
}

QList<int> SoundTableModel::selectedRowIndexes() const
{
    QList<int> rows;
    if (!m_view || !m_view->selectionModel())
        return rows;
    for (const QModelIndex &index : m_view->selectionModel()->selectedIndexes()) {
        if (!rows.contains(index.row()))
            rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

} // namespace lanternreel
