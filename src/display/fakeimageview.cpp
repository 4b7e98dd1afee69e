// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeimageview.h"

#include <QPainter>
#include <QPalette>
#include <algorithm>

namespace lanternreel {

FakeImageView::FakeImageView(QWidget *parent)
    : QWidget(parent)
    , _bgColor(palette().color(QPalette::Window))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FakeImageView::setImage(SlidePtr image)
{
    // The pixels scaled for the previous picture would otherwise keep it, and a full view's
    // worth of pixels, alive after the show has let it go.
    if (image != m_scaledFor) {
        m_scaledFor.reset();
        m_scaled = QImage();
    }
    _image = std::move(image);
    update();
}

void FakeImageView::setImageScaling(int scaling)
{
    _scaling = scaling;
    update();
}

void FakeImageView::setBackgroundColor(const QColor &color)
{
    _bgColor = color;
    update();
}

QRectF FakeImageView::imageRect(QSize viewSize, QSizeF imageSize, int scaling)
{
    const float w = static_cast<float>(imageSize.width());
    const float h = static_cast<float>(imageSize.height());
    if (!(w > 0.0f) || !(h > 0.0f))
        return {};
    const float W = static_cast<float>(viewSize.width());
    const float H = static_cast<float>(viewSize.height());
    // 98 %: multiply by 49 first, then divide by 50.
    const float A = (W * 49.0f) / 50.0f;
    const float B = (H * 49.0f) / 50.0f;
    float drawnW = w;
    float drawnH = h;
    if (scaling == ProportionalFit) {
        const float s = std::min(A / w, B / h);
        drawnW = w * s;
        drawnH = s * h;
    } else if (scaling == Fill) {
        drawnW = A;
        drawnH = B;
    }
    const float px = 0.5f * (A - drawnW);
    const float py = 0.5f * (B - drawnH); // from the bottom edge
    return QRectF(px, H - py - drawnH, drawnW, drawnH);
}

// Decode at the pixels the screen will show, so that a repaint at the same size only draws.
QSize FakeImageView::pixelSizeFor(const Slide &slide) const
{
    const QRectF target = imageRect(size(), QSizeF(slide.size()), _scaling);
    if (target.isEmpty())
        return {};
    const qreal ratio = devicePixelRatioF();
    return QSize(std::max(1, qRound(target.width() * ratio)),
                 std::max(1, qRound(target.height() * ratio)));
}

void FakeImageView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), _bgColor);
    if (!_image)
        return;
    const QRectF target = imageRect(size(), QSizeF(_image->size()), _scaling);
    if (target.isEmpty())
        return;
    const QSize pixelSize = pixelSizeFor(*_image);
    if (m_scaledFor != _image || m_scaled.size() != pixelSize) {
        m_scaled = _image->pixels(pixelSize);
        m_scaledFor = _image;
    }
    if (m_scaled.isNull())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // The picture's pixels replace the background, transparency included: a clear part of a
    // picture shows no colour of the view's own.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    // The pixels are already at the size drawn, give or take the rounding to whole pixels:
    // placed at their own size they are copied, where stretching them by that fraction of a
    // pixel would resample a screenful at every paint.
    const qreal ratio = devicePixelRatioF();
    painter.drawImage(QRectF(target.topLeft(), QSizeF(m_scaled.size()) / ratio), m_scaled);
}

} // namespace lanternreel
