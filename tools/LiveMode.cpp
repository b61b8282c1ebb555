// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/LiveMode.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "analysis/NoteNaming.h"
#include "analysis/NoteTable.h"
#include "analysis/PitchAnalyser.h"
#include "analysis/ReadingLine.h"
#include "capture/CaptureDevices.h"
#include "capture/CaptureEngine.h"
#include "capture/CaptureMessages.h"
#include "platform/sound/DemoPhrase.h"
#include "platform/sound/PulseCapture.h"
#include "platform/sound/WaveFileCapture.h"
#include "platform/system/Clock.h"
#include "platform/system/ProgramVersion.h"
#include "tools/FileAnalysis.h"
#include "tools/Interrupt.h"

namespace {

// The session log's line end, as in the batch mode.
constexpr const char* LOG_LINE_END = "\r\n";
constexpr const char* TSV_LINE_END = "\n";

// Longer than a null sink's monitor takes to deliver its first data (1.6 s).
constexpr std::chrono::seconds STALL_LIMIT{3};

// The tuner's messages for a failed start-up, then the sound system's own
// words, on pErr.
void PrintStartUpFailure(const CaptureStartUp& s, std::FILE* pErr) {
    for (int nId : {s.nMessage, s.nDetailMessage})
        if (const char* pszText = nId ? CaptureMessageText(nId) : nullptr)
            std::fprintf(pErr, "%s\n", pszText);
    if (!s.strPlatformError.empty())
        std::fprintf(pErr, "kalvo-analyze: %s\n", s.strPlatformError.c_str());
}

// Stands where the tuner's window stands: receives the lines and the repaint
// of every block on the capture thread and prints them.
class CLivePrinter : public IAnalysisHost {
public:
    CLivePrinter(CPitchAnalyser& analyser, const CAnalyzeOptions& options, std::FILE* pOut)
        : m_analyser(analyser), m_options(options), m_pOut(pOut) {}

    // The header goes out with the first line, so a capture that never
    // starts prints nothing on pOut.
    void SetHeader(std::string strHeader) { m_strHeader = std::move(strHeader); }

    void AddReadingLine(const std::string& line, int nRecordFlags) override {
        if (m_options.bAllBlocks || m_options.format == OutputFormat::Tsv ||
            !(nRecordFlags & REC_LOG))
            return;
        Print(FormatTimePrefix(Elapsed()) +
              (m_options.nNoteNaming == NOTE_NAMES_ENGLISH ? line
                                                           : LocalLine(m_analyser.GetReading())) +
              Fine() + LOG_LINE_END);
    }
    void RefreshViews() override {
        const uint64_t nBlock = m_nBlock++;
        const PitchReading& reading = m_analyser.GetReading();
        if (m_options.format == OutputFormat::Tsv)
            Print(TsvLine(nBlock, reading, m_options.bFine) + TSV_LINE_END);
        else if (m_options.bAllBlocks ||
                 (m_options.bFine && FineCentsText(reading) != m_strLastFine))
            // A held note changes only its fine value: that gets a line too.
            Print(FormatTimePrefix(Elapsed()) + LocalLine(reading) + Fine() + LOG_LINE_END);
    }
    void OnFftSizeRefused() override { m_bFftRefused = true; }

    bool HasWriteFailed() const { return m_bWriteFailed.load(); }
    bool HasFftBeenRefused() const { return m_bFftRefused.load(); }

private:
    // The reading's line with the note named as the player asked.
    std::string LocalLine(const PitchReading& r) const {
        const std::string strName = LocalNoteName(r.achTarget.data(), m_options.nNoteNaming);
        return FormatReadingLine(r.dFrequency, r.fFrequency, strName.c_str(), r.nShownCents,
                                 r.nLevelDb, r.dMinFrequency);
    }
    // With --fine, the line's fine value after a tab ("fine +0.3"), or
    // "fine -" while there is none.
    std::string Fine() {
        if (!m_options.bFine) return "";
        m_strLastFine = FineCentsText(m_analyser.GetReading());
        return "\tfine " + (m_strLastFine.empty() ? std::string("-") : m_strLastFine);
    }

    // Elapsed time from the first block, from the millisecond counter as the
    // session log has it.
    uint32_t Elapsed() {
        const uint32_t nNow = GetMillisecondCounter();
        if (!m_bStarted) {
            m_bStarted = true;
            m_nStartMs = nNow;
        }
        return MillisecondsBetween(m_nStartMs, nNow);
    }
    void Print(const std::string& s) {
        if (!m_strHeader.empty()) {
            if (std::fputs(m_strHeader.c_str(), m_pOut) < 0) m_bWriteFailed = true;
            m_strHeader.clear();
        }
        // Each line goes out at once, so a pipe sees the readings live.
        if (std::fputs(s.c_str(), m_pOut) < 0 || std::fflush(m_pOut) != 0) m_bWriteFailed = true;
    }

