// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakesounds.h"

#include <QFileInfo>
#include <algorithm>

namespace lanternreel::testing {

FakeSound::FakeSound(std::shared_ptr<FakeSoundState> state, QStringList *events)
    : m_state(std::move(state))
    , m_events(events)
{ }

FakeSound::~FakeSound()
{
    m_state->alive = false;
    m_state->playing = false;
    m_state->onFinished = nullptr;
}

void FakeSound::play()
{
    if (m_state->playing)
        return;
    m_state->playing = true;
    ++m_state->plays;
    m_events->append(QStringLiteral("play ") + name());
}

void FakeSound::stop()
{
    if (!m_state->playing)
        return;
    m_state->playing = false;
    ++m_state->stops;
    m_events->append(QStringLiteral("stop ") + name());
    if (auto callback = m_state->onFinished)
        callback(false);
}

QString FakeSound::name() const
{
    return QFileInfo(m_state->path).fileName();
}

std::unique_ptr<Sound> FakeSoundFactory::makeSound(const QString &path)
{
    if (unmakeable.contains(path))
        return nullptr;
    auto state = std::make_shared<FakeSoundState>();
    state->path = path;
    m_made.push_back(state);
    return std::make_unique<FakeSound>(state, &events);
}

void FakeSoundFactory::finish(size_t i)
{
    FakeSoundState &state = made(i);
    if (!state.alive || !state.playing)
        return;
    state.playing = false;
    events.append(QStringLiteral("end ") + QFileInfo(state.path).fileName());
    if (auto callback = state.onFinished)
        callback(true);
}

int FakeSoundFactory::playingCount() const
{
    return static_cast<int>(std::count_if(m_made.begin(), m_made.end(),
                                          [](const auto &s) { return s->alive && s->playing; }));
}

} // namespace lanternreel::testing
