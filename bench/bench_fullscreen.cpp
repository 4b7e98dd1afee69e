// SPDX-License-Identifier: GPL-3.0-or-later
// Stepping a full-screen show of 12-megapixel photos on a 1920x1080 screen: the main thread's
// time per step (the step and the synchronous repaint of both views), against a cold full-size
// decode and scale of the same slide measured in the same run.
#include "benchphotos.h"
#include "document/mydocument.h"
#include "panels/infopanel.h"
#include "platform/qt/documentcontroller.h"
#include "platform/qt/qtservices.h"
#include "slides/imagehandler.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <turbojpeg.h>
#include <vector>

using namespace lanternreel;

namespace {

constexpr int SlideCount = 30;
constexpr int Steps = 2 * SlideCount; // twice round, looping

// The cold way to the screen: the whole picture decoded, then scaled to the view.
QImage coldDecodeAndScale(const QByteArray &jpeg, QSize target)
{
    tjhandle decompressor = tjInitDecompress();
    int width = 0, height = 0, subsampling = 0, colorspace = 0;
    const auto *data = reinterpret_cast<const unsigned char *>(jpeg.constData());
    const auto length = static_cast<unsigned long>(jpeg.size());
    QImage full;
    if (tjDecompressHeader3(decompressor, data, length, &width, &height, &subsampling, &colorspace)
        == 0) {
        full = QImage(width, height, QImage::Format_RGB32);
        tjDecompress2(decompressor, data, length, full.bits(), width,
                      static_cast<int>(full.bytesPerLine()), height, TJPF_BGRX, 0);
    }
    tjDestroy(decompressor);
    return full.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const double rank = p * static_cast<double>(values.size() - 1);
    const auto low = static_cast<size_t>(rank);
    const size_t high = std::min(low + 1, values.size() - 1);
    return values[low] + (values[high] - values[low]) * (rank - static_cast<double>(low));
}

void waitUntilExposed(QWidget *widget)
{
    QElapsedTimer timer;
    timer.start();
    while (!(widget->windowHandle() && widget->windowHandle()->isExposed())
           && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

void BM_FullScreenSteps(benchmark::State &state)
{
    // Loaded from their files as an import does: their bytes are read back from the disk.
    const QStringList &paths = bench::generatedFiles().paths;

    QtServices platform;
    DocumentController controller(
        [&platform] { return std::make_unique<MyDocument>(platform.services()); });
    auto *document = qobject_cast<MyDocument *>(controller.openUntitledDocumentAndDisplay());
    for (int i = 0; i < SlideCount; ++i)
        document->getImageHandler()->appendSlide(Slide::load(paths[i]));
    document->getImageHandler()->setLoop(true);
    document->goToFirstSlide();
    document->runFullScreen();
    FakeImageView *fullView = document->fullScreenImageView();
    FakeImageView *windowView = document->currentImageView();
    waitUntilExposed(document->getMainWindow());
    waitUntilExposed(document->window());
    fullView->repaint();
    windowView->repaint();

    std::vector<double> stepMs;
    std::vector<double> coldMs;
    std::vector<double> ratios;
    for (auto _ : state) {
        // As in a show with a few seconds between slides: the pool has finished its decodes
        // and the event loop is idle when the next step comes.
        document->waitForPrefetch();
        QCoreApplication::processEvents();

        const auto start = std::chrono::steady_clock::now();
        document->nextImage();
        fullView->repaint();
        windowView->repaint();
        const auto stepped = std::chrono::steady_clock::now();
        const double step = std::chrono::duration<double, std::milli>(stepped - start).count();
        state.SetIterationTime(step / 1000.0);

        document->waitForPrefetch();
        const SlidePtr shown = fullView->image();
        const auto coldStart = std::chrono::steady_clock::now();
        const QImage cold = coldDecodeAndScale(shown->encoded(), fullView->pixelSizeFor(*shown));
        benchmark::DoNotOptimize(cold.constBits());
        const double coldTime = std::chrono::duration<double, std::milli>(
                                    std::chrono::steady_clock::now() - coldStart)
                                    .count();

        stepMs.push_back(step);
        coldMs.push_back(coldTime);
        ratios.push_back(step / coldTime);
    }

    const double stepMedian = percentile(stepMs, 0.5);
    const double stepP95 = percentile(stepMs, 0.95);
    const double coldMedian = percentile(coldMs, 0.5);
    state.counters["step_median_ms"] = stepMedian;
    state.counters["step_p95_ms"] = stepP95;
    state.counters["cold_median_ms"] = coldMedian;
    state.counters["cold_p95_ms"] = percentile(coldMs, 0.95);
    // Each step against the cold figure of the same slide.
    state.counters["ratio_median"] = percentile(ratios, 0.5);
    state.counters["ratio_p95"] = percentile(ratios, 0.95);
    state.counters["p95_over_cold_median"] = stepP95 / coldMedian;
    std::printf("steps %zu: main thread per step median %.2f ms, p95 %.2f ms; cold decode+scale "
                "median %.2f ms; step/cold of the same slide median %.3f, p95 %.3f\n",
                stepMs.size(), stepMedian, stepP95, coldMedian, percentile(ratios, 0.5),
                percentile(ratios, 0.95));

    document->releaseScreen();
    controller.closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

BENCHMARK(BM_FullScreenSteps)->Iterations(Steps)->UseManualTime()->Unit(benchmark::kMillisecond);

// The edits a user makes in a long show, in the window: each timed on the main thread, the
// window repainted, in a show of `state.range(0)` slides. Run at 60 slides too, as the baseline
// the 5,000 are weighed against in the same run.
void BM_EditsInALongShow(benchmark::State &state)
{
    const int count = static_cast<int>(state.range(0));
    // Small pictures: none of these edits decodes on the main thread, and the show's size, not
    // its pictures', is what is measured.
    const QByteArray jpeg = [] {
        QImage image(640, 480, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPG", 90);
        return bytes;
    }();
    QtServices platform;
    DocumentController controller(
        [&platform] { return std::make_unique<MyDocument>(platform.services()); });
    auto *document = qobject_cast<MyDocument *>(controller.openUntitledDocumentAndDisplay());
    for (int i = 0; i < count + state.max_iterations + 1; ++i)
        document->getImageHandler()->appendSlide(
            Slide::fromEncoded(QStringLiteral("photo%1.jpg").arg(i), jpeg));
    document->goToFirstSlide();
    FakeImageView *windowView = document->currentImageView();
    waitUntilExposed(document->window());

    auto timed = [&](const std::function<void()> &edit) {
        document->waitForPrefetch();
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        edit();
        windowView->repaint();
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count();
    };
    std::vector<double> removeMs, randomMs, infoMs;
    for (auto _ : state) {
        const double remove = timed([&] { document->removeCurrentImage(); });
        const double random = timed([&] { document->randomizeSlides(); });
        const double info = timed([&] { document->slideshowInfo(); });
        state.SetIterationTime((remove + random + info) / 1000.0);
        removeMs.push_back(remove);
        randomMs.push_back(random);
        infoMs.push_back(info);
        if (InfoPanel *panel = document->getInfoPanel())
            panel->close();
    }
    state.counters["remove_p95_ms"] = percentile(removeMs, 0.95);
    state.counters["random_p95_ms"] = percentile(randomMs, 0.95);
    state.counters["info_p95_ms"] = percentile(infoMs, 0.95);
    std::printf("%d slides: remove p95 %.2f ms, random on/off p95 %.2f ms, information panel p95 "
                "%.2f ms\n",
                count, percentile(removeMs, 0.95), percentile(randomMs, 0.95),
                percentile(infoMs, 0.95));
    controller.closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

BENCHMARK(BM_EditsInALongShow)
    ->Arg(60)
    ->Arg(5000)
    ->Iterations(20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
