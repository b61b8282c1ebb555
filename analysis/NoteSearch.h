// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>

// The closest-note search that the note area owns: the index in NoteTable of
// the note whose quarter-tone band holds a transposed frequency. 0 below 40 Hz
// (no signal); 85, one past the table, above the band of the top note.
class CNoteSearch {
public:
    int SetFrequency(float frequency);
    int GetNoteIndex() const { return m_nNote.load(std::memory_order_relaxed); }

    // The search itself, without storing.
    static int FindNote(float frequency);

private:
    std::atomic<int> m_nNote{0};
};
