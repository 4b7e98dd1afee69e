// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "slides/imagecodec.h"
#include "slides/slidebytes.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace lanternreel {

class Slide;
using SlidePtr = std::shared_ptr<const Slide>;

// A show file's stored JPEG once checked and put away in the spill file, waiting for its name.
struct StoredPicture
{
    std::shared_ptr<const SlideBytes> bytes;
    QSize size; // upright, in pixels
};

// One picture of a show with its name. A slide is shared and never changes: the slide list, the
// random order and the views hold the same object. It keeps where the picture's encoded bytes are
// (for a JPEG, the file itself: on disk in the spill file, for a picture read from a file) and
// hands out pixels decoded at the size asked for, keeping only the last few sizes, so that
// neither the bytes nor the full-size pixels of every slide are ever held in memory at once.
class Slide
{
    struct Private
    {
    };

public:
    // From a picture file's bytes, kept in memory (for small pictures the program makes); nullptr
    // when the header is not a picture this program reads.
    static SlidePtr fromEncoded(const QString &name, const QByteArray &encoded);
    // Reads a picture file and decodes every byte of it, so that a truncated or corrupt file is
    // refused now rather than shown half grey later; keeps the file's bytes in the spill file, not
    // in memory and not the pixels, so that the slide stays whatever then becomes of the file.
    // Named after the path's last component. Only a regular file of at most MaxFileBytes is
    // read, and nothing waits on it (a FIFO is refused, not read). nullptr when the file cannot
    // be read or does not decode cleanly, or when the spill file would not take it; `fault` then
    // says which, and for NotKept `why` says why. Safe on any thread: running out of memory is a
    // failure like the others.
    static SlidePtr load(const QString &path, ImageFault *fault = nullptr, QString *why = nullptr);
    // From pixels in memory, kept losslessly (as PNG) in memory. A null image gives nullptr.
    static SlidePtr fromImage(const QString &name, const QImage &image);
    // Checks a show file's stored JPEG by decoding it in full, as a loaded file is, and puts it in
    // the spill file. Nothing when the bytes are not a JPEG that decodes, or the spill file would
    // not take them; `fault` and `why` then say so as for load(). Safe on any thread.
    static std::optional<StoredPicture>
    checkStoredJpeg(const QByteArray &jpeg, ImageFault *fault = nullptr, QString *why = nullptr);
    // From a stored picture so checked. The slide's bytes are then its stored form: saving it
    // again writes them back unchanged instead of adding another generation of JPEG loss.
    static SlidePtr fromStoredPicture(const QString &name, const StoredPicture &picture);
    // checkStoredJpeg and fromStoredPicture in one; nullptr when the check failed.
    static SlidePtr fromStoredJpeg(const QString &name, const QByteArray &jpeg);

    Slide(Private, const QString &name, std::shared_ptr<const SlideBytes> bytes, QSize size,
          bool storedJpeg = false);

    // The file name it came from, extension included. A null string means "no name".
    const QString &name() const { return m_name; }
    bool hasName() const { return !m_name.isNull(); }
    // Upright size in pixels; one pixel counts as one point.
    QSize size() const { return m_size; }
    // The picture's encoded bytes (for a JPEG, the file it was read from, or its stored form),
    // read back from the disk for a slide made from a file: this takes a few milliseconds, more
    // when the system has to fetch them, so keep it off the GUI thread for many slides. An empty
    // array when they cannot be read back whole (the disk failed): the slide cannot be used then.
    // Safe on any thread.
    QByteArray encoded() const { return m_bytes->read(); }
    // Whether encoded() is already this slide's stored form (see fromStoredPicture).
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
    std::shared_ptr<const SlideBytes> m_bytes;
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
