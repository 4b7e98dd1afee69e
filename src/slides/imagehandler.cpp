#include "imagehandler.h"

#include "platform/alerts.h"
#include "platform/log.h"
#include "slides/randomorder.h"

#include <algorithm>

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

} // namespace lanternreel
