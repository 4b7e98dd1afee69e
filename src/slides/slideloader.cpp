// SPDX-License-Identifier: GPL-3.0-or-later
#include "slideloader.h"

#include "slides/workpool.h"

#include <QThreadPool>
#include <condition_variable>
#include <mutex>
#include <new>
#include <optional>
#include <vector>

namespace lanternreel {

struct SlideLoader::Shared
{
    struct Result
    {
        SlidePtr slide;
        ImageFault fault = ImageFault::None;
        QString why;
    };
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::optional<Result>> results; // filled in as decodes finish
    int running = 0;
    bool cancelled = false;
};

SlideLoader::SlideLoader(QStringList paths)
    : m_paths(std::move(paths))
    , m_shared(std::make_shared<Shared>())
{
    m_shared->results.resize(static_cast<size_t>(m_paths.size()));
}

SlideLoader::~SlideLoader()
{
    std::unique_lock lock(m_shared->mutex);
    m_shared->cancelled = true;
    m_shared->changed.wait(lock, [this] { return m_shared->running == 0; });
}

// Keeps the pool busy without running far ahead: each finished slide not yet taken holds its
// file's bytes, and each decode in flight its full-size pixels.
void SlideLoader::startAhead()
{
    QThreadPool *pool = workPool();
    const qsizetype ahead = std::max(2, pool->maxThreadCount() * 2);
    while (m_started < m_paths.size() && m_started - m_taken < ahead) {
        const size_t index = static_cast<size_t>(m_started);
        const QString path = m_paths[m_started];
        {
            std::lock_guard lock(m_shared->mutex);
            ++m_shared->running;
        }
        startWork([shared = m_shared, index, path] {
            bool cancelled;
            {
                std::lock_guard lock(shared->mutex);
                cancelled = shared->cancelled;
            }
            Shared::Result result;
            if (!cancelled) {
                // Nothing may leave a pool thread: an exception there ends the program.
                try {
                    result.slide = Slide::load(path, &result.fault, &result.why);
                } catch (const std::bad_alloc &) {
                    result = { nullptr, ImageFault::TooLarge, {} };
                } catch (...) {
                    result = { nullptr, ImageFault::NotAPicture, {} };
                }
            }
            std::lock_guard lock(shared->mutex);
            shared->results[index] = std::move(result);
            --shared->running;
            shared->changed.notify_all();
        });
        ++m_started;
    }
}

SlidePtr SlideLoader::next(ImageFault *fault, QString *why)
{
    if (m_taken >= m_paths.size())
        return nullptr;
    startAhead();
    const size_t index = static_cast<size_t>(m_taken);
    SlidePtr slide;
    {
        std::unique_lock lock(m_shared->mutex);
        m_shared->changed.wait(lock, [&] { return m_shared->results[index].has_value(); });
        slide = std::move(m_shared->results[index]->slide);
        if (fault)
            *fault = m_shared->results[index]->fault;
        if (why)
            *why = m_shared->results[index]->why;
        m_shared->results[index].reset();
    }
    ++m_taken;
    startAhead();
    return slide;
}

} // namespace lanternreel
