// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>

#include "platform/sound/CaptureTypes.h"
#include "tools/AnalyzeOptions.h"

// The capture could not be opened or started, or the sound server went away.
constexpr int EXIT_ANALYZE_CAPTURE_FAILED = 3;

// --list-sources: every capture source of the sound server, one a line:
// name, tab, description, tab, "input" or "monitor". Sources the tuner
// offers come first. Returns an exit status.
int ListCaptureSources(std::FILE* pOut, std::FILE* pErr);

// --live [SOURCE] / --input FILE / --demo: captures through the tuner's
// capture engine from the server's default source, the named source, the file
// played in real time or the built-in phrase, and prints the session log lines
// as the readings change (every block with --all, a table with --tsv). Stops
// after --seconds, at the end of the file (--input without --seconds) or on
// Ctrl-C. A failure to capture prints the tuner's messages on pErr and returns
// EXIT_ANALYZE_CAPTURE_FAILED.
int RunLiveMode(const CAnalyzeOptions& options, std::FILE* pOut, std::FILE* pErr);

// The same on a given capture system (the tests script one). A device that
// cannot be stopped at the end counts as lost.
int RunLiveCapture(ICaptureSystem& system, const CAnalyzeOptions& options, std::FILE* pOut,
                   std::FILE* pErr);
