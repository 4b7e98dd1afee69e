// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the benchmarks' photos (60 generated 12-megapixel JPEGs, photo0.jpg ...) into a folder,
// for scripts that drive the real program: makephotos FOLDER [COUNT]

#include "benchphotos.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: makephotos FOLDER [COUNT]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int count = argc > 2 ? std::atoi(argv[2]) : lanternreel::bench::FileCount;
    if (!QDir().mkpath(folder))
        return 1;
    for (int i = 0; i < count; ++i) {
        QFile file(QDir(folder).filePath(QStringLiteral("photo%1.jpg").arg(i)));
        const QByteArray jpeg = lanternreel::bench::generatedPhoto(i);
        if (!file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size())
            return 1;
    }
    return 0;
}
