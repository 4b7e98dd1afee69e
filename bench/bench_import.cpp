// SPDX-License-Identifier: GPL-3.0-or-later
// Imports 60 generated 12-megapixel JPEGs and compares the import with a plain single-threaded
// TurboJPEG decode of the same files, measured in the same run; then weighs the memory the
// imported show holds against the size of its files.

#include "benchphotos.h"
#include "slides/imagehandler.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <turbojpeg.h>
#include <vector>

using namespace lanternreel;
using namespace lanternreel::bench;

namespace {

double residentBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() * 1024.0;
    }
    return 0;
}

// The baseline: each file read and decoded at full size, one after another, on this thread.
double singleThreadedDecodeSeconds(const QStringList &paths)
{
    FullDecoder decoder;
    QElapsedTimer clock;
    clock.start();
    for (const QString &path : paths) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            std::abort();
        decoder.decode(file.readAll());
    }
    return double(clock.nsecsElapsed()) / 1e9;
}

void BM_ImportSixtyTwelveMegapixelJpegs(benchmark::State &state)
{
    Files &files = generatedFiles();
    QuietServices quiet;
    const Services &services = quiet.services();

    for (auto _ : state) {
        const double baseline = singleThreadedDecodeSeconds(files.paths);

        ImageHandler handler(services);
        QElapsedTimer clock;
        clock.start();
        const WorkControl control;
        const SlidePtr first = handler.applyImport(
            ImageHandler::loadImages(ImageHandler::dragOrder(files.paths), control));
        const double import = double(clock.nsecsElapsed()) / 1e9;
        if (!first || handler.numImages() != FileCount) {
            state.SkipWithError("the import did not load every file");
            return;
        }
        const double resident = residentBytes();

        const double speedup = baseline / import;
        const double residentOverFiles = resident / double(files.totalBytes);
        const double beyondAllowance = (resident - 250.0 * Megabyte) / double(files.totalBytes);
        state.counters["files_MB"] = double(files.totalBytes) / Megabyte;
        state.counters["baseline_s"] = baseline;
        state.counters["import_s"] = import;
        state.counters["speedup_vs_1thread_turbojpeg"] = speedup;
        state.counters["rss_MB"] = resident / Megabyte;
        state.counters["rss_over_files"] = residentOverFiles;
        state.counters["rss_minus_250MB_over_files"] = beyondAllowance;
        std::printf("files: %d, %.1f MB; single-threaded TurboJPEG decode %.2f s; import %.2f s; "
                    "throughput ratio %.2f (target >= 1.6 on 2 cores)\n",
                    FileCount, double(files.totalBytes) / Megabyte, baseline, import, speedup);
        std::printf("resident after import %.1f MB = %.2f x files; (resident - 250 MB) / files = "
                    "%.2f (target <= 1.25)\n",
                    resident / Megabyte, residentOverFiles, beyondAllowance);
    }
}

BENCHMARK(BM_ImportSixtyTwelveMegapixelJpegs)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

} // namespace
