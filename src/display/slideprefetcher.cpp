// SPDX-License-Identifier: GPL-3.0-or-later
#include "slideprefetcher.h"

#include "display/fakeimageview.h"

#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

namespace lanternreel {

SlidePrefetcher::SlidePrefetcher(QThreadPool *pool)
    : m_pool(pool)
{
    if (!m_pool) {
        m_ownPool = std::make_unique<QThreadPool>();
        m_ownPool->setMaxThreadCount(std::max(1, QThread::idealThreadCount() - 1));
        m_pool = m_ownPool.get();
    }
}

SlidePrefetcher::~SlidePrefetcher()
{
    if (m_ownPool)
        m_ownPool->clear();
}

bool SlidePrefetcher::Tracked::busy() const
{
    return std::any_of(decodes.begin(), decodes.end(),
                       [](const QFuture<void> &decode) { return !decode.isFinished(); });
}

SlidePrefetcher::Tracked &SlidePrefetcher::track(const SlidePtr &slide)
{
    auto it = std::find_if(m_tracked.begin(), m_tracked.end(),
                           [&](const Tracked &tracked) { return tracked.slide == slide; });
    if (it != m_tracked.end())
        return *it;
    m_tracked.push_back({ slide, {} });
    return m_tracked.back();
}

void SlidePrefetcher::prefetch(const SlidePtr &shown, const std::vector<SlidePtr> &neighbours,
                               const std::vector<const FakeImageView *> &views)
{
    std::vector<SlidePtr> wanted;
    if (shown)
        wanted.push_back(shown);
    for (const SlidePtr &slide : neighbours) {
        if (slide)
            wanted.push_back(slide);
    }

    // A slide still being decoded is let go at a later step, once its decode has put its
    // pixels into the cache; dropping them now would be undone by that decode.
    std::erase_if(m_tracked, [&](const Tracked &tracked) {
        if (std::find(wanted.begin(), wanted.end(), tracked.slide) != wanted.end()
            || tracked.busy())
            return false;
        tracked.slide->dropPixels();
        return true;
    });

    if (shown)
        track(shown);
    for (const SlidePtr &slide : neighbours) {
        if (!slide || slide == shown)
            continue;
        std::vector<QSize> sizes;
        for (const FakeImageView *view : views) {
            if (!view)
                continue;
            const QSize size = view->pixelSizeFor(*slide);
            if (!size.isEmpty() && !slide->hasPixels(size)
                && std::find(sizes.begin(), sizes.end(), size) == sizes.end())
                sizes.push_back(size);
        }
        Tracked &tracked = track(slide);
        std::erase_if(tracked.decodes,
                      [](const QFuture<void> &decode) { return decode.isFinished(); });
        if (sizes.empty())
            continue;
        tracked.decodes.push_back(QtConcurrent::run(m_pool, [slide, sizes] {
            for (const QSize &size : sizes)
                slide->pixels(size);
        }));
    }
}

void SlidePrefetcher::waitForDone()
{
    for (Tracked &tracked : m_tracked) {
        for (QFuture<void> &decode : tracked.decodes)
            decode.waitForFinished();
    }
}

} // namespace lanternreel
