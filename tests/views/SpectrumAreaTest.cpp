// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <limits>
#include <vector>

#include "PixelSupport.h"
#include "analysis/Constants.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MessageBox.h"
#include "resources/Resource.h"
#include "resources/StringTable.h"
#include "views/SpectrumArea.h"

namespace {
const COLORREF WHITE = RGB(255, 255, 255);
const COLORREF BLACK = RGB(0, 0, 0);
const COLORREF GREEN = RGB(0, 128, 0);
const COLORREF MARKER = RGB(224, 0, 0);

// The client area of the spectrum in the main window's first layout.
constexpr int WC = 362, H = 193, W = WC - 40, P = H - 40;
constexpr unsigned BINS = FFT_SIZE_LARGE / 2 + 1;
constexpr float BIN_WIDTH = static_cast<float>(SAMPLE_RATE) / FFT_SIZE_LARGE;

int LinearX(double f, double from = 40, double range = 3960) {
    return static_cast<int>(W * (f - from) / range + 20);
}
int LogX(double f) {
    return static_cast<int>(W * std::log10(f / 40) / 2 + 20);
}

struct Spectrum {
    CFont font;
    CSpectrumArea area;
    CSpectrumColumns& columns = *area.GetColumns();
    Spectrum() {
        font.CreateDialogFont();
        area.m_pFont = &font;
        area.SetSize(WC + 2, H + 2);
    }
    QImage Render() { return area.RenderImage(); }
    // Prepares the columns from a spectrum of one level everywhere.
    void Flat(float magnitude, double dominant = -1.0) {
        const std::vector<float> mags(BINS, magnitude);
        const int peak = columns.PrepareColumns(mags.data(), BINS, BIN_WIDTH, dominant);
        area.SetPeakColumn(dominant > 0 ? peak : -1);
    }
};

// Rows of the dB grid at the default 45 dB, drawn over the ticks.
bool GridRow(int y) {
    return y == H - 20 - P / 3 || y == H - 20 - 2 * P / 3;
}

// A vertical tick from the bottom line up: solid, or dotted from its start.
void ExpectTick(const QImage& image, int x, bool bSolid) {
    for (int y = H - 20, i = 0; y > 20; --y, ++i) {
        if (GridRow(y)) continue;
        const COLORREF expected = bSolid || i % 6 < 3 ? BLACK : WHITE;
        ASSERT_EQ(PixelAt(image, x, y), expected) << "x " << x << " y " << y;
    }
}
void ExpectNoTick(const QImage& image, int x) {
    int ink = 0;
    for (int y = 21; y < H - 19; ++y) ink += !GridRow(y) && PixelAt(image, x, y) == BLACK;
    EXPECT_EQ(ink, 0) << "x " << x;
}

// Text drawn by the view at (x, y) equals the same text drawn alone.
void ExpectText(const QImage& image, int x, int y, const QString& text, int width) {
    QImage alone = BlankImage(WC, H);
    CDC dc(&alone);
    CFont font;
    font.CreateDialogFont();
    dc.SelectObject(&font);
    dc.TextOut(x, y, text);
    // The frame's bottom line is drawn over the first row of the label row.
    const int top = y == H - 19 && x < W + 20 ? y + 1 : y;
    EXPECT_TRUE(SameRegion(image, alone, QRect(x, top, width, y + 13 - top)))
        << qPrintable(text) << " at " << y;
}

int Zoomed = 0;
unsigned ZoomLevel = 99;
float ZoomCentre = 0;
void FakeZoom(unsigned level, float centre, float* from, float* to, float* range,
              double* logRange) {
    ++Zoomed;
    ZoomLevel = level;
    ZoomCentre = centre;
    *from = 1000;
    *to = 2000;
    *range = 1000;
    *logRange = std::log10(2.0);
}
}  // namespace

