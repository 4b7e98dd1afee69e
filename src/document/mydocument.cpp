// SPDX-License-Identifier: GPL-3.0-or-later
#include "mydocument.h"

#include "display/emptyshowhint.h"
#include "display/fakeimageview.h"
#include "display/slideprefetcher.h"
#include "document/fullscreen.h"
#include "document/importjob.h"
#include "document/model.h"
#include "document/preferencekeys.h"
#include "document/show.h"
#include "document/showcommands.h"
#include "document/sliderwindow.h"
#include "platform/alerts.h"
#include "platform/preferencestore.h"
#include "platform/sounds.h"
#include "slides/imagehandler.h"
#include "soundtrack/soundhandler.h"
#include "soundtrack/soundtrackmodel.h"
#include "ui_MyDocument.h"

namespace lanternreel {

MyDocument::MyDocument(const Services &services)
    : m_services(services)
    , soundHandle(std::make_shared<SoundHandler>(services))
    , model(std::make_unique<Model>(services))
    , defaults(services.preferences)
    , prefetcher(std::make_unique<SlidePrefetcher>())
{
    registerPreferenceDefaults(*defaults);
    fullscreenColor = readFullscreenColor(*defaults);
    m_show = std::make_unique<Show>(services, std::make_shared<ImageHandler>(services),
                                    readTimerLength(*defaults));
    m_fullScreen = std::make_unique<FullScreen>(services, *m_show);
    connect(m_show.get(), &Show::currentSlideChanged, this, &MyDocument::prefetchNeighbours);
    watchSoundtrack();
    // Imports asked for during a save have waited for it.
    connect(this, &Document::savingChanged, this, [this](bool saving) {
        if (!saving)
            startNextImport();
    });
}

MyDocument::~MyDocument()
{
    // The steps to undo refer to the show and the soundtrack, which go first.
    undoStack()->clear();
    // The import's work stops; whoever waits for an import hears that it showed nothing.
    delete m_importJob.data();
    std::vector<std::function<void(bool)>> waiting { std::move(m_importDone) };
    for (PendingImport &pending : m_imports)
        waiting.push_back(std::move(pending.done));
    m_imports.clear();
    for (const auto &done : waiting) {
        if (done)
            done(false);
    }
    // Both stop the show, which must still be here to be stopped.
    if (isFullScreen())
        releaseScreen();
    if (isSlideshowInProgress())
        stopShow();
}

QString MyDocument::windowNibName() const
{
    return QStringLiteral("MyDocument");
}

// The window's view shows what the show puts up there, and the title names what the show says.
void MyDocument::loadWindow(DocumentWindow *window)
{
    Ui::MyDocument layout;
    layout.setupUi(window);
    window2 = window;
    currentImage = layout.currentImage;
    connect(m_show.get(), &Show::shownSlideChanged, currentImage.data(), &FakeImageView::setImage);
    new EmptyShowHint(*m_show, currentImage.data());
    connect(m_show.get(), &Show::titleSlideChanged, window,
            [this](const SlidePtr &slide) { window2->setWindowTitle(correctWindowTitle(slide)); });
    setUpArrangement(layout.slideStrip, layout.statusBar);
}

void MyDocument::windowControllerDidLoadNib()
{
    m_show->rewind();
}

bool MyDocument::isShownIn(const QWindow *window) const
{
    return Document::isShownIn(window) || m_fullScreen->isShownIn(window);
}

void MyDocument::prefetchNeighbours()
{
    std::vector<const FakeImageView *> views { currentImage.data() };
    if (isFullScreen())
        views.push_back(fullScreenImageView());
    const ImageHandler &slides = m_show->slides();
    prefetcher->prefetch(slides.curImage(), { slides.peekNextImage(), slides.peekPreviousImage() },
                         views);
}

void MyDocument::waitForPrefetch()
{
    prefetcher->waitForDone();
}

ImageHandler *MyDocument::getImageHandler() const
{
    return &m_show->slides();
}

// The steps to undo belong to the slides and the soundtrack they were taken on.
void MyDocument::setImageHandler(std::shared_ptr<ImageHandler> handler)
{
    undoStack()->clear();
    m_show->setSlides(std::move(handler));
}

void MyDocument::setSoundHandler(std::shared_ptr<SoundHandler> handler)
{
    undoStack()->clear();
    soundHandle = std::move(handler);
    watchSoundtrack();
}

// The order is saved with the show; a soundtrack the document has since replaced says nothing
// about this show.
void MyDocument::watchSoundtrack()
{
    disconnect(m_soundtrackOrder);
    m_soundtrackOrder = connect(
        soundHandle->model(), &SoundtrackModel::soundsSwapped, this, [this](int first, int second) {
            undoStack()->push(new SwapSoundsCommand(soundHandle, first, second));
        });
    // The drop is still under way: the reason comes once it is over.
    soundHandle->model()->setMayChange([this] {
        if (busyReason().isEmpty())
            return true;
        QMetaObject::invokeMethod(
            this, [this] { refuseWhileBusy(); }, Qt::QueuedConnection);
        return false;
    });
}

void MyDocument::randomizeSlides()
{
    m_show->setRandom(!m_show->isRandom());
}

void MyDocument::loopPlayback()
{
    m_show->setLoop(!m_show->isLoop());
}

void MyDocument::removeAllImages()
{
    if (refuseWhileBusy())
        return;
    const SlideOrder before = m_show->slides().order();
    const SlidePtr shown = m_show->shownSlide();
    if (isSlideshowInProgress())
        soundHandle->stopSound();
    // In full screen too: no slide that is gone may stay on the screen.
    m_show->removeAll();
    recordSlides(tr("Remove All Images"), before, shown);
}

void MyDocument::removeCurrentImage()
{
    if (isFullScreen()) {
        m_services.alerts->beep();
        return;
    }
    if (refuseWhileBusy())
        return;
    const SlideOrder before = m_show->slides().order();
    const SlidePtr shown = m_show->shownSlide();
    m_show->removeCurrent();
    recordSlides(tr("Remove Current Image"), before, shown);
}

void MyDocument::addSong()
{
    if (refuseWhileBusy())
        return;
    const int32_t before = soundHandle->numSounds();
    const SoundHandler::Position position = soundHandle->position();
    soundHandle->addSong();
    // The sounds before one that was refused stay, and are one step to undo.
    if (soundHandle->numSounds() > before)
        undoStack()->push(
            new AddSoundsCommand(soundHandle, before, soundHandle->numSounds() - before, position));
}

QString MyDocument::correctWindowTitle(const SlidePtr &slide) const
{
    QString title = displayName();
    if (slide && slide->hasName())
        title += QStringLiteral(" - ") + slide->name();
    return title;
}

int32_t MyDocument::getTimerLength() const
{
    return m_show->interval();
}

bool MyDocument::isSlideshowInProgress() const
{
    return m_show->isRunning();
}

bool MyDocument::isFullScreen() const
{
    return m_fullScreen->isActive();
}

SliderWindow *MyDocument::getMainWindow() const
{
    return m_fullScreen->window();
}

FakeImageView *MyDocument::fullScreenImageView() const
{
    return m_fullScreen->view();
}

} // namespace lanternreel
