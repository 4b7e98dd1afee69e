// SPDX-License-Identifier: GPL-3.0-or-later
#include "fullscreen.h"

#include "display/fakeimageview.h"
#include "document/mydocument.h"
#include "document/preferencekeys.h"
#include "document/presenter.h"
#include "document/screenchoice.h"
#include "document/show.h"
#include "document/sliderwindow.h"
#include "platform/display.h"
#include "platform/log.h"
#include "ui_fullScreenPanel.h"

#include <QMainWindow>
#include <QWindow>
#include <memory>

namespace lanternreel {

FullScreen::FullScreen(const Services &services, Show &show, QObject *parent)
    : QObject(parent)
    , m_services(services)
    , m_show(show)
{ }

// A window outliving its presentation would keep the screen covered, the cursor hidden and the
// display taken, with nothing left to answer its keys.
FullScreen::~FullScreen()
{
    if (!m_active)
        return;
    // Its document is on its way out: the window's closing has no show left to stop.
    if (m_window)
        m_window->setCurrentDocument(nullptr);
    if (m_presenter && m_presenter->window())
        m_presenter->window()->setCurrentDocument(nullptr);
    leave();
}

void FullScreen::enter(MyDocument *document, const QColor &color, const QMainWindow *menus)
{
    // A new panel and view for every period in full screen.
    auto panel = std::make_unique<QWidget>();
    Ui::fullScreenPanel layout;
    layout.setupUi(panel.get());

    Display &display = *m_services.display;
    if (!display.captureMainDisplay())
        m_services.log->log(QStringLiteral("Couldn't capture the main display!"));

    // The person presenting looks at the show's own window: with a second screen the show
    // covers the other one, unless the user chose its screen.
    const QString preferred
        = m_services.preferences ? readPresentationScreen(*m_services.preferences) : QString();
    const QPoint centre
        = menus ? menus->frameGeometry().center() : display.mainScreenFrame().center();
    const ScreenChoice screens = chooseScreens(display.screens(), preferred, centre);
    const QRect frame = screens.show.isEmpty() ? display.mainScreenFrame() : screens.show;

    // The window deletes itself when it closes.
    auto *window = new SliderWindow(frame);
    m_window = window;
    window->setCurrentDocument(document);
    // The menu bar stays behind in the document window; its commands come along by their keys.
    if (menus)
        window->carryMenuCommands(*menus);
    // Only this period's own window: the connection ends with this object, so no closing
    // reaches a presentation that is gone.
    connect(window, &SliderWindow::windowWillClose, this, &FullScreen::windowWillClose);
    window->setBackgroundColor(color);
    m_view = layout.fullImageView;
    window->setContentView(panel.release());
    m_active = true;
    if (screens.presenter && document) {
        m_presenter
            = std::make_unique<Presenter>(*document, m_show, *screens.presenter, menus, nullptr);
        m_presenter->show();
    }
    // Last, so that the keyboard starts where it always has: either window takes the same keys.
    window->makeKeyAndOrderFront();
    m_view->setBackgroundColor(color);
    m_view->setImage(m_show.currentSlide());
    m_following
        = connect(&m_show, &Show::currentSlideChanged, m_view.data(), &FakeImageView::setImage);
    display.hideCursor();
}

SliderWindow *FullScreen::window() const
{
    return m_window;
}

FakeImageView *FullScreen::view() const
{
    return m_view;
}

Presenter *FullScreen::presenter() const
{
    return m_presenter.get();
}

bool FullScreen::isShownIn(const QWindow *window) const
{
    if (!m_active || !window)
        return false;
    const SliderWindow *presenting = m_presenter ? m_presenter->window() : nullptr;
    return (m_window && m_window->windowHandle() == window)
        || (presenting && presenting->windowHandle() == window);
}

void FullScreen::leave()
{
    m_leaving = true;
    if (m_window)
        m_window->close(); // its closing stops the show and the soundtrack
    m_leaving = false;
    restore();
}

void FullScreen::restore()
{
    // The presenter's window goes with the show's: it has nothing to follow without it.
    m_presenter.reset();
    disconnect(m_following);
    m_services.display->showCursor();
    m_active = false;
    if (!m_services.display->releaseMainDisplay())
        m_services.log->log(QStringLiteral("Couldn't release the display(s)!"));
}

// Closed from outside (the window manager), not by leaving: leave all the same, or the cursor,
// the display and the full-screen state would stay taken with no window to end them.
void FullScreen::windowWillClose()
{
    if (m_active && !m_leaving && sender() == m_window)
        restore();
}

} // namespace lanternreel
