// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/Fft.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "analysis/Constants.h"
#include "analysis/NoteTable.h"
#include "analysis/Vectorise.h"

#if defined(__x86_64__)
#include <immintrin.h>
#define KALVO_FFT_X86 1
#endif

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

// The butterfly of the textbook, on one pair: y = (yr, yi) the first half's
// value, x = (xr, xi) the second's, (ar, ai) the factor. Everything below is
// this arithmetic in this order, on one lane or four.
//   t = a x;  second half = y - t;  first half = y + t  (each rounded to float)

// Plain C++: a whole stage, from the first half of each block (j) and the
// second (k). bLowerOnly leaves the second halves unwritten (the last stage of
// a transform whose upper half is not wanted).
void FullStageScalar(unsigned n, unsigned L, const double* wr, const double* wi, float* re,
                     float* im, bool bLowerOnly) {
    for (unsigned i = 0; i < n; i += 2 * L) {
        float* rj = re + i;
        float* ij = im + i;
        float* rk = rj + L;
        float* ik = ij + L;
        for (unsigned m = 0; m < L; ++m) {
            const double ar = wr[m], ai = wi[m];
            const double xr = rk[m], xi = ik[m];
            const double tr = ar * xr - ai * xi;
            const double ti = ar * xi + ai * xr;
            const double yr = rj[m], yi = ij[m];
            if (!bLowerOnly) {
                rk[m] = static_cast<float>(yr - tr);
                ik[m] = static_cast<float>(yi - ti);
            }
            rj[m] = static_cast<float>(yr + tr);
            ij[m] = static_cast<float>(yi + ti);
        }
    }
}

// One block whose halves each hold one value throughout (the first stage
// that has arithmetic in a zero-padded transform): y and x are those values.
void ConstantBlockScalar(unsigned L, const double* wr, const double* wi, float yrf, float yif,
                         float xrf, float xif, float* rj, float* ij) {
    float* rk = rj + L;
    float* ik = ij + L;
    const double xr = xrf, xi = xif, yr = yrf, yi = yif;
    for (unsigned m = 0; m < L; ++m) {
        const double ar = wr[m], ai = wi[m];
        const double tr = ar * xr - ai * xi;
        const double ti = ar * xi + ai * xr;
        rk[m] = static_cast<float>(yr - tr);
        ik[m] = static_cast<float>(yi - ti);
        rj[m] = static_cast<float>(yr + tr);
        ij[m] = static_cast<float>(yi + ti);
    }
}

#if KALVO_FFT_X86
// A sum and a difference made on the multiply-add unit: b times 1 is b
// exactly, so fma(b, 1, a) rounds a + b once, as the adder does, to the same
// bit (a zero's sign included). No product is fused into a sum. The
// butterflies give the adder as many sums as conversions between float and
// double, which share its ports; moving some sums to the multipliers, which
// have work for only half the time, is what makes them faster.
__attribute__((target("avx2,fma"), always_inline)) inline __m256d SumOnFma(__m256d a, __m256d b) {
    return _mm256_fmadd_pd(b, _mm256_set1_pd(1.0), a);
}
__attribute__((target("avx2,fma"), always_inline)) inline __m256d DifferenceOnFma(__m256d a,
                                                                                  __m256d b) {
    return _mm256_fnmadd_pd(b, _mm256_set1_pd(1.0), a);
}

// t = a x of one butterfly, four at a time: p1 - p2 and p3 + p4 of the
// rounded products, as the plain path makes them.
__attribute__((target("avx2,fma"), always_inline)) inline void TimesFactor(__m256d ar, __m256d ai,
                                                                           __m256d xr, __m256d xi,
                                                                           __m256d& tr,
                                                                           __m256d& ti) {
    tr = DifferenceOnFma(_mm256_mul_pd(ar, xr), _mm256_mul_pd(ai, xi));
    ti = SumOnFma(_mm256_mul_pd(ar, xi), _mm256_mul_pd(ai, xr));
}

// AVX2: the same operations on four butterflies at once (only for halves of
// at least four points), some sums on the multiply-add unit.
__attribute__((target("avx2,fma"))) void FullStageAvx2(unsigned n, unsigned L, const double* wr,
                                                       const double* wi, float* re, float* im,
                                                       bool bLowerOnly) {
    for (unsigned i = 0; i < n; i += 2 * L) {
        float* rj = re + i;
        float* ij = im + i;
        float* rk = rj + L;
        float* ik = ij + L;
        for (unsigned m = 0; m < L; m += 4) {
            const __m256d ar = _mm256_loadu_pd(wr + m), ai = _mm256_loadu_pd(wi + m);
            const __m256d xr = _mm256_cvtps_pd(_mm_loadu_ps(rk + m));
            const __m256d xi = _mm256_cvtps_pd(_mm_loadu_ps(ik + m));
            __m256d tr, ti;
            TimesFactor(ar, ai, xr, xi, tr, ti);
            const __m256d yr = _mm256_cvtps_pd(_mm_loadu_ps(rj + m));
            const __m256d yi = _mm256_cvtps_pd(_mm_loadu_ps(ij + m));
            if (!bLowerOnly) {
                _mm_storeu_ps(rk + m, _mm256_cvtpd_ps(_mm256_sub_pd(yr, tr)));
                _mm_storeu_ps(ik + m, _mm256_cvtpd_ps(_mm256_sub_pd(yi, ti)));
            }
            _mm_storeu_ps(rj + m, _mm256_cvtpd_ps(SumOnFma(yr, tr)));
            _mm_storeu_ps(ij + m, _mm256_cvtpd_ps(SumOnFma(yi, ti)));
        }
    }
}

