// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagehandler.h"

#include "platform/alerts.h"
#include "platform/log.h"
#include "platform/openpanels.h"
#include "slides/imagecodec.h"
#include "slides/jpegencoder.h"
#include "slides/numericcompare.h"
#include "slides/parallelmap.h"
#include "slides/randomorder.h"
#include "slides/slideloader.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <atomic>
#include <deque>
#include <functional>
#include <unordered_map>

namespace lanternreel {

ImageHandler::ImageHandler(const Services &services)
    : m_services(services)
{ }

ImageHandler::~ImageHandler() = default;

int32_t ImageHandler::numImages() const
{
    return static_cast<int32_t>(imagesToDisplay.size());
}

const std::vector<SlidePtr> &ImageHandler::orderInUse() const
{
    return random ? randomOrder : imagesToDisplay;
}

// Reads the order in use; a position outside it answers "no slide" rather than reading past
// the end (the position is set without a range check).
SlidePtr ImageHandler::slideInUseAt(int32_t index) const
{
    const auto &order = orderInUse();
    if (index < 0 || static_cast<size_t>(index) >= order.size())
        return nullptr;
    return order[static_cast<size_t>(index)];
}

SlidePtr ImageHandler::curImage() const
{
    if (imagesToDisplay.empty() && randomOrder.empty())
        return nullptr;
    // With random off and an empty slide list, a random order left from before is not a
    // slide of this show: there is nothing to show.
    return slideInUseAt(currentIndex);
}

SlidePtr ImageHandler::firstImage() const
{
    if (imagesToDisplay.empty())
        return nullptr;
    return slideInUseAt(0);
}

// The position nextImage() moves to; nothing when it would answer "no slide" without moving.
std::optional<int32_t> ImageHandler::nextIndex() const
{
    if (imagesToDisplay.empty())
        return std::nullopt;
    if (currentIndex == numImages() - 1) {
        if (!loop)
            return std::nullopt;
        return 0;
    }
    return currentIndex + 1;
}

std::optional<int32_t> ImageHandler::previousIndex() const
{
    if (imagesToDisplay.size() < 2)
        return std::nullopt;
    if (currentIndex != 0)
        return currentIndex - 1;
    if (!loop)
        return std::nullopt;
    return numImages() - 1;
}

SlidePtr ImageHandler::nextImage()
{
    const auto index = nextIndex();
    if (!index)
        return nullptr;
    currentIndex = *index;
    return slideInUseAt(currentIndex);
}

SlidePtr ImageHandler::previousImage()
{
    const auto index = previousIndex();
    if (!index)
        return nullptr;
    currentIndex = *index;
    return slideInUseAt(currentIndex);
}

SlidePtr ImageHandler::peekNextImage() const
{
    const auto index = nextIndex();
    return index ? slideInUseAt(*index) : nullptr;
}

SlidePtr ImageHandler::peekPreviousImage() const
{
    const auto index = previousIndex();
    return index ? slideInUseAt(*index) : nullptr;
}

SlidePtr ImageHandler::removeCurrentImage()
{
    if (imagesToDisplay.empty()) {
        m_services.alerts->beep();
        return nullptr;
    }
    if (random) {
        if (currentIndex >= 0 && static_cast<size_t>(currentIndex) < randomOrder.size()) {
            const SlidePtr shown = randomOrder[static_cast<size_t>(currentIndex)];
            randomOrder.erase(randomOrder.begin() + currentIndex);
            auto it = std::find(imagesToDisplay.begin(), imagesToDisplay.end(), shown);
            if (it != imagesToDisplay.end())
                imagesToDisplay.erase(it);
        }
    } else if (currentIndex >= 0 && currentIndex < numImages()) {
        imagesToDisplay.erase(imagesToDisplay.begin() + currentIndex);
    }

    if (imagesToDisplay.empty()) {
        currentIndex = 0;
        return nullptr;
    }
    if (imagesToDisplay.size() == 1) {
        currentIndex = 0;
        return slideInUseAt(0);
    }
    if (currentIndex == numImages())
        --currentIndex;
    return slideInUseAt(currentIndex);
}

void ImageHandler::removeAllImages()
{
    if (imagesToDisplay.empty()) {
        m_services.alerts->beep();
        return;
    }
    imagesToDisplay.clear();
    randomOrder.clear();
    currentIndex = 0;
}

void ImageHandler::setRandom(bool flag)
{
    if (!flag && !imagesToDisplay.empty()) {
        for (int32_t i = 0; i < numImages(); ++i) {
            // Asked afresh at each step, with random still at its old value. A slide without
            // a name matches nothing.
            const SlidePtr shown = curImage();
            const SlidePtr &candidate = imagesToDisplay[static_cast<size_t>(i)];
            if (shown && shown->hasName() && candidate->hasName()
                && candidate->name() == shown->name()) {
                currentIndex = i;
                m_services.log->out(QStringLiteral("Current index %1").arg(i));
                break;
            }
        }
    }
    random = flag;
    if (flag) {
        getNewRandomOrder();
        currentIndex = 0;
    }
}

void ImageHandler::getNewRandomOrder()
{
    randomOrder.clear();
    const auto result = UmRandomOrder(numImages(), 3, 1, *m_services.log);
    QList<int32_t> permutation = std::get<QList<int32_t>>(result);
    for (qsizetype k = 1; k < permutation.size(); ++k) {
        if (permutation[k] == currentIndex) {
            std::swap(permutation[k], permutation[0]);
            break;
        }
    }
    randomOrder.reserve(static_cast<size_t>(permutation.size()));
    for (int32_t p : permutation)
        randomOrder.push_back(imagesToDisplay[static_cast<size_t>(p)]);
}

void ImageHandler::appendSlide(SlidePtr slide)
{
    imagesToDisplay.push_back(std::move(slide));
}

// While random is off the random order keeps slides the user has since removed; only the ones
// still shown may be written, and each as a reference to its stored picture. A slide held twice
// in the slide list takes its positions in turn.
std::vector<int32_t> ImageHandler::randomOrderPositions() const
{
    std::unordered_map<const Slide *, std::deque<int32_t>> positions;
    for (size_t i = 0; i < imagesToDisplay.size(); ++i)
        positions[imagesToDisplay[i].get()].push_back(static_cast<int32_t>(i));
    std::vector<int32_t> stored;
    for (const SlidePtr &slide : randomOrder) {
        const auto found = positions.find(slide.get());
        if (found == positions.end() || found->second.empty())
            continue;
        stored.push_back(found->second.front());
        found->second.pop_front();
    }
    return stored;
}

bool ImageHandler::compressImages()
{
    compressedImages = storedJpegs(imagesToDisplay);
    names.clear();
    names.reserve(imagesToDisplay.size());
    for (const SlidePtr &slide : imagesToDisplay)
        names.push_back(slide->name());

    randomPositions = randomOrderPositions();

    return std::none_of(compressedImages.begin(), compressedImages.end(),
                        [](const QByteArray &jpeg) { return jpeg.isEmpty(); });
}

bool ImageHandler::decompressImages(const WorkControl *control)
{
    if (compressedImages.size() != names.size())
        return false;
    // Each picture is decoded in full once (at the smallest DCT scale), so a damaged file is
    // refused now, not shown half grey later; the checks run side by side on the pool.
    const int total = static_cast<int>(compressedImages.size());
    std::atomic<int> decoded { 0 };
    if (control)
        control->progress(0, total);
    std::vector<std::optional<StoredPicture>> checked = mapInOrder<std::optional<StoredPicture>>(
        compressedImages.size(), [&](std::size_t i) -> std::optional<StoredPicture> {
            if (control && control->isCancelled())
                return std::nullopt;
            auto picture = Slide::checkStoredJpeg(compressedImages[i]);
            if (control)
                control->progress(++decoded, total);
            return picture;
        });
    std::vector<StoredPicture> pictures;
    pictures.reserve(checked.size());
    for (auto &picture : checked) {
        if (!picture)
            return false;
        pictures.push_back(std::move(*picture));
    }
    return takeStoredPictures(std::move(pictures));
}

bool ImageHandler::takeStoredPictures(std::vector<StoredPicture> pictures)
{
    if (pictures.size() != names.size())
        return false;
    std::vector<bool> taken(pictures.size(), false);
    for (int32_t position : randomPositions) {
        if (position < 0 || static_cast<size_t>(position) >= taken.size()
            || taken[static_cast<size_t>(position)])
            return false;
        taken[static_cast<size_t>(position)] = true;
    }
    std::vector<SlidePtr> rebuilt;
    rebuilt.reserve(pictures.size());
    for (size_t i = 0; i < pictures.size(); ++i)
        rebuilt.push_back(Slide::fromStoredPicture(names[i], pictures[i]));
    imagesToDisplay = std::move(rebuilt);
    randomOrder.clear();
    randomOrder.reserve(randomPositions.size());
    for (int32_t position : randomPositions)
        randomOrder.push_back(imagesToDisplay[static_cast<size_t>(position)]);
    compressedImages.clear();
    randomPositions.clear();
    return true;
}

void ImageHandler::restoreArchived(std::vector<QByteArray> images, std::vector<QString> imageNames,
                                   std::vector<int32_t> randomOrderPositions)
{
    compressedImages = std::move(images);
    names = std::move(imageNames);
    randomPositions = std::move(randomOrderPositions);
}

std::optional<QStringList> ImageHandler::chooseImages() const
{
    return m_services.openPanels->chooseImages(imageFileTypes());
}

QStringList ImageHandler::dragOrder(const QStringList &paths)
{
    QStringList sorted = paths;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const QString &a, const QString &b) { return numericCompare(a, b) < 0; });
    return sorted;
}

