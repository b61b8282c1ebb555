// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/PitchAnalyser.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#include "analysis/NoteTable.h"
#include "analysis/Numeric.h"
#include "analysis/ReadingLine.h"
#include "analysis/Vectorise.h"

namespace {
constexpr unsigned S = BLOCK_FRAMES;  // complex samples in a block
constexpr int MIN_SEGMENT = 50;       // shortest segment kept by the trimming
constexpr int DEFAULT_HALF_WIDTH = 35;
}  // namespace

namespace {
// Start of the coefficients for segment length N in the window cache.
constexpr size_t WindowOffset(unsigned N) {
    return size_t(N) * (N - 1) / 2 - size_t(MIN_SEGMENT) * (MIN_SEGMENT - 1) / 2;
}
}  // namespace

namespace {
// The per-bin loops of a block, each written so that the compiler vectorises
// it without changing a bit, and compiled for AVX2 too.

// Left plus right of every frame; returns the largest sum, or 0 when none is
// positive. The sums are integers, so their maximum is that of their floats.
KALVO_AVX2_CLONES int MonoAndPeak(const int16_t* __restrict pBlock, float* __restrict mono) {
    int peak = 0;
    for (unsigned s = 0; s < S; ++s) {
        const int sum = int(pBlock[2 * s]) + int(pBlock[2 * s + 1]);
        mono[s] = static_cast<float>(sum);
        peak = std::max(peak, sum);
    }
    return peak;
}

// Each sample times its coefficient, in double and rounded to float. The
// product of two floats is exact in double (24 + 24 bits), so rounding it to
// float is what the float multiplication gives: the same bits, without the
// conversions.
KALVO_AVX2_CLONES void ApplyWindow(const float* __restrict x, const float* __restrict window,
                                   unsigned L, float* __restrict out) {
    for (unsigned j = 0; j < L; ++j) out[j] = x[j] * window[j];
}

// Three passes of an ascending and a descending sweep. The ascending sweep
// reads each upper neighbour before it is updated, the descending one each
// lower neighbour, so both vectorise in place.
KALVO_AVX2_CLONES void SmoothInDouble(float* M, unsigned H) {
    for (int pass = 0; pass < 3; ++pass) {
        for (unsigned k = 0; k + 1 < H; ++k) M[k] = static_cast<float>(0.5 * M[k] + 0.5 * M[k + 1]);
        for (unsigned k = H - 1; k >= 1; --k)
            M[k] = static_cast<float>(0.5 * M[k] + 0.5 * M[k - 1]);
    }
}

// The same sweeps with twice the lanes. 0.5 a + 0.5 b in double is half the
// double sum of a and b, and that sum rounded to float is their float sum (a
// double has more than twice a float's bits plus two, so rounding twice
// changes nothing); halving a normal float is exact. So the float average
// has the double one's bits wherever the values are normal floats far from
// both ends of the range. Bin 0 holds a sample, which can be negative, and
// can cancel; it reaches bins 1 to 3 at most, so bins below FLOAT_FROM stay
// in double.
constexpr unsigned FLOAT_FROM = 8;

KALVO_AVX2_CLONES void SmoothInFloat(float* M, unsigned H) {
    const auto average = [](float a, float b) { return static_cast<float>(0.5 * a + 0.5 * b); };
    for (int pass = 0; pass < 3; ++pass) {
        for (unsigned k = 0; k < FLOAT_FROM; ++k) M[k] = average(M[k], M[k + 1]);
        for (unsigned k = FLOAT_FROM; k + 1 < H; ++k) M[k] = (M[k] + M[k + 1]) * 0.5f;
        for (unsigned k = H - 1; k >= FLOAT_FROM; --k) M[k] = (M[k] + M[k - 1]) * 0.5f;
        for (unsigned k = FLOAT_FROM - 1; k >= 1; --k) M[k] = average(M[k], M[k - 1]);
    }
}

// Whether every magnitude of bins 1 ... H-1 is 0 or between 2^-100 and
// 2^100: six averages then keep every value a normal float, nowhere near
// overflow, and the float sweeps give the double ones' bits.
KALVO_AVX2_CLONES bool MagnitudesInFloatRange(const float* M, unsigned H) {
    const uint32_t lo = std::bit_cast<uint32_t>(0x1p-100f);
    const uint32_t hi = std::bit_cast<uint32_t>(0x1p100f);
    uint32_t outside = 0;
    for (unsigned k = 1; k < H; ++k) {
        const uint32_t u = std::bit_cast<uint32_t>(M[k]);
        outside |= (u != 0) & (u - lo > hi - lo);
    }
    return outside == 0;
}

// bInRange: MagnitudesInFloatRange(M, H).
void Smooth(float* M, unsigned H, bool bInRange) {
    if (H > 2 * FLOAT_FROM && bInRange)
        SmoothInFloat(M, H);
    else
        SmoothInDouble(M, H);
}

// The floor, so that every magnitude has a logarithm, and the largest
// magnitude after it. Every value is then positive, and positive floats
// order as their bit patterns do.
KALVO_AVX2_CLONES float FloorAndMaximum(float* M, unsigned H) {
    int32_t largest = 0;
    for (unsigned k = 0; k <= H; ++k) {
        const float v = M[k] > 0.0f ? M[k] : 1e-6f;
        M[k] = v;
        largest = std::max(largest, std::bit_cast<int32_t>(v));
    }
    return std::bit_cast<float>(largest);
}

KALVO_AVX2_CLONES void Divide(float* M, unsigned H, double divisor) {
    for (unsigned k = 0; k <= H; ++k) M[k] = static_cast<float>(M[k] / divisor);
}

// The sums of the five-bin windows ending before bin i, i = 5 ... H-1 (H > 5),
// each added up from the lowest bin as the search does; returns the
// largest. Four windows at a time, each with its own running maximum: the
// sums are positive, so the order of the comparisons cannot change it.
typedef double Lanes4 __attribute__((vector_size(32)));

KALVO_AVX2_CLONES double FiveBinSums(const float* __restrict M, unsigned H,
                                     double* __restrict sums) {
    // Each magnitude widened once, the windows then summed from doubles.
    double wide[MAX_FFT_SIZE / 2 + 1];
    for (unsigned j = 0; j < H; ++j) wide[j] = M[j];
    Lanes4 largest = {0, 0, 0, 0};
    unsigned i = 5;
    for (; i + 4 <= H; i += 4) {
        Lanes4 v0, v1, v2, v3, v4;
        std::memcpy(&v0, wide + i - 5, sizeof v0);
        std::memcpy(&v1, wide + i - 4, sizeof v1);
        std::memcpy(&v2, wide + i - 3, sizeof v2);
        std::memcpy(&v3, wide + i - 2, sizeof v3);
        std::memcpy(&v4, wide + i - 1, sizeof v4);
        const Lanes4 sum = v0 + v1 + v2 + v3 + v4;
        std::memcpy(sums + i, &sum, sizeof sum);
        largest = sum > largest ? sum : largest;
    }
    double best = std::max(std::max(largest[0], largest[1]), std::max(largest[2], largest[3]));
    for (; i < H; ++i) {
        double sum = 0;
        for (unsigned j = i - 5; j < i; ++j) sum += wide[j];
        sums[i] = sum;
        best = std::max(best, sum);
    }
    return best;
}
}  // namespace

