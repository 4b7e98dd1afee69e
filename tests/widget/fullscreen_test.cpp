// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainmenu.h"
#include "display/colorwell.h"
#include "document/mydocument.h"
#include "document/sliderwindow.h"
#include "fakes.h"
#include "panels/preferencespanel.h"
#include "platform/qt/documentcontroller.h"
#include "slides/imagehandler.h"
#include "testslides.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using namespace lanternreel;
using namespace lanternreel::testing;

namespace {

const QString EmptyMessage = QStringLiteral("Slideshow Is Empty");
const QString EmptyInformative
    = QStringLiteral("For a slideshow to be run, you must first import images.");

class FullScreenTest : public ::testing::Test
{
protected:
    FullScreenTest()
        : controller([this] { return std::make_unique<MyDocument>(fakes.services()); })
    {
        document = openDocument();
    }
    ~FullScreenTest() override
    {
        controller.closeAll();
        settle();
    }

    MyDocument *openDocument()
    {
        return qobject_cast<MyDocument *>(controller.openUntitledDocumentAndDisplay());
    }
    // Slides a.jpg, b.jpg, ...
    void addSlides(int count, MyDocument *to = nullptr)
    {
        for (int i = 0; i < count; ++i)
            (to ? to : document)
                ->getImageHandler()
                ->appendSlide(makeSlide(QString(QChar(u'a' + i)) + QStringLiteral(".jpg")));
    }
    void addSound()
    {
        fakes.mediaLength.set(QStringLiteral("/music/one.wav"), 60);
        fakes.openPanels.soundAnswers.push_back(QStringList { QStringLiteral("/music/one.wav") });
        document->addSong();
    }
    // Lets closed windows go, as the event loop would.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    static QString nameIn(const FakeImageView *view)
    {
        return view && view->image() ? view->image()->name() : QString();
    }
    QString windowShows() const { return nameIn(document->currentImageView()); }
    QString fullShows() const { return nameIn(document->fullScreenImageView()); }
    QString title() const { return document->window()->windowTitle(); }
    SliderWindow *slider() const { return document->getMainWindow(); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(slider(), key, modifiers);
    }

    FakeServices fakes;
    DocumentController controller;
    MyDocument *document = nullptr;
};

} // namespace

TEST_F(FullScreenTest, WithNoSlidesTheCommandOnlyBeepsAndAlerts)
{
    document->runFullScreen();
    EXPECT_EQ(fakes.alerts.beeps, 1);
    ASSERT_EQ(fakes.alerts.alerts.size(), 1u);
    EXPECT_EQ(fakes.alerts.alerts[0].messageText, EmptyMessage);
    EXPECT_EQ(fakes.alerts.alerts[0].informativeText, EmptyInformative);
    EXPECT_FALSE(document->isFullScreen());
    EXPECT_EQ(slider(), nullptr);
    EXPECT_EQ(fakes.display.captures, 0);
    EXPECT_FALSE(fakes.display.cursorHidden());

    // Emptied while in full screen: the command does not leave either.
    addSlides(2);
    document->runFullScreen();
    ASSERT_TRUE(document->isFullScreen());
    document->removeAllImages();
    document->runFullScreen();
    EXPECT_EQ(fakes.alerts.beeps, 2);
    EXPECT_EQ(fakes.alerts.alerts.size(), 2u);
    EXPECT_TRUE(document->isFullScreen());
    ASSERT_NE(slider(), nullptr);
    EXPECT_TRUE(slider()->isVisible());
    EXPECT_EQ(fakes.display.releases, 0);
    EXPECT_TRUE(fakes.display.cursorHidden());
}

