// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

namespace lanternreel::testing {

// A picture whose left half is `left` and right half `right`, so that a turn or a flip shows.
QImage twoToneImage(QSize size, QColor left = Qt::red, QColor right = Qt::blue);
// The picture as JPEG bytes (Qt's writer, high quality).
QByteArray jpegBytes(const QImage &image);
// The picture as a progressive JPEG (Qt's writer).
QByteArray progressiveJpegBytes(const QImage &image);
// The picture as a CMYK JPEG as print and editing tools write it (Adobe segment, inverted
// values), made by ImageMagick's `convert`; empty when that tool is not installed.
QByteArray cmykJpegBytes(const QImage &image);
// The JPEG with an Exif segment recording `orientation` (1 to 8) put right after its start.
QByteArray withExifOrientation(const QByteArray &jpeg, int orientation);
// A PNG whose header claims `width` x `height` pixels but holds almost no data.
QByteArray hugeHeaderPng(quint32 width, quint32 height);
// Writes `bytes` to `path`, making folders as needed; fails the current test on error.
void writeFile(const QString &path, const QByteArray &bytes);
// A small valid JPEG of `color` at `path`.
void writeJpeg(const QString &path, QColor color = Qt::darkGreen, QSize size = QSize(48, 32));
// The mean difference per channel of two pictures of one size, 0 to 255.
double meanDifference(const QImage &a, const QImage &b);
// The folder of real-world test pictures, or an empty string when it is not there.
QString testDataDir(const QString &subfolder);

} // namespace lanternreel::testing
