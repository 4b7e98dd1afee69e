// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dragwatcher.h"
#include "app/mainmenu.h"
#include "document/model.h"
#include "document/mydocument.h"
#include "document/show.h"
#include "document/showarchive.h"
#include "fakedocumentpanels.h"
#include "fakes.h"
#include "fifowatchdog.h"
#include "jobwaits.h"
#include "panels/soundpanel.h"
#include "platform/qt/documentcontroller.h"
#include "platform/sounds.h"
#include "slides/imagehandler.h"
#include "soundtrack/soundhandler.h"
#include "testimagefiles.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QIODevice>
#include <QMimeData>
#include <QTableView>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace lanternreel;
using namespace lanternreel::testing;

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ShowDocumentTest : public ::testing::Test
{
protected:
    ShowDocumentTest()
    {
        controller.setPanels(&panels);
        controller.setWindowHook([this](DocumentWindow *window) {
            menu.installInto(window);
            watcher.watch(window);
        });
        controller.clearRecentDocuments();
        for (const char *name : { "one.jpg", "two.jpg", "three.jpg" })
            writeJpeg(path(name));
    }
    ~ShowDocumentTest() override
    {
        controller.setPanels(nullptr); // nothing left to ask at the end of a test
        controller.closeAll();
    }
    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }
    MyDocument *current() const { return qobject_cast<MyDocument *>(controller.currentDocument()); }
    static QString title(Document *document) { return document->window()->windowTitle(); }

    // A new show with the three pictures imported, as dropping them would.
    MyDocument *showOfThree()
    {
        auto *document = static_cast<MyDocument *>(controller.openUntitledDocumentAndDisplay());
        EXPECT_TRUE(importNow(document, { path("one.jpg"), path("two.jpg"), path("three.jpg") }));
        return document;
    }
    QString savedShow(const char *name, bool randomOn = false)
    {
        MyDocument *document = showOfThree();
        if (randomOn)
            document->randomizeSlides();
        panels.saveAsAnswer = path(name);
        EXPECT_TRUE(saveAsNow(controller, document));
        controller.closeDocument(document);
        return document ? path(name) : QString();
    }

    QTemporaryDir dir;
    FakeServices fakes;
    FakeDocumentPanels panels;
    DocumentController controller { [this] {
        return std::make_unique<MyDocument>(fakes.services());
    } };
    MainMenu menu { controller };
    DragWatcher watcher { controller };
};

} // namespace

TEST_F(ShowDocumentTest, SaveAsAddsTheExtensionAndRenamesTheWindow)
{
    MyDocument *document = showOfThree();
    EXPECT_TRUE(document->isDocumentEdited());
    panels.saveAsAnswer = path("trip");
    ASSERT_TRUE(saveAsNow(controller, document));
    EXPECT_EQ(panels.lastFilter, QStringLiteral("Lanternreel Show (*.lrshow)"));
    EXPECT_EQ(panels.lastSuggestedPath, QStringLiteral("Untitled.lrshow"));
    EXPECT_EQ(document->fileName(), path("trip.lrshow"));
    EXPECT_TRUE(QFile::exists(path("trip.lrshow")));
    EXPECT_FALSE(document->isDocumentEdited());
    EXPECT_EQ(title(document), QStringLiteral("trip - one.jpg"));
    EXPECT_EQ(controller.recentDocuments(), QStringList({ path("trip.lrshow") }));
    // Nothing but the file itself is left in the folder.
    EXPECT_EQ(QDir(dir.path()).entryList({ QStringLiteral("*.lrshow*") }, QDir::Files),
              QStringList({ QStringLiteral("trip.lrshow") }));
}

