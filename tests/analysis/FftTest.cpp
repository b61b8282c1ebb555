// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "ReferenceFft.h"
#include "analysis/Fft.h"
#include "analysis/NoteTable.h"

namespace {

std::vector<float> Window(int type, int N, float alpha = 0.0f) {
    std::vector<float> w(N);
    ComputeWindowCoefficients(type, alpha, N, w.data());
    return w;
}

}  // namespace

TEST(Window, SmallSegmentsGiveTheTabulatedCoefficients) {
    EXPECT_EQ(Window(WINDOW_HANNING, 4), (std::vector<float>{0.0f, 0.5f, 1.0f, 0.5f}));
    EXPECT_EQ(Window(WINDOW_PARZEN, 4), (std::vector<float>{0.2f, 0.6f, 1.0f, 0.6f}));
    EXPECT_EQ(Window(WINDOW_WELCH, 4), (std::vector<float>{0.36f, 0.84f, 1.0f, 0.84f}));
    const auto g = Window(WINDOW_GAUSSIAN, 4, -0.5f);
    EXPECT_EQ(g, (std::vector<float>{float(std::exp(-0.5)), float(std::exp(-0.125)), 1.0f,
                                     float(std::exp(-0.125))}));
    const auto b = Window(WINDOW_BLACKMAN, 4);
    EXPECT_NEAR(b[0], 0.0f, 1e-7f);
    EXPECT_NEAR(b[2], 1.0f, 1e-7f);
    const auto h = Window(WINDOW_HAMMING, 4);
    EXPECT_FLOAT_EQ(h[0], 0.08f);
    EXPECT_FLOAT_EQ(h[2], 1.0f);
}

TEST(Window, RectangularIsOneAndUnknownTypesFallBackToHanning) {
    for (int N : {1, 50, 1333}) {
        for (float c : Window(WINDOW_RECTANGULAR, N)) EXPECT_EQ(c, 1.0f);
        EXPECT_EQ(Window(7, N), Window(WINDOW_HANNING, N));
        EXPECT_EQ(Window(-3, N), Window(WINDOW_HANNING, N));
    }
}

TEST(Window, CentreAndEdgesOfAFullSegment) {
    const int N = 1333;
    for (int type : {WINDOW_BLACKMAN, WINDOW_HAMMING, WINDOW_HANNING}) {
        const auto w = Window(type, N);
        // Denominator N: coefficient 0 is the minimum and the window is
        // symmetric about N / 2.
        for (int i = 1; i < N; ++i) EXPECT_GE(w[i], w[0]);
        for (int i = 1; i < N / 2; ++i) EXPECT_NEAR(w[i], w[N - i], 1e-6f);
    }
    // Denominator N + 1: neither reaches 0 inside the segment.
    for (int type : {WINDOW_PARZEN, WINDOW_WELCH}) {
        const auto w = Window(type, N);
        for (float c : w) EXPECT_GT(c, 0.0f);
    }
    const auto g = Window(WINDOW_GAUSSIAN, N, -0.5f);
    EXPECT_FLOAT_EQ(g[0], float(std::exp(-0.5)));
}

TEST(Window, TypeNamesAreTheDialogTexts) {
    EXPECT_STREQ(WindowTypeText(WINDOW_BLACKMAN), "Blackmann");
    EXPECT_STREQ(WindowTypeText(WINDOW_WELCH), "Welch");
    EXPECT_EQ(WindowTypeText(7), nullptr);
}

TEST(Fft, ImpulseConstantAndCosineOfSize8) {
    float re[8], im[8];
    const float impulse[8] = {1, 0, 0, 0, 0, 0, 0, 0};
    ASSERT_TRUE(ComputeFft(8, impulse, nullptr, re, im));
    for (int k = 0; k < 8; ++k) {
        EXPECT_NEAR(re[k], 1.0f, 1e-6f);
        EXPECT_NEAR(im[k], 0.0f, 1e-6f);
    }
    const float ones[8] = {1, 1, 1, 1, 1, 1, 1, 1};
    ASSERT_TRUE(ComputeFft(8, ones, nullptr, re, im));
    EXPECT_NEAR(re[0], 8.0f, 1e-6f);
    for (int k = 1; k < 8; ++k) EXPECT_NEAR(std::hypot(re[k], im[k]), 0.0f, 1e-6f);
    float cosine[8];
    for (int m = 0; m < 8; ++m) cosine[m] = float(std::cos(2 * M_PI * m / 8));
    ASSERT_TRUE(ComputeFft(8, cosine, nullptr, re, im));
    for (int k = 0; k < 8; ++k)
        EXPECT_NEAR(std::hypot(re[k], im[k]), (k == 1 || k == 7) ? 4.0f : 0.0f, 1e-5f) << k;
}

