// SPDX-License-Identifier: GPL-3.0-or-later
// kalvo-analyze never destroys or mixes a file: outputs on the input or on
// each other are refused, concurrent runs leave whole files, a failed run
// leaves the old file as it was, and the log-to-MIDI conversion never
// replaces a MIDI file.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

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
// With bSizeSignal the kernel sends SIGXFSZ as well, as under `ulimit -f`.
RunResult RunOnAFullDisk(const std::vector<std::string>& args, rlim_t nBytes,
                         bool bSizeSignal = false) {
    int fds[2];
    RunResult result;
    if (pipe(fds) != 0) return result;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    pid_t pid = -1;
    {
        const CFileSizeLimit limit(nBytes, bSizeSignal);
        pid = SpawnAnalyze(args, &actions);
    }
    const bool bStarted = pid > 0;
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

// The kernel's SIGXFSZ at the size limit would end the run without a word
// and leave the temporary files.
TEST(OutputSafety, AFileSizeLimitFailsTheOutputWithAMessage) {
    ScratchDir dir;
    ASSERT_TRUE(dir.Ok());
    const std::string in = dir / "tone.wav";
    ASSERT_TRUE(WriteTone(in, 16000, 2, 440.0, 1.0));
    ASSERT_TRUE(WriteText(dir / "old.wav", "the old recording"));
    const RunResult run =
        RunOnAFullDisk({in, "--wav", dir / "old.wav", "--log", dir / "new.log"}, 4096, true);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(OneLine(run.err)) << run.err;
    EXPECT_NE(run.err.find("old.wav"), std::string::npos) << run.err;
    EXPECT_EQ(ReadWhole(dir / "old.wav"), "the old recording");
    // The log is small enough, and kept.
    EXPECT_EQ(Names(dir / ""), (std::vector<std::string>{"new.log", "old.wav", "tone.wav"}));
}

// Ctrl-C or SIGTERM while the outputs are written (the input, a FIFO, has
// nothing more just then): the run ends, says so, leaves no temporary file
// and the old target as it was.
TEST(OutputSafety, AnInterruptedRunLeavesNoTemporaryAndTheOldFile) {
    ScratchDir dir;
    ASSERT_TRUE(dir.Ok());
    ASSERT_TRUE(WriteTone(dir / "tone.wav", 16000, 2, 440.0, 3.0));
    const std::string bytes = ReadWhole(dir / "tone.wav");
    ASSERT_EQ(unlink((dir / "tone.wav").c_str()), 0);
    void (*pfnOld)(int) = signal(SIGPIPE, SIG_IGN);
    for (const int nSignal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(nSignal);
        ASSERT_TRUE(WriteText(dir / "old.wav", "the old recording"));
        ASSERT_EQ(mkfifo((dir / "in").c_str(), 0600), 0);
        const pid_t pid = StartAnalyze(
            {dir / "in", "--wav", dir / "old.wav", "--log", dir / "new.log"}, dir / "err.txt");
        ASSERT_GT(pid, 0);
        const int fd = OpenFifoWriter(dir / "in", 10);
        EXPECT_GE(fd, 0);
        // A second of audio; the outputs are being written once their
        // temporary files exist.
        EXPECT_TRUE(WriteAllTo(fd, bytes.substr(0, 44 + 64000)));
        EXPECT_TRUE(WaitFor([&] { return HasTemporaryOf(dir / "", "old.wav"); }, 10));
        kill(pid, nSignal);
        EXPECT_EQ(WaitWithin(pid, 10), 128 + nSignal);
        close(fd);
        const std::string err = ReadWhole(dir / "err.txt");
        EXPECT_TRUE(OneLine(err)) << err;
        EXPECT_EQ(ReadWhole(dir / "old.wav"), "the old recording");
        EXPECT_EQ(Names(dir / ""), (std::vector<std::string>{"err.txt", "in", "old.wav"}));
        unlink((dir / "in").c_str());
    }
    signal(SIGPIPE, pfnOld);
}

// A WAVE recording that reaches the size limit (as on a full disk) is
// dropped at once, while the run goes on: its temporary file must not keep
// space the other outputs need. They carry on and are kept.
TEST(OutputSafety, AFailedOutputIsRemovedAtOnceAndTheOthersAreKept) {
    ScratchDir dir;
    ASSERT_TRUE(dir.Ok());
    ASSERT_TRUE(WriteTone(dir / "tone.wav", 16000, 2, 440.0, 6.0));
    ASSERT_EQ(RunAnalyze(dir, {dir / "tone.wav", "--log", dir / "whole.log"}).status, 0);
    const std::string bytes = ReadWhole(dir / "tone.wav");
    ASSERT_EQ(mkfifo((dir / "in").c_str(), 0600), 0);
    void (*pfnOld)(int) = signal(SIGPIPE, SIG_IGN);
    const pid_t pid = StartAnalyze({dir / "in", "--wav", dir / "o.wav", "--log", dir / "o.log"},
                                   dir / "err.txt", 100000);
    ASSERT_GT(pid, 0);
    const int fd = OpenFifoWriter(dir / "in", 10);
    EXPECT_GE(fd, 0);
    // Three seconds: the WAVE passes the limit; then the input waits.
    const size_t nPart = 44 + 3 * 64000;
    EXPECT_TRUE(WriteAllTo(fd, bytes.substr(0, nPart)));
    EXPECT_TRUE(WaitFor(
        [&] { return !HasTemporaryOf(dir / "", "o.wav") && HasTemporaryOf(dir / "", "o.log"); },
        30));
    EXPECT_TRUE(WriteAllTo(fd, bytes.substr(nPart)));
    close(fd);
    EXPECT_EQ(WaitWithin(pid, 30), 1);
    signal(SIGPIPE, pfnOld);
    const std::string err = ReadWhole(dir / "err.txt");
    EXPECT_TRUE(OneLine(err)) << err;
    EXPECT_NE(err.find("o.wav"), std::string::npos) << err;
    EXPECT_EQ(ReadWhole(dir / "o.log"), ReadWhole(dir / "whole.log"));
    EXPECT_FALSE(fs::exists(dir / "o.wav"));
    EXPECT_FALSE(HasTemporaryOf(dir / "", "o.wav"));
}

// An output that is a link to a file still to be made: the file is made and
// the link stays.
TEST(OutputSafety, AnOutputThroughALinkWritesTheFileItNames) {
    ScratchDir dir;
    ASSERT_TRUE(dir.Ok());
    ASSERT_TRUE(WriteTone(dir / "tone.wav", 16000, 2, 440.0, 1.0));
    ASSERT_EQ(symlink("made.log", (dir / "link.log").c_str()), 0);
    ASSERT_EQ(RunAnalyze(dir, {dir / "tone.wav", "--log", dir / "link.log"}).status, 0);
    EXPECT_TRUE(fs::is_symlink(dir / "link.log"));
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(dir / "made.log")));
    EXPECT_NE(ReadWhole(dir / "made.log").find("Kalvo"), std::string::npos);
}

