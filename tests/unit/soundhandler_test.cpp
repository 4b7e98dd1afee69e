// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes.h"
#include "soundtrack/soundhandler.h"
#include "soundtrack/soundtrackmodel.h"

#include <gtest/gtest.h>

// Failure messages show the text, not its bytes.
void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

using namespace lanternreel;
using namespace lanternreel::testing;

namespace {

// What the soundtrack's model tells the tables that show it: rows in, out and moved, rows changed
// (by their first row), and whole resets, which would lose every table's selection.
struct ModelSignals
{
    explicit ModelSignals(SoundtrackModel *model)
    {
        QObject::connect(
            model, &QAbstractItemModel::rowsInserted,
            [this](const QModelIndex &, int first, int last) { inserted += last - first + 1; });
        QObject::connect(
            model, &QAbstractItemModel::rowsRemoved,
            [this](const QModelIndex &, int first, int last) { removed += last - first + 1; });
        QObject::connect(model, &QAbstractItemModel::rowsMoved, [this] { ++moved; });
        QObject::connect(
            model, &QAbstractItemModel::dataChanged,
            [this](const QModelIndex &from, const QModelIndex &) { changed.append(from.row()); });
        QObject::connect(model, &QAbstractItemModel::modelReset, [this] { ++resets; });
    }
    void clear()
    {
        inserted = removed = moved = resets = 0;
        changed.clear();
    }

    int inserted = 0;
    int removed = 0;
    int moved = 0;
    QList<int> changed;
    int resets = 0;
};

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
    ModelSignals table(handler.model());
    addSongs({ QStringLiteral("one.wav"), QStringLiteral("two.mp3"), QStringLiteral("one.wav") },
             125);

    EXPECT_EQ(fakes.log.outLines, QStringList { QStringLiteral("In addSong") });
    EXPECT_EQ(fakes.openPanels.lastSoundExtensions, fakes.sounds.types);
    EXPECT_EQ(handler.returnSoundNames(), list({ "one.wav", "two.mp3", "one.wav" }));
    EXPECT_EQ(handler.returnSoundLengths(), list({ "2:05", "2:05", "2:05" }));
    ASSERT_EQ(handler.numSounds(), 3);
    EXPECT_EQ(handler.returnSounds()[1]->path(), QStringLiteral("/music/two.mp3"));
    EXPECT_EQ(handler.returnTotalLength(), 375);
    EXPECT_EQ(table.inserted, 3);
    EXPECT_EQ(table.resets, 0);
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
    int rowsWhileAlerted = -1;
    fakes.alerts.onAlert
        = [this, &rowsWhileAlerted] { rowsWhileAlerted = handler.model()->rowCount(); };
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
    // The tables show the two that were added while the alert is up.
    EXPECT_EQ(rowsWhileAlerted, 2);
}

