// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound/DemoPhrase.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int SAMPLE_RATE = 16000;
constexpr double PI = 3.14159265358979323846;
// Partials of the pluck: enough for a string-like tone, all below 7 kHz so
// none folds back under the 8 kHz Nyquist limit.
constexpr int MAX_PARTIALS = 10;
constexpr double TOP_PARTIAL_HZ = 7000.0;
// The fundamental dies away over a few seconds; higher partials faster, as on
// a real string, so the tone darkens while it rings.
constexpr double FUNDAMENTAL_DECAY_PER_S = 1.1;
constexpr double DECAY_GROWTH_PER_PARTIAL = 0.45;
// A short attack and release, so the notes start and stop without clicks.
constexpr double ATTACK_S = 0.004;
constexpr double RELEASE_S = 0.03;
constexpr double PEAK = 0.5 * 32767.0;

}  // namespace

const std::vector<DemoNote>& DemoPhraseNotes() {
    // An arpeggio over A with a step down: in tune, sharp, flat, in tune.
    static const std::vector<DemoNote> notes = {
        {0, 0.0, 1.6},    // A5
        {4, 14.0, 1.6},   // C#6, sharp
        {7, -11.0, 1.6},  // E6, flat
        {12, 0.0, 1.6},   // A6
        {5, 7.0, 1.6},    // D6, a little sharp
        {0, -4.0, 2.0},   // A5, slightly flat
    };
    return notes;
}

double DemoNoteFrequency(const DemoNote& note) {
    return 440.0 * std::pow(2.0, (note.nSemitonesFromA5 + note.dCents / 100.0) / 12.0);
}

std::vector<int16_t> SynthesiseDemoPhrase() {
    std::vector<double> mono;
    for (const DemoNote& note : DemoPhraseNotes()) {
        const double f0 = DemoNoteFrequency(note);
        const auto nFrames = static_cast<size_t>(std::lround(note.dSeconds * SAMPLE_RATE));
        const size_t nStart = mono.size();
        mono.resize(nStart + nFrames, 0.0);
        // Amplitudes fall as 1/k: a bright tone whose fundamental stays the
        // strongest partial.
        double dNorm = 0.0;
        for (int k = 1; k <= MAX_PARTIALS && k * f0 < TOP_PARTIAL_HZ; ++k) dNorm += 1.0 / k;
        for (int k = 1; k <= MAX_PARTIALS && k * f0 < TOP_PARTIAL_HZ; ++k) {
            const double dAmp = 1.0 / k / dNorm;
            const double dDecay = FUNDAMENTAL_DECAY_PER_S * (1.0 + DECAY_GROWTH_PER_PARTIAL * (k - 1));
            const double dOmega = 2.0 * PI * k * f0 / SAMPLE_RATE;
            // Alternating start phases keep the summed attack from spiking.
            const double dPhase = (k % 2) ? 0.0 : PI / 2.0;
            for (size_t n = 0; n < nFrames; ++n) {
                const double t = static_cast<double>(n) / SAMPLE_RATE;
                mono[nStart + n] += dAmp * std::exp(-dDecay * t) * std::sin(dOmega * n + dPhase);
            }
        }
        for (size_t n = 0; n < nFrames; ++n) {
            const double t = static_cast<double>(n) / SAMPLE_RATE;
            const double tLeft = note.dSeconds - t;
            double dEnvelope = 1.0;
            if (t < ATTACK_S) dEnvelope = t / ATTACK_S;
            if (tLeft < RELEASE_S) dEnvelope = std::min(dEnvelope, std::max(0.0, tLeft / RELEASE_S));
            mono[nStart + n] *= dEnvelope;
        }
    }
    mono.resize(mono.size() + static_cast<size_t>(std::lround(DEMO_REST_SECONDS * SAMPLE_RATE)), 0.0);

    std::vector<int16_t> samples;
    samples.reserve(mono.size() * 2);
    for (double v : mono) {
        const auto s = static_cast<int16_t>(std::lround(std::clamp(v * PEAK, -32767.0, 32767.0)));
        samples.push_back(s);
        samples.push_back(s);
    }
    return samples;
}
