// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "analysis/Fft.h"
#include "analysis/FundamentalTracker.h"
#include "analysis/ReferenceTone.h"
#include "analysis/Tuning.h"
#include "analysis/TuningOptions.h"

// Exit statuses of kalvo-analyze.
constexpr int EXIT_ANALYZE_OK = 0;
constexpr int EXIT_ANALYZE_WRITE_FAILED = 1;  // standard output could not be written
constexpr int EXIT_ANALYZE_BAD_INPUT = 2;     // bad option, value or input file

enum class OutputFormat { Log, Tsv };

// Everything the command line can set: the analysis settings both front ends
// share (their defaults are the tuner's own at start-up), and the rest.
struct CAnalyzeOptions : CTuningValues {
    std::string strInput;  // the audio file
    // Every audio file given, in order (strInput is the first); each is
    // analysed as if given alone, its output after the one before.
    std::vector<std::string> inputs;
    unsigned nJobs = 0;  // --jobs: threads analysing a file's blocks; 0 all processors
    OutputFormat format = OutputFormat::Log;
    bool bAllBlocks = false;  // --all: a line for every block
    bool bFine = false;       // --fine: the phase meter's offset to a tenth of a cent
    bool bHelp = false;
    bool bVersion = false;
    // Capturing (tools/LiveMode.h): --live [SOURCE], --input FILE, --demo,
    // --list-sources, --seconds N.
    bool bLive = false;
    std::string strSource;     // empty: the server's default source
    std::string strLiveInput;  // a file played as if it were a sound card
    bool bDemo = false;        // --demo: the built-in phrase, over and over
    bool bListSources = false;
    bool bListTemperaments = false;  // --list-temperaments
    bool bListStrings = false;       // --list-strings
    int nNoteNaming = 0;             // --names: how the --live line names notes
    // The targets the values choose, built once they are all read.
    std::shared_ptr<const CTuning> pTuning = CTuning::Default();
    double dSeconds = 0.0;  // 0: until Ctrl-C (or the end of --input)
    // Recordings of the audio file (tools/FileRecordings.h): --log FILE,
    // --wav FILE, --midi FILE; and --log-to-midi LOG.
    std::string strLogFile;
    std::string strWaveFile;
    std::string strMidiFile;
    std::string strLogToMidi;
    // --tone NOTE: the reference tone instead of an analysis, with its shape
    // and peak volume (0 ... 1); its frequency once the tuning is read.
    std::string strTone;
    ToneShape toneShape = ToneShape::Sine;
    double dToneVolume = 0.5;
    double dToneHz = 0.0;
    bool HasRecordings() const {
        return !strLogFile.empty() || !strWaveFile.empty() || !strMidiFile.empty();
    }
};

// Parses argv[1 ...]. Options may be written "--name VALUE" or "--name=VALUE".
// On failure returns false with one line (without line end) in strError.
// --help and --version need no input file.
bool ParseAnalyzeOptions(int argc, const char* const* argv, CAnalyzeOptions& options,
                         std::string& strError);

// The text printed by --help.
std::string AnalyzeUsage();
