// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "analysis/NoteTable.h"
#include "analysis/ScalaFile.h"
#include "analysis/StringPresets.h"
#include "analysis/Temperaments.h"

namespace {

double Cents(double dRatio) {
    return 1200.0 * std::log2(dRatio);
}

const double PYTHAGOREAN_COMMA = Cents(std::pow(3.0, 12) / std::pow(2.0, 19));
const double SYNTONIC_COMMA = Cents(81.0 / 80.0);

enum { C, C_SHARP, D, E_FLAT, E, F, F_SHARP, G, G_SHARP, A, B_FLAT, B };

// The interval in cents from pitch class nFrom up nSemitones (0 ... 12).
double Interval(const std::array<double, 12>& adOffset, int nFrom, int nSemitones) {
    return 100.0 * nSemitones + adOffset[(nFrom + nSemitones) % 12] - adOffset[nFrom % 12];
}

int Temperament(const char* szName) {
    const int n = FindTemperament(szName);
    EXPECT_GE(n, 0) << szName;
    return n;
}

}  // namespace

TEST(Temperaments, NamesAndPitchClassesRead) {
    const auto& temperaments = Temperaments();
    ASSERT_EQ(temperaments.size(), 9u);
    EXPECT_STREQ(temperaments[0].name, "equal");
    std::string strList;
    for (size_t i = 0; i < temperaments.size(); ++i) {
        EXPECT_EQ(FindTemperament(temperaments[i].name), static_cast<int>(i));
        strList += (i ? ", " : "") + std::string(temperaments[i].name);
    }
    EXPECT_EQ(TemperamentNameList(), strList);
    EXPECT_EQ(FindTemperament("Equal"), -1);
    EXPECT_EQ(FindTemperament(""), -1);

    for (int p = 0; p < 12; ++p) EXPECT_EQ(ParsePitchClass(PitchClassName(p)), p);
    EXPECT_EQ(PitchClassName(12), nullptr);
    EXPECT_EQ(PitchClassName(-1), nullptr);
    const std::pair<const char*, int> aCases[] = {
        {"c", C},  {"Db", C_SHARP}, {"db", C_SHARP}, {"DB", C_SHARP}, {"bb", B_FLAT},
        {"B#", C}, {"Cb", B},       {"e#", F},       {"Fb", E},       {"H", -1},
        {"", -1},  {"C##", -1},     {"C ", -1},      {"Cx", -1}};
    for (const auto& [sz, n] : aCases) EXPECT_EQ(ParsePitchClass(sz), n) << sz;
}

TEST(Temperaments, AKeepsTheReferenceAndTonicsTransposeTheTemperamentOnC) {
    for (int n = 0; n < static_cast<int>(Temperaments().size()); ++n) {
        const auto adOnC = TemperamentOffsets(n, C);
        for (int t = 0; t < 12; ++t) {
            const auto ad = TemperamentOffsets(n, t);
            EXPECT_EQ(ad[PITCH_CLASS_A], 0.0) << n << " " << t;
            for (int p = 0; p < 12; ++p) {
                // The tonic takes C's place, then all move so that A is 0.
                const double dShifted =
                    adOnC[(p - t + 12) % 12] - adOnC[(PITCH_CLASS_A - t + 12) % 12];
                EXPECT_NEAR(ad[p], dShifted, 1e-9) << n << " " << t << " " << p;
                // A note that left its equal-tempered neighbourhood wrapped
                // round the octave.
                EXPECT_LT(std::abs(ad[p]), 50.0) << n << " " << t << " " << p;
                if (n == Temperament("equal")) {
                    EXPECT_NEAR(ad[p], 0.0, 1e-9);
                }
            }
        }
    }
}

