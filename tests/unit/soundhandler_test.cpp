#include "fakes.h"
#include "soundtrack/soundhandler.h"

#include <gtest/gtest.h>

using namespace lanternreel;
using namespace lanternreel::testing;

namespace {

class SoundHandlerTest : public ::testing::Test
{
protected:
    // Queues one open-panel answer of `names` (each /music/NAME), each `seconds` long unless it
    // is listed in `unreadable`, and adds them.
    void addSongs(const QStringList &names, double seconds = 100,
                  const QStringList &unreadable = {})
    {
        QStringList paths;
        for (const QString &name : names) {
            const QString path = QStringLiteral("/music/") + name;
            paths.append(path);
            if (!unreadable.contains(name))
                fakes.mediaLength.set(path, seconds);
        }
        fakes.openPanels.soundAnswers.push_back(paths);
        handler.addSong();
    }

    FakeServices fakes;
    SoundHandler handler { fakes.services() };
};

std::vector<QString> list(std::initializer_list<const char *> texts)
{
    std::vector<QString> result;
    for (const char *text : texts)
        result.push_back(QString::fromUtf8(text));
    return result;
}

} // namespace

TEST(TimeStringTest, MinutesAndTwoDigitSeconds)
{
    const std::pair<int32_t, const char *> cases[] = {
        { 0, "0:00" },     { 9, "0:09" },       { 10, "0:10" },      { 59, "0:59" },
        { 60, "1:00" },    { 61, "1:01" },      { 119, "1:59" },     { 600, "10:00" },
        { 3599, "59:59" }, { 3600, "1:00:00" }, { 3725, "1:02:05" }, { 36000, "10:00:00" },
        { -5, "0:00" },
    };
    for (const auto &[seconds, text] : cases)
        EXPECT_EQ(SoundHandler::getTimeString(seconds), QString::fromUtf8(text)) << seconds;
}

TEST(TimeStringTest, ReadsBackTheSecondsItWrote)
{
    for (int32_t seconds : { 0, 7, 65, 3599, 3600, 3725, 86399, 400000 })
        EXPECT_EQ(SoundHandler::secondsOfTimeString(SoundHandler::getTimeString(seconds)), seconds);
    EXPECT_EQ(SoundHandler::secondsOfTimeString(QStringLiteral("junk")), 0);
    EXPECT_EQ(SoundHandler::secondsOfTimeString(QStringLiteral("1:x")), 0);
}

TEST(CreateCleanNameTest, KeepsTheTextAfterTheLastSlash)
{
    EXPECT_EQ(SoundHandler::createCleanName(QStringLiteral("/Music/Live/track1.aiff")),
              QStringLiteral("track1.aiff"));
    EXPECT_EQ(SoundHandler::createCleanName(QStringLiteral("track.aiff")),
              QStringLiteral("track.aiff"));
    EXPECT_EQ(SoundHandler::createCleanName(QStringLiteral("/Music/")), QString());
}

TEST_F(SoundHandlerTest, LengthsAreWholeSecondsAddedToTheTotal)
{
    // 35 minutes counted in microseconds is more than 32 bits hold.
    fakes.mediaLength.set(QStringLiteral("/long.mp3"), 35 * 60);
    fakes.mediaLength.set(QStringLiteral("/a.wav"), 61.9);
    fakes.mediaLength.set(QStringLiteral("/b.wav"), 62);
    fakes.mediaLength.set(QStringLiteral("/short.wav"), 0.4);

    EXPECT_EQ(handler.getSoundLength(QStringLiteral("/long.mp3")), QStringLiteral("35:00"));
    EXPECT_EQ(handler.returnTotalLength(), 2100);
    EXPECT_EQ(handler.getSoundLength(QStringLiteral("/a.wav")), QStringLiteral("1:01"));
    EXPECT_EQ(handler.getSoundLength(QStringLiteral("/b.wav")), QStringLiteral("1:02"));
    EXPECT_EQ(handler.returnTotalLength(), 2100 + 123);
    // Shorter than a second: accepted, counts nothing.
    EXPECT_EQ(handler.getSoundLength(QStringLiteral("/short.wav")), QStringLiteral("0:00"));
    EXPECT_EQ(handler.returnTotalLength(), 2223);
    EXPECT_TRUE(fakes.log.outLines.isEmpty());
}

TEST_F(SoundHandlerTest, UnreadableLengthGivesNothingAndTellsStandardOutput)
{
    fakes.mediaLength.table.insert(QStringLiteral("/noscale.wav"), { 5'000'000, 0 });
    fakes.mediaLength.table.insert(QStringLiteral("/unknown.wav"), { INT64_MIN, 1'000'000 });
    for (const char *path : { "/notes.txt", "/noscale.wav", "/unknown.wav" })
        EXPECT_FALSE(handler.getSoundLength(QString::fromUtf8(path)).has_value()) << path;
    EXPECT_EQ(handler.returnTotalLength(), 0);
    EXPECT_EQ(fakes.log.outLines,
              QStringList(3, QStringLiteral("Error in finding sound file length.")));
}

