// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/importjob.h"
#include "document/show.h"
#include "mydocument.h"
#include "panels/progresspanel.h"
#include "platform/alerts.h"
#include "slides/imagehandler.h"

// The import commands: the pictures load off the GUI thread, and the show takes them in one
// step once they are all in (or the import stopped), so that nothing, a tick of the show's
// timer least of all, ever sees half an import. Only an empty show takes the first slide early,
// to have something to show meanwhile.

namespace lanternreel {

void MyDocument::selectImages()
{
    const auto chosen = m_show->slides().chooseImages();
    if (!chosen)
        return;
    importPaths(*chosen, {});
}

void MyDocument::dragOpen(const QStringList &paths, std::function<void(bool shown)> done)
{
    importPaths(ImageHandler::dragOrder(paths), std::move(done));
}

bool MyDocument::isImporting() const
{
    return m_importJob || !m_imports.empty();
}

Job *MyDocument::importJob() const
{
    return m_importJob.data();
}

void MyDocument::importPaths(QStringList paths, std::function<void(bool shown)> done)
{
    m_imports.push_back({ std::move(paths), std::move(done) });
    startNextImport();
}

// One at a time, in the order asked for, as a user dropping more files while an import runs
// expects; and none while the show is saved, since the save would mark as saved slides that
// came in after it had taken what it writes.
void MyDocument::startNextImport()
{
    if (m_importJob || isSaving() || m_imports.empty())
        return;
    PendingImport next = std::move(m_imports.front());
    m_imports.pop_front();
    m_importDone = std::move(next.done);
    m_importJob = new ImportJob(std::move(next.paths), this);
    ProgressPanel::follow(*m_importJob, window());
    connect(m_importJob, &ImportJob::firstLoaded, this, &MyDocument::takeFirstOfImport);
    connect(m_importJob, &Job::finished, this, &MyDocument::finishImport);
}

void MyDocument::takeFirstOfImport(const SlidePtr &slide)
{
    // The whole import, this first slide included, makes one step to undo.
    SlideOrder before = m_show->slides().order();
    SlidePtr shownBefore = m_show->shownSlide();
    if (!m_show->slides().takeFirstOfImport(slide))
        return;
    m_importTaken = 1;
    m_importBefore = std::move(before);
    m_importShownBefore = std::move(shownBefore);
    m_show->importStarted(slide);
}

void MyDocument::finishImport()
{
    ImportJob *job = m_importJob;
    m_importJob = nullptr;
    auto done = std::move(m_importDone);
    m_importDone = nullptr;
    // Its progress window has gone already: any alert comes after it, as after a finished
    // task.
    const bool shown = applyImport(job->result());
    job->deleteLater();
    if (done)
        done(shown);
    startNextImport();
}

bool MyDocument::applyImport(const ImportResult &result)
{
    const bool early = m_importTaken > 0;
    const SlideOrder before = early ? m_importBefore : m_show->slides().order();
    const SlidePtr shownBefore = early ? m_importShownBefore : m_show->shownSlide();
    const SlidePtr shown = m_show->slides().applyImport(result, m_importTaken);
    m_importTaken = 0;
    m_importBefore = {};
    m_importShownBefore = nullptr;
    m_show->importDone(shown);
    // A failed or cancelled import may still have brought the slides before it stopped.
    recordSlides(tr("Import Images"), before, shownBefore);
    // The first step after an import should find its slide decoded, as any other does.
    if (shown)
        prefetchNeighbours();
    return shown != nullptr;
}

QString MyDocument::busyReason() const
{
    // An import asked for during a save only waits for it.
    if (isSaving())
        return Document::busyReason();
    if (isImporting())
        return tr("Lanternreel is still importing images into this slideshow. Try again when "
                  "the import is done.");
    return Document::busyReason();
}

bool MyDocument::refuseWhileBusy()
{
    const QString reason = busyReason();
    if (reason.isEmpty())
        return false;
    m_services.alerts->beep();
    m_services.alerts->alert(tr("Slideshow Is Busy"), reason);
    return true;
}

} // namespace lanternreel