// The last stage of a lower-half transform with the magnitudes of its
// values: each bin rounded to float as it would be stored, then
// |X| = sqrt(re^2 + im^2) in double, rounded to float. Taking the roots here,
// between the butterflies, keeps the root unit busy while the others work.
__attribute__((target("avx2,fma"))) void LastStageMagnitudesAvx2(unsigned L, const double* wr,
                                                                 const double* wi, const float* re,
                                                                 const float* im, float* mag) {
    for (unsigned m = 0; m < L; m += 4) {
        const __m256d ar = _mm256_loadu_pd(wr + m), ai = _mm256_loadu_pd(wi + m);
        const __m256d xr = _mm256_cvtps_pd(_mm_loadu_ps(re + L + m));
        const __m256d xi = _mm256_cvtps_pd(_mm_loadu_ps(im + L + m));
        __m256d tr, ti;
        TimesFactor(ar, ai, xr, xi, tr, ti);
        const __m256d yr = _mm256_cvtps_pd(_mm_loadu_ps(re + m));
        const __m256d yi = _mm256_cvtps_pd(_mm_loadu_ps(im + m));
        const __m256d r = _mm256_cvtps_pd(_mm256_cvtpd_ps(SumOnFma(yr, tr)));
        const __m256d i = _mm256_cvtps_pd(_mm256_cvtpd_ps(SumOnFma(yi, ti)));
        const __m256d sum = SumOnFma(_mm256_mul_pd(r, r), _mm256_mul_pd(i, i));
        _mm_storeu_ps(mag + m, _mm256_cvtpd_ps(_mm256_sqrt_pd(sum)));
    }
}

__attribute__((target("avx2"))) void ConstantBlockAvx2(unsigned L, const double* wr,
                                                       const double* wi, float yrf, float yif,
                                                       float xrf, float xif, float* rj, float* ij) {
    float* rk = rj + L;
    float* ik = ij + L;
    const __m256d xr = _mm256_set1_pd(xrf), xi = _mm256_set1_pd(xif);
    const __m256d yr = _mm256_set1_pd(yrf), yi = _mm256_set1_pd(yif);
    for (unsigned m = 0; m < L; m += 4) {
        const __m256d ar = _mm256_loadu_pd(wr + m), ai = _mm256_loadu_pd(wi + m);
        const __m256d tr = _mm256_sub_pd(_mm256_mul_pd(ar, xr), _mm256_mul_pd(ai, xi));
        const __m256d ti = _mm256_add_pd(_mm256_mul_pd(ar, xi), _mm256_mul_pd(ai, xr));
        _mm_storeu_ps(rk + m, _mm256_cvtpd_ps(_mm256_sub_pd(yr, tr)));
        _mm_storeu_ps(ik + m, _mm256_cvtpd_ps(_mm256_sub_pd(yi, ti)));
        _mm_storeu_ps(rj + m, _mm256_cvtpd_ps(_mm256_add_pd(yr, tr)));
        _mm_storeu_ps(ij + m, _mm256_cvtpd_ps(_mm256_add_pd(yi, ti)));
    }
}

// The whole first stage with arithmetic, without a branch per block: a
// block whose partner is past the data gets x = 0 instead of a copy of y, and
// y + 0 w is y, all but the sign of a zero. y is always within the data.
__attribute__((target("avx2"))) void ConstantStageAvx2(unsigned n, unsigned L, const double* wr,
                                                       const double* wi, const unsigned* bitReverse,
                                                       unsigned shift, const float* reIn,
                                                       const float* imIn, unsigned used,
                                                       unsigned partner, float* reOut,
                                                       float* imOut) {
    for (unsigned b = 0; b < n; b += 2 * L) {
        const unsigned r = bitReverse[b] >> shift;
        const unsigned p = r + partner;
        const bool bInside = p < used;
        const unsigned q = bInside ? p : r;
        const float xr = bInside ? reIn[q] : 0.0f;
        const float xi = bInside && imIn ? imIn[q] : 0.0f;
        ConstantBlockAvx2(L, wr, wi, reIn[r], imIn ? imIn[r] : 0.0f, xr, xi, reOut + b, imOut + b);
    }
}

// *p widened to double in every lane (a load that spreads the float, and one
// conversion).
__attribute__((target("avx2"), always_inline)) inline __m256d SpreadAvx2(const float* p) {
    return _mm256_cvtps_pd(_mm_broadcast_ss(p));
}

// The second stage at m and m + 2L of a block: t = a2 y2 against A.
__attribute__((target("avx2,fma"), always_inline)) inline void SecondOfTwoAvx2(
    float* re, float* im, unsigned L, unsigned m, const double* w2r, const double* w2i, __m256d aRe,
    __m256d aIm, __m256d y2) {
    const __m256d tr = _mm256_mul_pd(_mm256_loadu_pd(w2r + m), y2);
    const __m256d ti = _mm256_mul_pd(_mm256_loadu_pd(w2i + m), y2);
    _mm_storeu_ps(re + m, _mm256_cvtpd_ps(SumOnFma(aRe, tr)));
    _mm_storeu_ps(im + m, _mm256_cvtpd_ps(SumOnFma(aIm, ti)));
    _mm_storeu_ps(re + 2 * L + m, _mm256_cvtpd_ps(DifferenceOnFma(aRe, tr)));
    _mm_storeu_ps(im + 2 * L + m, _mm256_cvtpd_ps(DifferenceOnFma(aIm, ti)));
}

