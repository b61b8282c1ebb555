// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <ctime>

// The system millisecond counter: milliseconds since an arbitrary start,
// wrapping to 0 after 2^32 ms (49.7 days). Time stamps are differences of two
// readings, which stay right across the wrap as long as they are taken as
// unsigned 32-bit differences.
uint32_t GetMillisecondCounter();
// The counter's value for a monotonic time in milliseconds.
constexpr uint32_t MillisecondCounterFrom(uint64_t nMonotonicMs) {
    return static_cast<uint32_t>(nMonotonicMs);
}
// Milliseconds from nStart to nNow, right across one wrap of the counter.
constexpr uint32_t MillisecondsBetween(uint32_t nStart, uint32_t nNow) {
    return nNow - nStart;
}

// A calendar time in UTC.
struct UtcTime {
    int nYear = 1970;
    int nMonth = 1;  // 1 ... 12
    int nDay = 1;    // 1 ... 31
    int nHour = 0;
    int nMinute = 0;
    int nSecond = 0;
};

UtcTime GetUtcTime();
// The UTC calendar time of seconds since 1970-01-01 00:00:00 UTC.
UtcTime UtcTimeFromSeconds(std::time_t nSeconds);
