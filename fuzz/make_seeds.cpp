// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the fuzzer's seed corpus: small show files, whole and broken, made by the real writer.
// version1.lrshow, from the writer of format version 1, is kept as it is.
//   make_fuzz_seeds FOLDER

#include "document/model.h"
#include "document/showarchive.h"
#include "fuzzservices.h"
#include "slides/imagehandler.h"
#include "slides/jpegencoder.h"
#include "soundtrack/soundhandler.h"
#include "soundtrack/unplayablesound.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <cstdio>

using namespace lanternreel;

namespace {

QByteArray written(const Model &model)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    writeShow(buffer, model);
    return bytes;
}

QImage tinyPicture(QColor color)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_fuzz_seeds FOLDER\n");
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    fuzzing::SilentServices services;
    auto save = [&](const char *name, const QByteArray &bytes) {
        QFile file(folder.filePath(QLatin1String(name)));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            std::exit(1);
    };

    save("empty.lrshow", written(Model(services.services())));

    Model full(services.services());
    ImageHandler &images = *full.getImageHandler();
    images.appendSlide(
        Slide::fromEncoded(QStringLiteral("red.jpg"), encodeJpeg(tinyPicture(Qt::red))));
    images.appendSlide(Slide::fromImage(QStringLiteral("blue.png"), tinyPicture(Qt::blue)));
    images.setRandom(true);
    images.compressImages();
    std::vector<std::unique_ptr<Sound>> sounds;
    sounds.push_back(std::make_unique<UnplayableSound>(QStringLiteral("/music/one.wav")));
    sounds.push_back(std::make_unique<UnplayableSound>(QStringLiteral("/music/two.mp3")));
    full.getSoundHandler()->restoreSoundtrack(
        std::move(sounds), { QStringLiteral("0:03"), QStringLiteral("1:02:05") },
        { QStringLiteral("one.wav"), QStringLiteral("two.mp3") }, 1, 3728);
    const QByteArray whole = written(full);
    save("two-slides-two-sounds.lrshow", whole);
    save("truncated.lrshow", whole.left(whole.size() / 2));

    // A third slide, random on and off again, and the first slide removed: the random order
    // written holds only the two left, by their positions.
    images.appendSlide(
        Slide::fromEncoded(QStringLiteral("green.jpg"), encodeJpeg(tinyPicture(Qt::green))));
    images.setRandom(true);
    images.setRandom(false);
    images.setIndex(0);
    images.removeCurrentImage();
    images.compressImages();
    save("random-off-one-removed.lrshow", written(full));

    images.restoreArchived(images.storedImages(), { QStringLiteral("red.jpg") }, {});
    save("names-short.lrshow", written(full));
    QByteArray otherMagic = whole;
    otherMagic.replace("LRSHOW", "LRSHOX");
    save("wrong-magic.lrshow", otherMagic);
    return 0;
}
