// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "analysis/Constants.h"
#include "platform/sound/CaptureTypes.h"
#include "platform/system/Event.h"
#include "platform/system/ThreadMessageQueue.h"

class CPitchAnalyser;

// Takes the blocks of every wake-up while the WAVE recording is on (the WAVE
// recorder, behind its owner's lock). Called on the capture thread.
class IWaveSink {
public:
    virtual ~IWaveSink() = default;
    // nBytes is a whole number of blocks, in capture order. False when the
    // write failed.
    virtual bool WriteBlock(const int16_t* pBlock, unsigned nBytes) = 0;
};

// The outcome of the start-up and the messages it calls for.
struct CaptureStartUp {
    bool bOk = false;
    HRESULT hr = DS_OK;            // result of the call that failed
    int nMessage = 0;              // 143, 144 or 145; 0 when nothing is shown
    int nDetailMessage = 0;        // 147 ... 154 after 143 or 144; 0 for none
    std::string strPlatformError;  // the sound system's own words, may be empty
    std::string strExplanation;    // the same as a sentence with what to try
};

// The detail message after 143 (opening the device) and after 144 (creating
// the capture buffer) for a result code; 0 when there is none.
int CreateCaptureDetailMessage(HRESULT hr);
int CreateBufferDetailMessage(HRESULT hr);

// The capture engine: opens the device, runs a looping ring of twelve blocks
// with a notification at the end of each, and a capture thread that takes
// whole blocks at every wake-up, hands them to the WAVE sink and has the
// oldest analysed.
class CCaptureEngine {
public:
    // The ring holds twelve blocks; a wake-up never takes more than the ring.
    static constexpr unsigned BLOCK_BUFFER_VALUES = NOTIFY_COUNT * BLOCK_VALUES;

    CCaptureEngine(ICaptureSystem& system, CPitchAnalyser& analyser);
    ~CCaptureEngine();
    CCaptureEngine(const CCaptureEngine&) = delete;
    CCaptureEngine& operator=(const CCaptureEngine&) = delete;

    // Set before the start-up. An empty id is the system's default device.
    void SetCaptureDevice(const std::string& strId) { m_strCaptureDevice = strId; }
    // Any time; null for none. Used while m_nRecordFlags has REC_WAVE.
    void SetWaveSink(IWaveSink* pSink) { m_pWaveSink.store(pSink); }
    // Before the start-up: runs on the capture thread after a failed WAVE
    // write; it shows message 161 and switches the WAVE recording off (by the
    // time it returns, or the next block fails again).
    void SetWaveWriteFailedHandler(std::function<void()> fn) {
        m_fnWaveWriteFailed = std::move(fn);
    }
    // Before the start-up: messages of the capture thread's queue other than
    // the quit message.
    void SetThreadMessageHandler(std::function<void(const ThreadMessage&)> fn) {
        m_fnThreadMessage = std::move(fn);
    }

    // The start-up in its order: the capture thread, the device, the buffer
    // with its notifications, the start. Stops at the first failure and says
    // which messages to show.
    CaptureStartUp StartUp();

    bool StartThread();
    bool InitDirectSoundCapture(HRESULT& hr);
    // hr is the buffer creation's result; DS_OK with false means the
    // notifications could not be set (no message).
    bool SetUpCaptureBuffer(HRESULT& hr);
    bool SetCaptureNotifications();
    // Looping start and stop of the ring; m_nReadOffset stays as it is.
    HRESULT Start();
    HRESULT Stop();
    // Releases the buffer and the device; the capture thread must not be
    // running a wake-up (it takes the same lock).
    void ReleaseDirectSoundCapture();

    // Ends everything: sets the closing flag, stops the capture, asks the
    // capture thread to quit and waits until it has ended, calling
    // fnPumpEvents meanwhile (so that a call the thread makes into the
    // user-interface thread can finish) for at most nTimeLimitMs, then joins
    // it and releases the device. Safe to call more than once. Called on the
    // capture thread itself, it only asks the thread to end; the owner closes
    // again from its own thread.
    void Close(const std::function<void()>& fnPumpEvents = {}, uint32_t nTimeLimitMs = 5000);

    // One wake-up's work; normally on the capture thread.
    void ProcessCaptureNotification();

    uint32_t GetReadOffset() const;
    uint32_t GetNotifySize() const;
    uint32_t GetBufferSize() const;
    uint32_t GetBlockValues() const;
    // Wake-ups that took at least one block, and the blocks they took.
    uint64_t GetWakeUpsWithData() const {
        return m_nWakeUpsWithData.load(std::memory_order_relaxed);
    }
    uint64_t GetBlocksTaken() const { return m_nBlocksTaken.load(std::memory_order_relaxed); }
    // The buffer's status (DSCBSTATUS_*); fails when there is no buffer or
    // the device was lost (the sound server went away).
    HRESULT GetCaptureStatus(uint32_t* pdwStatus) const;
    bool IsThreadRunning() const { return m_bThreadRunning.load(); }
    CThreadMessageQueue& GetThreadQueue() { return m_threadQueue; }
    CAutoResetEvent& GetNotifyEvent() { return m_hNotifyEvent; }

private:
    static unsigned CaptureThreadProc(CCaptureEngine* pEngine);

    ICaptureSystem& m_system;
    CPitchAnalyser& m_analyser;

    // The bytes of one wake-up; as large as the ring, so no block is dropped
    // however far the thread fell behind. Only the capture thread uses it.
    std::vector<int16_t> m_asBlock;

    // m_bufferMutex guards the buffer objects, the sizes and m_nReadOffset
    // against the user-interface thread's set-up, start, stop and release.
    // It is never held while calling out of the engine.
    mutable std::mutex m_bufferMutex;
    uint32_t m_nBufferSize = 0;
    uint32_t m_nReadOffset = 0;
    uint32_t m_nBlockValues = 0;
    std::unique_ptr<ICapture> m_pCapture;
    std::unique_ptr<ICaptureBuffer> m_pCaptureBuffer;
    uint32_t m_nNotifySize = 0;
    std::array<DSBPOSITIONNOTIFY, NOTIFY_COUNT + 1> m_aNotifyPositions{};
    ICaptureNotify* m_pCaptureNotify = nullptr;  // belongs to m_pCaptureBuffer
    std::string m_strCaptureDevice;
    CAutoResetEvent m_hNotifyEvent;

    CThreadMessageQueue m_threadQueue;
    std::thread m_thread;
    std::atomic<bool> m_bThreadRunning{false};
    std::atomic<std::thread::id> m_captureThreadId{};  // set by the thread itself
    std::atomic<bool> m_bClosing{false};
    std::mutex m_endMutex;
    std::condition_variable m_endCondition;
    bool m_bThreadEnded = false;

    std::atomic<IWaveSink*> m_pWaveSink{nullptr};
    std::function<void()> m_fnWaveWriteFailed;
    std::function<void(const ThreadMessage&)> m_fnThreadMessage;
    std::atomic<uint64_t> m_nWakeUpsWithData{0};
    std::atomic<uint64_t> m_nBlocksTaken{0};
};
