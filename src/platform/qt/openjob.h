// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document.h"
#include "job.h"

namespace lanternreel {

// Reads a document's file off the GUI thread, checked whole; the document takes the content
// once the job has finished.
class OpenJob : public Job
{
    Q_OBJECT

public:
    struct Result
    {
        std::shared_ptr<DocumentContent> content; // nothing when it failed or was cancelled
        bool cancelled = false;
        QString why; // why it could not be opened, when it failed
    };

    // Starts at once.
    OpenJob(const QString &path, Document::ReadWork work, QObject *parent = nullptr);

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
