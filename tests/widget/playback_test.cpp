// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainmenu.h"
#include "document/mydocument.h"
#include "document/preferencekeys.h"
#include "document/show.h"
#include "fakes.h"
#include "panels/infopanel.h"
#include "panels/soundpanel.h"
#include "platform/qt/documentcontroller.h"
#include "platform/qt/qttimers.h"
#include "slides/imagehandler.h"
#include "soundtrack/soundhandler.h"
#include "testslides.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTableView>
#include <functional>
#include <gtest/gtest.h>

using namespace lanternreel;
using namespace lanternreel::testing;

namespace {

// A document with its window, on the fake clock. Slides a.jpg, b.jpg, ... and sounds are added
// straight to its handlers.
class PlaybackTest : public ::testing::Test
{
protected:
    PlaybackTest()
        : controller([this] { return std::make_unique<MyDocument>(fakes.services()); })
    {
        document = qobject_cast<MyDocument *>(controller.openUntitledDocumentAndDisplay());
    }

    void addSlides(int count)
    {
        for (int i = 0; i < count; ++i)
            document->getImageHandler()->appendSlide(
                makeSlide(QString(QChar(u'a' + i)) + QStringLiteral(".jpg")));
    }
    void addSounds(const QStringList &names)
    {
        QStringList paths;
        for (const QString &name : names) {
            paths.append(QStringLiteral("/music/") + name);
            fakes.mediaLength.set(paths.back(), 60);
        }
        fakes.openPanels.soundAnswers.push_back(paths);
        document->addSong();
    }
    QString shownName() const
    {
        const SlidePtr &shown = document->currentImageView()->image();
        return shown ? shown->name() : QString();
    }
    QString title() const { return document->window()->windowTitle(); }
    int position() const { return document->getImageHandler()->returnIndex(); }

    FakeServices fakes;
    DocumentController controller;
    MyDocument *document = nullptr;
};

} // namespace

TEST_F(PlaybackTest, TicksStepTheShowEveryInterval)
{
    addSlides(3);
    document->goToFirstSlide();
    document->startSlideshow();
    EXPECT_TRUE(document->isSlideshowInProgress());
    EXPECT_EQ(fakes.timers.lastInterval(), 3);
    EXPECT_EQ(shownName(), QStringLiteral("a.jpg")); // starting shows nothing new

    fakes.timers.advance(2.9);
    EXPECT_EQ(shownName(), QStringLiteral("a.jpg"));
    fakes.timers.advance(0.1);
    EXPECT_EQ(shownName(), QStringLiteral("b.jpg"));
    EXPECT_EQ(title(), QStringLiteral("Untitled - b.jpg"));
    EXPECT_EQ(fakes.timers.activeCount(), 1);
}

TEST_F(PlaybackTest, EveryStepOfAnyKindRestartsTheCountdown)
{
    addSlides(5);
    document->startSlideshow();
    const int scheduledAtStart = fakes.timers.scheduledCount();

    fakes.timers.advance(3); // a tick
    EXPECT_EQ(fakes.timers.scheduledCount(), scheduledAtStart + 1);
    EXPECT_DOUBLE_EQ(fakes.timers.secondsToNextFire(), 3);

    fakes.timers.advance(2);
    document->nextImage(); // right arrow
    EXPECT_EQ(shownName(), QStringLiteral("c.jpg"));
    EXPECT_DOUBLE_EQ(fakes.timers.secondsToNextFire(), 3);

    fakes.timers.advance(2);
    document->previousImage(); // left arrow
    EXPECT_EQ(shownName(), QStringLiteral("b.jpg"));
    EXPECT_EQ(title(), QStringLiteral("Untitled - b.jpg"));
    EXPECT_DOUBLE_EQ(fakes.timers.secondsToNextFire(), 3);

    fakes.timers.advance(2.9);
    EXPECT_EQ(shownName(), QStringLiteral("b.jpg"));
    fakes.timers.advance(0.1);
    EXPECT_EQ(shownName(), QStringLiteral("c.jpg"));
    EXPECT_EQ(fakes.timers.activeCount(), 1);
}

