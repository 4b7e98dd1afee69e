#pragma once

#include "display/colorwell.h"
#include "display/fakeimageview.h"
#include "document/sliderwindow.h"
#include "platform/qt/document.h"
#include "platform/services.h"
#include "slides/slide.h"

#include <QColor>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <QTableView>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace lanternreel {

class ImageHandler;
class ImportJob;
class Job;
class MenuItem;
class Model;
class PreferenceStore;
struct ImportResult;
class RepeatingTimer;
class SlidePrefetcher;
class Sound;
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
    // The document window, and the full-screen window while there is one.
    bool isShownIn(const QWindow *window) const override;

    // The show file (fileformat.cpp). Writes the show as it is now when `typeName` is
    // "Lanternreel Show"; nothing for any other type.
    WriteWork writeWork(const QString &typeName) override;
    // Reads a show file, checked whole and every picture decoded, for takeContent() to replace
    // the model and both handlers by; the loop and random flags then come from the
    // application's menu.
    ReadWork readWork(const QString &typeName) const override;
    void takeContent(std::shared_ptr<DocumentContent> content) override;
    // An import into the show, or its save, runs.
    QString busyReason() const override;

    void setImageHandler(std::shared_ptr<ImageHandler> handler);
    void setSoundHandler(std::shared_ptr<SoundHandler> handler);
    ImageHandler *getImageHandler() const { return imageHandle.get(); }
    SoundHandler *getSoundHandler() const { return soundHandle.get(); }
    Model *getModel() const { return model.get(); }

    // Commands.
    // The import commands (import.cpp) load the pictures off the GUI thread; one import runs at
    // a time, and one asked for meanwhile, or while the show is saved, waits its turn.
    void selectImages();
    // Imports files handed over from outside; `done` then gets true when the show has a slide
    // to show, false when the import failed, was cancelled, or the show closed first.
    void dragOpen(const QStringList &paths, std::function<void(bool shown)> done = {});
    // An import runs, or waits its turn.
    bool isImporting() const;
    // The import running now; nullptr when none does.
    Job *importJob() const;
    // Takes the slides of one import into the show, all at once; true when the show then has
    // a slide to show, which the window shows.
    bool applyImport(const ImportResult &result);
    void randomizeSlides(MenuItem &item);
    void loopPlayback(MenuItem &item);
    void removeAllImages();
    void removeCurrentImage();
    void addSong();
    void removeSong();

    // Playback. A running show is one repeating timer whose action is nextImage().
    void startSlideshow();
    void startShow();
    void nextImage();
    void previousImage();
    void goToFirstSlide();
    // Stops the soundtrack and the show.
    void stopShow();
    // Stops the timer only; the soundtrack plays on.
    void stopSlideshow();
    // Stops a running show, or starts one.
    void spaceDown();

    // Full screen (fullscreen.cpp). Enters full screen, or leaves it when already there.
    void runFullScreen();
    // Leaves full screen; the document window is left as it was.
    void releaseScreen();
    // Leaves full screen and brings the document window up to the slide that is current.
    void escapeDown();

    // The window title for showing `slide`: the document's name, then " - " and the slide's name.
    QString correctWindowTitle(const SlidePtr &slide) const;

    // Seconds between slides and the full-screen colour, as this document read them.
    int32_t getTimerLength() const { return timerLength; }
    QColor getFullscreenColor() const { return fullscreenColor; }
    bool isSlideshowInProgress() const { return slideshowInProgress; }
    bool isFullScreen() const { return fullScreen; }

    FakeImageView *currentImageView() const { return currentImage; }
    // The full-screen window and view of the current or last period in full screen; null once
    // that window has gone.
    SliderWindow *getMainWindow() const { return mainWindow; }
    FakeImageView *fullScreenImageView() const { return fullImageView; }
    // Waits for the slides being decoded ahead of the show.
    void waitForPrefetch();

    // Preferences (preferences.cpp). The panel shows this document's values; saving stores them
    // for documents made from then on and applies them to this document only.
    void showPreferencesPanel();
    void savePreferences();
    void cancelPreferences();
    // The panel opened last and its fields; null once that panel has closed.
    QDialog *getPreferencesPanel() const { return preferencesPanel; }
    QLineEdit *getTimerInterval() const { return timerInterval; }
    ColorWell *getBgColor() const { return bgColor; }

    // Panels (panels.cpp). Each command opens a new panel; outlets point at the newest, and
    // turn null once it has closed. The information panel is a snapshot taken as it opens; the
    // soundtrack panel's table is live.
    void slideshowInfo();
    void showSoundPanel();
    QDialog *getInfoPanel() const { return infoPanel; }
    QLabel *getNumberOfSlides() const { return numberOfSlides; }
    QLabel *getDurationOfSlides() const { return durationOfSlides; }
    QLabel *getProjectedDuration() const { return projectedDuration; }
    QLabel *getProjectedSoundtrackDuration() const { return projectedSoundtrackDuration; }
    QDialog *getSoundPanel() const { return soundPanel; }
    QTableView *getSoundTableView() const { return soundTableView; }

    // Printing (printing.cpp). Prints the current slide at its own size, one pixel to one point,
    // at the page's 36-point (half-inch) top and left margins; a slide larger than the printable
    // area is scaled down to fit it. With `showPanels` the print panel comes first.
    void printShowingPrintPanel(bool showPanels);
    void printDocument();
    void runPageLayout();
    // A new view exactly as large as the current slide, drawing it and nothing else.
    std::unique_ptr<QLabel> printableView() const;
    // This document's own print settings, kept from one print or page setup to the next.
    QPrinter &printInfo();

