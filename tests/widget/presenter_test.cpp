#include "display/presenterview.h"
#include "document/mydocument.h"
#include "document/preferencekeys.h"
#include "document/sliderwindow.h"
#include "fakes.h"
#include "platform/qt/documentcontroller.h"
#include "platform/qt/qtdisplay.h"
#include "slides/imagehandler.h"
#include "testslides.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

using namespace lanternreel;
using namespace lanternreel::testing;

// Runs on the offscreen platform with two screens side by side: "Left" (1280x800, the main one)
// and "Right" (1024x768), and the real display service that lists them.

namespace {

class PresenterTest : public ::testing::Test
{
protected:
    PresenterTest()
        : controller([this] { return std::make_unique<MyDocument>(fakes.services()); })
    {
        fakes.bundle.display = &display;
        document = qobject_cast<MyDocument *>(controller.openUntitledDocumentAndDisplay());
        for (int i = 0; i < 5; ++i)
            document->getImageHandler()->appendSlide(
                makeSlide(QString(QChar(u'a' + i)) + QStringLiteral(".jpg")));
    }
    ~PresenterTest() override
    {
        controller.closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static QRect frameOf(const char *name)
    {
        for (const QScreen *screen : QGuiApplication::screens()) {
            if (screen->name() == QLatin1String(name))
                return screen->geometry();
        }
        return {};
    }
    // The open windows that show a presenter view.
    static std::vector<SliderWindow *> presenterWindows()
    {
        std::vector<SliderWindow *> found;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *window = qobject_cast<SliderWindow *>(widget);
            if (window && window->isVisible() && window->findChild<PresenterView *>())
                found.push_back(window);
        }
        return found;
    }
    static QString nameIn(const FakeImageView *view)
    {
        return view && view->image() ? view->image()->name() : QStringLiteral("none");
    }

    FakeServices fakes;
    QtDisplay display { QStringLiteral("lanternreel-test") };
    DocumentController controller;
    MyDocument *document = nullptr;
};

} // namespace

// The show covers the screen chosen in Preferences, by default the one the document window is
// not on; the presenter window takes the other one, and either window's Escape ends both.
TEST_F(PresenterTest, TheShowAndThePresenterTakeOneScreenEach)
{
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    struct Case
    {
        const char *chosen; // stored screen name; "" for the default
        const char *windowOn;
        const char *show;
        const char *presenter;
        bool escapeInPresenter;
    };
    const Case cases[] = {
        { "", "Left", "Right", "Left", false },
        { "", "Right", "Left", "Right", true },
        { "Left", "Left", "Left", "Right", false },
        { "Right", "Right", "Right", "Left", true },
        { "Unplugged", "Left", "Right", "Left", false }, // a screen gone: the default
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::Message() << c.chosen << " chosen, window on " << c.windowOn);
        storePresentationScreen(fakes.preferences, QString::fromLatin1(c.chosen));
        QWidget *own = document->window();
        own->move(frameOf(c.windowOn).topLeft() + QPoint(100, 100));

        document->runFullScreen();
        ASSERT_TRUE(document->isFullScreen());
        SliderWindow *show = document->getMainWindow();
        ASSERT_NE(show, nullptr);
        EXPECT_EQ(show->geometry(), frameOf(c.show));
        const auto presenters = presenterWindows();
        ASSERT_EQ(presenters.size(), 1u);
        SliderWindow *presenter = presenters.front();
        EXPECT_EQ(presenter->geometry(), frameOf(c.presenter));
        EXPECT_TRUE(document->isShownIn(presenter->windowHandle()));

        QTest::keyClick(c.escapeInPresenter ? presenter : show, Qt::Key_Escape);
        EXPECT_FALSE(document->isFullScreen());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(presenterWindows().empty());
    }
}