TEST_F(ShowDocumentTest, OpeningTakesTheFlagsFromTheMenu)
{
    const QString file = savedShow("flags.lrshow", true);
    fakes.menuFlags.loopOn = true;
    fakes.menuFlags.randomOn = false;
    fakes.log.outLines.clear();

    auto *document = openNow(controller, file);
    ASSERT_NE(document, nullptr);
    ASSERT_EQ(document->getImageHandler()->numImages(), 3);
    // Saved in random order, loaded in display order at position 0.
    // (dropped files are sorted by name: one, three, two)
    EXPECT_EQ(document->getImageHandler()->slides()[1]->name(), QStringLiteral("three.jpg"));
    EXPECT_EQ(document->getImageHandler()->returnIndex(), 0);
    EXPECT_TRUE(document->getImageHandler()->isLoop());
    EXPECT_FALSE(document->getImageHandler()->isRandom());
    EXPECT_EQ(fakes.log.outLines, QStringList({ "Current index 0", "Loaded." }));
    // The framework names the window; the first slide is shown, the title waits for a command.
    EXPECT_EQ(title(document), QStringLiteral("flags"));
    EXPECT_EQ(document->currentImageView()->image()->name(), QStringLiteral("one.jpg"));
    EXPECT_FALSE(document->isDocumentEdited());
    EXPECT_EQ(document->getModel()->getImageHandler(), document->getImageHandler());

    // Opening it again only brings that window forward.
    EXPECT_EQ(openNow(controller, file), document);
    EXPECT_EQ(controller.documents().size(), 1u);

    // The other way round, and the random order starts at the first slide.
    controller.closeDocument(document);
    fakes.menuFlags.loopOn = false;
    fakes.menuFlags.randomOn = true;
    document = openNow(controller, file);
    ASSERT_NE(document, nullptr);
    EXPECT_FALSE(document->getImageHandler()->isLoop());
    EXPECT_TRUE(document->getImageHandler()->isRandom());
    EXPECT_EQ(document->getImageHandler()->randomSlides().front()->name(),
              QStringLiteral("one.jpg"));
}

// A show opened from a file takes loop and random from what the menu's items show, read from the
// items themselves: a translation that retitles them changes nothing.
TEST_F(ShowDocumentTest, AnOpenedShowTakesLoopAndRandomFromTheMenuUnderAnyTitles)
{
    fakes.bundle.menuFlags = &menu; // as the program wires it
    menu.loopItem()->setText(QStringLiteral("Diaporama en &boucle"));
    menu.randomItem()->setText(QStringLiteral("Ordre &aléatoire"));
    MyDocument *source = showOfThree();
    panels.saveAsAnswer = path("flags.lrshow");
    ASSERT_TRUE(saveAsNow(controller, source));
    ASSERT_TRUE(QFile::copy(path("flags.lrshow"), path("again.lrshow")));

    const std::pair<bool, bool> cases[]
        = { { true, false }, { false, true }, { true, true }, { false, false } };
    for (const auto &[loop, random] : cases) {
        SCOPED_TRACE(::testing::Message() << "loop " << loop << ", random " << random);
        // Chosen in the menu, on the show that is current.
        controller.makeCurrent(source);
        if (source->show()->isLoop() != loop)
            menu.loopItem()->trigger();
        if (source->show()->isRandom() != random)
            menu.randomItem()->trigger();

        auto *opened = openNow(controller, path("again.lrshow"));
        ASSERT_NE(opened, nullptr);
        EXPECT_EQ(opened->show()->isLoop(), loop);
        EXPECT_EQ(opened->show()->isRandom(), random);
        ASSERT_EQ(controller.currentDocument(), opened);
        EXPECT_EQ(menu.loopItem()->isChecked(), loop);
        EXPECT_EQ(menu.randomItem()->isChecked(), random);
        controller.closeDocument(opened);
    }
}

