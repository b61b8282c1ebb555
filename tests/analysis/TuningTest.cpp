// SPDX-License-Identifier: GPL-3.0-or-later
// Tunings as the analyser uses them: tones played on a tuning's targets read
// those targets, by name and in cents.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "analysis/Constants.h"
#include "analysis/NoteTable.h"
#include "analysis/PitchAnalyser.h"
#include "analysis/StringPresets.h"
#include "analysis/Temperaments.h"
#include "analysis/Tuning.h"
#include "analysis/TuningOptions.h"

namespace {

// Partial h (1 the fundamental) at h times f0 with amplitude adPartials[h - 1],
// both channels alike; consecutive blocks join without a seam.
std::vector<int16_t> PartialsBlock(double f0, const std::vector<double>& adPartials,
                                   long nFirstFrame) {
    std::vector<int16_t> block(BLOCK_VALUES);
    for (unsigned i = 0; i < BLOCK_FRAMES; ++i) {
        const double t = static_cast<double>(nFirstFrame + i) / SAMPLE_RATE;
        double d = 0.0;
        for (size_t h = 0; h < adPartials.size(); ++h)
            d += adPartials[h] * std::sin(2 * M_PI * f0 * static_cast<double>(h + 1) * t + 0.5 * h);
        block[2 * i] = block[2 * i + 1] = static_cast<int16_t>(std::lround(d));
    }
    return block;
}

// Kalvo's name of an equal-tempered position: letter, octave (C2 at 0), '#'.
std::string PositionName(int nPosition) {
    static const char* const LETTERS[12] = {"C", "C", "D", "D", "E", "F",
                                            "F", "G", "G", "A", "A", "B"};
    static const bool SHARP[12] = {false, true,  false, true,  false, false,
                                   true,  false, true,  false, true,  false};
    const int nClass = ((nPosition % 12) + 12) % 12;
    const int nOctave = (nPosition - nClass) / 12 + 2;
    return LETTERS[nClass] + std::to_string(nOctave) + (SHARP[nClass] ? "#" : "");
}

double EqualHz(int nPosition) {
    return 440.0 * std::exp2((nPosition - 45) / 12.0);
}

double Cents(double dF, double dRef) {
    return 1200.0 * std::log2(dF / dRef);
}

std::shared_ptr<const CTuning> Build(const CTuningValues& values) {
    std::string strError;
    auto p = CTuning::Build(values, strError);
    EXPECT_TRUE(p) << strError;
    return p;
}

// A fresh analyser per tone, so no block of the previous tone is in it.
PitchReading Play(const std::shared_ptr<const CTuning>& pTuning, int nMethod, double f0,
                  const std::vector<double>& adPartials, int nBlocks = 3) {
    CPitchAnalyser analyser;
    analyser.m_nPitchMethod = nMethod;
    analyser.SetTuning(pTuning);
    for (int i = 0; i < nBlocks; ++i) {
        const auto block = PartialsBlock(f0, adPartials, static_cast<long>(i) * BLOCK_FRAMES);
        EXPECT_TRUE(analyser.AnalyseBlock(block.data()));
    }
    return analyser.GetReading();
}

const char* MethodName(int nMethod) {
    return nMethod == PITCH_METHOD_DOMINANT ? "dominant" : "fundamental";
}

// The dominant method's centroid is within half a cent of a steady tone from
// here up; below, its wide centroid is off by up to 15 cents in places (and
// a low string's partials pull it further), which is its design, not the
// tuning's.
constexpr double DOMINANT_EXACT_HZ = 200.0;

}  // namespace

