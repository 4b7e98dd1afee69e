#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <optional>

namespace lanternreel {

// What a picture file's header says, with its orientation already applied: a portrait photo
// stored sideways reports its upright size.
struct ImageInfo
{
    QSize size; // pixels
};

// Reads the header only. Nothing when the bytes are not a picture this program reads.
std::optional<ImageInfo> probeImage(const QByteArray &encoded);

// Decodes the whole picture, upright, scaled to exactly `target` when it is valid (proportions
// are the caller's business) and at full size otherwise. A null image on any failure.
QImage decodeImage(const QByteArray &encoded, QSize target = {});

} // namespace lanternreel
