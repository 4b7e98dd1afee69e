#include "dragwatcher.h"

#include "document/mydocument.h"
#include "platform/qt/documentcontroller.h"

#include <QFileInfo>
#include <QPointer>

namespace lanternreel {

DragWatcher::DragWatcher(DocumentController &controller, QObject *parent)
    : QObject(parent)
    , docController(controller)
{ }

bool DragWatcher::isShowFile(const QString &path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("lrshow"), Qt::CaseInsensitive) == 0;
}

int DragWatcher::applicationOpenFiles(const QStringList &given)
{
    QStringList shows;
    QStringList paths;
    for (const QString &path : given)
        (isShowFile(path) ? shows : paths).append(path);

    // The other paths go where they would have gone without the show files among them.
    bool imported = true;
    if (!paths.isEmpty())
        imported = importIntoCurrentShow(paths);
    // A show is a document, not a picture: importing it could only fail.
    bool showsOpened = true;
    for (const QString &show : shows) {
        if (!docController.openDocument(show))
            showsOpened = false;
    }
    return imported && showsOpened ? Success : Failure;
}

bool DragWatcher::importIntoCurrentShow(const QStringList &paths)
{
    if (docController.documents().empty())
        docController.openUntitledDocumentAndDisplay();
    auto *document = qobject_cast<MyDocument *>(docController.currentDocument());
    if (!document)
        return false;
    const bool shown = document->dragOpen(paths);
    // Files sent from elsewhere should not land in a window hidden behind others.
    if (DocumentWindow *window = document->window()) {
        window->raise();
        window->activateWindow();
    }
    return shown;
}

void DragWatcher::watch(DocumentWindow *window)
{
    QPointer<DocumentWindow> target = window;
    connect(window, &DocumentWindow::filesDropped, this, [this, target](const QStringList &paths) {
        if (!target)
            return;
        for (Document *document : docController.documents()) {
            if (document->window() == target)
                docController.makeCurrent(document);
        }
        applicationOpenFiles(paths);
    });
}

} // namespace lanternreel
