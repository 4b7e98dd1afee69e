#include "qttimers.h"

#include <QTimer>

namespace lanternreel {

namespace {

class QtRepeatingTimer : public RepeatingTimer
{
public:
    QtRepeatingTimer(int seconds, std::function<void()> action)
        : m_timer(new QTimer)
    {
        m_timer->setInterval(std::chrono::seconds(seconds));
        m_timer->setSingleShot(false);
        m_timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(m_timer, &QTimer::timeout, std::move(action));
        m_timer->start();
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
    QTimer *m_timer;
};

} // namespace

std::unique_ptr<RepeatingTimer> QtTimers::scheduleRepeating(int seconds,
                                                            std::function<void()> action)
{
    return std::make_unique<QtRepeatingTimer>(seconds, std::move(action));
}

} // namespace lanternreel
