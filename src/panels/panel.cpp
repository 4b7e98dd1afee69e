// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel.h"

namespace lanternreel {

Panel::Panel(QWidget *parent)
    : QDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // Escape ends a dialog without closing it; it goes all the same.
    connect(this, &QDialog::finished, this, &QObject::deleteLater);
}

void Panel::bringForward()
{
    show();
    raise();
    activateWindow();
}

} // namespace lanternreel
