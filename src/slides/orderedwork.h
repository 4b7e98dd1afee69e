#pragma once

#include "slides/workpool.h"

#include <QThreadPool>
#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace lanternreel {

// Runs `work` for every index below `count` on the work pool, a few indexes ahead of the caller,
// who takes the results one by one in index order: only the results not taken yet are held, so
// a long run of large results (the stored pictures of a show being saved) never piles up. It
// waits on the work pool, so it must be used from a thread outside it. Destroying it drops the
// work not started yet and waits for the running work.
template<typename Result> class OrderedWork
{
public:
    OrderedWork(std::size_t count, std::function<Result(std::size_t)> work)
        : m_count(count)
        , m_shared(std::make_shared<Shared>())
    {
        m_shared->work = std::move(work);
        m_shared->results.resize(count);
    }
    OrderedWork(const OrderedWork &) = delete;
    OrderedWork &operator=(const OrderedWork &) = delete;
    ~OrderedWork()
    {
        std::unique_lock lock(m_shared->mutex);
        m_shared->cancelled = true;
        m_shared->changed.wait(lock, [this] { return m_shared->running == 0; });
    }

    // The result of the next index, waiting for it if need be. Call at most `count` times.
    Result next()
    {
        startAhead();
        const std::size_t index = m_taken++;
        Result result;
        {
            std::unique_lock lock(m_shared->mutex);
            m_shared->changed.wait(lock, [&] { return m_shared->results[index].has_value(); });
            result = std::move(*m_shared->results[index]);
            m_shared->results[index].reset();
        }
        startAhead();
        return result;
    }

private:
    struct Shared
    {
        std::function<Result(std::size_t)> work;
        std::mutex mutex;
        std::condition_variable changed;
        std::vector<std::optional<Result>> results;
        int running = 0;
        bool cancelled = false;
    };

    void startAhead()
    {
        const std::size_t ahead
            = static_cast<std::size_t>(std::max(2, workPool()->maxThreadCount() * 2));
        while (m_started < m_count && m_started - m_taken < ahead) {
            {
                std::lock_guard lock(m_shared->mutex);
                ++m_shared->running;
            }
            startWork([shared = m_shared, index = m_started] {
                std::optional<Result> result;
                bool cancelled;
                {
                    std::lock_guard lock(shared->mutex);
                    cancelled = shared->cancelled;
                }
                // Nothing may leave a pool thread: an exception there ends the program; the
                // caller gets a default result instead.
                try {
                    result = cancelled ? Result() : shared->work(index);
                } catch (...) {
                    result = Result();
                }
                std::lock_guard lock(shared->mutex);
                shared->results[index] = std::move(result);
                --shared->running;
                shared->changed.notify_all();
            });
            ++m_started;
        }
    }

    std::size_t m_count;
    std::shared_ptr<Shared> m_shared;
    std::size_t m_started = 0;
    std::size_t m_taken = 0;
};

} // namespace lanternreel
