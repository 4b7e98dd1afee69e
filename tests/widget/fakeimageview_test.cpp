// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/fakeimageview.h"
#include "testslides.h"

#include <QImage>
#include <QPainter>
#include <QPalette>
#include <cmath>
#include <gtest/gtest.h>

using namespace lanternreel;
using namespace lanternreel::testing;

namespace {

const QColor Background(0, 0, 255);
const QColor Picture(255, 0, 0);
const QColor Marker(0, 255, 0);

QImage rendered(FakeImageView &view)
{
    return view.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Compares every pixel with where the picture should be, in Qt's top-left coordinates. Pixels
// wholly inside `expected` must show the picture and pixels wholly outside it the background;
// pixels cut by a fractional edge may be either or a blend.
::testing::AssertionResult showsPictureExactlyAt(const QImage &image, const QRectF &expected,
                                                 const QColor &picture = Picture)
{
    int wrong = 0;
    QString first;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRectF pixel(x, y, 1, 1);
            QColor want;
            if (expected.contains(pixel))
                want = picture;
            else if (!expected.intersects(pixel))
                want = Background;
            else
                continue;
            const QColor got = image.pixelColor(x, y);
            if (got != want) {
                if (wrong++ == 0)
                    first = QStringLiteral("(%1, %2) is %3, expected %4")
                                .arg(x)
                                .arg(y)
                                .arg(got.name(), want.name());
            }
        }
    }
    if (wrong == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << wrong << " pixels wrong; first " << first.toStdString();
}

struct ViewFixture : ::testing::Test
{
    ViewFixture()
    {
        view.resize(500, 400);
        view.setBackgroundColor(Background);
    }
    FakeImageView view;
};

using FakeImageViewTest = ViewFixture;

} // namespace

// A 500 x 400 view and a 100 x 50 picture: x 0 to 490, y 73.5 to 318.5 from the bottom, that is
// rows 81.5 to 326.5 from the top; the strip right of x 490 is background.
TEST_F(FakeImageViewTest, WorkedExampleLandsAtTheBottomLeftOfTheReducedArea)
{
    view.setImage(makeSlide(QStringLiteral("wide.png"), QSize(100, 50), Picture));
    const QImage image = rendered(view);
    ASSERT_EQ(image.size(), QSize(500, 400));
    EXPECT_TRUE(showsPictureExactlyAt(image, QRectF(0, 81.5, 490, 245)));

    // Spot checks that do not depend on the helper's reading of the edges.
    EXPECT_EQ(image.pixelColor(0, 200), Picture);
    EXPECT_EQ(image.pixelColor(489, 82), Picture);
    EXPECT_EQ(image.pixelColor(489, 325), Picture);
    EXPECT_EQ(image.pixelColor(490, 200), Background);
    EXPECT_EQ(image.pixelColor(250, 80), Background);
    EXPECT_EQ(image.pixelColor(250, 327), Background);

    EXPECT_EQ(FakeImageView::imageRect(QSize(500, 400), QSizeF(100, 50), 0),
              QRectF(0, 81.5, 490, 245));
}

TEST_F(FakeImageViewTest, PictureWithTheViewsProportionsLeavesTheStripAlongRightAndTop)
{
    view.setImage(makeSlide(QStringLiteral("same.png"), QSize(250, 200), Picture));
    const QImage image = rendered(view);
    // 490 x 392 with its lower-left corner at the view's: rows 8 to 400 from the top.
    EXPECT_TRUE(showsPictureExactlyAt(image, QRectF(0, 8, 490, 392)));
    EXPECT_EQ(image.pixelColor(0, 399), Picture);
    EXPECT_EQ(image.pixelColor(499, 399), Background);
    EXPECT_EQ(image.pixelColor(0, 7), Background);
}

TEST_F(FakeImageViewTest, SmallPictureIsEnlargedUntilItsLimitingSideReaches98Percent)
{
    // 10 x 20 is limited by the height: scale 19.6, 196 x 392, centred across 490.
    view.setImage(makeSlide(QStringLiteral("tall.png"), QSize(10, 20), Picture));
    EXPECT_TRUE(showsPictureExactlyAt(rendered(view), QRectF(147, 8, 196, 392)));
}

TEST_F(FakeImageViewTest, LargePictureIsReducedTheSameWay)
{
    view.setImage(makeSlide(QStringLiteral("big.png"), QSize(1000, 500), Picture));
    EXPECT_TRUE(showsPictureExactlyAt(rendered(view), QRectF(0, 81.5, 490, 245)));
}

