// SPDX-License-Identifier: GPL-3.0-or-later
// kalvo-analyze run as a program on files written by the test.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <regex>

#include "ToolTestSupport.h"
#include "analysis/ReadingLine.h"
#include "platform/system/ProgramVersion.h"

using namespace tooltest;

namespace {

constexpr int BLOCK = 1333;

// The lines of a session log; fails the test when a line does not end in CR LF.
std::vector<std::string> LogLines(const std::string& out) {
    EXPECT_TRUE(out.size() >= 2 && out.compare(out.size() - 2, 2, "\r\n") == 0);
    std::vector<std::string> lines = Split(out, "\r\n");
    for (const std::string& line : lines) EXPECT_EQ(line.find('\n'), std::string::npos) << line;
    return lines;
}

// The entry lines after the six header lines.
std::vector<std::string> Entries(const std::vector<std::string>& lines) {
    if (lines.size() < LOG_HEADER_LINES) return {};
    return {lines.begin() + LOG_HEADER_LINES, lines.end()};
}

// The columns of an entry line split at the bars, blanks trimmed:
// time, frequency, note, cents, level.
std::vector<std::string> Columns(const std::string& line) {
    std::vector<std::string> cols;
    for (std::string c : Split(line, "|")) {
        const size_t a = c.find_first_not_of(' ');
        const size_t b = c.find_last_not_of(' ');
        cols.push_back(a == std::string::npos ? "" : c.substr(a, b - a + 1));
    }
    return cols;
}

// Entries of a --all run from the given block on, leaving out the last
// (partial) block: the tone has settled there.
std::vector<std::string> Settled(const std::vector<std::string>& entries, size_t from = 6) {
    if (entries.size() < from + 2) return {};
    return {entries.begin() + from, entries.end() - 1};
}

// Every settled line of a --all run reads hz, note and cents.
void ExpectSettled(const RunResult& r, const std::string& hz, const std::string& note,
                   const std::string& cents) {
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> settled = Settled(Entries(LogLines(r.out)));
    ASSERT_FALSE(settled.empty());
    for (const std::string& e : settled) {
        const std::vector<std::string> c = Columns(e);
        ASSERT_EQ(c.size(), 5u) << e;
        EXPECT_EQ(c[1], hz) << e;
        EXPECT_EQ(c[2], note) << e;
        EXPECT_EQ(c[3], cents) << e;
    }
}

void ExpectOneLineError(const RunResult& r, const std::string& what) {
    EXPECT_EQ(r.status, 2) << what;
    EXPECT_TRUE(r.out.empty()) << what;
    ASSERT_FALSE(r.err.empty()) << what;
    EXPECT_EQ(r.err.back(), '\n') << what;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << what << ": " << r.err;
}

class AnalyzeCommand : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.Ok());
        ASSERT_TRUE(WriteTone(stereo16, 16000, 2, 440.0, 2.0));
    }
    ScratchDir dir;
    const std::string stereo16 = dir / "a440-16k-stereo.wav";
};

}  // namespace

TEST_F(AnalyzeCommand, SteadyToneGivesTheSessionLogOfA5) {
    const RunResult r = RunAnalyze(dir, {stereo16});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty());
    const std::vector<std::string> lines = LogLines(r.out);
    ASSERT_GT(lines.size(), size_t(LOG_HEADER_LINES));
    for (int i = 0; i < LOG_HEADER_LINES; ++i)
        EXPECT_EQ(lines[i], LogHeaderLine(i, GetProgramVersion())) << i;
    EXPECT_EQ(lines[0], "    Kalvo version 2.3.2.1 session file");

    // Lines only when the reading changed: far fewer than the 25 blocks.
    const std::vector<std::string> entries = Entries(lines);
    ASSERT_FALSE(entries.empty());
    EXPECT_LT(entries.size(), 6u);
    const std::regex prefix(R"(^\d\d:\d\d:\d\d:\d\d \|)");
    for (const std::string& e : entries) EXPECT_TRUE(std::regex_search(e, prefix)) << e;
    EXPECT_EQ(entries.front().substr(0, 13), "00:00:00:00 |");

    const RunResult all = RunAnalyze(dir, {"--all", stereo16});
    ExpectSettled(all, "440.0 Hz", "A5", "+00");
    const std::vector<std::string> every = Entries(LogLines(all.out));
    // 32000 frames: 24 whole blocks and a padded last one.
    ASSERT_EQ(every.size(), 25u);
    // Block 12 starts at 12 * 1333 / 16000 s = 999.75 ms.
    EXPECT_EQ(every[12].substr(0, 13), "00:00:00:99 |");
    EXPECT_EQ(every[24].substr(0, 13), "00:00:01:99 |");
    // 8000 on both channels: 20 log10(16000 / 65536) = -12.2 dB.
    EXPECT_EQ(Columns(every[12]).back(), "-12");

    // The log has the settled reading too.
    EXPECT_TRUE(std::any_of(entries.begin(), entries.end(), [](const std::string& e) {
        const std::vector<std::string> c = Columns(e);
        return c.size() == 5 && c[1] == "440.0 Hz" && c[2] == "A5" && c[3] == "+00";
    })) << r.out;
    // Every line the log wrote is one of the --all lines at the same time.
    for (const std::string& e : entries)
        EXPECT_NE(std::find(every.begin(), every.end(), e), every.end()) << e;
}

