#include "qtalerts.h"

#include <QApplication>
#include <QMessageBox>

namespace lanternreel {

void QtAlerts::beep()
{
    QApplication::beep();
}

void QtAlerts::alert(const QString &messageText, const QString &informativeText)
{
    QMessageBox box(QApplication::activeWindow());
    box.setIcon(QMessageBox::Warning);
    box.setWindowTitle(messageText);
    box.setText(messageText);
    box.setInformativeText(informativeText);
    box.setStandardButtons(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace lanternreel
