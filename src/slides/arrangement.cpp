#include "slides/imagehandler.h"

#include <algorithm>

// Arranging a show's slides: moving and removing them by their rows, and putting both orders
// back as they were when a change is undone.

namespace lanternreel {

namespace {

// Which rows of a list of `count` are named, each once.
std::vector<bool> marked(const std::vector<int32_t> &rows, int32_t count)
{
    std::vector<bool> marks(static_cast<size_t>(std::max(0, count)), false);
    for (int32_t row : rows) {
        if (row >= 0 && row < count)
            marks[static_cast<size_t>(row)] = true;
    }
    return marks;
}

// The first position of `slide` in `list`; -1 when it is not there.
int32_t positionIn(const std::vector<SlidePtr> &list, const SlidePtr &slide)
{
    const auto it = std::find(list.begin(), list.end(), slide);
    return it == list.end() ? -1 : static_cast<int32_t>(it - list.begin());
}

} // namespace

SlideOrder ImageHandler::order() const
{
    return { imagesToDisplay, randomOrder, currentIndex, random };
}

void ImageHandler::restoreOrder(const SlideOrder &order)
{
    imagesToDisplay = order.display;
    randomOrder = order.random;
    currentIndex = order.index;
    if (order.randomOn == random)
        return;
    // The position counts in the other order now: it follows the slide instead.
    const std::vector<SlidePtr> &then = order.randomOn ? order.random : order.display;
    SlidePtr current;
    if (order.index >= 0 && static_cast<size_t>(order.index) < then.size())
        current = then[static_cast<size_t>(order.index)];
    currentIndex = std::max(0, positionIn(imagesToDisplay, current));
    if (random) {
        getNewRandomOrder();
        currentIndex = 0;
    }
}

bool ImageHandler::moveSlides(const std::vector<int32_t> &rows, int32_t before)
{
    const int32_t count = numImages();
    const std::vector<bool> moving = marked(rows, count);
    before = std::clamp(before, 0, count);

    // The new order as the old rows it takes its slides from.
    std::vector<int32_t> staying;
    std::vector<int32_t> moved;
    int32_t insertAt = 0;
    for (int32_t row = 0; row < count; ++row) {
        if (moving[static_cast<size_t>(row)]) {
            moved.push_back(row);
            continue;
        }
        staying.push_back(row);
        if (row < before)
            ++insertAt;
    }
    std::vector<int32_t> from(staying.begin(), staying.begin() + insertAt);
    from.insert(from.end(), moved.begin(), moved.end());
    from.insert(from.end(), staying.begin() + insertAt, staying.end());
    bool changed = false;
    for (int32_t row = 0; row < count; ++row)
        changed = changed || from[static_cast<size_t>(row)] != row;
    if (!changed)
        return false;

    const SlidePtr current = curImage();
    std::vector<SlidePtr> rearranged;
    rearranged.reserve(from.size());
    int32_t currentRow = -1;
    for (int32_t row : from) {
        // Followed by its row rather than found by identity, so that it stays right for a
        // slide the list holds twice.
        if (!random && row == currentIndex)
            currentRow = static_cast<int32_t>(rearranged.size());
        rearranged.push_back(imagesToDisplay[static_cast<size_t>(row)]);
    }
    imagesToDisplay = std::move(rearranged);
    if (!random) {
        if (currentRow >= 0)
            currentIndex = currentRow;
        return true;
    }
    // As after an import, the random order is made anew over the new list; here it starts at
    // the slide being shown, so that the show goes on from there.
    currentIndex = std::max(0, positionIn(imagesToDisplay, current));
    getNewRandomOrder();
    currentIndex = 0;
    return true;
}

SlidePtr ImageHandler::removeSlides(const std::vector<int32_t> &rows)
{
    const int32_t count = numImages();
    const std::vector<bool> going = marked(rows, count);
    if (std::find(going.begin(), going.end(), true) == going.end())
        return curImage();

    std::vector<SlidePtr> gone;
    std::vector<SlidePtr> left;
    for (int32_t row = 0; row < count; ++row)
        (going[static_cast<size_t>(row)] ? gone : left)
            .push_back(imagesToDisplay[static_cast<size_t>(row)]);

    // Which entries of the random order go: one for each slide removed from the display order.
    std::vector<bool> goingInRandom(randomOrder.size(), false);
    if (random) {
        for (const SlidePtr &slide : gone) {
            for (size_t i = 0; i < randomOrder.size(); ++i) {
                if (!goingInRandom[i] && randomOrder[i] == slide) {
                    goingInRandom[i] = true;
                    break;
                }
            }
        }
    }
    const std::vector<bool> &goingInUse = random ? goingInRandom : going;

    // Every entry that goes before the position moves it back by one; when the current slide
    // itself goes, the next one left slides into its place.
    int32_t index = currentIndex;
    for (int32_t i = 0; i < currentIndex && static_cast<size_t>(i) < goingInUse.size(); ++i) {
        if (goingInUse[static_cast<size_t>(i)])
            --index;
    }

    imagesToDisplay = std::move(left);
    if (random) {
        std::vector<SlidePtr> keptRandom;
        for (size_t i = 0; i < randomOrder.size(); ++i) {
            if (!goingInRandom[i])
                keptRandom.push_back(randomOrder[i]);
        }
        randomOrder = std::move(keptRandom);
    }
    if (imagesToDisplay.empty()) {
        currentIndex = 0;
        return nullptr;
    }
    const auto inUse = static_cast<int32_t>(orderInUse().size());
    currentIndex = std::clamp(index, 0, std::max(0, inUse - 1));
    return slideInUseAt(currentIndex);
}

} // namespace lanternreel
