// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/model.h"
#include "document/showarchive.h"
#include "fakes.h"
#include "slides/imagecodec.h"
#include "slides/imagehandler.h"
#include "slides/jpegencoder.h"
#include "soundtrack/soundhandler.h"
#include "testimagefiles.h"
#include "testslides.h"

#include <QBuffer>
#include <QCborStreamWriter>
#include <QTemporaryDir>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

using namespace lanternreel;
using namespace lanternreel::testing;

namespace {

QByteArray written(const Model &model)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(writeShow(buffer, model));
    return bytes;
}

std::unique_ptr<Model> read(const QByteArray &bytes, const Services &services,
                            QString *why = nullptr)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return readShow(buffer, services, why);
}

class ShowFileTest : public ::testing::Test
{
protected:
    // Three slides of three kinds: a JPEG, a PNG kept losslessly, a JPEG stored sideways with
    // an Exif turn; two of them share a name.
    void addThreeSlides(ImageHandler &images)
    {
        images.appendSlide(
            Slide::fromEncoded(QStringLiteral("b.jpg"), jpegBytes(twoToneImage(QSize(64, 48)))));
        images.appendSlide(Slide::fromImage(QStringLiteral("a.png"),
                                            twoToneImage(QSize(30, 20), Qt::green, Qt::yellow)));
        images.appendSlide(
            Slide::fromEncoded(QStringLiteral("b.jpg"),
                               withExifOrientation(jpegBytes(twoToneImage(QSize(40, 24))), 6)));
    }
    QString soundFile(const char *name)
    {
        const QString path = dir.filePath(QLatin1String(name));
        writeFile(path, "RIFF");
        return path;
    }
    // Adds sounds through the open panel, as the user does.
    void addSounds(SoundHandler &sounds, const QStringList &paths)
    {
        for (const QString &path : paths)
            fakes.mediaLength.set(path, 61.5);
        fakes.openPanels.soundAnswers.push_back(paths);
        sounds.addSong();
    }
    std::unique_ptr<Model> reopened(Model &model, QByteArray *file = nullptr)
    {
        model.getImageHandler()->compressImages();
        const QByteArray bytes = written(model);
        if (file)
            *file = bytes;
        QString why;
        auto back = read(bytes, fakes.services(), &why);
        EXPECT_NE(back, nullptr) << qPrintable(why);
        if (back) {
            EXPECT_TRUE(back->getImageHandler()->decompressImages());
        }
        return back;
    }

    QTemporaryDir dir;
    FakeServices fakes;
};

} // namespace

TEST_F(ShowFileTest, ReloadKeepsNumberOrderNamesAndPixels)
{
    Model model(fakes.services());
    ImageHandler &images = *model.getImageHandler();
    addThreeSlides(images);
    images.compressImages();
    ASSERT_EQ(images.storedImages().size(), 3u);
    for (const QByteArray &stored : images.storedImages()) {
        // A plain upright JPEG, whatever the slide was.
        EXPECT_TRUE(isJpeg(stored));
        EXPECT_EQ(jpegExifOrientation(stored), 1);
    }
    // Quality 90 through the one encoder, from the upright full-size picture.
    EXPECT_EQ(images.storedImages()[0], encodeJpeg(decodeImage(images.slides()[0]->encoded()), 90));

    auto back = reopened(model);
    ASSERT_NE(back, nullptr);
    const ImageHandler &loaded = *back->getImageHandler();
    ASSERT_EQ(loaded.numImages(), 3);
    EXPECT_TRUE(loaded.storedImages().empty());
    EXPECT_EQ(loaded.storedNames().size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        const SlidePtr &before = images.slides()[i];
        const SlidePtr &after = loaded.slides()[i];
        EXPECT_EQ(after->name(), before->name()) << i;
        ASSERT_EQ(after->size(), before->size()) << i;
        EXPECT_LT(meanDifference(after->pixels(), before->pixels()), 6.0) << i;
    }
    EXPECT_EQ(loaded.slides()[2]->size(), QSize(24, 40)); // the Exif turn, applied once
}

