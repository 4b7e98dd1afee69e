#include "relinkjob.h"

namespace lanternreel {

RelinkJob::RelinkJob(QString folder, QStringList missingPaths, MediaLength &lengths,
                     QObject *parent)
    : Job(parent)
{
    start<std::vector<FoundSound>>(
        [folder = std::move(folder), missing = std::move(missingPaths), &lengths](
            const WorkControl &control) { return findSounds(folder, missing, lengths, control); },
        [this](std::vector<FoundSound> found) { m_result = std::move(found); });
}

QString RelinkJob::progressText(int done, int) const
{
    return tr("Searched %1 folders").arg(done);
}

QString RelinkJob::title() const
{
    return tr("Locating Sound Files");
}

} // namespace lanternreel
