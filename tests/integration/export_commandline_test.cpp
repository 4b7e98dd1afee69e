// The real program exporting a real saved show from the command line, without a display: the
// video as ffprobe and ffmpeg see it, the slides byte for byte, and what it refuses.

#include "app/instancedoor.h"
#include "document/model.h"
#include "document/showarchive.h"
#include "mediacheck.h"
#include "slides/imagehandler.h"
#include "testimagefiles.h"
#include "tonefiles.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>
#include <map>

using namespace lanternreel;
using namespace lanternreel::testing;

namespace {

constexpr int SlideCount = 10;

// Names a show file may hold, which anyone can write, and what the files are called.
const std::pair<QString, QString> Names[SlideCount] = {
    { "beach.jpg", "001 - beach.jpg" },
    { "../../escape.jpg", "002 - .._.._escape.jpg" },
    { "a/b\\c:d*e?.jpeg", "003 - a_b_c_d_e_.jpeg" },
    { "tab\tand\nnewline.JPG", "004 - tab_and_newline.JPG" },
    { QString(), "005.jpg" },
    { "photo.png", "006 - photo.jpg" }, // stored as a JPEG, as every slide of a saved show is
    { QString(300, 'x') + ".jpg", "007 - " + QString(190, 'x') + ".jpg" },
    { "..", "008.jpg" },
    { "  spaced out . .jpg", "009 - spaced out.jpg" },
    { "tenth", "010 - tenth.jpg" },
};

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

class ExportCommandLineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ShowSnapshot show;
        for (int i = 0; i < SlideCount; ++i)
            show.slides.push_back(
                Slide::fromEncoded(Names[i].first, jpegBytes(distinctPicture(i))));
        ASSERT_TRUE(writeToneWav(dir.filePath("low.wav"), 12, 440));
        ASSERT_TRUE(writeToneWav(dir.filePath("high.wav"), 25, 660));
        show.soundPaths
            = { dir.filePath("low.wav"), dir.filePath("missing.wav"), dir.filePath("high.wav") };
        show.soundLengths = { "0:12", "0:00", "0:25" };
        show.soundNames = { "low.wav", "missing.wav", "high.wav" };
        show.totalLength = 37;
        QFile file(showPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(writeShow(file, show, WorkControl()));
        file.close();

        // What the file holds: what the slides must be, byte for byte.
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QString why;
        const std::unique_ptr<Model> model = readShow(file, Services(), &why);
        ASSERT_TRUE(model) << qPrintable(why);
        stored = model->getImageHandler()->storedImages();
        ASSERT_EQ(stored.size(), size_t(SlideCount));

        // A running program's door, private to this test: an export must never knock.
        ASSERT_TRUE(runtime.isValid());
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.remove("QT_QPA_PLATFORM");
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        ASSERT_TRUE(door.listen(InstanceDoor::serverName()));
    }
    void TearDown() override { EXPECT_FALSE(door.hasPendingConnections()); }

    QString showPath() const { return dir.filePath("show.lrshow"); }
    std::map<QString, QByteArray> everySlide() const
    {
        std::map<QString, QByteArray> files;
        for (int i = 0; i < SlideCount; ++i)
            files[Names[i].second] = stored[size_t(i)];
        return files;
    }

    QTemporaryDir dir;
    QTemporaryDir runtime;
    QLocalServer door;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    std::vector<QByteArray> stored;
};

struct Case
{
    const char *name;
    QStringList arguments; // "OUT" stands for the case's own folder, "SHOW" for the show file
    std::map<QString, QByteArray> before; // files in that folder before the run
    int exitCode; // a signal number when `interrupt`
    QString said; // a part of standard error
    std::map<QString, QByteArray> after; // every file there after it; an empty one is a video
    QSize videoSize = {};
    double videoSeconds = 0;
    bool interrupt = false; // SIGINT once the video is being written
};