TEST(Temperaments, FifthsAreNarrowedByTheirCommaFractions) {
    const double SCHISMA = PYTHAGOREAN_COMMA - SYNTONIC_COMMA;
    // By the lower note of the fifth on C; fifths not named are pure. In
    // a circle that closes, G#-Eb is checked too; else it is the wolf.
    const std::vector<int> anChain = {E_FLAT, B_FLAT, F, C, G, D, A, E, B, F_SHARP, C_SHARP};
    struct {
        const char* szName;
        std::vector<int> anNarrowed;
        double dNarrowing;
        bool bClosed;
    } aCases[] = {
        {"pythagorean", {}, 0.0, false},
        {"meantone4", anChain, SYNTONIC_COMMA / 4, false},
        {"meantone6", anChain, SYNTONIC_COMMA / 6, false},
        {"werckmeister3", {C, G, D, B}, PYTHAGOREAN_COMMA / 4, true},
        {"kirnberger3", {C, G, D, A}, SYNTONIC_COMMA / 4, true},
        {"vallotti", {F, C, G, D, A, E}, PYTHAGOREAN_COMMA / 6, true},
        {"young", {C, G, D, A, E, B}, PYTHAGOREAN_COMMA / 6, true},
    };
    for (const auto& c : aCases) {
        for (int t : {C, F, A, B}) {
            const auto ad = TemperamentOffsets(Temperament(c.szName), t);
            for (int nLower = 0; nLower < 12; ++nLower) {
                if (nLower == G_SHARP && !c.bClosed) continue;
                double dNarrowing = 0.0;
                for (int n : c.anNarrowed)
                    if (n == nLower) dNarrowing = c.dNarrowing;
                if (std::string(c.szName) == "kirnberger3" && nLower == F_SHARP)
                    dNarrowing = SCHISMA;
                EXPECT_NEAR(Interval(ad, t + nLower, 7), Cents(1.5) - dNarrowing, 1e-9)
                    << c.szName << " on " << PitchClassName(t) << ", fifth on "
                    << PitchClassName(nLower) << " in C";
            }
            if (std::string(c.szName) == "kirnberger3") {
                EXPECT_NEAR(Interval(ad, t + C, 4), Cents(5.0 / 4.0), 1e-9);
            }
        }
    }
    // Quarter-comma meantone's eight major thirds within the chain are pure.
    for (int t : {C, D, E_FLAT, G_SHARP}) {
        const auto ad = TemperamentOffsets(Temperament("meantone4"), t);
        for (int nLower : {E_FLAT, B_FLAT, F, C, G, D, A, E})
            EXPECT_NEAR(Interval(ad, t + nLower, 4), Cents(5.0 / 4.0), 0.01)
                << PitchClassName(t) << " " << PitchClassName(nLower);
    }
}

TEST(Temperaments, JustIntonationHoldsItsRatiosOnTheTonic) {
    // The major scale with a pure 4:5:6 tonic triad; the chromatic degrees
    // 16/15, 6/5, 45/32, 8/5, 9/5.
    const double adRatio[12] = {1.0,       16.0 / 15.0, 9.0 / 8.0,   6.0 / 5.0,
                                5.0 / 4.0, 4.0 / 3.0,   45.0 / 32.0, 3.0 / 2.0,
                                8.0 / 5.0, 5.0 / 3.0,   9.0 / 5.0,   15.0 / 8.0};
    for (int t : {C, G, A, B_FLAT}) {
        const auto ad = TemperamentOffsets(Temperament("just"), t);
        for (int k = 0; k < 12; ++k)
            EXPECT_NEAR(Interval(ad, t, k), Cents(adRatio[k]), 1e-9) << t << " " << k;
    }
}

namespace {

// An n-EDO scale as a file, with the line end and the comments given.
std::string EdoText(int nDivisions, const std::string& strEnd, bool bComments) {
    const std::string strN = std::to_string(nDivisions);
    std::string str;
    if (bComments) str += "! " + strN + "-edo.scl" + strEnd + "!" + strEnd;
    str += strN + " equal divisions of the octave" + strEnd + " " + strN + strEnd;
    if (bComments) str += "! the degrees" + strEnd + strEnd;
    char sz[32];
    for (int k = 1; k <= nDivisions; ++k) {
        std::snprintf(sz, sizeof sz, "%.5f", 1200.0 * k / nDivisions);
        str += k % 2 ? "  " : "\t";
        str += sz;
        if (k % 3 == 0) str += " cents";
        str += strEnd;
        if (bComments && k == nDivisions / 2) str += "!" + strEnd + strEnd;
    }
    return str;
}

std::vector<double> Edo(int nDivisions) {
    std::vector<double> ad;
    for (int k = 1; k <= nDivisions; ++k) ad.push_back(1200.0 * k / nDivisions);
    return ad;
}

}  // namespace

