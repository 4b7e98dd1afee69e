#pragma once

#include "slides/slide.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>

class QMainWindow;

namespace lanternreel {

class MyDocument;
class PresenterView;
class Show;
class SliderWindow;

// The presenter window of one period in full screen, on the screen the show does not cover.
// It follows the show and its soundtrack, and takes the same keys as the full-screen window.
class Presenter : public QObject
{
    Q_OBJECT

public:
    // Covers `frame` with the presenter window, the keys going to `document` and the shortcuts
    // of `menus`'s menu bar working as there. Not shown until show().
    Presenter(MyDocument &document, Show &show, const QRect &frame, const QMainWindow *menus,
              QObject *parent = nullptr);
    // Closes the window, if it is still up.
    ~Presenter() override;

    void show();
    void close();
    // Null once the window has gone.
    SliderWindow *window() const;
    PresenterView *view() const;

signals:
    // Sent from inside the window's closing.
    void windowWillClose();

private:
    void refresh();

    MyDocument &m_document;
    Show &m_show;
    QPointer<SliderWindow> m_window;
    QPointer<PresenterView> m_view;
    QTimer m_clock; // the times left count down
    QElapsedTimer m_sinceStep;
};

} // namespace lanternreel
