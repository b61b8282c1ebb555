// SPDX-License-Identifier: GPL-3.0-or-later
// The views on a scaled screen, as the window paints them (QWidget::grab runs
// the paint event at the screen's pixel ratio). Run under QT_SCALE_FACTOR=2
// (HighDpi.Integer*) and QT_SCALE_FACTOR=1.5 (HighDpi.Fractional*).
#include <gtest/gtest.h>

#include <QPixmap>
#include <cmath>
#include <vector>

#include "PixelSupport.h"
#include "analysis/Constants.h"
#include "analysis/NoteTable.h"
#include "app/AppIds.h"
#include "resources/AppResources.h"
#include "views/CentMeter.h"
#include "views/FrequencyDisplay.h"
#include "views/NoteArea.h"
#include "views/SpectrumArea.h"

namespace {
constexpr int WC = 362, H = 193, W = WC - 40, P = H - 40;
constexpr unsigned BINS = FFT_SIZE_LARGE / 2 + 1;

// The four views, each showing something of everything it can draw: text,
// lines, rectangles and bitmaps.
struct Views {
    CFont font;
    CNoteArea note;
    CCentMeter meter;
    CFrequencyDisplay frequency;
    CSpectrumArea spectrum;
    Views() {
        font.CreateDialogFont();
        note.m_pFont = &font;
        spectrum.m_pFont = &font;
        note.m_bSharps = 1;
        note.SetFrequency(NoteTable[63]);  // D7#: sharp, octave sign and its "8"
        for (int i = 0; i < 3; ++i) {
            meter.SetPitch(441.2f, 440.0f);
            meter.ComputeCents();
        }
        frequency.ShowFrequency(441.2f);
        spectrum.SetSize(WC + 2, H + 2);
        std::vector<float> mags(BINS, 0.001f);
        for (unsigned b = 100; b < 140; ++b) mags[b] = 0.5f;
        const int peak = spectrum.GetColumns()->PrepareColumns(
            mags.data(), BINS, static_cast<float>(SAMPLE_RATE) / FFT_SIZE_LARGE, 500.0);
        spectrum.SetPeakColumn(peak);
    }
    std::vector<CBufferedWindow*> All() { return {&note, &meter, &frequency, &spectrum}; }
};

QImage Grab(CBufferedWindow& view) {
    view.show();
    return view.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(HighDpi, IntegerRatioKeepsTheGeometryAndDrawsTextAtDeviceResolution) {
    Views v;
    for (CBufferedWindow* pView : v.All()) {
        pView->RecordTextCells(true);
        const QImage device = Grab(*pView);
        ASSERT_EQ(device.devicePixelRatio(), 2.0) << "run me with QT_SCALE_FACTOR=2";
        ASSERT_EQ(device.size(), pView->size() * 2);
        const QImage logical = pView->RenderImage();
        const int o = pView->ClientSize() == pView->size() ? 0 : 1;  // the border
        // Text cells, a pixel wider all round: glyphs at another size may
        // reach a little further.
        std::vector<QRect> text;
        for (const QRect& r : pView->GetTextCells()) text.push_back(r.adjusted(-1, -1, 1, 1));
        auto inText = [&](int x, int y) {
            for (const QRect& r : text)
                if (r.contains(x, y)) return true;
            return false;
        };
        int nMismatches = 0, nDetailed = 0;
        for (int y = 0; y < logical.height(); ++y)
            for (int x = 0; x < logical.width(); ++x) {
                const int dx = 2 * (x + o), dy = 2 * (y + o);
                const QRgb a = device.pixel(dx, dy), b = device.pixel(dx + 1, dy),
                           c = device.pixel(dx, dy + 1), d = device.pixel(dx + 1, dy + 1);
                if (inText(x, y)) {
                    nDetailed += a != b || a != c || a != d;
                } else if (a != logical.pixel(x, y) || b != a || c != a || d != a) {
                    ++nMismatches;
                }
            }
        EXPECT_EQ(nMismatches, 0) << pView->accessibleName().toStdString();
        // The frequency display has no text; the others' text has detail
        // finer than a logical pixel.
        if (!text.empty()) {
            EXPECT_GT(nDetailed, 10) << pView->accessibleName().toStdString();
        }
    }
    v.spectrum.hide();
    // The panel's pictures come in their 2x versions, same logical size.
    const QPixmap midi = LoadIconResource(IDI_MIDI_ON);
    EXPECT_EQ(midi.devicePixelRatio(), 2.0);
    EXPECT_EQ(midi.size(), QSize(64, 64));
}

// Darkness of the device pixels across a line: how many are touched, and
// their summed ink (255 = one black pixel).
struct Profile {
    int nTouched = 0;
    int nInk = 0;
};
Profile Across(const QImage& image, int fixed, int from, int to, bool bVertical) {
    Profile p;
    for (int i = from; i <= to; ++i) {
        const QRgb rgb = bVertical ? image.pixel(i, fixed) : image.pixel(fixed, i);
        const int ink = 255 - qGray(rgb);
        p.nTouched += ink > 8;
        p.nInk += ink;
    }
    return p;
}

TEST(HighDpi, FractionalRatioGivesEveryDottedGridLineOneThickness) {
    CFont font;
    font.CreateDialogFont();
    CSpectrumArea spectrum;
    spectrum.m_pFont = &font;
    spectrum.SetSize(WC + 2, H + 2);
    const QImage device = Grab(spectrum);
    ASSERT_EQ(device.devicePixelRatio(), 1.5) << "run me with QT_SCALE_FACTOR=1.5";
    // Window coordinates are client + 1; window pixel X covers device
    // pixels 1.5 X ... 1.5 X + 1.5.
    auto dev = [](double window) { return static_cast<int>(std::floor(window * 1.5)); };
    std::vector<Profile> lines;
    // The dotted ticks at 1k, 2k and 3k, across the middle of their first dash.
    for (double f : {1000.0, 2000.0, 3000.0}) {
        const int x = static_cast<int>(W * (f - 40) / 3960 + 20) + 1;
        lines.push_back(Across(device, dev(H - 21 + 1 + 0.5), dev(x) - 3, dev(x) + 4, true));
    }
    // The dotted dB grid lines at 45 dB, across the middle of their second dash.
    for (int y : {H - 20 - P / 3, H - 20 - 2 * P / 3})
        lines.push_back(Across(device, dev(27 + 1 + 0.5), dev(y + 1) - 3, dev(y + 1) + 4, false));
    for (const Profile& p : lines) {
        EXPECT_EQ(p.nTouched, lines[0].nTouched);
        EXPECT_NEAR(p.nInk, lines[0].nInk, 6);
    }
    // One and a half black pixels' worth of ink: the logical pixel's share.
    EXPECT_NEAR(lines[0].nInk, 255 * 3 / 2, 12);
    spectrum.hide();
}
}  // namespace