// The first two stages with arithmetic of a real input (imaginary parts 0)
// whose data ends before 3/2 of the partner distance P of the first: in the
// second one, each block's second half then holds one real value y2 spread
// across it (its own partner lies past the data), and x = y2 + 0i makes
// a x = (ar y2, ai y2), all but a zero's sign. The first stage's values of
// each block are made and used in registers, rounded to float as stored:
// A = y1 + a1 x1, with its imaginary part a1i x1 (y1i = 0), and the second
// half's A = y1 - a1 x1, whose imaginary part is the first's negated (float
// rounding is symmetric). Where x1 lies past the data, A is y1 throughout.
// The blocks are taken by their first input r, so that those two kinds come
// in two runs; block r starts at bitReverse[r] >> blockShift times 4L.
__attribute__((target("avx2,fma"))) void FirstTwoStagesRealAvx2(
    unsigned L, const double* w1r, const double* w1i, const double* w2r, const double* w2i,
    const unsigned* bitReverse, unsigned blockShift, const float* in, unsigned used, unsigned P,
    float* reOut, float* imOut) {
    const __m256d negate = _mm256_set1_pd(-0.0);
    const unsigned blocks = P / 2;
    const unsigned general = used > P ? std::min(blocks, used - P) : 0;
    for (unsigned r = 0; r < general; ++r) {
        const unsigned b = (bitReverse[r] >> blockShift) * 4 * L;
        const __m256d y1 = SpreadAvx2(in + r);
        const __m256d x1 = SpreadAvx2(in + r + P);
        const __m256d y2 = SpreadAvx2(in + r + P / 2);
        for (unsigned m = 0; m < L; m += 4) {
            const __m256d tr = _mm256_mul_pd(_mm256_loadu_pd(w1r + m), x1);
            const __m256d ti = _mm256_mul_pd(_mm256_loadu_pd(w1i + m), x1);
            const __m256d lowIm = _mm256_cvtps_pd(_mm256_cvtpd_ps(ti));
            SecondOfTwoAvx2(reOut + b, imOut + b, L, m, w2r, w2i,
                            _mm256_cvtps_pd(_mm256_cvtpd_ps(SumOnFma(y1, tr))), lowIm, y2);
            SecondOfTwoAvx2(reOut + b, imOut + b, L, L + m, w2r, w2i,
                            _mm256_cvtps_pd(_mm256_cvtpd_ps(DifferenceOnFma(y1, tr))),
                            _mm256_xor_pd(lowIm, negate), y2);
        }
    }
    // A = (y1, 0): a2 y2 against it, whose imaginary part is the same
    // either side, negated on the second.
    for (unsigned r = general; r < blocks; ++r) {
        const unsigned b = (bitReverse[r] >> blockShift) * 4 * L;
        const __m256d y1 = SpreadAvx2(in + r);
        const __m256d y2 = SpreadAvx2(in + r + P / 2);
        float* re = reOut + b;
        float* im = imOut + b;
        for (unsigned m = 0; m < 2 * L; m += 4) {
            const __m256d tr = _mm256_mul_pd(_mm256_loadu_pd(w2r + m), y2);
            const __m128 ti = _mm256_cvtpd_ps(_mm256_mul_pd(_mm256_loadu_pd(w2i + m), y2));
            _mm_storeu_ps(re + m, _mm256_cvtpd_ps(SumOnFma(y1, tr)));
            _mm_storeu_ps(im + m, ti);
            _mm_storeu_ps(re + 2 * L + m, _mm256_cvtpd_ps(DifferenceOnFma(y1, tr)));
            _mm_storeu_ps(im + 2 * L + m, _mm_xor_ps(ti, _mm_set1_ps(-0.0f)));
        }
    }
}

#endif

// The twiddle factors of the stage whose half block is L: from the table, or
// computed for transforms larger than it.
class StageFactors {
public:
    explicit StageFactors(unsigned n) : m_bTable(n <= MAX_FFT_SIZE) {}
    void For(unsigned L, const double*& wr, const double*& wi) {
        if (m_bTable) {
            const TwiddleTable& t = Twiddles();
            wr = &t.re[L - 1];
            wi = &t.im[L - 1];
            return;
        }
        m_re.resize(L);
        m_im.resize(L);
        TwiddleTable::Stage(2 * L, m_re.data(), m_im.data());
        wr = m_re.data();
        wi = m_im.data();
    }

private:
    bool m_bTable;
    std::vector<double> m_re, m_im;
};

// Points of a piece of the transform that stays in the first-level cache
// (its real and imaginary parts 16 kB).
constexpr unsigned CACHE_PIECE = 2048;

// bLowerHalf: only bins 0 ... n/2 - 1 are wanted; mag (with bLowerHalf),
// where their magnitudes go instead of reOut and imOut.
bool Transform(FftKernel kernel, unsigned n, const float* reIn, const float* imIn, unsigned used,
               float* reOut, float* imOut, bool bLowerHalf, float* mag = nullptr) {
    if (!IsValidFftSize(n) || !IsFftKernelAvailable(kernel)) return false;
    if (used > n) used = n;
    // The magnitudes, where they are wanted, from the values.
    const auto done = [&] {
        for (unsigned k = 0; mag && k < n / 2; ++k) {
            const double r = reOut[k], i = imOut[k];
            mag[k] = static_cast<float>(std::sqrt(r * r + i * i));
        }
        return true;
    };
    unsigned bits = 0;
    while ((1u << bits) < n) ++bits;
    const TwiddleTable& table = Twiddles();
    const auto reverse = [&](unsigned i) {
        return n <= MAX_FFT_SIZE ? table.bitReverse[i] >> (table.bits - bits)
                                 : TwiddleTable::Reverse(i, bits);
    };
#if KALVO_FFT_X86
    const bool bAvx2 = kernel == FftKernel::Avx2;
#else
    const bool bAvx2 = false;
#endif
    const auto constantBlock = [&](unsigned L, const double* wr, const double* wi, float yr,
                                   float yi, float xr, float xi, float* rj, float* ij) {
#if KALVO_FFT_X86
        if (bAvx2 && L >= 4) return ConstantBlockAvx2(L, wr, wi, yr, yi, xr, xi, rj, ij);
#endif
        ConstantBlockScalar(L, wr, wi, yr, yi, xr, xi, rj, ij);
    };
    // A stage over the points [from, from + count).
    const auto fullStage = [&](unsigned L, const double* wr, const double* wi, bool bLowerOnly,
                               unsigned from, unsigned count) {
#if KALVO_FFT_X86
        if (bAvx2 && L >= 4)
            return FullStageAvx2(count, L, wr, wi, reOut + from, imOut + from, bLowerOnly);
#endif
        FullStageScalar(count, L, wr, wi, reOut + from, imOut + from, bLowerOnly);
    };
    if (n == 1) {
        reOut[0] = reIn[0];
        imOut[0] = imIn ? imIn[0] : 0.0f;
        return done();
    }
    StageFactors factors(n);

    // With the data in the first `used` points, the stage whose blocks have
    // 2^t points combines, in each block, the transform of the inputs
    // r, r + n/2^(t-1), ... (first half) with that of r + n/2^t, ... (second
    // half), r = bit-reversed block number. A half whose first input is past
    // the data is all zero, and its butterflies only copy the other half
    // across the block. So the first s stages (used <= n/2^s) only spread
    // each input over 2^s points, and in stage s + 1 only the blocks with
    // r + n/2^(s+1) < used have arithmetic, with one value in each half; from
    // there on, every block has.
    unsigned s = 0;
    while (s < bits && used <= (n >> (s + 1))) ++s;
    if (s == bits) {  // nothing but the first input, spread over all points
        const float r = used ? reIn[0] : 0.0f, m = used && imIn ? imIn[0] : 0.0f;
        for (unsigned q = 0; q < n; ++q) {
            reOut[q] = r;
            imOut[q] = m;
        }
        return done();
    }
    const unsigned L = 1u << s;  // half block of stage s + 1
    const unsigned partner = n >> (s + 1);
    const double *wr, *wi;
    factors.For(L, wr, wi);
    bool bStageDone = false;
    unsigned nextStage = s + 2;
#if KALVO_FFT_X86
    if (bAvx2 && L >= 4 && n <= MAX_FFT_SIZE && !imIn && s + 2 < bits &&
        used <= partner + partner / 2) {
        const double *w2r, *w2i;
        factors.For(2 * L, w2r, w2i);
        FirstTwoStagesRealAvx2(L, wr, wi, w2r, w2i, table.bitReverse.data(),
                               table.bits - (bits - s - 2), reIn, used, partner, reOut, imOut);
        bStageDone = true;
        nextStage = s + 3;
    } else if (bAvx2 && L >= 4 && n <= MAX_FFT_SIZE) {
        ConstantStageAvx2(n, L, wr, wi, table.bitReverse.data(), table.bits - bits, reIn, imIn,
                          used, partner, reOut, imOut);
        bStageDone = true;
    }
#endif
    for (unsigned b = 0; b < n && !bStageDone; b += 2 * L) {
        const unsigned r = reverse(b);
        // Inputs past the data are zero and not read.
        const float yr = r < used ? reIn[r] : 0.0f, yi = r < used && imIn ? imIn[r] : 0.0f;
        float* rj = reOut + b;
        float* ij = imOut + b;
        if (r + partner < used) {
            const float xr = reIn[r + partner], xi = imIn ? imIn[r + partner] : 0.0f;
            constantBlock(L, wr, wi, yr, yi, xr, xi, rj, ij);
        } else {
            for (unsigned q = 0; q < 2 * L; ++q) {
                rj[q] = yr;
                ij[q] = yi;
            }
        }
    }
    // The stages whose blocks fit in the first-level cache run a piece of
    // the data at a time, each piece through all of them: every butterfly
    // reads the same values as stage by stage over the whole, so the bits
    // are the same, and the data is not fetched again for every stage.
    unsigned t = nextStage;
    if (n > CACHE_PIECE && n <= MAX_FFT_SIZE) {
        unsigned last = t;
        while ((1u << last) <= CACHE_PIECE) ++last;  // first stage past a piece
        for (unsigned from = 0; from < n; from += CACHE_PIECE)
            for (unsigned u = t; u < last; ++u) {
                const unsigned half = 1u << (u - 1);
                factors.For(half, wr, wi);
                fullStage(half, wr, wi, false, from, CACHE_PIECE);
            }
        t = std::max(t, last);
    }
    for (; t <= bits; ++t) {
        const unsigned half = 1u << (t - 1);
        factors.For(half, wr, wi);
#if KALVO_FFT_X86
        if (mag && bAvx2 && t == bits && half >= 4) {
            LastStageMagnitudesAvx2(half, wr, wi, reOut, imOut, mag);
            return true;
        }
#endif
        fullStage(half, wr, wi, bLowerHalf && t == bits, 0, n);
    }
    return done();
}

}  // namespace