TEST_F(SoundHandlerTest, AddSongAppendsTheChosenFilesInOrder)
{
    FakeTableView table;
    handler.setTableView(&table);
    addSongs({ QStringLiteral("one.wav"), QStringLiteral("two.mp3"), QStringLiteral("one.wav") },
             125);

    EXPECT_EQ(fakes.log.outLines, QStringList { QStringLiteral("In addSong") });
    EXPECT_EQ(fakes.openPanels.lastSoundExtensions, fakes.sounds.types);
    EXPECT_EQ(handler.returnSoundNames(), list({ "one.wav", "two.mp3", "one.wav" }));
    EXPECT_EQ(handler.returnSoundLengths(), list({ "2:05", "2:05", "2:05" }));
    ASSERT_EQ(handler.numSounds(), 3);
    EXPECT_EQ(handler.returnSounds()[1]->path(), QStringLiteral("/music/two.mp3"));
    EXPECT_EQ(handler.returnTotalLength(), 375);
    EXPECT_EQ(table.reloads, 1);
    EXPECT_TRUE(fakes.alerts.alerts.empty());
}

TEST_F(SoundHandlerTest, CancelledPanelChangesNothing)
{
    handler.addSong();
    EXPECT_EQ(handler.numSounds(), 0);
    EXPECT_EQ(fakes.sounds.madeCount(), 0u);
    EXPECT_EQ(fakes.log.outLines, QStringList { QStringLiteral("In addSong") });
}

TEST_F(SoundHandlerTest, InvalidThirdOfFourKeepsTheFirstTwoAndIgnoresTheFourth)
{
    FakeTableView table;
    handler.setTableView(&table);
    addSongs({ QStringLiteral("a.wav"), QStringLiteral("b.wav"), QStringLiteral("bad.wav"),
               QStringLiteral("d.wav") },
             10, { QStringLiteral("bad.wav") });

    EXPECT_EQ(handler.returnSoundNames(), list({ "a.wav", "b.wav" }));
    EXPECT_EQ(handler.returnSoundLengths(), list({ "0:10", "0:10" }));
    EXPECT_EQ(handler.returnTotalLength(), 20);
    ASSERT_EQ(fakes.alerts.alerts.size(), 1u);
    EXPECT_EQ(fakes.alerts.alerts[0].messageText, QStringLiteral("Invalid Sound File"));
    EXPECT_EQ(fakes.alerts.alerts[0].informativeText,
              QStringLiteral("The sound file you have selected is invalid."));
    // The fourth file was never looked at, and the discarded sound is gone.
    EXPECT_EQ(fakes.sounds.madeCount(), 3u);
    EXPECT_FALSE(fakes.sounds.made(2).alive);
    EXPECT_EQ(table.reloads, 0);
}

TEST_F(SoundHandlerTest, FileWithALengthButNoSoundIsInvalidAndAddsNoSeconds)
{
    fakes.sounds.unmakeable.insert(QStringLiteral("/music/b.wav"));
    addSongs({ QStringLiteral("a.wav"), QStringLiteral("b.wav") }, 30);
    EXPECT_EQ(handler.returnSoundNames(), list({ "a.wav" }));
    EXPECT_EQ(handler.returnTotalLength(), 30);
    EXPECT_EQ(fakes.alerts.alerts.size(), 1u);
}

TEST_F(SoundHandlerTest, PlaysThreeSoundsInOrderThenFallsSilent)
{
    handler.playSound();
    EXPECT_FALSE(handler.isPlaying()); // nothing to play

    addSongs({ QStringLiteral("a.wav"), QStringLiteral("b.wav"), QStringLiteral("c.wav") });
    handler.playSound();
    EXPECT_TRUE(handler.isPlaying());
    EXPECT_EQ(handler.returnSoundIndex(), 0);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(fakes.sounds.playingCount(), 1);
        EXPECT_TRUE(fakes.sounds.made(i).playing) << i;
        fakes.sounds.finish(i);
    }
    EXPECT_EQ(fakes.sounds.events,
              QStringList({ "play a.wav", "end a.wav", "play b.wav", "end b.wav", "play c.wav",
                            "end c.wav" }));
    EXPECT_FALSE(handler.isPlaying());
    EXPECT_EQ(handler.returnSoundIndex(), 2);
    EXPECT_EQ(fakes.sounds.playingCount(), 0); // no wrap-around
}

TEST_F(SoundHandlerTest, StopDuringTheSecondSoundDoesNotStartTheThird)
{
    addSongs({ QStringLiteral("a.wav"), QStringLiteral("b.wav"), QStringLiteral("c.wav") });
    handler.playSound();
    fakes.sounds.finish(0);
    handler.stopSound();

    EXPECT_FALSE(handler.isPlaying());
    EXPECT_EQ(handler.returnSoundIndex(), 1);
    EXPECT_EQ(fakes.sounds.made(1).stops, 1);
    EXPECT_EQ(fakes.sounds.made(2).plays, 0);
    EXPECT_EQ(fakes.sounds.playingCount(), 0);
}

