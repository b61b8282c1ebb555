// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>
#include <string>
#include <vector>

#include "analysis/ReferenceTone.h"
#include "analysis/Temperaments.h"
#include "analysis/TuningOptions.h"

namespace {

constexpr int RATE = 48000;

double CentsBetween(double a, double b) {
    return 1200.0 * std::log2(a / b);
}

// The tone as a playback stream takes it: in pieces of changing size.
std::vector<int16_t> RenderInPieces(CReferenceTone& tone, int nFrames) {
    std::vector<int16_t> samples(static_cast<size_t>(nFrames) * 2);
    int nDone = 0;
    for (int nPiece = 1; nDone < nFrames; nPiece = nPiece * 7 % 2053 + 1) {
        const int n = std::min(nPiece, nFrames - nDone);
        tone.Render(samples.data() + 2 * nDone, n, 2);
        nDone += n;
    }
    std::vector<int16_t> left;
    for (size_t i = 0; i < samples.size(); i += 2) {
        EXPECT_EQ(samples[i], samples[i + 1]) << "frame " << i / 2;
        left.push_back(samples[i]);
    }
    return left;
}

// The frequency of a sine from the slope of its rising zero crossings
// (interpolated between samples) over their count, by least squares.
double MeasuredHz(const std::vector<int16_t>& s) {
    std::vector<double> times;
    for (size_t i = 0; i + 1 < s.size(); ++i)
        if (s[i] < 0 && s[i + 1] >= 0) times.push_back(i + s[i] / double(s[i] - s[i + 1]));
    const double n = static_cast<double>(times.size());
    double dMeanK = (n - 1) / 2, dMeanT = 0, dNum = 0, dDen = 0;
    for (double t : times) dMeanT += t / n;
    for (size_t k = 0; k < times.size(); ++k) {
        dNum += (k - dMeanK) * (times[k] - dMeanT);
        dDen += (k - dMeanK) * (k - dMeanK);
    }
    return RATE / (dNum / dDen);
}

double Hz(const CTuningValues& v, const char* pszNote) {
    double dHz = 0;
    std::string strError;
    EXPECT_TRUE(NoteFrequencyHz(v, pszNote, dHz, strError)) << pszNote << ": " << strError;
    return dHz;
}

}  // namespace

// Ten seconds in uneven pieces: one unbroken sine (no step larger than the
// sine's own slope allows, across every piece's edge) at the asked frequency
// within a thousandth of a cent.
TEST(ReferenceTone, IsOneUnbrokenSineAtItsFrequency) {
    for (double dHz : {440.0, 328.9767, 82.4069, 1318.51}) {
        CReferenceTone tone(dHz, RATE, ToneShape::Sine, 0.5);
        const std::vector<int16_t> s = RenderInPieces(tone, 10 * RATE);
        const double dMaxStep = 2 * std::numbers::pi * dHz / RATE * 0.5 * 32767 + 1;
        for (size_t i = 1; i < s.size(); ++i)
            ASSERT_LE(std::abs(s[i] - s[i - 1]), dMaxStep) << dHz << " Hz, frame " << i;
        EXPECT_NEAR(CentsBetween(MeasuredHz(s), dHz), 0.0, 0.001) << dHz << " Hz";
    }
}

// It starts from silence, rises over the fade to the full level, and after
// FadeOut falls to silence within the fade and stays there.
TEST(ReferenceTone, FadesInAndOutWithoutAStep) {
    CReferenceTone tone(440.0, RATE, ToneShape::Soft, 1.0);
    const int nFade = static_cast<int>(CReferenceTone::FADE_SECONDS * RATE);
    std::vector<int16_t> s = RenderInPieces(tone, RATE / 2);
    EXPECT_EQ(s[0], 0);
    int nEarlyPeak = 0, nLatePeak = 0;
    for (int i = 0; i < nFade / 10; ++i) nEarlyPeak = std::max(nEarlyPeak, std::abs(s[i]));
    for (int i = nFade; i < RATE / 2; ++i) nLatePeak = std::max(nLatePeak, std::abs(s[i]));
    EXPECT_LT(nEarlyPeak, nLatePeak / 20);
    EXPECT_GT(nLatePeak, 32767 / 2);

    tone.FadeOut();
    EXPECT_FALSE(tone.IsFinished());
    s = RenderInPieces(tone, 2 * nFade);
    EXPECT_TRUE(tone.IsFinished());
    for (int i = nFade - nFade / 10; i < nFade; ++i) EXPECT_LT(std::abs(s[i]), nLatePeak / 20);
    for (int i = nFade; i < 2 * nFade; ++i) ASSERT_EQ(s[i], 0) << i;
}

// A5, the temperament on its tonic and the transposition, from their
// definitions rather than from the targets.
TEST(ReferenceTone, NoteFrequencyFollowsTheTuningsDefinition) {
    CTuningValues v;
    EXPECT_DOUBLE_EQ(Hz(v, "A5"), 440.0);
    EXPECT_NEAR(CentsBetween(Hz(v, "F3#"), 440.0 * std::pow(2.0, -27.0 / 12)), 0, 1e-9);
    v.nA5 = 442;
    EXPECT_DOUBLE_EQ(Hz(v, "A5"), 442.0);
    EXPECT_NEAR(CentsBetween(Hz(v, "a4"), 221.0), 0, 1e-9);

    // Quarter-comma meantone on C: E a narrowed fifth above A, an octave
    // down; C three narrowed fifths below A, an octave up.
    v.nA5 = 440;
    v.nTemperament = FindTemperament("meantone4");
    v.nTonic = 0;
    const double dFifth = 1.5 * std::pow(80.0 / 81.0, 0.25);
    EXPECT_NEAR(CentsBetween(Hz(v, "E5"), 440.0 * dFifth / 2), 0, 1e-9);
    EXPECT_NEAR(CentsBetween(Hz(v, "C5"), 440.0 * 2 / std::pow(dFifth, 3)), 0, 1e-9);
    // The same with the strings of a guitar: its low E is that E two octaves down.
    v.strStrings = "guitar";
    EXPECT_NEAR(CentsBetween(Hz(v, "E3"), 440.0 * dFifth / 8), 0, 1e-9);

    // A B flat instrument: what the tuner names A5 sounds a tone lower.
    v = CTuningValues{};
    v.nTransposition = 3;
    EXPECT_NEAR(CentsBetween(Hz(v, "A5"), 440.0), -200.0, 1e-3);
}

TEST(ReferenceTone, BadNotesAreRefusedWithOneLine) {
    CTuningValues v;
    for (const char* pszNote : {"", "H5", "A", "A5x", "C0", "B9"}) {
        double dHz = -1;
        std::string strError;
        EXPECT_FALSE(NoteFrequencyHz(v, pszNote, dHz, strError)) << pszNote;
        EXPECT_EQ(dHz, -1) << pszNote;
        EXPECT_NE(strError.find("'" + std::string(pszNote) + "'"), std::string::npos) << strError;
        EXPECT_EQ(strError.find('\n'), std::string::npos) << strError;
    }
}
