// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/job.h"
#include "slides/imagehandler.h"

#include <QStringList>

namespace lanternreel {

// Loads the pictures of one import off the GUI thread (ImageHandler::loadImages); the show
// takes them, all at once, once the job has finished. The first slide is also handed over as
// soon as it is loaded, for a show that has nothing to show meanwhile.
class ImportJob : public Job
{
    Q_OBJECT

public:
    // Starts at once, with the paths in the order they are imported.
    explicit ImportJob(QStringList paths, QObject *parent = nullptr);

    // Once finished.
    const ImportResult &result() const { return m_result; }
    QString progressText(int done, int total) const override;
    QString title() const override;

signals:
    // The import's first slide, as soon as it is loaded; always before `finished`.
    void firstLoaded(const lanternreel::SlidePtr &slide);

private:
    ImportResult m_result;
};

} // namespace lanternreel
