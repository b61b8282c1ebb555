// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/FrequencyDigits.h"

#include <cmath>

#include "analysis/Constants.h"

std::array<int, FREQUENCY_DIGITS> CFrequencyDigits::ComputeDigits(float hz, double dMin) {
    if (std::isnan(hz) || hz < dMin || hz > MAX_FREQUENCY)
        return {GLYPH_DASH, GLYPH_DASH, GLYPH_DASH, GLYPH_DASH, GLYPH_DASH};
    // In range the value is at most 40000 tenths, so the conversion is safe.
    const int r = static_cast<int>(std::floor(static_cast<double>(hz) * 10 + 0.5));
    return {r / 10000, (r / 1000) % 10, (r / 100) % 10, (r / 10) % 10, r % 10};
}