TEST_F(SoundHandlerTest, FileWithALengthButNoSoundIsInvalidAndAddsNoSeconds)
{
    fakes.sounds.unmakeable.insert(QStringLiteral("/music/b.wav"));
    addSongs({ QStringLiteral("a.wav"), QStringLiteral("b.wav") }, 30);
    EXPECT_EQ(handler.returnSoundNames(), list({ "a.wav" }));
    EXPECT_EQ(handler.returnTotalLength(), 30);
    EXPECT_EQ(fakes.alerts.alerts.size(), 1u);
    EXPECT_EQ(fakes.log.outLines,
              QStringList({ "In addSong", "Error in finding sound file length." }));
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

TEST_F(SoundHandlerTest, PlayingAgainStopsThePlayingSoundAndStartsFromTheFirst)
{
    addSongs({ QStringLiteral("a.wav"), QStringLiteral("b.wav"), QStringLiteral("c.wav") });
    handler.playSound();
    fakes.sounds.finish(0);
    handler.playSound();
    EXPECT_EQ(handler.returnSoundIndex(), 0);
    EXPECT_TRUE(fakes.sounds.made(0).playing);
    EXPECT_EQ(fakes.sounds.made(1).stops, 1);
    EXPECT_EQ(fakes.sounds.playingCount(), 1);
}

TEST_F(SoundHandlerTest, RemovingThePlayingSecondStartsTheThirdAtOnce)
{
    ModelSignals table(handler.model());
    addSongs({ QStringLiteral("a.wav"), QStringLiteral("b.wav") }, 61);
    addSongs({ QStringLiteral("c.wav") }, 3725);
    handler.playSound();
    fakes.sounds.finish(0);

    handler.removeSong({ 1 });

    EXPECT_EQ(handler.returnSoundNames(), list({ "a.wav", "c.wav" }));
    EXPECT_EQ(handler.returnSoundLengths(), list({ "1:01", "1:02:05" }));
    EXPECT_EQ(handler.returnTotalLength(), 61 + 3725);
    EXPECT_FALSE(fakes.sounds.made(1).alive);
    EXPECT_TRUE(fakes.sounds.made(2).playing);
    EXPECT_TRUE(handler.isPlaying());
    EXPECT_EQ(handler.returnSoundIndex(), 1);
    EXPECT_EQ(table.inserted, 3);
    EXPECT_EQ(table.removed, 1);
    EXPECT_EQ(table.resets, 0);

    // The third, now the last, ends the soundtrack.
    fakes.sounds.finish(2);
    EXPECT_FALSE(handler.isPlaying());
}

TEST_F(SoundHandlerTest, RemovingThePlayingLastSoundEndsPlaybackInsideTheList)
{
    addSongs({ QStringLiteral("a.wav"), QStringLiteral("b.wav") });
    handler.playSound();
    fakes.sounds.finish(0);

    handler.removeSong({ 1 });

    EXPECT_FALSE(handler.isPlaying());
    EXPECT_EQ(fakes.sounds.playingCount(), 0);
    EXPECT_EQ(handler.numSounds(), 1);
    EXPECT_EQ(handler.returnSoundIndex(), 0);
    EXPECT_EQ(handler.returnTotalLength(), 100);

    handler.removeSong({ 0 });
    EXPECT_EQ(handler.numSounds(), 0);
    EXPECT_EQ(handler.returnSoundIndex(), 0);
    EXPECT_EQ(handler.returnTotalLength(), 0);
}

TEST_F(SoundHandlerTest, RemovingASoundBeforeThePlayingOneKeepsItsPosition)
{
    addSongs({ QStringLiteral("a.wav"), QStringLiteral("b.wav"), QStringLiteral("c.wav"),
               QStringLiteral("d.wav") });
    handler.playSound();
    fakes.sounds.finish(0);
    fakes.sounds.finish(1); // c plays, at position 2

    handler.removeSong({ 3, 0 }); // only the lowest goes

    EXPECT_EQ(handler.returnSoundNames(), list({ "b.wav", "c.wav", "d.wav" }));
    EXPECT_EQ(handler.returnSoundIndex(), 1);
    EXPECT_TRUE(fakes.sounds.made(2).playing);
    EXPECT_EQ(fakes.sounds.made(2).stops, 0);
    // The next sound after c is still d.
    fakes.sounds.finish(2);
    EXPECT_TRUE(fakes.sounds.made(3).playing);
    EXPECT_EQ(handler.returnSoundIndex(), 2);
}

TEST_F(SoundHandlerTest, RemoveWithoutASelectedRowDoesNothing)
{
    addSongs({ QStringLiteral("a.wav") });
    ModelSignals table(handler.model());
    for (const QList<int> &selected : { QList<int> {}, QList<int> { 1 }, QList<int> { -1 } })
        handler.removeSong(selected);
    EXPECT_EQ(handler.numSounds(), 1);
    EXPECT_EQ(table.removed, 0);
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

namespace {

// W, X, Y, Z lasting 1, 2, 3 and 4 seconds, in a table, with the log emptied.
class SoundTableTest : public SoundHandlerTest
{
protected:
    SoundTableTest()
    {
        int seconds = 1;
        for (const char *name : { "W.wav", "X.wav", "Y.wav", "Z.wav" })
            addSongs({ QString::fromUtf8(name) }, seconds++);
        table.clear();
        fakes.log.outLines.clear();
    }

    // The three lists row by row, as "name length path" lines, so a row that came apart shows.
    QStringList rows() const
    {
        QStringList result;
        for (int32_t row = 0; row < handler.numSounds(); ++row) {
            const auto i = static_cast<size_t>(row);
            result.append(handler.returnSoundNames()[i] + QLatin1Char(' ')
                          + handler.returnSoundLengths()[i] + QLatin1Char(' ')
                          + handler.returnSounds()[i]->path());
        }
        return result;
    }

    static QStringList rowsOf(const char *order)
    {
        QStringList result;
        for (const QString &name : QString::fromUtf8(order).split(QLatin1Char(' '))) {
            const int seconds = name.at(0).unicode() - u'W' + 1;
            result.append(QStringLiteral("%1.wav 0:0%2 /music/%1.wav").arg(name).arg(seconds));
        }
        return result;
    }

    ModelSignals table { handler.model() };
};

} // namespace

TEST_F(SoundTableTest, AnswersRowsAndCellsByColumnIdentifier)
{
    EXPECT_EQ(handler.numberOfRowsInTableView(), 4);
    EXPECT_EQ(handler.objectValueForTableColumn(QStringLiteral("songs"), 2).toString(),
              QStringLiteral("Y.wav"));
    EXPECT_EQ(handler.objectValueForTableColumn(QStringLiteral("duration"), 3).toString(),
              QStringLiteral("0:04"));
    EXPECT_FALSE(handler.objectValueForTableColumn(QStringLiteral("other"), 0).isValid());
    EXPECT_FALSE(handler.objectValueForTableColumn(QStringLiteral("songs"), 4).isValid());
    EXPECT_FALSE(handler.objectValueForTableColumn(QStringLiteral("songs"), -1).isValid());

    SoundHandler empty(fakes.services());
    EXPECT_EQ(empty.numberOfRowsInTableView(), 0);

    // The model every table shows: a column per identifier, the same cells.
    const SoundtrackModel &model = *handler.model();
    ASSERT_EQ(model.rowCount(), 4);
    ASSERT_EQ(model.columnCount(), 2);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Sound"));
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Duration"));
    EXPECT_EQ(model.index(2, 0).data().toString(), QStringLiteral("Y.wav"));
    EXPECT_EQ(model.index(3, 1).data().toString(), QStringLiteral("0:04"));
}

TEST_F(SoundTableTest, DropSwapsTheDraggedRowWithTheTargetKeepingRowsTogether)
{
    EXPECT_EQ(handler.writeRows({ 0 }), QStringLiteral("W.wav"));
    EXPECT_EQ(handler.returnDraggedRow(), 0);
    EXPECT_TRUE(handler.acceptDrop(2, true));
    EXPECT_EQ(rows(), rowsOf("Y X W Z"));
    EXPECT_EQ(fakes.log.outLines, QStringList { QStringLiteral("here") });
    // Told as the two sounds' moves, so that selections in the tables go with them.
    EXPECT_EQ(table.moved, 2);
    EXPECT_EQ(table.resets + table.inserted + table.removed + table.changed.size(), 0);

    // Below the last row (or at a negative one) means the last row.
    ASSERT_TRUE(handler.acceptDrop(2, true)); // back to W X Y Z, draggedRow still 0
    ASSERT_EQ(rows(), rowsOf("W X Y Z"));
    handler.writeRows({ 1 });
    EXPECT_TRUE(handler.acceptDrop(4, true));
    EXPECT_EQ(rows(), rowsOf("W Z Y X"));
    EXPECT_TRUE(handler.acceptDrop(-1, true));
    EXPECT_EQ(rows(), rowsOf("W X Y Z"));

    // Onto itself: nothing moves, but the drop is still taken, told, and the row shown again.
    handler.writeRows({ 2 });
    table.clear();
    EXPECT_TRUE(handler.acceptDrop(2, true));
    EXPECT_EQ(rows(), rowsOf("W X Y Z"));
    EXPECT_EQ(fakes.log.outLines.size(), 5);
    EXPECT_EQ(table.changed, QList<int> { 2 });
    EXPECT_EQ(table.moved, 0);
}

TEST_F(SoundTableTest, SwapKeepsTheTotalAndThePlayingSoundStoppable)
{
    handler.writeRows({ 3 });
    handler.acceptDrop(1, true);
    EXPECT_EQ(handler.returnSoundIndex(), 0); // idle: the position stays
    handler.acceptDrop(1, true);

    handler.playSound();
    fakes.sounds.finish(0); // X plays, at position 1
    handler.writeRows({ 1 });
    handler.acceptDrop(3, true); // W Z Y X
    EXPECT_EQ(handler.returnTotalLength(), 10);
    EXPECT_EQ(handler.returnSoundIndex(), 3);
    handler.stopSound();
    EXPECT_EQ(fakes.sounds.playingCount(), 0);
    EXPECT_FALSE(handler.isPlaying());
}

TEST_F(SoundTableTest, OnlyOneRowOfTheListCanBeDragged)
{
    handler.writeRows({ 3 });
    for (const QList<int> &rows : { QList<int> { 0, 1 }, QList<int> {}, QList<int> { 4 } })
        EXPECT_FALSE(handler.writeRows(rows).has_value()) << rows.size();
    EXPECT_EQ(handler.returnDraggedRow(), 3);
}

TEST_F(SoundTableTest, DropsNotFromThisTableOrOfAGoneRowAreRefused)
{
    handler.writeRows({ 3 });
    EXPECT_FALSE(handler.acceptDrop(0, false));

    // The dragged sound goes before its drop arrives.
    handler.removeSong({ 3 });
    table.clear();
    EXPECT_FALSE(handler.acceptDrop(0, true));

    EXPECT_EQ(rows(), rowsOf("W X Y"));
    EXPECT_TRUE(fakes.log.outLines.isEmpty());
    EXPECT_TRUE(table.changed.isEmpty());

    SoundHandler empty(fakes.services());
    EXPECT_FALSE(empty.acceptDrop(0, true));
}
