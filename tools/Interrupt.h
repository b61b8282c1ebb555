// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Ctrl-C (SIGINT) and SIGTERM during a run: the handler only notes the
// signal, and the run checks for it, ends what it does and cleans up as after
// any failure. The handlers are installed without SA_RESTART, so a blocking
// open or read returns EINTR; a signal that reaches another thread is passed
// on to the thread that installed them.
class CInterruptScope {
public:
    CInterruptScope();
    ~CInterruptScope();
    CInterruptScope(const CInterruptScope&) = delete;
    CInterruptScope& operator=(const CInterruptScope&) = delete;

    // The signal that came, 0 for none.
    static int Signal();
    // A read of fd that the library retries after EINTR (libsndfile does)
    // would wait on: from the signal on, fd reads as /dev/null, so the read
    // ends. -1 for none. fd must stay open while it is watched.
    static void WatchDescriptor(int fd);
};

// The exit status of a run ended by nSignal, as a shell shows it.
int InterruptedStatus(int nSignal);
// "SIGINT", "SIGTERM", ...
std::string SignalName(int nSignal);
