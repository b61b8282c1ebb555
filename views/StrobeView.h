// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "analysis/PhaseMeter.h"
#include "platform/ui/Gdi.h"
#include "views/BufferedWindow.h"

class QTimer;

// The strobe: one row of bands per harmonic of the target, shifted by the
// phase the phase meter measured, so the bands stand still in tune and drift
// right when sharp, left when flat, at a speed proportional to the error.
// Between blocks the phases run on at their measured rates, at 30 frames a
// second. Above the rows, the target and the offset to a tenth of a cent.
class CStrobeView : public CBufferedWindow {
public:
    // A band and the gap after it, in pixels.
    static constexpr int BAND_PERIOD = 32;
    // A row moves one band period for each 2 pi / PHASE_GAIN of its phase:
    // at A5 a tenth of a cent sharp moves the first row by a band's width in
    // about 2.5 s.
    static constexpr double PHASE_GAIN = 8.0;
    static constexpr int FRAME_MS = 33;
    static constexpr int TEXT_HEIGHT = 16;

    explicit CStrobeView(const CPhaseMeter* pMeter, QWidget* pParent = nullptr);

    // The clock the animation reads, in seconds; a steady clock unless a
    // test drives it.
    std::function<double()> m_fnClock;
    // The name of a target key ("A5"); without it no name is shown.
    std::function<std::string(int)> m_fnTargetName;
    // Set (the display frozen), the picture stays as it is.
    const std::atomic<int>* m_pFrozen = nullptr;
    // Where the colours come from at each frame; without it the members.
    std::function<void(COLORREF& crBackground, COLORREF& crBands)> m_fnColors;

    // One animation step at the clock's time: takes a new block's phases,
    // runs the others on, and repaints. The timer calls it while shown.
    void Tick();

    void OnDraw(CDC* pDC) override;
    QString SpokenText() const override;

    CFont* m_pFont = nullptr;  // the main window's dialog font, not owned
    COLORREF m_crBackground = RGB(255, 255, 255);
    COLORREF m_crBands = RGB(0, 128, 0);

protected:
    void showEvent(QShowEvent* pEvent) override;
    bool GetPictureKey(PictureKey& key) const override;
    void hideEvent(QHideEvent* pEvent) override;

private:
    // A row's band offset in pixels (0 ... BAND_PERIOD - 1), or:
    static constexpr int ROW_HIDDEN = -1;   // no harmonic there
    static constexpr int ROW_BLURRED = -2;  // too fast to follow
    int RowState(int h) const;

    // "A5 +0.3 cents", "A5" while measuring, "" without a signal.
    QString ReadingText() const;
    // Draws the reading line. Its text costs more than all the bands, and it
    // changes at most once a block: it is drawn once into an image of its
    // own and copied into the frames in between.
    void DrawReading(CDC* pDC, const QString& text, int nWidth);
    struct ReadingKey {
        QString strText;
        COLORREF crBackground = 0, crText = 0;
        int nWidth = 0, nHeight = 0, nScale = 0;
        const CFont* pFont = nullptr;
        bool operator==(const ReadingKey&) const = default;
    };
    ReadingKey m_readingKey;  // nHeight: the surface's
    QImage m_readingImage;
    int m_nReadingHeight = 0;

    const CPhaseMeter* m_pMeter;
    QTimer* m_pTimer;
    uint32_t m_nSequence = 0;
    double m_dBlockTime = 0.0;
    std::array<CPhaseMeter::Row, STROBE_ROWS> m_rows{};
    std::array<double, STROBE_ROWS> m_adPhase{};
};
