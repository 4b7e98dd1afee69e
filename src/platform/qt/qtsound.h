// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/sounds.h"

#include <QObject>
#include <memory>

class QMediaPlayer;

namespace lanternreel {

// A sound played by a QMediaPlayer of its own. The player (and its audio pipeline) exists only
// while the sound plays, so a long soundtrack does not hold an output stream per sound.
class QtSound : public Sound
{
public:
    // `beforePlay` runs each time the sound starts.
    explicit QtSound(const QString &path, std::function<void()> beforePlay = {});
    ~QtSound() override;

    void play() override;
    void stop() override;
    bool isPlaying() const override { return m_playing; }
    QString name() const override;
    QString path() const override { return m_path; }
    void setOnFinished(std::function<void(bool finishedToEnd)> callback) override;

private:
    // QMediaPlayer reports the end from inside its own signals, so it is let go later.
    struct DeleteLater
    {
        void operator()(QObject *object) const;
    };

    void releasePlayer();
    void finish(bool finishedToEnd);

    QString m_path;
    std::function<void()> m_beforePlay;
    bool m_playing = false;
    std::function<void(bool)> m_onFinished;
    std::unique_ptr<QMediaPlayer, DeleteLater> m_player;
    // Context of the queued reports: destroyed with the sound, which drops those not yet run.
    std::unique_ptr<QObject> m_context;
};

// Where no sound can be heard (no audio device, no sound server), says so once, the first time a
// sound starts, in a window that does not stop the show; the sounds still play, silently, in time.
class QtSoundFactory : public SoundFactory
{
public:
    // `hasOutput` answers whether sound can be heard now; by default, whether Qt lists an audio
    // output.
    explicit QtSoundFactory(std::function<bool()> hasOutput = {});
    std::unique_ptr<Sound> makeSound(const QString &path) override;
    QStringList soundFileTypes() const override;

private:
    void checkOutput();

    std::function<bool()> m_hasOutput;
    bool m_told = false;
};

} // namespace lanternreel
