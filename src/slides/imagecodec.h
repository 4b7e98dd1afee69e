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

// Decoded pixels of one picture may take at most this many bytes (at four bytes a pixel), so
// that a header claiming an enormous picture is refused instead of exhausting memory.
inline constexpr int64_t MaxDecodedBytes = int64_t(512) * 1024 * 1024;

// Reads the header only. Nothing when the bytes are not a picture this program reads, or when
// the picture would be larger than MaxDecodedBytes.
std::optional<ImageInfo> probeImage(const QByteArray &encoded);

// Decodes the whole picture, upright, scaled to exactly `target` when it is valid (proportions
// are the caller's business) and at full size otherwise. A null image on any failure.
QImage decodeImage(const QByteArray &encoded, QSize target = {});

// Decodes every byte of the picture and throws the pixels away: a truncated or corrupt file,
// which some readers quietly patch up, is refused here. A JPEG is decoded at its smallest DCT
// scale (every coefficient is still read and checked). The upright full size when the whole
// picture decoded cleanly.
std::optional<ImageInfo> validateImage(const QByteArray &encoded);

// Whether the bytes start like a JPEG file (start-of-image marker and the next marker).
bool isJpeg(const QByteArray &encoded);

// The EXIF orientation (1 to 8) recorded in a JPEG file's APP1 segment; 1 when there is none or
// the segment is malformed.
int jpegExifOrientation(const QByteArray &encoded);

// File name extensions (without dots) of the pictures this program reads, each in lower and in
// upper case. Extensions are matched exactly, case included.
QStringList imageFileTypes();

} // namespace lanternreel
