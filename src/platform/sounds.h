// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace lanternreel {

// One sound made from a file by reference: the file is read when it plays, never copied.
class Sound
{
public:
    virtual ~Sound() = default;
    // Starts playback and returns at once; the sound plays on in the platform.
    virtual void play() = 0;
    // Stops playback; the end-of-play callback then reports `false`.
    virtual void stop() = 0;
    virtual bool isPlaying() const = 0;
    // False for a sound that cannot play at all (its file is gone): the soundtrack passes it by.
    virtual bool canPlay() const { return true; }
    // The file's name, without folders.
    virtual QString name() const = 0;
    // The full path of the file the sound plays.
    virtual QString path() const = 0;
    // Called on the main thread each time playback ends: `true` when the sound played to its
    // end, `false` when it was stopped. Never called once the sound is destroyed.
    virtual void setOnFinished(std::function<void(bool finishedToEnd)> callback) = 0;
};

class SoundFactory
{
public:
    virtual ~SoundFactory() = default;
    // A sound for the file at `path`, by reference; nullptr when none can be made.
    virtual std::unique_ptr<Sound> makeSound(const QString &path) = 0;
    // The file name extensions (without dots) of the files sounds can be made from.
    virtual QStringList soundFileTypes() const = 0;
};

} // namespace lanternreel