TEST_F(FullScreenTest, CoversTheMainScreenFramelessOnTopWithTheCurrentSlideAndNoCursor)
{
    addSlides(3);
    document->nextImage();
    document->runFullScreen();

    ASSERT_TRUE(document->isFullScreen());
    SliderWindow *window = slider();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isFullScreen());
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window->geometry(), fakes.display.frame);
    EXPECT_TRUE(QTest::qWaitForWindowActive(window, 2000));
    EXPECT_EQ(window->currentDocument(), document);

    // The panel's view fills the window and shows the current slide in the full-screen colour.
    FakeImageView *view = document->fullScreenImageView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->objectName(), QStringLiteral("fullImageView"));
    EXPECT_EQ(view->window(), window);
    EXPECT_EQ(view->parentWidget()->objectName(), QStringLiteral("fullPanel"));
    EXPECT_EQ(view->size(), fakes.display.frame.size());
    EXPECT_EQ(fullShows(), QStringLiteral("b.jpg"));
    EXPECT_EQ(view->backgroundColor(), document->getFullscreenColor());
    EXPECT_EQ(window->palette().color(QPalette::Window), document->getFullscreenColor());

    EXPECT_EQ(fakes.display.captures, 1);
    EXPECT_TRUE(fakes.display.cursorHidden());
    EXPECT_TRUE(fakes.log.logLines.isEmpty());
    EXPECT_EQ(fakes.timers.activeCount(), 0); // opens idle
}

TEST_F(FullScreenTest, EnteringDuringARunningShowStopsTheTimerButNotTheSoundtrack)
{
    addSlides(3);
    addSound();
    document->startSlideshow();
    ASSERT_TRUE(fakes.sounds.made(0).playing);

    document->runFullScreen();
    EXPECT_FALSE(document->isSlideshowInProgress());
    EXPECT_EQ(fakes.timers.activeCount(), 0);
    EXPECT_TRUE(fakes.sounds.made(0).playing);
    EXPECT_EQ(fakes.sounds.made(0).stops, 0);
    EXPECT_EQ(fullShows(), QStringLiteral("a.jpg"));

    // Space starts the show again, and its soundtrack over from the first sound.
    press(Qt::Key_Space);
    EXPECT_TRUE(document->isSlideshowInProgress());
    EXPECT_EQ(fakes.timers.activeCount(), 1);
    EXPECT_TRUE(fakes.sounds.made(0).playing);
    EXPECT_EQ(fakes.sounds.made(0).stops, 1);
    EXPECT_EQ(fakes.sounds.made(0).plays, 2);
    fakes.timers.advance(3);
    EXPECT_EQ(fullShows(), QStringLiteral("b.jpg"));
    EXPECT_EQ(windowShows(), QStringLiteral("b.jpg"));
}

TEST_F(FullScreenTest, ArrowsStepWithoutATimerAndOtherKeysAreIgnored)
{
    addSlides(3);
    document->runFullScreen();

    press(Qt::Key_Right);
    EXPECT_EQ(fullShows(), QStringLiteral("b.jpg"));
    EXPECT_EQ(windowShows(), QStringLiteral("b.jpg"));
    EXPECT_EQ(title(), QStringLiteral("Untitled - b.jpg"));
    press(Qt::Key_Right, Qt::ShiftModifier); // modifiers are not looked at
    EXPECT_EQ(fullShows(), QStringLiteral("c.jpg"));
    press(Qt::Key_Right); // the end, loop off: nothing
    EXPECT_EQ(fullShows(), QStringLiteral("c.jpg"));
    EXPECT_EQ(document->getImageHandler()->returnIndex(), 2);
    press(Qt::Key_Left);
    EXPECT_EQ(fullShows(), QStringLiteral("b.jpg"));
    EXPECT_EQ(fakes.timers.scheduledCount(), 0);

    for (Qt::Key key : { Qt::Key_A, Qt::Key_Up, Qt::Key_Down, Qt::Key_Return, Qt::Key_Tab,
                         Qt::Key_F1, Qt::Key_End, Qt::Key_PageDown }) {
        press(key);
    }
    EXPECT_TRUE(document->isFullScreen());
    EXPECT_EQ(fullShows(), QStringLiteral("b.jpg"));
    EXPECT_EQ(document->getImageHandler()->numImages(), 3);
    EXPECT_EQ(fakes.alerts.beeps, 0);
    EXPECT_FALSE(document->isSlideshowInProgress());
}