TEST(Fft, RefusesSizesThatAreNotPowersOfTwoWithoutWriting) {
    float in[12] = {}, re[12], im[12];
    for (unsigned n : {0u, 3u, 6u, 12u, 8191u}) {
        std::fill(re, re + 12, 7.0f);
        std::vector<float> big(n + 1, 0.0f), bre(n + 1, 7.0f), bim(n + 1, 7.0f);
        EXPECT_FALSE(ComputeFft(n, big.data(), nullptr, bre.data(), bim.data())) << n;
        for (float v : bre) EXPECT_EQ(v, 7.0f);
    }
    EXPECT_TRUE(ComputeFft(1, in, nullptr, re, im));
    EXPECT_FALSE(IsValidFftSize(0));
    EXPECT_TRUE(IsValidFftSize(4096));
}

TEST(Fft, SameBitsAsTheTextbookRecurrenceAtEverySize) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> dist(-65536.0f, 65536.0f);
    for (unsigned n : {2u, 8u, 64u, 1024u, 4096u, 8192u, 16384u}) {
        std::vector<float> reIn(n), imIn(n);
        for (auto& v : reIn) v = dist(rng);
        for (auto& v : imIn) v = dist(rng);
        std::vector<float> a(n), b(n), c(n), d(n);
        // Complex input: the mirror image of the reference, conjugated.
        std::vector<float> imConj(n);
        for (unsigned i = 0; i < n; ++i) imConj[i] = -imIn[i];
        ASSERT_TRUE(ComputeFft(n, reIn.data(), imIn.data(), a.data(), b.data()));
        ReferenceFft(n, reIn.data(), imConj.data(), c.data(), d.data());
        for (unsigned k = 0; k < n; ++k) {
            ASSERT_EQ(a[k], c[k]) << n << " " << k;
            ASSERT_EQ(b[k], -d[k]) << n << " " << k;
        }
        // Real input, absent imaginary part: same real parts and magnitudes.
        ASSERT_TRUE(ComputeFft(n, reIn.data(), nullptr, a.data(), b.data()));
        std::vector<float> zeros(n, 0.0f);
        ReferenceFft(n, reIn.data(), zeros.data(), c.data(), d.data());
        EXPECT_EQ(0, std::memcmp(a.data(), c.data(), n * sizeof(float))) << n;
        for (unsigned k = 0; k < n; ++k) {
            ASSERT_EQ(b[k], -d[k]) << n << " " << k;
            const double m1 = std::sqrt(double(a[k]) * a[k] + double(b[k]) * b[k]);
            const double m2 = std::sqrt(double(c[k]) * c[k] + double(d[k]) * d[k]);
            ASSERT_EQ(float(m1), float(m2));
        }
    }
}

TEST(Fft, ZeroPaddedSegmentsKeepEveryValue) {
    // The analysis pads at most 1333 samples; the shortcut over the first
    // stages must not change a single non-zero output or magnitude.
    std::mt19937 rng(11);
    std::uniform_real_distribution<float> dist(-65536.0f, 65536.0f);
    for (unsigned n : {4096u, 8192u}) {
        for (unsigned used : {1u, 50u, 1024u, 1025u, 1333u, 2048u, 2049u}) {
            std::vector<float> reIn(n, 0.0f), zeros(n, 0.0f);
            for (unsigned i = 0; i < used; ++i) reIn[i] = dist(rng);
            std::vector<float> a(n), b(n), c(n), d(n);
            ASSERT_TRUE(ComputeFft(n, reIn.data(), nullptr, a.data(), b.data()));
            ReferenceFft(n, reIn.data(), zeros.data(), c.data(), d.data());
            for (unsigned k = 0; k < n; ++k) {
                ASSERT_EQ(a[k], c[k]) << n << " " << used << " " << k;
                ASSERT_EQ(b[k], -d[k]) << n << " " << used << " " << k;
            }
        }
    }
}

TEST(Fft, AgreesWithTheDefinitionAndLeavesInputsAlone) {
    const unsigned n = 256;
    std::mt19937 rng(3);
    std::uniform_real_distribution<float> dist(-1.0f, 1.0f);
    std::vector<float> reIn(n), imIn(n);
    for (auto& v : reIn) v = dist(rng);
    for (auto& v : imIn) v = dist(rng);
    const auto reCopy = reIn, imCopy = imIn;
    std::vector<float> re(n), im(n);
    ASSERT_TRUE(ComputeFft(n, reIn.data(), imIn.data(), re.data(), im.data()));
    EXPECT_EQ(reIn, reCopy);
    EXPECT_EQ(imIn, imCopy);
    for (unsigned k = 0; k < n; k += 17) {
        double sr = 0, si = 0;
        for (unsigned m = 0; m < n; ++m) {
            const double a = -2 * M_PI * double(m) * k / n;
            sr += reIn[m] * std::cos(a) - imIn[m] * std::sin(a);
            si += reIn[m] * std::sin(a) + imIn[m] * std::cos(a);
        }
        EXPECT_NEAR(re[k], sr, 1e-3) << k;
        EXPECT_NEAR(im[k], si, 1e-3) << k;
    }
}

