// SPDX-License-Identifier: GPL-3.0-or-later
#include "savejob.h"

#include "directwritedevice.h"

#include <QFileInfo>
#include <QSaveFile>

namespace lanternreel {

namespace {

// The file and its writer are made, used and let go on the worker thread alone.
SaveJob::Result save(const QString &path, const Document::WriteWork &work,
                     const WorkControl &control)
{
    SaveJob::Result result;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.why = file.errorString();
        return result;
    }
    DirectWriteDevice device(file);
    const bool written = work(device, control);
    if (control.isCancelled()) {
        file.cancelWriting();
        result.cancelled = true;
        return result;
    }
    if (!written || !device.finish()) {
        result.why = device.failed() ? device.errorString()
                                     : SaveJob::tr("Its content could not be written.");
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result.why = file.errorString();
        return result;
    }
    result.saved = true;
    return result;
}

} // namespace

SaveJob::SaveJob(const QString &path, Document::WriteWork work, QObject *parent)
    : Job(parent)
    , m_path(path)
{
    start<Result>([path, work = std::move(work)](
                      const WorkControl &control) { return save(path, work, control); },
                  [this](Result result) { m_result = std::move(result); });
}

QString SaveJob::progressText(int done, int total) const
{
    return tr("Saved %1 of %2 images").arg(done).arg(total);
}

QString SaveJob::title() const
{
    return tr("Saving “%1”").arg(QFileInfo(m_path).fileName());
}

} // namespace lanternreel
