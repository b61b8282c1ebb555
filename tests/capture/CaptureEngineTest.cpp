// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <functional>
#include <thread>

#include "capture/CaptureEngine.h"
#include "platform/sound/ScriptedCapture.h"
#include "tests/capture/CaptureTestSupport.h"

namespace {

constexpr uint32_t N = 5332;       // one block
constexpr uint32_t RING = 12 * N;  // 63984

// Values that say which block they came from and where in it.
std::vector<int16_t> BlockPattern(unsigned nBlock) {
    std::vector<int16_t> v(N / 2);
    for (unsigned i = 0; i < v.size(); ++i) v[i] = static_cast<int16_t>(nBlock * 1000 + i % 997);
    return v;
}

class ScriptedEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        analyser.SetHost(&probe);
        analyser.GetControlState().m_nRecordFlags = REC_WAVE;
        engine = std::make_unique<CCaptureEngine>(system, analyser);
        engine->SetWaveSink(&probe);
    }

    // Device and buffer without the capture thread: the test runs the
    // wake-ups itself.
    void OpenWithoutThread() {
        HRESULT hr = DS_OK;
        ASSERT_TRUE(engine->InitDirectSoundCapture(hr));
        ASSERT_TRUE(engine->SetUpCaptureBuffer(hr));
        ASSERT_EQ(engine->Start(), DS_OK);
        buffer = system.GetBuffer();
        ASSERT_TRUE(buffer);
    }

    void PutPattern(unsigned nBlock) {
        const auto v = BlockPattern(nBlock);
        buffer->ring.Poke(nBlock * N, v.data(), N);
    }
    void PutTone(unsigned nBlock, double dHz) {
        const auto v = StereoTone(dHz, N / 4);
        buffer->ring.Poke(nBlock * N, v.data(), N);
    }
    // The values of the given blocks, one after the other.
    static std::vector<int16_t> Patterns(std::initializer_list<unsigned> blocks) {
        std::vector<int16_t> v;
        for (unsigned b : blocks) {
            const auto p = BlockPattern(b);
            v.insert(v.end(), p.begin(), p.end());
        }
        return v;
    }

    CScriptedCaptureSystem system;
    CPitchAnalyser analyser;
    CCaptureProbe probe{analyser};
    std::unique_ptr<CCaptureEngine> engine;
    std::shared_ptr<ScriptedBufferState> buffer;
};

TEST_F(ScriptedEngineTest, SizesAndANotificationAtTheLastByteOfEveryBlock) {
    OpenWithoutThread();
    EXPECT_EQ(engine->GetNotifySize(), 5332u);
    EXPECT_EQ(engine->GetBufferSize(), 63984u);
    EXPECT_EQ(engine->GetBlockValues(), 2666u);

    CAutoResetEvent& event = engine->GetNotifyEvent();
    std::vector<uint8_t> bytes(RING, 0);
    buffer->ring.Write(bytes.data(), N - 1);
    EXPECT_FALSE(event.TryTake());
    buffer->ring.Write(bytes.data(), 1);
    EXPECT_TRUE(event.TryTake());
    // A piece that passes the ends of several blocks at once: the signals merge.
    buffer->ring.Write(bytes.data(), 3 * N + 7);
    EXPECT_TRUE(event.TryTake());
    EXPECT_FALSE(event.TryTake());
    // Stopped, the device writes nothing and signals nothing.
    ASSERT_EQ(engine->Stop(), DS_OK);
    buffer->ring.Write(bytes.data(), 2 * N);
    EXPECT_FALSE(event.TryTake());
}

TEST_F(ScriptedEngineTest, LessThanOneBlockPendingTakesNothing) {
    OpenWithoutThread();
    buffer->ring.SetPosition(N - 4);
    engine->ProcessCaptureNotification();
    EXPECT_EQ(engine->GetReadOffset(), 0u);
    EXPECT_TRUE(probe.WriteSizes().empty());
    EXPECT_TRUE(probe.Readings().empty());
    // A block and a bit: the whole block only.
    buffer->ring.SetPosition(N + 4);
    engine->ProcessCaptureNotification();
    EXPECT_EQ(engine->GetReadOffset(), N);
    EXPECT_EQ(probe.WriteSizes(), std::vector<unsigned>{N});
}

TEST_F(ScriptedEngineTest, ARangeThatWrapsYieldsTheEndPieceThenTheStartPiece) {
    OpenWithoutThread();
    buffer->ring.SetPosition(11 * N);
    engine->ProcessCaptureNotification();
    ASSERT_EQ(engine->GetReadOffset(), 11 * N);
    PutPattern(11);
    PutPattern(0);
    buffer->ring.SetPosition(N);
    const size_t nBefore = probe.Written().size();
    engine->ProcessCaptureNotification();

    EXPECT_EQ(engine->GetReadOffset(), N);
    ASSERT_EQ(probe.WriteSizes().back(), 2 * N);
    const auto written = probe.Written();
    EXPECT_EQ(std::vector<int16_t>(written.begin() + nBefore, written.end()), Patterns({11, 0}));
}

