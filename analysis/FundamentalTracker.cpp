// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/FundamentalTracker.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "analysis/Vectorise.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {

// Squared differences of x against itself shifted by every lag, eight lags at
// a time in one vector of eight independent sums (each still adds its terms
// in order, so the result does not depend on the vector width).
typedef float Lanes8 __attribute__((vector_size(32)));
constexpr int LAG_GROUP = 32;

KALVO_AVX2_CLONES void DifferenceFunctionPlain(const float* x, unsigned W, int fromLag, int toLag,
                                               double* d) {
    // Four groups of eight lags share each pass over the signal, so that four
    // independent chains of additions keep the processor busy.
    for (int lag0 = fromLag; lag0 <= toLag; lag0 += LAG_GROUP) {
        Lanes8 acc[4] = {};
        for (unsigned j = 0; j < W; ++j) {
            const float xj = x[j];
            for (int g = 0; g < 4; ++g) {
                Lanes8 shifted;
                std::memcpy(&shifted, x + j + lag0 + 8 * g, sizeof shifted);
                const Lanes8 diff = xj - shifted;
                acc[g] += diff * diff;
            }
        }
        for (int t = 0; t < LAG_GROUP && lag0 + t <= toLag; ++t) d[lag0 + t] = acc[t / 8][t % 8];
    }
}

#if defined(__x86_64__) && !defined(__SANITIZE_THREAD__)
// The same with each square added in one fused step, rounded once instead of
// twice, and the even and the odd samples in sums of their own, added at the
// end: eight chains of additions in flight instead of four. The values differ
// from the plain path's by float rounding only.
__attribute__((target("avx2,fma"))) void DifferenceFunctionFma(const float* x, unsigned W,
                                                               int fromLag, int toLag, double* d) {
    for (int lag0 = fromLag; lag0 <= toLag; lag0 += LAG_GROUP) {
        __m256 even[4], odd[4];
        for (int g = 0; g < 4; ++g) even[g] = odd[g] = _mm256_setzero_ps();
        unsigned j = 0;
        for (; j + 2 <= W; j += 2) {
            const __m256 x0 = _mm256_set1_ps(x[j]), x1 = _mm256_set1_ps(x[j + 1]);
            for (int g = 0; g < 4; ++g) {
                const __m256 d0 = _mm256_sub_ps(x0, _mm256_loadu_ps(x + j + lag0 + 8 * g));
                const __m256 d1 = _mm256_sub_ps(x1, _mm256_loadu_ps(x + j + 1 + lag0 + 8 * g));
                even[g] = _mm256_fmadd_ps(d0, d0, even[g]);
                odd[g] = _mm256_fmadd_ps(d1, d1, odd[g]);
            }
        }
        for (; j < W; ++j) {
            const __m256 x0 = _mm256_set1_ps(x[j]);
            for (int g = 0; g < 4; ++g) {
                const __m256 d0 = _mm256_sub_ps(x0, _mm256_loadu_ps(x + j + lag0 + 8 * g));
                even[g] = _mm256_fmadd_ps(d0, d0, even[g]);
            }
        }
        float sums[32];
        for (int g = 0; g < 4; ++g) _mm256_storeu_ps(sums + 8 * g, _mm256_add_ps(even[g], odd[g]));
        for (int t = 0; t < LAG_GROUP && lag0 + t <= toLag; ++t) d[lag0 + t] = sums[t];
    }
}

#endif

// d[fromLag ... toLag], fromLag the first of a group (1, 1 + LAG_GROUP, ...):
// each group is summed on its own, so the values do not depend on which
// groups are asked for together.
void DifferenceFunction(const float* x, unsigned W, int fromLag, int toLag, double* d) {
#if defined(__x86_64__) && !defined(__SANITIZE_THREAD__)
    if (CpuHasAvx2Fma()) return DifferenceFunctionFma(x, W, fromLag, toLag, d);
#endif
    DifferenceFunctionPlain(x, W, fromLag, toLag, d);
}

// Offset of the extremum of the parabola through (-1, a), (0, b), (1, c).
double ParabolaOffset(double a, double b, double c) {
    const double den = a - 2 * b + c;
    if (!(std::fabs(den) > 0)) return 0;
    const double offset = 0.5 * (a - c) / den;
    return std::clamp(offset, -0.5, 0.5);
}

// Lowest value of that parabola, never above b.
double ParabolaMinimum(double a, double b, double c) {
    const double den = a - 2 * b + c;
    if (!(den > 0)) return b;
    return std::min(b, b - (a - c) * (a - c) / (8 * den));
}

