// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/ThreadMessageQueue.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>

CThreadMessageQueue::CThreadMessageQueue() : m_fd(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

CThreadMessageQueue::~CThreadMessageQueue() {
    if (m_fd >= 0) close(m_fd);
}

bool CThreadMessageQueue::PostMessage(unsigned nMessage, intptr_t wParam, intptr_t lParam) {
    if (m_fd < 0) return false;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_messages.push_back(ThreadMessage{nMessage, wParam, lParam});
    if (m_messages.size() == 1) {
        // The descriptor is readable exactly while the queue is not empty.
        const uint64_t one = 1;
        while (write(m_fd, &one, sizeof one) < 0 && errno == EINTR) {
        }
    }
    return true;
}

bool CThreadMessageQueue::PeekMessage(ThreadMessage& msg) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_messages.empty()) return false;
    msg = m_messages.front();
    m_messages.pop_front();
    if (m_messages.empty()) {
        uint64_t count = 0;
        while (read(m_fd, &count, sizeof count) < 0 && errno == EINTR) {
        }
    }
    return true;
}

bool CThreadMessageQueue::HasMessages() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return !m_messages.empty();
}
