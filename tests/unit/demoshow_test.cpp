// SPDX-License-Identifier: GPL-3.0-or-later
// The demo show the build makes, read back by the program's own reader: what `scripts/run`
// opens when it is given no paths.

#include "document/model.h"
#include "document/showarchive.h"
#include "fakes.h"
#include "slides/imagehandler.h"
#include "soundtrack/soundhandler.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace lanternreel;

TEST(DemoShow, HoldsItsPicturesAndAThreeSecondChordBesideIt)
{
    const QString folder = qEnvironmentVariable("LANTERNREEL_BINARY_DIR") + QStringLiteral("/demo");
    QFile file(folder + QStringLiteral("/demo.lrshow"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(file.fileName());

    lanternreel::testing::FakeServices services;
    QString why;
    const std::unique_ptr<Model> model = readShow(file, services.services(), &why);
    ASSERT_TRUE(model) << qPrintable(why);

    ImageHandler &images = *model->getImageHandler();
    EXPECT_EQ(images.storedNames(),
              std::vector<QString>(
                  { QStringLiteral("1 Dusk.jpg"), QStringLiteral("2 Lantern light.jpg"),
                    QStringLiteral("3 Four frames.jpg"), QStringLiteral("4 Waves.jpg") }));
    ASSERT_TRUE(images.decompressImages());
    ASSERT_EQ(images.slides().size(), 4u);
    EXPECT_EQ(images.slides().front()->size(), QSize(1024, 640));

    // Sounds are kept by reference: the chord must be where the show says, beside it.
    const SoundHandler &soundtrack = *model->getSoundHandler();
    ASSERT_EQ(soundtrack.numSounds(), 1);
    EXPECT_EQ(soundtrack.returnSounds().front()->path(),
              QFileInfo(folder + QStringLiteral("/chord.wav")).absoluteFilePath());
    EXPECT_TRUE(QFileInfo::exists(soundtrack.returnSounds().front()->path()));
    EXPECT_EQ(soundtrack.returnSoundLengths(), std::vector<QString>({ QStringLiteral("0:03") }));
    EXPECT_EQ(soundtrack.returnTotalLength(), 3);
}
