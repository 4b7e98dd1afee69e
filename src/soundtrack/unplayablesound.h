// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/sounds.h"

#include <QFileInfo>

namespace lanternreel {

// A sound of a show file whose file cannot be played any more (it was moved or deleted). It
// keeps its place and its path, so that saving the show again writes the soundtrack as it was
// and the sound plays again once its file is back; until then the soundtrack skips it.
class UnplayableSound : public Sound
{
public:
    explicit UnplayableSound(QString path)
        : m_path(std::move(path))
    { }
    void play() override { }
    void stop() override { }
    bool isPlaying() const override { return false; }
    bool canPlay() const override { return false; }
    QString name() const override { return QFileInfo(m_path).fileName(); }
    QString path() const override { return m_path; }
    void setOnFinished(std::function<void(bool)>) override { }

private:
    QString m_path;
};

} // namespace lanternreel
