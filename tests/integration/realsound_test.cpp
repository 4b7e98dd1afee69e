// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes.h"
#include "platform/qt/avmedialength.h"
#include "platform/qt/qtsound.h"
#include "soundtrack/soundhandler.h"
#include "tonefiles.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace lanternreel;
using namespace lanternreel::testing;

namespace {

// Passes the real sounds through, writing down when each starts and when each reports its end.
class RecordingSound : public Sound
{
public:
    RecordingSound(std::unique_ptr<Sound> sound, QStringList &events)
        : m_sound(std::move(sound))
        , m_events(events)
    { }
    void play() override
    {
        m_events.append(QStringLiteral("play ") + name());
        m_sound->play();
    }
    void stop() override { m_sound->stop(); }
    bool isPlaying() const override { return m_sound->isPlaying(); }
    QString name() const override { return m_sound->name(); }
    QString path() const override { return m_sound->path(); }
    void setOnFinished(std::function<void(bool)> callback) override
    {
        if (!callback) {
            m_sound->setOnFinished(nullptr);
            return;
        }
        m_sound->setOnFinished([this, callback](bool finishedToEnd) {
            m_events.append((finishedToEnd ? QStringLiteral("end ") : QStringLiteral("stopped "))
                            + name());
            callback(finishedToEnd);
        });
    }

private:
    std::unique_ptr<Sound> m_sound;
    QStringList &m_events;
};

class RecordingSoundFactory : public SoundFactory
{
public:
    std::unique_ptr<Sound> makeSound(const QString &path) override
    {
        std::unique_ptr<Sound> sound = m_real.makeSound(path);
        if (!sound)
            return nullptr;
        return std::make_unique<RecordingSound>(std::move(sound), events);
    }
    QStringList soundFileTypes() const override { return m_real.soundFileTypes(); }

    QStringList events;

private:
    QtSoundFactory m_real;
};

// Runs the event loop until `done` or the failsafe deadline; the deadline only keeps a broken
// backend from hanging the run, it measures nothing.
template<typename Predicate> bool spinUntil(Predicate done, int failsafeMs = 20000)
{
    const QDeadlineTimer deadline(failsafeMs);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

} // namespace

// A soundtrack of two generated tones, on the real sound and length services.
class RealSoundTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    // Adds tones of `firstSeconds` and `secondSeconds` named `firstName` and `secondName`.
    void addTwoTones(const QString &firstName, double firstSeconds, const QString &secondName,
                     double secondSeconds)
    {
        const QString first = dir.filePath(firstName);
        const QString second = dir.filePath(secondName);
        ASSERT_TRUE(writeToneWav(first, firstSeconds, 440));
        ASSERT_TRUE(writeToneWav(second, secondSeconds, 660));
        fakes.openPanels.soundAnswers.push_back(QStringList { first, second });
        handler.addSong();
        ASSERT_EQ(handler.numSounds(), 2);
    }

    QTemporaryDir dir;
    FakeServices fakes;
    RecordingSoundFactory sounds;
    AvMediaLength lengths;
    Services services = withRealSound(fakes.services());
    SoundHandler handler { services };

private:
    Services withRealSound(Services services)
    {
        services.sounds = &sounds;
        services.mediaLength = &lengths;
        return services;
    }
};

TEST_F(RealSoundTest, PlaysTwoSoundsOneAfterTheOtherThroughTheBackend)
{
    addTwoTones(QStringLiteral("first.wav"), 0.5, QStringLiteral("second.wav"), 0.4);
    EXPECT_TRUE(fakes.alerts.alerts.empty());

    handler.playSound();
    EXPECT_TRUE(handler.isPlaying());
    ASSERT_TRUE(spinUntil([&] { return !handler.isPlaying(); }))
        << "the soundtrack never finished; events: "
        << sounds.events.join(QStringLiteral(", ")).toStdString();

    EXPECT_EQ(
        sounds.events,
        QStringList({ "play first.wav", "end first.wav", "play second.wav", "end second.wav" }));
    EXPECT_FALSE(handler.isPlaying());
    EXPECT_EQ(handler.returnSoundIndex(), 1);
    for (const auto &sound : handler.returnSounds())
        EXPECT_FALSE(sound->isPlaying());
}