TEST_F(PlaybackTest, StepsWithoutAShowScheduleNothing)
{
    addSlides(2);
    document->nextImage();
    EXPECT_EQ(shownName(), QStringLiteral("b.jpg"));
    EXPECT_EQ(title(), QStringLiteral("Untitled - b.jpg"));
    document->nextImage(); // end of the list, no show: nothing at all
    EXPECT_EQ(shownName(), QStringLiteral("b.jpg"));
    EXPECT_EQ(fakes.timers.scheduledCount(), 0);
    EXPECT_EQ(fakes.alerts.beeps, 0);
}

TEST_F(PlaybackTest, OneSlideShowStopsAfterOneIntervalUnlessLooping)
{
    addSlides(1);
    document->startSlideshow();
    fakes.timers.advance(3);
    EXPECT_FALSE(document->isSlideshowInProgress());
    EXPECT_EQ(fakes.timers.activeCount(), 0);

    document->loopPlayback();
    document->startSlideshow();
    fakes.timers.advance(30);
    EXPECT_TRUE(document->isSlideshowInProgress());
    EXPECT_EQ(fakes.timers.activeCount(), 1);
    EXPECT_EQ(shownName(), QStringLiteral("a.jpg"));
    EXPECT_EQ(title(), QStringLiteral("Untitled - a.jpg"));
}

TEST_F(PlaybackTest, EndOfTheListStopsTheTimerButNotTheSoundtrack)
{
    addSlides(2);
    addSounds({ QStringLiteral("song.wav") });
    document->startSlideshow();
    EXPECT_TRUE(fakes.sounds.made(0).playing);

    fakes.timers.advance(6);
    EXPECT_FALSE(document->isSlideshowInProgress());
    EXPECT_EQ(fakes.timers.activeCount(), 0);
    EXPECT_EQ(shownName(), QStringLiteral("b.jpg")); // the last slide stays
    EXPECT_TRUE(fakes.sounds.made(0).playing);
    EXPECT_TRUE(document->getSoundHandler()->isPlaying());

    // Started again at the end of the list: the soundtrack starts again (the song still plays,
    // so nothing new sounds), the first tick finds no next slide.
    document->startSlideshow();
    fakes.timers.advance(3);
    EXPECT_FALSE(document->isSlideshowInProgress());
}

TEST_F(PlaybackTest, LeftArrowAtTheFirstSlideKeepsTheCountdown)
{
    addSlides(3);
    document->goToFirstSlide();
    document->startSlideshow();
    fakes.timers.advance(1);
    document->previousImage();
    EXPECT_EQ(shownName(), QStringLiteral("a.jpg"));
    EXPECT_EQ(position(), 0);
    EXPECT_DOUBLE_EQ(fakes.timers.secondsToNextFire(), 2);
    EXPECT_TRUE(document->isSlideshowInProgress());
}

TEST_F(PlaybackTest, GoToFirstSlideLeavesTheTitleAndTheTimerAlone)
{
    addSlides(3);
    document->startSlideshow();
    fakes.timers.advance(6); // c shown
    fakes.timers.advance(1);
    const int scheduled = fakes.timers.scheduledCount();

    document->goToFirstSlide();
    EXPECT_EQ(shownName(), QStringLiteral("a.jpg"));
    EXPECT_EQ(position(), 0);
    EXPECT_EQ(title(), QStringLiteral("Untitled - c.jpg"));
    EXPECT_EQ(fakes.timers.scheduledCount(), scheduled);
    EXPECT_DOUBLE_EQ(fakes.timers.secondsToNextFire(), 2);

    fakes.timers.advance(2); // on from position 0
    EXPECT_EQ(shownName(), QStringLiteral("b.jpg"));
}

TEST_F(PlaybackTest, GoToFirstSlideOfAnEmptyShowBeeps)
{
    document->goToFirstSlide();
    EXPECT_EQ(fakes.alerts.beeps, 1);
}

TEST_F(PlaybackTest, StartingAnEmptyShowAlertsAndChangesNothing)
{
    addSounds({ QStringLiteral("song.wav") });
    document->startSlideshow();
    EXPECT_EQ(fakes.alerts.beeps, 1);
    ASSERT_EQ(fakes.alerts.alerts.size(), 1u);
    EXPECT_EQ(fakes.alerts.alerts[0].messageText, QStringLiteral("Slideshow Is Empty"));
    EXPECT_EQ(fakes.alerts.alerts[0].informativeText,
              QStringLiteral("For a slideshow to be run, you must first import images."));
    EXPECT_FALSE(document->isSlideshowInProgress());
    EXPECT_EQ(fakes.timers.scheduledCount(), 0);
    EXPECT_EQ(fakes.sounds.made(0).plays, 0);
}

