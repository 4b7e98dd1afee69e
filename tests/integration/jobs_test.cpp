// SPDX-License-Identifier: GPL-3.0-or-later
// Imports, opens and saves as jobs off the GUI thread, on the real event loop with the real
// jobs, progress window and single-instance door: what cancelling leaves, what a show refuses
// while its own work runs, and what a request that comes meanwhile is answered.

#include "app/dragwatcher.h"
#include "app/instancedoor.h"
#include "document/mydocument.h"
#include "fakedocumentpanels.h"
#include "fakes.h"
#include "jobwaits.h"
#include "panels/progresspanel.h"
#include "panels/soundpanel.h"
#include "platform/qt/documentcontroller.h"
#include "platform/qt/job.h"
#include "poolgate.h"
#include "slides/imagehandler.h"
#include "soundtrack/soundhandler.h"
#include "testimagefiles.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <atomic>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <thread>

using namespace lanternreel;
using namespace lanternreel::testing;

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList namesOf(const std::vector<SlidePtr> &slides)
{
    QStringList names;
    for (const SlidePtr &slide : slides)
        names.append(slide->name());
    return names;
}

class JobsTest : public ::testing::Test
{
protected:
    JobsTest()
    {
        controller.setPanels(&panels);
        // The first pictures come in at once; the others take a while to decode, so that the
        // import is still at them when it is held up.
        for (int i = 0; i < 20; ++i) {
            const QString name = path(QStringLiteral("new%1.png").arg(i, 2, 10, QLatin1Char('0')));
            EXPECT_TRUE(twoToneImage(i < 2 ? QSize(64, 48) : QSize(2000, 1500),
                                     QColor::fromHsv(i * 15, 200, 200))
                            .save(name));
        }
        writeJpeg(path(QStringLiteral("old.jpg")));
    }
    ~JobsTest() override
    {
        gate.open();
        controller.setPanels(nullptr);
        controller.closeAll();
    }

    QString path(const QString &name) const { return dir.filePath(name); }
    QStringList newPictures(int count = 20) const
    {
        QStringList paths;
        for (int i = 0; i < count; ++i)
            paths.append(path(QStringLiteral("new%1.png").arg(i, 2, 10, QLatin1Char('0'))));
        return paths;
    }
    MyDocument *showOfOne()
    {
        auto *document = static_cast<MyDocument *>(controller.openUntitledDocumentAndDisplay());
        EXPECT_TRUE(importNow(document, { path(QStringLiteral("old.jpg")) }));
        return document;
    }
    // Shuts the gate once the import running in `document` has loaded its first picture.
    void holdUpAfterTheFirstPictures(MyDocument *document, int *loaded = nullptr)
    {
        ASSERT_TRUE(document->importJob());
        QObject::connect(document->importJob(), &Job::progressed, [this, loaded](int done, int) {
            if (loaded)
                *loaded = done;
            if (done >= 1)
                gate.shut();
        });
    }

    QTemporaryDir dir;
    PoolGate gate;
    FakeServices fakes;
    FakeDocumentPanels panels;
    DocumentController controller { [this] {
        return std::make_unique<MyDocument>(fakes.services());
    } };
};

} // namespace

// Cancel in the progress window, as the user presses it: the pictures loaded before stay in the
// show, in order, and nothing else comes in; nobody is told of a failure.
TEST_F(JobsTest, ACancelledImportKeepsTheSlidesLoadedBeforeIt)
{
    MyDocument *document = showOfOne();
    document->setDocumentEdited(false);
    auto shown = std::make_shared<std::optional<bool>>();
    document->dragOpen(newPictures(), [shown](bool answer) { *shown = answer; });
    int loaded = 0;
    holdUpAfterTheFirstPictures(document, &loaded);

    // Held up, the import outlasts the moment its window shows.
    ProgressPanel *panel = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            panel = document->window()->findChild<ProgressPanel *>();
            return panel && panel->isVisible();
        },
        JobDeadlineMs));
    EXPECT_EQ(panel->windowTitle(), QStringLiteral("Importing Images"));
    EXPECT_TRUE(panel->label()->text().startsWith(QStringLiteral("Imported ")));
    EXPECT_EQ(document->getImageHandler()->numImages(), 1) << "slides came in before the end";
    const int loadedBeforeCancel = loaded;
    ASSERT_GE(loadedBeforeCancel, 1);
    panel->cancelButton()->click();
    EXPECT_EQ(panel->label()->text(), QStringLiteral("Cancelling…"));
    gate.open();

    ASSERT_TRUE(waitFor(shown).has_value());
    EXPECT_FALSE(**shown);
    const QStringList names = namesOf(document->getImageHandler()->slides());
    ASSERT_GE(names.size(), 1 + loadedBeforeCancel);
    ASSERT_LT(names.size(), 21) << "the import went on to its end";
    QStringList expected { QStringLiteral("old.jpg") };
    for (qsizetype i = 1; i < names.size(); ++i)
        expected.append(QStringLiteral("new%1.png").arg(i - 1, 2, 10, QLatin1Char('0')));
    EXPECT_EQ(names, expected);
    EXPECT_TRUE(fakes.alerts.alerts.empty());
    EXPECT_TRUE(document->isDocumentEdited());
    EXPECT_FALSE(document->isImporting());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !document->window()->findChild<ProgressPanel *>(); }));
}

