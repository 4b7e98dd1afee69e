// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/mydocument.h"
#include "fakes.h"
#include "platform/qt/documentcontroller.h"
#include "slides/imagehandler.h"
#include "testslides.h"

#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>

using namespace lanternreel;
using namespace lanternreel::testing;

namespace {

// Slides larger than either view, so that a decode at a view's size and one at full size
// differ. Slide i has a grey of its own.
class PrefetchTest : public ::testing::Test
{
protected:
    PrefetchTest()
        : controller([this] { return std::make_unique<MyDocument>(fakes.services()); })
    {
        document = qobject_cast<MyDocument *>(controller.openUntitledDocumentAndDisplay());
        for (int i = 0; i < 5; ++i) {
            slides.push_back(makeSlide(QString(QChar(u'a' + i)) + QStringLiteral(".jpg"),
                                       QSize(2400, 1600), QColor(40 * i, 40 * i, 40 * i)));
            document->getImageHandler()->appendSlide(slides.back());
        }
        document->goToFirstSlide();
    }
    ~PrefetchTest() override
    {
        document->waitForPrefetch();
        controller.closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // In full screen, with both windows up so that a repaint paints at once.
    void enterFullScreen()
    {
        document->runFullScreen();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(document->getMainWindow()));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(document->window()));
    }

    FakeImageView *windowView() const { return document->currentImageView(); }
    FakeImageView *fullView() const { return document->fullScreenImageView(); }
    // Decoded at the size the view will ask for.
    static bool readyFor(const SlidePtr &slide, const FakeImageView *view)
    {
        return slide->hasPixels(view->pixelSizeFor(*slide));
    }
    bool readyForBoth(int i) const
    {
        return readyFor(slides[i], windowView()) && readyFor(slides[i], fullView());
    }
    bool decodedAtAll(int i) const
    {
        return readyFor(slides[i], windowView()) || readyFor(slides[i], fullView());
    }
    bool heldAtFullSize(int i) const { return slides[i]->hasPixels(slides[i]->size()); }

    FakeServices fakes;
    DocumentController controller;
    MyDocument *document = nullptr;
    std::vector<SlidePtr> slides;
};

} // namespace

TEST_F(PrefetchTest, TheNeighboursInTheOrderInUseAreDecodedForTheViewsThatShowThem)
{
    document->loopPlayback();
    document->runFullScreen();
    document->waitForPrefetch();
    ASSERT_NE(windowView()->pixelSizeFor(*slides[1]), fullView()->pixelSizeFor(*slides[1]));

    EXPECT_TRUE(readyForBoth(1));
    EXPECT_TRUE(readyForBoth(4)); // before the first, looping: the last
    EXPECT_FALSE(decodedAtAll(2));

    document->nextImage(); // to b
    document->waitForPrefetch();
    EXPECT_TRUE(readyForBoth(2));
    EXPECT_TRUE(readyForBoth(0));
    // No longer next to the slide on screen: its pixels are let go.
    EXPECT_FALSE(decodedAtAll(4));

    // In random order the neighbours come from the random order. Two steps, so that what was
    // decoded for the display order has been let go by the second.
    document->randomizeSlides();
    document->nextImage();
    document->waitForPrefetch();
    document->nextImage();
    document->waitForPrefetch();
    ImageHandler *handler = document->getImageHandler();
    const SlidePtr next = handler->peekNextImage();
    const SlidePtr previous = handler->peekPreviousImage();
    ASSERT_TRUE(next && previous);
    EXPECT_TRUE(readyFor(next, fullView()) && readyFor(next, windowView()));
    EXPECT_TRUE(readyFor(previous, fullView()) && readyFor(previous, windowView()));
    for (int i = 0; i < 5; ++i) {
        if (slides[i] != next && slides[i] != previous && slides[i] != handler->curImage()) {
            EXPECT_FALSE(decodedAtAll(i)) << i;
        }
    }
}

TEST_F(PrefetchTest, AStepToAPreparedSlideFindsItDecodedAndShowsIt)
{
    enterFullScreen();
    fullView()->repaint();
    document->waitForPrefetch();
    ASSERT_TRUE(readyFor(slides[1], fullView()));

    document->nextImage();
    fullView()->repaint();
    windowView()->repaint();
    const QImage shot = fullView()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(shot.rect().center()), QColor(40, 40, 40));
    // What was drawn came from the cache: nothing was decoded at full size along the way.
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(heldAtFullSize(i)) << i;
}

TEST_F(PrefetchTest, ASlideNotYetReadyIsDecodedAtTheViewsSizeNotAtFullSize)
{
    // The slide on screen at entry was never a neighbour: the paint decodes it.
    document->runFullScreen();
    ASSERT_FALSE(readyFor(slides[0], fullView()));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(document->getMainWindow()));
    fullView()->repaint();
    EXPECT_TRUE(readyFor(slides[0], fullView()));
    EXPECT_FALSE(heldAtFullSize(0));

    // Stepping faster than the pool: each paint waits for or does the decode at view size.
    for (int i = 0; i < 4; ++i) {
        document->nextImage();
        fullView()->repaint();
        windowView()->repaint();
    }
    document->waitForPrefetch();
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(heldAtFullSize(i)) << i;
    EXPECT_TRUE(readyForBoth(4));
}
