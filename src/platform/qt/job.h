// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "slides/workcontrol.h"

#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QThreadPool;

namespace lanternreel {

// Long work (an import, an open, a save) run off the GUI thread, its result handed back to the
// thread that started it. The work runs on a pool of its own, so that it can wait on the work
// pool (where it decodes and encodes pictures) without taking a thread from it; it gets only
// what it holds and must touch nothing the GUI thread may change meanwhile.
class Job : public QObject
{
    Q_OBJECT

public:
    ~Job() override;

    // Asks the work to stop; it ends at its next look, `finished` comes as usual, and the
    // result says what was done before.
    void cancel();
    bool isCancelled() const;
    bool isRunning() const { return m_running; }
    // How far the work has come, as it last said: done of total (0 of 0 before it knows).
    int progressDone() const { return m_watcher.progressValue(); }
    int progressTotal() const { return m_watcher.progressMaximum(); }
    // The line the progress window shows, as "Imported 3 of 60 images".
    virtual QString progressText(int done, int total) const = 0;
    // The window's title.
    virtual QString title() const = 0;

    // Waits for every job's work, cancelled or not, to end: for the very end of the program,
    // when what the work uses is about to go.
    static void waitForAll();

signals:
    void progressed(int done, int total);
    // The work is over; its result is taken next, then `finished` comes. What only showed the
    // work (a progress window) goes now, before whatever taking the result brings up.
    void stopped();
    // The result has been taken; emitted once.
    void finished();

protected:
    explicit Job(QObject *parent = nullptr);

    // Runs `work` on the jobs' pool; back on this thread, `take` gets its result and then
    // `finished` is emitted. Called once, by the subclass's constructor.
    template<typename Result>
    void start(std::function<Result(const WorkControl &)> work, std::function<void(Result)> take)
    {
        auto result = std::make_shared<Result>();
        m_take = [result, take = std::move(take)] { take(std::move(*result)); };
        run([result, work = std::move(work)](const WorkControl &control) {
            *result = work(control);
        });
    }

private:
    struct Shared;
    void run(std::function<void(const WorkControl &)> work);
    void onFinished();
    static QThreadPool *pool();

    std::shared_ptr<Shared> m_shared;
    QFutureWatcher<void> m_watcher;
    std::function<void()> m_take;
    bool m_running = false;
};

} // namespace lanternreel
