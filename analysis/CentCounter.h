// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>

#include "analysis/Constants.h"

// The cent meter's arithmetic: counts the cents between a transposed frequency
// and its closest note, damps the shown value and flags when it moved.
class CCentCounter {
public:
    // dMin: the pitch method's lowest frequency.
    void SetPitch(float frequency, float noteFrequency, double dMin = MIN_FREQUENCY);
    void ComputeCents();

    // Rounded mismatch of f against t, by single-precision cent steps;
    // NO_SIGNAL_CENTS when f is outside 40 ... 4000 Hz or t is unusable.
    static int CountCents(float f, float t, double dMin = MIN_FREQUENCY);
    // One damping step from the last shown value p toward the raw value r.
    static int Damp(int p, int r, bool bHeavy);

    int GetShownCents() const { return m_nShownCents.load(std::memory_order_relaxed); }
    int GetCents() const { return m_nCents.load(std::memory_order_relaxed); }
    bool HasShownChanged() const { return m_bShownChanged.load(std::memory_order_relaxed) != 0; }
    bool HasSignal() const { return GetCents() != NO_SIGNAL_CENTS; }
    float GetFrequency() const { return m_fFrequency.load(std::memory_order_relaxed); }
    float GetNoteFrequency() const { return m_fNoteFrequency.load(std::memory_order_relaxed); }

    std::atomic<int> m_bDamping{1};  // 1 = heavy damping (0.15), 0 = light (0.6)

private:
    std::atomic<float> m_fFrequency{0.0f};
    std::atomic<float> m_fNoteFrequency{0.0f};
    std::atomic<double> m_dMinFrequency{MIN_FREQUENCY};
    std::atomic<int> m_bShownChanged{0};
    std::atomic<int> m_nShownCents{0};
    std::atomic<int> m_nCents{NO_SIGNAL_CENTS};
    std::atomic<int> m_nLastShownCents{0};
};
