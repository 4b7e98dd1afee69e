// SPDX-License-Identifier: GPL-3.0-or-later
#include "model.h"

#include "slides/imagehandler.h"
#include "soundtrack/soundhandler.h"

namespace lanternreel {

Model::Model(const Services &services)
    : imageHandle(std::make_shared<ImageHandler>(services))
    , soundHandle(std::make_shared<SoundHandler>(services))
{ }

Model::Model(std::shared_ptr<ImageHandler> imageHandler, std::shared_ptr<SoundHandler> soundHandler)
    : imageHandle(std::move(imageHandler))
    , soundHandle(std::move(soundHandler))
{ }

Model::~Model() = default;

} // namespace lanternreel
