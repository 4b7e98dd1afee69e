#include "display/slidestrip.h"
#include "display/slidestripmodel.h"
#include "display/thumbnailcache.h"
#include "document/show.h"
#include "document/showcommands.h"
#include "document/showstatus.h"
#include "mydocument.h"
#include "platform/alerts.h"
#include "slides/imagehandler.h"

#include <QStatusBar>

// Arranging a show in its window: the strip of its slides, the status bar, and the changes to
// the slides and the soundtrack taken back and made again.

namespace lanternreel {

namespace {

std::vector<int32_t> rowsOf(const QList<int> &rows)
{
    return { rows.begin(), rows.end() };
}

} // namespace

void MyDocument::setUpArrangement(SlideStrip *strip, QStatusBar *bar)
{
    m_strip = strip;
    auto *model = new SlideStripModel(strip);
    m_stripModel = model;
    model->setSlides(m_show->slides().slides());
    model->setCurrent(m_show->currentSlide());
    strip->setStripModel(model);
    // An import moves no position, yet the strip may have had no current slide to mark before.
    connect(m_show.get(), &Show::slideListChanged, model, [this, model] {
        model->setSlides(m_show->slides().slides());
        model->setCurrent(m_show->currentSlide());
    });
    connect(m_show.get(), &Show::currentSlideChanged, model, &SlideStripModel::setCurrent);
    // Slides that moved or went leave other neighbours to decode ahead.
    connect(m_show.get(), &Show::slideListChanged, this, &MyDocument::prefetchNeighbours);
    connect(strip, &SlideStrip::slideChosen, this, &MyDocument::goToSlide);
    connect(strip, &SlideStrip::moveRequested, this, &MyDocument::moveSlides);
    connect(strip, &SlideStrip::removeRequested, this, &MyDocument::removeSlides);
    strip->setVisible(SlideStrip::isWanted());

    m_status = new ShowStatus(*m_show, bar);
}

SlideStrip *MyDocument::slideStrip() const
{
    return m_strip;
}

ShowStatus *MyDocument::showStatus() const
{
    return m_status;
}

void MyDocument::setSlideStripVisible(bool visible)
{
    if (m_strip)
        m_strip->setVisible(visible);
}

void MyDocument::goToSlide(int row)
{
    m_show->goTo(row);
}

// The slides change under the full-screen window only by its own keys; and never while the show
// is imported into or saved.
bool MyDocument::refuseChange()
{
    if (isFullScreen()) {
        m_services.alerts->beep();
        return true;
    }
    return refuseWhileBusy();
}

void MyDocument::moveSlides(const QList<int> &rows, int before)
{
    if (refuseChange())
        return;
    const SlideOrder was = m_show->slides().order();
    const SlidePtr shown = m_show->shownSlide();
    if (m_show->moveSlides(rowsOf(rows), before))
        recordSlides(rows.size() == 1 ? tr("Move Image") : tr("Move Images"), was, shown);
}

void MyDocument::removeSlides(const QList<int> &rows)
{
    if (refuseChange())
        return;
    const SlideOrder was = m_show->slides().order();
    const SlidePtr shown = m_show->shownSlide();
    m_show->removeSlides(rowsOf(rows));
    recordSlides(rows.size() == 1 ? tr("Remove Image") : tr("Remove Images"), was, shown);
}

void MyDocument::recordSlides(const QString &text, const SlideOrder &before,
                              const SlidePtr &shownBefore)
{
    // Only what a show file keeps makes a step: the slides and their order.
    if (m_show->slides().slides() == before.display)
        return;
    undoStack()->push(new SlidesCommand(*m_show, text, before, shownBefore));
}

void MyDocument::undo()
{
    if (!undoStack()->canUndo()) {
        m_services.alerts->beep();
        return;
    }
    if (!refuseChange())
        undoStack()->undo();
}

void MyDocument::redo()
{
    if (!undoStack()->canRedo()) {
        m_services.alerts->beep();
        return;
    }
    if (!refuseChange())
        undoStack()->redo();
}

} // namespace lanternreel
