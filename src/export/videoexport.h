// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "slides/workcontrol.h"

#include <QColor>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

class QThread;

namespace lanternreel {

class Slide;

// What a show video is made of. The slides come through `picture`, so that the export does not
// care where a slide keeps its bytes.
struct VideoExportSettings
{
    enum class Ending {
        LastSlide, // the video ends with the last slide's time; the soundtrack is cut there
        SoundtrackEnd, // the last slide stays until the soundtrack ends ("until the music ends")
    };

    QString path; // the MP4 file to write; replaced only once the whole video is written
    QSize frameSize { 1920, 1080 }; // pixels; width and height even
    int32_t secondsPerSlide = 3; // greater than 0
    QColor background = Qt::black;
    int slideCount = 0;
    // Slide `index` (0 to slideCount - 1, in show order) upright and scaled to fit inside
    // `fitInside` (see fittedSize). Called on a worker thread, one call at a time, each slide
    // once, while the export runs; a null image fails the export. Whatever the callback keeps
    // of a picture after returning it stays in memory: a long show should not keep them all.
    std::function<QImage(int index, QSize fitInside)> picture;
    // Played one after another, without gaps.
    QStringList soundPaths;
    Ending ending = Ending::LastSlide;
};

struct VideoExportResult
{
    enum class Outcome { Written, Cancelled, Failed };
    Outcome outcome = Outcome::Failed;
    QString error; // for Failed: what went wrong, in a sentence for the user
    // The sounds left out because they are missing or unreadable: each path, as given, once.
    QStringList skippedSounds;
};

// Exactly what the callback should return for a picture of `picture` pixels: the largest size
// of the same proportions inside `frame`, at least one pixel each way.
QSize fittedSize(QSize picture, QSize frame);

// The video's frame rate. Every slide lasts whole seconds, so any whole rate shows each slide
// change on its exact frame, and players still see an ordinary constant-rate video. The encoder
// spends about 9 ms on each copy of a 1920x1080 picture, however alike they are: at 25 frames a
// second the copies alone would take half the real time, at 2 they are a tenth of the export.
// Two rather than one puts a frame on every half second, where tools that seek to a time land.
inline constexpr int VideoFramesPerSecond = 2;

// Writes the video on the calling thread: an MP4 with one H.264 stream (yuv420p) and one AAC
// stream, each slide centred on the background colour. Without any sound the AAC stream holds
// silence, so that every export has the same two streams and players, editors and sharing
// sites that expect sound treat it like any other video. The file appears under its name only
// when complete: it is written beside it under another name, and a cancelled or failed export
// leaves nothing behind. `progress` gets the frames done and the frames expected (an estimate
// while the soundtrack decides the end); `cancelled` is polled between frames.
VideoExportResult writeVideo(const VideoExportSettings &settings, const std::atomic_bool &cancelled,
                             const std::function<void(int64_t done, int64_t total)> &progress);

// The same, for work run as a job: `control` is told the frames done and expected, and stops the
// export between frames once it is cancelled.
VideoExportResult writeVideo(const VideoExportSettings &settings, const WorkControl &control);

// What `picture` should return for `slide`, decoded through the slide; keeps nothing in the
// slide that it did not hold before.
QImage slidePicture(const Slide &slide, QSize fitInside);

// Runs writeVideo on a thread of its own and reports back through signals emitted on the thread
// this object lives in (the GUI thread), never on the export's.
class VideoExport : public QObject
{
    Q_OBJECT

public:
    explicit VideoExport(VideoExportSettings settings, QObject *parent = nullptr);
    // Cancels a running export and waits for its thread, which stops within one frame's work.
    ~VideoExport() override;

    void start();
    // Asks the export to stop; finished() follows with Cancelled (or with the outcome that was
    // already reached).
    void cancel();
    bool isRunning() const;

signals:
    void progress(qint64 framesDone, qint64 framesTotal);
    void finished(const lanternreel::VideoExportResult &result);

private:
    VideoExportSettings m_settings;
    std::atomic_bool m_cancelled { false };
    std::unique_ptr<QThread> m_thread;
};

} // namespace lanternreel

Q_DECLARE_METATYPE(lanternreel::VideoExportResult)