TEST_F(ScriptedEngineTest, TwoBlocksPendingAreBothWrittenAndOnlyTheFirstIsAnalysed) {
    OpenWithoutThread();
    PutTone(0, 440.0);
    PutTone(1, 880.0);
    buffer->ring.SetPosition(2 * N);
    engine->ProcessCaptureNotification();

    EXPECT_EQ(engine->GetReadOffset(), 10664u);
    EXPECT_EQ(probe.WriteSizes(), std::vector<unsigned>{2 * N});
    const auto readings = probe.Readings();
    ASSERT_EQ(readings.size(), 1u);
    EXPECT_NEAR(readings[0].dFrequency, 440.0, 1.0);
}

TEST_F(ScriptedEngineTest, ElevenBlocksPendingAfterAStallAreAllHandedOver) {
    OpenWithoutThread();
    buffer->ring.SetPosition(2 * N);
    engine->ProcessCaptureNotification();
    for (unsigned b = 0; b < 12; ++b) PutPattern(b);
    // The thread was held up for eleven blocks: the device is now one block
    // short of where the thread is.
    buffer->ring.SetPosition(N);
    const size_t nBefore = probe.Written().size();
    engine->ProcessCaptureNotification();

    EXPECT_EQ(engine->GetReadOffset(), N);
    EXPECT_EQ(probe.WriteSizes().back(), 11 * N);
    const auto written = probe.Written();
    EXPECT_EQ(std::vector<int16_t>(written.begin() + nBefore, written.end()),
              Patterns({2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0}));
    EXPECT_EQ(probe.Readings().size(), 2u);
}

TEST_F(ScriptedEngineTest, AFailedPositionQueryOrLockSkipsTheWakeUpAndKeepsTheData) {
    OpenWithoutThread();
    PutPattern(0);
    PutPattern(1);
    buffer->ring.SetPosition(2 * N);
    buffer->nFailPositionQueries = 1;
    engine->ProcessCaptureNotification();
    EXPECT_EQ(engine->GetReadOffset(), 0u);
    EXPECT_TRUE(probe.WriteSizes().empty());
    EXPECT_TRUE(probe.Readings().empty());

    buffer->nFailLocks = 1;
    engine->ProcessCaptureNotification();
    EXPECT_EQ(engine->GetReadOffset(), 0u);
    EXPECT_TRUE(probe.WriteSizes().empty());

    engine->ProcessCaptureNotification();
    EXPECT_EQ(engine->GetReadOffset(), 2 * N);
    EXPECT_EQ(probe.Written(), Patterns({0, 1}));
    // The ring was unlocked again: the device can write.
    buffer->ring.Write(BlockPattern(2).data(), 4);
    uint32_t nCapture = 0;
    buffer->ring.GetCurrentPosition(&nCapture, nullptr);
    EXPECT_EQ(nCapture, 2 * N + 4);
}

TEST_F(ScriptedEngineTest, APositionOutsideTheRingIsNotTrusted) {
    OpenWithoutThread();
    buffer->ring.SetPosition(RING + N);
    engine->ProcessCaptureNotification();
    EXPECT_EQ(engine->GetReadOffset(), 0u);
    EXPECT_TRUE(probe.WriteSizes().empty());
}

TEST_F(ScriptedEngineTest, StopAndStartKeepTheReadOffset) {
    OpenWithoutThread();
    buffer->ring.SetPosition(2 * N);
    engine->ProcessCaptureNotification();
    ASSERT_EQ(engine->Stop(), DS_OK);
    ASSERT_EQ(engine->Start(), DS_OK);
    EXPECT_EQ(engine->GetReadOffset(), 2 * N);
    for (unsigned b = 2; b < 5; ++b) PutPattern(b);
    buffer->ring.SetPosition(5 * N);
    const size_t nBefore = probe.Written().size();
    engine->ProcessCaptureNotification();
    EXPECT_EQ(engine->GetReadOffset(), 5 * N);
    const auto written = probe.Written();
    EXPECT_EQ(std::vector<int16_t>(written.begin() + nBefore, written.end()), Patterns({2, 3, 4}));
    EXPECT_EQ(buffer->nStarts.load(), 2);
    EXPECT_EQ(buffer->nStops.load(), 1);
}

