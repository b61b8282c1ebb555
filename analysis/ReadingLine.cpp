// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/ReadingLine.h"

#include <cmath>
#include <cstdio>

#include "analysis/Constants.h"
#include "analysis/NoteTable.h"
#include "analysis/PitchReading.h"

const char* const INFO_START_OF_LOGFILE = "  INFO> start of logfile";
const char* const INFO_END_OF_LOGFILE = "  INFO> end of logfile";
const char* const INFO_NO_SIGNAL = "  INFO> no input signal or out of range";

std::string FormatA5Entry(int nA5) {
    char text[64];
    std::snprintf(text, sizeof text, "  INFO> A5 value set to %3d Hz", nA5);
    return text;
}

std::string FormatTranspositionEntry(int nRow) {
    return std::string("  INFO> transposition changed ") + TranspositionDescription(nRow);
}

std::string FormatReadingLine(double dFrequency, float fFrequency, int nNoteIndex, int nShownCents,
                              int nLevelDb) {
    if (std::isnan(fFrequency) || fFrequency < MIN_FREQUENCY || fFrequency > MAX_FREQUENCY)
        return INFO_NO_SIGNAL;
    const char* name = NoteName(nNoteIndex);
    if (!name) name = "--";
    const char* format = name[2] == '#' ? " %6.1f Hz |    %s  |   %+03d    |  %-2d"
                                        : " %6.1f Hz |    %s   |   %+03d    |  %-2d";
    char text[96];
    std::snprintf(text, sizeof text, format, dFrequency, name, nShownCents, nLevelDb);
    return text;
}

std::string FormatReadingLine(const PitchReading& r) {
    return FormatReadingLine(r.dFrequency, r.fFrequency, r.nNoteIndex, r.nShownCents, r.nLevelDb);
}

std::string FormatTimePrefix(uint32_t e) {
    const uint32_t hours = e / 3600000;
    const uint32_t minutes = e / 60000 - 60 * hours;
    const uint32_t seconds = e / 1000 - 3600 * hours - 60 * minutes;
    const uint32_t hundredths = (e - 3600000 * hours - 60000 * minutes - 1000 * seconds) / 10;
    char text[40];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d:%02d |", static_cast<int>(hours),
                  static_cast<int>(minutes), static_cast<int>(seconds),
                  static_cast<int>(hundredths));
    return text;
}

std::string LogHeaderLine(int nLine, const std::string& strVersion) {
    switch (nLine) {
        case 0:
            return "    Kalvo version " + strVersion + " session file";
        case 1:
            return "";
        case 2:
            return "---------------------------------------------------";
        case 3:
            return "    time    |  dominant | closest |  cents   |  dB ";
        case 4:
            return "            | frequency |  note   | mismatch |     ";
        case 5:
            return "------------+-----------+---------+----------+-----";
        default:
            return "";
    }
}