TEST_F(AnalyzeCommand, MonoAt44100GivesTheSameReadings) {
    const std::string mono44 = dir / "a440-44k-mono.wav";
    ASSERT_TRUE(WriteTone(mono44, 44100, 1, 440.0, 2.0));
    const RunResult a = RunAnalyze(dir, {"--all", stereo16});
    const RunResult b = RunAnalyze(dir, {"--all", mono44});
    ASSERT_EQ(a.status, 0) << a.err;
    ASSERT_EQ(b.status, 0) << b.err;
    const std::vector<std::string> ea = Entries(LogLines(a.out));
    const std::vector<std::string> eb = Entries(LogLines(b.out));
    ASSERT_EQ(ea.size(), eb.size());
    const std::vector<std::string> sa = Settled(ea), sb = Settled(eb);
    ASSERT_FALSE(sa.empty());
    for (size_t i = 0; i < sa.size(); ++i) {
        const std::vector<std::string> ca = Columns(sa[i]), cb = Columns(sb[i]);
        ASSERT_EQ(cb.size(), 5u) << sb[i];
        EXPECT_EQ(ca[0], cb[0]);  // same block times
        EXPECT_EQ(ca[2], cb[2]) << sb[i];
        EXPECT_EQ(ca[3], cb[3]) << sb[i];
        EXPECT_EQ(cb[1], "440.0 Hz") << sb[i];
    }
}

TEST_F(AnalyzeCommand, TsvHasItsHeaderAndALineOfFifteenColumnsPerBlock) {
    const RunResult r = RunAnalyze(dir, {"--tsv", stereo16});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
    const std::vector<std::string> lines = Split(r.out, "\n");
    ASSERT_EQ(lines.size(), 26u);
    EXPECT_EQ(lines[0],
              "block\ttime_s\tdominant_hz\tpublished_hz\tfreq_changed\tpeak_bin\ttransposed_hz\t"
              "note_index\tnote_name\tshown_cents\tshown_changed\tlevel_db\ttarget\ttarget_hz\t"
              "cents");
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> f = Split(lines[i] + "\t", "\t");
        ASSERT_EQ(f.size(), 15u) << lines[i];
        const size_t block = i - 1;
        EXPECT_EQ(f[0], std::to_string(block));
        EXPECT_NEAR(std::atof(f[1].c_str()), double(block) * BLOCK / 16000, 0.6e-6) << f[1];
        if (block >= 6 && block + 1 < lines.size() - 1) {
            EXPECT_NEAR(std::atof(f[2].c_str()), 440.0, 0.05) << lines[i];
            EXPECT_NEAR(std::atof(f[3].c_str()), 440.0, 0.05) << lines[i];
            EXPECT_EQ(f[7], "45");
            EXPECT_EQ(f[8], "A5");
            EXPECT_EQ(f[9], "0");
            EXPECT_EQ(f[11], "-12");
            EXPECT_EQ(f[12], "A5");
            EXPECT_EQ(f[13], "440");
            EXPECT_NEAR(std::atof(f[14].c_str()), 0.0, 0.25) << lines[i];
        }
    }
    // Full precision: the published float is the dominant double rounded.
    const std::vector<std::string> f = Split(lines[10] + "\t", "\t");
    EXPECT_EQ(float(std::strtod(f[2].c_str(), nullptr)), std::strtof(f[3].c_str(), nullptr));
}

