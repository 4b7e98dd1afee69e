// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes.h"
#include "slides/imagehandler.h"
#include "testslides.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

using namespace lanternreel;
using namespace lanternreel::testing;

class ImageHandlerTest : public ::testing::Test
{
protected:
    // Appends one slide per name, in order, and returns them.
    std::vector<SlidePtr> addSlides(const QStringList &names)
    {
        std::vector<SlidePtr> added;
        for (const QString &name : names) {
            added.push_back(makeSlide(name));
            handler.appendSlide(added.back());
        }
        return added;
    }

    std::vector<SlidePtr> addNumbered(int count)
    {
        QStringList names;
        for (int i = 0; i < count; ++i)
            names.append(QStringLiteral("slide%1.png").arg(i));
        return addSlides(names);
    }

    static bool contains(const std::vector<SlidePtr> &list, const SlidePtr &slide)
    {
        return std::find(list.begin(), list.end(), slide) != list.end();
    }

    // Both lists hold exactly the same slide objects.
    static bool sameSlides(const std::vector<SlidePtr> &a, const std::vector<SlidePtr> &b)
    {
        return a.size() == b.size()
            && std::set<SlidePtr>(a.begin(), a.end()) == std::set<SlidePtr>(b.begin(), b.end());
    }

    FakeServices fakes;
    ImageHandler handler { fakes.services() };
};

TEST_F(ImageHandlerTest, EmptyHandlerHasNoSlideAndRefusesRemoval)
{
    EXPECT_EQ(handler.numImages(), 0);
    EXPECT_EQ(handler.curImage(), nullptr);
    EXPECT_EQ(handler.firstImage(), nullptr);
    for (bool loop : { false, true }) {
        handler.setLoop(loop);
        EXPECT_EQ(handler.nextImage(), nullptr);
        EXPECT_EQ(handler.previousImage(), nullptr);
        EXPECT_EQ(handler.returnIndex(), 0);
    }
    EXPECT_EQ(fakes.alerts.beeps, 0);

    EXPECT_EQ(handler.removeCurrentImage(), nullptr);
    EXPECT_EQ(fakes.alerts.beeps, 1);
    handler.removeAllImages();
    EXPECT_EQ(fakes.alerts.beeps, 2);
    EXPECT_TRUE(fakes.log.outLines.isEmpty());
}

// --- Navigation in display order

TEST_F(ImageHandlerTest, StepsThroughDisplayOrderAndStopsAtTheEnds)
{
    const auto s = addSlides({ "Red", "Green", "Blue" });
    EXPECT_EQ(handler.curImage(), s[0]);
    EXPECT_EQ(handler.nextImage(), s[1]);
    EXPECT_EQ(handler.nextImage(), s[2]);
    EXPECT_EQ(handler.nextImage(), nullptr);
    EXPECT_EQ(handler.returnIndex(), 2);
    EXPECT_EQ(handler.curImage(), s[2]);
    EXPECT_EQ(handler.previousImage(), s[1]);
    EXPECT_EQ(handler.previousImage(), s[0]);
    EXPECT_EQ(handler.previousImage(), nullptr);
    EXPECT_EQ(handler.returnIndex(), 0);
}

TEST_F(ImageHandlerTest, LoopWrapsAtBothEnds)
{
    const auto s = addSlides({ "Red", "Green", "Blue" });
    handler.setLoop(true);
    handler.setIndex(2);
    EXPECT_EQ(handler.nextImage(), s[0]);
    EXPECT_EQ(handler.returnIndex(), 0);
    EXPECT_EQ(handler.previousImage(), s[2]);
    EXPECT_EQ(handler.returnIndex(), 2);
}

TEST_F(ImageHandlerTest, SingleSlideRepeatsForwardsButHasNoPrevious)
{
    const auto s = addSlides({ "Only" });
    handler.setLoop(true);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(handler.nextImage(), s[0]);
        EXPECT_EQ(handler.returnIndex(), 0);
    }
    EXPECT_EQ(handler.previousImage(), nullptr);
    handler.setLoop(false);
    EXPECT_EQ(handler.nextImage(), nullptr);
    EXPECT_EQ(handler.curImage(), s[0]);
}

