#include "mydocument.h"
#include "platform/alerts.h"
#include "platform/timers.h"
#include "slides/imagehandler.h"
#include "soundtrack/soundhandler.h"

namespace lanternreel {

// Starting a show and entering full screen both need a slide to show.
bool MyDocument::refuseEmptyShow()
{
    if (imageHandle->numImages() > 0)
        return false;
    m_services.alerts->beep();
    m_services.alerts->alert(
        QStringLiteral("Slideshow Is Empty"),
        QStringLiteral("For a slideshow to be run, you must first import images."));
    return true;
}

void MyDocument::startSlideshow()
{
    startShow();
}

void MyDocument::startShow()
{
    if (slideshowInProgress)
        return;
    if (refuseEmptyShow())
        return;
    slideshowInProgress = true;
    timerValid = true;
    scheduleTimer();
    soundHandle->playSound();
}

// timerLength is read afresh here, so an interval changed while a show runs applies from the
// next step on.
void MyDocument::scheduleTimer()
{
    timer = m_services.timers->scheduleRepeating(timerLength, [this] { nextImage(); });
}

void MyDocument::showStep(const SlidePtr &slide)
{
    // Every step restarts the countdown, so the next automatic step comes one full interval
    // after the last step of any kind.
    if (timerValid) {
        timer->invalidate();
        scheduleTimer();
    }
    if (fullScreen && fullImageView)
        fullImageView->setImage(slide);
    showInWindow(slide);
    prefetchNeighbours();
}

void MyDocument::nextImage()
{
    const SlidePtr slide = imageHandle->nextImage();
    if (slide) {
        showStep(slide);
        return;
    }
    // The end of the list: the show stops, the soundtrack plays on to its own end.
    if (slideshowInProgress)
        stopSlideshow();
}

void MyDocument::previousImage()
{
    const SlidePtr slide = imageHandle->previousImage();
    if (slide)
        showStep(slide);
}

// Neither the title nor the countdown changes: a running show goes on from position 0 when its
// current interval ends.
void MyDocument::goToFirstSlide()
{
    if (imageHandle->numImages() == 0) {
        m_services.alerts->beep();
        return;
    }
    if (fullScreen && fullImageView)
        fullImageView->setImage(imageHandle->firstImage());
    if (currentImage)
        currentImage->setImage(imageHandle->firstImage());
    imageHandle->setIndex(0);
    prefetchNeighbours();
}

void MyDocument::stopShow()
{
    soundHandle->stopSound();
    stopSlideshow();
}

void MyDocument::stopSlideshow()
{
    if (timerValid) {
        timer->invalidate();
        timerValid = false;
    }
    slideshowInProgress = false;
}

void MyDocument::spaceDown()
{
    if (slideshowInProgress)
        stopShow();
    else
        startSlideshow();
}

} // namespace lanternreel
