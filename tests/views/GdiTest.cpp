// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include <QPainter>

#include "PixelSupport.h"
#include "platform/ui/Gdi.h"

namespace {
const COLORREF WHITE = RGB(255, 255, 255);
const COLORREF BLACK = RGB(0, 0, 0);
const COLORREF RED = RGB(224, 0, 0);
const COLORREF BLUE = RGB(0, 0, 200);
const COLORREF GREY = RGB(128, 128, 128);

PixelSet DrawLine(int x0, int y0, int x1, int y1, int w = 40, int h = 40) {
    QImage image = BlankImage(w, h);
    CDC dc(&image);
    dc.MoveTo(x0, y0);
    dc.LineTo(x1, y1);
    return PixelsNot(image, WHITE);
}
}  // namespace

TEST(Gdi, RectangleOutlinesWithPenAndFillsWithBrushRightAndBottomExclusive) {
    QImage image = BlankImage(12, 12, GREY);
    CDC dc(&image);
    CPen pen(PS_SOLID, 1, RED);
    CBrush brush(BLUE);
    dc.SelectObject(&pen);
    dc.SelectObject(&brush);
    dc.Rectangle(2, 3, 8, 7);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
            const bool inside = x >= 2 && x < 8 && y >= 3 && y < 7;
            const bool edge = inside && (x == 2 || x == 7 || y == 3 || y == 6);
            const COLORREF expected = edge ? RED : inside ? BLUE : GREY;
            EXPECT_EQ(PixelAt(image, x, y), expected) << x << "," << y;
        }
}

// Inside the surface; a rectangle that runs off it loses a corner pixel of
// its outline in QPainter, which GDI (and the wrapper) keeps.
TEST(Gdi, RectangleMatchesQPainterWithACosmeticPen) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> coord(0, 20);
    for (int i = 0; i < 300; ++i) {
        int l = coord(random), t = coord(random), r = coord(random), b = coord(random);
        if (r - l < 1 || b - t < 1) continue;
        QImage mine = BlankImage(20, 20, GREY), theirs = BlankImage(20, 20, GREY);
        CDC dc(&mine);
        CPen pen(PS_SOLID, 1, RED);
        CBrush brush(BLUE);
        dc.SelectObject(&pen);
        dc.SelectObject(&brush);
        dc.Rectangle(l, t, r, b);
        QPainter painter(&theirs);
        painter.setPen(QPen(QColor::fromRgb(ToQRgb(RED)), 0));
        painter.setBrush(QColor::fromRgb(ToQRgb(BLUE)));
        painter.drawRect(l, t, r - l - 1, b - t - 1);
        painter.end();
        EXPECT_EQ(mine, theirs) << l << "," << t << "," << r << "," << b;
    }
}

TEST(Gdi, FreshContextDrawsWithBlackPenAndWhiteBrush) {
    QImage image = BlankImage(6, 6, GREY);
    CDC dc(&image);
    dc.Rectangle(0, 0, 4, 4);
    EXPECT_EQ(PixelAt(image, 0, 0), BLACK);
    EXPECT_EQ(PixelAt(image, 3, 3), BLACK);
    EXPECT_EQ(PixelAt(image, 1, 1), WHITE);
    EXPECT_EQ(PixelAt(image, 4, 4), GREY);
}

TEST(Gdi, LineToLeavesOutTheEndPointInEveryDirection) {
    EXPECT_EQ(DrawLine(2, 5, 6, 5), (PixelSet{{2, 5}, {3, 5}, {4, 5}, {5, 5}}));
    EXPECT_EQ(DrawLine(6, 5, 2, 5), (PixelSet{{6, 5}, {5, 5}, {4, 5}, {3, 5}}));
    EXPECT_EQ(DrawLine(4, 1, 4, 4), (PixelSet{{4, 1}, {4, 2}, {4, 3}}));
    EXPECT_EQ(DrawLine(4, 4, 4, 1), (PixelSet{{4, 4}, {4, 3}, {4, 2}}));
    EXPECT_EQ(DrawLine(3, 3, 3, 3), PixelSet{});
}

