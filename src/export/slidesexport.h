#pragma once

#include "slides/slide.h"
#include "slides/workcontrol.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace lanternreel {

// What to do with a file of the same name already in the folder.
enum class ExistingFiles {
    Ask, // write nothing when there is one: the result lists them, for the user to decide
    Replace,
    Skip, // leave it as it is and go on with the next slide
};

struct SlidesExportResult
{
    enum class Outcome { Written, Conflicts, Cancelled, Failed };
    Outcome outcome = Outcome::Failed;
    int written = 0;
    // Conflicts: the names already in the folder (nothing was written). Written: the files that
    // were there and were left as they were.
    QStringList existing;
    // Slides left out because their picture could not be read, as "3 (beach.jpg)".
    QStringList unreadable;
    QString error; // for Failed: what went wrong, in a sentence for the user
};

// The name slide `position` (from 1) of `count` gets in the folder: the position, with at least
// three digits and as many as the count needs, " - ", then the slide's name, its extension
// replaced by "jpg" when `jpeg` (a name already ending in .jpg or .jpeg keeps its own) and by
// "png" otherwise. The name comes from a show file, which anyone can write: whatever in it could
// leave the folder, hide the file, or make a name that common file systems (a memory card or a
// stick formatted for other systems) refuse, is replaced, and a long name is shortened.
QString slideFileName(int position, int count, const QString &name, bool jpeg);

// Whether the slide's own bytes are a JPEG file, which the export writes untouched.
bool isJpegSlide(const Slide &slide);

// Writes every slide of `slides` into the existing `folder`, in order, each under its
// slideFileName: a JPEG slide as its own bytes, unchanged; any other as PNG (a PNG slide's own
// bytes, other pictures decoded upright and encoded). Each file appears under its name only
// once complete; a file already there is never touched unless `existing` is Replace, and then
// it is replaced in one step. A slide whose picture cannot be read is left out and named; a
// file that cannot be written stops the export, keeping the files written before. Tells
// `control` how many slides are done, and stops at its next slide once it is cancelled.
SlidesExportResult writeSlides(const std::vector<SlidePtr> &slides, const QString &folder,
                               ExistingFiles existing, const WorkControl &control);

} // namespace lanternreel
