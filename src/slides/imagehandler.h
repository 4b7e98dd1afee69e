// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/services.h"
#include "slides/slide.h"
#include "slides/workcontrol.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace lanternreel {

// What loading the pictures of an import gave: the slides loaded, in order, and how it ended.
struct ImportResult
{
    enum class Outcome {
        Loaded, // every picture found
        Failed, // stopped at a file that did not load
        TooLarge, // stopped at a file too large to hold
        NotKept, // stopped at a file that the disk would not take to keep it
        Cancelled, // stopped by the user
    };
    std::vector<SlidePtr> slides;
    Outcome outcome = Outcome::Loaded;
    QString failedName; // the file name of the file that stopped it
    QString failedPath; // and where it is
    bool failedInFolder = false; // that file was found by a folder scan
    QString why; // for NotKept: why the disk would not take it
};

// Both orders of the slides and the position, as they stand at one moment: what an undone
// change puts back.
struct SlideOrder
{
    std::vector<SlidePtr> display;
    std::vector<SlidePtr> random;
    int32_t index = 0;
    bool randomOn = false; // which order `index` counts in
    bool operator==(const SlideOrder &) const = default;
};

// The slides of one show and the position of the slide being shown. Slides are kept in their
// display order (`imagesToDisplay`) and, while random is on, a second time in a random order
// (`randomOrder`); positions index the order in use. A nil result (nullptr) means "no slide".
class ImageHandler
{
    Q_DECLARE_TR_FUNCTIONS(ImageHandler)

public:
    explicit ImageHandler(const Services &services);
    ImageHandler(const ImageHandler &) = delete;
    ImageHandler &operator=(const ImageHandler &) = delete;
    ~ImageHandler();

    int32_t numImages() const;
    int32_t returnIndex() const { return currentIndex; }
    void setIndex(int32_t index) { currentIndex = index; }
    bool isLoop() const { return loop; }
    bool isRandom() const { return random; }

    SlidePtr curImage() const;
    SlidePtr firstImage() const;
    SlidePtr nextImage();
    SlidePtr previousImage();
    // The slides nextImage() and previousImage() would return now, without moving the
    // position: the neighbours worth decoding ahead.
    SlidePtr peekNextImage() const;
    SlidePtr peekPreviousImage() const;
    SlidePtr removeCurrentImage();
    void removeAllImages();

    void setLoop(bool flag) { loop = flag; }
    void setRandom(bool flag);
    void getNewRandomOrder();

    // The slide list in display order, and the random order as it stands.
    const std::vector<SlidePtr> &slides() const { return imagesToDisplay; }
    const std::vector<SlidePtr> &randomSlides() const { return randomOrder; }

    // Appends one slide at the end of the display order.
    void appendSlide(SlidePtr slide);

    // Arranging the slides (arrangement.cpp). Rows count in the display order; a row given
    // twice, or outside the list, is passed over.
    SlideOrder order() const;
    // Puts back both orders and the position as order() gave them. Should random have been
    // switched since, the slide that was current then is current again, and with random on it
    // leads a new random order.
    void restoreOrder(const SlideOrder &order);
    // Moves the slides at `rows`, keeping their order, to stand together just before the slide
    // at `before` (numImages() for the end). The current slide stays current; with random on the
    // random order is made anew with it first. False, changing nothing, when no slide would move.
    bool moveSlides(const std::vector<int32_t> &rows, int32_t before);
    // Removes the slides at `rows` from both orders. The current slide stays current when it
    // stays; when it goes, the next slide left in the order in use takes its place (the last
    // one when none follows). Answers the slide current afterwards; nullptr when none is left.
    SlidePtr removeSlides(const std::vector<int32_t> &rows);