// x[from]^2 + ... + x[to-1]^2 in four running sums, which do not wait on
// one another. The analyser's samples are integers below 2^17: every square
// and every sum is then an exact integer, and the order of the additions
// does not matter.
double SumOfSquares(const float* x, unsigned from, unsigned to) {
    double sums[4] = {0, 0, 0, 0};
    unsigned j = from;
    for (; j + 4 <= to; j += 4)
        for (int k = 0; k < 4; ++k) sums[k] += double(x[j + k]) * x[j + k];
    for (; j < to; ++j) sums[0] += double(x[j]) * x[j];
    return (sums[0] + sums[1]) + (sums[2] + sums[3]);
}

// The energy of x[0 ... W-1], and whether it is enough to carry a period at
// all: more than an RMS of two units of the two-channel sum.
double Energy(const float* x, unsigned W) {
    return SumOfSquares(x, 0, W);
}
bool CarriesAPeriod(double energy, unsigned W) {
    return energy > double(W) * 4.0;
}

// YIN's cumulative mean normalised difference of d into norm, lags from ...
// to (and norm[0] = 1 when from is 1), continuing the running sum of d over
// the lags before them.
void Normalise(const double* d, int from, int to, double& running, double* norm) {
    if (from == 1) norm[0] = 1;
    for (int t = from; t <= to; ++t) {
        running += d[t];
        norm[t] = running > 0 ? d[t] * t / running : 1;
    }
}

// The first lag from `from` below `end` whose dip's bottom lies below
// `threshold`, or -1. The bottom is taken between the lags: a period of a few
// samples falls between two of them, and neither alone dips deep enough.
// norm(t) gives the normalised difference at lag t.
template <class Norm>
int FirstDip(Norm norm, int from, int end, double threshold) {
    for (int t = from; t < end; ++t) {
        const double c = norm(t + 1), a = norm(t - 1), b = norm(t);
        if (b <= a && b <= c && ParabolaMinimum(a, b, c) < threshold) return t;
    }
    return -1;
}

// A long period's dip is wide, and noise or a decaying tone ripples it: its
// first local minimum can lie well before the bottom. The lowest lag of the
// whole stretch from `best` that stays below the threshold.
template <class Norm>
int BottomOfDip(Norm norm, int best, int end, double threshold) {
    for (int t = best + 1; t < end && norm(t) < threshold; ++t)
        if (norm(t) < norm(best)) best = t;
    return best;
}

// Squared differences of w[0 ... W-1] against w shifted by t0 ... t0 + 7,
// into d[0 ... 7]. w holds integers below 2^17: every difference, square
// and sum is an exact integer in double, so neither the order of the
// additions nor a fused multiply-add changes a bit.
typedef double Lanes4d __attribute__((vector_size(32)));

KALVO_AVX2_CLONES void EightLagsPlain(const double* w, unsigned W, int t0, double* d) {
    Lanes4d acc[4] = {};
    unsigned j = 0;
    for (; j + 2 <= W; j += 2)
        for (int h = 0; h < 2; ++h)
            for (int v = 0; v < 2; ++v) {
                Lanes4d b;
                std::memcpy(&b, w + j + h + t0 + 4 * v, sizeof b);
                const Lanes4d e = w[j + h] - b;
                acc[2 * h + v] += e * e;
            }
    for (; j < W; ++j)
        for (int v = 0; v < 2; ++v) {
            Lanes4d b;
            std::memcpy(&b, w + j + t0 + 4 * v, sizeof b);
            const Lanes4d e = w[j] - b;
            acc[v] += e * e;
        }
    for (int v = 0; v < 2; ++v)
        for (int k = 0; k < 4; ++k) d[4 * v + k] = acc[v][k] + acc[2 + v][k];
}

#if defined(__x86_64__) && !defined(__SANITIZE_THREAD__)
__attribute__((target("avx2,fma"))) void EightLagsFma(const double* w, unsigned W, int t0,
                                                      double* d) {
    __m256d acc[8];
    for (int i = 0; i < 8; ++i) acc[i] = _mm256_setzero_pd();
    unsigned j = 0;
    for (; j + 4 <= W; j += 4)
        for (int h = 0; h < 4; ++h) {
            const __m256d a = _mm256_broadcast_sd(w + j + h);
            for (int v = 0; v < 2; ++v) {
                const __m256d e = _mm256_sub_pd(a, _mm256_loadu_pd(w + j + h + t0 + 4 * v));
                acc[2 * h + v] = _mm256_fmadd_pd(e, e, acc[2 * h + v]);
            }
        }
    for (; j < W; ++j) {
        const __m256d a = _mm256_broadcast_sd(w + j);
        for (int v = 0; v < 2; ++v) {
            const __m256d e = _mm256_sub_pd(a, _mm256_loadu_pd(w + j + t0 + 4 * v));
            acc[v] = _mm256_fmadd_pd(e, e, acc[v]);
        }
    }
    for (int v = 0; v < 2; ++v) {
        const __m256d sum =
            _mm256_add_pd(_mm256_add_pd(acc[v], acc[2 + v]), _mm256_add_pd(acc[4 + v], acc[6 + v]));
        _mm256_storeu_pd(d + 4 * v, sum);
    }
}
#endif

