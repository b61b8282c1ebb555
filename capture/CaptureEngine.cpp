// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/CaptureEngine.h"

#include <algorithm>
#include <chrono>
#include <cstring>

#include "analysis/PitchAnalyser.h"
#include "capture/CaptureMessages.h"
#include "platform/system/Clock.h"
#include "platform/system/Wait.h"

int CreateCaptureDetailMessage(HRESULT hr) {
    switch (hr) {
        case DSERR_ALLOCATED:
            return IDS_DX_ALLOCATED;
        case DSERR_INVALIDPARAM:
            return IDS_DX_INVALIDPARAM;
        case DSERR_NOAGGREGATION:
            return IDS_DX_NOAGGREGATION;
        case DSERR_OUTOFMEMORY:
            return IDS_DX_OUTOFMEMORY;
        default:
            return 0;
    }
}

int CreateBufferDetailMessage(HRESULT hr) {
    switch (hr) {
        case DSERR_BADFORMAT:
            return IDS_DX_BADFORMAT;
        case DSERR_INVALIDPARAM:
            return IDS_DX_INVALIDPARAM;
        case DSERR_NODRIVER:
            return IDS_DX_NODRIVER;
        case DSERR_OUTOFMEMORY:
            return IDS_DX_OUTOFMEMORY;
        case DSERR_UNINITIALIZED:
            return IDS_DX_UNINITIALIZED;
        case DSERR_GENERIC:
            return IDS_DX_GENERIC;
        default:
            return 0;
    }
}

CCaptureEngine::CCaptureEngine(ICaptureSystem& system, CPitchAnalyser& analyser)
    : m_system(system), m_analyser(analyser), m_asBlock(BLOCK_BUFFER_VALUES, 0) {}

CCaptureEngine::~CCaptureEngine() {
    Close();
}

CaptureStartUp CCaptureEngine::StartUp() {
    CaptureStartUp result;
    if (!m_hNotifyEvent.IsValid() || !StartThread()) {
        result.hr = DSERR_OUTOFMEMORY;
        return result;
    }
    HRESULT hr = DS_OK;
    if (!InitDirectSoundCapture(hr)) {
        result.hr = hr;
        result.nMessage = IDS_CANNOT_CREATE_CAPTURE;
        result.nDetailMessage = CreateCaptureDetailMessage(hr);
        result.strPlatformError = m_system.GetLastErrorText();
        result.strExplanation = m_system.GetLastErrorExplanation();
        return result;
    }
    if (!SetUpCaptureBuffer(hr)) {
        result.hr = hr;
        if (FAILED(hr)) {
            result.nMessage = IDS_CANNOT_CREATE_CAPTURE_BUFFER;
            result.nDetailMessage = CreateBufferDetailMessage(hr);
            result.strPlatformError = m_system.GetLastErrorText();
            result.strExplanation = m_system.GetLastErrorExplanation();
        }
        return result;
    }
    hr = Start();
    if (hr != DS_OK) {
        result.hr = hr;
        result.nMessage = IDS_CANNOT_START_CAPTURE;
        return result;
    }
    result.bOk = true;
    return result;
}

bool CCaptureEngine::StartThread() {
    if (m_thread.joinable()) return true;
    {
        std::lock_guard<std::mutex> lock(m_endMutex);
        m_bThreadEnded = false;
    }
    try {
        m_bThreadRunning = true;
        m_thread = std::thread(&CCaptureEngine::CaptureThreadProc, this);
    } catch (...) {
        m_bThreadRunning = false;
        return false;
    }
    return true;
}

bool CCaptureEngine::InitDirectSoundCapture(HRESULT& hr) {
    std::unique_ptr<ICapture> pCapture;
    hr = m_system.CaptureCreate(m_strCaptureDevice, pCapture);
    if (FAILED(hr) || !pCapture) {
        if (SUCCEEDED(hr)) hr = DSERR_GENERIC;
        return false;
    }
    std::lock_guard<std::mutex> lock(m_bufferMutex);
    m_pCapture = std::move(pCapture);
    return true;
}

