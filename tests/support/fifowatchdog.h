// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QStringList>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace lanternreel::testing {

// Opens for writing each FIFO still waited on after a grace period, so that code stuck opening
// one goes on and the test can fail instead of hanging. released() tells whether it had to.
class FifoWatchdog
{
public:
    explicit FifoWatchdog(QStringList fifos)
        : m_thread([this, fifos] {
            std::unique_lock lock(m_mutex);
            if (m_stopped.wait_for(lock, std::chrono::seconds(20), [this] { return m_done; }))
                return;
            for (const QString &fifo : fifos) {
                // Succeeds only while a reader is blocked in open().
                const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    m_released = true;
                    ::close(fd);
                }
            }
        })
    { }
    FifoWatchdog(const FifoWatchdog &) = delete;
    FifoWatchdog &operator=(const FifoWatchdog &) = delete;
    ~FifoWatchdog()
    {
        {
            std::lock_guard lock(m_mutex);
            m_done = true;
        }
        m_stopped.notify_all();
        m_thread.join();
    }
    bool released() const { return m_released; }

private:
    std::mutex m_mutex;
    std::condition_variable m_stopped;
    bool m_done = false;
    std::atomic<bool> m_released { false };
    std::thread m_thread;
};

} // namespace lanternreel::testing
