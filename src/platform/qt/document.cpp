#include "document.h"

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

Document::Document() = default;

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

bool Document::dataRepresentationOfType(const QString &, QIODevice &)
{
    return false;
}

bool Document::loadDataRepresentation(QIODevice &, const QString &, QString *)
{
    return false;
}

QString Document::displayName() const
{
    if (m_fileName.isEmpty())
        return QStringLiteral("Untitled");
    // The last dot of the last path component and what follows it go.
    const QString last = QFileInfo(m_fileName).fileName();
    const qsizetype dot = last.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? last.left(dot) : last;
}

} // namespace lanternreel
