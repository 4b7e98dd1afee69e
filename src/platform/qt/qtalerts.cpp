#include "qtalerts.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace lanternreel {

void QtAlerts::beep()
{
    QApplication::beep();
}

namespace {

void fill(QMessageBox &box, const QString &messageText, const QString &informativeText)
{
    box.setIcon(QMessageBox::Warning);
    box.setWindowTitle(messageText);
    box.setText(messageText);
    box.setInformativeText(informativeText);
    box.setStandardButtons(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
}

} // namespace

void QtAlerts::alert(const QString &messageText, const QString &informativeText)
{
    QMessageBox box(QApplication::activeWindow());
    fill(box, messageText, informativeText);
    box.exec();
}

bool QtAlerts::alertOffering(const QString &messageText, const QString &informativeText,
                             const QString &otherButton)
{
    QMessageBox box(QApplication::activeWindow());
    fill(box, messageText, informativeText);
    QPushButton *other = box.addButton(otherButton, QMessageBox::ActionRole);
    // "OK" stays the default: Return dismisses the alert, as every other alert's does.
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    return box.clickedButton() == other;
}

} // namespace lanternreel
