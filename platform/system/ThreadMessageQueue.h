// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <deque>
#include <mutex>

// One message of a thread's own queue.
struct ThreadMessage {
    unsigned nMessage = 0;
    intptr_t wParam = 0;
    intptr_t lParam = 0;
};

// The quit message ends a thread's message loop; wParam is the exit code.
constexpr unsigned TM_QUIT = 0x0012;
// First number free for the program's own messages.
constexpr unsigned TM_USER = 0x0400;

// The message queue of one worker thread: any thread posts, the owner
// removes. Its descriptor is readable while messages are queued, so the owner
// can wait on it together with an event.
class CThreadMessageQueue {
public:
    CThreadMessageQueue();
    ~CThreadMessageQueue();
    CThreadMessageQueue(const CThreadMessageQueue&) = delete;
    CThreadMessageQueue& operator=(const CThreadMessageQueue&) = delete;

    bool IsValid() const { return m_fd >= 0; }

    bool PostMessage(unsigned nMessage, intptr_t wParam = 0, intptr_t lParam = 0);
    bool PostQuitMessage(int nExitCode) { return PostMessage(TM_QUIT, nExitCode, 0); }
    // Removes the oldest message; false when the queue is empty.
    bool PeekMessage(ThreadMessage& msg);
    bool HasMessages() const;

    int GetFd() const { return m_fd; }

private:
    mutable std::mutex m_mutex;
    std::deque<ThreadMessage> m_messages;
    int m_fd = -1;
};
