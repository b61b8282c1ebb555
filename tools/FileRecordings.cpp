// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/FileRecordings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

#include "analysis/Constants.h"
#include "platform/sound/AudioFileReader.h"
#include "platform/system/ProgramVersion.h"
#include "plugins/PluginBinding.h"
#include "recording/LogToMidi.h"
#include "recording/MidiRecorder.h"
#include "recording/RecordingRecovery.h"
#include "recording/SessionLog.h"
#include "recording/WaveRecorder.h"
#include "tools/FileAnalysis.h"
#include "tools/OutputIdentity.h"

namespace {

std::string Quoted(const std::string& s) {
    return "'" + s + "'";
}

// The recorders' system for a file: the clock is the position in the audio
// file, and each recording goes to the path given for its kind. It is written
// to a new temporary file in the target's folder and renamed over the target
// only when complete, so a failed run leaves an existing file as it was, and
// two runs writing the same names leave each file whole (the last one wins).
class CFileRecordingSystem : public CRecordingSystem {
public:
    explicit CFileRecordingSystem(const CAnalyzeOptions& options) : m_options(options) {}
    ~CFileRecordingSystem() override {
        for (auto& [ext, output] : m_outputs) Discard(ext);
    }
    void SetPosition(uint64_t nMs) { m_nPositionMs = static_cast<uint32_t>(nMs); }
    uint32_t MillisecondCounter() override { return m_nPositionMs; }
    // The user named the file: a failure is told, never moved elsewhere.
    std::vector<std::string> RecoveryFolders() override { return {}; }

    FILE* CreateFile(const char* pszExtension, const char* pszMode, std::string& strName) override {
        const std::string ext = pszExtension;
        const std::string& strTarget = Target(ext);
        strName = strTarget;
        if (strTarget.empty()) {
            errno = EINVAL;
            return nullptr;
        }
        Output output;
        output.strFinal = strTarget;
        mode_t nMode = 0;
        struct stat st;
        if (stat(strTarget.c_str(), &st) == 0) {
            // Only plain files are replaced, never a device or a folder.
            if (!S_ISREG(st.st_mode)) {
                m_reasons[ext] = S_ISDIR(st.st_mode) ? "is a folder" : "is not a plain file";
                errno = EINVAL;
                return nullptr;
            }
            // Through a link, the file it points at is replaced, not the link.
            if (char* psz = realpath(strTarget.c_str(), nullptr)) {
                output.strFinal = psz;
                std::free(psz);
            }
            nMode = st.st_mode & 07777;
        } else {
            nMode = umask(0);
            umask(nMode);
            nMode = 0666 & ~nMode;
        }
        output.strTemp = FolderOf(output.strFinal) + "/." + BaseNameOf(output.strFinal) + ".XXXXXX";
        const int fd = mkostemp(output.strTemp.data(), O_CLOEXEC);
        if (fd < 0) return nullptr;
        FILE* pFile = fchmod(fd, nMode) == 0 ? fdopen(fd, pszMode) : nullptr;
        if (!pFile) {
            const int nError = errno;
            close(fd);
            unlink(output.strTemp.c_str());
            errno = nError;
            return nullptr;
        }
        strName = output.strTemp;
        m_outputs[ext] = output;
        return pFile;
    }

    // Puts the complete file in place of the target; false with errno.
    bool Commit(const std::string& ext) {
        const auto it = m_outputs.find(ext);
        if (it == m_outputs.end()) return false;
        const bool bOk = std::rename(it->second.strTemp.c_str(), it->second.strFinal.c_str()) == 0;
        if (bOk) m_outputs.erase(it);
        return bOk;
    }
    // Removes the temporary file of an output that is not to be kept.
    void Discard(const std::string& ext) {
        const auto it = m_outputs.find(ext);
        if (it == m_outputs.end()) return;
        unlink(it->second.strTemp.c_str());
        it->second.strTemp.clear();
    }

