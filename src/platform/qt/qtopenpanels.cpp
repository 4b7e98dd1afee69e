// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtopenpanels.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace lanternreel {

namespace {

QString nameFilter(const QString &label, const QStringList &extensions)
{
    QStringList patterns;
    for (const QString &extension : extensions)
        patterns.append(QStringLiteral("*.") + extension);
    return QStringLiteral("%1 (%2)").arg(label, patterns.join(QLatin1Char(' ')));
}

// Qt's chooser picks either files or one folder. This one lists folders and the image files,
// lets the user select any mix of them, and takes the selection as it stands when "Open" is
// pressed; double-clicking a folder still goes into it.
class FilesAndFoldersDialog : public QFileDialog
{
public:
    FilesAndFoldersDialog(QWidget *parent, const QString &caption)
        : QFileDialog(parent, caption)
    {
        // Only Qt's own dialog can be taught to take folders and files together.
        setOption(QFileDialog::DontUseNativeDialog);
        // Several at once; a selected folder keeps "Open" enabled, and accept() takes it.
        setFileMode(QFileDialog::ExistingFiles);
    }

    QStringList chosen;

    void accept() override
    {
        const QStringList selected = selectedFiles();
        if (selected.isEmpty())
            return;
        for (const QString &path : selected) {
            if (!QFileInfo::exists(path))
                return;
        }
        chosen = selected;
        // Past QFileDialog's own, which would open a chosen folder instead of taking it.
        QDialog::accept(); // NOLINT(bugprone-parent-virtual-call)
    }
};

} // namespace

std::optional<QStringList> QtOpenPanels::chooseImages(const QStringList &extensions)
{
    FilesAndFoldersDialog dialog(QApplication::activeWindow(), QObject::tr("Import Images"));
    dialog.setNameFilter(nameFilter(QObject::tr("Images"), extensions));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosen;
}

std::optional<QStringList> QtOpenPanels::chooseSounds(const QStringList &extensions)
{
    QFileDialog dialog(QApplication::activeWindow(), QObject::tr("Add Sound"));
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilter(nameFilter(QObject::tr("Sounds"), extensions));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFiles();
}

std::optional<QString> QtOpenPanels::chooseFolder(const QString &title)
{
    QFileDialog dialog(QApplication::activeWindow(), title);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front();
}

} // namespace lanternreel
