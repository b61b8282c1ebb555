// SPDX-License-Identifier: GPL-3.0-or-later
// kalvo-analyze throughput: seconds of 16 kHz stereo audio analysed per CPU
// second, reading the file and writing the session log included.

#include <benchmark/benchmark.h>
#include <sndfile.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/sound/AudioFileReader.h"
#include "tools/AnalyzeOptions.h"
#include "tools/FileAnalysis.h"

namespace {

constexpr int RATE = 16000;
constexpr int SECONDS = 60;

// A played line rather than one steady tone, so that the log has lines to
// write: a new note every half second, two octaves around A5, with a
// harmonic and a little noise.
std::string MakeTestFile(int rate = RATE, int channels = 2) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("kalvo_bench_analyze_60s_" + std::to_string(rate) + "_" +
                                        std::to_string(channels) + ".wav");
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!f) return {};
    std::vector<short> frames(2 * rate);
    uint32_t noise = 12345;
    double phase = 0;
    for (int second = 0; second < SECONDS; ++second) {
        for (int i = 0; i < rate; ++i) {
            const int step = (2 * second + i / (rate / 2)) % 25 - 12;
            const double hz = 440.0 * std::pow(2.0, step / 12.0);
            phase += 2 * M_PI * hz / rate;
            noise = noise * 1664525u + 1013904223u;
            const double n = (static_cast<double>(noise >> 16) / 65536.0 - 0.5) * 400.0;
            const double v = 8000.0 * std::sin(phase) + 2000.0 * std::sin(2 * phase) + n;
            frames[channels * i] = static_cast<short>(std::lrint(v));
            if (channels > 1) frames[channels * i + 1] = static_cast<short>(std::lrint(0.9 * v));
        }
        sf_writef_short(f, frames.data(), rate);
    }
    sf_close(f);
    return path.string();
}

// The 60 s file, written once for the analysis benchmarks and removed at exit.
struct SharedTestFile {
    std::string path = MakeTestFile();
    ~SharedTestFile() {
        std::error_code ec;
        if (!path.empty()) std::filesystem::remove(path, ec);
    }
};

void RunAnalysis(benchmark::State& state, bool bAll, bool bTsv, unsigned nJobs = 1) {
    static const SharedTestFile file;
    const std::string& path = file.path;
    if (path.empty()) {
        state.SkipWithError("cannot write the test file");
        return;
    }
    std::FILE* out = std::fopen("/dev/null", "w");
    if (!out) {
        state.SkipWithError("cannot open /dev/null");
        return;
    }
    CAnalyzeOptions options;
    options.strInput = path;
    options.bAllBlocks = bAll;
    if (bTsv) options.format = OutputFormat::Tsv;
    options.nJobs = nJobs;
    for (auto _ : state) {
        std::string error;
        if (AnalyseAudioFile(options, out, error) != EXIT_ANALYZE_OK) {
            state.SkipWithError(error.c_str());
            break;
        }
    }
    std::fclose(out);
    // Rate counters are divided by the CPU time of the benchmark.
    state.counters["audio_s_per_cpu_s"] =
        benchmark::Counter(SECONDS, benchmark::Counter::kIsIterationInvariantRate);
}

// Reading and conversion alone, to see what the analysis leaves to the file.
void RunRead(benchmark::State& state, int rate, int channels) {
    const std::string path = MakeTestFile(rate, channels);
    if (path.empty()) {
        state.SkipWithError("cannot write the test file");
        return;
    }
    std::vector<int16_t> block(2 * 1333);
    for (auto _ : state) {
        CAudioFileReader16k reader;
        std::string error;
        size_t got = 0;
        if (!reader.Open(path, error)) {
            state.SkipWithError(error.c_str());
            break;
        }
        do {
            if (!reader.Read(block.data(), 1333, got, error)) {
                state.SkipWithError(error.c_str());
                break;
            }
            benchmark::DoNotOptimize(block.data());
        } while (got > 0);
    }
    state.counters["audio_s_per_cpu_s"] =
        benchmark::Counter(SECONDS, benchmark::Counter::kIsIterationInvariantRate);
    std::filesystem::remove(path);
}

void BM_ReadOnly16kStereo(benchmark::State& state) {
    RunRead(state, 16000, 2);
}
void BM_ReadOnly44kMono(benchmark::State& state) {
    RunRead(state, 44100, 1);
}

void BM_AnalyzeLog(benchmark::State& state) {
    RunAnalysis(state, false, false);
}
void BM_AnalyzeAll(benchmark::State& state) {
    RunAnalysis(state, true, false);
}
void BM_AnalyzeTsv(benchmark::State& state) {
    RunAnalysis(state, false, true);
}
// --tsv on 1 and 2 threads: wall time (the CPU time adds up the threads).
void BM_AnalyzeJobs(benchmark::State& state) {
    RunAnalysis(state, false, true, static_cast<unsigned>(state.range(0)));
}

}  // namespace

BENCHMARK(BM_AnalyzeLog)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_AnalyzeAll)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_AnalyzeTsv)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_AnalyzeJobs)
    ->ArgName("jobs")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0)
    ->UseRealTime();

BENCHMARK(BM_ReadOnly16kStereo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadOnly44kMono)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
