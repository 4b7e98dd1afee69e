// SPDX-License-Identifier: GPL-3.0-or-later
#include "dragwatcher.h"

#include "document/mydocument.h"
#include "platform/qt/documentcontroller.h"

#include <QFileInfo>
#include <QPointer>
#include <memory>

namespace lanternreel {

DragWatcher::DragWatcher(DocumentController &controller, QObject *parent)
    : QObject(parent)
    , docController(controller)
{ }

bool DragWatcher::isShowFile(const QString &path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("lrshow"), Qt::CaseInsensitive) == 0;
}

void DragWatcher::applicationOpenFiles(const QStringList &given, Replied replied)
{
    QStringList shows;
    QStringList paths;
    for (const QString &path : given)
        (isShowFile(path) ? shows : paths).append(path);

    // Counts the parts of the request still running; the last to end replies.
    struct Request
    {
        int running = 0;
        bool succeeded = true;
        Replied replied;
        void ended(bool success)
        {
            succeeded = succeeded && success;
            if (--running == 0 && replied)
                replied(succeeded ? Success : Failure);
        }
    };
    auto request = std::make_shared<Request>();
    request->replied = std::move(replied);
    request->running = 1 + static_cast<int>(shows.size()) + (paths.isEmpty() ? 0 : 1);

    // The other paths go where they would have gone without the show files among them.
    if (!paths.isEmpty())
        importIntoCurrentShow(paths, [request](bool shown) { request->ended(shown); });
    // A show is a document, not a picture: importing it could only fail.
    for (const QString &show : shows) {
        docController.openDocument(show, [request](Document *opened) { request->ended(opened); });
    }
    request->ended(true);
}

void DragWatcher::importIntoCurrentShow(const QStringList &paths,
                                        std::function<void(bool shown)> done)
{
    if (docController.documents().empty())
        docController.openUntitledDocumentAndDisplay();
    auto *document = qobject_cast<MyDocument *>(docController.currentDocument());
    if (!document) {
        done(false);
        return;
    }
    document->dragOpen(paths, std::move(done));
    // Files sent from elsewhere should not land in a window hidden behind others.
    if (DocumentWindow *window = document->window()) {
        window->raise();
        window->activateWindow();
    }
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
