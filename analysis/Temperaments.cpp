// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/Temperaments.h"

#include <cctype>
#include <cmath>
#include <initializer_list>

namespace {

enum { C, C_SHARP, D, E_FLAT, E, F, F_SHARP, G, G_SHARP, A, B_FLAT, B };

double Cents(double dRatio) {
    return 1200.0 * std::log2(dRatio);
}

// In the order of Temperaments().
enum ETemperament {
    EQUAL,
    PYTHAGOREAN,
    MEANTONE4,
    MEANTONE6,
    WERCKMEISTER3,
    KIRNBERGER3,
    VALLOTTI,
    YOUNG,
    JUST
};

// How much each fifth is narrowed from 3/2, in cents, by the pitch class of
// its lower note.
using Narrowing = std::array<double, 12>;

// Offsets on C of a chain of fifths from Eb up to G#: eight fifths up from C,
// three down. The fifth G#-Eb is never stepped over, so it takes whatever the
// others leave: the wolf of the meantones and of Pythagorean tuning, a fifth
// like any other in a circulating temperament whose narrowings add up to the
// Pythagorean comma.
std::array<double, 12> ChainOfFifths(const Narrowing& adNarrowed) {
    const double PURE_FIFTH = Cents(3.0 / 2.0);
    std::array<double, 12> adPosition{};
    int nNote = C;
    for (int i = 0; i < 8; ++i) {
        const int nUpper = (nNote + 7) % 12;
        adPosition[nUpper] = adPosition[nNote] + PURE_FIFTH - adNarrowed[nNote];
        nNote = nUpper;
    }
    nNote = C;
    for (int i = 0; i < 3; ++i) {
        const int nLower = (nNote + 5) % 12;
        adPosition[nLower] = adPosition[nNote] - PURE_FIFTH + adNarrowed[nLower];
        nNote = nLower;
    }
    std::array<double, 12> adOffset{};
    for (int p = 0; p < 12; ++p) adOffset[p] = std::remainder(adPosition[p] - 100.0 * p, 1200.0);
    return adOffset;
}

Narrowing Narrowed(std::initializer_list<int> anLower, double dCents) {
    Narrowing ad{};
    for (int n : anLower) ad[n] = dCents;
    return ad;
}

// Every fifth of the chain Eb ... G# alike.
Narrowing Regular(double dCents) {
    return Narrowed({E_FLAT, B_FLAT, F, C, G, D, A, E, B, F_SHARP, C_SHARP}, dCents);
}

// The 5-limit major scale on the tonic (1, 9/8, 5/4, 4/3, 3/2, 5/3, 15/8)
// with the chromatic degrees 16/15, 6/5, 45/32, 8/5 and 9/5: 45/32 a pure
// major third above 9/8, and 9/5 (not 16/9) a pure fifth above 6/5, so the
// minor triad on the minor third is pure as well.
std::array<double, 12> JustIntonation() {
    const double adRatio[12] = {1.0,       16.0 / 15.0, 9.0 / 8.0,   6.0 / 5.0,
                                5.0 / 4.0, 4.0 / 3.0,   45.0 / 32.0, 3.0 / 2.0,
                                8.0 / 5.0, 5.0 / 3.0,   9.0 / 5.0,   15.0 / 8.0};
    std::array<double, 12> adOffset{};
    for (int p = 0; p < 12; ++p) adOffset[p] = Cents(adRatio[p]) - 100.0 * p;
    return adOffset;
}

std::array<double, 12> OffsetsOnC(int nTemperament) {
    const double PYTHAGOREAN_COMMA = Cents(531441.0 / 524288.0);  // 3^12 / 2^19
    const double SYNTONIC_COMMA = Cents(81.0 / 80.0);
    const double SCHISMA = PYTHAGOREAN_COMMA - SYNTONIC_COMMA;
    switch (nTemperament) {
        case PYTHAGOREAN:
            return ChainOfFifths(Narrowing{});
        case MEANTONE4:
            return ChainOfFifths(Regular(SYNTONIC_COMMA / 4));
        case MEANTONE6:
            return ChainOfFifths(Regular(SYNTONIC_COMMA / 6));
        case WERCKMEISTER3:
            return ChainOfFifths(Narrowed({C, G, D, B}, PYTHAGOREAN_COMMA / 4));
        case KIRNBERGER3: {
            Narrowing ad = Narrowed({C, G, D, A}, SYNTONIC_COMMA / 4);
            ad[F_SHARP] = SCHISMA;
            return ChainOfFifths(ad);
        }
        case VALLOTTI:
            return ChainOfFifths(Narrowed({F, C, G, D, A, E}, PYTHAGOREAN_COMMA / 6));
        case YOUNG:
            return ChainOfFifths(Narrowed({C, G, D, A, E, B}, PYTHAGOREAN_COMMA / 6));
        case JUST:
            return JustIntonation();
        default:
            return {};
    }
}

}  // namespace

// Built on first use, so that other files' start-up code may ask for it.
const std::vector<TemperamentInfo>& Temperaments() {
    static const std::vector<TemperamentInfo> TEMPERAMENTS = {
        {"equal", "Equal temperament"},
        {"pythagorean", "Pythagorean"},
        {"meantone4", "Quarter-comma meantone"},
        {"meantone6", "Sixth-comma meantone"},
        {"werckmeister3", "Werckmeister III"},
        {"kirnberger3", "Kirnberger III"},
        {"vallotti", "Vallotti"},
        {"young", "Young (1799)"},
        {"just", "Just intonation"},
    };
    return TEMPERAMENTS;
}

int FindTemperament(const std::string& strName) {
    const auto& temperaments = Temperaments();
    for (size_t i = 0; i < temperaments.size(); ++i)
        if (strName == temperaments[i].name) return static_cast<int>(i);
    return -1;
}

std::string TemperamentNameList() {
    std::string str;
    for (const TemperamentInfo& t : Temperaments()) {
        if (!str.empty()) str += ", ";
        str += t.name;
    }
    return str;
}

const char* PitchClassName(int nPitchClass) {
    static const char* const NAMES[12] = {"C",  "C#", "D",  "D#", "E",  "F",
                                          "F#", "G",  "G#", "A",  "A#", "B"};
    if (nPitchClass < 0 || nPitchClass >= 12) return nullptr;
    return NAMES[nPitchClass];
}

int ParsePitchClass(const std::string& strName) {
    static const int LETTER_CLASS[7] = {A, B, C, D, E, F, G};
    if (strName.empty() || strName.size() > 2) return -1;
    const int nLetter = std::tolower(static_cast<unsigned char>(strName[0])) - 'a';
    if (nLetter < 0 || nLetter >= 7) return -1;
    int nClass = LETTER_CLASS[nLetter];
    if (strName.size() == 2) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(strName[1])));
        if (c == '#')
            ++nClass;
        else if (c == 'b')
            --nClass;
        else
            return -1;
    }
    // B#, Cb, E# and Fb are the pitch classes they sound as.
    return (nClass + 12) % 12;
}

std::array<double, 12> TemperamentOffsets(int nTemperament, int nTonic) {
    if (nTonic < 0 || nTonic >= 12) return {};
    const std::array<double, 12> adOnC = OffsetsOnC(nTemperament);
    // Offsets are from equal temperament, which looks the same from every
    // tonic, so the tonic's pitch class takes C's offset unchanged.
    std::array<double, 12> adOffset{};
    for (int p = 0; p < 12; ++p) adOffset[p] = adOnC[(p - nTonic + 12) % 12];
    const double dA = adOffset[PITCH_CLASS_A];
    for (double& d : adOffset) d -= dA;
    return adOffset;
}