bool IsFftKernelAvailable(FftKernel kernel) {
    switch (kernel) {
        case FftKernel::Scalar:
            return true;
        case FftKernel::Avx2:
#if KALVO_FFT_X86
            return CpuHasAvx2Fma();
#else
            return false;
#endif
    }
    return false;
}

FftKernel GetFftKernel() {
    return IsFftKernelAvailable(FftKernel::Avx2) ? FftKernel::Avx2 : FftKernel::Scalar;
}

bool ComputeFft(unsigned n, const float* reIn, const float* imIn, float* reOut, float* imOut) {
    if (!IsValidFftSize(n)) return false;
    unsigned used = n;
    while (used > 0 && reIn[used - 1] == 0.0f && (!imIn || imIn[used - 1] == 0.0f)) --used;
    return ComputeFftPadded(n, reIn, imIn, used, reOut, imOut);
}

bool ComputeFftPadded(unsigned n, const float* reIn, const float* imIn, unsigned used, float* reOut,
                      float* imOut) {
    return Transform(GetFftKernel(), n, reIn, imIn, used, reOut, imOut, false);
}

bool ComputeFftPaddedWith(FftKernel kernel, unsigned n, const float* reIn, const float* imIn,
                          unsigned used, float* reOut, float* imOut) {
    return Transform(kernel, n, reIn, imIn, used, reOut, imOut, false);
}

bool ComputeFftLowerHalf(unsigned n, const float* reIn, unsigned used, float* reOut, float* imOut) {
    return Transform(GetFftKernel(), n, reIn, nullptr, used, reOut, imOut, true);
}

bool ComputeFftLowerMagnitudes(unsigned n, const float* reIn, unsigned used, float* reWork,
                               float* imWork, float* mag) {
    return Transform(GetFftKernel(), n, reIn, nullptr, used, reWork, imWork, true, mag);
}

// The quick transform.

struct CFastRealFft::Tables {
    std::vector<float> wr, wi;  // e^(-i pi m / L) at L - 1 + m, for every half block L
    std::vector<float> sr, si;  // e^(-2 pi i k / n), k < n/2, to separate the halves
    std::vector<unsigned> reverse;
};

const CFastRealFft::Tables* CFastRealFft::TablesFor(unsigned n) {
    constexpr unsigned MAX_BITS = 13;
    static_assert((1u << MAX_BITS) == MAX_FFT_SIZE);
    static const std::vector<Tables> all = [] {
        std::vector<Tables> t(MAX_BITS + 1);
        for (unsigned b = 3; b <= MAX_BITS; ++b) {
            const unsigned N = 1u << (b - 1);  // complex points
            Tables& x = t[b];
            x.wr.resize(N);
            x.wi.resize(N);
            for (unsigned L = 1; L < N; L <<= 1) {
                for (unsigned m = 0; m < L; ++m) {
                    const double a = -TWO_PI / 2 * double(m) / double(L);
                    x.wr[L - 1 + m] = static_cast<float>(std::cos(a));
                    x.wi[L - 1 + m] = static_cast<float>(std::sin(a));
                }
            }
            x.sr.resize(N);
            x.si.resize(N);
            for (unsigned k = 0; k < N; ++k) {
                const double a = -TWO_PI * double(k) / double(2 * N);
                x.sr[k] = static_cast<float>(std::cos(a));
                x.si[k] = static_cast<float>(std::sin(a));
            }
            x.reverse.resize(N);
            for (unsigned m = 0; m < N; ++m) x.reverse[m] = TwiddleTable::Reverse(m, b - 1);
        }
        return t;
    }();
    if (!IsValidFftSize(n) || n < 8 || n > MAX_FFT_SIZE) return nullptr;
    unsigned b = 0;
    while ((1u << b) < n) ++b;
    return &all[b];
}