CWindowCache::CWindowCache(int nType, float fAlpha)
    : m_nType(nType),
      m_fAlpha(fAlpha),
      m_pCoefficients(new float[WindowOffset(S + 1)]),
      m_pState(new std::atomic<unsigned char>[S + 1]) {
    for (unsigned N = 0; N <= S; ++N) m_pState[N].store(0, std::memory_order_relaxed);
}

const float* CWindowCache::For(int N, float* scratch) {
    float* const coefficients = m_pCoefficients.get() + WindowOffset(N);
    std::atomic<unsigned char>& state = m_pState[N];
    unsigned char now = state.load(std::memory_order_acquire);
    if (now == 2) return coefficients;
    if (now == 0 && state.compare_exchange_strong(now, 1, std::memory_order_acquire)) {
        ComputeWindowCoefficients(m_nType, m_fAlpha, N, coefficients);
        state.store(2, std::memory_order_release);
        return coefficients;
    }
    ComputeWindowCoefficients(m_nType, m_fAlpha, N, scratch);
    return scratch;
}

CPitchAnalyser::CPitchAnalyser()
    : m_pWindowCache(std::make_shared<CWindowCache>(m_nWindowType.load(), m_fGaussAlpha.load())) {}

const float* CPitchAnalyser::WindowFor(int nType, float fAlpha, int N) {
    if (N < MIN_SEGMENT || N > static_cast<int>(S)) {  // not a trimmed length
        ComputeWindowCoefficients(nType, fAlpha, N, m_afWindow.data());
        return m_afWindow.data();
    }
    if (!m_pWindowCache->Matches(nType, fAlpha))
        m_pWindowCache = std::make_shared<CWindowCache>(nType, fAlpha);
    return m_pWindowCache->For(N, m_afWindow.data());
}