TEST_F(ShowFileTest, ReopenAndSaveWritesTheStoredJpegsBackByteForByte)
{
    Model model(fakes.services());
    addThreeSlides(*model.getImageHandler());
    QByteArray first;
    auto back = reopened(model, &first);
    ASSERT_NE(back, nullptr);
    for (const SlidePtr &slide : back->getImageHandler()->slides())
        EXPECT_TRUE(slide->isStoredJpeg());

    QByteArray second;
    auto again = reopened(*back, &second);
    ASSERT_NE(again, nullptr);
    // Nothing was encoded a second time: not one byte moved.
    EXPECT_EQ(second, first);
}

TEST_F(ShowFileTest, SavingTwiceStoresOneJpegPerSlideEachTime)
{
    Model model(fakes.services());
    ImageHandler &images = *model.getImageHandler();
    addThreeSlides(images);
    images.compressImages();
    const QByteArray first = written(model);
    images.compressImages();
    EXPECT_EQ(images.storedImages().size(), 3u);
    EXPECT_EQ(images.storedNames().size(), 3u);
    EXPECT_EQ(written(model), first);
}

TEST_F(ShowFileTest, AnEmptyShowRoundTrips)
{
    Model model(fakes.services());
    auto back = reopened(model);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->getImageHandler()->numImages(), 0);
    EXPECT_TRUE(back->getImageHandler()->randomSlides().empty());
    EXPECT_EQ(back->getSoundHandler()->numSounds(), 0);
    EXPECT_EQ(back->getSoundHandler()->returnSoundIndex(), 0);
    EXPECT_EQ(back->getSoundHandler()->returnTotalLength(), 0);
}

namespace {

// A photo as cameras write them: a JPEG carrying `comment` (a serial number, say) in a segment
// of its own.
QByteArray photoWithComment(const QImage &image, const QByteArray &comment)
{
    QByteArray jpeg = jpegBytes(image);
    const int length = int(comment.size()) + 2;
    jpeg.insert(2, QByteArray("\xff\xfe", 2) + char(length >> 8) + char(length & 0xff) + comment);
    return jpeg;
}

qsizetype occurrences(const QByteArray &haystack, const QByteArray &needle)
{
    qsizetype count = 0;
    for (qsizetype at = haystack.indexOf(needle); at >= 0; at = haystack.indexOf(needle, at + 1))
        ++count;
    return count;
}

QStringList namesOf(const std::vector<SlidePtr> &slides)
{
    QStringList names;
    for (const SlidePtr &slide : slides)
        names.append(slide->name());
    return names;
}

// Makes the slide named `name` the one shown, in the order in use.
void show(ImageHandler &images, const QString &name)
{
    const auto &order = images.isRandom() ? images.randomSlides() : images.slides();
    for (size_t i = 0; i < order.size(); ++i) {
        if (order[i]->name() == name)
            images.setIndex(int32_t(i));
    }
}

} // namespace

