#pragma once

#include <string>
#include <vector>

#include "app/TunerApp.h"

enum class CommandLineAction { Run, Help, Version, Error };

struct CommandLine {
    CommandLineAction action = CommandLineAction::Run;
    CAppOptions options;
    std::string strError;  // for Error
};

// kalvo [--input FILE] [--source NAME] [--demo] [--help] [--version]. Arguments that
// Qt itself takes (-platform ...) are gone before this is called.
CommandLine ParseCommandLine(const std::vector<std::string>& args);
const char* UsageText();
