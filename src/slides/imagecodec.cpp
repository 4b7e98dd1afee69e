#include "imagecodec.h"

#include <QBuffer>
#include <QImageReader>
#include <QSet>
#include <QTransform>
#include <cstring>
#include <memory>
#include <mutex>
#include <turbojpeg.h>

namespace lanternreel {

namespace {

bool fitsInMemoryLimit(int64_t width, int64_t height)
{
    return width > 0 && height > 0 && width * height * 4 <= MaxDecodedBytes;
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

bool looksLikeJpeg(const QByteArray &encoded)
{
    return isJpeg(encoded);
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

// TurboJPEG cannot turn CMYK into RGB; Qt's reader can, so those few files go there.
bool turboJpegDecodes(const JpegHeader &header)
{
    return header.colorspace != TJCS_CMYK && header.colorspace != TJCS_YCCK;
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
};

// Nothing when TurboJPEG does not handle this file (not a JPEG, or CMYK); a null image when it
// does and the data is broken. Warnings count as failures: they are how libjpeg reports a
// truncated or damaged stream, which it otherwise fills with grey.
std::optional<JpegDecode> decodeJpeg(const QByteArray &encoded, QSize uprightTarget)
{
    if (!looksLikeJpeg(encoded))
        return std::nullopt;
    TjHandle handle = newDecompressor();
    if (!handle)
        return JpegDecode {};
    const auto header = readJpegHeader(handle.get(), encoded);
    if (!header)
        return JpegDecode {};
    if (!turboJpegDecodes(*header))
        return std::nullopt;
    if (!fitsInMemoryLimit(header->width, header->height))
        return JpegDecode {};

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
        return JpegDecode {};
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    const int pixelFormat = TJPF_BGRX;
#else
    const int pixelFormat = TJPF_XRGB;
#endif
    if (tjDecompress2(handle.get(), reinterpret_cast<const unsigned char *>(encoded.constData()),
                      static_cast<unsigned long>(encoded.size()), image.bits(), width,
                      static_cast<int>(image.bytesPerLine()), height, pixelFormat,
                      TJFLAG_STOPONWARNING | TJFLAG_LIMITSCANS)
        != 0)
        return JpegDecode {};
    return JpegDecode { applyOrientation(image, orientation), uprightSize };
}

// ---- everything else through Qt's readers ----

void limitQtAllocations()
{
    static std::once_flag once;
    std::call_once(once, [] {
        QImageReader::setAllocationLimit(static_cast<int>(MaxDecodedBytes / (1024 * 1024)));
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
    std::optional<QSize> storedSize()
    {
        if (!reader.canRead())
            return std::nullopt;
        const QSize size = reader.size();
        if (!fitsInMemoryLimit(size.width(), size.height()))
            return std::nullopt;
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

QImage readWithQt(const QByteArray &encoded)
{
    QtReader qt(encoded);
    if (!qt.storedSize())
        return QImage();
    QImage image;
    if (!qt.reader.read(&image))
        return QImage();
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
    const auto *bytes = reinterpret_cast<const uchar *>(encoded.constData());
    const uint64_t size = static_cast<uint64_t>(encoded.size());
    if (size < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8)
        return 1;
    uint64_t at = 2;
    while (at + 4 <= size) {
        if (bytes[at] != 0xFF)
            return 1;
        const uchar marker = bytes[at + 1];
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9) // image data or end: no more metadata
            return 1;
        if ((marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) { // no length field
            at += 2;
            continue;
        }
        const uint64_t length = uint64_t(bytes[at + 2]) << 8 | bytes[at + 3];
        if (length < 2 || at + 2 + length > size)
            return 1;
        static const char exifHeader[6] = { 'E', 'x', 'i', 'f', 0, 0 };
        if (marker == 0xE1 && length >= 8 && std::memcmp(bytes + at + 4, exifHeader, 6) == 0) {
            const int orientation = tiffOrientation(bytes + at + 10, length - 8);
            return orientation ? orientation : 1;
        }
        at += 2 + length;
    }
    return 1;
}

std::optional<ImageInfo> probeImage(const QByteArray &encoded)
{
    if (looksLikeJpeg(encoded)) {
        TjHandle handle = newDecompressor();
        const auto header = handle ? readJpegHeader(handle.get(), encoded) : std::nullopt;
        if (header && turboJpegDecodes(*header)) {
            if (!fitsInMemoryLimit(header->width, header->height))
                return std::nullopt;
            QSize size(header->width, header->height);
            if (swapsAxes(jpegExifOrientation(encoded)))
                size.transpose();
            return ImageInfo { size };
        }
    }
    QtReader qt(encoded);
    const auto stored = qt.storedSize();
    if (!stored)
        return std::nullopt;
    return ImageInfo { qt.orientedSize(*stored) };
}

QImage decodeImage(const QByteArray &encoded, QSize target)
{
    if (auto jpeg = decodeJpeg(encoded, target))
        return scaledTo(jpeg->image, target);
    return scaledTo(readWithQt(encoded), target);
}

std::optional<ImageInfo> validateImage(const QByteArray &encoded)
{
    // The entropy decoder reads every coefficient of every block whatever the output scale, and
    // it is what reports truncated or damaged data; only the inverse DCT shrinks. So the
    // smallest scale checks the whole file at a fraction of the time and memory.
    if (const auto jpeg = decodeJpeg(encoded, QSize(1, 1))) {
        if (jpeg->image.isNull())
            return std::nullopt;
        return ImageInfo { jpeg->uprightSize };
    }
    const QImage image = readWithQt(encoded);
    if (image.isNull())
        return std::nullopt;
    return ImageInfo { image.size() };
}

QStringList imageFileTypes()
{
    QSet<QString> lower { QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("jpe"),
                          QStringLiteral("jfif") };
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        lower.insert(QString::fromLatin1(format).toLower());
    QStringList types;
    for (const QString &type : lower) {
        types.append(type);
        types.append(type.toUpper());
    }
    types.sort();
    return types;
}

} // namespace lanternreel
