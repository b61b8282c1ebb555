// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "analysis/NoteSearch.h"
#include "analysis/NoteTable.h"

TEST(NoteTable, SharedRatiosHaveTheirDesignedValues) {
    EXPECT_EQ(QUARTER_TONE_RATIO, 1.029302236643492);
    EXPECT_EQ(SEMITONE_RATIO, 1.0594630943592953);
    EXPECT_EQ(static_cast<double>(SEMITONE_RATIO_FLOAT), 1.0594631433486938);
    EXPECT_EQ(CENT_RATIO, 1.0005777895065548);
    EXPECT_EQ(TWO_PI, 6.283185307179586);
}

TEST(NoteTable, FrequenciesAreTheSinglePrecisionChain) {
    EXPECT_EQ(NoteTable[0], 32.70320129394531f);
    EXPECT_EQ(NoteTable[45], 440.0f);
    // Each octave restarts from its exact A.
    EXPECT_EQ(NoteTable[10], 55.0f * SEMITONE_RATIO_FLOAT);
    for (int k = 0; k <= 6; ++k) EXPECT_EQ(NoteTable[9 + 12 * k], 55.0f * float(1 << k));
    EXPECT_FLOAT_EQ(NoteTable[24], 130.81281f);
    EXPECT_FLOAT_EQ(NoteTable[36], 261.62561f);
    EXPECT_FLOAT_EQ(NoteTable[46], 466.16379f);
    EXPECT_FLOAT_EQ(NoteTable[84], 4186.0098f);
    for (int i = 1; i < NOTE_COUNT; ++i) {
        EXPECT_GT(NoteTable[i], NoteTable[i - 1]);
        EXPECT_NEAR(NoteTable[i] / NoteTable[i - 1], 1.0594631, 2e-6) << i;
    }
}

TEST(NoteTable, NamesCarrySharpsAfterTheOctaveDigit) {
    EXPECT_STREQ(NoteNames[0].data(), "C2");
    EXPECT_STREQ(NoteNames[1].data(), "C2#");
    EXPECT_STREQ(NoteNames[11].data(), "B2");
    EXPECT_STREQ(NoteNames[12].data(), "C3");
    EXPECT_STREQ(NoteNames[45].data(), "A5");
    EXPECT_STREQ(NoteNames[46].data(), "A5#");
    EXPECT_STREQ(NoteNames[84].data(), "C9");
    EXPECT_EQ(NoteName(85), nullptr);
    EXPECT_EQ(NoteName(-1), nullptr);
    for (int i = 0; i < NOTE_COUNT; ++i) {
        const size_t len = std::strlen(NoteNames[i].data());
        const bool black = (1 << (i % 12)) & 0b010101001010;
        EXPECT_EQ(len, black ? 3u : 2u) << i;
    }
}

TEST(NoteTable, TranspositionFactorsAreRoundedDoublePowersOfTheQuarterTone) {
    const double q = QUARTER_TONE_RATIO;
    EXPECT_EQ(TranspositionFactor(0), 1.0f);
    EXPECT_EQ(TranspositionFactor(1), 2.0f);
    EXPECT_EQ(TranspositionFactor(2), 0.5f);
    EXPECT_FLOAT_EQ(TranspositionFactor(3), 1.1224620f);
    EXPECT_EQ(TranspositionFactor(3), float(std::pow(q, 4)));
    EXPECT_FLOAT_EQ(TranspositionFactor(4), 2.2449241f);
    EXPECT_FLOAT_EQ(TranspositionFactor(5), 0.5612310f);
    EXPECT_FLOAT_EQ(TranspositionFactor(6), 0.8408964f);
    EXPECT_FLOAT_EQ(TranspositionFactor(7), 1.6817929f);
    EXPECT_FLOAT_EQ(TranspositionFactor(8), 0.4204482f);
    EXPECT_EQ(TranspositionFactor(9), 1.0f);
    EXPECT_EQ(TranspositionFactor(-1), 1.0f);
    EXPECT_STREQ(TranspositionDescription(1), "one octave up");
    EXPECT_STREQ(TranspositionDescription(3), "for B flat instrument");
    EXPECT_STREQ(TranspositionText(4), "B flat instr. +1 octave");
}

namespace {
// The note a measured frequency gets named after A5 and transposition.
int NameOf(float hz, int a5, int row) {
    const float t = static_cast<float>(double(hz) * A5Factor(a5) * TranspositionFactor(row));
    return CNoteSearch::FindNote(t);
}
}  // namespace

TEST(NoteTable, A5ReferenceAndTranspositionMoveTheName) {
    EXPECT_EQ(NameOf(440.0f, 440, 0), 45);
    EXPECT_EQ(NameOf(380.0f, 380, 0), 45);
    EXPECT_EQ(NameOf(480.0f, 480, 0), 45);
    EXPECT_EQ(NameOf(442.0f, 442, 0), 45);
    EXPECT_EQ(NameOf(466.16f, 440, 3), 48);  // A5# sounding on a B flat instrument reads C6
    EXPECT_EQ(NameOf(311.13f, 440, 6), 36);  // D5# sounding on an E flat instrument reads C5
    EXPECT_EQ(NameOf(440.0f, 440, 1), 57);
    EXPECT_EQ(NameOf(440.0f, 440, 2), 33);
    EXPECT_EQ(NameOf(440.0f, 440, 4), 45 + 14);
    EXPECT_EQ(NameOf(440.0f, 440, 5), 45 - 10);
    EXPECT_EQ(NameOf(440.0f, 440, 7), 45 + 9);
    EXPECT_EQ(NameOf(440.0f, 440, 8), 45 - 15);
    // Every A5 reference names its own tone A5, and the factor is the double
    // quotient rounded once.
    for (int a5 = MIN_A5; a5 <= MAX_A5; ++a5) {
        EXPECT_EQ(NameOf(float(a5), a5, 0), 45) << a5;
        EXPECT_EQ(A5Factor(a5), float(440.0 / a5));
    }
}
