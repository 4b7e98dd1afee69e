// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/importjob.h"
#include "fakes.h"
#include "fifowatchdog.h"
#include "slides/imagehandler.h"
#include "slides/numericcompare.h"
#include "testimagefiles.h"
#include "testslides.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtCore/qtestsupport_core.h>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace lanternreel;
using namespace lanternreel::testing;

namespace {

const QString ProblemMessage = QStringLiteral("Problem Loading Images");
const QString ProblemInfo = QStringLiteral(
    "Lanternreel encountered problems loading your images. Please make sure none are corrupt.");
const QString NothingMessage = QStringLiteral("No Valid Files Found");
const QString NothingInfo = QStringLiteral("No valid image files were found.");

QStringList namesOf(const std::vector<SlidePtr> &slides)
{
    QStringList names;
    for (const SlidePtr &slide : slides)
        names.append(slide->name());
    return names;
}

QByteArray corruptJpeg()
{
    QByteArray jpeg = jpegBytes(twoToneImage(QSize(200, 120)));
    return jpeg.left(jpeg.size() * 2 / 3);
}

// What an import's progress said, in order, as "3/60".
QStringList lastProgress;

// One import as the program runs it: the pictures load on the job's thread while this thread's
// event loop runs, then the handler takes them.
SlidePtr importNow(ImageHandler &handler, const QStringList &paths)
{
    ImportJob job(paths);
    lastProgress.clear();
    QObject::connect(&job, &Job::progressed, [](int done, int total) {
        lastProgress.append(QStringLiteral("%1/%2").arg(done).arg(total));
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return !job.isRunning(); }, 60000));
    return handler.applyImport(job.result());
}

SlidePtr dropNow(ImageHandler &handler, const QStringList &paths)
{
    return importNow(handler, ImageHandler::dragOrder(paths));
}

SlidePtr selectNow(ImageHandler &handler)
{
    const auto chosen = handler.chooseImages();
    return chosen ? importNow(handler, *chosen) : nullptr;
}

class ImportTest : public ::testing::Test
{
protected:
    QString path(const QString &relative) const { return dir.filePath(relative); }
    void expectOneAlert(const QString &message, const QString &info)
    {
        ASSERT_EQ(fakes.alerts.alerts.size(), 1u);
        EXPECT_EQ(fakes.alerts.alerts[0].messageText, message);
        EXPECT_EQ(fakes.alerts.alerts[0].informativeText, info);
        EXPECT_EQ(fakes.alerts.beeps, 1);
    }

    QTemporaryDir dir;
    FakeServices fakes;
    ImageHandler handler { fakes.services() };
};

} // namespace

TEST(NumericCompareTest, DigitRunsByValueLettersWithoutCase)
{
    QStringList paths { QStringLiteral("/p/img10.jpg"), QStringLiteral("/p/img2.jpg"),
                        QStringLiteral("/p/IMG1.jpg") };
    std::sort(paths.begin(), paths.end(),
              [](const QString &a, const QString &b) { return numericCompare(a, b) < 0; });
    EXPECT_EQ(paths,
              (QStringList { QStringLiteral("/p/IMG1.jpg"), QStringLiteral("/p/img2.jpg"),
                             QStringLiteral("/p/img10.jpg") }));

    EXPECT_EQ(numericCompare(QStringLiteral("a2"), QStringLiteral("a10")), -1);
    EXPECT_EQ(numericCompare(QStringLiteral("a10"), QStringLiteral("a2")), 1);
    EXPECT_EQ(numericCompare(QStringLiteral("Photo"), QStringLiteral("photo")), 0);
    EXPECT_EQ(numericCompare(QStringLiteral("a"), QStringLiteral("ab")), -1);
    EXPECT_EQ(numericCompare(QStringLiteral("x007"), QStringLiteral("x7")), 0);
    EXPECT_EQ(numericCompare(QStringLiteral("v1.10"), QStringLiteral("v1.9")), 1);
    // Longer than any integer type: still by value.
    EXPECT_EQ(numericCompare(QStringLiteral("n99999999999999999999"),
                             QStringLiteral("n100000000000000000000")),
              -1);
    // The whole path counts, so one folder's files stay together.
    EXPECT_EQ(numericCompare(QStringLiteral("/a/z.jpg"), QStringLiteral("/b/a.jpg")), -1);
    // A name copied from a system that writes accents apart (e + combining acute) is the same
    // name as the one written with the accented letter.
    const QString composed = QStringLiteral("caf\u00e9");
    const QString decomposed = QStringLiteral("cafe\u0301");
    EXPECT_EQ(numericCompare(composed, decomposed), 0);
    EXPECT_EQ(numericCompare(decomposed + QStringLiteral(" 10"), composed + QStringLiteral(" 9")),
              1);
    EXPECT_EQ(numericCompare(decomposed + QStringLiteral(" 2"), composed + QStringLiteral(" 10")),
              -1);
    EXPECT_EQ(numericCompare(QStringLiteral("CAFE\u0301"), QStringLiteral("caf\u00e9s")), -1);
}

