// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/Clock.h"

uint32_t GetMillisecondCounter() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    const uint64_t ms =
        static_cast<uint64_t>(ts.tv_sec) * 1000u + static_cast<uint64_t>(ts.tv_nsec) / 1000000u;
    return MillisecondCounterFrom(ms);
}

UtcTime GetUtcTime() {
    return UtcTimeFromSeconds(std::time(nullptr));
}

UtcTime UtcTimeFromSeconds(std::time_t nSeconds) {
    std::tm tm{};
    UtcTime t;
    if (!gmtime_r(&nSeconds, &tm)) return t;
    t.nYear = tm.tm_year + 1900;
    t.nMonth = tm.tm_mon + 1;
    t.nDay = tm.tm_mday;
    t.nHour = tm.tm_hour;
    t.nMinute = tm.tm_min;
    t.nSecond = tm.tm_sec;
    return t;
}
