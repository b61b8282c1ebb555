// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>

#include "platform/sound/TonePlayer.h"
#include "tools/AnalyzeOptions.h"

// --tone NOTE: plays the note's reference tone on the sound server's default
// output until Ctrl-C or --seconds. One line on pOut names the note and its
// frequency; a tone that cannot start, or that the server drops, is one line
// on pErr and EXIT_ANALYZE_CAPTURE_FAILED (3).
int RunToneMode(const CAnalyzeOptions& options, std::FILE* pOut, std::FILE* pErr);

// The same on a given player (the tests give a failing one).
int RunTone(ITonePlayer& player, const CAnalyzeOptions& options, std::FILE* pOut, std::FILE* pErr);
