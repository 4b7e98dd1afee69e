#include "dragwatcher.h"

#include "document/mydocument.h"
#include "platform/qt/documentcontroller.h"

#include <QPointer>

namespace lanternreel {

DragWatcher::DragWatcher(DocumentController &controller, QObject *parent)
    : QObject(parent)
    , docController(controller)
{
}

int DragWatcher::applicationOpenFiles(const QStringList &paths)
{
    if (docController.documents().empty())
        docController.openUntitledDocumentAndDisplay();
    auto *document = qobject_cast<MyDocument *>(docController.currentDocument());
    if (!document)
        return Failure;
    const bool shown = document->dragOpen(paths);
    // Files sent from elsewhere should not land in a window hidden behind others.
    if (DocumentWindow *window = document->window()) {
        window->raise();
        window->activateWindow();
    }
    return shown ? Success : Failure;
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
