// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "slides/slide.h"

#include <QColor>
#include <QSize>
#include <QString>

namespace lanternreel::testing {

// A slide of one plain colour, named `name`.
SlidePtr makeSlide(const QString &name, QSize size = QSize(40, 30), QColor color = Qt::gray);

} // namespace lanternreel::testing