TEST(ScalaFile, ReadsScalesInCentsAndRatios) {
    // Quarter-comma meantone on C: fifths of 3/2 less a quarter of 81/80.
    const double dFifth = Cents(1.5) - SYNTONIC_COMMA / 4;
    const int anFifths[11] = {7, 2, -3, 4, -1, 6, 1, 8, 3, -2, 5};  // C# ... B
    std::vector<double> adMeantone;
    for (int nFifths : anFifths) {
        const double d = std::fmod(nFifths * dFifth, 1200.0);
        adMeantone.push_back(d < 0 ? d + 1200.0 : d);
    }
    adMeantone.push_back(1200.0);
    std::vector<double> adBohlenPierce;
    const std::pair<int, int> aBohlenPierce[13] = {{27, 25}, {25, 21}, {9, 7},   {7, 5},  {75, 49},
                                                   {5, 3},   {9, 5},   {49, 25}, {15, 7}, {7, 3},
                                                   {63, 25}, {25, 9},  {3, 1}};
    std::string strBohlenPierce = "Bohlen-Pierce, just\r\n13\r\n";
    for (const auto& [n, d] : aBohlenPierce) {
        strBohlenPierce += std::to_string(n) + "/" + std::to_string(d) + "\r\n";
        adBohlenPierce.push_back(Cents(static_cast<double>(n) / d));
    }
    const struct {
        std::string strText;
        std::string strDescription;
        std::vector<double> adCents;
    } aCases[] = {
        {EdoText(12, "\n", false), "12 equal divisions of the octave", Edo(12)},
        {EdoText(19, "\n", true), "19 equal divisions of the octave", Edo(19)},
        {EdoText(31, "\r\n", true), "31 equal divisions of the octave", Edo(31)},
        {"\xEF\xBB\xBF! meanquar.scl\n!\n1/4-comma meantone scale\n 12\n!\n 76.04900\n 193.15686\n"
         " 310.26471\n 5/4 E\n 503.42157\n 579.47057\n 696.57843\n 25/16\n 889.73529\n"
         " 1006.84314\n 1082.89214\n 2/1",
         "1/4-comma meantone scale", adMeantone},
        {strBohlenPierce, "Bohlen-Pierce, just", adBohlenPierce},
        {"\n1\n3 the twelfth\n\n", "", {Cents(3.0)}},
        {"Inner degrees may lie below 1/1\n3\n-50.0\n10/20\n100.\n",
         "Inner degrees may lie below 1/1",
         {-50.0, -1200.0, 100.0}},
    };
    for (const auto& c : aCases) {
        CScalaScale scale;
        std::string strError;
        ASSERT_TRUE(ParseScala(c.strText, "good.scl", scale, strError)) << strError;
        EXPECT_EQ(scale.strDescription, c.strDescription);
        ASSERT_EQ(scale.GetDegreeCount(), static_cast<int>(c.adCents.size())) << c.strText;
        for (size_t k = 0; k < c.adCents.size(); ++k)
            EXPECT_NEAR(scale.adCents[k], c.adCents[k], 0.001) << c.strText << " degree " << k + 1;
    }
}

TEST(ScalaFile, RefusesBadScalesNamingTheLine) {
    const std::pair<std::string, int> aCases[] = {
        {"", 1},                                  // no description
        {"! bp.scl\nDescription only\n", 2},      // no count
        {"Count is a word\ntwelve\n2/1\n", 2},    // bad count
        {"No pitches\n0\n", 2},                   // no period
        {"Too many degrees\n1001\n", 2},          //
        {"Too few\n3\n100.0\n200.0\n\n", 5},      // count does not match: the last line
        {"Too many\n1\n2/1\n! x\n3/1\n", 5},      // the first pitch too many
        {"Zero\n2\n0\n2/1\n", 3},                 //
        {"Zero\n2\n0/1\n2/1\n", 3},               //
        {"Divides by zero\n2\n3/0\n2/1\n", 3},    //
        {"Negative ratio\n2\n-3/2\n2/1\n", 3},    //
        {"Unison period\n2\n9/8\n1/1\n", 4},      //
        {"Falling period\n2\n9/8\n-100.0\n", 4},  //
        {"Garbage\n2\nabc\n2/1\n", 3},            //
        {"Two slashes\n2\n3/2/1\n2/1\n", 3},      //
        {"Two points\n2\n1.2.3\n2/1\n", 3},       //
        {"Binary\n1\n2/1\n" + std::string("\0\x01", 2), 4},
    };
    for (const auto& [strText, nLine] : aCases) {
        CScalaScale scale;
        scale.adCents = {1200.0};
        std::string strError;
        EXPECT_FALSE(ParseScala(strText, "bad.scl", scale, strError)) << strText;
        EXPECT_EQ(strError.rfind("bad.scl:" + std::to_string(nLine) + ": ", 0), 0u)
            << strText << " -> " << strError;
        EXPECT_EQ(strError.find('\n'), std::string::npos) << strError;
        EXPECT_EQ(scale.adCents, std::vector<double>{1200.0}) << strText;
    }
    std::string strError;
    CScalaScale scale;
    EXPECT_FALSE(ParseScala("bp\n2\n0/1\n3/1\n", "bp.scl", scale, strError));
    EXPECT_EQ(strError, "bp.scl:3: '0/1' is not a ratio above zero");
}

