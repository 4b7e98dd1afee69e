#pragma once

#include "platform/services.h"
#include "slides/slide.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

namespace lanternreel {

// The slides of one show and the position of the slide being shown. Slides are kept in their
// display order (`imagesToDisplay`) and, while random is on, a second time in a random order
// (`randomOrder`); positions index the order in use. A nil result (nullptr) means "no slide".
class ImageHandler
{
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

    // The stored form written to a show file: one JPEG file per slide, in display order, with
    // the slides' names beside them.
    // Fills both lists afresh from the slide list (see storedJpegs for what is encoded), and the
    // stored random order: the position among the stored pictures of each slide of the random
    // order that is still in the show, so that a removed slide never reaches the file and no
    // picture is stored twice. False when a slide could not be encoded: a file written from
    // these lists would not open again.
    bool compressImages();
    // Rebuilds the slide list from the stored form, and the random order from its stored
    // positions, and empties the stored images (the names stay). False, with nothing changed,
    // when the two lists differ in length, a stored position is not one of a stored picture, or
    // a stored picture is not a JPEG that decodes.
    bool decompressImages();
    const std::vector<QByteArray> &storedImages() const { return compressedImages; }
    const std::vector<QString> &storedNames() const { return names; }
    const std::vector<int32_t> &storedRandomOrder() const { return randomPositions; }
    // What a show file holds: the stored form, with the random order as positions in it.
    void restoreArchived(std::vector<QByteArray> images, std::vector<QString> imageNames,
                         std::vector<int32_t> randomOrderPositions);

    // Import. Each asks for files and folders (in the open panel) or takes the given paths,
    // appends every picture loaded to the end of the slide list, and answers the first slide
    // of the whole list; nullptr when the user cancelled, nothing was found, or a file did not
    // load (the user has then been told, and slides appended before that file stay).
    SlidePtr selectImages();
    // The paths are imported in numericCompare order.
    SlidePtr selectImagesFromDrag(const QStringList &paths);
    // Appends every picture file beneath `folder`, at any depth. 0 when the whole folder was
    // scanned, -1 when a picture in it did not load and the scan stopped there.
    int32_t scanDirectory(const QString &folder);
    // While one runs, the progress window lets events through; another import must wait.
    static bool importInProgress();
    // An import into this slide list runs: the list is half filled until it ends.
    bool isImporting() const { return importing; }

private:
    struct ImportItem
    {
        QString path;
        bool inFolder = false; // found by a folder scan, not named by the user
    };
    // TooLarge: a file failed for its size, not its content.
    enum class LoadResult { Loaded, Failed, TooLarge };

    SlidePtr importPaths(const QStringList &paths);
    void showProgressWindow();
    void closeProgressWindow();
    std::vector<ImportItem> folderItems(const QString &folder) const;
    // Loads `items` in order and appends each slide; stops at the first that does not load,
    // whose file name goes to `failedName`.
    LoadResult loadItems(const std::vector<ImportItem> &items, int &appended, QString &failedName);
    SlidePtr nothingFound();
    SlidePtr loadFailure(LoadResult why, const QString &failedName);

    const std::vector<SlidePtr> &orderInUse() const;
    SlidePtr slideInUseAt(int32_t index) const;
    std::optional<int32_t> nextIndex() const;
    std::optional<int32_t> previousIndex() const;

    Services m_services;

    bool random = false;
    int32_t currentIndex = 0;
    bool loop = false;
    bool importing = false;
    std::vector<SlidePtr> imagesToDisplay;
    std::vector<QByteArray> compressedImages;
    std::vector<SlidePtr> randomOrder;
    std::vector<QString> names;
    std::vector<int32_t> randomPositions; // the stored form of randomOrder
};

} // namespace lanternreel
