// SPDX-License-Identifier: GPL-3.0-or-later
// The per-block pipeline written out step by step, as plainly as possible: no
// cached windows, no shortcuts in the transform, every array cleared. The
// analyser must give the same bits for every block.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "ReferenceFft.h"
#include "Signals.h"
#include "analysis/Fft.h"
#include "analysis/NoteTable.h"
#include "analysis/PitchAnalyser.h"

namespace {

struct ReferenceResult {
    std::vector<float> M;  // normalised magnitudes 0 ... H
    double dFrequency;
    int nPeakBin;
};

ReferenceResult ReferenceBlock(const int16_t* block, unsigned n, int type, float alpha) {
    const unsigned S = 1333, H = n / 2;
    const double w = 16000.0 / n;
    std::vector<float> frame(5332, 0.0f), area(16384, 0.0f), win(8192, 0.0f);
    for (unsigned v = 0; v < 2666; v += 2) frame[v] = float(block[v] + block[v + 1]);
    for (unsigned i = 0; i < 5332; ++i) area[i] = frame[i];
    auto x = [&](unsigned s) -> float& { return area[2 * s]; };
    float P0 = 0;
    for (unsigned s = 0; s < S; ++s)
        if (x(s) > 0 && x(s) > P0) P0 = x(s);
    const float scale = float(double(P0) / 32768 / 2);
    unsigned a = 0;
    bool found = false;
    for (unsigned s = 1; s < S && !found; ++s)
        if (x(s - 1) <= 0 && x(s) >= 0 && x(s) > x(s - 1)) a = s, found = true;
    if (!found || a >= S - 50) a = 0;
    unsigned b = S;
    found = false;
    for (unsigned s = S - 1; s > a && !found; --s)
        if (x(s) <= 0 && x(s + 1) >= 0 && x(s + 1) > x(s)) b = s, found = true;
    if (!found || b < a + 50) b = S;
    const unsigned L = b - a;
    for (unsigned j = 0; j < L; ++j) x(j) = x(a + j);
    for (unsigned j = L; j < H; ++j) x(j) = 0;
    ComputeWindowCoefficients(type, alpha, int(L), win.data());
    for (unsigned j = 0; j < L; ++j) x(j) = float(double(x(j)) * win[j]);
    std::vector<float> re(n), im(n, 0.0f), ro(n), io(n);
    for (unsigned j = 0; j < n; ++j) re[j] = x(j);
    ReferenceFft(n, re.data(), im.data(), ro.data(), io.data());
    for (unsigned k = 1; k < H; ++k)
        area[k] = float(std::sqrt(double(ro[k]) * ro[k] + double(io[k]) * io[k]));
    float* M = area.data();
    for (int pass = 0; pass < 3; ++pass) {
        for (unsigned k = 0; k <= H - 2; ++k) M[k] = float(0.5 * M[k] + 0.5 * M[k + 1]);
        for (unsigned k = H - 1; k >= 1; --k) M[k] = float(0.5 * M[k] + 0.5 * M[k - 1]);
    }
    for (unsigned k = 0; k <= H; ++k)
        if (!(M[k] > 0)) M[k] = 1e-6f;

    // Dominant frequency.
    double bestS = 0, bestC = 0;
    for (unsigned i = 5; i <= H - 1; ++i) {
        double si = 0, ci = 0;
        for (unsigned j = i - 5; j <= i - 1; ++j) si += M[j], ci += double(j) * M[j];
        if (i == 5 || si > bestS) bestS = si, bestC = ci;
    }
    const int p = int(bestC / bestS);
    const double P = M[p];
    const double semitone = QUARTER_TONE_RATIO * QUARTER_TONE_RATIO;
    int o = int((semitone - 1) * (double(p) * w) / w);
    bool sub = false;
    int centre = p, k0 = 0;
    if (o >= 5) {
        for (int k = int(40 / w); k < p - o; ++k)
            if (M[k] > 0.5 * P) {
                k0 = k, sub = true;
                break;
            }
        if (sub) {
            centre = k0;
            for (int k = k0; k < p; ++k) {
                const double A = double(M[k]) + M[k + 1] + M[k + 2] + M[k + 3] + M[k + 4];
                const double B = double(M[k + 1]) + M[k + 2] + M[k + 3] + M[k + 4] + M[k + 5];
                if (B < A) {
                    centre = k + 2;
                    o = int(centre * (semitone - 1));
                    break;
                }
            }
        }
    }
    int h = sub ? o : 35;
    if (centre <= h) h = centre - 1;
    if (centre >= int(H) - h) h = int(H) - centre - 1;
    ReferenceResult r;
    if (h <= 0) {
        r.dFrequency = 1.0;
        r.nPeakBin = centre;
    } else {
        double sm = 0, sjm = 0;
        for (int j = centre - h; j <= centre + h - 1; ++j) sm += M[j], sjm += double(j) * M[j];
        r.dFrequency = sjm / sm * w;
        r.nPeakBin = int(sjm / sm);
        if (r.dFrequency < 40) r.dFrequency = 1.0;
    }
    float G = 0;
    for (unsigned k = 0; k <= H; ++k)
        if (M[k] > G) G = M[k];
    for (unsigned k = 0; k <= H; ++k) M[k] = float(M[k] / (double(G) / scale));
    r.M.assign(M, M + H + 1);
    return r;
}

// Blocks of many kinds: tones, chords, noise, silence, clipped and odd input.
std::vector<std::vector<int16_t>> MixedBlocks() {
    std::vector<std::vector<int16_t>> blocks;
    long frame = 0;
    for (double hz : {41.0, 82.4, 196.0, 440.0, 1318.5, 3951.0}) {
        blocks.push_back(ToneBlock(hz, 6000, frame, 3000));
        frame += 1333;
    }
    blocks.push_back(TwoToneBlock(600, 10000, 300, 8000));
    blocks.push_back(TwoToneBlock(150, 10000, 60, 8000));
    std::mt19937 rng(9);
    std::uniform_int_distribution<int> noise(-20000, 20000);
    std::vector<int16_t> b(BLOCK_VALUES);
    for (auto& v : b) v = int16_t(noise(rng));
    blocks.push_back(b);
    blocks.emplace_back(BLOCK_VALUES, 0);
    blocks.emplace_back(BLOCK_VALUES, int16_t(-5));
    for (unsigned i = 0; i < BLOCK_VALUES; ++i) b[i] = (i / 40) % 2 ? -32768 : 32767;
    blocks.push_back(b);
    return blocks;
}

}  // namespace

