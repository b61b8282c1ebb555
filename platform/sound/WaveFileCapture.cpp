// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound/WaveFileCapture.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <thread>
#include <utility>

#include "platform/sound/CaptureRing.h"

namespace {

constexpr uint32_t BYTES_PER_SECOND = 64000;
constexpr uint32_t FRAME_BYTES = 4;
// The feeder wakes when the next notification position is due, as a sound
// server delivers a fragment when it is full, and writes what is due by the
// clock; without positions it wakes this often.
constexpr auto FEED_INTERVAL = std::chrono::milliseconds(10);

class CWaveFileCaptureBuffer : public ICaptureBuffer {
public:
    CWaveFileCaptureBuffer(std::shared_ptr<WaveFileState> pState, uint32_t nBytes)
        : m_pState(std::move(pState)), m_ring(nBytes) {}
    ~CWaveFileCaptureBuffer() override { Stop(); }

    HRESULT GetNotify(ICaptureNotify** ppNotify) override {
        if (!ppNotify) return DSERR_INVALIDPARAM;
        *ppNotify = &m_ring;
        return DS_OK;
    }

    HRESULT Start(uint32_t /*dwFlags*/) override {
        std::lock_guard<std::mutex> control(m_controlMutex);
        if (m_feeder.joinable()) return DS_OK;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_bStop = false;
        }
        m_ring.SetRunning(true);
        try {
            m_feeder = std::thread(&CWaveFileCaptureBuffer::Feed, this);
        } catch (...) {
            m_ring.SetRunning(false);
            return DSERR_GENERIC;
        }
        return DS_OK;
    }

    HRESULT Stop() override {
        std::lock_guard<std::mutex> control(m_controlMutex);
        if (!m_feeder.joinable()) return DS_OK;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_bStop = true;
        }
        m_wake.notify_all();
        m_feeder.join();
        m_ring.SetRunning(false);
        return DS_OK;
    }

    HRESULT GetStatus(uint32_t* pdwStatus) override {
        if (!pdwStatus) return DSERR_INVALIDPARAM;
        *pdwStatus = m_ring.IsRunning() ? DSCBSTATUS_CAPTURING | DSCBSTATUS_LOOPING : 0;
        return DS_OK;
    }
    HRESULT GetCurrentPosition(uint32_t* pdwCapture, uint32_t* pdwRead) override {
        return m_ring.GetCurrentPosition(pdwCapture, pdwRead);
    }
    HRESULT Lock(uint32_t dwOffset, uint32_t dwBytes, void** pp1, uint32_t* pn1, void** pp2,
                 uint32_t* pn2, uint32_t /*dwFlags*/) override {
        return m_ring.Lock(dwOffset, dwBytes, pp1, pn1, pp2, pn2);
    }
    HRESULT Unlock(void* p1, uint32_t n1, void* p2, uint32_t n2) override {
        return m_ring.Unlock(p1, n1, p2, n2);
    }

private:
    // Writes, when a position is due, the bytes the clock says are due since
    // Start: the file from where it stopped, then silence. A stop and a new
    // start continue the file where it was.
    void Feed() {
        using Clock = std::chrono::steady_clock;
        const auto tStart = Clock::now();
        uint64_t nWritten = 0;
        const auto* pFile = reinterpret_cast<const uint8_t*>(m_pState->samples.data());
        const uint64_t nFileBytes = m_pState->samples.size() * sizeof(int16_t);
        CAudioFileReader16k* pReader = m_pState->pReader.get();
        std::unique_lock<std::mutex> lock(m_mutex);
        while (!m_bStop) {
            const auto us =
                std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - tStart);
            const uint64_t nDue = static_cast<uint64_t>(us.count()) * BYTES_PER_SECOND / 1000000 /
                                  FRAME_BYTES * FRAME_BYTES;
            while (nWritten < nDue) {
                // Pieces of at most a quarter ring, so a late wake-up never
                // writes over data in one go.
                uint32_t n = static_cast<uint32_t>(std::min<uint64_t>(
                    nDue - nWritten, m_ring.GetSize() / 4 / FRAME_BYTES * FRAME_BYTES));
                if (pReader) {
                    nWritten += FeedFromReader(*pReader, n);
                    continue;
                }
                uint64_t nPlayed = m_pState->nBytesPlayed.load(std::memory_order_relaxed);
                if (m_pState->bLoop && nFileBytes > 0 && nPlayed >= nFileBytes) nPlayed = 0;
                if (nPlayed < nFileBytes) {
                    n = static_cast<uint32_t>(std::min<uint64_t>(n, nFileBytes - nPlayed));
                    m_ring.Write(pFile + nPlayed, n);
                    m_pState->nBytesPlayed.store(nPlayed + n, std::memory_order_relaxed);
                } else {
                    m_ring.WriteSilence(n);
                }
                nWritten += n;
            }
            const uint32_t nNext = m_ring.BytesToNextNotification();
            if (nNext == 0) {
                m_wake.wait_for(lock, FEED_INTERVAL);
            } else {
                const uint64_t nBytes =
                    nWritten + (nNext + FRAME_BYTES - 1) / FRAME_BYTES * FRAME_BYTES;
                m_wake.wait_until(lock, tStart + std::chrono::microseconds(
                                                     (nBytes * 1000000 + BYTES_PER_SECOND - 1) /
                                                     BYTES_PER_SECOND));
            }
        }
    }

    // Up to nBytes of the file, converted as they are due, then silence;
    // returns nBytes.
    uint32_t FeedFromReader(CAudioFileReader16k& reader, uint32_t nBytes) {
        uint32_t nFileBytes = 0;
        if (!m_pState->bReaderDone.load()) {
            const std::size_t nFrames = nBytes / FRAME_BYTES;
            if (m_piece.size() < 2 * nFrames) m_piece.resize(2 * nFrames);
            std::size_t nGot = 0;
            std::string strError;
            const bool bOk = reader.Read(m_piece.data(), nFrames, nGot, strError);
            nFileBytes = static_cast<uint32_t>(nGot * FRAME_BYTES);
            if (nFileBytes > 0) m_ring.Write(m_piece.data(), nFileBytes);
            m_pState->nBytesPlayed.fetch_add(nFileBytes);
            if (!bOk) {
                std::lock_guard<std::mutex> lock(m_pState->errorMutex);
                m_pState->strReadError = strError;
            }
            // Set after the count, so that whoever sees the end sees every byte.
            if (!bOk || nGot < nFrames) m_pState->bReaderDone.store(true);
        }
        if (nFileBytes < nBytes) m_ring.WriteSilence(nBytes - nFileBytes);
        return nBytes;
    }

    std::shared_ptr<WaveFileState> m_pState;
    std::vector<int16_t> m_piece;  // one piece of the file, feeder thread only
    CCaptureRing m_ring;
    std::mutex m_controlMutex;  // Start and Stop
    std::mutex m_mutex;         // m_bStop
    std::condition_variable m_wake;
    bool m_bStop = false;
    std::thread m_feeder;
};

