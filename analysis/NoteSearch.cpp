// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/NoteSearch.h"

#include <cmath>

#include "analysis/Constants.h"
#include "analysis/NoteTable.h"

int CNoteSearch::FindNote(float frequency) {
    if (std::isnan(frequency) || frequency < MIN_FREQUENCY) return 0;
    if (std::isinf(frequency)) return NOTE_COUNT;  // every distance would tie
    int best = 0;
    float bestDistance = std::fabs(NoteTable[0] - frequency);
    for (int i = 1; i < NOTE_COUNT; ++i) {
        const float distance = std::fabs(NoteTable[i] - frequency);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    int lo, hi;
    if (NoteTable[best] >= frequency) {
        lo = best - 1;
        hi = best;
    } else {
        lo = best;
        hi = best + 1;
    }
    if (lo < 0) return 0;  // only below the table's first band, which 40 Hz already excludes
    const float split = static_cast<float>(static_cast<double>(NoteTable[lo]) * QUARTER_TONE_RATIO);
    return frequency > split ? hi : lo;
}

int CNoteSearch::SetFrequency(float frequency) {
    const int note = FindNote(frequency);
    m_nNote.store(note, std::memory_order_relaxed);
    return note;
}
