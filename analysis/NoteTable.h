// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// The note vocabulary: 85 equal-tempered notes from C2 (index 0) to C9
// (index 84), one semitone per index, A5 = 440 Hz at index 45.
constexpr int NOTE_COUNT = 85;
constexpr int NOTE_A5 = 45;

extern const double TWO_PI;
extern const double QUARTER_TONE_RATIO;   // 2^(1/24): split point between notes
extern const double SEMITONE_RATIO;       // QUARTER_TONE_RATIO squared, for peak search widths
extern const float SEMITONE_RATIO_FLOAT;  // float(2^(1/12)), step of the note table
extern const double CENT_RATIO;           // 2^(1/1200)

// Frequencies in single precision, built once at start-up.
extern const std::array<float, NOTE_COUNT> NoteTable;
// Names in fixed 5-byte slots: letter, octave digit, '#' for a raised note.
extern const std::array<std::array<char, 5>, NOTE_COUNT> NoteNames;

// Name of a note index, or nullptr when the index has no entry (85, the
// closest-note search's "above the table").
const char* NoteName(int nIndex);

// The "Note Transposition" rows of the control panel.
constexpr int TRANSPOSITION_COUNT = 9;
// Factor of a row, stored as float; any other row gives 1.
float TranspositionFactor(int nRow);
// The row's text in the list ("None", "+1 Octave", ...); "" for another row.
const char* TranspositionText(int nRow);
// The row's description for the session log ("one octave up", ...).
const char* TranspositionDescription(int nRow);

// A5 reference in whole hertz, 380 to 480.
constexpr int MIN_A5 = 380;
constexpr int MAX_A5 = 480;
// 440 / A5 in single precision.
float A5Factor(int nA5);