bool CCaptureEngine::SetUpCaptureBuffer(HRESULT& hr) {
    std::unique_lock<std::mutex> lock(m_bufferMutex);
    if (!m_pCapture) {
        hr = DSERR_UNINITIALIZED;
        return false;
    }
    m_pCaptureNotify = nullptr;
    m_pCaptureBuffer.reset();

    const WAVEFORMATEX wfx = TunerCaptureFormat();
    uint32_t nNotify = std::max<uint32_t>(wfx.nAvgBytesPerSec / NOTIFY_COUNT, 1024);
    nNotify -= nNotify % wfx.nBlockAlign;
    m_nNotifySize = nNotify;
    m_nBufferSize = NOTIFY_COUNT * m_nNotifySize;

    DSCBUFFERDESC desc;
    desc.dwSize = sizeof(DSCBUFFERDESC);
    desc.dwFlags = 0;
    desc.dwBufferBytes = m_nBufferSize;
    desc.dwReserved = 0;
    desc.lpwfxFormat = &wfx;
    desc.dwFXCount = 0;
    desc.lpDSCFXDesc = nullptr;
    std::unique_ptr<ICaptureBuffer> pBuffer;
    hr = m_pCapture->CreateCaptureBuffer(&desc, pBuffer);
    if (FAILED(hr) || !pBuffer) {
        if (SUCCEEDED(hr)) hr = DSERR_GENERIC;
        return false;
    }
    m_pCaptureBuffer = std::move(pBuffer);
    m_nReadOffset = 0;
    lock.unlock();
    if (!SetCaptureNotifications()) return false;
    lock.lock();
    m_nBlockValues = m_nNotifySize / 2;
    return true;
}

bool CCaptureEngine::SetCaptureNotifications() {
    std::lock_guard<std::mutex> lock(m_bufferMutex);
    m_aNotifyPositions.fill(DSBPOSITIONNOTIFY{});
    if (!m_pCaptureBuffer) return false;
    ICaptureNotify* pNotify = nullptr;
    if (FAILED(m_pCaptureBuffer->GetNotify(&pNotify)) || !pNotify) return false;
    m_pCaptureNotify = pNotify;
    // The last byte of every block, so the event fires as each block is full.
    for (uint32_t i = 0; i < NOTIFY_COUNT; ++i) {
        m_aNotifyPositions[i].dwOffset = i * m_nNotifySize + m_nNotifySize - 1;
        m_aNotifyPositions[i].hEventNotify = &m_hNotifyEvent;
    }
    return SUCCEEDED(
        m_pCaptureNotify->SetNotificationPositions(NOTIFY_COUNT, m_aNotifyPositions.data()));
}

HRESULT CCaptureEngine::Start() {
    std::lock_guard<std::mutex> lock(m_bufferMutex);
    if (!m_pCaptureBuffer) return DSERR_UNINITIALIZED;
    return m_pCaptureBuffer->Start(DSCBSTART_LOOPING);
}

HRESULT CCaptureEngine::Stop() {
    std::lock_guard<std::mutex> lock(m_bufferMutex);
    if (!m_pCaptureBuffer) return DSERR_UNINITIALIZED;
    return m_pCaptureBuffer->Stop();
}

void CCaptureEngine::ReleaseDirectSoundCapture() {
    std::unique_ptr<ICaptureBuffer> pBuffer;
    std::unique_ptr<ICapture> pCapture;
    {
        std::lock_guard<std::mutex> lock(m_bufferMutex);
        m_pCaptureNotify = nullptr;
        pBuffer = std::move(m_pCaptureBuffer);
        pCapture = std::move(m_pCapture);
    }
    // Destroyed outside the lock: a backend's teardown may wait for its own
    // threads.
    pBuffer.reset();
    pCapture.reset();
}

void CCaptureEngine::Close(const std::function<void()>& fnPumpEvents, uint32_t nTimeLimitMs) {
    m_bClosing = true;
    // From a call the capture thread makes, it can only be told to end: it
    // cannot wait for itself, and what it is using must stay until it has.
    if (std::this_thread::get_id() == m_captureThreadId.load()) {
        m_threadQueue.PostQuitMessage(0);
        return;
    }
    Stop();
    if (m_thread.joinable()) {
        m_threadQueue.PostQuitMessage(0);
        const uint32_t nStart = GetMillisecondCounter();
        std::unique_lock<std::mutex> lock(m_endMutex);
        while (!m_bThreadEnded &&
               MillisecondsBetween(nStart, GetMillisecondCounter()) < nTimeLimitMs) {
            if (fnPumpEvents) {
                lock.unlock();
                fnPumpEvents();
                lock.lock();
            }
            m_endCondition.wait_for(lock, std::chrono::milliseconds(5));
        }
        lock.unlock();
        m_thread.join();
    }
    ReleaseDirectSoundCapture();
}