TEST_F(ShowFileTest, ASavedShowHoldsEachPictureOnceAndNoneThatWasRemoved)
{
    const QByteArray serial("CAMERA-SERIAL-7731");
    const QString secret = QStringLiteral("secret.jpg");
    struct Case
    {
        const char *what;
        bool reopenFirst; // edit a show read back from its file, whose slides are stored JPEGs
        std::function<void(ImageHandler &)> edit;
    };
    const auto removeSecret = [&](ImageHandler &images) {
        show(images, secret);
        images.removeCurrentImage();
    };
    const std::vector<Case> cases {
        { "random on", false, [](ImageHandler &images) { images.setRandom(true); } },
        { "random on, reopened and saved again", true,
          [](ImageHandler &images) { images.setRandom(true); } },
        { "random on, the shown slide removed", false,
          [&](ImageHandler &images) {
              images.setRandom(true);
              removeSecret(images);
          } },
        { "random on and off again, then a slide removed", false,
          [&](ImageHandler &images) {
              images.setRandom(true);
              images.setRandom(false);
              removeSecret(images);
          } },
        { "random on and off again, reopened, then a slide removed", true,
          [&](ImageHandler &images) {
              images.setRandom(true);
              images.setRandom(false);
              removeSecret(images);
          } },
        { "random on and off again, then every slide removed one by one", false,
          [](ImageHandler &images) {
              images.setRandom(true);
              images.setRandom(false);
              while (images.numImages() > 0)
                  images.removeCurrentImage();
          } },
    };
    auto save = [&](const Model &model, const QString &path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_TRUE(writeShow(file, model));
    };
    auto open = [&](const QString &path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QString why;
        std::unique_ptr<Model> model = readShow(file, fakes.services(), &why);
        EXPECT_NE(model, nullptr) << qPrintable(why);
        if (model) {
            EXPECT_TRUE(model->getImageHandler()->decompressImages());
        }
        return model;
    };

    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        auto model = std::make_unique<Model>(fakes.services());
        ImageHandler *images = model->getImageHandler();
        images->appendSlide(
            Slide::fromEncoded(QStringLiteral("a.jpg"), jpegBytes(twoToneImage(QSize(64, 48)))));
        const SlidePtr photo
            = Slide::fromEncoded(secret, photoWithComment(twoToneImage(QSize(48, 64)), serial));
        ASSERT_NE(photo, nullptr);
        images->appendSlide(photo);
        images->appendSlide(Slide::fromImage(QStringLiteral("c.png"),
                                             twoToneImage(QSize(30, 20), Qt::green, Qt::yellow)));
        images->appendSlide(Slide::fromEncoded(
            QStringLiteral("d.jpg"), jpegBytes(twoToneImage(QSize(40, 40), Qt::white, Qt::black))));
        const QString path = dir.filePath(QStringLiteral("show.lrshow"));
        if (c.reopenFirst) {
            ASSERT_TRUE(images->compressImages());
            save(*model, path);
            model = open(path);
            ASSERT_NE(model, nullptr);
            images = model->getImageHandler();
        }
        c.edit(*images);
        const std::vector<SlidePtr> kept = images->slides();
        QStringList randomKept;
        for (const SlidePtr &slide : images->randomSlides()) {
            if (std::find(kept.begin(), kept.end(), slide) != kept.end())
                randomKept.append(slide->name());
        }

        ASSERT_TRUE(images->compressImages());
        save(*model, path);
        QFile written(path);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        const QByteArray bytes = written.readAll();

        // Each picture of the show once, as its stored JPEG, and nothing else of any picture.
        qsizetype pictureBytes = 0;
        for (const QByteArray &jpeg : images->storedImages()) {
            EXPECT_EQ(occurrences(bytes, jpeg), 1);
            pictureBytes += jpeg.size();
        }
        for (const SlidePtr &slide : kept) {
            if (!slide->isStoredJpeg()) {
                EXPECT_FALSE(bytes.contains(slide->encoded())) << qPrintable(slide->name());
            }
        }
        EXPECT_LT(bytes.size(), pictureBytes + 400);
        if (!namesOf(kept).contains(secret)) {
            EXPECT_FALSE(bytes.contains(serial));
            EXPECT_FALSE(bytes.contains(secret.toUtf8()));
        }

        // Read back: the slides in display order, and the random order made of those very
        // slides, as it was less what was removed.
        const auto back = open(path);
        ASSERT_NE(back, nullptr);
        const ImageHandler &loaded = *back->getImageHandler();
        EXPECT_EQ(namesOf(loaded.slides()), namesOf(kept));
        EXPECT_EQ(namesOf(loaded.randomSlides()), randomKept);
        for (const SlidePtr &slide : loaded.randomSlides()) {
            EXPECT_EQ(std::count(loaded.slides().begin(), loaded.slides().end(), slide), 1);
            EXPECT_EQ(std::count(loaded.randomSlides().begin(), loaded.randomSlides().end(), slide),
                      1);
        }
    }
}

