// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagecodec.h"

#include <QBuffer>
#include <QByteArrayView>
#include <QImageReader>
#include <QSet>
#include <QTransform>
#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <turbojpeg.h>

namespace lanternreel {

namespace {

bool fitsInMemoryLimit(int64_t width, int64_t height, int64_t bytesPerPixel = 4)
{
    return width > 0 && height > 0 && width * height * bytesPerPixel <= MaxDecodedBytes;
}

void report(ImageFault *fault, ImageFault what)
{
    if (fault)
        *fault = what;
}

// ---- JPEG through TurboJPEG ----

struct TjDestroy
{
    void operator()(void *handle) const { tjDestroy(handle); }
};
using TjHandle = std::unique_ptr<void, TjDestroy>;

TjHandle newDecompressor()
{
    return TjHandle(tjInitDecompress());
}

struct JpegHeader
{
    int width = 0;
    int height = 0;
    int colorspace = 0;
};

std::optional<JpegHeader> readJpegHeader(tjhandle handle, const QByteArray &encoded)
{
    JpegHeader header;
    int subsampling = 0;
    if (tjDecompressHeader3(handle, reinterpret_cast<const unsigned char *>(encoded.constData()),
                            static_cast<unsigned long>(encoded.size()), &header.width,
                            &header.height, &subsampling, &header.colorspace)
        != 0)
        return std::nullopt;
    return header;
}

bool isCmyk(const JpegHeader &header)
{
    return header.colorspace == TJCS_CMYK || header.colorspace == TJCS_YCCK;
}

// The body of the first APPn segment `marker` whose body starts with `signature`, before the
// image data; empty when there is none. Every length is checked against the bytes at hand.
QByteArrayView jpegSegment(const QByteArray &encoded, uchar marker, QByteArrayView signature)
{
    const auto *bytes = reinterpret_cast<const uchar *>(encoded.constData());
    const uint64_t size = static_cast<uint64_t>(encoded.size());
    if (size < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8)
        return {};
    uint64_t at = 2;
    while (at + 4 <= size) {
        if (bytes[at] != 0xFF)
            return {};
        const uchar code = bytes[at + 1];
        if (code == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (code == 0xDA || code == 0xD9) // image data or end: no more metadata
            return {};
        if ((code >= 0xD0 && code <= 0xD7) || code == 0x01) { // no length field
            at += 2;
            continue;
        }
        const uint64_t length = uint64_t(bytes[at + 2]) << 8 | bytes[at + 3];
        if (length < 2 || at + 2 + length > size)
            return {};
        const QByteArrayView body(encoded.constData() + at + 4, qsizetype(length - 2));
        if (code == marker && body.startsWith(signature))
            return body;
        at += 2 + length;
    }
    return {};
}

// Photoshop, and the tools that follow it, write CMYK with Adobe's APP14 segment and every
// channel inverted (0 is full ink); without the segment the values are plain ink amounts.
bool cmykIsInverted(const QByteArray &encoded)
{
    static const char adobe[5] = { 'A', 'd', 'o', 'b', 'e' };
    return !jpegSegment(encoded, 0xEE, QByteArrayView(adobe, 5)).isEmpty();
}

// Turns decoded CMYK pixels (bytes C, M, Y, K) into RGB32 in place, by the simple ink model
// that other viewers use too: no colour profile is applied.
void cmykToRgb(QImage &image, bool inverted)
{
    for (int y = 0; y < image.height(); ++y) {
        uchar *line = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            uchar *p = line + ptrdiff_t { 4 } * x;
            int c = p[0], m = p[1], yellow = p[2], k = p[3];
            if (!inverted) {
                c = 255 - c;
                m = 255 - m;
                yellow = 255 - yellow;
                k = 255 - k;
            }
            // Now 255 means no ink: each channel is what the ink and the black let through.
            const QRgb rgb = qRgb(c * k / 255, m * k / 255, yellow * k / 255);
            std::memcpy(p, &rgb, sizeof rgb);
        }
    }
}

bool swapsAxes(int orientation)
{
    return orientation >= 5 && orientation <= 8;
}

QImage applyOrientation(const QImage &image, int orientation)
{
    switch (orientation) {
    case 2:
        return image.mirrored(true, false);
    case 3:
        return image.transformed(QTransform().rotate(180));
    case 4:
        return image.mirrored(false, true);
    case 5:
        return image.transformed(QTransform().rotate(90)).mirrored(true, false);
    case 6:
        return image.transformed(QTransform().rotate(90));
    case 7:
        return image.transformed(QTransform().rotate(90)).mirrored(false, true);
    case 8:
        return image.transformed(QTransform().rotate(270));
    default:
        return image;
    }
}

// The smallest DCT scaling that still gives at least `target` (in stored orientation), so that
// the smooth scaling afterwards only ever shrinks.
tjscalingfactor scalingFor(const JpegHeader &header, QSize target)
{
    const tjscalingfactor full { 1, 1 };
    if (!target.isValid() || target.isEmpty())
        return full;
    int count = 0;
    const tjscalingfactor *factors = tjGetScalingFactors(&count);
    tjscalingfactor best = full;
    int64_t bestArea = int64_t(header.width) * header.height;
    for (int i = 0; factors && i < count; ++i) {
        const tjscalingfactor f = factors[i];
        if (f.num > f.denom)
            continue;
        const int w = TJSCALED(header.width, f);
        const int h = TJSCALED(header.height, f);
        if (w < target.width() || h < target.height())
            continue;
        if (int64_t(w) * h < bestArea) {
            best = f;
            bestArea = int64_t(w) * h;
        }
    }
    return best;
}

struct JpegDecode
{
    QImage image; // upright, at the DCT scale chosen for the target; null when broken
    QSize uprightSize; // of the whole picture
    ImageFault fault = ImageFault::NotAPicture; // why the image is null
};

// Nothing when the bytes are not a JPEG; a null image when they are and the data is broken or
// too large. Every JPEG is decoded here, never by Qt's reader, and warnings count as failures:
// they are how libjpeg reports a truncated or damaged stream, which it otherwise fills with
// grey.
std::optional<JpegDecode> decodeJpeg(const QByteArray &encoded, QSize uprightTarget)
{
    if (!isJpeg(encoded))
        return std::nullopt;
    TjHandle handle = newDecompressor();
    if (!handle)
        return JpegDecode {};
    const auto header = readJpegHeader(handle.get(), encoded);
    if (!header)
        return JpegDecode {};
    if (!fitsInMemoryLimit(header->width, header->height))
        return JpegDecode { {}, {}, ImageFault::TooLarge };

    const int orientation = jpegExifOrientation(encoded);
    QSize uprightSize(header->width, header->height);
    if (swapsAxes(orientation))
        uprightSize.transpose();
    QSize storedTarget = uprightTarget;
    if (swapsAxes(orientation))
        storedTarget.transpose();
    const tjscalingfactor factor = scalingFor(*header, storedTarget);
    const int width = TJSCALED(header->width, factor);
    const int height = TJSCALED(header->height, factor);

    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return JpegDecode { {}, {}, ImageFault::TooLarge };
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    const int rgbFormat = TJPF_BGRX;
#else
    const int rgbFormat = TJPF_XRGB;
#endif
    // TurboJPEG does not turn CMYK into RGB, but hands out the inks, four bytes a pixel like
    // RGB32, and they are converted in place.
    const bool cmyk = isCmyk(*header);
    if (tjDecompress2(handle.get(), reinterpret_cast<const unsigned char *>(encoded.constData()),
                      static_cast<unsigned long>(encoded.size()), image.bits(), width,
                      static_cast<int>(image.bytesPerLine()), height, cmyk ? TJPF_CMYK : rgbFormat,
                      TJFLAG_STOPONWARNING | TJFLAG_LIMITSCANS)
        != 0)
        return JpegDecode {};
    if (cmyk)
        cmykToRgb(image, cmykIsInverted(encoded));
    image = applyOrientation(image, orientation);
    if (image.isNull())
        return JpegDecode { {}, {}, ImageFault::TooLarge };
    return JpegDecode { image, uprightSize, ImageFault::None };
}

// ---- everything else through Qt's readers ----

void limitQtAllocations()
{
    static std::once_flag once;
    std::call_once(once, [] {
        QImageReader::setAllocationLimit(
            static_cast<int>(MaxDecodedBytes / (int64_t { 1024 } * 1024)));
    });
}

struct QtReader
{
    explicit QtReader(const QByteArray &encoded)
    {
        limitQtAllocations();
        buffer.setData(encoded);
        buffer.open(QIODevice::ReadOnly);
        reader.setDevice(&buffer);
        reader.setAutoTransform(true);
    }
    // Size as stored; nothing when the header is unreadable or claims too large a picture.
    std::optional<QSize> storedSize(ImageFault *fault)
    {
        if (!reader.canRead()) {
            report(fault, ImageFault::NotAPicture);
            return std::nullopt;
        }
        const QSize size = reader.size();
        if (!size.isValid() || size.isEmpty()) {
            report(fault, ImageFault::NotAPicture);
            return std::nullopt;
        }
        // Deep pictures (16 bits a channel) are held at their depth.
        const QImage::Format format = reader.imageFormat();
        const int bits
            = format == QImage::Format_Invalid ? 32 : QImage::toPixelFormat(format).bitsPerPixel();
        if (!fitsInMemoryLimit(size.width(), size.height(), std::max(4, bits / 8))) {
            report(fault, ImageFault::TooLarge);
            return std::nullopt;
        }
        return size;
    }
    QSize orientedSize(QSize stored) const
    {
        if (reader.transformation() & QImageIOHandler::TransformationRotate90)
            stored.transpose();
        return stored;
    }