TEST(TuningReadings, TonesOnATemperamentsNotesReadThemAtZeroCents) {
    const char* const TEMPERAMENTS[] = {"pythagorean", "meantone4", "werckmeister3", "vallotti",
                                        "just"};
    const char* const TONICS[] = {"C", "F#", "Bb"};
    int nCase = 0;
    for (const char* szTemperament : TEMPERAMENTS) {
        for (const char* szTonic : TONICS) {
            CTuningValues values;
            values.nTemperament = FindTemperament(szTemperament);
            values.nTonic = ParsePitchClass(szTonic);
            const auto pTuning = Build(values);
            ASSERT_TRUE(pTuning);
            const auto adOffsets = TemperamentOffsets(values.nTemperament, values.nTonic);
            // A stride of 5 semitones meets every pitch class within twelve
            // steps; the start moves with the case so all octaves take turns.
            for (int p = 4 + nCase % 5; EqualHz(p) < MAX_FREQUENCY; p += 5) {
                const double dHz = EqualHz(p) * std::exp2(adOffsets[p % 12] / 1200.0);
                if (dHz < MIN_FREQUENCY || dHz > MAX_FREQUENCY) continue;
                for (int nMethod : {PITCH_METHOD_DOMINANT, PITCH_METHOD_FUNDAMENTAL}) {
                    SCOPED_TRACE(std::string(szTemperament) + " on " + szTonic + ", " +
                                 PositionName(p) + " at " + std::to_string(dHz) + " Hz, " +
                                 MethodName(nMethod));
                    const PitchReading r = Play(pTuning, nMethod, dHz, {8000});
                    EXPECT_STREQ(r.achTarget.data(), PositionName(p).c_str());
                    // The closest equal-tempered note is the one tempered.
                    EXPECT_EQ(r.nNoteIndex, p);
                    EXPECT_NEAR(Cents(r.fTargetFrequency, dHz), 0.0, 0.01);
                    if (nMethod == PITCH_METHOD_FUNDAMENTAL || dHz >= DOMINANT_EXACT_HZ) {
                        EXPECT_NEAR(Cents(r.fTransposedFrequency, r.fTargetFrequency), 0.0, 0.5);
                    }
                }
            }
            ++nCase;
        }
    }
}

TEST(TuningReadings, EveryStringOfEveryPresetReadsTwentyCentsFlat) {
    // A plucked string: the fundamental loudest, a few partials above it.
    const std::vector<double> adPartials = {6000, 3000, 2000, 1200, 800};
    for (const StringPreset& preset : StringPresets()) {
        CTuningValues values;
        values.strStrings = preset.name;
        const auto pTuning = Build(values);
        ASSERT_TRUE(pTuning);
        std::vector<int> anStrings;
        std::string strError;
        ASSERT_TRUE(ParseStringNotes(preset.notes, anStrings, strError)) << strError;
        for (int p : anStrings) {
            const double dHz = EqualHz(p) * std::exp2(-20.0 / 1200.0);
            // The five-string bass's B1 is read by the fundamental method only.
            for (int nMethod : {PITCH_METHOD_DOMINANT, PITCH_METHOD_FUNDAMENTAL}) {
                if (nMethod == PITCH_METHOD_DOMINANT && dHz < DOMINANT_EXACT_HZ) continue;
                SCOPED_TRACE(std::string(preset.name) + ", " + PositionName(p) + ", " +
                             MethodName(nMethod));
                const PitchReading r = Play(pTuning, nMethod, dHz, adPartials);
                EXPECT_STREQ(r.achTarget.data(), PositionName(p).c_str());
                EXPECT_NEAR(Cents(r.fTargetFrequency, EqualHz(p)), 0.0, 0.01);
                EXPECT_NEAR(Cents(r.fTransposedFrequency, r.fTargetFrequency), -20.0, 1.0);
            }
        }
    }
}

TEST(TuningReadings, TheDefaultTuningReadsAFiveStringBasssLowBWithTheFundamentalMethod) {
    const double dB1 = EqualHz(-1);  // 30.87 Hz, below the note table's C2
    const std::vector<double> adPartials = {6000, 3000, 2000, 1200, 800};
    const PitchReading r = Play(CTuning::Default(), PITCH_METHOD_FUNDAMENTAL, dB1, adPartials, 4);
    EXPECT_STREQ(r.achTarget.data(), "B1");
    EXPECT_EQ(r.nNoteIndex, -1);
    EXPECT_NEAR(Cents(r.fTransposedFrequency, dB1), 0.0, 1.0);
    // The dominant method keeps its band: no reading.
    EXPECT_EQ(Play(CTuning::Default(), PITCH_METHOD_DOMINANT, dB1, adPartials, 4).fFrequency,
              NO_FREQUENCY);
}

