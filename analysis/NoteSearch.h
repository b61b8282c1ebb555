// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>

// The note the note area draws: the index in NoteTable of the note of the
// reading's target. 0 below 40 Hz (no signal); 85, one past the table, above
// the band of the top note. The search itself is the tuning's
// (analysis/Tuning.h).
class CNoteSearch {
public:
    void SetNote(int nNote) { m_nNote.store(nNote, std::memory_order_relaxed); }
    // The default tuning's note of a transposed frequency, stored.
    int SetFrequency(float frequency);
    int GetNoteIndex() const { return m_nNote.load(std::memory_order_relaxed); }

    // The default tuning's note of a transposed frequency.
    static int FindNote(float frequency);

private:
    std::atomic<int> m_nNote{0};
};
