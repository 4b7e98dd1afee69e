// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/services.h"
#include "slides/slide.h"

#include <QObject>
#include <cstdint>
#include <memory>

namespace lanternreel {

class ImageHandler;
class RepeatingTimer;
struct SlideOrder;

// A show as its views see it: the slide collection with its position, the timer that steps it,
// and the loop and random switches. Whatever changes them goes through here, and here tells every
// view that follows it: the document window's view and title, the full-screen view, the menu.
//
// Three slides are told apart, as the commands treat them apart: the one at the position (the
// full-screen view shows it), the one the document window shows (an import shows the list's
// first slide there without moving the position), and the one the window's title names (going
// back to the first slide leaves the title as it was).
class Show : public QObject
{
    Q_OBJECT

public:
    // `seconds` between slides.
    Show(const Services &services, std::shared_ptr<ImageHandler> slides, int32_t seconds,
         QObject *parent = nullptr);
    ~Show() override;

    ImageHandler &slides() const { return *m_slides; }
    const std::shared_ptr<ImageHandler> &sharedSlides() const { return m_slides; }
    // The slide collection of a show read from a file, in place of this one's. A running show
    // stops first. Nothing is shown: the window that shows it comes after.
    void setSlides(std::shared_ptr<ImageHandler> slides);

    // Seconds between slides; a change applies from the next step on.
    int32_t interval() const { return m_interval; }
    void setInterval(int32_t seconds);

    bool isRunning() const { return m_running; }
    bool isLoop() const;
    bool isRandom() const;
    void setLoop(bool on);
    // Turning random on or off keeps the slide being shown as the current one; nothing is shown.
    void setRandom(bool on);

    SlidePtr currentSlide() const;
    SlidePtr shownSlide() const { return m_shown; }

    // Starts the timer: a step every interval, the first one interval from now. The caller has
    // made sure there is a slide. Nothing when already running.
    void start();
    // Stops the timer; the slide stays.
    void stop();
    // One step forward or back: the countdown of a running show starts over. Forward past the
    // end of the list (loop off) stops a running show; back past the start does nothing.
    void next();
    void previous();
    // The first slide, at position 0; the title and the countdown stay as they are. False, with
    // nothing changed, when there is no slide.
    bool goToFirst();
    // The slide at the position goes; the one after it comes up. A running show goes on.
    void removeCurrent();
    // Every slide goes, and a running show stops.
    void removeAll();

    // Arranging the show (arrangement in the show's window). Rows count in the display order.
    // The slide at `row` becomes current as a step makes it current: every view and the title
    // follow, and a running show's countdown starts over. False when there is no such slide.
    bool goTo(int32_t row);
    // Moves the slides at `rows` to stand before the slide at `before`; the current slide stays
    // (see ImageHandler::moveSlides). False when nothing moved.
    bool moveSlides(const std::vector<int32_t> &rows, int32_t before);
    // The slides at `rows` go; the window shows the slide current afterwards and the title names
    // it. A running show goes on.
    void removeSlides(const std::vector<int32_t> &rows);
    // Both orders and the position as they were at an earlier moment, and the window shows
    // `shown`, the slide it showed then (an import shows the list's first slide without moving
    // the position), and the title names it. A show left without slides stops.
    void restoreOrder(const SlideOrder &order, const SlidePtr &shown);

    // The document window has come up: it shows the first slide, at position 0, untitled.
    void rewind();
    // The document window catches up with the position: it shows the current slide and the
    // title names it.
    void reshow();
    // An import into the slide list is over, its slides taken in all at once: the window shows
    // `first` (when there is one) and the title names it.
    // Without one, a slide shown while the import ran (see importStarted) goes again, so that
    // a failed import leaves the window as it would have without it.
    void importDone(const SlidePtr &first);
    // The first slide of an import into an empty show is shown while the rest loads.
    void importStarted(const SlidePtr &first);
    // The window's title is to name the slide the window shows, as after a new document name.
    void retitle();

signals:
    // The position moved onto `slide` (nullptr: none): a step, back to the first slide, a
    // removal.
    void currentSlideChanged(const lanternreel::SlidePtr &slide);
    // The document window is to show `slide`; nullptr shows nothing.
    void shownSlideChanged(const lanternreel::SlidePtr &slide);
    // The window's title is to name `slide`; nullptr leaves the document's name alone.
    void titleSlideChanged(const lanternreel::SlidePtr &slide);
    void runningChanged(bool running);
    // The slide list changed: slides came, went or moved, and the position with them.
    void slideListChanged();
    void intervalChanged(int32_t seconds);
    void loopChanged(bool on);
    void randomChanged(bool on);

private:
    void scheduleTimer();
    // Shows `slide` as the result of a step: countdown restarted, every view and the title.
    void stepTo(const SlidePtr &slide);
    // Shows `slide` in the window and names it in the title, the position having moved there.
    void moveTo(const SlidePtr &slide);
    void showInWindow(const SlidePtr &slide);

    Services m_services;
    std::shared_ptr<ImageHandler> m_slides;
    int32_t m_interval;
    std::unique_ptr<RepeatingTimer> m_timer;
    bool m_running = false;
    SlidePtr m_shown;
    bool m_shownEarly = false; // by importStarted, for the import still running
};

} // namespace lanternreel
