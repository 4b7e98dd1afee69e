#include "fitinterval.h"

#include "document/show.h"
#include "mydocument.h"
#include "platform/alerts.h"
#include "slides/imagehandler.h"
#include "soundtrack/soundhandler.h"

#include <algorithm>
#include <limits>

// Fitting the show to its music. The interval is the document's own, as one the preferences
// panel saves is: the stored preference is what new shows start with, and fitting one show's
// music is no reason to change every show to come. The show file does not keep the interval,
// so fitting leaves the document as saved as it was.

namespace lanternreel {

int32_t fittedInterval(int32_t slides, int32_t soundtrackSeconds)
{
    // Nearest rather than truncated, so the pass ends as close to the music's end as whole
    // seconds allow; a tie goes to the longer interval, which leaves the last slide up while the
    // music ends instead of the music playing on after the show has stopped.
    const int64_t n = std::max<int32_t>(1, slides);
    const int64_t nearest = (2 * int64_t { soundtrackSeconds } + n) / (2 * n);
    return static_cast<int32_t>(
        std::clamp<int64_t>(nearest, 1, std::numeric_limits<int32_t>::max()));
}

void MyDocument::fitIntervalToSoundtrack()
{
    if (refuseWhileBusy())
        return;
    const int32_t slides = m_show->slides().numImages();
    const int32_t music = soundHandle->returnTotalLength();
    QString why;
    if (slides == 0)
        why = tr("The slideshow has no slides to fit to the soundtrack. Import images first.");
    else if (soundHandle->numSounds() == 0)
        why = tr("The slideshow has no soundtrack to fit the slides to. Add sounds first.");
    else if (music <= 0)
        why = tr("The soundtrack lasts less than a second.");
    if (!why.isEmpty()) {
        m_services.alerts->beep();
        m_services.alerts->alert(tr("Cannot Fit the Interval"), why);
        return;
    }
    setShowInterval(fittedInterval(slides, music));
    slideshowInfo();
}

void MyDocument::setShowInterval(int32_t seconds)
{
    if (seconds > 0)
        m_show->setInterval(seconds);
}

} // namespace lanternreel
