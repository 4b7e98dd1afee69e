// SPDX-License-Identifier: GPL-3.0-or-later
// Saves and reopens a show of 60 generated 12-megapixel slides and weighs each step against a
// single-threaded baseline measured in the same run:
//   first save (every slide decoded and encoded at quality 90) / the same decode and encode of
//   every slide, one after another on one thread;
//   second save after reopening (the stored JPEGs written back unchanged) / first save;
//   reopening (read, check, every picture decoded once at its smallest DCT scale on the pool) /
//   a full-size decode of every stored JPEG on one thread.

#include "benchphotos.h"
#include "document/model.h"
#include "document/showarchive.h"
#include "platform/qt/directwritedevice.h"
#include "slides/imagecodec.h"
#include "slides/imagehandler.h"
#include "slides/jpegencoder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <functional>
#include <turbojpeg.h>

using namespace lanternreel;
using namespace lanternreel::bench;

namespace {

double secondsOf(const std::function<void()> &work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    return double(clock.nsecsElapsed()) / 1e9;
}

struct SaveSteps
{
    double compress = 0;
    double write = 0; // including the sync of the written bytes
    double commit = 0; // the file put in place
};

bool save(Model &model, const QString &path, SaveSteps *steps = nullptr)
{
    SaveSteps local;
    SaveSteps &s = steps ? *steps : local;
    bool ok = true;
    s.compress = secondsOf([&] { ok = model.getImageHandler()->compressImages(); });
    QSaveFile file(path);
    if (!ok || !file.open(QIODevice::WriteOnly))
        return false;
    DirectWriteDevice device(file);
    s.write = secondsOf([&] { ok = writeShow(device, model) && device.finish(); });
    s.commit = secondsOf([&] { ok = ok && file.commit(); });
    return ok;
}

std::unique_ptr<Model> reopen(const QString &path, const Services &services)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    std::unique_ptr<Model> model = readShow(file, services, nullptr);
    if (!model || !model->getImageHandler()->decompressImages())
        return nullptr;
    return model;
}

// What the first save does for each slide, on this thread alone.
double singleThreadedEncodeSeconds(const std::vector<SlidePtr> &slides)
{
    return secondsOf([&] {
        for (const SlidePtr &slide : slides)
            benchmark::DoNotOptimize(encodeJpeg(decodeImage(slide->encoded())).size());
    });
}

double singleThreadedFullDecodeSeconds(const std::vector<SlidePtr> &slides)
{
    FullDecoder decoder;
    return secondsOf([&] {
        for (const SlidePtr &slide : slides)
            decoder.decode(slide->encoded());
    });
}

void BM_SaveAndReopenSixtyTwelveMegapixelSlides(benchmark::State &state)
{
    Files &files = generatedFiles();
    QuietServices quiet;
    const Services &services = quiet.services();
    QTemporaryDir folder;
    const QString first = folder.filePath(QStringLiteral("first.lrshow"));
    const QString second = folder.filePath(QStringLiteral("second.lrshow"));

    for (auto _ : state) {
        Model model(services);
        const WorkControl control;
        if (!model.getImageHandler()->applyImport(
                ImageHandler::loadImages(ImageHandler::dragOrder(files.paths), control))
            || model.getImageHandler()->numImages() != FileCount) {
            state.SkipWithError("the import did not load every file");
            return;
        }
        const double encodeBaseline
            = singleThreadedEncodeSeconds(model.getImageHandler()->slides());
        bool ok = true;
        const double firstSave = secondsOf([&] { ok = save(model, first); });
        std::unique_ptr<Model> reopened;
        const double open = secondsOf([&] { reopened = reopen(first, services); });
        if (!ok || !reopened || reopened->getImageHandler()->numImages() != FileCount) {
            state.SkipWithError("the show did not save or reopen");
            return;
        }
        SaveSteps steps;
        const double secondSave = secondsOf([&] { ok = save(*reopened, second, &steps); });
        const double decodeBaseline
            = singleThreadedFullDecodeSeconds(reopened->getImageHandler()->slides());
        const qint64 fileBytes = QFile(first).size();
        if (!ok || QFile(second).size() != fileBytes) {
            state.SkipWithError("the second save differs");
            return;
        }

        state.counters["show_MB"] = double(fileBytes) / Megabyte;
        state.counters["encode_1thread_s"] = encodeBaseline;
        state.counters["first_save_s"] = firstSave;
        state.counters["second_save_s"] = secondSave;
        state.counters["open_s"] = open;
        state.counters["full_decode_1thread_s"] = decodeBaseline;
        state.counters["save_speedup"] = encodeBaseline / firstSave;
        state.counters["second_over_first"] = secondSave / firstSave;
        state.counters["open_over_full_decode"] = open / decodeBaseline;
        std::printf("show: %d slides, %.1f MB on disk\n", FileCount, double(fileBytes) / Megabyte);
        std::printf("single-threaded decode+encode %.2f s; first save %.2f s; speed ratio %.2f "
                    "(target >= 1.6 on 2 cores)\n",
                    encodeBaseline, firstSave, encodeBaseline / firstSave);
        std::printf("second save after reopening %.3f s = %.3f of the first (target <= 0.1)\n",
                    secondSave, secondSave / firstSave);
        std::printf("  of which: stored form %.3f s, writing %.3f s, commit %.3f s\n",
                    steps.compress, steps.write, steps.commit);
        std::printf("open %.2f s; single-threaded full decode %.2f s; ratio %.2f\n", open,
                    decodeBaseline, open / decodeBaseline);
    }
}

BENCHMARK(BM_SaveAndReopenSixtyTwelveMegapixelSlides)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

} // namespace
