// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/Interrupt.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace {

volatile sig_atomic_t g_nSignal = 0;
volatile sig_atomic_t g_nWatchedFd = -1;
int g_nNullFd = -1;
pthread_t g_mainThread;
struct sigaction g_oldInt, g_oldTerm;

// Async-signal-safe only: dup2 and pthread_kill are.
void OnSignal(int nSignal) {
    const int nError = errno;
    if (!g_nSignal) g_nSignal = nSignal;
    if (!pthread_equal(pthread_self(), g_mainThread)) {
        pthread_kill(g_mainThread, nSignal);
    } else if (g_nWatchedFd >= 0 && g_nNullFd >= 0) {
        dup2(g_nNullFd, g_nWatchedFd);
        g_nWatchedFd = -1;
    }
    errno = nError;
}

}  // namespace

CInterruptScope::CInterruptScope() {
    g_nSignal = 0;
    g_nWatchedFd = -1;
    g_mainThread = pthread_self();
    g_nNullFd = open("/dev/null", O_RDONLY | O_CLOEXEC);
    struct sigaction action {};
    action.sa_handler = &OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART: a waiting open or read returns
    sigaction(SIGINT, &action, &g_oldInt);
    sigaction(SIGTERM, &action, &g_oldTerm);
}

CInterruptScope::~CInterruptScope() {
    sigaction(SIGINT, &g_oldInt, nullptr);
    sigaction(SIGTERM, &g_oldTerm, nullptr);
    g_nWatchedFd = -1;
    if (g_nNullFd >= 0) close(g_nNullFd);
    g_nNullFd = -1;
}

int CInterruptScope::Signal() {
    return g_nSignal;
}

void CInterruptScope::WatchDescriptor(int fd) {
    g_nWatchedFd = fd;
    // A signal just before the watch began found nothing to end.
    if (fd >= 0 && g_nSignal && g_nNullFd >= 0) {
        dup2(g_nNullFd, fd);
        g_nWatchedFd = -1;
    }
}

int InterruptedStatus(int nSignal) {
    return 128 + nSignal;
}

std::string SignalName(int nSignal) {
    switch (nSignal) {
        case SIGINT:
            return "SIGINT";
        case SIGTERM:
            return "SIGTERM";
        default:
            return "signal " + std::to_string(nSignal);
    }
}
