// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <atomic>
#include <cstdint>

#include "analysis/Constants.h"

// Rows of the strobe: the target and its harmonics 2, 3, 4.
constexpr int STROBE_ROWS = 4;

// The fine offset from the target: every block is demodulated at the target
// frequency and at its harmonics, and the phase the demodulated sums advance
// from block to block is the frequency error. Accumulated over the held note
// (0.3 ... 2 s) it resolves a tenth of a cent. Fed on the capture thread; the
// strobe reads the published phases and rates from any thread.
class CPhaseMeter {
public:
    CPhaseMeter();

    // Nothing is measured while off; switching on starts afresh.
    std::atomic<int> m_bEnabled{0};
    bool IsEnabled() const { return m_bEnabled.load(std::memory_order_relaxed) != 0; }
    // On, or just switched off with a value still to clear.
    bool IsActive() const { return IsEnabled() || m_bWasEnabled; }

    // One block of BLOCK_FRAMES samples, pSamples[s * nStride]. dTargetHz is
    // the target in the input's frame (0: no target or no signal, which ends
    // the note), nTargetKey tells targets apart, dCoarseHz is the measured
    // frequency in the input's frame, used to resolve the first phase steps.
    void AddBlock(const float* pSamples, unsigned nStride, double dTargetHz, int nTargetKey,
                  double dCoarseHz);
    void Reset();

    // The result of the latest block (the feeding thread's).
    bool HasFine() const { return m_bFine; }
    double GetFineCents() const { return m_dFineCents; }

    // What the strobe draws. A row's phase is its accumulated phase in
    // radians at the latest block, its rate the measured drift in radians per
    // second; a row without its harmonic is not shown.
    struct Row {
        bool bShown;
        double dPhase;
        double dRate;
    };
    Row GetRow(int nRow) const;
    // Counts the blocks fed, so a reader sees when the phases are new.
    uint32_t GetSequence() const { return m_nSequence.load(std::memory_order_relaxed); }
    bool HasPublishedFine() const { return m_bPublishedFine.load(std::memory_order_relaxed) != 0; }
    double GetPublishedFineCents() const {
        return m_dPublishedFineCents.load(std::memory_order_relaxed);
    }
    // The target key of the shown rows; meaningless while none is shown.
    int GetPublishedTarget() const { return m_nPublishedTarget.load(std::memory_order_relaxed); }

    // Seconds between the starts of consecutive blocks.
    static constexpr double BLOCK_SECONDS = static_cast<double>(BLOCK_FRAMES) / SAMPLE_RATE;
    // Blocks of phase steps before a value (0.33 s) and at most (2 s).
    static constexpr int MIN_STEPS = 4;
    static constexpr int MAX_STEPS = 24;

private:
    void Publish();

    std::array<double, BLOCK_FRAMES> m_adWindow{};
    bool m_bWasEnabled = false;
    double m_dTargetHz = 0.0;
    int m_nTargetKey = 0;
    int m_nBlocks = 0;  // blocks since the note started
    // Reference oscillator phase at the block's start, in cycles (0 ... 1).
    std::array<double, STROBE_ROWS> m_adRefCycles{};
    std::array<double, STROBE_ROWS> m_adLastPhase{};
    std::array<double, STROBE_ROWS> m_adAmplitude{};
    // Accumulated (unwrapped) phase of each row, for the last MAX_STEPS + 1
    // blocks.
    std::array<std::array<double, STROBE_ROWS>, MAX_STEPS + 1> m_aadHistory{};
    // Each row's power in those blocks.
    std::array<std::array<double, STROBE_ROWS>, MAX_STEPS + 1> m_aadPower{};
    std::array<bool, STROBE_ROWS> m_abRow{};
    std::array<int, STROBE_ROWS> m_anRowStart{};  // block a row's history starts at
    double m_dErrorHz = 0.0;                      // the accumulated estimate, once there is one
    bool m_bHaveError = false;
    bool m_bFine = false;
    double m_dFineCents = 0.0;

    std::atomic<uint32_t> m_nSequence{0};
    std::array<std::atomic<int>, STROBE_ROWS> m_abShown{};
    std::array<std::atomic<double>, STROBE_ROWS> m_adShownPhase{};
    std::array<std::atomic<double>, STROBE_ROWS> m_adShownRate{};
    std::atomic<int> m_bPublishedFine{0};
    std::atomic<double> m_dPublishedFineCents{0.0};
    std::atomic<int> m_nPublishedTarget{0};
};
