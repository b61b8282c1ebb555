// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/PhaseMeter.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double TWO_PI = 2 * M_PI;
// A row weaker than this part of the strongest carries no harmonic of the
// note, only noise and leakage: its phase says nothing.
constexpr double MIN_ROW_SHARE = 0.1;

double Wrap(double x) {
    return x - TWO_PI * std::nearbyint(x / TWO_PI);
}
}  // namespace

CPhaseMeter::CPhaseMeter() {
    // A Hann window keeps the other harmonics and the mirror frequency out
    // of each row's sum, so the phase of a row is that of its harmonic.
    for (unsigned s = 0; s < BLOCK_FRAMES; ++s)
        m_adWindow[s] = 0.5 - 0.5 * std::cos(TWO_PI * (s + 0.5) / BLOCK_FRAMES);
    Publish();
}

void CPhaseMeter::Reset() {
    m_dTargetHz = 0.0;
    m_nBlocks = 0;
    m_bHaveError = false;
    m_bFine = false;
    m_abRow.fill(false);
    m_anRowStart.fill(0);
    m_adRefCycles.fill(0.0);
}

void CPhaseMeter::AddBlock(const float* pSamples, unsigned nStride, double dTargetHz,
                           int nTargetKey, double dCoarseHz) {
    const bool bEnabled = IsEnabled();
    if (!bEnabled || !m_bWasEnabled) Reset();
    m_bWasEnabled = bEnabled;
    if (!bEnabled) {
        Publish();
        return;
    }
    if (!(dTargetHz > 0.0) || !(dCoarseHz > 0.0) || nTargetKey != m_nTargetKey ||
        dTargetHz != m_dTargetHz) {
        Reset();
        if (!(dTargetHz > 0.0) || !(dCoarseHz > 0.0)) {
            Publish();
            return;
        }
        m_dTargetHz = dTargetHz;
        m_nTargetKey = nTargetKey;
    }

    // Demodulate each row at its harmonic of the target, with a reference
    // that runs on across blocks: a row's phase then only moves by the
    // frequency error.
    std::array<double, STROBE_ROWS> re{}, im{};
    double strongest = 0.0;
    for (int h = 0; h < STROBE_ROWS; ++h) {
        const double f = (h + 1) * m_dTargetHz;
        if (f >= 0.45 * SAMPLE_RATE) {
            m_adAmplitude[h] = 0.0;
            continue;
        }
        const double step = TWO_PI * f / SAMPLE_RATE;
        const double c = std::cos(step), sn = std::sin(step);
        double zr = std::cos(TWO_PI * m_adRefCycles[h]), zi = -std::sin(TWO_PI * m_adRefCycles[h]);
        double sr = 0.0, si = 0.0;
        for (unsigned s = 0; s < BLOCK_FRAMES; ++s) {
            const double x = m_adWindow[s] * pSamples[s * nStride];
            sr += x * zr;
            si += x * zi;
            // z *= exp(-i step)
            const double t = zr * c + zi * sn;
            zi = zi * c - zr * sn;
            zr = t;
        }
        re[h] = sr;
        im[h] = si;
        m_adAmplitude[h] = std::hypot(sr, si);
        strongest = std::max(strongest, m_adAmplitude[h]);
        const double cycles = m_adRefCycles[h] + f * BLOCK_FRAMES / SAMPLE_RATE;
        m_adRefCycles[h] = cycles - std::floor(cycles);
    }
    if (!(strongest > 0.0)) {
        Reset();
        Publish();
        return;
    }

    std::array<double, STROBE_ROWS>& now = m_aadHistory[m_nBlocks % (MAX_STEPS + 1)];
    const std::array<double, STROBE_ROWS>& prev =
        m_aadHistory[(m_nBlocks + MAX_STEPS) % (MAX_STEPS + 1)];
    // The strongest row is unwrapped first, by the estimate so far or, at the
    // start of a note, the coarse frequency; the others follow it.
    int anchor = 0;
    for (int h = 1; h < STROBE_ROWS; ++h)
        if (m_adAmplitude[h] > m_adAmplitude[anchor]) anchor = h;
    double errorHz = m_bHaveError ? m_dErrorHz : dCoarseHz - m_dTargetHz;
    for (int k = 0; k < STROBE_ROWS; ++k) {
        const int h = k == 0 ? anchor : (k <= anchor ? k - 1 : k);
        const double phase = std::atan2(im[h], re[h]);
        const bool bRow = m_adAmplitude[h] >= MIN_ROW_SHARE * strongest;
        if (m_nBlocks == 0 || !m_abRow[h]) {
            // A row that comes (back) starts its history here.
            now[h] = phase;
            m_anRowStart[h] = m_nBlocks;
        } else {
            const double expected = TWO_PI * (h + 1) * errorHz * BLOCK_SECONDS;
            const double advance = expected + Wrap(phase - m_adLastPhase[h] - expected);
            now[h] = prev[h] + advance;
            if (h == anchor) errorHz = advance / (TWO_PI * (h + 1) * BLOCK_SECONDS);
        }
        m_aadPower[m_nBlocks % (MAX_STEPS + 1)][h] = m_adAmplitude[h] * m_adAmplitude[h];
        m_adLastPhase[h] = phase;
        m_abRow[h] = bRow;
    }
    ++m_nBlocks;

    // The error over the held note: each row's phase against time, fitted
    // by least squares over the blocks it has kept (every block's phase
    // counts, so one block's jitter at either end does not move the value),
    // weighted by the row's energy over those blocks (a partial that decays
    // faster than the others shifts the balance slowly, not block by block).
    // The note is as old as its longest-kept row.
    int steps = 0;
    double sum = 0.0, weights = 0.0;
    m_bFine = false;
    for (int h = 0; h < STROBE_ROWS; ++h) {
        const int rowSteps = std::min(m_nBlocks - 1 - m_anRowStart[h], MAX_STEPS);
        if (!m_abRow[h] || rowSteps < 1) continue;
        const int oldest = m_nBlocks - 1 - rowSteps;
        const double mid = rowSteps / 2.0;
        double mean = 0.0, w = 0.0;
        for (int k = 0; k <= rowSteps; ++k) {
            mean += m_aadHistory[(oldest + k) % (MAX_STEPS + 1)][h];
            w += m_aadPower[(oldest + k) % (MAX_STEPS + 1)][h];
        }
        mean /= rowSteps + 1;
        double sxy = 0.0, sxx = 0.0;
        for (int k = 0; k <= rowSteps; ++k) {
            sxy += (k - mid) * (m_aadHistory[(oldest + k) % (MAX_STEPS + 1)][h] - mean);
            sxx += (k - mid) * (k - mid);
        }
        sum += w * (sxy / sxx) / (TWO_PI * (h + 1) * BLOCK_SECONDS);
        weights += w;
        steps = std::max(steps, rowSteps);
    }
    if (weights > 0.0) {
        m_dErrorHz = sum / weights;
        m_bHaveError = steps >= 2;
        if (steps >= MIN_STEPS) {
            m_bFine = true;
            m_dFineCents = 1200.0 * std::log2((m_dTargetHz + m_dErrorHz) / m_dTargetHz);
        }
    }
    Publish();
}

