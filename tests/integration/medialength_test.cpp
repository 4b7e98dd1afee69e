// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes.h"
#include "platform/qt/avmedialength.h"
#include "platform/qt/qtsound.h"
#include "soundtrack/soundhandler.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

// Failure messages show the text, not its bytes.
void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

using namespace lanternreel;
using namespace lanternreel::testing;

namespace {

constexpr int64_t kMicroseconds = 1'000'000;

// Sound files are made here with ffmpeg, which the install step provides; without it the
// test fails rather than skips, so a machine missing it cannot pass for one that reads sounds.
class MediaLengthTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
        ASSERT_FALSE(ffmpeg.isEmpty()) << "ffmpeg is needed to make the test sounds "
                                          "(it is in the package list of scripts/deps.sh)";
    }

    // Runs ffmpeg on a generated source and answers the output file's path.
    QString generate(const QString &fileName, const QStringList &source,
                     const QStringList &encoder = {})
    {
        const QString path = dir.filePath(fileName);
        QProcess process;
        process.start(ffmpeg,
                      QStringList { QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"),
                                    QStringLiteral("error"), QStringLiteral("-y"),
                                    QStringLiteral("-f"), QStringLiteral("lavfi") }
                          + source + encoder + QStringList { path });
        EXPECT_TRUE(process.waitForFinished(60000)) << fileName.toStdString();
        EXPECT_EQ(process.exitCode(), 0)
            << fileName.toStdString() << ": " << process.readAllStandardError().toStdString();
        return path;
    }
    QString tone(const QString &fileName, const QStringList &encoder = {})
    {
        return generate(fileName,
                        { QStringLiteral("-i"),
                          QStringLiteral("sine=frequency=440:duration=2.5:sample_rate=44100") },
                        encoder);
    }

    QTemporaryDir dir;
    QString ffmpeg;
    AvMediaLength lengths;
};

} // namespace

TEST_F(MediaLengthTest, ReadsEverySoundFormatTheProgramPlays)
{
    const std::pair<const char *, QStringList> files[] = {
        { "tone.wav", {} },
        { "tone.aiff", {} },
        { "tone.mp3", { QStringLiteral("-c:a"), QStringLiteral("libmp3lame") } },
        { "tone.ogg", { QStringLiteral("-c:a"), QStringLiteral("libvorbis") } },
        { "tone.flac", {} },
        { "tone.m4a", { QStringLiteral("-c:a"), QStringLiteral("aac") } },
    };
    for (const auto &[name, encoder] : files) {
        const MediaDuration length = lengths.lengthOf(tone(QString::fromUtf8(name), encoder));
        EXPECT_EQ(length.timeScale, kMicroseconds) << name;
        // 2.5 s of tone; compressed formats add a few milliseconds of encoder delay.
        EXPECT_GE(length.duration, 2'450'000) << name;
        EXPECT_LE(length.duration, 2'650'000) << name;
    }
}

TEST_F(MediaLengthTest, AnswersZeroForWhatIsNotASound)
{
    const QString text = dir.filePath(QStringLiteral("notes.txt"));
    const QString textNamedLikeASound = dir.filePath(QStringLiteral("notes.mp3"));
    for (const QString &path : { text, textNamedLikeASound }) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("These are not the sounds you are looking for.\n");
    }
    EXPECT_EQ(lengths.lengthOf(text).duration, 0);
    EXPECT_EQ(lengths.lengthOf(textNamedLikeASound).duration, 0);
    EXPECT_EQ(lengths.lengthOf(dir.filePath(QStringLiteral("missing.wav"))).duration, 0);
    EXPECT_EQ(lengths.lengthOf(dir.path()).duration, 0);
    // A film without a sound track plays for a while, but there is nothing to hear.
    const QString silentFilm = generate(
        QStringLiteral("silent.mpg"),
        { QStringLiteral("-i"), QStringLiteral("testsrc=duration=2:size=32x32:rate=25") },
        { QStringLiteral("-c:v"), QStringLiteral("mpeg1video") });
    EXPECT_EQ(lengths.lengthOf(silentFilm).duration, 0);
}

TEST_F(MediaLengthTest, LongFilesKeepTheirLengthThroughTheHandler)
{
    // 36 minutes in microseconds does not fit 32 bits. A low rate keeps the file small.
    const QString path = generate(QStringLiteral("long.wav"),
                                  { QStringLiteral("-i"), QStringLiteral("anullsrc=r=1000:cl=mono"),
                                    QStringLiteral("-t"), QStringLiteral("2160") },
                                  { QStringLiteral("-c:a"), QStringLiteral("pcm_u8") });
    FakeServices fakes;
    Services services = fakes.services();
    services.mediaLength = &lengths;
    SoundHandler handler(services);

    EXPECT_EQ(handler.getSoundLength(path), QStringLiteral("36:00"));
    EXPECT_EQ(handler.returnTotalLength(), 2160);
}

// Whatever the reason a chosen file gives no sound, the user gets the alert and standard output
// the line, and the soundtrack stays as it was. Files that cannot be opened as sounds at all are
// never read (a pipe would wait for a writer, a device would never end).
TEST_F(MediaLengthTest, AChosenFileThatIsNoSoundIsReportedBothWays)
{
    const QString text = dir.filePath(QStringLiteral("notes.mp3"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a sound\n");
    file.close();
    const QString folder = dir.filePath(QStringLiteral("folder.wav"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString pipe = dir.filePath(QStringLiteral("pipe.wav"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString device = dir.filePath(QStringLiteral("zero.wav"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), device));

    const QString chosen[]
        = { text, dir.filePath(QStringLiteral("missing.wav")), folder, pipe, device };
    for (const QString &path : chosen) {
        SCOPED_TRACE(path.toStdString());
        FakeServices fakes;
        QtSoundFactory sounds;
        Services services = fakes.services();
        services.mediaLength = &lengths;
        services.sounds = &sounds;
        SoundHandler handler(services);
        fakes.openPanels.soundAnswers.push_back(QStringList { path });

        handler.addSong();

        EXPECT_EQ(fakes.log.outLines,
                  QStringList({ "In addSong", "Error in finding sound file length." }));
        ASSERT_EQ(fakes.alerts.alerts.size(), 1u);
        EXPECT_EQ(fakes.alerts.alerts[0].messageText, QStringLiteral("Invalid Sound File"));
        EXPECT_EQ(handler.numSounds(), 0);
        EXPECT_EQ(handler.returnTotalLength(), 0);
    }
}
