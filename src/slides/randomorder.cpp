// SPDX-License-Identifier: GPL-3.0-or-later
#include "randomorder.h"

#include "platform/log.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/time.h>

namespace lanternreel {

namespace {

uint32_t lastSeed = 0;

// Waits for the clock's next microsecond so that two calls in a row never share a reading.
uint32_t seedFromClock()
{
    timeval first {};
    gettimeofday(&first, nullptr);
    timeval now {};
    do {
        gettimeofday(&now, nullptr);
    } while (now.tv_usec == first.tv_usec);
    const uint32_t seconds = static_cast<uint32_t>(now.tv_sec);
    const uint32_t micros = static_cast<uint32_t>(now.tv_usec);
    return (seconds << 20) + micros;
}

} // namespace

int UmRangeLengthCompare(const void *first, const void *second)
{
    UmRange a;
    UmRange b;
    std::memcpy(&a, first, sizeof a);
    std::memcpy(&b, second, sizeof b);
    if (a.length < b.length)
        return -1;
    if (a.length > b.length)
        return 1;
    return 0;
}

uint32_t UmLastRandomSeed()
{
    return lastSeed;
}

UmRandomOrderResult UmRandomOrder(int32_t count, int32_t width, uint32_t dataType, Log &log)
{
    if (count < 0 || count > UmRandomOrderMaxCount) {
        log.log(QStringLiteral("count: %1 out of bounds: (0-%2)")
                    .arg(count)
                    .arg(UmRandomOrderMaxCount));
        return QList<int32_t> {};
    }
    if (dataType > 2) {
        log.log(QStringLiteral("invalid data type: dataType=0 (NSString), dataType=1 (NSNumber), "
                               "dataType=2 (NSData)"));
        return QList<int32_t> {};
    }

    lastSeed = seedFromClock();
    std::srand(lastSeed);

    QByteArray block(static_cast<qsizetype>(count) * qsizetype(sizeof(UmRange)), '\0');
    auto *records = reinterpret_cast<UmRange *>(block.data());
    for (int32_t i = 0; i < count; ++i) {
        records[i].length = static_cast<uint32_t>(std::rand());
        records[i].location = static_cast<uint32_t>(i);
    }
    if (count > 1)
        std::qsort(records, static_cast<size_t>(count), sizeof(UmRange), UmRangeLengthCompare);

    switch (dataType) {
    case 0: {
        char digits[16];
        const int d = std::snprintf(digits, sizeof digits, "%i", count);
        int w = 0;
        if (width > 0)
            w = std::min(std::max(width, d), 10);
        QStringList strings;
        strings.reserve(count);
        for (int32_t i = 0; i < count; ++i)
            strings.append(QStringLiteral("%1").arg(records[i].location, w, 10, QLatin1Char('0')));
        return strings;
    }
    case 1: {
        QList<int32_t> numbers;
        numbers.reserve(count);
        for (int32_t i = 0; i < count; ++i)
            numbers.append(static_cast<int32_t>(records[i].location));
        return numbers;
    }
    default:
        return block;
    }
}

} // namespace lanternreel
