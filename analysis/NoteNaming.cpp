// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/NoteNaming.h"

#include <cstring>

namespace {
const char* const NAMING_NAMES[NOTE_NAMING_COUNT] = {"english", "german", "solfege"};
const char* const LETTERS = "CDEFGAB";
const char* const SOLFEGE[7] = {"Do", "Re", "Mi", "Fa", "Sol", "La", "Si"};
const char* const GERMAN[7] = {"C", "D", "E", "F", "G", "A", "H"};
const char* const ENGLISH[7] = {"C", "D", "E", "F", "G", "A", "B"};
}  // namespace

int ParseNoteNaming(const std::string& strName) {
    for (int i = 0; i < NOTE_NAMING_COUNT; ++i)
        if (strName == NAMING_NAMES[i]) return i;
    return -1;
}

const char* NoteNamingName(int nNaming) {
    return nNaming >= 0 && nNaming < NOTE_NAMING_COUNT ? NAMING_NAMES[nNaming] : NAMING_NAMES[0];
}

const char* LocalNoteLetter(char chLetter, int nNaming) {
    const char* p = std::strchr(LETTERS, chLetter);
    if (!p || chLetter == '\0') return "";
    const auto i = static_cast<size_t>(p - LETTERS);
    return nNaming == NOTE_NAMES_SOLFEGE  ? SOLFEGE[i]
           : nNaming == NOTE_NAMES_GERMAN ? GERMAN[i]
                                          : ENGLISH[i];
}

std::string LocalNoteName(const std::string& strName, int nNaming) {
    // Letter, octave digit, and '#' for a black key.
    const bool bForm = (strName.size() == 2 || (strName.size() == 3 && strName[2] == '#')) &&
                       std::strchr(LETTERS, strName[0]) && strName[0] != '\0' &&
                       strName[1] >= '0' && strName[1] <= '9';
    if (!bForm || nNaming == NOTE_NAMES_ENGLISH) return strName;
    const bool bSharp = strName.size() == 3;
    // German calls the black key above A "B".
    if (nNaming == NOTE_NAMES_GERMAN && bSharp && strName[0] == 'A')
        return std::string("B") + strName[1];
    return LocalNoteLetter(strName[0], nNaming) + strName.substr(1);
}