    // The stored form written to a show file: one JPEG file per slide, in display order, with
    // the slides' names beside them.
    // Fills both lists afresh from the slide list (see storedJpegs for what is encoded), and the
    // stored random order: the position among the stored pictures of each slide of the random
    // order that is still in the show, so that a removed slide never reaches the file and no
    // picture is stored twice. False when a slide could not be encoded: a file written from
    // these lists would not open again.
    bool compressImages();
    // The random order as a show file keeps it: the position in the slide list of each slide of
    // the random order that is still in the show.
    std::vector<int32_t> randomOrderPositions() const;
    // Rebuilds the slide list from the stored form, and the random order from its stored
    // positions, and empties the stored images (the names stay). False, with nothing changed,
    // when the two lists differ in length, a stored position is not one of a stored picture, or
    // a stored picture is not a JPEG that decodes. Tells `control`, when given, how many
    // pictures are decoded, and gives up, changing nothing, once it is cancelled.
    bool decompressImages(const WorkControl *control = nullptr);
    // What decompressImages does, for stored pictures already checked and put away while the
    // file was read (StoredPictures), one for each stored name: the stored images are not used.
    // False, with nothing changed, when their number is not the number of names, or a stored
    // position is not one of a picture.
    bool takeStoredPictures(std::vector<StoredPicture> pictures);
    const std::vector<QByteArray> &storedImages() const { return compressedImages; }
    const std::vector<QString> &storedNames() const { return names; }
    const std::vector<int32_t> &storedRandomOrder() const { return randomPositions; }
    // What a show file holds: the stored form, with the random order as positions in it.
    void restoreArchived(std::vector<QByteArray> images, std::vector<QString> imageNames,
                         std::vector<int32_t> randomOrderPositions);

    // Import, in two halves: the loading, which may run on any thread and touches no handler,
    // and the taking of its result, in one step, on the thread that owns the handler.
    // The paths chosen in the open panel, in the panel's order (the user's own choice of
    // sequence); nothing when the user cancelled.
    std::optional<QStringList> chooseImages() const;
    // Paths handed over from outside (dropped, or given to a launch), in numericCompare order.
    static QStringList dragOrder(const QStringList &paths);
    // Loads every picture of `paths` (every picture file beneath a folder, at any depth) in
    // order, and stops at the first that does not load, or when `control` is cancelled. Tells
    // `control` how many of the pictures found are loaded, and `firstLoaded`, when given, the
    // first slide as soon as it is loaded (on the calling thread).
    static ImportResult loadImages(const QStringList &paths, const WorkControl &control,
                                   const std::function<void(const SlidePtr &)> &firstLoaded = {});
    // Appends the slides of an import at the end of the slide list, all at once, and answers
    // the first slide of the whole list; nullptr when the import failed (the user is told, and
    // the slides loaded before the file that failed stay), was cancelled (the slides loaded
    // before stay, and nobody is told), or nothing was found. The first `alreadyTaken` slides
    // of the result are in the list already (see takeFirstOfImport).
    SlidePtr applyImport(const ImportResult &result, size_t alreadyTaken = 0);
    // The first slide of an import into an empty slide list, taken as soon as it is loaded so
    // that it can be shown while the rest loads: appended (and the random order made of it,
    // while random is on). The import's result then comes with `alreadyTaken` 1. False, with
    // nothing changed, when the list is not empty.
    bool takeFirstOfImport(const SlidePtr &first);
    // Appends every picture file beneath `folder`, at any depth, on the calling thread. 0 when
    // the whole folder was scanned, -1 when a picture in it did not load and the scan stopped
    // there.
    int32_t scanDirectory(const QString &folder);

private:
    SlidePtr nothingFound();
    SlidePtr loadFailure(const ImportResult &result);

    const std::vector<SlidePtr> &orderInUse() const;
    SlidePtr slideInUseAt(int32_t index) const;
    std::optional<int32_t> nextIndex() const;
    std::optional<int32_t> previousIndex() const;

    Services m_services;

    bool random = false;
    int32_t currentIndex = 0;
    bool loop = false;
    std::vector<SlidePtr> imagesToDisplay;
    std::vector<QByteArray> compressedImages;
    std::vector<SlidePtr> randomOrder;
    std::vector<QString> names;
    std::vector<int32_t> randomPositions; // the stored form of randomOrder
};

} // namespace lanternreel
