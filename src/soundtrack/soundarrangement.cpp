#include "platform/sounds.h"
#include "soundtrack/soundhandler.h"
#include "soundtrack/soundtrackmodel.h"

#include <algorithm>
#include <limits>

// Changes to the soundtrack as steps that can be taken back: sounds taken out and put back in,
// two sounds swapped, and the position and total put back as they were.

namespace lanternreel {

void SoundHandler::restorePosition(Position position)
{
    totalLength = std::max(0, position.total);
    if (!soundIsPlaying)
        soundIndex = std::clamp(position.index, 0, std::max(0, numSounds() - 1));
}

std::vector<SoundHandler::TakenSound> SoundHandler::takeSounds(int32_t first, int32_t count)
{
    std::vector<TakenSound> taken;
    if (first < 0 || count <= 0 || first > numSounds() - count)
        return taken;
    for (int32_t i = 0; i < count; ++i)
        taken.push_back(takeSound(first));
    return taken;
}

SoundHandler::TakenSound SoundHandler::takeSound(int32_t row)
{
    bool interrupted = false;
    if (soundsToPlay[static_cast<size_t>(row)]->isPlaying()) {
        stopSound();
        interrupted = true;
    }

    // The list keeps each length only as its string, which holds the whole seconds exactly, so
    // the total can give back what this sound added.
    totalLength
        = std::max(0, totalLength - secondsOfTimeString(soundLengths[static_cast<size_t>(row)]));

    m_model->aboutToRemove(row);
    TakenSound sound { std::move(soundsToPlay[static_cast<size_t>(row)]),
                       std::move(soundLengths[static_cast<size_t>(row)]),
                       std::move(soundNames[static_cast<size_t>(row)]) };
    soundsToPlay.erase(soundsToPlay.begin() + row);
    soundLengths.erase(soundLengths.begin() + row);
    soundNames.erase(soundNames.begin() + row);
    m_model->removed();
    // Kept for an undo, it must not report to a handler that may be gone by then.
    sound.sound->setOnFinished(nullptr);

    // The position keeps naming the same sound when one before it goes.
    if (row < soundIndex)
        --soundIndex;

    if (interrupted && !soundsToPlay.empty() && soundIndex != numSounds())
        playFrom(soundIndex);
    // Removing the last sound must not leave the position past the end of the list.
    soundIndex = std::clamp(soundIndex, 0, std::max(0, numSounds() - 1));
    return sound;
}

void SoundHandler::insertSounds(int32_t row, std::vector<TakenSound> sounds)
{
    row = std::clamp(row, 0, numSounds());
    for (TakenSound &taken : sounds) {
        if (!taken.sound)
            continue;
        const bool hadSounds = !soundsToPlay.empty();
        listenTo(*taken.sound);
        const int64_t total = int64_t { totalLength } + secondsOfTimeString(taken.length);
        totalLength
            = static_cast<int32_t>(std::min<int64_t>(total, std::numeric_limits<int32_t>::max()));
        m_model->aboutToAppend(row);
        soundsToPlay.insert(soundsToPlay.begin() + row, std::move(taken.sound));
        soundLengths.insert(soundLengths.begin() + row, std::move(taken.length));
        soundNames.insert(soundNames.begin() + row, std::move(taken.name));
        m_model->appended();
        // The position keeps naming the same sound when one comes in before it.
        if (hadSounds && row <= soundIndex)
            ++soundIndex;
        ++row;
    }
}

void SoundHandler::swapSounds(int32_t first, int32_t second)
{
    if (first < 0 || second < 0 || first >= numSounds() || second >= numSounds())
        return;
    // A swap told as two moves, so that every table's selection stays on its sounds: the lower
    // sound goes to the higher one's place, then the higher one, now just above it, to the
    // lower one's. Neighbours need the first move only.
    const int32_t low = std::min(first, second);
    const int32_t high = std::max(first, second);
    if (low != high) {
        moveSound(low, high + 1);
        if (high - 1 > low)
            moveSound(high - 1, low);
    }
    // A playing position that kept its number would name another sound: stop would then miss
    // the one that plays, and the soundtrack would go on after it.
    if (soundIsPlaying) {
        if (soundIndex == first)
            soundIndex = second;
        else if (soundIndex == second)
            soundIndex = first;
    }
}

} // namespace lanternreel
