#include "fakes.h"
#include "platform/qt/qttimers.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <gtest/gtest.h>

using namespace lanternreel;
using namespace lanternreel::testing;

namespace {

// Runs the event loop until `done` or the failsafe deadline; the deadline only keeps a broken
// timer from hanging the run, it measures nothing.
template<typename Predicate> bool spinUntil(Predicate done, int failsafeMs = 10000)
{
    const QDeadlineTimer deadline(failsafeMs);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

void spinFor(int ms)
{
    spinUntil([] { return false; }, ms);
}

// Collects the warnings Qt prints while it lives.
class WarningRecorder
{
public:
    WarningRecorder()
    {
        s_lines = &lines;
        m_previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &, const QString &message) {
                if (type != QtDebugMsg && type != QtInfoMsg)
                    s_lines->append(message);
            });
    }
    ~WarningRecorder()
    {
        qInstallMessageHandler(m_previous);
        s_lines = nullptr;
    }
    QStringList lines;

private:
    static inline QStringList *s_lines = nullptr;
    QtMessageHandler m_previous;
};

} // namespace

// A QTimer holds about 24.8 days; the preferences take intervals up to 2,147,483,647 seconds.
TEST(RealTimerTest, IntervalsBeyondWhatOneQTimerHoldsNeitherFireEarlyNorWarn)
{
    WarningRecorder warnings;
    QtTimers timers;
    std::vector<int> fired;
    std::vector<std::unique_ptr<RepeatingTimer>> scheduled;
    for (int seconds : { 2147484, 4294968, 2147483647 })
        scheduled.push_back(
            timers.scheduleRepeating(seconds, [&fired, seconds] { fired.push_back(seconds); }));
    spinFor(1500);
    EXPECT_TRUE(fired.empty()) << "fired early: " << fired.front();
    EXPECT_TRUE(warnings.lines.isEmpty()) << warnings.lines.join('\n').toStdString();
}

// The same waiting in parts, with parts short enough to watch: the interval is waited out whole
// and then starts again.
TEST(RealTimerTest, AnIntervalLongerThanOneWaitIsWaitedOutInPartsAndRepeats)
{
    QtTimers timers(std::chrono::milliseconds(300));
    QElapsedTimer clock;
    clock.start();
    std::vector<qint64> firedAt;
    auto timer = timers.scheduleRepeating(1, [&] { firedAt.push_back(clock.elapsed()); });
    ASSERT_TRUE(spinUntil([&] { return firedAt.size() >= 2; }));
    EXPECT_GE(firedAt[0], 1000);
    EXPECT_GE(firedAt[1], 2000);

    timer->invalidate();
    const size_t before = firedAt.size();
    spinFor(1300);
    EXPECT_EQ(firedAt.size(), before);
}
