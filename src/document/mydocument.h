#pragma once

#include "display/fakeimageview.h"
#include "platform/qt/document.h"
#include "platform/services.h"
#include "slides/slide.h"

#include <QColor>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

namespace lanternreel {

class ImageHandler;
class MenuItem;
class Model;
class PreferenceStore;
class RepeatingTimer;
class SoundHandler;

// One open show: its slide collection, soundtrack and model, its window, and the commands that
// reach it from the menus, panels and keys. Methods are grouped by concern in several files.
class MyDocument : public Document
{
    Q_OBJECT

public:
    explicit MyDocument(const Services &services);
    ~MyDocument() override;

    QString windowNibName() const override;

    void setImageHandler(std::shared_ptr<ImageHandler> handler);
    void setSoundHandler(std::shared_ptr<SoundHandler> handler);
    ImageHandler *getImageHandler() const { return imageHandle.get(); }
    SoundHandler *getSoundHandler() const { return soundHandle.get(); }
    Model *getModel() const { return model.get(); }

    // Commands.
    void selectImages();
    // Imports files handed over from outside; true when the show then has a slide to show.
    bool dragOpen(const QStringList &paths);
    void randomizeSlides(MenuItem &item);
    void loopPlayback(MenuItem &item);
    void removeAllImages();
    void removeCurrentImage();

    // The window title for showing `slide`: the document's name, then " - " and the slide's name.
    QString correctWindowTitle(const SlidePtr &slide) const;

    // Seconds between slides and the full-screen colour, as this document read them.
    int32_t getTimerLength() const { return timerLength; }
    QColor getFullscreenColor() const { return fullscreenColor; }
    bool isSlideshowInProgress() const { return slideshowInProgress; }
    bool isFullScreen() const { return fullScreen; }

    FakeImageView *currentImageView() const { return currentImage; }

protected:
    void loadWindow(DocumentWindow *window) override;
    void windowControllerDidLoadNib() override;

private:
    // Shows `slide` in the window's view and rebuilds the title from it.
    void showInWindow(const SlidePtr &slide);

    Services m_services;

    int32_t timerLength = 0;
    std::unique_ptr<RepeatingTimer> timer;
    bool timerValid = false;
    std::shared_ptr<SoundHandler> soundHandle;
    std::shared_ptr<ImageHandler> imageHandle;
    std::unique_ptr<Model> model;
    QColor fullscreenColor;
    PreferenceStore *defaults = nullptr;
    bool slideshowInProgress = false;
    bool fullScreen = false;
    QPointer<FakeImageView> currentImage;
    QPointer<DocumentWindow> window2;
};

} // namespace lanternreel
