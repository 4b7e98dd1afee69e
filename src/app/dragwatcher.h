#pragma once

#include <QObject>
#include <QStringList>

namespace lanternreel {

class DocumentController;
class DocumentWindow;

// Receives every request from outside to open files (paths given at launch, paths handed over
// by a second launch, files dropped on a show's window). Show files open as documents of their
// own; every other path is imported into the current show, which is a new untitled one when
// none is open.
class DragWatcher : public QObject
{
    Q_OBJECT

public:
    // The platform's replies to a request to open files.
    enum Reply : int { Success = 0, Failure = 2 };

    explicit DragWatcher(DocumentController &controller, QObject *parent = nullptr);

    // Imports the paths that are not show files (unchanged, in the order received) into the
    // current show, then opens each show file as a document of its own. Success when, if there
    // was anything to import, the show then has a slide to show, and every show file opened.
    int applicationOpenFiles(const QStringList &paths);
    // Whether `path` names a show file (by its extension, in any case).
    static bool isShowFile(const QString &path);
    // Files dropped on `window` go to that window's show.
    void watch(DocumentWindow *window);

private:
    bool importIntoCurrentShow(const QStringList &paths);

    DocumentController &docController;
};

} // namespace lanternreel
