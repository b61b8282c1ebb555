// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "Signals.h"
#include "analysis/PitchAnalyser.h"

namespace {

// A tone of given partial amplitudes (partial 1 is the fundamental).
std::vector<int16_t> HarmonicBlock(double f0, const std::vector<double>& partials,
                                   long firstFrame) {
    std::vector<int16_t> block(BLOCK_VALUES);
    for (unsigned i = 0; i < BLOCK_FRAMES; ++i) {
        const double t = double(firstFrame + i) / SAMPLE_RATE;
        double v = 0;
        for (size_t h = 0; h < partials.size(); ++h)
            if ((h + 1) * f0 < 7900)
                v += partials[h] * std::sin(2 * M_PI * f0 * (h + 1) * t + 0.7 * h);
        block[2 * i] = block[2 * i + 1] = static_cast<int16_t>(std::lround(v));
    }
    return block;
}

double Cents(double f, double ref) {
    return 1200 * std::log2(f / ref);
}

struct Fundamental : ::testing::Test {
    CPitchAnalyser analyser;
    long frame = 0;
    void SetUp() override { analyser.m_nPitchMethod = PITCH_METHOD_FUNDAMENTAL; }
    PitchReading Feed(double f0, const std::vector<double>& partials, int blocks = 4) {
        for (int i = 0; i < blocks; ++i) {
            const auto b = HarmonicBlock(f0, partials, frame);
            frame += BLOCK_FRAMES;
            EXPECT_TRUE(analyser.AnalyseBlock(b.data()));
        }
        return analyser.GetReading();
    }
};

}  // namespace

TEST_F(Fundamental, PureTonesToAFractionOfACentOverTheRange) {
    for (double f = 41.2; f < 3960; f *= 1.19) {
        const PitchReading r = Feed(f, {8000});
        EXPECT_NEAR(Cents(r.dFrequency, f), 0.0, 0.5) << f;
    }
}

TEST_F(Fundamental, NamesTheFundamentalWhenAHarmonicIsLouder) {
    // Second harmonic twice as loud as the fundamental (oboe-like), third the
    // loudest (low brass), and a missing-weak fundamental with rich partials.
    const std::vector<std::vector<double>> spectra = {
        {2000, 6000, 3000, 1500, 800},
        {1500, 3000, 7000, 2500, 1200, 600},
        {600, 5000, 4000, 3500, 2500, 2000, 1500, 1000},
    };
    for (const auto& partials : spectra) {
        for (double f0 : {82.41, 110.0, 146.83, 261.63, 440.0, 659.26}) {
            CPitchAnalyser designed;  // the classic reading follows the loudest partial
            const PitchReading r = Feed(f0, partials);
            EXPECT_NEAR(Cents(r.dFrequency, f0), 0.0, 3.0) << f0;
            EXPECT_EQ(r.nNoteIndex, static_cast<int>(std::lround(12 * std::log2(f0 / 440.0))) + 45)
                << f0;
        }
    }
    // An organ mixture: the key with a rank a fifth above it. The waveform
    // repeats only an octave below the key; the key is the note. A low note
    // with a faint fundamental (-40 dB) keeps its octave.
    for (double key : {261.63, 523.25, 1046.5, 2093.0}) {
        const PitchReading r = Feed(key / 2, {0, 5000, 4000, 2000, 0, 1500, 0, 700, 500});
        EXPECT_NEAR(Cents(r.dFrequency, key), 0.0, 3.0) << key;
    }
    const PitchReading low = Feed(82.41, {40, 3000, 4000, 2500, 2000, 1500, 1000, 600});
    EXPECT_NEAR(Cents(low.dFrequency, 82.41), 0.0, 3.0);
    // The dominant method, on the same tone, names the loud harmonic.
    CPitchAnalyser designed;
    const auto b = HarmonicBlock(110.0, spectra[1], 0);
    designed.AnalyseBlock(b.data());
    EXPECT_NEAR(designed.GetReading().dFrequency, 330.0, 5.0);
}

TEST_F(Fundamental, StretchedUpperPartialsPullTheReadingLittle) {
    // A stiff string: partial n lies at n f sqrt(1 + B n^2), the eighth 22
    // cents above the harmonic series. The reading stays near the first.
    const double f0 = 261.63, B = 0.0004;
    const std::vector<double> levels = {6000, 3000, 2000, 1500, 1000, 800, 600, 500};
    for (int i = 0; i < 4; ++i) {
        std::vector<int16_t> block(BLOCK_VALUES);
        for (unsigned j = 0; j < BLOCK_FRAMES; ++j) {
            const double t = double(frame + j) / SAMPLE_RATE;
            double v = 0;
            for (size_t n = 1; n <= levels.size(); ++n)
                v += levels[n - 1] * std::sin(2 * M_PI * n * f0 * std::sqrt(1 + B * n * n) * t);
            block[2 * j] = block[2 * j + 1] = static_cast<int16_t>(std::lround(v));
        }
        frame += BLOCK_FRAMES;
        ASSERT_TRUE(analyser.AnalyseBlock(block.data()));
    }
    EXPECT_NEAR(Cents(analyser.GetReading().dFrequency, f0 * std::sqrt(1 + B)), 0.0, 4.0);
}

