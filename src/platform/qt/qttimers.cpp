// SPDX-License-Identifier: GPL-3.0-or-later
#include "qttimers.h"

#include <QTimer>
#include <algorithm>

namespace lanternreel {

namespace {

using Clock = std::chrono::steady_clock;

// A repeating timer made of one single-shot QTimer, re-armed towards the next due time in waits
// no longer than a QTimer can hold. The due times step by whole intervals, as a repeating QTimer
// of the same interval steps.
class QtRepeatingTimer : public RepeatingTimer
{
public:
    QtRepeatingTimer(int seconds, std::function<void()> action,
                     std::chrono::milliseconds longestWait)
        : m_interval(std::chrono::seconds(seconds))
        , m_longestWait(longestWait)
        , m_action(std::move(action))
        , m_due(Clock::now() + m_interval)
        , m_timer(new QTimer)
    {
        m_timer->setSingleShot(true);
        m_timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(m_timer, &QTimer::timeout, [this] { timeout(); });
        armTowardsDue();
    }
    // The action usually replaces this timer from inside its own timeout, so the QTimer is let
    // go with deleteLater rather than deleted under its own signal.
    ~QtRepeatingTimer() override
    {
        m_timer->stop();
        m_timer->disconnect();
        m_timer->deleteLater();
    }
    void invalidate() override { m_timer->stop(); }

private:
    void armTowardsDue()
    {
        // Rounded up, so that no wait ends before the due time.
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(m_due - Clock::now());
        m_timer->start(std::clamp(left, std::chrono::milliseconds::zero(), m_longestWait));
    }

    void timeout()
    {
        if (Clock::now() < m_due) {
            armTowardsDue(); // one part of a long interval is over
            return;
        }
        m_due += m_interval;
        // A step that came too late for a whole interval does not fire twice to catch up.
        if (m_due <= Clock::now())
            m_due = Clock::now() + m_interval;
        armTowardsDue();
        // A copy: the action may destroy this timer, and its action with it.
        const std::function<void()> action = m_action;
        action();
    }

    const std::chrono::nanoseconds m_interval;
    const std::chrono::milliseconds m_longestWait;
    const std::function<void()> m_action;
    Clock::time_point m_due;
    QTimer *m_timer;
};

} // namespace

QtTimers::QtTimers(std::chrono::milliseconds longestWait)
    : m_longestWait(std::max(longestWait, std::chrono::milliseconds(1)))
{ }

std::unique_ptr<RepeatingTimer> QtTimers::scheduleRepeating(int seconds,
                                                            std::function<void()> action)
{
    return std::make_unique<QtRepeatingTimer>(seconds, std::move(action), m_longestWait);
}

} // namespace lanternreel