namespace {

struct ImportItem
{
    QString path;
    bool inFolder = false; // found by a folder scan, not named by the user
};

// Every entry at any depth, each folder's entries in numericCompare order (as paths handed over
// are sorted) and a folder's contents right after the folder itself. Only names with a picture
// extension, in any case, are kept (a folder so named is kept too, and fails to load). A folder
// reached a second time, through a symbolic link, is not entered again, so a link back up the
// tree ends; a folder that cannot be read lists nothing. Listing reads no file, so special
// files are left to the load to refuse.
std::vector<ImportItem> folderItems(const QString &folder)
{
    std::vector<ImportItem> items;
    QSet<QString> visited { QFileInfo(folder).canonicalFilePath() };
    std::function<void(const QString &)> list = [&](const QString &relative) {
        const QString here = relative.isEmpty() ? folder : folder + QLatin1Char('/') + relative;
        QFileInfoList entries = QDir(here).entryInfoList(
            QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Unsorted);
        std::stable_sort(entries.begin(), entries.end(),
                         [](const QFileInfo &a, const QFileInfo &b) {
                             return numericCompare(a.fileName(), b.fileName()) < 0;
                         });
        for (const QFileInfo &entry : entries) {
            const QString entryRelative = relative.isEmpty()
                ? entry.fileName()
                : relative + QLatin1Char('/') + entry.fileName();
            if (hasImageExtension(entry.fileName()))
                items.push_back({ folder + QLatin1Char('/') + entryRelative, true });
            if (entry.isDir()) {
                const QString canonical = entry.canonicalFilePath();
                if (!canonical.isEmpty() && !visited.contains(canonical)) {
                    visited.insert(canonical);
                    list(entryRelative);
                }
            }
        }
    };
    list(QString());
    return items;
}

// Loads `items` in order; stops at the first that does not load, or once `control` is
// cancelled.
ImportResult loadItems(const std::vector<ImportItem> &items, const WorkControl &control,
                       const std::function<void(const SlidePtr &)> &firstLoaded = {})
{
    ImportResult result;
    QStringList paths;
    paths.reserve(static_cast<qsizetype>(items.size()));
    for (const ImportItem &item : items)
        paths.append(item.path);
    const int total = static_cast<int>(items.size());
    control.progress(0, total);
    SlideLoader loader(paths);
    for (size_t i = 0; i < items.size(); ++i) {
        if (control.isCancelled()) {
            result.outcome = ImportResult::Outcome::Cancelled;
            return result;
        }
        ImageFault fault = ImageFault::None;
        QString why;
        SlidePtr slide = loader.next(&fault, &why);
        if (!slide) {
            result.outcome = fault == ImageFault::TooLarge ? ImportResult::Outcome::TooLarge
                : fault == ImageFault::NotKept             ? ImportResult::Outcome::NotKept
                                                           : ImportResult::Outcome::Failed;
            result.failedName = QFileInfo(items[i].path).fileName();
            result.failedPath = QFileInfo(items[i].path).absoluteFilePath();
            result.failedInFolder = items[i].inFolder;
            result.why = why;
            return result;
        }
        if (i == 0 && firstLoaded)
            firstLoaded(slide);
        result.slides.push_back(std::move(slide));
        control.progress(static_cast<int>(i + 1), total);
    }
    return result;
}

} // namespace

