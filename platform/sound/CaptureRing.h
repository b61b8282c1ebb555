// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/sound/CaptureTypes.h"

// The ring of a looping capture buffer, shared by every backend. The device
// side writes bytes as they come; each notification position the write passes
// signals its event. The reader side gets the positions and locks regions;
// while locked, the device side waits, so a region never changes under the
// reader.
class CCaptureRing : public ICaptureNotify {
public:
    explicit CCaptureRing(uint32_t nBytes);

    uint32_t GetSize() const { return static_cast<uint32_t>(m_abRing.size()); }

    HRESULT SetNotificationPositions(uint32_t nCount, const DSBPOSITIONNOTIFY* pPositions) override;
    void SetRunning(bool bRunning);
    bool IsRunning() const;

    // The device side: appends at the capture position; ignored while stopped.
    void Write(const void* pData, uint32_t nBytes);
    void WriteSilence(uint32_t nBytes);
    // How many bytes the device side must write before the next registered
    // position fires; 0 when none is registered.
    uint32_t BytesToNextNotification() const;

    // The reader side.
    HRESULT GetCurrentPosition(uint32_t* pdwCapture, uint32_t* pdwRead) const;
    HRESULT Lock(uint32_t dwOffset, uint32_t dwBytes, void** pp1, uint32_t* pn1, void** pp2,
                 uint32_t* pn2);
    HRESULT Unlock(void* p1, uint32_t n1, void* p2, uint32_t n2);

    // For scripted devices: put bytes anywhere without moving the position,
    // set the position, signal every registered event.
    void Poke(uint32_t nOffset, const void* pData, uint32_t nBytes);
    void SetPosition(uint32_t nPosition);
    void SignalAll();

private:
    void WriteLocked(const uint8_t* pData, uint32_t nBytes);

    mutable std::mutex m_mutex;  // the ring, the position and the positions
    std::vector<uint8_t> m_abRing;
    uint32_t m_nPosition = 0;
    bool m_bRunning = false;
    std::vector<DSBPOSITIONNOTIFY> m_aNotify;
    // The reader holds m_mutex from Lock to Unlock.
    std::atomic<std::thread::id> m_lockOwner{};
    uint8_t* m_pLocked1 = nullptr;
    uint8_t* m_pLocked2 = nullptr;
};