void EightLags(const double* w, unsigned W, int t0, double* d) {
#if defined(__x86_64__) && !defined(__SANITIZE_THREAD__)
    if (CpuHasAvx2Fma()) return EightLagsFma(w, W, t0, d);
#endif
    EightLagsPlain(w, W, t0, d);
}

// The lag in [lo, hi] after which x[from ... from+W-1] repeats best, by the
// plain squared difference (its lowest local minimum, interpolated), or 0.
// x holds n samples, integers: every difference, square and sum is exact.
double BestLagNear(const float* x, unsigned n, unsigned from, unsigned W, int lo, int hi) {
    constexpr int MAX_SPAN = 80;
    constexpr int GROUP = 8;
    if (lo < 2 || hi - lo > MAX_SPAN) return 0;
    // Lags lo - 1 ... hi + 1, eight at a time, over the samples widened once
    // (zeros past the block, which only lags after hi + 1 reach).
    const int first = lo - 1, lags = hi - lo + 3;
    const int groups = (lags + GROUP - 1) / GROUP;
    std::array<double, MAX_SPAN + 3 + GROUP> d;
    const size_t size = W + unsigned(first + groups * GROUP);
    const size_t inside = from < n ? std::min<size_t>(size, n - from) : 0;
    std::array<double, 1024> local;
    std::vector<double> large;
    double* wide = local.data();
    if (size > local.size()) {
        large.resize(size);
        wide = large.data();
    }
    std::copy(x + from, x + from + inside, wide);
    std::fill(wide + inside, wide + size, 0.0);
    for (int g = 0; g < groups; ++g) EightLags(wide, W, first + GROUP * g, &d[GROUP * g]);
    double best = 0, bestD = 0;
    for (int t = lo; t <= hi; ++t) {
        const double a = d[t - lo], b = d[t - lo + 1], c = d[t - lo + 2];
        if (b <= a && b <= c && (best == 0 || b < bestD)) {
            best = t + ParabolaOffset(a, b, c);
            bestD = b;
        }
    }
    return best;
}

}  // namespace

void CFundamentalTracker::ComputeLagsTo(int t) {
    if (t <= m_nLagsDone) return;
    const int from = m_nLagsDone + 1;
    const int to = std::min(MAX_LAG, (t + LAG_GROUP - 1) / LAG_GROUP * LAG_GROUP);
    DifferenceFunction(m_pDiffSignal, m_nDiffWidth, from, to, m_adDiff.data());
    Normalise(m_adDiff.data(), from, to, m_dRunning, m_adNormalised.data());
    m_nLagsDone = to;
}

double CFundamentalTracker::FindPeriod(const float* x, unsigned n) {
    m_dLongerPeriod = 0;
    m_bWeakDip = false;
    m_bHaveDifference = false;
    if (n < static_cast<unsigned>(2 * MAX_LAG) + 32) return 0;
    const unsigned W = n - MAX_LAG - 32;  // the lag groups may look a little past MAX_LAG

    // Silence (or a signal too faint to carry a period) has no pitch.
    const double energy = Energy(x, W);
    if (!CarriesAPeriod(energy, W)) return 0;

    // The difference function is computed as far as the search reads it.
    m_pDiffSignal = x;
    m_nDiffWidth = W;
    m_nLagsDone = 0;
    m_dRunning = 0;
    m_bHaveDifference = true;
    const auto norm = [this](int t) { return Normalised(t); };

    // The first dip whose bottom lies below the threshold: the shortest lag
    // that repeats the waveform, so never a multiple of the period.
    const auto firstDip = [&](int from) { return FirstDip(norm, from, MAX_LAG, THRESHOLD); };
    int best = firstDip(MIN_LAG);
    // A first dip at the shortest lag is a period above the range (the
    // strong second partial of a note near the top of it, say): the note
    // itself, if any, repeats at one of the next dips.
    if (best == MIN_LAG) {
        best = firstDip(MIN_LAG + 2);
        if (best < 0) return 0;
    }
    // The bottom of its dip (a first minimum can be a semitone sharp on a
    // low note).
    if (best >= 0) best = BottomOfDip(norm, best, MAX_LAG, THRESHOLD);
    if (best < 0) {
        ComputeLagsTo(MAX_LAG);
        int deepest = MIN_LAG;
        for (int t = MIN_LAG; t <= MAX_LAG; ++t)
            if (m_adNormalised[t] < m_adNormalised[deepest]) deepest = t;
        if (m_adNormalised[deepest] >= WEAK_THRESHOLD) return 0;
        m_bWeakDip = true;
        best = deepest;
    }
    if (best <= MIN_LAG || best >= MAX_LAG)
        return 0;  // at the edge of the lags: not a period in range
    ComputeLagsTo(best + 1);

    // A tone whose odd partials are faint (a weak fundamental under a strong
    // second harmonic, as on bassoon, voice or some organ stops) repeats
    // almost exactly after half its period, and that dip comes first. What
    // the half period leaves over, d(T), is then the odd partials' energy;
    // when the waveform repeats far better after twice that lag, and the
    // leftover is not a mere trace, the longer lag is a candidate period
    // (Estimate confirms it on the spectrum: on the sample grid a short
    // period of a harmonic-rich tone can look like this too).
    const int twice = 2 * best;
    if (best >= MIN_OCTAVE_CHECK_LAG && twice + 1 < MAX_LAG) {
        ComputeLagsTo(twice + 2);
        int t2 = twice;
        for (int t = twice - 1; t <= twice + 1; ++t)
            if (m_adDiff[t] < m_adDiff[t2]) t2 = t;
        const double dT = ParabolaMinimum(m_adDiff[best - 1], m_adDiff[best], m_adDiff[best + 1]);
        const double d2T = ParabolaMinimum(m_adDiff[t2 - 1], m_adDiff[t2], m_adDiff[t2 + 1]);
        if (dT > ODD_SHARE * 2 * energy && d2T < OCTAVE_RATIO * dT)
            m_dLongerPeriod = t2 + ParabolaOffset(m_adNormalised[t2 - 1], m_adNormalised[t2],
                                                  m_adNormalised[t2 + 1]);
    }
    return best +
           ParabolaOffset(m_adNormalised[best - 1], m_adNormalised[best], m_adNormalised[best + 1]);
}

