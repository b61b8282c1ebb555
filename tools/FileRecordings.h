// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <string>

#include "tools/AnalyzeOptions.h"

// The tuner's recordings made from an audio file instead of the capture
// device, and the log-to-MIDI conversion, both without a display.

// --log / --wav / --midi: analyses options.strInput block by block as
// AnalyseAudioFile does and writes the session log, the WAVE recording and the
// MIDI recording (through the kvmidi plug-in) to the given paths. The time
// stamps are the position in the file, so the log's reading lines are those
// the plain analysis prints. Prints nothing. Returns an exit status
// (EXIT_ANALYZE_*); when it is not EXIT_ANALYZE_OK strError holds one line.
int RecordAudioFile(const CAnalyzeOptions& options, std::string& strError);

// --log-to-midi LOG: the plug-in's LogToMidi, which writes the MIDI file next
// to the log with the extension .mid, or NAME-2.mid, NAME-3.mid, ... when
// that exists (no file is ever replaced); such a name is printed on pOut.
// EXIT_ANALYZE_BAD_INPUT for a log that cannot be read or holds no entry
// line, or without the plug-in.
int ConvertLogFileToMidi(const std::string& strLog, std::string& strError,
                         std::FILE* pOut = nullptr);
