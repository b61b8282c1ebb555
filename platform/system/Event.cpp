// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/Event.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "platform/system/Clock.h"

CAutoResetEvent::CAutoResetEvent() : m_fd(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

CAutoResetEvent::~CAutoResetEvent() {
    if (m_fd >= 0) close(m_fd);
}

bool CAutoResetEvent::Set() {
    if (m_fd < 0) return false;
    const uint64_t one = 1;
    for (;;) {
        if (write(m_fd, &one, sizeof one) == static_cast<ssize_t>(sizeof one)) return true;
        // EAGAIN only when the counter is about to overflow: it is signalled
        // anyway.
        if (errno == EAGAIN) return true;
        if (errno != EINTR) return false;
    }
}

bool CAutoResetEvent::TryTake() {
    if (m_fd < 0) return false;
    uint64_t count = 0;
    for (;;) {
        // Reading resets the counter to zero: all pending signals become one.
        if (read(m_fd, &count, sizeof count) == static_cast<ssize_t>(sizeof count)) return true;
        if (errno != EINTR) return false;
    }
}

bool CAutoResetEvent::Wait(int nTimeoutMs) {
    if (m_fd < 0) return false;
    const uint32_t nStart = GetMillisecondCounter();
    for (;;) {
        if (TryTake()) return true;
        int nLeft = -1;
        if (nTimeoutMs >= 0) {
            const uint32_t nElapsed = MillisecondsBetween(nStart, GetMillisecondCounter());
            if (nElapsed >= static_cast<uint32_t>(nTimeoutMs)) return false;
            nLeft = nTimeoutMs - static_cast<int>(nElapsed);
        }
        pollfd pfd{m_fd, POLLIN, 0};
        const int r = poll(&pfd, 1, nLeft);
        if (r < 0 && errno != EINTR) return false;
        // Another waiter may take the signal first: loop and try again.
    }
}
