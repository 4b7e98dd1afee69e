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
#include "slides/imagecodec.h"
#include "slides/imagehandler.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
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

// Serves events for `ms` milliseconds, asleep when there are none: a spinning wait would take the
// processor from the work pool, whose threads run below this one.
void serveEventsFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
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
            serveEventsFor(5);
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
        // And the way the strip decodes each one (DCT-scaled to the box), here on this thread:
        // what is left of the first figure beyond it is the wait for the work pool.
        const auto scaledStart = Clock::now();
        for (int row : rows) {
            const QByteArray &jpeg = jpegs[static_cast<size_t>(row % DistinctPhotos)];
            const QSize size = probeImage(jpeg)->size.scaled(box, Qt::KeepAspectRatio);
            benchmark::DoNotOptimize(decodeImage(jpeg, size).constBits());
        }
        const double scaledMs = msSince(scaledStart);

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
            serveEventsFor(20);
            mostBytes = std::max(mostBytes, strip->stripModel()->thumbnails().bytesKept());
        }

        // End to end again, this time waiting at each page for its thumbnails, as someone
        // looking through the whole show does: the most the thumbnails ever hold, against what
        // keeping every one of them would.
        qint64 heldMost = 0;
        qint64 oneThumbnail = 0;
        for (int at = bar->minimum(); at <= bar->maximum(); at += bar->pageStep()) {
            bar->setValue(at);
            strip->viewport()->repaint();
            const std::vector<int> page = visibleRows(strip);
            QElapsedTimer pageWait;
            pageWait.start();
            while (!allMade(strip, page) && pageWait.elapsed() < 30000)
                serveEventsFor(5);
            ThumbnailCache &cache = strip->stripModel()->thumbnails();
            heldMost = std::max(heldMost, cache.bytesKept());
            if (!page.empty())
                oneThumbnail
                    = cache.thumbnail(strip->stripModel()->slideAt(page.front())).sizeInBytes();
        }
        const double keepAllMb = static_cast<double>(oneThumbnail) * SlideCount / bench::Megabyte;

        state.SetIterationTime(firstScreenMs / 1000.0);
        state.counters["visible"] = static_cast<double>(rows.size());
        state.counters["first_screen_ms"] = firstScreenMs;
        state.counters["cold_same_count_ms"] = coldMs;
        state.counters["first_screen_over_cold"] = firstScreenMs / coldMs;
        state.counters["scaled_same_count_ms"] = scaledMs;
        state.counters["first_screen_over_scaled"] = firstScreenMs / scaledMs;
        state.counters["scroll_median_ms"] = percentile(scrollMs, 0.5);
        state.counters["scroll_p95_ms"] = percentile(scrollMs, 0.95);
        state.counters["thumbnail_mb_most"] = static_cast<double>(heldMost) / bench::Megabyte;
        state.counters["keep_all_mb"] = keepAllMb;
        std::printf("%d slides, %zu thumbnails in sight: drawn %.1f ms after opening; the same "
                    "count decoded whole and scaled one by one %.1f ms (ratio %.3f), DCT-scaled "
                    "on one thread %.1f ms (ratio %.3f); %zu scrolls, main thread per scroll "
                    "median %.2f ms, p95 %.2f ms; thumbnails held at most %.1f MB (while "
                    "scrolling %.1f MB), every thumbnail kept would be %.1f MB\n",
                    SlideCount, rows.size(), firstScreenMs, coldMs, firstScreenMs / coldMs,
                    scaledMs, firstScreenMs / scaledMs, scrollMs.size(), percentile(scrollMs, 0.5),
                    percentile(scrollMs, 0.95), static_cast<double>(heldMost) / bench::Megabyte,
                    static_cast<double>(mostBytes) / bench::Megabyte, keepAllMb);

        controller.closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

BENCHMARK(BM_StripOfAThousand)->Iterations(2)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
