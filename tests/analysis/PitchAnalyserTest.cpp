// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "Signals.h"
#include "analysis/NoteTable.h"
#include "analysis/PitchAnalyser.h"
#include "analysis/ReadingLine.h"

#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

// Every allocation of this test program is counted, so a test can prove that
// a stretch of code allocates nothing.
namespace {
std::atomic<long> g_nAllocations{0};
}
void* operator new(std::size_t n) {
    g_nAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
// The library's temporary buffers (std::stable_sort) take the nothrow form;
// it must come from the same heap as the deletes below.
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    g_nAllocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(n ? n : 1);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

struct RecordingHost : IAnalysisHost {
    std::vector<std::string> lines;
    std::vector<int> flags;
    int refreshes = 0;
    int refused = 0;
    void AddReadingLine(const std::string& line, int nFlags) override {
        lines.push_back(line);
        flags.push_back(nFlags);
    }
    void RefreshViews() override { ++refreshes; }
    void OnFftSizeRefused() override { ++refused; }
};

struct Analyser : ::testing::Test {
    CPitchAnalyser analyser;
    RecordingHost host;
    long frame = 0;

    void SetUp() override { analyser.SetHost(&host); }

    // Feeds nBlocks consecutive blocks of a tone; returns the last reading.
    PitchReading Tone(double hz, double amplitude, int nBlocks) {
        for (int i = 0; i < nBlocks; ++i) {
            const auto block = ToneBlock(hz, amplitude, frame);
            frame += BLOCK_FRAMES;
            EXPECT_TRUE(analyser.AnalyseBlock(block.data()));
        }
        return analyser.GetReading();
    }
    PitchReading Silence(int nBlocks) {
        const std::vector<int16_t> zeros(BLOCK_VALUES, 0);
        for (int i = 0; i < nBlocks; ++i) EXPECT_TRUE(analyser.AnalyseBlock(zeros.data()));
        return analyser.GetReading();
    }
    void Record(int flags) { analyser.GetControlState().m_nRecordFlags = flags; }
    void Transpose(int row) {
        analyser.GetControlState().m_fTransposition = TranspositionFactor(row);
    }
    void SetA5(int a5) { analyser.GetControlState().m_fA5Factor = A5Factor(a5); }
};

}  // namespace

TEST_F(Analyser, SteadySineAtSeveralLevelsReadsA5AndItsLevel) {
    for (double amplitude : {300.0, 3000.0, 12000.0, 32000.0}) {
        const PitchReading r = Tone(440.0, amplitude, 12);
        EXPECT_NEAR(r.dFrequency, 440.0, 0.3) << amplitude;
        EXPECT_EQ(r.fFrequency, static_cast<float>(r.dFrequency));
        EXPECT_EQ(r.nNoteIndex, 45);
        EXPECT_EQ(r.nShownCents, 0) << amplitude;
        EXPECT_NEAR(r.nPeakBin, 225, 1);
        EXPECT_GE(r.nPeakColumn, 32);
        EXPECT_LE(r.nPeakColumn, 34);
        // Level of the two-channel sum's peak relative to 65536.
        const double expected = 20 * std::log10(2 * amplitude / 65536);
        EXPECT_NEAR(r.nLevelDb, expected, 1.0) << amplitude;
        EXPECT_LE(r.nLevelDb, 0);
    }
    EXPECT_EQ(host.refreshes, 48);
    EXPECT_TRUE(host.lines.empty());  // nothing is recording
}

TEST_F(Analyser, TheViewsGetThePublishedReading) {
    Tone(440.0, 8000, 12);
    EXPECT_EQ(analyser.m_noteSearch.GetNoteIndex(), 45);
    EXPECT_EQ(analyser.m_centCounter.GetShownCents(), 0);
    EXPECT_EQ(analyser.m_frequencyDigits.GetDigits(), (std::array<int, 5>{0, 4, 4, 0, 0}));
    EXPECT_EQ(analyser.m_spectrum.GetPeakColumn(), analyser.GetReading().nPeakColumn);
    // The curve peaks at the tone's column with the tone's level.
    const int c = analyser.GetReading().nPeakColumn;
    float highest = 0;
    int highestColumn = -1;
    for (int i = 0; i < 324; ++i) {
        if (analyser.m_spectrum.GetColumn(i) > highest) {
            highest = analyser.m_spectrum.GetColumn(i);
            highestColumn = i;
        }
    }
    EXPECT_NEAR(highestColumn, c, 1);
    EXPECT_NEAR(highest, (45 + 20 * std::log10(16000.0 / 65536)) / 45 * 155, 4);
}

