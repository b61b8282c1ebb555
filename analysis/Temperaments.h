// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

// The built-in temperaments, each built from its definition (a chain of
// fifths tempered by stated fractions of a comma, or just ratios), not from a
// table of cents. On C: pythagorean and the meantones are chains of fifths
// from Eb to G#, the wolf between G# and Eb; "just" is the 5-limit major
// scale 1, 9/8, 5/4, 4/3, 3/2, 5/3, 15/8 with the chromatic degrees 16/15,
// 6/5, 45/32, 8/5 and 9/5; "young" is Young's second temperament, the six
// fifths from C to F# narrowed by 1/6 Pythagorean comma each.
struct TemperamentInfo {
    const char* name;   // as the options and the settings file take it: "werckmeister3"
    const char* title;  // as the window and the log show it: "Werckmeister III"
};
// In the order of --list-temperaments; "equal" first.
const std::vector<TemperamentInfo>& Temperaments();
// The position of a name in Temperaments() (exact, lower case), or -1.
int FindTemperament(const std::string& strName);
// "equal, pythagorean, ..." for messages.
std::string TemperamentNameList();

// Pitch classes: 0 = C, 1 = C#, ... 11 = B.
constexpr int PITCH_CLASS_A = 9;
// "C", "C#", ... "B"; nullptr outside 0 ... 11.
const char* PitchClassName(int nPitchClass);
// A tonic as the options take it: "C", "C#", "Db", "Bb", ... in any case; -1
// for anything else. B#, Cb, E# and Fb are the pitch classes they sound as.
int ParsePitchClass(const std::string& strName);

// The offsets in cents from equal temperament of the twelve pitch classes
// (index 0 = C) of temperament nTemperament built on nTonic: the temperament
// as defined on C, transposed so that the tonic takes C's place, then moved
// as a whole so that A's offset is exactly 0 (A keeps the reference). All 0
// for a temperament or tonic out of range.
std::array<double, 12> TemperamentOffsets(int nTemperament, int nTonic);
