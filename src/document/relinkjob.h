#pragma once

#include "platform/qt/job.h"
#include "soundtrack/relink.h"

#include <QStringList>
#include <vector>

namespace lanternreel {

class MediaLength;

// Looks for missing sound files in a folder and the folders beneath it, off the GUI thread
// (findSounds): a large tree, or one on a slow disk, takes a while.
class RelinkJob : public Job
{
    Q_OBJECT

public:
    // Starts at once. `lengths` must outlive the work (see Job::waitForAll).
    RelinkJob(QString folder, QStringList missingPaths, MediaLength &lengths,
              QObject *parent = nullptr);

    // Once finished: what was found, also when cancelled.
    const std::vector<FoundSound> &result() const { return m_result; }
    QString progressText(int done, int total) const override;
    QString title() const override;

private:
    std::vector<FoundSound> m_result;
};

} // namespace lanternreel
