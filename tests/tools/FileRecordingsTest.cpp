// SPDX-License-Identifier: GPL-3.0-or-later
// kalvo-analyze --log/--wav/--midi and --log-to-midi run as a program: the
// three recordings of a played scale, checked against the plain analysis, the
// input samples and an SMF reader of the tests' own.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "ToolTestSupport.h"
#include "analysis/ReadingLine.h"
#include "tests/plugins/SmfReader.h"

using namespace tooltest;

namespace {

constexpr int RATE = 16000;
// A5, C6 and E6 for a second each: 48000 frames, so the last block is partial.
constexpr int64_t TONE_FRAMES = 3 * RATE;
constexpr double SCALE_HZ[] = {440.0, 523.2511, 659.2551};

int16_t ScaleSample(int64_t i) {
    const double hz = SCALE_HZ[i / RATE];
    return static_cast<int16_t>(
        std::lround(9000.0 * std::sin(2 * M_PI * hz * static_cast<double>(i) / RATE)));
}

bool WriteScale(const std::string& path) {
    return WriteAudio(path, RATE, 2, TONE_FRAMES,
                      [](int64_t i, int) { return static_cast<double>(ScaleSample(i)); });
}

uint32_t U32(const std::string& s, size_t at) {
    return static_cast<uint8_t>(s[at]) | static_cast<uint8_t>(s[at + 1]) << 8 |
           static_cast<uint8_t>(s[at + 2]) << 16 | static_cast<uint32_t>(static_cast<uint8_t>(s[at + 3])) << 24;
}
uint16_t U16(const std::string& s, size_t at) {
    return static_cast<uint16_t>(static_cast<uint8_t>(s[at]) | static_cast<uint8_t>(s[at + 1]) << 8);
}

// Milliseconds of a tick, from the file's division and its first tempo.
double TickMs(const SmfFile& smf, uint32_t nTick) {
    uint32_t nTempo = 500000;
    const auto tempos = smf.meta(0x51);
    if (!tempos.empty()) {
        const auto& d = smf.events[tempos[0]].data;
        if (d.size() == 3) nTempo = d[0] << 16 | d[1] << 8 | d[2];
    }
    return static_cast<double>(nTick) * nTempo / smf.nDivision / 1000.0;
}

// The keys of the notes in order, repeats merged.
std::vector<int> Keys(const SmfFile& smf) {
    std::vector<int> keys;
    for (const SmfNote& note : smf.notes)
        if (keys.empty() || keys.back() != note.nKey) keys.push_back(note.nKey);
    return keys;
}

// When each key first sounds, in milliseconds.
double FirstOnMs(const SmfFile& smf, int nKey) {
    for (const SmfNote& note : smf.notes)
        if (note.nKey == nKey) return TickMs(smf, note.nOn);
    return -1;
}

TEST(FileRecordings, LogWaveAndMidiOfAToneFileWithTimesFromTheFile) {
    ScratchDir dir;
    ASSERT_TRUE(dir.Ok());
    const std::string tone = dir / "scale.wav";
    ASSERT_TRUE(WriteScale(tone));
    const std::string log = dir / "session.log", wav = dir / "rec.wav", mid = dir / "rec.mid";

    const RunResult run = RunAnalyze(dir, {tone, "--log", log, "--wav", wav, "--midi", mid});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");

    {
        SCOPED_TRACE("log");
        const RunResult plain = RunAnalyze(dir, {tone});
        ASSERT_EQ(plain.status, 0) << plain.err;
        const std::string text = ReadWhole(log);
        ASSERT_GE(text.size(), 2u);
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
        const std::vector<std::string> lines = Split(text, "\r\n");
        const std::vector<std::string> plainLines = Split(plain.out, "\r\n");
        ASSERT_GE(lines.size(), static_cast<size_t>(LOG_HEADER_LINES + 2));
        // The header is the plain analysis's, then the start entry at the
        // file's beginning and the end entry at its end (3 s).
        for (int i = 0; i < LOG_HEADER_LINES; ++i) EXPECT_EQ(lines[i], plainLines.at(i)) << i;
        EXPECT_EQ(lines[LOG_HEADER_LINES], "00:00:00:00 |  INFO> start of logfile");
        EXPECT_EQ(lines.back(), "00:00:03:00 |  INFO> end of logfile");
        // Between them exactly the readings the plain analysis prints, with
        // the same times: the position in the file, not the time it took.
        const std::vector<std::string> readings(lines.begin() + LOG_HEADER_LINES + 1,
                                                lines.end() - 1);
        const std::vector<std::string> plainReadings(plainLines.begin() + LOG_HEADER_LINES,
                                                     plainLines.end());
        EXPECT_EQ(readings, plainReadings);
        std::vector<std::string> notes;
        for (const std::string& line : readings)
            for (const char* name : {"A5", "C6", "E6"})
                if (line.find(std::string(" ") + name + " ") != std::string::npos &&
                    (notes.empty() || notes.back() != name))
                    notes.push_back(name);
        EXPECT_EQ(notes, (std::vector<std::string>{"A5", "C6", "E6"}));
        ASSERT_FALSE(readings.empty());
        EXPECT_GE(readings.back().substr(0, 11), "00:00:02:00");
    }
    {
        SCOPED_TRACE("wave");
        const std::string bytes = ReadWhole(wav);
        ASSERT_EQ(bytes.size(), 44u + TONE_FRAMES * 4);
        EXPECT_EQ(bytes.substr(0, 4), "RIFF");
        EXPECT_EQ(U32(bytes, 4), 36u + TONE_FRAMES * 4);
        EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ");
        EXPECT_EQ(U32(bytes, 16), 16u);
        EXPECT_EQ(U16(bytes, 20), 1);   // PCM
        EXPECT_EQ(U16(bytes, 22), 2);   // channels
        EXPECT_EQ(U32(bytes, 24), 16000u);
        EXPECT_EQ(U32(bytes, 28), 64000u);
        EXPECT_EQ(U16(bytes, 32), 4);
        EXPECT_EQ(U16(bytes, 34), 16);
        EXPECT_EQ(bytes.substr(36, 4), "data");
        EXPECT_EQ(U32(bytes, 40), TONE_FRAMES * 4);
        // The input's frames, unchanged, the partial last block included.
        int nDifferent = 0;
        for (int64_t i = 0; i < TONE_FRAMES; ++i)
            for (int c = 0; c < 2; ++c)
                if (static_cast<int16_t>(U16(bytes, 44 + i * 4 + c * 2)) != ScaleSample(i))
                    ++nDifferent;
        EXPECT_EQ(nDifferent, 0);
    }
    SmfFile recorded;
    {
        SCOPED_TRACE("midi");
        std::string strError;
        ASSERT_TRUE(ReadSmfFile(mid, recorded, strError)) << strError;
        EXPECT_EQ(Keys(recorded), (std::vector<int>{69, 72, 76}));
        // Each note starts where its tone starts in the file.
        EXPECT_NEAR(FirstOnMs(recorded, 69), 0.0, 300.0);
        EXPECT_NEAR(FirstOnMs(recorded, 72), 1000.0, 300.0);
        EXPECT_NEAR(FirstOnMs(recorded, 76), 2000.0, 300.0);
    }
    {
        SCOPED_TRACE("log to midi");
        const RunResult conv = RunAnalyze(dir, {"--log-to-midi", log});
        ASSERT_EQ(conv.status, 0) << conv.err;
        EXPECT_EQ(conv.out, "");
        EXPECT_EQ(conv.err, "");
        SmfFile converted;
        std::string strError;
        ASSERT_TRUE(ReadSmfFile(dir / "session.mid", converted, strError)) << strError;
        // The log and the MIDI recording had the same lines at the same times.
        EXPECT_EQ(converted.notes, recorded.notes);
        EXPECT_EQ(Keys(converted), (std::vector<int>{69, 72, 76}));
    }
}

TEST(FileRecordings, EachRecordingAlsoOnItsOwn) {
    ScratchDir dir;
    ASSERT_TRUE(dir.Ok());
    const std::string tone = dir / "scale.wav";
    ASSERT_TRUE(WriteScale(tone));
    const RunResult run = RunAnalyze(dir, {tone, "--wav=" + (dir / "only.wav")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadWhole(dir / "only.wav").size(), 44u + TONE_FRAMES * 4);
    EXPECT_FALSE(fs::exists(dir / "only.log"));
    EXPECT_FALSE(fs::exists(dir / "only.mid"));
}

TEST(FileRecordings, BadInputEndsWithStatus2AndOneLine) {
    ScratchDir dir;
    ASSERT_TRUE(dir.Ok());
    const std::string tone = dir / "scale.wav";
    ASSERT_TRUE(WriteScale(tone));
    const std::string noise = dir / "noise.log";
    {
        std::string bytes;
        for (int i = 0; i < 4096; ++i) bytes.push_back(static_cast<char>((i * 7919) & 0xFF));
        ASSERT_TRUE(WriteText(noise, bytes));
    }
    const std::vector<std::vector<std::string>> cases = {
        {"--log-to-midi", dir / "missing.log"},
        {"--log-to-midi", dir.operator/("")},  // a folder
        {"--log-to-midi", noise},
        {"--log-to-midi", noise, tone},
        {"--log-to-midi", noise, "--wav", dir / "x.wav"},
        {dir / "missing.wav", "--log", dir / "x.log"},
        {noise, "--wav", dir / "x.wav"},
        {"--live", "--log", dir / "x.log"},
        {tone, "--log="},
    };
    for (const auto& args : cases) {
        std::string shown;
        for (const auto& a : args) shown += a + " ";
        SCOPED_TRACE(shown);
        const RunResult run = RunAnalyze(dir, args);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(OneLine(run.err)) << run.err;
        EXPECT_EQ(run.out, "");
    }
    // Nothing was made for the refused commands.
    EXPECT_FALSE(fs::exists(dir / "x.log"));
    EXPECT_FALSE(fs::exists(dir / "x.wav"));
    EXPECT_FALSE(fs::exists(dir / "noise.mid"));
    EXPECT_FALSE(fs::exists(dir / "missing.mid"));
}

TEST(FileRecordings, AnUnwritableRecordingEndsWithStatus1) {
    ScratchDir dir;
    ASSERT_TRUE(dir.Ok());
    const std::string tone = dir / "scale.wav";
    ASSERT_TRUE(WriteScale(tone));
    const RunResult run = RunAnalyze(dir, {tone, "--log", dir / "no/such/folder.log"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(OneLine(run.err)) << run.err;
    // Only plain files are written (and removed after a failed header).
    const RunResult device = RunAnalyze(dir, {tone, "--wav", "/dev/null"});
    EXPECT_EQ(device.status, 1);
    EXPECT_TRUE(OneLine(device.err)) << device.err;
    EXPECT_TRUE(fs::exists("/dev/null"));
}

}  // namespace