TEST_F(Fundamental, SilenceAndNoiseGiveNoNote) {
    const std::vector<int16_t> zeros(BLOCK_VALUES, 0);
    ASSERT_TRUE(analyser.AnalyseBlock(zeros.data()));
    EXPECT_EQ(analyser.GetReading().fFrequency, NO_FREQUENCY);
    EXPECT_EQ(analyser.GetReading().dFrequency, 1.0);
    std::mt19937 rng(4);
    std::normal_distribution<double> noise(0, 6000);
    for (int i = 0; i < 30; ++i) {
        std::vector<int16_t> b(BLOCK_VALUES);
        for (auto& v : b) v = static_cast<int16_t>(std::clamp(noise(rng), -32768.0, 32767.0));
        ASSERT_TRUE(analyser.AnalyseBlock(b.data()));
        EXPECT_EQ(analyser.GetReading().fFrequency, NO_FREQUENCY) << i;
        EXPECT_EQ(analyser.GetReading().nNoteIndex, 0);
    }
    // A faint hiss on top of a tone still reads the tone.
    std::vector<int16_t> b = HarmonicBlock(220.0, {6000, 2000}, 0);
    for (auto& v : b) v = static_cast<int16_t>(v + std::lround(noise(rng) / 30));
    ASSERT_TRUE(analyser.AnalyseBlock(b.data()));
    EXPECT_NEAR(Cents(analyser.GetReading().dFrequency, 220.0), 0.0, 2.0);
}

TEST_F(Fundamental, TheSwitchTakesEffectFromTheNextBlockAndChangesNothingElse) {
    CPitchAnalyser designed;
    designed.ApplyFftParameters(WINDOW_HANNING, 1, 0.5f);
    analyser.m_nPitchMethod = PITCH_METHOD_DOMINANT;
    // With the designed method chosen, both analysers agree bit for bit.
    for (int i = 0; i < 6; ++i) {
        const auto b = HarmonicBlock(196.0, {3000, 5000, 2000}, 1333L * i);
        analyser.AnalyseBlock(b.data());
        designed.AnalyseBlock(b.data());
        ASSERT_EQ(analyser.GetReading().dFrequency, designed.GetReading().dFrequency);
        ASSERT_EQ(analyser.GetReading().nLevelDb, designed.GetReading().nLevelDb);
    }
    analyser.m_nPitchMethod = PITCH_METHOD_FUNDAMENTAL;
    const auto b = HarmonicBlock(196.0, {3000, 5000, 2000}, 1333L * 6);
    analyser.AnalyseBlock(b.data());
    EXPECT_NEAR(analyser.GetReading().dFrequency, 196.0, 0.5);
    EXPECT_EQ(analyser.GetReading().bFrequencyChanged, 1);
}

namespace {

// Pink noise (Paul Kellet's filter of white noise) of unit RMS.
std::vector<double> PinkNoise(unsigned n, unsigned seed) {
    std::mt19937 rng(seed);
    std::normal_distribution<double> white(0, 1);
    std::vector<double> v(n);
    double b0 = 0, b1 = 0, b2 = 0, energy = 0;
    for (int i = -2000; i < int(n); ++i) {  // let the filter settle first
        const double w = white(rng);
        b0 = 0.99765 * b0 + w * 0.0990460;
        b1 = 0.96300 * b1 + w * 0.2965164;
        b2 = 0.57000 * b2 + w * 1.0526913;
        if (i >= 0) energy += (v[i] = b0 + b1 + b2 + w * 0.1848) * v[i];
    }
    for (auto& x : v) x /= std::sqrt(energy / n);
    return v;
}

std::vector<int16_t> ToBlock(const std::vector<double>& v) {
    std::vector<int16_t> block(BLOCK_VALUES);
    for (unsigned i = 0; i < BLOCK_FRAMES; ++i)
        block[2 * i] = block[2 * i + 1] =
            static_cast<int16_t>(std::lround(std::clamp(v[i], -32768.0, 32767.0)));
    return block;
}

}  // namespace

