// SPDX-License-Identifier: GPL-3.0-or-later
#include "importjob.h"

#include <QCoreApplication>
#include <QPointer>

namespace lanternreel {

ImportJob::ImportJob(QStringList paths, QObject *parent)
    : Job(parent)
{
    // The job may be deleted while its work still runs: the work only ever reaches it through
    // the application's thread, where the pointer is tested. Posted before the work ends, the
    // slide comes before the job's finish, which is posted after it.
    auto self = std::make_shared<QPointer<ImportJob>>(this);
    start<ImportResult>(
        [paths = std::move(paths), self](const WorkControl &control) {
            return ImageHandler::loadImages(paths, control, [self](const SlidePtr &slide) {
                QMetaObject::invokeMethod(
                    QCoreApplication::instance(),
                    [self, slide] {
                        if (ImportJob *job = self->data())
                            emit job->firstLoaded(slide);
                    },
                    Qt::QueuedConnection);
            });
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
