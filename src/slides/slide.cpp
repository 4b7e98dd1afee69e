// SPDX-License-Identifier: GPL-3.0-or-later
#include "slide.h"

#include "imagecodec.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace lanternreel {

SlidePtr Slide::fromEncoded(const QString &name, const QByteArray &encoded)
{
    const auto info = probeImage(encoded);
    if (!info)
        return nullptr;
    return std::make_shared<const Slide>(Private {}, name,
                                         std::make_shared<const SlideBytes>(encoded), info->size);
}

namespace {

// Reads a whole picture file into `bytes`. The file is opened without waiting (a FIFO would
// otherwise block until someone writes into it) and checked on the open descriptor, so the
// file checked is the file read: only a regular file, of at most MaxFileBytes, read in bounded
// chunks and never past that limit however the file changes meanwhile.
ImageFault readPictureFile(const QString &path, QByteArray &bytes)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return ImageFault::NotAPicture;
    const auto closing = qScopeGuard([fd] { ::close(fd); });
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
        return ImageFault::NotAPicture;
    if (status.st_size > MaxFileBytes)
        return ImageFault::TooLarge;
    bytes.reserve(static_cast<qsizetype>(status.st_size));
    constexpr qsizetype Chunk = qsizetype(1) << 20;
    std::vector<char> chunk(static_cast<size_t>(Chunk));
    for (;;) {
        const ssize_t got = ::read(fd, chunk.data(), chunk.size());
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return ImageFault::NotAPicture;
        }
        if (got == 0)
            return ImageFault::None;
        if (bytes.size() + got > MaxFileBytes)
            return ImageFault::TooLarge;
        bytes.append(chunk.data(), static_cast<qsizetype>(got));
    }
}

} // namespace

SlidePtr Slide::load(const QString &path, ImageFault *fault, QString *why)
{
    ImageFault failure = ImageFault::None;
    SlidePtr slide;
    try {
        QByteArray encoded;
        failure = readPictureFile(path, encoded);
        if (failure == ImageFault::None) {
            if (const auto info = validateImage(encoded, &failure)) {
                // Kept from the bytes just checked, not read again from the file, which may
                // change in between.
                if (auto bytes = SlideBytes::spill(encoded, why))
                    slide = std::make_shared<const Slide>(Private {}, QFileInfo(path).fileName(),
                                                          std::move(bytes), info->size);
                else
                    failure = ImageFault::NotKept;
            }
        }
    } catch (const std::bad_alloc &) {
        failure = ImageFault::TooLarge;
        slide = nullptr;
    }
    if (fault)
        *fault = slide ? ImageFault::None
                       : (failure == ImageFault::None ? ImageFault::NotAPicture : failure);
    return slide;
}

SlidePtr Slide::fromImage(const QString &name, const QImage &image)
{
    if (image.isNull())
        return nullptr;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG", 100);
    return std::make_shared<const Slide>(Private {}, name,
                                         std::make_shared<const SlideBytes>(bytes), image.size());
}

std::optional<StoredPicture> Slide::checkStoredJpeg(const QByteArray &jpeg, ImageFault *fault,
                                                    QString *why)
{
    ImageFault failure = ImageFault::NotAPicture;
    std::optional<StoredPicture> picture;
    if (isJpeg(jpeg)) {
        if (const auto info = validateImage(jpeg, &failure)) {
            if (auto bytes = SlideBytes::spill(jpeg, why))
                picture = StoredPicture { std::move(bytes), info->size };
            else
                failure = ImageFault::NotKept;
        }
    }
    if (fault)
        *fault = picture ? ImageFault::None
                         : (failure == ImageFault::None ? ImageFault::NotAPicture : failure);
    return picture;
}

SlidePtr Slide::fromStoredPicture(const QString &name, const StoredPicture &picture)
{
    return std::make_shared<const Slide>(Private {}, name, picture.bytes, picture.size, true);
}

SlidePtr Slide::fromStoredJpeg(const QString &name, const QByteArray &jpeg)
{
    const auto picture = checkStoredJpeg(jpeg);
    return picture ? fromStoredPicture(name, *picture) : nullptr;
}

Slide::Slide(Private, const QString &name, std::shared_ptr<const SlideBytes> bytes, QSize size,
             bool storedJpeg)
    : m_name(name)
    , m_bytes(std::move(bytes))
    , m_size(size)
    , m_storedJpeg(storedJpeg)
{ }

QImage Slide::pixels(QSize target) const
{
    if (!target.isValid() || target.isEmpty())
        target = m_size;
    {
        std::unique_lock lock(m_cacheMutex);
        m_decoded.wait(lock, [&] {
            return std::find(m_decoding.begin(), m_decoding.end(), target) == m_decoding.end();
        });
        auto hit = std::find_if(m_cache.begin(), m_cache.end(),
                                [&](const QImage &image) { return image.size() == target; });
        if (hit != m_cache.end()) {
            QImage image = *hit;
            m_cache.erase(hit);
            m_cache.push_back(image);
            return image;
        }
        m_decoding.push_back(target);
    }
    QImage image;
    try {
        // An empty array (bytes that cannot be read back) decodes to a null image.
        image = decodeImage(encoded(), target);
    } catch (...) {
        finishDecoding(target, QImage());
        throw;
    }
    finishDecoding(target, image);
    return image;
}

// Keeps the new pixels before anyone waiting on the same size wakes, so that they find them.
void Slide::finishDecoding(QSize target, const QImage &image) const
{
    std::lock_guard lock(m_cacheMutex);
    if (!image.isNull()) {
        if (m_cache.size() >= CacheSize)
            m_cache.erase(m_cache.begin());
        m_cache.push_back(image);
    }
    m_decoding.erase(std::find(m_decoding.begin(), m_decoding.end(), target));
    m_decoded.notify_all();
}

bool Slide::hasPixels(QSize target) const
{
    std::lock_guard lock(m_cacheMutex);
    return std::any_of(m_cache.begin(), m_cache.end(),
                       [&](const QImage &image) { return image.size() == target; });
}

void Slide::dropPixels() const
{
    std::lock_guard lock(m_cacheMutex);
    m_cache.clear();
}

} // namespace lanternreel
