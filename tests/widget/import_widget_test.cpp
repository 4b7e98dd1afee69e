// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dragwatcher.h"
#include "app/mainmenu.h"
#include "document/mydocument.h"
#include "document/show.h"
#include "fakes.h"
#include "jobwaits.h"
#include "platform/qt/documentcontroller.h"
#include "platform/qt/qtopenpanels.h"
#include "slides/imagehandler.h"
#include "testimagefiles.h"

#include <QApplication>
#include <QDropEvent>
#include <QFileDialog>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

using namespace lanternreel;
using namespace lanternreel::testing;

namespace {

class DragWatcherTest : public ::testing::Test
{
protected:
    DragWatcherTest()
    {
        controller.setWindowHook([this](DocumentWindow *window) {
            menu.installInto(window);
            watcher.watch(window);
        });
        for (const char *name : { "img10.jpg", "img2.jpg", "IMG1.jpg", "more.jpg" })
            writeJpeg(dir.filePath(QLatin1String(name)));
        writeFile(dir.filePath(QStringLiteral("notes.txt")), "words");
    }
    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }
    MyDocument *current() const { return qobject_cast<MyDocument *>(controller.currentDocument()); }

    QTemporaryDir dir;
    FakeServices fakes;
    DocumentController controller { [this] {
        return std::make_unique<MyDocument>(fakes.services());
    } };
    MainMenu menu { controller };
    DragWatcher watcher { controller };
};

} // namespace

TEST_F(DragWatcherTest, FilesWithNoShowOpenMakeOneUntitledShow)
{
    const int reply
        = openFilesNow(watcher, { path("img10.jpg"), path("IMG1.jpg"), path("img2.jpg") });
    EXPECT_EQ(reply, DragWatcher::Success);
    ASSERT_EQ(controller.documents().size(), 1u);
    MyDocument *document = current();
    ASSERT_TRUE(document);
    EXPECT_EQ(document->window()->windowTitle(), QStringLiteral("Untitled - IMG1.jpg"));
    EXPECT_EQ(document->getImageHandler()->numImages(), 3);
    ASSERT_TRUE(document->currentImageView()->image());
    EXPECT_EQ(document->currentImageView()->image()->name(), QStringLiteral("IMG1.jpg"));
    EXPECT_TRUE(fakes.alerts.alerts.empty());
}

// Only an empty show has its first picture shown while the rest loads; one with slides takes the
// import all at once.
TEST_F(DragWatcherTest, AnEmptyShowShowsItsFirstPictureWhileTheRestLoads)
{
    controller.openUntitledDocumentAndDisplay();
    MyDocument *document = current();
    using Seen = std::pair<int, bool>; // slides held, import still running
    std::vector<Seen> seen;
    QObject::connect(document->show(), &Show::shownSlideChanged, [&](const SlidePtr &slide) {
        if (slide)
            seen.emplace_back(document->getImageHandler()->numImages(), document->isImporting());
    });
    ASSERT_TRUE(importNow(document, { path("img10.jpg"), path("IMG1.jpg"), path("img2.jpg") }));
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), Seen(1, true));
    EXPECT_EQ(seen.back(), Seen(3, false));
    EXPECT_EQ(document->window()->windowTitle(), QStringLiteral("Untitled - IMG1.jpg"));

    seen.clear();
    ASSERT_TRUE(importNow(document, { path("more.jpg") }));
    EXPECT_EQ(seen, std::vector<Seen> { Seen(4, false) });
}

TEST_F(DragWatcherTest, FilesGoIntoTheCurrentShowAndItsFirstSlideIsShown)
{
    ASSERT_EQ(openFilesNow(watcher, { path("img2.jpg") }), DragWatcher::Success);
    EXPECT_EQ(openFilesNow(watcher, { path("more.jpg"), path("IMG1.jpg") }), DragWatcher::Success);
    ASSERT_EQ(controller.documents().size(), 1u);
    EXPECT_EQ(current()->getImageHandler()->numImages(), 3);
    EXPECT_EQ(current()->window()->windowTitle(), QStringLiteral("Untitled - img2.jpg"));
}

