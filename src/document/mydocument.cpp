#include "mydocument.h"

#include "display/fakeimageview.h"
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
{
    registerPreferenceDefaults(*defaults);
    timerLength = readTimerLength(*defaults);
    fullscreenColor = readFullscreenColor(*defaults);
}

MyDocument::~MyDocument()
{
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

void MyDocument::randomizeSlides(MenuItem &item)
{
    if (item.state() == 0) {
        item.setState(1);
        imageHandle->setRandom(true);
    } else {
        item.setState(0);
        imageHandle->setRandom(false);
    }
}

void MyDocument::loopPlayback(MenuItem &item)
{
    if (item.state() == 0) {
        item.setState(1);
        imageHandle->setLoop(true);
    } else {
        item.setState(0);
        imageHandle->setLoop(false);
    }
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
    const Content before = content();
    if (slideshowInProgress) {
        stopSlideshow();
        soundHandle->stopSound();
    }
    imageHandle->removeAllImages();
    showInWindow(nullptr);
    noteChanges(before);
}

void MyDocument::removeCurrentImage()
{
    if (fullScreen) {
        m_services.alerts->beep();
        return;
    }
    const Content before = content();
    const SlidePtr shown = imageHandle->removeCurrentImage();
    showInWindow(shown);
    noteChanges(before);
}

void MyDocument::addSong()
{
    const Content before = content();
    soundHandle->addSong();
    noteChanges(before);
}

void MyDocument::removeSong()
{
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