float CFundamentalTracker::Loudest(const float* M, unsigned nBins) {
    float loudest = 0;
    for (unsigned i = 1; i < nBins; ++i) loudest = std::max(loudest, M[i]);
    return loudest;
}

float CFundamentalTracker::FloorAround(int k, const float* M, unsigned nBins) {
    constexpr int RADIUS = 64;
    std::array<float, 2 * RADIUS + 1> near;
    const int lo = std::max(1, k - RADIUS), hi = std::min(int(nBins) - 1, k + RADIUS);
    if (lo > hi) return 0;
    const int count = hi - lo + 1;
    std::copy(M + lo, M + hi + 1, near.begin());
    std::nth_element(near.begin(), near.begin() + count / 4, near.begin() + count);
    return near[count / 4];
}

bool CFundamentalTracker::HasPartial(double f, const float* M, unsigned nBins, double w,
                                     float loudest, bool clean, const float* hum) {
    return PartialLevel(f, M, nBins, w, loudest, clean, 0.03, hum) > 0;
}

float CFundamentalTracker::PartialLevel(double f, const float* M, unsigned nBins, double w,
                                        float loudest, bool clean, double tolerance,
                                        const float* hum) {
    if (!(f > 0) || !(w > 0) || nBins < 4) return 0;
    const double centre = f / w;
    const double radius = std::max(2.0, tolerance * centre);
    const int lo = std::max(1, int(std::floor(centre - radius)));
    const int hi = std::min(int(nBins) - 2, int(std::ceil(centre + radius)));
    if (lo >= hi) return 0;
    int k = lo;
    for (int i = lo + 1; i <= hi; ++i)
        if (M[i] > M[k]) k = i;
    if (k == lo || k == hi || !(M[k] >= M[k - 1]) || !(M[k] >= M[k + 1])) return 0;
    if (!(M[k] >= PARTIAL_LEVEL * loudest)) return 0;
    if (hum && k < HUM_BINS && !(M[k] > hum[k])) return 0;
    if (clean && !(M[k] >= FLOOR_RATIO * FloorAround(k, M, nBins))) return 0;
    return M[k];
}

double CFundamentalTracker::DipNear(double t) {
    if (!m_bHaveDifference) return 1;
    const int c = int(std::lround(t));
    double dip = 1;
    for (int l = std::max(1, c - 1); l <= std::min(MAX_LAG, c + 1); ++l)
        dip = std::min(dip, Normalised(l));
    return dip;
}

