// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/Fft.h"

#include <cmath>
#include <vector>

#include "analysis/Constants.h"
#include "analysis/NoteTable.h"
#include "analysis/Vectorise.h"

const char* WindowTypeText(int nType) {
    static const char* const kTexts[WINDOW_TYPE_COUNT] = {
        "Blackmann", "Gaussian", "Hamming", "Hanning", "Parzen", "Rectangular", "Welch"};
    return nType >= 0 && nType < WINDOW_TYPE_COUNT ? kTexts[nType] : nullptr;
}

void ComputeWindowCoefficients(int nType, float fGaussAlpha, int N, float* afWindow) {
    const double pi = 3.141592653589793;
    const double n = static_cast<double>(N);
    for (int i = 0; i < N; ++i) {
        const double di = static_cast<double>(i);
        double c;
        switch (nType) {
            case WINDOW_BLACKMAN:
                c = 0.42 - 0.5 * std::cos(TWO_PI * di / n) + 0.08 * std::cos(4 * pi * di / n);
                break;
            case WINDOW_GAUSSIAN: {
                const double d = static_cast<double>(2 * i - N);
                c = std::exp(static_cast<double>(fGaussAlpha) / (n * n) * d * d);
                break;
            }
            case WINDOW_HAMMING:
                c = 0.54 - 0.46 * std::cos(TWO_PI * di / n);
                break;
            case WINDOW_PARZEN:
                c = 1 - std::fabs(static_cast<double>(2 * i - N) / (n + 1));
                break;
            case WINDOW_RECTANGULAR:
                c = 1;
                break;
            case WINDOW_WELCH: {
                const double d = static_cast<double>(2 * i - N) / (n + 1);
                c = 1 - d * d;
                break;
            }
            case WINDOW_HANNING:
            default:
                c = 0.5 - 0.5 * std::cos(TWO_PI * di / n);
                break;
        }
        afWindow[i] = static_cast<float>(c);
    }
}

namespace {

// The recurrence restarts at every block of a stage, so the twiddle factors of
// a stage depend only on its block size, not on the transform size: one table
// for every block size up to the largest transform holds them all, with the
// very bits the recurrence gives. Index blockEnd - 1 + m for the m-th factor of
// the stage whose half block is blockEnd.
struct TwiddleTable {
    std::vector<double> re, im;
    std::vector<unsigned> bitReverse;  // for MAX_FFT_SIZE; shift right for smaller sizes
    unsigned bits = 0;

    TwiddleTable() : re(MAX_FFT_SIZE), im(MAX_FFT_SIZE), bitReverse(MAX_FFT_SIZE) {
        for (unsigned blockSize = 2, blockEnd = 1; blockSize <= MAX_FFT_SIZE;
             blockEnd = blockSize, blockSize <<= 1)
            Stage(blockSize, &re[blockEnd - 1], &im[blockEnd - 1]);
        while ((1u << bits) < MAX_FFT_SIZE) ++bits;
        for (unsigned i = 0; i < MAX_FFT_SIZE; ++i) bitReverse[i] = Reverse(i, bits);
    }

    static unsigned Reverse(unsigned i, unsigned nBits) {
        unsigned j = 0;
        for (unsigned b = 0; b < nBits; ++b) j = (j << 1) | ((i >> b) & 1u);
        return j;
    }

