// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/TuningOptions.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "analysis/Constants.h"
#include "analysis/NoteTable.h"
#include "analysis/ScalaFile.h"
#include "analysis/StringPresets.h"
#include "analysis/Temperaments.h"

namespace {

// Help text lines after the first start under the first.
const std::string INDENT(22, ' ');

std::string Quoted(const std::string& s) {
    return "'" + s + "'";
}

std::string Lower(const std::string& s) {
    std::string lower;
    for (char c : s) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

bool ParseFft(const std::string& v, CTuningValues& o, std::string& err) {
    int n = 0;
    if (ParseWholeNumber(v, n) &&
        (n == static_cast<int>(FFT_SIZE_SMALL) || n == static_cast<int>(FFT_SIZE_LARGE))) {
        o.nFftSizeIndex = n == static_cast<int>(FFT_SIZE_SMALL) ? 0 : 1;
        return true;
    }
    err = "--fft: " + Quoted(v) + " is not an FFT size (use 4096 or 8192)";
    return false;
}

bool ParseWindow(const std::string& v, CTuningValues& o, std::string& err) {
    const int type = ParseWindowName(v);
    if (type >= 0) {
        o.nWindowType = type;
        return true;
    }
    err = "--window: unknown window " + Quoted(v) + " (use " + WindowNameList() + ")";
    return false;
}

bool ParseAlpha(const std::string& v, CTuningValues& o, std::string& err) {
    double x = 0;
    if (ParseFiniteNumber(v, x) && x >= 0.0 && x <= 1.0) {
        o.fAlpha = static_cast<float>(x);
        return true;
    }
    err = "--alpha: " + Quoted(v) + " is not a number from 0 to 1";
    return false;
}

bool ParseA5(const std::string& v, CTuningValues& o, std::string& err) {
    int n = 0;
    if (ParseWholeNumber(v, n) && n >= MIN_A5 && n <= MAX_A5) {
        o.nA5 = n;
        return true;
    }
    err = "--a5: " + Quoted(v) + " is not a whole number of hertz from 380 to 480";
    return false;
}

bool ParseTranspose(const std::string& v, CTuningValues& o, std::string& err) {
    int n = 0;
    if (ParseWholeNumber(v, n) && n >= 0 && n < TRANSPOSITION_COUNT) {
        o.nTransposition = n;
        return true;
    }
    err = "--transpose: " + Quoted(v) + " is not a transposition from 0 to " +
          std::to_string(TRANSPOSITION_COUNT - 1);
    return false;
}

bool ParseMethod(const std::string& v, CTuningValues& o, std::string& err) {
    if (v == "dominant" || v == "fundamental") {
        o.nPitchMethod = v == "dominant" ? PITCH_METHOD_DOMINANT : PITCH_METHOD_FUNDAMENTAL;
        return true;
    }
    err = "--method: " + Quoted(v) + " is not a pitch method (use dominant or fundamental)";
    return false;
}

bool ParseTemperament(const std::string& v, CTuningValues& o, std::string& err) {
    const int n = FindTemperament(v);
    if (n >= 0) {
        o.nTemperament = n;
        return true;
    }
    err =
        "--temperament: " + Quoted(v) + " is not a temperament (use " + TemperamentNameList() + ")";
    return false;
}

bool ParseTonic(const std::string& v, CTuningValues& o, std::string& err) {
    const int n = ParsePitchClass(v);
    if (n >= 0) {
        o.nTonic = n;
        return true;
    }
    err = "--tonic: " + Quoted(v) + " is not a note name from C to B (such as C, F#, Bb)";
    return false;
}

// A file is read when it is named, so that a bad one is told at once, with
// its line; the tuning reads it again when it is built.
bool ParseScale(const std::string& v, CTuningValues& o, std::string& err) {
    CScalaScale scale;
    if (!v.empty() && !ReadScalaFile(v, scale, err)) {
        err = "--scale: " + err;
        return false;
    }
    o.strScale = v;
    return true;
}

bool ParseKeymap(const std::string& v, CTuningValues& o, std::string& err) {
    CKeyboardMap map;
    if (!v.empty() && !ReadKeyboardMap(v, map, err)) {
        err = "--keymap: " + err;
        return false;
    }
    o.strKeymap = v;
    return true;
}

bool ParseStrings(const std::string& v, CTuningValues& o, std::string& err) {
    std::vector<int> anPositions;
    if (!v.empty() && !FindStringPreset(v) && !ParseStringNotes(v, anPositions, err)) {
        err = "--strings: " + Quoted(v) +
              " is not a preset (see --list-strings) nor a list of "
              "notes: " +
              err;
        return false;
    }
    o.strStrings = v;
    return true;
}

std::string FormatAlpha(const CTuningValues& o) {
    // Enough digits to read back as the same float.
    char sz[32];
    std::snprintf(sz, sizeof sz, "%.9g", static_cast<double>(o.fAlpha));
    return sz;
}

}  // namespace

bool ParseWholeNumber(const std::string& s, int& value) {
    const char* first = s.data();
    const char* last = first + s.size();
    if (first != last && *first == '+') ++first;
    const auto [ptr, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && ptr == last && first != last;
}

bool ParseFiniteNumber(const std::string& s, double& value) {
    const char* first = s.data();
    const char* last = first + s.size();
    if (first != last && *first == '+') ++first;
    const auto [ptr, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && ptr == last && first != last && std::isfinite(value);
}

int ParseWindowName(const std::string& strName) {
    const std::string lower = Lower(strName);
    if (lower == "blackman") return WINDOW_BLACKMAN;
    for (int i = 0; i < WINDOW_TYPE_COUNT; ++i)
        if (lower == Lower(WindowTypeText(i))) return i;
    return -1;
}

std::string WindowNameList() {
    std::string list;
    for (int i = 0; i < WINDOW_TYPE_COUNT; ++i) {
        if (i > 0) list += i + 1 < WINDOW_TYPE_COUNT ? ", " : " or ";
        list += WindowTypeText(i);
    }
    return list;
}

const std::vector<TuningOption>& TuningOptions() {
    static const std::vector<TuningOption> table = {
        {"fft", "SIZE", [] { return std::string("FFT size, 4096 or 8192 (default 8192)"); },
         &ParseFft,
         [](const CTuningValues& o) {
             return std::to_string(o.nFftSizeIndex == 0 ? FFT_SIZE_SMALL : FFT_SIZE_LARGE);
         }},
        {"window", "NAME",
         [] { return "window function (default Hanning):\n" + INDENT + WindowNameList(); },
         &ParseWindow,
         [](const CTuningValues& o) {
             return std::string(o.nWindowType >= 0 && o.nWindowType < WINDOW_TYPE_COUNT
                                    ? WindowTypeText(o.nWindowType)
                                    : WindowTypeText(WINDOW_HANNING));
         }},
        {"alpha", "X", [] { return std::string("Gaussian window alpha, 0 to 1 (default 0.5)"); },
         &ParseAlpha, &FormatAlpha},
        {"a5", "HZ",
         [] { return std::string("reference of A5 in whole hertz, 380 to 480 (default 440)"); },
         &ParseA5, [](const CTuningValues& o) { return std::to_string(o.nA5); }},
        {"transpose", "N",
         [] {
             std::string help = "note transposition (default 0):";
             for (int row = 0; row < TRANSPOSITION_COUNT; ++row)
                 help += "\n" + INDENT + std::to_string(row) + " = " + TranspositionText(row);
             return help;
         },
         &ParseTranspose, [](const CTuningValues& o) { return std::to_string(o.nTransposition); }},
        {"method", "NAME",
         [] {
             return "pitch method (default dominant): dominant, the strongest partial,\n" + INDENT +
                    "or fundamental, the played note's fundamental";
         },
         &ParseMethod,
         [](const CTuningValues& o) {
             return std::string(o.nPitchMethod == PITCH_METHOD_FUNDAMENTAL ? "fundamental"
                                                                           : "dominant");
         }},
        {"temperament", "NAME",
         [] {
             return "temperament of the notes (default equal; see\n" + INDENT +
                    "--list-temperaments)";
         },
         &ParseTemperament,
         [](const CTuningValues& o) {
             return std::string(Temperaments()[static_cast<size_t>(o.nTemperament)].name);
         }},
        {"tonic", "NOTE", [] { return std::string("the temperament's tonic, C to B (default C)"); },
         &ParseTonic, [](const CTuningValues& o) { return std::string(PitchClassName(o.nTonic)); }},
        {"scale", "FILE.scl",
         [] { return std::string("a Scala scale to measure against instead of the temperament"); },
         &ParseScale, [](const CTuningValues& o) { return o.strScale; }},
        {"keymap", "FILE.kbm",
         [] { return std::string("the scale's Scala keyboard mapping (reference key and hertz)"); },
         &ParseKeymap, [](const CTuningValues& o) { return o.strKeymap; }},
        {"strings", "STRINGS",
         [] {
             return "measure against an instrument's strings: a preset (see\n" + INDENT +
                    "--list-strings) or notes such as \"E3 A3 D4 G4 B4 E5\"";
         },
         &ParseStrings, [](const CTuningValues& o) { return o.strStrings; }},
    };
    return table;
}

const TuningOption* FindTuningOption(const std::string& strName) {
    for (const TuningOption& option : TuningOptions())
        if (strName == option.name) return &option;
    return nullptr;
}

std::string TemperamentListText() {
    std::string text;
    for (const TemperamentInfo& t : Temperaments())
        text += std::string(t.name) +
                std::string(16 - std::min<size_t>(15, std::strlen(t.name)), ' ') + t.title + "\n";
    return text;
}

std::string StringPresetListText() {
    std::string text;
    for (const StringPreset& p : StringPresets())
        text += std::string(p.name) +
                std::string(18 - std::min<size_t>(17, std::strlen(p.name)), ' ') + p.notes + "  (" +
                p.title + ")\n";
    return text;
}
