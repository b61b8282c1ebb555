// SPDX-License-Identifier: GPL-3.0-or-later
// kalvo-analyze: the tuner's analysis of an audio file, as a session log or a
// table, on standard output.

#include <csignal>
#include <cstdio>
#include <string>

#include "platform/system/ProgramVersion.h"
#include "tools/AnalyzeOptions.h"
#include "tools/FileAnalysis.h"
#include "tools/FileRecordings.h"
#include "tools/LiveMode.h"
#include "tools/ToneMode.h"

namespace {
// One line per problem: a run may report several failed outputs.
int Fail(int status, const std::string& message) {
    size_t nStart = 0;
    for (;;) {
        const size_t nEnd = message.find('\n', nStart);
        std::fprintf(stderr, "kalvo-analyze: %s\n", message.substr(nStart, nEnd - nStart).c_str());
        if (nEnd == std::string::npos) break;
        nStart = nEnd + 1;
    }
    return status;
}
}  // namespace

int main(int argc, char** argv) {
    // A file past the size limit (ulimit -f) is a failed write to report and
    // clean up after, not a reason to die without a word.
    signal(SIGXFSZ, SIG_IGN);
    CAnalyzeOptions options;
    std::string error;
    if (!ParseAnalyzeOptions(argc, argv, options, error))
        return Fail(EXIT_ANALYZE_BAD_INPUT, error);
    if (options.bHelp) {
        std::fputs(AnalyzeUsage().c_str(), stdout);
        return std::fflush(stdout) == 0 ? EXIT_ANALYZE_OK : EXIT_ANALYZE_WRITE_FAILED;
    }
    if (options.bVersion) {
        std::printf("kalvo-analyze %s\n", GetProgramVersion().c_str());
        return std::fflush(stdout) == 0 ? EXIT_ANALYZE_OK : EXIT_ANALYZE_WRITE_FAILED;
    }
    if (options.bListSources) return ListCaptureSources(stdout, stderr);
    if (options.bListTemperaments || options.bListStrings) {
        std::fputs((options.bListStrings ? StringPresetListText() : TemperamentListText()).c_str(),
                   stdout);
        return std::fflush(stdout) == 0 ? EXIT_ANALYZE_OK : EXIT_ANALYZE_WRITE_FAILED;
    }
    if (!options.strTone.empty()) return RunToneMode(options, stdout, stderr);
    if (options.bLive) return RunLiveMode(options, stdout, stderr);
    if (!options.strLogToMidi.empty() || options.HasRecordings()) {
        const int status = !options.strLogToMidi.empty()
                               ? ConvertLogFileToMidi(options.strLogToMidi, error, stdout)
                               : RecordAudioFile(options, error);
        if (status != EXIT_ANALYZE_OK) return Fail(status, error);
        return EXIT_ANALYZE_OK;
    }
    // Each file in turn, as if given alone; one that cannot be read is
    // reported and the next one goes on, an output that cannot be written
    // ends the run.
    int status = EXIT_ANALYZE_OK;
    for (const std::string& strInput : options.inputs) {
        CAnalyzeOptions one = options;
        one.strInput = strInput;
        const int fileStatus = AnalyseAudioFile(one, stdout, error);
        if (fileStatus == EXIT_ANALYZE_OK) continue;
        Fail(fileStatus, error);
        if (status == EXIT_ANALYZE_OK) status = fileStatus;
        if (fileStatus == EXIT_ANALYZE_WRITE_FAILED) return fileStatus;
    }
    return status;
}
