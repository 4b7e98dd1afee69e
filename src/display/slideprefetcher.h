#pragma once

#include "slides/slide.h"

#include <QFuture>
#include <QSize>
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
    // `pool` defaults to the application's global pool.
    explicit SlidePrefetcher(QThreadPool *pool = nullptr);
    SlidePrefetcher(const SlidePrefetcher &) = delete;
    SlidePrefetcher &operator=(const SlidePrefetcher &) = delete;
    // Does not wait: running decodes hold their own slides.
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

    QThreadPool *m_pool;
    std::vector<Tracked> m_tracked;
};

} // namespace lanternreel