TEST_F(ImageHandlerTest, FirstImageLeavesThePosition)
{
    const auto s = addSlides({ "Red", "Green", "Blue" });
    handler.setIndex(2);
    EXPECT_EQ(handler.firstImage(), s[0]);
    EXPECT_EQ(handler.returnIndex(), 2);
}

// --- Random order

TEST_F(ImageHandlerTest, TurningRandomOnKeepsTheShownSlideFirst)
{
    const auto s = addSlides({ "Red", "Green", "Blue" });
    handler.setIndex(1);
    handler.setRandom(true);
    EXPECT_TRUE(handler.isRandom());
    EXPECT_EQ(handler.returnIndex(), 0);
    ASSERT_FALSE(handler.randomSlides().empty());
    EXPECT_EQ(handler.randomSlides()[0], s[1]);
    EXPECT_EQ(handler.curImage(), s[1]);
    EXPECT_TRUE(sameSlides(handler.randomSlides(), handler.slides()));
    // The display order itself is never reordered.
    EXPECT_EQ(handler.slides(), s);
}

TEST_F(ImageHandlerTest, NewRandomOrderPutsEveryPlainPositionFirst)
{
    const auto s = addNumbered(9);
    for (int32_t k = 0; k < 9; ++k) {
        handler.setIndex(k);
        handler.getNewRandomOrder();
        ASSERT_EQ(handler.randomSlides().size(), s.size());
        EXPECT_EQ(handler.randomSlides()[0], s[size_t(k)]) << k;
        EXPECT_TRUE(sameSlides(handler.randomSlides(), s));
        EXPECT_EQ(handler.returnIndex(), k);
    }
    handler.setIndex(42); // out of range: nothing to put first, still a full order
    handler.getNewRandomOrder();
    EXPECT_TRUE(sameSlides(handler.randomSlides(), s));
}

TEST_F(ImageHandlerTest, StepsThroughRandomOrder)
{
    addNumbered(6);
    handler.setRandom(true);
    const auto order = handler.randomSlides();
    for (size_t i = 1; i < order.size(); ++i)
        EXPECT_EQ(handler.nextImage(), order[i]) << i;
    EXPECT_EQ(handler.nextImage(), nullptr);
    EXPECT_EQ(handler.returnIndex(), 5);
    for (size_t i = order.size() - 1; i-- > 0;)
        EXPECT_EQ(handler.previousImage(), order[i]) << i;
    EXPECT_EQ(handler.previousImage(), nullptr);
    EXPECT_EQ(handler.returnIndex(), 0);
}

TEST_F(ImageHandlerTest, LoopingRandomShowRepeatsTheSameOrder)
{
    const int n = 7;
    addNumbered(n);
    handler.setLoop(true);
    handler.setRandom(true);
    const auto order = handler.randomSlides();
    std::vector<SlidePtr> firstPass { handler.curImage() }, secondPass;
    for (int i = 1; i < n; ++i)
        firstPass.push_back(handler.nextImage());
    for (int i = 0; i < n; ++i)
        secondPass.push_back(handler.nextImage());
    EXPECT_EQ(firstPass, order);
    EXPECT_EQ(secondPass, order);
    EXPECT_EQ(handler.randomSlides(), order);
    // Backwards from the start wraps to the end of the same order.
    handler.setIndex(0);
    EXPECT_EQ(handler.previousImage(), order.back());
}

TEST_F(ImageHandlerTest, TurningRandomOffFindsThePlainPositionOfTheShownSlide)
{
    const auto s = addNumbered(8);
    handler.setRandom(true);
    handler.nextImage();
    handler.nextImage();
    const SlidePtr shown = handler.curImage();
    const auto plain = std::find(s.begin(), s.end(), shown) - s.begin();

    handler.setRandom(false);
    EXPECT_FALSE(handler.isRandom());
    EXPECT_EQ(handler.returnIndex(), plain);
    EXPECT_EQ(handler.curImage(), shown);
    EXPECT_EQ(fakes.log.outLines, QStringList { QStringLiteral("Current index %1").arg(plain) });
    // Navigation now follows the display order again, not the old random order.
    if (plain + 1 < 8) {
        EXPECT_EQ(handler.nextImage(), s[size_t(plain + 1)]);
    } else {
        EXPECT_EQ(handler.previousImage(), s[size_t(plain - 1)]);
    }
}

