// SPDX-License-Identifier: GPL-3.0-or-later
#include "importjob.h"

namespace lanternreel {

ImportJob::ImportJob(QStringList paths, QObject *parent)
    : Job(parent)
{
    start<ImportResult>(
        [paths = std::move(paths)](const WorkControl &control) {
            return ImageHandler::loadImages(paths, control);
        },
        [this](ImportResult result) { m_result = std::move(result); });
}

QString ImportJob::progressText(int done, int total) const
{
    return tr("Imported %1 of %2 images").arg(done).arg(total);
}

QString ImportJob::title() const
{
    return tr("Importing Images");
}

} // namespace lanternreel
