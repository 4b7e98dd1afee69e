// SPDX-License-Identifier: GPL-3.0-or-later
#include "videoexport.h"

#include "mp4writer.h"
#include "slides/slide.h"
#include "soundtrackreader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QRandomGenerator>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <future>
#include <unistd.h>
#include <vector>

namespace lanternreel {

namespace {

constexpr int SampleRate = Mp4Writer::SampleRate;
static_assert(SoundtrackReader::SampleRate == Mp4Writer::SampleRate);
// Far beyond any show anyone sits through, and small enough that no count of samples or
// frames overflows.
constexpr int64_t MaxSeconds = int64_t(100) * 3600;
constexpr int SoundChunk = 4096; // samples a channel handed over at a time

// The file being written, beside the chosen one so that the final rename stays on one file
// system. It is removed unless kept: a cancelled or failed export leaves nothing.
class PartFile
{
public:
    explicit PartFile(const QString &target)
    {
        const QFileInfo info(target);
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QString candidate = info.dir().filePath(
                QStringLiteral(".%1.%2.part")
                    .arg(info.fileName())
                    .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
            QFile file(candidate);
            // Created here, never taken over: another program's file of that name stays its own.
            if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
                m_path = candidate;
                return;
            }
            if (!file.exists()) {
                m_error = file.errorString();
                return;
            }
        }
        m_error = QStringLiteral("no free temporary name");
    }
    ~PartFile()
    {
        if (!m_path.isEmpty() && !m_kept)
            QFile::remove(m_path);
    }
    PartFile(const PartFile &) = delete;
    PartFile &operator=(const PartFile &) = delete;

    const QString &path() const { return m_path; }
    const QString &error() const { return m_error; }