void CPitchAnalyser::ShareWindowCache(CPitchAnalyser& other) {
    const int type = other.m_nWindowType.load(std::memory_order_relaxed);
    const float alpha = other.m_fGaussAlpha.load(std::memory_order_relaxed);
    if (!other.m_pWindowCache->Matches(type, alpha))
        other.m_pWindowCache = std::make_shared<CWindowCache>(type, alpha);
    m_pWindowCache = other.m_pWindowCache;
}

void CPitchAnalyser::ApplyFftParameters(int nWindowType, int nSizeIndex, float fAlpha) {
    m_nWindowType.store(nWindowType, std::memory_order_relaxed);
    if (nSizeIndex == 0)
        m_nFftSize.store(FFT_SIZE_SMALL, std::memory_order_relaxed);
    else if (nSizeIndex == 1)
        m_nFftSize.store(FFT_SIZE_LARGE, std::memory_order_relaxed);
    m_fBinWidth.store(static_cast<float>(SAMPLE_RATE) / m_nFftSize.load(std::memory_order_relaxed),
                      std::memory_order_relaxed);
    m_fGaussAlpha.store(-fAlpha, std::memory_order_relaxed);
}

void CPitchAnalyser::SetTuning(std::shared_ptr<const CTuning> pTuning) {
    std::lock_guard<std::mutex> lock(m_tuningMutex);
    m_pTuning = pTuning ? std::move(pTuning) : CTuning::Default();
}

std::shared_ptr<const CTuning> CPitchAnalyser::GetTuning() const {
    std::lock_guard<std::mutex> lock(m_tuningMutex);
    return m_pTuning;
}

CPitchAnalyser::Snapshot CPitchAnalyser::TakeSnapshot() const {
    Snapshot s;
    s.pTuning = GetTuning();
    s.nWindowType = m_nWindowType.load(std::memory_order_relaxed);
    s.nFftSize = m_nFftSize.load(std::memory_order_relaxed);
    // The bin width always follows the size; deriving it here keeps the two
    // consistent even when the dialog is applied in the middle of a block.
    s.fBinWidth = static_cast<float>(SAMPLE_RATE) / static_cast<float>(s.nFftSize);
    s.fGaussAlpha = m_fGaussAlpha.load(std::memory_order_relaxed);
    s.fA5Factor = m_pControl->m_fA5Factor.load(std::memory_order_relaxed);
    s.fTransposition = m_pControl->m_fTransposition.load(std::memory_order_relaxed);
    s.nRecordFlags = m_pControl->m_nRecordFlags.load(std::memory_order_relaxed);
    s.nPitchMethod = m_nPitchMethod.load(std::memory_order_relaxed);
    s.spectrum = m_spectrum.GetSettings();
    return s;
}

