// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "analysis/CentCounter.h"
#include "analysis/FrequencyDigits.h"
#include "analysis/NoteSearch.h"
#include "analysis/NoteTable.h"
#include "analysis/SpectrumColumns.h"

namespace {
const float kNaN = std::numeric_limits<float>::quiet_NaN();

// The note a frequency belongs to, straight from the band definition: note i
// when T[i-1] q < x <= T[i] q, products rounded to float.
int BandOf(float x) {
    if (!(x >= 40.0f)) return 0;
    auto split = [](int i) { return float(double(NoteTable[i]) * QUARTER_TONE_RATIO); };
    if (x <= split(0)) return 0;
    for (int i = 1; i < NOTE_COUNT; ++i)
        if (split(i - 1) < x && x <= split(i)) return i;
    return NOTE_COUNT;
}
}  // namespace

TEST(NoteSearch, FindsTheQuarterToneBandOverTheWholeRange) {
    for (float x = 39.0f; x < 4500.0f; x *= 1.0003f)
        ASSERT_EQ(CNoteSearch::FindNote(x), BandOf(x)) << x;
    // Exactly on every split point, and one float above it.
    for (int i = 3; i < NOTE_COUNT; ++i) {
        const float s = float(double(NoteTable[i]) * QUARTER_TONE_RATIO);
        EXPECT_EQ(CNoteSearch::FindNote(s), i) << i;
        EXPECT_EQ(CNoteSearch::FindNote(std::nextafter(s, 1e9f)), i + 1) << i;
    }
}

TEST(NoteSearch, EdgesOfTheTable) {
    CNoteSearch search;
    EXPECT_EQ(search.SetFrequency(440.0f), 45);
    EXPECT_EQ(search.GetNoteIndex(), 45);
    EXPECT_EQ(search.SetFrequency(453.0f), 46);
    EXPECT_EQ(search.SetFrequency(39.99f), 0);
    EXPECT_EQ(search.GetNoteIndex(), 0);
    EXPECT_EQ(search.SetFrequency(NO_FREQUENCY), 0);
    EXPECT_EQ(search.SetFrequency(kNaN), 0);
    EXPECT_EQ(search.SetFrequency(4186.0f), 84);
    EXPECT_EQ(search.SetFrequency(4400.0f), 85);  // above the top band: one past the table
    EXPECT_EQ(search.SetFrequency(std::numeric_limits<float>::infinity()), 85);
}

TEST(CentCounter, CountsWholeCentsOnBothSides) {
    for (int note : {4, 30, 45, 60, 79}) {
        const float t = NoteTable[note];
        EXPECT_EQ(CCentCounter::CountCents(t, t), 0);
        for (int c = -49; c <= 49; ++c) {
            const float f = float(t * std::pow(2.0, c / 1200.0));
            if (f < 40.0f || f > 4000.0f) continue;
            EXPECT_EQ(CCentCounter::CountCents(f, t), c) << note << " " << c;
        }
    }
    // Rounded to the nearest cent: 0.4 cent is 0, 0.6 cent is 1.
    EXPECT_EQ(CCentCounter::CountCents(float(440 * std::pow(2.0, 0.4 / 1200)), 440.0f), 0);
    EXPECT_EQ(CCentCounter::CountCents(float(440 * std::pow(2.0, 0.6 / 1200)), 440.0f), 1);
    EXPECT_EQ(CCentCounter::CountCents(float(440 * std::pow(2.0, -0.6 / 1200)), 440.0f), -1);
}

TEST(CentCounter, OutsideTheBandOrWithoutANoteIsNoSignal) {
    EXPECT_EQ(CCentCounter::CountCents(39.99f, 41.2f), NO_SIGNAL_CENTS);
    EXPECT_EQ(CCentCounter::CountCents(4000.1f, 4186.0f), NO_SIGNAL_CENTS);
    EXPECT_EQ(CCentCounter::CountCents(-1.0f, 32.7f), NO_SIGNAL_CENTS);
    EXPECT_EQ(CCentCounter::CountCents(kNaN, 440.0f), NO_SIGNAL_CENTS);
    // The index past the table has no note frequency: never an endless count.
    EXPECT_EQ(CCentCounter::CountCents(3000.0f, 0.0f), NO_SIGNAL_CENTS);
    EXPECT_EQ(CCentCounter::CountCents(3000.0f, kNaN), NO_SIGNAL_CENTS);
    EXPECT_NE(CCentCounter::CountCents(40.0f, 41.203f), NO_SIGNAL_CENTS);
    EXPECT_NE(CCentCounter::CountCents(4000.0f, 3951.07f), NO_SIGNAL_CENTS);
}

