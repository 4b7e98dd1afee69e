// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

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

    using Replied = std::function<void(int reply)>;

    // Imports the paths that are not show files (unchanged, in the order received) into the
    // current show, and opens each show file as a document of its own. Both run in the
    // background; once all of it has ended, `replied` gets Success when, if there was anything
    // to import, the show then has a slide to show, and every show file opened.
    void applicationOpenFiles(const QStringList &paths, Replied replied = {});
    // Whether `path` names a show file (by its extension, in any case).
    static bool isShowFile(const QString &path);
    // Files dropped on `window` go to that window's show.
    void watch(DocumentWindow *window);

private:
    void importIntoCurrentShow(const QStringList &paths, std::function<void(bool shown)> done);

    DocumentController &docController;
};

} // namespace lanternreel
