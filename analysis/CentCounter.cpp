// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/CentCounter.h"

#include <cmath>

#include "analysis/Constants.h"
#include "analysis/NoteTable.h"
#include "analysis/Numeric.h"

void CCentCounter::SetPitch(float frequency, float noteFrequency, double dMin) {
    m_dMinFrequency.store(dMin, std::memory_order_relaxed);
    m_fFrequency.store(frequency, std::memory_order_relaxed);
    m_fNoteFrequency.store(noteFrequency, std::memory_order_relaxed);
}

int CCentCounter::CountCents(float f, float t, double dMin) {
    if (std::isnan(f) || f < dMin || f > MAX_FREQUENCY) return NO_SIGNAL_CENTS;
    // A closest note always lies within a quarter tone; anything else (the
    // index past the table, a zero) would make the stepping run away.
    if (!(t > 0.0f) || std::isinf(t)) return NO_SIGNAL_CENTS;
    const double c = CENT_RATIO;
    int cents = 0;
    if (f > t) {
        while (f > t) {
            f = static_cast<float>(static_cast<double>(f) / c);
            ++cents;
        }
        if (static_cast<double>(t) / f > static_cast<double>(f) * c / t) --cents;
    } else {
        while (f <= t) {
            f = static_cast<float>(static_cast<double>(f) * c);
            --cents;
        }
        if (static_cast<double>(f) / t > static_cast<double>(t) * c / f) ++cents;
    }
    return cents;
}

int CCentCounter::Damp(int p, int r, bool bHeavy) {
    const double k = bHeavy ? 0.15 : 0.6;
    const double offset = r >= p ? (bHeavy ? 0.86 : 0.4) : (bHeavy ? -0.84 : -0.39);
    const double x = static_cast<double>(p) + static_cast<double>(r - p) * k + offset;
    return FloorToInt(x);
}

void CCentCounter::ComputeCents() {
    const int cents = CountCents(m_fFrequency.load(std::memory_order_relaxed),
                                 m_fNoteFrequency.load(std::memory_order_relaxed),
                                 m_dMinFrequency.load(std::memory_order_relaxed));
    m_nCents.store(cents, std::memory_order_relaxed);
    const int last = m_nLastShownCents.load(std::memory_order_relaxed);
    int shown = m_nShownCents.load(std::memory_order_relaxed);
    if (cents != NO_SIGNAL_CENTS) {
        shown = Damp(last, cents, m_bDamping.load(std::memory_order_relaxed) != 0);
        m_nShownCents.store(shown, std::memory_order_relaxed);
    }
    m_bShownChanged.store(shown != last ? 1 : 0, std::memory_order_relaxed);
    m_nLastShownCents.store(shown, std::memory_order_relaxed);
}
