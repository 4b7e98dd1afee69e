// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "display/fakeimageview.h"
#include "document/sliderwindow.h"
#include "platform/qt/document.h"
#include "platform/services.h"
#include "slides/imagehandler.h"
#include "slides/slide.h"

#include <QColor>
#include <QLabel>
#include <QPointer>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

class QStatusBar;

namespace lanternreel {

class FullScreen;
class ImageHandler;
class ImportJob;
class InfoPanel;
class Job;
class Model;
class Panel;
class PreferenceStore;
class PreferencesPanel;
class RelinkJob;
class Show;
class ShowStatus;
class SlidePrefetcher;
class SlideStrip;
class SlideStripModel;
class Sound;
class SoundHandler;
class SoundPanel;
struct FoundSound;
struct ImportResult;
struct SlideOrder;

// One open show as a document: its file and edited state, its window, and the commands that
// reach it from the menus, panels and keys. The show itself (position, timer, loop and random)
// is a Show, which the window's view and title follow; full screen and each panel are objects
// of their own. Methods are grouped by concern in several files.
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
    ImageHandler *getImageHandler() const;
    SoundHandler *getSoundHandler() const { return soundHandle.get(); }
    Model *getModel() const { return model.get(); }
    Show *show() const { return m_show.get(); }

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
    // The first slide of the running import, shown at once when the show has none.
    void takeFirstOfImport(const SlidePtr &slide);
    // The loop and random switches of this show: each command turns its switch over.
    void randomizeSlides();
    void loopPlayback();
    void removeAllImages();
    void removeCurrentImage();
    void addSong();
    // Removes the lowest row selected in the soundtrack panel opened or worked in last.
    void removeSong();

    // Playback (playback.cpp). A running show is one repeating timer stepping the show.
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

    // Sets this show's interval so that one pass of the slides lasts as long as the soundtrack,
    // then opens the information panel; tells why it cannot with no slides or no soundtrack
    // (fitinterval.cpp).
    void fitIntervalToSoundtrack();
    // This show's seconds between slides (greater than 0; anything else is ignored). The stored
    // preference stays as it is.
    void setShowInterval(int32_t seconds);

    // Sounds found again (relinksounds.cpp). Asks for a folder and looks in it, and beneath it,
    // off the GUI thread, for a file named as each sound that cannot play; those found take
    // their places, and those still missing are named again.
    void locateMissingSounds();
    bool isLocatingSounds() const;
    // Links each sound that cannot play and is named in `found` to its file found again, with
    // the length read there; marks the document edited when any was. Answers how many were.
    int relinkSounds(const std::vector<FoundSound> &found);

    // Full screen (playback.cpp). Enters full screen, or leaves it when already there.
    void runFullScreen();
    // Leaves full screen; the document window is left as it was.
    void releaseScreen();
    // Leaves full screen and brings the document window up to the slide that is current.
    void escapeDown();

    // The window title for showing `slide`: the document's name, then " - " and the slide's name.
    QString correctWindowTitle(const SlidePtr &slide) const;

    // Seconds between slides and the full-screen colour, as this document read them.
    int32_t getTimerLength() const;
    QColor getFullscreenColor() const { return fullscreenColor; }
    bool isSlideshowInProgress() const;
    bool isFullScreen() const;

    FakeImageView *currentImageView() const { return currentImage; }
    // The full-screen window and view of the current or last period in full screen; null once
    // that window has gone.
    SliderWindow *getMainWindow() const;
    FakeImageView *fullScreenImageView() const;
    // Waits for the slides being decoded ahead of the show.
    void waitForPrefetch();

    // Exports (exportcommands.cpp), run off the GUI thread with progress and Cancel, one at a
    // time for each show; closing the show stops its export. The video shows the slides in the
    // order in use, each for the show's interval on the full-screen colour, over the
    // soundtrack; the slides go into a folder in display order. Each asks first what and where.
    void exportVideo();
    void exportSlides();
    // The export running now; nullptr when none does.
    Job *exportJob() const;

