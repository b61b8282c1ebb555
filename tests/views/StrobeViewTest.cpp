// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cmath>
#include <vector>

#include "PixelSupport.h"
#include "analysis/PhaseMeter.h"
#include "views/StrobeView.h"

namespace {

constexpr double A5 = 440.0;
constexpr int WIDTH = 364, HEIGHT = 195;  // the spectrum area's first size

// A strobe fed by its own phase meter with a tone, on a clock the test moves.
struct Strobe {
    CPhaseMeter meter;
    CStrobeView view{&meter};
    double t = 0.0;
    long frame = 0;
    std::array<float, BLOCK_FRAMES> block{};
    Strobe() {
        meter.m_bEnabled = 1;
        view.resize(WIDTH, HEIGHT);
        view.m_fnClock = [this] { return t; };
        view.m_fnTargetName = [](int) { return std::string("A5"); };
    }
    // Blocks of a tone (cents off A5; amplitude 0 for silence), each
    // followed by a frame at its arrival. The tone starts at a phase that
    // puts no band edge exactly on a pixel boundary.
    void Play(double cents, int nBlocks, double amplitude = 16000) {
        const double hz = A5 * std::pow(2.0, cents / 1200);
        for (int b = 0; b < nBlocks; ++b) {
            for (unsigned s = 0; s < BLOCK_FRAMES; ++s)
                block[s] = static_cast<float>(std::lround(
                    amplitude * std::sin(2 * M_PI * hz * double(frame + s) / 16000 + 1)));
            frame += BLOCK_FRAMES;
            meter.AddBlock(block.data(), 1, A5, 45, amplitude > 0 ? hz : 0.0);
            t += CPhaseMeter::BLOCK_SECONDS;
            view.Tick();
        }
    }
    // The pixels across the middle of the first row.
    std::vector<COLORREF> Row() {
        const QImage image = view.RenderImage();
        const int y = CStrobeView::TEXT_HEIGHT + (HEIGHT - 2 - CStrobeView::TEXT_HEIGHT) / 8;
        std::vector<COLORREF> row;
        for (int x = 0; x < image.width(); ++x) row.push_back(PixelAt(image, x, y));
        return row;
    }
};

// How far the bands of b lie right of those of a (within half a period).
int Shift(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
    const int P = CStrobeView::BAND_PERIOD;
    int best = 0, fewest = 1 << 30;
    for (int s = -P / 2 + 1; s <= P / 2; ++s) {
        int n = 0;
        for (int x = P; x + P < static_cast<int>(a.size()); ++x) n += a[x] != b[x + s];
        if (n < fewest) {
            fewest = n;
            best = s;
        }
    }
    return best;
}

}  // namespace

// Half a second apart (six blocks): an in-tune note stands still, one 3
// cents sharp has moved.
TEST(StrobeView, StillInTuneMovingWhenOff) {
    Strobe inTune;
    inTune.Play(0.0, 12);
    const std::vector<COLORREF> before = inTune.Row();
    EXPECT_NE(std::count(before.begin(), before.end(), inTune.view.m_crBands), 0);
    inTune.Play(0.0, 6);
    EXPECT_EQ(inTune.Row(), before);

    Strobe sharp;
    sharp.Play(3.0, 12);
    const std::vector<COLORREF> start = sharp.Row();
    sharp.Play(3.0, 6);
    EXPECT_NE(sharp.Row(), start);
}

// Sharp drifts right, flat left: from block to block and between blocks.
TEST(StrobeView, DriftsRightWhenSharpAndLeftWhenFlat) {
    for (const double cents : {+1.0, -1.0}) {
        SCOPED_TRACE(cents);
        Strobe strobe;
        strobe.Play(cents, 12);
        const std::vector<COLORREF> a = strobe.Row();
        strobe.Play(cents, 1);
        const std::vector<COLORREF> b = strobe.Row();
        strobe.t += 0.05;
        strobe.view.Tick();
        const std::vector<COLORREF> c = strobe.Row();
        // A block at 1 cent: 0.17 of a period; 50 ms on, another 0.1.
        EXPECT_GT(Shift(a, b) * cents, 2);
        EXPECT_GT(Shift(b, c) * cents, 1);
    }
}

TEST(StrobeView, FreezeHoldsThePicture) {
    Strobe strobe;
    std::atomic<int> bFrozen{0};
    strobe.view.m_pFrozen = &bFrozen;
    strobe.Play(3.0, 12);
    const std::vector<COLORREF> before = strobe.Row();
    bFrozen = 1;
    strobe.Play(3.0, 3);
    EXPECT_EQ(strobe.Row(), before);
    bFrozen = 0;
    strobe.Play(3.0, 1);
    EXPECT_NE(strobe.Row(), before);
}

TEST(StrobeView, BlankWithoutSignal) {
    Strobe strobe;
    strobe.Play(0.0, 12);
    strobe.Play(0.0, 1, 0.0);
    const std::vector<COLORREF> row = strobe.Row();
    EXPECT_EQ(std::count(row.begin(), row.end(), strobe.view.m_crBackground),
              static_cast<long>(row.size()));
    EXPECT_EQ(strobe.view.SpokenText(), QStringLiteral("no input signal"));
}

TEST(StrobeView, SaysTheTargetAndTheTenthsOfACent) {
    Strobe strobe;
    strobe.Play(0.3, 12);
    EXPECT_EQ(strobe.view.SpokenText(), QStringLiteral("A5, 0.3 cents sharp"));
    Strobe flat;
    flat.Play(-12.0, 12);
    EXPECT_EQ(flat.view.SpokenText(), QStringLiteral("A5, 12.0 cents flat"));
}

// The reading line is drawn once and copied into the frames after it: what
// they show is what drawing it afresh shows, also once the reading changed.
TEST(StrobeView, CopiedReadingLineIsTheDrawnOne) {
    CFont font;
    font.CreateDialogFont();
    Strobe strobe;
    strobe.view.m_pFont = &font;
    for (double cents : {0.3, -12.0}) {
        strobe.Play(cents, 12);
        const QImage copied = strobe.view.RenderImage();
        strobe.view.RecordTextCells(true);
        const QImage drawn = strobe.view.RenderImage();
        strobe.view.RecordTextCells(false);
        EXPECT_EQ(copied, drawn) << cents;
        EXPECT_EQ(strobe.view.RenderImage(), drawn) << cents;
    }
}
