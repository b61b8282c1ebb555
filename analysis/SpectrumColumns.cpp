// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/SpectrumColumns.h"

#include <algorithm>
#include <cmath>

#include "analysis/Numeric.h"

namespace {
// The main window's initial layout gives the spectrum area this client size.
constexpr int INITIAL_WIDTH = 534 - 170;
constexpr int INITIAL_HEIGHT = 330 - 135;
}  // namespace

CSpectrumColumns::CSpectrumColumns() {
    for (auto& c : m_fColumns) c.store(0.0f, std::memory_order_relaxed);
    SetSize(INITIAL_WIDTH, INITIAL_HEIGHT);
}

void CSpectrumColumns::SetSize(int width, int height) {
    m_nWidth.store(width, std::memory_order_relaxed);
    m_nHeight.store(height, std::memory_order_relaxed);
}

CSpectrumColumns::Settings CSpectrumColumns::GetSettings() const {
    Settings s;
    s.fFrom = m_fFrom.load(std::memory_order_relaxed);
    s.fTo = m_fTo.load(std::memory_order_relaxed);
    s.fRange = m_fRange.load(std::memory_order_relaxed);
    s.nDynamicRange = m_nDynamicRange.load(std::memory_order_relaxed);
    s.bLogarithmic = m_bLogarithmic.load(std::memory_order_relaxed);
    s.nPlotWidth = m_nWidth.load(std::memory_order_relaxed) - 40;
    s.nPlotHeight = m_nHeight.load(std::memory_order_relaxed) - 40;
    return s;
}

int CSpectrumColumns::PeakColumn(unsigned nBins, float fBinWidth, double frequency,
                                 const Settings& settings) {
    return Prepare(nullptr, nullptr, nBins, fBinWidth, frequency, settings);
}

int CSpectrumColumns::PrepareColumns(const float* afMagnitudes, unsigned nBins, float fBinWidth,
                                     double frequency, const Settings& settings) {
    return Prepare(m_fColumns.data(), afMagnitudes, nBins, fBinWidth, frequency, settings);
}

int CSpectrumColumns::Prepare(std::atomic<float>* pColumns, const float* afMagnitudes,
                              unsigned nBins, float fBinWidth, double frequency,
                              const Settings& settings) {
    const int W = std::min(settings.nPlotWidth, MAX_SPECTRUM_COLUMNS);
    if (W <= 0 || !(fBinWidth > 0.0f) || nBins == 0) return -1;
    const double D = settings.nDynamicRange;
    const double P = settings.nPlotHeight;
    const double from = settings.fFrom;
    const double w = fBinWidth;
    const unsigned half = nBins - 1;  // N / 2

    float b = static_cast<float>(from / w);
    float s = 0.0f, q = 1.0f;
    int peak;
    if (!settings.bLogarithmic) {
        s = static_cast<float>(static_cast<double>(settings.fRange) / w / W);
        peak = TruncToInt((frequency - from) / w / static_cast<double>(s) + 0.5, -1);
    } else {
        const double logRange = std::log10(static_cast<double>(settings.fTo) / from);
        q = static_cast<float>(std::pow(10.0, logRange / W));
        peak = TruncToInt(std::log10(frequency / from) / logRange * W + 0.5, -1);
    }
    // A step that does not advance would never leave the first bin.
    if (!pColumns || !(settings.bLogarithmic ? q > 1.0f : s > 0.0f) || !(b >= 0.0f)) return peak;

    for (int c = 0; c < W && b < static_cast<float>(half); ++c) {
        const int b0 = static_cast<int>(b);
        b = settings.bLogarithmic ? static_cast<float>(static_cast<double>(b) * q)
                                  : static_cast<float>(static_cast<double>(b) + s);
        const int n = TruncToInt(b) - b0;
        // The loudest level of the column's bins, at least -D. The levels
        // need not be taken one by one: the level of a float magnitude rises
        // with it (neighbouring floats lie some 2^-24 apart, far more than
        // log10's error), and so does its rounding to float, so the level of
        // the largest magnitude is the largest level.
        float loudest = afMagnitudes[b0];
        for (int k = 1; k < n && static_cast<unsigned>(b0 + k) < nBins; ++k)
            loudest = std::max(loudest, afMagnitudes[b0 + k]);
        float v = static_cast<float>(20 * std::log10(static_cast<double>(loudest)));
        if (v < -D) v = static_cast<float>(-D);
        pColumns[c].store(static_cast<float>((D + v) / D * P), std::memory_order_relaxed);
    }
    return peak;
}