TEST(ScalaFile, ReadsOnlyRegularFilesOfAtMostAMegabyte) {
    const std::string strDir = testing::TempDir();
    const std::string strGood = strDir + "kalvo-good.scl";
    std::ofstream(strGood) << "! kalvo-good.scl\nOne octave\n1\n2/1\n";
    CScalaScale scale;
    std::string strError;
    ASSERT_TRUE(ReadScalaFile(strGood, scale, strError)) << strError;
    EXPECT_EQ(scale.GetPeriodCents(), 1200.0);

    const std::string strLarge = strDir + "kalvo-large.scl";
    std::ofstream(strLarge) << "Large\n1\n2/1\n" << std::string(1 << 20, '!') << "\n";
    EXPECT_FALSE(ReadScalaFile(strLarge, scale, strError));
    EXPECT_EQ(strError.rfind(strLarge + ": ", 0), 0u) << strError;

    // A FIFO with no writer would block a plain open or read.
    const std::string strFifo = strDir + "kalvo-fifo.scl";
    std::remove(strFifo.c_str());
    ASSERT_EQ(mkfifo(strFifo.c_str(), 0600), 0);
    EXPECT_FALSE(ReadScalaFile(strFifo, scale, strError));
    EXPECT_EQ(strError, strFifo + ": not a regular file");
    CKeyboardMap map;
    EXPECT_FALSE(ReadKeyboardMap(strFifo, map, strError));
    EXPECT_FALSE(ReadScalaFile(strDir + "kalvo-missing.scl", scale, strError));
    for (const std::string& str : {strGood, strLarge, strFifo}) std::remove(str.c_str());
}

TEST(ScalaFile, ReadsKeyboardMaps) {
    const std::string strGood =
        "! white.kbm\n! Size of map:\n7\n! First and last key\n0\n127\n! Middle key\n60\n"
        "! Reference key and frequency\n69\n440.0\n! Octave degree\n7\n! Mapping\n"
        "0\nx\n1\nx\n2\n3\nx\n";
    CKeyboardMap map;
    std::string strError;
    ASSERT_TRUE(ParseKeyboardMap(strGood, "white.kbm", map, strError)) << strError;
    EXPECT_EQ(map.nSize, 7);
    EXPECT_EQ(map.nFirstKey, 0);
    EXPECT_EQ(map.nLastKey, 127);
    EXPECT_EQ(map.nMiddleKey, 60);
    EXPECT_EQ(map.nReferenceKey, 69);
    EXPECT_EQ(map.dReferenceHz, 440.0);
    EXPECT_EQ(map.nPeriodDegree, 7);
    EXPECT_EQ(map.anMap, (std::vector<int>{0, -1, 1, -1, 2, 3, -1}));

    ASSERT_TRUE(ParseKeyboardMap("0\n21\n108\n60\n69\n432\n0\n", "linear.kbm", map, strError));
    EXPECT_EQ(map.nSize, 0);
    EXPECT_EQ(map.dReferenceHz, 432.0);
    EXPECT_TRUE(map.anMap.empty());

    const std::pair<std::string, int> aBad[] = {
        {"12\n0\n127\n60\n69\n440.0\n12\n0\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n", 18},  // 11 of 12
        {"1\n0\n127\n60\n69\n440.0\n1\n0\n! x\nx\n", 10},                           // 2 of 1
        {"0\n0\n128\n60\n69\n440.0\n0\n", 3},                                       // key
        {"0\n0\n127\n60\n69\n0.0\n0\n", 6},                                         // frequency
        {"0\n0\n127\n60\n69\n", 5},                                                 // short
    };
    for (const auto& [strText, nLine] : aBad) {
        EXPECT_FALSE(ParseKeyboardMap(strText, "bad.kbm", map, strError)) << strText;
        EXPECT_EQ(strError.rfind("bad.kbm:" + std::to_string(nLine) + ": ", 0), 0u) << strError;
    }
    EXPECT_EQ(map.dReferenceHz, 432.0);
}

