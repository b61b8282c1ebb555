// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "analysis/Constants.h"

// Test signals as the capture device delivers them: interleaved 16-bit
// stereo at 16 kHz. Sample n of the stream is amplitude * sin(2 pi f n / 16000),
// so consecutive blocks of one tone join without a seam.
inline std::vector<int16_t> ToneBlock(double hz, double amplitude, long firstFrame = 0,
                                      double rightAmplitude = -1) {
    if (rightAmplitude < 0) rightAmplitude = amplitude;
    std::vector<int16_t> block(BLOCK_VALUES);
    for (unsigned i = 0; i < BLOCK_FRAMES; ++i) {
        const double phase = 2 * M_PI * hz * static_cast<double>(firstFrame + i) / SAMPLE_RATE;
        block[2 * i] = static_cast<int16_t>(std::lround(amplitude * std::sin(phase)));
        block[2 * i + 1] = static_cast<int16_t>(std::lround(rightAmplitude * std::sin(phase)));
    }
    return block;
}

// Sum of two tones, both channels alike.
inline std::vector<int16_t> TwoToneBlock(double hz1, double a1, double hz2, double a2,
                                         long firstFrame = 0) {
    std::vector<int16_t> block(BLOCK_VALUES);
    for (unsigned i = 0; i < BLOCK_FRAMES; ++i) {
        const double t = static_cast<double>(firstFrame + i) / SAMPLE_RATE;
        const double v = a1 * std::sin(2 * M_PI * hz1 * t) + a2 * std::sin(2 * M_PI * hz2 * t);
        block[2 * i] = block[2 * i + 1] = static_cast<int16_t>(std::lround(v));
    }
    return block;
}
