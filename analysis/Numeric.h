// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <limits>

// Conversion to an integer truncates toward zero. NaN and values beyond the
// int range never reach the conversion itself (that would be undefined): NaN
// gives fallback, out-of-range values saturate.
inline int TruncToInt(double x, int fallback = 0) {
    if (std::isnan(x)) return fallback;
    if (x >= 2147483647.0) return std::numeric_limits<int>::max();
    if (x <= -2147483648.0) return std::numeric_limits<int>::min();
    return static_cast<int>(x);
}

// Rounds toward minus infinity, with the same guards.
inline int FloorToInt(double x, int fallback = 0) {
    return TruncToInt(std::floor(x), fallback);
}
