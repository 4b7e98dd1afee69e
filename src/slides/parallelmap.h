// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "slides/workpool.h"

#include <QThread>
#include <QtConcurrent/QtConcurrentMap>
#include <cstddef>
#include <functional>
#include <numeric>
#include <vector>

namespace lanternreel {

// Runs `work` for every index below `count` on the work pool and returns the results in index
// order. Each thread takes the next piece when it is done with one, so no more than one piece of
// work per thread is in flight: large temporaries (a full-size picture) never pile up. The
// calling thread waits, and works along.
template<typename Result>
std::vector<Result> mapInOrder(std::size_t count, std::function<Result(std::size_t)> work)
{
    std::vector<std::size_t> indices(count);
    std::iota(indices.begin(), indices.end(), std::size_t { 0 });
    const QThread *caller = QThread::currentThread();
    return QtConcurrent::blockingMapped<std::vector<Result>>(
        workPool(), indices, [&work, caller](std::size_t i) -> Result {
            // The pool's threads give way to the window; the caller keeps its own priority.
            if (QThread::currentThread() != caller)
                yieldToTheWindow();
            return work(i);
        });
}

} // namespace lanternreel
