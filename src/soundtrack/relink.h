#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace lanternreel {

class MediaLength;
class WorkControl;

// A sound file found again: the path the show knew, and a file of the same name that plays for
// `seconds` whole seconds.
struct FoundSound
{
    QString missingPath;
    QString foundPath;
    int32_t seconds = 0;
};

// Looks in `folder` for a file named as each of `missingPaths` is, one that `lengths` reads as
// a sound, and answers those found. The folder itself is searched first, then the folders
// beneath it a level at a time, so the nearest file of a name wins. Bounded: at most
// MaxSearchDepth levels and MaxSearchFolders folders; a folder reached twice (through a link)
// is searched once. Stops once all are found or `control` is cancelled, answering what it found
// so far; tells `control` how many folders it has searched (of 0: it cannot know how many
// there are). Safe off the GUI thread, given a `lengths` that is.
std::vector<FoundSound> findSounds(const QString &folder, const QStringList &missingPaths,
                                   MediaLength &lengths, const WorkControl &control);

inline constexpr int MaxSearchDepth = 32;
inline constexpr int MaxSearchFolders = 20000;

} // namespace lanternreel
