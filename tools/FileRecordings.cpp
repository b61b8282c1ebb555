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
#include <tuple>
#include <vector>

#include "analysis/Constants.h"
#include "platform/sound/AudioFileReader.h"
#include "platform/system/ProgramVersion.h"
#include "plugins/PluginBinding.h"
#include "recording/LogToMidi.h"
#include "recording/MidiRecorder.h"
#include "recording/RecordingFileName.h"
#include "recording/RecordingRecovery.h"
#include "recording/SessionLog.h"
#include "recording/WaveRecorder.h"
#include "tools/BlockSource.h"
#include "tools/FileAnalysis.h"
#include "tools/Interrupt.h"
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
        for (auto& [ext, output] : m_outputs) unlink(output.strTemp.c_str());
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
            // A link to a file still to be made makes that file.
            output.strFinal = LinkTarget(strTarget);
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
        m_outputs.erase(it);
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

// Opens the input; a FIFO or another file that is not plain is opened here
// and watched, so that a signal ends a wait for its writer or its data.
bool OpenInput(CAudioFileReader16k& reader, const std::string& strPath, std::string& strError) {
    struct stat st;
    if (stat(strPath.c_str(), &st) != 0 || S_ISREG(st.st_mode) || S_ISDIR(st.st_mode))
        return reader.Open(strPath, strError);
    const int fd = open(strPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        strError = Quoted(strPath) + ": cannot open: " + std::strerror(errno);
        return false;
    }
    CInterruptScope::WatchDescriptor(fd);
    const bool bOk = reader.Open(fd, strPath, strError);
    if (!bOk) CInterruptScope::WatchDescriptor(-1);
    return bOk;
}

// Ends the watch of OpenInput's descriptor.
struct CDescriptorWatch {
    ~CDescriptorWatch() { CInterruptScope::WatchDescriptor(-1); }
};

// The plug-in makes its file next to the log it is given, under the first
// free name; two conversions at once may both pick the same one, and the
// name it made is not told. So it is given a link to the log in a new folder
// of its own, beside the log, where the name is always free; the file it made
// there is then moved beside the log under the first name that is free,
// taken exclusively.
class CPrivateConversion {
public:
    explicit CPrivateConversion(const std::string& strLog) {
        m_strFolder = FolderOf(strLog) + "/." + BaseNameOf(strLog) + ".XXXXXX";
        if (!mkdtemp(m_strFolder.data())) {
            m_strFolder.clear();
            return;
        }
        char* psz = realpath(strLog.c_str(), nullptr);
        m_strLog = m_strFolder + "/" + BaseNameOf(strLog);
        if (!psz || symlink(psz, m_strLog.c_str()) != 0) m_strLog.clear();
        std::free(psz);
    }
    ~CPrivateConversion() {
        if (m_strFolder.empty()) return;
        if (!m_strLog.empty()) {
            unlink(m_strLog.c_str());
            unlink(PlainMidiName(m_strLog).c_str());
        }
        rmdir(m_strFolder.c_str());
    }
    CPrivateConversion(const CPrivateConversion&) = delete;
    CPrivateConversion& operator=(const CPrivateConversion&) = delete;

    bool Ok() const { return !m_strLog.empty(); }
    const std::string& LogPath() const { return m_strLog; }

    // Moves the file made beside the log as strWanted, or strWanted with
    // -2, -3, ... when that is taken; never over a file. False with errno.
    bool Place(const std::string& strWanted, std::string& strMade) {
        const std::string strFrom = PlainMidiName(m_strLog);
        for (int nSuffix = 1; nSuffix <= 100000; ++nSuffix) {
            const std::string strName = SuffixedFileName(strWanted, nSuffix);
            if (renameat2(AT_FDCWD, strFrom.c_str(), AT_FDCWD, strName.c_str(), RENAME_NOREPLACE) ==
                0) {
                strMade = strName;
                return true;
            }
            if (errno == EEXIST) continue;
            if (errno != EINVAL && errno != ENOSYS) return false;
            // A file system without the exclusive rename: a hard link fails
            // on a taken name just as well.
            if (link(strFrom.c_str(), strName.c_str()) == 0) {
                strMade = strName;
                return true;
            }
            if (errno != EEXIST) return false;
        }
        errno = EEXIST;
        return false;
    }

private:
    std::string m_strFolder;
    std::string m_strLog;
};

}  // namespace