TEST_F(ImportTest, DroppedPathsAreSortedButPanelOrderIsKept)
{
    for (const char *name : { "img10.jpg", "img2.jpg", "IMG1.jpg" })
        writeJpeg(path(QLatin1String(name)));
    const QStringList given { path(QStringLiteral("img10.jpg")), path(QStringLiteral("img2.jpg")),
                              path(QStringLiteral("IMG1.jpg")) };

    const SlidePtr first = dropNow(handler, given);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->name(), QStringLiteral("IMG1.jpg"));
    EXPECT_EQ(namesOf(handler.slides()),
              (QStringList { QStringLiteral("IMG1.jpg"), QStringLiteral("img2.jpg"),
                             QStringLiteral("img10.jpg") }));
    EXPECT_TRUE(fakes.alerts.alerts.empty());
    ASSERT_FALSE(lastProgress.isEmpty());
    EXPECT_EQ(lastProgress.last(), QStringLiteral("3/3"));

    ImageHandler panelHandler(fakes.services());
    fakes.openPanels.imageAnswers.push_back(given);
    ASSERT_TRUE(selectNow(panelHandler));
    EXPECT_EQ(namesOf(panelHandler.slides()),
              (QStringList { QStringLiteral("img10.jpg"), QStringLiteral("img2.jpg"),
                             QStringLiteral("IMG1.jpg") }));
    EXPECT_TRUE(fakes.openPanels.lastImageExtensions.contains(QStringLiteral("jpg")));
}

TEST_F(ImportTest, CancelledPanelChangesNothing)
{
    handler.appendSlide(makeSlide(QStringLiteral("kept.png")));
    EXPECT_EQ(selectNow(handler), nullptr);
    EXPECT_EQ(handler.numImages(), 1);
    EXPECT_TRUE(fakes.alerts.alerts.empty());
    EXPECT_EQ(fakes.alerts.beeps, 0);
}

TEST_F(ImportTest, FolderScanIsRecursiveAndSkipsOtherFiles)
{
    writeJpeg(path(QStringLiteral("trip/a.jpg")));
    writeJpeg(path(QStringLiteral("trip/day1/b.jpg")));
    writeJpeg(path(QStringLiteral("trip/day1/deeper/c.JPG")));
    writeFile(path(QStringLiteral("trip/day1/photo.txt")), "not a picture");
    writeFile(path(QStringLiteral("trip/README")), "no extension");
    writeJpeg(path(QStringLiteral("trip/z.jpg")));

    fakes.openPanels.imageAnswers.push_back(QStringList { path(QStringLiteral("trip")) });
    const SlidePtr first = selectNow(handler);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->name(), QStringLiteral("a.jpg"));
    EXPECT_EQ(namesOf(handler.slides()),
              (QStringList { QStringLiteral("a.jpg"), QStringLiteral("b.jpg"),
                             QStringLiteral("c.JPG"), QStringLiteral("z.jpg") }));
    EXPECT_TRUE(fakes.alerts.alerts.empty());
    EXPECT_TRUE(fakes.log.outLines.isEmpty());
    EXPECT_EQ(handler.scanDirectory(path(QStringLiteral("trip"))), 0);
    EXPECT_EQ(handler.numImages(), 8);
}

