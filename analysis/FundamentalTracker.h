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
//
// Mains hum. A cheap interface, a pickup or a long cable adds a line at the
// mains frequency (50 or 60 Hz) and its harmonics: steady in level, with no
// onset, there before the note and after it. Its waveform repeats every 20
// or 16.7 ms, so in a note's decay it takes over the period, and its lines
// look like the partials of a note's subharmonic. The rule:
// - A block is a hum block when its period lies within HUM_TOLERANCE of 50
//   or 60 Hz (only the mains frequency itself: within 1 % of 100 or 120 Hz
//   lie notes a little out of tune, such as A3# 40 cents sharp), it is not
//   rising, and either the line there is no more
//   than HUM_NEW louder than the hum learned there (a note that happens to
//   be played there, over a hum, stands out), or, with nothing learned
//   there, the energy of the last HUM_QUIET blocks stayed within HUM_STEADY
//   with no onset among them (a struck or plucked note decays; the first
//   blocks of the stream have no past and count as steady).
// - The hum profile (the magnitude spectrum below HUM_TOP, per sample of the
//   segment transformed, so that the trimmed length does not count) follows
//   every hum block up at once, and falls back by HUM_DECAY a block towards
//   what is there whenever a line is fainter; nothing else raises it. A note
//   is never learned: it has an onset, and its period lies off the mains
//   frequencies (the nearest notes, G1 and B1, are 2 % away).
// - When the period and the spectrum are judged, a peak below HUM_TOP is a
//   partial only when it stands HUM_MARGIN above the profile: the hum's own
//   lines count for nothing. A candidate whose first three partials are all
//   the hum's is no note.
// The profile is learned from the very first blocks of hum (no start-up
// time), and a note over it keeps every partial that is louder than the hum.
// In a note's release (see RELEASE_FALL) the note's remains can pull the
// hum's period a few percent off the mains frequency: there a period within
// HUM_WIDE of it is a hum block too, under the same test of its line.
//
// A note's start and end. The tracker sees one block at a time and nothing
// ahead, but it keeps the energies of the last blocks and its last reading:
// - A block whose energy rose ONSET_RISE over one of the two before it holds
//   a note's start (the note begins in it, or it is the first the note
//   fills). A pluck, a strike or a bow's first contact sounds a knock below
//   the note, and the period can then repeat only after two, three or more
//   of the note's periods. At a start, a candidate whose partials outside
//   the harmonic series of k times its frequency are missing (or only one
//   faint one is there, see SERIES_SHARE) is a subharmonic of that series,
//   and the series' first partial is the note; when they are all much
//   fainter than the series, the block gives no reading. Nor does a start
//   whose candidate has partials at half and 3/2 of it (the first and third
//   of the note an octave below, whose odd partials speak later), nor one
//   that only the organ-mixture test would raise an octave.
// - A block whose first half repeats after the block's period and whose
//   second half repeats after a period more than GLIDE apart holds a change
//   of note (a legato step, a scoop): its period belongs to neither, and it
//   gives no reading. Vibrato moves both halves about the block's period,
//   and does not count.
// - A block whose energy fell RELEASE_FALL below one of the last HUM_QUIET
//   blocks is a release: the note's partials die away at different rates
//   (and a room's reverberation holds some longer), so that its remains can
//   repeat after a fraction or a multiple of its period. A candidate two to
//   MAX_SUBHARMONIC times above or below the last reading is those remains,
//   and gives no reading; a new note would have raised the energy.
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
    // A note's start: the energy rose this many times (10 dB) over one of the
    // two blocks before. Bowing, breath and vibrato move a held note's level
    // by a few dB from block to block.
    static constexpr double ONSET_RISE = 10.0;
    // At a note's start, the series of k times the candidate (k up to
    // MAX_SERIES) whose first partial is clean and at least
    // SUBHARMONIC_LEVEL of the strongest, when every one of the candidate's
    // first 2k + 1 partials outside the series is fainter than this share of
    // that first partial (-9 dB): with at most one of them there at all, the
    // candidate is a knock under the series and the series' first partial
    // the note; with more, the block is in doubt and gives no reading (the
    // next block, which the note fills, will tell).
    static constexpr double SERIES_SHARE = 0.35;
    static constexpr int MAX_SERIES = 7;
    // A change of note within a block: the two halves' periods are more than
    // this share apart (half a semitone), and the block's period lies at
    // least three times closer to the first half's than to the second's.
    static constexpr double GLIDE = 0.03;
    static constexpr double GLIDE_LEAN = 3.0;
    // A release: the energy fell this many times (10 dB) below one of the
    // last HUM_QUIET blocks.
    static constexpr double RELEASE_FALL = 10.0;
    // A candidate may be this many times the played note's frequency, the
    // note's own partials showing on either side of it.
    static constexpr int MAX_SUBHARMONIC = 5;
    // How close to the fifth and seventh harmonic a partial must lie for the
    // organ-mixture test (a share of the frequency).
    static constexpr double MIXTURE_TOLERANCE = 0.02;
    // The mains hum: see the class comment.
    static constexpr double HUM_TOP = 1000.0;
    static constexpr int HUM_BINS = 520;  // bins below HUM_TOP at the finest bin width
    static constexpr double HUM_TOLERANCE = 0.01;
    static constexpr double HUM_STEADY = 1.26;
    static constexpr int HUM_QUIET = 4;
    static constexpr double HUM_NEW = 4.0;
    static constexpr double HUM_MARGIN = 2.0;
    static constexpr double HUM_DECAY = 0.8;
    static constexpr double HUM_WIDE = 0.05;

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
    // With `hum`, a peak in a bin k below HUM_BINS counts only above hum[k].
    static bool HasPartial(double f, const float* M, unsigned nBins, double w, float loudest,
                           bool clean = false, const float* hum = nullptr);
    // The magnitude of that peak (looked for within `tolerance` of f), or 0
    // when there is none.
    static float PartialLevel(double f, const float* M, unsigned nBins, double w, float loudest,
                              bool clean, double tolerance = 0.03, const float* hum = nullptr);
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
    // only when nothing was found above. M is the transform of `segment`
    // samples of the block (0: n).
    double Estimate(const float* x, unsigned n, const float* M, unsigned nBins, double w,
                    unsigned segment = 0);

    // Whether a hum has been learned (see the class comment).
    bool HasHum() const { return m_bHum; }

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
    double DipNear(double t);
    // A high note named by the spectrum's loudest partial, when the period
    // found none (0 otherwise).
    double SpectralHighNote(const float* M, unsigned nBins, double w, float loudest);
    // At a note's start: the first partial of the series of which f is a
    // subharmonic (see SERIES_SHARE), -1 when f is in doubt, or 0.
    double SeriesAbove(double f, const float* M, unsigned nBins, double w, float loudest) const;
    // Whether the block x[0 ... n-1] changes its period (see GLIDE) from f.
    static bool Glides(const float* x, unsigned n, double f);

    // Learns the hum from this block (period 0 for none) and sets the levels
    // a partial must pass in m_afHumLevel.
    void LearnHum(double period, bool rising, const float* M, unsigned nBins, double w);
    // The first three partials of a candidate are all the hum's.
    bool IsHum(double f, const float* M, unsigned nBins, double w, float loudest) const;
    std::array<float, HUM_BINS> m_afHum{};       // the profile, per sample of the segment
    std::array<float, HUM_BINS> m_afHumLevel{};  // what a partial must pass, this block
    bool m_bHum = false;
    double m_dEnergy = 0;
    // The energies of the last blocks since an onset, latest first.
    std::array<double, HUM_QUIET> m_adEnergies{};
    int m_nEnergies = 0;
    // The energies of the last blocks, latest first (all of them, unlike
    // m_adEnergies), and what they make of this block.
    std::array<double, HUM_QUIET> m_adRecent{};
    bool m_bOnset = false;
    bool m_bRelease = false;
    // This block is a hum block by the wider window of a release.
    bool m_bWideHum = false;
    // The last frequency published, or 0.
    double m_dLastReading = 0;
    bool m_bNoPast = true;  // the stream's first blocks
    unsigned m_nSegment = 1;

    // The block's difference function and its normalised form, computed a
    // group of lags at a time as far as they are read: a short period needs
    // only the first few groups. Valid within one Estimate.
    void ComputeLagsTo(int t);
    double Normalised(int t) {
        ComputeLagsTo(t);
        return m_adNormalised[t];
    }
    bool m_bHaveDifference = false;
    const float* m_pDiffSignal = nullptr;
    unsigned m_nDiffWidth = 0;
    int m_nLagsDone = 0;
    double m_dRunning = 0;
    std::array<double, MAX_LAG + 2> m_adDiff{};
    std::array<double, MAX_LAG + 2> m_adNormalised{};
    double m_dLongerPeriod = 0;
    // The last period came from a dip above THRESHOLD (below WEAK_THRESHOLD).
    bool m_bWeakDip = false;
};
