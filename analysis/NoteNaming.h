// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// How notes are named to the player: English letters (the default), German
// (H for B, and B for the black key below it), or fixed-do solfege (Do Re Mi
// Fa Sol La Si). Only what the player reads or hears follows it: the files
// (session log, --tsv, MIDI) keep the program's own English names.
enum NoteNaming {
    NOTE_NAMES_ENGLISH = 0,
    NOTE_NAMES_GERMAN = 1,
    NOTE_NAMES_SOLFEGE = 2,
};
constexpr int NOTE_NAMING_COUNT = 3;

// "english", "german", "solfege"; -1 for anything else.
int ParseNoteNaming(const std::string& strName);
const char* NoteNamingName(int nNaming);

// A name of the program's own form ("A5", "C5#", "B1") in the naming: "H4"
// for B4 and "B4" for A4# in German, "La5", "Do5#" in solfege. Anything
// else (a scale's degree "7:5", an empty name) is returned as it is.
std::string LocalNoteName(const std::string& strName, int nNaming);

// The letter of a white key (C D E F G A B) in the naming: "H", "Sol".
const char* LocalNoteLetter(char chLetter, int nNaming);
