// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "analysis/Constants.h"

// How a block's frequency is found. The dominant frequency (the strongest
// partial of the smoothed spectrum) is the tuner's classic reading and its
// default; the fundamental names the played note even when its second or third
// harmonic is the loudest partial, as on oboe, trombone or low strings.
enum PitchMethod {
    PITCH_METHOD_DOMINANT = 0,
    PITCH_METHOD_FUNDAMENTAL = 1,
};

// The fundamental of one block: the period by YIN's cumulative mean
// normalised difference (de Cheveigne and Kawahara, 2002) on the block's mono
// signal, then the frequency refined on the harmonics of the block's
// magnitude spectrum, where a long zero-padded transform resolves far finer
// than the period's sample grid.
class CFundamentalTracker {
public:
    // Lags cover 40 ... 4000 Hz at 16 kHz.
    static constexpr int MIN_LAG = SAMPLE_RATE / 4000 - 1;
    static constexpr int MAX_LAG = SAMPLE_RATE / 40 + 2;
    // A block with no period in that range may still hold a note down to
    // MIN_FUNDAMENTAL_FREQUENCY.
    static constexpr int LOW_MAX_LAG =
        static_cast<int>(SAMPLE_RATE / MIN_FUNDAMENTAL_FREQUENCY) + 2;
    // A dip of the normalised difference below this marks a period.
    static constexpr double THRESHOLD = 0.15;
    // Without such a dip, the deepest one still counts when below this; noise
    // stays near 1.
    static constexpr double WEAK_THRESHOLD = 0.35;
    // Below this frequency (periods of 107 samples and more) the period alone
    // is finer than the spectrum's interpolated partials.
    static constexpr double PERIOD_PRECISE_BELOW = 150.0;
    // The period is doubled when the signal repeats after twice the found lag
    // with less than this share of what is left over after the lag ...
    static constexpr double OCTAVE_RATIO = 0.25;
    // ... and what is left over is at least this share of the energy (odd
    // partials at about -25 dB); on shorter lags than this the sample grid
    // is too coarse to compare the two.
    static constexpr double ODD_SHARE = 0.003;
    static constexpr int MIN_OCTAVE_CHECK_LAG = 16;
    // ... and the spectrum has a partial at the lower frequency no fainter
    // than this share of its strongest one (-30 dB).
    static constexpr double PARTIAL_LEVEL = 0.0316;
    // A clean partial also stands this far above the spectrum's floor around
    // it (its lower quartile, 18 dB): in a room the floor of noise and
    // reverberation can reach -30 dB of the loudest partial, and a peak of
    // the noise is no partial. (Below about 100 Hz the partials' main lobes
    // overlap and hide the floor; the checks that use this start above.)
    static constexpr double FLOOR_RATIO = 8.0;
    // A candidate whose frequency over 2 or 3 has a partial at least this
    // share of the strongest (-20 dB), where the waveform repeats too, is
    // that harmonic of a lower note: the spectrum shows the played note.
    static constexpr double SUBHARMONIC_LEVEL = 0.1;
    // From this frequency up, the spectrum decides on a candidate the
    // period alone leaves in doubt; below, weak and missing fundamentals
    // (low piano and bassoon notes, the high-pass of a small microphone) are
    // common and the period is trusted.
    static constexpr double CHECK_ABOVE = 150.0;
    // A high note whose period spans only a few samples, when noise leaves
    // the period's dip shallower than the thresholds above: the spectrum's
    // loudest partial names it from this frequency up, when it stands at
    // least SPECTRAL_FLOOR_RATIO above the floor (24 dB) and the normalised
    // difference still dips below SPECTRAL_DIP at its period.
    static constexpr double SPECTRAL_ABOVE = 1500.0;
    static constexpr double SPECTRAL_FLOOR_RATIO = 16.0;
    static constexpr double SPECTRAL_DIP = 0.7;
    // A block is an attack when the energy of its last quarter exceeds its
    // first quarter's this many times (3 dB).
    static constexpr double ATTACK_RISE = 2.0;
    // A candidate may be this many times the played note's frequency, the
    // note's own partials showing on either side of it.
    static constexpr int MAX_SUBHARMONIC = 5;
    // How close to the fifth and seventh harmonic a partial must lie for the
    // organ-mixture test (a share of the frequency).
    static constexpr double MIXTURE_TOLERANCE = 0.02;