TEST_F(Fundamental, ANoteNearTheTopWithItsSecondPartialAboveTheRangeIsRead) {
    // 2650 Hz under a second partial 22 dB louder, at 5300 Hz: the first dip
    // of the waveform lies at the shortest lag, a period above the range.
    const double f = 2650.0;
    const PitchReading r = Feed(f, {600, 7500});
    ASSERT_NE(r.fFrequency, NO_FREQUENCY);
    EXPECT_NEAR(Cents(r.dFrequency, f), 0.0, 5.0);
}

TEST_F(Fundamental, HighNotesInPinkNoiseAreReadNotDropped) {
    // High piano-like notes (a stiff string's second and third partials, as
    // loud as the first, 1.2% and 2.7% above the harmonic series) with pink
    // noise 25 dB below them: the period spans a few samples and falls
    // between two of them, and the waveform no longer repeats well after
    // one period, but the spectrum's partials are clean.
    int read = 0, blocks = 0;
    for (double f0 : {16000 / 4.5, 16000 / 5.5, 16000 / 6.5, 16000 / 7.5}) {
        for (int b = 0; b < 4; ++b) {
            std::vector<double> v(BLOCK_FRAMES);
            double energy = 0;
            for (unsigned i = 0; i < BLOCK_FRAMES; ++i) {
                const double t = double(b * BLOCK_FRAMES + i) / SAMPLE_RATE;
                for (int n = 1; n <= 3; ++n)
                    if (n * f0 < 7900)
                        v[i] += 6000.0 * std::sin(2 * M_PI * n * f0 * (1 + 0.003 * n * n) * t);
                energy += v[i] * v[i];
            }
            const auto noise = PinkNoise(BLOCK_FRAMES, 7 + b);
            const double gain = std::sqrt(energy / BLOCK_FRAMES) * std::pow(10, -25 / 20.0);
            for (unsigned i = 0; i < BLOCK_FRAMES; ++i) v[i] += gain * noise[i];
            ASSERT_TRUE(analyser.AnalyseBlock(ToBlock(v).data()));
            const PitchReading& r = analyser.GetReading();
            ++blocks;
            if (r.fFrequency != NO_FREQUENCY) {
                EXPECT_NEAR(Cents(r.dFrequency, f0), 0.0, 50.0) << f0;
                ++read;
            }
        }
    }
    EXPECT_GE(read, blocks - 1);
}

TEST_F(Fundamental, AnAttackReadTwoThirdsLowGivesNoWrongNote) {
    // The attack of a high note (2400 Hz, its octave louder while it builds
    // up) under a strike whose partials lie at 4/3 and 8/3 of it: together
    // they repeat after one and a half periods, so the period's candidate is
    // two thirds of the note (1600 Hz), where nothing sounds, and its octave
    // is the strike. No reading, or the note itself.
    const double f = 2400.0;
    std::vector<double> v(BLOCK_FRAMES);
    for (unsigned i = 400; i < BLOCK_FRAMES; ++i) {
        const double t = double(i) / SAMPLE_RATE, s = double(i - 400);
        const double strike = std::exp(-s / 600);
        v[i] =
            std::min(1.0, s / 200) *
                (1500 * std::sin(2 * M_PI * f * t) + 4000 * std::sin(4 * M_PI * f * t)) +
            9000 * strike *
                (std::sin(2 * M_PI * f * 4 / 3 * t) + 0.6 * std::sin(2 * M_PI * f * 8 / 3 * t + 1));
    }
    std::vector<float> mono(BLOCK_FRAMES);
    for (unsigned i = 0; i < BLOCK_FRAMES; ++i) mono[i] = 2 * float(std::lround(v[i]));
    CFundamentalTracker tracker;
    const double period = tracker.FindPeriod(mono.data(), BLOCK_FRAMES);
    ASSERT_NEAR(SAMPLE_RATE / period, f * 2 / 3, 20.0);  // the case this is about
    ASSERT_TRUE(analyser.AnalyseBlock(ToBlock(v).data()));
    const PitchReading& r = analyser.GetReading();
    if (r.fFrequency != NO_FREQUENCY) {
        EXPECT_NEAR(Cents(r.dFrequency, f), 0.0, 50.0);
    }
}

namespace {

// Mains hum: the mains frequency a little off and its harmonics, odd ones
// stronger, of unit RMS, at frames first ... first + n - 1.
std::vector<double> Hum(double mains, long first, unsigned n) {
    const double levels[] = {1.0, 0.45, 0.7, 0.2, 0.45, 0.12, 0.3};
    double power = 0;
    for (double l : levels) power += l * l / 2;
    std::vector<double> v(n);
    for (unsigned i = 0; i < n; ++i) {
        const double t = double(first + i) / SAMPLE_RATE;
        for (int h = 1; h <= 7; ++h)
            v[i] += levels[h - 1] / std::sqrt(power) * std::sin(2 * M_PI * h * mains * t + h);
    }
    return v;
}

}  // namespace

