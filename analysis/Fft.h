// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

// Window functions, in the order of the FFT dialog's list.
enum WindowType {
    WINDOW_BLACKMAN = 0,
    WINDOW_GAUSSIAN = 1,
    WINDOW_HAMMING = 2,
    WINDOW_HANNING = 3,
    WINDOW_PARZEN = 4,
    WINDOW_RECTANGULAR = 5,
    WINDOW_WELCH = 6,
};
constexpr int WINDOW_TYPE_COUNT = 7;

// The dialog's text of a window type ("Blackmann", "Gaussian", ...), or
// nullptr outside 0 ... 6.
const char* WindowTypeText(int nType);

// Fills afWindow[0 ... N-1] with the coefficients of nType for a segment of N
// samples, computed in double and stored as float. fGaussAlpha is the
// (negative) exponent factor of the Gaussian window. A type outside 0 ... 6
// gives the Hanning window.
void ComputeWindowCoefficients(int nType, float fGaussAlpha, int N, float* afWindow);

// Forward radix-2 FFT of n points, decimation in time, unscaled:
// out[k] = sum over m of in[m] e^(-2 pi i m k / n). imIn may be null (all-zero
// imaginary input); inputs are not modified. Twiddle factors come from the
// three-term recurrence restarted for every block, held in double; the arrays
// are float. Returns false, computing nothing, when n is not a power of two.
bool ComputeFft(unsigned n, const float* reIn, const float* imIn, float* reOut, float* imOut);

// The same transform when only reIn[0 ... nUsed-1] and imIn[0 ... nUsed-1]
// can be non-zero (the rest is taken as zero and not read; every value
// finite). Butterflies whose inputs are all zero are not computed, nor
// those whose partner half is all zero (or they are, with x = 0, where that
// saves a branch): y + 0 w is y, so every value keeps its bits, and only the
// sign of an exact zero can differ from the full transform's, which no
// magnitude sees. nUsed = n computes every butterfly.
bool ComputeFftPadded(unsigned n, const float* reIn, const float* imIn, unsigned nUsed,
                      float* reOut, float* imOut);

// The code paths of the butterflies: plain C++, and on x86-64 AVX2 with FMA
// (four doubles a lane, the same IEEE operations in the same order; the
// multiply-add unit makes only plain sums, a + 1 b, never a product fused
// into one), chosen at run time where the processor has it. Every path gives
// the same bits.
enum class FftKernel { Scalar, Avx2 };
bool IsFftKernelAvailable(FftKernel kernel);
// The path the transforms use: the fastest the processor has.
FftKernel GetFftKernel();

// ComputeFftPadded on a given path; false when the processor does not have
// it or n is not a power of two.
bool ComputeFftPaddedWith(FftKernel kernel, unsigned n, const float* reIn, const float* imIn,
                          unsigned nUsed, float* reOut, float* imOut);

// The analysis's transform: a real input whose first nUsed values can be
// non-zero, and only bins 0 ... n/2 - 1 of the output (the last stage computes
// only that half); reOut and imOut hold n values of work space. The bins
// have the bits of the full transform's (a zero's sign aside).
bool ComputeFftLowerHalf(unsigned n, const float* reIn, unsigned nUsed, float* reOut,
                         float* imOut);

// The magnitudes of those bins, |X[k]| = sqrt(re^2 + im^2) in double rounded
// to float, into mag[0 ... n/2 - 1], with the bits of ComputeFftLowerHalf's
// bins; reWork and imWork hold n values of work space (their contents are
// left undefined).
bool ComputeFftLowerMagnitudes(unsigned n, const float* reIn, unsigned nUsed, float* reWork,
                               float* imWork, float* mag);

// The size check on its own.
inline bool IsValidFftSize(unsigned n) {
    return n > 0 && (n & (n - 1)) == 0;
}

// A quicker transform for what does not need the bits above (the fundamental
// method): single precision throughout, factors computed directly, and the
// real input taken as a complex one of half the size whose halves are then
// separated. Magnitudes accurate to float rounding, about 1e-6 of the
// largest. Not shared between threads: it holds its work space.
class CFastRealFft {
public:
    // |X[k]| for k = 1 ... n/2 - 1 into mag[1 ... n/2 - 1], X the transform of
    // in[0 ... nUsed-1] followed by zeros. False, computing nothing, when n
    // is not a power of two from 8 to MAX_FFT_SIZE.
    bool Magnitudes(unsigned n, const float* in, unsigned nUsed, float* mag);

    // Its code paths: plain C++, and on x86-64 AVX2 with fused multiply-adds
    // (eight points a lane, the first four stages in one pass), chosen at run
    // time where the processor has it. They differ by float rounding only.
    enum class Path { Plain, Avx2Fma };
    static bool IsPathAvailable(Path path);
    // Magnitudes on a given path; false, computing nothing, also when the
    // processor does not have it.
    bool Magnitudes(Path path, unsigned n, const float* in, unsigned nUsed, float* mag);

private:
    struct Tables;
    static const Tables* TablesFor(unsigned n);
    std::vector<float> m_re, m_im, m_padded;
    static constexpr unsigned WORK_SKEW = 48;  // floats
    std::vector<float> m_work;
};