// Every path of the transform gives the full scalar transform's values, at
// both sizes, for random and real (windowed, zero-padded) blocks of every
// window: the vector path against the plain one, the pruned transform
// against the one computing every butterfly, and the analysis's lower half.
// Only the sign of an exact zero may differ (== treats the two alike), and no
// magnitude.
TEST(Fft, EveryPathAndThePruningKeepEveryBit) {
    std::mt19937 rng(5);
    std::uniform_real_distribution<float> dist(-65536.0f, 65536.0f);
    for (unsigned n : {4096u, 8192u}) {
        for (int window = 0; window < WINDOW_TYPE_COUNT; ++window) {
            // Noise and a tone of any length, and a tone filling 3/16 of the
            // transform (the longest whose first stages are made together)
            // or one point more.
            for (int kind = 0; kind < 3; ++kind) {
                const bool bReal = kind > 0;
                const unsigned used =
                    kind == 0   ? 1 + rng() % n
                    : kind == 1 ? 50 + rng() % 1284
                                : 3 * n / 16 + unsigned(window % 2);
                std::vector<float> in(n, 0.0f), w(used);
                ComputeWindowCoefficients(window, -0.5f, static_cast<int>(used), w.data());
                for (unsigned i = 0; i < used; ++i) {
                    // A tone (the left plus right of a block) or noise.
                    const float x = bReal ? float(std::lround(30000 * std::sin(0.21 * i) +
                                                              9000 * std::sin(0.05 * i)))
                                          : dist(rng);
                    in[i] = float(double(x) * w[i]);
                }
                std::vector<float> fullRe(n), fullIm(n);
                ASSERT_TRUE(ComputeFftPaddedWith(FftKernel::Scalar, n, in.data(), nullptr, n,
                                                 fullRe.data(), fullIm.data()));
                for (FftKernel kernel : {FftKernel::Scalar, FftKernel::Avx2}) {
                    if (!IsFftKernelAvailable(kernel)) continue;
                    for (unsigned nUsed : {n, used}) {
                        std::vector<float> re(n), im(n);
                        ASSERT_TRUE(ComputeFftPaddedWith(kernel, n, in.data(), nullptr, nUsed,
                                                         re.data(), im.data()));
                        for (unsigned k = 0; k < n; ++k) {
                            ASSERT_EQ(re[k], fullRe[k]) << n << " " << window << " " << k;
                            ASSERT_EQ(im[k], fullIm[k]) << n << " " << window << " " << k;
                        }
                    }
                }
                std::vector<float> re(n), im(n), mag(n / 2), work(2 * n);
                ASSERT_TRUE(ComputeFftLowerHalf(n, in.data(), used, re.data(), im.data()));
                ASSERT_TRUE(ComputeFftLowerMagnitudes(n, in.data(), used, work.data(),
                                                      work.data() + n, mag.data()));
                for (unsigned k = 0; k < n / 2; ++k) {
                    ASSERT_EQ(re[k], fullRe[k]) << n << " " << window << " " << k;
                    ASSERT_EQ(im[k], fullIm[k]) << n << " " << window << " " << k;
                    const double a = std::sqrt(double(re[k]) * re[k] + double(im[k]) * im[k]);
                    const double b =
                        std::sqrt(double(fullRe[k]) * fullRe[k] + double(fullIm[k]) * fullIm[k]);
                    ASSERT_EQ(std::bit_cast<uint64_t>(a), std::bit_cast<uint64_t>(b));
                    ASSERT_EQ(std::bit_cast<uint32_t>(mag[k]), std::bit_cast<uint32_t>(float(b)))
                        << n << " " << window << " " << k;
                }
            }
        }
    }
}

// The quick transform's magnitudes are the exact transform's to float
// rounding on every path, with the data in the first quarter (its short
// start), the first half, or beyond.
TEST(Fft, QuickMagnitudesFollowTheTransform) {
    std::mt19937 rng(11);
    std::uniform_real_distribution<float> dist(-30000.0f, 30000.0f);
    CFastRealFft quick;
    for (auto path : {CFastRealFft::Path::Plain, CFastRealFft::Path::Avx2Fma}) {
        if (!CFastRealFft::IsPathAvailable(path)) continue;
        for (unsigned n : {4096u, 8192u}) {
            for (unsigned used : {n / 8 - 1, 1333u, n / 2 - 3, n}) {
                std::vector<float> in(n, 0.0f), re(n), im(n), mag(n / 2, -1.0f);
                for (unsigned i = 0; i < used; ++i) in[i] = dist(rng);
                ASSERT_TRUE(ComputeFft(n, in.data(), nullptr, re.data(), im.data()));
                ASSERT_TRUE(quick.Magnitudes(path, n, in.data(), used, mag.data()));
                double largest = 0;
                for (unsigned k = 1; k < n / 2; ++k) largest = std::max(largest, double(mag[k]));
                for (unsigned k = 1; k < n / 2; ++k)
                    ASSERT_NEAR(mag[k], std::hypot(double(re[k]), double(im[k])), 2e-6 * largest)
                        << int(path) << " " << n << " " << used << " " << k;
            }
        }
    }
    std::vector<float> in(100, 1.0f), mag(50);
    EXPECT_FALSE(quick.Magnitudes(100, in.data(), 100, mag.data()));
}
