#pragma once

#include "platform/services.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace lanternreel {

// The soundtrack of one show: three parallel lists (sounds, their length strings, their display
// names), the play position and the total length in whole seconds.
class SoundHandler
{
public:
    explicit SoundHandler(const Services &services);
    SoundHandler(const SoundHandler &) = delete;
    SoundHandler &operator=(const SoundHandler &) = delete;
    ~SoundHandler();

    int32_t returnTotalLength() const { return totalLength; }
    const std::vector<QString> &returnSoundLengths() const { return soundLengths; }
    const std::vector<QString> &returnSoundNames() const { return soundNames; }
    int32_t returnSoundIndex() const { return soundIndex; }
    bool isPlaying() const { return soundIsPlaying; }

private:
    Services m_services;

    int32_t soundIndex = 0;
    int32_t draggedRow = 0;
    int32_t totalLength = 0;
    bool soundIsPlaying = false;
    std::vector<QString> soundLengths;
    std::vector<QString> soundNames;
};

} // namespace lanternreel
