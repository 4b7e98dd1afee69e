// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPair>
#include <QString>

class QAction;
class QWidget;

namespace lanternreel {

// The menus as the menu bar shows them: each title with its items, in order.
using MenuList = QList<QPair<QString, QList<QAction *>>>;

// A window that lists every command that has a shortcut, with its menu, read from the actions
// themselves so that it always says what the keys do. Deleted when closed.
QWidget *makeShortcutsWindow(const MenuList &menus, QWidget *parent);

// The program's name, version and licence, in a window that closes itself. Deleted when closed.
QWidget *makeAboutWindow(QWidget *parent);

} // namespace lanternreel
