// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <memory>

#include "analysis/FrequencyDigits.h"
#include "analysis/ReadingHold.h"
#include "platform/ui/Gdi.h"
#include "views/BufferedWindow.h"

// The seven-segment readout of the dominant frequency: four integer digits, a
// decimal point, one decimal and "Hz", over dark grey unlit segments.
class CFrequencyDisplay : public CBufferedWindow {
public:
    static constexpr int MARGIN = 5;                                // M
    static constexpr int THICKNESS = 2;                             // T
    static constexpr int GLYPH_WIDTH = static_cast<int>(10 * 1.1);  // Wd, 11
    // G: ceil(Wd / 3) with Wd / 3 already an integer division, so the
    // ceiling changes nothing.
    static constexpr int GAP = GLYPH_WIDTH / 3;
    static constexpr int GLYPH_HEIGHT = 20;
    static constexpr int HEIGHT = 2 * MARGIN + GLYPH_HEIGHT;              // 30
    static constexpr int WIDTH = 2 * MARGIN + 8 * GLYPH_WIDTH + 7 * GAP;  // 119
    // Left edges of the five digits and of the unit letters.
    static constexpr int DIGIT_X[5] = {
        MARGIN, MARGIN + GLYPH_WIDTH + GAP, MARGIN + 2 * (GLYPH_WIDTH + GAP),
        MARGIN + 3 * (GLYPH_WIDTH + GAP), MARGIN + 4 * GLYPH_WIDTH + 5 * GAP};
    static constexpr int H_X = MARGIN + 6 * GLYPH_WIDTH + 6 * GAP;
    static constexpr int Z_X = MARGIN + 7 * GLYPH_WIDTH + 7 * GAP;

    // pDigits: the frequency to show (not owned); nullptr gives the view its own.
    explicit CFrequencyDisplay(CFrequencyDigits* pDigits = nullptr, QWidget* pParent = nullptr);

    void ShowFrequency(float hz) { m_pDigits->ShowFrequency(hz); }
    CFrequencyDigits* GetDigits() const { return m_pDigits; }
    // A held reading to show, greyed, where there is no signal (not owned).
    void SetHold(const CReadingHold* pHold) { m_pHold = pHold; }

    void OnDraw(CDC* pDC) override;
    // "441.2 Hz", or "no input signal".
    QString SpokenText() const override;

protected:
    bool GetPictureKey(PictureKey& key) const override;

private:
    void DrawGlyph(CDC* pDC, int nCode, int x);
    // The glyphs to light, and whether they are a held reading's (grey).
    std::array<int, FREQUENCY_DIGITS> ShownDigits(bool& bHeld) const;

    std::unique_ptr<CFrequencyDigits> m_pOwnDigits;
    CFrequencyDigits* m_pDigits;
    const CReadingHold* m_pHold = nullptr;
    CBrush m_brHeld{RGB(128, 128, 128)};
    CPen m_penHeld{PS_SOLID, 1, RGB(128, 128, 128)};

    CBrush m_brBlack{RGB(0, 0, 0)};
    CBrush m_brGreen{RGB(0, 208, 0)};
    CBrush m_brDarkGrey{RGB(64, 64, 64)};
    CPen m_penBlack{PS_SOLID, 1, RGB(0, 0, 0)};
    CPen m_penGreen{PS_SOLID, 1, RGB(0, 208, 0)};
    CPen m_penDarkGrey{PS_SOLID, 1, RGB(64, 64, 64)};
};