void CPitchAnalyser::ComputeWindow(int N) {
    if (N < 0 || N > static_cast<int>(MAX_FFT_SIZE)) return;
    const int type = m_nWindowType.load(std::memory_order_relaxed);
    const float alpha = m_fGaussAlpha.load(std::memory_order_relaxed);
    ComputeWindowCoefficients(type, alpha, N, m_afWindow.data());
}

bool CPitchAnalyser::AnalyseBlock(const int16_t* pBlock) {
    const Snapshot snap = TakeSnapshot();
    BlockSpectrum spectrum;
    if (!ComputeSpectrum(snap, pBlock, spectrum, true)) {
        if (m_pHost) m_pHost->OnFftSizeRefused();
        return false;
    }
    PublishReading(snap, spectrum, m_afSpectrum.data());
    return true;
}

bool CPitchAnalyser::AnalyseSpectrum(const int16_t* pBlock, BlockSpectrum& result) {
    return ComputeSpectrum(TakeSnapshot(), pBlock, result, false);
}

void CPitchAnalyser::PublishSpectrum(const int16_t* pBlock, const BlockSpectrum& result) {
    // The phase meter reads the frame.
    if (m_phaseMeter.IsActive()) MonoAndPeak(pBlock, m_afMono.data());
    PublishReading(TakeSnapshot(), result, nullptr);
}

bool CPitchAnalyser::ComputeSpectrum(const Snapshot& snap, const int16_t* pBlock,
                                     BlockSpectrum& result, bool bNormaliseAll) {
    const unsigned n = snap.nFftSize;
    if (!IsValidFftSize(n) || n > MAX_FFT_SIZE || n / 2 <= S) return false;
    const unsigned H = n / 2;
    float* const area = m_afSpectrum.data();

    // 1. Frame: left plus right. 2. Level reference: the block's positive
    // peak relative to full scale of the two-channel sum.
    const float peak = static_cast<float>(MonoAndPeak(pBlock, m_afMono.data()));
    const float* const x = m_afMono.data();
    const float scale = static_cast<float>(static_cast<double>(peak) / 32768 / 2);

    // 3. Trim to whole periods: from the first rising zero crossing to just
    // before the last one.
    unsigned a = 0;
    for (unsigned s = 1; s < S; ++s) {
        if (x[s - 1] <= 0 && x[s] >= 0 && x[s] > x[s - 1]) {
            a = s;
            break;
        }
    }
    if (a >= S - MIN_SEGMENT) a = 0;
    unsigned b = S;
    for (unsigned s = S - 1; s > a; --s) {
        if (x[s] <= 0 && x[s + 1] >= 0 && x[s + 1] > x[s]) {
            b = s;
            break;
        }
    }
    if (b < a + MIN_SEGMENT) b = S;
    const unsigned L = b - a;
    m_nSegmentLength = L;

    // 4. Window the segment.
    const float* const window = WindowFor(snap.nWindowType, snap.fGaussAlpha, static_cast<int>(L));
    ApplyWindow(x + a, window, L, m_afRe.data());

    // 5. Transform of the segment followed by zeros, and 6. the magnitudes
    // of bins 1 ... H-1. The fundamental method reads its partials from
    // magnitudes that need not have the dominant frequency's bits, so it
    // takes the quicker transform. The work area around them is laid out as
    // the design's in-place pipeline leaves it: the windowed segment at every
    // other value (its imaginary parts 0) followed by zeros, so bin 0 holds
    // the windowed first sample and bins H and up (which the peak search
    // reads a few of) the segment's samples from H/2 on, or 0.
    const bool fundamental = snap.nPitchMethod == PITCH_METHOD_FUNDAMENTAL;
    float* const M = area;
    if (fundamental ? !m_fastFft.Magnitudes(n, m_afRe.data(), L, M)
                    : !ComputeFftLowerMagnitudes(n, m_afRe.data(), L, FftRe(), FftIm(), M))
        return false;
    M[0] = m_afRe[0];
    for (unsigned k = H; k < H + AREA_TAIL; ++k) {
        const unsigned j = k / 2;
        M[k] = k % 2 == 0 && j < L ? m_afRe[j] : 0.0f;
    }
    const bool bInRange = MagnitudesInFloatRange(M, H);
    if (fundamental) std::copy(M, M + H + 1, m_afRawMagnitudes.begin());

    // 7. Smoothing, three passes of an ascending and a descending sweep.
    Smooth(M, H, bInRange);

    // 8. Floor, so that every magnitude has a logarithm; the largest for 10.
    const float G = FloorAndMaximum(M, H);

    // 9. Dominant frequency, or the fundamental when that is chosen.
    if (fundamental) {
        result = FindFundamentalFrequency(H, snap.fBinWidth);
    } else {
        const DominantPeak peak = FindDominantPeak(M, H, snap.fBinWidth);
        result.dFrequency = peak.dFrequency;
        result.nPeakBin = peak.nPeakBin;
    }

    // 10. Normalisation: the maximum becomes the block's peak level.
    const double divisor = static_cast<double>(G) / static_cast<double>(scale);
    if (bNormaliseAll) {
        Divide(M, H, divisor);
        result.fPeakMagnitude = M[result.nPeakBin];
    } else {
        result.fPeakMagnitude = static_cast<float>(M[result.nPeakBin] / divisor);
    }
    return true;
}