// The menu bar stays in the document window, yet its commands reach the show by their keys in
// full screen, as in the window; the full-screen window's own keys keep their meaning.
TEST_F(FullScreenTest, MenuShortcutsReachTheShowInFullScreenBesideTheWindowsOwnKeys)
{
    MainMenu menu(controller);
    menu.installInto(document->window());
    MyDocument *other = openDocument();
    menu.installInto(other->window());
    addSlides(2, other);
    addSlides(4);
    addSound();
    auto activate = [](QWidget *window) {
        window->activateWindow();
        QApplication::processEvents();
        ASSERT_EQ(QGuiApplication::focusWindow(), window->windowHandle());
    };
    activate(document->window());
    QTest::keyClick(document->window(), Qt::Key_F11);
    ASSERT_TRUE(document->isFullScreen());
    // Away to the other show's window and back: the keys go to the show in full screen.
    activate(other->window());
    activate(slider());
    EXPECT_EQ(controller.currentDocument(), document);

    struct Step
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char *full; // what the full-screen view shows afterwards
        int index;
        bool running;
    };
    const Step steps[] = {
        { Qt::Key_Right, Qt::NoModifier, "b.jpg", 1, false }, // its own key: one step, not two
        { Qt::Key_Home, Qt::NoModifier, "a.jpg", 0, false },
        { Qt::Key_F5, Qt::NoModifier, "a.jpg", 0, true },
        { Qt::Key_Left, Qt::NoModifier, "a.jpg", 0, true }, // the first slide, loop off
        { Qt::Key_L, Qt::ControlModifier, "a.jpg", 0, true },
        { Qt::Key_Left, Qt::NoModifier, "d.jpg", 3, true }, // looping now
        { Qt::Key_Delete, Qt::NoModifier, "d.jpg", 3, true }, // beeps, removes nothing
        { Qt::Key_A, Qt::NoModifier, "d.jpg", 3, true },
        { Qt::Key_F5, Qt::ShiftModifier, "d.jpg", 3, false },
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(QKeySequence(step.key | step.modifiers).toString().toStdString());
        press(step.key, step.modifiers);
        EXPECT_TRUE(document->isFullScreen());
        EXPECT_EQ(fullShows().toStdString(), step.full);
        EXPECT_EQ(document->getImageHandler()->returnIndex(), step.index);
        EXPECT_EQ(document->isSlideshowInProgress(), step.running);
        EXPECT_EQ(fakes.sounds.made(0).playing, step.running);
    }
    EXPECT_EQ(document->getImageHandler()->numImages(), 4);
    EXPECT_EQ(fakes.alerts.beeps, 1);
    EXPECT_TRUE(document->getImageHandler()->isLoop());
    EXPECT_FALSE(other->getImageHandler()->isLoop());
    EXPECT_FALSE(other->isSlideshowInProgress());

    // A panel comes up over the full-screen window, not unseen beneath it.
    press(Qt::Key_Comma, Qt::ControlModifier);
    QDialog *panel = document->getPreferencesPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isVisible());
    ASSERT_NE(panel->windowHandle(), nullptr);
    EXPECT_EQ(panel->windowHandle()->transientParent(), slider()->windowHandle());
    panel->reject();
    activate(slider());

    // Full Screen again leaves, and leaves the document window's title as it was.
    const QString before = title();
    press(Qt::Key_F11);
    EXPECT_FALSE(document->isFullScreen());
    EXPECT_EQ(title(), before);
    EXPECT_EQ(fakes.display.held, 0);

    // Removing every slide in full screen leaves none of them on the screen.
    activate(document->window());
    QTest::keyClick(document->window(), Qt::Key_F11);
    ASSERT_TRUE(document->isFullScreen());
    activate(slider());
    press(Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(document->getImageHandler()->numImages(), 0);
    EXPECT_EQ(fullShows(), QString());
    EXPECT_EQ(windowShows(), QString());
    EXPECT_EQ(other->getImageHandler()->numImages(), 2);
}