// Conversions of one log at the same time each print the name of the file
// they made: every name once, and every file made is named.
TEST(OutputSafety, ConcurrentConversionsEachPrintTheFileTheyMade) {
    ScratchDir dir;
    ASSERT_TRUE(dir.Ok());
    ASSERT_TRUE(WriteTone(dir / "tone.wav", 16000, 2, 440.0, 600.0));
    const std::string log = dir / "s.log";
    // A line for every block, so the plug-in takes a while over each.
    ASSERT_EQ(RunAnalyze(dir, {dir / "tone.wav", "--all"}, log).status, 0);
    ASSERT_TRUE(WriteText(dir / "s.mid", "taken"));
    constexpr int RUNS = 6;
    std::vector<pid_t> pids;
    for (int i = 0; i < RUNS; ++i) {
        const std::string out = dir / ("out" + std::to_string(i));
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        std::vector<std::string> words{KALVO_ANALYZE_PATH, "--log-to-midi", log};
        std::vector<char*> argv;
        for (std::string& w : words) argv.push_back(w.data());
        argv.push_back(nullptr);
        pid_t pid = -1;
        EXPECT_EQ(posix_spawn(&pid, KALVO_ANALYZE_PATH, &actions, nullptr, argv.data(), environ),
                  0);
        posix_spawn_file_actions_destroy(&actions);
        pids.push_back(pid);
    }
    std::vector<std::string> printed;
    for (int i = 0; i < RUNS; ++i) {
        EXPECT_EQ(Wait(pids[i]), 0);
        printed.push_back(ReadWhole(dir / ("out" + std::to_string(i))));
    }
    std::sort(printed.begin(), printed.end());
    std::vector<std::string> made;
    for (const std::string& name : Names(dir / ""))
        if (name.size() > 4 && name.rfind(".mid") == name.size() - 4 && name != "s.mid")
            made.push_back(dir / name + "\n");
    EXPECT_EQ(printed, made);
}

}  // namespace