// A folder's files come in the order of names handed over from outside, and any case of a
// picture extension counts.
TEST_F(ImportTest, FolderContentsComeInNumericOrderWhateverTheCase)
{
    const QString composedCafe = QStringLiteral("caf\u00e9 1.jpg");
    const QString decomposedCafe = QStringLiteral("cafe\u0301 2.jpg");
    const QStringList files { QStringLiteral("photo 10.jpg"),
                              QStringLiteral("photo 2.jpg"),
                              QStringLiteral("Photo 1.jpg"),
                              QStringLiteral("b.JPG"),
                              QStringLiteral("a.jpg"),
                              QStringLiteral("d.Jpg"),
                              QStringLiteral("e.jPeG"),
                              decomposedCafe,
                              composedCafe,
                              QStringLiteral("day 10/y.jpg"),
                              QStringLiteral("Day 2/x.jpg") };
    for (const QString &file : files)
        writeJpeg(path(QStringLiteral("trip/") + file));
    writeFile(path(QStringLiteral("trip/notes.TXT")), "not a picture");

    const QStringList expected { QStringLiteral("a.jpg"),
                                 QStringLiteral("b.JPG"),
                                 composedCafe,
                                 decomposedCafe,
                                 QStringLiteral("d.Jpg"),
                                 QStringLiteral("x.jpg"),
                                 QStringLiteral("y.jpg"),
                                 QStringLiteral("e.jPeG"),
                                 QStringLiteral("Photo 1.jpg"),
                                 QStringLiteral("photo 2.jpg"),
                                 QStringLiteral("photo 10.jpg") };
    const auto joined = [](const QStringList &names) { return names.join(" | ").toStdString(); };
    ASSERT_TRUE(dropNow(handler, { path(QStringLiteral("trip")) }));
    EXPECT_EQ(joined(namesOf(handler.slides())), joined(expected));
    handler.removeAllImages();
    fakes.openPanels.imageAnswers.push_back(QStringList { path(QStringLiteral("trip")) });
    ASSERT_TRUE(selectNow(handler));
    EXPECT_EQ(joined(namesOf(handler.slides())), joined(expected));
    EXPECT_TRUE(fakes.alerts.alerts.empty());
}

TEST_F(ImportTest, SymbolicLinkLoopEnds)
{
    writeJpeg(path(QStringLiteral("top/one.jpg")));
    writeJpeg(path(QStringLiteral("top/sub/two.jpg")));
    ASSERT_TRUE(QFile::link(path(QStringLiteral("top")), path(QStringLiteral("top/sub/back"))));
    ASSERT_TRUE(QFile::link(path(QStringLiteral("top/sub")), path(QStringLiteral("top/sub/self"))));

    EXPECT_EQ(handler.scanDirectory(path(QStringLiteral("top"))), 0);
    EXPECT_EQ(namesOf(handler.slides()),
              (QStringList { QStringLiteral("one.jpg"), QStringLiteral("two.jpg") }));
}

