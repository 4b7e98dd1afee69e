// SPDX-License-Identifier: GPL-3.0-or-later
#include "sliderwindow.h"

#include "document/mydocument.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

namespace lanternreel {

SliderWindow::SliderWindow(const QRect &contentRect)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_frame(contentRect)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (QScreen *screen = QGuiApplication::screenAt(contentRect.center()))
        setScreen(screen);
    setGeometry(contentRect);
    connect(this, &SliderWindow::windowWillClose, this, &SliderWindow::shutDown);
}

SliderWindow::~SliderWindow() = default;

void SliderWindow::setCurrentDocument(MyDocument *document)
{
    currentDoc = document;
}

void SliderWindow::setBackgroundColor(const QColor &color)
{
    QPalette colors = palette();
    colors.setColor(QPalette::Window, color);
    setPalette(colors);
}

void SliderWindow::setContentView(QWidget *view)
{
    layout()->addWidget(view);
}

void SliderWindow::makeKeyAndOrderFront()
{
    setGeometry(m_frame);
    showFullScreen();
    raise();
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
}

namespace {

void addCommandsOf(const QList<QAction *> &actions, QWidget &to)
{
    for (QAction *action : actions) {
        if (QMenu *submenu = action->menu())
            addCommandsOf(submenu->actions(), to);
        else if (!action->shortcut().isEmpty())
            to.addAction(action);
    }
}

bool isOwnKey(int key)
{
    return key == Qt::Key_Right || key == Qt::Key_Left || key == Qt::Key_Space
        || key == Qt::Key_Escape;
}

} // namespace

void SliderWindow::carryMenuCommands(const QMainWindow &window)
{
    if (auto *bar = qobject_cast<QMenuBar *>(window.menuWidget()))
        addCommandsOf(bar->actions(), *this);
}

// The arrows are menu shortcuts as well; here they keep going to this window's own keys.
bool SliderWindow::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride
        && isOwnKey(static_cast<QKeyEvent *>(event)->key())) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void SliderWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    qApp->installEventFilter(this);
}

void SliderWindow::hideEvent(QHideEvent *event)
{
    qApp->removeEventFilter(this);
    QWidget::hideEvent(event);
}

// A panel or dialog that a command brings up while this window covers the screen would open
// unseen beneath it and take the keyboard. Made this window's dependant before it is mapped,
// it comes up above it instead.
bool SliderWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Show || watched == this)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || !widget->isWindow() || widget->windowType() == Qt::Popup
        || widget->windowType() == Qt::ToolTip)
        return false;
    QWindow *own = windowHandle();
    QWindow *shown = widget->windowHandle();
    if (!own || !shown)
        return false;
    for (QWindow *up = shown->transientParent(); up; up = up->transientParent()) {
        if (up == own)
            return false;
    }
    shown->setTransientParent(own);
    return false;
}

void SliderWindow::shutDown()
{
    if (currentDoc)
        currentDoc->stopShow();
    disconnect(this, &SliderWindow::windowWillClose, this, &SliderWindow::shutDown);
}

// Modifiers are not looked at, and no key goes on to the base class: a key that means nothing
// here, and is no menu command's shortcut, must not beep or reach anything else.
void SliderWindow::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    if (!currentDoc)
        return;
    switch (event->key()) {
    case Qt::Key_Right:
        currentDoc->nextImage();
        break;
    case Qt::Key_Left:
        currentDoc->previousImage();
        break;
    case Qt::Key_Space:
        currentDoc->spaceDown();
        break;
    case Qt::Key_Escape:
        currentDoc->escapeDown();
        break;
    default:
        break;
    }
}

void SliderWindow::closeEvent(QCloseEvent *event)
{
    emit windowWillClose();
    event->accept();
}

} // namespace lanternreel