TEST(SpectrumArea, DefaultLinearAxisAtZoomLevel0) {
    Spectrum s;
    s.Flat(0.0f);
    const QImage image = s.Render();
    ASSERT_EQ(image.size(), QSize(WC, H));
    // 40 Hz and 4 kHz coincide with the frame edges, 1k, 2k, 3k are dotted.
    ExpectTick(image, 20, true);
    ExpectTick(image, W + 20, true);
    for (double f : {1000.0, 2000.0, 3000.0}) ExpectTick(image, LinearX(f), false);
    for (double f : {250.0, 500.0, 750.0, 1250.0, 1500.0, 2500.0, 3750.0})
        ExpectNoTick(image, LinearX(f));
    // Labels at x - 11 in the label row.
    ExpectText(image, LinearX(1000) - 11, H - 19, QStringLiteral(" 1k"), 18);
    ExpectText(image, LinearX(3000) - 11, H - 19, QStringLiteral(" 3k"), 18);
    ExpectText(image, WC - 15, H - 19, QStringLiteral("Hz"), 15);
    ExpectText(image, 5, 2, QStringLiteral("dB"), 14);
    // The frame.
    EXPECT_EQ(CountColour(image, QRect(20, 20, W + 1, 1), BLACK), W + 1);
    EXPECT_EQ(CountColour(image, QRect(20, H - 19, W + 1, 1), BLACK), W + 1);
    // The background outside the frame and text.
    EXPECT_EQ(PixelAt(image, WC - 1, 10), WHITE);
}

TEST(SpectrumArea, ZoomLevelsSkipTickRows) {
    Spectrum s;
    s.Flat(0.0f);
    s.columns.m_nZoomLevel = 1;
    QImage image = s.Render();
    for (double f : {500.0, 1500.0, 2500.0, 3500.0}) ExpectTick(image, LinearX(f), false);
    for (double f : {250.0, 750.0, 1250.0, 3750.0}) ExpectNoTick(image, LinearX(f));
    ExpectText(image, LinearX(1500) - 11, H - 19, QStringLiteral("1.5k"), 10);

    s.columns.m_nZoomLevel = 2;
    image = s.Render();
    for (int i = 1; i < 16; ++i) ExpectTick(image, LinearX(250.0 * i), false);

    // A zoomed range: rows outside the plot are skipped without using up a skip.
    s.columns.m_nZoomLevel = 1;
    s.columns.m_fFrom = 1000;
    s.columns.m_fTo = 2000;
    s.columns.m_fRange = 1000;
    image = s.Render();
    ASSERT_EQ(LinearX(1000, 1000, 1000), 20);
    ExpectText(image, 20 - 11, H - 19, QStringLiteral(" 1k"), 18);
    ExpectNoTick(image, LinearX(1250, 1000, 1000));
    ExpectTick(image, LinearX(1500, 1000, 1000), false);
    ExpectNoTick(image, LinearX(1750, 1000, 1000));
    ExpectText(image, W + 20 - 11, H - 19, QStringLiteral(" 2k"), 15);  // "Hz" follows at WC - 15
}

TEST(SpectrumArea, LogarithmicAxis) {
    Spectrum s;
    s.Flat(0.0f);
    s.columns.m_bLogarithmic = 1;
    const QImage image = s.Render();
    EXPECT_EQ(LogX(40), 20);
    EXPECT_EQ(LogX(4000), W + 20);
    ExpectTick(image, 20, true);
    ExpectTick(image, W + 20, true);
    for (double f : {100.0, 200.0, 400.0, 1000.0, 2000.0}) ExpectTick(image, LogX(f), false);
    ExpectNoTick(image, LinearX(1000));
    ExpectText(image, LogX(400) - 11, H - 19, QStringLiteral("400"), 10);
}

