#include "relink.h"

#include "platform/medialength.h"
#include "slides/workcontrol.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <deque>
#include <limits>

namespace lanternreel {

std::vector<FoundSound> findSounds(const QString &folder, const QStringList &missingPaths,
                                   MediaLength &lengths, const WorkControl &control)
{
    // Several sounds may share a name; one file found serves them all.
    QHash<QString, QStringList> wanted;
    for (const QString &path : missingPaths)
        wanted[QFileInfo(path).fileName()].append(path);
    wanted.remove(QString());

    std::vector<FoundSound> found;
    struct Pending
    {
        QString path;
        int depth;
    };
    std::deque<Pending> queue { { folder, 0 } };
    QSet<QString> seen; // canonical paths: a link back up the tree is not followed round
    int searched = 0;
    while (!queue.empty() && !wanted.isEmpty() && searched < MaxSearchFolders
           && !control.isCancelled()) {
        const Pending here = std::move(queue.front());
        queue.pop_front();
        const QString canonical = QFileInfo(here.path).canonicalFilePath();
        if (canonical.isEmpty() || seen.contains(canonical))
            continue;
        seen.insert(canonical);
        ++searched;

        const QFileInfoList entries = QDir(here.path).entryInfoList(
            QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Readable, QDir::Name);
        for (const QFileInfo &entry : entries) {
            if (entry.isDir()) {
                if (here.depth + 1 <= MaxSearchDepth)
                    queue.push_back({ entry.filePath(), here.depth + 1 });
                continue;
            }
            const auto it = wanted.constFind(entry.fileName());
            // Only a file that plays: a text file of the name would leave the sound as silent
            // as the missing one, without a word.
            if (it == wanted.constEnd() || !entry.isFile())
                continue;
            const MediaDuration length = lengths.lengthOf(entry.filePath());
            if (length.duration <= 0 || length.timeScale <= 0)
                continue;
            const int64_t seconds = std::min<int64_t>(length.duration / length.timeScale,
                                                      std::numeric_limits<int32_t>::max());
            for (const QString &missing : *it)
                found.push_back({ missing, entry.filePath(), static_cast<int32_t>(seconds) });
            wanted.erase(it);
        }
        control.progress(searched, 0);
    }
    return found;
}

} // namespace lanternreel
