// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "analysis/Tuning.h"

// The result of one analysed block.
struct PitchReading {
    double dFrequency = 0.0;    // dominant frequency as measured; 1.0 below 40 Hz
    float fFrequency = -1.0f;   // published: the same, or NO_FREQUENCY out of 40 ... 4000 Hz
    int bFrequencyChanged = 0;  // moved by more than 0.1 Hz since the previous block
    int nPeakBin = 0;           // bin of the dominant frequency
    int nPeakColumn = -1;       // spectrum column of it, -1 when out of range
    float fTransposedFrequency = 0.0f;  // after A5 correction and transposition
    int nNoteIndex = 0;  // the target's note in the note table's numbering, 0 ... 85 by default
    // The target of the tuning it is measured against: its index (or
    // CTuning::NO_TARGET, ABOVE_TARGETS), frequency (0 for none) and name
    // (empty for none).
    int nTarget = CTuning::NO_TARGET;
    float fTargetFrequency = 0.0f;
    std::array<char, TARGET_NAME_SIZE> achTarget{};
    int nShownCents = 0;    // the cent meter's damped value
    int bShownChanged = 0;  // the shown value changed with this block
    int nLevelDb = 0;
    // The lowest frequency of the pitch method: MIN_FREQUENCY, or lower for
    // the fundamental method.
    double dMinFrequency = 40.0;  // level of the peak bin, whole dB, 0 or negative
    // The phase meter's offset from the target, to a tenth of a cent, once a
    // note has been held long enough (only while the meter is on).
    int bFine = 0;
    double dFineCents = 0.0;
};
