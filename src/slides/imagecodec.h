// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace lanternreel {

// What a picture file's header says, with its orientation already applied: a portrait photo
// stored sideways reports its upright size.
struct ImageInfo
{
    QSize size; // pixels
};

// Decoded pixels of one picture may take at most this many bytes (counting at least four bytes
// a pixel), so that a header claiming an enormous picture is refused instead of exhausting
// memory. Room for the 144-megapixel panoramas and scans that people do make, and some more.
inline constexpr int64_t MaxDecodedBytes = int64_t(1024) * 1024 * 1024;
// A picture file may be at most this large: well above any real photo or scan, and far below
// what a special or runaway file (a link to /dev/zero, a sparse file of gigabytes) would make
// the program read.
inline constexpr int64_t MaxFileBytes = int64_t(512) * 1024 * 1024;

// Why bytes or a file did not give a picture.
enum class ImageFault {
    None,
    NotAPicture, // not a picture this program reads, or a damaged or truncated one
    TooLarge, // beyond MaxFileBytes or MaxDecodedBytes, or memory ran out on it
    NotKept, // a sound picture that the disk would not take to keep it (full, or failing)
};

// Reads the header only. Nothing when the bytes are not a picture this program reads, or when
// the picture would be larger than MaxDecodedBytes; `fault` then says which.
std::optional<ImageInfo> probeImage(const QByteArray &encoded, ImageFault *fault = nullptr);

// Decodes the whole picture, upright, scaled to exactly `target` when it is valid (proportions
// are the caller's business) and at full size otherwise. A null image on any failure, running
// out of memory included.
QImage decodeImage(const QByteArray &encoded, QSize target = {});

// Decodes every byte of the picture and throws the pixels away: a truncated or corrupt file,
// which some readers quietly patch up, is refused here. Every JPEG, CMYK ones included, goes
// through the decoder that reports damage, at its smallest DCT scale (every coefficient is
// still read and checked). The upright full size when the whole picture decoded cleanly;
// otherwise nothing, and `fault` says why.
std::optional<ImageInfo> validateImage(const QByteArray &encoded, ImageFault *fault = nullptr);

// Whether the bytes start like a JPEG file (start-of-image marker and the next marker).
bool isJpeg(const QByteArray &encoded);

// The EXIF orientation (1 to 8) recorded in a JPEG file's APP1 segment; 1 when there is none or
// the segment is malformed.
int jpegExifOrientation(const QByteArray &encoded);

// File name extensions (without dots, in lower case) of the pictures this program reads.
QStringList imageFileTypes();
// Whether the last component of `path` ends in one of imageFileTypes(), in any case ("d.Jpg").
bool hasImageExtension(const QString &path);

} // namespace lanternreel