TEST_F(SoundHandlerTest, PlayingAgainStartsFromTheFirstWithoutStoppingTheOther)
{
    addSongs({ QStringLiteral("a.wav"), QStringLiteral("b.wav"), QStringLiteral("c.wav") });
    handler.playSound();
    fakes.sounds.finish(0);
    handler.playSound();
    EXPECT_EQ(handler.returnSoundIndex(), 0);
    EXPECT_TRUE(fakes.sounds.made(0).playing);
    EXPECT_TRUE(fakes.sounds.made(1).playing);
}

TEST_F(SoundHandlerTest, RemovingThePlayingSecondStartsTheThirdAtOnce)
{
    FakeTableView table;
    handler.setTableView(&table);
    addSongs({ QStringLiteral("a.wav"), QStringLiteral("b.wav") }, 61);
    addSongs({ QStringLiteral("c.wav") }, 3725);
    handler.playSound();
    fakes.sounds.finish(0);

    table.selected = { 1 };
    handler.removeSong();

    EXPECT_EQ(handler.returnSoundNames(), list({ "a.wav", "c.wav" }));
    EXPECT_EQ(handler.returnSoundLengths(), list({ "1:01", "1:02:05" }));
    EXPECT_EQ(handler.returnTotalLength(), 61 + 3725);
    EXPECT_FALSE(fakes.sounds.made(1).alive);
    EXPECT_TRUE(fakes.sounds.made(2).playing);
    EXPECT_TRUE(handler.isPlaying());
    EXPECT_EQ(handler.returnSoundIndex(), 1);
    EXPECT_EQ(table.reloads, 3);

    // The third, now the last, ends the soundtrack.
    fakes.sounds.finish(2);
    EXPECT_FALSE(handler.isPlaying());
}

TEST_F(SoundHandlerTest, RemovingThePlayingLastSoundEndsPlaybackInsideTheList)
{
    FakeTableView table;
    handler.setTableView(&table);
    addSongs({ QStringLiteral("a.wav"), QStringLiteral("b.wav") });
    handler.playSound();
    fakes.sounds.finish(0);

    table.selected = { 1 };
    handler.removeSong();

    EXPECT_FALSE(handler.isPlaying());
    EXPECT_EQ(fakes.sounds.playingCount(), 0);
    EXPECT_EQ(handler.numSounds(), 1);
    EXPECT_EQ(handler.returnSoundIndex(), 0);
    EXPECT_EQ(handler.returnTotalLength(), 100);

    table.selected = { 0 };
    handler.removeSong();
    EXPECT_EQ(handler.numSounds(), 0);
    EXPECT_EQ(handler.returnSoundIndex(), 0);
    EXPECT_EQ(handler.returnTotalLength(), 0);
}

TEST_F(SoundHandlerTest, RemovingASoundBeforeThePlayingOneKeepsItsPosition)
{
    FakeTableView table;
    handler.setTableView(&table);
    addSongs({ QStringLiteral("a.wav"), QStringLiteral("b.wav"), QStringLiteral("c.wav"),
               QStringLiteral("d.wav") });
    handler.playSound();
    fakes.sounds.finish(0);
    fakes.sounds.finish(1); // c plays, at position 2

    table.selected = { 0, 3 }; // only the lowest goes
    handler.removeSong();

    EXPECT_EQ(handler.returnSoundNames(), list({ "b.wav", "c.wav", "d.wav" }));
    EXPECT_EQ(handler.returnSoundIndex(), 1);
    EXPECT_TRUE(fakes.sounds.made(2).playing);
    EXPECT_EQ(fakes.sounds.made(2).stops, 0);
    // The next sound after c is still d.
    fakes.sounds.finish(2);
    EXPECT_TRUE(fakes.sounds.made(3).playing);
    EXPECT_EQ(handler.returnSoundIndex(), 2);
}

TEST_F(SoundHandlerTest, RemoveWithoutTableOrSelectionDoesNothing)
{
    addSongs({ QStringLiteral("a.wav") });
    handler.removeSong();
    EXPECT_EQ(handler.numSounds(), 1);

    FakeTableView table;
    handler.setTableView(&table);
    handler.removeSong();
    EXPECT_EQ(handler.numSounds(), 1);
    EXPECT_EQ(table.reloads, 0);
}

TEST(SoundHandlerLifetimeTest, GoingAwayWhilePlayingStopsTheSoundAndCutsItsCallback)
{
    FakeServices fakes;
    fakes.mediaLength.set(QStringLiteral("/a.wav"), 3);
    fakes.openPanels.soundAnswers.push_back(QStringList { QStringLiteral("/a.wav") });
    {
        SoundHandler handler(fakes.services());
        handler.addSong();
        handler.playSound();
    }
    const FakeSoundState &sound = fakes.sounds.made(0);
    EXPECT_EQ(sound.stops, 1);
    EXPECT_FALSE(sound.alive);
    EXPECT_FALSE(sound.onFinished);
}