TEST_F(PlaybackTest, StartingARunningShowDoesNothing)
{
    addSlides(2);
    addSounds({ QStringLiteral("song.wav") });
    document->startSlideshow();
    fakes.timers.advance(1);
    document->startSlideshow();
    EXPECT_EQ(fakes.timers.scheduledCount(), 1);
    EXPECT_EQ(fakes.sounds.made(0).plays, 1);
    EXPECT_DOUBLE_EQ(fakes.timers.secondsToNextFire(), 2);
}

TEST_F(PlaybackTest, SpaceTogglesTheShowAndTheSoundtrack)
{
    addSlides(3);
    addSounds({ QStringLiteral("one.wav"), QStringLiteral("two.wav") });
    document->spaceDown();
    EXPECT_TRUE(document->isSlideshowInProgress());
    fakes.sounds.finish(0);
    EXPECT_TRUE(fakes.sounds.made(1).playing);

    document->spaceDown();
    EXPECT_FALSE(document->isSlideshowInProgress());
    EXPECT_EQ(fakes.timers.activeCount(), 0);
    EXPECT_EQ(fakes.sounds.playingCount(), 0);
    EXPECT_FALSE(document->getSoundHandler()->isPlaying());

    // Started again: the soundtrack from its first sound.
    document->spaceDown();
    EXPECT_TRUE(fakes.sounds.made(0).playing);
    EXPECT_EQ(document->getSoundHandler()->returnSoundIndex(), 0);
}

TEST_F(PlaybackTest, RemovingAllImagesStopsTheShowAndTheSoundtrack)
{
    addSlides(3);
    addSounds({ QStringLiteral("song.wav") });
    document->startSlideshow();
    document->removeAllImages();
    EXPECT_FALSE(document->isSlideshowInProgress());
    EXPECT_EQ(fakes.timers.activeCount(), 0);
    EXPECT_FALSE(fakes.sounds.made(0).playing);
    EXPECT_EQ(title(), QStringLiteral("Untitled"));
}

TEST_F(PlaybackTest, ClosingARunningShowStopsItsSoundtrack)
{
    addSlides(2);
    addSounds({ QStringLiteral("song.wav") });
    document->startSlideshow();
    controller.closeDocument(document);
    EXPECT_EQ(fakes.sounds.made(0).stops, 1);
    EXPECT_FALSE(fakes.sounds.made(0).alive);
    EXPECT_EQ(fakes.timers.activeCount(), 0);
    fakes.timers.advance(10); // nothing left to tick into
}

