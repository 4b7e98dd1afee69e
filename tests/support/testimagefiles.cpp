// SPDX-License-Identifier: GPL-3.0-or-later
#include "testimagefiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

namespace lanternreel::testing {

QImage twoToneImage(QSize size, QColor left, QColor right)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(right);
    QPainter painter(&image);
    painter.fillRect(0, 0, size.width() / 2, size.height(), left);
    return image;
}

QByteArray jpegBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "JPEG", 95));
    return bytes;
}

QByteArray progressiveJpegBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPEG");
    writer.setQuality(95);
    writer.setProgressiveScanWrite(true);
    EXPECT_TRUE(writer.write(image)) << qPrintable(writer.errorString());
    return bytes;
}

QByteArray cmykJpegBytes(const QImage &image)
{
    const QString convert = QStandardPaths::findExecutable(QStringLiteral("convert"));
    QTemporaryDir dir;
    if (convert.isEmpty() || !dir.isValid())
        return {};
    const QString in = dir.filePath(QStringLiteral("in.png"));
    const QString out = dir.filePath(QStringLiteral("out.jpg"));
    EXPECT_TRUE(image.save(in, "PNG"));
    QProcess process;
    process.start(convert,
                  { in, QStringLiteral("-colorspace"), QStringLiteral("CMYK"),
                    QStringLiteral("-quality"), QStringLiteral("95"), out });
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << "convert failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    QFile file(out);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

QByteArray withExifOrientation(const QByteArray &jpeg, int orientation)
{
    // Big-endian TIFF: header, one IFD with one entry (0x0112, SHORT, count 1, value).
    const char tiff[]
        = { 'M',  'M',  0, 42, 0, 0, 0, 8, // header, IFD at 8
            0,    1, // one entry
            0x01, 0x12, 0, 3,  0, 0, 0, 1, 0, char(orientation), 0, 0, 0, 0, 0, 0 }; // no next IFD
    QByteArray segment("Exif\0\0", 6);
    segment.append(tiff, sizeof tiff);
    const int length = int(segment.size()) + 2;
    QByteArray app1;
    app1.append(char(0xFF)).append(char(0xE1));
    app1.append(char(length >> 8)).append(char(length & 0xFF));
    app1.append(segment);
    QByteArray out = jpeg;
    out.insert(2, app1);
    return out;
}

namespace {

quint32 crc32Of(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (char c : bytes) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void appendBe32(QByteArray &out, quint32 v)
{
    out.append(char(v >> 24)).append(char(v >> 16)).append(char(v >> 8)).append(char(v));
}

void appendChunk(QByteArray &png, const char *type, const QByteArray &data)
{
    appendBe32(png, quint32(data.size()));
    QByteArray typed(type, 4);
    typed.append(data);
    png.append(typed);
    appendBe32(png, crc32Of(typed));
}

} // namespace

QByteArray hugeHeaderPng(quint32 width, quint32 height)
{
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    appendBe32(header, width);
    appendBe32(header, height);
    header.append(char(8)).append(char(2)).append(char(0)).append(char(0)).append(char(0));
    appendChunk(png, "IHDR", header);
    // One stored zlib block of 64 zero bytes: far too little for the size claimed.
    const QByteArray raw(64, '\0');
    QByteArray packed("\x78\x01", 2);
    packed.append(char(1)).append(char(64)).append(char(0)).append(char(~64)).append(char(~0));
    packed.append(raw);
    appendBe32(packed, 1u + (quint32(64) << 16)); // Adler-32 of 64 zero bytes
    appendChunk(png, "IDAT", packed);
    appendChunk(png, "IEND", {});
    return png;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
    ASSERT_EQ(file.write(bytes), bytes.size());
}

void writeJpeg(const QString &path, QColor color, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    writeFile(path, jpegBytes(image));
}

QString testDataDir(const QString &subfolder)
{
    const QString root = qEnvironmentVariable("LANTERNREEL_TESTDATA");
    if (root.isEmpty())
        return {};
    const QString dir = root + QLatin1Char('/') + subfolder;
    return QFileInfo(dir).isDir() ? dir : QString();
}

double meanDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * x.width() * x.height());
}

} // namespace lanternreel::testing
