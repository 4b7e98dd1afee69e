// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/fullscreen.h"
#include "document/show.h"
#include "mydocument.h"
#include "platform/alerts.h"
#include "slides/imagehandler.h"
#include "soundtrack/soundhandler.h"

// Running the show in its window and in full screen: the show steps, and the views follow it.

namespace lanternreel {

// Starting a show and entering full screen both need a slide to show.
bool MyDocument::refuseEmptyShow()
{
    if (m_show->slides().numImages() > 0)
        return false;
    m_services.alerts->beep();
    m_services.alerts->alert(tr("Slideshow Is Empty"),
                             tr("For a slideshow to be run, you must first import images."));
    return true;
}

void MyDocument::startSlideshow()
{
    startShow();
}

void MyDocument::startShow()
{
    if (m_show->isRunning())
        return;
    if (refuseEmptyShow())
        return;
    m_show->start();
    soundHandle->playSound();
}

void MyDocument::nextImage()
{
    m_show->next();
}

void MyDocument::previousImage()
{
    m_show->previous();
}

void MyDocument::goToFirstSlide()
{
    if (!m_show->goToFirst())
        m_services.alerts->beep();
}

void MyDocument::stopShow()
{
    soundHandle->stopSound();
    stopSlideshow();
}

void MyDocument::stopSlideshow()
{
    m_show->stop();
}

void MyDocument::spaceDown()
{
    if (m_show->isRunning())
        stopShow();
    else
        startSlideshow();
}

void MyDocument::runFullScreen()
{
    // Tested first: with no slides the command does nothing else, not even leave full screen.
    if (refuseEmptyShow())
        return;
    if (isFullScreen()) {
        releaseScreen();
        return;
    }
    // Full screen opens idle; the soundtrack of a running show plays on.
    if (isSlideshowInProgress())
        stopSlideshow();
    m_fullScreen->enter(this, fullscreenColor, window2);
    prefetchNeighbours();
}

void MyDocument::releaseScreen()
{
    m_fullScreen->leave();
}

void MyDocument::escapeDown()
{
    if (!isFullScreen())
        return;
    releaseScreen();
    m_show->reshow();
    prefetchNeighbours();
}

} // namespace lanternreel