TEST(Gdi, SlopedLinesFollowTheGdiRule) {
    // y = x / 3: rows change where the true line crosses the half pixel.
    EXPECT_EQ(DrawLine(0, 0, 3, 1), (PixelSet{{0, 0}, {1, 0}, {2, 1}}));
    // A tie halfway lands on the smaller row whichever way the line runs.
    EXPECT_EQ(DrawLine(0, 0, 2, 1), (PixelSet{{0, 0}, {1, 0}}));
    EXPECT_EQ(DrawLine(2, 1, 0, 0), (PixelSet{{2, 1}, {1, 0}}));
    // Steep lines step along y.
    EXPECT_EQ(DrawLine(0, 0, 1, 3), (PixelSet{{0, 0}, {0, 1}, {1, 2}}));
    // The diagonal of the display's z glyph.
    const PixelSet z = DrawLine(10, 0, -1, 10);
    EXPECT_EQ(z.size(), 11u);
    EXPECT_TRUE(z.count({10, 0}));
    EXPECT_FALSE(z.count({-1, 10}));
}

TEST(Gdi, ALineAndItsReverseCoverTheSamePixelsBesidesTheirEnds) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coord(0, 29);
    for (int i = 0; i < 500; ++i) {
        const int x0 = coord(random), y0 = coord(random), x1 = coord(random), y1 = coord(random);
        PixelSet forward = DrawLine(x0, y0, x1, y1);
        PixelSet backward = DrawLine(x1, y1, x0, y0);
        if (x0 == x1 && y0 == y1) continue;
        EXPECT_EQ(forward.size(),
                  static_cast<size_t>(std::max(std::abs(x1 - x0), std::abs(y1 - y0))));
        forward.insert({x1, y1});
        backward.insert({x0, y0});
        EXPECT_EQ(forward, backward) << x0 << "," << y0 << " - " << x1 << "," << y1;
    }
}

TEST(Gdi, LineToMovesTheCurrentPositionAndContinuesFromIt) {
    QImage image = BlankImage(10, 10);
    CDC dc(&image);
    dc.MoveTo(1, 1);
    dc.LineTo(4, 1);
    EXPECT_EQ(dc.GetCurrentPosition(), QPoint(4, 1));
    dc.LineTo(4, 4);
    EXPECT_EQ(PixelsNot(image, WHITE), (PixelSet{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {4, 2}, {4, 3}}));
}

TEST(Gdi, DottedPenIsThreeOnThreeOffRestartingAtEachLineTo) {
    QImage image = BlankImage(20, 4, GREY);
    CDC dc(&image);
    CPen dot(PS_DOT, 1, BLACK);
    dc.SelectObject(&dot);
    dc.MoveTo(0, 0);
    dc.LineTo(10, 0);
    dc.LineTo(17, 0);
    // Opaque mode: the gaps take the background colour (white by default).
    const COLORREF expected[18] = {BLACK, BLACK, BLACK, WHITE, WHITE, WHITE, BLACK, BLACK, BLACK,
                                   WHITE, BLACK, BLACK, BLACK, WHITE, WHITE, WHITE, BLACK, GREY};
    for (int x = 0; x < 18; ++x) EXPECT_EQ(PixelAt(image, x, 0), expected[x]) << x;

    dc.SetBkMode(TRANSPARENT);
    dc.MoveTo(0, 2);
    dc.LineTo(7, 2);
    EXPECT_EQ(PixelAt(image, 2, 2), BLACK);
    EXPECT_EQ(PixelAt(image, 3, 2), GREY);
    EXPECT_EQ(PixelAt(image, 6, 2), BLACK);
}

