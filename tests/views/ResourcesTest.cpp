// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <cstring>

#include "PixelSupport.h"
#include "platform/ui/Menu.h"
#include "resources/Menus.h"
#include "resources/Resource.h"
#include "resources/Resources.h"
#include "resources/StringTable.h"

TEST(StringTable, EveryMessageAndFormatHasAText) {
    for (unsigned id = 128; id <= 177; ++id) EXPECT_GT(std::strlen(LoadResString(id)), 0u) << id;
    for (unsigned id = 256; id <= 261; ++id) EXPECT_STREQ(LoadResString(id), "%3d") << id;
    EXPECT_STREQ(LoadResString(178), "");
    EXPECT_STREQ(LoadResString(0), "");
}

TEST(StringTable, QuotedTextsAreKeptByteForByte) {
    EXPECT_STREQ(LoadResString(131),
                 "Cannot retrieve current font attributes; default values are supplied");
    EXPECT_STREQ(LoadResString(132), "Clef bitmap cannot be displayed");
    EXPECT_STREQ(LoadResString(134), "Cannot load clef bitmap");
    EXPECT_STREQ(LoadResString(147),
                 "DirectX - Resource already alllocated by another application");
    EXPECT_STREQ(LoadResString(162), "Hardware does not support requested timer resolution\n");
    EXPECT_STREQ(LoadResString(140),
                 "Invalid parameter for FFT computation; spectrum can not be computated");
    EXPECT_STREQ(LoadResString(176), "Error in \"From\" or \"To\" range value");
}

TEST(Bitmaps, SizesOfTheFourPictures) {
    const struct {
        unsigned id;
        int w, h;
    } expected[] = {
        {IDB_STAFF, 66, 105}, {IDB_NOTEHEAD, 9, 7}, {IDB_SHARP, 8, 12}, {IDB_FLAT, 8, 17}};
    for (const auto& e : expected) {
        const QImage image = LoadBitmapResource(e.id);
        ASSERT_FALSE(image.isNull()) << e.id;
        EXPECT_EQ(image.size(), QSize(e.w, e.h)) << e.id;
    }
    EXPECT_TRUE(LoadBitmapResource(148).isNull());
}

TEST(Bitmaps, StaffLinesLedgersAndClefsWhereTheNotePositionsExpectThem) {
    const QImage staff = LoadBitmapResource(IDB_STAFF);
    const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255);
    for (int row : {18, 24, 30, 36, 42})
        for (int x = 0; x <= 63; ++x) EXPECT_EQ(PixelAt(staff, x, row), black) << row;
    for (int row : {60, 66, 72, 78, 84})
        for (int x = 1; x <= 63; ++x) EXPECT_EQ(PixelAt(staff, x, row), black) << row;
    for (int row : {6, 12, 51, 90, 96}) {
        for (int x = 38; x <= 57; ++x) EXPECT_EQ(PixelAt(staff, x, row), black) << row;
        EXPECT_EQ(PixelAt(staff, 37, row), white) << row;
        EXPECT_EQ(PixelAt(staff, 58, row), white) << row;
    }
    // Where note heads go (x 46 ... 54 of the picture) nothing lies between the lines.
    for (int row = 0; row < 105; ++row) {
        const bool line =
            (row % 6 == 0 && ((row >= 18 && row <= 42) || (row >= 60 && row <= 84))) || row == 6 ||
            row == 12 || row == 51 || row == 90 || row == 96;
        if (!line) {
            EXPECT_EQ(PixelAt(staff, 50, row), white) << row;
        }
    }
    // The clefs: ink left of the ledger lines in the treble rows and the bass rows.
    EXPECT_GT(CountColour(staff, QRect(0, 9, 30, 44), black), 5 * 30 + 40);
    EXPECT_GT(CountColour(staff, QRect(0, 61, 30, 17), black), 2 * 29 + 20);
    EXPECT_EQ(CountColour(staff, QRect(0, 0, 30, 9), black), 0);

    // The flat's bowl lies in rows 6 ... 12, right of its stem.
    const QImage flat = LoadBitmapResource(IDB_FLAT);
    EXPECT_GT(CountColour(flat, QRect(2, 6, 6, 7), black), 6);
    EXPECT_EQ(CountColour(flat, QRect(2, 0, 6, 6), black), 0);
    EXPECT_EQ(CountColour(flat, QRect(0, 13, 8, 4), black), 0);
}

TEST(Menus, ZoomMenuStartsWithZoomInEnabledAndZoomOutGreyed) {
    QWidget owner;
    QMenu* menu = LoadZoomMenu(&owner);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), QStringLiteral("Zoom"));
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("Zoom In"));
    EXPECT_EQ(GetMenuItemId(menu->actions()[0]), ID_ZOOM_IN);
    EXPECT_TRUE(menu->actions()[0]->isEnabled());
    EXPECT_EQ(menu->actions()[1]->text(), QStringLiteral("Zoom Out"));
    EXPECT_EQ(GetMenuItemId(menu->actions()[1]), ID_ZOOM_OUT);
    EXPECT_FALSE(menu->actions()[1]->isEnabled());
}