DominantPeak FindDominantPeak(const float* M, unsigned H, float fBinWidth) {
    const double w = fBinWidth;

    // Strongest five-bin window; among equal sums the lowest frequency wins.
    unsigned best = 5;
    double bestSum = -1.0;
    std::array<double, MAX_FFT_SIZE / 2 + 1> sums;
    if (H > 5 && H <= MAX_FFT_SIZE / 2 + 1) {
        bestSum = FiveBinSums(M, H, sums.data());
        while (sums[best] != bestSum) ++best;
    } else {
        for (unsigned i = 5; i < H; ++i) {
            double sum = 0;
            for (unsigned j = i - 5; j < i; ++j) sum += M[j];
            if (i == 5 || sum > bestSum) {
                bestSum = sum;
                best = i;
            }
        }
    }
    double weighted = 0;
    for (unsigned j = best - 5; j < best; ++j) weighted += static_cast<double>(j) * M[j];
    const int p = TruncToInt(weighted / bestSum);

    const double P = M[p];
    int o = TruncToInt((SEMITONE_RATIO - 1) * (static_cast<double>(p) * w) / w);
    bool found = false;
    int centre = p;

    // Subharmonic check: the lowest bin at or above 40 Hz, more than a semitone
    // below the peak, whose magnitude exceeds half the peak's.
    if (o >= 5) {
        const int lo = TruncToInt(MIN_FREQUENCY / w);
        int k0 = 0;
        for (int k = lo; k < p - o; ++k) {
            if (M[k] > 0.5 * P) {
                k0 = k;
                found = true;
                break;
            }
        }
        if (found) {
            centre = k0;
            // The first local maximum of the five-bin running sum from k0 up.
            for (int k = k0; k < p; ++k) {
                const double A =
                    static_cast<double>(M[k]) + M[k + 1] + M[k + 2] + M[k + 3] + M[k + 4];
                const double B =
                    static_cast<double>(M[k + 1]) + M[k + 2] + M[k + 3] + M[k + 4] + M[k + 5];
                if (B < A) {
                    centre = k + 2;
                    o = TruncToInt(static_cast<double>(centre) * (SEMITONE_RATIO - 1));
                    break;
                }
            }
        }
    }

    int h = found ? o : DEFAULT_HALF_WIDTH;
    if (centre <= h) h = centre - 1;
    if (centre >= static_cast<int>(H) - h) h = static_cast<int>(H) - centre - 1;

    // No bins to average over (a centre at the very edge of the spectrum):
    // a reading below the range, never 0 / 0.
    if (h <= 0) return {1.0, std::clamp(centre, 0, static_cast<int>(H))};

    double sum = 0, weightedSum = 0;
    for (int j = centre - h; j < centre + h; ++j) {
        sum += M[j];
        weightedSum += static_cast<double>(j) * M[j];
    }
    const double F = weightedSum / sum;
    DominantPeak peak{F * w, TruncToInt(F)};
    if (peak.dFrequency < MIN_FREQUENCY) peak.dFrequency = 1.0;
    return peak;
}