TEST(SpectrumArea, DbGridAndLabelsForEachDynamicRange) {
    struct Case {
        int range;
        std::vector<int> grid;  // a for the lines at H - 20 - a
        std::vector<std::pair<const char*, int>> labels;
    };
    const Case cases[] = {
        {30,
         {P / 3, 2 * P / 3},
         {{"-10", H - 2 * P / 3 - 25}, {"-20", H - P / 3 - 25}, {"-30", H - 30}}},
        {35, {P / 2}, {{"-17", H - P / 2 - 25}, {"-35", H - 30}}},
        {40,
         {P / 4, P / 2, 3 * P / 4},
         {{"-10", H - 3 * P / 4 - 25},
          {"-20", H - P / 2 - 25},
          {"-30", H - P / 4 - 25},
          {"-40", H - 30}}},
        {45,
         {P / 3, 2 * P / 3},
         {{"-15", H - 2 * P / 3 - 25}, {"-30", H - P / 3 - 25}, {"-45", H - 30}}},
        {50, {P / 2}, {{"-25", H - P / 2 - 25}, {"-50", H - 30}}},
        {60,
         {P / 3, 2 * P / 3},
         {{"-20", H - 2 * P / 3 - 25}, {"-40", H - P / 3 - 25}, {"-60", H - 30}}},
        {70, {P / 2}, {{"-35", H - P / 2 - 25}, {"-70", H - 30}}},
        {80,
         {P / 4, P / 2, 3 * P / 4},
         {{"-20", H - 3 * P / 4 - 25},
          {"-40", H - P / 2 - 25},
          {"-60", H - P / 4 - 25},
          {"-80", H - 30}}},
    };
    for (const Case& c : cases) {
        Spectrum s;
        s.columns.m_nDynamicRange = c.range;
        s.Flat(0.0f);
        const QImage image = s.Render();
        // Dotted horizontal lines between the frame edges, none elsewhere.
        int nLines = 0;
        for (int y = 21; y < H - 19; ++y) {
            const bool bLine = PixelAt(image, 21, y) == BLACK && PixelAt(image, 24, y) == WHITE &&
                               PixelAt(image, 27, y) == BLACK;
            nLines += bLine;
            if (bLine) {
                EXPECT_TRUE(std::find(c.grid.begin(), c.grid.end(), H - 20 - y) != c.grid.end())
                    << c.range << " dB, line at " << y;
            }
        }
        EXPECT_EQ(nLines, static_cast<int>(c.grid.size())) << c.range;
        ExpectText(image, 2, H - P - 25, QStringLiteral("   0"), 18);
        for (const auto& [text, y] : c.labels)
            ExpectText(image, 2, y, QString::fromLatin1(text), 18);
    }
}

TEST(SpectrumArea, AllZeroCurveLiesOnTheBottomLineAndAFlatOneAtItsLevel) {
    Spectrum s;
    s.Flat(0.0f);
    QImage image = s.Render();
    EXPECT_EQ(CountColour(image, image.rect(), GREEN), 0);  // hidden by the frame's bottom line

    // Half the dynamic range down: columns P / 2, drawn one row lower. The
    // last column is the end point of the last segment (left out), the
    // first lies under the frame.
    s.Flat(static_cast<float>(std::pow(10.0, -22.5 / 20)));
    image = s.Render();
    const int row = static_cast<int>(H - 20 - P / 2.0 + 1);
    EXPECT_EQ(CountColour(image, QRect(21, row, W - 2, 1), GREEN), W - 2);
    EXPECT_EQ(CountColour(image, image.rect(), GREEN), W - 2);
}

TEST(SpectrumArea, PeakCrossOnlyForAColumnInsideThePlot) {
    Spectrum s;
    s.Flat(1.0f);  // 0 dB: the curve along the top line, y = 20
    s.area.SetPeakColumn(100);
    QImage image = s.Render();
    const int p = 100, y = 20;
    for (int k = 0; k < 5; ++k) {
        if (y - 2 + k == 20) continue;  // under the frame
        EXPECT_EQ(PixelAt(image, p + 18 + k, y - 2 + k), MARKER) << k;
        EXPECT_EQ(PixelAt(image, p + 22 - k, y - 2 + k), MARKER) << k;
    }
    EXPECT_EQ(PixelAt(image, p + 23, y + 3), WHITE);
    EXPECT_EQ(CountColour(image, image.rect(), MARKER), 2 * 5 - 2);

    for (int none : {0, -1, W, W + 5}) {
        s.area.SetPeakColumn(none);
        EXPECT_EQ(CountColour(s.Render(), QRect(0, 0, WC, H), MARKER), 0) << none;
    }
    // From PrepareColumns: 1 kHz gives its column, a frequency outside the band none.
    s.Flat(1.0f, 1000.0);
    EXPECT_GT(CountColour(s.Render(), QRect(0, 0, WC, H), MARKER), 0);
}

TEST(SpectrumArea, NonFiniteColumnsDrawWithoutHarm) {
    Spectrum s;
    s.Flat(std::numeric_limits<float>::quiet_NaN(), 440.0);
    QImage image = s.Render();
    EXPECT_EQ(CountColour(image, QRect(21, 21, W - 1, H - 41), GREEN), 0);
    s.Flat(std::numeric_limits<float>::infinity(), 440.0);
    image = s.Render();
    EXPECT_EQ(image.size(), QSize(WC, H));
}

