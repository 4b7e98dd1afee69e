// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/alerts.h"
#include "platform/log.h"
#include "platform/services.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

namespace lanternreel::bench {

// The shows the benchmarks measure: 60 photos of 12 megapixels.
inline constexpr int FileCount = 60;
inline constexpr int Width = 4000;
inline constexpr int Height = 3000;
inline constexpr double Megabyte = 1024.0 * 1024.0;

// Generated JPEG files (TurboJPEG, quality 92, 4:2:0): gradients, soft shapes and grain, so
// that they come out at a few megabytes each as camera files do. Made once per process, in a
// temporary folder.
struct Files
{
    QTemporaryDir dir;
    QStringList paths;
    qint64 totalBytes = 0;
};
Files &generatedFiles();

// Photo number `index` of that set, as JPEG bytes.
QByteArray generatedPhoto(int index);

// A plain TurboJPEG decode at full size on the calling thread: the baseline the benchmarks weigh
// the program's own decoding against.
class FullDecoder
{
public:
    FullDecoder();
    ~FullDecoder();
    FullDecoder(const FullDecoder &) = delete;
    FullDecoder &operator=(const FullDecoder &) = delete;
    void decode(const QByteArray &jpeg);

private:
    void *m_decoder;
    std::vector<unsigned char> m_pixels;
};

// Services that stay silent, except that an alert is printed.
class QuietServices : public Alerts, public Log
{
public:
    QuietServices();
    const Services &services() const { return m_services; }

    void beep() override { }
    void alert(const QString &message, const QString &, const QString &) override;
    bool alertOffering(const QString &message, const QString &informative, const QString &) override
    {
        alert(message, informative, QString());
        return false;
    }
    void log(const QString &) override { }
    void out(const QString &) override { }

private:
    Services m_services;
};

} // namespace lanternreel::bench
