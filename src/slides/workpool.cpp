// SPDX-License-Identifier: GPL-3.0-or-later
#include "workpool.h"

#include <QCoreApplication>
#include <QThread>
#include <QThreadPool>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace lanternreel {

namespace {

// Enough to give way to the window, not so much that the work stops on a busy machine.
constexpr int BackgroundNice = 10;

} // namespace

QThreadPool *workPool()
{
    static QThreadPool pool;
    static const bool sized = [] {
        pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
        // Work still running when the program ends would otherwise run on into the exit
        // handlers, after Qt's own statics (the pool that image scaling borrows) are gone, and
        // hang the exit. It is finished while the application is still there.
        qAddPostRoutine([] {
            workPool()->clear();
            workPool()->waitForDone();
        });
        return true;
    }();
    (void)sized;
    return &pool;
}

void startWork(std::function<void()> task)
{
    workPool()->start([task = std::move(task)] {
        yieldToTheWindow();
        task();
    });
}

// Linux keeps a nice value for each thread; this one's alone is raised.
void yieldToTheWindow()
{
    thread_local bool lowered = false;
    if (lowered)
        return;
    lowered = true;
    const auto thread = static_cast<id_t>(syscall(SYS_gettid));
    const int now = getpriority(PRIO_PROCESS, thread);
    if (now < BackgroundNice)
        setpriority(PRIO_PROCESS, thread, BackgroundNice);
}

} // namespace lanternreel