TEST_F(ImageHandlerTest, TurningRandomOffPicksFirstSlideOfTheSameName)
{
    const auto s = addSlides({ "a.png", "same.png", "b.png", "same.png" });
    handler.setIndex(3);
    handler.setRandom(false);
    EXPECT_EQ(handler.returnIndex(), 1);
    EXPECT_EQ(fakes.log.outLines, QStringList { "Current index 1" });
}

TEST_F(ImageHandlerTest, TurningRandomOffWithoutSlidesWritesNothing)
{
    handler.setRandom(true);
    handler.setRandom(false);
    EXPECT_EQ(handler.returnIndex(), 0);
    EXPECT_TRUE(fakes.log.outLines.isEmpty());
    EXPECT_EQ(handler.curImage(), nullptr);
}

// --- Removal

TEST_F(ImageHandlerTest, RemovingInDisplayOrder)
{
    {
        SCOPED_TRACE("last position");
        const auto s = addSlides({ "Red", "Green", "Blue" });
        handler.setIndex(2);
        EXPECT_EQ(handler.removeCurrentImage(), s[1]);
        EXPECT_EQ(handler.returnIndex(), 1);
        EXPECT_EQ(handler.slides(), (std::vector<SlidePtr> { s[0], s[1] }));
        handler.removeAllImages();
    }
    {
        SCOPED_TRACE("first position");
        const auto s = addSlides({ "Red", "Green", "Blue" });
        handler.setIndex(0);
        EXPECT_EQ(handler.removeCurrentImage(), s[1]);
        EXPECT_EQ(handler.returnIndex(), 0);
        EXPECT_EQ(handler.slides(), (std::vector<SlidePtr> { s[1], s[2] }));
        handler.removeAllImages();
    }
    {
        SCOPED_TRACE("middle position");
        const auto s = addSlides({ "Red", "Green", "Blue", "White" });
        handler.setIndex(1);
        EXPECT_EQ(handler.removeCurrentImage(), s[2]);
        EXPECT_EQ(handler.returnIndex(), 1);
        handler.setIndex(1);
        EXPECT_EQ(handler.removeCurrentImage(), s[3]);
        // Two left, then one: the one left is returned at position 0.
        handler.setIndex(1);
        EXPECT_EQ(handler.removeCurrentImage(), s[0]);
        EXPECT_EQ(handler.returnIndex(), 0);
    }
    {
        SCOPED_TRACE("only slide");
        EXPECT_EQ(handler.removeCurrentImage(), nullptr);
        EXPECT_EQ(handler.returnIndex(), 0);
        EXPECT_EQ(handler.numImages(), 0);
    }
    EXPECT_EQ(fakes.alerts.beeps, 0);
}

TEST_F(ImageHandlerTest, RemovingInRandomOrderTakesTheSameSlideFromBothLists)
{
    const auto s = addNumbered(6);
    handler.setRandom(true);
    handler.nextImage();
    handler.nextImage();
    const auto orderBefore = handler.randomSlides();
    const SlidePtr shown = handler.curImage();

    EXPECT_EQ(handler.removeCurrentImage(), orderBefore[3]);
    EXPECT_EQ(handler.returnIndex(), 2);
    EXPECT_FALSE(contains(handler.slides(), shown));
    EXPECT_FALSE(contains(handler.randomSlides(), shown));
    EXPECT_TRUE(sameSlides(handler.slides(), handler.randomSlides()));
    EXPECT_EQ(handler.numImages(), 5);

    // At the last position of the random order the position steps back in that order.
    handler.setIndex(4);
    const auto order = handler.randomSlides();
    EXPECT_EQ(handler.removeCurrentImage(), order[3]);
    EXPECT_EQ(handler.returnIndex(), 3);
    EXPECT_FALSE(contains(handler.slides(), order[4]));
    EXPECT_TRUE(sameSlides(handler.slides(), handler.randomSlides()));
}

TEST_F(ImageHandlerTest, RemovingEverySlideInRandomOrder)
{
    addNumbered(4);
    handler.setRandom(true);
    handler.nextImage();
    for (int left = 3; left > 0; --left) {
        const SlidePtr next = handler.removeCurrentImage();
        ASSERT_NE(next, nullptr);
        EXPECT_EQ(next, handler.curImage());
        EXPECT_EQ(handler.numImages(), left);
        EXPECT_TRUE(sameSlides(handler.slides(), handler.randomSlides()));
    }
    EXPECT_EQ(handler.removeCurrentImage(), nullptr);
    EXPECT_EQ(handler.returnIndex(), 0);
    EXPECT_TRUE(handler.randomSlides().empty());
    EXPECT_EQ(handler.curImage(), nullptr);
    EXPECT_EQ(handler.removeCurrentImage(), nullptr);
    EXPECT_EQ(fakes.alerts.beeps, 1);
}

