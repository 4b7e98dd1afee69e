// SPDX-License-Identifier: GPL-3.0-or-later
#include "job.h"

#include "slides/workpool.h"

#include <QCoreApplication>
#include <QPointer>
#include <QPromise>
#include <QThreadPool>

namespace lanternreel {

struct Job::Shared
{
    Shared()
        : control([this](int done, int total) {
            promise.setProgressRange(0, total);
            promise.setProgressValue(done);
        })
    { }
    QPromise<void> promise;
    WorkControl control;
};

Job::Job(QObject *parent)
    : QObject(parent)
{
    connect(&m_watcher, &QFutureWatcher<void>::progressValueChanged, this,
            [this](int done) { emit progressed(done, m_watcher.progressMaximum()); });
    connect(&m_watcher, &QFutureWatcher<void>::finished, this, &Job::onFinished);
}

// The work may still run: it holds its own share of what it uses, ends at its next look, and
// its result is dropped.
Job::~Job()
{
    m_watcher.disconnect(this);
    if (m_shared)
        m_shared->control.cancel();
}

bool Job::isCancelled() const
{
    return m_shared && m_shared->control.isCancelled();
}

void Job::cancel()
{
    if (m_shared)
        m_shared->control.cancel();
}

QThreadPool *Job::pool()
{
    // Jobs mostly wait for the global pool; any number may run side by side. Owned by the
    // application, whose end waits for them.
    static QPointer<QThreadPool> jobs;
    if (!jobs) {
        jobs = new QThreadPool(QCoreApplication::instance());
        jobs->setMaxThreadCount(64);
        jobs->setExpiryTimeout(10000);
    }
    return jobs;
}

void Job::waitForAll()
{
    pool()->waitForDone();
}

void Job::run(std::function<void(const WorkControl &)> work)
{
    m_shared = std::make_shared<Shared>();
    m_running = true;
    m_watcher.setFuture(m_shared->promise.future());
    pool()->start([shared = m_shared, work = std::move(work)] {
        yieldToTheWindow();
        shared->promise.start();
        // Nothing may leave a pool thread: an exception there ends the program. The work
        // reports its own failures in its result; one that throws leaves the result as it was
        // made, which says that nothing was done.
        try {
            work(shared->control);
        } catch (...) { }
        shared->promise.finish();
    });
}

void Job::onFinished()
{
    m_running = false;
    emit stopped();
    if (m_take)
        m_take();
    m_take = nullptr;
    emit finished();
}

} // namespace lanternreel
