// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "analysis/Fft.h"
#include "analysis/FundamentalTracker.h"

// What both front ends let the player set before the analysis starts: the FFT
// size, the window and its alpha, A5, the transposition and the pitch method.
// Defaults are the tuner's own at start-up.
struct CTuningValues {
    int nFftSizeIndex = 1;  // 0 = 4096, 1 = 8192
    int nWindowType = WINDOW_HANNING;
    float fAlpha = 0.5f;     // Gaussian alpha, 0 ... 1
    int nA5 = 440;           // Hz, MIN_A5 ... MAX_A5
    int nTransposition = 0;  // row 0 ... TRANSPOSITION_COUNT - 1
    int nPitchMethod = PITCH_METHOD_DOMINANT;
    // The targets (analysis/Tuning.h): a temperament on a tonic, or a Scala
    // scale with its keyboard map, or an instrument's strings.
    int nTemperament = 0;    // position in Temperaments(); 0 is equal temperament
    int nTonic = 0;          // pitch class, 0 = C
    std::string strScale;    // .scl file; empty for none
    std::string strKeymap;   // .kbm file for the scale; empty for none
    std::string strStrings;  // a preset's name or notes ("E3 A3 D4"); empty for none

    bool operator==(const CTuningValues&) const = default;
};

// One of those settings as an option ("--a5 442") or a settings-file key
// ("a5=442"): its name, the placeholder and help line of the usage texts, how
// a text is read (with the message for a value that does not read), and how
// the value is written back as text. kalvo and kalvo-analyze both take their
// rows from this one table, so the names, ranges and messages cannot drift.
struct TuningOption {
    const char* name;     // without the leading "--"
    const char* metavar;  // "HZ"
    // The help text; lines after the first are indented for a 22-column left
    // side.
    std::string (*help)();
    // False, leaving the values as they were, with one line (no line end)
    // such as "--a5: '500' is not a whole number of hertz from 380 to 480".
    bool (*parse)(const std::string& strValue, CTuningValues& values, std::string& strError);
    std::string (*format)(const CTuningValues& values);
};

// In the order of the usage texts: fft, window, alpha, a5, transpose, method,
// temperament, tonic, scale, keymap, strings.
const std::vector<TuningOption>& TuningOptions();
// Null for a name that is not in the table.
const TuningOption* FindTuningOption(const std::string& strName);

// The texts of --list-temperaments and --list-strings, the same for both
// programs: one line a name, with what it is.
std::string TemperamentListText();
std::string StringPresetListText();

// Window type of a name: the FFT dialog's names in any case, and "blackman".
// -1 for anything else.
int ParseWindowName(const std::string& strName);
// "Blackman-Harris, Gaussian, ... or Welch".
std::string WindowNameList();

// A whole number, an optional '+' first and nothing after it.
bool ParseWholeNumber(const std::string& s, int& value);
// A finite number, an optional '+' first and nothing after it.
bool ParseFiniteNumber(const std::string& s, double& value);
