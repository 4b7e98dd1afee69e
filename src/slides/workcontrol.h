// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <functional>

namespace lanternreel {

// What a piece of work on a worker thread shares with whoever started it: the starter may ask
// it to stop, and the work tells how far it has come. Either side may call from any thread.
class WorkControl
{
public:
    using Progress = std::function<void(int done, int total)>;

    WorkControl() = default;
    explicit WorkControl(Progress progress)
        : m_progress(std::move(progress))
    { }
    WorkControl(const WorkControl &) = delete;
    WorkControl &operator=(const WorkControl &) = delete;

    // The work stops at its next look, keeping what it had done.
    void cancel() { m_cancelled.store(true, std::memory_order_relaxed); }
    bool isCancelled() const { return m_cancelled.load(std::memory_order_relaxed); }
    // `done` of `total` units of the work are done; called by the work only.
    void progress(int done, int total) const
    {
        if (m_progress)
            m_progress(done, total);
    }

private:
    std::atomic<bool> m_cancelled { false };
    Progress m_progress;
};

} // namespace lanternreel
