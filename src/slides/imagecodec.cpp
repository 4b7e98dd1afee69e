#include "imagecodec.h"

#include <QBuffer>
#include <QImageReader>

namespace lanternreel {

namespace {

void prepareReader(QImageReader &reader)
{
    reader.setAutoTransform(true);
}

QSize orientedSize(const QImageReader &reader)
{
    QSize size = reader.size();
    if (reader.transformation() & QImageIOHandler::TransformationRotate90)
        size.transpose();
    return size;
}

} // namespace

std::optional<ImageInfo> probeImage(const QByteArray &encoded)
{
    QBuffer buffer;
    buffer.setData(encoded);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    prepareReader(reader);
    if (!reader.canRead())
        return std::nullopt;
    const QSize size = orientedSize(reader);
    if (!size.isValid() || size.isEmpty())
        return std::nullopt;
    return ImageInfo{size};
}

QImage decodeImage(const QByteArray &encoded, QSize target)
{
    QBuffer buffer;
    buffer.setData(encoded);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    prepareReader(reader);
    QImage image;
    if (!reader.read(&image))
        return {};
    if (target.isValid() && !target.isEmpty() && image.size() != target)
        image = image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

} // namespace lanternreel
