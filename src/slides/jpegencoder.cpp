// SPDX-License-Identifier: GPL-3.0-or-later
#include "jpegencoder.h"

#include "slides/imagecodec.h"
#include "slides/parallelmap.h"

#include <atomic>
#include <memory>
#include <turbojpeg.h>

namespace lanternreel {

namespace {

struct TjDestroy
{
    void operator()(void *handle) const { tjDestroy(handle); }
};

} // namespace

QByteArray encodeJpeg(const QImage &image, int quality)
{
    if (image.isNull())
        return {};
    // Alpha is dropped (JPEG carries none); every other format is brought to 32-bit RGB, which
    // TurboJPEG reads directly.
    const QImage rgb = image.format() == QImage::Format_RGB32
        ? image
        : image.convertToFormat(QImage::Format_RGB32);
    std::unique_ptr<void, TjDestroy> encoder(tjInitCompress());
    if (!encoder || rgb.isNull())
        return {};
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    const int pixelFormat = TJPF_BGRX;
#else
    const int pixelFormat = TJPF_XRGB;
#endif
    unsigned char *jpeg = nullptr;
    unsigned long size = 0;
    const int failed = tjCompress2(encoder.get(), rgb.constBits(), rgb.width(),
                                   static_cast<int>(rgb.bytesPerLine()), rgb.height(), pixelFormat,
                                   &jpeg, &size, TJSAMP_420, quality, 0);
    QByteArray bytes;
    if (failed == 0)
        bytes = QByteArray(reinterpret_cast<const char *>(jpeg), static_cast<qsizetype>(size));
    tjFree(jpeg);
    return bytes;
}

QByteArray storedJpeg(const Slide &slide)
{
    if (slide.isStoredJpeg())
        return slide.encoded();
    // Straight from the bytes, not through the slide's cache, which would keep the full-size
    // pixels of every slide.
    return encodeJpeg(decodeImage(slide.encoded()));
}

std::vector<QByteArray> storedJpegs(const std::vector<SlidePtr> &slides, const WorkControl *control)
{
    const int total = static_cast<int>(slides.size());
    std::atomic<int> done { 0 };
    if (control)
        control->progress(0, total);
    return mapInOrder<QByteArray>(slides.size(), [&](std::size_t i) -> QByteArray {
        if (control && control->isCancelled())
            return {};
        QByteArray jpeg = storedJpeg(*slides[i]);
        if (control)
            control->progress(++done, total);
        return jpeg;
    });
}

} // namespace lanternreel
