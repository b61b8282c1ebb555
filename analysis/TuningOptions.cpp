// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/TuningOptions.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "analysis/Constants.h"
#include "analysis/NoteTable.h"

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
    };
    return table;
}

const TuningOption* FindTuningOption(const std::string& strName) {
    for (const TuningOption& option : TuningOptions())
        if (strName == option.name) return &option;
    return nullptr;
}
