// SPDX-License-Identifier: GPL-3.0-or-later
#include "testslides.h"

#include <QImage>

namespace lanternreel::testing {

SlidePtr makeSlide(const QString &name, QSize size, QColor color)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return Slide::fromImage(name, image);
}

} // namespace lanternreel::testing
