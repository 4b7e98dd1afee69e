// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/mydocument.h"
#include "document/preferencekeys.h"
#include "document/show.h"
#include "fakes.h"
#include "platform/qt/documentcontroller.h"
#include "slides/imagehandler.h"
#include "testslides.h"

#include <QImage>
#include <QLabel>
#include <functional>
#include <gtest/gtest.h>

using namespace lanternreel;
using namespace lanternreel::testing;

namespace {

// One document with its window, made the way the application makes it. `prepare` runs on the
// new document before its window is loaded, as reading a file would.
struct DocumentFixture : ::testing::Test
{
    MyDocument *open(std::function<void(MyDocument &)> prepare = {})
    {
        controller = std::make_unique<DocumentController>([this, prepare] {
            auto document = std::make_unique<MyDocument>(fakes.services());
            if (prepare)
                prepare(*document);
            return document;
        });
        return static_cast<MyDocument *>(controller->openUntitledDocumentAndDisplay());
    }

    static QString title(MyDocument *document) { return document->window()->windowTitle(); }
    static SlidePtr shown(MyDocument *document) { return document->currentImageView()->image(); }

    FakeServices fakes;
    std::unique_ptr<DocumentController> controller;
};

using MyDocumentTest = DocumentFixture;

} // namespace

TEST_F(MyDocumentTest, NewDocumentReadsTheDefaultPreferences)
{
    MyDocument document(fakes.services());
    EXPECT_EQ(document.getTimerLength(), 3);
    EXPECT_EQ(document.getFullscreenColor(), QColor(Qt::black));
    EXPECT_FALSE(document.isSlideshowInProgress());
    EXPECT_FALSE(document.isFullScreen());
    // The defaults are registered, not stored.
    EXPECT_TRUE(fakes.preferences.registered.contains(TimerLengthKey));
    EXPECT_TRUE(fakes.preferences.registered.contains(ColorKey));
    EXPECT_TRUE(fakes.preferences.stored.isEmpty());
}

TEST_F(MyDocumentTest, NewDocumentReadsStoredPreferences)
{
    storeTimerLength(fakes.preferences, 10);
    storeFullscreenColor(fakes.preferences, QColor(10, 20, 30));
    MyDocument document(fakes.services());
    EXPECT_EQ(document.getTimerLength(), 10);
    EXPECT_EQ(document.getFullscreenColor(), QColor(10, 20, 30));

    // A stored interval that is not positive would make a timer that never waits.
    for (int bad : { 0, -4 }) {
        fakes.preferences.stored.insert(TimerLengthKey, bad);
        EXPECT_EQ(MyDocument(fakes.services()).getTimerLength(), 3) << bad;
    }
}

TEST_F(MyDocumentTest, NewDocumentStartsEmptyWithBothFlagsOff)
{
    MyDocument *document = open();
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->getImageHandler()->numImages(), 0);
    EXPECT_FALSE(document->getImageHandler()->isLoop());
    EXPECT_FALSE(document->getImageHandler()->isRandom());
    EXPECT_EQ(document->windowNibName(), QStringLiteral("MyDocument"));
    EXPECT_EQ(title(document), QStringLiteral("Untitled"));
}

TEST_F(MyDocumentTest, WindowTitleJoinsTheDocumentNameAndTheSlideName)
{
    MyDocument *document = open();
    const SlidePtr beach = makeSlide(QStringLiteral("beach.jpg"));
    EXPECT_EQ(document->correctWindowTitle(beach), QStringLiteral("Untitled - beach.jpg"));
    EXPECT_EQ(document->correctWindowTitle(nullptr), QStringLiteral("Untitled"));

    const SlidePtr nameless = Slide::fromImage(QString(), QImage(8, 8, QImage::Format_RGB32));
    ASSERT_NE(nameless, nullptr);
    EXPECT_EQ(document->correctWindowTitle(nameless), QStringLiteral("Untitled"));

    // The name keeps only the file's base name; a dot in a folder is not an extension.
    document->setFileName(QStringLiteral("/x.y/Trip.lrshow"));
    EXPECT_EQ(document->correctWindowTitle(beach), QStringLiteral("Trip - beach.jpg"));
    document->setFileName(QStringLiteral("/x/Trip.2024.lrshow"));
    EXPECT_EQ(document->correctWindowTitle(nullptr), QStringLiteral("Trip.2024"));
}

