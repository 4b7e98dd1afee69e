#include "showstatus.h"

#include "document/show.h"
#include "slides/imagehandler.h"

#include <QLabel>
#include <QStatusBar>

namespace lanternreel {

ShowStatus::ShowStatus(Show &show, QStatusBar *bar)
    : QObject(bar)
    , m_show(show)
{
    auto add = [bar](const char *name, int stretch) {
        auto *label = new QLabel(bar);
        label->setObjectName(QLatin1String(name));
        bar->addWidget(label, stretch);
        return label;
    };
    m_position = add("slidePosition", 0);
    m_interval = add("slideInterval", 0);
    m_state = add("showState", 1);
    connect(&show, &Show::currentSlideChanged, this, &ShowStatus::refresh);
    connect(&show, &Show::slideListChanged, this, &ShowStatus::refresh);
    connect(&show, &Show::runningChanged, this, &ShowStatus::refresh);
    connect(&show, &Show::loopChanged, this, &ShowStatus::refresh);
    connect(&show, &Show::randomChanged, this, &ShowStatus::refresh);
    connect(&show, &Show::intervalChanged, this, &ShowStatus::refresh);
    refresh();
}

// The place in the order the show goes in: with random on, how far through the random order.
QString ShowStatus::positionText() const
{
    const ImageHandler &slides = m_show.slides();
    const int32_t count = slides.numImages();
    if (count == 0)
        return tr("No slides");
    const int32_t index = slides.returnIndex();
    if (index < 0 || index >= count)
        return count == 1 ? tr("1 slide") : tr("%1 slides").arg(count);
    return tr("Slide %1 of %2").arg(index + 1).arg(count);
}

QString ShowStatus::intervalText() const
{
    const int32_t seconds = m_show.interval();
    return seconds == 1 ? tr("1 second per slide") : tr("%1 seconds per slide").arg(seconds);
}

QString ShowStatus::stateText() const
{
    return QStringList { m_show.isRunning() ? tr("Playing") : tr("Stopped"),
                         m_show.isLoop() ? tr("Loop on") : tr("Loop off"),
                         m_show.isRandom() ? tr("Random on") : tr("Random off") }
        .join(QStringLiteral(" · "));
}

void ShowStatus::refresh()
{
    if (m_position)
        m_position->setText(positionText());
    if (m_interval)
        m_interval->setText(intervalText());
    if (m_state)
        m_state->setText(stateText());
}

} // namespace lanternreel