// A save cancelled halfway leaves the file as it was, byte for byte, and nothing beside it; the
// show still has its unsaved change.
TEST_F(JobsTest, ACancelledSaveLeavesTheOldFileByteIdentical)
{
    MyDocument *document = showOfOne();
    ASSERT_TRUE(importNow(document, newPictures(6)));
    panels.saveAsAnswer = path(QStringLiteral("trip.lrshow"));
    ASSERT_TRUE(saveAsNow(controller, document));
    const QByteArray before = contents(path(QStringLiteral("trip.lrshow")));
    ASSERT_FALSE(before.isEmpty());
    document->removeCurrentImage();
    ASSERT_TRUE(document->isDocumentEdited());

    gate.shut();
    auto saved = std::make_shared<std::optional<bool>>();
    controller.saveDocument(document, [saved](bool answer) { *saved = answer; });
    ASSERT_TRUE(controller.saveJob(document));
    ASSERT_FALSE(panels.jobs.isEmpty());
    panels.jobs.last()->cancel();
    gate.open();

    ASSERT_TRUE(waitFor(saved).has_value());
    EXPECT_FALSE(**saved);
    EXPECT_EQ(contents(path(QStringLiteral("trip.lrshow"))), before);
    EXPECT_EQ(QDir(dir.path()).entryList({ QStringLiteral("trip*") }, QDir::Files),
              QStringList { QStringLiteral("trip.lrshow") });
    EXPECT_TRUE(document->isDocumentEdited());
    EXPECT_TRUE(panels.failures.isEmpty());
    EXPECT_FALSE(document->isSaving());
}

// Closing, or quitting, while a show is saved waits for the save, which goes on to its end:
// the file holds the show as it was when the save began, and the show closes once it is written.
TEST_F(JobsTest, ClosingOrQuittingWhileAShowIsSavedWaitsForTheSave)
{
    for (const bool quit : { false, true }) {
        SCOPED_TRACE(quit ? "quit" : "close");
        MyDocument *document = showOfOne();
        ASSERT_TRUE(importNow(document, newPictures(4)));
        const QString file
            = path(quit ? QStringLiteral("quit.lrshow") : QStringLiteral("close.lrshow"));
        panels.saveAsAnswer = file;
        gate.shut();
        controller.saveDocumentAs(document);
        ASSERT_TRUE(controller.saveJob(document));

        EXPECT_FALSE(quit ? controller.closeAll() : controller.closeDocument(document));
        EXPECT_EQ(controller.documents().size(), 1u) << "closed before its save was written";
        EXPECT_TRUE(panels.askedToSave.isEmpty());
        gate.open();
        ASSERT_TRUE(QTest::qWaitFor([&] { return controller.documents().empty(); }, JobDeadlineMs));
        MyDocument *reopened = openNow(controller, file);
        ASSERT_NE(reopened, nullptr);
        EXPECT_EQ(reopened->getImageHandler()->numImages(), 5);
        controller.closeAll();
        gate.reset();
    }
}