TEST_F(ScriptedEngineTest, WithoutTheWaveRecordingBlocksAreOnlyAnalysed) {
    OpenWithoutThread();
    analyser.GetControlState().m_nRecordFlags = REC_LOG;
    PutTone(0, 440.0);
    buffer->ring.SetPosition(N);
    engine->ProcessCaptureNotification();
    EXPECT_TRUE(probe.WriteSizes().empty());
    EXPECT_EQ(probe.Readings().size(), 1u);
}

// The capture thread itself.

TEST_F(ScriptedEngineTest, TheThreadTakesBlocksWhenNotifiedAndEndsOnClose) {
    const CaptureStartUp s = engine->StartUp();
    ASSERT_TRUE(s.bOk);
    EXPECT_EQ(system.GetOpenedId(), "");
    buffer = system.GetBuffer();
    PutTone(0, 440.0);
    buffer->ring.SetPosition(N);
    buffer->ring.SignalAll();
    ASSERT_TRUE(probe.WaitForReadings(1, 10000));
    EXPECT_NEAR(probe.Readings()[0].dFrequency, 440.0, 1.0);
    EXPECT_EQ(engine->GetReadOffset(), N);

    engine->Close();
    EXPECT_FALSE(engine->IsThreadRunning());
    EXPECT_TRUE(buffer->bReleased.load());
    engine->Close();  // twice is harmless
}

TEST_F(ScriptedEngineTest, AFailedWaveWriteIsReportedOnceAndSwitchesTheRecordingOff) {
    int nFailures = 0;  // written on the capture thread, read after the waits
    std::mutex mutex;
    engine->SetWaveWriteFailedHandler([&] {
        std::lock_guard<std::mutex> lock(mutex);
        ++nFailures;
        analyser.GetControlState().m_nRecordFlags.fetch_and(~REC_WAVE);
    });
    probe.SetWriteSucceeds(false);
    ASSERT_TRUE(engine->StartUp().bOk);
    buffer = system.GetBuffer();
    buffer->ring.SetPosition(N);
    buffer->ring.SignalAll();
    ASSERT_TRUE(probe.WaitForReadings(1, 10000));
    buffer->ring.SetPosition(2 * N);
    buffer->ring.SignalAll();
    ASSERT_TRUE(probe.WaitForReadings(2, 10000));
    engine->Close();

    std::lock_guard<std::mutex> lock(mutex);
    EXPECT_EQ(nFailures, 1);
    EXPECT_EQ(probe.WriteSizes().size(), 1u);
}

// A host whose repaint must run on the user-interface thread, as a blocking
// queued call does: the capture thread waits until the test's thread has run
// it.
class CUserInterfaceHost : public IAnalysisHost {
public:
    void AddReadingLine(const std::string&, int) override {}
    void OnFftSizeRefused() override {}
    void RefreshViews() override {
        std::unique_lock<std::mutex> lock(m_mutex);
        ++m_nQueued;
        m_changed.notify_all();
        m_changed.wait(lock, [&] { return m_nDone == m_nQueued; });
    }
    // Runs what is queued; what a user-interface thread's event loop does.
    void Pump() {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_nDone = m_nQueued;
        m_changed.notify_all();
    }
    bool WaitUntilQueued(int nTimeoutMs) {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_changed.wait_for(lock, std::chrono::milliseconds(nTimeoutMs),
                                  [&] { return m_nQueued > m_nDone; });
    }
    int Done() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_nDone;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_nQueued = 0;
    int m_nDone = 0;
};

TEST_F(ScriptedEngineTest, ClosingWhileTheThreadWaitsForTheUserInterfaceDoesNotDeadlock) {
    CUserInterfaceHost host;
    analyser.SetHost(&host);
    ASSERT_TRUE(engine->StartUp().bOk);
    buffer = system.GetBuffer();
    buffer->ring.SetPosition(N);
    buffer->ring.SignalAll();
    ASSERT_TRUE(host.WaitUntilQueued(10000));
    // More data and a notification arrive while closing: never analysed.
    buffer->ring.SetPosition(3 * N);
    buffer->ring.SignalAll();
    engine->Close([&] { host.Pump(); }, 60000);
    EXPECT_FALSE(engine->IsThreadRunning());
    EXPECT_EQ(host.Done(), 1);
}

