// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An auto-reset event, initially not signalled. Set() leaves it signalled
// until one wait takes the signal; signals nobody has taken yet merge into
// one. Built on an eventfd so that a wait can watch it together with a
// message queue (see Wait.h).
class CAutoResetEvent {
public:
    CAutoResetEvent();
    ~CAutoResetEvent();
    CAutoResetEvent(const CAutoResetEvent&) = delete;
    CAutoResetEvent& operator=(const CAutoResetEvent&) = delete;

    // False when the system refused the descriptor; Set and Wait then fail.
    bool IsValid() const { return m_fd >= 0; }

    bool Set();
    // Takes a pending signal without waiting; true when there was one.
    bool TryTake();
    // Waits up to nTimeoutMs (negative: forever) for a signal and takes it.
    bool Wait(int nTimeoutMs = -1);

    int GetFd() const { return m_fd; }

private:
    int m_fd = -1;
};
