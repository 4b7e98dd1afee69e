#include "mediacheck.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QProcess>
#include <gtest/gtest.h>

namespace lanternreel::testing {

QImage distinctPicture(int index)
{
    const QSize size = index == 1 ? QSize(900, 1200) : QSize(1600, 1200);
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(index * 36 % 360, 200, 150));
    QPainter painter(&image);
    painter.setPen(QPen(QColor::fromHsv((index * 36 + 180) % 360, 120, 250), 120));
    painter.drawLine(0, index * 100 % 1200, size.width(), size.height() - index * 100 % 1200);
    return image;
}

QByteArray runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << qPrintable(program);
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput();
}

Probed probe(const QString &path)
{
    const QJsonObject info
        = QJsonDocument::fromJson(
              runTool(QStringLiteral("ffprobe"),
                      { "-v", "error", "-show_entries",
                        "stream=codec_type,codec_name,width,height:format=duration", "-of", "json",
                        path }))
              .object();
    Probed probed;
    for (const QJsonValue &stream : info["streams"].toArray()) {
        probed.streams.append(stream["codec_type"].toString() + ' '
                              + stream["codec_name"].toString());
        if (stream["codec_type"] == QStringLiteral("video"))
            probed.size = QSize(stream["width"].toInt(), stream["height"].toInt());
    }
    probed.streams.sort();
    probed.seconds = info["format"]["duration"].toString().toDouble();
    return probed;
}

QImage frameAt(const QString &video, double seconds, const QString &png)
{
    QFile::remove(png);
    runTool(QStringLiteral("ffmpeg"),
            { "-v", "error", "-y", "-ss", QString::number(seconds), "-i", video, "-frames:v", "1",
              png });
    return QImage(png);
}

QImage expectedFrame(const QImage &picture, QSize frameSize, QColor background)
{
    QImage frame(frameSize, QImage::Format_RGB32);
    frame.fill(background);
    const QImage scaled = picture.scaled(frameSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&frame);
    painter.drawImage((frameSize.width() - scaled.width()) / 2,
                      (frameSize.height() - scaled.height()) / 2, scaled);
    return frame;
}

} // namespace lanternreel::testing
