#pragma once

#include <QObject>
#include <QStringList>

namespace lanternreel {

class DocumentController;
class DocumentWindow;

// Receives every request from outside to open files (paths given at launch, paths handed over
// by a second launch, files dropped on a show's window) and imports them into the current show,
// opening a new untitled show first when none is open.
class DragWatcher : public QObject
{
    Q_OBJECT

public:
    // The platform's replies to a request to open files.
    enum Reply : int { Success = 0, Failure = 2 };

    explicit DragWatcher(DocumentController &controller, QObject *parent = nullptr);

    // Imports `paths` (unchanged, in the order received) into the current show. Success when
    // the show then has a slide to show.
    int applicationOpenFiles(const QStringList &paths);
    // Files dropped on `window` go to that window's show.
    void watch(DocumentWindow *window);

private:
    DocumentController &docController;
};

} // namespace lanternreel