TEST_F(FullScreenTest, KeysDuringARunningShowRestartTheCountdownAndSpaceStopsItAll)
{
    addSlides(4);
    addSound();
    document->runFullScreen();
    press(Qt::Key_Space);
    ASSERT_TRUE(document->isSlideshowInProgress());

    fakes.timers.advance(2);
    press(Qt::Key_Right);
    EXPECT_EQ(fullShows(), QStringLiteral("b.jpg"));
    EXPECT_DOUBLE_EQ(fakes.timers.secondsToNextFire(), 3);
    fakes.timers.advance(3);
    EXPECT_EQ(fullShows(), QStringLiteral("c.jpg"));

    press(Qt::Key_Space);
    EXPECT_FALSE(document->isSlideshowInProgress());
    EXPECT_EQ(fakes.timers.activeCount(), 0);
    EXPECT_FALSE(fakes.sounds.made(0).playing);
    EXPECT_TRUE(document->isFullScreen());
}

TEST_F(FullScreenTest, EscapeRebuildsTheWindowTitleAndViewButTheMenuCommandDoesNot)
{
    addSlides(3);
    addSound();
    document->nextImage();
    document->runFullScreen();
    // Going to the first slide leaves the title alone, so the title is stale from here on.
    document->goToFirstSlide();
    ASSERT_EQ(title(), QStringLiteral("Untitled - b.jpg"));
    press(Qt::Key_Space);
    ASSERT_TRUE(fakes.sounds.made(0).playing);
    QPointer<SliderWindow> window = slider();

    press(Qt::Key_Escape);
    EXPECT_FALSE(document->isFullScreen());
    EXPECT_FALSE(window && window->isVisible());
    EXPECT_EQ(title(), QStringLiteral("Untitled - a.jpg"));
    EXPECT_EQ(windowShows(), QStringLiteral("a.jpg"));
    // Closing the window stopped the show and its soundtrack.
    EXPECT_FALSE(document->isSlideshowInProgress());
    EXPECT_FALSE(fakes.sounds.made(0).playing);
    EXPECT_EQ(fakes.timers.activeCount(), 0);
    EXPECT_FALSE(fakes.display.cursorHidden());
    EXPECT_EQ(fakes.display.held, 0);
    settle();
    EXPECT_TRUE(window.isNull());

    // The same again, leaving by the menu command: the stale title stays.
    document->nextImage();
    document->runFullScreen();
    document->goToFirstSlide();
    MainMenu menu(controller);
    QAction *item = menu.itemWithTitle(QStringLiteral("Slideshow"), QStringLiteral("Full Screen"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::Key_F11));
    item->trigger();
    EXPECT_FALSE(document->isFullScreen());
    EXPECT_EQ(title(), QStringLiteral("Untitled - b.jpg"));
    EXPECT_EQ(windowShows(), QStringLiteral("a.jpg")); // from goToFirstSlide, not rebuilt
    EXPECT_FALSE(fakes.display.cursorHidden());
    EXPECT_EQ(fakes.display.held, 0);

    // Escape when not in full screen does nothing.
    document->escapeDown();
    EXPECT_EQ(title(), QStringLiteral("Untitled - b.jpg"));

    item->trigger(); // and the item enters too
    EXPECT_TRUE(document->isFullScreen());
}

TEST_F(FullScreenTest, AFailedCaptureStillGivesTheWindowAndHidesTheCursorWithOneLogLine)
{
    addSlides(2);
    fakes.display.failCapture = true;
    document->runFullScreen();
    EXPECT_TRUE(document->isFullScreen());
    ASSERT_NE(slider(), nullptr);
    EXPECT_TRUE(slider()->isVisible());
    EXPECT_TRUE(slider()->isFullScreen());
    EXPECT_TRUE(fakes.display.cursorHidden());
    EXPECT_EQ(fakes.log.logLines,
              QStringList { QStringLiteral("Couldn't capture the main display!") });
}