// A cancelled open makes no document, shows no window and tells nobody anything.
TEST_F(JobsTest, ACancelledOpenOpensNothing)
{
    MyDocument *document = showOfOne();
    ASSERT_TRUE(importNow(document, newPictures(6)));
    panels.saveAsAnswer = path(QStringLiteral("trip.lrshow"));
    ASSERT_TRUE(saveAsNow(controller, document));
    controller.closeAll();
    fakes.log.outLines.clear();

    gate.shut();
    auto opened = std::make_shared<std::optional<Document *>>();
    controller.openDocument(path(QStringLiteral("trip.lrshow")),
                            [opened](Document *answer) { *opened = answer; });
    ASSERT_TRUE(controller.openJob(path(QStringLiteral("trip.lrshow"))));
    ASSERT_FALSE(panels.jobs.isEmpty());
    panels.jobs.last()->cancel();
    gate.open();

    ASSERT_TRUE(waitFor(opened).has_value());
    EXPECT_EQ(**opened, nullptr);
    EXPECT_TRUE(controller.documents().empty());
    EXPECT_TRUE(panels.failures.isEmpty());
    EXPECT_FALSE(fakes.log.outLines.contains(QStringLiteral("Loaded.")));
    EXPECT_TRUE(fakes.alerts.alerts.empty());
}

// While a show's own import or save runs, what would change it is refused, saying why; the
// show can still be stepped through; an import asked for meanwhile waits its turn.
TEST_F(JobsTest, ChangesWaitForTheImportOrTheSaveOfTheirShow)
{
    const QString sound = path(QStringLiteral("old.jpg")); // any file will do as a sound here
    fakes.mediaLength.set(sound, 5);
    struct Change
    {
        const char *what;
        std::function<void(MyDocument *)> act;
    };
    const Change changes[] = {
        { "remove the current picture", [](MyDocument *d) { d->removeCurrentImage(); } },
        { "remove every picture", [](MyDocument *d) { d->removeAllImages(); } },
        { "add a sound",
          [&](MyDocument *d) {
              fakes.openPanels.soundAnswers.push_back(QStringList { sound });
              d->addSong();
          } },
        { "remove a sound",
          [](MyDocument *d) {
              d->showSoundPanel();
              d->getSoundPanel()->tableView()->selectRow(0);
              d->removeSong();
          } },
    };
    for (const bool saving : { false, true }) {
        SCOPED_TRACE(saving ? "while it is saved" : "while it imports");
        MyDocument *document = showOfOne();
        ASSERT_TRUE(importNow(document, newPictures(3)));
        fakes.openPanels.soundAnswers.push_back(QStringList { sound });
        document->addSong();
        ASSERT_EQ(document->getSoundHandler()->numSounds(), 1);
        fakes.openPanels.soundAnswers.clear();

        auto later = std::make_shared<std::optional<bool>>();
        auto next = std::make_shared<std::optional<bool>>();
        if (saving) {
            *next = true; // nothing more asked of it
            panels.saveAsAnswer = path(QStringLiteral("busy.lrshow"));
            gate.shut();
            controller.saveDocumentAs(document);
            ASSERT_TRUE(controller.saveJob(document));
            // An import asked for now waits for the save.
            document->dragOpen({ path(QStringLiteral("new19.png")) },
                               [later](bool answer) { *later = answer; });
        } else {
            document->dragOpen(newPictures(), [later](bool answer) { *later = answer; });
            holdUpAfterTheFirstPictures(document);
            // A drop onto the window meanwhile waits for that import, and comes in after it.
            document->dragOpen({ path(QStringLiteral("old.jpg")) },
                               [next](bool answer) { *next = answer; });
            ASSERT_TRUE(QTest::qWaitFor([&] {
                return document->importJob() == nullptr || document->importJob()->isRunning();
            }));
        }
        const QString reason = saving ? QStringLiteral("saving") : QStringLiteral("importing");

        for (const Change &change : changes) {
            SCOPED_TRACE(change.what);
            fakes.alerts.alerts.clear();
            fakes.alerts.beeps = 0;
            change.act(document);
            EXPECT_EQ(document->getImageHandler()->numImages(), 4);
            EXPECT_EQ(document->getSoundHandler()->numSounds(), 1);
            ASSERT_EQ(fakes.alerts.alerts.size(), 1u);
            EXPECT_EQ(fakes.alerts.beeps, 1);
            EXPECT_EQ(fakes.alerts.alerts[0].messageText, QStringLiteral("Slideshow Is Busy"));
            EXPECT_TRUE(fakes.alerts.alerts[0].informativeText.contains(reason))
                << qPrintable(fakes.alerts.alerts[0].informativeText);
        }
        // Refused before the panel was asked: the answer given for it is still there.
        EXPECT_EQ(fakes.openPanels.soundAnswers.size(), 1u);
        fakes.openPanels.soundAnswers.clear();
        // Saving again is refused the same way.
        panels.failures.clear();
        EXPECT_FALSE(saveNow(controller, document));
        ASSERT_EQ(panels.failures.size(), 1);
        EXPECT_TRUE(panels.failures[0].contains(reason)) << qPrintable(panels.failures[0]);
        // Stepping through the show goes on.
        const SlidePtr first = document->currentImageView()->image();
        document->nextImage();
        EXPECT_NE(document->currentImageView()->image(), first);

        gate.open();
        ASSERT_TRUE(waitFor(later).has_value());
        EXPECT_TRUE(**later);
        ASSERT_TRUE(importsDone(document));
        EXPECT_EQ(next->value_or(false), true);
        const std::vector<SlidePtr> &slides = document->getImageHandler()->slides();
        ASSERT_EQ(slides.size(), saving ? 5u : 25u);
        EXPECT_EQ(slides.back()->name(),
                  saving ? QStringLiteral("new19.png") : QStringLiteral("old.jpg"));
        controller.setPanels(nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !document->isSaving(); }, JobDeadlineMs));
        controller.closeAll();
        controller.setPanels(&panels);
        gate.reset();
    }
}

