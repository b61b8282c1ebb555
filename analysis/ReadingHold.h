// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>

// View -> Hold Last Reading: when the signal ends, the last settled reading
// (one note for at least HOLD_BLOCKS blocks, 0.33 s) stays on show instead of
// "no input signal", until a new note sounds. Only the views see it; the
// analysis, the logs and the recordings go on as without it. Updated by the
// capture thread once a block, read by the views on the user-interface
// thread, each value a single atomic.
class CReadingHold {
public:
    static constexpr int HOLD_BLOCKS = 4;

    // The block's note, its cents (undamped and as the meter shows them) and
    // published frequency, and whether it has a signal at all.
    void Update(bool bSignal, int nNote, int nCents, int nShownCents, float fFrequency);
    // Off: nothing is held, and what was is forgotten.
    void SetEnabled(bool bEnabled);
    bool IsEnabled() const { return m_bEnabled.load(std::memory_order_relaxed) != 0; }

    // True while a held reading stands in for no signal.
    bool IsHolding() const { return m_bHolding.load(std::memory_order_relaxed) != 0; }
    int GetNote() const { return m_nNote.load(std::memory_order_relaxed); }
    int GetShownCents() const { return m_nShownCents.load(std::memory_order_relaxed); }
    int GetCents() const { return m_nCents.load(std::memory_order_relaxed); }
    float GetFrequency() const { return m_fFrequency.load(std::memory_order_relaxed); }

private:
    std::atomic<int> m_bEnabled{0};
    std::atomic<int> m_bHolding{0};
    std::atomic<int> m_nNote{0};
    std::atomic<int> m_nShownCents{0};
    std::atomic<int> m_nCents{0};
    std::atomic<float> m_fFrequency{0.0f};
    // The run of blocks on one note so far (capture thread only).
    int m_nRunNote = -1;
    int m_nRunBlocks = 0;
    bool m_bSettled = false;
};
