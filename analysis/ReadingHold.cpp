// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/ReadingHold.h"

void CReadingHold::SetEnabled(bool bEnabled) {
    m_bEnabled.store(bEnabled ? 1 : 0, std::memory_order_relaxed);
    if (!bEnabled) m_bHolding.store(0, std::memory_order_relaxed);
}

void CReadingHold::Update(bool bSignal, int nNote, int nCents, int nShownCents, float fFrequency) {
    if (!IsEnabled()) {
        m_nRunNote = -1;
        m_nRunBlocks = 0;
        m_bSettled = false;
        return;
    }
    if (!bSignal) {
        // The run ends; a settled one stands until a note sounds again.
        m_nRunNote = -1;
        m_nRunBlocks = 0;
        m_bHolding.store(m_bSettled ? 1 : 0, std::memory_order_relaxed);
        return;
    }
    m_bHolding.store(0, std::memory_order_relaxed);
    if (nNote != m_nRunNote) {
        m_nRunNote = nNote;
        m_nRunBlocks = 0;
        m_bSettled = false;
    }
    if (++m_nRunBlocks >= HOLD_BLOCKS) {
        // The latest reading of a settled note is the one to keep.
        m_bSettled = true;
        m_nNote.store(nNote, std::memory_order_relaxed);
        m_nShownCents.store(nShownCents, std::memory_order_relaxed);
        m_nCents.store(nCents, std::memory_order_relaxed);
        m_fFrequency.store(fFrequency, std::memory_order_relaxed);
    }
}