TEST_F(Analyser, TranspositionAndReferenceRenameButKeepTheFrequency) {
    Record(REC_LOG);
    Transpose(1);  // +1 Octave
    PitchReading r = Tone(440.0, 8000, 12);
    EXPECT_NEAR(r.dFrequency, 440.0, 0.3);
    EXPECT_EQ(r.nNoteIndex, 57);
    EXPECT_NEAR(r.fTransposedFrequency, 880.0f, 0.6f);
    ASSERT_FALSE(host.lines.empty());
    EXPECT_NE(host.lines.back().find("440.0 Hz |    A6   |"), std::string::npos)
        << host.lines.back();

    Transpose(3);  // B flat: A5# sounding is written C6
    r = Tone(466.16, 8000, 12);
    EXPECT_EQ(r.nNoteIndex, 48);
    Transpose(6);  // E flat: D5# sounding is written C5
    r = Tone(311.13, 8000, 12);
    EXPECT_EQ(r.nNoteIndex, 36);

    Transpose(0);
    for (int a5 : {442, 380, 480}) {
        SetA5(a5);
        r = Tone(a5, 8000, 16);
        EXPECT_EQ(r.nNoteIndex, 45) << a5;
        EXPECT_EQ(r.nShownCents, 0) << a5;
        EXPECT_NEAR(r.fTransposedFrequency, 440.0f, 0.3f);
    }
}

TEST_F(Analyser, UsableBandEdges) {
    // Inside the band a reading; below and above it no signal.
    for (double hz : {50.0, 3900.0}) {
        const PitchReading r = Tone(hz, 8000, 4);
        EXPECT_NEAR(r.dFrequency, hz, 1.0);
        EXPECT_EQ(r.fFrequency, static_cast<float>(r.dFrequency));
        EXPECT_NE(r.nNoteIndex, 0);
    }
    for (double hz : {30.0, 4200.0}) {
        const PitchReading r = Tone(hz, 8000, 4);
        EXPECT_EQ(r.fFrequency, NO_FREQUENCY) << hz;
        EXPECT_EQ(r.nPeakColumn, -1);
        EXPECT_EQ(r.nNoteIndex, 0);
        EXPECT_EQ(analyser.m_spectrum.GetPeakColumn(), -1);
        EXPECT_FALSE(analyser.m_centCounter.HasSignal());
        EXPECT_EQ(analyser.m_frequencyDigits.GetDigits()[0], GLYPH_DASH);
    }
    EXPECT_EQ(Tone(30.0, 8000, 1).dFrequency, 1.0);  // the below-range marker
}

TEST_F(Analyser, SilenceWritesOneInfoLineAndNoMore) {
    Record(REC_LOG);
    Tone(440.0, 8000, 12);
    const size_t before = host.lines.size();
    const PitchReading r = Silence(10);
    ASSERT_EQ(host.lines.size(), before + 1);
    EXPECT_EQ(host.lines.back(), INFO_NO_SIGNAL);
    EXPECT_EQ(r.dFrequency, 1.0);
    EXPECT_EQ(r.bFrequencyChanged, 0);
    EXPECT_EQ(r.nShownCents, 0);  // kept from the tone
}

