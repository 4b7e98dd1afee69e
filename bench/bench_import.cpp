// Imports 60 generated 12-megapixel JPEGs and compares the import with a plain single-threaded
// TurboJPEG decode of the same files, measured in the same run; then weighs the memory the
// imported show holds against the size of its files.

#include "platform/alerts.h"
#include "platform/importprogress.h"
#include "platform/log.h"
#include "platform/services.h"
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

namespace {

constexpr int FileCount = 60;
constexpr int Width = 4000;
constexpr int Height = 3000;
constexpr double Megabyte = 1024.0 * 1024.0;

class QuietAlerts : public Alerts
{
public:
    void beep() override { }
    void alert(const QString &message, const QString &) override
    {
        std::fprintf(stderr, "alert: %s\n", qPrintable(message));
    }
};
class QuietLog : public Log
{
public:
    void log(const QString &) override { }
    void out(const QString &) override { }
};
class NoProgress : public ImportProgress
{
public:
    void show(int) override { }
    void progress(int, int) override { }
    void keepMoving() override { }
    void close() override { }
};

uint32_t nextRandom(uint32_t &state)
{
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

// Gradients, a few soft shapes and grain: photo-like enough that the files come out at a few
// megabytes, as camera files do.
std::vector<unsigned char> syntheticPhoto(int seed)
{
    std::vector<unsigned char> rgb(size_t(Width) * Height * 3);
    uint32_t state = 2463534242u + uint32_t(seed) * 7919u;
    for (int y = 0; y < Height; ++y) {
        unsigned char *row = rgb.data() + size_t(y) * Width * 3;
        for (int x = 0; x < Width; ++x) {
            const int grain = int(nextRandom(state) & 31) - 16;
            const int wave = ((x / 40 + y / 30 + seed) % 7) * 9;
            row[x * 3 + 0] = (unsigned char)std::clamp(x * 255 / Width + grain + wave, 0, 255);
            row[x * 3 + 1] = (unsigned char)std::clamp(y * 255 / Height + grain, 0, 255);
            row[x * 3 + 2]
                = (unsigned char)std::clamp((x + y + seed * 50) % 256 + grain / 2, 0, 255);
        }
    }
    return rgb;
}

struct Files
{
    QTemporaryDir dir;
    QStringList paths;
    qint64 totalBytes = 0;
};

Files &generatedFiles()
{
    static Files files = [] {
        Files made;
        tjhandle encoder = tjInitCompress();
        for (int i = 0; i < FileCount; ++i) {
            const std::vector<unsigned char> rgb = syntheticPhoto(i);
            unsigned char *jpeg = nullptr;
            unsigned long size = 0;
            if (tjCompress2(encoder, rgb.data(), Width, 0, Height, TJPF_RGB, &jpeg, &size,
                            TJSAMP_420, 92, 0)
                != 0) {
                std::fprintf(stderr, "encode failed: %s\n", tjGetErrorStr2(encoder));
                std::abort();
            }
            const QString path = made.dir.filePath(QStringLiteral("photo%1.jpg").arg(i));
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly)
                || file.write(reinterpret_cast<const char *>(jpeg), qint64(size)) != qint64(size))
                std::abort();
            tjFree(jpeg);
            made.paths.append(path);
            made.totalBytes += qint64(size);
        }
        tjDestroy(encoder);
        return made;
    }();
    return files;
}

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
    tjhandle decoder = tjInitDecompress();
    std::vector<unsigned char> pixels(size_t(Width) * Height * 4);
    QElapsedTimer clock;
    clock.start();
    for (const QString &path : paths) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            std::abort();
        const QByteArray bytes = file.readAll();
        if (tjDecompress2(decoder, reinterpret_cast<const unsigned char *>(bytes.constData()),
                          static_cast<unsigned long>(bytes.size()), pixels.data(), Width, 0, Height,
                          TJPF_BGRX, 0)
            != 0)
            std::abort();
        benchmark::DoNotOptimize(pixels.data());
    }
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    tjDestroy(decoder);
    return seconds;
}

void BM_ImportSixtyTwelveMegapixelJpegs(benchmark::State &state)
{
    Files &files = generatedFiles();
    QuietAlerts alerts;
    QuietLog log;
    NoProgress progress;
    Services services;
    services.alerts = &alerts;
    services.log = &log;
    services.importProgress = &progress;

    for (auto _ : state) {
        const double baseline = singleThreadedDecodeSeconds(files.paths);

        ImageHandler handler(services);
        QElapsedTimer clock;
        clock.start();
        const SlidePtr first = handler.selectImagesFromDrag(files.paths);
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

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    QCoreApplication app(argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
