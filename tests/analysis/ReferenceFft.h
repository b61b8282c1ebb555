// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

#include "analysis/NoteTable.h"

// The transform as first written down: recurrence restarted for every block
// from sin(-2 delta), sin(-delta), nothing precomputed. That recurrence runs
// toward positive angles, so it yields the conjugate of the forward transform;
// ours must give the same real parts and magnitudes bit for bit and exactly
// negated imaginary parts.
inline void ReferenceFft(unsigned n, const float* reIn, const float* imIn, float* reOut,
                         float* imOut) {
    unsigned bits = 0;
    while ((1u << bits) < n) ++bits;
    for (unsigned i = 0; i < n; ++i) {
        unsigned j = 0;
        for (unsigned b = 0; b < bits; ++b) j = (j << 1) | ((i >> b) & 1);
        reOut[j] = reIn[i];
        imOut[j] = imIn ? imIn[i] : 0.0f;
    }
    unsigned blockEnd = 1;
    for (unsigned blockSize = 2; blockSize <= n; blockSize <<= 1) {
        const double delta = TWO_PI / blockSize;
        const double sm2 = std::sin(-2 * delta), sm1 = std::sin(-delta);
        const double cm2 = std::cos(-2 * delta), cm1 = std::cos(-delta);
        const double w = 2 * cm1;
        for (unsigned i = 0; i < n; i += blockSize) {
            double ar2 = cm2, ar1 = cm1, ai2 = sm2, ai1 = sm1;
            for (unsigned j = i, m = 0; m < blockEnd; ++j, ++m) {
                const double ar0 = w * ar1 - ar2;
                ar2 = ar1;
                ar1 = ar0;
                const double ai0 = w * ai1 - ai2;
                ai2 = ai1;
                ai1 = ai0;
                const unsigned k = j + blockEnd;
                const double tr = ar0 * reOut[k] - ai0 * imOut[k];
                const double ti = ar0 * imOut[k] + ai0 * reOut[k];
                reOut[k] = static_cast<float>(reOut[j] - tr);
                imOut[k] = static_cast<float>(imOut[j] - ti);
                reOut[j] = static_cast<float>(reOut[j] + tr);
                imOut[j] = static_cast<float>(imOut[j] + ti);
            }
        }
        blockEnd = blockSize;
    }
}