TEST_F(ScriptedEngineTest, CloseCalledOnTheCaptureThreadEndsItWithoutWaitingForItself) {
    engine->SetThreadMessageHandler([&](const ThreadMessage&) { engine->Close(); });
    ASSERT_TRUE(engine->StartUp().bOk);
    engine->GetThreadQueue().PostMessage(TM_USER);
    for (int i = 0; i < 1000 && engine->IsThreadRunning(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_FALSE(engine->IsThreadRunning());
    engine->Close();
    EXPECT_TRUE(system.GetBuffer()->bReleased.load());
}

TEST_F(ScriptedEngineTest, ARefusedFftSizeEndsTheThread) {
    analyser.m_nFftSize = 1000;
    ASSERT_TRUE(engine->StartUp().bOk);
    buffer = system.GetBuffer();
    buffer->ring.SetPosition(N);
    buffer->ring.SignalAll();
    for (int i = 0; i < 1000 && engine->IsThreadRunning(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_FALSE(engine->IsThreadRunning());
    EXPECT_EQ(engine->GetReadOffset(), N);
}

TEST_F(ScriptedEngineTest, OtherThreadMessagesGoToTheHandlerAndTheQuitMessageEndsTheBatch) {
    std::mutex mutex;
    std::vector<unsigned> handled;
    engine->SetThreadMessageHandler([&](const ThreadMessage& m) {
        std::lock_guard<std::mutex> lock(mutex);
        handled.push_back(m.nMessage);
    });
    // Queued before the thread starts, so that its first batch holds all three.
    engine->GetThreadQueue().PostMessage(TM_USER + 1);
    engine->GetThreadQueue().PostQuitMessage(0);
    engine->GetThreadQueue().PostMessage(TM_USER + 2);
    ASSERT_TRUE(engine->StartThread());
    for (int i = 0; i < 1000 && engine->IsThreadRunning(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_FALSE(engine->IsThreadRunning());
    std::lock_guard<std::mutex> lock(mutex);
    EXPECT_EQ(handled, (std::vector<unsigned>{TM_USER + 1, TM_USER + 2}));
}

// Start-up failures and the messages they choose.

struct StartUpCase {
    HRESULT hrCreate, hrCreateBuffer, hrStart;
    bool bNoNotify;
    bool bOk;
    int nMessage, nDetail;
};

class StartUpMessageTest : public ::testing::TestWithParam<StartUpCase> {};

TEST_P(StartUpMessageTest, ChoosesTheDesignedMessages) {
    const StartUpCase c = GetParam();
    CScriptedCaptureSystem system;
    system.m_hrCreate = c.hrCreate;
    system.m_hrCreateBuffer = c.hrCreateBuffer;
    system.m_hrStart = c.hrStart;
    system.m_bNoNotify = c.bNoNotify;
    system.m_strErrorText = "scripted failure";
    CPitchAnalyser analyser;
    CCaptureEngine engine(system, analyser);
    const CaptureStartUp s = engine.StartUp();
    EXPECT_EQ(s.bOk, c.bOk);
    EXPECT_EQ(s.nMessage, c.nMessage);
    EXPECT_EQ(s.nDetailMessage, c.nDetail);
    if (c.nMessage == 143 || c.nMessage == 144) {
        EXPECT_EQ(s.strPlatformError, "scripted failure");
    }
    // The thread runs whatever happened; closing ends it.
    engine.Close();
    EXPECT_FALSE(engine.IsThreadRunning());
}

constexpr HRESULT OK = DS_OK;
INSTANTIATE_TEST_SUITE_P(
    Results, StartUpMessageTest,
    ::testing::Values(StartUpCase{OK, OK, OK, false, true, 0, 0},
                      StartUpCase{DSERR_ALLOCATED, OK, OK, false, false, 143, 147},
                      StartUpCase{DSERR_INVALIDPARAM, OK, OK, false, false, 143, 148},
                      StartUpCase{DSERR_NOAGGREGATION, OK, OK, false, false, 143, 149},
                      StartUpCase{DSERR_OUTOFMEMORY, OK, OK, false, false, 143, 154},
                      StartUpCase{DSERR_NODRIVER, OK, OK, false, false, 143, 0},
                      StartUpCase{OK, DSERR_BADFORMAT, OK, false, false, 144, 151},
                      StartUpCase{OK, DSERR_INVALIDPARAM, OK, false, false, 144, 148},
                      StartUpCase{OK, DSERR_NODRIVER, OK, false, false, 144, 150},
                      StartUpCase{OK, DSERR_OUTOFMEMORY, OK, false, false, 144, 154},
                      StartUpCase{OK, DSERR_UNINITIALIZED, OK, false, false, 144, 153},
                      StartUpCase{OK, DSERR_GENERIC, OK, false, false, 144, 152},
                      StartUpCase{OK, DSERR_ALLOCATED, OK, false, false, 144, 0},
                      StartUpCase{OK, OK, DSERR_GENERIC, false, false, 145, 0},
                      StartUpCase{OK, OK, OK, true, false, 0, 0}));

}  // namespace