double CFundamentalTracker::SpectralHighNote(const float* M, unsigned nBins, double w,
                                             float loudest) {
    if (!m_bHaveDifference || !(loudest > 0) || !(w > 0) || nBins < 4) return 0;
    // The strong clean peaks (at least SUBHARMONIC_LEVEL of the loudest and
    // SPECTRAL_FLOOR_RATIO above the floor, not the loudest of the noise):
    // the lowest is the candidate, and every other lies near a multiple of
    // it (a stiff string's upper partials run sharp, hence the wide margin).
    double f = 0;
    const int first = std::max(2, int(MIN_FREQUENCY / w));
    for (int i = first; i + 1 < int(nBins); ++i) {
        if (!(M[i] >= SUBHARMONIC_LEVEL * loudest) || !(M[i] > M[i - 1]) || !(M[i] >= M[i + 1]))
            continue;
        if (!(M[i] >= SPECTRAL_FLOOR_RATIO * FloorAround(i, M, nBins))) continue;
        if (f > 0) {
            const double ratio = i * w / f;
            if (std::fabs(ratio - std::round(ratio)) >= 0.15) return 0;
            continue;
        }
        if (!(M[i - 1] > 0) || !(M[i + 1] > 0)) return 0;
        f = (i + ParabolaOffset(std::log(double(M[i - 1])), std::log(double(M[i])),
                                std::log(double(M[i + 1])))) *
            w;
        // A high note only: lower ones are the period's to find.
        if (f < SPECTRAL_ABOVE || f > MAX_FREQUENCY * 1.03) return 0;
    }
    // The waveform still repeats after its period, however faintly.
    if (!(f > 0) || !(DipNear(SAMPLE_RATE / f) < SPECTRAL_DIP)) return 0;
    // No clean partial sounds an octave or a twelfth below: as a note dies
    // away in a room, its fundamental sinks below the loud partials first,
    // and the lowest loud one is then its second or third. (A peak of the
    // noise there, which pink noise puts at -30 dB of a top-octave note, is
    // no partial.)
    const float* hum = m_bHum ? m_afHumLevel.data() : nullptr;
    if (HasPartial(f / 2, M, nBins, w, loudest, true, hum) ||
        HasPartial(f / 3, M, nBins, w, loudest, true, hum))
        return 0;
    return RefineOnHarmonics(f, M, nBins, w);
}

double CFundamentalTracker::RefineOnHarmonics(double f0, const float* M, unsigned nBins, double w) {
    if (!(f0 > 0) || !(w > 0) || nBins < 4) return f0;
    const double spacing = f0 / w;  // bins between harmonics
    double weighted = 0, weights = 0, loudest = 0;
    struct Peak {
        double f, level;
    } peaks[8];
    int nPeaks = 0;
    for (int h = 1; h <= 8; ++h) {
        const double centre = h * spacing;
        // Search within a quarter of the harmonic spacing, but at least a few
        // bins (the period estimate is good to a fraction of a semitone).
        const double radius = std::max(2.0, std::min(0.25 * spacing, 0.03 * centre + 2));
        const int lo = std::max(1, int(std::floor(centre - radius)));
        const int hi = std::min(int(nBins) - 2, int(std::ceil(centre + radius)));
        if (lo >= hi) break;
        int k = lo;
        for (int i = lo + 1; i <= hi; ++i)
            if (M[i] > M[k]) k = i;
        // Only a true local maximum inside the window is a partial.
        if (k == lo || k == hi || !(M[k] > 0) || !(M[k - 1] > 0) || !(M[k + 1] > 0)) continue;
        const double offset = ParabolaOffset(std::log(double(M[k - 1])), std::log(double(M[k])),
                                             std::log(double(M[k + 1])));
        peaks[nPeaks++] = {(k + offset) * w / h, double(M[k])};
        loudest = std::max(loudest, double(M[k]));
    }
    // Each partial weighs by its strength; faint ones are left out. (Weighing
    // by order too would pin a harmonic tone finer, but the upper partials of
    // stiff strings and of voices lie above the harmonic series and would
    // pull the reading sharp.)
    for (int i = 0; i < nPeaks; ++i) {
        if (peaks[i].level < 0.1 * loudest) continue;
        const double weight = peaks[i].level;
        weighted += weight * peaks[i].f;
        weights += weight;
    }
    if (!(weights > 0)) return f0;
    const double refined = weighted / weights;
    // The partials must agree with the period; otherwise trust the period.
    return std::fabs(refined / f0 - 1) < 0.03 ? refined : f0;
}

bool CFundamentalTracker::IsRising(const float* x, unsigned n) {
    const unsigned q = n / 4;
    return SumOfSquares(x, n - q, n) > ATTACK_RISE * SumOfSquares(x, 0, q);
}

double CFundamentalTracker::Estimate(const float* x, unsigned n, const float* M, unsigned nBins,
                                     double w, unsigned segment) {
    m_dEnergy = Energy(x, n);
    m_bOnset = m_dEnergy > ONSET_RISE * std::min(m_adRecent[0], m_adRecent[1]);
    m_bRelease = RELEASE_FALL * m_dEnergy < *std::max_element(m_adRecent.begin(), m_adRecent.end());
    for (int i = HUM_QUIET - 1; i > 0; --i) m_adRecent[i] = m_adRecent[i - 1];
    m_adRecent[0] = m_dEnergy;
    m_nSegment = segment > 0 ? segment : n;
    double f = EstimateInRange(x, n, M, nBins, w);
    if (!(f > 0)) f = LowNote(x, n);
    if (f > 0) m_dLastReading = f;
    return f;
}

