// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/Wait.h"

#include <poll.h>

#include <cerrno>
#include <cstdint>

#include "platform/system/Clock.h"
#include "platform/system/Event.h"
#include "platform/system/ThreadMessageQueue.h"

WaitResult MsgWaitForEventOrMessage(CAutoResetEvent& event, CThreadMessageQueue& queue,
                                    int nTimeoutMs) {
    if (!event.IsValid() || !queue.IsValid()) return WaitResult::Failed;
    const uint32_t nStart = GetMillisecondCounter();
    for (;;) {
        if (event.TryTake()) return WaitResult::Event;
        if (queue.HasMessages()) return WaitResult::Message;
        int nLeft = -1;
        if (nTimeoutMs >= 0) {
            const uint32_t nElapsed = MillisecondsBetween(nStart, GetMillisecondCounter());
            if (nElapsed >= static_cast<uint32_t>(nTimeoutMs)) return WaitResult::Timeout;
            nLeft = nTimeoutMs - static_cast<int>(nElapsed);
        }
        pollfd fds[2] = {{event.GetFd(), POLLIN, 0}, {queue.GetFd(), POLLIN, 0}};
        if (poll(fds, 2, nLeft) < 0 && errno != EINTR) return WaitResult::Failed;
    }
}