    const std::string& Target(const std::string& ext) const {
        static const std::string none;
        return ext == ".log"   ? m_options.strLogFile
               : ext == ".wav" ? m_options.strWaveFile
               : ext == ".mid" ? m_options.strMidiFile
                               : none;
    }
    // Why a file could not be created, when errno does not say it.
    std::string CreateReason(const std::string& ext, int nError) const {
        const auto it = m_reasons.find(ext);
        return it != m_reasons.end() ? it->second : std::strerror(nError);
    }

private:
    struct Output {
        std::string strFinal;  // the file replaced at the end
        std::string strTemp;   // where it is written meanwhile
    };
    const CAnalyzeOptions& m_options;
    std::map<std::string, Output> m_outputs;
    std::map<std::string, std::string> m_reasons;
    // Wraps past 2^32 ms like the tuner's millisecond counter.
    uint32_t m_nPositionMs = 0;
};

// Loads kvmidi as the tuner does (its own folder first); false with one line.
bool LoadMidiPlugin(CMidiPlugin& plugin, std::string& strError) {
    const PluginLoadResult result = plugin.Load();
    if (result.nStatus == PluginStatus::Loaded && plugin.m_pfnLogToMidi) return true;
    strError = std::string("the MIDI plug-in ") + MIDI_PLUGIN_FILE + " is not available";
    std::string strText = PluginLoadMessageText(result);
    std::replace(strText.begin(), strText.end(), '\n', ' ');
    std::replace(strText.begin(), strText.end(), '\r', ' ');
    if (!strText.empty()) strError += ": " + strText;
    return false;
}

// The log's name with .mid for its extension, as the plug-in first tries it.
std::string PlainMidiName(const std::string& strLog) {
    std::string s = strLog;
    const size_t nSlash = s.rfind('/');
    const size_t nDot = s.rfind('.');
    if (nDot != std::string::npos && (nSlash == std::string::npos || nDot > nSlash + 1))
        s.erase(nDot);
    return s + ".mid";
}

}  // namespace

int RecordAudioFile(const CAnalyzeOptions& options, std::string& strError) {
    std::vector<NamedFile> outputs;
    if (!options.strLogFile.empty()) outputs.push_back({"--log", options.strLogFile});
    if (!options.strWaveFile.empty()) outputs.push_back({"--wav", options.strWaveFile});
    if (!options.strMidiFile.empty()) outputs.push_back({"--midi", options.strMidiFile});
    if (!CheckOutputIdentities({"the audio file", options.strInput}, outputs, strError))
        return EXIT_ANALYZE_BAD_INPUT;

    CAudioFileReader16k reader;
    if (!reader.Open(options.strInput, strError)) return EXIT_ANALYZE_BAD_INPUT;
    std::array<int16_t, BLOCK_VALUES> block{};
    std::size_t got = 0;
    if (!reader.Read(block.data(), BLOCK_FRAMES, got, strError)) return EXIT_ANALYZE_BAD_INPUT;
    if (got == 0) {
        strError = Quoted(options.strInput) + ": holds no audio frames";
        return EXIT_ANALYZE_BAD_INPUT;
    }
    // Before any file is made, so that a missing plug-in leaves nothing behind.
    CMidiPlugin plugin;
    if (!options.strMidiFile.empty() && !LoadMidiPlugin(plugin, strError))
        return EXIT_ANALYZE_BAD_INPUT;

    CFileRecordingSystem system(options);
    CSessionLog log(system, GetProgramVersion());
    CWaveRecorder wave(system);
    CMidiRecorder midi(plugin, system);
    bool bLog = !options.strLogFile.empty();
    bool bWave = !options.strWaveFile.empty();
    bool bMidi = !options.strMidiFile.empty();
    // One line for every output that failed, in the order of the options.
    std::string strLogFailure, strWaveFailure, strMidiFailure;
    const auto failed = [&](std::string& strLine, const std::string& ext, const char* pszWhat,
                            int nError) {
        strLine = std::string(pszWhat) + " " + Quoted(system.Target(ext)) + ": " +
                  (nError ? std::strerror(nError) : "unknown error");
    };
    if (bLog && !log.Create()) {
        strLogFailure = "cannot create " + Quoted(options.strLogFile) + ": " +
                        system.CreateReason(".log", log.GetLastError());
        bLog = false;
    }
    if (bWave && !wave.Create()) {
        strWaveFailure = "cannot create " + Quoted(options.strWaveFile) + ": " +
                         system.CreateReason(".wav", wave.GetLastError());
        bWave = false;
    }
    if (bMidi && !midi.Start()) {
        strMidiFailure = "cannot create " + Quoted(options.strMidiFile) + ": " +
                         system.CreateReason(".mid", midi.GetLastError());
        bMidi = false;
    }
    const auto joined = [&] {
        std::string s;
        for (const std::string* p : {&strLogFailure, &strWaveFailure, &strMidiFailure})
            if (!p->empty()) s += (s.empty() ? "" : "\n") + *p;
        return s;
    };
    // An output that cannot be made ends the run before anything is written.
    if (!joined().empty()) {
        if (bLog) log.Close();
        if (bWave) wave.Close();
        strError = joined();
        return EXIT_ANALYZE_WRITE_FAILED;
    }

    CBlockAnalyser analyser(options);
    int status = EXIT_ANALYZE_OK;
    uint64_t nFrames = 0;
    for (uint64_t nBlock = 0; got > 0; ++nBlock) {
        system.SetPosition(BlockStartMs(nBlock));
        // As in the tuner, the WAVE recording takes the captured frames
        // before they are analysed; a last partial block is recorded as it
        // is and analysed padded with silence. An output that fails is
        // dropped; the others go on.
        if (bWave && !wave.WriteBlock(block.data(),
                                      static_cast<unsigned>(got * BLOCK_BYTES / BLOCK_FRAMES))) {
            failed(strWaveFailure, ".wav", "cannot write", wave.GetLastError());
            bWave = false;
        }
        nFrames += got;
        std::fill(block.begin() + 2 * got, block.end(), int16_t{0});
        if (!analyser.Analyse(block.data())) {
            strError = "the FFT refused its size";
            status = EXIT_ANALYZE_BAD_INPUT;
            break;
        }
        if (analyser.IsLineDue()) {
            if (bLog && !log.AddEntry(analyser.GetLine())) {
                failed(strLogFailure, ".log", "cannot write", log.GetLastError());
                bLog = false;
            }
            if (bMidi && !midi.AddEvent(analyser.GetLine())) {
                strMidiFailure = "the MIDI plug-in refused a line of " + Quoted(options.strInput);
                bMidi = false;
            }
        }
        if (!bLog && !bWave && !bMidi) break;
        if (got < BLOCK_FRAMES) break;
        if (!reader.Read(block.data(), BLOCK_FRAMES, got, strError)) {
            status = EXIT_ANALYZE_BAD_INPUT;
            break;
        }
    }
    // The end entries at the end of what was read.
    system.SetPosition(nFrames * 1000 / static_cast<uint64_t>(SAMPLE_RATE));
    // Every recording is ended, whatever failed; a complete one replaces its
    // target unless the input itself failed, when no output is whole.
    const auto finish = [&](bool bOn, bool bEnded, std::string& strLine, const char* ext,
                            int nError) {
        if (!bOn) return;
        if (!bEnded) {
            failed(strLine, ext, "cannot write", nError);
        } else if (status == EXIT_ANALYZE_OK && !system.Commit(ext)) {
            failed(strLine, ext, "cannot replace", errno);
        }
    };
    const bool bLogClosed = bLog && log.Close();
    finish(bLog, bLogClosed, strLogFailure, ".log", log.GetLastError());
    const bool bWaveClosed = bWave && wave.Close();
    finish(bWave, bWaveClosed, strWaveFailure, ".wav", wave.GetLastError());
    const bool bMidiWritten = bMidi && midi.Stop();
    finish(bMidi, bMidiWritten, strMidiFailure, ".mid", midi.GetLastError());
    if (status == EXIT_ANALYZE_OK && !joined().empty()) {
        strError = joined();
        status = EXIT_ANALYZE_WRITE_FAILED;
    }
    return status;
}

