// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <atomic>

#include "analysis/Constants.h"

// Glyph codes of the seven-segment frequency display.
constexpr int GLYPH_ALL = 10;
constexpr int GLYPH_H = 11;
constexpr int GLYPH_Z = 12;
constexpr int GLYPH_DASH = 13;
constexpr int FREQUENCY_DIGITS = 5;

// The frequency display's data: the latest published frequency and its digit
// codes (thousands, hundreds, tens, units, tenths).
class CFrequencyDigits {
public:
    // dMin: the pitch method's lowest frequency.
    void ShowFrequency(float hz, double dMin = MIN_FREQUENCY) {
        m_fFrequency.store(hz, std::memory_order_relaxed);
        m_fMinFrequency.store(static_cast<float>(dMin), std::memory_order_relaxed);
    }
    float GetFrequency() const { return m_fFrequency.load(std::memory_order_relaxed); }
    std::array<int, FREQUENCY_DIGITS> GetDigits() const {
        return ComputeDigits(GetFrequency(), m_fMinFrequency.load(std::memory_order_relaxed));
    }

    // Dashes outside dMin ... 4000 Hz, else the frequency rounded to tenths.
    static std::array<int, FREQUENCY_DIGITS> ComputeDigits(float hz, double dMin = MIN_FREQUENCY);

private:
    std::atomic<float> m_fFrequency{0.0f};
    std::atomic<float> m_fMinFrequency{static_cast<float>(MIN_FREQUENCY)};
};