TEST_F(ShowFileTest, AVersionOneFileOpensAndIsSavedWithoutItsSecondCopies)
{
    // Written by the version 1 writer: red.jpg and blue.png, and a random order that still
    // held secret.jpg, a photo removed with random off, with its camera's serial number.
    QFile old(qEnvironmentVariable("LANTERNREEL_SOURCE_DIR")
              + QStringLiteral("/tests/data/version1-removed-picture.lrshow"));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly)) << qPrintable(old.fileName());
    ASSERT_TRUE(old.readAll().contains("CAMERA-SERIAL-7731"));
    old.seek(0);
    QString why;
    const std::unique_ptr<Model> model = readShow(old, fakes.services(), &why);
    ASSERT_NE(model, nullptr) << qPrintable(why);
    ImageHandler &images = *model->getImageHandler();
    ASSERT_TRUE(images.decompressImages());
    EXPECT_EQ(namesOf(images.slides()), QStringList({ "red.jpg", "blue.png" }));
    EXPECT_EQ(images.slides()[0]->size(), QSize(16, 16));
    ASSERT_EQ(model->getSoundHandler()->numSounds(), 1);
    EXPECT_EQ(model->getSoundHandler()->returnSounds()[0]->path(),
              QStringLiteral("/music/gone.wav"));
    EXPECT_EQ(model->getSoundHandler()->returnTotalLength(), 3);

    ASSERT_TRUE(images.compressImages());
    const QByteArray again = written(*model);
    EXPECT_TRUE(again.startsWith(QByteArray("\x83\x66LRSHOW\x02", 9)));
    EXPECT_FALSE(again.contains("CAMERA-SERIAL-7731"));
    EXPECT_FALSE(again.contains("secret.jpg"));
    for (const QByteArray &jpeg : images.storedImages())
        EXPECT_EQ(occurrences(again, jpeg), 1);
}

TEST_F(ShowFileTest, TheSoundtrackComesBackConnectedAndPlaysThrough)
{
    Model model(fakes.services());
    addSounds(*model.getSoundHandler(), { soundFile("one.wav"), soundFile("two.wav") });
    auto back = reopened(model);
    ASSERT_NE(back, nullptr);
    SoundHandler &sounds = *back->getSoundHandler();
    ASSERT_EQ(sounds.numSounds(), 2);
    EXPECT_EQ(sounds.returnSoundNames(), std::vector<QString>({ "one.wav", "two.wav" }));
    EXPECT_EQ(sounds.returnSoundLengths(), std::vector<QString>({ "1:01", "1:01" }));
    EXPECT_EQ(sounds.returnTotalLength(), 122);
    EXPECT_EQ(sounds.returnSounds()[1]->path(), dir.filePath(QStringLiteral("two.wav")));

    // The sounds of the file are the last two made; each must hand on to the next.
    const size_t first = fakes.sounds.madeCount() - 2;
    sounds.playSound();
    EXPECT_TRUE(fakes.sounds.made(first).playing);
    fakes.sounds.finish(first);
    EXPECT_TRUE(fakes.sounds.made(first + 1).playing);
    fakes.sounds.finish(first + 1);
    EXPECT_FALSE(sounds.isPlaying());
    EXPECT_EQ(sounds.returnSoundIndex(), 1);
}

TEST_F(ShowFileTest, AMissingSoundFileIsKeptButSkipped)
{
    Model model(fakes.services());
    addSounds(*model.getSoundHandler(),
              { soundFile("gone.wav"), soundFile("here.wav"), soundFile("gone2.wav") });
    model.getImageHandler()->compressImages();
    const QByteArray bytes = written(model);
    QFile::remove(dir.filePath(QStringLiteral("gone.wav")));
    QFile::remove(dir.filePath(QStringLiteral("gone2.wav")));

    const size_t before = fakes.sounds.madeCount();
    auto back = read(bytes, fakes.services());
    ASSERT_NE(back, nullptr);
    SoundHandler &sounds = *back->getSoundHandler();
    ASSERT_EQ(sounds.numSounds(), 3);
    ASSERT_EQ(fakes.sounds.madeCount(), before + 1); // only the file that is there
    const auto missing = sounds.unplayableSounds();
    ASSERT_EQ(missing.size(), 2u);
    EXPECT_EQ(missing[0]->path(), dir.filePath(QStringLiteral("gone.wav")));

    // Saved again, the soundtrack is as it was.
    EXPECT_EQ(written(*back), bytes);

    // Playback passes the missing ones by, and ends with the position inside the list.
    sounds.playSound();
    EXPECT_TRUE(fakes.sounds.made(before).playing);
    EXPECT_EQ(sounds.returnSoundIndex(), 1);
    fakes.sounds.finish(before);
    EXPECT_FALSE(sounds.isPlaying());
    EXPECT_GE(sounds.returnSoundIndex(), 0);
    EXPECT_LT(sounds.returnSoundIndex(), 3);
}

