// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

// The built-in phrase of --demo: a few plucked notes, some of them slightly
// out of tune so the cent meter has something to show, then a rest. It lets
// the tuner be tried on a machine without a microphone or sound server.
struct DemoNote {
    int nSemitonesFromA5;  // 0 = A5 (440 Hz), the analysis's note naming
    double dCents;         // how far the note is played off its equal-tempered pitch
    double dSeconds;       // how long the note sounds before the next one is plucked
};

// The notes in the order they are played.
const std::vector<DemoNote>& DemoPhraseNotes();
// The name the capture device of the demo is listed under.
constexpr const char* DEMO_DEVICE_NAME = "Kalvo demo phrase";

// The rest after the last note, before the phrase starts again.
constexpr double DEMO_REST_SECONDS = 1.5;

// The frequency a demo note is played at, with A5 = 440 Hz.
double DemoNoteFrequency(const DemoNote& note);

// The phrase, rest included, as 16000 Hz interleaved stereo 16-bit samples
// (the tuner's capture format). The same every call: nothing random.
std::vector<int16_t> SynthesiseDemoPhrase();