ImportResult ImageHandler::loadImages(const QStringList &paths, const WorkControl &control,
                                      const std::function<void(const SlidePtr &)> &firstLoaded)
{
    std::vector<ImportItem> items;
    for (const QString &path : paths) {
        if (control.isCancelled()) {
            ImportResult cancelled;
            cancelled.outcome = ImportResult::Outcome::Cancelled;
            return cancelled;
        }
        if (QFileInfo(path).isDir()) {
            auto found = folderItems(path);
            items.insert(items.end(), std::make_move_iterator(found.begin()),
                         std::make_move_iterator(found.end()));
        } else {
            items.push_back({ path, false });
        }
    }
    return loadItems(items, control, firstLoaded);
}

bool ImageHandler::takeFirstOfImport(const SlidePtr &first)
{
    if (!imagesToDisplay.empty() || !first)
        return false;
    imagesToDisplay.push_back(first);
    // Navigation relies on both lists holding the same slides while random is on; the import's
    // end makes the order afresh from all of them, as it would have anyway.
    if (random)
        getNewRandomOrder();
    return true;
}

SlidePtr ImageHandler::applyImport(const ImportResult &result, size_t alreadyTaken)
{
    alreadyTaken = std::min(alreadyTaken, result.slides.size());
    imagesToDisplay.insert(imagesToDisplay.end(), result.slides.begin() + alreadyTaken,
                           result.slides.end());
    // The two lists must hold the same slides while random is on, so slides that did load are
    // shuffled in even when the import as a whole failed or was cancelled.
    if (random && !result.slides.empty())
        getNewRandomOrder();
    switch (result.outcome) {
    case ImportResult::Outcome::Failed:
    case ImportResult::Outcome::TooLarge:
    case ImportResult::Outcome::NotKept:
        if (result.failedInFolder)
            m_services.log->out(QStringLiteral("Error loading images."));
        return loadFailure(result);
    case ImportResult::Outcome::Cancelled:
        return nullptr;
    case ImportResult::Outcome::Loaded:
        break;
    }
    if (imagesToDisplay.empty())
        return nothingFound();
    return imagesToDisplay.front();
}

