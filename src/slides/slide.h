// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "slides/imagecodec.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

namespace lanternreel {

class Slide;
using SlidePtr = std::shared_ptr<const Slide>;

// One picture of a show with its name. A slide is shared and never changes: the slide list, the
// random order and the views hold the same object. It keeps the picture's encoded bytes (for a
// JPEG, the file itself) and hands out pixels decoded at the size asked for, keeping only the
// last few sizes, so that the full-size pixels of every slide are never held at once.
class Slide
{
    struct Private
    {
    };

public:
    // From a picture file's bytes; nullptr when the header is not a picture this program reads.
    static SlidePtr fromEncoded(const QString &name, const QByteArray &encoded);
    // Reads a picture file and decodes every byte of it, so that a truncated or corrupt file is
    // refused now rather than shown half grey later; keeps the file's bytes, not the pixels.
    // Named after the path's last component. Only a regular file of at most MaxFileBytes is
    // read, and nothing waits on it (a FIFO is refused, not read). nullptr when the file cannot
    // be read or does not decode cleanly; `fault` then says whether it was too large. Safe on
    // any thread: running out of memory is a failure like the others.
    static SlidePtr load(const QString &path, ImageFault *fault = nullptr);
    // From pixels in memory, kept losslessly (as PNG). A null image gives nullptr.
    static SlidePtr fromImage(const QString &name, const QImage &image);
    // From a show file's stored JPEG, decoded in full first like a loaded file. The slide's bytes
    // are then its stored form: saving it again writes them back unchanged instead of adding
    // another generation of JPEG loss. nullptr when the bytes are not a JPEG that decodes.
    static SlidePtr fromStoredJpeg(const QString &name, const QByteArray &jpeg);

    Slide(Private, const QString &name, const QByteArray &encoded, QSize size,
          bool storedJpeg = false);

    // The file name it came from, extension included. A null string means "no name".
    const QString &name() const { return m_name; }
    bool hasName() const { return !m_name.isNull(); }
    // Upright size in pixels; one pixel counts as one point.
    QSize size() const { return m_size; }
    const QByteArray &encoded() const { return m_encoded; }
    // Whether encoded() is already this slide's stored form (see fromStoredJpeg).
    bool isStoredJpeg() const { return m_storedJpeg; }

    // Pixels at exactly `target` (full size when `target` is not valid). Safe to call from any
    // thread. A null image when the bytes no longer decode.
    QImage pixels(QSize target = {}) const;
    // Whether pixels at `target` are at hand without decoding.
    bool hasPixels(QSize target) const;
    // Lets go of every decoded size kept, for a slide that is no longer near the one on screen.
    void dropPixels() const;

private:
    // Enough for the sizes of the two views that show a slide (window and full screen) and one
    // more, as when a window is being resized.
    static constexpr std::size_t CacheSize = 3;

    void finishDecoding(QSize target, const QImage &image) const;

    QString m_name;
    QByteArray m_encoded;
    QSize m_size;
    bool m_storedJpeg = false;

    mutable std::mutex m_cacheMutex;
    mutable std::vector<QImage> m_cache; // most recent last
    // Sizes being decoded right now: a second caller for one of them waits for that decode
    // instead of doing the same work again (a step onto a slide still being decoded ahead).
    mutable std::vector<QSize> m_decoding;
    mutable std::condition_variable m_decoded;
};

} // namespace lanternreel
