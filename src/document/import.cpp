#include "mydocument.h"
#include "slides/imagehandler.h"

// The import commands: the slide collection does the work; the document shows the answer.

namespace lanternreel {

void MyDocument::selectImages()
{
    const Content before = content();
    const SlidePtr shown = imageHandle->selectImages();
    // A failed import may still have appended the slides before the file that failed.
    noteChanges(before);
    if (shown)
        showInWindow(shown);
    runHeldTick();
}

bool MyDocument::dragOpen(const QStringList &paths)
{
    const Content before = content();
    const SlidePtr shown = imageHandle->selectImagesFromDrag(paths);
    noteChanges(before);
    if (shown)
        showInWindow(shown);
    runHeldTick();
    return shown != nullptr;
}

} // namespace lanternreel