    // Preferences (preferences.cpp). The panel shows this document's values; saving stores them
    // for documents made from then on and applies them to this document only. Each panel's own
    // buttons act on that panel; these two on the panel opened or worked in last.
    void showPreferencesPanel();
    void savePreferences();
    void cancelPreferences();

    // Panels (panels.cpp). Each command opens a new panel. The information panel is a snapshot
    // taken as it opens; every soundtrack panel shows the soundtrack as it is.
    void slideshowInfo();
    void showSoundPanel();
    // The panel of each kind opened or worked in last; null once it has closed.
    PreferencesPanel *getPreferencesPanel() const;
    InfoPanel *getInfoPanel() const;
    SoundPanel *getSoundPanel() const;

    // Arranging the show (arrange.cpp): the slide strip, the status bar, undo and redo. Rows
    // count in the display order.
    // The slide at `row` becomes current, as a step makes it.
    void goToSlide(int row);
    // Moves the slides at `rows` to stand before the slide at `before`.
    void moveSlides(const QList<int> &rows, int before);
    void removeSlides(const QList<int> &rows);
    // Take back the last change to the slides or the soundtrack, or make it again.
    void undo();
    void redo();
    void setSlideStripVisible(bool visible);
    SlideStrip *slideStrip() const;
    ShowStatus *showStatus() const;

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
    friend class ExportCommands;
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
    // Beeps and shows the "Slideshow Is Empty" alert when there is no slide; true then.
    bool refuseEmptyShow();
    // After a load, and after each search for them: which sound files of the soundtrack cannot
    // be played, offering to locate them.
    void tellAboutMissingSounds();
    void setUpArrangement(SlideStrip *strip, QStatusBar *bar);
    // Makes the change to the slides since `before`, when the window showed `shownBefore`, a
    // step to undo, if there was one.
    void recordSlides(const QString &text, const SlideOrder &before, const SlidePtr &shownBefore);
    // Beeps, and true, when the slides or the soundtrack may not change now.
    bool refuseChange();
    // A drop in a soundtrack table reorders the soundtrack with no command of the document's.
    void watchSoundtrack();
    // Has the slides a step may bring next decoded for the views now showing.
    void prefetchNeighbours();
    // Makes `panel` go with the document, and shows it.
    void present(Panel *panel);
    void savePreferences(PreferencesPanel &panel);
    void removeSongSelectedIn(SoundPanel *panel);

    Services m_services;

    std::shared_ptr<SoundHandler> soundHandle;
    std::unique_ptr<Model> model;
    QColor fullscreenColor;
    PreferenceStore *defaults = nullptr;
    std::unique_ptr<Show> m_show;
    std::unique_ptr<FullScreen> m_fullScreen;
    QMetaObject::Connection m_soundtrackOrder;
    QPointer<DocumentWindow> window2;
    QPointer<FakeImageView> currentImage;
    std::unique_ptr<SlidePrefetcher> prefetcher;
    QPointer<PreferencesPanel> preferencesPanel;
    QPointer<InfoPanel> infoPanel;
    QPointer<SoundPanel> soundPanel;
    std::unique_ptr<QPrinter> m_printInfo; // made on first use: it asks the print system
    QPointer<ImportJob> m_importJob;
    QPointer<RelinkJob> m_relinkJob;
    std::function<void(bool shown)> m_importDone;
    std::deque<PendingImport> m_imports; // waiting their turn
    // Slides of the running import the show has taken already (its first, into an empty show).
    size_t m_importTaken = 0;
    // The slides and the slide shown before an import whose first slide came early.
    SlideOrder m_importBefore;
    SlidePtr m_importShownBefore;
    QPointer<Job> m_exportJob;
    QPointer<SlideStrip> m_strip;
    QPointer<SlideStripModel> m_stripModel;
    QPointer<ShowStatus> m_status;
};

} // namespace lanternreel
