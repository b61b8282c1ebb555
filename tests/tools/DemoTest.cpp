// SPDX-License-Identifier: GPL-3.0-or-later
// --demo: the built-in phrase, the looping in-memory capture device that plays
// it, and the options of both programs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

#include "analysis/NoteTable.h"
#include "capture/CaptureDevices.h"
#include "platform/sound/DemoPhrase.h"
#include "platform/sound/WaveFileCapture.h"
#include "tests/capture/CaptureTestSupport.h"
#include "tests/tools/ToolTestSupport.h"
#include "tools/AnalyzeOptions.h"
#include "tools/FileAnalysis.h"

namespace {

using tooltest::RunAnalyze;
using tooltest::ScratchDir;
using tooltest::Split;

double CentsBetween(double dFrequency, double dReference) {
    return 1200.0 * std::log2(dFrequency / dReference);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Where each note of the phrase starts, in seconds, and where the last ends.
std::vector<double> NoteStartSeconds() {
    std::vector<double> starts;
    double t = 0.0;
    for (const DemoNote& note : DemoPhraseNotes()) {
        starts.push_back(t);
        t += note.dSeconds;
    }
    starts.push_back(t);
    return starts;
}

bool Parse(std::initializer_list<const char*> args, CAnalyzeOptions& options, std::string& error) {
    std::vector<const char*> argv{"kalvo-analyze"};
    argv.insert(argv.end(), args);
    return ParseAnalyzeOptions(static_cast<int>(argv.size()), argv.data(), options, error);
}

}  // namespace

TEST(DemoPhrase, IsStereo16kWithTheNotesThenTheRest) {
    const std::vector<int16_t> samples = SynthesiseDemoPhrase();
    double dSeconds = DEMO_REST_SECONDS;
    for (const DemoNote& note : DemoPhraseNotes()) dSeconds += note.dSeconds;
    ASSERT_EQ(samples.size() % 2, 0u);
    EXPECT_NEAR(static_cast<double>(samples.size()) / 2 / SAMPLE_RATE, dSeconds, 0.001);
    // Both channels carry the tone; the rest is silent; nothing clips.
    size_t nLoud = 0;
    for (size_t i = 0; i + 1 < samples.size(); i += 2) {
        EXPECT_EQ(samples[i], samples[i + 1]) << i;
        if (std::abs(samples[i]) > 1000) ++nLoud;
        ASSERT_LT(std::abs(samples[i]), 32767) << i;
    }
    EXPECT_GT(nLoud, samples.size() / 20);
    const size_t nRestValues = static_cast<size_t>(DEMO_REST_SECONDS * SAMPLE_RATE) * 2;
    EXPECT_TRUE(
        std::all_of(samples.end() - nRestValues, samples.end(), [](int16_t s) { return s == 0; }));
    EXPECT_EQ(SynthesiseDemoPhrase(), samples);
}

// The tuner's own analysis, block by block as the capture thread feeds it,
// names every note of the phrase and measures how far off it is played.
TEST(DemoPhrase, TheAnalysisReadsBackEachNoteAndItsCents) {
    const std::vector<int16_t> samples = SynthesiseDemoPhrase();
    CAnalyzeOptions options;
    CBlockAnalyser analyser(options);
    std::vector<PitchReading> readings;
    for (size_t i = 0; i + BLOCK_VALUES <= samples.size(); i += BLOCK_VALUES) {
        ASSERT_TRUE(analyser.Analyse(samples.data() + i));
        readings.push_back(analyser.GetReading());
    }

    const std::vector<double> starts = NoteStartSeconds();
    const auto& notes = DemoPhraseNotes();
    int nOffNotes = 0;
    for (size_t n = 0; n < notes.size(); ++n) {
        const int nNote = NOTE_A5 + notes[n].nSemitonesFromA5;
        std::vector<double> cents;
        int nShownAtEnd = 0;
        for (size_t b = 0; b < readings.size(); ++b) {
            const double tEnd = static_cast<double>((b + 1) * BLOCK_FRAMES) / SAMPLE_RATE;
            // Blocks whose FFT window (8192 frames) lies inside the note.
            if (tEnd < starts[n] + 8192.0 / SAMPLE_RATE || tEnd > starts[n + 1]) continue;
            EXPECT_EQ(readings[b].nNoteIndex, nNote)
                << "note " << n << " block " << b << " " << readings[b].dFrequency << " Hz";
            cents.push_back(CentsBetween(readings[b].dFrequency,
                                         440.0 * std::pow(2.0, (nNote - NOTE_A5) / 12.0)));
            nShownAtEnd = readings[b].nShownCents;
        }
        ASSERT_GE(cents.size(), 5u) << "note " << n;
        const double dMeasured = Median(cents);
        EXPECT_NEAR(dMeasured, notes[n].dCents, 3.0) << "note " << n;
        if (std::abs(dMeasured) >= 5.0) {
            ++nOffNotes;
            // The cent meter has settled on the right side of the mark.
            EXPECT_EQ(nShownAtEnd > 0, dMeasured > 0) << "note " << n << " shows " << nShownAtEnd;
            EXPECT_NE(nShownAtEnd, 0) << "note " << n;
        }
    }
    EXPECT_GE(nOffNotes, 2);
}

// In memory and looping, the device plays the samples again and again
// instead of going silent, from the first byte of each pass.
TEST(DemoCapture, AnInMemoryLoopRepeatsItsSamples) {
    std::vector<int16_t> pattern;
    for (int i = 0; i < 3001; ++i) {  // not a whole number of blocks
        pattern.push_back(static_cast<int16_t>(i * 7 % 20000 - 10000));
        pattern.push_back(static_cast<int16_t>(-(i * 3 % 15000)));
    }
    CWaveFileCaptureSystem system("pattern", pattern, true);
    CCaptureDeviceList list;
    ASSERT_EQ(EnumerateCaptureDevices(system, list), DS_OK);

    CPitchAnalyser analyser;
    CCaptureProbe probe(analyser);
    analyser.SetHost(&probe);
    analyser.GetControlState().m_nRecordFlags = REC_WAVE;
    CCaptureEngine engine(system, analyser);
    engine.SetWaveSink(&probe);
    ASSERT_TRUE(engine.StartUp().bOk);
    ASSERT_TRUE(probe.WaitForWrites(7, 30000));
    engine.Close();

    const std::vector<int16_t> written = probe.Written();
    ASSERT_GE(written.size(), 3 * pattern.size());
    for (size_t i = 0; i < written.size(); ++i)
        ASSERT_EQ(written[i], pattern[i % pattern.size()]) << i;
    EXPECT_FALSE(system.GetState()->IsPlayedOut());
}

TEST(DemoOptions, AnalyzeTakesDemoAloneOrWithLive) {
    for (auto args : {std::initializer_list<const char*>{"--demo"},
                      std::initializer_list<const char*>{"--live", "--demo"},
                      std::initializer_list<const char*>{"--demo", "--live", "--seconds", "2"}}) {
        CAnalyzeOptions o;
        std::string error;
        ASSERT_TRUE(Parse(args, o, error)) << error;
        EXPECT_TRUE(o.bLive);
        EXPECT_TRUE(o.bDemo);
        EXPECT_TRUE(o.strSource.empty());
        EXPECT_TRUE(o.strLiveInput.empty());
    }
    CAnalyzeOptions o;
    std::string error;
    EXPECT_FALSE(o.bDemo);
    EXPECT_FALSE(Parse({"--demo", "--input", "a.wav"}, o, error));
    EXPECT_NE(error.find("--demo"), std::string::npos) << error;
    o = {};
    EXPECT_FALSE(Parse({"--live", "alsa_input.usb", "--demo"}, o, error));
    o = {};
    EXPECT_FALSE(Parse({"--demo", "song.wav"}, o, error));
    o = {};
    EXPECT_FALSE(Parse({"--demo=yes"}, o, error));
    EXPECT_NE(AnalyzeUsage().find("--demo"), std::string::npos);
}

// The program as a user runs it: the table of a few seconds of the demo
// names the phrase's first notes in order, with no sound server needed.
TEST(DemoCommand, LiveDemoPrintsThePhrasesNotes) {
    ScratchDir dir;
    // A server address where nothing listens: the demo must not need one.
    setenv("PULSE_SERVER", "unix:/nonexistent-kalvo-dir/pulse/native", 1);
    const auto r = RunAnalyze(dir, {"--live", "--demo", "--seconds", "5.5", "--tsv"});
    unsetenv("PULSE_SERVER");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Split(r.out, "\n");
    ASSERT_GT(lines.size(), 40u) << r.out;
    EXPECT_EQ(lines[0], TsvHeader());
    // The notes in the order they appear, each counted once per run of blocks.
    std::vector<std::string> sequence;
    for (size_t i = 1; i < lines.size(); ++i) {
        const auto cols = Split(lines[i] + "\t", "\t");
        ASSERT_EQ(cols.size(), 15u) << lines[i];
        const std::string& name = cols[8];
        if (std::stof(cols[3]) <= 0.0f) continue;  // no frequency
        if (sequence.empty() || sequence.back() != name) sequence.push_back(name);
    }
    std::vector<std::string> expected;
    for (size_t n = 0; n < 3; ++n)
        expected.push_back(NoteName(NOTE_A5 + DemoPhraseNotes()[n].nSemitonesFromA5));
    // Passing readings between notes may add a name; the phrase's notes come
    // in order.
    size_t k = 0;
    for (const std::string& name : sequence)
        if (k < expected.size() && name == expected[k]) ++k;
    EXPECT_EQ(k, expected.size()) << r.out;
}

namespace {
using namespace tooltest;

// The --live line names the notes as asked; the files keep English names.
TEST(NoteNamesCommand, TheLiveLineNamesATwoNoteTuneInEachNaming) {
    ScratchDir dir;
    const std::string strTune = dir / "a-then-b.wav";
    // A5 (440 Hz) for a second, then the B below it (B4, 246.9 Hz).
    ASSERT_TRUE(WriteAudio(strTune, 16000, 1, 32000, [](int64_t i, int) {
        const double f = i < 16000 ? 440.0 : 440.0 * std::pow(2.0, -10.0 / 12.0);
        return 8000.0 * std::sin(2 * M_PI * f * static_cast<double>(i) / 16000);
    }));
    const std::pair<const char*, std::pair<const char*, const char*>> cases[] = {
        {"english", {"A5 ", "B4 "}}, {"german", {"A5 ", "H4 "}}, {"solfege", {"La5 ", "Si4 "}}};
    for (const auto& [pszNaming, names] : cases) {
        SCOPED_TRACE(pszNaming);
        const auto r = RunAnalyze(dir, {"--live", "--input", strTune, "--names", pszNaming});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find(std::string("|    ") + names.first), std::string::npos) << r.out;
        EXPECT_NE(r.out.find(std::string("|    ") + names.second), std::string::npos) << r.out;
    }
    const auto r = RunAnalyze(dir, {"--names", "greek", strTune});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(OneLine(r.err)) << r.err;
}
}  // namespace
