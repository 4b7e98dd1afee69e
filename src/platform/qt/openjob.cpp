// SPDX-License-Identifier: GPL-3.0-or-later
#include "openjob.h"

#include <QFile>
#include <QFileInfo>

namespace lanternreel {

namespace {

OpenJob::Result open(const QString &path, const Document::ReadWork &work,
                     const WorkControl &control)
{
    OpenJob::Result result;
    QFile file(path);
    const QFileInfo info(path);
    // Opening a FIFO would wait for a writer for ever, and a device is no file to read a
    // document from.
    if (info.exists() && !info.isFile())
        result.why = OpenJob::tr("It is not a regular file.");
    else if (!file.open(QIODevice::ReadOnly))
        result.why = file.errorString();
    else
        result.content = work(file, control, &result.why);
    if (control.isCancelled()) {
        result.content = nullptr;
        result.cancelled = true;
    }
    return result;
}

} // namespace

OpenJob::OpenJob(const QString &path, Document::ReadWork work, QObject *parent)
    : Job(parent)
    , m_path(path)
{
    start<Result>([path, work = std::move(work)](
                      const WorkControl &control) { return open(path, work, control); },
                  [this](Result result) { m_result = std::move(result); });
}

QString OpenJob::progressText(int done, int total) const
{
    return tr("Opened %1 of %2 images").arg(done).arg(total);
}

QString OpenJob::title() const
{
    return tr("Opening “%1”").arg(QFileInfo(m_path).fileName());
}

} // namespace lanternreel