    // The factors of one block of a stage, by the recurrence.
    static void Stage(unsigned blockSize, double* outRe, double* outIm) {
        const double delta = TWO_PI / static_cast<double>(blockSize);
        const double sm2 = std::sin(-2 * delta);
        const double sm1 = std::sin(-delta);
        const double cm2 = std::cos(-2 * delta);
        const double cm1 = std::cos(-delta);
        const double w = 2 * cm1;
        double ar2 = cm2, ar1 = cm1, ai2 = sm2, ai1 = sm1;
        for (unsigned m = 0; m < blockSize / 2; ++m) {
            const double ar0 = w * ar1 - ar2;
            ar2 = ar1;
            ar1 = ar0;
            const double ai0 = w * ai1 - ai2;
            ai2 = ai1;
            ai1 = ai0;
            outRe[m] = ar0;
            // Started from sin(-2 delta), sin(-delta) the recurrence walks
            // toward positive angles, i.e. e^(+i m delta). Negating its sines
            // (exact) gives the forward kernel e^(-i m delta); the rest of the
            // arithmetic mirrors exactly, so the real parts and every
            // magnitude keep their bits and only the imaginary parts change
            // sign.
            outIm[m] = -ai0;
        }
    }
};

const TwiddleTable& Twiddles() {
    static const TwiddleTable table;
    return table;
}

// One butterfly pass over all blocks of a stage. The factors are loaded from
// the table; everything else is exactly the textbook step.
// Cloned for AVX2 where the processor has it: four doubles a lane, the same
// IEEE operations (no contraction), so the same bits.
KALVO_AVX2_CLONES void ButterflyStage(unsigned n, unsigned blockEnd, const double* __restrict wr,
                                      const double* __restrict wi, float* __restrict re,
                                      float* __restrict im) {
    const unsigned blockSize = blockEnd * 2;
    for (unsigned i = 0; i < n; i += blockSize) {
        float* __restrict rj = re + i;
        float* __restrict ij = im + i;
        float* __restrict rk = re + i + blockEnd;
        float* __restrict ik = im + i + blockEnd;
        for (unsigned m = 0; m < blockEnd; ++m) {
            const double ar0 = wr[m], ai0 = wi[m];
            const double xr = rk[m], xi = ik[m];
            const double tr = ar0 * xr - ai0 * xi;
            const double ti = ar0 * xi + ai0 * xr;
            const double yr = rj[m], yi = ij[m];
            rk[m] = static_cast<float>(yr - tr);
            ik[m] = static_cast<float>(yi - ti);
            rj[m] = static_cast<float>(yr + tr);
            ij[m] = static_cast<float>(yi + ti);
        }
    }
}

// The first stages for blocks of at most 8 points: the block loop outside,
// the few factors held in registers.
template <unsigned BlockEnd>
void SmallButterflyStage(unsigned n, const double* wr, const double* wi, float* re, float* im) {
    double ar[BlockEnd], ai[BlockEnd];
    for (unsigned m = 0; m < BlockEnd; ++m) {
        ar[m] = wr[m];
        ai[m] = wi[m];
    }
    for (unsigned i = 0; i < n; i += 2 * BlockEnd) {
        for (unsigned m = 0; m < BlockEnd; ++m) {
            const unsigned j = i + m, k = j + BlockEnd;
            const double xr = re[k], xi = im[k];
            const double tr = ar[m] * xr - ai[m] * xi;
            const double ti = ar[m] * xi + ai[m] * xr;
            const double yr = re[j], yi = im[j];
            re[k] = static_cast<float>(yr - tr);
            im[k] = static_cast<float>(yi - ti);
            re[j] = static_cast<float>(yr + tr);
            im[j] = static_cast<float>(yi + ti);
        }
    }
}

void Stage(unsigned n, unsigned blockEnd, const double* wr, const double* wi, float* re,
           float* im) {
    switch (blockEnd) {
        case 1:
            SmallButterflyStage<1>(n, wr, wi, re, im);
            break;
        case 2:
            SmallButterflyStage<2>(n, wr, wi, re, im);
            break;
        case 4:
            SmallButterflyStage<4>(n, wr, wi, re, im);
            break;
        default:
            ButterflyStage(n, blockEnd, wr, wi, re, im);
            break;
    }
}

}  // namespace

bool ComputeFft(unsigned n, const float* reIn, const float* imIn, float* reOut, float* imOut) {
    if (!IsValidFftSize(n)) return false;
    unsigned used = n;
    while (used > 0 && reIn[used - 1] == 0.0f && (!imIn || imIn[used - 1] == 0.0f)) --used;
    return ComputeFftPadded(n, reIn, imIn, used, reOut, imOut);
}

bool ComputeFftPadded(unsigned n, const float* reIn, const float* imIn, unsigned used, float* reOut,
                      float* imOut) {
    if (!IsValidFftSize(n)) return false;
    if (used > n) used = n;
    unsigned bits = 0;
    while ((1u << bits) < n) ++bits;

    if (n <= MAX_FFT_SIZE) {
        const TwiddleTable& t = Twiddles();
        const unsigned shift = t.bits - bits;
        // A zero-padded input (the analysis pads 1333 samples to 4096 or
        // 8192) needs no arithmetic in its first stages: with the data in the
        // first n / 2^s points, every block of 2^s points after the
        // bit-reversed copy holds one value followed by zeros, and s stages of
        // butterflies with a zero partner only copy that value across the
        // block (y - t and y + t with t = 0). Filling the blocks directly gives
        // the same numbers; at most the sign of an exact zero can differ, which
        // no magnitude sees.
        unsigned s = 0;
        while (s < bits && used <= (n >> (s + 1))) ++s;
        const unsigned span = 1u << s;
        for (unsigned b = 0; b < n; b += span) {
            const unsigned i = t.bitReverse[b] >> shift;
            const float r = reIn[i];
            const float m = imIn ? imIn[i] : 0.0f;
            for (unsigned q = 0; q < span; ++q) {
                reOut[b + q] = r;
                imOut[b + q] = m;
            }
        }
        for (unsigned blockSize = 2 * span, blockEnd = span; blockSize <= n;
             blockEnd = blockSize, blockSize <<= 1)
            Stage(n, blockEnd, &t.re[blockEnd - 1], &t.im[blockEnd - 1], reOut, imOut);
        return true;
    }

    // Larger than the table: the same recurrence, computed per stage.
    for (unsigned i = 0; i < n; ++i) {
        const unsigned j = TwiddleTable::Reverse(i, bits);
        reOut[j] = reIn[i];
        imOut[j] = imIn ? imIn[i] : 0.0f;
    }
    std::vector<double> wr, wi;
    for (unsigned blockSize = 2, blockEnd = 1; blockSize <= n;
         blockEnd = blockSize, blockSize <<= 1) {
        wr.resize(blockEnd);
        wi.resize(blockEnd);
        TwiddleTable::Stage(blockSize, wr.data(), wi.data());
        Stage(n, blockEnd, wr.data(), wi.data(), reOut, imOut);
    }
    return true;
}
