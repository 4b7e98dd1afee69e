// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/medialength.h"
#include "platform/sounds.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace lanternreel::testing {

// What a test sees of one fake sound; it outlives the sound, so a test can look at a sound the
// handler has already let go.
struct FakeSoundState
{
    QString path;
    bool alive = true;
    bool playing = false;
    int plays = 0;
    int stops = 0;
    std::function<void(bool)> onFinished;
};

// Plays until the test ends it.
class FakeSound : public Sound
{
public:
    FakeSound(std::shared_ptr<FakeSoundState> state, QStringList *events);
    ~FakeSound() override;

    void play() override;
    void stop() override;
    bool isPlaying() const override { return m_state->playing; }
    QString name() const override;
    QString path() const override { return m_state->path; }
    void setOnFinished(std::function<void(bool finishedToEnd)> callback) override
    {
        m_state->onFinished = std::move(callback);
    }

private:
    std::shared_ptr<FakeSoundState> m_state;
    QStringList *m_events;
};

class FakeSoundFactory : public SoundFactory
{
public:
    std::unique_ptr<Sound> makeSound(const QString &path) override;
    QStringList soundFileTypes() const override { return types; }

    // The i-th sound made (in the order makeSound was asked).
    FakeSoundState &made(size_t i) { return *m_made.at(i); }
    size_t madeCount() const { return m_made.size(); }
    // Ends the i-th sound made as if it had played to its end.
    void finish(size_t i);
    // Sounds made and not destroyed that are playing.
    int playingCount() const;

    QStringList types { QStringLiteral("wav"), QStringLiteral("aiff"), QStringLiteral("mp3") };
    QSet<QString> unmakeable; // paths no sound can be made from
    // "play NAME", "stop NAME", "end NAME", in the order they happened.
    QStringList events;

private:
    std::vector<std::shared_ptr<FakeSoundState>> m_made;
};

// Answers lengths from a table; a path not in it reads as unreadable (duration 0).
class FakeMediaLength : public MediaLength
{
public:
    MediaDuration lengthOf(const QString &path) override { return table.value(path); }
    // Enters `path` with a length of `seconds` seconds, counted in microseconds.
    void set(const QString &path, double seconds)
    {
        table.insert(path, { static_cast<int64_t>(seconds * 1'000'000), 1'000'000 });
    }

    QHash<QString, MediaDuration> table;
};

} // namespace lanternreel::testing
