#include "slidestripmodel.h"

#include "display/thumbnailcache.h"

#include <QMimeData>
#include <QUuid>
#include <algorithm>
#include <map>

namespace lanternreel {

const QString SlideStripModel::RowsMimeType
    = QStringLiteral("application/x-lanternreel-slide-rows");

namespace {

// Whether `part` is `whole` with some entries left out.
bool isPartOf(const std::vector<SlidePtr> &part, const std::vector<SlidePtr> &whole)
{
    size_t matched = 0;
    for (const SlidePtr &slide : whole) {
        if (matched < part.size() && part[matched] == slide)
            ++matched;
    }
    return matched == part.size();
}

bool sameSlides(std::vector<SlidePtr> a, std::vector<SlidePtr> b)
{
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return a == b;
}

// Tells this process's drags from those of another running copy of the program.
const QByteArray &processToken()
{
    static const QByteArray token = QUuid::createUuid().toByteArray(QUuid::WithoutBraces);
    return token;
}

} // namespace

SlideStripModel::SlideStripModel(QObject *parent)
    : QAbstractListModel(parent)
    , m_thumbnails(std::make_unique<ThumbnailCache>())
{
    connect(m_thumbnails.get(), &ThumbnailCache::ready, this, &SlideStripModel::thumbnailReady);
}

SlideStripModel::~SlideStripModel() = default;

void SlideStripModel::setSlides(const std::vector<SlidePtr> &slides)
{
    if (slides != m_rows) {
        // A drag started before the change names rows that may now hold other slides.
        ++m_version;
        if (slides.size() > m_rows.size() && isPartOf(m_rows, slides))
            insertAll(slides);
        else if (slides.size() < m_rows.size() && isPartOf(slides, m_rows))
            removeAll(slides);
        else if (slides.size() == m_rows.size() && sameSlides(slides, m_rows))
            rearrange(slides);
        else {
            beginResetModel();
            m_rows = slides;
            endResetModel();
        }
    }
    findCurrentRow();
}

// Each run of new slides goes in where it stands (an import at the end, an undone removal in
// its old places).
void SlideStripModel::insertAll(const std::vector<SlidePtr> &slides)
{
    size_t at = 0;
    while (at < slides.size()) {
        if (at < m_rows.size() && m_rows[at] == slides[at]) {
            ++at;
            continue;
        }
        size_t end = at;
        while (end < slides.size() && (at >= m_rows.size() || slides[end] != m_rows[at]))
            ++end;
        beginInsertRows({}, static_cast<int>(at), static_cast<int>(end) - 1);
        m_rows.insert(m_rows.begin() + static_cast<std::ptrdiff_t>(at),
                      slides.begin() + static_cast<std::ptrdiff_t>(at),
                      slides.begin() + static_cast<std::ptrdiff_t>(end));
        endInsertRows();
        at = end;
    }
}

void SlideStripModel::removeAll(const std::vector<SlidePtr> &slides)
{
    size_t at = 0;
    while (at < m_rows.size()) {
        if (at < slides.size() && m_rows[at] == slides[at]) {
            ++at;
            continue;
        }
        size_t end = at;
        while (end < m_rows.size() && (at >= slides.size() || m_rows[end] != slides[at]))
            ++end;
        beginRemoveRows({}, static_cast<int>(at), static_cast<int>(end) - 1);
        m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(at),
                     m_rows.begin() + static_cast<std::ptrdiff_t>(end));
        endRemoveRows();
    }
}

// The same slides in a new order: every row the strip keeps (its selection above all) goes
// with its slide.
void SlideStripModel::rearrange(const std::vector<SlidePtr> &slides)
{
    std::map<const Slide *, std::vector<int>> newRows;
    for (size_t row = slides.size(); row-- > 0;)
        newRows[slides[row].get()].push_back(static_cast<int>(row));
    std::vector<int> moveTo(m_rows.size());
    for (size_t row = 0; row < m_rows.size(); ++row) {
        std::vector<int> &free = newRows[m_rows[row].get()];
        moveTo[row] = free.back();
        free.pop_back();
    }
    emit layoutAboutToBeChanged({}, QAbstractItemModel::NoLayoutChangeHint);
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex &index : from)
        to.append(index.isValid() ? this->index(moveTo[static_cast<size_t>(index.row())], 0)
                                  : QModelIndex());
    changePersistentIndexList(from, to);
    m_rows = slides;
    emit layoutChanged({}, QAbstractItemModel::NoLayoutChangeHint);
}

