// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/StringPresets.h"

namespace {

constexpr int MAX_STRINGS = 24;
// C0 ... B9, around the C2 ... C9 of the note table.
constexpr int LOWEST_OCTAVE = 0;
constexpr int HIGHEST_OCTAVE = 9;
constexpr int POSITION_OCTAVE = 2;  // the octave of position 0, C2

}  // namespace

// Built on first use, so that other files' start-up code may ask for it.
const std::vector<StringPreset>& StringPresets() {
    // Kalvo's octaves are one above scientific pitch notation's: the guitar's
    // E2 (82.4 Hz) is E3 here.
    static const std::vector<StringPreset> PRESETS = {
        {"guitar", "Guitar", "E3 A3 D4 G4 B4 E5"},
        {"guitar-drop-d", "Guitar, drop D", "D3 A3 D4 G4 B4 E5"},
        {"guitar-dadgad", "Guitar, DADGAD", "D3 A3 D4 G4 A4 D5"},
        {"guitar-open-g", "Guitar, open G", "D3 G3 D4 G4 B4 D5"},
        {"guitar-open-d", "Guitar, open D", "D3 A3 D4 F4# A4 D5"},
        {"guitar-half-down", "Guitar, half a step down", "D3# G3# C4# F4# A4# D5#"},
        {"guitar-7", "Seven-string guitar", "B2 E3 A3 D4 G4 B4 E5"},
        {"bass", "Bass", "E2 A2 D3 G3"},
        {"bass-5", "Five-string bass", "B1 E2 A2 D3 G3"},
        {"violin", "Violin", "G4 D5 A5 E6"},
        {"viola", "Viola", "C4 G4 D5 A5"},
        {"cello", "Cello", "C3 G3 D4 A4"},
        {"double-bass", "Double bass", "E2 A2 D3 G3"},
        // Re-entrant: the strings in their order on the neck, the G above the C.
        {"ukulele", "Ukulele, re-entrant", "G5 C5 E5 A5"},
        {"mandolin", "Mandolin", "G4 D5 A5 E6"},
        // The short fifth string first, as it lies on the neck.
        {"banjo", "Banjo, open G", "G5 D4 G4 B4 D5"},
    };
    return PRESETS;
}

const StringPreset* FindStringPreset(const std::string& strName) {
    for (const StringPreset& preset : StringPresets())
        if (strName == preset.name) return &preset;
    return nullptr;
}

bool ParseNotePosition(const std::string& strNote, int& nPosition) {
    static const int LETTER_CLASS[7] = {9, 11, 0, 2, 4, 5, 7};  // A ... G
    if (strNote.size() < 2 || strNote.size() > 3) return false;
    char cLetter = strNote[0];
    if (cLetter >= 'a' && cLetter <= 'g') cLetter = static_cast<char>(cLetter - 'a' + 'A');
    if (cLetter < 'A' || cLetter > 'G') return false;
    int nAccidental = 0;
    char cOctave = strNote[1];
    if (strNote.size() == 3) {
        // Before the octave digit ("F#3") or after it ("F3#"), not both.
        const bool bBefore = strNote[1] == '#' || strNote[1] == 'b';
        const char cAccidental = bBefore ? strNote[1] : strNote[2];
        cOctave = bBefore ? strNote[2] : strNote[1];
        if (cAccidental == '#')
            nAccidental = 1;
        else if (cAccidental == 'b')
            nAccidental = -1;
        else
            return false;
    }
    if (cOctave < '0' + LOWEST_OCTAVE || cOctave > '0' + HIGHEST_OCTAVE) return false;
    // B#3 is C4 and Cb4 is B3, as the octave belongs to the letter.
    nPosition = (cOctave - '0' - POSITION_OCTAVE) * 12 + LETTER_CLASS[cLetter - 'A'] + nAccidental;
    return true;
}

std::string NotePositionName(int nPosition) {
    static const char* const NAMES[12] = {"C",  "C#", "D",  "D#", "E",  "F",
                                          "F#", "G",  "G#", "A",  "A#", "B"};
    const int nClass = ((nPosition % 12) + 12) % 12;
    const int nOctave = (nPosition - nClass) / 12 + POSITION_OCTAVE;
    if (nOctave < LOWEST_OCTAVE || nOctave > HIGHEST_OCTAVE) return "";
    std::string str(1, NAMES[nClass][0]);
    str += static_cast<char>('0' + nOctave);
    if (NAMES[nClass][1] == '#') str += '#';
    return str;
}

bool ParseStringNotes(const std::string& strNotes, std::vector<int>& anPositions,
                      std::string& strError) {
    std::vector<int> an;
    size_t n = 0;
    for (;;) {
        while (n < strNotes.size() &&
               (strNotes[n] == ' ' || strNotes[n] == '\t' || strNotes[n] == ','))
            ++n;
        if (n == strNotes.size()) break;
        const size_t nStart = n;
        while (n < strNotes.size() && strNotes[n] != ' ' && strNotes[n] != '\t' &&
               strNotes[n] != ',')
            ++n;
        const std::string strNote = strNotes.substr(nStart, n - nStart);
        int nPosition = 0;
        if (!ParseNotePosition(strNote, nPosition)) {
            strError = "'" + strNote +
                       "' is not a note (a letter, an octave 0 to 9 and # or b: E3, F3#, Bb2)";
            return false;
        }
        if (static_cast<int>(an.size()) == MAX_STRINGS) {
            strError = "more than " + std::to_string(MAX_STRINGS) + " strings";
            return false;
        }
        an.push_back(nPosition);
    }
    if (an.empty()) {
        strError = "no notes (give them like \"E3 A3 D4 G4 B4 E5\")";
        return false;
    }
    anPositions.swap(an);
    return true;
}
