// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <cstdint>
#include <variant>

namespace lanternreel {

class Log;

// One sort record: a position and its random key, two native 32-bit words, location first.
struct UmRange
{
    uint32_t location;
    uint32_t length;
};
static_assert(sizeof(UmRange) == 8);

// What UmRandomOrder hands back: positions as zero-padded decimal strings (data type 0), as
// numbers (data type 1), or the sorted block of UmRange records (data type 2). A refused call
// gives an empty list of numbers.
using UmRandomOrderResult = std::variant<QStringList, QList<int32_t>, QByteArray>;

inline constexpr int32_t UmRandomOrderMaxCount = 16777216; // 2^24

// A random permutation of 0 .. count-1. Reseeds the C library generator from the clock on every
// accepted call; bad arguments write one line to `log` and give an empty list.
UmRandomOrderResult UmRandomOrder(int32_t count, int32_t width, uint32_t dataType, Log &log);

// qsort comparison of two UmRange records by their length words, as unsigned values.
int UmRangeLengthCompare(const void *first, const void *second);

// The seed of the last accepted UmRandomOrder call.
uint32_t UmLastRandomSeed();

} // namespace lanternreel
