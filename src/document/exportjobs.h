#pragma once

#include "export/slidesexport.h"
#include "export/videoexport.h"
#include "platform/qt/job.h"

namespace lanternreel {

// Writes a show as a video off the GUI thread. The settings hold what it needs, taken before:
// the slides are shared and never change, so the show may go on meanwhile.
class VideoExportJob : public Job
{
    Q_OBJECT

public:
    // Starts at once.
    explicit VideoExportJob(VideoExportSettings settings, QObject *parent = nullptr);

    QString path() const { return m_path; }
    // Once finished.
    const VideoExportResult &result() const { return m_result; }
    // In seconds of video; `done` and `total` count frames.
    QString progressText(int done, int total) const override;
    QString title() const override;

private:
    QString m_path;
    VideoExportResult m_result;
};

// Writes a show's slides into a folder off the GUI thread (see writeSlides).
class SlidesExportJob : public Job
{
    Q_OBJECT

public:
    // Starts at once.
    SlidesExportJob(std::vector<SlidePtr> slides, const QString &folder, ExistingFiles existing,
                    QObject *parent = nullptr);

    QString folder() const { return m_folder; }
    const std::vector<SlidePtr> &slides() const { return m_slides; }
    // Once finished.
    const SlidesExportResult &result() const { return m_result; }
    QString progressText(int done, int total) const override;
    QString title() const override;

private:
    std::vector<SlidePtr> m_slides;
    QString m_folder;
    SlidesExportResult m_result;
};

} // namespace lanternreel