TEST_F(Fundamental, MainsHumIsNeverReadAndNeverTakesANoteOver) {
    // A trumpet's F4# (185 Hz, near the hum's third harmonic) over a 60 Hz
    // hum 23 dB below it, the hum there before the note: the hum alone gives
    // no reading, and every block of the note reads the note, not the hum
    // nor a note at a third of it where the hum's lines sit.
    const std::vector<double> partials = {3000, 4000, 3500, 2500, 1800, 1200, 800, 500};
    double toneEnergy = 0;
    for (double p : partials) toneEnergy += p * p / 2;
    const double humRms = std::sqrt(toneEnergy) * std::pow(10, -23 / 20.0);
    for (int b = 0; b < 24; ++b) {
        const long first = long(b) * BLOCK_FRAMES;
        std::vector<double> v = Hum(59.8, first, BLOCK_FRAMES);
        for (auto& x : v) x *= humRms;
        if (b >= 6) {
            const auto tone = HarmonicBlock(185.0, partials, first - 6L * BLOCK_FRAMES);
            for (unsigned i = 0; i < BLOCK_FRAMES; ++i) v[i] += tone[2 * i];
        }
        ASSERT_TRUE(analyser.AnalyseBlock(ToBlock(v).data()));
        const PitchReading& r = analyser.GetReading();
        if (b < 6) {
            EXPECT_EQ(r.fFrequency, NO_FREQUENCY) << b;
        } else {
            ASSERT_NE(r.fFrequency, NO_FREQUENCY) << b;
            EXPECT_NEAR(Cents(r.dFrequency, 185.0), 0.0, 10.0) << b;
        }
    }
}

TEST_F(Fundamental, ATopOctavePartialInPinkNoiseIsRead) {
    // A lone 3 kHz partial (the top of a piano, whose upper partials a room
    // and a small microphone take away) with pink noise 25 dB below it: the
    // period barely repeats, the spectrum's partial is clean.
    int read = 0;
    for (int b = 0; b < 8; ++b) {
        std::vector<double> v(BLOCK_FRAMES);
        const auto noise = PinkNoise(BLOCK_FRAMES, 40 + b);
        const double amplitude = 8000, gain = amplitude / std::sqrt(2) * std::pow(10, -25 / 20.0);
        for (unsigned i = 0; i < BLOCK_FRAMES; ++i)
            v[i] = amplitude * std::sin(2 * M_PI * 3000.0 * double(b * BLOCK_FRAMES + i) /
                                        SAMPLE_RATE) +
                   gain * noise[i];
        ASSERT_TRUE(analyser.AnalyseBlock(ToBlock(v).data()));
        const PitchReading& r = analyser.GetReading();
        if (r.fFrequency != NO_FREQUENCY) {
            EXPECT_NEAR(Cents(r.dFrequency, 3000.0), 0.0, 10.0) << b;
            ++read;
        }
    }
    EXPECT_GE(read, 7);
}

TEST_F(Fundamental, APluckedBassNoteIsNotReadAnOctaveLowAtItsStart) {
    // A plucked A2 (110 Hz) after silence, its pluck sounding a knock an
    // octave below (-15 dB, dying away in 60 ms): over the first blocks the
    // waveform repeats only after two of the note's periods. No reading
    // there, or the note; the note itself once the knock has died.
    const double f = 110.0, start = 1000;
    const double partials[] = {6000, 3600, 2400, 1500, 900};
    int read = 0;
    for (int b = 0; b < 6; ++b) {
        std::vector<double> v(BLOCK_FRAMES);
        for (unsigned i = 0; i < BLOCK_FRAMES; ++i) {
            const double s = double(b) * BLOCK_FRAMES + i - start;
            if (s < 0) continue;
            const double t = s / SAMPLE_RATE;
            for (int h = 1; h <= 5; ++h)
                v[i] += partials[h - 1] * std::exp(-t / 0.8) * std::sin(2 * M_PI * h * f * t);
            v[i] += 1000 * std::exp(-t / 0.06) * std::sin(M_PI * f * t + 0.5);
        }
        ASSERT_TRUE(analyser.AnalyseBlock(ToBlock(v).data()));
        const PitchReading& r = analyser.GetReading();
        if (r.fFrequency != NO_FREQUENCY) {
            EXPECT_NEAR(Cents(r.dFrequency, f), 0.0, 50.0) << b;
            ++read;
        }
    }
    EXPECT_GE(read, 3);
}
