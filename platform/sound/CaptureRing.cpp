// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound/CaptureRing.h"

#include <algorithm>
#include <cstring>

#include "platform/system/Event.h"

WAVEFORMATEX TunerCaptureFormat() {
    WAVEFORMATEX wfx;
    wfx.wFormatTag = WAVE_FORMAT_PCM;
    wfx.nChannels = 2;
    wfx.nSamplesPerSec = 16000;
    wfx.wBitsPerSample = 16;
    wfx.nBlockAlign = 4;
    wfx.nAvgBytesPerSec = 64000;
    wfx.cbSize = 0;
    return wfx;
}

bool IsTunerCaptureFormat(const WAVEFORMATEX& wfx) {
    const WAVEFORMATEX t = TunerCaptureFormat();
    return wfx.wFormatTag == t.wFormatTag && wfx.nChannels == t.nChannels &&
           wfx.nSamplesPerSec == t.nSamplesPerSec && wfx.wBitsPerSample == t.wBitsPerSample &&
           wfx.nBlockAlign == t.nBlockAlign && wfx.nAvgBytesPerSec == t.nAvgBytesPerSec;
}

CCaptureRing::CCaptureRing(uint32_t nBytes) : m_abRing(nBytes, 0) {}

HRESULT CCaptureRing::SetNotificationPositions(uint32_t nCount,
                                               const DSBPOSITIONNOTIFY* pPositions) {
    if (nCount > 0 && !pPositions) return DSERR_INVALIDPARAM;
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_bRunning) return DSERR_INVALIDCALL;
    for (uint32_t i = 0; i < nCount; ++i)
        if (pPositions[i].dwOffset >= m_abRing.size() || !pPositions[i].hEventNotify)
            return DSERR_INVALIDPARAM;
    m_aNotify.assign(pPositions, pPositions + nCount);
    return DS_OK;
}

void CCaptureRing::SetRunning(bool bRunning) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_bRunning = bRunning;
}

bool CCaptureRing::IsRunning() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_bRunning;
}

void CCaptureRing::Write(const void* pData, uint32_t nBytes) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_bRunning) WriteLocked(static_cast<const uint8_t*>(pData), nBytes);
}

void CCaptureRing::WriteSilence(uint32_t nBytes) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_bRunning) WriteLocked(nullptr, nBytes);
}

void CCaptureRing::WriteLocked(const uint8_t* pData, uint32_t nBytes) {
    const uint32_t nSize = GetSize();
    if (nSize == 0) return;
    while (nBytes > 0) {
        const uint32_t nStart = m_nPosition;
        const uint32_t n = std::min(nBytes, nSize - nStart);
        if (pData) {
            std::memcpy(m_abRing.data() + nStart, pData, n);
            pData += n;
        } else {
            std::memset(m_abRing.data() + nStart, 0, n);
        }
        nBytes -= n;
        m_nPosition = (nStart + n) % nSize;
        // Every position whose byte this piece wrote fires; the server
        // delivers pieces of any size, so one piece may pass several.
        for (const DSBPOSITIONNOTIFY& p : m_aNotify)
            if (p.dwOffset >= nStart && p.dwOffset < nStart + n) p.hEventNotify->Set();
    }
}

uint32_t CCaptureRing::BytesToNextNotification() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    const uint32_t nSize = GetSize();
    uint32_t nNearest = 0;
    for (const DSBPOSITIONNOTIFY& p : m_aNotify) {
        if (p.dwOffset >= nSize) continue;
        // The byte at the offset must be written: one more than the gap.
        const uint32_t n = (p.dwOffset + nSize - m_nPosition) % nSize + 1;
        if (nNearest == 0 || n < nNearest) nNearest = n;
    }
    return nNearest;
}

HRESULT CCaptureRing::GetCurrentPosition(uint32_t* pdwCapture, uint32_t* pdwRead) const {
    if (!pdwCapture && !pdwRead) return DSERR_INVALIDPARAM;
    std::lock_guard<std::mutex> lock(m_mutex);
    // Bytes are complete once written: capture and read position coincide.
    if (pdwCapture) *pdwCapture = m_nPosition;
    if (pdwRead) *pdwRead = m_nPosition;
    return DS_OK;
}

HRESULT CCaptureRing::Lock(uint32_t dwOffset, uint32_t dwBytes, void** pp1, uint32_t* pn1,
                           void** pp2, uint32_t* pn2) {
    if (!pp1 || !pn1) return DSERR_INVALIDPARAM;
    const uint32_t nSize = GetSize();
    if (dwOffset >= nSize || dwBytes == 0 || dwBytes > nSize) return DSERR_INVALIDPARAM;
    // A second Lock on the same thread would wait for itself.
    if (m_lockOwner.load() == std::this_thread::get_id()) return DSERR_INVALIDCALL;
    m_mutex.lock();
    m_lockOwner.store(std::this_thread::get_id());
    const uint32_t n1 = std::min(dwBytes, nSize - dwOffset);
    m_pLocked1 = m_abRing.data() + dwOffset;
    *pp1 = m_pLocked1;
    *pn1 = n1;
    m_pLocked2 = nullptr;
    if (dwBytes > n1) {
        if (!pp2 || !pn2) {
            m_lockOwner.store(std::thread::id());
            m_mutex.unlock();
            return DSERR_INVALIDPARAM;
        }
        m_pLocked2 = m_abRing.data();
        *pp2 = m_pLocked2;
        *pn2 = dwBytes - n1;
    } else {
        if (pp2) *pp2 = nullptr;
        if (pn2) *pn2 = 0;
    }
    return DS_OK;
}

HRESULT CCaptureRing::Unlock(void* p1, uint32_t /*n1*/, void* p2, uint32_t /*n2*/) {
    if (m_lockOwner.load() != std::this_thread::get_id()) return DSERR_INVALIDCALL;
    const bool bMatches = p1 == m_pLocked1 && p2 == m_pLocked2;
    m_pLocked1 = m_pLocked2 = nullptr;
    m_lockOwner.store(std::thread::id());
    // Released even on a mismatch, or the device would wait for ever.
    m_mutex.unlock();
    return bMatches ? DS_OK : DSERR_INVALIDPARAM;
}

void CCaptureRing::Poke(uint32_t nOffset, const void* pData, uint32_t nBytes) {
    std::lock_guard<std::mutex> lock(m_mutex);
    const uint32_t nSize = GetSize();
    const uint8_t* p = static_cast<const uint8_t*>(pData);
    for (uint32_t i = 0; i < nBytes && nSize > 0; ++i) m_abRing[(nOffset + i) % nSize] = p[i];
}

void CCaptureRing::SetPosition(uint32_t nPosition) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_nPosition = nPosition;
}

void CCaptureRing::SignalAll() {
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const DSBPOSITIONNOTIFY& p : m_aNotify) p.hEventNotify->Set();
}
