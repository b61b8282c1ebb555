// SPDX-License-Identifier: GPL-3.0-or-later
// A FIFO where a file is expected never hangs kalvo-analyze: refused where
// only a plain file will do, and a wait for its writer ends at the first
// Ctrl-C or SIGTERM.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/syscall.h>

#include <string>

#include "ToolTestSupport.h"

using namespace tooltest;

namespace {

// Whether the main thread of pid waits in open(), as on a FIFO without a
// writer, with the capture thread started (so past the handlers' set-up).
bool IsWaitingInOpen(pid_t pid) {
    const std::string proc = "/proc/" + std::to_string(pid);
    std::error_code ec;
    int nThreads = 0;
    for (auto it = fs::directory_iterator(proc + "/task", ec);
         !ec && it != fs::directory_iterator(); it.increment(ec))
        ++nThreads;
    const std::string call = ReadWhole(proc + "/syscall");
    return nThreads >= 2 && call.rfind(std::to_string(SYS_openat) + " ", 0) == 0;
}

TEST(Fifo, LogToMidiRefusesAFifo) {
    ScratchDir dir;
    ASSERT_TRUE(dir.Ok());
    ASSERT_EQ(mkfifo((dir / "s.log").c_str(), 0600), 0);
    const pid_t pid = StartAnalyze({"--log-to-midi", dir / "s.log"}, dir / "err.txt");
    ASSERT_GT(pid, 0);
    EXPECT_EQ(WaitWithin(pid, 10), 2);
    const std::string err = ReadWhole(dir / "err.txt");
    EXPECT_TRUE(OneLine(err)) << err;
    EXPECT_NE(err.find("s.log"), std::string::npos) << err;
}

TEST(Fifo, AnInputWaitingForItsWriterEndsAtTheFirstSignal) {
    ScratchDir dir;
    ASSERT_TRUE(dir.Ok());
    ASSERT_EQ(mkfifo((dir / "in").c_str(), 0600), 0);
    for (const int nSignal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(nSignal);
        const pid_t pid = StartAnalyze({"--input", dir / "in"}, dir / "err.txt");
        ASSERT_GT(pid, 0);
        EXPECT_TRUE(WaitFor([&] { return IsWaitingInOpen(pid); }, 10));
        kill(pid, nSignal);
        const int status = WaitWithin(pid, 10);
        EXPECT_GT(status, 0);
        const std::string err = ReadWhole(dir / "err.txt");
        EXPECT_TRUE(OneLine(err)) << err;
    }
}

}  // namespace