TEST_F(MyDocumentTest, ShowingASlideSetsViewAndTitle)
{
    const SlidePtr first = makeSlide(QStringLiteral("first.jpg"));
    const SlidePtr beach = makeSlide(QStringLiteral("beach.jpg"));
    const SlidePtr harbour = makeSlide(QStringLiteral("harbour.jpg"));
    const SlidePtr nameless = Slide::fromImage(QString(), QImage(8, 8, QImage::Format_RGB32));
    MyDocument *document = open([&](MyDocument &d) {
        for (const SlidePtr &slide : { first, beach, harbour, nameless })
            d.getImageHandler()->appendSlide(slide);
    });

    // Taking away the slide shown shows the one after it.
    document->removeCurrentImage();
    EXPECT_EQ(shown(document), beach);
    EXPECT_EQ(title(document), QStringLiteral("Untitled - beach.jpg"));

    // After a save under a name, the next slide shown carries that name.
    document->setFileName(QStringLiteral("/x/Trip.lrshow"));
    document->removeCurrentImage();
    EXPECT_EQ(shown(document), harbour);
    EXPECT_EQ(title(document), QStringLiteral("Trip - harbour.jpg"));

    document->removeCurrentImage();
    EXPECT_EQ(shown(document), nameless);
    EXPECT_EQ(title(document), QStringLiteral("Trip"));
    EXPECT_EQ(fakes.alerts.beeps, 0);
}

TEST_F(MyDocumentTest, RemovingTheOnlySlideClearsViewAndTitle)
{
    const SlidePtr beach = makeSlide(QStringLiteral("beach.jpg"));
    MyDocument *document = open([&](MyDocument &d) { d.getImageHandler()->appendSlide(beach); });
    ASSERT_EQ(shown(document), beach);
    document->setFileName(QStringLiteral("/x/Trip.lrshow"));

    document->removeCurrentImage();
    EXPECT_EQ(document->getImageHandler()->numImages(), 0);
    EXPECT_EQ(shown(document), nullptr);
    EXPECT_EQ(title(document), QStringLiteral("Trip"));
    EXPECT_EQ(fakes.alerts.beeps, 0);

    // Again, now empty: the slide collection refuses with one beep; view and title stay clear.
    document->removeCurrentImage();
    EXPECT_EQ(fakes.alerts.beeps, 1);
    EXPECT_EQ(shown(document), nullptr);
    EXPECT_EQ(title(document), QStringLiteral("Trip"));
}

TEST_F(MyDocumentTest, RemovingAllImagesOfAnEmptyShowBeepsOnceAndStillResetsViewAndTitle)
{
    MyDocument *document = open();
    document->currentImageView()->setImage(makeSlide(QStringLiteral("left-over.jpg")));
    document->setFileName(QStringLiteral("/x/Trip.lrshow"));
    ASSERT_EQ(title(document), QStringLiteral("Untitled"));

    document->removeAllImages();
    EXPECT_EQ(fakes.alerts.beeps, 1);
    EXPECT_EQ(shown(document), nullptr);
    EXPECT_EQ(title(document), QStringLiteral("Trip"));
}

TEST_F(MyDocumentTest, RemovingAllImagesEmptiesTheShow)
{
    MyDocument *document = open([](MyDocument &d) {
        d.getImageHandler()->appendSlide(makeSlide(QStringLiteral("a.jpg")));
        d.getImageHandler()->appendSlide(makeSlide(QStringLiteral("b.jpg")));
    });
    document->removeCurrentImage();
    ASSERT_EQ(title(document), QStringLiteral("Untitled - b.jpg"));

    document->removeAllImages();
    EXPECT_EQ(fakes.alerts.beeps, 0);
    EXPECT_EQ(document->getImageHandler()->numImages(), 0);
    EXPECT_EQ(shown(document), nullptr);
    EXPECT_EQ(title(document), QStringLiteral("Untitled"));
}