// --fine adds one column and changes nothing else; the value comes once the
// note has been held for a third of a second.
TEST_F(AnalyzeCommand, FineAddsTheFineCentsColumn) {
    const std::string tone441 = dir / "a441.wav";
    ASSERT_TRUE(WriteTone(tone441, 16000, 2, 441.0, 2.0));
    const RunResult plain = RunAnalyze(dir, {"--tsv", tone441});
    const RunResult fine = RunAnalyze(dir, {"--tsv", "--fine", tone441});
    ASSERT_EQ(fine.status, 0) << fine.err;
    const std::vector<std::string> a = Split(plain.out, "\n"), b = Split(fine.out, "\n");
    ASSERT_EQ(a.size(), b.size());
    EXPECT_EQ(b[0], a[0] + "\tfine_cents");
    char expected[16];
    std::snprintf(expected, sizeof expected, "%+.1f", 1200 * std::log2(441.0 / 440.0));
    for (size_t i = 1; i < a.size(); ++i) {
        ASSERT_EQ(b[i].rfind('\t'), a[i].size()) << b[i];
        EXPECT_EQ(b[i].substr(0, a[i].size()), a[i]);
        const std::string value = b[i].substr(a[i].size() + 1);
        const size_t block = i - 1;
        if (block == 0) {
            EXPECT_EQ(value, "");
        }
        if (block >= 12 && i + 1 < a.size()) {
            EXPECT_EQ(value, expected) << b[i];
        }
    }
}

// Captured, every line ends in the fine value, and a held note whose fine
// value changes gets a line for it.
TEST_F(AnalyzeCommand, FineEndsEachLiveLine) {
    const std::string tone441 = dir / "a441.wav";
    ASSERT_TRUE(WriteTone(tone441, 16000, 2, 441.0, 1.5));
    const RunResult r = RunAnalyze(dir, {"--input", tone441, "--fine"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> entries = Entries(LogLines(r.out));
    ASSERT_FALSE(entries.empty());
    bool bValue = false;
    for (const std::string& e : entries) {
        const size_t tab = e.rfind("\tfine ");
        ASSERT_NE(tab, std::string::npos) << e;
        bValue = bValue || e.substr(tab) == "\tfine +3.9";
    }
    EXPECT_TRUE(bValue) << r.out;
}

TEST_F(AnalyzeCommand, TranspositionAndA5ChangeTheNoteButNotTheFrequency) {
    ExpectSettled(RunAnalyze(dir, {"--all", "--transpose", "1", stereo16}), "440.0 Hz", "A6",
                  "+00");

    const std::string tone442 = dir / "a442.wav";
    ASSERT_TRUE(WriteTone(tone442, 16000, 2, 442.0, 2.0));
    ExpectSettled(RunAnalyze(dir, {"--all", "--a5", "442", tone442}), "442.0 Hz", "A5", "+00");
    // The same tone against A5 = 440 lies 8 cents sharp.
    ExpectSettled(RunAnalyze(dir, {"--all", tone442}), "442.0 Hz", "A5", "+08");
}

TEST_F(AnalyzeCommand, FftSizeAndWindowOptionsAreUsed) {
    const RunResult hann = RunAnalyze(dir, {"--tsv", stereo16});
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--tsv", "--fft", "4096", stereo16},
          {"--tsv", "--window", "gaussian", "--alpha", "0.3", stereo16},
          {"--tsv", "--window", "blackman", stereo16}}) {
        SCOPED_TRACE(args[2]);
        const RunResult r = RunAnalyze(dir, args);
        ASSERT_EQ(r.status, 0) << r.err;
        const std::vector<std::string> lines = Split(r.out, "\n");
        ASSERT_EQ(lines.size(), 26u);
        // Still the tone, but not bit for bit what the default gives.
        EXPECT_NE(r.out, hann.out);
        const std::vector<std::string> f = Split(lines[12] + "\t", "\t");
        // Windows close to rectangular leak more and pull the centroid down a little.
        EXPECT_NEAR(std::atof(f[2].c_str()), 440.0, 1.0);
        EXPECT_EQ(f[8], "A5");
        if (args[2] == "4096") {
            // Bins of 3.90625 Hz: 440 Hz lies in bin 112.
            EXPECT_EQ(f[5], "112");
        }
    }
}