class CWaveFileCapture : public ICapture {
public:
    explicit CWaveFileCapture(std::shared_ptr<WaveFileState> pState)
        : m_pState(std::move(pState)) {}

    HRESULT CreateCaptureBuffer(const DSCBUFFERDESC* pDesc,
                                std::unique_ptr<ICaptureBuffer>& pBuffer) override {
        if (!pDesc || pDesc->dwSize != sizeof(DSCBUFFERDESC) || !pDesc->lpwfxFormat)
            return DSERR_INVALIDPARAM;
        if (!IsTunerCaptureFormat(*pDesc->lpwfxFormat)) return DSERR_BADFORMAT;
        if (pDesc->dwBufferBytes < 16 || pDesc->dwBufferBytes % FRAME_BYTES != 0)
            return DSERR_INVALIDPARAM;
        pBuffer = std::make_unique<CWaveFileCaptureBuffer>(m_pState, pDesc->dwBufferBytes);
        return DS_OK;
    }

private:
    std::shared_ptr<WaveFileState> m_pState;
};

}  // namespace

CWaveFileCaptureSystem::CWaveFileCaptureSystem(std::string strPath)
    : m_strPath(std::move(strPath)) {}

CWaveFileCaptureSystem::CWaveFileCaptureSystem(std::string strName, std::vector<int16_t> samples,
                                               bool bLoop)
    : m_strPath(std::move(strName)),
      m_bInMemory(true),
      m_bLoop(bLoop),
      m_samples(std::move(samples)) {}

HRESULT CWaveFileCaptureSystem::CaptureEnumerate(CaptureEnumCallback pCallback, void* pContext) {
    if (!pCallback(nullptr, "Primary Sound Capture Driver", "file", pContext)) return DS_OK;
    pCallback(&m_strPath, m_strPath.c_str(), "file", pContext);
    return DS_OK;
}

HRESULT CWaveFileCaptureSystem::CaptureCreate(const std::string& /*strId*/,
                                              std::unique_ptr<ICapture>& pCapture) {
    auto pState = std::make_shared<WaveFileState>();
    pState->bLoop = m_bLoop;
    std::string strError;
    // Each capture plays from the start, as a file read anew would.
    if (m_bInMemory) {
        pState->samples = m_samples;
    } else {
        pState->pReader = std::make_unique<CAudioFileReader16k>();
        if (!pState->pReader->Open(m_strPath, strError)) {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_strLastError = strError.empty() ? "Cannot read " + m_strPath : strError;
            m_strLastExplanation = "Cannot read " + (strError.empty() ? m_strPath : strError);
            return DSERR_INVALIDPARAM;
        }
    }
    // The feeder writes whole frames only.
    if (pState->samples.size() % 2 != 0) pState->samples.pop_back();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_pState = pState;
    }
    pCapture = std::make_unique<CWaveFileCapture>(std::move(pState));
    return DS_OK;
}

std::string CWaveFileCaptureSystem::GetLastErrorText() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_strLastError;
}

std::string CWaveFileCaptureSystem::GetLastErrorExplanation() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_strLastExplanation;
}

std::shared_ptr<const WaveFileState> CWaveFileCaptureSystem::GetState() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_pState;
}