void SlideStripModel::setCurrent(const SlidePtr &slide)
{
    m_current = slide;
    findCurrentRow();
}

void SlideStripModel::findCurrentRow()
{
    const auto found = std::find(m_rows.begin(), m_rows.end(), m_current);
    const int row
        = m_current && found != m_rows.end() ? static_cast<int>(found - m_rows.begin()) : -1;
    if (row == m_currentRow)
        return;
    const int was = m_currentRow;
    m_currentRow = row;
    for (int changed : { was, row }) {
        if (changed >= 0 && changed < rowCount())
            emit dataChanged(index(changed), index(changed), { CurrentRole });
    }
    emit currentRowChanged(row);
}

SlidePtr SlideStripModel::slideAt(int row) const
{
    if (row < 0 || static_cast<size_t>(row) >= m_rows.size())
        return nullptr;
    return m_rows[static_cast<size_t>(row)];
}

void SlideStripModel::thumbnailReady(const SlidePtr &slide)
{
    for (size_t row = 0; row < m_rows.size(); ++row) {
        if (m_rows[row] == slide)
            emit dataChanged(index(static_cast<int>(row)), index(static_cast<int>(row)),
                             { Qt::DecorationRole });
    }
}

int SlideStripModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

QVariant SlideStripModel::data(const QModelIndex &index, int role) const
{
    const SlidePtr slide = index.isValid() ? slideAt(index.row()) : nullptr;
    if (!slide)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return slide->name();
    case Qt::DecorationRole:
        // Asked for by the strip as it paints a row: only rows on screen are made.
        return m_thumbnails->thumbnail(slide);
    case CurrentRole:
        return index.row() == m_currentRow;
    default:
        return {};
    }
}

Qt::ItemFlags SlideStripModel::flags(const QModelIndex &index) const
{
    // The space after the last slide takes drops too.
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

QStringList SlideStripModel::mimeTypes() const
{
    return { RowsMimeType };
}

QByteArray SlideStripModel::marker() const
{
    return processToken() + ' ' + QByteArray::number(reinterpret_cast<quintptr>(this), 16) + ' '
        + QByteArray::number(m_version);
}

QMimeData *SlideStripModel::mimeData(const QModelIndexList &indexes) const
{
    std::vector<int32_t> rows;
    for (const QModelIndex &index : indexes) {
        if (index.isValid() && index.model() == this)
            rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.empty())
        return nullptr;
    QByteArray encoded = marker();
    QStringList names;
    for (int32_t row : rows) {
        encoded += ' ' + QByteArray::number(row);
        names.append(m_rows[static_cast<size_t>(row)]->name());
    }
    auto *data = new QMimeData;
    data->setData(RowsMimeType, encoded);
    data->setText(names.join(QLatin1Char('\n')));
    return data;
}

std::vector<int32_t> SlideStripModel::draggedRows(const QMimeData *data) const
{
    if (!data || !data->hasFormat(RowsMimeType))
        return {};
    const QList<QByteArray> parts = data->data(RowsMimeType).split(' ');
    const QList<QByteArray> own = marker().split(' ');
    if (parts.size() <= own.size() || parts.mid(0, own.size()) != own)
        return {};
    std::vector<int32_t> rows;
    for (qsizetype i = own.size(); i < parts.size(); ++i) {
        bool ok = false;
        const int row = parts[i].toInt(&ok);
        if (!ok || row < 0 || row >= rowCount())
            return {};
        rows.push_back(row);
    }
    return rows;
}

bool SlideStripModel::canDropMimeData(const QMimeData *data, Qt::DropAction action, int, int,
                                      const QModelIndex &) const
{
    return (action & supportedDropActions()) && !draggedRows(data).empty();
}

} // namespace lanternreel