TEST_F(AnalyzeCommand, BadInputExitsWithStatus2AndOneLine) {
    ASSERT_TRUE(WriteText(dir / "readme.txt", "This is not audio.\nIt has two lines.\n"));
    ASSERT_TRUE(WriteText(dir / "zero.wav", ""));
    ASSERT_TRUE(WriteAudio(dir / "no-frames.wav", 16000, 2, 0, [](int64_t, int) { return 0.0; }));
    // Option errors in detail are the parser's tests; here the program's
    // answer to them.
    const std::vector<std::vector<std::string>> cases = {
        {dir / "readme.txt"},
        {dir / "zero.wav"},
        {dir / "no-frames.wav"},
        {dir / "missing.wav"},
        {},
        {"--a5", "481", stereo16},
        {"--transpose", "9", stereo16},
        {stereo16, "--fft"},
        {"--frobnicate", stereo16},
    };
    for (const std::vector<std::string>& args : cases) {
        std::string what;
        for (const std::string& a : args) what += a + " ";
        ExpectOneLineError(RunAnalyze(dir, args), what);
    }
    // The message names the file.
    const RunResult text = RunAnalyze(dir, {dir / "readme.txt"});
    EXPECT_NE(text.err.find("readme.txt"), std::string::npos) << text.err;
}

TEST_F(AnalyzeCommand, VersionAndAFullDisk) {
    const RunResult version = RunAnalyze(dir, {"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "kalvo-analyze " + GetProgramVersion() + "\n");

    if (fs::exists("/dev/full")) {
        const RunResult full = RunAnalyze(dir, {stereo16}, "/dev/full");
        EXPECT_EQ(full.status, 1);
        EXPECT_EQ(full.err.find('\n'), full.err.size() - 1) << full.err;
    }
}

// The blocks analysed on several threads give the same bytes as on one: the
// table, the session log printed and written, over several chunks of blocks
// and a partial last one; several files give their outputs one after the
// other.
TEST_F(AnalyzeCommand, JobsChangeNoByteAndFilesFollowEachOther) {
    const std::string played = dir / "played.wav";
    // A new note every 0.3 s with a rest now and then, 14.2 s, over a mains
    // hum (what the fundamental method learns from block to block).
    ASSERT_TRUE(WriteAudio(played, 16000, 2, 227200, [](int64_t i, int channel) {
        const double t = double(i) / 16000;
        double v = 0.0;
        for (int h = 1; h <= 4; ++h) v += 600.0 / h * std::sin(2 * M_PI * 60 * h * t);
        const int64_t step = i / 4800;
        if (step % 7 < 5) {
            const double hz = 110.0 * std::pow(2.0, double(step * 5 % 37) / 12.0);
            v += 7000 * std::sin(2 * M_PI * hz * t) + 2000 * std::sin(4 * M_PI * hz * t);
        }
        return channel ? 0.8 * v : v;
    }));
    for (const char* method : {"dominant", "fundamental"}) {
        std::vector<std::string> outputs;
        for (const char* jobs : {"1", "4"}) {
            const std::string log = dir / (std::string("jobs") + jobs + ".log");
            for (const std::vector<std::string>& args :
                 {std::vector<std::string>{"--tsv", "--fine"}, std::vector<std::string>{},
                  std::vector<std::string>{"--log", log}}) {
                std::vector<std::string> all = {"--jobs", jobs, "--method", method};
                all.insert(all.end(), args.begin(), args.end());
                all.push_back(played);
                const RunResult r = RunAnalyze(dir, all);
                ASSERT_EQ(r.status, 0) << r.err;
                outputs.push_back(args.empty() || args[0] != "--log" ? r.out : ReadWhole(log));
            }
        }
        ASSERT_EQ(outputs.size(), 6u);
        EXPECT_GT(Split(outputs[0], "\n").size(), 170u);  // a line for each block
        EXPECT_GT(Entries(LogLines(outputs[1])).size(), 20u);
        for (size_t i = 0; i < 3; ++i) EXPECT_EQ(outputs[i], outputs[i + 3]) << method << " " << i;
    }
    const RunResult one = RunAnalyze(dir, {stereo16});
    const RunResult two = RunAnalyze(dir, {played});
    const RunResult both = RunAnalyze(dir, {stereo16, played});
    ASSERT_EQ(both.status, 0) << both.err;
    EXPECT_EQ(both.out, one.out + two.out);
    const RunResult refused = RunAnalyze(dir, {"--jobs", "0", played});
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(OneLine(refused.err)) << refused.err;
}