protected:
    void loadWindow(DocumentWindow *window) override;
    void windowControllerDidLoadNib() override;
    void fileNameDidChange() override;

private:
    struct PendingImport
    {
        QStringList paths;
        std::function<void(bool shown)> done;
    };
    void importPaths(QStringList paths, std::function<void(bool shown)> done);
    void startNextImport();
    void finishImport();
    // Beeps and tells why the show cannot change now, while it is being imported into or
    // saved; true then.
    bool refuseWhileBusy();
    // Shows `slide` in the window's view and rebuilds the title from it.
    void showInWindow(const SlidePtr &slide);
    // Beeps and shows the "Slideshow Is Empty" alert when there is no slide; true then.
    bool refuseEmptyShow();
    // The loop and random commands: the item's state flips and the flag follows it.
    void toggleFlag(MenuItem &item, void (ImageHandler::*setFlag)(bool));
    // Once, after a load: which sound files of the soundtrack cannot be played.
    void tellAboutMissingSounds();
    // Marks the document edited when the slide list or the soundtrack changed since `before`.
    struct Content
    {
        std::vector<SlidePtr> slides;
        std::vector<const Sound *> sounds;
    };
    Content content() const;
    void noteChanges(const Content &before);
    // A new repeating timer of timerLength seconds stepping the show.
    void scheduleTimer();
    // One step of the show to `slide`: countdown restarted, views and title updated.
    void showStep(const SlidePtr &slide);
    // Has the slides a step may bring next decoded for the views now showing.
    void prefetchNeighbours();
    // What leaving full screen does once the window has closed: cursor, flag and display.
    void restoreScreen();
    // The full-screen window is about to close.
    void fullScreenWindowWillClose();

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
    QPointer<SliderWindow> mainWindow; // replaced at each entry into full screen
    QPointer<QWidget> fullPanel; // loaded afresh at each entry
    QPointer<FakeImageView> fullImageView; // the full-screen view, while fullScreen is set
    bool leavingFullScreen = false; // inside releaseScreen()
    std::unique_ptr<SlidePrefetcher> prefetcher;
    QPointer<DocumentWindow> window2;
    // Outlets of the preferences panel opened last. The panel also plays the part of its own
    // window controller: showing and closing it is all that is asked of one.
    QPointer<QDialog> preferencesPanel;
    QPointer<QLineEdit> timerInterval;
    QPointer<ColorWell> bgColor;
    // Outlets of the information and soundtrack panels opened last; each panel is its own
    // window controller, as the preferences panel is.
    QPointer<QDialog> infoPanel;
    QPointer<QLabel> numberOfSlides;
    QPointer<QLabel> durationOfSlides;
    QPointer<QLabel> projectedDuration;
    QPointer<QLabel> projectedSoundtrackDuration;
    QPointer<QDialog> soundPanel;
    QPointer<QTableView> soundTableView;
    std::unique_ptr<QPrinter> m_printInfo; // made on first use: it asks the print system
    QPointer<ImportJob> m_importJob;
    std::function<void(bool shown)> m_importDone;
    std::deque<PendingImport> m_imports; // waiting their turn
};

} // namespace lanternreel
