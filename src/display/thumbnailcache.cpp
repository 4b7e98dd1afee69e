#include "thumbnailcache.h"

#include "slides/imagecodec.h"
#include "slides/workpool.h"

#include <QFutureWatcher>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/qtconcurrenttask.h>
#include <algorithm>

namespace lanternreel {

namespace {

// Enough for the strip of a wide window several times over, at two device pixels to one.
constexpr qint64 DefaultBudget = qint64(24) * 1024 * 1024;
// Slides scrolled past quickly are forgotten rather than made long after they went by.
constexpr size_t MostWanted = 64;
// Behind every picture the program decodes for the window, an import's and a save's.
constexpr int ThumbnailPriority = -1;

// The largest size of `picture`'s proportions that fits in `box`.
QSize fitted(QSize picture, QSize box)
{
    if (picture.isEmpty() || box.isEmpty())
        return {};
    return picture.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

// Made from the slide's own bytes, never through its cache of decoded sizes, so that a strip of
// thousands leaves what the window decodes alone; a JPEG is decoded at the smallest DCT scale
// that still covers the box. Null when the picture does not decode.
QImage makeThumbnail(const SlidePtr &slide, QSize box)
{
    yieldToTheWindow();
    try {
        const QByteArray &bytes = slide->encoded();
        const std::optional<ImageInfo> info = probeImage(bytes);
        const QSize size = info ? fitted(info->size, box) : QSize();
        return size.isEmpty() ? QImage() : decodeImage(bytes, size);
    } catch (...) {
        return QImage();
    }
}

} // namespace

ThumbnailCache::ThumbnailCache(QObject *parent)
    : QObject(parent)
    , m_budget(DefaultBudget)
{ }

// Thumbnails of a show that closed are of no use: those not started yet never start, and the
// ones being made finish on their own, their watchers gone with the cache.
ThumbnailCache::~ThumbnailCache()
{
    for (auto *watcher : findChildren<QFutureWatcher<QImage> *>(Qt::FindDirectChildrenOnly))
        watcher->future().cancel();
}

void ThumbnailCache::setBox(QSize box)
{
    if (box == m_box)
        return;
    m_box = box;
    ++m_generation;
    m_kept.clear();
    m_bytes = 0;
    m_wanted.clear();
    m_making.clear();
}

QImage ThumbnailCache::thumbnail(const SlidePtr &slide)
{
    if (!slide || m_box.isEmpty())
        return {};
    const auto kept = m_kept.find(slide.get());
    if (kept != m_kept.end()) {
        if (kept->second.slide.lock() == slide) {
            kept->second.lastUse = ++m_uses;
            return kept->second.image;
        }
        // Left by a slide that is gone, whose place in memory another now has.
        m_bytes -= kept->second.image.sizeInBytes();
        m_kept.erase(kept);
    }
    if (m_making.count(slide.get()) == 0) {
        std::erase(m_wanted, slide);
        m_wanted.push_front(slide);
        if (m_wanted.size() > MostWanted)
            m_wanted.pop_back();
        startMaking();
    }
    return {};
}

void ThumbnailCache::startMaking()
{
    const size_t mostAtOnce = static_cast<size_t>(std::max(1, workPool()->maxThreadCount()));
    while (m_making.size() < mostAtOnce && !m_wanted.empty()) {
        SlidePtr slide = std::move(m_wanted.front());
        m_wanted.pop_front();
        m_making.insert(slide.get());
        const QSize box = m_box;
        const quint64 generation = m_generation;
        // Handed back through a watcher of the cache's own: gone with the cache, it delivers
        // nothing to it. (A continuation bound to the cache asserts, in Qt 6.4, when its task
        // ends after the cache went, as when a show closes while its strip fills.)
        auto *watcher = new QFutureWatcher<QImage>(this);
        connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, slide, generation] {
            const QImage image = watcher->future().resultCount() > 0 ? watcher->result() : QImage();
            watcher->deleteLater();
            if (generation == m_generation)
                made(slide, image);
        });
        watcher->setFuture(QtConcurrent::task(&makeThumbnail)
                               .withArguments(slide, box)
                               .onThreadPool(*workPool())
                               .withPriority(ThumbnailPriority)
                               .spawn());
    }
}

void ThumbnailCache::made(const SlidePtr &slide, const QImage &image)
{
    m_making.erase(slide.get());
    Kept &kept = m_kept[slide.get()];
    m_bytes += image.sizeInBytes() - kept.image.sizeInBytes();
    kept = { slide, image, ++m_uses };
    keepWithinBudget();
    emit ready(slide);
    startMaking();
}

// The thumbnails looked at longest ago go first; those on screen are looked at at every paint.
void ThumbnailCache::keepWithinBudget()
{
    while (m_bytes > m_budget && m_kept.size() > 1) {
        auto oldest
            = std::min_element(m_kept.begin(), m_kept.end(), [](const auto &a, const auto &b) {
                  return a.second.lastUse < b.second.lastUse;
              });
        m_bytes -= oldest->second.image.sizeInBytes();
        m_kept.erase(oldest);
    }
}

} // namespace lanternreel
