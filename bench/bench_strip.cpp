// A show of 1,000 photos of 12 megapixels opened in its window: the time from the window coming
// up to every thumbnail in sight of the slide strip drawn, against decoding and scaling the same
// number of photos at full size one after the other, measured in the same run; then the strip
// scrolled from end to end a page at a time, with the main thread's time per scroll and the bytes
// its thumbnails hold.
#include "benchphotos.h"
#include "display/slidestrip.h"
#include "display/slidestripmodel.h"
#include "display/thumbnailcache.h"
#include "document/mydocument.h"
#include "platform/qt/documentcontroller.h"
#include "platform/qt/qtservices.h"
#include "slides/imagehandler.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <turbojpeg.h>
#include <vector>

using namespace lanternreel;

namespace {

constexpr int SlideCount = 1000;
constexpr int DistinctPhotos = 24; // 1,000 slides share these bytes; each is decoded on its own

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const double rank = p * static_cast<double>(values.size() - 1);
    const auto low = static_cast<size_t>(rank);
    const size_t high = std::min(low + 1, values.size() - 1);
    return values[low] + (values[high] - values[low]) * (rank - static_cast<double>(low));
}

// The naive way to a thumbnail: the whole picture decoded, then scaled down.
QImage coldThumbnail(const QByteArray &jpeg, QSize box)
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
    return full.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

// The rows whose cells the strip's viewport shows, wholly or in part.
std::vector<int> visibleRows(SlideStrip *strip)
{
    std::vector<int> rows;
    const QRect area = strip->viewport()->rect();
    const int count = strip->model()->rowCount();
    const QModelIndex first = strip->indexAt(QPoint(area.left() + 1, area.center().y()));
    for (int row = first.isValid() ? first.row() : 0; row < count; ++row) {
        if (!strip->visualRect(strip->model()->index(row, 0)).intersects(area))
            break;
        rows.push_back(row);
    }
    return rows;
}

bool allMade(SlideStrip *strip, const std::vector<int> &rows)
{
    SlideStripModel *model = strip->stripModel();
    return std::all_of(rows.begin(), rows.end(), [model](int row) {
        return !model->thumbnails().thumbnail(model->slideAt(row)).isNull();
    });
}

void BM_StripOfAThousand(benchmark::State &state)
{
    std::vector<QByteArray> jpegs;
    for (int i = 0; i < DistinctPhotos; ++i)
        jpegs.push_back(bench::generatedPhoto(i));
    std::vector<SlidePtr> slides;
    for (int i = 0; i < SlideCount; ++i)
        slides.push_back(Slide::fromEncoded(QStringLiteral("photo%1.jpg").arg(i),
                                            jpegs[static_cast<size_t>(i % DistinctPhotos)]));

    QtServices platform;
    for (auto _ : state) {
        DocumentController controller([&platform, &slides] {
            auto document = std::make_unique<MyDocument>(platform.services());
            // As a show read from its file: the slides are there before the window.
            for (const SlidePtr &slide : slides)
                document->getImageHandler()->appendSlide(slide);
            return document;
        });
        const auto opened = Clock::now();
        auto *document = qobject_cast<MyDocument *>(controller.openUntitledDocumentAndDisplay());
        document->window()->resize(1280, 760);
        SlideStrip *strip = document->slideStrip();
        QElapsedTimer waited;
        waited.start();
        std::vector<int> rows;
        while (waited.elapsed() < 60000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            if (!document->window()->windowHandle()
                || !document->window()->windowHandle()->isExposed())
                continue;
            rows = visibleRows(strip);
            if (!rows.empty() && allMade(strip, rows))
                break;
        }
        strip->viewport()->repaint();
        const double firstScreenMs = msSince(opened);

        // The same number of thumbnails the naive way, one after the other.
        const QSize box = SlideStrip::ThumbnailBox * strip->devicePixelRatioF();
        const auto coldStart = Clock::now();
        for (int row : rows)
            benchmark::DoNotOptimize(
                coldThumbnail(jpegs[static_cast<size_t>(row % DistinctPhotos)], box).constBits());
        const double coldMs = msSince(coldStart);

        // End to end, a page at a time; each scroll painted at once, as a wheel turn is.
        QScrollBar *bar = strip->horizontalScrollBar();
        std::vector<double> scrollMs;
        qint64 mostBytes = strip->stripModel()->thumbnails().bytesKept();
        for (int at = bar->minimum(); at <= bar->maximum(); at += bar->pageStep()) {
            const auto start = Clock::now();
            bar->setValue(at);
            strip->viewport()->repaint();
            scrollMs.push_back(msSince(start));
            // Let the thumbnails asked for come in, as they do while the user looks.
            const auto settle = Clock::now();
            while (msSince(settle) < 20)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            mostBytes = std::max(mostBytes, strip->stripModel()->thumbnails().bytesKept());
        }

        state.SetIterationTime(firstScreenMs / 1000.0);
        state.counters["visible"] = static_cast<double>(rows.size());
        state.counters["first_screen_ms"] = firstScreenMs;
        state.counters["cold_same_count_ms"] = coldMs;
        state.counters["first_screen_over_cold"] = firstScreenMs / coldMs;
        state.counters["scroll_median_ms"] = percentile(scrollMs, 0.5);
        state.counters["scroll_p95_ms"] = percentile(scrollMs, 0.95);
        state.counters["thumbnail_mb_most"] = static_cast<double>(mostBytes) / bench::Megabyte;
        std::printf("%d slides, %zu thumbnails in sight: drawn %.1f ms after opening; the same "
                    "count decoded whole and scaled one by one %.1f ms (ratio %.3f); %zu scrolls, "
                    "main thread per scroll median %.2f ms, p95 %.2f ms; thumbnails held at most "
                    "%.1f MB\n",
                    SlideCount, rows.size(), firstScreenMs, coldMs, firstScreenMs / coldMs,
                    scrollMs.size(), percentile(scrollMs, 0.5), percentile(scrollMs, 0.95),
                    static_cast<double>(mostBytes) / bench::Megabyte);

        controller.closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

BENCHMARK(BM_StripOfAThousand)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // A 1920x1080 screen without a display server, and preferences that touch nothing of the
    // user's.
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" LANTERNREEL_OFFSCREEN_CONFIG);
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