TEST_F(ShowDocumentTest, ABadFileIsRefusedNamingItAndLeavesTheDocumentAlone)
{
    writeFile(path("broken.lrshow"), "this is not a show");
    EXPECT_EQ(openNow(controller, path("broken.lrshow")), nullptr);
    EXPECT_TRUE(controller.documents().empty());
    ASSERT_EQ(panels.failures.size(), 1);
    EXPECT_TRUE(panels.failures[0].startsWith(
        QStringLiteral("The document “broken.lrshow” could not be opened.|")));
    EXPECT_FALSE(fakes.log.outLines.contains(QStringLiteral("Loaded.")));

    // Straight into a live document: it keeps everything it had.
    MyDocument *document = showOfThree();
    ImageHandler *images = document->getImageHandler();
    SoundHandler *sounds = document->getSoundHandler();
    Model *model = document->getModel();
    QFile file(path("broken.lrshow"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QString why;
    EXPECT_FALSE(document->loadDataRepresentation(file, QStringLiteral("Lanternreel Show"), &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_EQ(document->getImageHandler(), images);
    EXPECT_EQ(document->getSoundHandler(), sounds);
    EXPECT_EQ(document->getModel(), model);
    EXPECT_EQ(images->numImages(), 3);
}

// Opening a FIFO would wait for a writer with every window frozen; a device would be read as
// if it were a file. Only a regular file is read as a show.
TEST_F(ShowDocumentTest, WhatIsNotARegularFileIsRefusedUnread)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(path("waiting.lrshow")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path("zero.lrshow")));
    for (const char *name : { "waiting.lrshow", "zero.lrshow" }) {
        SCOPED_TRACE(name);
        panels.failures.clear();
        FifoWatchdog watchdog({ path(name) });
        EXPECT_EQ(openNow(controller, path(name)), nullptr);
        EXPECT_FALSE(watchdog.released()) << "the open waited on the FIFO";
        EXPECT_TRUE(controller.documents().empty());
        ASSERT_EQ(panels.failures.size(), 1);
        EXPECT_TRUE(panels.failures[0].startsWith(
            QStringLiteral("The document \u201c%1\u201d could not be opened.|")
                .arg(QLatin1String(name))));
    }
}

TEST_F(ShowDocumentTest, OnlyTheShowTypeIsWritten)
{
    MyDocument *document = showOfThree();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_FALSE(document->dataRepresentationOfType(QStringLiteral("JPEG Image"), buffer));
    EXPECT_TRUE(bytes.isEmpty());
    EXPECT_TRUE(document->dataRepresentationOfType(QStringLiteral("Lanternreel Show"), buffer));
    EXPECT_TRUE(bytes.startsWith("\x83\x66LRSHOW"));
}

TEST_F(ShowDocumentTest, ClosingAnEditedShowAsksFirst)
{
    MyDocument *untouched = static_cast<MyDocument *>(controller.openUntitledDocumentAndDisplay());
    EXPECT_TRUE(controller.closeDocument(untouched));
    EXPECT_TRUE(panels.askedToSave.isEmpty());

    MyDocument *document = showOfThree();
    panels.saveAnswer = DocumentPanels::SaveAnswer::Cancel;
    EXPECT_FALSE(controller.closeDocument(document));
    EXPECT_FALSE(controller.closeAll()); // quitting asks the same
    EXPECT_EQ(panels.askedToSave, QStringList({ "Untitled", "Untitled" }));
    ASSERT_EQ(controller.documents().size(), 1u);

    // Save, but the save panel is cancelled: still open.
    panels.saveAnswer = DocumentPanels::SaveAnswer::Save;
    EXPECT_FALSE(controller.closeDocument(document));
    ASSERT_EQ(controller.documents().size(), 1u);

    // Saved first, off the GUI thread; it closes once the file is written.
    panels.saveAsAnswer = path("kept.lrshow");
    EXPECT_FALSE(controller.closeDocument(document));
    EXPECT_TRUE(QTest::qWaitFor([&] { return controller.documents().empty(); }, JobDeadlineMs));
    EXPECT_TRUE(QFile::exists(path("kept.lrshow")));

    document = showOfThree();
    document->removeCurrentImage();
    panels.saveAnswer = DocumentPanels::SaveAnswer::DontSave;
    EXPECT_TRUE(controller.closeAll());
    EXPECT_TRUE(controller.documents().empty());
}

// Whatever changes what the show file holds asks to be saved on closing; what changes nothing
// of it does not.
TEST_F(ShowDocumentTest, EachKindOfChangeMarksTheShowEdited)
{
    MyDocument *saved = showOfThree();
    QStringList sounds;
    for (const char *name : { "one.jpg", "two.jpg", "three.jpg" }) {
        sounds.append(path(name)); // any file will do as a sound here
        fakes.mediaLength.set(sounds.back(), 5);
    }
    fakes.openPanels.soundAnswers.push_back(sounds);
    saved->addSong();
    panels.saveAsAnswer = path("edits.lrshow");
    ASSERT_TRUE(saveAsNow(controller, saved));

    // A drag of one row of the soundtrack table, dropped onto row `onto`, as the window system
    // hands it to the table.
    auto dropSoundRow = [](MyDocument *document, int row, int onto) {
        document->showSoundPanel();
        QTableView *view = document->getSoundPanel()->tableView();
        view->selectRow(row);
        const std::unique_ptr<QMimeData> drag(
            view->model()->mimeData(view->selectionModel()->selectedIndexes()));
        ASSERT_NE(drag, nullptr);
        const QPoint at = view->visualRect(view->model()->index(onto, 0)).center();
        QDragEnterEvent enter(at, Qt::MoveAction, drag.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &enter);
        QDropEvent drop(at, Qt::MoveAction, drag.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &drop);
    };
    struct Case
    {
        const char *what;
        bool changes;
        std::function<void(MyDocument *)> act;
    };
    const Case cases[] = {
        { "import pictures", true,
          [&](MyDocument *document) {
              fakes.openPanels.imageAnswers.push_back(QStringList { path("two.jpg") });
              document->selectImages();
          } },
        { "drop picture files", true,
          [&](MyDocument *document) { document->dragOpen({ path("three.jpg") }); } },
        { "remove the current picture", true,
          [](MyDocument *document) { document->removeCurrentImage(); } },
        { "remove every picture", true, [](MyDocument *document) { document->removeAllImages(); } },
        { "add a sound", true,
          [&](MyDocument *document) {
              fakes.openPanels.soundAnswers.push_back(QStringList { path("one.jpg") });
              document->addSong();
          } },
        { "remove a sound", true,
          [](MyDocument *document) {
              document->showSoundPanel();
              document->getSoundPanel()->tableView()->selectRow(1);
              document->removeSong();
          } },
        { "reorder the sounds in their table", true,
          [&](MyDocument *document) { dropSoundRow(document, 0, 2); } },
        { "step through the show", false,
          [](MyDocument *document) {
              document->nextImage();
              document->goToFirstSlide();
          } },
        { "cancel an import", false,
          [&](MyDocument *document) {
              fakes.openPanels.imageAnswers.push_back(std::nullopt);
              document->selectImages();
          } },
        { "drop a sound's row onto itself", false,
          [&](MyDocument *document) { dropSoundRow(document, 1, 1); } },
        // Neither flag is taken from the file: an opened show takes both from the menu.
        { "switch loop and random", false,
          [](MyDocument *document) {
              document->loopPlayback();
              document->randomizeSlides();
          } },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        controller.setPanels(nullptr);
        controller.closeAll();
        controller.setPanels(&panels);
        MyDocument *document = openNow(controller, path("edits.lrshow"));
        ASSERT_NE(document, nullptr);
        ASSERT_EQ(document->getSoundHandler()->numSounds(), 3);
        ASSERT_FALSE(document->isDocumentEdited());

        c.act(document);
        ASSERT_TRUE(importsDone(document));

        panels.askedToSave.clear();
        panels.saveAnswer = DocumentPanels::SaveAnswer::Cancel;
        EXPECT_EQ(controller.closeDocument(document), !c.changes);
        EXPECT_EQ(panels.askedToSave, c.changes ? QStringList { "edits" } : QStringList());
    }
}

namespace {

// Writes half a show and then fails, or dies, as a crash or a kill in the middle of a save. The
// dying one writes more than a save holds back, so some of it has reached the new file.
class InterruptedDocument : public Document
{
public:
    enum class Then { Fail, Die };
    explicit InterruptedDocument(Then then)
        : m_then(then)
    { }
    QString windowNibName() const override { return QStringLiteral("MyDocument"); }
    WriteWork writeWork(const QString &) override
    {
        return [then = m_then](QIODevice &device, const WorkControl &) {
            device.write(QByteArray(then == Then::Die ? 9 * 1024 * 1024 : 4096, 'x'));
            if (then == Then::Die) {
                if (auto *file = qobject_cast<QFileDevice *>(&device))
                    file->flush();
                std::raise(SIGKILL);
            }
            return false;
        };
    }

protected:
    void loadWindow(DocumentWindow *) override { }

private:
    Then m_then;
};

} // namespace

TEST_F(ShowDocumentTest, AnInterruptedSaveLeavesTheOldFileWhole)
{
    const QString file = path("old.lrshow");
    writeFile(file, "the old show");
    FakeDocumentPanels quiet;
    for (auto then : { InterruptedDocument::Then::Fail, InterruptedDocument::Then::Die }) {
        DocumentController local([then] { return std::make_unique<InterruptedDocument>(then); });
        local.setPanels(&quiet);
        Document *document = local.openUntitledDocumentAndDisplay();
        document->setFileName(file);
        document->setDocumentEdited(true);
        if (then == InterruptedDocument::Then::Fail) {
            EXPECT_FALSE(saveNow(local, document));
            ASSERT_EQ(quiet.failures.size(), 1);
            EXPECT_TRUE(quiet.failures[0].startsWith(
                QStringLiteral("The document “old” could not be saved.|")));
            EXPECT_TRUE(document->isDocumentEdited());
            // The temporary file it was writing is gone too.
            EXPECT_EQ(QDir(dir.path()).entryList({ QStringLiteral("old.lrshow*") }, QDir::Files),
                      QStringList({ QStringLiteral("old.lrshow") }));
        } else {
            // Killed for real, in a child process, halfway through writing. The child runs the
            // test afresh: a forked one would have no threads to write with.
            GTEST_FLAG_SET(death_test_style, "threadsafe");
            EXPECT_EXIT(saveNow(local, document), ::testing::KilledBySignal(SIGKILL), "");
        }
        local.setPanels(nullptr);
        EXPECT_EQ(contents(file), QByteArray("the old show"));
    }
}

TEST_F(ShowDocumentTest, MissingSoundFilesAreNamedOnceAndSkipped)
{
    MyDocument *document = showOfThree();
    const QString gone = path("gone.wav");
    const QString here = path("here.wav");
    for (const QString &sound : { gone, here }) {
        writeFile(sound, "RIFF");
        fakes.mediaLength.set(sound, 10);
    }
    fakes.openPanels.soundAnswers.push_back(QStringList { gone, here });
    document->addSong();
    panels.saveAsAnswer = path("music.lrshow");
    ASSERT_TRUE(saveAsNow(controller, document));
    controller.closeDocument(document);
    QFile::remove(gone);
    fakes.alerts.alerts.clear();

    document = openNow(controller, path("music.lrshow"));
    ASSERT_NE(document, nullptr);
    ASSERT_EQ(fakes.alerts.alerts.size(), 1u);
    EXPECT_EQ(fakes.alerts.alerts[0].messageText, QStringLiteral("Missing Sound Files"));
    EXPECT_TRUE(fakes.alerts.alerts[0].informativeText.contains(gone));
    EXPECT_FALSE(fakes.alerts.alerts[0].informativeText.contains(here));
    EXPECT_EQ(document->getSoundHandler()->numSounds(), 2);

    const size_t made = fakes.sounds.madeCount();
    document->startSlideshow();
    EXPECT_TRUE(fakes.sounds.made(made - 1).playing); // here.wav, the only one there
    EXPECT_EQ(document->getSoundHandler()->returnSoundIndex(), 1);
    document->stopShow();
}

TEST_F(ShowDocumentTest, SoundPathsAreTakenFromTheShowsFolderAndMustBeSounds)
{
    // The show lies in shows/; the program runs in elsewhere/, which holds files of the same
    // names.
    const QString shows = path("shows");
    const QString elsewhere = path("elsewhere");
    for (const QString &sound : { shows + QStringLiteral("/music/beside.wav"),
                                  elsewhere + QStringLiteral("/music/beside.wav"),
                                  elsewhere + QStringLiteral("/only-here.wav") }) {
        writeFile(sound, "RIFF");
        fakes.mediaLength.set(sound, 10);
    }
    writeFile(shows + QStringLiteral("/notes.wav"), "named like a sound, but text\n");
    struct Row
    {
        QString stored;
        QString opened;
        bool plays;
    };
    const std::vector<Row> rows {
        { QStringLiteral("music/beside.wav"), shows + QStringLiteral("/music/beside.wav"), true },
        { QStringLiteral("only-here.wav"), shows + QStringLiteral("/only-here.wav"), false },
        { QStringLiteral("notes.wav"), shows + QStringLiteral("/notes.wav"), false },
        { QStringLiteral("/etc/passwd"), QStringLiteral("/etc/passwd"), false },
        { shows + QStringLiteral("/music/beside.wav"), shows + QStringLiteral("/music/beside.wav"),
          true },
    };
    // A show whose soundtrack names them so, written by the program's own writer.
    {
        Model model(fakes.services());
        std::vector<std::unique_ptr<Sound>> sounds;
        std::vector<QString> lengths;
        std::vector<QString> names;
        for (const Row &row : rows) {
            sounds.push_back(fakes.sounds.makeSound(row.stored));
            lengths.push_back(QStringLiteral("0:10"));
            names.push_back(SoundHandler::createCleanName(row.stored));
        }
        ASSERT_TRUE(model.getSoundHandler()->restoreSoundtrack(
            std::move(sounds), std::move(lengths), std::move(names), 0, 50));
        ASSERT_TRUE(model.getImageHandler()->compressImages());
        QFile file(shows + QStringLiteral("/music.lrshow"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(writeShow(file, model));
    }

    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(elsewhere));
    fakes.alerts.alerts.clear();
    MyDocument *document = openNow(controller, shows + QStringLiteral("/music.lrshow"));
    QDir::setCurrent(before);
    ASSERT_NE(document, nullptr);
    const auto &sounds = document->getSoundHandler()->returnSounds();
    ASSERT_EQ(sounds.size(), rows.size());
    // Those that cannot play are named together, once.
    ASSERT_EQ(fakes.alerts.alerts.size(), 1u);
    const RecordedAlert &alert = fakes.alerts.alerts[0];
    EXPECT_EQ(alert.messageText, QStringLiteral("Missing Sound Files"));
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(qPrintable(rows[i].stored));
        EXPECT_EQ(sounds[i]->path().toStdString(), rows[i].opened.toStdString());
        EXPECT_EQ(sounds[i]->canPlay(), rows[i].plays);
        EXPECT_EQ(alert.informativeText.contains(rows[i].opened), !rows[i].plays);
    }
}

TEST_F(ShowDocumentTest, ShowFilesFromOutsideOpenAsDocuments)
{
    const QString file = savedShow("handed.lrshow");
    writeFile(path("broken.lrshow"), "nope");

    // A show among pictures: the pictures go into a new show, the show opens on its own.
    EXPECT_EQ(openFilesNow(watcher, { file, path("two.jpg") }), DragWatcher::Success);
    ASSERT_EQ(controller.documents().size(), 2u);
    MyDocument *opened = current();
    EXPECT_EQ(opened->fileName(), file);
    EXPECT_EQ(opened->getImageHandler()->numImages(), 3);
    EXPECT_EQ(title(opened), QStringLiteral("handed"));
    auto *untitled = qobject_cast<MyDocument *>(controller.documents().front());
    EXPECT_EQ(untitled->getImageHandler()->numImages(), 1);
    EXPECT_TRUE(panels.failures.isEmpty());

    // A show that cannot be opened is a failure, with its alert.
    EXPECT_EQ(openFilesNow(watcher, { path("broken.lrshow") }), DragWatcher::Failure);
    EXPECT_EQ(panels.failures.size(), 1);
    EXPECT_EQ(controller.documents().size(), 2u);
}

TEST_F(ShowDocumentTest, TheFileMenuHasTheFileCommands)
{
    for (const auto &[title, keys] : {
             std::pair("Open…", "Ctrl+O"),
             std::pair("Save", "Ctrl+S"),
             std::pair("Save As…", "Ctrl+Shift+S"),
         }) {
        QAction *action = menu.itemWithTitle(QStringLiteral("File"), QString::fromUtf8(title));
        ASSERT_NE(action, nullptr) << title;
        EXPECT_EQ(action->shortcut(), QKeySequence(QLatin1String(keys))) << title;
    }
    const QString file = savedShow("recent.lrshow");
    menu.recentMenu()->aboutToShow();
    const auto items = menu.recentMenu()->actions();
    ASSERT_GE(items.size(), 1);
    EXPECT_EQ(items.front()->text(), QStringLiteral("recent.lrshow"));
    items.front()->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return current() != nullptr; }, JobDeadlineMs));
    EXPECT_EQ(current()->fileName(), file);
}

