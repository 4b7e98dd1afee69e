// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/services.h"

#include <memory>

namespace lanternreel {

class ImageHandler;
class SoundHandler;

// The root object of a show file: the show's slide collection and its soundtrack. The document
// and its model share the same pair of handlers from the first save or the load on.
class Model
{
public:
    // A model with a new empty pair of handlers of its own.
    explicit Model(const Services &services);
    Model(std::shared_ptr<ImageHandler> imageHandle, std::shared_ptr<SoundHandler> soundHandle);
    ~Model();

    ImageHandler *getImageHandler() const { return imageHandle.get(); }
    SoundHandler *getSoundHandler() const { return soundHandle.get(); }
    const std::shared_ptr<ImageHandler> &imageHandler() const { return imageHandle; }
    const std::shared_ptr<SoundHandler> &soundHandler() const { return soundHandle; }
    void setImageHandler(std::shared_ptr<ImageHandler> handler)
    {
        imageHandle = std::move(handler);
    }
    void setSoundHandler(std::shared_ptr<SoundHandler> handler)
    {
        soundHandle = std::move(handler);
    }

private:
    std::shared_ptr<ImageHandler> imageHandle;
    std::shared_ptr<SoundHandler> soundHandle;
};

} // namespace lanternreel