TEST_F(FakeImageViewTest, FillModeStretchesToTheWholeReducedArea)
{
    view.setImage(makeSlide(QStringLiteral("wide.png"), QSize(100, 50), Picture));
    view.setImageScaling(FakeImageView::Fill);
    EXPECT_EQ(view.imageScaling(), 1);
    EXPECT_TRUE(showsPictureExactlyAt(rendered(view), QRectF(0, 8, 490, 392)));
}

TEST_F(FakeImageViewTest, OtherModesDrawThePictureAtItsOwnSize)
{
    view.setImage(makeSlide(QStringLiteral("small.png"), QSize(100, 50), Picture));
    for (int mode : { 2, -1, 1000 }) {
        SCOPED_TRACE(mode);
        view.setImageScaling(mode);
        // (0.5 * (490 - 100), 0.5 * (392 - 50)) = (195, 171) from the bottom left.
        EXPECT_TRUE(showsPictureExactlyAt(rendered(view), QRectF(195, 400 - 171 - 50, 100, 50)));
    }
}

TEST_F(FakeImageViewTest, OwnSizeLargerThanTheReducedAreaIsCutByTheViewsEdges)
{
    // 600 x 100 lands at x = 0.5 * (490 - 600) = -55; its first 60 columns are marked, so
    // only the view's columns 0 to 4 show the mark.
    QImage picture(600, 100, QImage::Format_RGB32);
    picture.fill(Picture);
    QPainter(&picture).fillRect(0, 0, 60, 100, Marker);
    view.setImage(Slide::fromImage(QStringLiteral("band.png"), picture));
    view.setImageScaling(2);

    const QImage image = rendered(view);
    const int top = 400 - 146 - 100; // py = 0.5 * (392 - 100) = 146
    EXPECT_EQ(image.pixelColor(0, top + 50), Marker);
    EXPECT_EQ(image.pixelColor(4, top + 50), Marker);
    EXPECT_EQ(image.pixelColor(5, top + 50), Picture);
    EXPECT_EQ(image.pixelColor(499, top + 50), Picture);
    EXPECT_EQ(image.pixelColor(250, top - 1), Background);
    EXPECT_EQ(image.pixelColor(250, top), Picture);
    EXPECT_EQ(image.pixelColor(250, top + 99), Picture);
    EXPECT_EQ(image.pixelColor(250, top + 100), Background);
}

TEST_F(FakeImageViewTest, WithoutAPictureOnlyTheBackgroundIsDrawn)
{
    FakeImageView fresh;
    fresh.resize(120, 80);
    const QColor windowColor = fresh.palette().color(QPalette::Window);
    EXPECT_EQ(fresh.backgroundColor(), windowColor);
    const QImage freshImage = rendered(fresh);
    EXPECT_EQ(freshImage.pixelColor(0, 0), windowColor);
    EXPECT_EQ(freshImage.pixelColor(119, 79), windowColor);
    EXPECT_EQ(freshImage.pixelColor(60, 40), windowColor);

    // Taking the picture away again leaves the background alone.
    view.setImage(makeSlide(QStringLiteral("a.png"), QSize(100, 50), Picture));
    ASSERT_EQ(rendered(view).pixelColor(10, 200), Picture);
    view.setImage(nullptr);
    EXPECT_EQ(view.image(), nullptr);
    EXPECT_TRUE(showsPictureExactlyAt(rendered(view), QRectF()));
}

TEST_F(FakeImageViewTest, PictureWithoutAreaGivesNothingToDraw)
{
    for (int mode : { 0, 1, 2 }) {
        SCOPED_TRACE(mode);
        EXPECT_TRUE(FakeImageView::imageRect(QSize(500, 400), QSizeF(0, 50), mode).isEmpty());
        EXPECT_TRUE(FakeImageView::imageRect(QSize(500, 400), QSizeF(100, 0), mode).isEmpty());
    }
    // A view without area cannot hold a fitted picture either.
    EXPECT_TRUE(FakeImageView::imageRect(QSize(0, 0), QSizeF(100, 50), 0).isEmpty());
}

TEST_F(FakeImageViewTest, ChangingTheBackgroundRepaintsWithTheNewColour)
{
    view.setImage(makeSlide(QStringLiteral("a.png"), QSize(100, 50), Picture));
    view.setBackgroundColor(Marker);
    EXPECT_EQ(view.backgroundColor(), Marker);
    const QImage image = rendered(view);
    EXPECT_EQ(image.pixelColor(495, 200), Marker);
    EXPECT_EQ(image.pixelColor(250, 10), Marker);
    EXPECT_EQ(image.pixelColor(250, 200), Picture);
}