    CPitchAnalyser& m_analyser;
    const CAnalyzeOptions& m_options;
    std::FILE* m_pOut;
    // Set before the capture starts, then used on the capture thread only.
    std::string m_strHeader;
    uint64_t m_nBlock = 0;
    std::string m_strLastFine;
    bool m_bStarted = false;
    uint32_t m_nStartMs = 0;
    std::atomic<bool> m_bWriteFailed{false};
    std::atomic<bool> m_bFftRefused{false};
};

}  // namespace

int ListCaptureSources(std::FILE* pOut, std::FILE* pErr) {
    CPulseCaptureSystem system;
    std::vector<PulseSource> sources;
    HRESULT hr = DS_OK;
    if (!system.ListSources(sources, hr)) {
        CaptureStartUp s;
        s.nMessage = IDS_CANNOT_CREATE_CAPTURE;
        s.nDetailMessage = CreateCaptureDetailMessage(hr);
        s.strPlatformError = system.GetLastErrorText();
        PrintStartUpFailure(s, pErr);
        return EXIT_ANALYZE_CAPTURE_FAILED;
    }
    // What the tuner offers first; when that is the inputs, the monitors follow.
    const std::vector<PulseSource> offered = SelectOfferedSources(sources);
    std::vector<const PulseSource*> ordered;
    for (const PulseSource& s : offered) ordered.push_back(&s);
    if (!offered.empty() && !offered[0].bMonitor)
        for (const PulseSource& s : sources)
            if (s.bMonitor) ordered.push_back(&s);
    for (const PulseSource* p : ordered)
        std::fprintf(pOut, "%s\t%s\t%s\n", p->strName.c_str(), p->strDescription.c_str(),
                     p->bMonitor ? "monitor" : "input");
    if (std::fflush(pOut) != 0) return EXIT_ANALYZE_WRITE_FAILED;
    return EXIT_ANALYZE_OK;
}

int RunLiveMode(const CAnalyzeOptions& options, std::FILE* pOut, std::FILE* pErr) {
    std::unique_ptr<ICaptureSystem> pSystem;
    if (options.bDemo) {
        // Loops, so like a sound card it runs until Ctrl-C or --seconds.
        pSystem = std::make_unique<CWaveFileCaptureSystem>(DEMO_DEVICE_NAME, SynthesiseDemoPhrase(),
                                                           true);
    } else if (!options.strLiveInput.empty()) {
        pSystem = std::make_unique<CWaveFileCaptureSystem>(options.strLiveInput);
    } else {
        pSystem = std::make_unique<CPulseCaptureSystem>();
    }
    return RunLiveCapture(*pSystem, options, pOut, pErr);
}

