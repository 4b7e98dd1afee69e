// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/show.h"
#include "mydocument.h"
#include "platform/alerts.h"

#include <QLabel>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>

namespace lanternreel {

namespace {

// Half an inch, in points.
constexpr qreal PrintMargin = 36.0;

} // namespace

QPrinter &MyDocument::printInfo()
{
    if (!m_printInfo)
        m_printInfo = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printInfo;
}

std::unique_ptr<QLabel> MyDocument::printableView() const
{
    // A plain image view, not the show's own view: no background, no scaling to fit.
    auto view = std::make_unique<QLabel>();
    view->setContentsMargins(0, 0, 0, 0);
    view->setScaledContents(true);
    const SlidePtr slide = m_show->currentSlide();
    view->resize(slide ? slide->size() : QSize(0, 0));
    if (slide)
        view->setPixmap(QPixmap::fromImage(slide->pixels()));
    return view;
}

void MyDocument::printShowingPrintPanel(bool showPanels)
{
    // An empty show has nothing to print: a blank sheet is never what was asked for, so the
    // command is refused as any other command with nothing to act on.
    if (!m_show->currentSlide()) {
        m_services.alerts->beep();
        return;
    }

    // The settings are the document's own, so these margins are still there at the next page
    // setup. Qt's printer never centres: what is painted at the origin lands at the top-left
    // margins. Right and bottom margins, paper and orientation stay as the user set them.
    QPrinter &info = printInfo();
    QMarginsF margins = info.pageLayout().margins(QPageLayout::Point);
    margins.setTop(PrintMargin);
    margins.setLeft(PrintMargin);
    info.setPageMargins(margins, QPageLayout::Point);

    const std::unique_ptr<QLabel> view = printableView();

    if (showPanels) {
        QPrintDialog panel(&info, window());
        if (panel.exec() != QDialog::Accepted)
            return;
    }

    QPainter painter;
    if (!painter.begin(&info)) {
        m_services.alerts->beep();
        return;
    }
    // One pixel of the slide is one point, 1/72 inch, whatever the printer's resolution.
    const qreal scale = info.resolution() / 72.0;
    painter.scale(scale, scale);
    // At one point a pixel a photo runs far off the paper (a 12-megapixel one is some 56 inches
    // wide): a slide larger than the printable area is scaled down to fit it, proportions kept.
    // Asked after the print panel, where paper and orientation may have changed.
    QSizeF size(view->size());
    const QSizeF printable = info.pageLayout().paintRect(QPageLayout::Point).size();
    if (size.width() > printable.width() || size.height() > printable.height())
        size.scale(printable, Qt::KeepAspectRatio);
    // The view's picture goes straight into that rectangle: QWidget::render rounds the rectangle
    // to whole device pixels first, which puts the slide a point off at low resolutions.
    painter.drawPixmap(QRectF(QPointF(0, 0), size), view->pixmap(), QRectF(view->pixmap().rect()));
    painter.end();
}

void MyDocument::printDocument()
{
    printShowingPrintPanel(true);
}

void MyDocument::runPageLayout()
{
    QPageSetupDialog panel(&printInfo(), window());
    panel.exec();
}

} // namespace lanternreel
