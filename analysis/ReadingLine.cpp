// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/ReadingLine.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

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

std::string FormatTuningEntry(const std::string& strTitle) {
    return "  INFO> tuning " + strTitle;
}

std::string FormatReadingLine(double dFrequency, float fFrequency, const char* pszTarget,
                              int nShownCents, int nLevelDb, double dMin) {
    if (std::isnan(fFrequency) || fFrequency < dMin || fFrequency > MAX_FREQUENCY)
        return INFO_NO_SIGNAL;
    const char* name = pszTarget && pszTarget[0] ? pszTarget : "--";
    // The name column is nine wide, the name from its fifth place: "A5" and
    // "C5#" as ever, a scale's "12:5" as well.
    const int nPad = std::max(1, 5 - static_cast<int>(std::strlen(name)));
    char text[96];
    std::snprintf(text, sizeof text, " %6.1f Hz |    %s%*s|   %+03d    |  %-2d", dFrequency, name,
                  nPad, "", nShownCents, nLevelDb);
    return text;
}

std::string FormatReadingLine(double dFrequency, float fFrequency, int nNoteIndex, int nShownCents,
                              int nLevelDb) {
    return FormatReadingLine(dFrequency, fFrequency, NoteName(nNoteIndex), nShownCents, nLevelDb);
}

std::string FormatReadingLine(const PitchReading& r) {
    return FormatReadingLine(r.dFrequency, r.fFrequency, r.achTarget.data(), r.nShownCents,
                             r.nLevelDb, r.dMinFrequency);
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