TEST_F(RealSoundTest, StoppingReportsAStopAndStartsNothingElse)
{
    addTwoTones(QStringLiteral("long.wav"), 5.0, QStringLiteral("next.wav"), 0.4);
    handler.playSound();
    // Let the backend get the first sound going before stopping it.
    spinUntil([] { return false; }, 300);
    handler.stopSound();
    EXPECT_FALSE(handler.isPlaying());
    spinUntil([] { return false; }, 500);

    EXPECT_EQ(sounds.events, QStringList({ "play long.wav", "stopped long.wav" }));
    EXPECT_EQ(handler.returnSoundIndex(), 0);
}

// A show restarted (F5 after its end, Space after entering full screen) while its soundtrack
// still plays: the soundtrack starts over with one sound at a time, and a stop silences it.
TEST_F(RealSoundTest, RestartingWhileASoundPlaysStartsOverWithOneSoundAtATime)
{
    addTwoTones(QStringLiteral("short.wav"), 0.6, QStringLiteral("long.wav"), 5.0);
    const struct
    {
        int playingAtRestart;
        QStringList before;
    } cases[] = {
        { 0, { "play short.wav" } },
        { 1, { "play short.wav", "end short.wav", "play long.wav" } },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.playingAtRestart);
        sounds.events.clear();
        handler.playSound();
        ASSERT_TRUE(spinUntil([&] { return sounds.events == c.before; }))
            << sounds.events.join(QStringLiteral(", ")).toStdString();
        spinUntil([] { return false; }, 100);

        handler.playSound();
        int playing = 0;
        for (const auto &sound : handler.returnSounds())
            playing += sound->isPlaying() ? 1 : 0;
        EXPECT_EQ(playing, 1);
        EXPECT_TRUE(handler.returnSounds()[0]->isPlaying());

        handler.stopSound();
        spinUntil([] { return false; }, 1000);
        const QString playingName = c.playingAtRestart == 0 ? "short.wav" : "long.wav";
        const QStringList after { "stopped " + playingName, "play short.wav", "stopped short.wav" };
        EXPECT_EQ(sounds.events.join(", ").toStdString(),
                  (c.before + after).join(", ").toStdString());
        for (const auto &sound : handler.returnSounds())
            EXPECT_FALSE(sound->isPlaying());
        EXPECT_FALSE(handler.isPlaying());
    }
}

TEST(RealSoundBackendTest, AFileThatDoesNotPlayCountsAsPlayedSoTheSoundtrackGoesOn)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("broken.wav"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("RIFF, but nothing after it that any decoder reads.");
    file.close();

    QtSoundFactory factory;
    std::unique_ptr<Sound> sound = factory.makeSound(path);
    ASSERT_NE(sound, nullptr);
    std::vector<bool> reports;
    bool reportedInsidePlay = false;
    bool playing = false;
    sound->setOnFinished([&](bool finishedToEnd) {
        reports.push_back(finishedToEnd);
        reportedInsidePlay = reportedInsidePlay || playing;
    });
    playing = true;
    sound->play();
    playing = false;
    ASSERT_TRUE(spinUntil([&] { return !reports.empty(); }));
    spinUntil([] { return false; }, 300);

    EXPECT_EQ(reports, std::vector<bool> { true });
    EXPECT_FALSE(reportedInsidePlay);
    EXPECT_FALSE(sound->isPlaying());
}

static QList<QMessageBox *> noSoundOutputNotices()
{
    QList<QMessageBox *> shown;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (box && box->isVisible() && box->objectName() == QLatin1String("noSoundOutput"))
            shown.append(box);
    }
    return shown;
}

// With nothing to hear sound through, the first sound to start says so, once, without stopping
// anything; a machine with an output says nothing.
TEST(RealSoundBackendTest, NoSoundOutputIsToldOnceAndOnlyWhenThereIsNone)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("tone.wav"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    // Those of the sounds other tests played.
    for (QMessageBox *box : noSoundOutputNotices())
        box->close();
    for (const bool hasOutput : { false, true }) {
        SCOPED_TRACE(hasOutput ? "with an output" : "without one");
        QtSoundFactory factory([hasOutput] { return hasOutput; });
        for (int i = 0; i < 3; ++i) {
            std::unique_ptr<Sound> sound = factory.makeSound(path);
            ASSERT_NE(sound, nullptr);
            sound->play();
            sound->stop();
        }
        const QList<QMessageBox *> told = noSoundOutputNotices();
        ASSERT_EQ(told.size(), hasOutput ? 0 : 1);
        if (!told.isEmpty()) {
            EXPECT_EQ(told[0]->windowModality(), Qt::NonModal);
            EXPECT_EQ(told[0]->windowTitle(), QStringLiteral("No Sound Output"));
            told[0]->close();
        }
    }
}