TEST(SpectrumArea, ColoursOfTraceAndBackground) {
    Spectrum s;
    s.Flat(static_cast<float>(std::pow(10.0, -22.5 / 20)));
    s.area.SetSpectrumColor(RGB(10, 20, 30));
    s.area.m_crBackground = RGB(250, 250, 200);
    QImage image = s.Render();
    EXPECT_EQ(CountColour(image, image.rect(), RGB(10, 20, 30)), W - 2);
    EXPECT_EQ(PixelAt(image, WC - 1, 10), RGB(250, 250, 200));
    s.area.SetDefaultColors();
    image = s.Render();
    EXPECT_EQ(CountColour(image, image.rect(), GREEN), W - 2);
    EXPECT_EQ(PixelAt(image, WC - 1, 10), WHITE);
}

TEST(SpectrumArea, UnreadableFontUsesOffset11AndReportsOnce) {
    std::vector<std::string> events;
    SetMessageHooks({[&](unsigned) { events.push_back("beep"); },
                     [&](const QString& text, unsigned) { events.push_back(text.toStdString()); }});
    Spectrum s;
    s.Flat(0.0f);
    const QImage withFont = s.Render();
    CFont unreadable;
    s.area.m_pFont = &unreadable;
    const QImage without = s.Render();
    s.Render();
    QCoreApplication::processEvents();
    ClearMessageHooks();
    // Same label places; the context's own font is the dialog font here.
    EXPECT_EQ(without, withFont);
    EXPECT_EQ(events, (std::vector<std::string>{"beep", LoadResString(IDS_FONT_ATTRIBUTES)}));
}

TEST(SpectrumArea, ZoomMenuWithoutPluginShowsMessage173) {
    std::vector<std::string> boxes;
    SetMessageHooks({{}, [&](const QString& text, unsigned icon) {
                         EXPECT_EQ(icon, MB_ICONINFORMATION);
                         boxes.push_back(text.toStdString());
                     }});
    Spectrum s;
    EXPECT_FALSE(s.area.BeginZoomMenu(QPoint(100, 50)));
    ClearMessageHooks();
    EXPECT_EQ(boxes, (std::vector<std::string>{LoadResString(IDS_DISPLAY_PLUGIN_MISSING)}));
    EXPECT_EQ(s.columns.m_nZoomLevel, 0u);
}

TEST(SpectrumArea, ZoomMenuOpensOnlyInsideThePlotWidthAndTakesTheCentre) {
    Spectrum s;
    s.area.SetZoomFunction(FakeZoom);
    EXPECT_FALSE(s.area.BeginZoomMenu(QPoint(19, 50)));
    EXPECT_FALSE(s.area.BeginZoomMenu(QPoint(W + 21, 50)));
    ASSERT_TRUE(s.area.BeginZoomMenu(QPoint(20, 50)));
    EXPECT_EQ(s.area.m_fZoomCentre, 40.0f);
    ASSERT_TRUE(s.area.BeginZoomMenu(QPoint(W + 20, 50)));
    EXPECT_EQ(s.area.m_fZoomCentre, 4000.0f);
    ASSERT_TRUE(s.area.BeginZoomMenu(QPoint(20 + W / 2, 50)));  // W even: the middle
    EXPECT_EQ(s.area.m_fZoomCentre, 40.0f + 1980.0f);
    ASSERT_TRUE(s.area.BeginZoomMenu(QPoint(20 + 107, 0)));
    EXPECT_EQ(s.area.m_fZoomCentre, 40.0f + std::floor(107.0 / W * 3960));
    s.columns.m_bLogarithmic = 1;
    ASSERT_TRUE(s.area.BeginZoomMenu(QPoint(20 + W / 2, 50)));
    EXPECT_EQ(s.area.m_fZoomCentre, 400.0f);
}