TEST(Gdi, SrcAndKeepsThePictureUnderWhiteAndBlackensUnderBlack) {
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(ToQRgb(WHITE));
    picture.setPixel(1, 0, ToQRgb(BLACK));
    picture.setPixel(2, 1, ToQRgb(BLACK));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.Attach(picture));
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    ASSERT_NE(memory.SelectObject(&bitmap), nullptr);

    QImage image = BlankImage(6, 6, BLUE);
    image.setPixel(2, 2, ToQRgb(RED));
    CDC dc(&image);
    ASSERT_TRUE(dc.BitBlt(1, 2, 3, 2, &memory, 0, 0, SRCAND));
    EXPECT_EQ(PixelAt(image, 1, 2), BLUE);
    EXPECT_EQ(PixelAt(image, 2, 2), BLACK);
    EXPECT_EQ(PixelAt(image, 3, 2), BLUE);
    EXPECT_EQ(PixelAt(image, 3, 3), BLACK);
    EXPECT_EQ(PixelAt(image, 2, 3), BLUE);

    // SRCCOPY replaces, white included.
    ASSERT_TRUE(dc.BitBlt(0, 0, 3, 2, &memory, 0, 0, SRCCOPY));
    EXPECT_EQ(PixelAt(image, 0, 0), WHITE);
    EXPECT_EQ(PixelAt(image, 1, 0), BLACK);
    EXPECT_EQ(PixelAt(image, 3, 0), BLUE);
}

TEST(Gdi, BitmapsGoOnlyIntoMemoryContexts) {
    CBitmap bitmap;
    bitmap.Attach(BlankImage(2, 2));
    QImage image = BlankImage(4, 4);
    CDC screen(&image);
    EXPECT_EQ(screen.SelectObject(&bitmap), nullptr);
    CDC memory;
    memory.CreateCompatibleDC(&screen);
    CBitmap empty;
    EXPECT_EQ(memory.SelectObject(&empty), nullptr);
    // A memory context without a bitmap has nothing to copy.
    EXPECT_FALSE(screen.BitBlt(0, 0, 2, 2, &memory, 0, 0, SRCCOPY));
}

TEST(Gdi, OpaqueTextFillsItsCellWithTheBackgroundColour) {
    QImage image = BlankImage(60, 30, GREY);
    CDC dc(&image);
    dc.SetBkColor(RGB(255, 255, 0));
    ASSERT_TRUE(dc.TextOut(5, 4, QStringLiteral("Hz 8")));
    // Only text colour and cell colour inside the cell: no antialiasing.
    const PixelSet changed = PixelsNot(image, GREY);
    ASSERT_FALSE(changed.empty());
    int minX = 99, minY = 99;
    for (auto [x, y] : changed) {
        minX = std::min(minX, x);
        minY = std::min(minY, y);
        const COLORREF c = PixelAt(image, x, y);
        EXPECT_TRUE(c == BLACK || c == RGB(255, 255, 0)) << x << "," << y;
    }
    EXPECT_EQ(minX, 5);
    EXPECT_EQ(minY, 4);
    EXPECT_GT(CountColour(image, image.rect(), BLACK), 10);

    QImage clear = BlankImage(60, 30, GREY);
    CDC transparent(&clear);
    transparent.SetBkMode(TRANSPARENT);
    transparent.SetTextColor(RED);
    transparent.TextOut(5, 4, QStringLiteral("Hz 8"));
    for (auto [x, y] : PixelsNot(clear, GREY)) EXPECT_EQ(PixelAt(clear, x, y), RED);
}

TEST(Gdi, WildCoordinatesAreClippedNotWalked) {
    QImage image = BlankImage(10, 10);
    CDC dc(&image);
    dc.MoveTo(5, -2000000000);
    dc.LineTo(5, 2000000000);
    EXPECT_EQ(CountColour(image, image.rect(), BLACK), 10);
}

TEST(Gdi, CopiesAreClippedToBothSurfaces) {
    CBitmap bitmap;
    bitmap.Attach(BlankImage(4, 4, RED));
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    memory.SelectObject(&bitmap);
    QImage image = BlankImage(6, 6);
    CDC dc(&image);
    ASSERT_TRUE(dc.BitBlt(-2, 4, 4, 4, &memory, 0, 0, SRCCOPY));
    EXPECT_EQ(PixelsNot(image, WHITE), (PixelSet{{0, 4}, {1, 4}, {0, 5}, {1, 5}}));
    // A source window running past the bitmap copies only what exists.
    ASSERT_TRUE(dc.BitBlt(3, 0, 3, 3, &memory, 2, 2, SRCCOPY));
    EXPECT_EQ(CountColour(image, QRect(3, 0, 3, 3), RED), 4);
}
