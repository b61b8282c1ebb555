// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/FrequencyDisplay.h"

#include <QCoreApplication>

#include "views/SpokenReading.h"

static_assert(CFrequencyDisplay::WIDTH == 119 && CFrequencyDisplay::HEIGHT == 30);
static_assert(CFrequencyDisplay::DIGIT_X[4] == 64 && CFrequencyDisplay::H_X == 89 &&
              CFrequencyDisplay::Z_X == 103);

namespace {
enum Segment : unsigned {
    SEG_A = 1 << 0,  // top bar
    SEG_B = 1 << 1,  // upper right
    SEG_C = 1 << 2,  // lower right
    SEG_D = 1 << 3,  // bottom bar
    SEG_E = 1 << 4,  // lower left
    SEG_F = 1 << 5,  // upper left
    SEG_G = 1 << 6,  // middle bar
    SEG_DIAGONAL = 1 << 7,
};
constexpr unsigned ALL = SEG_A | SEG_B | SEG_C | SEG_D | SEG_E | SEG_F | SEG_G;

// Segments of glyph codes 0 ... 13: the digits, "all segments", H, z, dash.
constexpr unsigned GLYPHS[14] = {
    SEG_A | SEG_D | SEG_F | SEG_E | SEG_B | SEG_C,  // 0
    SEG_B | SEG_C,                                  // 1
    SEG_A | SEG_G | SEG_D | SEG_E | SEG_B,          // 2
    SEG_A | SEG_G | SEG_D | SEG_B | SEG_C,          // 3
    SEG_G | SEG_F | SEG_B | SEG_C,                  // 4
    SEG_A | SEG_G | SEG_D | SEG_F | SEG_C,          // 5
    SEG_A | SEG_G | SEG_D | SEG_F | SEG_E | SEG_C,  // 6
    SEG_A | SEG_B | SEG_C,                          // 7
    ALL,                                            // 8
    SEG_A | SEG_G | SEG_D | SEG_F | SEG_B | SEG_C,  // 9
    ALL,                                            // 10
    SEG_G | SEG_F | SEG_E | SEG_B | SEG_C,          // H
    SEG_G | SEG_DIAGONAL | SEG_D,                   // z
    SEG_G,                                          // dash
};
}  // namespace

CFrequencyDisplay::CFrequencyDisplay(CFrequencyDigits* pDigits, QWidget* pParent)
    : CBufferedWindow(pParent),
      m_pOwnDigits(pDigits ? nullptr : std::make_unique<CFrequencyDigits>()),
      m_pDigits(pDigits ? pDigits : m_pOwnDigits.get()) {
    setFixedSize(WIDTH, HEIGHT);
    setAccessibleName(QCoreApplication::translate("CFrequencyDisplay", "Frequency display"));
    m_bPaintsEveryPixel = true;
}

QString CFrequencyDisplay::SpokenText() const {
    const QString hz = FrequencyInWords(m_pDigits->GetFrequency());
    if (hz.isEmpty() && m_pHold && m_pHold->IsHolding())
        return FrequencyInWords(m_pHold->GetFrequency()) +
               QCoreApplication::translate("SpokenReading", ", held");
    return hz.isEmpty() ? QCoreApplication::translate("SpokenReading", NO_INPUT_SIGNAL_TEXT) : hz;
}

void CFrequencyDisplay::DrawGlyph(CDC* pDC, int nCode, int x) {
    if (nCode < 0 || nCode > 13) return;
    const unsigned segments = GLYPHS[nCode];
    constexpr int M = MARGIN, T = THICKNESS, W = GLYPH_WIDTH, HALF = GLYPH_HEIGHT / 2;
    constexpr int MIDDLE = (HEIGHT - T) / 2;
    if (segments & SEG_A) pDC->Rectangle(x, M, x + W, M + T);
    if (segments & SEG_G) pDC->Rectangle(x, MIDDLE, x + W, MIDDLE + T);
    if (segments & SEG_D) pDC->Rectangle(x, M + GLYPH_HEIGHT - T, x + W, M + GLYPH_HEIGHT);
    if (segments & SEG_F) pDC->Rectangle(x, M, x + T, M + HALF);
    if (segments & SEG_E) pDC->Rectangle(x, M + HALF, x + T, M + GLYPH_HEIGHT);
    if (segments & SEG_B) pDC->Rectangle(x + W - T, M, x + W, M + HALF);
    if (segments & SEG_C) pDC->Rectangle(x + W - T, M + HALF, x + W, M + GLYPH_HEIGHT);
    if (segments & SEG_DIAGONAL) {
        pDC->MoveTo(x + 10, 14);
        pDC->LineTo(x - 1, 24);
        pDC->MoveTo(x + 11, 14);
        pDC->LineTo(x, 24);
    }
}

std::array<int, FREQUENCY_DIGITS> CFrequencyDisplay::ShownDigits(bool& bHeld) const {
    const auto digits = m_pDigits->GetDigits();
    // A held reading stands in grey where the live one shows dashes.
    bHeld = digits[0] == GLYPH_DASH && m_pHold && m_pHold->IsHolding();
    if (!bHeld) return digits;
    return CFrequencyDigits::ComputeDigits(m_pHold->GetFrequency(), MIN_FUNDAMENTAL_FREQUENCY);
}

bool CFrequencyDisplay::GetPictureKey(PictureKey& key) const {
    bool bHeld = false;
    const auto digits = ShownDigits(bHeld);
    key.insert(key.end(), digits.begin(), digits.end());
    key.push_back(bHeld);
    return true;
}

void CFrequencyDisplay::OnDraw(CDC* pDC) {
    // The context's own black pen outlines the black ground.
    pDC->SelectObject(&m_brBlack);
    pDC->Rectangle(0, 0, WIDTH, HEIGHT);

    pDC->SelectObject(&m_brDarkGrey);
    pDC->SelectObject(&m_penDarkGrey);
    for (int x : DIGIT_X) DrawGlyph(pDC, GLYPH_ALL, x);

    pDC->SelectObject(&m_brGreen);
    pDC->SelectObject(&m_penGreen);
    DrawGlyph(pDC, GLYPH_H, H_X);
    DrawGlyph(pDC, GLYPH_Z, Z_X);

    bool bHeld = false;
    const auto digits = ShownDigits(bHeld);
    if (bHeld) {
        pDC->SelectObject(&m_brHeld);
        pDC->SelectObject(&m_penHeld);
    }
    for (int i = 0; i < FREQUENCY_DIGITS; ++i) DrawGlyph(pDC, digits[i], DIGIT_X[i]);

    // The decimal point, after the tenths glyph; drawn also with dashes.
    const int tenths = DIGIT_X[4];
    pDC->Rectangle(tenths - 3 * GAP / 2, MARGIN + GLYPH_HEIGHT - THICKNESS, tenths - GAP / 2,
                   MARGIN + GLYPH_HEIGHT);
}
