#include "display/slidestrip.h"
#include "display/slidestripmodel.h"
#include "document/mydocument.h"
#include "document/show.h"
#include "document/showstatus.h"
#include "fakes.h"
#include "panels/soundpanel.h"
#include "platform/qt/documentcontroller.h"
#include "slides/imagehandler.h"
#include "soundtrack/soundhandler.h"
#include "testslides.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

// Failure messages show the text, not its bytes.
void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

using namespace lanternreel;
using namespace lanternreel::testing;

namespace {

// Slides are named by one letter each ("a.jpg"); an order is written as their letters, "abc".
QString letters(const std::vector<SlidePtr> &slides)
{
    QString text;
    for (const SlidePtr &slide : slides)
        text += slide->name().front();
    return text;
}

// Everything an undone change must put back.
struct ShowState
{
    QString display;
    QString random;
    int32_t index;
    QString shown;
    QString title;
    QStringList sounds;
    int32_t soundTotal;
    int32_t soundIndex;
    bool edited;
    bool operator==(const ShowState &) const = default;
};

void PrintTo(const ShowState &s, std::ostream *out)
{
    *out << s.display.toStdString() << " random " << s.random.toStdString() << " at " << s.index
         << " shown " << s.shown.toStdString() << " title " << s.title.toStdString() << " sounds "
         << s.sounds.join(QLatin1Char(',')).toStdString() << " total " << s.soundTotal << " at "
         << s.soundIndex << (s.edited ? " edited" : " saved");
}

// A show in its window on the fake clock, arranged through its slide strip.
class ArrangeTest : public ::testing::Test
{
protected:
    ArrangeTest()
    {
        document = qobject_cast<MyDocument *>(controller.openUntitledDocumentAndDisplay());
        document->window()->resize(1600, 700);
        document->window()->show();
    }
    ~ArrangeTest() override
    {
        controller.closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Takes slides in as an import ends, one named after each letter.
    void import(const QString &names)
    {
        ImportResult result;
        for (QChar letter : names)
            result.slides.push_back(makeSlide(QString(letter) + QStringLiteral(".jpg")));
        document->applyImport(result);
    }
    void addSounds(const QStringList &names)
    {
        QStringList paths;
        for (const QString &name : names) {
            paths.append(QStringLiteral("/music/") + name);
            fakes.mediaLength.set(paths.back(), 60 * static_cast<int>(paths.size()));
        }
        fakes.openPanels.soundAnswers.push_back(paths);
        document->addSong();
    }

    ImageHandler &slides() const { return *document->getImageHandler(); }
    SlideStrip *strip() const { return document->slideStrip(); }
    QString current() const { return letters({ document->show()->currentSlide() }); }

    ShowState state() const
    {
        const SlidePtr shown = document->currentImageView()->image();
        const SoundHandler &sounds = *document->getSoundHandler();
        return { letters(slides().slides()),
                 slides().isRandom() ? letters(slides().randomSlides()) : QString(),
                 slides().returnIndex(),
                 shown ? shown->name() : QString(),
                 document->window()->windowTitle(),
                 QStringList(sounds.returnSoundNames().begin(), sounds.returnSoundNames().end()),
                 sounds.returnTotalLength(),
                 sounds.returnSoundIndex(),
                 document->isDocumentEdited() };
    }

    QRect cell(int row) const
    {
        strip()->doItemsLayout();
        return strip()->visualRect(strip()->model()->index(row, 0));
    }
    void select(const QList<int> &rows)
    {
        strip()->clearSelection();
        for (int row : rows)
            strip()->selectionModel()->select(strip()->model()->index(row, 0),
                                              QItemSelectionModel::Select);
    }
    // The selected thumbnails, dragged as the strip's own drag carries them, entering the strip,
    // moving over it and dropped at `at`, as the window system delivers them.
    void dragSelectedTo(QPoint at)
    {
        std::unique_ptr<QMimeData> data(
            strip()->model()->mimeData(strip()->selectionModel()->selectedIndexes()));
        ASSERT_TRUE(data);
        QWidget *viewport = strip()->viewport();
        QDragEnterEvent enter(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDragMoveEvent move(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        QDropEvent drop(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &drop);
        // The move is asked for once the drag is over.
        QCoreApplication::sendPostedEvents(strip(), QEvent::MetaCall);
    }

    FakeServices fakes;
    DocumentController controller { [this] {
        return std::make_unique<MyDocument>(fakes.services());
    } };
    MyDocument *document = nullptr;
};

} // namespace

TEST_F(ArrangeTest, DraggingSelectedThumbnailsPutsThemTogetherWhereTheyAreDropped)
{
    constexpr int End = -1; // dropped on the right half of the last thumbnail
    struct Case
    {
        QList<int> dragged;
        int droppedBefore; // on the left half of this row's thumbnail
        bool random;
        QString order;
    } cases[] = {
        { { 1 }, 4, false, QStringLiteral("acdbef") },
        { { 1, 3 }, 5, false, QStringLiteral("acebdf") },
        { { 0, 1 }, End, false, QStringLiteral("cdefab") },
        { { 4, 5 }, 0, false, QStringLiteral("efabcd") },
        { { 3, 2 }, 3, false, QStringLiteral("abcdef") }, // onto themselves: nothing moves
        { { 0, 2, 5 }, 3, true, QStringLiteral("bacfde") },
        { { 5 }, 0, true, QStringLiteral("fabcde") },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.order.toStdString());
        document->removeAllImages();
        import(QStringLiteral("abcdef"));
        EXPECT_EQ(strip()->stripModel()->currentRow(), 0) << "the first slide marked at once";
        if (c.random != slides().isRandom())
            document->randomizeSlides();
        // Away from the start, so that a random order left as it was would show.
        document->nextImage();
        document->nextImage();
        const QString was = current();
        const int steps = document->undoStack()->index();

        select(c.dragged);
        const QRect target = cell(c.droppedBefore == End ? 5 : c.droppedBefore);
        dragSelectedTo(c.droppedBefore == End ? QPoint(target.right() - 2, target.center().y())
                                              : QPoint(target.left() + 2, target.center().y()));

        EXPECT_EQ(letters(slides().slides()), c.order);
        EXPECT_EQ(current(), was) << "the slide on show stays current";
        const bool moved = c.order != QStringLiteral("abcdef");
        EXPECT_EQ(document->undoStack()->index(), steps + (moved ? 1 : 0));
        // The strip shows the new order, the slide on show marked.
        const SlideStripModel *model = strip()->stripModel();
        ASSERT_EQ(model->rowCount(), 6);
        EXPECT_EQ(letters(model->slideAt(model->currentRow())
                              ? std::vector<SlidePtr> { model->slideAt(model->currentRow()) }
                              : std::vector<SlidePtr> {}),
                  was);
        for (int row = 0; row < 6; ++row)
            EXPECT_EQ(model->slideAt(row), slides().slides()[static_cast<size_t>(row)]);
        if (c.random) {
            // Made anew over the new order, from the slide on show, as after an import.
            QString random = letters(slides().randomSlides());
            EXPECT_EQ(random.front(), was.front());
            EXPECT_EQ(slides().returnIndex(), 0);
            std::sort(random.begin(), random.end());
            EXPECT_EQ(random, QStringLiteral("abcdef"));
        }
    }
}

TEST_F(ArrangeTest, EveryChangeIsUndoneAndRedoneExactly)
{
    struct Case
    {
        const char *name;
        bool random;
        std::function<void()> change;
    } cases[] = {
        { "import", false, [&] { import(QStringLiteral("fg")); } },
        { "import, random on", true, [&] { import(QStringLiteral("fg")); } },
        { "remove current", false, [&] { document->removeCurrentImage(); } },
        { "remove current, random on", true, [&] { document->removeCurrentImage(); } },
        { "remove all", false, [&] { document->removeAllImages(); } },
        { "Delete in the strip", true,
          [&] {
              select({ 1, 2, 4 });
              strip()->setFocus();
              QTest::keyClick(strip(), Qt::Key_Delete);
          } },
        { "move", false,
          [&] {
              document->moveSlides({ 0, 4 }, 2);
          } },
        { "move, random on", true, [&] { document->moveSlides({ 3 }, 0); } },
        { "add sound", false, [&] { addSounds({ QStringLiteral("Z.wav") }); } },
        { "remove sound", false,
          [&] {
              document->showSoundPanel();
              QTableView *table = document->getSoundPanel()->tableView();
              table->selectRow(1);
              document->removeSong();
          } },
        { "swap sounds", false,
          [&] {
              document->getSoundHandler()->writeRows({ 0 });
              document->getSoundHandler()->acceptDrop(2, true);
          } },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        controller.closeAll();
        document = qobject_cast<MyDocument *>(controller.openUntitledDocumentAndDisplay());
        import(QStringLiteral("abcde"));
        addSounds({ QStringLiteral("W.wav"), QStringLiteral("X.wav"), QStringLiteral("Y.wav") });
        if (c.random)
            document->randomizeSlides();
        document->nextImage();
        document->nextImage();
        document->setDocumentEdited(false); // as a save leaves it
        const ShowState before = state();

        c.change();
        const ShowState after = state();
        ASSERT_NE(after, before);
        EXPECT_TRUE(after.edited);

        document->undo();
        EXPECT_EQ(state(), before) << "undone back to the save, the show is as saved";
        document->redo();
        EXPECT_EQ(state(), after);
        document->undo();
        EXPECT_EQ(state(), before);
    }
}

TEST_F(ArrangeTest, ClickingAThumbnailTakesTheShowThereAsAStepDoes)
{
    struct Case
    {
        bool random;
        int row;
    } cases[] = { { false, 4 }, { false, 0 }, { true, 3 }, { true, 1 } };
    document->loopPlayback(); // so that every slide has one after it
    for (const Case &c : cases) {
        SCOPED_TRACE(c.row);
        document->stopShow();
        document->removeAllImages();
        import(QStringLiteral("abcdef"));
        if (c.random != slides().isRandom())
            document->randomizeSlides();
        document->startSlideshow();
        fakes.timers.advance(2);

        QTest::mouseClick(strip()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          cell(c.row).center());

        const QString name = QString(QChar(u'a' + c.row)) + QStringLiteral(".jpg");
        EXPECT_EQ(document->currentImageView()->image()->name(), name);
        EXPECT_EQ(document->window()->windowTitle(), QStringLiteral("Untitled - ") + name);
        EXPECT_TRUE(document->isSlideshowInProgress());
        EXPECT_DOUBLE_EQ(fakes.timers.secondsToNextFire(), 3) << "the countdown starts over";
        EXPECT_EQ(strip()->stripModel()->currentRow(), c.row);
        EXPECT_EQ(document->showStatus()->positionText(),
                  QStringLiteral("Slide %1 of 6").arg(slides().returnIndex() + 1));
        // The next tick goes on from the slide clicked, in the order in use.
        const SlidePtr next = slides().peekNextImage();
        fakes.timers.advance(3);
        EXPECT_EQ(document->currentImageView()->image(), next);
    }
}

// An import into an empty show puts its first slide up before the rest has loaded; undoing the
// import must still take the show back to empty, not to that first slide.
TEST_F(ArrangeTest, AnImportWhoseFirstSlideCameEarlyIsUndoneAsOneStep)
{
    const ShowState before = state();
    ImportResult result;
    for (const char *name : { "f.jpg", "g.jpg", "h.jpg" })
        result.slides.push_back(makeSlide(QString::fromLatin1(name)));
    document->takeFirstOfImport(result.slides.front());
    ASSERT_EQ(letters(slides().slides()), QStringLiteral("f"));
    document->applyImport(result);
    const ShowState after = state();
    ASSERT_EQ(letters(slides().slides()), QStringLiteral("fgh"));

    document->undo();
    EXPECT_EQ(state(), before);
    document->redo();
    EXPECT_EQ(state(), after);
}