BlockSpectrum CPitchAnalyser::FindFundamentalFrequency(unsigned H, float fBinWidth) {
    const double w = fBinWidth;
    const double f = m_fundamental.Estimate(m_afMono.data(), S, m_afRawMagnitudes.data(), H + 1, w,
                                            m_nSegmentLength);
    // No periodic signal reads like a frequency below the range.
    if (!(f >= MIN_FUNDAMENTAL_FREQUENCY)) return {1.0, 0};
    return {f, std::clamp(TruncToInt(f / w), 0, static_cast<int>(H))};
}

void CPitchAnalyser::SetFrequencyResult(double dFrequency, int nPeakBin) {
    m_dDominantFrequency = dFrequency;
    m_nPeakBin = nPeakBin;
    m_fDominantFrequency = static_cast<float>(m_dDominantFrequency);
    m_bFrequencyChanged =
        std::fabs(static_cast<double>(m_fDominantFrequency) - m_fPrevDominantFrequency) > 0.1 ? 1
                                                                                              : 0;
    m_fPrevDominantFrequency = m_fDominantFrequency;
}

void CPitchAnalyser::TransposeAndFindNote(const Snapshot& snap, double dMin) {
    m_fTransposedFrequency = static_cast<float>(static_cast<double>(m_fDominantFrequency) *
                                                snap.fA5Factor * snap.fTransposition);
    const CTuning& tuning = *snap.pTuning;
    m_nTarget = tuning.FindTarget(m_fTransposedFrequency, dMin);
    m_nNoteIndex = tuning.PositionOf(m_nTarget);
    m_noteSearch.SetNote(m_nNoteIndex);
}

void CPitchAnalyser::MeasurePhase(const Snapshot& snap, float fTargetFrequency) {
    m_reading.bFine = 0;
    m_reading.dFineCents = 0.0;
    if (!m_phaseMeter.IsActive()) return;
    // The target in the input's frame: the tuning's targets are in the frame
    // of the corrected, transposed reading.
    const bool bSignal = m_fDominantFrequency != NO_FREQUENCY && m_nTarget >= 0 &&
                         fTargetFrequency > 0.0f && m_fTransposedFrequency > 0.0f;
    const double dFactor = static_cast<double>(snap.fA5Factor) * snap.fTransposition;
    const double dTarget = bSignal ? fTargetFrequency / dFactor : 0.0;
    // The frame holds the block's left plus right at every other value.
    m_phaseMeter.AddBlock(m_afMono.data(), 1, dTarget, m_nTarget,
                          bSignal ? m_dDominantFrequency : 0.0);
    m_reading.bFine = m_phaseMeter.HasFine() ? 1 : 0;
    m_reading.dFineCents = m_phaseMeter.HasFine() ? m_phaseMeter.GetFineCents() : 0.0;
}

