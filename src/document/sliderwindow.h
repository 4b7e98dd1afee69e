// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <QWidget>

namespace lanternreel {

class MyDocument;

// The full-screen window of one period in full screen: frameless, above every other window,
// covering the main screen, and taking the keyboard. Four keys drive its document; the menu
// commands' shortcuts work as in the document window; every other key is swallowed. It deletes
// itself once closed.
class SliderWindow : public QWidget
{
    Q_OBJECT

public:
    // `contentRect` is the screen frame to cover, in device-independent pixels.
    explicit SliderWindow(const QRect &contentRect);
    ~SliderWindow() override;

    // The document that receives the keys and the close. Not owned: the document's teardown
    // closes the window first.
    void setCurrentDocument(MyDocument *document);
    MyDocument *currentDocument() const { return currentDoc; }

    void setBackgroundColor(const QColor &color);
    // Makes `view` (taken over) the window's whole content.
    void setContentView(QWidget *view);
    // Shows the window full screen on top and gives it the keyboard.
    void makeKeyAndOrderFront();
    // Makes the shortcuts of the commands in `window`'s menu bar work in this window too, but
    // for the four keys that are this window's own.
    void carryMenuCommands(const QMainWindow &window);

    // Called when the window is about to close: the show stops.
    void shutDown();

signals:
    // Sent from inside close(), before the window goes away.
    void windowWillClose();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QPointer<MyDocument> currentDoc;
    QRect m_frame;
};

} // namespace lanternreel