int ConvertLogFileToMidi(const std::string& strLog, std::string& strError, std::FILE* pOut) {
    // The tuner's own check before it hands the file on (message 163).
    FILE* pFile = std::fopen(strLog.c_str(), "rb");
    const bool bReadable = pFile && (std::fgetc(pFile), !std::ferror(pFile));
    if (pFile) std::fclose(pFile);
    if (!bReadable) {
        strError = "cannot open log file " + Quoted(strLog);
        return EXIT_ANALYZE_BAD_INPUT;
    }
    CMidiPlugin plugin;
    if (!LoadMidiPlugin(plugin, strError)) return EXIT_ANALYZE_BAD_INPUT;
    std::string strPath = strLog;
    const std::string strMidiFile = NextLogToMidiFile(strLog);
    errno = 0;
    const int nResult = plugin.m_pfnLogToMidi(strPath.data());
    const int nError = errno;
    if (nResult >= 0) {
        // The log's own name with .mid needs no word; another one does, as
        // the user would look for the first.
        if (pOut && !strMidiFile.empty() && strMidiFile != PlainMidiName(strLog)) {
            std::fprintf(pOut, "%s\n", strMidiFile.c_str());
            if (std::fflush(pOut) != 0) {
                strError = "cannot write the output";
                return EXIT_ANALYZE_WRITE_FAILED;
            }
        }
        return EXIT_ANALYZE_OK;
    }
    // The plug-in's failure codes.
    switch (nResult) {
        case -2:
            strError = Quoted(strLog) + " holds no session log line";
            return EXIT_ANALYZE_BAD_INPUT;
        case -3:
            strError = "cannot read " + Quoted(strLog);
            return EXIT_ANALYZE_BAD_INPUT;
        case -4:
            strError = "cannot write the MIDI file " + Quoted(strMidiFile) + ": " +
                       std::strerror(nError ? nError : EIO);
            return EXIT_ANALYZE_WRITE_FAILED;
        case -5:
            strError = Quoted(strLog) + " is too large for one MIDI file";
            return EXIT_ANALYZE_BAD_INPUT;
        case -6:
            strError = Quoted(strLog) + " would be replaced by its own MIDI file";
            return EXIT_ANALYZE_BAD_INPUT;
        default:
            strError = "the MIDI plug-in cannot convert " + Quoted(strLog) + " (result " +
                       std::to_string(nResult) + ")";
            return EXIT_ANALYZE_BAD_INPUT;
    }
}