TEST_F(ImageHandlerTest, RemovingAllKeepsTheFlags)
{
    addNumbered(3);
    handler.setLoop(true);
    handler.setRandom(true);
    handler.nextImage();
    handler.removeAllImages();
    EXPECT_EQ(fakes.alerts.beeps, 0);
    EXPECT_EQ(handler.numImages(), 0);
    EXPECT_TRUE(handler.randomSlides().empty());
    EXPECT_EQ(handler.returnIndex(), 0);
    EXPECT_TRUE(handler.isLoop());
    EXPECT_TRUE(handler.isRandom());
    EXPECT_EQ(handler.curImage(), nullptr);

    handler.removeAllImages();
    EXPECT_EQ(fakes.alerts.beeps, 1);
    EXPECT_TRUE(handler.isLoop());
    EXPECT_TRUE(handler.isRandom());
}

// A random order left over from before random was turned off holds slides that are no longer
// in the show: with the slide list empty there is nothing to show.
TEST_F(ImageHandlerTest, LeftoverRandomOrderIsNotShownOnceTheListIsEmpty)
{
    addSlides({ "Red", "Green", "Blue" });
    handler.setRandom(true);
    handler.setRandom(false);
    for (int i = 0; i < 3; ++i)
        handler.removeCurrentImage();
    ASSERT_EQ(handler.numImages(), 0);
    ASSERT_EQ(handler.randomSlides().size(), 3u);
    for (int32_t index : { 0, 1, 2, -1, 7 }) {
        handler.setIndex(index);
        EXPECT_EQ(handler.curImage(), nullptr) << index;
    }
    EXPECT_EQ(handler.firstImage(), nullptr);
    EXPECT_EQ(handler.nextImage(), nullptr);
}

TEST_F(ImageHandlerTest, PositionOutsideTheListAnswersNoSlide)
{
    addSlides({ "Red", "Green" });
    handler.setIndex(5);
    EXPECT_EQ(handler.curImage(), nullptr);
    handler.setIndex(-1);
    EXPECT_EQ(handler.curImage(), nullptr);
}

// Peeking answers what the step would, for every position, flag and list size, and moves
// nothing.
TEST_F(ImageHandlerTest, PeekingAnswersWhatTheStepWouldWithoutMoving)
{
    for (int count : { 0, 1, 2, 4 }) {
        for (bool loop : { false, true }) {
            for (bool random : { false, true }) {
                FakeServices services;
                ImageHandler fresh { services.services() };
                for (int i = 0; i < count; ++i)
                    fresh.appendSlide(makeSlide(QStringLiteral("s%1.png").arg(i)));
                fresh.setLoop(loop);
                fresh.setRandom(random);
                for (int position = 0; position < std::max(count, 1); ++position) {
                    SCOPED_TRACE(::testing::Message()
                                 << count << " slides, loop " << loop << ", random " << random
                                 << ", at " << position);
                    fresh.setIndex(position);
                    const SlidePtr next = fresh.peekNextImage();
                    const SlidePtr previous = fresh.peekPreviousImage();
                    EXPECT_EQ(fresh.returnIndex(), position);
                    EXPECT_EQ(fresh.nextImage(), next);
                    fresh.setIndex(position);
                    EXPECT_EQ(fresh.previousImage(), previous);
                }
            }
        }
    }
}

TEST_F(ImageHandlerTest, PeekingWrapsOnlyWhenLooping)
{
    const auto slides = addNumbered(3);
    EXPECT_EQ(handler.peekPreviousImage(), nullptr);
    EXPECT_EQ(handler.peekNextImage(), slides[1]);
    handler.setIndex(2);
    EXPECT_EQ(handler.peekNextImage(), nullptr);
    handler.setLoop(true);
    EXPECT_EQ(handler.peekNextImage(), slides[0]);
    handler.setIndex(0);
    EXPECT_EQ(handler.peekPreviousImage(), slides[2]);
}