void CPhaseMeter::Publish() {
    const std::array<double, STROBE_ROWS>& now =
        m_aadHistory[(m_nBlocks + MAX_STEPS) % (MAX_STEPS + 1)];
    for (int h = 0; h < STROBE_ROWS; ++h) {
        const bool bShown = m_nBlocks > 0 && m_abRow[h];
        m_abShown[h].store(bShown ? 1 : 0, std::memory_order_relaxed);
        m_adShownPhase[h].store(bShown ? now[h] : 0.0, std::memory_order_relaxed);
        const double rate = m_bHaveError ? TWO_PI * (h + 1) * m_dErrorHz : 0.0;
        m_adShownRate[h].store(bShown ? rate : 0.0, std::memory_order_relaxed);
    }
    m_nPublishedTarget.store(m_nTargetKey, std::memory_order_relaxed);
    m_bPublishedFine.store(m_bFine ? 1 : 0, std::memory_order_relaxed);
    m_dPublishedFineCents.store(m_bFine ? m_dFineCents : 0.0, std::memory_order_relaxed);
    m_nSequence.fetch_add(1, std::memory_order_relaxed);
}

CPhaseMeter::Row CPhaseMeter::GetRow(int nRow) const {
    if (nRow < 0 || nRow >= STROBE_ROWS) return {false, 0.0, 0.0};
    return {m_abShown[nRow].load(std::memory_order_relaxed) != 0,
            m_adShownPhase[nRow].load(std::memory_order_relaxed),
            m_adShownRate[nRow].load(std::memory_order_relaxed)};
}
