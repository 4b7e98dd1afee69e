// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtlog.h"

#include <QtGlobal>
#include <cstdio>

namespace lanternreel {

void QtLog::log(const QString &line)
{
    qWarning("%s", qPrintable(line));
}

void QtLog::out(const QString &line)
{
    const QByteArray bytes = line.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

} // namespace lanternreel