    // Period of x[0 ... n-1] in samples (fractional), or 0 when the block is
    // silent or has no periodic signal. When the signal also repeats far
    // better after about twice that, GetLongerPeriod() tells that lag (0
    // otherwise).
    double FindPeriod(const float* x, unsigned n);
    double GetLongerPeriod() const { return m_dLongerPeriod; }

    // Whether an unsmoothed magnitude spectrum M[0 ... nBins-1] with bin
    // width w has a peak within 3% of f at least PARTIAL_LEVEL of its
    // strongest bin, whose magnitude is `loudest` (see Loudest), and
    // with `clean`, FLOOR_RATIO above the floor around it.
    static bool HasPartial(double f, const float* M, unsigned nBins, double w, float loudest,
                           bool clean = false);
    // The magnitude of that peak (looked for within `tolerance` of f), or 0
    // when there is none.
    static float PartialLevel(double f, const float* M, unsigned nBins, double w, float loudest,
                              bool clean, double tolerance = 0.03);
    // The floor of M around bin k: the lower quartile of the bins within 64.
    static float FloorAround(int k, const float* M, unsigned nBins);
    // Whether x[0 ... n-1] grows louder from its first quarter to its last
    // by ATTACK_RISE or more: a note starting within the block.
    static bool IsRising(const float* x, unsigned n);
    // The strongest bin of M[1 ... nBins-1].
    static float Loudest(const float* M, unsigned nBins);

    // The frequency near f0 that the harmonics of an unsmoothed magnitude
    // spectrum M[0 ... nBins-1] with bin width w agree on; f0 itself when no
    // harmonic peak can be found.
    static double RefineOnHarmonics(double f0, const float* M, unsigned nBins, double w);

    // Both: the fundamental in Hz, or 0 for no periodic signal. Below 40 Hz
    // only when nothing was found above.
    double Estimate(const float* x, unsigned n, const float* M, unsigned nBins, double w);

    // The last block's deepest normalised difference (1 for silence).
    double GetLastDip() const { return m_dLastDip; }

private:
    // The fundamental from 40 Hz up, or 0.
    double EstimateInRange(const float* x, unsigned n, const float* M, unsigned nBins, double w);
    // A steady note from MIN_FUNDAMENTAL_FREQUENCY to 40 Hz whose waveform
    // repeats at no shorter lag, or 0. It needs longer lags and so a shorter
    // stretch of the block to compare, which is why it is looked for only
    // where the range above found nothing: every reading above stays as it
    // is.
    double LowNote(const float* x, unsigned n);
    std::array<double, LOW_MAX_LAG + 2> m_adLowDiff{};
    std::array<double, LOW_MAX_LAG + 2> m_adLowNormalised{};

    // The lowest normalised difference within a sample of lag t (1 outside
    // the lags, or when the last block had none).
    double DipNear(double t) const;
    // A high note named by the spectrum's loudest partial, when the period
    // found none (0 otherwise).
    double SpectralHighNote(const float* M, unsigned nBins, double w, float loudest) const;

    bool m_bHaveDifference = false;
    std::array<double, MAX_LAG + 2> m_adDiff{};
    std::array<double, MAX_LAG + 2> m_adNormalised{};
    double m_dLastDip = 1.0;
    double m_dLongerPeriod = 0;
    // The last period came from a dip above THRESHOLD (below WEAK_THRESHOLD).
    bool m_bWeakDip = false;
};
