// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <thread>

#include "platform/system/Clock.h"
#include "platform/system/Event.h"
#include "platform/system/ThreadMessageQueue.h"
#include "platform/system/Wait.h"

namespace {

TEST(AutoResetEvent, SignalsMergeAndOneWaitTakesThem) {
    CAutoResetEvent event;
    ASSERT_TRUE(event.IsValid());
    EXPECT_FALSE(event.TryTake());  // initially not signalled
    EXPECT_FALSE(event.Wait(0));
    event.Set();
    event.Set();
    EXPECT_TRUE(event.Wait(0));
    EXPECT_FALSE(event.TryTake());
}

TEST(MsgWait, TheEventWinsAndMessagesStayQueuedInOrder) {
    CAutoResetEvent event;
    CThreadMessageQueue queue;
    EXPECT_EQ(MsgWaitForEventOrMessage(event, queue, 0), WaitResult::Timeout);

    queue.PostMessage(TM_USER, 7, 8);
    queue.PostQuitMessage(3);
    event.Set();
    EXPECT_EQ(MsgWaitForEventOrMessage(event, queue, 0), WaitResult::Event);
    EXPECT_EQ(MsgWaitForEventOrMessage(event, queue, 0), WaitResult::Message);
    ThreadMessage msg;
    ASSERT_TRUE(queue.PeekMessage(msg));
    EXPECT_EQ(msg.nMessage, TM_USER);
    EXPECT_EQ(msg.wParam, 7);
    EXPECT_EQ(msg.lParam, 8);
    // Still a message queued: the wait does not block.
    EXPECT_EQ(MsgWaitForEventOrMessage(event, queue, 0), WaitResult::Message);
    ASSERT_TRUE(queue.PeekMessage(msg));
    EXPECT_EQ(msg.nMessage, TM_QUIT);
    EXPECT_EQ(msg.wParam, 3);
    EXPECT_FALSE(queue.PeekMessage(msg));
    EXPECT_EQ(MsgWaitForEventOrMessage(event, queue, 0), WaitResult::Timeout);
}

TEST(MsgWait, AMessagePostedFromAnotherThreadEndsAnEndlessWait) {
    CAutoResetEvent event;
    CThreadMessageQueue queue;
    std::thread t([&] { queue.PostQuitMessage(0); });
    EXPECT_EQ(MsgWaitForEventOrMessage(event, queue), WaitResult::Message);
    t.join();
    ThreadMessage msg;
    ASSERT_TRUE(queue.PeekMessage(msg));
    EXPECT_EQ(msg.nMessage, TM_QUIT);
}

TEST(MillisecondCounter, ElapsedTimeIsRightAcrossTheWrap) {
    const uint64_t nWrap = uint64_t{1} << 32;
    const uint32_t nBefore = MillisecondCounterFrom(nWrap - 250);
    const uint32_t nAfter = MillisecondCounterFrom(nWrap + 750);
    EXPECT_LT(nAfter, nBefore);  // it did wrap
    EXPECT_EQ(MillisecondsBetween(nBefore, nAfter), 1000u);
    const uint32_t a = GetMillisecondCounter();
    EXPECT_LT(MillisecondsBetween(a, GetMillisecondCounter()), 60000u);
}

TEST(UtcTime, CalendarFieldsOfKnownInstants) {
    // 2024-02-29 23:59:58 UTC, a leap day.
    const UtcTime t = UtcTimeFromSeconds(1709251198);
    EXPECT_EQ(t.nYear, 2024);
    EXPECT_EQ(t.nMonth, 2);
    EXPECT_EQ(t.nDay, 29);
    EXPECT_EQ(t.nHour, 23);
    EXPECT_EQ(t.nMinute, 59);
    EXPECT_EQ(t.nSecond, 58);
    const UtcTime e = UtcTimeFromSeconds(0);
    EXPECT_EQ(e.nYear, 1970);
    EXPECT_EQ(e.nMonth, 1);
    EXPECT_EQ(e.nDay, 1);
    EXPECT_GE(GetUtcTime().nYear, 2024);
}

}  // namespace
