#include "tools/FileRecordings.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cstdio>

#include "analysis/Constants.h"
#include "platform/sound/AudioFileReader.h"
#include "platform/system/ProgramVersion.h"
#include "plugins/PluginBinding.h"
#include "recording/MidiRecorder.h"
#include "recording/SessionLog.h"
#include "recording/WaveRecorder.h"
#include "tools/FileAnalysis.h"

namespace {

std::string Quoted(const std::string& s) {
    return "'" + s + "'";
}

// The recorders' system for a file: the clock is the position in the audio
// file, and each recording goes to the path given for its kind (replacing a
// file of that name, as the user asked for it by name).
class CFileRecordingSystem : public CRecordingSystem {
public:
    explicit CFileRecordingSystem(const CAnalyzeOptions& options) : m_options(options) {}
    void SetPosition(uint64_t nMs) { m_nPositionMs = static_cast<uint32_t>(nMs); }
    uint32_t MillisecondCounter() override { return m_nPositionMs; }
    FILE* CreateFile(const char* pszExtension, const char* pszMode, std::string& strName) override {
        const std::string ext = pszExtension;
        strName = ext == ".log"   ? m_options.strLogFile
                  : ext == ".wav" ? m_options.strWaveFile
                  : ext == ".mid" ? m_options.strMidiFile
                                  : std::string();
        if (strName.empty()) return nullptr;
        // A recorder removes a file whose header it could not write: never
        // a device or anything else that is not a plain file.
        struct stat st;
        if (stat(strName.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return nullptr;
        return std::fopen(strName.c_str(), pszMode);
    }

private:
    const CAnalyzeOptions& m_options;
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

}  // namespace

int RecordAudioFile(const CAnalyzeOptions& options, std::string& strError) {
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
    const bool bLog = !options.strLogFile.empty();
    const bool bWave = !options.strWaveFile.empty();
    const bool bMidi = !options.strMidiFile.empty();
    if (bLog && !log.Create()) {
        strError = "cannot create " + Quoted(options.strLogFile);
        return EXIT_ANALYZE_WRITE_FAILED;
    }
    if (bWave && !wave.Create()) {
        strError = "cannot create " + Quoted(options.strWaveFile);
        if (bLog) log.Close();
        return EXIT_ANALYZE_WRITE_FAILED;
    }
    if (bMidi && !midi.Start()) {
        strError = "cannot create " + Quoted(options.strMidiFile);
        if (bLog) log.Close();
        if (bWave) wave.Close();
        return EXIT_ANALYZE_WRITE_FAILED;
    }

    CBlockAnalyser analyser(options);
    int status = EXIT_ANALYZE_OK;
    uint64_t nFrames = 0;
    for (uint64_t nBlock = 0; got > 0; ++nBlock) {
        system.SetPosition(BlockStartMs(nBlock));
        // As in the tuner, the WAVE recording takes the captured frames
        // before they are analysed; a last partial block is recorded as it
        // is and analysed padded with silence.
        if (bWave && !wave.WriteBlock(block.data(), static_cast<unsigned>(got * BLOCK_BYTES /
                                                                           BLOCK_FRAMES))) {
            strError = "cannot write " + Quoted(options.strWaveFile);
            status = EXIT_ANALYZE_WRITE_FAILED;
            break;
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
                strError = "cannot write " + Quoted(options.strLogFile);
                status = EXIT_ANALYZE_WRITE_FAILED;
                break;
            }
            if (bMidi && !midi.AddEvent(analyser.GetLine())) {
                strError = "the MIDI plug-in refused a line of " + Quoted(options.strInput);
                status = EXIT_ANALYZE_WRITE_FAILED;
                break;
            }
        }
        if (got < BLOCK_FRAMES) break;
        if (!reader.Read(block.data(), BLOCK_FRAMES, got, strError)) {
            status = EXIT_ANALYZE_BAD_INPUT;
            break;
        }
    }
    // The end entries at the end of what was read.
    system.SetPosition(nFrames * 1000 / static_cast<uint64_t>(SAMPLE_RATE));
    // Every recording is ended, whatever failed: what was written stays valid.
    const bool bLogClosed = !bLog || log.Close();
    const bool bWaveClosed = !bWave || wave.Close();
    const bool bMidiWritten = !bMidi || midi.Stop();
    if (status == EXIT_ANALYZE_OK) {
        const std::string* pFailed = !bLogClosed     ? &options.strLogFile
                                     : !bWaveClosed  ? &options.strWaveFile
                                     : !bMidiWritten ? &options.strMidiFile
                                                     : nullptr;
        if (pFailed) {
            strError = "cannot write " + Quoted(*pFailed);
            status = EXIT_ANALYZE_WRITE_FAILED;
        }
    }
    return status;
}

int ConvertLogFileToMidi(const std::string& strLog, std::string& strError) {
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
    const int nResult = plugin.m_pfnLogToMidi(strPath.data());
    if (nResult >= 0) return EXIT_ANALYZE_OK;
    // The plug-in's failure codes.
    switch (nResult) {
        case -2:
            strError = Quoted(strLog) + " holds no session log line";
            return EXIT_ANALYZE_BAD_INPUT;
        case -3:
            strError = "cannot read " + Quoted(strLog);
            return EXIT_ANALYZE_BAD_INPUT;
        case -4:
            strError = "cannot write the MIDI file next to " + Quoted(strLog);
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
