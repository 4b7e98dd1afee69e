// SPDX-License-Identifier: GPL-3.0-or-later
// Exports generated shows through the real FFmpeg libraries and checks the files with the
// ffprobe and ffmpeg programs, as a person checking the video would.

#include "export/videoexport.h"
#include "mediacheck.h"
#include "slides/slide.h"
#include "testimagefiles.h"
#include "tonefiles.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <cmath>
#include <gtest/gtest.h>
#include <mutex>
#include <set>
#include <vector>

using namespace lanternreel;
using namespace lanternreel::testing;
using Ending = VideoExportSettings::Ending;
using Outcome = VideoExportResult::Outcome;

namespace {

constexpr int SlideCount = 10;
constexpr int SecondsPerSlide = 3;
const QColor Background(20, 90, 40);

std::vector<SlidePtr> makeSlides()
{
    std::vector<SlidePtr> slides;
    for (int i = 0; i < SlideCount; ++i)
        slides.push_back(Slide::fromEncoded(QStringLiteral("slide%1.jpg").arg(i),
                                            jpegBytes(distinctPicture(i))));
    return slides;
}

QImage expectedFrame(const Slide &slide, QSize frameSize)
{
    return lanternreel::testing::expectedFrame(slide.pixels(), frameSize, Background);
}

QByteArray run(const QString &program, const QStringList &arguments)
{
    return runTool(program, arguments);
}

// The mean level and pitch (from zero crossings) of half a second of the sound at `seconds`.
struct Heard
{
    double rms = 0;
    double hertz = 0;
};
Heard soundAt(const QString &video, double seconds)
{
    const QByteArray raw
        = run(QStringLiteral("ffmpeg"),
              { "-v", "error", "-ss", QString::number(seconds), "-t", "0.5", "-i", video, "-map",
                "0:a", "-ac", "1", "-ar", "48000", "-f", "f32le", "-" });
    const auto *samples = reinterpret_cast<const float *>(raw.constData());
    const qsizetype count = raw.size() / qsizetype(sizeof(float));
    Heard heard;
    int crossings = 0;
    for (qsizetype i = 0; i < count; ++i) {
        heard.rms += samples[i] * samples[i];
        if (i > 0 && (samples[i - 1] < 0) != (samples[i] < 0))
            ++crossings;
    }
    if (count > 0) {
        heard.rms = std::sqrt(heard.rms / double(count));
        heard.hertz = crossings / 2.0 / (double(count) / 48000.0);
    }
    return heard;
}

// Everything in `dir`, hidden files included.
QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

struct Sound
{
    double seconds = 0; // 0: a file that does not exist
    double hertz = 0;
    bool flac = false; // stereo FLAC at 32 kHz instead of mono WAV at 44.1 kHz
};

struct Listen
{
    double at; // seconds
    double hertz; // 0: silence
};

class VideoExportTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QStringList writeSounds(const std::vector<Sound> &sounds)
    {
        QStringList paths;
        for (size_t i = 0; i < sounds.size(); ++i) {
            const Sound &sound = sounds[i];
            if (sound.seconds == 0) {
                paths.append(dir.filePath(QStringLiteral("missing.wav")));
            } else if (sound.flac) {
                paths.append(dir.filePath(QStringLiteral("sound%1.flac").arg(i)));
                run(QStringLiteral("ffmpeg"),
                    { "-v", "error", "-y", "-f", "lavfi", "-i",
                      QStringLiteral("sine=frequency=%1:duration=%2:sample_rate=32000,volume=2.4")
                          .arg(sound.hertz)
                          .arg(sound.seconds),
                      "-ac", "2", paths.last() });
            } else {
                paths.append(dir.filePath(QStringLiteral("sound%1.wav").arg(i)));
                EXPECT_TRUE(writeToneWav(paths.last(), sound.seconds, sound.hertz));
            }
        }
        return paths;
    }

