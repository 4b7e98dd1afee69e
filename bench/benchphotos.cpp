// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchphotos.h"

#include <QFile>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <turbojpeg.h>
#include <vector>

namespace lanternreel::bench {

namespace {

uint32_t nextRandom(uint32_t &state)
{
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

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

} // namespace

QByteArray generatedPhoto(int index)
{
    const std::vector<unsigned char> rgb = syntheticPhoto(index);
    tjhandle encoder = tjInitCompress();
    unsigned char *jpeg = nullptr;
    unsigned long size = 0;
    if (tjCompress2(encoder, rgb.data(), Width, 0, Height, TJPF_RGB, &jpeg, &size, TJSAMP_420, 92,
                    0)
        != 0) {
        std::fprintf(stderr, "encode failed: %s\n", tjGetErrorStr2(encoder));
        std::abort();
    }
    QByteArray bytes(reinterpret_cast<const char *>(jpeg), qsizetype(size));
    tjFree(jpeg);
    tjDestroy(encoder);
    return bytes;
}

Files &generatedFiles()
{
    static Files files = [] {
        Files made;
        for (int i = 0; i < FileCount; ++i) {
            const QByteArray jpeg = generatedPhoto(i);
            const QString path = made.dir.filePath(QStringLiteral("photo%1.jpg").arg(i));
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size())
                std::abort();
            made.paths.append(path);
            made.totalBytes += jpeg.size();
        }
        return made;
    }();
    return files;
}

FullDecoder::FullDecoder()
    : m_decoder(tjInitDecompress())
    , m_pixels(size_t(Width) * Height * 4)
{ }

FullDecoder::~FullDecoder()
{
    tjDestroy(m_decoder);
}

void FullDecoder::decode(const QByteArray &jpeg)
{
    if (tjDecompress2(m_decoder, reinterpret_cast<const unsigned char *>(jpeg.constData()),
                      static_cast<unsigned long>(jpeg.size()), m_pixels.data(), Width, 0, Height,
                      TJPF_BGRX, 0)
        != 0)
        std::abort();
    benchmark::DoNotOptimize(m_pixels.data());
}

QuietServices::QuietServices()
{
    m_services.alerts = this;
    m_services.log = this;
}

void QuietServices::alert(const QString &message, const QString &, const QString &)
{
    std::fprintf(stderr, "alert: %s\n", qPrintable(message));
}

} // namespace lanternreel::bench
