// File › Export Video… and Export Slides… as the user goes through them: the real dialogs, the
// real jobs on the real event loop, and the files they leave.

#include "document/mydocument.h"
#include "document/preferencekeys.h"
#include "document/show.h"
#include "export/videoexport.h"
#include "fakedocumentpanels.h"
#include "fakes.h"
#include "jobwaits.h"
#include "mediacheck.h"
#include "panels/exportvideopanel.h"
#include "panels/progresspanel.h"
#include "platform/qt/documentcontroller.h"
#include "slides/imagehandler.h"
#include "testimagefiles.h"
#include "tonefiles.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace lanternreel;
using namespace lanternreel::testing;

namespace {

const QColor FullScreenColor(30, 96, 160);

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The dialog of that kind the command has put up.
template<typename Dialog> Dialog *shownDialog()
{
    Dialog *found = nullptr;
    (void)QTest::qWaitFor(
        [&] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                if (auto *dialog = qobject_cast<Dialog *>(widget); dialog && dialog->isVisible())
                    found = dialog;
            }
            return found != nullptr;
        },
        5000);
    EXPECT_TRUE(found) << Dialog::staticMetaObject.className();
    return found;
}

void choose(const QString &path)
{
    if (auto *dialog = shownDialog<QFileDialog>()) {
        dialog->selectFile(path);
        static_cast<QDialog *>(dialog)->accept();
    }
}

class ExportMenuTest : public ::testing::Test
{
protected:
    ExportMenuTest()
    {
        controller.setPanels(&panels);
        fakes.preferences.stored.insert(ColorKey, FullScreenColor.name(QColor::HexArgb));
        writeFile(path("a.jpg"), jpegBytes(distinctPicture(0)));
        EXPECT_TRUE(distinctPicture(1).save(path("b.png")));
        EXPECT_TRUE(distinctPicture(2).scaled(320, 240).save(path("c.bmp")));
        document = static_cast<MyDocument *>(controller.openUntitledDocumentAndDisplay());
        EXPECT_TRUE(importNow(document, { path("a.jpg"), path("b.png"), path("c.bmp") }));
    }
    ~ExportMenuTest() override
    {
        controller.setPanels(nullptr);
        controller.closeAll();
    }

    QString path(const QString &name) const { return dir.filePath(name); }
    bool exported() const
    {
        return QTest::qWaitFor([this] { return !document->exportJob(); }, JobDeadlineMs);
    }

    QTemporaryDir dir;
    FakeServices fakes;
    FakeDocumentPanels panels;
    DocumentController controller { [this] {
        return std::make_unique<MyDocument>(fakes.services());
    } };
    MyDocument *document = nullptr;
};

struct VideoCase
{
    const char *name;
    bool random;
    bool cancel; // in the progress window, as soon as the export runs
};

