// SPDX-License-Identifier: GPL-3.0-or-later
#include "infopanel.h"

#include "soundtrack/soundhandler.h"
#include "ui_slideshowInfoPanel.h"

#include <QCoreApplication>
#include <algorithm>
#include <limits>

namespace lanternreel {

namespace {

// One pass through `slides` slides at `seconds` each: whole minutes, the rest dropped, or the
// seconds under a minute. Counted in 64 bits: very many slides at very long intervals pass 32.
QString projectedDurationText(int32_t slides, int32_t seconds)
{
    const int64_t total = int64_t { slides } * seconds;
    const int64_t minutes = total / 60;
    if (minutes > 0)
        return QCoreApplication::translate("lanternreel::InfoPanel", "%1 minutes").arg(minutes);
    return QCoreApplication::translate("lanternreel::InfoPanel", "%1 seconds").arg(total);
}

QString passAndSoundtrackText(int32_t slides, int32_t seconds, int32_t soundtrackSeconds)
{
    const int64_t pass
        = std::min<int64_t>(int64_t { slides } * seconds, std::numeric_limits<int32_t>::max());
    return InfoPanel::tr("%1 of slides, %2 of soundtrack")
        .arg(SoundHandler::getTimeString(static_cast<int32_t>(pass)),
             SoundHandler::getTimeString(soundtrackSeconds));
}

} // namespace

InfoPanel::InfoPanel(int32_t slides, int32_t seconds, int32_t soundtrackSeconds, QWidget *parent)
    : Panel(parent)
    , m_layout(std::make_unique<Ui::slideshowInfoPanel>())
{
    m_layout->setupUi(this);
    m_layout->numberOfSlides->setText(tr("%1 images").arg(slides));
    m_layout->durationOfSlides->setText(tr("%1 seconds").arg(seconds));
    m_layout->projectedDuration->setText(projectedDurationText(slides, seconds));
    m_layout->projectedSoundtrackDuration->setText(SoundHandler::getTimeString(soundtrackSeconds));
    m_layout->passAndSoundtrack->setText(passAndSoundtrackText(slides, seconds, soundtrackSeconds));
}

InfoPanel::~InfoPanel() = default;

const QLabel *InfoPanel::numberOfSlides() const
{
    return m_layout->numberOfSlides;
}

const QLabel *InfoPanel::durationOfSlides() const
{
    return m_layout->durationOfSlides;
}

const QLabel *InfoPanel::projectedDuration() const
{
    return m_layout->projectedDuration;
}

const QLabel *InfoPanel::projectedSoundtrackDuration() const
{
    return m_layout->projectedSoundtrackDuration;
}

const QLabel *InfoPanel::passAndSoundtrack() const
{
    return m_layout->passAndSoundtrack;
}

} // namespace lanternreel
