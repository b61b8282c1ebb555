// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the analysis core: the transform alone and the whole per-block
// pipeline, on real tones.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "analysis/Fft.h"
#include "analysis/PitchAnalyser.h"

namespace {

std::vector<int16_t> Tone(double hz, long firstFrame) {
    std::vector<int16_t> block(BLOCK_VALUES);
    for (unsigned i = 0; i < BLOCK_FRAMES; ++i) {
        const double v = 9000 * std::sin(2 * M_PI * hz * double(firstFrame + i) / SAMPLE_RATE) +
                         3000 * std::sin(4 * M_PI * hz * double(firstFrame + i) / SAMPLE_RATE);
        block[2 * i] = block[2 * i + 1] = static_cast<int16_t>(std::lround(v));
    }
    return block;
}

void BM_ComputeFft(benchmark::State& state) {
    const unsigned n = static_cast<unsigned>(state.range(0));
    std::vector<float> in(n, 0.0f), re(n), im(n);
    for (unsigned i = 0; i < 1333; ++i) in[i] = float(std::sin(i * 0.17) * 30000);
    for (auto _ : state) {
        ComputeFft(n, in.data(), nullptr, re.data(), im.data());
        benchmark::DoNotOptimize(re.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ComputeFft)->Arg(4096)->Arg(8192);

// The transform as the analysis runs it (1333 samples padded to 8192, only
// the lower half of the last stage) on each code path: 0 plain C++, 1 AVX2.
void BM_FftKernel(benchmark::State& state) {
    const FftKernel kernel = state.range(0) ? FftKernel::Avx2 : FftKernel::Scalar;
    if (!IsFftKernelAvailable(kernel)) {
        state.SkipWithError("this processor has no AVX2");
        return;
    }
    const unsigned n = 8192, used = 1333;
    std::vector<float> in(n, 0.0f), re(n), im(n);
    for (unsigned i = 0; i < used; ++i) in[i] = float(std::sin(i * 0.17) * 30000);
    for (auto _ : state) {
        ComputeFftPaddedWith(kernel, n, in.data(), nullptr, used, re.data(), im.data());
        benchmark::DoNotOptimize(re.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FftKernel)->ArgName("avx2")->Arg(0)->Arg(1);

// The fundamental method's single-precision magnitudes of the same block, on
// the path the processor gets (vector:1) and on the plain one.
void BM_QuickMagnitudes(benchmark::State& state) {
    const unsigned n = 8192, used = 1333;
    std::vector<float> in(n, 0.0f), mag(n / 2);
    for (unsigned i = 0; i < used; ++i) in[i] = float(std::sin(i * 0.17) * 30000);
    CFastRealFft quick;
    const bool vector = state.range(0) != 0;
    for (auto _ : state) {
        if (vector)
            quick.Magnitudes(n, in.data(), used, mag.data());
        else
            quick.Magnitudes(CFastRealFft::Path::Plain, n, in.data(), used, mag.data());
        benchmark::DoNotOptimize(mag.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_QuickMagnitudes)->ArgName("vector")->Arg(1)->Arg(0);

// Blocks of a steady tone, slightly detuned from block to block so that the
// segment length (and with it the window) changes as on a real instrument.
void BM_AnalyseBlock(benchmark::State& state) {
    const int sizeIndex = static_cast<int>(state.range(0));
    const int window = static_cast<int>(state.range(1));
    CPitchAnalyser analyser;
    analyser.ApplyFftParameters(window, sizeIndex, 0.5f);
    analyser.m_nPitchMethod = static_cast<int>(state.range(2));
    std::vector<std::vector<int16_t>> blocks;
    for (int i = 0; i < 16; ++i) blocks.push_back(Tone(440.0 + 0.7 * i, 1333L * i));
    size_t k = 0;
    for (auto _ : state) {
        analyser.AnalyseBlock(blocks[k].data());
        k = (k + 1) % blocks.size();
        benchmark::DoNotOptimize(analyser.GetReading());
    }
    // How many times faster than the 83.3 ms a block lasts.
    state.counters["x_realtime"] = benchmark::Counter(
        double(state.iterations()) * BLOCK_FRAMES / SAMPLE_RATE, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_AnalyseBlock)
    ->ArgNames({"size8192", "window", "fundamental"})
    ->Args({0, WINDOW_HANNING, PITCH_METHOD_DOMINANT})
    ->Args({0, WINDOW_GAUSSIAN, PITCH_METHOD_DOMINANT})
    ->Args({1, WINDOW_HANNING, PITCH_METHOD_DOMINANT})
    ->Args({1, WINDOW_GAUSSIAN, PITCH_METHOD_DOMINANT})
    ->Args({1, WINDOW_HANNING, PITCH_METHOD_FUNDAMENTAL})
    ->Unit(benchmark::kMicrosecond);

// The same blocks with the phase meter on (the strobe shown, or --fine):
// the difference to BM_AnalyseBlock is the meter's cost per block.
void BM_AnalyseBlockWithPhaseMeter(benchmark::State& state) {
    CPitchAnalyser analyser;
    analyser.m_phaseMeter.m_bEnabled = static_cast<int>(state.range(0));
    std::vector<std::vector<int16_t>> blocks;
    for (int i = 0; i < 16; ++i) blocks.push_back(Tone(440.0 + 0.7 * i, 1333L * i));
    size_t k = 0;
    for (auto _ : state) {
        analyser.AnalyseBlock(blocks[k].data());
        k = (k + 1) % blocks.size();
        benchmark::DoNotOptimize(analyser.GetReading());
    }
}
BENCHMARK(BM_AnalyseBlockWithPhaseMeter)
    ->ArgName("meter")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

// The phase meter alone: one block, four rows.
void BM_PhaseMeter(benchmark::State& state) {
    CPhaseMeter meter;
    meter.m_bEnabled = 1;
    std::vector<float> block(BLOCK_FRAMES);
    for (unsigned i = 0; i < BLOCK_FRAMES; ++i)
        block[i] = static_cast<float>(16000 * std::sin(2 * M_PI * 110.3 * i / SAMPLE_RATE));
    for (auto _ : state) {
        meter.AddBlock(block.data(), 1, 110.0, 21, 110.3);
        benchmark::DoNotOptimize(meter.GetFineCents());
    }
}
BENCHMARK(BM_PhaseMeter)->Unit(benchmark::kMicrosecond);

// The fundamental method on the blocks that take its longest path: a high
// note with stretched partials under noise, where the period's dip is
// shallow and the spectrum is searched for the note.
void BM_AnalyseBlockHighNoteInNoise(benchmark::State& state) {
    CPitchAnalyser analyser;
    analyser.m_nPitchMethod = PITCH_METHOD_FUNDAMENTAL;
    std::vector<std::vector<int16_t>> blocks;
    unsigned seed = 1;
    for (int b = 0; b < 16; ++b) {
        std::vector<int16_t> block(BLOCK_VALUES);
        for (unsigned i = 0; i < BLOCK_FRAMES; ++i) {
            const double t = double(b * BLOCK_FRAMES + i) / SAMPLE_RATE;
            double v = 0;
            for (int n = 1; n <= 3; ++n)
                v += 6000 * std::sin(2 * M_PI * n * 2461.5 * (1 + 0.003 * n * n) * t);
            seed = seed * 1103515245u + 12345u;
            v += (double(seed >> 16 & 0x7fff) / 0x7fff - 0.5) * 1200;
            block[2 * i] = block[2 * i + 1] = static_cast<int16_t>(std::lround(v));
        }
        blocks.push_back(block);
    }
    size_t k = 0;
    for (auto _ : state) {
        analyser.AnalyseBlock(blocks[k].data());
        k = (k + 1) % blocks.size();
        benchmark::DoNotOptimize(analyser.GetReading());
    }
}
BENCHMARK(BM_AnalyseBlockHighNoteInNoise)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