int RecordAudioFile(const CAnalyzeOptions& options, std::string& strError) {
    std::vector<NamedFile> outputs;
    if (!options.strLogFile.empty()) outputs.push_back({"--log", options.strLogFile});
    if (!options.strWaveFile.empty()) outputs.push_back({"--wav", options.strWaveFile});
    if (!options.strMidiFile.empty()) outputs.push_back({"--midi", options.strMidiFile});
    if (!CheckOutputIdentities({"the audio file", options.strInput}, outputs, strError))
        return EXIT_ANALYZE_BAD_INPUT;

    // Ctrl-C and SIGTERM end the run as a failure does: no target is
    // replaced and every temporary file is removed.
    const CInterruptScope interrupt;
    const auto interrupted = [&] {
        strError =
            "interrupted by " + SignalName(CInterruptScope::Signal()) + ": no output was written";
        return InterruptedStatus(CInterruptScope::Signal());
    };
    CAudioFileReader16k reader;
    if (!OpenInput(reader, options.strInput, strError)) {
        if (CInterruptScope::Signal()) return interrupted();
        return EXIT_ANALYZE_BAD_INPUT;
    }
    // Declared after the reader, so the watch ends before the reader closes.
    const CDescriptorWatch watch;
    std::array<int16_t, BLOCK_VALUES> block{};
    std::size_t got = 0;
    const bool bFirstRead = reader.Read(block.data(), BLOCK_FRAMES, got, strError);
    if (CInterruptScope::Signal()) return interrupted();
    if (!bFirstRead) return EXIT_ANALYZE_BAD_INPUT;
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
    if (!options.pTuning->IsDefault()) log.SetTuningTitle(options.pTuning->GetTitle());
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
    CBlockSource source(reader, options, analyser, block.data(), got);
    int status = EXIT_ANALYZE_OK;
    uint64_t nFrames = 0;
    const int16_t* pBlock = nullptr;
    std::size_t nGot = 0;
    const BlockSpectrum* pSpectrum = nullptr;
    for (uint64_t nBlock = 0;; ++nBlock) {
        if (CInterruptScope::Signal()) break;
        if (!source.Next(pBlock, nGot, pSpectrum)) {
            if (source.Failed()) {
                strError = source.Error();
                status = EXIT_ANALYZE_BAD_INPUT;
            }
            break;
        }
        system.SetPosition(BlockStartMs(nBlock));
        // As in the tuner, the WAVE recording takes the captured frames
        // before they are analysed; a last partial block is recorded as it
        // is and analysed padded with silence. An output that fails is
        // dropped; the others go on.
        if (bWave && !wave.WriteBlock(pBlock,
                                      static_cast<unsigned>(nGot * BLOCK_BYTES / BLOCK_FRAMES))) {
            failed(strWaveFailure, ".wav", "cannot write", wave.GetLastError());
            bWave = false;
            // At once, so that a full disk gets the space back for the others.
            wave.Close();
            system.Discard(".wav");
        }
        nFrames += nGot;
        analyser.Publish(pBlock, *pSpectrum);
        if (analyser.IsLineDue()) {
            if (bLog && !log.AddEntry(analyser.GetLine())) {
                failed(strLogFailure, ".log", "cannot write", log.GetLastError());
                bLog = false;
                log.Close();
                system.Discard(".log");
            }
            if (bMidi && !midi.AddEvent(analyser.GetLine())) {
                strMidiFailure = "the MIDI plug-in refused a line of " + Quoted(options.strInput);
                bMidi = false;
                system.Discard(".mid");
            }
        }
        if (!bLog && !bWave && !bMidi) break;
    }
    // The end entries at the end of what was read.
    system.SetPosition(nFrames * 1000 / static_cast<uint64_t>(SAMPLE_RATE));
    // Every recording is ended, whatever failed; one that could not be is
    // dropped at once.
    const auto end = [&](bool& bOn, bool bEnded, std::string& strLine, const char* ext,
                         int nError) {
        if (!bOn || bEnded) return;
        failed(strLine, ext, "cannot write", nError);
        system.Discard(ext);
        bOn = false;
    };
    const bool bLogClosed = bLog && log.Close();
    end(bLog, bLogClosed, strLogFailure, ".log", log.GetLastError());
    const bool bWaveClosed = bWave && wave.Close();
    end(bWave, bWaveClosed, strWaveFailure, ".wav", wave.GetLastError());
    // A run that failed has no use for the MIDI file.
    const bool bMidiWritten = bMidi && status == EXIT_ANALYZE_OK && midi.Stop();
    end(bMidi, bMidiWritten, strMidiFailure, ".mid", midi.GetLastError());
    // A signal also ends a FIFO's read early, as if the input had ended; one
    // up to here leaves every target as it was.
    if (CInterruptScope::Signal()) status = interrupted();
    // Complete recordings replace their targets unless the input itself
    // failed, when no output is whole.
    for (const auto& [bOn, ext, pLine] :
         {std::tuple{bLog, ".log", &strLogFailure}, std::tuple{bWave, ".wav", &strWaveFailure},
          std::tuple{bMidi, ".mid", &strMidiFailure}})
        if (bOn && status == EXIT_ANALYZE_OK && !system.Commit(ext))
            failed(*pLine, ext, "cannot replace", errno);
    if (status == EXIT_ANALYZE_OK && !joined().empty()) {
        strError = joined();
        status = EXIT_ANALYZE_WRITE_FAILED;
    }
    return status;
}

