// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dragwatcher.h"
#include "document/mydocument.h"
#include "document/preferencekeys.h"
#include "fakes.h"
#include "jobwaits.h"
#include "platform/qt/documentcontroller.h"
#include "platform/qt/job.h"
#include "platform/qt/qttimers.h"
#include "poolgate.h"
#include "slides/imagehandler.h"
#include "testimagefiles.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>
#include <set>

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

namespace {

// A running show of three slides on the real timer (1 second), into which a second launch
// imports more pictures through the real import job.
class TickDuringImportTest : public ::testing::TestWithParam<bool>
{
protected:
    TickDuringImportTest()
    {
        fakes.preferences.stored.insert(TimerLengthKey, 1);
        services.timers = &timers;
        for (int i = 0; i < 3; ++i)
            writeJpeg(dir.filePath(QStringLiteral("old%1.jpg").arg(i)));
        // Enough work that the import goes on for a while after its first pictures are in.
        const QString first = dir.filePath(QStringLiteral("new00.png"));
        EXPECT_TRUE(twoToneImage(QSize(2000, 1500)).save(first));
        for (int i = 1; i < 40; ++i)
            QFile::copy(first,
                        dir.filePath(QStringLiteral("new%1.png").arg(i, 2, 10, QLatin1Char('0'))));
    }
    ~TickDuringImportTest() override { controller.closeAll(); }

    QStringList paths(const QString &prefix) const
    {
        QStringList found;
        for (const QString &name : QDir(dir.path()).entryList({ prefix + QStringLiteral("*") }))
            found.append(dir.filePath(name));
        return found;
    }

    QTemporaryDir dir;
    FakeServices fakes;
    QtTimers timers;
    Services services = fakes.services();
    DocumentController controller { [this] { return std::make_unique<MyDocument>(services); } };
    DragWatcher watcher { controller };
};

} // namespace

// The show goes on while the pictures load, over the slides it had, and takes the new ones all
// at once: no tick ever sees half an import, and none stops the show.
TEST_P(TickDuringImportTest, TheShowPlaysOnAndTakesTheImportInOneStep)
{
    const bool random = GetParam();
    ASSERT_EQ(openFilesNow(watcher, paths(QStringLiteral("old"))), DragWatcher::Success);
    auto *document = qobject_cast<MyDocument *>(controller.currentDocument());
    ASSERT_TRUE(document);
    ImageHandler &slides = *document->getImageHandler();
    const std::vector<SlidePtr> old = slides.slides();
    auto shown = [document] { return document->currentImageView()->image(); };
    slides.setLoop(true);
    slides.setRandom(random);
    // The last slide of the order in use: the next step walks past the old slides.
    slides.setIndex(2);
    document->startSlideshow();
    ASSERT_TRUE(document->isSlideshowInProgress());

    // Once the first pictures are in, the rest are held up until the show has stepped twice.
    PoolGate gate;
    auto reply = std::make_shared<std::optional<int>>();
    watcher.applicationOpenFiles(paths(QStringLiteral("new")),
                                 [reply](int answer) { *reply = answer; });
    ASSERT_TRUE(document->importJob());
    QObject::connect(document->importJob(), &Job::progressed, [&gate](int done, int) {
        if (done >= 1)
            gate.shut();
    });

    // Every step of the show while the import runs: what the show holds and shows.
    struct Seen
    {
        int slides;
        bool running;
        bool shownIsCurrent;
        bool sameSlidesInBothOrders;
    };
    std::vector<Seen> seen;
    std::set<SlidePtr> stepsOnto;
    SlidePtr last = shown();
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (reply->has_value() || shown() == last)
            return;
        last = shown();
        stepsOnto.insert(last);
        std::vector<SlidePtr> inOrder = slides.slides();
        std::vector<SlidePtr> shuffled = slides.randomSlides();
        std::sort(inOrder.begin(), inOrder.end());
        std::sort(shuffled.begin(), shuffled.end());
        seen.push_back({ slides.numImages(), document->isSlideshowInProgress(),
                         last == slides.curImage(), !random || inOrder == shuffled });
    });
    watch.start(5);
    ASSERT_TRUE(QTest::qWaitFor([&] { return seen.size() >= 2; }, 10000))
        << "the show did not step while the import ran";
    ASSERT_FALSE(reply->has_value()) << "the import was over before the show had stepped";
    gate.open();
    ASSERT_TRUE(QTest::qWaitFor([&] { return reply->has_value(); }, JobDeadlineMs));
    watch.stop();
    EXPECT_EQ(**reply, DragWatcher::Success);

    for (const Seen &step : seen) {
        EXPECT_EQ(step.slides, 3) << "a step saw half an import";
        EXPECT_TRUE(step.running) << "the show stopped during the import";
        EXPECT_TRUE(step.shownIsCurrent);
        EXPECT_TRUE(step.sameSlidesInBothOrders);
    }
    for (const SlidePtr &slide : stepsOnto)
        EXPECT_NE(std::find(old.begin(), old.end(), slide), old.end());

    // All of it is in, and the show goes on over it.
    EXPECT_EQ(slides.numImages(), 43);
    EXPECT_TRUE(document->isSlideshowInProgress());
    const SlidePtr before = shown();
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown() != before; }, 5000));
    EXPECT_TRUE(document->isSlideshowInProgress());
    EXPECT_EQ(shown(), slides.curImage());
}

INSTANTIATE_TEST_SUITE_P(RandomOffAndOn, TickDuringImportTest, ::testing::Bool(),
                         [](const auto &info) { return info.param ? "Random" : "InOrder"; });
