// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A reading in words for a screen reader, as the views show it:
// "A5, 3 cents sharp, 441.2 Hz", or "no input signal".

// The note of NoteTable index nNote, its black keys as sharps or as flats
// (as the note area draws them): "A5", "C sharp 5", "D flat 5"; empty for an
// index outside the table.
// nNaming (analysis/NoteNaming.h) names the letters: "H4" in German, "La5" in
// solfege.
QString NoteInWords(int nNote, bool bSharps, int nNaming = 0);
// "in tune", "1 cent sharp", "12 cents flat".
QString CentsInWords(int nCents);
// The frequency display's digits: "441.2 Hz"; empty outside 40 ... 4000 Hz.
QString FrequencyInWords(float hz);

// The designed English words; shown translated (context "SpokenReading").
extern const char* const NO_INPUT_SIGNAL_TEXT;