int ConvertLogFileToMidi(const std::string& strLog, std::string& strError, std::FILE* pOut) {
    // Only a plain file: a FIFO would wait for a writer, a device might never
    // end. Opened without waiting, then looked at.
    const int fd = open(strLog.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        strError = "cannot open log file " + Quoted(strLog) + ": " + std::strerror(errno);
        return EXIT_ANALYZE_BAD_INPUT;
    }
    struct stat st {};
    const bool bPlain = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    // The tuner's own check before it hands the file on (message 163).
    char c;
    const bool bReadable = bPlain && read(fd, &c, 1) >= 0;
    const int nReadError = errno;
    close(fd);
    if (!bPlain) {
        strError = "cannot open log file " + Quoted(strLog) + ": " +
                   (S_ISDIR(st.st_mode) ? "is a folder" : "is not a plain file");
        return EXIT_ANALYZE_BAD_INPUT;
    }
    if (!bReadable) {
        strError = "cannot open log file " + Quoted(strLog) + ": " + std::strerror(nReadError);
        return EXIT_ANALYZE_BAD_INPUT;
    }
    CMidiPlugin plugin;
    if (!LoadMidiPlugin(plugin, strError)) return EXIT_ANALYZE_BAD_INPUT;
    const CInterruptScope interrupt;
    // The name it would get now, for a message.
    const std::string strMidiFile = NextLogToMidiFile(strLog);
    errno = 0;
    CPrivateConversion conversion(strLog);
    int nResult = -4;
    std::string strMade;
    if (conversion.Ok()) {
        std::string strPath = conversion.LogPath();
        nResult = plugin.m_pfnLogToMidi(strPath.data());
        if (nResult >= 0 && !conversion.Place(PlainMidiName(strLog), strMade)) nResult = -4;
    }
    const int nError = errno;
    if (CInterruptScope::Signal()) {
        if (!strMade.empty()) unlink(strMade.c_str());
        strError =
            "interrupted by " + SignalName(CInterruptScope::Signal()) + ": no MIDI file was made";
        return InterruptedStatus(CInterruptScope::Signal());
    }
    if (nResult >= 0) {
        // The log's own name with .mid needs no word; another one does, as
        // the user would look for the first.
        if (pOut && strMade != PlainMidiName(strLog)) {
            std::fprintf(pOut, "%s\n", strMade.c_str());
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