// The view keeps the pixels it scaled, so a repaint at the same size does not go back to the
// slide. The slide only keeps its last few sizes: once those are pushed out, a fresh decode
// would show up in the slide's cache again.
TEST_F(FakeImageViewTest, RepaintAtTheSameSizeDoesNotDecodeAgain)
{
    const SlidePtr slide = makeSlide(QStringLiteral("a.png"), QSize(100, 50), Picture);
    view.setImage(slide);
    rendered(view);
    const QSize drawn(490, 245);
    ASSERT_TRUE(slide->hasPixels(drawn));
    for (int side = 1; side <= 3; ++side)
        slide->pixels(QSize(side, side));
    ASSERT_FALSE(slide->hasPixels(drawn));

    // Handing the view the picture it already shows is no reason to scale it again either.
    view.setImage(slide);
    const QImage again = rendered(view);
    EXPECT_FALSE(slide->hasPixels(drawn));
    EXPECT_TRUE(showsPictureExactlyAt(again, QRectF(0, 81.5, 490, 245)));

    // A new size does need the picture at that size.
    view.resize(250, 200);
    EXPECT_TRUE(showsPictureExactlyAt(rendered(view), QRectF(0, 200 - 36.75 - 122.5, 245, 122.5)));
    EXPECT_TRUE(slide->hasPixels(QSize(245, 123)));
}

TEST_F(FakeImageViewTest, ReplacingThePictureDrawsTheNewOne)
{
    view.setImage(makeSlide(QStringLiteral("a.png"), QSize(100, 50), Picture));
    rendered(view);
    const SlidePtr second = makeSlide(QStringLiteral("b.png"), QSize(100, 50), Marker);
    view.setImage(second);
    EXPECT_EQ(view.image(), second);
    EXPECT_TRUE(showsPictureExactlyAt(rendered(view), QRectF(0, 81.5, 490, 245), Marker));
}

// A removed slide must not live on in the view that showed it, nor its scaled pixels with it.
TEST_F(FakeImageViewTest, GivesUpThePictureItNoLongerShows)
{
    SlidePtr slide = makeSlide(QStringLiteral("a.png"), QSize(100, 50), Picture);
    const std::weak_ptr<const Slide> watch = slide;
    view.setImage(slide);
    rendered(view);
    view.setImage(nullptr);
    slide.reset();
    rendered(view);
    EXPECT_TRUE(watch.expired());

    SlidePtr replaced = makeSlide(QStringLiteral("b.png"), QSize(100, 50), Picture);
    const std::weak_ptr<const Slide> watchReplaced = replaced;
    view.setImage(replaced);
    rendered(view);
    view.setImage(makeSlide(QStringLiteral("c.png"), QSize(100, 50), Marker));
    replaced.reset();
    EXPECT_TRUE(watchReplaced.expired());
}

// The picture's pixels replace what is beneath them, transparency included: where the picture
// is clear the view is clear, not the background colour, and nothing is blended.
TEST_F(FakeImageViewTest, TransparentPartsOfThePictureReplaceTheBackground)
{
    const QColor bands[]
        = { Picture, QColor(0, 0, 0, 0), QColor(255, 0, 0, 128), QColor(0, 255, 0, 64) };
    // Four upright bands side by side; the picture has the view's proportions and fills 98 %.
    QImage picture(400, 320, QImage::Format_ARGB32);
    for (int i = 0; i < 4; ++i) {
        for (int y = 0; y < picture.height(); ++y)
            for (int x = i * 100; x < (i + 1) * 100; ++x)
                picture.setPixelColor(x, y, bands[i]);
    }
    view.setImage(Slide::fromImage(QStringLiteral("clear.png"), picture));

    QImage image(view.size(), QImage::Format_ARGB32);
    image.fill(Marker);
    view.render(&image);
    EXPECT_EQ(image.pixelColor(495, 200), Background) << "the strip beside the picture";
    for (int i = 0; i < 4; ++i) {
        // Each band is 122.5 pixels wide on screen; its middle is well inside.
        const QColor got = image.pixelColor(qRound(122.5 * i + 61), 200);
        const QColor &want = bands[i];
        EXPECT_EQ(got.alpha(), want.alpha()) << "band " << i;
        if (want.alpha() > 0) {
            EXPECT_NEAR(got.red(), want.red(), 2) << "band " << i;
            EXPECT_NEAR(got.green(), want.green(), 2) << "band " << i;
            EXPECT_NEAR(got.blue(), want.blue(), 2) << "band " << i;
        }
    }
}
