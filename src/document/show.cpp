// SPDX-License-Identifier: GPL-3.0-or-later
#include "show.h"

#include "platform/timers.h"
#include "slides/imagehandler.h"

#include <algorithm>

namespace lanternreel {

Show::Show(const Services &services, std::shared_ptr<ImageHandler> slides, int32_t seconds,
           QObject *parent)
    : QObject(parent)
    , m_services(services)
    , m_slides(std::move(slides))
    , m_interval(seconds)
{ }

Show::~Show() = default;

void Show::setSlides(std::shared_ptr<ImageHandler> slides)
{
    stop();
    const bool loop = isLoop();
    const bool random = isRandom();
    m_slides = std::move(slides);
    emit slideListChanged();
    if (isLoop() != loop)
        emit loopChanged(isLoop());
    if (isRandom() != random)
        emit randomChanged(isRandom());
}

void Show::setInterval(int32_t seconds)
{
    if (seconds == m_interval)
        return;
    m_interval = seconds;
    emit intervalChanged(seconds);
}

bool Show::isLoop() const
{
    return m_slides->isLoop();
}

bool Show::isRandom() const
{
    return m_slides->isRandom();
}

void Show::setLoop(bool on)
{
    const bool was = isLoop();
    m_slides->setLoop(on);
    if (on != was)
        emit loopChanged(on);
}

void Show::setRandom(bool on)
{
    const bool was = isRandom();
    // Asked even when it changes nothing: turning random off finds the slide shown again in the
    // display order, and says so.
    m_slides->setRandom(on);
    if (on != was)
        emit randomChanged(on);
}

SlidePtr Show::currentSlide() const
{
    return m_slides->curImage();
}

void Show::start()
{
    if (m_running)
        return;
    m_running = true;
    scheduleTimer();
    emit runningChanged(true);
}

// The interval is read afresh here, so that one changed while a show runs applies from the next
// step on.
void Show::scheduleTimer()
{
    m_timer = m_services.timers->scheduleRepeating(m_interval, [this] { next(); });
}

void Show::stop()
{
    // Only invalidated: this may run inside the timer's own tick.
    if (m_timer)
        m_timer->invalidate();
    if (!m_running)
        return;
    m_running = false;
    emit runningChanged(false);
}

void Show::next()
{
    const SlidePtr slide = m_slides->nextImage();
    if (slide) {
        stepTo(slide);
        return;
    }
    // The end of the list: the show stops where it is.
    stop();
}

void Show::previous()
{
    if (const SlidePtr slide = m_slides->previousImage())
        stepTo(slide);
}

void Show::stepTo(const SlidePtr &slide)
{
    // Every step restarts the countdown, so the next automatic step comes one full interval
    // after the last step of any kind.
    if (m_running) {
        m_timer->invalidate();
        scheduleTimer();
    }
    moveTo(slide);
}

void Show::moveTo(const SlidePtr &slide)
{
    emit currentSlideChanged(slide);
    showInWindow(slide);
    emit titleSlideChanged(slide);
}

void Show::showInWindow(const SlidePtr &slide)
{
    m_shown = slide;
    emit shownSlideChanged(slide);
}

bool Show::goToFirst()
{
    if (m_slides->numImages() == 0)
        return false;
    m_slides->setIndex(0);
    const SlidePtr first = m_slides->firstImage();
    emit currentSlideChanged(first);
    showInWindow(first);
    return true;
}

void Show::removeCurrent()
{
    const SlidePtr current = m_slides->removeCurrentImage();
    emit slideListChanged();
    moveTo(current);
}

void Show::removeAll()
{
    stop();
    m_slides->removeAllImages();
    emit slideListChanged();
    moveTo(nullptr);
}

bool Show::goTo(int32_t row)
{
    const std::vector<SlidePtr> &display = m_slides->slides();
    if (row < 0 || static_cast<size_t>(row) >= display.size())
        return false;
    int32_t index = row;
    if (isRandom()) {
        const std::vector<SlidePtr> &random = m_slides->randomSlides();
        const auto found
            = std::find(random.begin(), random.end(), display[static_cast<size_t>(row)]);
        if (found == random.end())
            return false;
        index = static_cast<int32_t>(found - random.begin());
    }
    m_slides->setIndex(index);
    stepTo(m_slides->curImage());
    return true;
}

bool Show::moveSlides(const std::vector<int32_t> &rows, int32_t before)
{
    if (!m_slides->moveSlides(rows, before))
        return false;
    emit slideListChanged();
    // The same slide, at its new place.
    emit currentSlideChanged(currentSlide());
    return true;
}

void Show::removeSlides(const std::vector<int32_t> &rows)
{
    const SlidePtr current = m_slides->removeSlides(rows);
    emit slideListChanged();
    moveTo(current);
}

void Show::restoreOrder(const SlideOrder &order, const SlidePtr &shown)
{
    m_slides->restoreOrder(order);
    if (m_slides->numImages() == 0)
        stop();
    emit slideListChanged();
    emit currentSlideChanged(currentSlide());
    const std::vector<SlidePtr> &display = m_slides->slides();
    const bool there = shown && std::find(display.begin(), display.end(), shown) != display.end();
    const SlidePtr inWindow = there ? shown : currentSlide();
    showInWindow(inWindow);
    emit titleSlideChanged(inWindow);
}

void Show::rewind()
{
    const SlidePtr first = m_slides->numImages() > 0 ? m_slides->firstImage() : nullptr;
    m_slides->setIndex(0);
    emit currentSlideChanged(currentSlide());
    if (first)
        showInWindow(first);
}

void Show::reshow()
{
    const SlidePtr current = currentSlide();
    showInWindow(current);
    emit titleSlideChanged(current);
}

void Show::importDone(const SlidePtr &first)
{
    emit slideListChanged();
    if (first || m_shownEarly) {
        showInWindow(first);
        emit titleSlideChanged(first);
    }
    m_shownEarly = false;
}

void Show::importStarted(const SlidePtr &first)
{
    m_shownEarly = true;
    emit slideListChanged();
    showInWindow(first);
    emit titleSlideChanged(first);
}

void Show::retitle()
{
    emit titleSlideChanged(m_shown);
}

} // namespace lanternreel