bool CFundamentalTracker::Glides(const float* x, unsigned n, double f) {
    // Each half is compared with itself over the same number of samples,
    // within 8% of the block's period; the halves' samples reach up to a
    // period past their start. A long period leaves the second half too
    // short a stretch to compare, and is let be.
    const double T = SAMPLE_RATE / f;
    const int lo = int(std::floor(0.92 * T)), hi = int(std::ceil(1.08 * T));
    const int half = int(n / 2), W = int(n) - hi - 2 - half;
    if (W < int(T)) return false;
    const double early = BestLagNear(x, n, 0, unsigned(W), lo, hi);
    const double late = BestLagNear(x, n, unsigned(half), unsigned(W), lo, hi);
    if (!(early > 0) || !(late > 0)) return false;
    return std::fabs(late / early - 1) > GLIDE &&
           GLIDE_LEAN * std::fabs(early / T - 1) < std::fabs(late / T - 1);
}

double CFundamentalTracker::SeriesAbove(double f, const float* M, unsigned nBins, double w,
                                        float loudest) const {
    const float* hum = m_bHum ? m_afHumLevel.data() : nullptr;
    bool doubt = false;
    for (int k = 2; k <= MAX_SERIES && k * f <= MAX_FREQUENCY; ++k) {
        const float first = PartialLevel(k * f, M, nBins, w, loudest, true, 0.03, hum);
        if (!(first >= SUBHARMONIC_LEVEL * loudest)) continue;
        float others = 0;
        int present = 0;
        for (int h = 1; h <= 2 * k + 1; ++h) {
            if (h % k == 0) continue;
            const float level = PartialLevel(h * f, M, nBins, w, loudest, false, 0.03, hum);
            if (level > 0) ++present;
            others = std::max(others, level);
        }
        if (others < SERIES_SHARE * first) {
            if (present <= 1) return k * f;
            doubt = true;
        }
    }
    return doubt ? -1 : 0;
}

void CFundamentalTracker::LearnHum(double period, bool rising, const float* M, unsigned nBins,
                                   double w) {
    const int bins = std::min({HUM_BINS, int(nBins), int(HUM_TOP / w) + 1});
    const double perSample = 1.0 / m_nSegment;
    // The block's energy joins the last ones; a rise within the block is an
    // onset and clears them.
    if (rising) m_nEnergies = 0;
    for (int i = HUM_QUIET - 1; i > 0; --i) m_adEnergies[i] = m_adEnergies[i - 1];
    m_adEnergies[0] = m_dEnergy;
    m_nEnergies = std::min(m_nEnergies + 1, HUM_QUIET);
    bool humBlock = false;
    m_bWideHum = false;
    if (period > 0 && !rising) {
        const double f = SAMPLE_RATE / period;
        const int k = int(std::lround(f / w));
        double line = 0, learned = 0;
        for (int i = std::max(1, k - 2); i <= std::min(bins - 1, k + 2); ++i) {
            line = std::max(line, M[i] * perSample);
            learned = std::max(learned, double(m_afHum[i]));
        }
        for (const double mains : {50.0, 60.0}) {
            const double off = std::fabs(f / mains - 1);
            if (off <= HUM_TOLERANCE) humBlock = true;
            // In a release, the note's remains pull the hum's period aside.
            if (off <= HUM_WIDE && m_bRelease && learned > 0) m_bWideHum = humBlock = true;
        }
        if (humBlock && learned > 0) {
            // Over a hum already learned: as loud as the hum there, not a
            // note played near the mains frequency, which stands out.
            humBlock = line <= HUM_NEW * learned;
        } else if (humBlock) {
            // Nothing learned yet: steady in level over the last blocks, with
            // no onset among them (a struck or plucked note decays; the
            // first blocks of the stream have no past and count as steady).
            const auto [lo, hi] =
                std::minmax_element(m_adEnergies.begin(), m_adEnergies.begin() + m_nEnergies);
            humBlock = *hi <= HUM_STEADY * *lo && (m_nEnergies == HUM_QUIET || m_bNoPast);
        }
    }
    if (m_nEnergies == HUM_QUIET || rising) m_bNoPast = false;
    m_bWideHum = m_bWideHum && humBlock;
    m_bHum = m_bHum || humBlock;
    if (!m_bHum) return;
    for (int i = 0; i < bins; ++i) {
        const float level = static_cast<float>(M[i] * perSample);
        if (humBlock && level > m_afHum[i])
            m_afHum[i] = level;
        else if (level < m_afHum[i])
            m_afHum[i] = std::max(level, static_cast<float>(HUM_DECAY * m_afHum[i]));
        m_afHumLevel[i] = static_cast<float>(HUM_MARGIN * m_afHum[i] * m_nSegment);
    }
    for (int i = bins; i < HUM_BINS; ++i) m_afHumLevel[i] = 0;
}