TEST_F(Analyser, LinesFollowTheChangeFlagsAndTheRecordFlags) {
    Record(REC_MIDI);
    double prev = 0;
    bool first = true;
    int changes = 0;
    for (int i = 0; i < 30; ++i) {
        const size_t before = host.lines.size();
        const PitchReading r = Tone(i < 15 ? 440.0 : 447.0, 8000, 1);
        const float f = static_cast<float>(r.dFrequency);
        const bool moved = first || std::fabs(double(f) - prev) > 0.1;
        EXPECT_EQ(r.bFrequencyChanged, moved ? 1 : 0) << i;
        const bool due = r.bFrequencyChanged || r.bShownChanged;
        EXPECT_EQ(host.lines.size(), before + (due ? 1 : 0)) << i;
        changes += due;
        if (due) {
            EXPECT_EQ(host.lines.back(), FormatReadingLine(r));
            EXPECT_EQ(host.flags.back(), REC_MIDI);
        }
        prev = f;
        first = false;
    }
    // A steady tone settles: the last blocks of each stretch write nothing.
    EXPECT_LT(changes, 24);
    const size_t settled = host.lines.size();
    Tone(447.0, 8000, 5);
    EXPECT_EQ(host.lines.size(), settled);
    Record(REC_WAVE);  // the WAVE recording alone gets no lines
    Tone(300.0, 8000, 5);
    EXPECT_EQ(host.lines.size(), settled);
}

TEST_F(Analyser, SubharmonicCheckFollowsALoudLowerComponent) {
    // Above bin 85 the lower component wins when its magnitude passes half
    // the peak's.
    long start = 0;
    auto block = TwoToneBlock(600.0, 10000, 300.0, 8000, start);
    ASSERT_TRUE(analyser.AnalyseBlock(block.data()));
    EXPECT_NEAR(analyser.GetReading().dFrequency, 300.0, 2.0);
    // A weak one does not count.
    block = TwoToneBlock(600.0, 10000, 300.0, 2000, start);
    ASSERT_TRUE(analyser.AnalyseBlock(block.data()));
    EXPECT_NEAR(analyser.GetReading().dFrequency, 600.0, 2.0);
    // Below about 166 Hz no check is made: the strongest window decides.
    block = TwoToneBlock(150.0, 10000, 60.0, 8000, start);
    ASSERT_TRUE(analyser.AnalyseBlock(block.data()));
    EXPECT_NEAR(analyser.GetReading().dFrequency, 150.0, 2.0);
    // The same pair an octave higher is past the limit: the lower one wins.
    block = TwoToneBlock(300.0, 10000, 120.0, 8000, start);
    ASSERT_TRUE(analyser.AnalyseBlock(block.data()));
    EXPECT_NEAR(analyser.GetReading().dFrequency, 120.0, 2.0);
}

TEST_F(Analyser, EveryWindowAndBothSizesFindTheTone) {
    for (int size : {0, 1}) {
        for (int type = 0; type < WINDOW_TYPE_COUNT; ++type) {
            analyser.ApplyFftParameters(type, size, 0.5f);
            EXPECT_EQ(analyser.m_fBinWidth, size ? 1.953125f : 3.90625f);
            const PitchReading r = Tone(440.0, 8000, 2);
            const double bin = size ? 1.953125 : 3.90625;
            EXPECT_NEAR(r.dFrequency, 440.0, bin / 2) << size << " " << type;
            EXPECT_EQ(r.nNoteIndex, 45);
        }
    }
    analyser.ApplyFftParameters(WINDOW_HANNING, 0, 0.5f);
    analyser.ApplyFftParameters(WINDOW_HANNING, 5, 0.5f);  // an unknown size index keeps the size
    EXPECT_EQ(analyser.m_nFftSize, 4096u);
    EXPECT_EQ(analyser.m_fBinWidth, 3.90625f);
    EXPECT_EQ(analyser.m_fGaussAlpha, -0.5f);
}

TEST_F(Analyser, ARefusedSizePublishesNothing) {
    analyser.m_nFftSize = 6000;
    const auto block = ToneBlock(440.0, 8000);
    EXPECT_FALSE(analyser.AnalyseBlock(block.data()));
    EXPECT_EQ(host.refused, 1);
    EXPECT_EQ(host.refreshes, 0);
}

