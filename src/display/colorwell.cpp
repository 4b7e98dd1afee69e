// SPDX-License-Identifier: GPL-3.0-or-later
#include "colorwell.h"

#include <QColorDialog>
#include <QPainter>
#include <QStyleOptionButton>

namespace lanternreel {

ColorWell::ColorWell(QWidget *parent)
    : QPushButton(parent)
{
    connect(this, &QPushButton::clicked, this, &ColorWell::chooseColor);
    setToolTip(m_color.name(QColor::HexArgb));
}

void ColorWell::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    setToolTip(m_color.name(QColor::HexArgb));
    update();
    emit colorChanged(m_color);
}

QSize ColorWell::sizeHint() const
{
    return QPushButton::sizeHint().expandedTo(QSize(56, 28));
}

void ColorWell::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect swatch = style()
                             ->subElementRect(QStyle::SE_PushButtonContents, &option, this)
                             .adjusted(2, 2, -2, -2);
    QPainter painter(this);
    painter.fillRect(swatch, m_color);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
}

void ColorWell::chooseColor()
{
    const QColor chosen = QColorDialog::getColor(m_color, this, tr("Full-Screen Colour"));
    // An invalid colour means the chooser was cancelled.
    if (chosen.isValid())
        setColor(chosen);
}

} // namespace lanternreel
