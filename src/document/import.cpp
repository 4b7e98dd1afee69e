#include "document/show.h"
#include "mydocument.h"
#include "slides/imagehandler.h"

// The import commands: the slide collection does the work; the document shows the answer.

namespace lanternreel {

void MyDocument::selectImages()
{
    const Content before = content();
    const SlidePtr shown = m_show->slides().selectImages();
    // A failed import may still have appended the slides before the file that failed.
    noteChanges(before);
    m_show->importDone(shown);
}

bool MyDocument::dragOpen(const QStringList &paths)
{
    const Content before = content();
    const SlidePtr shown = m_show->slides().selectImagesFromDrag(paths);
    noteChanges(before);
    m_show->importDone(shown);
    return shown != nullptr;
}

} // namespace lanternreel
