#pragma once

#include "slides/workpool.h"

#include <QThreadPool>
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace lanternreel {

// Runs `work` for every index below `count` on the work pool and returns the results in index
// order. Each pool thread takes the next index when it is done with one, so no more than
// one piece of work per pool thread is in flight: large temporaries (a full-size picture) never
// pile up. The calling thread waits.
template<typename Result>
std::vector<Result> mapInOrder(std::size_t count, std::function<Result(std::size_t)> work)
{
    struct Shared
    {
        std::vector<Result> results;
        std::atomic<std::size_t> next { 0 };
        std::mutex mutex;
        std::condition_variable finished;
        int running = 0;
    };
    auto shared = std::make_shared<Shared>();
    shared->results.resize(count);
    if (count == 0)
        return {};
    QThreadPool *pool = workPool();
    const int workers
        = static_cast<int>(std::min<std::size_t>(count, std::max(1, pool->maxThreadCount())));
    shared->running = workers;
    for (int w = 0; w < workers; ++w) {
        startWork([shared, count, work] {
            for (std::size_t i = shared->next++; i < count; i = shared->next++)
                shared->results[i] = work(i);
            std::lock_guard lock(shared->mutex);
            if (--shared->running == 0)
                shared->finished.notify_all();
        });
    }
    std::unique_lock lock(shared->mutex);
    shared->finished.wait(lock, [&] { return shared->running == 0; });
    return std::move(shared->results);
}

} // namespace lanternreel