namespace {

inline void FastButterflies(unsigned L, const float* __restrict wr, const float* __restrict wi,
                            float* __restrict ar, float* __restrict ai, float* __restrict br,
                            float* __restrict bi) {
    for (unsigned m = 0; m < L; ++m) {
        const float tr = wr[m] * br[m] - wi[m] * bi[m];
        const float ti = wr[m] * bi[m] + wi[m] * br[m];
        br[m] = ar[m] - tr;
        bi[m] = ai[m] - ti;
        ar[m] = ar[m] + tr;
        ai[m] = ai[m] + ti;
    }
}

// Stages of halves L and 2L over one block of 4L points. The second stage's
// factor for m + L is -i times the one for m.
inline void FastTwoStagesOn(unsigned L, const float* __restrict ar, const float* __restrict ai,
                            const float* __restrict br, const float* __restrict bi,
                            float* __restrict r0, float* __restrict i0, float* __restrict r1,
                            float* __restrict i1, float* __restrict r2, float* __restrict i2,
                            float* __restrict r3, float* __restrict i3) {
    for (unsigned m = 0; m < L; ++m) {
        float tr = ar[m] * r1[m] - ai[m] * i1[m], ti = ar[m] * i1[m] + ai[m] * r1[m];
        const float q0r = r0[m] + tr, q0i = i0[m] + ti, q1r = r0[m] - tr, q1i = i0[m] - ti;
        tr = ar[m] * r3[m] - ai[m] * i3[m];
        ti = ar[m] * i3[m] + ai[m] * r3[m];
        const float q2r = r2[m] + tr, q2i = i2[m] + ti, q3r = r2[m] - tr, q3i = i2[m] - ti;
        tr = br[m] * q2r - bi[m] * q2i;
        ti = br[m] * q2i + bi[m] * q2r;
        r0[m] = q0r + tr;
        i0[m] = q0i + ti;
        r2[m] = q0r - tr;
        i2[m] = q0i - ti;
        tr = br[m] * q3r - bi[m] * q3i;  // then times -i
        ti = br[m] * q3i + bi[m] * q3r;
        r1[m] = q1r + ti;
        i1[m] = q1i - tr;
        r3[m] = q1r - ti;
        i3[m] = q1i + tr;
    }
}

inline void FastTwoStages(unsigned L, const float* ar, const float* ai, const float* br,
                          const float* bi, float* re, float* im) {
    FastTwoStagesOn(L, ar, ai, br, bi, re, im, re + L, im + L, re + 2 * L, im + 2 * L, re + 3 * L,
                    im + 3 * L);
}

KALVO_AVX2_CLONES void FastStages(unsigned N, const float* wr, const float* wi, float* re,
                                  float* im, bool bFirstTwoDone) {
    // The first two stages together: factors 1, and 1 and -i.
    for (unsigned i = 0; i < N && !bFirstTwoDone; i += 4) {
        const float r0 = re[i] + re[i + 1], i0 = im[i] + im[i + 1];
        const float r1 = re[i] - re[i + 1], i1 = im[i] - im[i + 1];
        const float r2 = re[i + 2] + re[i + 3], i2 = im[i + 2] + im[i + 3];
        const float r3 = re[i + 2] - re[i + 3], i3 = im[i + 2] - im[i + 3];
        re[i] = r0 + r2;
        im[i] = i0 + i2;
        re[i + 2] = r0 - r2;
        im[i + 2] = i0 - i2;
        re[i + 1] = r1 + i3;  // r1 + (-i)(r3 + i i3)
        im[i + 1] = i1 - r3;
        re[i + 3] = r1 - i3;
        im[i + 3] = i1 + r3;
    }
    // Then two stages a pass while two are left, one on its own at the end.
    unsigned L = 4;
    for (; 4 * L <= N; L <<= 2)
        for (unsigned i = 0; i < N; i += 4 * L)
            FastTwoStages(L, wr + L - 1, wi + L - 1, wr + 2 * L - 1, wi + 2 * L - 1, re + i,
                          im + i);
    for (; L < N; L <<= 1)
        for (unsigned i = 0; i < N; i += 2 * L)
            FastButterflies(L, wr + L - 1, wi + L - 1, re + i, im + i, re + i + L, im + i + L);
}

// |X[k]|, k = 1 ... N-1, from Z, the transform of the even samples plus i
// times the odd ones: X[k] = (Z[k] + Z*[N-k]) / 2 + e^(-i pi k / N) (Z[k] -
// Z*[N-k]) / 2i.
KALVO_AVX2_CLONES void FastSeparate(unsigned N, const float* __restrict re,
                                    const float* __restrict im, const float* __restrict sr,
                                    const float* __restrict si, float* __restrict mag) {
    for (unsigned k = 1; k < N; ++k) {
        const float er = 0.5f * (re[k] + re[N - k]), ei = 0.5f * (im[k] - im[N - k]);
        const float orr = 0.5f * (im[k] + im[N - k]), oi = -0.5f * (re[k] - re[N - k]);
        const float xr = er + (sr[k] * orr - si[k] * oi);
        const float xi = ei + (sr[k] * oi + si[k] * orr);
        mag[k] = std::sqrt(xr * xr + xi * xi);
    }
}

#if KALVO_FFT_X86 && !defined(__SANITIZE_THREAD__)
#define KALVO_FAST_FFT_FMA 1

// A complex vector: eight points.
struct Cv {
    __m256 r, i;
};

__attribute__((target("avx2,fma"))) inline Cv Add(Cv a, Cv b) {
    return {_mm256_add_ps(a.r, b.r), _mm256_add_ps(a.i, b.i)};
}
__attribute__((target("avx2,fma"))) inline Cv Sub(Cv a, Cv b) {
    return {_mm256_sub_ps(a.r, b.r), _mm256_sub_ps(a.i, b.i)};
}
// a - i b and a + i b.
__attribute__((target("avx2,fma"))) inline Cv SubI(Cv a, Cv b) {
    return {_mm256_add_ps(a.r, b.i), _mm256_sub_ps(a.i, b.r)};
}
__attribute__((target("avx2,fma"))) inline Cv AddI(Cv a, Cv b) {
    return {_mm256_sub_ps(a.r, b.i), _mm256_add_ps(a.i, b.r)};
}
// x times (wr, wi).
__attribute__((target("avx2,fma"))) inline Cv Mul(Cv x, __m256 wr, __m256 wi) {
    return {_mm256_fmsub_ps(wr, x.r, _mm256_mul_ps(wi, x.i)),
            _mm256_fmadd_ps(wr, x.i, _mm256_mul_ps(wi, x.r))};
}

// x times e^(-2 pi i t / 16), t < 16, from the factors of t < 8.
__attribute__((target("avx2,fma"))) inline Cv Twiddle16(Cv x, int t, const float* w16r,
                                                        const float* w16i) {
    const __m256 wr = _mm256_set1_ps(t < 8 ? w16r[t] : -w16r[t - 8]);
    const __m256 wi = _mm256_set1_ps(t < 8 ? w16i[t] : -w16i[t - 8]);
    return Mul(x, wr, wi);
}

// The four-point transform y[k] = sum of x[j] (-i)^(jk), in place.
__attribute__((target("avx2,fma"))) inline void Dft4(Cv& x0, Cv& x1, Cv& x2, Cv& x3) {
    const Cv a = Add(x0, x2), b = Sub(x0, x2), c = Add(x1, x3), d = Sub(x1, x3);
    x0 = Add(a, c);
    x2 = Sub(a, c);
    x1 = SubI(b, d);
    x3 = AddI(b, d);
}

// Columns of eight rows of eight: out[l] = (rows[0][l], ..., rows[7][l]).
__attribute__((target("avx2,fma"))) inline void Transpose8(const __m256* rows, __m256* out) {
    __m256 t[8], u[8];
    for (int k = 0; k < 8; k += 2) {
        t[k] = _mm256_unpacklo_ps(rows[k], rows[k + 1]);
        t[k + 1] = _mm256_unpackhi_ps(rows[k], rows[k + 1]);
    }
    for (int k = 0; k < 8; k += 4) {
        u[k] = _mm256_shuffle_ps(t[k], t[k + 2], 0x44);
        u[k + 1] = _mm256_shuffle_ps(t[k], t[k + 2], 0xEE);
        u[k + 2] = _mm256_shuffle_ps(t[k + 1], t[k + 3], 0x44);
        u[k + 3] = _mm256_shuffle_ps(t[k + 1], t[k + 3], 0xEE);
    }
    for (int k = 0; k < 4; ++k) {
        out[k] = _mm256_permute2f128_ps(u[k], u[k + 4], 0x20);
        out[k + 4] = _mm256_permute2f128_ps(u[k], u[k + 4], 0x31);
    }
}

// The first four stages in one pass. After them, block c of 16 points holds
// the 16-point transform of z[r], z[r + M], ..., z[r + 15 M], M = N / 16 and
// r the bit reversal of c; so the eight blocks whose r are 8g ... 8g + 7 read
// eight neighbouring points of each of those inputs, a block a lane, and
// their results are turned into rows of the blocks at the end. z holds the
// points interleaved (real, imaginary), and only the first J M can be
// non-zero (J = 4, 8 or 16); the rest is not read.
template <int J>
__attribute__((target("avx2,fma"))) void FastFirstPassFma(unsigned N, const float* z,
                                                          const unsigned* reverse,
                                                          const float* w16r, const float* w16i,
                                                          float* re, float* im) {
    const unsigned M = N / 16;
    // Within each 128-bit half, the even and the odd floats of two loads:
    // lanes 0 ... 7 hold the points 0, 1, 4, 5, 2, 3, 6, 7 of the eight.
    constexpr unsigned kLane[8] = {0, 1, 4, 5, 2, 3, 6, 7};
    for (unsigned g = 0; g < M; g += 8) {
        Cv v[16];
        for (int j = 0; j < J; ++j) {
            const float* p = z + 2 * (j * M + g);
            const __m256 a = _mm256_loadu_ps(p), b = _mm256_loadu_ps(p + 8);
            v[j] = {_mm256_shuffle_ps(a, b, 0x88), _mm256_shuffle_ps(a, b, 0xDD)};
        }
        // 16 = 4 x 4: four-point transforms of v[j2], v[j2 + 4], ... (only
        // the first one or two non-zero when J < 16), the factors
        // e^(-2 pi i j2 k1 / 16), then four-point transforms across j2.
        Cv y[4][4];  // [k1][j2]
        for (int j2 = 0; j2 < 4; ++j2) {
            Cv x0 = v[j2], x1, x2, x3;
            if constexpr (J == 4) {
                x1 = x2 = x3 = x0;
            } else if constexpr (J == 8) {
                const Cv b = v[j2 + 4];
                x1 = SubI(x0, b);
                x2 = Sub(x0, b);
                x3 = AddI(x0, b);
                x0 = Add(x0, b);
            } else {
                x1 = v[j2 + 4];
                x2 = v[j2 + 8];
                x3 = v[j2 + 12];
                Dft4(x0, x1, x2, x3);
            }
            y[0][j2] = x0;
            if (j2 == 0) {
                y[1][0] = x1;
                y[2][0] = x2;
                y[3][0] = x3;
            } else {
                y[1][j2] = Twiddle16(x1, j2, w16r, w16i);
                y[2][j2] = Twiddle16(x2, 2 * j2, w16r, w16i);
                y[3][j2] = Twiddle16(x3, 3 * j2, w16r, w16i);
            }
        }
        __m256 rows[2][16];  // real, imaginary parts of bins 0 ... 15
        for (int k1 = 0; k1 < 4; ++k1) {
            Dft4(y[k1][0], y[k1][1], y[k1][2], y[k1][3]);
            for (int k2 = 0; k2 < 4; ++k2) {
                rows[0][k1 + 4 * k2] = y[k1][k2].r;
                rows[1][k1 + 4 * k2] = y[k1][k2].i;
            }
        }
        __m256 cols[2][2][8];
        for (int part = 0; part < 2; ++part)
            for (int h = 0; h < 2; ++h) Transpose8(rows[part] + 8 * h, cols[part][h]);
        for (int l = 0; l < 8; ++l) {
            const unsigned c = reverse[g + kLane[l]] >> 4;
            _mm256_storeu_ps(re + 16 * c, cols[0][0][l]);
            _mm256_storeu_ps(re + 16 * c + 8, cols[0][1][l]);
            _mm256_storeu_ps(im + 16 * c, cols[1][0][l]);
            _mm256_storeu_ps(im + 16 * c + 8, cols[1][1][l]);
        }
    }
}

// Two stages (halves L and 2L, L a multiple of eight) over every block of 4L
// points, as FastTwoStagesOn.
__attribute__((target("avx2,fma"))) void FastTwoStagesFma(unsigned N, unsigned L, const float* wr,
                                                          const float* wi, float* re, float* im) {
    const float *ar = wr + L - 1, *ai = wi + L - 1, *br = wr + 2 * L - 1, *bi = wi + 2 * L - 1;
    for (unsigned i = 0; i < N; i += 4 * L) {
        float *r0 = re + i, *i0 = im + i;
        for (unsigned m = 0; m < L; m += 8) {
            const __m256 war = _mm256_loadu_ps(ar + m), wai = _mm256_loadu_ps(ai + m);
            const __m256 wbr = _mm256_loadu_ps(br + m), wbi = _mm256_loadu_ps(bi + m);
            const Cv x0 = {_mm256_loadu_ps(r0 + m), _mm256_loadu_ps(i0 + m)};
            const Cv x1 = {_mm256_loadu_ps(r0 + L + m), _mm256_loadu_ps(i0 + L + m)};
            const Cv x2 = {_mm256_loadu_ps(r0 + 2 * L + m), _mm256_loadu_ps(i0 + 2 * L + m)};
            const Cv x3 = {_mm256_loadu_ps(r0 + 3 * L + m), _mm256_loadu_ps(i0 + 3 * L + m)};
            const Cv t1 = Mul(x1, war, wai), t3 = Mul(x3, war, wai);
            const Cv q0 = Add(x0, t1), q1 = Sub(x0, t1), q2 = Add(x2, t3), q3 = Sub(x2, t3);
            const Cv u2 = Mul(q2, wbr, wbi), u3 = Mul(q3, wbr, wbi);
            const Cv y0 = Add(q0, u2), y2 = Sub(q0, u2), y1 = SubI(q1, u3), y3 = AddI(q1, u3);
            _mm256_storeu_ps(r0 + m, y0.r);
            _mm256_storeu_ps(i0 + m, y0.i);
            _mm256_storeu_ps(r0 + L + m, y1.r);
            _mm256_storeu_ps(i0 + L + m, y1.i);
            _mm256_storeu_ps(r0 + 2 * L + m, y2.r);
            _mm256_storeu_ps(i0 + 2 * L + m, y2.i);
            _mm256_storeu_ps(r0 + 3 * L + m, y3.r);
            _mm256_storeu_ps(i0 + 3 * L + m, y3.i);
        }
    }
}

// One stage (half L, a multiple of eight).
__attribute__((target("avx2,fma"))) void FastStageFma(unsigned N, unsigned L, const float* wr,
                                                      const float* wi, float* re, float* im) {
    const float *ar = wr + L - 1, *ai = wi + L - 1;
    for (unsigned i = 0; i < N; i += 2 * L) {
        float *r0 = re + i, *i0 = im + i;
        for (unsigned m = 0; m < L; m += 8) {
            const Cv x0 = {_mm256_loadu_ps(r0 + m), _mm256_loadu_ps(i0 + m)};
            const Cv x1 = {_mm256_loadu_ps(r0 + L + m), _mm256_loadu_ps(i0 + L + m)};
            const Cv t = Mul(x1, _mm256_loadu_ps(ar + m), _mm256_loadu_ps(ai + m));
            const Cv y0 = Add(x0, t), y1 = Sub(x0, t);
            _mm256_storeu_ps(r0 + m, y0.r);
            _mm256_storeu_ps(i0 + m, y0.i);
            _mm256_storeu_ps(r0 + L + m, y1.r);
            _mm256_storeu_ps(i0 + L + m, y1.i);
        }
    }
}

// |2 X|^2 to |X|: the correctly rounded root, halved (exactly), so that
// every processor gives the same magnitudes.
__attribute__((target("avx2,fma"))) inline __m256 HalfRoot(__m256 x) {
    return _mm256_mul_ps(_mm256_sqrt_ps(x), _mm256_set1_ps(0.5f));
}

// FastSeparate eight bins k and eight bins N - k at a time, from the same
// points: with E and O the transforms of the even and the odd samples at k
// and w = e^(-i pi k / N), X[k] = E + w O and X[N-k] is the conjugate of
// E - w O. Every term is taken twice (exact), so the roots are halved.
__attribute__((target("avx2,fma"))) void FastSeparateFma(unsigned N, const float* re,
                                                         const float* im, const float* sr,
                                                         const float* si, float* mag) {
    const __m256i back = _mm256_setr_epi32(7, 6, 5, 4, 3, 2, 1, 0);
    unsigned k = 1;
    for (; k + 8 <= N / 2; k += 8) {
        const __m256 ar = _mm256_loadu_ps(re + k), ai = _mm256_loadu_ps(im + k);
        const __m256 br = _mm256_permutevar8x32_ps(_mm256_loadu_ps(re + N - k - 7), back);
        const __m256 bi = _mm256_permutevar8x32_ps(_mm256_loadu_ps(im + N - k - 7), back);
        const __m256 er = _mm256_add_ps(ar, br), ei = _mm256_sub_ps(ai, bi);
        const __m256 orr = _mm256_add_ps(ai, bi), oi = _mm256_sub_ps(br, ar);
        const __m256 wr = _mm256_loadu_ps(sr + k), wi = _mm256_loadu_ps(si + k);
        const __m256 tr = _mm256_fmsub_ps(wr, orr, _mm256_mul_ps(wi, oi));
        const __m256 ti = _mm256_fmadd_ps(wr, oi, _mm256_mul_ps(wi, orr));
        const __m256 pr = _mm256_add_ps(er, tr), pi = _mm256_add_ps(ei, ti);
        const __m256 mr = _mm256_sub_ps(er, tr), mi = _mm256_sub_ps(ei, ti);
        _mm256_storeu_ps(mag + k, HalfRoot(_mm256_fmadd_ps(pr, pr, _mm256_mul_ps(pi, pi))));
        _mm256_storeu_ps(mag + N - k - 7,
                         _mm256_permutevar8x32_ps(
                             HalfRoot(_mm256_fmadd_ps(mr, mr, _mm256_mul_ps(mi, mi))), back));
    }
    for (; k <= N / 2; ++k) {
        const float er = 0.5f * (re[k] + re[N - k]), ei = 0.5f * (im[k] - im[N - k]);
        const float orr = 0.5f * (im[k] + im[N - k]), oi = -0.5f * (re[k] - re[N - k]);
        const float tr = sr[k] * orr - si[k] * oi, ti = sr[k] * oi + si[k] * orr;
        mag[k] = std::sqrt((er + tr) * (er + tr) + (ei + ti) * (ei + ti));
        mag[N - k] = std::sqrt((er - tr) * (er - tr) + (ei - ti) * (ei - ti));
    }
}
#endif

}  // namespace

