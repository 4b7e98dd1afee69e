// SPDX-License-Identifier: GPL-3.0-or-later
#include "tonefiles.h"

#include <QByteArray>
#include <QFile>
#include <QtEndian>
#include <cmath>
#include <numbers>

namespace lanternreel::testing {

namespace {

void append32(QByteArray &bytes, quint32 value)
{
    const quint32 le = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char *>(&le), 4);
}

void append16(QByteArray &bytes, quint16 value)
{
    const quint16 le = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char *>(&le), 2);
}

} // namespace

bool writeToneWav(const QString &path, double seconds, double hertz)
{
    constexpr quint32 rate = 44100;
    const auto frames = static_cast<quint32>(seconds * rate);
    const quint32 dataBytes = frames * 2;

    QByteArray bytes;
    bytes.append("RIFF");
    append32(bytes, 36 + dataBytes);
    bytes.append("WAVEfmt ");
    append32(bytes, 16);
    append16(bytes, 1); // PCM
    append16(bytes, 1); // mono
    append32(bytes, rate);
    append32(bytes, rate * 2);
    append16(bytes, 2);
    append16(bytes, 16);
    bytes.append("data");
    append32(bytes, dataBytes);
    for (quint32 i = 0; i < frames; ++i) {
        const double sample = 0.3 * std::sin(2 * std::numbers::pi * hertz * i / rate);
        append16(bytes, static_cast<quint16>(static_cast<qint16>(sample * 32767)));
    }

    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace lanternreel::testing