TEST(ReferencePipeline, SameSpectrumAndDominantFrequencyBitForBit) {
    const auto blocks = MixedBlocks();
    for (int sizeIndex : {0, 1}) {
        for (int type = 0; type < WINDOW_TYPE_COUNT; ++type) {
            CPitchAnalyser analyser;
            analyser.ApplyFftParameters(type, sizeIndex, 0.37f);
            const unsigned n = sizeIndex ? 8192 : 4096;
            // Twice over, so that cached coefficients are used as well.
            for (int round = 0; round < 2; ++round) {
                for (size_t i = 0; i < blocks.size(); ++i) {
                    ASSERT_TRUE(analyser.AnalyseBlock(blocks[i].data()));
                    const ReferenceResult ref = ReferenceBlock(blocks[i].data(), n, type, -0.37f);
                    const PitchReading& r = analyser.GetReading();
                    ASSERT_EQ(r.dFrequency, ref.dFrequency) << n << " " << type << " " << i;
                    ASSERT_EQ(r.nPeakBin, ref.nPeakBin) << n << " " << type << " " << i;
                    ASSERT_EQ(0, std::memcmp(analyser.GetSpectrum(), ref.M.data(),
                                             ref.M.size() * sizeof(float)))
                        << n << " " << type << " " << i;
                }
            }
        }
    }
}

TEST(ReferencePipeline, SwitchingSizeAndWindowBetweenBlocksLeavesNothingBehind) {
    const auto blocks = MixedBlocks();
    CPitchAnalyser analyser;
    for (int round = 0; round < 3; ++round) {
        for (size_t i = 0; i < blocks.size(); ++i) {
            const int sizeIndex = int(i + round) % 2;
            const int type = int(i * 3 + round) % WINDOW_TYPE_COUNT;
            analyser.ApplyFftParameters(type, sizeIndex, 0.8f);
            ASSERT_TRUE(analyser.AnalyseBlock(blocks[i].data()));
            const ReferenceResult ref =
                ReferenceBlock(blocks[i].data(), sizeIndex ? 8192 : 4096, type, -0.8f);
            ASSERT_EQ(analyser.GetReading().dFrequency, ref.dFrequency) << round << " " << i;
            ASSERT_EQ(
                0, std::memcmp(analyser.GetSpectrum(), ref.M.data(), ref.M.size() * sizeof(float)))
                << round << " " << i;
        }
    }
}
