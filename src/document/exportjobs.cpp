#include "exportjobs.h"

#include <QDir>
#include <QFileInfo>

namespace lanternreel {

VideoExportJob::VideoExportJob(VideoExportSettings settings, QObject *parent)
    : Job(parent)
    , m_path(settings.path)
{
    start<VideoExportResult>(
        [settings = std::move(settings)](const WorkControl &control) {
            return writeVideo(settings, control);
        },
        [this](VideoExportResult result) { m_result = std::move(result); });
}

QString VideoExportJob::progressText(int done, int total) const
{
    return tr("Exported %1 of %2 seconds of video")
        .arg(done / VideoFramesPerSecond)
        .arg((total + VideoFramesPerSecond - 1) / VideoFramesPerSecond);
}

QString VideoExportJob::title() const
{
    return tr("Exporting “%1”").arg(QFileInfo(m_path).fileName());
}

SlidesExportJob::SlidesExportJob(std::vector<SlidePtr> slides, const QString &folder,
                                 ExistingFiles existing, QObject *parent)
    : Job(parent)
    , m_slides(std::move(slides))
    , m_folder(folder)
{
    start<SlidesExportResult>(
        [slides = m_slides, folder, existing](const WorkControl &control) {
            return writeSlides(slides, folder, existing, control);
        },
        [this](SlidesExportResult result) { m_result = std::move(result); });
}

QString SlidesExportJob::progressText(int done, int total) const
{
    return tr("Exported %1 of %2 slides").arg(done).arg(total);
}

QString SlidesExportJob::title() const
{
    return tr("Exporting Slides to “%1”").arg(QDir(m_folder).dirName());
}

} // namespace lanternreel