TEST_F(ExportMenuTest, ExportsTheShowAsItPlaysOrNothingWhenCancelled)
{
    ASSERT_TRUE(writeToneWav(path("tone.wav"), 2, 440));
    ASSERT_TRUE(writeToneWav(path("gone.wav"), 2, 660));
    for (const char *sound : { "tone.wav", "gone.wav" }) {
        fakes.mediaLength.set(path(sound), 2);
        fakes.openPanels.soundAnswers.push_back(QStringList { path(sound) });
        document->addSong();
    }
    QFile::remove(path("gone.wav"));
    document->show()->setInterval(1);
    const QSize size = ExportVideoPanel::sizes()[1];
    const VideoCase cases[] = {
        { "in display order", false, false },
        // From the third slide, which the random order then starts with.
        { "in the random order", true, false },
        { "cancelled", true, true },
    };
    int number = 0;
    for (const VideoCase &c : cases) {
        SCOPED_TRACE(c.name);
        fakes.alerts.alerts.clear();
        if (document->show()->isRandom() != c.random) {
            document->nextImage();
            document->nextImage();
            document->randomizeSlides();
        }
        const QString video = path(QStringLiteral("video%1.mp4").arg(++number));
        document->exportVideo();
        auto *panel = shownDialog<ExportVideoPanel>();
        ASSERT_TRUE(panel);
        panel->sizeChoice()->setCurrentIndex(1);
        panel->accept();
        choose(video);
        ASSERT_TRUE(document->exportJob());
        if (c.cancel)
            ProgressPanel(*document->exportJob()).cancelButton()->click();
        ASSERT_TRUE(exported());

        if (c.cancel) {
            EXPECT_FALSE(QFile::exists(video));
            EXPECT_TRUE(QDir(dir.path()).entryList({ "*.part" }, QDir::Hidden).isEmpty());
            EXPECT_TRUE(fakes.alerts.alerts.empty());
            continue;
        }
        ASSERT_EQ(fakes.alerts.alerts.size(), 1u);
        EXPECT_EQ(fakes.alerts.alerts[0].messageText, "Missing Sound Files");
        EXPECT_EQ(fakes.alerts.alerts[0].informativeText.count("gone.wav"), 1);
        EXPECT_FALSE(fakes.alerts.alerts[0].informativeText.contains("tone.wav"));

        const ImageHandler &images = *document->getImageHandler();
        const std::vector<SlidePtr> order = c.random ? images.randomSlides() : images.slides();
        ASSERT_EQ(order.size(), 3u);
        if (c.random) {
            EXPECT_EQ(order[0]->name(), "c.bmp");
        }
        // The export keeps no pixels in the slides, which the show holds for its whole life.
        for (const SlidePtr &slide : order)
            EXPECT_FALSE(slide->hasPixels(fittedSize(slide->size(), size)))
                << qPrintable(slide->name());

        const Probed probed = probe(video);
        EXPECT_EQ(probed.streams, QStringList({ "audio aac", "video h264" }));
        EXPECT_EQ(probed.size, size);
        EXPECT_NEAR(probed.seconds, 3, 0.1);
        for (int i = 0; i < 3; ++i) {
            const QImage frame = frameAt(video, i + 0.5, path("frame.png"));
            const QImage expected
                = expectedFrame(QImage(path(order[size_t(i)]->name())), size, FullScreenColor);
            EXPECT_LT(meanDifference(frame, expected), 4.0) << "slide " << i;
        }
    }
}

struct SlidesRound
{
    const char *name;
    QString answer; // to the question about the files there; none is asked when empty
    bool replaced;
};

TEST_F(ExportMenuTest, ExportsTheSlidesUntouchedAndAsksBeforeReplacingAny)
{
    const QString folder = path("slides");
    QDir().mkpath(folder);
    const QByteArray mine = "the user's own file";
    const SlidesRound rounds[] = {
        { "into an empty folder", {}, true },
        { "keeping the files there", "Keep Them", false },
        { "replacing them", "Replace", true },
    };
    for (const SlidesRound &round : rounds) {
        SCOPED_TRACE(round.name);
        if (!round.answer.isEmpty()) {
            writeFile(folder + "/002 - b.png", mine);
            QFile::remove(folder + "/003 - c.png");
        }
        document->exportSlides();
        choose(folder);
        if (!round.answer.isEmpty()) {
            ASSERT_TRUE(QTest::qWaitFor([this] { return !document->exportJob(); }));
            auto *box = shownDialog<QMessageBox>();
            ASSERT_TRUE(box);
            EXPECT_TRUE(box->text().contains("2 of the slides' files"));
            for (QAbstractButton *button : box->buttons()) {
                if (button->text() == round.answer)
                    button->click();
            }
        }
        ASSERT_TRUE(exported());

        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden),
                  QStringList({ "001 - a.jpg", "002 - b.png", "003 - c.png" }));
        EXPECT_TRUE(contents(folder + "/001 - a.jpg") == contents(path("a.jpg")));
        EXPECT_TRUE(contents(folder + "/002 - b.png")
                    == (round.replaced ? contents(path("b.png")) : mine));
        EXPECT_TRUE(contents(folder + "/003 - c.png").startsWith("\x89PNG"));
        const QImage converted(folder + "/003 - c.png");
        EXPECT_EQ(converted.convertToFormat(QImage::Format_RGB32),
                  QImage(path("c.bmp")).convertToFormat(QImage::Format_RGB32));
        EXPECT_TRUE(fakes.alerts.alerts.empty());
    }
}

} // namespace