TEST_F(ShowFileTest, ASoundtrackOfOnlyMissingFilesDoesNotPlay)
{
    Model model(fakes.services());
    addSounds(*model.getSoundHandler(), { soundFile("x.wav") });
    const QByteArray bytes = written(model);
    QFile::remove(dir.filePath(QStringLiteral("x.wav")));
    auto back = read(bytes, fakes.services());
    ASSERT_NE(back, nullptr);
    back->getSoundHandler()->playSound();
    EXPECT_FALSE(back->getSoundHandler()->isPlaying());
    EXPECT_EQ(back->getSoundHandler()->returnSoundIndex(), 0);
}

TEST_F(ShowFileTest, ASlideThatNoLongerDecodesFailsTheStoredForm)
{
    ImageHandler images(fakes.services());
    addThreeSlides(images);
    EXPECT_TRUE(images.compressImages());
    // Its header reads, its picture data stops short.
    const QByteArray whole = jpegBytes(twoToneImage(QSize(640, 480)));
    SlidePtr cut = Slide::fromEncoded(QStringLiteral("cut.jpg"), whole.left(whole.size() * 3 / 4));
    ASSERT_NE(cut, nullptr);
    images.appendSlide(cut);
    EXPECT_FALSE(images.compressImages());
}

TEST_F(ShowFileTest, AWriteThatFailsMidwayIsReported)
{
    // A device that takes a few hundred bytes and then refuses, as a full disk does.
    class FullDevice : public QIODevice
    {
    public:
        FullDevice() { open(QIODevice::WriteOnly); }

    protected:
        qint64 readData(char *, qint64) override { return -1; }
        qint64 writeData(const char *, qint64 length) override
        {
            if (taken + length > 300)
                return -1;
            taken += length;
            return length;
        }
        qint64 taken = 0;
    };
    Model model(fakes.services());
    addThreeSlides(*model.getImageHandler());
    model.getImageHandler()->compressImages();
    FullDevice device;
    EXPECT_FALSE(writeShow(device, model));
}

// ---- files that are not shows ----

namespace {

// A show file written by hand, so that any part of it can be made wrong.
struct Fields
{
    QString magic = QStringLiteral("LRSHOW");
    int version = ShowFormatVersion;
    QString rootClass = QStringLiteral("Model");
    bool withSoundHandle = true;
    std::vector<QByteArray> jpegs;
    QStringList names;
    QStringList soundPaths;
    QStringList soundLengths;
    QStringList soundNames;
    qint64 soundIndex = 0;
    qint64 totalLength = 0;
    QString extraImageKey; // an unknown key in ImageHandler
    bool repeatNames = false; // "names" given twice
    QByteArray trailing;
};

QByteArray handWritten(const Fields &f)
{
    QByteArray bytes;
    QCborStreamWriter w(&bytes);
    auto key = [&](const char *k) { w.append(QLatin1String(k)); };
    w.startArray(3);
    w.append(f.magic);
    w.append(f.version);
    w.startMap();
    key("class");
    w.append(f.rootClass);
    key("imageHandle");
    w.startMap();
    key("class");
    key("ImageHandler");
    key("compressedImages");
    w.startArray(f.jpegs.size());
    for (const QByteArray &jpeg : f.jpegs)
        w.append(jpeg);
    w.endArray();
    for (int n = 0; n < (f.repeatNames ? 2 : 1); ++n) {
        key("names");
        w.startArray(f.names.size());
        for (const QString &name : f.names)
            w.append(name);
        w.endArray();
    }
    key("random");
    w.startArray(0);
    w.endArray();
    if (!f.extraImageKey.isEmpty()) {
        w.append(f.extraImageKey);
        w.append(1);
    }
    w.endMap();
    if (f.withSoundHandle) {
        key("soundHandle");
        w.startMap();
        key("class");
        key("SoundHandler");
        key("soundsToPlay");
        w.startArray(f.soundPaths.size());
        for (const QString &path : f.soundPaths) {
            w.startMap(2);
            key("class");
            key("Sound");
            key("path");
            w.append(path);
            w.endMap();
        }
        w.endArray();
        for (const auto &[name, list] : { std::pair("soundLengths", &f.soundLengths),
                                          std::pair("soundNames", &f.soundNames) }) {
            key(name);
            w.startArray(list->size());
            for (const QString &text : *list)
                w.append(text);
            w.endArray();
        }
        key("soundIndex");
        w.append(f.soundIndex);
        key("totalLength");
        w.append(f.totalLength);
        w.endMap();
    }
    w.endMap();
    w.endArray();
    return bytes + f.trailing;
}

} // namespace

