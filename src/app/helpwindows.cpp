// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpwindows.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace lanternreel {

namespace {

QString plain(QString text)
{
    // "&&" is a literal ampersand; a single one marks the mnemonic.
    return text.replace(QStringLiteral("&&"), QStringLiteral("\u0001"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\u0001'), QLatin1Char('&'));
}

} // namespace

QWidget *makeShortcutsWindow(const MenuList &menus, QWidget *parent)
{
    auto *window = new QDialog(parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setObjectName(QStringLiteral("shortcutsWindow"));
    window->setWindowTitle(QCoreApplication::translate("HelpWindows", "Keyboard Shortcuts"));
    auto *list = new QTreeWidget(window);
    list->setColumnCount(2);
    list->setHeaderLabels({ QCoreApplication::translate("HelpWindows", "Command"),
                            QCoreApplication::translate("HelpWindows", "Shortcut") });
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    for (const auto &[title, actions] : menus) {
        for (const QAction *action : actions) {
            if (action->isSeparator() || action->shortcut().isEmpty())
                continue;
            auto *item = new QTreeWidgetItem(list);
            item->setText(0, plain(title) + QStringLiteral(" \u203a ") + plain(action->text()));
            item->setText(1, action->shortcut().toString(QKeySequence::NativeText));
        }
    }
    list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
    QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::close);
    auto *layout = new QVBoxLayout(window);
    layout->addWidget(list);
    layout->addWidget(buttons);
    window->resize(520, 560);
    return window;
}

QWidget *makeAboutWindow(QWidget *parent)
{
    auto *box = new QMessageBox(parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setObjectName(QStringLiteral("aboutWindow"));
    box->setIconPixmap(QIcon::fromTheme(QStringLiteral("lanternreel")).pixmap(64));
    box->setWindowTitle(QCoreApplication::translate("HelpWindows", "About Lanternreel"));
    box->setText(
        QStringLiteral("<b>Lanternreel %1</b>").arg(QCoreApplication::applicationVersion()));
    box->setInformativeText(QCoreApplication::translate(
        "HelpWindows",
        "Builds a slideshow from your pictures, gives it a soundtrack and presents it.<br><br>"
        "Lanternreel is free software: you can redistribute it and/or modify it under the terms "
        "of the GNU General Public License, version 3 or (at your option) any later version. It "
        "comes with no warranty. See <a href=\"https://www.gnu.org/licenses/gpl-3.0.html\">"
        "https://www.gnu.org/licenses/gpl-3.0.html</a>."));
    box->setTextFormat(Qt::RichText);
    box->setStandardButtons(QMessageBox::Close);
    return box;
}

} // namespace lanternreel
