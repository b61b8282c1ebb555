// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "analysis/CentCounter.h"
#include "analysis/ReadingHold.h"
#include "platform/ui/Gdi.h"
#include "views/BufferedWindow.h"

// The cent meter: a row of 30 bars with one lit by the shown cents, over a
// strip in the colour of that bar's zone carrying the number. It draws what
// its CCentCounter holds.
class CCentMeter : public CBufferedWindow {
public:
    static constexpr int WIDTH = 120;
    static constexpr int HEIGHT = 35;

    // pCounter: the counter to show (not owned); nullptr gives the meter its own.
    explicit CCentMeter(CCentCounter* pCounter = nullptr, QWidget* pParent = nullptr);

    void SetPitch(float frequency, float noteFrequency) {
        m_pCounter->SetPitch(frequency, noteFrequency);
    }
    void ComputeCents() { m_pCounter->ComputeCents(); }
    CCentCounter* GetCounter() const { return m_pCounter; }
    // A held reading to show, greyed, where there is no signal (not owned).
    void SetHold(const CReadingHold* pHold) { m_pHold = pHold; }

    void OnDraw(CDC* pDC) override;
    // "3 cents sharp", "in tune", or "no input signal".
    QString SpokenText() const override;

    // Index of the lit bar for a shown value (30 folds onto 29), and its zone.
    static int LitBar(int nShownCents);
    enum Zone { ZONE_CENTRE, ZONE_MIDDLE, ZONE_OUTER };
    static Zone ZoneOf(int nBar);

protected:
    bool GetPictureKey(PictureKey& key) const override;

private:
    // What the meter shows: one read of each value, as the capture thread
    // may store new ones meanwhile.
    struct Shown {
        int nCents;
        bool bSignal;
        bool bHeld;  // a held reading, drawn in grey
    };
    Shown ReadShown() const;

    std::unique_ptr<CCentCounter> m_pOwnCounter;
    CCentCounter* m_pCounter;
    const CReadingHold* m_pHold = nullptr;

    CBrush m_brDarkGrey{RGB(64, 64, 64)};
    CBrush m_brGreen{RGB(0, 208, 0)};
    CBrush m_brGrey{RGB(128, 128, 128)};
    CBrush m_brRed{RGB(224, 0, 0)};
    CBrush m_brYellow{RGB(255, 240, 0)};
    CPen m_penDarkGrey{PS_SOLID, 1, RGB(64, 64, 64)};
    CPen m_penGreen{PS_SOLID, 1, RGB(0, 208, 0)};
    CPen m_penGrey{PS_SOLID, 1, RGB(128, 128, 128)};
    CPen m_penRed{PS_SOLID, 1, RGB(224, 0, 0)};
    CPen m_penYellow{PS_SOLID, 1, RGB(255, 240, 0)};
    CBrush m_brHeld{RGB(176, 176, 176)};
    CPen m_penHeld{PS_SOLID, 1, RGB(176, 176, 176)};
};