TEST_F(PlaybackTest, MenuCommandsReachTheSameOperations)
{
    MainMenu menu(controller);
    const auto item = [&menu](const char *title) {
        QAction *action = menu.itemWithTitle(QStringLiteral("Slideshow"), QString::fromUtf8(title));
        EXPECT_NE(action, nullptr) << title;
        return action;
    };
    const std::pair<const char *, QKeySequence> shortcuts[] = {
        { "Start Slideshow", QKeySequence(Qt::Key_F5) },
        { "Stop Slideshow", QKeySequence(Qt::SHIFT | Qt::Key_F5) },
        { "Next Slide", QKeySequence(Qt::Key_Right) },
        { "Previous Slide", QKeySequence(Qt::Key_Left) },
        { "Go to First Slide", QKeySequence(Qt::Key_Home) },
        { "Add Sound…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A) },
        { "Remove Sound", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backspace) },
        { "Slideshow Info…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I) },
        { "Soundtrack…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T) },
    };
    for (const auto &[title, shortcut] : shortcuts) {
        if (QAction *action = item(title)) {
            EXPECT_EQ(action->shortcut(), shortcut) << title;
        }
    }

    addSlides(3);
    item("Start Slideshow")->trigger();
    ASSERT_TRUE(document->isSlideshowInProgress());
    fakes.timers.advance(2);
    item("Next Slide")->trigger();
    EXPECT_EQ(shownName(), QStringLiteral("b.jpg"));
    EXPECT_DOUBLE_EQ(fakes.timers.secondsToNextFire(), 3);
    item("Previous Slide")->trigger();
    EXPECT_EQ(shownName(), QStringLiteral("a.jpg"));
    item("Stop Slideshow")->trigger();
    EXPECT_FALSE(document->isSlideshowInProgress());

    fakes.mediaLength.set(QStringLiteral("/music/x.wav"), 5);
    fakes.openPanels.soundAnswers.push_back(QStringList { QStringLiteral("/music/x.wav") });
    item("Add Sound…")->trigger();
    EXPECT_EQ(document->getSoundHandler()->numSounds(), 1);
    item("Slideshow Info…")->trigger();
    ASSERT_NE(document->getInfoPanel(), nullptr);
    EXPECT_EQ(document->getInfoPanel()->numberOfSlides()->text(), QStringLiteral("3 images"));
    item("Soundtrack…")->trigger();
    ASSERT_NE(document->getSoundPanel(), nullptr);
    document->getSoundPanel()->tableView()->selectRow(0);
    item("Remove Sound")->trigger();
    EXPECT_EQ(document->getSoundHandler()->numSounds(), 0);
}

// Whatever moves the show, the document window's view, its title and the full-screen view follow
// it: here the show is moved directly, by a step, a removal and the ticks of a real timer, with
// no command of the document's between.
TEST(ShowViewsTest, BothViewsAndTheTitleFollowTheShowHoweverItMoves)
{
    FakeServices fakes;
    QtTimers timers;
    fakes.bundle.timers = &timers;
    fakes.preferences.stored.insert(TimerLengthKey, 1);
    DocumentController controller(
        [&fakes] { return std::make_unique<MyDocument>(fakes.services()); });
    auto *document = qobject_cast<MyDocument *>(controller.openUntitledDocumentAndDisplay());
    for (const char *name : { "a.jpg", "b.jpg", "c.jpg" })
        document->getImageHandler()->appendSlide(makeSlide(QString::fromLatin1(name)));
    document->runFullScreen();
    ASSERT_TRUE(document->isFullScreen());
    Show *show = document->show();
    QList<bool> runningTold;
    QObject::connect(show, &Show::runningChanged, [&](bool on) { runningTold.append(on); });

    auto nameIn = [](const FakeImageView *view) {
        return view && view->image() ? view->image()->name() : QStringLiteral("none");
    };
    struct Step
    {
        const char *what;
        std::function<void()> act;
        const char *window, *full, *title;
    };
    const Step steps[] = {
        { "a step", [&] { show->next(); }, "b.jpg", "b.jpg", "Untitled - b.jpg" },
        { "a removal", [&] { show->removeCurrent(); }, "c.jpg", "c.jpg", "Untitled - c.jpg" },
        // The title stays: going back to the first slide does not rename the window.
        { "back to the first", [&] { show->goToFirst(); }, "a.jpg", "a.jpg", "Untitled - c.jpg" },
        { "a tick of the timer",
          [&] {
              QSignalSpy moved(show, &Show::currentSlideChanged);
              show->start();
              ASSERT_TRUE(moved.wait(5000));
          },
          "c.jpg", "c.jpg", "Untitled - c.jpg" },
        { "a tick at the end of the list",
          [&] {
              QSignalSpy running(show, &Show::runningChanged);
              ASSERT_TRUE(running.wait(5000));
          },
          "c.jpg", "c.jpg", "Untitled - c.jpg" },
        { "every slide removed", [&] { show->removeAll(); }, "none", "none", "Untitled" },
    };
    for (const Step &step : steps) {
        step.act();
        EXPECT_EQ(nameIn(document->currentImageView()), QLatin1String(step.window)) << step.what;
        EXPECT_EQ(nameIn(document->fullScreenImageView()), QLatin1String(step.full)) << step.what;
        EXPECT_EQ(document->window()->windowTitle(), QLatin1String(step.title)) << step.what;
    }
    EXPECT_EQ(runningTold, QList<bool>({ true, false }));
    EXPECT_FALSE(document->isSlideshowInProgress());
    controller.closeAll();
}
