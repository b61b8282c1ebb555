// SPDX-License-Identifier: GPL-3.0-or-later
// kalvo-analyze never destroys or mixes a file: outputs on the input or on
// each other are refused, concurrent runs leave whole files, a failed run
// leaves the old file as it was, and the log-to-MIDI conversion never
// replaces a MIDI file.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <string>
#include <vector>

#include "ToolTestSupport.h"
#include "tests/plugins/SmfReader.h"

using namespace tooltest;

namespace {

// Only the named files, no temporary left behind.
std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Runs kalvo-analyze with writes beyond nBytes failing in every plain file,
// as on a full disk; standard error goes through a pipe, which has no limit.
RunResult RunOnAFullDisk(const std::vector<std::string>& args, rlim_t nBytes) {
    int fds[2];
    RunResult result;
    if (pipe(fds) != 0) return result;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    std::vector<std::string> words{KALVO_ANALYZE_PATH};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    struct rlimit limit = old;
    limit.rlim_cur = nBytes;
    setrlimit(RLIMIT_FSIZE, &limit);
    void (*pfnOld)(int) = signal(SIGXFSZ, SIG_IGN);
    pid_t pid = -1;
    const bool bStarted =
        posix_spawn(&pid, KALVO_ANALYZE_PATH, &actions, nullptr, argv.data(), environ) == 0;
    signal(SIGXFSZ, pfnOld);
    setrlimit(RLIMIT_FSIZE, &old);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    char buffer[4096];
    ssize_t n;
    while ((n = read(fds[0], buffer, sizeof buffer)) > 0) result.err.append(buffer, n);
    close(fds[0]);
    int wstatus = 0;
    if (bStarted && waitpid(pid, &wstatus, 0) == pid && WIFEXITED(wstatus))
        result.status = WEXITSTATUS(wstatus);
    return result;
}

TEST(OutputSafety, AnOutputOnTheInputOrTwoOutputsOnOneFileAreRefused) {
    ScratchDir dir;
    ASSERT_TRUE(dir.Ok());
    const std::string in = dir / "x.wav";
    ASSERT_TRUE(WriteTone(in, 16000, 2, 440.0, 1.0));
    const std::string bytes = ReadWhole(in);
    ASSERT_EQ(link(in.c_str(), (dir / "hard.wav").c_str()), 0);
    const std::string dotted = dir / "./x.wav";
    const std::vector<std::vector<std::string>> cases = {
        {in, "--wav", in},
        {in, "--log", dotted},
        {in, "--midi", dir / "hard.wav"},
        {in, "--log", dir / "o", "--wav", dir / "o"},
        {in, "--log", dir / "o", "--midi", dir / "./o"},
    };
    for (const auto& args : cases) {
        std::string shown;
        for (const auto& a : args) shown += a + " ";
        SCOPED_TRACE(shown);
        const RunResult run = RunAnalyze(dir, args);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(OneLine(run.err)) << run.err;
    }
    EXPECT_EQ(ReadWhole(in), bytes);
    EXPECT_EQ(Names(dir / ""),
              (std::vector<std::string>{"hard.wav", "stderr.txt", "stdout.txt", "x.wav"}));
}

// Starts kalvo-analyze without waiting; its output is not kept.
pid_t Start(const std::vector<std::string>& args) {
    std::vector<std::string> words{KALVO_ANALYZE_PATH};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    return posix_spawn(&pid, KALVO_ANALYZE_PATH, nullptr, nullptr, argv.data(), environ) == 0 ? pid
                                                                                              : -1;
}

int Wait(pid_t pid) {
    int wstatus = 0;
    return waitpid(pid, &wstatus, 0) == pid && WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
}

// A minute of audio each, so that the two runs overlap: with plain
// truncating opens most rounds leave a file of both.
TEST(OutputSafety, TwoRunsOnTheSameNamesLeaveEachFileAsOneRunWroteIt) {
    ScratchDir dir;
    ASSERT_TRUE(dir.Ok());
    ASSERT_TRUE(WriteTone(dir / "a.wav", 16000, 2, 440.0, 60.0));
    ASSERT_TRUE(WriteTone(dir / "b.wav", 16000, 2, 523.2511, 60.0));
    for (const char* name : {"a", "b"}) {
        const std::string s = name;
        ASSERT_EQ(RunAnalyze(dir, {dir / (s + ".wav"), "--wav", dir / (s + "-alone.wav"), "--log",
                                   dir / (s + "-alone.log")})
                      .status,
                  0);
    }
    for (int nRound = 0; nRound < 3; ++nRound) {
        const pid_t a = Start({dir / "a.wav", "--wav", dir / "o.wav", "--log", dir / "o.log"});
        const pid_t b = Start({dir / "b.wav", "--wav", dir / "o.wav", "--log", dir / "o.log"});
        ASSERT_EQ(Wait(a), 0);
        ASSERT_EQ(Wait(b), 0);
        const std::string wav = ReadWhole(dir / "o.wav"), log = ReadWhole(dir / "o.log");
        EXPECT_TRUE(wav == ReadWhole(dir / "a-alone.wav") || wav == ReadWhole(dir / "b-alone.wav"));
        EXPECT_TRUE(log == ReadWhole(dir / "a-alone.log") || log == ReadWhole(dir / "b-alone.log"));
    }
    EXPECT_EQ(Names(dir / "").size(), 10u);  // 2 inputs, 4 alone, o.wav, o.log, stdout, stderr
}

TEST(OutputSafety, AFailedRunLeavesTheOldFilesAndTellsEveryFailedOutput) {
    ScratchDir dir;
    ASSERT_TRUE(dir.Ok());
    const std::string in = dir / "tone.wav";
    ASSERT_TRUE(WriteTone(in, 16000, 2, 440.0, 1.0));
    ASSERT_TRUE(WriteText(dir / "old.wav", "the old recording"));
    const RunResult run =
        RunOnAFullDisk({in, "--wav", dir / "old.wav", "--log", dir / "new.log"}, 0);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(ReadWhole(dir / "old.wav"), "the old recording");
    EXPECT_FALSE(fs::exists(dir / "new.log"));
    EXPECT_EQ(Names(dir / ""), (std::vector<std::string>{"old.wav", "tone.wav"}));  // no temporary
    // One line for each output that failed.
    const auto lines = Split(run.err, "\n");
    ASSERT_EQ(lines.size(), 2u) << run.err;
    EXPECT_NE(lines[0].find("new.log"), std::string::npos) << run.err;
    EXPECT_NE(lines[1].find("old.wav"), std::string::npos) << run.err;
}

TEST(OutputSafety, ConvertingNextToAMidiFileMakesANewOneAndKeepsTheOld) {
    ScratchDir dir;
    ASSERT_TRUE(dir.Ok());
    ASSERT_TRUE(WriteTone(dir / "tone.wav", 16000, 2, 440.0, 1.0));
    const std::string log = dir / "session.log";
    ASSERT_EQ(RunAnalyze(dir, {dir / "tone.wav", "--log", log}).status, 0);
    // The live MIDI recording that shares the log's name.
    ASSERT_TRUE(WriteText(dir / "session.mid", "the live recording"));

    const RunResult run = RunAnalyze(dir, {"--log-to-midi", log});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, dir / "session-2.mid\n");
    EXPECT_EQ(ReadWhole(dir / "session.mid"), "the live recording");
    SmfFile smf;
    std::string strError;
    ASSERT_TRUE(ReadSmfFile(dir / "session-2.mid", smf, strError)) << strError;
    ASSERT_FALSE(smf.notes.empty());
    EXPECT_EQ(smf.notes[0].nKey, 69);

    // On a full disk the old files stay whole and the new one is not left.
    const RunResult full = RunOnAFullDisk({"--log-to-midi", log}, 40);
    EXPECT_EQ(full.status, 1);
    EXPECT_EQ(ReadWhole(dir / "session.mid"), "the live recording");
    EXPECT_TRUE(ReadSmfFile(dir / "session-2.mid", smf, strError)) << strError;
    EXPECT_FALSE(fs::exists(dir / "session-3.mid"));
}

}  // namespace