TEST_F(FullScreenTest, AFailedReleaseIsLoggedAndFullScreenIsLeftAllTheSame)
{
    addSlides(2);
    document->runFullScreen();
    QPointer<SliderWindow> window = slider();
    fakes.display.failRelease = true;
    document->runFullScreen();
    EXPECT_FALSE(document->isFullScreen());
    EXPECT_FALSE(window && window->isVisible());
    EXPECT_FALSE(fakes.display.cursorHidden());
    EXPECT_EQ(fakes.log.logLines,
              QStringList { QStringLiteral("Couldn't release the display(s)!") });
}

TEST_F(FullScreenTest, EachEntryLoadsANewPanelInTheColourOfTheMoment)
{
    addSlides(2);
    document->runFullScreen();
    QPointer<SliderWindow> firstWindow = slider();
    QPointer<FakeImageView> firstView = document->fullScreenImageView();
    const QColor before = document->getFullscreenColor();
    press(Qt::Key_Escape);
    settle();
    EXPECT_TRUE(firstWindow.isNull());
    EXPECT_TRUE(firstView.isNull());

    const QColor saved(12, 200, 99);
    ASSERT_NE(saved, before);
    document->showPreferencesPanel();
    document->getPreferencesPanel()->bgColor()->setColor(saved);
    document->savePreferences();

    document->runFullScreen();
    ASSERT_NE(slider(), nullptr);
    ASSERT_NE(document->fullScreenImageView(), nullptr);
    EXPECT_EQ(document->fullScreenImageView()->backgroundColor(), saved);
    EXPECT_EQ(slider()->palette().color(QPalette::Window), saved);
    EXPECT_EQ(fullShows(), QStringLiteral("a.jpg"));
    EXPECT_EQ(fakes.display.captures, 2);
}

TEST_F(FullScreenTest, ClosingTheWindowFromOutsideLeavesFullScreen)
{
    addSlides(2);
    document->runFullScreen();
    press(Qt::Key_Space);
    slider()->close(); // as the window manager would
    EXPECT_FALSE(document->isFullScreen());
    EXPECT_FALSE(document->isSlideshowInProgress());
    EXPECT_FALSE(fakes.display.cursorHidden());
    EXPECT_EQ(fakes.display.held, 0);
    EXPECT_EQ(fakes.display.releases, 1);
}

TEST_F(FullScreenTest, ADocumentWatchesOnlyItsOwnFullScreenWindow)
{
    addSlides(2);
    MyDocument *other = openDocument();
    addSlides(2, other);

    document->startSlideshow();
    other->runFullScreen();
    other->runFullScreen(); // its window closes
    EXPECT_TRUE(document->isSlideshowInProgress());
    EXPECT_EQ(fakes.timers.activeCount(), 1);
}

TEST_F(FullScreenTest, NothingReachesADocumentThatIsGone)
{
    addSlides(2);
    document->runFullScreen();
    press(Qt::Key_Space);
    QPointer<SliderWindow> window = slider();

    controller.closeDocument(document);
    document = nullptr;
    // The document's teardown took full screen down with it.
    ASSERT_FALSE(window.isNull()); // not deleted until the event loop lets it go
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->currentDocument(), nullptr);
    EXPECT_FALSE(fakes.display.cursorHidden());
    EXPECT_EQ(fakes.display.held, 0);
    EXPECT_EQ(fakes.timers.activeCount(), 0);

    // A late close notification or key finds no one to call.
    emit window->windowWillClose();
    QTest::keyClick(window, Qt::Key_Right);
    QTest::keyClick(window, Qt::Key_Escape);
    settle();
    EXPECT_TRUE(window.isNull());
}
