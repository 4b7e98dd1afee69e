// SPDX-License-Identifier: GPL-3.0-or-later
// Exports a show of 60 generated 12-megapixel photos at 3 s a slide (3 minutes) as a 1920x1080
// video with a soundtrack, and in the same run has the ffmpeg program make the same video from
// the same JPEG files with a plain command line: the baseline.

#include "benchphotos.h"
#include "export/videoexport.h"
#include "slides/slide.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace lanternreel;
using namespace lanternreel::bench;

namespace {

constexpr int SecondsPerSlide = 3;
constexpr double ShowSeconds = double(FileCount) * SecondsPerSlide;
const QSize FrameSize(1920, 1080);

// CPU time of this process, every thread counted: unlike the wall time it does not depend on
// what else the machine runs.
double processCpuSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

bool runTool(const QString &program, const QStringList &arguments, QByteArray *output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(output ? QProcess::SeparateChannels
                                         : QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        return false;
    if (output)
        *output = process.readAllStandardOutput();
    return true;
}

double durationOf(const QString &video)
{
    QByteArray out;
    if (!runTool(QStringLiteral("ffprobe"),
                 { "-v", "error", "-show_entries", "format=duration", "-of", "csv=p=0", video },
                 &out))
        return 0;
    return out.trimmed().toDouble();
}

// Two sounds of music-like content (a chord that wavers, over soft noise) that together run
// past the slides, so that the soundtrack is cut at the last slide as a real one often is.
QStringList makeSoundtrack(const QTemporaryDir &dir)
{
    QStringList paths;
    for (int i = 0; i < 2; ++i) {
        const QString path = dir.filePath(QStringLiteral("sound%1.wav").arg(i));
        const QString chord
            = QStringLiteral("aevalsrc=0.2*sin(2*PI*%1*t*(1+0.002*sin(3*t)))"
                             "+0.1*sin(2*PI*%2*t)+0.05*sin(2*PI*%3*t):s=44100:c=stereo:d=100")
                  .arg(220 + i * 27)
                  .arg(330 + i * 40)
                  .arg(440 + i * 54);
        if (!runTool(QStringLiteral("ffmpeg"),
                     { "-v", "error", "-y", "-f", "lavfi", "-i", chord, "-f", "lavfi", "-i",
                       "anoisesrc=c=pink:a=0.03:r=44100:d=100", "-filter_complex",
                       "[0:a][1:a]amix=inputs=2:normalize=0", "-ac", "2", path }))
            return {};
        paths.append(path);
    }
    return paths;
}

// The plain command line: the concat demuxer with a duration for each picture (the last one
// listed twice, as that demuxer needs to give it its time), scaled and padded to the frame,
// ffmpeg's default H.264 and AAC settings at its usual 25 frames a second.
bool ffmpegBaseline(const QStringList &pictures, const QStringList &sounds, const QString &list,
                    const QString &out)
{
    QFile file(list);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray text = "ffconcat version 1.0\n";
    for (const QString &picture : pictures)
        text += "file '" + picture.toUtf8() + "'\nduration " + QByteArray::number(SecondsPerSlide)
            + "\n";
    text += "file '" + pictures.last().toUtf8() + "'\n";
    file.write(text);
    file.close();
    const QString filters
        = QStringLiteral("[0:v]scale=1920:1080:force_original_aspect_ratio=decrease,"
                         "pad=1920:1080:(ow-iw)/2:(oh-ih)/2:color=black,format=yuv420p[v];"
                         "[1:a][2:a]concat=n=2:v=0:a=1[a]");
    return runTool(QStringLiteral("ffmpeg"),
                   { "-v",
                     "error",
                     "-y",
                     "-f",
                     "concat",
                     "-safe",
                     "0",
                     "-i",
                     list,
                     "-i",
                     sounds.at(0),
                     "-i",
                     sounds.at(1),
                     "-filter_complex",
                     filters,
                     "-map",
                     "[v]",
                     "-map",
                     "[a]",
                     "-r",
                     "25",
                     "-c:v",
                     "libx264",
                     "-c:a",
                     "aac",
                     "-t",
                     QString::number(ShowSeconds),
                     out });
}

void BM_ExportSixtyTwelveMegapixelSlides(benchmark::State &state)
{
    Files &files = generatedFiles();
    QTemporaryDir dir;
    const QStringList sounds = makeSoundtrack(dir);
    if (sounds.size() != 2) {
        state.SkipWithError("ffmpeg could not make the soundtrack");
        return;
    }
    std::vector<SlidePtr> slides;
    for (const QString &path : files.paths) {
        slides.push_back(Slide::load(path));
        if (!slides.back()) {
            state.SkipWithError("a generated photo did not load");
            return;
        }
    }

    for (auto _ : state) {
        VideoExportSettings settings;
        settings.path = dir.filePath(QStringLiteral("ours.mp4"));
        settings.frameSize = FrameSize;
        settings.secondsPerSlide = SecondsPerSlide;
        settings.slideCount = int(slides.size());
        settings.picture = [&slides](int index, QSize fitInside) {
            const Slide &slide = *slides[size_t(index)];
            return slide.pixels(fittedSize(slide.size(), fitInside));
        };
        settings.soundPaths = sounds;
        const std::atomic_bool never { false };
        QElapsedTimer clock;
        clock.start();
        const double cpuBefore = processCpuSeconds();
        const VideoExportResult result = writeVideo(settings, never, nullptr);
        const double ours = double(clock.nsecsElapsed()) / 1e9;
        const double ourCpu = processCpuSeconds() - cpuBefore;
        // Each slide keeps no pixels from the export, as in a show that only plays it.
        for (const SlidePtr &slide : slides)
            slide->dropPixels();
        if (result.outcome != VideoExportResult::Outcome::Written) {
            const QByteArray why = result.error.toLocal8Bit();
            state.SkipWithError(why.constData());
            return;
        }

        const QString baselineOut = dir.filePath(QStringLiteral("ffmpeg.mp4"));
        clock.restart();
        if (!ffmpegBaseline(files.paths, sounds, dir.filePath(QStringLiteral("list.ffconcat")),
                            baselineOut)) {
            state.SkipWithError("the ffmpeg baseline failed");
            return;
        }
        const double baseline = double(clock.nsecsElapsed()) / 1e9;

        const double ourDuration = durationOf(settings.path);
        const double baselineDuration = durationOf(baselineOut);
        if (std::abs(ourDuration - ShowSeconds) > 0.1) {
            state.SkipWithError("the export is not three minutes long");
            return;
        }
        const double ourMB = double(QFile(settings.path).size()) / Megabyte;
        const double baselineMB = double(QFile(baselineOut).size()) / Megabyte;
        state.counters["export_s"] = ours;
        state.counters["times_real_time"] = ShowSeconds / ours;
        state.counters["export_cpu_s"] = ourCpu;
        state.counters["ffmpeg_s"] = baseline;
        state.counters["speedup_vs_ffmpeg"] = baseline / ours;
        std::printf("%d slides of 12 MP at %d s = %.0f s of %dx%d video with sound\n", FileCount,
                    SecondsPerSlide, ShowSeconds, FrameSize.width(), FrameSize.height());
        std::printf("export: %.2f s = %.1f x real time (goal >= 10), %.1f MB, %.2f s long; "
                    "%.2f s of CPU\n",
                    ours, ShowSeconds / ours, ourMB, ourDuration, ourCpu);
        std::printf("ffmpeg command line: %.2f s = %.1f x real time, %.1f MB, %.2f s long\n",
                    baseline, ShowSeconds / baseline, baselineMB, baselineDuration);
        std::printf("export against ffmpeg: %.1f x faster\n", baseline / ours);
    }
}

BENCHMARK(BM_ExportSixtyTwelveMegapixelSlides)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

} // namespace
