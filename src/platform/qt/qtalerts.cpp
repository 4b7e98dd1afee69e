// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtalerts.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <algorithm>

namespace lanternreel {

namespace {

// Room beside the title for the window menu, the close button and the frame of a window
// manager's title bar, so that the title shows whole.
constexpr int TitleBarExtras = 160;
// Below this an alert's informative text wraps into a tall, thin column.
constexpr int ReadableWidth = 420;

// What the alert's title needs, measured in the bold face title bars use; never wider than most
// of the screen.
int widthForTitle(const QString &title, const QWidget &box)
{
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    int width
        = std::max(ReadableWidth, QFontMetrics(font).horizontalAdvance(title) + TitleBarExtras);
    if (const QScreen *screen = box.screen())
        width = std::min(width, screen->availableGeometry().width() * 3 / 4);
    return width;
}

void fill(QMessageBox &box, const QString &messageText, const QString &informativeText,
          const QString &details)
{
    box.setIcon(QMessageBox::Warning);
    box.setWindowTitle(messageText);
    box.setText(messageText);
    box.setInformativeText(informativeText);
    if (!details.isEmpty())
        box.setDetailedText(details);
    box.setStandardButtons(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    // A message box sizes itself to its text and ignores a minimum width: a spacer across its
    // grid holds it open.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(widthForTitle(messageText, box), 0, QSizePolicy::Minimum,
                                      QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

void QtAlerts::beep()
{
    QApplication::beep();
}

void QtAlerts::alert(const QString &messageText, const QString &informativeText,
                     const QString &details)
{
    QMessageBox box(QApplication::activeWindow());
    fill(box, messageText, informativeText, details);
    box.exec();
}

bool QtAlerts::alertOffering(const QString &messageText, const QString &informativeText,
                             const QString &otherButton)
{
    QMessageBox box(QApplication::activeWindow());
    fill(box, messageText, informativeText, QString());
    QPushButton *other = box.addButton(otherButton, QMessageBox::ActionRole);
    // "OK" stays the default: Return dismisses the alert, as every other alert's does.
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    return box.clickedButton() == other;
}

} // namespace lanternreel