TEST(SpectrumArea, ZoomCommandsStepWithinZeroToThreeAndAlwaysAskThePlugin) {
    Spectrum s;
    s.area.SetZoomFunction(FakeZoom);
    Zoomed = 0;
    s.area.m_fZoomCentre = 1500;
    s.area.OnZoomOut();  // at 0: stays, still asks
    EXPECT_EQ(Zoomed, 1);
    EXPECT_EQ(ZoomLevel, 0u);
    for (unsigned expected : {1u, 2u, 3u, 3u}) {
        s.area.OnZoomIn();
        EXPECT_EQ(s.columns.m_nZoomLevel, expected);
        EXPECT_EQ(ZoomLevel, expected);
    }
    EXPECT_EQ(Zoomed, 5);
    EXPECT_EQ(ZoomCentre, 1500.0f);
    // The plug-in's range is the view's.
    EXPECT_EQ(s.columns.m_fFrom, 1000.0f);
    EXPECT_EQ(s.columns.m_fTo, 2000.0f);
    EXPECT_EQ(s.columns.m_fRange, 1000.0f);
    EXPECT_DOUBLE_EQ(s.columns.m_dLogRange, std::log10(2.0));
    s.area.OnZoomOut();
    EXPECT_EQ(s.columns.m_nZoomLevel, 2u);
}

TEST(SpectrumArea, ZoomItemsAreGreyedExactlyWhenTheyCannotChangeTheLevel) {
    Spectrum s;
    s.area.SetZoomFunction(FakeZoom);
    QMenu* menu = s.area.GetZoomMenu();
    auto state = [&] {
        return std::pair(FindMenuItem(menu, ID_ZOOM_IN)->isEnabled(),
                         FindMenuItem(menu, ID_ZOOM_OUT)->isEnabled());
    };
    EXPECT_EQ(state(), std::pair(true, false));
    s.area.OnZoomIn();
    EXPECT_EQ(state(), std::pair(true, true));
    s.area.OnZoomIn();
    s.area.OnZoomIn();
    EXPECT_EQ(state(), std::pair(false, true));
    // A level changed elsewhere (the spectrum settings) shows when the menu opens.
    s.columns.m_nZoomLevel = 0;
    ASSERT_TRUE(s.area.BeginZoomMenu(QPoint(100, 50)));
    EXPECT_EQ(state(), std::pair(true, false));
}

TEST(SpectrumArea, PaintEventShowsTheRenderedClientInsideABorder) {
    Spectrum s;
    s.Flat(static_cast<float>(std::pow(10.0, -22.5 / 20)), 1000.0);
    const QImage client = s.Render();
    const QImage window = s.area.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(window.size(), QSize(WC + 2, H + 2));
    EXPECT_EQ(window.copy(1, 1, WC, H), client);
    EXPECT_EQ(CountColour(window, QRect(0, 0, WC + 2, 1), BLACK), WC + 2);
    EXPECT_EQ(CountColour(window, QRect(0, 0, 1, H + 2), BLACK), H + 2);
    // The right click maps through the border to client coordinates.
    EXPECT_EQ(s.area.ToClient(QPoint(21, 5)), QPoint(20, 4));
}

// A refresh draws and sends only what changed, and the screen then holds the
// picture a view drawing afresh would show; a grab in between does not count
// as the screen.
TEST(SpectrumArea, RefreshSendsOnlyWhatChangedAndTheScreenShowsTheWholePicture) {
    Spectrum s;
    s.area.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&s.area));
    std::vector<float> mags(BINS, 0.01f);
    // One bin's level, no cross: the curve alone changes.
    auto prepare = [&](float level) {
        mags[300] = level;
        s.columns.PrepareColumns(mags.data(), BINS, BIN_WIDTH, 300 * BIN_WIDTH);
        s.area.SetPeakColumn(-1);
    };
    auto refresh = [&] {
        const QRect rect = s.area.UpdateIfChanged();
        if (!rect.isEmpty()) s.area.repaint(rect);
        return rect;
    };
    auto screenShowsThePicture = [&] {
        const QImage screen = QGuiApplication::primaryScreen()
                                  ->grabWindow(s.area.winId())
                                  .toImage()
                                  .convertToFormat(QImage::Format_RGB32);
        CSpectrumArea drawnAfresh(&s.columns);
        drawnAfresh.m_pFont = &s.font;
        drawnAfresh.SetSize(WC + 2, H + 2);
        drawnAfresh.SetSpectrumColor(s.area.m_pSpectrumPen->m_crColor);
        return screen.copy(1, 1, WC, H) == drawnAfresh.RenderImage();
    };
    prepare(1.0f);
    refresh();
    EXPECT_TRUE(refresh().isEmpty());

    prepare(0.1f);
    s.area.grab();
    const QRect strip = refresh();
    EXPECT_FALSE(strip.isEmpty());
    EXPECT_LT(strip.width(), 30);
    EXPECT_TRUE(screenShowsThePicture());

    // A colour or a setting changes the whole picture, labels and grid too.
    s.area.SetSpectrumColor(RGB(0, 0, 255));
    EXPECT_EQ(refresh(), QRect(1, 1, WC, H));
    EXPECT_TRUE(screenShowsThePicture());
    s.columns.m_nDynamicRange = 80;
    EXPECT_EQ(refresh(), QRect(1, 1, WC, H));
    EXPECT_TRUE(screenShowsThePicture());
}