TEST_F(ImportTest, UnreadableSubfolderIsSkipped)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "running as root: every folder is readable";
    writeJpeg(path(QStringLiteral("top/one.jpg")));
    writeJpeg(path(QStringLiteral("top/locked/hidden.jpg")));
    QFile::setPermissions(path(QStringLiteral("top/locked")), QFileDevice::WriteOwner);
    EXPECT_EQ(handler.scanDirectory(path(QStringLiteral("top"))), 0);
    QFile::setPermissions(path(QStringLiteral("top/locked")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(namesOf(handler.slides()), QStringList { QStringLiteral("one.jpg") });
}

TEST_F(ImportTest, NothingFoundOnlyWhileTheListStaysEmpty)
{
    writeFile(path(QStringLiteral("empty/notes.txt")), "words");
    fakes.openPanels.imageAnswers.push_back(QStringList { path(QStringLiteral("empty")) });
    EXPECT_EQ(selectNow(handler), nullptr);
    expectOneAlert(NothingMessage, NothingInfo);

    const SlidePtr held = makeSlide(QStringLiteral("held.png"));
    handler.appendSlide(held);
    fakes.openPanels.imageAnswers.push_back(QStringList { path(QStringLiteral("empty")) });
    EXPECT_EQ(selectNow(handler), held);
    EXPECT_EQ(fakes.alerts.alerts.size(), 1u);
}

TEST_F(ImportTest, FailureKeepsWhatCameBeforeAndDropsTheRest)
{
    writeJpeg(path(QStringLiteral("1.jpg")));
    writeFile(path(QStringLiteral("2.jpg")), corruptJpeg());
    writeJpeg(path(QStringLiteral("3.jpg")));
    fakes.openPanels.imageAnswers.push_back(QStringList { path(QStringLiteral("1.jpg")),
                                                          path(QStringLiteral("2.jpg")),
                                                          path(QStringLiteral("3.jpg")) });

    EXPECT_EQ(selectNow(handler), nullptr);
    EXPECT_EQ(namesOf(handler.slides()), QStringList { QStringLiteral("1.jpg") });
    expectOneAlert(ProblemMessage, ProblemInfo);
    // Only a file found inside a folder writes the line.
    EXPECT_TRUE(fakes.log.outLines.isEmpty());
}

TEST_F(ImportTest, CorruptFileInsideAFolderWritesTheLine)
{
    writeJpeg(path(QStringLiteral("f/a.jpg")));
    writeFile(path(QStringLiteral("f/b.jpg")), corruptJpeg());
    writeJpeg(path(QStringLiteral("f/c.jpg")));
    writeFile(path(QStringLiteral("f/d.jpg")), corruptJpeg());

    EXPECT_EQ(handler.scanDirectory(path(QStringLiteral("f"))), -1);
    EXPECT_EQ(namesOf(handler.slides()), QStringList { QStringLiteral("a.jpg") });
    EXPECT_EQ(fakes.log.outLines, QStringList { QStringLiteral("Error loading images.") });

    QFile::remove(path(QStringLiteral("f/b.jpg")));
    fakes.log.outLines.clear();
    const SlidePtr answer = dropNow(handler, { path(QStringLiteral("f")) });
    EXPECT_EQ(answer, nullptr);
    EXPECT_EQ(namesOf(handler.slides()),
              (QStringList { QStringLiteral("a.jpg"), QStringLiteral("a.jpg"),
                             QStringLiteral("c.jpg") }));
    EXPECT_EQ(fakes.log.outLines, QStringList { QStringLiteral("Error loading images.") });
    expectOneAlert(ProblemMessage, ProblemInfo);
}

TEST_F(ImportTest, DroppedTextFileAndMissingPathFail)
{
    writeFile(path(QStringLiteral("notes.txt")), "not a picture");
    EXPECT_EQ(dropNow(handler, { path(QStringLiteral("notes.txt")) }), nullptr);
    expectOneAlert(ProblemMessage, ProblemInfo);
    EXPECT_EQ(handler.numImages(), 0);

    fakes.alerts.alerts.clear();
    fakes.alerts.beeps = 0;
    EXPECT_EQ(dropNow(handler, { path(QStringLiteral("gone.jpg")) }), nullptr);
    expectOneAlert(ProblemMessage, ProblemInfo);
}

namespace {

void makeSparse(const QString &path, qint64 bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(bytes)); // ftruncate: no blocks written
}

} // namespace

