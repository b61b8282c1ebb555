// SPDX-License-Identifier: GPL-3.0-or-later
// Repaint cost of each view: one full OnDraw into its back buffer, as a
// refresh after a block does.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cmath>
#include <vector>

#include "analysis/Constants.h"
#include "analysis/NoteTable.h"
#include "platform/ui/Gdi.h"
#include "views/CentMeter.h"
#include "views/FrequencyDisplay.h"
#include "views/NoteArea.h"
#include "views/SpectrumArea.h"
#include "views/StrobeView.h"

namespace {
void BM_CentMeter(benchmark::State& state) {
    CCentMeter meter;
    meter.SetPitch(445.0f, 440.0f);
    meter.ComputeCents();
    QImage image(CCentMeter::WIDTH, CCentMeter::HEIGHT, QImage::Format_RGB32);
    for (auto _ : state) {
        meter.Render(image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_CentMeter);

void BM_NoteArea(benchmark::State& state) {
    CFont font;
    font.CreateDialogFont();
    CNoteArea area;
    area.m_pFont = &font;
    // C7#: staff, head, accidental and the octave sign with its text.
    area.SetFrequency(NoteTable[61]);
    area.m_bSharps = static_cast<int>(state.range(0));
    QImage image(CNoteArea::SIZE, CNoteArea::SIZE, QImage::Format_RGB32);
    for (auto _ : state) {
        area.Render(image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_NoteArea)->Arg(0)->Arg(1);

void BM_FrequencyDisplay(benchmark::State& state) {
    CFrequencyDisplay display;
    display.ShowFrequency(1234.5f);
    QImage image(CFrequencyDisplay::WIDTH, CFrequencyDisplay::HEIGHT, QImage::Format_RGB32);
    for (auto _ : state) {
        display.Render(image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_FrequencyDisplay);

// Spectrum area at the first layout's size and at the largest window
// (800 x 600 outside, about 620 x 455 of plot client).
void BM_SpectrumArea(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    CFont font;
    font.CreateDialogFont();
    CSpectrumArea area;
    area.m_pFont = &font;
    area.SetSize(width + 2, height + 2);
    area.GetColumns()->m_bLogarithmic = static_cast<int>(state.range(2));
    QImage image(width, height, QImage::Format_RGB32);
    area.Render(image);  // the plot geometry for PrepareColumns
    const unsigned nBins = FFT_SIZE_LARGE / 2 + 1;
    std::vector<float> mags(nBins);
    for (unsigned k = 0; k < nBins; ++k)
        mags[k] = static_cast<float>(0.5 + 0.5 * std::sin(k * 0.05));
    const float binWidth = static_cast<float>(SAMPLE_RATE) / FFT_SIZE_LARGE;
    area.SetPeakColumn(area.GetColumns()->PrepareColumns(mags.data(), nBins, binWidth, 440.0));
    for (auto _ : state) {
        area.Render(image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_SpectrumArea)->Args({362, 193, 0})->Args({362, 193, 1})->Args({620, 455, 0});

// One frame of the strobe (it draws 30 a second while shown): four rows of
// bands and the reading, at the first layout's size and the largest.
void BM_StrobeFrame(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    CFont font;
    font.CreateDialogFont();
    CPhaseMeter meter;
    meter.m_bEnabled = 1;
    std::vector<float> block(BLOCK_FRAMES);
    for (int b = 0; b < 12; ++b) {
        for (unsigned i = 0; i < BLOCK_FRAMES; ++i) {
            const double t = double(b * BLOCK_FRAMES + i) / SAMPLE_RATE;
            double v = 0;
            for (int n = 1; n <= 4; ++n) v += 4000 * std::sin(2 * M_PI * n * 110.05 * t);
            block[i] = static_cast<float>(v);
        }
        meter.AddBlock(block.data(), 1, 110.0, 21, 110.05);
    }
    CStrobeView view(&meter);
    view.m_pFont = &font;
    view.m_fnTargetName = [](int) { return std::string("A3"); };
    view.resize(width + 2, height + 2);
    double t = 0.0;
    view.m_fnClock = [&t] { return t; };
    QImage image(width, height, QImage::Format_RGB32);
    for (auto _ : state) {
        t += 0.033;
        view.Tick();
        view.Render(image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_StrobeFrame)->Args({362, 193})->Args({620, 455});
}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
