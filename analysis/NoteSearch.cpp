// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/NoteSearch.h"

#include "analysis/Constants.h"
#include "analysis/Tuning.h"

int CNoteSearch::FindNote(float frequency) {
    const CTuning& tuning = *CTuning::Default();
    return tuning.PositionOf(tuning.FindTarget(frequency, MIN_FREQUENCY));
}

int CNoteSearch::SetFrequency(float frequency) {
    const int note = FindNote(frequency);
    SetNote(note);
    return note;
}
