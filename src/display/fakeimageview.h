// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "slides/slide.h"

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QWidget>

namespace lanternreel {

// Shows one slide: fills the whole view with its background colour, then draws the picture
// fitted into 98 % of the view's width and height, centred in that reduced area. The reduced
// area sits at the view's bottom-left corner, so the 2 % left over is a strip along the right
// or the top edge.
class FakeImageView : public QWidget
{
    Q_OBJECT

public:
    explicit FakeImageView(QWidget *parent = nullptr);

    // Scaling modes: 0 fits keeping proportions, 1 fills the reduced area, anything else draws
    // the picture at its own size.
    enum : int { ProportionalFit = 0, Fill = 1 };

    void setImage(SlidePtr image);
    const SlidePtr &image() const { return _image; }
    void setImageScaling(int scaling);
    int imageScaling() const { return _scaling; }
    void setBackgroundColor(const QColor &color);
    QColor backgroundColor() const { return _bgColor; }

    // Where the picture lands for a view of `viewSize`, in this widget's (top-left) coordinates.
    // Empty when there is nothing to draw.
    static QRectF imageRect(QSize viewSize, QSizeF imageSize, int scaling);
    // The size in device pixels at which this view, at its present size, asks `slide` for its
    // pixels; empty when it would draw nothing. Decoding ahead at this size lets a later paint
    // draw without decoding.
    QSize pixelSizeFor(const Slide &slide) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    SlidePtr _image;
    QColor _bgColor;
    int _scaling = ProportionalFit;

    // The picture already scaled for the current geometry, so that a repaint at the same size
    // draws without rescaling.
    SlidePtr m_scaledFor;
    QImage m_scaled;
};

} // namespace lanternreel
