// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "slides/workpool.h"

#include <QThreadPool>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace lanternreel::testing {

// Holds every thread of the work pool, where imports, opens and saves decode and encode their
// pictures, as a slow disk or a slow machine would hold that work up: what is being decoded
// already comes in, the rest waits until the gate opens. Opens when it goes.
class PoolGate
{
public:
    PoolGate() = default;
    PoolGate(const PoolGate &) = delete;
    PoolGate &operator=(const PoolGate &) = delete;
    ~PoolGate() { open(); }

    void shut()
    {
        QThreadPool *pool = workPool();
        for (int i = 0; i < pool->maxThreadCount(); ++i) {
            pool->start([state = m_state] {
                std::unique_lock lock(state->mutex);
                state->changed.wait(lock, [&] { return state->open; });
            });
        }
    }
    void open()
    {
        std::lock_guard lock(m_state->mutex);
        m_state->open = true;
        m_state->changed.notify_all();
    }
    // Opens, and is ready to shut again.
    void reset()
    {
        open();
        m_state = std::make_shared<State>();
    }

private:
    struct State
    {
        std::mutex mutex;
        std::condition_variable changed;
        bool open = false;
    };
    std::shared_ptr<State> m_state = std::make_shared<State>();
};

} // namespace lanternreel::testing