    QBuffer buffer;
    QImageReader reader;
};

QImage readWithQt(const QByteArray &encoded, ImageFault *fault = nullptr)
{
    QtReader qt(encoded);
    if (!qt.storedSize(fault))
        return QImage();
    QImage image;
    if (!qt.reader.read(&image)) {
        report(fault, ImageFault::NotAPicture);
        return QImage();
    }
    return image;
}

QImage scaledTo(const QImage &image, QSize target)
{
    if (image.isNull() || !target.isValid() || target.isEmpty() || image.size() == target)
        return image;
    return image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Reads a TIFF structure (the body of an Exif segment) for tag 0x0112 in its first IFD.
// Every offset is checked against `size`; 0 when the tag is absent or out of range.
int tiffOrientation(const uchar *tiff, uint64_t size)
{
    if (size < 8)
        return 0;
    bool little;
    if (tiff[0] == 'I' && tiff[1] == 'I')
        little = true;
    else if (tiff[0] == 'M' && tiff[1] == 'M')
        little = false;
    else
        return 0;
    auto u16 = [&](uint64_t at) -> uint32_t {
        return little ? uint32_t(tiff[at]) | uint32_t(tiff[at + 1]) << 8
                      : uint32_t(tiff[at]) << 8 | uint32_t(tiff[at + 1]);
    };
    auto u32 = [&](uint64_t at) -> uint32_t {
        return little ? u16(at) | u16(at + 2) << 16 : u16(at) << 16 | u16(at + 2);
    };
    if (u16(2) != 42)
        return 0;
    const uint64_t ifd = u32(4);
    if (ifd < 8 || ifd + 2 > size)
        return 0;
    const uint32_t entries = u16(ifd);
    for (uint32_t i = 0; i < entries; ++i) {
        const uint64_t entry = ifd + 2 + uint64_t(i) * 12;
        if (entry + 12 > size)
            return 0;
        if (u16(entry) != 0x0112)
            continue;
        const uint32_t type = u16(entry + 2); // 3: SHORT
        const uint32_t count = u32(entry + 4);
        if (type != 3 || count < 1)
            return 0;
        const uint32_t value = u16(entry + 8);
        return value >= 1 && value <= 8 ? int(value) : 0;
    }
    return 0;
}

} // namespace

bool isJpeg(const QByteArray &encoded)
{
    return encoded.size() >= 3 && uchar(encoded[0]) == 0xFF && uchar(encoded[1]) == 0xD8
        && uchar(encoded[2]) == 0xFF;
}

int jpegExifOrientation(const QByteArray &encoded)
{
    static const char exifHeader[6] = { 'E', 'x', 'i', 'f', 0, 0 };
    const QByteArrayView body = jpegSegment(encoded, 0xE1, QByteArrayView(exifHeader, 6));
    if (body.size() < 6)
        return 1;
    const int orientation = tiffOrientation(reinterpret_cast<const uchar *>(body.data()) + 6,
                                            static_cast<uint64_t>(body.size() - 6));
    return orientation ? orientation : 1;
}

// Memory can run out on a large picture in any of these, on whatever thread they run: that is
// a picture too large to hold, never an exception for the caller.
std::optional<ImageInfo> probeImage(const QByteArray &encoded, ImageFault *fault)
{
    report(fault, ImageFault::None);
    try {
        if (isJpeg(encoded)) {
            TjHandle handle = newDecompressor();
            const auto header = handle ? readJpegHeader(handle.get(), encoded) : std::nullopt;
            if (!header) {
                report(fault, ImageFault::NotAPicture);
                return std::nullopt;
            }
            if (!fitsInMemoryLimit(header->width, header->height)) {
                report(fault, ImageFault::TooLarge);
                return std::nullopt;
            }
            QSize size(header->width, header->height);
            if (swapsAxes(jpegExifOrientation(encoded)))
                size.transpose();
            return ImageInfo { size };
        }
        QtReader qt(encoded);
        const auto stored = qt.storedSize(fault);
        if (!stored)
            return std::nullopt;
        return ImageInfo { qt.orientedSize(*stored) };
    } catch (const std::bad_alloc &) {
        report(fault, ImageFault::TooLarge);
        return std::nullopt;
    }
}

QImage decodeImage(const QByteArray &encoded, QSize target)
{
    try {
        if (auto jpeg = decodeJpeg(encoded, target))
            return scaledTo(jpeg->image, target);
        return scaledTo(readWithQt(encoded), target);
    } catch (const std::bad_alloc &) {
        return QImage();
    }
}

std::optional<ImageInfo> validateImage(const QByteArray &encoded, ImageFault *fault)
{
    report(fault, ImageFault::None);
    try {
        // The entropy decoder reads every coefficient of every block whatever the output scale,
        // and it is what reports truncated or damaged data; only the inverse DCT shrinks. So
        // the smallest scale checks the whole file at a fraction of the time and memory.
        if (const auto jpeg = decodeJpeg(encoded, QSize(1, 1))) {
            if (jpeg->image.isNull()) {
                report(fault, jpeg->fault);
                return std::nullopt;
            }
            return ImageInfo { jpeg->uprightSize };
        }
        const QImage image = readWithQt(encoded, fault);
        if (image.isNull())
            return std::nullopt;
        return ImageInfo { image.size() };
    } catch (const std::bad_alloc &) {
        report(fault, ImageFault::TooLarge);
        return std::nullopt;
    }
}

QStringList imageFileTypes()
{
    QSet<QString> lower { QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("jpe"),
                          QStringLiteral("jfif") };
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        lower.insert(QString::fromLatin1(format).toLower());
    QStringList types(lower.begin(), lower.end());
    types.sort();
    return types;
}

bool hasImageExtension(const QString &path)
{
    static const QSet<QString> types = [] {
        const QStringList list = imageFileTypes();
        return QSet<QString>(list.begin(), list.end());
    }();
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || dot < slash)
        return false;
    return types.contains(path.mid(dot + 1).toLower());
}

} // namespace lanternreel
