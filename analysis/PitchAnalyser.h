// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "analysis/CentCounter.h"
#include "analysis/Constants.h"
#include "analysis/Fft.h"
#include "analysis/FrequencyDigits.h"
#include "analysis/FundamentalTracker.h"
#include "analysis/NoteSearch.h"
#include "analysis/PhaseMeter.h"
#include "analysis/PitchReading.h"
#include "analysis/ReadingHold.h"
#include "analysis/SpectrumColumns.h"
#include "analysis/Tuning.h"

// What the control panel owns and the analysis reads once per block. Written
// by the user-interface thread, read by the capture thread.
struct CControlState {
    std::atomic<float> m_fA5Factor{1.0f};
    std::atomic<float> m_fTransposition{1.0f};
    std::atomic<int> m_nRecordFlags{0};
    std::atomic<int> m_bFrozen{0};
};

// The dominant frequency of a smoothed, floored magnitude spectrum M[0 ... H]
// with bin width w: the strongest five-bin window, the subharmonic check and
// the centroid around the chosen centre. dFrequency is 1.0 when it comes out
// below 40 Hz. M is read up to a few bins past H, as the work area allows.
struct DominantPeak {
    double dFrequency;
    int nPeakBin;
};
DominantPeak FindDominantPeak(const float* M, unsigned H, float w);

// Where a block's results go besides the view data: the recorders and the
// repaint. Called on the capture thread.
class IAnalysisHost {
public:
    virtual ~IAnalysisHost() = default;
    // A reading line is due (a recording is on and the reading changed): give
    // it to the session log when REC_LOG is in nRecordFlags, then to the MIDI
    // recorder when REC_MIDI is.
    virtual void AddReadingLine(const std::string& line, int nRecordFlags) = 0;
    // Repaint the views as the refresh rate and the freeze flag allow.
    virtual void RefreshViews() = 0;
    // The FFT refused its size: the spectrum cannot be computed; the capture
    // thread is to end.
    virtual void OnFftSizeRefused() = 0;
};

// Window coefficients for every segment length the trimming can give, for
// one window type and alpha, filled as lengths occur: the segment length
// changes from block to block, the coefficients for a length never do.
// Analysers with the same settings can share one, also from several threads.
class CWindowCache {
public:
    CWindowCache(int nType, float fAlpha);
    bool Matches(int nType, float fAlpha) const {
        return nType == m_nType && (nType != WINDOW_GAUSSIAN || fAlpha == m_fAlpha);
    }
    // The coefficients for a segment of N samples, MIN ... S; while another
    // thread is filling them they are computed into scratch (N floats).
    const float* For(int N, float* scratch);

private:
    int m_nType;
    float m_fAlpha;
    // Not cleared: only the lengths that occur are ever touched.
    std::unique_ptr<float[]> m_pCoefficients;
    // Per length: 0 empty, 1 being filled, 2 ready.
    std::unique_ptr<std::atomic<unsigned char>[]> m_pState;
};

// What a block's spectrum gives the reading, before anything of the
// previous blocks is taken into account.
struct BlockSpectrum {
    double dFrequency = 1.0;     // the dominant (or fundamental) frequency
    int nPeakBin = 0;            // its bin
    float fPeakMagnitude = 0.0f;  // the normalised magnitude there
};

// The analysis state and the per-block pipeline: frame, level reference,
// trimming to whole periods, window, FFT, magnitudes, smoothing, dominant
// frequency, normalisation and publishing.
class CPitchAnalyser {
public:
    CPitchAnalyser();
    CPitchAnalyser(const CPitchAnalyser&) = delete;
    CPitchAnalyser& operator=(const CPitchAnalyser&) = delete;

    void SetHost(IAnalysisHost* pHost) { m_pHost = pHost; }
    // The control panel whose factors and flags are read; the analyser's own
    // until one is set.
    void SetControlState(CControlState* pState) { m_pControl = pState ? pState : &m_ownControl; }
    CControlState& GetControlState() { return *m_pControl; }

    // Analyses the first BLOCK_VALUES values (left, right, ...) of pBlock and
    // publishes the reading. Returns false only when the FFT refused its size,
    // in which case nothing is published.
    bool AnalyseBlock(const int16_t* pBlock);
    // AnalyseBlock in two halves. AnalyseSpectrum does what depends on the
    // block alone: analysers with the same settings may run it on different
    // blocks at once; it leaves the spectrum unnormalised, all but the peak
    // bin's level. PublishSpectrum does the rest, in block order; it leaves
    // the spectrum view's columns as they are (kalvo-analyze draws none).
    bool AnalyseSpectrum(const int16_t* pBlock, BlockSpectrum& result);
    void PublishSpectrum(const int16_t* pBlock, const BlockSpectrum& result);
    // Uses the window cache of other, which must have the same settings.
    void ShareWindowCache(CPitchAnalyser& other);
    const PitchReading& GetReading() const { return m_reading; }

    // Applying the FFT dialog: window type, size index (0 = 4096, 1 = 8192,
    // anything else keeps the size) and the dialog's alpha (0 ... 1).
    void ApplyFftParameters(int nWindowType, int nSizeIndex, float fAlpha);