// Whatever a path names, the import reads a bounded amount of it and ends with an answer: what
// is not a regular file is refused unread, a file or picture beyond what the program can hold
// is refused as too large (not as corrupt), and a large real picture opens. The same whether
// the path is handed over or found in a folder.
TEST_F(ImportTest, EveryKindOfPathEndsTheImportWithTheRightAnswer)
{
    enum Outcome { Loads, Fails, TooLarge };
    const struct
    {
        const char *what;
        const char *name;
        std::function<void(const QString &)> make;
        Outcome outcome;
    } cases[] = {
        { "a path that does not exist", "gone.jpg", [](const QString &) {}, Fails },
        { "a FIFO", "z.png",
          [](const QString &p) { ASSERT_EQ(mkfifo(QFile::encodeName(p).constData(), 0600), 0); },
          Fails },
        { "a link to /dev/zero", "zero.jpg",
          [](const QString &p) { ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), p)); },
          Fails },
        { "a 30 GB sparse file", "huge.jpg", [](const QString &p) { makeSparse(p, 30LL << 30); },
          TooLarge },
        { "a 1 GB sparse file", "big.jpg", [](const QString &p) { makeSparse(p, 1LL << 30); },
          TooLarge },
        { "a header claiming 60000 x 60000 pixels", "claim.png",
          [](const QString &p) { writeFile(p, hugeHeaderPng(60000, 60000)); }, TooLarge },
        { "a 12000 x 12000 panorama", "pano.png",
          [](const QString &p) {
              QImage image(12000, 12000, QImage::Format_RGB888);
              image.fill(Qt::darkCyan);
              ASSERT_TRUE(image.save(p, "PNG"));
          },
          Loads },
    };
    for (const auto &c : cases) {
        for (const bool inFolder : { false, true }) {
            SCOPED_TRACE(std::string(c.what) + (inFolder ? " in a folder" : " handed over"));
            if (inFolder && c.outcome == Fails && QLatin1String(c.name) == "gone.jpg")
                continue; // a folder lists only what exists
            const QString folder = path(QStringLiteral("%1-%2").arg(c.name).arg(inFolder));
            ASSERT_TRUE(QDir().mkpath(folder));
            const QString file = folder + QLatin1Char('/') + QLatin1String(c.name);
            c.make(file);
            if (handler.numImages() > 0)
                handler.removeAllImages();
            fakes.alerts.alerts.clear();
            fakes.alerts.beeps = 0;
            fakes.log.outLines.clear();

            SlidePtr answer;
            {
                struct stat status;
                const bool fifo = lstat(QFile::encodeName(file).constData(), &status) == 0
                    && S_ISFIFO(status.st_mode);
                FifoWatchdog watchdog(fifo ? QStringList { file } : QStringList());
                answer = dropNow(handler, { inFolder ? folder : file });
                EXPECT_FALSE(watchdog.released()) << "the import waited on the FIFO";
            }
            if (c.outcome == Loads) {
                ASSERT_TRUE(answer);
                EXPECT_EQ(answer->name(), QLatin1String(c.name));
                EXPECT_EQ(answer->size(), QSize(12000, 12000));
                EXPECT_TRUE(fakes.alerts.alerts.empty());
                QFile::remove(file);
                continue;
            }
            EXPECT_EQ(answer, nullptr);
            EXPECT_EQ(handler.numImages(), 0);
            ASSERT_EQ(fakes.alerts.alerts.size(), 1u);
            EXPECT_EQ(fakes.alerts.beeps, 1);
            const RecordedAlert &alert = fakes.alerts.alerts[0];
            EXPECT_EQ(alert.messageText, ProblemMessage);
            // The details name the very file, found in a folder or handed over.
            EXPECT_TRUE(alert.details.contains(QFileInfo(file).absoluteFilePath()))
                << qPrintable(alert.details);
            if (c.outcome == Fails) {
                EXPECT_EQ(alert.informativeText, ProblemInfo);
            } else {
                EXPECT_TRUE(alert.informativeText.startsWith(
                    QStringLiteral("Lanternreel encountered problems loading your images. ")))
                    << qPrintable(alert.informativeText);
                EXPECT_TRUE(alert.informativeText.contains(
                    QStringLiteral("\u201c%1\u201d is too large").arg(QLatin1String(c.name))))
                    << qPrintable(alert.informativeText);
                EXPECT_FALSE(alert.informativeText.contains(QStringLiteral("corrupt")));
            }
            EXPECT_EQ(fakes.log.outLines,
                      inFolder ? QStringList { QStringLiteral("Error loading images.") }
                               : QStringList());
            QFile::remove(file);
        }
    }
}