TEST(StringPresets, NotesReadInEitherForm) {
    // Positions count semitones from C2; a letter's octave runs from its C.
    const std::pair<const char*, int> aGood[] = {
        {"C2", 0},           {"A5", 45},       {"a5", 45},      {"B1", -1},
        {"E3", 12 + 4},      {"F3#", 12 + 6},  {"F#3", 12 + 6}, {"f#3", 12 + 6},
        {"Bb2", 10},         {"B2b", 10},      {"bb2", 10},     {"C0", -24},
        {"B9", 7 * 12 + 11}, {"B#3", 12 + 12}, {"Cb4", 24 - 1}, {"E3#", 12 + 5},
    };
    for (const auto& [sz, n] : aGood) {
        int nPosition = -1000;
        EXPECT_TRUE(ParseNotePosition(sz, nPosition)) << sz;
        EXPECT_EQ(nPosition, n) << sz;
    }
    for (const char* sz :
         {"", "E", "H3", "E10", "E-1", "F#3#", "Fb3b", "F3x", "#3", "E 3", "EB3"}) {
        int nPosition = 0;
        EXPECT_FALSE(ParseNotePosition(sz, nPosition)) << sz;
    }
    // Names read back and, inside the note table, are the table's own.
    for (int p = -24; p < 96; ++p) {
        int nPosition = -1000;
        EXPECT_TRUE(ParseNotePosition(NotePositionName(p), nPosition)) << p;
        EXPECT_EQ(nPosition, p);
        if (p >= 0 && p < NOTE_COUNT) {
            EXPECT_EQ(NotePositionName(p), NoteName(p));
        }
    }
    EXPECT_EQ(NotePositionName(-25), "");
    EXPECT_EQ(NotePositionName(96), "");

    std::vector<int> an;
    std::string strError;
    ASSERT_TRUE(ParseStringNotes(" E3, A3,D4\tG4 ", an, strError)) << strError;
    EXPECT_EQ(an, (std::vector<int>{16, 21, 26, 31}));
    EXPECT_FALSE(ParseStringNotes("E3 H3 X3", an, strError));
    EXPECT_NE(strError.find("'H3'"), std::string::npos) << strError;
    EXPECT_FALSE(ParseStringNotes(" , ", an, strError));
    std::string strMany;
    for (int i = 0; i < 24; ++i) strMany += "E3 ";
    EXPECT_TRUE(ParseStringNotes(strMany, an, strError));
    EXPECT_FALSE(ParseStringNotes(strMany + "E3", an, strError));
    EXPECT_EQ(an.size(), 24u);
}

TEST(StringPresets, EveryPresetReadsAndSitsAtConcertPitch) {
    std::set<std::string> names;
    for (const StringPreset& preset : StringPresets()) {
        EXPECT_EQ(FindStringPreset(preset.name), &preset);
        EXPECT_TRUE(names.insert(preset.name).second) << preset.name;
        std::vector<int> an;
        std::string strError;
        EXPECT_TRUE(ParseStringNotes(preset.notes, an, strError)) << preset.name << strError;
    }
    EXPECT_EQ(FindStringPreset("Guitar"), nullptr);
    // The first string of some instruments, in hertz at A = 440 Hz.
    const std::pair<const char*, double> aFirst[] = {
        {"guitar", 82.41},  {"bass-5", 30.87}, {"violin", 196.0},     {"cello", 65.41},
        {"ukulele", 392.0}, {"banjo", 392.0},  {"double-bass", 41.20}};
    for (const auto& [sz, dHz] : aFirst) {
        const StringPreset* pPreset = FindStringPreset(sz);
        ASSERT_NE(pPreset, nullptr) << sz;
        std::vector<int> an;
        std::string strError;
        ASSERT_TRUE(ParseStringNotes(pPreset->notes, an, strError));
        EXPECT_NEAR(440.0 * std::pow(2.0, (an[0] - NOTE_A5) / 12.0), dHz, 0.01) << sz;
    }
}
