#include "slide.h"

#include "imagecodec.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace lanternreel {

SlidePtr Slide::fromEncoded(const QString &name, const QByteArray &encoded)
{
    const auto info = probeImage(encoded);
    if (!info)
        return nullptr;
    return std::make_shared<const Slide>(Private {}, name, encoded, info->size);
}

SlidePtr Slide::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    const QByteArray encoded = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return nullptr;
    const auto info = validateImage(encoded);
    if (!info)
        return nullptr;
    return std::make_shared<const Slide>(Private {}, QFileInfo(path).fileName(), encoded,
                                         info->size);
}

SlidePtr Slide::fromImage(const QString &name, const QImage &image)
{
    if (image.isNull())
        return nullptr;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG", 100);
    return std::make_shared<const Slide>(Private {}, name, bytes, image.size());
}

SlidePtr Slide::fromStoredJpeg(const QString &name, const QByteArray &jpeg)
{
    if (!isJpeg(jpeg))
        return nullptr;
    const auto info = validateImage(jpeg);
    if (!info)
        return nullptr;
    return std::make_shared<const Slide>(Private {}, name, jpeg, info->size, true);
}

Slide::Slide(Private, const QString &name, const QByteArray &encoded, QSize size, bool storedJpeg)
    : m_name(name)
    , m_encoded(encoded)
    , m_size(size)
    , m_storedJpeg(storedJpeg)
{ }

QImage Slide::pixels(QSize target) const
{
    if (!target.isValid() || target.isEmpty())
        target = m_size;
    {
        std::lock_guard lock(m_cacheMutex);
        auto hit = std::find_if(m_cache.begin(), m_cache.end(),
                                [&](const QImage &image) { return image.size() == target; });
        if (hit != m_cache.end()) {
            QImage image = *hit;
            m_cache.erase(hit);
            m_cache.push_back(image);
            return image;
        }
    }
    QImage image = decodeImage(m_encoded, target);
    if (image.isNull())
        return image;
    std::lock_guard lock(m_cacheMutex);
    if (m_cache.size() >= CacheSize)
        m_cache.erase(m_cache.begin());
    m_cache.push_back(image);
    return image;
}

bool Slide::hasPixels(QSize target) const
{
    std::lock_guard lock(m_cacheMutex);
    return std::any_of(m_cache.begin(), m_cache.end(),
                       [&](const QImage &image) { return image.size() == target; });
}

} // namespace lanternreel