int32_t ImageHandler::scanDirectory(const QString &folder)
{
    const WorkControl control;
    const ImportResult result = loadItems(folderItems(folder), control);
    imagesToDisplay.insert(imagesToDisplay.end(), result.slides.begin(), result.slides.end());
    if (result.outcome == ImportResult::Outcome::Loaded)
        return 0;
    m_services.log->out(QStringLiteral("Error loading images."));
    return -1;
}

SlidePtr ImageHandler::nothingFound()
{
    m_services.alerts->beep();
    m_services.alerts->alert(tr("No Valid Files Found"), tr("No valid image files were found."));
    return nullptr;
}

SlidePtr ImageHandler::loadFailure(const ImportResult &result)
{
    m_services.alerts->beep();
    const QString problem = tr("Lanternreel encountered problems loading your images.");
    // A picture refused for its size, or for want of room on the disk, is not corrupt, and
    // saying so would send the user looking for damage that is not there.
    QString advice = tr("Please make sure none are corrupt.");
    if (result.outcome == ImportResult::Outcome::TooLarge)
        advice = tr("\u201c%1\u201d is too large: Lanternreel reads picture files of up "
                    "to %2 MB holding up to %3 megapixels.")
                     .arg(result.failedName)
                     .arg(MaxFileBytes / (int64_t { 1024 } * 1024))
                     .arg(MaxDecodedBytes / 4 / 1000000);
    else if (result.outcome == ImportResult::Outcome::NotKept)
        advice = tr("\u201c%1\u201d could not be kept for the slideshow. %2 Make room there, "
                    "then import the pictures from this one on again.")
                     .arg(result.failedName, result.why);
    // Which file it was, so the user knows which one to look at.
    m_services.alerts->alert(
        tr("Problem Loading Images"), problem + QLatin1Char(' ') + advice,
        tr("The file that did not load:\n%1").arg(QDir::toNativeSeparators(result.failedPath)));
    return nullptr;
}

} // namespace lanternreel
