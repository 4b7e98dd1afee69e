#include "app/dragwatcher.h"
#include "document/mydocument.h"
#include "document/preferencekeys.h"
#include "fakes.h"
#include "platform/qt/documentcontroller.h"
#include "platform/qt/qtimportprogress.h"
#include "platform/qt/qttimers.h"
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
// imports more pictures through the real import and its progress window.
class TickDuringImportTest : public ::testing::TestWithParam<bool>
{
protected:
    TickDuringImportTest()
    {
        fakes.preferences.stored.insert(TimerLengthKey, 1);
        services.timers = &timers;
        services.importProgress = &progress;
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
    QtImportProgress progress;
    Services services = fakes.services();
    DocumentController controller { [this] { return std::make_unique<MyDocument>(services); } };
    DragWatcher watcher { controller };
};

} // namespace

TEST_P(TickDuringImportTest, TheShowHoldsItsTicksUntilTheImportEndsAndThenStepsOnce)
{
    const bool random = GetParam();
    ASSERT_EQ(watcher.applicationOpenFiles(paths(QStringLiteral("old"))), DragWatcher::Success);
    auto *document = qobject_cast<MyDocument *>(controller.currentDocument());
    ASSERT_TRUE(document);
    ImageHandler &slides = *document->getImageHandler();
    auto shown = [document] {
        const SlidePtr &image = document->currentImageView()->image();
        return image ? image->name() : QString();
    };
    slides.setLoop(true);
    slides.setRandom(random);
    // The last slide of the order in use: the next step walks past the old slides.
    slides.setIndex(2);

    QElapsedTimer clock;
    document->startSlideshow();
    clock.start();
    ASSERT_TRUE(document->isSlideshowInProgress());

    // While the import runs, the show is watched for any step. Once its first pictures are in,
    // the import is made slow, as a slow disk would make it, until the show's timer has come due;
    // the import then lets events through again before it ends.
    std::set<std::pair<int, bool>> seenDuringImport;
    bool slowed = false;
    int passesAfterDue = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!ImageHandler::importInProgress())
            return;
        seenDuringImport.insert({ slides.returnIndex(), document->isSlideshowInProgress() });
        if (slides.numImages() == 3)
            return;
        if (!slowed) {
            slowed = true;
            QThread::msleep(
                static_cast<unsigned long>(std::max<qint64>(0, 1100 - clock.elapsed())));
            return;
        }
        ++passesAfterDue;
    });
    watch.start(1);
    EXPECT_EQ(watcher.applicationOpenFiles(paths(QStringLiteral("new"))), DragWatcher::Success);
    watch.stop();
    ASSERT_GT(passesAfterDue, 0) << "the import was over before the show's timer came due";
    EXPECT_EQ(slides.numImages(), 43);

    EXPECT_EQ(seenDuringImport, (std::set<std::pair<int, bool>> { { 2, true } }))
        << "the show stepped or stopped during the import";
    // The tick that came due during the import is taken right after it.
    EXPECT_TRUE(document->isSlideshowInProgress());
    EXPECT_EQ(slides.returnIndex(), 3);
    ASSERT_TRUE(slides.curImage());
    EXPECT_EQ(shown(), slides.curImage()->name());

    // And the show goes on.
    ASSERT_TRUE(spinUntil([&] { return slides.returnIndex() == 4; }, 5000));
    EXPECT_TRUE(document->isSlideshowInProgress());
    ASSERT_TRUE(slides.curImage());
    EXPECT_EQ(shown(), slides.curImage()->name());
}

INSTANTIATE_TEST_SUITE_P(RandomOffAndOn, TickDuringImportTest, ::testing::Bool(),
                         [](const auto &info) { return info.param ? "Random" : "InOrder"; });
