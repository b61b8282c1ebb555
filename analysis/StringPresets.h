// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// Instrument presets: the notes an instrument's open strings are tuned to, in
// Kalvo's naming (A5 = 440 Hz, so a guitar's low E is "E3", a five-string
// bass's low B "B1").
struct StringPreset {
    const char* name;   // as the options take it: "guitar-drop-d"
    const char* title;  // as the window shows it: "Guitar, drop D"
    const char* notes;  // "D3 A3 D4 G4 B4 E5", lowest string first (re-entrant
                        // ukulele and banjo: in the strings' order on the neck)
};
// In the order of --list-strings.
const std::vector<StringPreset>& StringPresets();
// The preset of a name (exact, lower case), or nullptr.
const StringPreset* FindStringPreset(const std::string& strName);

// A note in Kalvo's naming as a position: semitones from C2 (C2 = 0, A5 =
// 45, B1 = -1). Letter (either case), optional accidental before or after
// the octave digit ('#' or 'b': "F3#", "F#3", "Bb2", "B2b"), octave 0 ... 9.
// False for anything else. The octave is the letter's: B#3 is C4, Cb4 is B3.
bool ParseNotePosition(const std::string& strNote, int& nPosition);
// The position's name in Kalvo's naming with sharps: "E3", "F3#", "B1"; ""
// outside octaves 0 ... 9.
std::string NotePositionName(int nPosition);

// A list of notes separated by spaces or commas ("E3 A3 D4"), 1 to 24 of
// them; false with a message naming the first note that does not read.
bool ParseStringNotes(const std::string& strNotes, std::vector<int>& anPositions,
                      std::string& strError);
