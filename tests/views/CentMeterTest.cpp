// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "PixelSupport.h"
#include "views/CentMeter.h"

namespace {
const COLORREF DARK_GREY = RGB(64, 64, 64);
const COLORREF GREY = RGB(128, 128, 128);
const COLORREF GREEN = RGB(0, 208, 0);
const COLORREF YELLOW = RGB(255, 240, 0);
const COLORREF RED = RGB(224, 0, 0);

// Feeds a steady mismatch (light damping) until the meter shows it.
void Settle(CCentMeter& meter, int nCents) {
    meter.GetCounter()->m_bDamping = 0;
    const float f = static_cast<float>(440.0 * std::pow(2.0, nCents / 1200.0));
    for (int i = 0; i < 100; ++i) {
        meter.SetPitch(f, 440.0f);
        meter.ComputeCents();
    }
    ASSERT_EQ(meter.GetCounter()->GetShownCents(), nCents);
}

// The colour of bar b, read in its middle.
COLORREF Bar(const QImage& image, int b) {
    return PixelAt(image, 4 * b + 1, 10);
}

// The only lit bar of the picture, or -1.
int LitBar(const QImage& image) {
    int lit = -1;
    for (int b = 0; b < 30; ++b)
        if (Bar(image, b) != GREY) {
            EXPECT_EQ(lit, -1) << "two lit bars";
            lit = b;
        }
    return lit;
}

void ExpectBarRow(const QImage& image) {
    // Bars 3 pixels wide with a dark grey gap; the row's outline is dark grey.
    for (int b = 0; b < 30; ++b) {
        EXPECT_EQ(PixelAt(image, 4 * b + 3, 10), DARK_GREY) << b;
        EXPECT_EQ(PixelAt(image, 4 * b, 0), Bar(image, b)) << b;
        EXPECT_EQ(PixelAt(image, 4 * b + 2, 19), Bar(image, b)) << b;
    }
}
}  // namespace

TEST(CentMeter, NoSignalShowsGreyBarsAndAGreyStripWithoutNumber) {
    CCentMeter meter;
    const QImage image = meter.RenderImage();
    ASSERT_EQ(image.size(), QSize(120, 35));
    EXPECT_EQ(LitBar(image), -1);
    ExpectBarRow(image);
    EXPECT_EQ(PixelAt(image, 0, 20), DARK_GREY);
    EXPECT_EQ(PixelAt(image, 119, 34), DARK_GREY);
    EXPECT_EQ(CountColour(image, QRect(1, 21, 118, 13), GREY), 118 * 13);

    // A reading outside the band keeps the no-signal picture.
    meter.SetPitch(30.0f, 32.7f);
    meter.ComputeCents();
    EXPECT_EQ(meter.RenderImage(), image);
}

TEST(CentMeter, ZeroLightsBarFifteenGreenWithTheNumberInBlackOnWhite) {
    CCentMeter meter;
    Settle(meter, 0);
    const QImage image = meter.RenderImage();
    EXPECT_EQ(LitBar(image), 15);
    EXPECT_EQ(Bar(image, 15), GREEN);
    ExpectBarRow(image);
    EXPECT_EQ(PixelAt(image, 0, 20), DARK_GREY);
    EXPECT_EQ(PixelAt(image, 10, 27), GREEN);

    // The number is "%3d" and one blank, in the context's black on white.
    QImage expected = image;
    CDC dc(&expected);
    dc.TextOut(50, 20, QStringLiteral("  0 "));
    EXPECT_EQ(image, expected);
    EXPECT_GT(CountColour(image, QRect(50, 20, 70, 15), RGB(0, 0, 0)), 5);
    EXPECT_GT(CountColour(image, QRect(50, 20, 70, 15), RGB(255, 255, 255)), 20);
    // Nothing left of the number's cell is text.
    EXPECT_EQ(CountColour(image, QRect(1, 21, 49, 13), GREEN), 49 * 13);
}

TEST(CentMeter, EndsOfTheScale) {
    CCentMeter meter;
    Settle(meter, 50);
    QImage image = meter.RenderImage();
    EXPECT_EQ(LitBar(image), 29);  // 30 folds onto the last bar
    EXPECT_EQ(Bar(image, 29), RED);
    EXPECT_EQ(PixelAt(image, 10, 27), RED);

    Settle(meter, -50);
    image = meter.RenderImage();
    EXPECT_EQ(LitBar(image), 0);
    EXPECT_EQ(Bar(image, 0), RED);

    QImage expected = image;
    CDC dc(&expected);
    dc.TextOut(50, 20, QStringLiteral("-50 "));
    EXPECT_EQ(image, expected);
}

TEST(CentMeter, ZoneEdges) {
    const struct {
        int cents;
        int bar;
        COLORREF colour;
    } cases[] = {
        {-6, 13, GREEN},   {-7, 12, YELLOW}, {9, 17, GREEN},   {10, 18, YELLOW},
        {-16, 10, YELLOW}, {-17, 9, RED},    {19, 20, YELLOW}, {20, 21, RED},
    };
    CCentMeter meter;
    for (const auto& c : cases) {
        Settle(meter, c.cents);
        const QImage image = meter.RenderImage();
        EXPECT_EQ(LitBar(image), c.bar) << c.cents;
        EXPECT_EQ(Bar(image, c.bar), c.colour) << c.cents;
        EXPECT_EQ(PixelAt(image, 10, 27), c.colour) << c.cents;
    }
}

TEST(CentMeter, ValuesBeyondTheRowLightNoBarAndAreRed) {
    CCentMeter meter;
    // The counter measures against the note it is given, so a far note
    // frequency gives a mismatch beyond a quarter tone.
    for (int cents : {60, -60}) {
        Settle(meter, cents);
        const QImage image = meter.RenderImage();
        EXPECT_EQ(LitBar(image), -1) << cents;
        EXPECT_EQ(PixelAt(image, 10, 27), RED) << cents;
    }
}

TEST(CentMeter, PaintEventShowsWhatRenderDraws) {
    CCentMeter meter;
    Settle(meter, -9);
    const QImage window = meter.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(window, meter.RenderImage());
    EXPECT_EQ(Bar(window, 12), YELLOW);
}
