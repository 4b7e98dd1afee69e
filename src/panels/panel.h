// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace lanternreel {

// A panel of a document's: not modal, and let go once closed, whether by its own buttons,
// Escape or the window manager. Each command that shows one makes a new one; one opened before
// stays as it is until closed itself.
class Panel : public QDialog
{
    Q_OBJECT

public:
    // Shows the panel in front of the others, with the keyboard.
    void bringForward();

protected:
    explicit Panel(QWidget *parent);
};

} // namespace lanternreel
