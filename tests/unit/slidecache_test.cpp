// SPDX-License-Identifier: GPL-3.0-or-later
#include "slides/slide.h"
#include "testslides.h"

#include <QImage>
#include <barrier>
#include <gtest/gtest.h>
#include <thread>

using namespace lanternreel;
using namespace lanternreel::testing;

// A slide decoded ahead on one thread while the screen asks for it on another must be decoded
// once: the second caller waits and gets the same pixels.
TEST(SlideCacheTest, ConcurrentCallersForOneSizeShareOneDecode)
{
    const SlidePtr slide = makeSlide(QStringLiteral("big.png"), QSize(3000, 2000), Qt::darkCyan);
    const QSize target(1500, 1000);
    for (int round = 0; round < 5; ++round) {
        slide->dropPixels();
        QImage first;
        QImage second;
        std::barrier start(2);
        std::thread ahead([&] {
            start.arrive_and_wait();
            first = slide->pixels(target);
        });
        start.arrive_and_wait();
        second = slide->pixels(target);
        ahead.join();
        ASSERT_EQ(first.size(), target);
        EXPECT_EQ(first.cacheKey(), second.cacheKey()) << "round " << round;
    }
}

TEST(SlideCacheTest, KeepsTheLastSizesAndLetsThemGoOnRequest)
{
    const SlidePtr slide = makeSlide(QStringLiteral("s.png"), QSize(400, 300));
    const QSize window(200, 150);
    const QSize screen(380, 285);
    const qint64 kept = slide->pixels(window).cacheKey();
    slide->pixels(screen);
    EXPECT_TRUE(slide->hasPixels(window));
    EXPECT_TRUE(slide->hasPixels(screen));
    EXPECT_EQ(slide->pixels(window).cacheKey(), kept);
    EXPECT_FALSE(slide->hasPixels(slide->size()));

    slide->dropPixels();
    EXPECT_FALSE(slide->hasPixels(window));
    EXPECT_FALSE(slide->hasPixels(screen));
}
