// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/services.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace lanternreel {

class Sound;
class SoundtrackModel;

// The soundtrack of one show: three parallel lists (sounds, their length strings, their display
// names), the play position and the total length in whole seconds. Started, its sounds play one
// after another from the first to the last, then it falls silent. Its model shows the lists as a
// table, in every soundtrack panel of the show at once.
class SoundHandler
{
    Q_DECLARE_TR_FUNCTIONS(SoundHandler)

public:
    explicit SoundHandler(const Services &services);
    SoundHandler(const SoundHandler &) = delete;
    SoundHandler &operator=(const SoundHandler &) = delete;
    ~SoundHandler();

    // Lets the user choose sound files and appends them, stopping at the first invalid one.
    void addSong();
    // Removes the sound at the lowest of `selectedRows` (the rows selected in a soundtrack
    // table); nothing when none is given.
    void removeSong(const QList<int> &selectedRows);
    // Starts the soundtrack at its first sound, stopping the sound that plays first.
    void playSound();
    // Stops the sound at the play position if it plays.
    void stopSound();
    // The end of play of the sound at the play position: `finishedPlaying` is true when it played
    // to its end, false when it was stopped.
    void soundDidFinishPlaying(bool finishedPlaying);

    // The file's length as a time string, having added its whole seconds to the total; nothing
    // when the length cannot be found.
    std::optional<QString> getSoundLength(const QString &path);
    // `seconds` as minutes, ":", two-digit seconds ("3:07"); from one hour on "1:02:05".
    static QString getTimeString(int32_t seconds);
    // The whole seconds a time string stands for; 0 for text that is not one.
    static int32_t secondsOfTimeString(const QString &timeString);
    // The text after the last "/" of `path`.
    static QString createCleanName(const QString &path);

    // Takes the soundtrack of a show file and has every sound report its end here, as an added
    // sound does. False, with nothing changed, when the three lists differ in length, the
    // position is outside the list (it must be 0 for an empty one) or the total is negative.
    bool restoreSoundtrack(std::vector<std::unique_ptr<Sound>> sounds, std::vector<QString> lengths,
                           std::vector<QString> displayNames, int32_t index, int32_t total);
    // The sounds that cannot play (see Sound::canPlay), in play order.
    std::vector<const Sound *> unplayableSounds() const;
    // Puts `sound`, made from a file found again, in the place of the one at `row`, its length
    // `seconds` anew, and corrects the total. False, with nothing changed, for a row outside the
    // list or a sound that is playing.
    bool relinkSound(int32_t row, std::unique_ptr<Sound> sound, int32_t seconds);

    // The soundtrack as a table, told of every change to the three lists.
    SoundtrackModel *model() const { return m_model.get(); }

    // The table's questions, answered from the three lists. Rows count from 0.
    int32_t numberOfRowsInTableView() const { return numSounds(); }
    // The name ("songs") or length string ("duration") of the sound at `row`; null for any other
    // column and for a row outside the list.
    QVariant objectValueForTableColumn(const QString &columnIdentifier, int32_t row) const;
    // The start of a drag of `rows`: the dragged sound's name, to go with the drag, having
    // recorded the row in draggedRow; nothing when the drag may not start (several rows, or none
    // of the list's).
    std::optional<QString> writeRows(const QList<int> &rows);
    // A drop on `row` (a row past the last counts as the last). `fromThisTable` says whether the
    // drag started in a table of this soundtrack; any other drop is refused. Swaps the sounds at
    // draggedRow and `row` in all three lists. The total stays; the play position moves with its
    // sound while the soundtrack plays, and stays otherwise.
    bool acceptDrop(int32_t row, bool fromThisTable);
    int32_t returnDraggedRow() const { return draggedRow; }

    int32_t returnTotalLength() const { return totalLength; }
    const std::vector<QString> &returnSoundLengths() const { return soundLengths; }
    const std::vector<QString> &returnSoundNames() const { return soundNames; }
    const std::vector<std::unique_ptr<Sound>> &returnSounds() const { return soundsToPlay; }
    int32_t numSounds() const { return static_cast<int32_t>(soundsToPlay.size()); }
    int32_t returnSoundIndex() const { return soundIndex; }
    bool isPlaying() const { return soundIsPlaying; }
    // How long the sound at the play position has been playing, in milliseconds; 0 while the
    // soundtrack is silent. Sounds report no position of their own.
    int64_t playingFor() const { return soundIsPlaying ? m_soundStarted.elapsed() : 0; }

    // Changes taken back and made again (soundarrangement.cpp).
    // A sound out of the soundtrack, with what the lists held for it.
    struct TakenSound
    {
        std::unique_ptr<Sound> sound;
        QString length;
        QString name;
    };
    // What a show file keeps of the soundtrack besides its lists.
    struct Position
    {
        int32_t index = 0;
        int32_t total = 0; // seconds
    };
    Position position() const { return { soundIndex, totalLength }; }
    // Puts back the total, and the play position while nothing plays: a playing soundtrack's
    // position keeps naming the sound that plays.
    void restorePosition(Position position);
    // Takes the `count` sounds from row `first` out, each as removeSong() removes one. They
    // report nothing to anyone until put back.
    std::vector<TakenSound> takeSounds(int32_t first, int32_t count);
    // Puts sounds back in, in order, the first at `row`, adding their seconds to the total.
    void insertSounds(int32_t row, std::vector<TakenSound> sounds);
    // Swaps the sounds at two rows in all three lists, as a drop from one onto the other does.
    void swapSounds(int32_t first, int32_t second);

private:
    TakenSound takeSound(int32_t row);
    // Has the end of `sound`'s playback reported here.
    void listenTo(Sound &sound);
    // Moves the sound at `from` to stand before the one at `before`, in all three lists.
    void moveSound(int32_t from, int32_t before);
    // Plays the first sound from `index` on that can play; the soundtrack falls silent when none
    // is left. The position stays inside the list either way.
    void playFrom(int32_t index);

    Services m_services;

    int32_t soundIndex = 0;
    int32_t draggedRow = 0;
    int32_t totalLength = 0; // seconds
    bool soundIsPlaying = false;
    QElapsedTimer m_soundStarted; // when the sound at the play position started
    std::vector<std::unique_ptr<Sound>> soundsToPlay;
    std::vector<QString> soundLengths;
    std::vector<QString> soundNames;
    // Last, so that it goes first: the tables showing it let go of it before the lists go.
    std::unique_ptr<SoundtrackModel> m_model;
};

} // namespace lanternreel
