// SPDX-License-Identifier: GPL-3.0-or-later
// The EXIF orientation of a JPEG: our own reader of the APP1 segment against
// QImageReader::transformation(), weighed against the header probe the import does for every
// file anyway (the baseline, measured in the same run). First checks that both readers agree
// on every sample photo.
//   bench_orientation [DIR]   (default: the shared EXIF samples)

#include "slides/imagecodec.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <vector>

using namespace lanternreel;

namespace {

std::vector<QByteArray> photos;

int qtOrientation(const QByteArray &encoded)
{
    QBuffer buffer;
    buffer.setData(encoded);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    switch (reader.transformation()) {
    case QImageIOHandler::TransformationMirror:
        return 2;
    case QImageIOHandler::TransformationRotate180:
        return 3;
    case QImageIOHandler::TransformationFlip:
        return 4;
    case QImageIOHandler::TransformationFlipAndRotate90:
        return 5;
    case QImageIOHandler::TransformationRotate90:
        return 6;
    case QImageIOHandler::TransformationMirrorAndRotate90:
        return 7;
    case QImageIOHandler::TransformationRotate270:
        return 8;
    default:
        return 1;
    }
}

void Probe(benchmark::State &state)
{
    for (auto _ : state) {
        for (const QByteArray &photo : photos)
            benchmark::DoNotOptimize(probeImage(photo));
    }
}
BENCHMARK(Probe)->Unit(benchmark::kMicrosecond);

void OwnReader(benchmark::State &state)
{
    for (auto _ : state) {
        for (const QByteArray &photo : photos)
            benchmark::DoNotOptimize(jpegExifOrientation(photo));
    }
}
BENCHMARK(OwnReader)->Unit(benchmark::kMicrosecond);

void QtReader(benchmark::State &state)
{
    for (auto _ : state) {
        for (const QByteArray &photo : photos)
            benchmark::DoNotOptimize(qtOrientation(photo));
    }
}
BENCHMARK(QtReader)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    QCoreApplication app(argc, argv);
    const QString folder
        = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(LANTERNREEL_EXIF_SAMPLES);
    const QDir dir(folder);
    int disagreements = 0;
    for (const QString &name : dir.entryList({ QStringLiteral("*.jpg") }, QDir::Files)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        photos.push_back(file.readAll());
        const int own = jpegExifOrientation(photos.back());
        const int qt = qtOrientation(photos.back());
        std::printf("%-20s own %d  Qt %d%s\n", qPrintable(name), own, qt,
                    own == qt ? "" : "  DIFFERENT");
        disagreements += own != qt;
    }
    if (photos.empty()) {
        std::fprintf(stderr, "no JPEG photos in %s\n", qPrintable(folder));
        return 1;
    }
    std::printf("%zu photos, %d disagreements\n", photos.size(), disagreements);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return disagreements == 0 ? 0 : 1;
}