TEST_F(DragWatcherTest, NotAPictureLeavesTheNewShowEmptyAndReportsFailure)
{
    EXPECT_EQ(openFilesNow(watcher, { path("notes.txt") }), DragWatcher::Failure);
    ASSERT_EQ(controller.documents().size(), 1u);
    EXPECT_EQ(current()->getImageHandler()->numImages(), 0);
    EXPECT_EQ(current()->window()->windowTitle(), QStringLiteral("Untitled"));
    ASSERT_EQ(fakes.alerts.alerts.size(), 1u);
    EXPECT_EQ(fakes.alerts.alerts[0].messageText, QStringLiteral("Problem Loading Images"));

    // The last in sorted order fails half-way into the still empty show: the others stay, and
    // the view ends empty even though the first was shown while the rest loaded.
    writeFile(path("z.jpg"), "broken");
    EXPECT_EQ(openFilesNow(watcher, { path("z.jpg"), path("img10.jpg"), path("img2.jpg") }),
              DragWatcher::Failure);
    EXPECT_EQ(current()->getImageHandler()->numImages(), 2);
    EXPECT_EQ(current()->currentImageView()->image(), nullptr);
    EXPECT_EQ(current()->window()->windowTitle(), QStringLiteral("Untitled"));
    ASSERT_EQ(fakes.alerts.alerts.size(), 2u);
    EXPECT_EQ(fakes.alerts.alerts[1].messageText, QStringLiteral("Problem Loading Images"));
}

TEST_F(DragWatcherTest, DropOnAWindowGoesToThatWindowsShow)
{
    controller.openUntitledDocumentAndDisplay();
    auto *first = qobject_cast<MyDocument *>(controller.documents().front());
    controller.openUntitledDocumentAndDisplay();
    ASSERT_NE(current(), first);

    QMimeData mime;
    mime.setUrls(
        { QUrl::fromLocalFile(path("more.jpg")), QUrl(QStringLiteral("https://x/y.jpg")) });
    // Qt hands a drop only to the widget that took the drag's entry.
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(first->window(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(first->window(), &drop);
    EXPECT_TRUE(drop.isAccepted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return first->getImageHandler()->numImages() == 1; }));

    EXPECT_EQ(first->getImageHandler()->numImages(), 1);
    EXPECT_EQ(first->window()->windowTitle(), QStringLiteral("Untitled - more.jpg"));
    EXPECT_EQ(current(), first);
}

TEST_F(DragWatcherTest, ImportCommandRunsThePanelOnTheCurrentShow)
{
    controller.openUntitledDocumentAndDisplay();
    QAction *import
        = menu.itemWithTitle(QStringLiteral("Slideshow"), QStringLiteral("Import Images…"));
    ASSERT_TRUE(import);
    EXPECT_EQ(import->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_I));
    fakes.openPanels.imageAnswers.push_back(QStringList { path("img2.jpg"), path("img10.jpg") });
    import->trigger();
    ASSERT_TRUE(importsDone(current()));
    EXPECT_EQ(current()->getImageHandler()->numImages(), 2);
    EXPECT_EQ(current()->window()->windowTitle(), QStringLiteral("Untitled - img2.jpg"));

    // Cancelled: view and title keep what they showed.
    import->trigger();
    EXPECT_EQ(current()->window()->windowTitle(), QStringLiteral("Untitled - img2.jpg"));
}

// Qt's own chooser takes either files or one folder; the import's takes both at once.
TEST(QtOpenPanelsTest, ChoosesFilesAndFoldersTogether)
{
    QTemporaryDir dir;
    writeJpeg(dir.filePath(QStringLiteral("a.jpg")));
    writeJpeg(dir.filePath(QStringLiteral("sub/b.jpg")));
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        seen = true;
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFiles);
        dialog->setDirectory(dir.path());
        dialog->selectFile(QStringLiteral("\"a.jpg\" \"sub\""));
        QMetaObject::invokeMethod(dialog, "accept");
        // A chooser that went into the folder instead would wait forever.
        QTimer::singleShot(2000, dialog, &QDialog::reject);
    });
    QtOpenPanels panels;
    const auto chosen = panels.chooseImages({ QStringLiteral("jpg") });
    ASSERT_TRUE(seen);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(*chosen,
              (QStringList { dir.filePath(QStringLiteral("a.jpg")),
                             dir.filePath(QStringLiteral("sub")) }));
}