TEST_F(ShowFileTest, TheHandWrittenFileMatchesWhatTheWriterWrites)
{
    // Guards the table below: its base case must be a show, and the writer's own.
    Fields ok;
    ok.jpegs = { encodeJpeg(twoToneImage(QSize(8, 8))) };
    ok.names = { QStringLiteral("x.jpg") };
    auto back = read(handWritten(ok), fakes.services());
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(back->getImageHandler()->decompressImages());
    EXPECT_EQ(back->getImageHandler()->numImages(), 1);
}

TEST_F(ShowFileTest, FilesThatAreNotShowsAreRefusedWithAReason)
{
    const QByteArray jpeg = encodeJpeg(twoToneImage(QSize(8, 8)));
    const QString sound = soundFile("s.wav");
    auto base = [&] {
        Fields f;
        f.jpegs = { jpeg, jpeg };
        f.names = { QStringLiteral("a.jpg"), QStringLiteral("b.jpg") };
        f.soundPaths = { sound };
        f.soundLengths = { QStringLiteral("0:01") };
        f.soundNames = { QStringLiteral("s.wav") };
        f.totalLength = 1;
        return f;
    };
    std::vector<std::pair<const char *, std::function<void(Fields &)>>> broken {
        { "another magic", [](Fields &f) { f.magic = QStringLiteral("LRSHOX"); } },
        { "a newer version", [](Fields &f) { f.version = ShowFormatVersion + 1; } },
        { "version 0", [](Fields &f) { f.version = 0; } },
        { "a root that is not a Model",
          [](Fields &f) { f.rootClass = QStringLiteral("Picture"); } },
        { "no sound handler", [](Fields &f) { f.withSoundHandle = false; } },
        { "fewer names than pictures", [](Fields &f) { f.names.removeLast(); } },
        { "more names than pictures", [](Fields &f) { f.names.append(QStringLiteral("c.jpg")); } },
        { "sound lists of unequal length",
          [](Fields &f) { f.soundNames.append(QStringLiteral("t")); } },
        { "a position past the soundtrack", [](Fields &f) { f.soundIndex = 1; } },
        { "a negative position", [](Fields &f) { f.soundIndex = -1; } },
        { "a position beyond 32 bits", [](Fields &f) { f.soundIndex = qint64(1) << 32; } },
        { "a negative total", [](Fields &f) { f.totalLength = -5; } },
        { "an unknown key", [](Fields &f) { f.extraImageKey = QStringLiteral("other"); } },
        { "a key given twice", [](Fields &f) { f.repeatNames = true; } },
        { "data after the show", [](Fields &f) { f.trailing = QByteArray("\x01", 1); } },
    };
    ASSERT_NE(read(handWritten(base()), fakes.services()), nullptr);
    for (const auto &[what, breakIt] : broken) {
        Fields f = base();
        breakIt(f);
        QString why;
        EXPECT_EQ(read(handWritten(f), fakes.services(), &why), nullptr) << what;
        EXPECT_FALSE(why.isEmpty()) << what;
    }

    QByteArray whole = handWritten(base());
    for (const QByteArray &bytes : { QByteArray(), QByteArray("not a show at all"), jpeg,
                                     whole.left(whole.size() - 1), whole.left(whole.size() / 2) }) {
        QString why;
        EXPECT_EQ(read(bytes, fakes.services(), &why), nullptr) << bytes.size();
        EXPECT_FALSE(why.isEmpty());
    }
}

