// SPDX-License-Identifier: GPL-3.0-or-later
#include "documentpanels.h"

#include "panels/progresspanel.h"
#include "platform/qt/qtalerts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace lanternreel {

DocumentPanels::SaveAnswer QtDocumentPanels::askToSaveChanges(const QString &displayName)
{
    QMessageBox box(
        QMessageBox::Warning, QApplication::applicationName(),
        QObject::tr("Do you want to save the changes you made to “%1”?").arg(displayName),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
        QApplication::activeWindow());
    box.setInformativeText(QObject::tr("Your changes will be lost if you don't save them."));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveAnswer::Save;
    case QMessageBox::Discard:
        return SaveAnswer::DontSave;
    default:
        return SaveAnswer::Cancel;
    }
}

std::optional<QString> QtDocumentPanels::chooseFileToOpen(const QString &filter)
{
    const QString path = QFileDialog::getOpenFileName(QApplication::activeWindow(),
                                                      QObject::tr("Open"), QString(), filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> QtDocumentPanels::chooseFileToSave(const QString &filter,
                                                          const QString &extension,
                                                          const QString &suggestedPath)
{
    QFileDialog dialog(QApplication::activeWindow(), QObject::tr("Save As"), suggestedPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The dialog adds the extension itself, so that it asks before replacing the file that
    // will really be written.
    dialog.setDefaultSuffix(extension);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void QtDocumentPanels::reportFailure(const QString &messageText, const QString &informativeText)
{
    QApplication::beep();
    // Titled like the program's other alerts, by their message, and as wide as they are.
    QtAlerts().alert(messageText, informativeText);
}

void QtDocumentPanels::showProgress(Job &job, QWidget *over)
{
    ProgressPanel::follow(job, over);
}

} // namespace lanternreel
