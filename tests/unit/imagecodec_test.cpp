// SPDX-License-Identifier: GPL-3.0-or-later
#include "slides/imagecodec.h"
#include "slides/slide.h"
#include "testimagefiles.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <functional>
#include <gtest/gtest.h>

using namespace lanternreel;
using namespace lanternreel::testing;

namespace {

// A picture with enough detail that its JPEG has a long scan to break.
QImage detailedImage()
{
    QImage image(320, 240, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 7 + y * 3) & 255, (x * y) & 255, (x ^ y) & 255));
    return image;
}

bool near(QRgb pixel, QColor color)
{
    return std::abs(qRed(pixel) - color.red()) < 40 && std::abs(qGreen(pixel) - color.green()) < 40
        && std::abs(qBlue(pixel) - color.blue()) < 40;
}

} // namespace

TEST(ImageCodecTest, SoundJpegDecodesAtFullSizeAndAtTarget)
{
    const QByteArray jpeg = jpegBytes(detailedImage());
    ASSERT_TRUE(validateImage(jpeg));
    EXPECT_EQ(validateImage(jpeg)->size, QSize(320, 240));
    EXPECT_EQ(probeImage(jpeg)->size, QSize(320, 240));
    EXPECT_EQ(decodeImage(jpeg).size(), QSize(320, 240));
    // A size between the DCT scales still comes out exactly as asked.
    const QImage small = decodeImage(jpeg, QSize(100, 75));
    EXPECT_EQ(small.size(), QSize(100, 75));
    EXPECT_LT(meanDifference(
                  small,
                  detailedImage().scaled(100, 75, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)),
              12.0);
}

// Every kind of JPEG that cameras, editors and print tools write: whole, it decodes with its
// colours; cut short, it is refused, where Qt's reader would fill the rest with grey and report
// success.
TEST(ImageCodecTest, EveryKindOfJpegDecodesWholeAndFailsTruncated)
{
    const QImage plain = twoToneImage(QSize(64, 32));
    const struct
    {
        const char *kind;
        std::function<QByteArray(const QImage &)> encode;
    } kinds[] = {
        { "baseline", jpegBytes },
        { "progressive", progressiveJpegBytes },
        { "CMYK with an Adobe segment", cmykJpegBytes },
    };
    for (const auto &k : kinds) {
        SCOPED_TRACE(k.kind);
        const QByteArray whole = k.encode(plain);
        if (whole.isEmpty())
            GTEST_SKIP() << "ImageMagick's convert is not installed";
        ASSERT_TRUE(isJpeg(whole));
        ASSERT_TRUE(validateImage(whole));
        EXPECT_EQ(validateImage(whole)->size, QSize(64, 32));
        for (const QSize target : { QSize(), QSize(32, 16) }) {
            const QImage image = decodeImage(whole, target);
            ASSERT_FALSE(image.isNull());
            EXPECT_TRUE(near(image.pixel(2, 2), Qt::red));
            EXPECT_TRUE(near(image.pixel(image.width() - 3, image.height() - 3), Qt::blue));
        }

        const QByteArray detailed = k.encode(detailedImage());
        const QByteArray truncated = detailed.left(detailed.size() * 6 / 10);
        EXPECT_FALSE(validateImage(truncated));
        EXPECT_TRUE(decodeImage(truncated).isNull());
        EXPECT_TRUE(decodeImage(truncated, QSize(40, 30)).isNull());
    }
}

TEST(ImageCodecTest, CorruptJpegFails)
{
    const QByteArray jpeg = jpegBytes(detailedImage());
    // A marker code in the middle of the entropy-coded data.
    QByteArray corrupt = jpeg;
    const qsizetype middle = corrupt.size() / 2;
    corrupt[middle] = char(0xFF);
    corrupt[middle + 1] = char(0xD3);
    corrupt[middle + 2] = char(0x55);
    EXPECT_FALSE(validateImage(corrupt));

    EXPECT_FALSE(validateImage(jpeg.left(200)));
    EXPECT_FALSE(validateImage(QByteArray("\xFF\xD8\xFF\xE0 not really", 16)));
}

TEST(ImageCodecTest, HeaderClaimingAHugePictureIsRefused)
{
    const QByteArray png = hugeHeaderPng(100000, 100000);
    EXPECT_FALSE(probeImage(png));
    EXPECT_FALSE(validateImage(png));
    EXPECT_TRUE(decodeImage(png).isNull());

    // A JPEG whose frame header claims 65000 x 65000.
    QByteArray jpeg = jpegBytes(detailedImage());
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(sof, 0);
    jpeg[sof + 5] = char(0xFD);
    jpeg[sof + 6] = char(0xE8);
    jpeg[sof + 7] = char(0xFD);
    jpeg[sof + 8] = char(0xE8);
    EXPECT_FALSE(probeImage(jpeg));
    EXPECT_FALSE(validateImage(jpeg));
}

TEST(ImageCodecTest, TextAndEmptyBytesAreNotPictures)
{
    EXPECT_FALSE(validateImage(QByteArray("just some notes\n")));
    EXPECT_FALSE(validateImage(QByteArray()));
    EXPECT_FALSE(probeImage(QByteArray()));
}

