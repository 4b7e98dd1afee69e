#include "qtopenpanels.h"

#include <QApplication>
#include <QFileDialog>

namespace lanternreel {

namespace {

QString nameFilter(const QString &label, const QStringList &extensions)
{
    QStringList patterns;
    for (const QString &extension : extensions)
        patterns.append(QStringLiteral("*.") + extension);
    return QStringLiteral("%1 (%2)").arg(label, patterns.join(QLatin1Char(' ')));
}

} // namespace

std::optional<QStringList> QtOpenPanels::chooseImages(const QStringList &extensions)
{
    QFileDialog dialog(QApplication::activeWindow(), QObject::tr("Import Images"));
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilter(nameFilter(QObject::tr("Images"), extensions));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFiles();
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

} // namespace lanternreel
