// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document.h"
#include "job.h"

namespace lanternreel {

// Writes a document's content to its file off the GUI thread: into a temporary file beside it,
// which replaces the old file only when complete, so that a failure, a cancel, a crash or a
// kill midway leaves the old file byte for byte as it was.
class SaveJob : public Job
{
    Q_OBJECT

public:
    struct Result
    {
        bool saved = false;
        bool cancelled = false;
        QString why; // why it was not saved, when it failed
    };

    // Starts at once. `work` holds what it writes, taken before.
    SaveJob(const QString &path, Document::WriteWork work, QObject *parent = nullptr);

    QString path() const { return m_path; }
    // Once finished.
    const Result &result() const { return m_result; }
    QString progressText(int done, int total) const override;
    QString title() const override;

private:
    QString m_path;
    Result m_result;
};

} // namespace lanternreel