// The stored picture is 64 x 32, red left, blue right. Each orientation says how to turn it
// upright; the expected corners are where red ends up.
TEST(ImageCodecTest, ExifOrientationIsApplied)
{
    const QByteArray plain = jpegBytes(twoToneImage(QSize(64, 32)));
    struct Case
    {
        int orientation;
        QSize size;
        bool redTopLeft;
        bool redBottomRight;
    };
    const Case cases[] = {
        { 1, { 64, 32 }, true, false }, { 2, { 64, 32 }, false, true },
        { 3, { 64, 32 }, false, true }, { 4, { 64, 32 }, true, false },
        { 5, { 32, 64 }, true, false }, { 6, { 32, 64 }, true, false },
        { 7, { 32, 64 }, false, true }, { 8, { 32, 64 }, false, true },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.orientation);
        const QByteArray jpeg = withExifOrientation(plain, c.orientation);
        EXPECT_EQ(jpegExifOrientation(jpeg), c.orientation);
        EXPECT_EQ(probeImage(jpeg)->size, c.size);
        const QImage image = decodeImage(jpeg);
        ASSERT_EQ(image.size(), c.size);
        EXPECT_EQ(near(image.pixel(2, 2), Qt::red), c.redTopLeft);
        EXPECT_EQ(near(image.pixel(c.size.width() - 3, c.size.height() - 3), Qt::red),
                  c.redBottomRight);
        // Scaled decoding keeps the orientation.
        EXPECT_EQ(decodeImage(jpeg, c.size / 2).size(), c.size / 2);
    }
    // 2 and 4 differ from 1 and 3 in the other axis: compare the top-right corner too.
    const QImage flippedVertically = decodeImage(withExifOrientation(plain, 4));
    EXPECT_TRUE(near(flippedVertically.pixel(2, 29), Qt::red));
    EXPECT_TRUE(near(flippedVertically.pixel(61, 2), Qt::blue));
    // 6 turns clockwise: the stored left edge (red) is now the top.
    const QImage turned = decodeImage(withExifOrientation(plain, 6));
    EXPECT_TRUE(near(turned.pixel(29, 2), Qt::red));
    EXPECT_TRUE(near(turned.pixel(2, 61), Qt::blue));
}

// The segment is read by hand, so every cut of it must end in "no orientation", not a read
// past the end.
TEST(ImageCodecTest, DamagedExifSegmentIsIgnored)
{
    const QByteArray jpeg = withExifOrientation(jpegBytes(twoToneImage(QSize(16, 8))), 6);
    const qsizetype segmentEnd = 2 + 2 + 6 + 26 + 2; // start, marker, length, Exif, TIFF
    for (qsizetype cut = 0; cut < segmentEnd + 8; ++cut)
        EXPECT_EQ(jpegExifOrientation(jpeg.left(cut)), cut < segmentEnd ? 1 : 6) << cut;
    QByteArray badOffset = jpeg;
    badOffset[2 + 4 + 6 + 7] = char(0x7F); // IFD offset far outside the segment
    EXPECT_EQ(jpegExifOrientation(badOffset), 1);
    QByteArray badValue = jpeg;
    badValue[2 + 4 + 6 + 19] = char(9);
    EXPECT_EQ(jpegExifOrientation(badValue), 1);
    EXPECT_EQ(jpegExifOrientation(QByteArray("\x89PNG", 4)), 1);
}

TEST(ImageCodecTest, RealPhotosStandUpright)
{
    const QString dir = testDataDir(QStringLiteral("exif-orientation"));
    if (dir.isEmpty())
        GTEST_SKIP() << "exif-orientation test pictures not found (LANTERNREEL_TESTDATA)";
    for (const QString &kind : { QStringLiteral("Landscape"), QStringLiteral("Portrait") }) {
        SCOPED_TRACE(qPrintable(kind));
        QImage reference;
        for (int orientation = 0; orientation <= 8; ++orientation) {
            SCOPED_TRACE(orientation);
            QFile file(QStringLiteral("%1/%2_%3.jpg").arg(dir, kind).arg(orientation));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            const auto info = validateImage(bytes);
            ASSERT_TRUE(info);
            EXPECT_EQ(info->size,
                      kind == QStringLiteral("Landscape") ? QSize(1800, 1200) : QSize(1200, 1800));
            const QImage small = decodeImage(bytes, info->size / 8);
            ASSERT_FALSE(small.isNull());
            if (reference.isNull())
                reference = small;
            else
                EXPECT_LT(meanDifference(small, reference), 10.0);
        }
    }
}

TEST(ImageCodecTest, PngSuiteLoadsAndCorruptFilesFail)
{
    const QString dir = testDataDir(QStringLiteral("pngsuite/png"));
    if (dir.isEmpty())
        GTEST_SKIP() << "PngSuite pictures not found (LANTERNREEL_TESTDATA)";
    const QStringList names = QDir(dir).entryList({ QStringLiteral("*.png") }, QDir::Files);
    ASSERT_GT(names.size(), 100);
    for (const QString &name : names) {
        QFile file(dir + QLatin1Char('/') + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const bool loaded = validateImage(file.readAll()).has_value();
        EXPECT_EQ(loaded, !name.startsWith(QLatin1Char('x'))) << qPrintable(name);
    }
}

TEST(ImageCodecTest, PictureExtensionsMatchInAnyCase)
{
    for (const char *name : { "a.jpg", "b.JPG", "d.Jpg", "e.jPeG", "f.png", "dir.x/g.PNG" })
        EXPECT_TRUE(hasImageExtension(QLatin1String(name))) << name;
    for (const char *name : { "notes.txt", "README", "jpg", "dir.jpg/README", "a.jpg.txt" })
        EXPECT_FALSE(hasImageExtension(QLatin1String(name))) << name;
}