TEST_F(ExportCommandLineTest, ExportsASavedShowOrSaysWhyNot)
{
    const QByteArray mine = "the user's own file";
    const QByteArray whole = contents(showPath());
    const QByteArray cut = whole.left(whole.size() / 2);
    std::map<QString, QByteArray> skipped = everySlide();
    skipped[Names[1].second] = mine;
    const std::vector<Case> cases = {
        { "a video at the chosen size, the missing sound named once",
          { "--export-video", "OUT/show.mp4", "--size", "1280x720", "SHOW" },
          {},
          0,
          "missing.wav",
          { { "show.mp4", {} } },
          { 1280, 720 },
          30 },
        { "the last slide held until the music ends",
          { "--until-music-ends", "--export-video=OUT/show.mp4", "SHOW" },
          {},
          0,
          "missing.wav",
          { { "show.mp4", {} } },
          { 1920, 1080 },
          37 },
        { "every slide byte for byte, under a safe name",
          { "--export-slides", "OUT", "SHOW" },
          {},
          0,
          {},
          everySlide() },
        { "nothing written over a file that is there",
          { "--export-slides", "OUT", "SHOW" },
          { { Names[1].second, mine } },
          2,
          "--replace",
          { { Names[1].second, mine } } },
        { "the others written beside it when asked",
          { "--export-slides", "OUT", "--skip-existing", "SHOW" },
          { { Names[1].second, mine } },
          0,
          {},
          skipped },
        { "an older video kept",
          { "--export-video", "OUT/show.mp4", "SHOW" },
          { { "show.mp4", mine } },
          2,
          "--replace",
          { { "show.mp4", mine } } },
        { "a folder that is not there",
          { "--export-video", "OUT/gone/show.mp4", "SHOW" },
          {},
          2,
          "gone/show.mp4",
          {} },
        { "a folder that is a file",
          { "--export-slides", "OUT/file", "SHOW" },
          { { "file", mine } },
          2,
          "is not a folder",
          { { "file", mine } } },
        { "a show that is not there",
          { "--export-slides", "OUT", "OUT/none.lrshow" },
          {},
          2,
          "none.lrshow",
          {} },
        { "a file that is not a show",
          { "--export-slides", "OUT", "OUT/not.lrshow" },
          { { "not.lrshow", mine } },
          2,
          "It is not a Lanternreel show",
          { { "not.lrshow", mine } } },
        { "a show cut short",
          { "--export-video", "OUT/show.mp4", "OUT/cut.lrshow" },
          { { "cut.lrshow", cut } },
          2,
          "It is incomplete",
          { { "cut.lrshow", cut } } },
        { "an odd size",
          { "--export-video", "OUT/show.mp4", "--size", "1281x720", "SHOW" },
          {},
          1,
          "--size",
          {} },
        { "no show", { "--export-slides", "OUT" }, {}, 1, "one show file", {} },
        { "an option of the other command",
          { "--export-video", "OUT/show.mp4", "--skip-existing", "SHOW" },
          {},
          1,
          "--skip-existing goes with --export-slides",
          {} },
        { "interrupted",
          { "--export-video", "OUT/show.mp4", "--size", "3840x2160", "SHOW" },
          {},
          SIGINT,
          "Interrupted",
          {},
          {},
          0,
          true },
    };
    int number = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString out = dir.filePath(QStringLiteral("case%1").arg(++number));
        for (const auto &[name, bytes] : c.before)
            writeFile(out + '/' + name, bytes);
        QDir().mkpath(out);
        QStringList arguments;
        for (QString argument : c.arguments)
            arguments.append(argument.replace("OUT", out).replace("SHOW", showPath()));

        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(qEnvironmentVariable("LANTERNREEL_BINARY_DIR") + "/src/lanternreel",
                      arguments);
        if (c.interrupt) {
            const QDeadlineTimer deadline(30000);
            while (filesIn(out).filter(".part").isEmpty() && !deadline.hasExpired())
                QThread::msleep(5);
            ::kill(pid_t(program.processId()), SIGINT);
        }
        ASSERT_TRUE(program.waitForFinished(120000));
        const QString said = QString::fromLocal8Bit(program.readAllStandardError());
        EXPECT_EQ(program.exitStatus(), c.interrupt ? QProcess::CrashExit : QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), c.exitCode) << qPrintable(said);
        EXPECT_TRUE(said.contains(c.said)) << qPrintable(said);
        EXPECT_EQ(said.count("missing.wav"), c.said == "missing.wav" ? 1 : 0);
        EXPECT_TRUE(program.readAllStandardOutput().isEmpty());

        QStringList expected;
        for (const auto &[name, bytes] : c.after)
            expected.append(name);
        expected.sort();
        ASSERT_EQ(filesIn(out), expected);
        for (const auto &[name, bytes] : c.after) {
            if (!bytes.isEmpty()) {
                EXPECT_TRUE(contents(out + '/' + name) == bytes) << qPrintable(name);
            }
        }
        if (c.videoSeconds == 0)
            continue;
        const QString video = out + "/show.mp4";
        const Probed probed = probe(video);
        EXPECT_EQ(probed.streams, QStringList({ "audio aac", "video h264" }));
        EXPECT_EQ(probed.size, c.videoSize);
        EXPECT_NEAR(probed.seconds, c.videoSeconds, 0.1);
        const QImage frame = frameAt(video, 4.5, dir.filePath("frame.png"));
        const auto like = [&](int slide) {
            return meanDifference(
                frame,
                expectedFrame(QImage::fromData(stored[size_t(slide)]), c.videoSize, Qt::black));
        };
        EXPECT_LT(like(1), 4.0);
        EXPECT_GT(like(0), 20.0);
        EXPECT_GT(like(2), 20.0);
    }
}

} // namespace