    // Runs the export on its own thread and waits here, in the event loop, for its end.
    VideoExportResult exportAndWait(VideoExport &job)
    {
        QSignalSpy finished(&job, &VideoExport::finished);
        QObject::connect(&job, &VideoExport::finished,
                         [] { EXPECT_EQ(QThread::currentThread(), qApp->thread()); });
        QObject::connect(&job, &VideoExport::progress, [this](qint64 done, qint64 total) {
            EXPECT_EQ(QThread::currentThread(), qApp->thread());
            EXPECT_GT(done, lastDone);
            EXPECT_LE(done, total);
            lastDone = done;
            lastTotal = total;
        });
        job.start();
        EXPECT_TRUE(finished.wait(120000));
        if (finished.isEmpty())
            return {};
        return finished.first().first().value<VideoExportResult>();
    }

    std::function<QImage(int, QSize)> pictures(const std::vector<SlidePtr> &slides)
    {
        return [this, slides](int index, QSize fitInside) {
            {
                std::lock_guard lock(mutex);
                pictureThreads.insert(QThread::currentThread());
            }
            const Slide &slide = *slides.at(size_t(index));
            return slide.pixels(fittedSize(slide.size(), fitInside));
        };
    }

    QTemporaryDir dir;
    std::mutex mutex;
    std::set<QThread *> pictureThreads;
    qint64 lastDone = 0;
    qint64 lastTotal = 0;
};

struct ShowCase
{
    const char *name;
    QSize size;
    Ending ending;
    std::vector<Sound> sounds;
    double duration; // seconds
    int skipped; // how many distinct missing sounds are named
    std::vector<Listen> listens;
    double lastSlideAt; // a time at which the last slide shows, held or not (seconds)
};

TEST_F(VideoExportTest, WritesEverySlideOnTimeWithItsSoundtrack)
{
    const std::vector<SlidePtr> slides = makeSlides();
    const std::vector<ShowCase> cases = {
        { "two sounds cut at the last slide",
          { 1920, 1080 },
          Ending::LastSlide,
          { { 12, 440 }, { 25, 660, true } },
          30,
          0,
          { { 5, 440 }, { 13, 660 }, { 29.2, 660 } },
          28 },
        { "last slide held until the music ends",
          { 1280, 720 },
          Ending::SoundtrackEnd,
          { { 12.3, 440 }, { 25, 660, true } },
          37.3,
          0,
          { { 11, 440 }, { 36.6, 660 } },
          36.8 },
        { "music shorter than the slides",
          { 3840, 2160 },
          Ending::SoundtrackEnd,
          { { 5, 440 } },
          30,
          0,
          { { 2, 440 }, { 20, 0 } },
          28 },
        { "missing sounds skipped and named once",
          { 1920, 1080 },
          Ending::LastSlide,
          { { 12, 440 }, { 0, 0 }, { 25, 880 }, { 0, 0 } },
          30,
          1,
          { { 11.2, 440 }, { 12.5, 880 } },
          28 },
        { "no sound gives a silent track",
          { 1920, 1080 },
          Ending::LastSlide,
          {},
          30,
          0,
          { { 10, 0 } },
          28 },
    };
    for (const ShowCase &c : cases) {
        SCOPED_TRACE(c.name);
        VideoExportSettings settings;
        settings.path = dir.filePath(QStringLiteral("show.mp4"));
        settings.frameSize = c.size;
        settings.secondsPerSlide = SecondsPerSlide;
        settings.background = Background;
        settings.slideCount = SlideCount;
        settings.picture = pictures(slides);
        settings.soundPaths = writeSounds(c.sounds);
        settings.ending = c.ending;
        lastDone = 0;
        VideoExport job(settings);
        const VideoExportResult result = exportAndWait(job);

        ASSERT_EQ(result.outcome, Outcome::Written) << qPrintable(result.error);
        EXPECT_EQ(result.skippedSounds.size(), c.skipped);
        for (const QString &path : result.skippedSounds)
            EXPECT_TRUE(path.endsWith(QStringLiteral("missing.wav"))) << qPrintable(path);
        EXPECT_EQ(lastDone, lastTotal);
        EXPECT_FALSE(pictureThreads.count(qApp->thread())) << "a slide decoded on the GUI thread";

        const Probed probed = probe(settings.path);
        EXPECT_EQ(probed.streams, QStringList({ "audio aac", "video h264" }));
        EXPECT_EQ(probed.size, c.size);
        EXPECT_NEAR(probed.seconds, c.duration, 0.1);

        // The frame at 4.5 s is the second slide, and plainly not its neighbours.
        const QImage frame = frameAt(settings.path, 4.5, dir.filePath(QStringLiteral("f.png")));
        ASSERT_EQ(frame.size(), c.size);
        EXPECT_LT(meanDifference(frame, expectedFrame(*slides[1], c.size)), 4.0);
        EXPECT_GT(meanDifference(frame, expectedFrame(*slides[0], c.size)), 20.0);
        EXPECT_GT(meanDifference(frame, expectedFrame(*slides[2], c.size)), 20.0);
        const QImage last = frameAt(settings.path, c.lastSlideAt, dir.filePath("l.png"));
        ASSERT_EQ(last.size(), c.size);
        EXPECT_LT(meanDifference(last, expectedFrame(*slides.back(), c.size)), 4.0);

        for (const Listen &listen : c.listens) {
            const Heard heard = soundAt(settings.path, listen.at);
            if (listen.hertz == 0) {
                EXPECT_LT(heard.rms, 0.001) << "at " << listen.at << " s";
            } else {
                EXPECT_GT(heard.rms, 0.1) << "at " << listen.at << " s";
                EXPECT_NEAR(heard.hertz, listen.hertz, listen.hertz * 0.03)
                    << "at " << listen.at << " s";
            }
        }
        EXPECT_EQ(entries(dir.path()).filter(QStringLiteral(".part")), QStringList());
    }
}