TEST_F(MyDocumentTest, LoopAndRandomCommandsTurnTheirSwitchOverAndTellWhoFollows)
{
    const SlidePtr a = makeSlide(QStringLiteral("a.jpg"));
    MyDocument *document = open([&](MyDocument &d) {
        d.getImageHandler()->appendSlide(a);
        d.getImageHandler()->appendSlide(makeSlide(QStringLiteral("b.jpg")));
    });
    Show *show = document->show();
    QList<bool> loopTold;
    QList<bool> randomTold;
    QObject::connect(show, &Show::loopChanged, [&](bool on) { loopTold.append(on); });
    QObject::connect(show, &Show::randomChanged, [&](bool on) { randomTold.append(on); });

    for (bool on : { true, false }) {
        document->loopPlayback();
        document->randomizeSlides();
        EXPECT_EQ(document->getImageHandler()->isLoop(), on);
        EXPECT_EQ(document->getImageHandler()->isRandom(), on);
    }
    EXPECT_EQ(loopTold, QList<bool>({ true, false }));
    EXPECT_EQ(randomTold, QList<bool>({ true, false }));
    // Neither command touches the window.
    EXPECT_EQ(shown(document), a);
    EXPECT_EQ(title(document), QStringLiteral("Untitled"));
}

TEST_F(MyDocumentTest, LoadingTheWindowOfAnEmptyShowShowsNothingAndRewindsThePosition)
{
    MyDocument *document = open([](MyDocument &d) { d.getImageHandler()->setIndex(4); });
    EXPECT_EQ(shown(document), nullptr);
    EXPECT_EQ(document->getImageHandler()->returnIndex(), 0);
    EXPECT_EQ(title(document), QStringLiteral("Untitled"));
}

TEST_F(MyDocumentTest, LoadingTheWindowOfAShowWithSlidesShowsTheFirst)
{
    const SlidePtr first = makeSlide(QStringLiteral("first.jpg"), QSize(40, 30), Qt::red);
    MyDocument *document = open([&](MyDocument &d) {
        d.getImageHandler()->appendSlide(first);
        d.getImageHandler()->appendSlide(makeSlide(QStringLiteral("second.jpg")));
        d.getImageHandler()->setIndex(1);
    });
    EXPECT_EQ(shown(document), first);
    EXPECT_EQ(document->getImageHandler()->returnIndex(), 0);
    // The title waits for the first command that shows a slide.
    EXPECT_EQ(title(document), QStringLiteral("Untitled"));

    // The window's view really draws it.
    FakeImageView *view = document->currentImageView();
    ASSERT_FALSE(view->size().isEmpty());
    const QImage image = view->grab().toImage();
    EXPECT_EQ(image.pixelColor(image.width() / 3, image.height() / 2), QColor(Qt::red));
}

// The hint over the view is there exactly while the show has no slides, and lets drops through.
TEST_F(MyDocumentTest, EmptyShowHintIsThereExactlyWhileTheShowHasNoSlides)
{
    const auto hintShown = [](MyDocument *document) {
        const auto *hint = document->window()->findChild<QLabel *>(QStringLiteral("emptyShowHint"));
        EXPECT_TRUE(hint && hint->testAttribute(Qt::WA_TransparentForMouseEvents));
        return hint && hint->isVisibleTo(document->window());
    };
    EXPECT_TRUE(hintShown(open()));
    MyDocument *document = open([](MyDocument &d) {
        d.getImageHandler()->appendSlide(makeSlide(QStringLiteral("beach.jpg")));
    });
    EXPECT_FALSE(hintShown(document));
    document->removeCurrentImage();
    EXPECT_TRUE(hintShown(document));
}