int RunLiveCapture(ICaptureSystem& system, const CAnalyzeOptions& options, std::FILE* pOut,
                   std::FILE* pErr) {
    auto* pFileSystem = options.bDemo ? nullptr : dynamic_cast<CWaveFileCaptureSystem*>(&system);

    CControlState control;
    control.m_fA5Factor.store(A5Factor(options.nA5), std::memory_order_relaxed);
    control.m_fTransposition.store(TranspositionFactor(options.nTransposition),
                                   std::memory_order_relaxed);
    control.m_nRecordFlags.store(REC_LOG, std::memory_order_relaxed);
    auto pAnalyser = std::make_unique<CPitchAnalyser>();
    pAnalyser->SetControlState(&control);
    pAnalyser->ApplyFftParameters(options.nWindowType, options.nFftSizeIndex, options.fAlpha);
    pAnalyser->m_nPitchMethod.store(options.nPitchMethod, std::memory_order_relaxed);
    pAnalyser->SetTuning(options.pTuning);
    pAnalyser->m_phaseMeter.m_bEnabled.store(options.bFine ? 1 : 0, std::memory_order_relaxed);
    CLivePrinter printer(*pAnalyser, options, pOut);
    pAnalyser->SetHost(&printer);

    // The terminal has no selection dialog: a source is chosen by name, else
    // the default one is opened.
    CCaptureEngine engine(system, *pAnalyser);
    engine.SetCaptureDevice(options.strSource);

    // Without SA_RESTART: the open of a FIFO that waits for its writer ends.
    std::optional<CInterruptScope> interrupt;
    interrupt.emplace();

    std::string strHeader;
    if (options.format == OutputFormat::Tsv) {
        strHeader = TsvHeader(options.bFine) + TSV_LINE_END;
    } else {
        const std::string version = GetProgramVersion();
        for (int i = 0; i < LOG_HEADER_LINES; ++i)
            strHeader += LogHeaderLine(i, version) + LOG_LINE_END;
        if (!options.pTuning->IsDefault())
            strHeader +=
                FormatTimePrefix(0) + FormatTuningEntry(options.pTuning->GetTitle()) + LOG_LINE_END;
    }
    printer.SetHeader(strHeader);

    int status = EXIT_ANALYZE_OK;
    const CaptureStartUp s = engine.StartUp();
    if (!s.bOk && CInterruptScope::Signal()) {
        std::fprintf(pErr, "kalvo-analyze: interrupted by %s before the capture started\n",
                     SignalName(CInterruptScope::Signal()).c_str());
        status = InterruptedStatus(CInterruptScope::Signal());
    } else if (!s.bOk) {
        PrintStartUpFailure(s, pErr);
        status = EXIT_ANALYZE_CAPTURE_FAILED;
    } else {
        // A file ends once it has played out and every block it touches has
        // been analysed.
        const std::shared_ptr<const WaveFileState> pFile =
            pFileSystem ? pFileSystem->GetState() : nullptr;
        const auto tStart = std::chrono::steady_clock::now();
        auto tLastBlock = tStart;
        uint64_t nLastBlocks = engine.GetBlocksTaken();
        for (;;) {
            if (CInterruptScope::Signal()) break;
            if (options.dSeconds > 0 &&
                std::chrono::duration<double>(std::chrono::steady_clock::now() - tStart).count() >=
                    options.dSeconds)
                break;
            if (pFile && options.dSeconds <= 0 && pFile->IsPlayedOut() &&
                engine.GetBlocksTaken() >= (pFile->GetFileBytes() + BLOCK_BYTES - 1) / BLOCK_BYTES)
                break;
            if (printer.HasWriteFailed()) {
                status = EXIT_ANALYZE_WRITE_FAILED;
                break;
            }
            if (printer.HasFftBeenRefused() || !engine.IsThreadRunning()) break;
            uint32_t dwStatus = 0;
            if (FAILED(engine.GetCaptureStatus(&dwStatus))) {
                std::fprintf(pErr, "kalvo-analyze: the sound server stopped the capture\n");
                status = EXIT_ANALYZE_CAPTURE_FAILED;
                break;
            }
            // A server that is stopped or hung answers nothing and reports no
            // error: no block for that long is a lost capture too.
            const auto tNow = std::chrono::steady_clock::now();
            if (engine.GetBlocksTaken() != nLastBlocks) {
                nLastBlocks = engine.GetBlocksTaken();
                tLastBlock = tNow;
            } else if (tNow - tLastBlock >= STALL_LIMIT) {
                std::fprintf(pErr,
                             "kalvo-analyze: the sound server delivered no sound for %d seconds\n",
                             static_cast<int>(STALL_LIMIT.count()));
                status = EXIT_ANALYZE_CAPTURE_FAILED;
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        // A server lost in the last moments (or that stopped answering) left
        // no time for the checks above: the capture it cannot stop tells.
        if (status == EXIT_ANALYZE_OK && FAILED(engine.Stop())) {
            std::fprintf(pErr, "kalvo-analyze: the sound server stopped the capture\n");
            status = EXIT_ANALYZE_CAPTURE_FAILED;
        }
    }
    engine.Close();
    interrupt.reset();
    if (pFileSystem && pFileSystem->GetState()) {
        const std::string strReadError = pFileSystem->GetState()->GetReadError();
        if (!strReadError.empty()) {
            std::fprintf(pErr, "kalvo-analyze: %s\n", strReadError.c_str());
            if (status == EXIT_ANALYZE_OK) status = EXIT_ANALYZE_BAD_INPUT;
        }
    }
    if (printer.HasFftBeenRefused() && status == EXIT_ANALYZE_OK) {
        std::fprintf(pErr, "kalvo-analyze: the FFT refused its size\n");
        status = EXIT_ANALYZE_BAD_INPUT;
    }
    if ((std::fflush(pOut) != 0 || printer.HasWriteFailed()) && status == EXIT_ANALYZE_OK)
        status = EXIT_ANALYZE_WRITE_FAILED;
    return status;
}