TEST(TuningBands, ATuningsBandsMeetHalfWayInCentsAndOnlyStringsHaveOpenEnds) {
    struct {
        const char* szTemperament;
        const char* szStrings;
        bool bOpenEnds;
    } aCases[] = {
        {"werckmeister3", "", false}, {"meantone4", "", false},    {"just", "", false},
        {"equal", "guitar", true},    {"vallotti", "banjo", true},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(std::string(c.szTemperament) + " " + c.szStrings);
        CTuningValues values;
        values.nTemperament = FindTemperament(c.szTemperament);
        values.nTonic = ParsePitchClass("Eb");
        values.strStrings = c.szStrings;
        const auto pTuning = Build(values);
        ASSERT_TRUE(pTuning);
        const CTuning& tuning = *pTuning;
        ASSERT_GT(tuning.GetCount(), 1);
        // A reading belongs to the target it is fewer cents from.
        for (int i = 0; i + 1 < tuning.GetCount(); ++i) {
            const double dLow = tuning.GetTarget(i).fFrequency;
            const double dHigh = tuning.GetTarget(i + 1).fFrequency;
            ASSERT_LT(dLow, dHigh);
            const double dMiddle = std::sqrt(dLow * dHigh);
            EXPECT_EQ(tuning.FindTarget(static_cast<float>(dLow), 0.0), i);
            EXPECT_EQ(tuning.FindTarget(static_cast<float>(dMiddle * (1 - 1e-5)), 0.0), i);
            EXPECT_EQ(tuning.FindTarget(static_cast<float>(dMiddle * (1 + 1e-5)), 0.0), i + 1);
        }
        // Past the ends: a quarter tone beyond the lowest or the highest
        // target still belongs to it; strings take everything.
        const int nLast = tuning.GetCount() - 1;
        const double dLowest = tuning.GetTarget(0).fFrequency;
        const double dHighest = tuning.GetTarget(nLast).fFrequency;
        const double dQuarterTone = std::exp2(1.0 / 24.0);
        const auto find = [&](double dHz) {
            return tuning.FindTarget(static_cast<float>(dHz), 0.0);
        };
        EXPECT_EQ(find(dLowest), 0);
        EXPECT_EQ(find(dLowest / dQuarterTone * 1.0001), 0);
        EXPECT_EQ(find(dLowest / dQuarterTone * 0.9999), c.bOpenEnds ? 0 : CTuning::NO_TARGET);
        EXPECT_EQ(find(dHighest * dQuarterTone * 0.9999), nLast);
        EXPECT_EQ(find(dHighest * dQuarterTone * 1.0001),
                  c.bOpenEnds ? nLast : CTuning::ABOVE_TARGETS);
        // Below the least frequency asked for, or no frequency: no target.
        EXPECT_EQ(tuning.FindTarget(static_cast<float>(dHighest), dHighest * 1.01),
                  CTuning::NO_TARGET);
        EXPECT_EQ(tuning.FindTarget(std::nanf(""), 0.0), CTuning::NO_TARGET);
        // What no target is measured against, unlike the default's C2.
        for (int nNone : {CTuning::NO_TARGET, CTuning::ABOVE_TARGETS}) {
            EXPECT_EQ(tuning.FrequencyOf(nNone), 0.0f);
            EXPECT_EQ(tuning.NameOf(nNone), nullptr);
        }
        EXPECT_EQ(tuning.PositionOf(CTuning::NO_TARGET), 0);
        EXPECT_EQ(tuning.PositionOf(CTuning::ABOVE_TARGETS), NOTE_COUNT);
    }
}

namespace {

std::string WriteScratch(const std::string& strName, const std::string& strText) {
    const std::string strPath = testing::TempDir() + strName;
    std::ofstream(strPath, std::ios::binary) << strText;
    return strPath;
}

// The target FindTarget gives for dHz, or null.
const TuningTarget* TargetAt(const CTuning& tuning, double dHz) {
    const int n = tuning.FindTarget(static_cast<float>(dHz), 0.0);
    return n >= 0 ? &tuning.GetTarget(n) : nullptr;
}

}  // namespace