// What comes next is what the arrow key in the presenter window then brings up, random order
// and the end of the show included.
TEST_F(PresenterTest, NextSlideAndPositionFollowTheShow)
{
    struct Case
    {
        bool random;
        bool loop;
        int steps; // Right presses before looking
        const char *next; // "none": the show ends here; "" for random: whatever Right brings
        const char *position;
    };
    const Case cases[] = {
        { false, false, 0, "b.jpg", "1 of 5" }, { false, false, 4, "none", "5 of 5" },
        { false, true, 4, "a.jpg", "5 of 5" },  { true, false, 1, "", "2 of 5" },
        { true, false, 4, "none", "5 of 5" },   { true, true, 4, "", "5 of 5" },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "random " << c.random << ", loop " << c.loop << ", steps " << c.steps);
        ImageHandler &slides = *document->getImageHandler();
        if (slides.isRandom() != c.random)
            document->randomizeSlides();
        if (slides.isLoop() != c.loop)
            document->loopPlayback();
        document->goToFirstSlide();
        document->runFullScreen();
        const auto presenters = presenterWindows();
        ASSERT_EQ(presenters.size(), 1u);
        SliderWindow *window = presenters.front();
        const PresenterView *view = window->findChild<PresenterView *>();
        for (int i = 0; i < c.steps; ++i)
            QTest::keyClick(window, Qt::Key_Right);

        EXPECT_EQ(view->position()->text(), QLatin1String(c.position));
        EXPECT_EQ(nameIn(view->currentView()), nameIn(document->fullScreenImageView()));
        const QString next = nameIn(view->nextView());
        if (*c.next) {
            EXPECT_EQ(next, QLatin1String(c.next));
        }
        EXPECT_EQ(view->nextCaption()->text(),
                  next == QLatin1String("none") ? PresenterView::endText()
                                                : PresenterView::nextText());
        // Each step on to the end of the pass brings up the slide announced before it.
        for (int step = c.steps; step < 5; ++step) {
            const QString announced = nameIn(view->nextView());
            const QString before = nameIn(document->fullScreenImageView());
            QTest::keyClick(window, Qt::Key_Right);
            EXPECT_EQ(nameIn(document->fullScreenImageView()),
                      announced == QLatin1String("none") ? before : announced);
        }
        document->escapeDown();
    }
}

// Time left counts the slides still to come at the show's interval, and the sounds still to
// play, as the show and its soundtrack move on.
TEST_F(PresenterTest, TimesLeftAndTheSoundPlaying)
{
    document->setShowInterval(4);
    const QStringList sounds { QStringLiteral("/music/one.wav"), QStringLiteral("/music/two.wav") };
    fakes.mediaLength.set(sounds[0], 60);
    fakes.mediaLength.set(sounds[1], 30);
    fakes.openPanels.soundAnswers.push_back(sounds);
    document->addSong();
    // The soundtrack started in the document window plays on into full screen: the time it has
    // played already counts.
    document->startSlideshow();
    QTest::qWait(1000);
    document->runFullScreen();
    const auto presenters = presenterWindows();
    ASSERT_EQ(presenters.size(), 1u);
    const PresenterView *view = presenters.front()->findChild<PresenterView *>();
    auto texts = [&] {
        return QStringList { view->passLeft()->text(), view->soundtrackLeft()->text(),
                             view->playing()->text() };
    };

    EXPECT_EQ(texts()[0], QStringLiteral("Slides: 0:20 left in the pass")); // opens idle
    EXPECT_TRUE(texts()[1].startsWith(QStringLiteral("Soundtrack: 1:2")))
        << texts()[1].toStdString();
    EXPECT_EQ(texts()[2], QStringLiteral("Playing: one.wav"));
    QTest::keyClick(presenters.front(), Qt::Key_Space); // both start over
    EXPECT_EQ(texts(),
              (QStringList { "Slides: 0:20 left in the pass", "Soundtrack: 1:30 left",
                             "Playing: one.wav" }));
    fakes.timers.advance(4 * 3);
    fakes.sounds.finish(0);
    EXPECT_EQ(texts(),
              (QStringList { "Slides: 0:08 left in the pass", "Soundtrack: 0:30 left",
                             "Playing: two.wav" }));
    fakes.sounds.finish(1);
    EXPECT_EQ(texts(),
              (QStringList { "Slides: 0:08 left in the pass", "Soundtrack: not playing",
                             "Playing: nothing" }));
}