// Memory running out while a picture is read on a worker thread ends that load like any other
// failure; it must not end the program.
TEST_F(ImportTest, RunningOutOfMemoryIsALoadFailure)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer reserves more address space than any limit allows";
#else
    // Worker threads and their allocator arenas exist before the limit goes on.
    writeJpeg(path(QStringLiteral("warm.jpg")));
    ASSERT_TRUE(dropNow(handler, { path(QStringLiteral("warm.jpg")) }));
    // A real picture's worth of bytes, in a file well within the size allowed.
    makeSparse(path(QStringLiteral("roomy.png")), 384LL << 20);

    auto addressSpace = [] {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return qint64(0);
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmSize:"))
                return line.mid(7).trimmed().split(' ').first().toLongLong() * 1024;
        }
        return qint64(0);
    };
    const qint64 used = addressSpace();
    ASSERT_GT(used, 0);
    rlimit before {};
    ASSERT_EQ(getrlimit(RLIMIT_AS, &before), 0);
    rlimit tight = before;
    tight.rlim_cur = rlim_t(used + (192LL << 20));
    ASSERT_EQ(setrlimit(RLIMIT_AS, &tight), 0);
    const SlidePtr answer = dropNow(handler, { path(QStringLiteral("roomy.png")) });
    ASSERT_EQ(setrlimit(RLIMIT_AS, &before), 0);

    EXPECT_EQ(answer, nullptr);
    EXPECT_EQ(handler.numImages(), 1);
    ASSERT_EQ(fakes.alerts.alerts.size(), 1u);
    EXPECT_EQ(fakes.alerts.alerts[0].messageText, ProblemMessage);
    EXPECT_TRUE(fakes.alerts.alerts[0].informativeText.contains(
        QStringLiteral("\u201croomy.png\u201d is too large")))
        << qPrintable(fakes.alerts.alerts[0].informativeText);
#endif
}

TEST_F(ImportTest, TwoImportsInARowAnswerTheVeryFirstSlide)
{
    writeJpeg(path(QStringLiteral("a.jpg")));
    writeJpeg(path(QStringLiteral("b.jpg")));
    const SlidePtr first = dropNow(handler, { path(QStringLiteral("a.jpg")) });
    ASSERT_TRUE(first);
    handler.setIndex(0);
    const SlidePtr second = dropNow(handler, { path(QStringLiteral("b.jpg")) });
    EXPECT_EQ(second, first);
    EXPECT_EQ(namesOf(handler.slides()),
              (QStringList { QStringLiteral("a.jpg"), QStringLiteral("b.jpg") }));
}

TEST_F(ImportTest, ManyFilesArriveInPathOrder)
{
    QStringList paths;
    for (int i = 0; i < 40; ++i) {
        // Sizes differ so that decodes finish out of order.
        const QString name = QStringLiteral("p%1.jpg").arg(i);
        writeJpeg(path(name), QColor::fromHsv(i * 9, 200, 200),
                  QSize(40 + (39 - i) * 12, 30 + (i % 5) * 40));
        paths.append(path(name));
    }
    fakes.openPanels.imageAnswers.push_back(paths);
    ASSERT_TRUE(selectNow(handler));
    QStringList expected;
    for (const QString &p : paths)
        expected.append(QFileInfo(p).fileName());
    EXPECT_EQ(namesOf(handler.slides()), expected);
    EXPECT_EQ(lastProgress.last(), QStringLiteral("40/40"));
}

TEST_F(ImportTest, RandomOrderHoldsTheSameSlidesAfterSuccessAndAfterFailure)
{
    handler.appendSlide(makeSlide(QStringLiteral("old.png")));
    handler.setRandom(true);
    writeJpeg(path(QStringLiteral("a.jpg")));
    writeJpeg(path(QStringLiteral("b.jpg")));
    writeFile(path(QStringLiteral("c.jpg")), corruptJpeg());

    ASSERT_TRUE(dropNow(handler, { path(QStringLiteral("a.jpg")) }));
    auto sorted = [](std::vector<SlidePtr> slides) {
        std::sort(slides.begin(), slides.end());
        return slides;
    };
    EXPECT_EQ(sorted(handler.randomSlides()), sorted(handler.slides()));

    EXPECT_EQ(dropNow(handler, { path(QStringLiteral("b.jpg")), path(QStringLiteral("c.jpg")) }),
              nullptr);
    ASSERT_EQ(handler.numImages(), 3);
    EXPECT_EQ(sorted(handler.randomSlides()), sorted(handler.slides()));
}