    // Puts the complete file under the chosen name, replacing what was there in one step, once
    // its bytes are on the disk.
    bool commit(const QString &target)
    {
        QFile file(m_path);
        if (!file.open(QIODevice::ReadOnly) || ::fsync(file.handle()) != 0) {
            m_error = file.errorString();
            return false;
        }
        file.close();
        if (std::rename(QFile::encodeName(m_path).constData(),
                        QFile::encodeName(target).constData())
            != 0) {
            m_error = QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
        m_kept = true;
        return true;
    }

private:
    QString m_path;
    QString m_error;
    bool m_kept = false;
};

QImage composeFrame(const QImage &picture, QSize frameSize, QColor background)
{
    QImage frame(frameSize, QImage::Format_RGB32);
    background.setAlpha(255);
    frame.fill(background);
    QImage fitted = picture;
    if (picture.width() > frameSize.width() || picture.height() > frameSize.height())
        fitted = picture.scaled(frameSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&frame);
    painter.drawImage(QPoint((frameSize.width() - fitted.width()) / 2,
                             (frameSize.height() - fitted.height()) / 2),
                      fitted);
    return frame;
}

// Frames needed to cover `samples` of time.
int64_t framesFor(int64_t samples)
{
    return (samples * VideoFramesPerSecond + SampleRate - 1) / SampleRate;
}

QString validate(const VideoExportSettings &settings)
{
    if (settings.slideCount <= 0 || !settings.picture)
        return QCoreApplication::translate("VideoExport", "There are no slides to export.");
    if (settings.secondsPerSlide <= 0)
        return QCoreApplication::translate("VideoExport",
                                           "The time between slides must be at least one second.");
    const QSize size = settings.frameSize;
    if (size.width() < 16 || size.height() < 16 || size.width() > 8192 || size.height() > 8192
        || size.width() % 2 != 0 || size.height() % 2 != 0)
        return QStringLiteral("A video of %1 × %2 pixels cannot be made: width and height must "
                              "be even, from 16 to 8192.")
            .arg(size.width())
            .arg(size.height());
    if (int64_t(settings.slideCount) * settings.secondsPerSlide > MaxSeconds)
        return QCoreApplication::translate("VideoExport",
                                           "The video would be longer than %1 hours.")
            .arg(MaxSeconds / 3600);
    return {};
}

} // namespace

QSize fittedSize(QSize picture, QSize frame)
{
    if (picture.isEmpty() || frame.isEmpty())
        return {};
    return picture.scaled(frame, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

namespace {

VideoExportResult write(const VideoExportSettings &settings, const std::function<bool()> &cancelled,
                        const std::function<void(int64_t, int64_t)> &progress)
{
    VideoExportResult result;
    const auto failed = [&result](const QString &message) {
        result.outcome = VideoExportResult::Outcome::Failed;
        result.error = message;
        return result;
    };
    const auto writeFailed = [&](const QString &why) {
        return failed(QCoreApplication::translate("VideoExport",
                                                  "The video could not be written to “%1”: %2.")
                          .arg(QDir::toNativeSeparators(settings.path), why));
    };
    if (const QString invalid = validate(settings); !invalid.isEmpty())
        return failed(invalid);

    try {
        SoundtrackReader soundtrack(settings.soundPaths);
        result.skippedSounds = soundtrack.skipped();

        PartFile part(settings.path);
        if (part.path().isEmpty())
            return writeFailed(part.error());
        Mp4Writer writer;
        if (!writer.open(part.path(), settings.frameSize, VideoFramesPerSecond))
            return writeFailed(writer.error());

        const int64_t slidesEnd
            = int64_t(settings.slideCount) * settings.secondsPerSlide * SampleRate;
        const bool soundtrackDecides
            = settings.ending == VideoExportSettings::Ending::SoundtrackEnd;
        // In samples; unknown (-1) while the soundtrack still decides it.
        int64_t end = soundtrackDecides ? -1 : slidesEnd;
        const int64_t expectedEnd = soundtrackDecides
            ? std::clamp(soundtrack.claimedSamples(), slidesEnd, MaxSeconds * SampleRate)
            : slidesEnd;

        std::vector<float> left(SoundChunk), right(SoundChunk);
        int64_t soundWritten = 0;
        bool soundtrackOver = false;
        // Sound up to `until` (no further than the end), then silence once the soundtrack is
        // over, so that the sound stream always runs as long as the pictures.
        const auto writeSound = [&](int64_t until) {
            for (;;) {
                const int64_t limit = end >= 0 ? std::min(until, end) : until;
                if (soundWritten >= limit)
                    return true;
                const int wanted = int(std::min<int64_t>(SoundChunk, limit - soundWritten));
                int got = soundtrackOver ? 0 : soundtrack.read(left.data(), right.data(), wanted);
                if (got < wanted && !soundtrackOver) {
                    soundtrackOver = true;
                    if (end < 0)
                        end = std::max(slidesEnd, soundWritten + got);
                }
                if (soundtrackOver) {
                    const int64_t newLimit = end >= 0 ? std::min(until, end) : until;
                    const int silent = int(std::min<int64_t>(wanted, newLimit - soundWritten));
                    std::fill(left.begin() + got, left.begin() + silent, 0.0f);
                    std::fill(right.begin() + got, right.begin() + silent, 0.0f);
                    got = silent;
                }
                if (!writer.writeSound(left.data(), right.data(), got))
                    return false;
                soundWritten += got;
            }
        };

        const auto pictureOf = [&settings](int index) {
            return std::async(std::launch::async, [&settings, index] {
                return settings.picture(index, settings.frameSize);
            });
        };
        // The next slide decodes while the encoder works on this one.
        std::future<QImage> nextPicture = pictureOf(0);
        const int64_t framesPerSlide = int64_t(settings.secondsPerSlide) * VideoFramesPerSecond;
        int shown = -1;
        int64_t frame = 0;
        for (;; ++frame) {
            if (cancelled()) {
                result.outcome = VideoExportResult::Outcome::Cancelled;
                return result;
            }
            const int64_t frameStart = frame * SampleRate / VideoFramesPerSecond;
            if (end < 0 && frameStart >= MaxSeconds * SampleRate)
                end = frameStart;
            // The sound of this frame's time first: it tells whether the soundtrack, when it
            // decides the end, goes on into this frame at all.
            if (!writeSound((frame + 1) * SampleRate / VideoFramesPerSecond))
                return writeFailed(writer.error());
            if (end >= 0 && frameStart >= end)
                break;
            const int slide
                = int(std::min<int64_t>(frame / framesPerSlide, settings.slideCount - 1));
            const bool key = slide != shown;
            if (key) {
                const QImage picture = nextPicture.get();
                if (slide + 1 < settings.slideCount)
                    nextPicture = pictureOf(slide + 1);
                if (picture.isNull())
                    return failed(
                        QCoreApplication::translate("VideoExport", "Slide %1 could not be read.")
                            .arg(slide + 1));
                if (!writer.setPicture(
                        composeFrame(picture, settings.frameSize, settings.background)))
                    return writeFailed(writer.error());
                shown = slide;
            }
            if (!writer.writeFrame(frame, key))
                return writeFailed(writer.error());
            if (progress)
                progress(frame + 1, std::max(framesFor(end >= 0 ? end : expectedEnd), frame + 1));
        }
        if (!writer.finish(end))
            return writeFailed(writer.error());
        if (!part.commit(settings.path))
            return writeFailed(part.error());
        result.skippedSounds = soundtrack.skipped();
        result.outcome = VideoExportResult::Outcome::Written;
        return result;
    } catch (const std::bad_alloc &) {
        return failed(QCoreApplication::translate(
            "VideoExport", "There is not enough memory to export the video."));
    } catch (const std::exception &error) {
        return failed(QString::fromLocal8Bit(error.what()));
    }
}

} // namespace

VideoExportResult writeVideo(const VideoExportSettings &settings, const std::atomic_bool &cancelled,
                             const std::function<void(int64_t, int64_t)> &progress)
{
    return write(
        settings, [&cancelled] { return cancelled.load(); }, progress);
}

VideoExportResult writeVideo(const VideoExportSettings &settings, const WorkControl &control)
{
    return write(
        settings, [&control] { return control.isCancelled(); },
        [&control](int64_t done, int64_t total) { control.progress(int(done), int(total)); });
}

QImage slidePicture(const Slide &slide, QSize fitInside)
{
    const QSize size = fittedSize(slide.size(), fitInside);
    const bool wasKept = slide.hasPixels(size);
    QImage picture = slide.pixels(size);
    // The export passes every slide once: pixels it decoded would otherwise stay with each slide
    // for as long as the show is open, a frame's worth for every slide of the show.
    if (!wasKept)
        slide.dropPixels();
    return picture;
}

VideoExport::VideoExport(VideoExportSettings settings, QObject *parent)
    : QObject(parent)
    , m_settings(std::move(settings))
{ }

VideoExport::~VideoExport()
{
    cancel();
    if (m_thread)
        m_thread->wait();
}

void VideoExport::start()
{
    if (isRunning())
        return;
    m_cancelled = false;
    // The signals are emitted on this object's own thread, whatever the receivers' connections,
    // and none is left to arrive once this object is gone.
    m_thread.reset(QThread::create([this] {
        const VideoExportResult result
            = writeVideo(m_settings, m_cancelled, [this](int64_t done, int64_t total) {
                  QMetaObject::invokeMethod(
                      this, [this, done, total] { emit progress(done, total); },
                      Qt::QueuedConnection);
              });
        QMetaObject::invokeMethod(
            this, [this, result] { emit finished(result); }, Qt::QueuedConnection);
    }));
    m_thread->start();
}

void VideoExport::cancel()
{
    m_cancelled = true;
}

bool VideoExport::isRunning() const
{
    return m_thread && m_thread->isRunning();
}

} // namespace lanternreel