namespace {
// Shown values of a meter fed one steady raw value for a few blocks.
std::vector<int> Settle(CCentCounter& meter, int cents, int blocks, float t = 440.0f) {
    const float f = float(t * std::pow(2.0, cents / 1200.0));
    std::vector<int> shown;
    for (int i = 0; i < blocks; ++i) {
        meter.SetPitch(f, t);
        meter.ComputeCents();
        EXPECT_EQ(meter.GetCents(), cents);
        shown.push_back(meter.GetShownCents());
    }
    return shown;
}
}  // namespace

TEST(CentCounter, HeavyAndLightDampingSequences) {
    CCentCounter heavy;
    EXPECT_EQ(Settle(heavy, 5, 6), (std::vector<int>{1, 2, 3, 4, 5, 5}));
    CCentCounter heavyDown;
    EXPECT_EQ(Settle(heavyDown, -5, 4), (std::vector<int>{-2, -4, -5, -5}));
    CCentCounter light;
    light.m_bDamping = 0;
    EXPECT_EQ(Settle(light, 12, 5), (std::vector<int>{7, 10, 11, 12, 12}));
    CCentCounter lightDown;
    lightDown.m_bDamping = 0;
    EXPECT_EQ(Settle(lightDown, -12, 4), (std::vector<int>{-8, -11, -12, -12}));
}

