// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CAutoResetEvent;
class CThreadMessageQueue;

enum class WaitResult {
    Event,    // the event was signalled (and is reset again)
    Message,  // the queue holds at least one message
    Timeout,
    Failed,  // the event or the queue has no descriptor, or the wait itself failed
};

// Waits for the event or for any message in the queue, whichever comes first;
// when both are ready the event wins. nTimeoutMs < 0 waits without limit.
WaitResult MsgWaitForEventOrMessage(CAutoResetEvent& event, CThreadMessageQueue& queue,
                                    int nTimeoutMs = -1);