void CCaptureEngine::ProcessCaptureNotification() {
    std::fill(m_asBlock.begin(), m_asBlock.end(), int16_t{0});
    uint32_t nTaken = 0;
    uint32_t nBlocks = 0;
    {
        std::lock_guard<std::mutex> lock(m_bufferMutex);
        if (!m_pCaptureBuffer || m_nNotifySize == 0 || m_nBufferSize == 0) return;
        uint32_t nCapture = 0, nRead = 0;
        if (FAILED(m_pCaptureBuffer->GetCurrentPosition(&nCapture, &nRead))) return;
        // A position outside the ring is as good as a failed query.
        if (nRead >= m_nBufferSize) return;
        int64_t nAvailable = static_cast<int64_t>(nRead) - m_nReadOffset;
        if (nAvailable < 0) nAvailable += m_nBufferSize;
        nAvailable -= nAvailable % m_nNotifySize;
        if (nAvailable == 0) return;

        void* p1 = nullptr;
        void* p2 = nullptr;
        uint32_t n1 = 0, n2 = 0;
        if (FAILED(m_pCaptureBuffer->Lock(m_nReadOffset, static_cast<uint32_t>(nAvailable), &p1,
                                          &n1, &p2, &n2, 0)))
            return;
        // Both regions go behind each other, in capture order; never past the
        // end of m_asBlock, whatever the backend says.
        const uint32_t nRoom = static_cast<uint32_t>(m_asBlock.size() * sizeof(int16_t));
        auto* pDest = reinterpret_cast<uint8_t*>(m_asBlock.data());
        const uint32_t nCopy1 = std::min(n1, nRoom);
        if (p1) std::memcpy(pDest, p1, nCopy1);
        m_nReadOffset = (m_nReadOffset + n1) % m_nBufferSize;
        uint32_t nCopy2 = 0;
        if (p2) {
            nCopy2 = std::min(n2, nRoom - nCopy1);
            std::memcpy(pDest + nCopy1, p2, nCopy2);
            m_nReadOffset = (m_nReadOffset + n2) % m_nBufferSize;
        } else {
            n2 = 0;
        }
        m_pCaptureBuffer->Unlock(p1, n1, p2, n2);
        nTaken = nCopy1 + nCopy2;
        nBlocks = nTaken / m_nNotifySize;
    }
    m_nWakeUpsWithData.fetch_add(1, std::memory_order_relaxed);
    m_nBlocksTaken.fetch_add(nBlocks, std::memory_order_relaxed);

    // Past here the thread calls out (recorder, views); not once closing.
    if (m_bClosing) return;
    const int nFlags = m_analyser.GetControlState().m_nRecordFlags.load(std::memory_order_relaxed);
    IWaveSink* pSink = m_pWaveSink.load();
    if ((nFlags & REC_WAVE) && pSink && !pSink->WriteBlock(m_asBlock.data(), nTaken)) {
        if (m_fnWaveWriteFailed && !m_bClosing) m_fnWaveWriteFailed();
    }
    if (m_bClosing) return;
    // The oldest block only; the analyser reads its first m_nBlockValues.
    if (!m_analyser.AnalyseBlock(m_asBlock.data())) m_threadQueue.PostQuitMessage(0);
}

unsigned CCaptureEngine::CaptureThreadProc(CCaptureEngine* pEngine) {
    pEngine->m_captureThreadId = std::this_thread::get_id();
    bool bEnd = false;
    while (!bEnd) {
        switch (MsgWaitForEventOrMessage(pEngine->m_hNotifyEvent, pEngine->m_threadQueue)) {
            case WaitResult::Event:
                pEngine->ProcessCaptureNotification();
                break;
            case WaitResult::Message: {
                ThreadMessage msg;
                // The whole batch is handled, also after a quit message.
                while (pEngine->m_threadQueue.PeekMessage(msg)) {
                    if (msg.nMessage == TM_QUIT)
                        bEnd = true;
                    else if (pEngine->m_fnThreadMessage && !pEngine->m_bClosing)
                        pEngine->m_fnThreadMessage(msg);
                }
                break;
            }
            case WaitResult::Timeout:
                break;
            case WaitResult::Failed:
                // A wait that cannot work would spin: end the thread instead.
                bEnd = true;
                break;
        }
    }
    pEngine->m_bThreadRunning = false;
    {
        std::lock_guard<std::mutex> lock(pEngine->m_endMutex);
        pEngine->m_bThreadEnded = true;
    }
    pEngine->m_endCondition.notify_all();
    return 0;
}

HRESULT CCaptureEngine::GetCaptureStatus(uint32_t* pdwStatus) const {
    std::lock_guard<std::mutex> lock(m_bufferMutex);
    if (!m_pCaptureBuffer) return DSERR_UNINITIALIZED;
    return m_pCaptureBuffer->GetStatus(pdwStatus);
}

uint32_t CCaptureEngine::GetReadOffset() const {
    std::lock_guard<std::mutex> lock(m_bufferMutex);
    return m_nReadOffset;
}

uint32_t CCaptureEngine::GetNotifySize() const {
    std::lock_guard<std::mutex> lock(m_bufferMutex);
    return m_nNotifySize;
}

uint32_t CCaptureEngine::GetBufferSize() const {
    std::lock_guard<std::mutex> lock(m_bufferMutex);
    return m_nBufferSize;
}

uint32_t CCaptureEngine::GetBlockValues() const {
    std::lock_guard<std::mutex> lock(m_bufferMutex);
    return m_nBlockValues;
}
