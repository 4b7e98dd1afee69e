#include "mydocument.h"

#include "display/fakeimageview.h"
#include "display/slideprefetcher.h"
#include "document/importjob.h"
#include "document/model.h"
#include "document/preferencekeys.h"
#include "platform/alerts.h"
#include "platform/menuitem.h"
#include "platform/preferencestore.h"
#include "platform/sounds.h"
#include "platform/timers.h"
#include "slides/imagehandler.h"
#include "soundtrack/soundhandler.h"
#include "ui_MyDocument.h"

namespace lanternreel {

MyDocument::MyDocument(const Services &services)
    : m_services(services)
    , soundHandle(std::make_shared<SoundHandler>(services))
    , imageHandle(std::make_shared<ImageHandler>(services))
    , model(std::make_unique<Model>(services))
    , defaults(services.preferences)
    , prefetcher(std::make_unique<SlidePrefetcher>())
{
    registerPreferenceDefaults(*defaults);
    timerLength = readTimerLength(*defaults);
    fullscreenColor = readFullscreenColor(*defaults);
    // Imports asked for during a save have waited for it.
    connect(this, &Document::savingChanged, this, [this](bool saving) {
        if (!saving)
            startNextImport();
    });
}

MyDocument::~MyDocument()
{
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
    // A full-screen window outliving its document would keep the screen covered, the cursor
    // hidden and the display taken, with nothing left to answer its keys.
    if (fullScreen)
        releaseScreen();
    if (slideshowInProgress)
        stopShow();
}

QString MyDocument::windowNibName() const
{
    return QStringLiteral("MyDocument");
}

void MyDocument::loadWindow(DocumentWindow *window)
{
    Ui::MyDocument layout;
    layout.setupUi(window);
    window2 = window;
    currentImage = layout.currentImage;
}

void MyDocument::windowControllerDidLoadNib()
{
    if (imageHandle->numImages() > 0 && currentImage)
        currentImage->setImage(imageHandle->firstImage());
    imageHandle->setIndex(0);
    prefetchNeighbours();
}

void MyDocument::prefetchNeighbours()
{
    std::vector<const FakeImageView *> views { currentImage.data() };
    if (fullScreen)
        views.push_back(fullImageView.data());
    prefetcher->prefetch(imageHandle->curImage(),
                         { imageHandle->peekNextImage(), imageHandle->peekPreviousImage() }, views);
}

void MyDocument::waitForPrefetch()
{
    prefetcher->waitForDone();
}

void MyDocument::setImageHandler(std::shared_ptr<ImageHandler> handler)
{
    imageHandle = std::move(handler);
}

void MyDocument::setSoundHandler(std::shared_ptr<SoundHandler> handler)
{
    soundHandle = std::move(handler);
}

void MyDocument::showInWindow(const SlidePtr &slide)
{
    if (currentImage)
        currentImage->setImage(slide);
    if (window2)
        window2->setWindowTitle(correctWindowTitle(slide));
}

// Only an item that is off turns on; on and the mixed state both turn off.
void MyDocument::toggleFlag(MenuItem &item, void (ImageHandler::*setFlag)(bool))
{
    const bool on = item.state() == 0;
    item.setState(on ? 1 : 0);
    ((*imageHandle).*setFlag)(on);
}

void MyDocument::randomizeSlides(MenuItem &item)
{
    toggleFlag(item, &ImageHandler::setRandom);
}

void MyDocument::loopPlayback(MenuItem &item)
{
    toggleFlag(item, &ImageHandler::setLoop);
}

MyDocument::Content MyDocument::content() const
{
    Content now { imageHandle->slides(), {} };
    for (const auto &sound : soundHandle->returnSounds())
        now.sounds.push_back(sound.get());
    return now;
}

void MyDocument::noteChanges(const Content &before)
{
    const Content now = content();
    if (now.slides != before.slides || now.sounds != before.sounds)
        setDocumentEdited(true);
}

void MyDocument::removeAllImages()
{
    if (refuseWhileBusy())
        return;
    const Content before = content();
    if (slideshowInProgress) {
        stopSlideshow();
        soundHandle->stopSound();
    }
    imageHandle->removeAllImages();
    // In full screen too: no slide that is gone may stay on the screen.
    if (fullScreen && fullImageView)
        fullImageView->setImage(nullptr);
    showInWindow(nullptr);
    noteChanges(before);
}

void MyDocument::removeCurrentImage()
{
    if (fullScreen) {
        m_services.alerts->beep();
        return;
    }
    if (refuseWhileBusy())
        return;
    const Content before = content();
    const SlidePtr shown = imageHandle->removeCurrentImage();
    showInWindow(shown);
    noteChanges(before);
}

void MyDocument::addSong()
{
    if (refuseWhileBusy())
        return;
    const Content before = content();
    soundHandle->addSong();
    noteChanges(before);
}

void MyDocument::removeSong()
{
    if (refuseWhileBusy())
        return;
    const Content before = content();
    soundHandle->removeSong();
    noteChanges(before);
}

QString MyDocument::correctWindowTitle(const SlidePtr &slide) const
{
    QString title = displayName();
    if (slide && slide->hasName())
        title += QStringLiteral(" - ") + slide->name();
    return title;
}

} // namespace lanternreel