TEST_F(ShowFileTest, APictureThatDoesNotDecodeIsRefusedByTheRebuild)
{
    Fields f;
    // Stored pictures of every kind go through the decoder that notices a cut: a CMYK one is
    // not let in as a grey slide.
    QImage detailed(256, 192, QImage::Format_RGB32);
    for (int y = 0; y < detailed.height(); ++y)
        for (int x = 0; x < detailed.width(); ++x)
            detailed.setPixel(x, y, qRgb((x * 7 + y * 3) & 255, (x * y) & 255, (x ^ y) & 255));
    const QByteArray cmyk = cmykJpegBytes(detailed);
    for (QByteArray damaged : { encodeJpeg(twoToneImage(QSize(64, 64))), cmyk }) {
        if (damaged.isEmpty())
            continue; // no ImageMagick to make the CMYK picture
        damaged.truncate(damaged.size() / 2);
        f.jpegs = { encodeJpeg(twoToneImage(QSize(8, 8))), damaged };
        f.names = { QStringLiteral("a.jpg"), QStringLiteral("b.jpg") };
        auto back = read(handWritten(f), fakes.services());
        ASSERT_NE(back, nullptr);
        EXPECT_FALSE(back->getImageHandler()->decompressImages()) << damaged.size();
        EXPECT_EQ(back->getImageHandler()->numImages(), 0);
    }
    if (!cmyk.isEmpty()) {
        f.jpegs = { cmyk };
        f.names = { QStringLiteral("c.jpg") };
        auto back = read(handWritten(f), fakes.services());
        ASSERT_NE(back, nullptr);
        EXPECT_TRUE(back->getImageHandler()->decompressImages());
    }

    // A PNG is a picture, but not the stored form.
    f.jpegs = { makeSlide(QStringLiteral("p.png"))->encoded() };
    f.names = { QStringLiteral("p.png") };
    auto back = read(handWritten(f), fakes.services());
    ASSERT_NE(back, nullptr);
    EXPECT_FALSE(back->getImageHandler()->decompressImages());
}

namespace {

// A file that tells how much of it has been read.
class CountingFile : public QFile
{
public:
    using QFile::QFile;
    qint64 bytesRead = 0;

protected:
    qint64 readData(char *data, qint64 length) override
    {
        const qint64 got = QFile::readData(data, length);
        bytesRead += std::max<qint64>(0, got);
        return got;
    }
};

// The head of a CBOR array of `count` elements, or of one of unknown length.
QByteArray arrayHead(std::optional<quint32> count)
{
    if (!count)
        return QByteArray(1, '\x9f');
    QByteArray head("\x9a", 1);
    for (int shift = 24; shift >= 0; shift -= 8)
        head.append(char((*count >> shift) & 0xff));
    return head;
}

// A list of `count` copies of `element`, counted or not.
QByteArray list(quint32 count, char element, bool counted = true)
{
    return arrayHead(counted ? std::optional(count) : std::nullopt) + QByteArray(count, element)
        + (counted ? QByteArray() : QByteArray(1, '\xff'));
}

QByteArray cborText(const char *text)
{
    QByteArray bytes;
    QCborStreamWriter(&bytes).append(QLatin1String(text));
    return bytes;
}

// A show whose every part is well formed: an ImageHandler and a SoundHandler with the given
// lists, each a key and its value as CBOR.
QByteArray showOf(const QList<QByteArray> &imageLists, const QList<QByteArray> &soundLists)
{
    QByteArray bytes;
    {
        QCborStreamWriter w(&bytes);
        w.startArray(3);
        w.append(QLatin1String("LRSHOW"));
        w.append(ShowFormatVersion);
        w.startMap(3);
        w.append(QLatin1String("class"));
        w.append(QLatin1String("Model"));
        w.append(QLatin1String("imageHandle"));
        w.startMap(4);
        w.append(QLatin1String("class"));
        w.append(QLatin1String("ImageHandler"));
    }
    for (const QByteArray &part : imageLists)
        bytes += part;
    bytes += cborText("soundHandle") + QByteArray(1, '\xa6') + cborText("class")
        + cborText("SoundHandler");
    for (const QByteArray &part : soundLists)
        bytes += part;
    return bytes + cborText("soundIndex") + QByteArray(1, '\0') + cborText("totalLength")
        + QByteArray(1, '\0');
}

} // namespace