namespace {

// A launch's knock, from a thread of its own as from another process.
class Launch
{
public:
    Launch(const QString &door, const QStringList &paths)
        : m_thread([this, door, paths] {
            m_reply = InstanceDoor::knock(door, paths);
            m_done = true;
        })
    { }
    ~Launch() { m_thread.join(); }
    bool done() const { return m_done; }
    std::optional<int> reply() const { return m_reply; }

private:
    std::optional<int> m_reply;
    std::atomic<bool> m_done = false;
    std::thread m_thread;
};

} // namespace

// A second launch's request that comes while an import runs is not lost or refused: it waits
// for that import, then runs its own, and hears how that went.
TEST_F(JobsTest, ASecondLaunchDuringAnImportIsAnsweredAfterIt)
{
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QByteArray previous = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    const QString name = InstanceDoor::serverName();
    qputenv("XDG_RUNTIME_DIR", previous);
    DragWatcher watcher(controller);
    InstanceDoor door(name, [&watcher](const QStringList &paths, InstanceDoor::Reply reply) {
        watcher.applicationOpenFiles(paths, std::move(reply));
    });
    ASSERT_TRUE(door.open());
    MyDocument *document = showOfOne();

    Launch first(name, newPictures());
    ASSERT_TRUE(QTest::qWaitFor([&] { return document->importJob() != nullptr; }, JobDeadlineMs));
    holdUpAfterTheFirstPictures(document);
    // The second holds a picture that is there and one that is not: it fails, keeping the one.
    writeFile(path(QStringLiteral("notes.jpg")), "not a picture");
    Launch second(name, { path(QStringLiteral("notes.jpg")), path(QStringLiteral("added.jpg")) });
    writeJpeg(path(QStringLiteral("added.jpg")));
    QTest::qWait(1000);
    EXPECT_FALSE(first.done());
    EXPECT_FALSE(second.done()) << "answered before its import could have run";
    EXPECT_EQ(document->getImageHandler()->numImages(), 1);

    gate.open();
    ASSERT_TRUE(QTest::qWaitFor([&] { return first.done() && second.done(); }, JobDeadlineMs));
    EXPECT_EQ(first.reply(), std::optional<int>(0));
    EXPECT_EQ(second.reply(), std::optional<int>(2));
    QStringList expected { QStringLiteral("old.jpg") };
    for (int i = 0; i < 20; ++i)
        expected.append(QStringLiteral("new%1.png").arg(i, 2, 10, QLatin1Char('0')));
    expected.append(QStringLiteral("added.jpg"));
    EXPECT_EQ(namesOf(document->getImageHandler()->slides()), expected);
    ASSERT_EQ(fakes.alerts.alerts.size(), 1u);
    EXPECT_EQ(fakes.alerts.alerts[0].messageText, QStringLiteral("Problem Loading Images"));
}
