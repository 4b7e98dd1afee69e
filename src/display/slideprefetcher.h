// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "slides/slide.h"

#include <QFuture>
#include <QSize>
#include <memory>
#include <vector>

class QThreadPool;

namespace lanternreel {

class FakeImageView;

// Decodes, on a thread pool, the slides a show may step to next, at the size each view will
// ask for, so that the step itself only draws. Slides that are no longer on screen or next to
// it give their decoded pixels up again, so that a long show does not keep every slide decoded.
class SlidePrefetcher
{
public:
    // Without a `pool`, decodes run on a pool of the prefetcher's own that leaves one core to
    // the main thread, so that decoding ahead never slows the step it prepares for.
    explicit SlidePrefetcher(QThreadPool *pool = nullptr);
    SlidePrefetcher(const SlidePrefetcher &) = delete;
    SlidePrefetcher &operator=(const SlidePrefetcher &) = delete;
    // Drops the decodes not yet started and waits for the running ones (a fraction of a second
    // at most) when the pool is its own.
    ~SlidePrefetcher();

    // `shown` is on screen in `views`; `neighbours` are the slides the next step may bring
    // (null entries are skipped). Main thread only: the views' sizes are read here.
    void prefetch(const SlidePtr &shown, const std::vector<SlidePtr> &neighbours,
                  const std::vector<const FakeImageView *> &views);
    // Blocks until every decode asked for so far has finished.
    void waitForDone();

private:
    struct Tracked
    {
        SlidePtr slide;
        std::vector<QFuture<void>> decodes;
        bool busy() const;
    };

    Tracked &track(const SlidePtr &slide);

    std::unique_ptr<QThreadPool> m_ownPool;
    QThreadPool *m_pool;
    std::vector<Tracked> m_tracked;
};

} // namespace lanternreel
