// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct CTuningValues;
struct RecordingProblem;

// The texts of the Qt-free core (analysis/, recording/) that the window
// shows, in the user's language. Each table here repeats the core's English
// text as its source text (a test checks that they agree), so that the core
// stays free of Qt and its files (session log, --tsv, MIDI) and kalvo-analyze
// keep the designed English.

// The control panel's transposition list: "None", "B flat instr.", ...
QString TranspositionDisplayText(int nRow);
// The FFT dialog's window functions: "Blackmann", "Gaussian", ...
QString WindowTypeDisplayText(int nType);
// A temperament's title: "Equal temperament", "Werckmeister III", ...
QString TemperamentDisplayTitle(int nIndex);
// A string preset's title: "Guitar, drop D", ...
QString StringPresetDisplayTitle(int nIndex);
// What CTuning::GetTitle() says of the tuning the values choose, in the
// user's language: "Werckmeister III on C", "Guitar, drop D", "Scale
// bp.scl"; empty for the default tuning.
QString TuningDisplayTitle(const CTuningValues& values);
// What FormatProblem() says, in the user's language: the file and the
// system's reason, the folders that failed and where the data went.
QString RecordingProblemText(const RecordingProblem& problem);
// The notice shown while a text file is converted to MIDI.
QString LogToMidiNoticeText();
