#include "document/relinkjob.h"
#include "mydocument.h"
#include "panels/progresspanel.h"
#include "platform/openpanels.h"
#include "platform/sounds.h"
#include "soundtrack/soundhandler.h"

// Sounds found again: a show whose sound files were moved asks for the folder they went to, and
// takes every one of them found there by its file name.

namespace lanternreel {

void MyDocument::locateMissingSounds()
{
    if (m_relinkJob)
        return;
    QStringList missing;
    for (const Sound *sound : soundHandle->unplayableSounds())
        missing.append(sound->path());
    if (missing.isEmpty())
        return;
    const std::optional<QString> folder
        = m_services.openPanels->chooseFolder(tr("Locate Sound Files"));
    if (!folder)
        return;
    auto *job = new RelinkJob(*folder, missing, *m_services.mediaLength, this);
    m_relinkJob = job;
    ProgressPanel::follow(*job, window());
    connect(job, &Job::finished, this, [this, job] {
        m_relinkJob = nullptr;
        // What was found before a cancel is kept, as an import keeps its first pictures.
        relinkSounds(job->result());
        const bool cancelled = job->isCancelled();
        job->deleteLater();
        // Those still missing are named again, with another chance to locate them; a user who
        // cancelled has had enough of it.
        if (!cancelled)
            tellAboutMissingSounds();
    });
}

bool MyDocument::isLocatingSounds() const
{
    return m_relinkJob;
}

int MyDocument::relinkSounds(const std::vector<FoundSound> &found)
{
    int relinked = 0;
    // By path, not by row: the soundtrack may have been reordered, or sounds removed, while the
    // search ran.
    const auto &sounds = soundHandle->returnSounds();
    for (int32_t row = 0; row < soundHandle->numSounds(); ++row) {
        const Sound &sound = *sounds[static_cast<size_t>(row)];
        if (sound.canPlay())
            continue;
        const auto match = std::find_if(found.begin(), found.end(), [&](const FoundSound &f) {
            return f.missingPath == sound.path();
        });
        if (match == found.end())
            continue;
        std::unique_ptr<Sound> again = m_services.sounds->makeSound(match->foundPath);
        if (again && soundHandle->relinkSound(row, std::move(again), match->seconds))
            ++relinked;
    }
    if (relinked > 0)
        setDocumentEdited(true);
    return relinked;
}

} // namespace lanternreel