TEST_F(ShowFileTest, AClaimTheProgramCannotHoldIsRefusedBeforeItIsRead)
{
    // Millions of empty elements, a byte each: a few megabytes that describe millions of
    // pictures or sounds; and one picture larger than any the program can show.
    constexpr quint32 Many = 4'000'000;
    const QByteArray none = arrayHead(0);
    const QByteArray pictures = cborText("compressedImages");
    const QByteArray names = cborText("names");
    const QByteArray random = cborText("random");
    const QByteArray sounds = cborText("soundsToPlay");
    const QByteArray lengths = cborText("soundLengths");
    const QByteArray soundNames = cborText("soundNames");
    const QList<QByteArray> noSounds { sounds + none, lengths + none, soundNames + none };
    const QList<QByteArray> noPictures { pictures + none, names + none, random + none };
    struct Case
    {
        const char *what;
        QByteArray bytes;
        qint64 zerosAfter = 0; // a sparse tail, so that what the file claims is all there
    };
    QByteArray huge = showOf({}, {}).left(showOf({}, {}).indexOf(cborText("soundHandle")));
    huge += pictures + arrayHead(1) + QByteArray("\x5a\x25\x80\x00\x00", 5);
    const std::vector<Case> cases {
        { "one picture of 600 MB in a file that long", huge, qint64(600) << 20 },
        { "empty pictures with names",
          showOf({ pictures + list(Many, '\x40'), names + list(Many, '\xf6'), random + none },
                 noSounds) },
        { "empty pictures with names, in lists of unknown length",
          showOf({ pictures + list(Many, '\x40', false), names + list(Many, '\xf6', false),
                   random + none },
                 noSounds) },
        { "names first",
          showOf({ names + list(Many, '\xf6'), pictures + list(Many, '\x40'), random + none },
                 noSounds) },
        { "names first, in a list of unknown length",
          showOf(
              { names + list(Many, '\xf6', false), pictures + list(Many, '\x40'), random + none },
              noSounds) },
        { "a random order first",
          showOf({ random + list(Many, '\0'), pictures + list(Many, '\x40'),
                   names + list(Many, '\xf6') },
                 noSounds) },
        { "sound names and lengths first",
          showOf(noPictures,
                 { soundNames + list(Many, '\x60'), lengths + list(Many, '\x60'),
                   sounds + list(Many, '\xa0') }) },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = dir.filePath(QStringLiteral("claims.lrshow"));
        writeFile(path, c.bytes);
        if (c.zerosAfter > 0) {
            ASSERT_TRUE(QFile::resize(path, c.bytes.size() + c.zerosAfter));
        }
        CountingFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QString why;
        EXPECT_EQ(readShow(file, fakes.services(), &why), nullptr);
        EXPECT_FALSE(why.isEmpty());
        // Refused at the count, or at the first element that cannot be what it claims: the
        // millions were never read, so nothing was made for them.
        EXPECT_LT(file.bytesRead, 256 * 1024) << "of " << c.bytes.size();
    }
}

TEST_F(ShowFileTest, ALengthFieldLargerThanTheFileAllocatesNothing)
{
    // The header of a byte string claiming a terabyte, in a file of a few dozen bytes.
    QByteArray bytes;
    {
        QCborStreamWriter w(&bytes);
        w.startArray(3);
        w.append(QLatin1String("LRSHOW"));
        w.append(1);
        w.startMap(3);
        w.append(QLatin1String("class"));
        w.append(QLatin1String("Model"));
        w.append(QLatin1String("imageHandle"));
        w.startMap(4);
        w.append(QLatin1String("class"));
        w.append(QLatin1String("ImageHandler"));
        w.append(QLatin1String("compressedImages"));
        w.startArray(1);
    }
    const QByteArray terabyte("\x5b\x00\x00\x01\x00\x00\x00\x00\x00xyz", 12);
    QString why;
    EXPECT_EQ(read(bytes + terabyte, fakes.services(), &why), nullptr);
    EXPECT_FALSE(why.isEmpty());
    // The same lie in the length of a list.
    const QByteArray hugeList("\x9b\x00\x00\x01\x00\x00\x00\x00\x00", 9);
    bytes.chop(1); // the array header written above
    EXPECT_EQ(read(bytes + hugeList, fakes.services(), &why), nullptr);
}