TEST_F(Analyser, BlocksWithoutAPositiveSampleNeverGiveNaN) {
    Record(REC_LOG);
    // Only the negative half-waves of a tone: there is no level reference, the
    // normalised spectrum is all zero and the level is the "silent" value.
    auto block = ToneBlock(440.0, 8000);
    for (auto& v : block) v = std::min<int16_t>(v, 0);
    ASSERT_TRUE(analyser.AnalyseBlock(block.data()));
    PitchReading r = analyser.GetReading();
    EXPECT_EQ(r.nLevelDb, SILENT_LEVEL_DB);
    for (unsigned k = 0; k <= 4096; ++k) ASSERT_EQ(analyser.GetSpectrum()[k], 0.0f) << k;
    // Such a reading, if in range, prints the silent level.
    EXPECT_EQ(FormatReadingLine(440.0, 440.0f, 45, 0, r.nLevelDb),
              "  440.0 Hz |    A5   |   +00    |  -999");
    // Constant levels, impulses and full-scale square waves stay finite too.
    std::vector<std::vector<int16_t>> odd;
    for (int16_t dc : {int16_t(-32768), int16_t(-1), int16_t(1), int16_t(32767)})
        odd.emplace_back(BLOCK_VALUES, dc);
    std::vector<int16_t> impulse(BLOCK_VALUES, 0);
    impulse[0] = impulse[1] = 32767;
    odd.push_back(impulse);
    std::vector<int16_t> square(BLOCK_VALUES);
    for (unsigned i = 0; i < BLOCK_VALUES; ++i) square[i] = (i / 20) % 2 ? -32768 : 32767;
    odd.push_back(square);
    for (int type = 0; type < WINDOW_TYPE_COUNT; ++type) {
        analyser.ApplyFftParameters(type, 1, 1.0f);
        for (const auto& b : odd) {
            ASSERT_TRUE(analyser.AnalyseBlock(b.data()));
            r = analyser.GetReading();
            EXPECT_TRUE(std::isfinite(r.dFrequency));
            EXPECT_TRUE(r.fFrequency == NO_FREQUENCY ||
                        (r.fFrequency >= 40 && r.fFrequency <= 4000));
            EXPECT_GE(r.nPeakBin, 0);
            EXPECT_LE(r.nPeakBin, 4096);
            EXPECT_EQ(host.lines.back().find("nan"), std::string::npos);
        }
    }
}

TEST(DominantPeak, AnEmptyCentroidIsBelowTheRange) {
    // All the energy in bin 0: the centre is 0 and no bins lie around it.
    std::vector<float> M(4200, 1e-6f);
    M[0] = 1000.0f;
    DominantPeak peak = FindDominantPeak(M.data(), 4096, 1.953125f);
    EXPECT_EQ(peak.dFrequency, 1.0);
    EXPECT_EQ(peak.nPeakBin, 0);
    // Bin 1: half-width 0.
    M[0] = 1e-6f;
    M[1] = 1000.0f;
    peak = FindDominantPeak(M.data(), 4096, 1.953125f);
    EXPECT_EQ(peak.dFrequency, 1.0);
    EXPECT_EQ(peak.nPeakBin, 1);
    // A peak in the middle gives its centroid.
    M[1] = 1e-6f;
    const float hill[5] = {500, 800, 1000, 800, 500};
    for (int i = 0; i < 5; ++i) M[223 + i] = hill[i];
    peak = FindDominantPeak(M.data(), 4096, 1.953125f);
    EXPECT_NEAR(peak.dFrequency, 225 * 1.953125, 1e-4);
    EXPECT_NEAR(peak.nPeakBin, 225, 1);
}

TEST_F(Analyser, NoAllocationPerBlockUnlessALineIsWritten) {
    std::vector<std::vector<int16_t>> blocks;
    for (int i = 0; i < 20; ++i) blocks.push_back(ToneBlock(440.0 + 30 * (i / 5), 8000, i * 1333L));
    blocks.emplace_back(BLOCK_VALUES, 0);
    analyser.m_phaseMeter.m_bEnabled = 1;     // the strobe's meter allocates nothing either
    analyser.AnalyseBlock(blocks[0].data());  // first use builds the shared tables
    const long before = g_nAllocations.load();
    for (const auto& b : blocks) analyser.AnalyseBlock(b.data());
    EXPECT_EQ(g_nAllocations.load(), before);
    Record(REC_LOG);
    for (const auto& b : blocks) analyser.AnalyseBlock(b.data());
    EXPECT_GT(g_nAllocations.load(), before);  // the lines' text
}
