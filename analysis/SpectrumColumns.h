// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <atomic>

// The spectrum area's data: its display settings (range, scale, dynamic
// range, plot geometry) and the per-pixel column heights prepared once per
// block, so that a repaint only draws.
constexpr int MAX_SPECTRUM_COLUMNS = 2500;

class CSpectrumColumns {
public:
    // One consistent set of the settings PrepareColumns needs.
    struct Settings {
        float fFrom = 40.0f;
        float fTo = 4000.0f;
        float fRange = 3960.0f;
        int nDynamicRange = 45;
        int bLogarithmic = 0;
        int nPlotWidth = 0;   // W, also the number of columns
        int nPlotHeight = 0;  // P
    };

    CSpectrumColumns();

    Settings GetSettings() const;

    // Fills the columns from the normalised magnitudes of bins 0 ... nBins - 1
    // (nBins = FFT size / 2 + 1) and returns the column of frequency.
    int PrepareColumns(const float* afMagnitudes, unsigned nBins, float fBinWidth, double frequency,
                       const Settings& settings);
    // The column of frequency alone, as PrepareColumns returns it; no column
    // is touched.
    static int PeakColumn(unsigned nBins, float fBinWidth, double frequency,
                          const Settings& settings);
    int PrepareColumns(const float* afMagnitudes, unsigned nBins, float fBinWidth,
                       double frequency) {
        return PrepareColumns(afMagnitudes, nBins, fBinWidth, frequency, GetSettings());
    }
    void SetPeakColumn(int column) { m_nPeakColumn.store(column, std::memory_order_relaxed); }
    int GetPeakColumn() const { return m_nPeakColumn.load(std::memory_order_relaxed); }
    float GetColumn(int c) const { return m_fColumns[c].load(std::memory_order_relaxed); }

    // Client size of the view; plot width W = width - 40, plot height P =
    // height - 40.
    void SetSize(int width, int height);

    std::atomic<int> m_nDynamicRange{45};
    std::atomic<int> m_bLogarithmic{0};
    std::atomic<float> m_fFrom{40.0f};
    std::atomic<float> m_fTo{4000.0f};
    std::atomic<float> m_fRange{3960.0f};
    std::atomic<double> m_dLogRange{2.0};
    std::atomic<unsigned> m_nZoomLevel{0};

private:
    std::atomic<int> m_nWidth{0};
    std::atomic<int> m_nHeight{0};
    std::atomic<int> m_nPeakColumn{0};
    std::array<std::atomic<float>, MAX_SPECTRUM_COLUMNS> m_fColumns;
    // Both of the above: the columns into pColumns unless it is null.
    static int Prepare(std::atomic<float>* pColumns, const float* afMagnitudes, unsigned nBins,
                       float fBinWidth, double frequency, const Settings& settings);
};
