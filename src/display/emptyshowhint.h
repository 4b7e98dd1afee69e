// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace lanternreel {

class Show;

// A short hint over a show's view while the show has no slides: how to bring pictures in. The
// view itself still draws only its background, and drops pass through the hint to it.
class EmptyShowHint : public QLabel
{
    Q_OBJECT

public:
    EmptyShowHint(const Show &show, QWidget *view);

private:
    void follow();

    const Show &m_show;
};

} // namespace lanternreel