bool CFastRealFft::IsPathAvailable(Path path) {
    switch (path) {
        case Path::Plain:
            return true;
        case Path::Avx2Fma:
#if KALVO_FAST_FFT_FMA
            return CpuHasAvx2Fma();
#else
            return false;
#endif
    }
    return false;
}

bool CFastRealFft::Magnitudes(unsigned n, const float* in, unsigned used, float* mag) {
    return Magnitudes(IsPathAvailable(Path::Avx2Fma) ? Path::Avx2Fma : Path::Plain, n, in, used,
                      mag);
}

bool CFastRealFft::Magnitudes(Path path, unsigned n, const float* in, unsigned used, float* mag) {
    const Tables* t = TablesFor(n);
    if (!t || !IsPathAvailable(path)) return false;
    const unsigned N = n / 2;
    if (used > n) used = n;
    const unsigned usedPoints = (used + 1) / 2;
#if KALVO_FAST_FFT_FMA
    // Eight blocks of 16 at least for the first pass.
    if (path == Path::Avx2Fma && N >= 128) {
        const unsigned M = N / 16;
        const unsigned J = usedPoints <= 4 * M ? 4 : usedPoints <= 8 * M ? 8 : 16;
        const float* z = in;
        if (used < 2 * J * M) {  // padded, so that every point is read without a test
            m_padded.resize(2 * J * M);
            std::copy(in, in + used, m_padded.begin());
            std::fill(m_padded.begin() + used, m_padded.end(), 0.0f);
            z = m_padded.data();
        }
        const float *wr = t->wr.data(), *wi = t->wi.data();
        // e^(-2 pi i m / 16), m < 8, are the factors of the stage of half 8.
        const float *w16r = wr + 7, *w16i = wi + 7;
        const unsigned* reverse = t->reverse.data();
        // The imaginary parts a little past a multiple of 4 kB from the real
        // ones: the four quarters of a block in the last pass are 4 kB apart
        // and share their cache lines' set, and the real and imaginary parts
        // would otherwise fill it.
        m_work.resize(2 * N + WORK_SKEW);
        float *re = m_work.data(), *im = re + N + WORK_SKEW;
        if (J == 4)
            FastFirstPassFma<4>(N, z, reverse, w16r, w16i, re, im);
        else if (J == 8)
            FastFirstPassFma<8>(N, z, reverse, w16r, w16i, re, im);
        else
            FastFirstPassFma<16>(N, z, reverse, w16r, w16i, re, im);
        // The passes whose blocks fit in 1024 points a piece of that size at a
        // time, so that the piece stays in the first-level cache between them.
        const unsigned piece = std::min(N, 1024u);
        unsigned L = 16;
        for (unsigned i = 0; i < N; i += piece)
            for (L = 16; 4 * L <= piece; L <<= 2)
                FastTwoStagesFma(piece, L, wr, wi, re + i, im + i);
        for (; 4 * L <= N; L <<= 2) FastTwoStagesFma(N, L, wr, wi, re, im);
        for (; L < N; L <<= 1) FastStageFma(N, L, wr, wi, re, im);
        FastSeparateFma(N, re, im, t->sr.data(), t->si.data(), mag);
        return true;
    }
#endif
    m_re.resize(N);
    m_im.resize(N);
    // In bit-reversed order, each block of four holds the points r, r + N/4,
    // r + N/2 and r + 3N/4. With the data in the first quarter, only r can
    // be non-zero, and the first two stages only copy it across the block.
    const bool bFirstQuarter = usedPoints <= N / 4;
    if (bFirstQuarter) {
        // The data padded to the first half, so that every point is read
        // without a test.
        m_padded.resize(N / 2);
        std::copy(in, in + used, m_padded.begin());
        std::fill(m_padded.begin() + used, m_padded.end(), 0.0f);
        for (unsigned b = 0; b < N; b += 4) {
            const unsigned r = t->reverse[b];
            typedef float Four __attribute__((vector_size(16)));
            const Four zr = {m_padded[2 * r], m_padded[2 * r], m_padded[2 * r], m_padded[2 * r]};
            const Four zi = {m_padded[2 * r + 1], m_padded[2 * r + 1], m_padded[2 * r + 1],
                             m_padded[2 * r + 1]};
            std::memcpy(&m_re[b], &zr, sizeof zr);
            std::memcpy(&m_im[b], &zi, sizeof zi);
        }
    } else {
        std::fill(m_re.begin(), m_re.end(), 0.0f);
        std::fill(m_im.begin(), m_im.end(), 0.0f);
        for (unsigned j = 0; j < used; ++j) {
            const unsigned q = t->reverse[j / 2];
            (j % 2 ? m_im : m_re)[q] = in[j];
        }
    }
    FastStages(N, t->wr.data(), t->wi.data(), m_re.data(), m_im.data(), bFirstQuarter);
    FastSeparate(N, m_re.data(), m_im.data(), t->sr.data(), t->si.data(), mag);
    return true;
}
