// SPDX-License-Identifier: GPL-3.0-or-later
#include "document.h"

#include "slides/workcontrol.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>

namespace lanternreel {

namespace {

QStringList localPaths(const QMimeData *mime)
{
    QStringList paths;
    if (!mime || !mime->hasUrls())
        return paths;
    for (const QUrl &url : mime->urls()) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    return paths;
}

} // namespace

DocumentWindow::DocumentWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setAcceptDrops(true);
}

void DocumentWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!localPaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void DocumentWindow::dropEvent(QDropEvent *event)
{
    const QStringList paths = localPaths(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    // The import may run a modal window; the drag source should not wait for it.
    QMetaObject::invokeMethod(
        this, [this, paths] { emit filesDropped(paths); }, Qt::QueuedConnection);
}

void DocumentWindow::closeEvent(QCloseEvent *event)
{
    // The framework decides, and deletes the window with its document when it closes.
    event->ignore();
    emit closeRequested();
}

Document::Document()
{
    connect(&m_undoStack, &QUndoStack::indexChanged, this, [this] { ++m_changes; });
}

Document::~Document()
{
    // The window may be closing from inside its own event handler: let it go once that returns.
    if (m_window) {
        m_window->hide();
        m_window->deleteLater();
    }
}

bool Document::isShownIn(const QWindow *window) const
{
    return m_window && window && m_window->windowHandle() == window;
}

void Document::setFileName(const QString &fileName)
{
    m_fileName = fileName;
}

void Document::setDocumentEdited(bool edited)
{
    m_edited = edited;
    if (edited)
        ++m_changes;
    else
        m_undoStack.setClean();
}

Document::WriteWork Document::writeWork(const QString &)
{
    return {};
}

Document::ReadWork Document::readWork(const QString &) const
{
    return {};
}

// By value, as the overrides keep what they take; this one has nothing to keep.
// NOLINTNEXTLINE(performance-unnecessary-value-param)
void Document::takeContent(std::shared_ptr<DocumentContent>) { }

bool Document::dataRepresentationOfType(const QString &typeName, QIODevice &device)
{
    const WriteWork work = writeWork(typeName);
    const WorkControl control;
    return work && work(device, control);
}

bool Document::loadDataRepresentation(QIODevice &device, const QString &typeName, QString *why)
{
    const ReadWork work = readWork(typeName);
    const WorkControl control;
    std::shared_ptr<DocumentContent> content = work ? work(device, control, why) : nullptr;
    if (!content)
        return false;
    takeContent(std::move(content));
    return true;
}

void Document::setSaving(bool saving)
{
    if (m_saving == saving)
        return;
    m_saving = saving;
    emit savingChanged(saving);
}

QString Document::busyReason() const
{
    return m_saving ? tr("Lanternreel is still saving this slideshow. Try again when the save is "
                         "done.")
                    : QString();
}

QString Document::displayName() const
{
    if (m_fileName.isEmpty())
        return tr("Untitled");
    // The last dot of the last path component and what follows it go.
    const QString last = QFileInfo(m_fileName).fileName();
    const qsizetype dot = last.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? last.left(dot) : last;
}

} // namespace lanternreel
