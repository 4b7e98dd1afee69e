#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

namespace lanternreel::testing {

// Pictures that differ from each other everywhere: each its own hue, with a bright diagonal band
// whose place moves from one to the next. The second one (index 1) is portrait, so that a frame
// taken from it is mostly background.
QImage distinctPicture(int index);

// Runs a tool to its end and answers its standard output; fails the current test when it does
// not exit with 0.
QByteArray runTool(const QString &program, const QStringList &arguments);

// What ffprobe says of a video file.
struct Probed
{
    QStringList streams; // "audio aac", "video h264", sorted
    QSize size; // of the video stream
    double seconds = 0; // of the whole file
};
Probed probe(const QString &path);

// The frame ffmpeg takes at `seconds`, seeking as its users do; written to `png` on the way.
QImage frameAt(const QString &video, double seconds, const QString &png);

// What the frame of `picture` should look like, made independently of the export: the whole
// picture scaled by Qt to fit, centred on the background.
QImage expectedFrame(const QImage &picture, QSize frameSize, QColor background);

} // namespace lanternreel::testing
