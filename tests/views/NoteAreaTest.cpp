// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "PixelSupport.h"
#include "analysis/NoteTable.h"
#include "platform/ui/MessageBox.h"
#include "resources/Resource.h"
#include "resources/Resources.h"
#include "views/NoteArea.h"

namespace {
const COLORREF WHITE = RGB(255, 255, 255);
const COLORREF BLACK = RGB(0, 0, 0);
const COLORREF DARK_RED = RGB(128, 0, 0);

enum Accidental { NONE, SHARP, FLAT };

// What the area must show, composed pixel by pixel from the resources: the
// staff at 27, 7, the head ANDed in at 73, y and the accidental left of it.
QImage Expected(int y, Accidental accidental) {
    QImage image = BlankImage(120, 120);
    auto copy = [&](unsigned id, int x0, int y0, bool bAnd) {
        const QImage picture = LoadBitmapResource(id).convertToFormat(QImage::Format_RGB32);
        for (int py = 0; py < picture.height(); ++py)
            for (int px = 0; px < picture.width(); ++px) {
                const QRgb s = picture.pixel(px, py);
                const QRgb d = image.pixel(x0 + px, y0 + py);
                image.setPixel(x0 + px, y0 + py, bAnd ? (s & d) : s);
            }
    };
    copy(IDB_STAFF, 27, 7, false);
    if (y >= 0) copy(IDB_NOTEHEAD, 73, y, true);
    if (accidental == SHARP) copy(IDB_SHARP, 65, y - 3, true);
    if (accidental == FLAT) copy(IDB_FLAT, 65, y - 7, true);
    return image;
}

struct Area {
    CFont font;
    CNoteArea area;
    Area() {
        font.CreateDialogFont();
        area.m_pFont = &font;
    }
    QImage Show(int note, int sharps) {
        area.SetFrequency(note == 0 ? 0.0f : NoteTable[note]);
        EXPECT_EQ(area.GetNoteIndex(), note);
        area.m_bSharps = sharps;
        return area.RenderImage();
    }
};

// The octave sign: a line along row 2 and down at x 85, and an "8" left of it.
void ExpectOctaveSign(const QImage& image, bool bShown) {
    int ink = 0;
    for (int x = 65; x <= 85; ++x) ink += PixelAt(image, x, 2) == BLACK;
    for (int y = 3; y <= 5; ++y) ink += PixelAt(image, 85, y) == BLACK;
    EXPECT_EQ(ink, bShown ? 24 : 0);
    EXPECT_EQ(PixelAt(image, 85, 6), WHITE);  // the line's end point
    EXPECT_EQ(CountColour(image, QRect(55, 0, 10, 11), BLACK) > 3, bShown);
}
}  // namespace

TEST(NoteArea, NoSignalShowsTheStaffAndOutOfRangeInDarkRed) {
    Area a;
    const QImage image = a.Show(0, 0);
    const QImage staff = Expected(-1, NONE);
    // Below the text cell the picture is the bare staff.
    EXPECT_TRUE(SameRegion(image, staff, QRect(0, 15, 120, 105)));
    EXPECT_GT(CountColour(image, QRect(9, 1, 80, 14), DARK_RED), 20);
    EXPECT_EQ(CountColour(image, QRect(0, 0, 9, 120), DARK_RED), 0);
    // The text cell is opaque white over the staff's top ledger line.
    EXPECT_EQ(PixelAt(image, 9, 1), WHITE);
}

TEST(NoteArea, NaturalNotesOnTheirLinesAndSpaces) {
    Area a;
    // A5, 440 Hz: second space of the treble staff.
    EXPECT_EQ(a.Show(45, 0), Expected(37, NONE));
    // C5, middle C, on the ledger line between the staves.
    EXPECT_EQ(a.Show(36, 0), Expected(55, NONE));
    // E and B are never moved in flats mode.
    EXPECT_EQ(a.Show(40, 0), Expected(46, NONE));
    EXPECT_EQ(a.Show(47, 0), Expected(34, NONE));
    // The lowest and the highest note without octave sign.
    EXPECT_EQ(a.Show(12, 1), Expected(100, NONE));
    EXPECT_EQ(a.Show(60, 1), Expected(10, NONE));
}