bool CFundamentalTracker::IsHum(double f, const float* M, unsigned nBins, double w,
                                float loudest) const {
    if (!m_bHum) return false;
    for (int h = 1; h <= 3; ++h)
        if (HasPartial(h * f, M, nBins, w, loudest, false, m_afHumLevel.data())) return false;
    return true;
}

double CFundamentalTracker::LowNote(const float* x, unsigned n) {
    if (n < static_cast<unsigned>(2 * LOW_MAX_LAG) + 32) return 0;
    const unsigned W = n - LOW_MAX_LAG - 32;
    if (!CarriesAPeriod(Energy(x, W), W) || IsRising(x, n)) return 0;
    DifferenceFunction(x, W, 1, LOW_MAX_LAG, m_adLowDiff.data());
    double running = 0;
    Normalise(m_adLowDiff.data(), 1, LOW_MAX_LAG, running, m_adLowNormalised.data());
    const double* d = m_adLowNormalised.data();
    const auto norm = [d](int t) { return d[t]; };
    int best = FirstDip(norm, MIN_LAG + 2, LOW_MAX_LAG, THRESHOLD);
    // A shorter lag that repeats the waveform is a note the range above has
    // already turned down.
    if (best < MAX_LAG - 1) return 0;
    best = BottomOfDip(norm, best, LOW_MAX_LAG, THRESHOLD);
    if (best >= LOW_MAX_LAG - 1) return 0;
    const double f0 = SAMPLE_RATE / (best + ParabolaOffset(d[best - 1], d[best], d[best + 1]));
    return f0 >= MIN_FUNDAMENTAL_FREQUENCY && f0 < MIN_FREQUENCY ? f0 : 0;
}

