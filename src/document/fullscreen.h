// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/services.h"

#include <QColor>
#include <QObject>
#include <QPointer>
#include <memory>

class QMainWindow;
class QWindow;

namespace lanternreel {

class FakeImageView;
class MyDocument;
class Presenter;
class Show;
class SliderWindow;

// One document's presentation on the whole main screen: the borderless window that covers it,
// whose view follows the show's current slide, and the display and the cursor taken while it is
// up. Each period in full screen has a window and a view of its own.
class FullScreen : public QObject
{
    Q_OBJECT

public:
    FullScreen(const Services &services, Show &show, QObject *parent = nullptr);
    ~FullScreen() override;

    bool isActive() const { return m_active; }
    // Covers the show's screen in `color`, showing the current slide, with the keys going to
    // `document` and the shortcuts of `menus`'s menu bar working as there.
    void enter(MyDocument *document, const QColor &color, const QMainWindow *menus);
    // Closes the window, whose closing stops the show and its soundtrack, and gives the cursor
    // and the display back.
    void leave();
    // The window and view of the current or last period; null once that window has gone.
    SliderWindow *window() const;
    FakeImageView *view() const;
    // The presenter window's owner while a second screen shows it; null otherwise.
    Presenter *presenter() const;
    bool isShownIn(const QWindow *window) const;

private:
    // What leaving does once the window has closed: cursor, state and display.
    void restore();
    void windowWillClose();

    Services m_services;
    Show &m_show;
    bool m_active = false;
    bool m_leaving = false; // inside leave()
    QPointer<SliderWindow> m_window;
    QPointer<FakeImageView> m_view;
    QMetaObject::Connection m_following;
    std::unique_ptr<Presenter> m_presenter;
};

} // namespace lanternreel