TEST(NoteArea, BlackKeysAsSharpsAndAsFlats) {
    Area a;
    // C5#: as a sharp on the C5 place, as a flat on the D5 place.
    EXPECT_EQ(a.Show(37, 1), Expected(55, SHARP));
    EXPECT_EQ(a.Show(37, 0), Expected(50, FLAT));
    // A5#: sharp at the A5 place, B5 flat.
    EXPECT_EQ(a.Show(46, 1), Expected(37, SHARP));
    EXPECT_EQ(a.Show(46, 0), Expected(34, FLAT));
    // The accidental's corner is where the note positions put it.
    const QImage flat = a.Show(37, 0);
    EXPECT_GT(CountColour(flat, QRect(65, 43, 8, 17), BLACK) -
                  CountColour(Expected(50, NONE), QRect(65, 43, 8, 17), BLACK),
              5);
}

TEST(NoteArea, TopNotesAreWrittenAnOctaveLowerUnderTheOctaveSign) {
    Area a;
    const QRect below(0, 12, 120, 108);
    QImage image = a.Show(61, 1);  // C7# as C6#
    ExpectOctaveSign(image, true);
    EXPECT_TRUE(SameRegion(image, Expected(31, SHARP), below));
    image = a.Show(61, 0);  // as D6 flat
    ExpectOctaveSign(image, true);
    EXPECT_TRUE(SameRegion(image, Expected(28, FLAT), below));
    image = a.Show(72, 0);  // C8 as C7
    ExpectOctaveSign(image, true);
    EXPECT_TRUE(SameRegion(image, Expected(10, NONE), below));
    // Drawing again without a new reading gives the same picture.
    EXPECT_EQ(a.area.RenderImage(), image);
    EXPECT_EQ(a.area.GetNoteIndex(), 72);
    // C7 itself has no octave sign.
    ExpectOctaveSign(a.Show(60, 0), false);
}

TEST(NoteArea, NotesOutsideC3ToC8AreOutOfRange) {
    Area a;
    const QImage none = a.Show(0, 0);
    EXPECT_EQ(a.Show(73, 0), none);
    EXPECT_EQ(a.Show(11, 1), none);
    EXPECT_EQ(a.Show(84, 1), none);
    // Above the table's last band: index 85, never looked up.
    a.area.SetFrequency(5000.0f);
    EXPECT_EQ(a.area.GetNoteIndex(), 85);
    EXPECT_EQ(a.area.RenderImage(), none);
}

TEST(NoteArea, MissingBitmapIsReportedAsCannotLoad) {
    CNoteArea::Pictures pictures;
    EXPECT_EQ(CNoteArea::LoadPictures(pictures, {IDB_STAFF, IDB_NOTEHEAD, IDB_FLAT, IDB_SHARP}), 0);
    CNoteArea::Pictures broken;
    EXPECT_EQ(CNoteArea::LoadPictures(broken, {IDB_STAFF, 9999, IDB_FLAT, IDB_SHARP}),
              IDS_CLEF_NOT_LOADED);
}

TEST(NoteAreaDeathTest, CreationFailureBeepsShowsTheMessageAndEndsWithStatus7) {
    EXPECT_EXIT(
        {
            SetMessageHooks({[](unsigned) { std::fputs("beep\n", stderr); },
                             [](const QString& text, unsigned icon) {
                                 std::fprintf(stderr, "box %u %s\n", icon, qPrintable(text));
                             }});
            CNoteArea::FailCreation(IDS_CLEF_NOT_LOADED);
        },
        ::testing::ExitedWithCode(7), "beep\nbox 16 Cannot load clef bitmap");
}