double CFundamentalTracker::EstimateInRange(const float* x, unsigned n, const float* M,
                                            unsigned nBins, double w) {
    double period = FindPeriod(x, n);
    const float loudest = Loudest(M, nBins);
    const bool rising = IsRising(x, n);
    LearnHum(period, rising, M, nBins, w);
    if (!(period > 0) || m_bWideHum) return SpectralHighNote(M, nBins, w, loudest);
    const float* hum = m_bHum ? m_afHumLevel.data() : nullptr;
    const auto partial = [&](double f) { return HasPartial(f, M, nBins, w, loudest, false, hum); };
    const auto clean = [&](double f) { return HasPartial(f, M, nBins, w, loudest, true, hum); };
    // The octave below counts only when the spectrum shows it: its own
    // partial, or a clean one at 3/2 of the candidate (the lower note's
    // third), which no note at the candidate has. In a room the high-pass of
    // the microphone and the walls often take the first away.
    if (m_dLongerPeriod > 0) {
        const double lower = SAMPLE_RATE / m_dLongerPeriod;
        if (partial(lower) || clean(3 * lower)) period = m_dLongerPeriod;
    }
    double f0 = SAMPLE_RATE / period;
    // The hum's own period, or a period whose partials are all the hum's.
    if (IsHum(f0, M, nBins, w, loudest)) return SpectralHighNote(M, nBins, w, loudest);
    // A block that the note's attack fills only in part: its period mixes
    // what came before with the first cycles of the note. Only a candidate
    // that the spectrum backs is published there: a clean partial of its
    // own and none an octave below, which would leave its octave in doubt.
    // No reading for that block is better than a wrong note.
    if (rising && (!clean(f0) || clean(f0 / 2))) return 0;
    // At a note's start the octave is in doubt too when partials sound at
    // half and at 3/2 of the candidate: they are the first and third of the
    // note an octave below, whose odd partials build up after its even ones
    // (a reed's or a pipe's speech), or which a room's high-pass and noise
    // leave faint. The next blocks will tell.
    if (m_bOnset && partial(f0 / 2) && partial(1.5 * f0)) return 0;
    // Without a dip below the threshold the period is a guess among noise or
    // reverberation; it stands only when the spectrum confirms it: the
    // candidate's first and second partials, or below CHECK_ABOVE (where the
    // first is often missing) one of them. Otherwise the spectrum may still
    // name a high note.
    if (m_bWeakDip &&
        !(f0 >= CHECK_ABOVE ? clean(f0) && clean(2 * f0) : clean(f0) || clean(2 * f0)))
        return SpectralHighNote(M, nBins, w, loudest);
    // Nothing at the candidate but a partial at 3/2 of it: the waveform
    // repeated after one and a half periods of the played note, as at the
    // strike of a high note; neither the candidate nor its octave is the note.
    if (f0 >= CHECK_ABOVE && !clean(f0) && clean(1.5 * f0))
        return SpectralHighNote(M, nBins, w, loudest);
    // A waveform can repeat only after a multiple of the played note's
    // period: an organ mixture sounds a rank a fifth above the key, and key
    // and fifth meet again only an octave below the key, where nothing sounds.
    // Measured on that longer period, the key's partials are the even
    // harmonics and the fifth's are the third, ninth ...: the first, fifth
    // and seventh are all missing. A weak fundamental (low piano or bassoon
    // notes) still has its fifth and seventh harmonics. Those two are looked
    // for close to their place: a mixture's detuned upper ranks put partials
    // a few percent beside them. At a note's start they may not have built
    // up yet (a bassoon's or a plucked bass's weak fundamental would then
    // look like a mixture's key an octave too high): no reading there, where
    // the seventh lies below the top of the spectrum. (Above, a period that
    // falls between the samples is doubled this way on every block.)
    const auto near = [&](double f) {
        return PartialLevel(f, M, nBins, w, loudest, false, MIXTURE_TOLERANCE, hum) > 0;
    };
    if (!partial(f0) && !near(5 * f0) && !near(7 * f0) && partial(2 * f0)) {
        if (m_bOnset && 7 * f0 < SAMPLE_RATE / 2) return 0;
        f0 *= 2;
    }
    if (f0 >= CHECK_ABOVE) {
        // The period a fraction as long as the played note's: at the attack,
        // at the release, or when a room's reflections and its high-pass take
        // the fundamental down, a loud harmonic can repeat almost on its own
        // (a clarinet's third, a bassoon's second or fifth). The spectrum
        // still shows the note's own partials on either side of the
        // candidate, which no note at the candidate has, and the waveform
        // repeats after the note's period.
        bool lowered = false;
        for (int k = MAX_SUBHARMONIC; k >= 2 && !lowered; --k) {
            const double lower = f0 / k;
            if (lower >= MIN_FREQUENCY && clean((k - 1) * lower) && clean((k + 1) * lower) &&
                DipNear(k * SAMPLE_RATE / f0) < WEAK_THRESHOLD) {
                f0 = lower;
                lowered = true;
            }
        }
        // Or its first is there with one partial next to the candidate, or
        // a strong first where the waveform repeats far better than after
        // the candidate's own period (a resonance of the body at a third of
        // a high note is no note).
        for (int k = 3; k >= 2 && !lowered; --k) {
            const double lower = f0 / k;
            if (!(lower >= MIN_FREQUENCY)) continue;
            const float level = PartialLevel(lower, M, nBins, w, loudest, true, 0.03, hum);
            if (!(level > 0)) continue;
            const double dip = DipNear(k * SAMPLE_RATE / f0);
            if ((level >= SUBHARMONIC_LEVEL * loudest && dip < WEAK_THRESHOLD &&
                 dip < 0.5 * DipNear(SAMPLE_RATE / f0)) ||
                (k > 2 && clean((k - 1) * lower)) || clean((k + 1) * lower)) {
                f0 = lower;
                lowered = true;
            }
        }
        // A candidate the spectrum contradicts is no note: nothing sounds at
        // its frequency, and it is not a weak fundamental under a complete
        // series (its second and third harmonics both there), but partials
        // sound at 3/2, 2 or 3 of it. That is the attack of a high note read
        // two thirds low, or the noisy tail of a note read an octave or a
        // twelfth low. No reading is better than a wrong note; the spectrum
        // may still name a high note.
        if (!clean(f0) && !(clean(2 * f0) && clean(3 * f0)) &&
            (clean(1.5 * f0) || clean(2 * f0) || clean(3 * f0)))
            return SpectralHighNote(M, nBins, w, loudest);
    }
    // Below CHECK_ABOVE the first partials may be weak, but not all of the
    // first four: a period without them is no note's (the stretched upper
    // partials of a low piano string, loudest at the strike, repeat after a
    // period several percent short of the string's).
    if (f0 < CHECK_ABOVE && !partial(f0) && !partial(2 * f0) && !partial(3 * f0) &&
        !partial(4 * f0))
        return 0;
    // A note's start, its change and its release: see the class comment.
    if (m_bOnset) {
        const double series = SeriesAbove(f0, M, nBins, w, loudest);
        if (series < 0) return 0;
        if (series > 0) f0 = series;
    }
    if (Glides(x, n, f0)) return 0;
    if (m_bRelease && m_dLastReading > 0) {
        const double ratio = std::max(f0, m_dLastReading) / std::min(f0, m_dLastReading);
        const double k = std::round(ratio);
        if (k >= 2 && k <= MAX_SUBHARMONIC && std::fabs(ratio / k - 1) < 0.03) return 0;
    }
    if (IsHum(f0, M, nBins, w, loudest)) return 0;
    // A long period is measured finely on the sample grid itself; a short one
    // spans only a few samples, and the partials of the spectrum pin it down.
    return f0 < PERIOD_PRECISE_BELOW ? f0 : RefineOnHarmonics(f0, M, nBins, w);
}