TEST(TuningScales, ADegreeSoundsWhereTheScaleOrTheMapPutsIt) {
    // 19 equal steps on D: degree d lies d 19ths of an octave from the D of
    // A5's octave, named by its degree and its period.
    std::string strEdo = "19-EDO\n19\n";
    for (int k = 1; k <= 19; ++k) strEdo += std::to_string(1200.0 * k / 19) + "\n";
    CTuningValues values;
    values.strScale = WriteScratch("kalvo-tuning-19.scl", strEdo);
    values.nTonic = ParsePitchClass("D");
    auto pTuning = Build(values);
    ASSERT_TRUE(pTuning);
    EXPECT_EQ(pTuning->GetTitle(), "Scale kalvo-tuning-19.scl");
    std::string strPrevious;
    for (int d = -40; d <= 40; ++d) {
        const double dHz = EqualHz(38) * std::exp2(d / 19.0);
        const TuningTarget* pTarget = TargetAt(*pTuning, dHz);
        ASSERT_NE(pTarget, nullptr) << d;
        EXPECT_NEAR(Cents(pTarget->fFrequency, dHz), 0.0, 0.001) << d;
        const std::string strName = pTarget->name.data();
        const int r = ((d % 19) + 19) % 19;
        EXPECT_EQ(strName.substr(0, strName.find(':')), std::to_string(r)) << strName;
        // The period's number goes up by one from degree 18 to degree 0.
        if (r == 0 && !strPrevious.empty()) {
            EXPECT_EQ(std::stoi(strName.substr(strName.find(':') + 1)),
                      std::stoi(strPrevious.substr(strPrevious.find(':') + 1)) + 1)
                << strPrevious << " " << strName;
        }
        strPrevious = strName;
    }

    // Just ratios on A, mapped with A4's key (69) at 432 Hz: with A5 set to
    // 432 Hz the analysis measures in a frame where that key is 440 Hz.
    values = CTuningValues();
    values.strScale =
        WriteScratch("kalvo-tuning-just.scl",
                     "just\n12\n16/15\n9/8\n6/5\n5/4\n4/3\n45/32\n3/2\n8/5\n5/3\n9/5\n15/8\n2/1\n");
    values.strKeymap = WriteScratch("kalvo-tuning-432.kbm",
                                    "12\n0\n127\n69\n69\n432.0\n12\n"
                                    "0\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n");
    values.nA5 = 432;
    pTuning = Build(values);
    ASSERT_TRUE(pTuning);
    const struct {
        int nKey;
        double dRatio;
    } aKeys[] = {{69, 1.0}, {76, 1.5}, {73, 1.25}, {62, 2.0 / 3.0}, {81, 2.0}, {45, 0.25 * 1.0}};
    for (const auto& k : aKeys) {
        const double dHz = 440.0 * k.dRatio;
        const TuningTarget* pTarget = TargetAt(*pTuning, dHz);
        ASSERT_NE(pTarget, nullptr) << k.nKey;
        EXPECT_NEAR(Cents(pTarget->fFrequency, dHz), 0.0, 0.001) << k.nKey;
        // MIDI key 69 is Kalvo's A5, position 45.
        EXPECT_STREQ(pTarget->name.data(), PositionName(k.nKey - 24).c_str());
        EXPECT_EQ(pTarget->nPosition, k.nKey - 24);
    }
}

TEST(TuningScales, AScaleTooDenseToTuneToIsRefusedWithOneLine) {
    CTuningValues values;
    values.strScale = WriteScratch("kalvo-tuning-dense.scl", "dense\n1\n0.001\n");
    std::string strError;
    EXPECT_EQ(CTuning::Build(values, strError), nullptr);
    EXPECT_NE(strError.find(values.strScale), std::string::npos) << strError;
    EXPECT_EQ(strError.find('\n'), std::string::npos) << strError;
    // Its degrees on a keyboard map are no more than the keys.
    values.strKeymap = WriteScratch("kalvo-tuning-linear.kbm", "0\n0\n127\n60\n69\n440.0\n0\n");
    EXPECT_NE(CTuning::Build(values, strError), nullptr) << strError;
}
