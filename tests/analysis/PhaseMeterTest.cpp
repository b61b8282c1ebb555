// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "Signals.h"
#include "analysis/NoteTable.h"
#include "analysis/PitchAnalyser.h"

namespace {

// A tone with harmonics (amplitudes a[0] for the fundamental, ...), both
// channels alike, continuing from firstFrame.
std::vector<int16_t> RichBlock(double hz, const std::vector<double>& a, long firstFrame) {
    std::vector<int16_t> block(BLOCK_VALUES);
    for (unsigned i = 0; i < BLOCK_FRAMES; ++i) {
        const double t = static_cast<double>(firstFrame + i) / SAMPLE_RATE;
        double v = 0;
        for (size_t h = 0; h < a.size(); ++h) v += a[h] * std::sin(2 * M_PI * (h + 1) * hz * t + h);
        block[2 * i] = block[2 * i + 1] = static_cast<int16_t>(std::lround(v));
    }
    return block;
}

struct PhaseMeter : ::testing::Test {
    std::unique_ptr<CPitchAnalyser> pAnalyser = std::make_unique<CPitchAnalyser>();
    long frame = 0;
    void SetUp() override { pAnalyser->m_phaseMeter.m_bEnabled = 1; }
    PitchReading Play(double hz, const std::vector<double>& a, double seconds) {
        const int blocks = static_cast<int>(std::lround(seconds / CPhaseMeter::BLOCK_SECONDS));
        for (int i = 0; i < blocks; ++i) {
            pAnalyser->AnalyseBlock(RichBlock(hz, a, frame).data());
            frame += BLOCK_FRAMES;
        }
        return pAnalyser->GetReading();
    }
};

double Detuned(double hz, double cents) {
    return hz * std::pow(2.0, cents / 1200);
}

}  // namespace

// A steady note read to a twentieth of a cent after a second, whatever the
// offset, the note, the A5 correction, transposition and harmonics.
TEST_F(PhaseMeter, SteadyTonesWithinATwentiethOfACentAfterOneSecond) {
    struct Case {
        double target, cents;
        int a5, row;
        std::vector<double> a;
    };
    const std::vector<Case> cases = {
        {440.0, +0.3, 440, 0, {8000}},
        {440.0, -0.1, 440, 0, {8000}},
        {440.0, +5.0, 440, 0, {8000}},
        {440.0, -20.0, 440, 0, {8000}},
        {110.0, -20.0, 440, 0, {3000, 4000, 2000, 1000}},
        {1318.51, +0.3, 440, 0, {6000, 1500}},
        // A 442 Hz A5, and a B flat instrument read a tone higher.
        {442.0, +5.0, 442, 0, {8000}},
        {440.0, -0.1, 440, 3, {8000}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.target << " Hz " << c.cents << " cents");
        pAnalyser = std::make_unique<CPitchAnalyser>();
        pAnalyser->m_phaseMeter.m_bEnabled = 1;
        pAnalyser->GetControlState().m_fA5Factor = A5Factor(c.a5);
        pAnalyser->GetControlState().m_fTransposition = TranspositionFactor(c.row);
        const double hz = Detuned(c.target, c.cents);
        const PitchReading r = Play(hz, c.a, 1.0);
        ASSERT_TRUE(r.bFine);
        // The offset from the target the reading chose, in the frame of the
        // corrected and transposed reading (as the targets are).
        const double factor = double(A5Factor(c.a5)) * TranspositionFactor(c.row);
        EXPECT_NEAR(r.dFineCents, 1200 * std::log2(hz * factor / r.fTargetFrequency), 0.05);
        if (c.row == 0) {
            EXPECT_NEAR(r.dFineCents, c.cents, 0.06);
        }
    }
}

// The value only comes once the note has been held for 0.3 s, and a new
// note starts it again.
TEST_F(PhaseMeter, ANoteChangeRestartsTheMeasurement) {
    EXPECT_FALSE(Play(Detuned(440.0, 3.0), {8000}, 0.25).bFine);
    EXPECT_NEAR(Play(Detuned(440.0, 3.0), {8000}, 1.0).dFineCents, 3.0, 0.05);
    EXPECT_FALSE(Play(Detuned(523.25, -2.0), {8000}, 0.25).bFine);
    const PitchReading r = Play(Detuned(523.25, -2.0), {8000}, 1.0);
    ASSERT_TRUE(r.bFine);
    EXPECT_NEAR(r.dFineCents, -2.0 + 1200 * std::log2(523.25 / r.fTargetFrequency), 0.05);
}

TEST_F(PhaseMeter, SilenceGivesNoValue) {
    EXPECT_FALSE(Play(440.0, {0}, 1.0).bFine);
    Play(440.0, {8000}, 1.0);
    EXPECT_FALSE(Play(440.0, {0}, 0.1).bFine);
    EXPECT_FALSE(pAnalyser->m_phaseMeter.GetRow(0).bShown);
}

// The meter reads the block and touches nothing the designed outputs come
// from; switched off it publishes nothing.
TEST_F(PhaseMeter, LeavesTheDesignedReadingAlone) {
    CPitchAnalyser off;
    for (int i = 0; i < 30; ++i) {
        const auto block = RichBlock(Detuned(196.0, 7.0 * std::sin(i)), {5000, 3000}, frame);
        frame += BLOCK_FRAMES;
        pAnalyser->AnalyseBlock(block.data());
        off.AnalyseBlock(block.data());
        const PitchReading &a = pAnalyser->GetReading(), &b = off.GetReading();
        EXPECT_EQ(a.dFrequency, b.dFrequency);
        EXPECT_EQ(a.fTransposedFrequency, b.fTransposedFrequency);
        EXPECT_EQ(a.nShownCents, b.nShownCents);
        EXPECT_EQ(a.nLevelDb, b.nLevelDb);
        EXPECT_EQ(a.nTarget, b.nTarget);
        EXPECT_FALSE(b.bFine);
    }
    EXPECT_EQ(0, std::memcmp(pAnalyser->GetSpectrum(), off.GetSpectrum(),
                             sizeof(float) * (FFT_SIZE_LARGE / 2 + 1)));
}
