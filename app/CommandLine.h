// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "app/TunerApp.h"

enum class CommandLineAction { Run, Help, Version, ListTemperaments, ListStrings, Error };

struct CommandLine {
    CommandLineAction action = CommandLineAction::Run;
    CAppOptions options;
    std::string strError;  // for Error: one line, without line end
};

// kalvo [--input FILE | --source NAME | --demo] [--a5 HZ] [--transpose N]
// [--method NAME] [--fft SIZE] [--window NAME] [--alpha X] [--record-dir DIR]
// [--defaults] [--help] [--version]. The analysis settings are read as
// kalvo-analyze reads them (analysis/TuningOptions.h). Arguments that Qt
// itself takes (-platform ...) are gone before this is called.
CommandLine ParseCommandLine(const std::vector<std::string>& args);
const char* UsageText();

// Lists the capture sources that exist; false when nobody can tell (no
// sound server). Replaceable for tests.
using SourceLister = bool (*)(std::vector<std::string>& names);
bool ListPulseSources(std::vector<std::string>& names);

// What the options name must be there before a window opens: the --input
// file readable, the --source known to the sound server (when it answers)
// and the --record-dir a folder that can be written, which is made absolute.
// Empty when all is well, else one line for standard error.
std::string CheckCommandLineTargets(CAppOptions& options,
                                    SourceLister fnListSources = &ListPulseSources);