// A show holds on to its pictures whatever becomes of the files they came from: the pictures it
// imported, or the show file it was opened from.
TEST_F(ShowDocumentTest, PicturesOutliveTheFilesTheyCameFrom)
{
    const std::vector<QColor> colors { Qt::red, Qt::green, Qt::blue };
    const char *names[] = { "one.jpg", "two.jpg", "three.jpg" };
    auto removeOriginals = [&] {
        for (const char *name : names)
            ASSERT_TRUE(QFile::remove(path(name)));
    };
    struct Case
    {
        const char *what;
        bool openedFromShowFile;
        std::function<void()> change;
    };
    const Case cases[] = {
        { "originals deleted", false, removeOriginals },
        { "originals moved", false,
          [&] {
              ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("moved")));
              for (const char *name : names)
                  ASSERT_TRUE(QFile::rename(
                      path(name), dir.filePath(QStringLiteral("moved/") + QLatin1String(name))));
          } },
        { "originals rewritten", false,
          [&] {
              for (const char *name : names)
                  writeJpeg(path(name), Qt::yellow);
          } },
        // Rewritten in place, not renamed over: the worst that can happen to a file being read.
        { "show file rewritten while open", true,
          [&] {
              removeOriginals();
              QFile show(path("source.lrshow"));
              ASSERT_TRUE(show.open(QIODevice::ReadWrite));
              const QByteArray garbage(show.size(), 'x');
              ASSERT_EQ(show.write(garbage), garbage.size());
          } },
        { "show file deleted while open", true,
          [&] {
              removeOriginals();
              ASSERT_TRUE(QFile::remove(path("source.lrshow")));
          } },
    };
    auto expectPictures = [&](MyDocument *document) {
        ASSERT_TRUE(document);
        const std::vector<SlidePtr> &slides = document->getImageHandler()->slides();
        ASSERT_EQ(slides.size(), colors.size());
        for (const SlidePtr &slide : slides) {
            const auto named = std::find(std::begin(names), std::end(names), slide->name());
            ASSERT_NE(named, std::end(names)) << slide->name().toStdString();
            QImage expected(slide->size(), QImage::Format_RGB32);
            expected.fill(colors[size_t(named - std::begin(names))]);
            EXPECT_LT(meanDifference(slide->pixels(slide->size()), expected), 8.0)
                << slide->name().toStdString();
        }
    };

    int round = 0;
    for (const Case &test : cases) {
        SCOPED_TRACE(test.what);
        for (size_t i = 0; i < colors.size(); ++i)
            writeJpeg(path(names[i]), colors[i]);
        MyDocument *document = nullptr;
        if (test.openedFromShowFile)
            document = openNow(controller, savedShow("source.lrshow"));
        else
            document = showOfThree();
        test.change();
        expectPictures(document);

        const QString saved = dir.filePath(QStringLiteral("saved%1.lrshow").arg(++round));
        panels.saveAsAnswer = saved;
        ASSERT_TRUE(saveAsNow(controller, document));
        controller.closeDocument(document);
        document = openNow(controller, saved);
        expectPictures(document);
        controller.closeDocument(document);
        QDir(dir.filePath(QStringLiteral("moved"))).removeRecursively();
    }
}
