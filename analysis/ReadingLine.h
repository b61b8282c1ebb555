// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "analysis/Constants.h"

struct PitchReading;

// Entry texts of the session log; the MIDI plug-in reads the same lines.
extern const char* const INFO_START_OF_LOGFILE;  // "  INFO> start of logfile"
extern const char* const INFO_END_OF_LOGFILE;    // "  INFO> end of logfile"
extern const char* const INFO_NO_SIGNAL;         // "  INFO> no input signal or out of range"

// "  INFO> A5 value set to %3d Hz"
std::string FormatA5Entry(int nA5);
// "  INFO> transposition changed " followed by the row's description.
std::string FormatTranspositionEntry(int nRow);
// "  INFO> tuning " and what a tuning that is not the default is called.
std::string FormatTuningEntry(const std::string& strTitle);

// The reading line of one block: the no-signal text when the published
// frequency is out of range, else frequency, note name, shown cents and level
// in fixed columns. A note index without a name (85, above the table) prints
// "--" in the note column.
std::string FormatReadingLine(const PitchReading& reading);
std::string FormatReadingLine(double dFrequency, float fFrequency, const char* pszTarget,
                              int nShownCents, int nLevelDb, double dMin = MIN_FREQUENCY);
std::string FormatReadingLine(double dFrequency, float fFrequency, int nNoteIndex, int nShownCents,
                              int nLevelDb);

// "%02d:%02d:%02d:%02d |" of an elapsed time in milliseconds; hours are not
// limited to two digits.
std::string FormatTimePrefix(uint32_t elapsedMs);

// The six header lines of a session log, each without its line end.
constexpr int LOG_HEADER_LINES = 6;
std::string LogHeaderLine(int nLine, const std::string& strVersion);
