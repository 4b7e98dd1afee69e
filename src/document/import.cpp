#include "mydocument.h"
#include "slides/imagehandler.h"

// The import commands: the slide collection does the work; the document shows the answer.

namespace lanternreel {

void MyDocument::selectImages()
{
    const SlidePtr shown = imageHandle->selectImages();
    if (shown)
        showInWindow(shown);
}

bool MyDocument::dragOpen(const QStringList &paths)
{
    const SlidePtr shown = imageHandle->selectImagesFromDrag(paths);
    if (!shown)
        return false;
    showInWindow(shown);
    return true;
}

} // namespace lanternreel