TEST(SpectrumArea, RightClickInThePlotOpensTheZoomMenuAndRunsTheChosenCommand) {
    Spectrum s;
    s.area.SetZoomFunction(FakeZoom);
    s.area.show();
    Zoomed = 0;
    bool bMenuSeen = false;
    // While the menu is open: choose its first item with the keyboard.
    QTimer::singleShot(0, [&] {
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!popup) return;
        bMenuSeen = popup == s.area.GetZoomMenu();
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
    });
    // Should the keys not reach the menu, close it rather than hang.
    QTimer::singleShot(5000, &s.area, [] {
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    });
    // Widget point 21 + W / 2 is client x 20 + W / 2, the middle of the plot.
    const QPoint at(21 + W / 2, 60);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, s.area.mapToGlobal(at));
    QApplication::sendEvent(&s.area, &event);
    EXPECT_TRUE(bMenuSeen);
    EXPECT_EQ(Zoomed, 1);
    EXPECT_EQ(ZoomLevel, 1u);
    EXPECT_EQ(ZoomCentre, 40.0f + 1980.0f);
    EXPECT_EQ(s.columns.m_nZoomLevel, 1u);

    // Outside the plot's width no menu opens.
    bMenuSeen = false;
    QTimer::singleShot(0, [&] { bMenuSeen = QApplication::activePopupWidget() != nullptr; });
    const QPoint left(10, 60);
    QContextMenuEvent outside(QContextMenuEvent::Mouse, left, s.area.mapToGlobal(left));
    QApplication::sendEvent(&s.area, &outside);
    QCoreApplication::processEvents();
    EXPECT_FALSE(bMenuSeen);
    EXPECT_EQ(Zoomed, 1);
}

TEST(SpectrumArea, LogarithmicRowLeftOfThePlotIsDrawnAndClipped) {
    Spectrum s;
    s.Flat(0.0f);
    s.columns.m_bLogarithmic = 1;
    s.columns.m_fFrom = 41;
    s.columns.m_fTo = 4000;
    s.columns.m_fRange = 3959;
    s.columns.m_dLogRange = std::log10(4000.0 / 41.0);
    const QImage image = s.Render();
    // The 40 Hz row lands at x = 18, left of the plot: a frame-pen line from
    // the bottom of the plot up to y = 21, broken only where a dB label's
    // text cell is painted over it afterwards.
    constexpr int X = 18;
    ASSERT_EQ(static_cast<int>(W * std::log10(40.0 / 41.0) / std::log10(4000.0 / 41.0) + 20), X);
    CFont font;
    font.CreateDialogFont();
    const QFontMetrics metrics(font.GetQFont());
    auto underLabel = [&](int y) {
        const std::pair<const char*, int> labels[] = {{"   0", H - P - 25},
                                                      {"-15", H - 2 * P / 3 - 25},
                                                      {"-30", H - P / 3 - 25},
                                                      {"-45", H - 30}};
        for (auto [text, top] : labels)
            if (y >= top && y < top + metrics.height() &&
                2 + metrics.horizontalAdvance(QString::fromLatin1(text)) > X)
                return true;
        return false;
    };
    int nLine = 0;
    for (int y = 21; y <= H - 20; ++y) {
        if (underLabel(y)) continue;
        ++nLine;
        EXPECT_EQ(PixelAt(image, X, y), BLACK) << "y " << y;
    }
    EXPECT_GT(nLine, P / 2);
    EXPECT_EQ(PixelAt(image, X, 20), WHITE);  // the line's excluded end
    ExpectText(image, X - 11, H - 19, QStringLiteral("  40"), 15);
}
