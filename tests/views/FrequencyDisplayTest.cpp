// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "PixelSupport.h"
#include "analysis/Constants.h"
#include "views/FrequencyDisplay.h"

namespace {
const COLORREF BLACK = RGB(0, 0, 0);
const COLORREF GREEN = RGB(0, 208, 0);
const COLORREF DARK_GREY = RGB(64, 64, 64);

const int DIGIT_X[5] = {5, 19, 33, 47, 64};

// One pixel inside each of the seven segments a ... g of a glyph at x.
struct Probe {
    char segment;
    int dx, dy;
};
const Probe PROBES[7] = {{'a', 5, 5},  {'b', 10, 9}, {'c', 10, 20}, {'d', 5, 24},
                         {'e', 0, 20}, {'f', 0, 9},  {'g', 5, 14}};

// Lit segments of the usual seven-segment digits, and of the dash.
std::string SegmentsOf(char c) {
    switch (c) {
        case '0':
            return "abcdef";
        case '1':
            return "bc";
        case '2':
            return "abdeg";
        case '3':
            return "abcdg";
        case '4':
            return "bcfg";
        case '5':
            return "acdfg";
        case '6':
            return "acdefg";
        case '7':
            return "abc";
        case '8':
            return "abcdefg";
        case '9':
            return "abcdfg";
        case '-':
            return "g";
        default:
            return "";
    }
}

// Checks the five digit positions against a text such as "0440.0" or "----.-".
void ExpectDigits(const QImage& image, const std::string& text) {
    const std::string glyphs = text.substr(0, 4) + text.substr(5, 1);
    for (int i = 0; i < 5; ++i)
        for (const Probe& p : PROBES) {
            const bool lit = SegmentsOf(glyphs[i]).find(p.segment) != std::string::npos;
            EXPECT_EQ(PixelAt(image, DIGIT_X[i] + p.dx, p.dy), lit ? GREEN : DARK_GREY)
                << text << " position " << i << " segment " << p.segment;
        }
}

QImage Show(CFrequencyDisplay& display, float hz) {
    display.ShowFrequency(hz);
    return display.RenderImage();
}
}  // namespace

TEST(FrequencyDisplay, NoSignalShowsDashesOverUnlitEights) {
    CFrequencyDisplay display;
    const QImage image = Show(display, NO_FREQUENCY);
    ASSERT_EQ(image.size(), QSize(119, 30));
    ExpectDigits(image, "----.-");
    EXPECT_EQ(PixelAt(image, 0, 0), BLACK);
    EXPECT_EQ(PixelAt(image, 118, 29), BLACK);
    EXPECT_EQ(PixelAt(image, 2, 2), BLACK);
    // Decimal point 60, 23 ... 62, 24, drawn also with dashes.
    EXPECT_EQ(CountColour(image, QRect(60, 23, 3, 2), GREEN), 6);
    EXPECT_EQ(CountColour(image, QRect(59, 22, 5, 4), GREEN), 6);
    // H: g, f, e, b, c; no top or bottom bar.
    for (const Probe& p : PROBES)
        EXPECT_EQ(PixelAt(image, 89 + p.dx, p.dy),
                  std::string("bcefg").find(p.segment) != std::string::npos ? GREEN : BLACK)
            << p.segment;
    // z: top of the glyph is the middle bar, bottom bar, and a diagonal between.
    EXPECT_EQ(PixelAt(image, 108, 14), GREEN);
    EXPECT_EQ(PixelAt(image, 108, 24), GREEN);
    EXPECT_EQ(PixelAt(image, 108, 5), BLACK);
    for (int y = 17; y <= 21; ++y)
        EXPECT_GE(CountColour(image, QRect(103, y, 11, 1), GREEN), 2) << y;
    // Only the unit and the point are outside the digit columns.
    EXPECT_EQ(CountColour(image, QRect(76, 0, 13, 30), GREEN), 0);
    EXPECT_EQ(CountColour(image, QRect(76, 0, 13, 30), DARK_GREY), 0);
}

TEST(FrequencyDisplay, DigitsWithLeadingZeros) {
    CFrequencyDisplay display;
    ExpectDigits(Show(display, 440.0f), "0440.0");
    ExpectDigits(Show(display, 4000.0f), "4000.0");
    ExpectDigits(Show(display, 40.0f), "0040.0");
    ExpectDigits(Show(display, 1234.56f), "1234.6");
    ExpectDigits(Show(display, 3999.96f), "4000.0");
    ExpectDigits(Show(display, 987.04f), "0987.0");
}

TEST(FrequencyDisplay, OutsideTheBandIsDashes) {
    CFrequencyDisplay display;
    const QImage dashes = Show(display, NO_FREQUENCY);
    EXPECT_EQ(Show(display, 4000.1f), dashes);
    EXPECT_EQ(Show(display, 39.99f), dashes);
    EXPECT_EQ(Show(display, std::nanf("")), dashes);
}