struct FaultCase
{
    const char *name;
    QString target; // relative to the test folder
    int failingSlide; // -1: none
    bool cancel;
    Outcome outcome;
    QString error; // a part of the message
};

TEST_F(VideoExportTest, LeavesNoFileUnlessTheWholeVideoIsWritten)
{
    const std::vector<SlidePtr> slides = makeSlides();
    writeFile(dir.filePath(QStringLiteral("notafolder")), "x");
    const std::vector<FaultCase> cases = {
        { "cancelled over an older file", "out/show.mp4", -1, true, Outcome::Cancelled, {} },
        { "a slide that no longer decodes", "out/show.mp4", 5, false, Outcome::Failed,
          "Slide 6 could not be read." },
        { "a folder that is a file", "notafolder/show.mp4", -1, false, Outcome::Failed,
          "notafolder/show.mp4" },
        { "a folder that is not there", "gone/show.mp4", -1, false, Outcome::Failed,
          "gone/show.mp4" },
    };
    for (const FaultCase &c : cases) {
        SCOPED_TRACE(c.name);
        QDir(dir.path()).mkpath(QStringLiteral("out"));
        const QString older = dir.filePath(QStringLiteral("out/show.mp4"));
        writeFile(older, "an older video");
        const QStringList before = entries(dir.filePath(QStringLiteral("out")));

        std::atomic_bool cancelAsked { false };
        VideoExportSettings settings;
        settings.path = dir.filePath(c.target);
        settings.slideCount = SlideCount;
        settings.background = Background;
        settings.soundPaths = writeSounds({ { 20, 440 } });
        const auto decode = pictures(slides);
        settings.picture = [&, decode](int index, QSize fitInside) {
            // Holds the export at its third slide until the test has asked it to stop, so that
            // the cancel always lands in the middle.
            const QDeadlineTimer failsafe(30000);
            while (c.cancel && index >= 2 && !cancelAsked && !failsafe.hasExpired())
                QThread::msleep(5);
            return index == c.failingSlide ? QImage() : decode(index, fitInside);
        };
        VideoExport job(settings);
        if (c.cancel) {
            QObject::connect(&job, &VideoExport::progress, [&] {
                job.cancel();
                cancelAsked = true;
            });
        }
        lastDone = 0;
        const VideoExportResult result = exportAndWait(job);

        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_TRUE(result.error.contains(c.error)) << qPrintable(result.error);
        EXPECT_EQ(entries(dir.filePath(QStringLiteral("out"))), before);
        QFile file(older);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), "an older video");
        EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("gone"))));
    }
}

} // namespace
