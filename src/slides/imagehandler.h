#pragma once

#include "platform/services.h"
#include "slides/slide.h"

#include <QByteArray>
#include <QString>
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

private:
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
};

} // namespace lanternreel