    // The targets readings are measured against, from the next block on.
    void SetTuning(std::shared_ptr<const CTuning> pTuning);
    std::shared_ptr<const CTuning> GetTuning() const;

    // Settings (written by the user-interface thread).
    std::atomic<int> m_nWindowType{WINDOW_HANNING};
    std::atomic<unsigned> m_nFftSize{FFT_SIZE_LARGE};
    std::atomic<float> m_fBinWidth{static_cast<float>(SAMPLE_RATE) / FFT_SIZE_LARGE};
    std::atomic<float> m_fGaussAlpha{0.0f};
    std::atomic<int> m_nPitchMethod{PITCH_METHOD_DOMINANT};

    // The data the four views draw.
    CNoteSearch m_noteSearch;
    CCentCounter m_centCounter;
    CSpectrumColumns m_spectrum;
    CFrequencyDigits m_frequencyDigits;
    CReadingHold m_hold;
    // The strobe's and the fine readout's data; measures only while on.
    CPhaseMeter m_phaseMeter;

    // The normalised magnitude spectrum of the latest block, bins 0 ... N/2.
    const float* GetSpectrum() const { return m_afSpectrum.data(); }

    // The window coefficients for a segment of N samples with the current
    // settings.
    void ComputeWindow(int N);
    const float* GetWindow() const { return m_afWindow.data(); }

private:
    struct Snapshot {
        int nWindowType;
        unsigned nFftSize;
        float fBinWidth;
        float fGaussAlpha;
        float fA5Factor;
        float fTransposition;
        int nRecordFlags;
        int nPitchMethod;
        CSpectrumColumns::Settings spectrum;
        std::shared_ptr<const CTuning> pTuning;
    };
    Snapshot TakeSnapshot() const;

    // bNormaliseAll: every bin of the spectrum normalised for the views, or
    // only the peak bin's level (nothing else reads them in kalvo-analyze).
    bool ComputeSpectrum(const Snapshot& snap, const int16_t* pBlock, BlockSpectrum& result,
                         bool bNormaliseAll);
    BlockSpectrum FindFundamentalFrequency(unsigned H, float w);
    void SetFrequencyResult(double dFrequency, int nPeakBin);
    // M: the normalised spectrum for the view's columns, or null.
    void PublishReading(const Snapshot& snap, const BlockSpectrum& spectrum, const float* M);
    void TransposeAndFindNote(const Snapshot& snap, double dMin);
    void MeasurePhase(const Snapshot& snap, float fTargetFrequency);

    IAnalysisHost* m_pHost = nullptr;
    // Swapped whole by the user-interface thread, taken once a block.
    mutable std::mutex m_tuningMutex;
    std::shared_ptr<const CTuning> m_pTuning = CTuning::Default();
    CControlState m_ownControl;
    CControlState* m_pControl = &m_ownControl;

    int m_bFrequencyChanged = 1;
    int m_nPeakBin = 0;
    float m_fTransposedFrequency = 0.0f;
    float m_fDominantFrequency = 0.0f;
    float m_fPrevDominantFrequency = 0.0f;
    double m_dDominantFrequency = 0.0;
    int m_nNoteIndex = 0;
    int m_nTarget = CTuning::NO_TARGET;
    int m_nLevelDb = 0;
    int m_nPeakColumn = -1;

    // Bins 0 ... H and a few values past them (AREA_TAIL).
    static constexpr unsigned AREA_TAIL = 8;
    std::array<float, MAX_FFT_SIZE / 2 + AREA_TAIL> m_afSpectrum{};
    std::array<float, MAX_FFT_SIZE> m_afWindow{};
    std::array<float, MAX_FFT_SIZE> m_afRe{};
    // The transform's output: its imaginary parts some way past its real
    // ones, for at a distance of whole 4 kB pages the two would fall into
    // the same sets of the first-level cache (3 % of a block's time).
    static constexpr unsigned FFT_IM_SKEW = 144;
    std::array<float, 2 * MAX_FFT_SIZE + FFT_IM_SKEW> m_afFftOut{};
    float* FftRe() { return m_afFftOut.data(); }
    float* FftIm() { return m_afFftOut.data() + MAX_FFT_SIZE + FFT_IM_SKEW; }

    // Window coefficients, kept while type and alpha stay the same.
    const float* WindowFor(int nType, float fAlpha, int N);
    std::shared_ptr<CWindowCache> m_pWindowCache;

    // The block's left plus right (the trimming, the phase meter and the
    // fundamental method read it), and a 0 after it that the trimming's
    // search for the last rising crossing reads.
    std::array<float, BLOCK_FRAMES + 1> m_afMono{};
    // For the fundamental method: the magnitudes before smoothing.
    CFundamentalTracker m_fundamental;
    CFastRealFft m_fastFft;
    unsigned m_nSegmentLength = 0;  // samples of the block the transform holds
    std::array<float, MAX_FFT_SIZE / 2 + 1> m_afRawMagnitudes{};

    PitchReading m_reading;
};
