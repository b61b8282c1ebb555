// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/NoteTable.h"

#include <cmath>

const double TWO_PI = 2 * 3.141592653589793;
const double QUARTER_TONE_RATIO = std::pow(2.0, 1.0 / 24.0);
const double SEMITONE_RATIO = QUARTER_TONE_RATIO * QUARTER_TONE_RATIO;
const float SEMITONE_RATIO_FLOAT = static_cast<float>(std::pow(2.0, 1.0 / 12.0));
const double CENT_RATIO = std::pow(2.0, 1.0 / 1200.0);

namespace {

std::array<float, NOTE_COUNT> BuildNoteTable() {
    // Single precision, in this exact order: every A is exact and the chain of
    // multiplications restarts from it in each octave.
    const float r = static_cast<float>(std::pow(2.0, 1.0 / 12.0));
    std::array<float, NOTE_COUNT> t{};
    float c2 = 27.5f * r;
    c2 = c2 * r;
    c2 = c2 * r;
    t[0] = c2;
    for (int i = 1; i < NOTE_COUNT; ++i) {
        if (i % 12 == 9)
            t[i] = 55.0f * static_cast<float>(1 << ((i - 9) / 12));
        else
            t[i] = t[i - 1] * r;
    }
    return t;
}

std::array<std::array<char, 5>, NOTE_COUNT> BuildNoteNames() {
    static const char* const kLetters[12] = {"C",  "C#", "D",  "D#", "E",  "F",
                                             "F#", "G",  "G#", "A",  "A#", "B"};
    std::array<std::array<char, 5>, NOTE_COUNT> names{};
    for (int i = 0; i < NOTE_COUNT; ++i) {
        const char* l = kLetters[i % 12];
        auto& slot = names[i];
        slot[0] = l[0];
        slot[1] = static_cast<char>('0' + 2 + i / 12);
        slot[2] = l[1] == '#' ? '#' : '\0';
        slot[3] = '\0';
        slot[4] = '\0';
    }
    return names;
}

}  // namespace

const std::array<float, NOTE_COUNT> NoteTable = BuildNoteTable();
const std::array<std::array<char, 5>, NOTE_COUNT> NoteNames = BuildNoteNames();

const char* NoteName(int nIndex) {
    if (nIndex < 0 || nIndex >= NOTE_COUNT) return nullptr;
    return NoteNames[nIndex].data();
}

float TranspositionFactor(int nRow) {
    const double q = QUARTER_TONE_RATIO;
    const double q4 = q * q * q * q;
    const double q6 = q4 * q * q;
    switch (nRow) {
        case 0:
            return 1.0f;
        case 1:
            return 2.0f;
        case 2:
            return 0.5f;
        case 3:
            return static_cast<float>(q4);
        case 4:
            return static_cast<float>(2.0 * q4);
        case 5:
            return static_cast<float>(0.5 * q4);
        case 6:
            return static_cast<float>(1.0 / q6);
        case 7:
            return static_cast<float>(2.0 / q6);
        case 8:
            return static_cast<float>(0.5 / q6);
        default:
            return 1.0f;
    }
}

const char* TranspositionText(int nRow) {
    static const char* const kTexts[TRANSPOSITION_COUNT] = {"None",
                                                            "+1 Octave",
                                                            "-1 Octave",
                                                            "B flat instr.",
                                                            "B flat instr. +1 octave",
                                                            "B flat instr. -1 octave",
                                                            "E flat instr.",
                                                            "E flat instr. +1 octave",
                                                            "E flat instr. -1 octave"};
    return nRow >= 0 && nRow < TRANSPOSITION_COUNT ? kTexts[nRow] : "";
}

const char* TranspositionDescription(int nRow) {
    static const char* const kDescriptions[TRANSPOSITION_COUNT] = {
        "to standard C instrument, no octave shift",
        "one octave up",
        "one octave down",
        "for B flat instrument",
        "for B flat instrument, one octave up",
        "for B flat instrument, one octave down",
        "for E flat instrument",
        "for E flat instrument, one octave up",
        "for E flat instrument, one octave down"};
    return nRow >= 0 && nRow < TRANSPOSITION_COUNT ? kDescriptions[nRow] : "";
}

float A5Factor(int nA5) {
    return static_cast<float>(440.0 / static_cast<double>(nA5));
}
