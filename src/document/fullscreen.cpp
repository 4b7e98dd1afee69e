#include "document/sliderwindow.h"
#include "mydocument.h"
#include "platform/alerts.h"
#include "platform/display.h"
#include "platform/log.h"
#include "slides/imagehandler.h"
#include "ui_fullScreenPanel.h"

#include <memory>

namespace lanternreel {

void MyDocument::runFullScreen()
{
    // Tested first: with no slides the command does nothing else, not even leave full screen.
    if (refuseEmptyShow())
        return;
    if (fullScreen) {
        releaseScreen();
        return;
    }
    // Full screen opens idle; the soundtrack of a running show plays on.
    if (slideshowInProgress)
        stopSlideshow();

    // A new panel and view for every period in full screen.
    auto panel = std::make_unique<QWidget>();
    Ui::fullScreenPanel layout;
    layout.setupUi(panel.get());

    Display &display = *m_services.display;
    if (!display.captureMainDisplay())
        m_services.log->log(QStringLiteral("Couldn't capture the main display!"));
    const QRect frame = display.mainScreenFrame();

    // The window deletes itself when it closes.
    auto *window = new SliderWindow(frame);
    mainWindow = window;
    window->setCurrentDocument(this);
    // The menu bar stays behind in the document window; its commands come along by their keys.
    if (window2)
        window->carryMenuCommands(*window2);
    // The document watches its own full-screen window only; the connection ends with the
    // document, so no closing reaches a document that is gone.
    connect(window, &SliderWindow::windowWillClose, this, &MyDocument::fullScreenWindowWillClose);
    window->setBackgroundColor(fullscreenColor);
    fullPanel = panel.get();
    fullImageView = layout.fullImageView;
    window->setContentView(panel.release());
    fullScreen = true;
    window->makeKeyAndOrderFront();
    fullImageView->setBackgroundColor(fullscreenColor);
    fullImageView->setImage(imageHandle->curImage());
    display.hideCursor();
    prefetchNeighbours();
}

bool MyDocument::isShownIn(const QWindow *window) const
{
    if (Document::isShownIn(window))
        return true;
    return fullScreen && mainWindow && window && mainWindow->windowHandle() == window;
}

void MyDocument::releaseScreen()
{
    leavingFullScreen = true;
    if (mainWindow)
        mainWindow->close(); // its closing stops the show and the soundtrack
    leavingFullScreen = false;
    restoreScreen();
}

void MyDocument::restoreScreen()
{
    m_services.display->showCursor();
    fullScreen = false;
    if (!m_services.display->releaseMainDisplay())
        m_services.log->log(QStringLiteral("Couldn't release the display(s)!"));
}

void MyDocument::fullScreenWindowWillClose()
{
    stopShow();
    // Closed from outside (the window manager), not by leaving: leave all the same, or the
    // cursor, the display and the full-screen state would stay taken with no window to end them.
    if (fullScreen && !leavingFullScreen && sender() == mainWindow)
        restoreScreen();
}

void MyDocument::escapeDown()
{
    if (!fullScreen)
        return;
    releaseScreen();
    const SlidePtr current = imageHandle->curImage();
    if (window2)
        window2->setWindowTitle(correctWindowTitle(current));
    if (currentImage)
        currentImage->setImage(current);
    prefetchNeighbours();
}

} // namespace lanternreel