TEST(CentCounter, DampingMovesEveryBlockNeverPassesAndSettles) {
    for (bool heavy : {true, false}) {
        for (int p = -60; p <= 60; ++p) {
            for (int r = -60; r <= 60; ++r) {
                const int x = CCentCounter::Damp(p, r, heavy);
                if (r > p) {
                    EXPECT_GT(x, p);
                    EXPECT_LE(x, r);
                } else if (r < p) {
                    EXPECT_LT(x, p);
                    EXPECT_GE(x, r);
                } else {
                    EXPECT_EQ(x, r);
                }
            }
        }
    }
    // One cent off is reached and kept, never shown as 0.
    CCentCounter up, down;
    EXPECT_EQ(Settle(up, 1, 3), (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(Settle(down, -1, 3), (std::vector<int>{-1, -1, -1}));
}

TEST(CentCounter, ChangeFlagAndNoSignalKeepTheShownValue) {
    CCentCounter meter;
    EXPECT_FALSE(meter.HasSignal());
    EXPECT_EQ(meter.GetShownCents(), 0);
    Settle(meter, 5, 6);
    EXPECT_FALSE(meter.HasShownChanged());
    meter.SetPitch(445.0f, 440.0f);  // about +20 cents
    meter.ComputeCents();
    EXPECT_TRUE(meter.HasShownChanged());
    const int shown = meter.GetShownCents();
    meter.SetPitch(NO_FREQUENCY, NoteTable[0]);
    meter.ComputeCents();
    EXPECT_FALSE(meter.HasSignal());
    EXPECT_EQ(meter.GetCents(), NO_SIGNAL_CENTS);
    EXPECT_EQ(meter.GetShownCents(), shown);
    EXPECT_FALSE(meter.HasShownChanged());
    // Damping resumes from the kept value.
    meter.SetPitch(445.0f, 440.0f);
    meter.ComputeCents();
    EXPECT_GT(meter.GetShownCents(), shown);
}

TEST(FrequencyDigits, RoundsToTenthsAndDashesOutOfRange) {
    using D = std::array<int, FREQUENCY_DIGITS>;
    const D dashes{GLYPH_DASH, GLYPH_DASH, GLYPH_DASH, GLYPH_DASH, GLYPH_DASH};
    EXPECT_EQ(CFrequencyDigits::ComputeDigits(440.0f), (D{0, 4, 4, 0, 0}));
    EXPECT_EQ(CFrequencyDigits::ComputeDigits(40.0f), (D{0, 0, 4, 0, 0}));
    EXPECT_EQ(CFrequencyDigits::ComputeDigits(4000.0f), (D{4, 0, 0, 0, 0}));
    EXPECT_EQ(CFrequencyDigits::ComputeDigits(440.96f), (D{0, 4, 4, 1, 0}));
    EXPECT_EQ(CFrequencyDigits::ComputeDigits(440.94f), (D{0, 4, 4, 0, 9}));
    EXPECT_EQ(CFrequencyDigits::ComputeDigits(3999.96f), (D{4, 0, 0, 0, 0}));
    EXPECT_EQ(CFrequencyDigits::ComputeDigits(1234.5f), (D{1, 2, 3, 4, 5}));
    for (float hz : {4000.1f, 39.99f, -1.0f, 0.0f, kNaN, std::numeric_limits<float>::infinity()})
        EXPECT_EQ(CFrequencyDigits::ComputeDigits(hz), dashes) << hz;
    CFrequencyDigits display;
    EXPECT_EQ(display.GetDigits(), dashes);  // before the first reading
    display.ShowFrequency(261.6f);
    EXPECT_EQ(display.GetDigits(), (D{0, 2, 6, 1, 6}));
}

namespace {
constexpr float kBinWidth = 16000.0f / 8192;
constexpr unsigned kBins = 4097;
}  // namespace

TEST(SpectrumColumns, FloorPeakAndPeakColumnOnBothAxes) {
    CSpectrumColumns view;
    auto s = view.GetSettings();
    EXPECT_EQ(s.nPlotWidth, 324);
    EXPECT_EQ(s.nPlotHeight, 155);
    std::vector<float> zeros(kBins, 0.0f);
    EXPECT_EQ(view.PrepareColumns(zeros.data(), kBins, kBinWidth, 440.0), 33);
    for (int c = 0; c < s.nPlotWidth; ++c) ASSERT_EQ(view.GetColumn(c), 0.0f) << c;

    // Full scale everywhere fills the plot; half the dynamic range half of it.
    std::vector<float> full(kBins, 1.0f);
    view.PrepareColumns(full.data(), kBins, kBinWidth, 440.0);
    for (int c = 0; c < s.nPlotWidth; ++c) ASSERT_EQ(view.GetColumn(c), 155.0f) << c;
    s.nDynamicRange = 40;
    std::vector<float> minus20(kBins, 0.1f);
    view.PrepareColumns(minus20.data(), kBins, kBinWidth, 440.0, s);
    for (int c = 0; c < s.nPlotWidth; ++c) ASSERT_NEAR(view.GetColumn(c), 77.5f, 1e-4f) << c;

    // The loudest bin of a column decides it.
    std::vector<float> spike(kBins, 0.0f);
    spike[225] = 1.0f;  // 439.45 Hz
    s.nDynamicRange = 45;
    const int peak = view.PrepareColumns(spike.data(), kBins, kBinWidth, 439.45, s);
    // The cross's column is rounded, the bin lies in it or the one before.
    EXPECT_EQ(std::max(view.GetColumn(peak - 1), view.GetColumn(peak)), 155.0f);
    EXPECT_EQ(view.GetColumn(peak + 2), 0.0f);
    EXPECT_EQ(view.GetColumn(peak - 3), 0.0f);

    s.bLogarithmic = 1;
    EXPECT_EQ(view.PrepareColumns(zeros.data(), kBins, kBinWidth, 440.0, s), 169);
    EXPECT_EQ(view.PrepareColumns(zeros.data(), kBins, kBinWidth, 40.0, s), 0);
    EXPECT_EQ(view.PrepareColumns(zeros.data(), kBins, kBinWidth, 4000.0, s), 324);
}

namespace {
// Column heights bin by bin, each level taken on its own, as the curve is
// defined.
std::vector<float> LiteralColumns(const std::vector<float>& mag, float w,
                                  const CSpectrumColumns::Settings& st) {
    const int W = st.nPlotWidth;
    const double D = st.nDynamicRange, P = st.nPlotHeight;
    std::vector<float> cols(W, 0.0f);
    float b = float(double(st.fFrom) / w);
    const float s = float(double(st.fRange) / w / W);
    const float q = float(std::pow(10.0, std::log10(double(st.fTo) / st.fFrom) / W));
    const unsigned half = unsigned(mag.size()) - 1;
    for (int c = 0; c < W && b < float(half); ++c) {
        const int b0 = int(b);
        b = st.bLogarithmic ? float(double(b) * q) : float(double(b) + s);
        const int n = int(b) - b0;
        float v = float(20 * std::log10(double(mag[b0])));
        if (v < -D) v = float(-D);
        for (int k = 1; k < n; ++k) {
            const double level = 20 * std::log10(double(mag[b0 + k]));
            if (level > v) v = float(level);
        }
        cols[c] = float((D + v) / D * P);
    }
    return cols;
}
}  // namespace

TEST(SpectrumColumns, SameHeightsAsLevelByLevel) {
    std::mt19937 rng(5);
    std::uniform_real_distribution<float> exponent(-9.0f, 0.0f);
    for (int round = 0; round < 20; ++round) {
        std::vector<float> mag(kBins);
        for (auto& m : mag) m = std::pow(10.0f, exponent(rng));
        if (round % 5 == 4)  // neighbouring floats, whose levels round alike
            for (unsigned k = 1; k < kBins; ++k)
                mag[k] = rng() % 3 ? std::nextafter(mag[k - 1], 1.0f) : mag[k - 1];
        mag[rng() % kBins] = 0.0f;
        CSpectrumColumns view;
        auto st = view.GetSettings();
        st.bLogarithmic = round % 2;
        st.nDynamicRange = (round % 3 == 0) ? 80 : 35;
        if (round % 4 == 3) {  // a zoomed range
            st.fFrom = 300.0f;
            st.fTo = 800.0f;
            st.fRange = 500.0f;
        }
        view.PrepareColumns(mag.data(), kBins, kBinWidth, 440.0, st);
        const auto expected = LiteralColumns(mag, kBinWidth, st);
        for (int c = 0; c < st.nPlotWidth; ++c)
            ASSERT_EQ(view.GetColumn(c), expected[c]) << round << " " << c;
    }
}

TEST(SpectrumColumns, ColumnsBeyondTheLastBinKeepTheirValues) {
    CSpectrumColumns view;
    std::vector<float> full(kBins, 1.0f), zeros(kBins, 0.0f);
    view.PrepareColumns(full.data(), kBins, kBinWidth, 440.0);
    // Only bins up to 2000 Hz this time: the columns above keep the old curve.
    view.PrepareColumns(zeros.data(), 1025, kBinWidth, 440.0);
    EXPECT_EQ(view.GetColumn(0), 0.0f);
    EXPECT_EQ(view.GetColumn(150), 0.0f);
    EXPECT_EQ(view.GetColumn(200), 155.0f);
    EXPECT_EQ(view.GetColumn(323), 155.0f);
}

TEST(SpectrumColumns, DegenerateGeometryAndFrequenciesAreHarmless) {
    CSpectrumColumns view;
    std::vector<float> zeros(kBins, 0.0f);
    view.SetSize(30, 30);  // narrower than the margins: no columns at all
    EXPECT_EQ(view.PrepareColumns(zeros.data(), kBins, kBinWidth, 440.0), -1);
    view.SetSize(364, 195);
    auto s = view.GetSettings();
    EXPECT_EQ(view.PrepareColumns(zeros.data(), kBins, kBinWidth, std::nan(""), s), -1);
    s.bLogarithmic = 1;
    EXPECT_LT(view.PrepareColumns(zeros.data(), kBins, kBinWidth, 1.0, s), 0);  // below the axis
    EXPECT_EQ(view.PrepareColumns(zeros.data(), kBins, kBinWidth, -1.0, s),
              -1);  // log10 of a negative
}
