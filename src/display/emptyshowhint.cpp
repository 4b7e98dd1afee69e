// SPDX-License-Identifier: GPL-3.0-or-later
#include "emptyshowhint.h"

#include "document/show.h"
#include "slides/imagehandler.h"

#include <QVBoxLayout>

namespace lanternreel {

EmptyShowHint::EmptyShowHint(const Show &show, QWidget *view)
    : QLabel(view)
    , m_show(show)
{
    setObjectName(QStringLiteral("emptyShowHint"));
    setText(tr("Drop pictures or folders here, or choose Slideshow \u203a Import Images…"));
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, Qt::gray);
    setPalette(colours);
    auto *layout = new QVBoxLayout(view);
    layout->addWidget(this, 0, Qt::AlignCenter);
    connect(&show, &Show::currentSlideChanged, this, &EmptyShowHint::follow);
    connect(&show, &Show::shownSlideChanged, this, &EmptyShowHint::follow);
    follow();
}

void EmptyShowHint::follow()
{
    setVisible(m_show.slides().numImages() == 0);
}

} // namespace lanternreel