void CPitchAnalyser::PublishReading(const Snapshot& snap, const BlockSpectrum& spectrum,
                                    const float* M) {
    const unsigned H = snap.nFftSize / 2;
    SetFrequencyResult(spectrum.dFrequency, spectrum.nPeakBin);

    // 1. Spectrum columns. 2. Range check on the float frequency.
    m_nPeakColumn =
        M ? m_spectrum.PrepareColumns(M, H + 1, snap.fBinWidth, m_dDominantFrequency, snap.spectrum)
          : CSpectrumColumns::PeakColumn(H + 1, snap.fBinWidth, m_dDominantFrequency,
                                         snap.spectrum);
    const double dMin =
        snap.nPitchMethod == PITCH_METHOD_FUNDAMENTAL ? MIN_FUNDAMENTAL_FREQUENCY : MIN_FREQUENCY;
    if (!(m_fDominantFrequency >= dMin && m_fDominantFrequency <= MAX_FREQUENCY)) {
        m_fDominantFrequency = NO_FREQUENCY;
        m_nPeakColumn = -1;
    }
    // 3., 4. Frequency display and peak column.
    m_frequencyDigits.ShowFrequency(m_fDominantFrequency, dMin);
    m_spectrum.SetPeakColumn(m_nPeakColumn);

    // 5., 6. Note and cents.
    TransposeAndFindNote(snap, dMin);
    const float noteFrequency = snap.pTuning->FrequencyOf(m_nTarget);
    m_centCounter.SetPitch(m_fTransposedFrequency, noteFrequency, dMin);
    m_centCounter.ComputeCents();

    // 7. Level of the peak bin; a block without a positive sample has none.
    const double level = 20 * std::log10(static_cast<double>(spectrum.fPeakMagnitude));
    m_nLevelDb =
        std::isfinite(level) ? std::max(TruncToInt(level), SILENT_LEVEL_DB) : SILENT_LEVEL_DB;

    m_reading.dFrequency = m_dDominantFrequency;
    m_reading.fFrequency = m_fDominantFrequency;
    m_reading.bFrequencyChanged = m_bFrequencyChanged;
    m_reading.nPeakBin = m_nPeakBin;
    m_reading.nPeakColumn = m_nPeakColumn;
    m_reading.fTransposedFrequency = m_fTransposedFrequency;
    m_reading.nNoteIndex = m_nNoteIndex;
    m_reading.dMinFrequency = dMin;
    m_reading.nTarget = m_nTarget;
    m_reading.fTargetFrequency = noteFrequency;
    m_reading.achTarget.fill('\0');
    if (const char* pszName = snap.pTuning->NameOf(m_nTarget))
        std::copy(pszName, pszName + std::strlen(pszName), m_reading.achTarget.begin());
    m_reading.nShownCents = m_centCounter.GetShownCents();
    m_reading.bShownChanged = m_centCounter.HasShownChanged() ? 1 : 0;
    m_reading.nLevelDb = m_nLevelDb;
    MeasurePhase(snap, noteFrequency);

    // 8. Reading line, only while recording and when something changed.
    if ((snap.nRecordFlags & (REC_LOG | REC_MIDI)) &&
        (m_reading.bFrequencyChanged || m_reading.bShownChanged) && m_pHost) {
        // A MIDI recording plays the closest equal-tempered note: a target
        // named otherwise (a scale's degree) gets a line of its own there.
        const char* pszNote = NoteName(m_nNoteIndex);
        if ((snap.nRecordFlags & REC_MIDI) &&
            std::strcmp(m_reading.achTarget.data(), pszNote ? pszNote : "") != 0) {
            if (snap.nRecordFlags & REC_LOG)
                m_pHost->AddReadingLine(FormatReadingLine(m_reading),
                                        snap.nRecordFlags & ~REC_MIDI);
            m_pHost->AddReadingLine(
                FormatReadingLine(m_reading.dFrequency, m_reading.fFrequency, pszNote,
                                  m_reading.nShownCents, m_reading.nLevelDb, dMin),
                REC_MIDI);
        } else {
            m_pHost->AddReadingLine(FormatReadingLine(m_reading), snap.nRecordFlags);
        }
    }

    m_hold.Update(m_centCounter.HasSignal(), m_nNoteIndex, m_centCounter.GetCents(),
                  m_reading.nShownCents, m_fDominantFrequency);

    // 9. Repaint.
    if (m_pHost) m_pHost->RefreshViews();
}
