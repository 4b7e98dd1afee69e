#include "fakes.h"
#include "slides/imagehandler.h"
#include "slides/numericcompare.h"
#include "testimagefiles.h"
#include "testslides.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

    const SlidePtr first = handler.selectImagesFromDrag(given);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->name(), QStringLiteral("IMG1.jpg"));
    EXPECT_EQ(namesOf(handler.slides()),
              (QStringList { QStringLiteral("IMG1.jpg"), QStringLiteral("img2.jpg"),
                             QStringLiteral("img10.jpg") }));
    EXPECT_TRUE(fakes.alerts.alerts.empty());
    EXPECT_EQ(fakes.importProgress.events,
              (QStringList { QStringLiteral("show 0"), QStringLiteral("progress 0/3"),
                             QStringLiteral("progress 1/3"), QStringLiteral("progress 2/3"),
                             QStringLiteral("progress 3/3"), QStringLiteral("close") }));

    ImageHandler panelHandler(fakes.services());
    fakes.openPanels.imageAnswers.push_back(given);
    ASSERT_TRUE(panelHandler.selectImages());
    EXPECT_EQ(namesOf(panelHandler.slides()),
              (QStringList { QStringLiteral("img10.jpg"), QStringLiteral("img2.jpg"),
                             QStringLiteral("IMG1.jpg") }));
    EXPECT_TRUE(fakes.openPanels.lastImageExtensions.contains(QStringLiteral("jpg")));
}

TEST_F(ImportTest, CancelledPanelChangesNothing)
{
    handler.appendSlide(makeSlide(QStringLiteral("kept.png")));
    EXPECT_EQ(handler.selectImages(), nullptr);
    EXPECT_EQ(handler.numImages(), 1);
    EXPECT_TRUE(fakes.importProgress.events.isEmpty());
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
    const SlidePtr first = handler.selectImages();
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
    EXPECT_EQ(handler.selectImages(), nullptr);
    expectOneAlert(NothingMessage, NothingInfo);
    EXPECT_EQ(fakes.importProgress.events.last(), QStringLiteral("close"));

    const SlidePtr held = makeSlide(QStringLiteral("held.png"));
    handler.appendSlide(held);
    fakes.openPanels.imageAnswers.push_back(QStringList { path(QStringLiteral("empty")) });
    EXPECT_EQ(handler.selectImages(), held);
    EXPECT_EQ(fakes.alerts.alerts.size(), 1u);
}

TEST_F(ImportTest, FailureKeepsWhatCameBeforeAndDropsTheRest)
{
    writeJpeg(path(QStringLiteral("1.jpg")));
    writeFile(path(QStringLiteral("2.jpg")), corruptJpeg());
    writeJpeg(path(QStringLiteral("3.jpg")));
    fakes.alerts.onAlert = [this] { EXPECT_FALSE(fakes.importProgress.open); };
    fakes.openPanels.imageAnswers.push_back(QStringList { path(QStringLiteral("1.jpg")),
                                                          path(QStringLiteral("2.jpg")),
                                                          path(QStringLiteral("3.jpg")) });

    EXPECT_EQ(handler.selectImages(), nullptr);
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
    writeFile(path(QStringLiteral("f/d.png")), hugeHeaderPng(60000, 60000));

    EXPECT_EQ(handler.scanDirectory(path(QStringLiteral("f"))), -1);
    EXPECT_EQ(namesOf(handler.slides()), QStringList { QStringLiteral("a.jpg") });
    EXPECT_EQ(fakes.log.outLines, QStringList { QStringLiteral("Error loading images.") });

    QFile::remove(path(QStringLiteral("f/b.jpg")));
    fakes.log.outLines.clear();
    const SlidePtr answer = handler.selectImagesFromDrag({path(QStringLiteral("f"))});
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
    EXPECT_EQ(handler.selectImagesFromDrag({path(QStringLiteral("notes.txt"))}), nullptr);
    expectOneAlert(ProblemMessage, ProblemInfo);
    EXPECT_EQ(handler.numImages(), 0);

    fakes.alerts.alerts.clear();
    fakes.alerts.beeps = 0;
    EXPECT_EQ(handler.selectImagesFromDrag({path(QStringLiteral("gone.jpg"))}), nullptr);
    expectOneAlert(ProblemMessage, ProblemInfo);
}

TEST_F(ImportTest, TwoImportsInARowAnswerTheVeryFirstSlide)
{
    writeJpeg(path(QStringLiteral("a.jpg")));
    writeJpeg(path(QStringLiteral("b.jpg")));
    const SlidePtr first = handler.selectImagesFromDrag({path(QStringLiteral("a.jpg"))});
    ASSERT_TRUE(first);
    handler.setIndex(0);
    const SlidePtr second = handler.selectImagesFromDrag({path(QStringLiteral("b.jpg"))});
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
    ASSERT_TRUE(handler.selectImages());
    QStringList expected;
    for (const QString &p : paths)
        expected.append(QFileInfo(p).fileName());
    EXPECT_EQ(namesOf(handler.slides()), expected);
    EXPECT_EQ(fakes.importProgress.events.at(fakes.importProgress.events.size() - 2),
              QStringLiteral("progress 40/40"));
}

TEST_F(ImportTest, RandomOrderHoldsTheSameSlidesAfterSuccessAndAfterFailure)
{
    handler.appendSlide(makeSlide(QStringLiteral("old.png")));
    handler.setRandom(true);
    writeJpeg(path(QStringLiteral("a.jpg")));
    writeJpeg(path(QStringLiteral("b.jpg")));
    writeFile(path(QStringLiteral("c.jpg")), corruptJpeg());

    ASSERT_TRUE(handler.selectImagesFromDrag({path(QStringLiteral("a.jpg"))}));
    auto sorted = [](std::vector<SlidePtr> slides) {
        std::sort(slides.begin(), slides.end());
        return slides;
    };
    EXPECT_EQ(sorted(handler.randomSlides()), sorted(handler.slides()));

    EXPECT_EQ(handler.selectImagesFromDrag(
                  { path(QStringLiteral("b.jpg")), path(QStringLiteral("c.jpg")) }),
              nullptr);
    ASSERT_EQ(handler.numImages(), 3);
    EXPECT_EQ(sorted(handler.randomSlides()), sorted(handler.slides()));
}

// Events that arrive while the progress window keeps moving may ask for another import; it is
// refused rather than run inside the first.
TEST_F(ImportTest, ImportInsideAnImportIsRefused)
{
    writeJpeg(path(QStringLiteral("a.jpg")));
    for (int i = 0; i < 6; ++i)
        writeJpeg(path(QStringLiteral("big%1.jpg").arg(i)), Qt::blue, QSize(1600, 1200));
    QStringList paths;
    for (int i = 0; i < 6; ++i)
        paths.append(path(QStringLiteral("big%1.jpg").arg(i)));
    SlidePtr inner = makeSlide(QStringLiteral("marker"));
    bool tried = false;
    fakes.importProgress.onKeepMoving = [&] {
        if (tried)
            return;
        tried = true;
        EXPECT_TRUE(ImageHandler::importInProgress());
        inner = handler.selectImagesFromDrag({path(QStringLiteral("a.jpg"))});
    };
    ASSERT_TRUE(handler.selectImagesFromDrag(paths));
    EXPECT_FALSE(ImageHandler::importInProgress());
    if (!tried)
        GTEST_SKIP() << "the decodes finished before the import had to wait";
    EXPECT_EQ(inner, nullptr);
    EXPECT_EQ(handler.numImages(), 6);
}
